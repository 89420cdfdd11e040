// Sea anemone: three fans of 180 thin stalks swaying at their tips.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CSeaAnemone : public CSceneryStandIn {
public:
    CSeaAnemone();
};
