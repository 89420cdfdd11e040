#include "scenery/sway_plant_c.h"

#include "platform/crt.h"

#include <GL/glew.h>

namespace {

constexpr int kEdgeRows = 12;
constexpr int kEdgeRowsPerVeinPoint = 3;
constexpr float kLeafRoot[3] = {0.0905328f, 0.184795f, -0.232735f};

}  // namespace

CSwayPlantC::CSwayPlantC() : CPlantModel(2)
{
    m_swing.m_fSwingRate = static_cast<float>((crt::rand() % 5 + 1) * 0.05);
    m_swing.m_fSwing = static_cast<float>(crt::rand() % 10);
    m_sway.m_fPhaseSpeed = kPlantPi / static_cast<float>(crt::rand() % 5 + 5);
    for (float& size : m_fSize)
        size = RandomSize();
}

void CSwayPlantC::Draw()
{
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    for (int k = 1; k <= 4; ++k) {
        const float angle = 90.0f * static_cast<float>(k - 1);
        glPushMatrix();
        TranslatePosition();
        glRotatef(m_fRotation[0] - 90.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(m_fRotation[1] - angle, 0.0f, 1.0f, 0.0f);
        glRotatef(m_fRotation[2], 0.0f, 0.0f, 1.0f);
        TranslateRoot(kLeafRoot);
        SetScale(10.0f, 10.0f, 5.0f * static_cast<float>(k));
        DrawMesh();
        glPopMatrix();
    }
    glPopMatrix();
}

void CSwayPlantC::DrawMesh()
{
    for (int half = 0; half < 2; ++half)
        EmitStrip(g_SwayLeafCEdge[half], g_SwayLeafCVein[half], kEdgeRows, kEdgeRowsPerVeinPoint, nullptr);
}
