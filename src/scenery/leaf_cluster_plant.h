// Leaf cluster: four textured leaves compiled into a list that nothing draws.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CLeafClusterPlant : public CSceneryStandIn {
public:
    CLeafClusterPlant();
};
