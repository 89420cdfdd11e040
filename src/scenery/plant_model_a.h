// Plant model A: seven thin stems fanning out from one root, with swaying leaf blades.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CPlantModelA : public CSceneryStandIn {
public:
    CPlantModelA();
};
