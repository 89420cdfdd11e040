// Blade cluster: four blades around a root, each a stem ending in a rippling disc.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CBladeCluster : public CSceneryStandIn {
public:
    CBladeCluster();
};
