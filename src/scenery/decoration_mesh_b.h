// Decoration mesh B: four placed copies of one triangle mesh in a display list.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CDecorationMeshB : public CSceneryStandIn {
public:
    CDecorationMeshB();
};
