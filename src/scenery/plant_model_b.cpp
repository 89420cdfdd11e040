#include "scenery/plant_model_b.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c) { CTankScenery::PlaceOnFloor(c.scenery.m_fSpotModelB, c.Width() / 2 - 17, 20, 4.0f); }

const bool kSetUp = RegisterScenerySetUp({.order = 7, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 5,
                                      .texture = {KindTexture::Plant, 8},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotModelB; },
                                      .translate = {47.0f, 6.0f, 0.0f}});

}  // namespace

CPlantModelB::CPlantModelB() : CSceneryStandIn(9) {}
