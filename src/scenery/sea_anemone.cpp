#include "scenery/sea_anemone.h"

#include "platform/crt.h"
#include "scenery/plant_kinds.h"
#include "scenery/plant_sway.h"
#include "scenery/sea_anemone_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

AnemoneSway g_AnemoneSway;

namespace {

constexpr int kRings = 3;
constexpr int kRingPoints = 4;
constexpr int kOffsets = 4;
constexpr float kPhaseSpeed = 0.5235987f;
constexpr float kRingStep = 0.7853981f;
constexpr int kCadence = 2;  // the phase moves on every fourth call
constexpr float kBasePoint[3] = {-0.0484923f, -0.0177504f, 0.352539f};
constexpr float kFanTilts[3] = {0.0f, 45.0f, -45.0f};  // degrees about z
constexpr int kAngleStep = 2;                          // between the stalks of a fan

// Fixed-part sizes with a random part, then three random turns; the draws
// come in the record's order.
void SetUp(SceneryContext& c)
{
    CSeaAnemone& a = c.scenery.m_SeaAnemone;
    float* p = a.m_fPlacement;
    p[0] = static_cast<float>(50.5 + crt::rand() % 10);
    p[1] = static_cast<float>(50.4 + crt::rand() % 5);
    p[2] = static_cast<float>(50.05 + crt::rand() % 10);
    DrawPlacementTurns(p, 45);
    SetVector(c.scenery.m_fSpotAnemone, -60.0f, 2.0f, -20.0f);
    a.Init(p);
}

const bool kSetUp = RegisterScenerySetUp({.order = 14, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 13,
                                      .texture = {KindTexture::Plant, 13},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotAnemone; },
                                      .translate = {60.2f, 3.0f, 28.0f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_SeaAnemone.Draw(); }});

}  // namespace

CSeaAnemone::CSeaAnemone()
{
    for (float& length : m_fStalkLength)
        length = static_cast<float>(crt::rand() % 100 * 0.001);
}

void CSeaAnemone::ComputeSway(float* out, int)
{
    // Amplitude (3 - k) x 0.01 x the mesh scale: largest at the tip, 0 for the fourth value.
    const SwayShape shape{
        .amplitude = 0.01 * m_nMeshScale[0], .gainBase = 3, .gainStep = -1, .stillRows = 0, .cadence = kCadence};
    StepSwayPhase(g_AnemoneSway.m_nCounter, shape.cadence, g_AnemoneSway.m_fPhase, kPhaseSpeed);
    FillSwayWave(shape, g_AnemoneSway.m_fPhase, kRingStep, out, kOffsets);
}

void CSeaAnemone::Draw()
{
    float offsets[kOffsets];
    ComputeSway(offsets, kOffsets);
    const float bends[kOffsets] = {};
    float size[3];
    StalkScale(size);
    for (float tilt : kFanTilts) {
        glPushMatrix();
        for (int angle = 0; angle < 360; angle += kAngleStep) {
            glPushMatrix();
            if (tilt != 0.0f)
                glRotatef(tilt, 0.0f, 0.0f, 1.0f);
            glRotatef(static_cast<float>(angle), 0.0f, 1.0f, 0.0f);
            glRotatef(130.0f, 0.0f, 0.0f, 1.0f);
            // Only the even-numbered lengths are used.
            glScalef(0.01f, m_fStalkLength[angle] * 5.0f, 0.01f);
            glTranslatef(-size[0] * kBasePoint[0], -size[1] * kBasePoint[1], -size[2] * kBasePoint[2]);
            DrawStalk(offsets, bends, angle);
            glPopMatrix();
        }
        glPopMatrix();
    }
}

void CSeaAnemone::DrawStalk(const float* offsets, const float* bends, int)
{
    float scale[3];
    StalkScale(scale);
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    const LeafMotion motion{.bend = bends,
                            .bendBy = MotionBy::Line,
                            .sway = offsets,
                            .swayScale = {0.0f, 1.0f, 1.0f},
                            .swayBy = MotionBy::Line};
    EmitLineStrips([](int ring, int point) -> const PlantVertex& { return g_AnemoneStalk[ring][point]; }, 0,
                   kRings - 1, kRingPoints, scale, &motion);
}

void CSeaAnemone::StalkScale(float out[3]) const
{
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<float>(m_nMeshScale[i]) * m_fParam[i];
}
