#include "scenery/plant_model_a.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c) { CTankScenery::PlaceOnFloor(c.scenery.m_fSpotModelA, c.Width() / 2 - 17, 20, 4.0f); }

const bool kSetUp = RegisterScenerySetUp({.order = 8, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind0 = RegisterPlantKind({.kind = 3,
                                       .texture = {KindTexture::Plant, 16},
                                       .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotModelA; },
                                       .translate = {27.0f, 4.0f, -11.0f}});
const bool kKind1 = RegisterPlantKind({.kind = 6,
                                       .texture = {KindTexture::Plant, 16},
                                       .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotModelA; },
                                       .translate = {27.0f, 4.0f, -11.0f}});

}  // namespace

CPlantModelA::CPlantModelA() : CSceneryStandIn(8) {}
