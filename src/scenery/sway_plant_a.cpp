#include "scenery/sway_plant_a.h"

#include "platform/crt.h"

#include <GL/glew.h>

namespace {

constexpr int kTableRows = 13;
constexpr int kDrawnRows = 12;  // the tip row closes the leaf and is not sent
constexpr float kLeafRoot[3] = {-0.492957f, 0.403705f, -0.379808f};
constexpr SwayShape kSway = {0.01};
constexpr float kSwingFactor = 1.0f;

struct Ring {
    float limit;  // of the swing ramp
    float size[3];
};
// Short and wide, medium, long and narrow.
constexpr Ring kRings[3] = {{10.0f, {10.0f, 10.0f, 10.0f}}, {20.0f, {1.0f, 8.0f, 20.0f}}, {45.0f, {1.0f, 5.0f, 30.0f}}};
constexpr float kSingleRingSize[3] = {5.0f, 5.0f, 5.0f};

}  // namespace

CSwayPlantA::CSwayPlantA() : CPlantModel(4)
{
    m_swing.m_fSwingRate = static_cast<float>((crt::rand() % 5 + 1) * 0.01);
    m_fSwingRateReset = m_swing.m_fSwingRate;
    crt::rand();  // a second rate that nothing reads
    m_swing.m_fSwing = static_cast<float>(crt::rand() % 10);
    m_sway.m_fPhaseSpeed = kPlantPi / static_cast<float>(crt::rand() % 5 + 15);
}

void CSwayPlantA::ComputeSway(float* out, int n) { m_sway.Compute(kSway, m_fSwayPhase, m_fSegmentStep, out, n); }

void CSwayPlantA::ComputeSwing(float* out, int n, float limit)
{
    m_swing.Compute(out, n, limit, kSwingFactor, m_bSwingUp);
}

void CSwayPlantA::DrawSingle(int mode)
{
    m_swing.m_fSwingRate = m_fSwingRateReset;
    glPushMatrix();
    glScalef(m_fSize[0] * 0.8, m_fSize[1] * 0.8, m_fSize[2] * 0.8);
    float sway[kTableRows] = {};
    float bend[kTableRows] = {};
    ComputeSway(sway, kTableRows);
    if (mode == 0) {
        // Each draw calls the ramp three times, so it steps once, against the limit of the ring that steps it.
        for (const Ring& ring : kRings) {
            ComputeSwing(bend, kTableRows, ring.limit);
            for (int angle = 0; angle < 360; angle += 45)
                DrawLeaf(static_cast<float>(angle), ring.size, bend, sway);
        }
    } else if (mode == 2) {
        for (int angle = 0; angle <= 350; angle += 35)
            DrawLeaf(static_cast<float>(angle), kSingleRingSize, bend, sway);
    }
    glPopMatrix();
}

void CSwayPlantA::Draw()
{
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    for (const Ring& ring : kRings)
        for (int angle = 0; angle < 360; angle += 45)
            DrawLeaf(static_cast<float>(angle), ring.size, nullptr, nullptr);
    glPopMatrix();
}

void CSwayPlantA::DrawLeaf(float angle, const float size[3], const float* bend, const float* sway)
{
    SetScale(size[0], size[1], size[2]);
    glPushMatrix();
    glRotatef(m_fRotation[0] - 90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glRotatef(m_fRotation[2] - 160.0f, 0.0f, 0.0f, 1.0f);
    TranslateRoot(kLeafRoot);
    if (sway)
        DrawMeshSingle(bend, sway);
    else
        DrawMesh();
    glPopMatrix();
}

void CSwayPlantA::DrawMeshSingle(const float* bend, const float* sway)
{
    // Each row turns about the leaf's y axis; both sway offsets follow the y scale.
    const LeafMotion motion{.bend = bend,
                            .bendAxis = {0.0f, 1.0f, 0.0f},
                            .sway = sway,
                            .swayScale = {0.0f, m_fScale[1], m_fScale[1]},
                            .secondPointSwayRow = 1};
    EmitGrid(g_SwayLeafA, kDrawnRows, &motion);
}

void CSwayPlantA::DrawMesh() { EmitGrid(g_SwayLeafA, kDrawnRows, nullptr); }
