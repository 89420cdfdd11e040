// The table of plant kinds and the scenery's set-up steps and lists, as the
// scenery classes register them: one row per kind, one step per object in
// the set-up's order, and the rand() draws each step takes.
#include "platform/crt.h"
#include "scenery/floor_grid.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

// 0, 1, ..., n - 1.
std::vector<int> Upto(int n)
{
    std::vector<int> all(n);
    for (int k = 0; k < n; ++k)
        all[k] = k;
    return all;
}

TEST(PlantKinds, EveryKindHasOneRowAndScenePassKindsComeLast)
{
    std::vector<int> kinds;
    for (const PlantKind& k : PlantKinds()) {
        kinds.push_back(k.kind);
        // Kinds 14 to 16 stand over the floor sheet in the scene pass; the
        // others are drawn live by the environment pass.
        EXPECT_EQ(k.pass == PlantPass::Scene, k.kind >= 14) << "kind " << k.kind;
        if (k.texture.source == KindTexture::Plant) {
            EXPECT_GE(k.texture.index, 0);
            EXPECT_LT(k.texture.index, 18) << "kind " << k.kind;
        }
        if (k.texture.source == KindTexture::Fish) {
            EXPECT_GE(k.texture.index, 0);
            EXPECT_LT(k.texture.index, 25) << "kind " << k.kind;
        }
        EXPECT_LT(k.list, kSceneListCount) << "kind " << k.kind;
    }
    EXPECT_EQ(kinds, Upto(17));
}

TEST(ScenerySetUps, OneStepPerObjectInTheSetUpsOrder)
{
    std::vector<int> orders;
    for (const ScenerySetUp& step : ScenerySetUps()) {
        orders.push_back(step.order);
        // The static mesh, the terrain and the plant group are set up after the lists.
        EXPECT_EQ(step.phase == SetUpPhase::AfterLists, step.order >= 16) << "order " << step.order;
    }
    EXPECT_EQ(orders, Upto(19));
}

TEST(SceneryLists, EachSlotFilledOnceAndThePickBarsLeftFree)
{
    std::set<int> slots;
    for (const SceneryList& list : SceneryLists()) {
        EXPECT_TRUE(slots.insert(list.slot).second) << "slot " << list.slot;
        EXPECT_GE(list.slot, 0);
        EXPECT_LT(list.slot, kSceneListCount);
        EXPECT_NE(list.slot, 7);
        EXPECT_NE(list.slot, 8);
    }
}

class SetUpDraws : public ::testing::Test {
protected:
    VertexRecorder recorder;  // set-up steps may compile lists: no GL needed
    std::unique_ptr<CTankScenery> scenery = std::make_unique<CTankScenery>();
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint texPlant[18] = {}, texFish[25] = {}, lists[kSceneListCount] = {};
    SceneryContext context{*scenery, bounds, texPlant, texFish, lists};
};

// The draws of each object's set-up step: values its placement record or
// spot takes, and values the fixed tables then replace.
TEST_F(SetUpDraws, EachStepTakesItsDraws)
{
    const int draws[19] = {
        4 * 9,                    // A: four for each of plants 1 to 9
        2 + 3 * 9,                // four-leaf: two for the first, three for each other
        0,                        // B
        2 + 4 * 9,                // C
        2,                        // flower: its row and column
        0,           0, 0, 0, 0,  // rosette, blade cluster, plant models B and A, sway plant D
        11,                       // decoration A: sizes, signed rotations, two unused
        8,                        // decoration B
        5,                        // colour ramp
        5,                        // leaf cluster
        8,                        // sea anemone
        5 + 9 * 100,              // strand plant, with its Init's nine draws per strand
        0,           0, 0,        // static mesh, terrain, plant group
    };
    for (const ScenerySetUp& step : ScenerySetUps()) {
        ASSERT_GE(step.order, 0);
        ASSERT_LT(step.order, 19);
        crt::srand(5);
        step.run(context);
        const int next = crt::rand();
        crt::srand(5);
        for (int i = 0; i < draws[step.order]; ++i)
            crt::rand();
        EXPECT_EQ(crt::rand(), next) << "set-up step " << step.order;
    }
}

TEST_F(SetUpDraws, SingleObjectsStandOnTheFloorRaisedByTheirSecondSize)
{
    // The floor grid as the floor sheet fills it for a tank 100 wide and 50
    // deep: vertex (row, column) at x = row - 50, z = column - 50, flat here.
    for (int row = 0; row < 100; ++row)
        for (int column = 0; column < 49; ++column) {
            g_WaterFloorGrid[row][column][0] = static_cast<float>(row - 50);
            g_WaterFloorGrid[row][column][1] = 0.0f;
            g_WaterFloorGrid[row][column][2] = static_cast<float>(column - 50);
        }
    RunScenerySetUp(context, SetUpPhase::Place);
    struct Case {
        const char* name;
        const float* spot;
        int row, column;
        float sizeY;
    };
    const CTankScenery& s = *scenery;
    const Case cases[] = {
        {"rosette", s.m_fSpotRosette, 33, 20, 1.6f},   {"blade cluster", s.m_fSpotBlade, 60, 15, 1.8000001f},
        {"plant model B", s.m_fSpotModelB, 33, 20, 4}, {"plant model A", s.m_fSpotModelA, 33, 20, 4},
        {"sway plant D", s.m_fSpotSwayD, 33, 20, 4},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(c.spot[0], c.row - 50.0f) << c.name;
        EXPECT_FLOAT_EQ(c.spot[1], (c.sizeY - 0.95f) * 1.1f) << c.name;
        EXPECT_FLOAT_EQ(c.spot[2], c.column - 50.0f) << c.name;
    }
    EXPECT_NEAR(s.m_fSpotRosette[1], 0.715f, 1e-6f);
    EXPECT_NEAR(s.m_fSpotModelA[1], 3.355f, 1e-6f);
    // The flower stands at a random row and a column from 15 to 44.
    EXPECT_GE(s.m_fSpotFlower[2], 15 - 50.0f);
    EXPECT_LE(s.m_fSpotFlower[2], 44 - 50.0f);
    EXPECT_NEAR(s.m_fSpotFlower[1], 0.605f, 1e-6f);
    std::fill(&g_WaterFloorGrid[0][0][0], &g_WaterFloorGrid[100][0][0], 0.0f);
}

}  // namespace
