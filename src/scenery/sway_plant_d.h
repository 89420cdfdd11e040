// Sway plant D: the plant of kind 4, whose drawing sends no geometry.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CSwayPlantD : public CSceneryStandIn {
public:
    CSwayPlantD();
};
