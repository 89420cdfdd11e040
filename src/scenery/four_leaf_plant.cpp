#include "scenery/four_leaf_plant.h"

#include "platform/crt.h"
#include "scenery/four_leaf_plant_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr int kRows = 14;
constexpr float kLeafRoot[3] = {-0.283128f, 0.263121f, 0.193716f};

const float kSpots[10][3] = {{31, -0.321697f, -15}, {57, -0.774115f, -34}, {46, -0.848809f, -25}, {70, 0.413423f, -31},
                             {59, -1.09181f, -19},  {34, -1.864473f, -33}, {60, 0.11992f, -22},   {53, -0.596705f, -29},
                             {54, 0.048696f, -18},  {58, -0.912364f, -17}};
// Plants 1 to 9 are flattened to nothing in depth; the first is not.
const float kSizes[10][3] = {{1.0f, 1.0f, 0.05f}, {0.6f, 0.22f, 0.0f}, {0.6f, 0.34f, 0.0f}, {0.6f, 0.2f, 0.0f},
                             {0.6f, 0.26f, 0.0f}, {0.6f, 0.24f, 0.0f}, {0.6f, 0.26f, 0.0f}, {0.6f, 0.28f, 0.0f},
                             {0.6f, 0.36f, 0.0f}, {0.6f, 0.26f, 0.0f}};
constexpr int kListSlot = 1;

void SetUp(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    // Their random spots and sizes give way to the tables: two draws for the
    // first plant, three for each of the others.
    DiscardRandom(2 + 3 * 9);
    for (int i = 0; i < 10; ++i) {
        SetVector(s.m_fSpotsFourLeaf[i], kSpots[i][0], kSpots[i][1], kSpots[i][2]);
        SetVector(s.m_FourLeafPlants[i].m_fSize, kSizes[i][0], kSizes[i][1], kSizes[i][2]);
        s.m_FourLeafPlants[i].Init();
    }
}

// Plants 1 to 9, each 10 to the right of its spot; nothing calls the list.
void CompileList(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    for (int i = 1; i < 10; ++i) {
        const float* spot = s.m_fSpotsFourLeaf[i];
        glPushMatrix();
        glTranslatef(spot[0] + 10.0f, c.Bottom() + spot[1], c.Back() + spot[2]);
        s.m_FourLeafPlants[i].Draw();
        glPopMatrix();
    }
}

const bool kSetUp = RegisterScenerySetUp({.order = 1, .phase = SetUpPhase::Place, .run = SetUp});
const bool kList = RegisterSceneryList({.slot = kListSlot, .compile = CompileList});

}  // namespace

CFourLeafPlant::CFourLeafPlant() : CPlantModel(4)
{
    SetScale(5.0f, 15.0f, 25.0f);
    m_swing.m_fSwingRate = static_cast<float>((crt::rand() % 5 + 1) * 0.1 * 0.2);
    m_swing.m_fSwing = RandomSwing();
    m_sway.m_fPhaseSpeed = RandomPhaseSpeed(5) * 0.2f;
    for (float& size : m_fSize)
        size = RandomSize();
}

void CFourLeafPlant::Draw()
{
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    for (int angle = 0; angle < 360; angle += 90) {
        glPushMatrix();
        TranslatePosition();
        glRotatef(m_fRotation[0] + 90.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(m_fRotation[1], 0.0f, 1.0f, 0.0f);
        glRotatef(static_cast<float>(angle), 0.0f, 0.0f, 1.0f);
        TranslateRoot(kLeafRoot);
        DrawLeaf();
        glPopMatrix();
    }
    glPopMatrix();
}

void CFourLeafPlant::DrawLeaf() { EmitEdges(g_FourLeafLeft, g_FourLeafRight, kRows, 1, nullptr); }
