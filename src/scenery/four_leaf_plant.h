// Four-leaf plant: four rigid leaves at right angles, without animation.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CFourLeafPlant : public CSceneryStandIn {
public:
    CFourLeafPlant();
};
