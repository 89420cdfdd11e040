#include "scenery/sway_plant_c.h"

#include "scenery/plant_kinds.h"
#include "scenery/sway_plant_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr int kEdgeRows = 12;
constexpr int kEdgeRowsPerVeinPoint = 3;
constexpr float kLeafRoot[3] = {0.0905328f, 0.184795f, -0.232735f};

// The set-up's spots, and its sizes used halved.
const float kSpots[10][3] = {
    {-30, 5.39818f, -34}, {-19, 0.168314f, -12}, {16, 0.132147f, -7},    {11, -0.719263f, -11}, {-20, -1.160823f, -22},
    {21, 0.037879f, -26}, {11, -0.270141f, -21}, {-31, -0.656353f, -20}, {-16, 0.660746f, -27}, {-13, 0.297815f, -25}};
const float kSizes[10][3] = {{3, 7, 0.05f},         {0.72f, 0.76f, 0.05f}, {1.04f, 1.32f, 0.05f}, {0.96f, 0.6f, 0.05f},
                             {1.04f, 0.68f, 0.05f}, {0.8f, 1.32f, 0.05f},  {1.04f, 0.6f, 0.05f},  {0.96f, 1, 0.05f},
                             {0.4f, 1.32f, 0.05f},  {0.56f, 0.92f, 0.05f}};
constexpr int kListSlot = 3;  // plant kind 15

void SetUp(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    // Their random sizes and floor spots (two draws for the first, four for
    // each of the others) give way to the tables.
    DiscardRandom(2 + 4 * 9);
    for (int i = 0; i < 10; ++i) {
        SetVector(s.m_fSpotsC[i], kSpots[i][0], kSpots[i][1], kSpots[i][2]);
        SetVector(s.m_SwayPlantsC[i].m_fSize, kSizes[i][0] * 0.5f, kSizes[i][1] * 0.5f, kSizes[i][2] * 0.5f);
        s.m_SwayPlantsC[i].Init();
    }
}

// Plants 1 to 9, each raised 1 above its spot.
void CompileList(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    for (int i = 1; i < 10; ++i) {
        glPushMatrix();
        glTranslatef(s.m_fSpotsC[i][0] + 10.0f, c.Bottom() + 1.0f + s.m_fSpotsC[i][1], c.Back() + s.m_fSpotsC[i][2]);
        s.m_SwayPlantsC[i].Draw();
        glPopMatrix();
    }
}

const bool kSetUp = RegisterScenerySetUp({.order = 3, .phase = SetUpPhase::Place, .run = SetUp});
const bool kList = RegisterSceneryList({.slot = kListSlot, .compile = CompileList});
const bool kKind15 =
    RegisterPlantKind({.kind = 15, .pass = PlantPass::Scene, .texture = {KindTexture::Plant, 3}, .list = kListSlot});

}  // namespace

CSwayPlantC::CSwayPlantC() : CPlantModel(2)
{
    m_swing.m_fSwingRate = RandomRate(0.05);
    m_swing.m_fSwing = RandomSwing();
    m_sway.m_fPhaseSpeed = RandomPhaseSpeed(5);
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
        EmitEdges(g_SwayLeafCEdge[half], g_SwayLeafCVein[half], kEdgeRows, kEdgeRowsPerVeinPoint, nullptr);
}
