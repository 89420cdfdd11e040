#include "scenery/rosette_plant.h"

#include "scenery/plant_kinds.h"
#include "scenery/rosette_plant_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

BYTE g_bRosetteSwingUp = 1;

namespace {

constexpr int kRows = 10;
constexpr int kOscillatorRows = 13;
constexpr float kLeafRoot[3] = {0.474594f, -0.0955728f, 0.123621f};
constexpr SwayShape kSway = {0.02};
constexpr float kSwingFactor = 4.0f;
constexpr float kSwingLimit = 10.0f;

void SetUp(SceneryContext& c)
{
    CRosettePlant& plant = c.scenery.m_RosettePlant;
    // 0.040000003: the smallest single-precision value above 0.04.
    SetVector(plant.m_fSize, 1.6f, 1.6f, 0.040000003f);
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotRosette, c.Width() / 2 - 17, 20, plant.m_fSize[1]);
    plant.Init();
}

const bool kSetUp = RegisterScenerySetUp({.order = 5, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 1,
                                      .texture = {KindTexture::Plant, 4},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotRosette; },
                                      .translate = {17.0f, 5.0f, 14.5f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_RosettePlant.Draw(); }});

}  // namespace

CRosettePlant::CRosettePlant() : CPlantModel(10)
{
    m_swing.m_fSwingRate = RandomRate(0.025);
    m_fSwingRateReset = m_swing.m_fSwingRate;
    RandomRate(0.005);  // a third rate that nothing reads
    m_swing.m_fSwing = RandomSwing();
    m_sway.m_fPhaseSpeed = RandomPhaseSpeed(15);
    m_fPhaseSpeedReset = m_sway.m_fPhaseSpeed;
    for (float& size : m_fSize)
        size = RandomSize();
}

void CRosettePlant::ComputeSway(float* out, int n) { m_sway.Compute(kSway, m_fSwayPhase, m_fSegmentStep, out, n); }

void CRosettePlant::ComputeBend(float* out, int n, float limit)
{
    m_swing.Compute(out, n, limit, kSwingFactor, g_bRosetteSwingUp);
}

void CRosettePlant::Draw()
{
    m_swing.m_fSwingRate = m_fSwingRateReset;
    m_sway.m_fPhaseSpeed = m_fPhaseSpeedReset;
    glPushMatrix();
    glScalef(m_fSize[0] * 0.8, m_fSize[1] * 0.8, m_fSize[2] * 0.8);
    float sway[kOscillatorRows] = {};
    float bend[kOscillatorRows] = {};
    ComputeSway(sway, kOscillatorRows);
    ComputeBend(bend, kOscillatorRows, kSwingLimit);
    for (int angle = 90; angle <= 405; angle += 45) {
        glPushMatrix();
        TranslatePosition();
        glRotatef(m_fRotation[0] + 60.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(m_fRotation[1], 0.0f, 1.0f, 0.0f);
        glRotatef(m_fRotation[2] - 160.0f + static_cast<float>(angle), 0.0f, 0.0f, 1.0f);
        SetScale(10.0f, 2.0f, 10.0f);
        TranslateRoot(kLeafRoot);
        DrawLeaf(bend, sway);
        glPopMatrix();
    }
    glPopMatrix();
}

void CRosettePlant::DrawLeaf(const float* bend, const float* sway)
{
    // The right edge takes the sway of the next row; x sways at half the y sway.
    const LeafMotion motion{.bend = bend,
                            .bendAxis = {1.0f, 1.0f, 1.0f},
                            .sway = sway,
                            .swayScale = {m_fScale[0] * 0.5f, m_fScale[1], 0.0f},
                            .secondPointSwayRow = 1};
    EmitEdges(g_RosetteLeafLeft, g_RosetteLeafRight, kRows, 1, &motion);
}
