#include "scenery/color_ramp_decoration.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

// Fixed sizes and three random turns; its spot is read by no pass.
void SetUp(SceneryContext& c)
{
    CColorRampDecoration& d = c.scenery.m_ColorRampDecoration;
    SetVector(d.m_fPlacement, 10.5f, 10.4f, 10.05f);
    DrawPlacementTurns(d.m_fPlacement, 45);
    SetVector(c.scenery.m_fSpotRamp, 8.0f, 3.0f, -32.0f);
    d.Init(d.m_fPlacement);
}

const bool kSetUp = RegisterScenerySetUp({.order = 12, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CColorRampDecoration::CColorRampDecoration() = default;
