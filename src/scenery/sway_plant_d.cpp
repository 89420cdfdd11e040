#include "scenery/sway_plant_d.h"

#include "scenery/color_layers.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr SwayShape kSway = {.amplitude = 0.02, .stillRows = 0};
constexpr int kShortEntries = 7, kLongEntries = 17;

void SetUp(SceneryContext& c)
{
    CSwayPlantD& d = c.scenery.m_SwayPlantD;
    SetVector(d.m_fSize, 4.0f, 4.0f, 4.0f);
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotSwayD, c.Width() / 2 - 17, 20, d.m_fSize[1]);
    d.Init();
}

const bool kSetUp = RegisterScenerySetUp({.order = 9, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 4,
                                      .texture = {KindTexture::Plant, 4},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotSwayD; },
                                      .translate = {41.42f, -2.0f, -11.3f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_SwayPlantD.Draw(1); }});

}  // namespace

CSharedSwayAngle CSwayPlantD::s_swayAngle;

// Its one phase speed is a fifth of the usual: m_fPhaseSpeedSlow.
CSwayPlantD::CSwayPlantD() : CMeshScalePlant(10) {}

void CSwayPlantD::ComputeSway(float* out, int n)
{
    StepSwayPhase(m_nSwayCounter, kSway.cadence, m_fSwayPhase, m_fPhaseSpeedSlow);
    FillSwayWave(kSway, m_fSwayPhase, m_fSegmentStep, out, n);
}

void CSwayPlantD::ComputeBend(float* out, int n, float angle)
{
    for (int j = 0; j < n; ++j)
        out[j] = static_cast<float>(n - j) * angle / static_cast<float>(n);
    if (n == kShortEntries)
        out[5] = out[6] = 0.0f;
}

void CSwayPlantD::Draw(int placement)
{
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    s_swayAngle.Step(0.08, -5.0, 5.0);
    const float angle = s_swayAngle.m_fAngle;
    float stemBend[kShortEntries] = {}, stemSway[kShortEntries] = {};
    float leafBend[kLongEntries] = {}, leafSway[kShortEntries] = {};
    ComputeBend(stemBend, kShortEntries, angle);
    ComputeSway(stemSway, kShortEntries);
    ComputeBend(leafBend, kLongEntries, angle);
    ComputeSway(leafSway, kShortEntries);
    if (placement < 0 || placement > 2)
        return;
    // 0 the tip, 1 the leaves, 2 the stem: each at its own place and size.
    struct Placement {
        float translate[3];
        float scale;
        void (CSwayPlantD::*draw)(const float*, const float*);
    };
    static const Placement kPlacements[3] = {
        {{62.356f, 11.8f, 10.2f}, 1.0f, &CSwayPlantD::DrawTip},
        {{0.0f, 0.0f, 0.0f}, 15.0f, &CSwayPlantD::DrawLeaves},
        {{62.356f, 11.8f, -1.2f}, 10.0f, &CSwayPlantD::DrawStem},
    };
    const Placement& p = kPlacements[placement];
    const bool leaves = placement == 1;
    glPushMatrix();
    glTranslatef(p.translate[0], p.translate[1], p.translate[2]);
    glScalef(p.scale, p.scale, p.scale);
    (this->*p.draw)(leaves ? leafBend : stemBend, leaves ? leafSway : stemSway);
    glPopMatrix();
}

void CSwayPlantD::DrawLeaves(const float* bend, const float* sway)
{
    for (int i = 0; i < 4; ++i)
        DrawLayer(3);
    DrawSegments(16, bend, sway);
}

void CSwayPlantD::DrawStem(const float* bend, const float* sway) { DrawSegments(2, bend, sway); }

void CSwayPlantD::DrawTip(const float* bend, const float* sway) { DrawSegments(10, bend, sway); }

void CSwayPlantD::DrawSegments(int count, const float* bend, const float* sway)
{
    for (int i = 0; i < count; ++i)
        DrawSegment(bend, sway);
}

void CSwayPlantD::DrawSegment(const float*, const float*) {}
