// Food drops: the flakes' start, sinking, hiding, the rand draws and the flake mesh.
#include "objects/food_emitter.h"
#include "objects/rand_tape.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kResetDraws = 33;

TEST(FoodEmitter, StartsInactiveAtTheBackWithoutAList)
{
    CFoodEmitter food;
    EXPECT_FALSE(food.IsActive());
    EXPECT_EQ(food.m_nList, 0u);
    EXPECT_FLOAT_EQ(food.m_fOrigin[0], 0);
    EXPECT_FLOAT_EQ(food.m_fOrigin[1], 0);
    EXPECT_FLOAT_EQ(food.m_fOrigin[2], -70);
    food.SetActive(TRUE);
    EXPECT_TRUE(food.IsActive());
    food.SetActive(5);
    EXPECT_EQ(food.m_bActive, 1);
    food.SetActive(FALSE);
    EXPECT_FALSE(food.IsActive());
}

TEST(FoodEmitter, ResetDrawsEachFlakeInOrder)
{
    const std::vector<int> d = RandFrom(7, kResetDraws);
    CFoodEmitter food;
    food.Reset();
    for (int i = 0; i < CFoodEmitter::PELLETS; ++i) {
        SCOPED_TRACE(i);
        const int* r = &d[11 * i];
        const FOODPELLET& p = food.m_Pellets[i];
        EXPECT_FLOAT_EQ(p.x, float((r[0] - r[1]) * 4.2115542e-5));
        EXPECT_FLOAT_EQ(p.y, 1.0f);
        EXPECT_FLOAT_EQ(p.z, float((r[2] - r[3]) * 1.1597033e-5));
        EXPECT_FLOAT_EQ(p.tumble, float((r[4] - r[5]) * 0.0054933317));
        EXPECT_FLOAT_EQ(p.swirl, float((r[6] - r[7] + r[8] - r[9]) * 0.0054933317));
        EXPECT_FLOAT_EQ(p.sinkSpeed, float((r[10] % 10) * 0.0005 + 0.005));
        EXPECT_FLOAT_EQ(p.scale, 1.0f);
    }
}

TEST(FoodEmitter, FlakesStartAroundTheDropPoint)
{
    CFoodEmitter food;
    crt::srand(1);
    for (int drop = 0; drop < 200; ++drop) {
        food.SetPosition(12.5f, 30.0f, -70.0f);
        EXPECT_FLOAT_EQ(food.m_fOrigin[0], 12.5f);
        EXPECT_FLOAT_EQ(food.m_fOrigin[1], 30.0f);
        EXPECT_FLOAT_EQ(food.m_fOrigin[2], -70.0f);
        for (const FOODPELLET& p : food.m_Pellets) {
            ASSERT_LE(std::fabs(p.x), 1.3801f);
            ASSERT_LE(std::fabs(p.z), 0.3801f);
            ASSERT_LE(std::fabs(p.tumble), 180.01f);
            ASSERT_LE(std::fabs(p.swirl), 360.02f);
            ASSERT_GE(p.sinkSpeed, 0.005f);
            ASSERT_LE(p.sinkSpeed, 0.0095f);
        }
    }
}

TEST(FoodEmitter, RandDrawsPerCall)
{
    CFoodEmitter food;
    EXPECT_EQ(DrawsBy([&] { food.Reset(); }), kResetDraws);
    EXPECT_EQ(DrawsBy([&] { food.SetPosition(1, 2, 3); }), kResetDraws);
    EXPECT_EQ(DrawsBy([&] { food.SetActive(TRUE); }), 0);
    // A sinking flake takes four values, a flake at the bottom two.
    EXPECT_EQ(DrawsBy([&] { food.Update(); }), 12);
    EXPECT_EQ(DrawsBy([&] { food.Draw(); }), 12);
    food.m_Pellets[1].y = -40.0f;
    EXPECT_EQ(DrawsBy([&] { food.Update(); }), 10);
    for (FOODPELLET& p : food.m_Pellets)
        p.y = -41.0f;
    EXPECT_EQ(DrawsBy([&] { food.Update(); }), 6);
    EXPECT_EQ(DrawsBy([&] { food.Draw(); }), 6);
}

