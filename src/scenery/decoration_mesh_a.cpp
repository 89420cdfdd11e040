#include "scenery/decoration_mesh_a.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // The placement record: three sizes and three signed rotations (two draws
    // each), then two draws not used.
    DiscardRandom(3 + 3 * 2 + 2);
    SetVector(c.scenery.m_fSpotDecorA, 37.0f, 8.0f, -25.0f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 10, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 12,
                                      .texture = {KindTexture::Fish, 9},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotDecorA; },
                                      .translate = {-10.8f, -2.0f, -3.0f}});

}  // namespace

CDecorationMeshA::CDecorationMeshA() : CSceneryStandIn(0) {}
