// Rosette plant: eight flat leaves at 45-degree steps, tilted up, bending and swaying.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CRosettePlant : public CSceneryStandIn {
public:
    CRosettePlant();
};
