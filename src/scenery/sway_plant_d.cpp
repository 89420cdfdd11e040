#include "scenery/sway_plant_d.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c) { CTankScenery::PlaceOnFloor(c.scenery.m_fSpotSwayD, c.Width() / 2 - 17, 20, 4.0f); }

const bool kSetUp = RegisterScenerySetUp({.order = 9, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 4,
                                      .texture = {KindTexture::Plant, 4},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotSwayD; },
                                      .translate = {41.42f, -2.0f, -11.3f}});

}  // namespace

CSwayPlantD::CSwayPlantD() : CSceneryStandIn(9) {}
