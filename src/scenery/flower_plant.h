// Flower plant: eleven stems of three stalks, each stalk topped by a flower head.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CFlowerPlant : public CSceneryStandIn {
public:
    CFlowerPlant();
};