TEST(FoodEmitter, UpdateSinksSwirlsAndTumbles)
{
    CFoodEmitter food;
    food.Reset();
    const CFoodEmitter before = food;
    const std::vector<int> d = RandFrom(11, 12);
    food.Update();
    for (int i = 0; i < CFoodEmitter::PELLETS; ++i) {
        SCOPED_TRACE(i);
        const FOODPELLET& was = before.m_Pellets[i];
        const FOODPELLET& p = food.m_Pellets[i];
        const int* r = &d[4 * i];
        EXPECT_FLOAT_EQ(p.x, float(was.x + (r[0] - r[1]) * 6.103702e-8));
        EXPECT_FLOAT_EQ(p.y, was.y - was.sinkSpeed);
        EXPECT_FLOAT_EQ(p.z, float(was.z + (r[2] - r[3]) * 6.103702e-8));
        EXPECT_FLOAT_EQ(p.tumble, was.tumble + 0.4f);
        EXPECT_FLOAT_EQ(p.swirl, was.swirl + 2.0f);
        EXPECT_EQ(p.sinkSpeed, was.sinkSpeed);
        EXPECT_EQ(p.scale, 1.0f);
    }
}

TEST(FoodEmitter, FlakeAtTheBottomIsHeldThereAndHidden)
{
    CFoodEmitter food;
    food.Reset();
    FOODPELLET& p = food.m_Pellets[2];
    p.y = -40.3f;
    p.tumble = 10;
    p.swirl = 20;
    const std::vector<int> d = RandFrom(3, 10);
    food.Update();
    EXPECT_EQ(p.y, -40.0f);
    EXPECT_FLOAT_EQ(p.tumble, float(10 - d[8] * 6.103702e-6));
    EXPECT_FLOAT_EQ(p.swirl, float(20 + d[9] * 3.0518509e-5));
    EXPECT_EQ(p.scale, 0.0f);
    EXPECT_EQ(food.m_Pellets[0].scale, 1.0f);
}

TEST(FoodEmitter, FlakesVanishAfterSinkingFortyOneUnits)
{
    // Steps of 0.005 in single precision fall just short of -40 after 8200
    // updates; steps of 0.0095 get there after 4316.
    struct Row {
        float speed;
        int updatesToBottom;
    };
    const Row rows[] = {{0.005f, 8201}, {0.0095f, 4316}, {0.007f, 5858}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.speed);
        CFoodEmitter food;
        food.Reset();
        for (FOODPELLET& p : food.m_Pellets)
            p.sinkSpeed = row.speed;
        for (int n = 0; n < row.updatesToBottom; ++n) {
            ASSERT_GT(food.m_Pellets[0].y, -40.0f) << n;
            food.Update();
        }
        EXPECT_LE(food.m_Pellets[0].y, -40.0f);
        EXPECT_GT(food.m_Pellets[0].y, -40.0f - row.speed);
        EXPECT_EQ(food.m_Pellets[0].scale, 1.0f);
        food.Update();
        EXPECT_EQ(food.m_Pellets[0].scale, 0.0f);
        EXPECT_EQ(food.m_Pellets[0].y, -40.0f);
    }
}

