#include "scenery/sway_plant_b.h"

#include "platform/crt.h"

#include <GL/glew.h>

namespace {

constexpr int kRows = 14;
constexpr float kBladeRoot[3] = {0.0980393f, 0.0957351f, 0.497306f};
constexpr SwayShape kSway = {.amplitude = 0.00075, .growsAlongLeaf = true, .stillRows = 3};

}  // namespace

CSwayPlantB::CSwayPlantB() : CPlantModel(4)
{
    m_swing.m_fSwingRate = static_cast<float>((crt::rand() % 5 + 1) * 0.1);
    m_swing.m_fSwing = static_cast<float>(crt::rand() % 10);
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
