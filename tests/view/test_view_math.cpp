// Sizes and matrices the game window derives from its client area.
#include "view/tank_view.h"

#include <gtest/gtest.h>

TEST(ShadowMapSize, FollowsTheClientArea)
{
    struct Case {
        int cx, cy;
        bool anySize;
        int maxSize;
        int prevW, prevH;
        int w, h;
    };
    const Case cases[] = {
        {1000, 700, false, 2048, 1, 1, 512, 512},
        {1000, 700, true, 2048, 1, 1, 1000, 700},
        {4000, 3000, true, 2048, 1, 1, 2048, 2048},
        {4000, 3000, false, 1024, 1, 1, 1024, 1024},
        {1024, 1, false, 2048, 1, 1, 1024, 1},
        {0, 500, false, 2048, 256, 128, 256, 256},  // a zero width keeps the previous width
        {1280, 720, false, 2048, 1, 1, 1024, 512},
    };
    for (const Case& c : cases) {
        int w = c.prevW;
        int h = c.prevH;
        ComputeShadowMapSize(c.cx, c.cy, c.anySize, c.maxSize, &w, &h);
        EXPECT_EQ(w, c.w) << c.cx << "x" << c.cy;
        EXPECT_EQ(h, c.h) << c.cx << "x" << c.cy;
    }
}

TEST(ShadowMapSize, FloorPowerOfTwo)
{
    const int values[][2] = {{1, 1}, {2, 2}, {3, 2}, {700, 512}, {1024, 1024}, {1025, 1024}};
    for (const auto& v : values)
        EXPECT_EQ(FloorPowerOfTwo(v[0]), v[1]);
}

TEST(Frustum, HalfSideOnTheShorterAxis)
{
    double f[4];
    ComputeFrustum(1600, 800, f);
    EXPECT_DOUBLE_EQ(f[0], -0.8);
    EXPECT_DOUBLE_EQ(f[1], 0.8);
    EXPECT_DOUBLE_EQ(f[2], -0.4);
    EXPECT_DOUBLE_EQ(f[3], 0.4);
    ComputeFrustum(500, 1000, f);
    EXPECT_DOUBLE_EQ(f[0], -0.4);
    EXPECT_DOUBLE_EQ(f[3], 0.8);
    ComputeFrustum(0, 0, f);  // a zero-size window divides by nothing
    EXPECT_DOUBLE_EQ(f[1], 0.4);
}

TEST(ShadowPlanes, IdentityProjectionAndViewGiveTheBiasRows)
{
    float id[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float planes[16];
    ComputeShadowPlanes(id, id, planes);
    const float expected[16] = {0.5f, 0, 0, 0.5f, 0, 0.5f, 0, 0.5f, 0, 0, 0.5f, 0.5f, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(planes[i], expected[i]) << i;
}
