#include "scenery/color_ramp_decoration.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // The placement record's three rotations, then two draws not used.
    DiscardRandom(3 + 2);
    SetVector(c.scenery.m_fSpotRamp, 8.0f, 3.0f, -32.0f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 12, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CColorRampDecoration::CColorRampDecoration() : CSceneryStandIn(0) {}
