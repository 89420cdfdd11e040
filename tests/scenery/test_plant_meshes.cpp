// The leaf tables against the shapes their plants rely on: root points on the
// pivot, tips where the columns meet, the telling points, bounds, unit
// normals and texture coordinates inside each leaf's part of its texture.
#include "scenery/sway_plant_meshes.h"
#include "plant_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace plant_checks;

TEST(PlantMeshes, SwayLeafA)
{
    const auto& m = g_SwayLeafA;
    // The root is the pivot the placement moves to the origin: exactly the constant it uses.
    EXPECT_EQ(m[0][0].x, -0.492957f);
    EXPECT_EQ(m[0][0].y, 0.403705f);
    EXPECT_EQ(m[0][0].z, -0.379808f);
    ExpectAt(m[0][6], 0.036f, 0.094f, 0.229f, 5e-4f, "column 0 row 6");
    for (int c = 0; c < 4; ++c) {
        ExpectAt(m[c][12], 0.5f, -0.413f, 0.449f, 5e-4f, "tip of column " + std::to_string(c));
        const float s[4] = {0.748f, 0.83f, 0.912f, 0.994f};
        for (int r = 0; r < 13; ++r) {
            EXPECT_EQ(m[c][r].s, s[c]);
            if (r > 0) {
                EXPECT_GT(m[c][r].t, m[c][r - 1].t) << "t rises along the rows";
            }
        }
    }
    const Box b = Bounds(All(m));
    const float low[3] = {-0.5f, -0.41f, -0.45f}, high[3] = {0.5f, 0.41f, 0.45f};
    ExpectBox(b, low, high, "A leaf");
    EXPECT_FLOAT_EQ(b.tLow, 1.055f);
    EXPECT_FLOAT_EQ(b.tHigh, 1.252f);
    ExpectUnitNormals(All(m), "A leaf");
}

TEST(PlantMeshes, SwayBladeB)
{
    const auto& m = g_SwayBladeB;
    EXPECT_EQ(m[0][0].x, 0.0980393f);
    EXPECT_EQ(m[0][0].y, 0.0957351f);
    EXPECT_EQ(m[0][0].z, 0.497306f);
    ExpectAt(m[0][6], -0.016f, 0.017f, -0.003f, 5e-4f, "column 0 row 6");
    const float s[4] = {0.994f, 0.927f, 0.882f, 0.837f};
    for (int c = 0; c < 4; ++c) {
        ExpectAt(m[c][13], -0.119f, -0.096f, -0.5f, 5e-4f, "tip of column " + std::to_string(c));
        for (int r = 0; r < 14; ++r)
            EXPECT_EQ(m[c][r].s, s[c]);
    }
    const Box b = Bounds(All(m));
    const float low[3] = {-0.125f, -0.096f, -0.5f}, high[3] = {0.126f, 0.096f, 0.5f};
    ExpectBox(b, low, high, "B blade");
    EXPECT_FLOAT_EQ(b.tLow, 1.302f);
    EXPECT_FLOAT_EQ(b.tHigh, 1.994f);
    ExpectUnitNormals(All(m), "B blade");
}

TEST(PlantMeshes, SwayLeafC)
{
    const auto& e = g_SwayLeafCEdge;
    const auto& v = g_SwayLeafCVein;
    ExpectAt(e[0][0], -0.0749f, 0.4388f, 0.2457f, 5e-5f, "first half row 0");
    ExpectAt(e[0][6], -0.4937f, 0.2314f, 0.1633f, 5e-5f, "first half row 6");
    ExpectAt(e[1][0], 0.389f, 0.2374f, 0.2484f, 5e-5f, "second half row 0");
    for (int h = 0; h < 2; ++h) {
        ExpectAt(e[h][11], -0.2077f, -0.4656f, 0.0471f, 5e-5f, "tip");
        ExpectAt(v[h][3], 0.052f, 0.0996f, -0.0124f, 5e-5f, "vein end");
    }
    // The halves differ in shape only.
    for (int r = 0; r < 12; ++r) {
        EXPECT_EQ(e[0][r].nx, e[1][r].nx);
        EXPECT_EQ(e[0][r].s, e[1][r].s);
        EXPECT_EQ(e[0][r].t, e[1][r].t);
    }
    const Box edges = Bounds(All(e));
    const float low[3] = {-0.5f, -0.466f, 0.05f}, high[3] = {0.5f, 0.465f, 0.25f};
    ExpectBox(edges, low, high, "C edges");
    EXPECT_FLOAT_EQ(edges.sLow, 0.29f);
    EXPECT_FLOAT_EQ(edges.sHigh, 0.62f);
    EXPECT_FLOAT_EQ(edges.tLow, 1.02f);
    EXPECT_FLOAT_EQ(edges.tHigh, 1.55f);
    const Box vein = Bounds(All(v));
    const float veinLow[3] = {0.05f, 0.10f, -0.012f}, veinHigh[3] = {0.21f, 0.34f, 0.19f};
    ExpectBox(vein, veinLow, veinHigh, "C vein");
    EXPECT_NEAR(vein.sLow, 0.30f, 0.005f);
    EXPECT_NEAR(vein.sHigh, 0.35f, 0.005f);
    EXPECT_GT(vein.tLow, 1.0f);
    EXPECT_LT(vein.tHigh, 1.2f);
    ExpectUnitNormals(All(e), "C edges");
    ExpectUnitNormals(All(v), "C vein");
}

}  // namespace
