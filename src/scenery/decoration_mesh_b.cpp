#include "scenery/decoration_mesh_b.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // The placement record: three sizes and three rotations of rand() % 1,
    // then two draws not used.
    DiscardRandom(3 + 3 + 2);
    SetVector(c.scenery.m_fSpotDecorB, -55.0f, 5.0f, -40.0f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 11, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 9,
                                      .texture = {KindTexture::Plant, 9},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotDecorB; },
                                      .translate = {5.0f, -2.0f, 0.0f}});

}  // namespace

CDecorationMeshB::CDecorationMeshB() : CSceneryStandIn(0) {}
