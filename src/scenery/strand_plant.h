// Strand plant: thin stalks ending in bulbs that sway ring by ring.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CStrandPlant : public CSceneryStandIn {
public:
    CStrandPlant();
};
