#include "scenery/plant_model_a.h"

#include "platform/crt.h"
#include "scenery/plant_kinds.h"
#include "scenery/plant_model_a_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr float kSegmentStep = 1.5707963f;
constexpr SwayShape kSway = {.amplitude = 0.005, .stillRows = 0};  // even column 0 lifts
constexpr int kSideEntries = 7, kFullEntries = 29;
constexpr int kMidrib = 2;  // the leaf column that never lifts

void SetUp(SceneryContext& c)
{
    CPlantModelA& a = c.scenery.m_PlantModelA;
    SetVector(a.m_fSize, 4.0f, 4.0f, 4.0f);
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotModelA, c.Width() / 2 - 17, 20, a.m_fSize[1]);
    a.Init();
}

const float* Spot(const CTankScenery& s) { return s.m_fSpotModelA; }

const bool kSetUp = RegisterScenerySetUp({.order = 8, .phase = SetUpPhase::Place, .run = SetUp});
// Kinds 3 and 6: the one object, as the cluster and as the stretched plant.
const bool kKind3 = RegisterPlantKind({.kind = 3,
                                       .texture = {KindTexture::Plant, 16},
                                       .spot = Spot,
                                       .translate = {27.0f, 4.0f, -11.0f},
                                       .draw = [](SceneryContext& c) { c.scenery.m_PlantModelA.Draw(1); }});
const bool kKind6 = RegisterPlantKind({.kind = 6,
                                       .texture = {KindTexture::Plant, 16},
                                       .spot = Spot,
                                       .translate = {27.0f, 4.0f, -11.0f},
                                       .draw = [](SceneryContext& c) { c.scenery.m_PlantModelA.Draw(0); }});

}  // namespace

CSharedSwayAngle CPlantModelA::s_swayAngle;

CPlantModelA::CPlantModelA() : CMeshScalePlant(FixedStep{kSegmentStep}) {}

void CPlantModelA::ComputeSway(float* out, int n)
{
    StepSwayPhase(m_nSwayCounter, kSway.cadence, m_fSwayPhase, m_fPhaseSpeed);
    FillSwayWave(kSway, m_fSwayPhase, m_fSegmentStep, out, n);
}

void CPlantModelA::ComputeBend(float* out, int n, float angle)
{
    if (n == kSideEntries) {
        // The first three rings of a side leaf stay straight.
        for (int i = 3; i < n; ++i)
            out[i] = static_cast<float>(i) * (angle * 0.14285715f);
    } else if (n == kFullEntries) {
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<float>(i) * (angle * 0.03448276f) * 5.0f;
    }
}

void CPlantModelA::Draw(int variant)
{
    // Only the draws matter: the flag changes nothing on screen.
    if (crt::rand() % 10 == 0)
        m_nRandomFlag = crt::rand() % 2;
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    float sideBend[kSideEntries] = {}, sideSway[kSideEntries] = {};
    float fullBend[kFullEntries] = {}, fullSway[kFullEntries] = {};
    s_swayAngle.Step(0.01, -5.0, 5.0);
    const float angle = s_swayAngle.m_fAngle;
    ComputeBend(sideBend, kSideEntries, angle);
    ComputeSway(sideSway, kSideEntries);
    ComputeBend(fullBend, kFullEntries, angle);
    ComputeSway(fullSway, kFullEntries);
    if (variant == 1) {
        glPushMatrix();
        glScalef(5.0f, 5.0f, 5.0f);
        glTranslatef(-8.0f, 0.0f, 0.0f);
        DrawPartsB(sideBend, sideSway);
        glTranslatef(1.0f, 0.0f, 0.0f);
        DrawPartsA(fullBend, fullSway);
        glPopMatrix();
    } else if (variant == 0) {
        glPushMatrix();
        glScalef(8.0f, 4.0f, 9.0f);
        glTranslatef(4.12f, -0.4f, 0.2f);
        DrawPartsA(fullBend, fullSway);
        glPopMatrix();
    }
}

void CPlantModelA::DrawPartsA(const float* bend, const float* sway)
{
    DrawPart2();
    DrawPart3();
    DrawPart4();
    DrawPart5();
    DrawPart6();
    DrawPart7();
    DrawPart8();
    DrawPart1(bend, sway);
    DrawPart9(bend, sway);
    DrawPart10(bend, sway);
    DrawPart11(bend, sway);
    DrawPart13(bend, sway);
    DrawPart14(bend, sway);
    DrawPart15(bend, sway);
}

void CPlantModelA::DrawPartsB(const float* bend, const float* sway)
{
    for (float turn : {-90.0f, 90.0f}) {
        glPushMatrix();
        glRotatef(turn, 0.0f, 0.0f, 1.0f);
        DrawPart5();
        DrawPart6();
        DrawPart7();
        DrawPart8();
        DrawPart12(bend, sway);
        DrawPart13(bend, sway);
        DrawPart14(bend, sway);
        DrawPart15(bend, sway);
        glPopMatrix();
    }
}

template <int Rings>
void CPlantModelA::DrawStem(const PlantVertex (&rings)[Rings][6])
{
    // Never bent: the identity for every vertex.
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    EmitRings(rings, LeafMotion{});
}

template <int Rings>
void CPlantModelA::DrawLeaf(const PlantVertex (&rings)[Rings][5], const float* bend, const float* sway)
{
    // Each ring turns by its own angle about y; each column but the midrib
    // lifts by its sway value, after the mesh scale.
    const LeafMotion motion{.bend = bend,
                            .bendAxis = {0.0f, 1.0f, 0.0f},
                            .bendBy = MotionBy::Line,
                            .sway = sway,
                            .swayScale = {0.0f, 0.0f, 1.0f},
                            .stillPoints = 1u << kMidrib};
    EmitRings(rings, motion);
}

void CPlantModelA::DrawPart1(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart1, bend, sway); }
void CPlantModelA::DrawPart2() { DrawStem(g_PlantModelAPart2); }
void CPlantModelA::DrawPart3() { DrawStem(g_PlantModelAPart3); }
void CPlantModelA::DrawPart4() { DrawStem(g_PlantModelAPart4); }
void CPlantModelA::DrawPart5() { DrawStem(g_PlantModelAPart5); }
void CPlantModelA::DrawPart6() { DrawStem(g_PlantModelAPart6); }
void CPlantModelA::DrawPart7() { DrawStem(g_PlantModelAPart7); }
void CPlantModelA::DrawPart8() { DrawStem(g_PlantModelAPart8); }
void CPlantModelA::DrawPart9(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart9, bend, sway); }
void CPlantModelA::DrawPart10(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart10, bend, sway); }
void CPlantModelA::DrawPart11(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart11, bend, sway); }
void CPlantModelA::DrawPart12(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart12, bend, sway); }
void CPlantModelA::DrawPart13(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart13, bend, sway); }
void CPlantModelA::DrawPart14(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart14, bend, sway); }
void CPlantModelA::DrawPart15(const float* bend, const float* sway) { DrawLeaf(g_PlantModelAPart15, bend, sway); }
