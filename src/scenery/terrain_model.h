// Terrain model: layered rock terraces low at the back of the tank, one list per background style.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CTerrainModel : public CSceneryStandIn {
public:
    CTerrainModel();
};
