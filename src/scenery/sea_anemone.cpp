#include "scenery/sea_anemone.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // The placement record: three sizes and three rotations, then two draws not used.
    DiscardRandom(6 + 2);
    SetVector(c.scenery.m_fSpotAnemone, -60.0f, 2.0f, -20.0f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 14, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 13,
                                      .texture = {KindTexture::Plant, 13},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotAnemone; },
                                      .translate = {60.2f, 3.0f, 28.0f}});

}  // namespace

CSeaAnemone::CSeaAnemone() : CSceneryStandIn(360) {}
