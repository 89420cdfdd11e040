// The ripple tables, the grid, ripple slots and one step of the rings.
#include "objects/screen_ripple.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

constexpr int kGrid = CScreenRipple::GRID;

struct VectorRow {
    int dx, dy;
    double ex, ey;
    int distance;
};

TEST(RippleTables, VectorRows)
{
    const VectorRow rows[] = {
        {0, 0, 0, 0, 0},
        {0, 1, 0, 1, 25},
        {1, 0, 1, 0, 25},
        {1, 1, 0.707107, 0.707107, 36},
        {2, 1, 0.894427, 0.447214, 57},
        {0, 31, 0, 1, 800},
        {31, 31, 0.707107, 0.707107, 1131},
    };
    for (const VectorRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dx << ", " << row.dy);
        const RIPPLEVECTOR& r = CScreenRipple::Vector(row.dx, row.dy);
        EXPECT_NEAR(r.ex, row.ex, 1e-6);
        EXPECT_NEAR(r.ey, row.ey, 1e-6);
        EXPECT_EQ(r.distance, row.distance);
    }
    // Directions are single-precision values.
    const double e = CScreenRipple::Vector(1, 1).ex;
    EXPECT_EQ(e, static_cast<double>(static_cast<float>(e)));
}

TEST(RippleTables, AmplitudeRows)
{
    struct Row {
        int i;
        double value, tolerance;
    };
    const Row rows[] = {
        {0, 0, 0},
        {1, 0.00000296, 5e-9},
        {10, 0.0075661, 5e-8},
        {28, 0.0521374, 5e-7},
        {55, 0.0999838, 5e-7},
        {115, 0.0000150, 5e-8},
        {169, 0.0624766, 5e-7},
        {282, 0.0379234, 5e-7},
        {509, 0.0125849, 5e-8},
        {1024, 0.0000000029, 5e-11},
        {2047, 0, 0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(CScreenRipple::Amplitude(row.i), row.value, row.tolerance) << "entry " << row.i;
}

TEST(RippleTables, AmplitudeHumps)
{
    double largest = 0;
    int largestAt = -1;
    for (int i = 0; i < CScreenRipple::AMPLITUDES; ++i) {
        const double a = CScreenRipple::Amplitude(i);
        ASSERT_GE(a, 0.0) << i;
        if (a > largest) {
            largest = a;
            largestAt = i;
        }
    }
    EXPECT_EQ(largestAt, 55);
    for (int peak : {55, 169, 282, 396, 509}) {
        EXPECT_GT(CScreenRipple::Amplitude(peak), CScreenRipple::Amplitude(peak - 1)) << peak;
        EXPECT_GT(CScreenRipple::Amplitude(peak), CScreenRipple::Amplitude(peak + 1)) << peak;
    }
    // Falling humps.
    EXPECT_GT(CScreenRipple::Amplitude(169), CScreenRipple::Amplitude(282));
    EXPECT_GT(CScreenRipple::Amplitude(282), CScreenRipple::Amplitude(509));
}

TEST(RippleTables, CornerDistance)
{
    EXPECT_DOUBLE_EQ(CScreenRipple::GridDistance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(CScreenRipple::GridDistance(3, 4, 0, 0), 5.0);
    struct Row {
        int width, cx, cy, end;
    };
    const Row rows[] = {
        {1000, 16, 16, 1048},  // 1000 * 22.627 / 32 + 341
        {1000, 0, 0, 1755},    // the far corner is (32, 32)
        {1000, 31, 0, 1733},   // ... (0, 32)
        {1000, 0, 31, 1733},
        {0, 16, 16, 341},
    };
    CScreenRipple ripple;
    for (const Row& row : rows) {
        ripple.Init(row.width, 800);
        EXPECT_EQ(ripple.MaxCornerDistance(row.cx, row.cy), row.end) << row.width << " " << row.cx << "," << row.cy;
    }
}

class ScreenRipple : public testing::Test {
protected:
    void SetUp() override { ripple.Init(1000, 800); }

    int BusySlots() const
    {
        int n = 0;
        for (int k = 0; k < CScreenRipple::SLOTS; ++k)
            n += ripple.m_nTime[k] < ripple.m_nEnd[k];
        return n;
    }
    const RIPPLEVERTEX& At(int i, int j) const { return ripple.m_Grid[i * kGrid + j]; }

    CScreenRipple ripple;
};

TEST_F(ScreenRipple, InitLaysTheGridAtRestAndFreesEverySlot)
{
    EXPECT_EQ(ripple.m_nDiagonal, 1280);
    for (int k = 0; k < CScreenRipple::SLOTS; ++k) {
        EXPECT_EQ(ripple.m_nTime[k], 1280 + 2048);
        EXPECT_EQ(ripple.m_nEnd[k], 0);
    }
    struct Corner {
        int i, j;
        float x, y, u, v;
    };
    const Corner corners[] = {
        {0, 0, -1, -1, 0, 0}, {31, 0, 1, -1, 1, 0}, {0, 31, -1, 1, 0, 1}, {31, 31, 1, 1, 1, 1},
        {1, 2, 2.0f / 31 - 1, 4.0f / 31 - 1, 1.0f / 31, 2.0f / 31},
    };
    for (const Corner& c : corners) {
        SCOPED_TRACE(testing::Message() << c.i << ", " << c.j);
        const RIPPLEVERTEX& p = At(c.i, c.j);
        EXPECT_FLOAT_EQ(p.x, c.x);
        EXPECT_FLOAT_EQ(p.y, c.y);
        EXPECT_FLOAT_EQ(p.restU, c.u);
        EXPECT_FLOAT_EQ(p.restV, c.v);
        EXPECT_EQ(p.u, p.restU);
        EXPECT_EQ(p.v, p.restV);
    }
    // With every slot free an update leaves the picture undistorted.
    ripple.Update(0, 0);
    for (const RIPPLEVERTEX& p : ripple.m_Grid) {
        ASSERT_EQ(p.u, p.restU);
        ASSERT_EQ(p.v, p.restV);
    }
}

TEST_F(ScreenRipple, FreeSlotsOfASmallViewBarelyMove)
{
    // Their time starts close enough to the distances for a trace of a ring.
    ripple.Init(100, 100);
    ripple.Update(0, 0);
    for (const RIPPLEVERTEX& p : ripple.m_Grid) {
        ASSERT_NEAR(p.u, p.restU, 1e-5);
        ASSERT_NEAR(p.v, p.restV, 1e-5);
    }
}

TEST_F(ScreenRipple, ClickCell)
{
    struct Row {
        int x, y, cx, cy;
    };
    const Row rows[] = {
        {500, 400, 16, 16}, {0, 0, 0, 0},     {31, 24, 0, 0},     {32, 25, 1, 1},     {999, 799, 31, 31},
        // Off the view: held to the grid's edge.
        {1000, 800, 31, 31}, {5000, 100, 31, 4}, {-1, -30, 0, 0}, {-100000, INT_MAX, 0, 31},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
        ripple.Init(1000, 800);
        ripple.AddRipple(row.x, row.y);
        EXPECT_EQ(ripple.m_nCenterX[0], row.cx);
        EXPECT_EQ(ripple.m_nCenterY[0], row.cy);
        EXPECT_EQ(ripple.m_nTime[0], 28);
        EXPECT_EQ(ripple.m_nEnd[0], ripple.MaxCornerDistance(row.cx, row.cy));
        EXPECT_EQ(BusySlots(), 1);
    }
}

TEST_F(ScreenRipple, ViewWithoutAreaTakesNoRipple)
{
    const int sizes[][2] = {{0, 0}, {0, 800}, {1000, 0}, {-5, 800}};
    for (const auto& size : sizes) {
        ripple.Init(size[0], size[1]);
        ripple.AddRipple(0, 0);
        ripple.AddRipple(10, 10);
        EXPECT_EQ(BusySlots(), 0) << size[0] << " x " << size[1];
        ripple.Update(0, 0);
        ripple.Draw();
    }
}

TEST_F(ScreenRipple, SevenSlotsThenTheEighthClickIsIgnored)
{
    for (int k = 0; k < CScreenRipple::SLOTS; ++k)
        ripple.AddRipple(100 * k, 50 * k);
    EXPECT_EQ(BusySlots(), 7);
    for (int k = 0; k < CScreenRipple::SLOTS; ++k)
        EXPECT_EQ(ripple.m_nCenterX[k], 100 * k * 32 / 1000) << k;
    const CScreenRipple before = ripple;
    ripple.AddRipple(999, 799);
    for (int k = 0; k < CScreenRipple::SLOTS; ++k) {
        EXPECT_EQ(ripple.m_nCenterX[k], before.m_nCenterX[k]);
        EXPECT_EQ(ripple.m_nCenterY[k], before.m_nCenterY[k]);
        EXPECT_EQ(ripple.m_nTime[k], before.m_nTime[k]);
        EXPECT_EQ(ripple.m_nEnd[k], before.m_nEnd[k]);
    }
}

TEST_F(ScreenRipple, ASlotIsFreeOnceItsTimeReachesItsEnd)
{
    ripple.AddRipple(500, 400);  // ends at 1048
    for (int k = 1; k < CScreenRipple::SLOTS; ++k)
        ripple.AddRipple(0, 0);  // end at 1755
    // 28 + 7 * 145 = 1043: still running.
    for (int n = 0; n < 145; ++n)
        ripple.Update(0, 0);
    ripple.AddRipple(999, 799);
    EXPECT_EQ(ripple.m_nCenterX[0], 16);
    EXPECT_EQ(ripple.m_nTime[0], 1043);
    // 1050: over, and the next click takes the slot again.
    ripple.Update(0, 0);
    EXPECT_EQ(BusySlots(), 6);
    ripple.AddRipple(999, 799);
    EXPECT_EQ(ripple.m_nCenterX[0], 31);
    EXPECT_EQ(ripple.m_nCenterY[0], 31);
    EXPECT_EQ(ripple.m_nTime[0], 28);
    EXPECT_EQ(BusySlots(), 7);
}

TEST_F(ScreenRipple, InitDropsRunningRipples)
{
    ripple.AddRipple(500, 400);
    ripple.AddRipple(100, 100);
    ripple.Update(0, 0);
    ripple.Init(640, 480);
    EXPECT_EQ(BusySlots(), 0);
    EXPECT_EQ(ripple.m_nWidth, 640);
    EXPECT_EQ(ripple.m_nHeight, 480);
    EXPECT_EQ(ripple.m_nDiagonal, 800);
    ripple.Update(0, 0);
    for (const RIPPLEVERTEX& p : ripple.m_Grid)
        ASSERT_EQ(p.u, p.restU);
}

TEST_F(ScreenRipple, OneUpdateMovesTheFirstRingOutwards)
{
    ripple.AddRipple(500, 400);  // cell (16, 16)
    ripple.Update(0, 0);         // time 35
    EXPECT_EQ(ripple.m_nTime[0], 35);
    // One cell away the ring has passed 10 steps ago: amplitude[10] = 0.0075661,
    // damped by (1 - 35 / 2048)^2.
    const double push = 0.0075661 * std::pow(1.0 - 35.0 / 2048, 2);
    struct Row {
        int i, j;
        double du, dv;
    };
    const Row rows[] = {
        {17, 16, push, 0}, {15, 16, -push, 0}, {16, 17, 0, push}, {16, 15, 0, -push},
        {16, 16, 0, 0},    // the centre never moves
        {17, 17, 0, 0},    // the ring (36 steps out) has not arrived yet
        {31, 31, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.i << ", " << row.j);
        const RIPPLEVERTEX& p = At(row.i, row.j);
        EXPECT_NEAR(p.u - p.restU, row.du, 1e-7);
        EXPECT_NEAR(p.v - p.restV, row.dv, 1e-7);
    }
}

TEST_F(ScreenRipple, CentreStaysWhileTheRingPasses)
{
    ripple.AddRipple(500, 400);
    for (int n = 0; n < 100; ++n) {
        ripple.Update(0, 0);
        ASSERT_EQ(At(16, 16).u, At(16, 16).restU);
        ASSERT_EQ(At(16, 16).v, At(16, 16).restV);
    }
}

TEST_F(ScreenRipple, SevenRipplesAddUp)
{
    CScreenRipple one;
    one.Init(1000, 800);
    one.AddRipple(500, 400);
    one.Update(0, 0);
    for (int k = 0; k < CScreenRipple::SLOTS; ++k)
        ripple.AddRipple(500, 400);
    ripple.Update(0, 0);
    const RIPPLEVERTEX& single = one.m_Grid[17 * kGrid + 16];
    EXPECT_NEAR(At(17, 16).u - At(17, 16).restU, 7 * (single.u - single.restU), 1e-6);
    EXPECT_GT(At(17, 16).u - At(17, 16).restU, 0.05f);
}

TEST_F(ScreenRipple, AgeingStopsShortOfOverflow)
{
    ripple.m_nTime[3] = INT_MAX - 3;
    ripple.m_nTime[4] = INT_MAX - 7;
    ripple.Update(0, 0);
    EXPECT_EQ(ripple.m_nTime[3], INT_MAX);
    EXPECT_EQ(ripple.m_nTime[4], INT_MAX);
    ripple.Update(0, 0);
    EXPECT_EQ(ripple.m_nTime[3], INT_MAX);
    EXPECT_EQ(BusySlots(), 0);
    for (const RIPPLEVERTEX& p : ripple.m_Grid)
        ASSERT_EQ(p.u, p.restU);
}

TEST_F(ScreenRipple, DrawSendsOnePolygonPerCell)
{
    ripple.AddRipple(300, 200);
    for (int n = 0; n < 20; ++n)
        ripple.Update(0, 0);
    VertexRecorder recorder;
    ripple.Draw();
    ASSERT_EQ(recorder.primitives.size(), 31u * 31u);
    int moved = 0;
    for (int i = 0; i < kGrid - 1; ++i) {
        for (int j = 0; j < kGrid - 1; ++j) {
            const RecordedPrimitive& cell = recorder.primitives[i * (kGrid - 1) + j];
            ASSERT_EQ(cell.mode, GLenum(GL_POLYGON));
            ASSERT_EQ(cell.vertices.size(), 4u);
            const int corners[4][2] = {{i, j}, {i, j + 1}, {i + 1, j + 1}, {i + 1, j}};
            for (int c = 0; c < 4; ++c) {
                const RIPPLEVERTEX& p = At(corners[c][0], corners[c][1]);
                const RecordedVertex& got = cell.vertices[c];
                ASSERT_EQ(got.position, (std::array<float, 3>{p.x, p.y, 0.0f})) << i << "," << j << " #" << c;
                ASSERT_EQ(got.texCoord, (std::array<float, 2>{p.u, p.v})) << i << "," << j << " #" << c;
                moved += p.u != p.restU;
            }
        }
    }
    EXPECT_GT(moved, 0);
}

}  // namespace
