// Static mesh: three meshes compiled into lists that nothing draws.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CStaticMesh : public CSceneryStandIn {
public:
    CStaticMesh();
};
