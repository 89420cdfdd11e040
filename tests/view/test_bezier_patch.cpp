// The back-wall patch's control grid and curve evaluation.
#include "settings/settings.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class BezierPatch : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = g_Settings;
        g_fBezierSway = 0;
        g_bBezierSwayUp = 1;
        view.m_fTankBounds[0] = -50;
        view.m_fTankBounds[1] = 50;
    }
    void TearDown() override
    {
        g_Settings = saved_;
        g_fBezierSway = 0;
        g_bBezierSwayUp = 1;
    }

    CTankView view;
    TANKSETTINGS saved_;
};

TEST_F(BezierPatch, GridSpansTheBackWall)
{
    struct Case {
        int background;
        double row0[6];
    };
    const Case cases[] = {
        {0, {-49.98, -29.98, -10, 10, 30.02, 50.02}},
        {2, {-49.98, -29.98, -10, 10, 30.02, 50.02}},
        {3, {-50, -30, -10, 10, 30, 50}},
    };
    const double rowY[6] = {39, 23.6, 8.2, -7.2, -22.6, -38};
    const double columnX[6] = {-50, -30, -10, 10, 30, 50};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.background);
        g_fBezierSway = 0;
        g_bBezierSwayUp = 1;
        g_Settings.g_nBackground = c.background;
        view.m_BezierPatch.nList = 77;
        view.m_nBezierDivs = 0;
        view.InitBezierPatch();
        EXPECT_EQ(view.m_nBezierDivs, 2);
        EXPECT_EQ(view.m_BezierPatch.nList, 0);
        for (int r = 0; r < 6; ++r) {
            for (int col = 0; col < 6; ++col) {
                const POINT_3D& p = view.m_BezierPatch.anchors[r][col];
                EXPECT_NEAR(p.x, r == 0 ? c.row0[col] : columnX[col], 1e-5) << r << "," << col;
                EXPECT_NEAR(p.y, rowY[r], 1e-5) << r << "," << col;
                EXPECT_EQ(p.z, -90.0) << r << "," << col;
            }
        }
    }
}

TEST_F(BezierPatch, GridFollowsTheTankBounds)
{
    g_Settings.g_nBackground = 3;
    view.m_fTankBounds[0] = -20;
    view.m_fTankBounds[1] = 80;
    view.InitBezierPatch();
    for (int col = 0; col < 6; ++col)
        EXPECT_NEAR(view.m_BezierPatch.anchors[4][col].x, -20 + 20 * col, 1e-5) << col;
}

// The sway moves 0.02 per call for the backgrounds 0 to 2, turning at 2.5 and below -2.5.
TEST_F(BezierPatch, SwayStepsAndTurns)
{
    struct Case {
        int background;
        float sway;
        unsigned char up;
        float after;
        unsigned char upAfter;
    };
    const Case cases[] = {
        {1, 0, 1, 0.02f, 1},
        {1, 0, 0, -0.02f, 0},
        {3, 1, 1, 1, 1},
        {0, 2.47f, 1, 2.49f, 1},
        {0, 2.49f, 1, 2.51f, 0},
        {2, 2.51f, 0, 2.49f, 0},
        {2, -2.47f, 0, -2.49f, 0},
        {2, -2.49f, 0, -2.51f, 1},
        {2, -2.51f, 1, -2.49f, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "background " << c.background << " sway " << c.sway);
        g_Settings.g_nBackground = c.background;
        g_fBezierSway = c.sway;
        g_bBezierSwayUp = c.up;
        view.InitBezierPatch();
        EXPECT_NEAR(g_fBezierSway, c.after, 1e-5);
        EXPECT_EQ(g_bBezierSwayUp, c.upAfter);
        EXPECT_NEAR(view.m_BezierPatch.anchors[0][0].x, -50 + c.after, 1e-5);
        EXPECT_NEAR(view.m_BezierPatch.anchors[0][2].x, -10, 1e-5);
    }
}

TEST_F(BezierPatch, PointOperations)
{
    const POINT_3D a = view.MakePoint3D(1.5, -2, 3.25);
    EXPECT_EQ(a.x, 1.5);
    EXPECT_EQ(a.y, -2);
    EXPECT_EQ(a.z, 3.25);
    const POINT_3D sum = view.AddPoint3D(a, view.MakePoint3D(0.5, 4, -1));
    EXPECT_EQ(sum.x, 2);
    EXPECT_EQ(sum.y, 2);
    EXPECT_EQ(sum.z, 2.25);
    const POINT_3D scaled = view.ScalePoint3D(-2, a);
    EXPECT_EQ(scaled.x, -3);
    EXPECT_EQ(scaled.y, 4);
    EXPECT_EQ(scaled.z, -6.5);
}

// u = 1 gives the first control point, u = 0 the last; in between the
// degree-5 Bernstein weights.
TEST_F(BezierPatch, EvalBernstein)
{
    POINT_3D p[6];
    for (int i = 0; i < 6; ++i)
        p[i] = view.MakePoint3D(1 << i, 10.0 * i * i, -3.0 * i);
    const POINT_3D at1 = view.EvalBernstein(1.0f, p);
    const POINT_3D at0 = view.EvalBernstein(0.0f, p);
    EXPECT_EQ(at1.x, p[0].x);
    EXPECT_EQ(at1.y, p[0].y);
    EXPECT_EQ(at1.z, p[0].z);
    EXPECT_EQ(at0.x, p[5].x);
    EXPECT_EQ(at0.y, p[5].y);
    EXPECT_EQ(at0.z, p[5].z);

    const double halfWeights[6] = {1, 5, 10, 10, 5, 1};
    const double u = 0.25, v = 0.75;
    const double quarterWeights[6] = {std::pow(u, 5),         5 * std::pow(u, 4) * v,
                                      10 * std::pow(u, 3) * v * v, 10 * u * u * std::pow(v, 3),
                                      5 * u * std::pow(v, 4),     std::pow(v, 5)};
    POINT_3D half{}, quarter{};
    for (int i = 0; i < 6; ++i) {
        half.x += p[i].x * halfWeights[i] / 32;
        half.y += p[i].y * halfWeights[i] / 32;
        half.z += p[i].z * halfWeights[i] / 32;
        quarter.x += p[i].x * quarterWeights[i];
        quarter.y += p[i].y * quarterWeights[i];
        quarter.z += p[i].z * quarterWeights[i];
    }
    const POINT_3D atHalf = view.EvalBernstein(0.5f, p);
    EXPECT_NEAR(atHalf.x, half.x, 1e-12);
    EXPECT_NEAR(atHalf.y, half.y, 1e-12);
    EXPECT_NEAR(atHalf.z, half.z, 1e-12);
    const POINT_3D atQuarter = view.EvalBernstein(0.25f, p);
    EXPECT_NEAR(atQuarter.x, quarter.x, 1e-12);
    EXPECT_NEAR(atQuarter.y, quarter.y, 1e-12);
    EXPECT_NEAR(atQuarter.z, quarter.z, 1e-12);
}

}  // namespace
