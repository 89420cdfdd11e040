#include "scenery/blade_cluster.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotBlade, c.Width() / 2 + 10, 15, 1.8000001f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 6, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 2,
                                      .texture = {KindTexture::Plant, 5},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotBlade; },
                                      .translate = {20.0f, -3.0f, 17.0f},
                                      .turns = {{180.0f, 1.0f, 0.0f, 0.0f}}});

}  // namespace

CBladeCluster::CBladeCluster() : CSceneryStandIn(6) {}
