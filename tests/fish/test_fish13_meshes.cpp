// The clown loach's mesh tables: the body's rows and sections, the head parts
// closing it, fins rooted on it over the segments whose bend they take (see
// fish_mesh_checks.h), and points every picture can show.
#include "fish/fish_species13.h"
#include "fish/fish_species13_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, ClownLoachPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish13Body,
        {
            {"upper jaw", At(g_Fish13UpperJaw), 7, {0, 1, 2, 3}, 7, fixed(0)},
            {"lower jaw", At(g_Fish13LowerJaw), 7, {0, 1, 2}, 7, fixed(0)},
            {"dorsal fin", At(g_Fish13Dorsal), 4, {0}, 4, [](int c) { return 8.0f + c; }},
            {"keel", At(g_Fish13Keel), 10, {0}, 10, fixed(15)},
            {"pectoral fin", At(g_Fish13Pectoral), 23, {0}, 23, fixed(4)},
            {"pelvic fin", At(g_Fish13Pelvic), 9, {1}, 9, fixed(4)},
            {"anal fin", At(g_Fish13Anal), 12, {0}, 12, [](int c) { return 10.0f + c / 2; }},
            {"tail", At(g_Fish13Tail), 31, {1}, 31, fixed(18)},
            {"eye", At(g_Fish13Eye), 7, {2}, 7, fixed(0)},
        });
}

TEST(FishMeshes, ClownLoachBodyIsATorpedoStoredOnItsLeftHalf)
{
    const auto& b = g_Fish13Body;
    float top = -1, bottom = 1, side = 0;
    for (int j = 0; j < 20; ++j) {
        EXPECT_NEAR(b[0][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_NEAR(b[5][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < 6; ++r) {
            EXPECT_EQ(b[r][j].x, b[0][j].x) << "column " << j << " is one section";
            EXPECT_LT(b[r][j].z, b[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r < 5; ++r) {
            EXPECT_LT(b[r][j].y, 0.0f) << r << " " << j;
            EXPECT_LT(b[r][j].ny, 0.0f) << "flank normals face -y, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(b[0][j].x, b[0][j - 1].x);
        }
        for (int r = 0; r < 6; ++r) {
            top = std::max(top, b[r][j].z);
            bottom = std::min(bottom, b[r][j].z);
            side = std::max(side, -b[r][j].y);
        }
    }
    // Snout tip to tail tip about one unit; at most a third as deep as long
    // (the head included), and narrower than deep.
    const float front = g_Fish13UpperJaw[0][6].x, back = g_Fish13Tail[0][0].x;
    EXPECT_NEAR(back - front, 1.0f, 0.02f);
    EXPECT_LT(top - bottom, 0.33f * (g_Fish13Body[0][19].x - front));
    EXPECT_LT(2 * side, 0.6f * (top - bottom));
}

TEST(FishMeshes, ClownLoachHeadClosesTheBodyAndTheMouthSitsLow)
{
    // The jaws start on the body's first section and meet at its mouth row;
    // every row of both comes to one snout tip.
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(g_Fish13UpperJaw[r][0].x, g_Fish13Body[r][0].x) << r;
        EXPECT_EQ(g_Fish13UpperJaw[r][0].z, g_Fish13Body[r][0].z) << r;
    }
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(g_Fish13LowerJaw[r][0].z, g_Fish13Body[3 + r][0].z) << r;
        EXPECT_NEAR(g_Fish13LowerJaw[r][3].x, g_Fish13UpperJaw[0][6].x, 1e-6) << r;
        EXPECT_NEAR(g_Fish13LowerJaw[r][3].z, g_Fish13UpperJaw[0][6].z, 1e-6) << r;
    }
    // The snout tip lies below the body's deepest section's middle: the head
    // slopes down to the mouth.
    const float middle = 0.5f * (g_Fish13Body[0][8].z + g_Fish13Body[5][8].z);
    EXPECT_LT(g_Fish13UpperJaw[0][6].z, middle - 0.02f);
    // The barbels hang down from the mouth.
    for (int c = 5; c < 7; ++c)
        EXPECT_LT(g_Fish13LowerJaw[1][c].z, g_Fish13LowerJaw[1][c - 1].z - 0.01f) << c;
    // The eye stands out of the head above the mouth, in front of column 1.
    const FishVertex& eye = g_Fish13Eye[2][0];
    EXPECT_LT(eye.x, g_Fish13Body[0][1].x);
    EXPECT_GT(eye.z, g_Fish13Body[3][0].z);
    for (int k = 1; k < 7; ++k)
        EXPECT_EQ(g_Fish13Eye[2][k].x, eye.x) << "the centre ring is one point";
}

TEST(FishMeshes, ClownLoachTailIsForkedAtItsMiddleColumn)
{
    // The edge comes in from the upper tip to the fork (column 15) and out
    // again to the lower tip, the fork well ahead of both tips.
    const auto& edge = g_Fish13Tail[0];
    for (int c = 1; c <= 15; ++c)
        EXPECT_LT(edge[c].x, edge[c - 1].x + 1e-6f) << c;
    for (int c = 16; c < 31; ++c)
        EXPECT_GT(edge[c].x, edge[c - 1].x - 1e-6f) << c;
    EXPECT_LT(edge[15].x, std::min(edge[0].x, edge[30].x) - 0.06f);
    EXPECT_GT(edge[0].z, 0.1f);
    EXPECT_LT(edge[30].z, -0.1f);
}

TEST(FishMeshes, ClownLoachNormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies13);
}

}  // namespace
