#include "scenery/strand_plant.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // The placement record's three rotations of rand() % 1 and two draws not
    // used, then Init's nine draws for each of its 100 strands.
    DiscardRandom(3 + 2 + 9 * 100);
    SetVector(c.scenery.m_fSpotStrand, -25.0f, 9.0f, -50.0f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 15, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 11,
                                      .texture = {KindTexture::Plant, 0},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotStrand; },
                                      .translate = {20.0f, -2.0f, -5.0f}});

}  // namespace

CStrandPlant::CStrandPlant() : CSceneryStandIn(0) {}
