// The scene at start: where each plant stands, its size, the pick bars, the
// bubbles' warm-up and the display lists of the repeated plants.
#include "view/tank_view.h"

#include "gfx/settings.h"
#include "platform/crt.h"
#include "scenery/floor_grid.h"

namespace {

struct Vec3 {
    float x, y, z;
};

const Vec3 g_SpotsA[10] = {{-40, 1.640289f, -35}, {-42, -1.354863f, -21}, {-56, 0.410822f, -30},
                           {-56, -0.698706f, -17}, {-80, -0.682001f, -22}, {-61, -0.208034f, -19},
                           {-49, -1.287652f, -30}, {-65, 0.028019f, -31}, {-48, -1.116201f, -9},
                           {-65, -0.02173f, -20}};
const Vec3 g_SpotsFourLeaf[10] = {{31, -0.321697f, -15}, {57, -0.774115f, -34}, {46, -0.848809f, -25},
                                  {70, 0.413423f, -31},  {59, -1.09181f, -19},  {34, -1.864473f, -33},
                                  {60, 0.11992f, -22},   {53, -0.596705f, -29}, {54, 0.048696f, -18},
                                  {58, -0.912364f, -17}};
const Vec3 g_SpotsC[10] = {{-30, 5.39818f, -34}, {-19, 0.168314f, -12}, {16, 0.132147f, -7},
                           {11, -0.719263f, -11}, {-20, -1.160823f, -22}, {21, 0.037879f, -26},
                           {11, -0.270141f, -21}, {-31, -0.656353f, -20}, {-16, 0.660746f, -27},
                           {-13, 0.297815f, -25}};
const Vec3 g_SizesA[10] = {{1.1f, 1.3f, 0.05f}, {0.45f, 0.29f, 0.05f}, {0.65f, 0.24f, 0.05f},
                           {0.55f, 0.22f, 0.05f}, {0.5f, 0.26f, 0.05f}, {0.85f, 0.24f, 0.05f},
                           {0.5f, 0.25f, 0.05f}, {0.7f, 0.26f, 0.05f}, {0.6f, 0.26f, 0.05f},
                           {0.8f, 0.22f, 0.05f}};
const Vec3 g_SizesB[10] = {{4.6f, 3, 0.05f},    {5.08f, 3, 0.05f},    {4.66f, 3.4f, 0.05f}, {4.96f, 3.3f, 0.05f},
                           {4.72f, 3.1f, 0.05f}, {5.08f, 3.2f, 0.05f}, {4.84f, 3, 0.05f},    {4.78f, 3.1f, 0.05f},
                           {5.08f, 3.3f, 0.05f}, {5.14f, 3.1f, 0.05f}};
const Vec3 g_SizesC[10] = {{3, 7, 0.05f},        {0.72f, 0.76f, 0.05f}, {1.04f, 1.32f, 0.05f}, {0.96f, 0.6f, 0.05f},
                           {1.04f, 0.68f, 0.05f}, {0.8f, 1.32f, 0.05f}, {1.04f, 0.6f, 0.05f},  {0.96f, 1, 0.05f},
                           {0.4f, 1.32f, 0.05f},  {0.56f, 0.92f, 0.05f}};
// Where the twelve copies of the first B plant stand (absolute points).
const Vec3 g_CopiesB[12] = {{20.6f, -18.2f, -67.5003f},       {21.4f, -18.8f, -67.1003f},
                            {18.899f, -17.099f, -68.6f},      {19.699f, -17.699f, -67.8f},
                            {22.2f, -19.3f, -66.4f},          {23.8f, -20.3f, -65.5f},
                            {-32.9001f, -18.5f, -67.5f},      {-34.1001f, -19.3999f, -65.7999f},
                            {-32.3f, -17.6999f, -68.4f},      {-31.7999f, -16.8998f, -69.7f},
                            {-31.1998f, -16.1997f, -70.0f},   {-30.4997f, -15.5996f, -71.7f}};

void CopySpot(float out[3], const Vec3& v)
{
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

void SetSize(float size[3], float x, float y, float z)
{
    size[0] = x;
    size[1] = y;
    size[2] = z;
}

// Draws whose values the fixed tables replace: only their number matters.
void DiscardDraws(int count)
{
    for (int i = 0; i < count; ++i)
        crt::rand();
}

}  // namespace

void CTankView::PlaceOnFloor(float spot[3], int row, int column, float sizeY)
{
    row = row < 0 ? 0 : (row >= FLOOR_GRID_ROWS ? FLOOR_GRID_ROWS - 1 : row);
    column = column < 0 ? 0 : (column >= FLOOR_GRID_COLS ? FLOOR_GRID_COLS - 1 : column);
    const float* p = g_WaterFloorGrid[row][column];
    spot[0] = p[0];
    spot[1] = p[1] - (0.95f - sizeY) * 1.1f;
    spot[2] = p[2];
}

void CTankView::InitScene()
{
    const float* b = m_fTankBounds;
    m_TankBounds.SetBounds(0, b[0], b[1], b[2], b[3], b[4], b[5]);
    const int W = static_cast<int>(b[1] - b[0]);
    const int H2 = static_cast<int>(static_cast<int>(b[2] - b[3]) * 1.5);

    // Sway plants A: the first on the floor, the others at random, then all
    // from the fixed tables.
    SetSize(m_SwayPlantsA[0].m_fSize, 1.5f, 2.0f, 0.05f);
    PlaceOnFloor(m_fSpotsA[0], W / 2 - 40, 15, m_SwayPlantsA[0].m_fSize[1]);
    DiscardDraws(4 * 9);
    for (int i = 0; i < 10; ++i) {
        CopySpot(m_fSpotsA[i], g_SpotsA[i]);
        SetSize(m_SwayPlantsA[i].m_fSize, g_SizesA[i].x, g_SizesA[i].y, g_SizesA[i].z);
        m_SwayPlantsA[i].Init();
    }

    // Four-leaf plants: their random spots and sizes give way to the tables.
    DiscardDraws(2 + 3 * 9);
    for (int i = 0; i < 10; ++i)
        CopySpot(m_fSpotsFourLeaf[i], g_SpotsFourLeaf[i]);

    // Sway plants B: fixed spots (those of A but two) and sizes.
    for (int i = 0; i < 10; ++i) {
        CopySpot(m_fSpotsB[i], g_SpotsA[i]);
        SetSize(m_SwayPlantsB[i].m_fSize, g_SizesB[i].x / 6.0f, g_SizesB[i].y / 6.0f, g_SizesB[i].z / 6.0f);
        m_SwayPlantsB[i].Init();
    }
    m_fSpotsB[0][2] = -22.0f;
    m_fSpotsB[6][0] = -37.0f;

    // Sway plants C.
    DiscardDraws(2 + 4 * 9);
    for (int i = 0; i < 10; ++i) {
        CopySpot(m_fSpotsC[i], g_SpotsC[i]);
        SetSize(m_SwayPlantsC[i].m_fSize, g_SizesC[i].x * 0.5f, g_SizesC[i].y * 0.5f, g_SizesC[i].z * 0.5f);
        m_SwayPlantsC[i].Init();
    }

    // The single plants and decorations draw their placement values in this
    // order: flower 2, decoration A 11, decoration B 8, colour ramp 5, leaf
    // cluster 5, anemone 8, strand 5.
    DiscardDraws(2 + 11 + 8 + 5 + 5 + 8 + 5);

    // The sample bars of the point under the mouse.
    for (int i = 0; i <= 100; ++i) {
        m_fPickBarX[i][0] = b[0] + i * (W / 101.0f);
        m_fPickBarX[i][1] = 0.0f;
        m_fPickBarX[i][2] = -77.5f;
    }
    for (int i = 0; i <= 50; ++i) {
        m_fPickBarY[i][0] = 0.0f;
        m_fPickBarY[i][1] = b[3] + i * (H2 / 50.0f);
        m_fPickBarY[i][2] = -77.5f;
    }

    // The bubbles are set up and warmed up; each frame draws them from then on.
    m_Bubbles.Init(200);
    m_Bubbles.SetHidden(FALSE);
    for (int i = 0; i < 200; ++i)
        m_Bubbles.Render(200 - g_Settings.g_nBubbleCount, FALSE, g_Settings.g_nBubbleSpeed);

    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        SetFishCount(k, g_Settings.g_nFishCount[k]);

    BuildDecorationLists();
    m_Cannon.Init(0.0f, 0.0f, -77.5f);
}

void CTankView::BuildDecorationLists()
{
    const float bottom = m_fTankBounds[3];
    const float back = m_fTankBounds[4];
    auto begin = [this](int index) {
        m_nSceneLists[index] = glGenLists(1);
        glNewList(m_nSceneLists[index], GL_COMPILE);
    };

    begin(0);  // plant kind 14
    for (int i = 1; i < 10; ++i) {
        glPushMatrix();
        glTranslatef(m_fSpotsA[i][0], bottom + 1.0f + m_fSpotsA[i][1], back + m_fSpotsA[i][2]);
        m_SwayPlantsA[i].Draw();
        glPopMatrix();
    }
    glEndList();

    begin(1);  // the four-leaf plants, which no pass calls
    glEndList();

    begin(2);  // the B plants, which no pass calls
    for (int i = 1; i < 10; ++i) {
        glPushMatrix();
        glTranslatef(m_fSpotsB[i][0] + 10.0f, bottom - 1.0f + m_fSpotsB[i][1], back + m_fSpotsB[i][2]);
        m_SwayPlantsB[i].Draw();
        glPopMatrix();
    }
    glEndList();

    begin(3);  // plant kind 15
    for (int i = 1; i < 10; ++i) {
        glPushMatrix();
        glTranslatef(m_fSpotsC[i][0] + 10.0f, bottom + 1.0f + m_fSpotsC[i][1], back + m_fSpotsC[i][2]);
        m_SwayPlantsC[i].Draw();
        glPopMatrix();
    }
    glEndList();

    for (int index = 4; index <= 6; ++index) {  // flower, rosette, blade cluster: empty
        begin(index);
        glEndList();
    }

    begin(7);
    DrawVerticalBar();
    glEndList();
    begin(8);
    DrawHorizontalBar();
    glEndList();

    begin(9);  // twelve copies of the first B plant, which no pass calls
    glBindTexture(GL_TEXTURE_2D, m_texPlant[2]);
    for (const Vec3& p : g_CopiesB) {
        glPushMatrix();
        glTranslatef(p.x, p.y, p.z);
        m_SwayPlantsB[0].DrawCopy();
        glPopMatrix();
    }
    glEndList();
}

void CTankView::DrawVerticalBar()
{
    glBegin(GL_QUADS);
    glVertex3f(-0.5f, -45.0f, 1.0f);
    glVertex3f(0.5f, -45.0f, 1.0f);
    glVertex3f(0.5f, 45.0f, 1.0f);
    glVertex3f(-0.5f, 45.0f, 1.0f);
    glEnd();
}

void CTankView::DrawHorizontalBar()
{
    glBegin(GL_QUADS);
    glVertex3f(-90.0f, -0.5f, 1.0f);
    glVertex3f(90.0f, -0.5f, 1.0f);
    glVertex3f(90.0f, 0.5f, 1.0f);
    glVertex3f(-90.0f, 0.5f, 1.0f);
    glEnd();
}
