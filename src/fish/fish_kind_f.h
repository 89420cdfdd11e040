// Fish kind F: kept in arrays of the game window outside the species table
// and never built during a run (fish_kind.h).
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishKindF;

class CFishKindF : public CFishModel {
public:
    CFishKindF() : CFishModel(kFishKindF) {}
};
