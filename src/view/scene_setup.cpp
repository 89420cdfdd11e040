// The scene at start: the scenery's set-up (each class's own step, in
// order), the pick bars, the bubbles' warm-up, the first fish and the
// display lists of the repeated plants.
#include "view/tank_view.h"

#include "settings/settings.h"

namespace {

// The pick bars' lists among the set-up's lists.
constexpr int kVerticalBarList = 7;
constexpr int kHorizontalBarList = 8;

}  // namespace

SceneryContext CTankView::Scenery()
{
    return SceneryContext{*this, m_fTankBounds, m_texPlant, m_texFish, m_nSceneLists};
}

void CTankView::InitScene()
{
    const float* b = m_fTankBounds;
    m_TankBounds.SetBounds(0, b[0], b[1], b[2], b[3], b[4], b[5]);
    const int W = static_cast<int>(b[1] - b[0]);
    const int H2 = static_cast<int>(static_cast<int>(b[2] - b[3]) * 1.5);

    SceneryContext scenery = Scenery();
    RunScenerySetUp(scenery, SetUpPhase::Place);

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
    m_Bubbles.Init(BUBBLE_CAPACITY);
    m_Bubbles.SetHidden(FALSE);
    for (int i = 0; i < BUBBLE_WARM_UP_FRAMES; ++i)
        m_Bubbles.Render(BUBBLE_CAPACITY - g_Settings.g_nBubbleCount, FALSE, g_Settings.g_nBubbleSpeed);
    m_nBubbleCountShown = g_Settings.g_nBubbleCount;
    m_nBubbleSpeedShown = g_Settings.g_nBubbleSpeed;

    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        SetFishCount(k, g_Settings.g_nFishCount[k]);

    BuildDecorationLists();
    RunScenerySetUp(scenery, SetUpPhase::AfterLists);
    m_Cannon.Init(0.0f, 0.0f, -77.5f);
}

void CTankView::BuildDecorationLists()
{
    SceneryContext scenery = Scenery();
    for (int slot = 0; slot < kSceneListCount; ++slot) {
        m_nSceneLists[slot] = glGenLists(1);
        glNewList(m_nSceneLists[slot], GL_COMPILE);
        if (slot == kVerticalBarList)
            DrawVerticalBar();
        else if (slot == kHorizontalBarList)
            DrawHorizontalBar();
        else
            CompileSceneryList(scenery, slot);
        glEndList();
    }
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
