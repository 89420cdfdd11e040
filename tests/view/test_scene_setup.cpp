// The scene set-up without a window: spots, sizes, pick bars and the number
// of random values it takes.
#include "gfx/settings.h"
#include "platform/crt.h"
#include "scenery/floor_grid.h"
#include "support/vertex_recorder.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

namespace {

class SceneSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const float bounds[6] = {-50, 50, 30, -22, -50, 0};
        std::copy(bounds, bounds + 6, view.m_fTankBounds);
        g_Settings.g_nBubbleCount = 200;  // no warm-up bubble is rendered
        for (int& count : g_Settings.g_nFishCount)
            count = 0;
        g_Settings.g_nBubbleSpeed = 1;
    }
    VertexRecorder recorder;
    CTankView view;
};

TEST_F(SceneSetupTest, TablesGiveSpotsAndSizes)
{
    view.InitScene();
    EXPECT_FLOAT_EQ(view.m_fSpotsA[3][0], -56.0f);
    EXPECT_FLOAT_EQ(view.m_fSpotsA[3][1], -0.698706f);
    EXPECT_FLOAT_EQ(view.m_SwayPlantsA[0].m_fSize[1], 1.3f);
    // B takes A's spots but two, and its sizes divided by 6.
    EXPECT_FLOAT_EQ(view.m_fSpotsB[0][2], -22.0f);
    EXPECT_FLOAT_EQ(view.m_fSpotsB[6][0], -37.0f);
    EXPECT_FLOAT_EQ(view.m_fSpotsB[5][0], view.m_fSpotsA[5][0]);
    EXPECT_FLOAT_EQ(view.m_SwayPlantsB[1].m_fSize[0], 5.08f / 6.0f);
    // C's sizes are halved.
    EXPECT_FLOAT_EQ(view.m_SwayPlantsC[0].m_fSize[1], 3.5f);
    EXPECT_FLOAT_EQ(view.m_fSpotsC[9][2], -25.0f);
}

TEST_F(SceneSetupTest, TankBoxAndPickBars)
{
    view.InitScene();
    EXPECT_FLOAT_EQ(view.m_TankBounds.m_fTop, 40.0f);
    EXPECT_FLOAT_EQ(view.m_TankBounds.m_fBottom, -17.0f);
    EXPECT_NEAR(view.m_fPickBarX[100][0], 49.0099f, 1e-4f);
    EXPECT_FLOAT_EQ(view.m_fPickBarX[100][2], -77.5f);
    EXPECT_FLOAT_EQ(view.m_fPickBarY[50][1], 56.0f);
    EXPECT_FLOAT_EQ(view.m_fPickBarY[0][1], -22.0f);
}

TEST_F(SceneSetupTest, TakesItsRandomValuesInAFixedNumber)
{
    // Plants A 36, four-leaf 29, C 38, single objects 44, and 200 bubbles born
    // with 12 values each; no warm-up render draws at a bubble count of 200.
    const int expected = 36 + 29 + 38 + 44 + 200 * 12;
    crt::srand(777);
    view.InitScene();
    const int next = crt::rand();
    crt::srand(777);
    for (int i = 0; i < expected; ++i)
        crt::rand();
    EXPECT_EQ(crt::rand(), next);
}

TEST_F(SceneSetupTest, FloorSpotRaisesByTheSecondSizeFactor)
{
    float spot[3];
    view.PlaceOnFloor(spot, 33, 20, 1.6f);
    EXPECT_FLOAT_EQ(spot[1], g_WaterFloorGrid[33][20][1] + (1.6f - 0.95f) * 1.1f);
    view.PlaceOnFloor(spot, -5, 5000, 0.95f);  // outside the grid: clamped
    EXPECT_FLOAT_EQ(spot[0], g_WaterFloorGrid[0][FLOOR_GRID_COLS - 1][0]);
}

}  // namespace
