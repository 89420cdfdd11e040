#include "scenery/sway_plant_b.h"

#include "platform/crt.h"
#include "scenery/plant_kinds.h"
#include "scenery/sway_plant_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr int kRows = 14;
constexpr float kBladeRoot[3] = {0.0980393f, 0.0957351f, 0.497306f};
constexpr SwayShape kSway = {.amplitude = 0.00075, .gainBase = 0, .gainStep = 1, .stillRows = 3};

// The set-up's sizes, used divided by 6.
const float kSizes[10][3] = {{4.6f, 3, 0.05f},     {5.08f, 3, 0.05f},    {4.66f, 3.4f, 0.05f}, {4.96f, 3.3f, 0.05f},
                             {4.72f, 3.1f, 0.05f}, {5.08f, 3.2f, 0.05f}, {4.84f, 3, 0.05f},    {4.78f, 3.1f, 0.05f},
                             {5.08f, 3.3f, 0.05f}, {5.14f, 3.1f, 0.05f}};
// Where the twelve copies of the first plant stand (absolute points).
const float kCopies[12][3] = {
    {20.6f, -18.2f, -67.5003f},     {21.4f, -18.8f, -67.1003f},        {18.899f, -17.099f, -68.6f},
    {19.699f, -17.699f, -67.8f},    {22.2f, -19.3f, -66.4f},           {23.8f, -20.3f, -65.5f},
    {-32.9001f, -18.5f, -67.5f},    {-34.1001f, -19.3999f, -65.7999f}, {-32.3f, -17.6999f, -68.4f},
    {-31.7999f, -16.8998f, -69.7f}, {-31.1998f, -16.1997f, -70.0f},    {-30.4997f, -15.5996f, -71.7f}};

// No draws: the spots of the A plants but two, and fixed sizes.
void SetUp(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    for (int i = 0; i < 10; ++i) {
        SetVector(s.m_fSpotsB[i], s.m_fSpotsA[i][0], s.m_fSpotsA[i][1], s.m_fSpotsA[i][2]);
        SetVector(s.m_SwayPlantsB[i].m_fSize, kSizes[i][0] / 6.0f, kSizes[i][1] / 6.0f, kSizes[i][2] / 6.0f);
        s.m_SwayPlantsB[i].Init();
    }
    s.m_fSpotsB[0][2] = -22.0f;
    s.m_fSpotsB[6][0] = -37.0f;
}

// Plants 1 to 9, which no pass calls.
void CompileList(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    for (int i = 1; i < 10; ++i) {
        glPushMatrix();
        glTranslatef(s.m_fSpotsB[i][0] + 10.0f, c.Bottom() - 1.0f + s.m_fSpotsB[i][1], c.Back() + s.m_fSpotsB[i][2]);
        s.m_SwayPlantsB[i].Draw();
        glPopMatrix();
    }
}

// Twelve copies of the first plant with their own texture, which no pass calls.
void CompileCopies(SceneryContext& c)
{
    glBindTexture(GL_TEXTURE_2D, c.texPlant[2]);
    for (const float* p : kCopies) {
        glPushMatrix();
        glTranslatef(p[0], p[1], p[2]);
        c.scenery.m_SwayPlantsB[0].DrawCopy();
        glPopMatrix();
    }
}

const bool kSetUp = RegisterScenerySetUp({.order = 2, .phase = SetUpPhase::Place, .run = SetUp});
const bool kList = RegisterSceneryList({.slot = 2, .compile = CompileList});
const bool kCopyList = RegisterSceneryList({.slot = 9, .compile = CompileCopies});

}  // namespace

CSwayPlantB::CSwayPlantB() : CPlantModel(4)
{
    m_swing.m_fSwingRate = RandomRate(0.1);
    m_swing.m_fSwing = RandomSwing();
    m_sway.m_fPhaseSpeed = kPlantPi / static_cast<float>(crt::rand() % 4 + 5) * 0.5f;
    for (float& size : m_fSize)
        size = RandomSize();
}

void CSwayPlantB::ComputeSway(float* out, int n) { m_sway.Compute(kSway, m_fSwayPhase, m_fSegmentStep, out, n); }

void CSwayPlantB::Draw()
{
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    float sway[kRows] = {};
    ComputeSway(sway, kRows);
    for (int angle = -150; angle >= -450; angle -= 60)
        DrawBlade(static_cast<float>(angle), 10.0f, 10.0f, 20.0f, sway);
    glPopMatrix();
}

void CSwayPlantB::DrawCopy()
{
    float sway[kRows] = {};
    ComputeSway(sway, kRows);
    glPushMatrix();
    glRotatef(45.0f, 1.0f, 0.0f, 0.0f);
    for (int angle = -150; angle >= -470; angle -= 40)
        DrawBlade(static_cast<float>(angle), 2.0f, 2.0f, 0.6f, sway);
    glPopMatrix();
}

void CSwayPlantB::DrawBlade(float angle, float sx, float sy, float sz, const float* sway)
{
    SetScale(sx, sy, sz);
    glPushMatrix();
    TranslatePosition();
    glRotatef(m_fRotation[0] + 90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glRotatef(m_fRotation[2], 0.0f, 0.0f, 1.0f);
    TranslateRoot(kBladeRoot);
    DrawMesh(sway);
    glPopMatrix();
}

void CSwayPlantB::DrawMesh(const float* sway)
{
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    const LeafMotion motion{.sway = sway, .swayScale = {m_fScale[0], m_fScale[1], 0.0f}};
    EmitGrid(g_SwayBladeB, kRows, &motion);
}
