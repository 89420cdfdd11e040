// The scene set-up without a window: spots, sizes, pick bars, the number of
// random values the window's construction and set-up take, and the counts a
// first run draws after them.
#include "platform/crt.h"
#include "platform/places_fixture.h"
#include "scenery/floor_grid.h"
#include "settings/settings_file.h"
#include "support/vertex_recorder.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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
    EXPECT_FLOAT_EQ(view.m_fSpotsFourLeaf[5][1], -1.864473f);
    // The decorations' fixed spots.
    EXPECT_FLOAT_EQ(view.m_fSpotStrand[2], -50.0f);
    EXPECT_FLOAT_EQ(view.m_fSpotAnemone[0], -60.0f);
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
    // The scenery's steps (A 36, four-leaf 29, C 38, flower 2, decorations
    // A 11 and B 8, colour ramp 5, leaf cluster 5, anemone 8, strand 5 and
    // its 900), then 200 bubbles born with 12 values each; no warm-up render
    // draws at a bubble count of 200, and no fish is placed.
    const int expected = 36 + 29 + 38 + 2 + 11 + 8 + 5 + 5 + 8 + 905 + 200 * 12;
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

// ---- the first run ------------------------------------------------------------

class FirstRun : public PlacesFixture {};

// The game window is built before the settings are read, and a first run
// draws a 0 or 1 for every count the file lacks: so the counts of a start
// without a settings file follow from how many values the window's
// construction takes. Every scenery class keeps this number as it lands.
constexpr int kWindowConstructionDraws = 709;

TEST_F(FirstRun, TheWindowTakesItsDrawsBeforeTheSettingsAreRead)
{
    crt::srand(1);
    std::vector<int> sequence;
    for (int i = 0; i < kWindowConstructionDraws + FISH_SPECIES_COUNT + PLANT_KIND_COUNT; ++i)
        sequence.push_back(crt::rand());

    crt::srand(1);
    const auto view = std::make_unique<CTankView>();
    g_Settings = TANKSETTINGS{};
    ReadSettingsFile();  // no file yet: every count is drawn, fish first

    int draw = kWindowConstructionDraws;
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(g_Settings.g_nFishCount[k], sequence[draw++] % 2) << "Fish" << k;
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(g_Settings.g_nPlantCount[k], sequence[draw++] % 2) << "Plants" << k;
}

TEST_F(FirstRun, TheCountsOfAFirstStart)
{
    crt::srand(1);
    const auto view = std::make_unique<CTankView>();
    g_Settings = TANKSETTINGS{};
    ReadSettingsFile();
    // Draws 710 to 751 of the sequence, each modulo 2.
    const int fish[FISH_SPECIES_COUNT] = {1, 0, 1, 1, 1, 0, 1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0};
    const int plants[PLANT_KIND_COUNT] = {0, 1, 0, 0, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 1, 1, 1};
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(g_Settings.g_nFishCount[k], fish[k]) << "Fish" << k;
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(g_Settings.g_nPlantCount[k], plants[k]) << "Plants" << k;
}

}  // namespace
