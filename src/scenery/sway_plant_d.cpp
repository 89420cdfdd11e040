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
    switch (placement) {
    case 1:
        glPushMatrix();
        glScalef(15.0f, 15.0f, 15.0f);
        DrawLeaves(leafBend, leafSway);
        glPopMatrix();
        break;
    case 2:
        glPushMatrix();
        glTranslatef(62.356f, 11.8f, -1.2f);
        glScalef(10.0f, 10.0f, 10.0f);
        DrawStem(stemBend, stemSway);
        glPopMatrix();
        break;
    case 0:
        glPushMatrix();
        glTranslatef(62.356f, 11.8f, 10.2f);
        DrawTip(stemBend, stemSway);
        glPopMatrix();
        break;
    default:
        break;
    }
}

void CSwayPlantD::DrawLeaves(const float* bend, const float* sway)
{
    for (int i = 0; i < 4; ++i)
        DrawLayer(3);
    for (int i = 0; i < 16; ++i)
        DrawSegment(bend, sway);
}

void CSwayPlantD::DrawStem(const float* bend, const float* sway)
{
    for (int i = 0; i < 2; ++i)
        DrawSegment(bend, sway);
}

void CSwayPlantD::DrawTip(const float* bend, const float* sway)
{
    for (int i = 0; i < 10; ++i)
        DrawSegment(bend, sway);
}

void CSwayPlantD::DrawSegment(const float*, const float*) {}
