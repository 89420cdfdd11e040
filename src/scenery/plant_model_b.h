// Plant model B: a tall rigid stalk with a long and a short leaf bending in turn.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CPlantModelB : public CSceneryStandIn {
public:
    CPlantModelB();
};
