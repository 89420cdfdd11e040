#include "scenery/plant_model_b.h"

#include "scenery/plant_kinds.h"
#include "scenery/plant_model_b_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr int kBendEntries = 12;
// Where the long leaf's copy stands, in mesh units (times the mesh scale).
constexpr float kLeafCopyOffset[3] = {0.1131f, 0.0528293f, -0.0006896f};

// A leaf whose ring k turns about y by gain x bend[last - k].
LeafMotion LeafBend(const float* bend, int last, float gain)
{
    return LeafMotion{.bend = bend,
                      .bendAxis = {0.0f, 1.0f, 0.0f},
                      .bendBy = MotionBy::Line,
                      .bendBase = last,
                      .bendStep = -1,
                      .bendGain = gain};
}

void SetUp(SceneryContext& c)
{
    CPlantModelB& b = c.scenery.m_PlantModelB;
    SetVector(b.m_fSize, 4.0f, 4.0f, 4.0f);
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotModelB, c.Width() / 2 - 17, 20, b.m_fSize[1]);
    b.Init();
}

const bool kSetUp = RegisterScenerySetUp({.order = 7, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 5,
                                      .texture = {KindTexture::Plant, 8},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotModelB; },
                                      .translate = {47.0f, 6.0f, 0.0f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_PlantModelB.Draw(1); }});

}  // namespace

CSharedSwayAngle CPlantModelB::s_swayAngle;

CPlantModelB::CPlantModelB() : CMeshScalePlant(10) {}

void CPlantModelB::ComputeBend(float* out, int n, float angle)
{
    if (n <= 0)
        return;
    const double step = static_cast<double>(angle) / n;
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<float>(i * step);
}

void CPlantModelB::Draw(int variant)
{
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    float bend[kBendEntries] = {};
    // The turning points are tested on the sum before it is stored.
    s_swayAngle.Step(0.04, -5.0, 5.0, true);
    ComputeBend(bend, kBendEntries, s_swayAngle.m_fAngle);
    if (variant != 0 && variant != 1)
        return;
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    if (variant == 1)
        DrawVariant1(bend);
    else
        DrawVariant0(bend);
    glPopMatrix();
}

void CPlantModelB::TurnToLeafCopy() const
{
    const float m = static_cast<float>(m_nMeshScale);
    glTranslatef(m * kLeafCopyOffset[0], m * kLeafCopyOffset[1], m * kLeafCopyOffset[2]);
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
}

void CPlantModelB::DrawVariant1(const float* bend)
{
    glPushMatrix();
    DrawVariant0(bend);
    glPopMatrix();

    glPushMatrix();
    TurnToLeafCopy();
    DrawPart2(bend);
    glPopMatrix();

    // The half-size companion: a stalk with two long leaves.
    glPushMatrix();
    glScalef(0.5f, 0.5f, 0.5f);
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    glTranslatef(1.7f, -2.0f, -3.0f);
    DrawPart1();
    DrawPart2(bend);
    glPushMatrix();
    TurnToLeafCopy();
    DrawPart2(bend);
    glPopMatrix();
    glPopMatrix();
}

void CPlantModelB::DrawVariant0(const float* bend)
{
    DrawPart1();
    DrawPart2(bend);
    DrawPart3(bend);
}

void CPlantModelB::DrawPart1()
{
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    EmitRings(g_PlantModelBStalk, LeafMotion{});
}

void CPlantModelB::DrawPart2(const float* bend)
{
    // Ring k turns by 2 x bend[10 - k] about y: the tip (ring 0) most.
    EmitRings(g_PlantModelBLongLeaf, LeafBend(bend, 10, 2.0f));
}

void CPlantModelB::DrawPart3(const float* bend)
{
    // Ring k turns by -2 x bend[7 - k]: against the long leaf.
    EmitRings(g_PlantModelBShortLeaf, LeafBend(bend, 7, -2.0f));
}
