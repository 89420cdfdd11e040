#include "scenery/static_mesh.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext&)
{
    // Init with the six tank bounds: its three lists.
}

const bool kSetUp = RegisterScenerySetUp({.order = 16, .phase = SetUpPhase::AfterLists, .run = SetUp});

}  // namespace

CStaticMesh::CStaticMesh() : CSceneryStandIn(0) {}
