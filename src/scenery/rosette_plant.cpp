#include "scenery/rosette_plant.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c) { CTankScenery::PlaceOnFloor(c.scenery.m_fSpotRosette, c.Width() / 2 - 17, 20, 1.6f); }

const bool kSetUp = RegisterScenerySetUp({.order = 5, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 1,
                                      .texture = {KindTexture::Plant, 4},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotRosette; },
                                      .translate = {17.0f, 5.0f, 14.5f}});

}  // namespace

CRosettePlant::CRosettePlant() : CSceneryStandIn(9) {}