TEST(FoodEmitter, StaysActiveUntilTheLastFlakeIsGone)
{
    CFoodEmitter food;
    food.SetPosition(0, 10, -70);
    food.SetActive(TRUE);
    food.m_Pellets[0].sinkSpeed = 0.0095f;
    food.m_Pellets[1].sinkSpeed = 0.0095f;
    food.m_Pellets[2].sinkSpeed = 0.005f;
    // Draw moves after drawing: the update that hides the slow flake is the
    // 8202nd, and the draw after it finds nothing left.
    int draws = 0;
    while (food.IsActive() && draws < 10000) {
        food.Draw();
        ++draws;
        if (draws == 4400) {
            EXPECT_EQ(food.m_Pellets[0].scale, 0.0f);
            EXPECT_EQ(food.m_Pellets[1].scale, 0.0f);
            EXPECT_EQ(food.m_Pellets[2].scale, 1.0f);
        }
    }
    EXPECT_EQ(draws, 8203);
    // A new drop brings it back.
    food.SetPosition(0, 10, -70);
    food.SetActive(TRUE);
    for (const FOODPELLET& p : food.m_Pellets) {
        EXPECT_EQ(p.y, 1.0f);
        EXPECT_EQ(p.scale, 1.0f);
    }
}

TEST(FoodEmitter, EmittersDoNotShareFlakes)
{
    CFoodEmitter first, second;
    first.SetPosition(0, 0, -70);
    for (int n = 0; n < 10; ++n)
        first.Update();
    const CFoodEmitter kept = first;
    second.SetPosition(5, 5, -70);
    second.Update();
    for (int i = 0; i < CFoodEmitter::PELLETS; ++i) {
        EXPECT_EQ(first.m_Pellets[i].y, kept.m_Pellets[i].y);
        EXPECT_EQ(first.m_Pellets[i].x, kept.m_Pellets[i].x);
    }
    EXPECT_EQ(first.m_fOrigin[0], 0.0f);
}

class FlakeMesh : public testing::Test {
protected:
    void SetUp() override { CFoodEmitter::DrawPelletShape(); }
    VertexRecorder recorder;
};

TEST_F(FlakeMesh, LightYellowThenWhite)
{
    ASSERT_EQ(recorder.colors.size(), 2u);
    EXPECT_EQ(recorder.colors[0], (std::array<float, 3>{1.0f, 1.0f, 200.0f / 255.0f}));
    EXPECT_EQ(recorder.colors[1], (std::array<float, 3>{1.0f, 1.0f, 1.0f}));
}

TEST_F(FlakeMesh, ThirtyStripsWithinTheWedgeOfTheCap)
{
    ASSERT_EQ(recorder.primitives.size(), 30u);
    // The edge strips stop at column 29, the middle ones run all 35 columns.
    const size_t firstCount = recorder.primitives.front().vertices.size();
    EXPECT_EQ(firstCount, 60u);
    EXPECT_EQ(recorder.primitives[14].vertices.size(), 70u);
    EXPECT_EQ(recorder.primitives[15].vertices.size(), 70u);
    for (size_t i = 0; i < recorder.primitives.size(); ++i) {
        SCOPED_TRACE(i);
        const RecordedPrimitive& strip = recorder.primitives[i];
        EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
        EXPECT_EQ(strip.vertices.size() % 2, 0u);
        // The wave is symmetric across the wedge.
        EXPECT_EQ(strip.vertices.size(), recorder.primitives[29 - i].vertices.size());
        for (size_t k = 0; k < strip.vertices.size(); ++k) {
            const auto& v = strip.vertices[k].position;
            const double r = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
            ASSERT_GT(r, 0.85);
            ASSERT_LT(r, 1.032);
            // Above the equator, up to the pole.
            ASSERT_GT(v[1] / r, std::sin(0.8));
            ASSERT_LE(v[1] / r, 1.0 + 1e-6);
            // Longitude of the strip's own edge, i or i + 1 degrees (the second
            // vertex of a column may lie just across the pole).
            if (std::hypot(v[0], v[2]) > 1e-3) {
                const double longitude = std::atan(-v[2] / v[0]) / 0.017453333;
                ASSERT_NEAR(longitude, double(i + k % 2), 1e-3);
            }
        }
    }
}

TEST(FoodEmitter, ResetCompilesTheFlake)
{
    VertexRecorder recorder;
    CFoodEmitter food;
    food.Reset();
    EXPECT_EQ(recorder.primitives.size(), 30u);
}

}  // namespace
