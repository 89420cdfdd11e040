// The oscar's mesh tables: its parts hold together in a turn (see
// fish_mesh_checks.h), its body is deep and oval, its jaws close the head,
// its fins root in the body and its eyes stand out of the head.
#include "fish/fish_species04.h"
#include "fish/fish_species04_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, OscarPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish04Body,
        {
            // Dorsal column c takes bend 8 + c up to 16; anal column c 11 + c up to 16.
            {"dorsal fin", At(g_Fish04Dorsal), 13, {0}, 13, [](int c) { return std::min(8.0f + c, 16.0f); }},
            {"anal fin", At(g_Fish04Anal), 9, {0}, 9, [](int c) { return std::min(11.0f + c, 16.0f); }},
            // The pectoral's seven roots take bend 8, the pelvic's root column
            // the mean of 7 and 8, the tail's nine roots bend 17.
            {"pectoral fin", At(g_Fish04Pectoral), 21, {0}, 7, fixed(8)},
            {"pelvic fin", At(g_Fish04Pelvic), 8, {0, 1}, 1, fixed(7.5f)},
            {"tail", At(g_Fish04Tail), 27, {0}, 9, fixed(17)},
            {"eye", At(g_Fish04Eye), 9, {0}, 5, fixed(3)},
            {"upper jaw", At(g_Fish04UpperJaw), 3, {0, 1, 2, 3, 4, 5}, 3, fixed(0)},
            {"lower jaw", At(g_Fish04LowerJaw), 4, {0, 1, 2, 3}, 4, fixed(0)},
        });
}

// The body's half width at column j and height z (the -y half stored); -1
// above or below it.
float HalfWidth(int j, float z)
{
    const auto& b = g_Fish04Body;
    for (int r = 0; r + 1 < 9; ++r)
        if (z <= b[r][j].z && z >= b[r + 1][j].z) {
            const float f = (b[r][j].z - z) / std::max(b[r][j].z - b[r + 1][j].z, 1e-6f);
            return std::fabs(b[r][j].y + f * (b[r + 1][j].y - b[r][j].y));
        }
    return -1.0f;
}

// The body column nearest x.
int ColumnAt(float x)
{
    int best = 0;
    for (int j = 1; j < 18; ++j)
        if (std::fabs(g_Fish04Body[0][j].x - x) < std::fabs(g_Fish04Body[0][best].x - x))
            best = j;
    return best;
}

TEST(FishMeshes, OscarBodyIsDeepOvalAndStoredOnItsLeftHalf)
{
    ExpectStoredHalfBodyRowsAlongTheSegments(g_Fish04Body, 1e-6f);
    // The ends of the body, and a depth of nearly half its length, thick-set.
    EXPECT_NEAR(g_Fish04Body[0][0].x, -0.4495f, 1e-4);
    EXPECT_NEAR(g_Fish04Body[0][17].x, 0.2997f, 1e-4);
    const auto [top, bottom, side] = BoxOf(g_Fish04Body);
    EXPECT_NEAR(top, 0.2313f, 0.005f);
    EXPECT_NEAR(bottom, -0.1292f, 0.005f);
    EXPECT_NEAR(side, 0.0848f, 0.004f);
}

TEST(FishMeshes, OscarJawsCloseTheHeadAtItsLips)
{
    // Column 0 is the body's first column (upper: rows 0 to 5, lower: 5 to
    // 8); the last column is the lips, in front of the body.
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(g_Fish04UpperJaw[r][0].z, g_Fish04Body[r][0].z) << r;
        EXPECT_EQ(g_Fish04UpperJaw[r][0].y, g_Fish04Body[r][0].y) << r;
        EXPECT_NEAR(g_Fish04UpperJaw[r][2].x, -0.5f, 0.005f) << r;
    }
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(g_Fish04LowerJaw[r][0].z, g_Fish04Body[5 + r][0].z) << r;
        EXPECT_NEAR(g_Fish04LowerJaw[r][3].x, -0.5f, 0.005f) << r;
    }
    EXPECT_EQ(g_Fish04UpperJaw[5][2].z, g_Fish04LowerJaw[0][3].z) << "the lips meet";
}

TEST(FishMeshes, OscarFinsRootInTheBodyAndReachOut)
{
    // Midline fins: the roots of the dorsal and the anal fin (as drawn: 0.02
    // lower and higher than stored) lie within the body's outline at their
    // columns; over the body their edges stand out of it, and the soft rear
    // lobes reach back past the tail root.
    for (int c = 0; c < 13; ++c) {
        const FishVertex& root = g_Fish04Dorsal[0][c];
        const int j = ColumnAt(root.x);
        EXPECT_LT(root.z - 0.02f, g_Fish04Body[0][j].z) << "dorsal root " << c;
        if (c < 8) {
            EXPECT_GT(g_Fish04Dorsal[1][c].z - 0.02f, g_Fish04Body[0][j].z) << "dorsal edge " << c;
        } else {
            EXPECT_GT(g_Fish04Dorsal[1][c].x, g_Fish04Body[0][17].x) << "dorsal lobe " << c;
        }
        EXPECT_LT(std::fabs(root.y), 0.004f);
    }
    for (int c = 0; c < 9; ++c) {
        const FishVertex& root = g_Fish04Anal[0][c];
        const int j = ColumnAt(root.x);
        EXPECT_GT(root.z + 0.02f, g_Fish04Body[8][j].z) << "anal root " << c;
        if (c < 5) {
            EXPECT_LT(g_Fish04Anal[1][c].z + 0.02f, g_Fish04Body[8][j].z) << "anal edge " << c;
        } else {
            EXPECT_GT(g_Fish04Anal[1][c].x, g_Fish04Body[0][16].x) << "anal lobe " << c;
        }
    }
    // The tail's roots stand in the tail root, its edge well behind it.
    for (int k = 0; k < 9; ++k) {
        EXPECT_LT(g_Fish04Tail[0][k].z, g_Fish04Body[0][17].z) << k;
        EXPECT_GT(g_Fish04Tail[0][k].z, g_Fish04Body[8][17].z) << k;
        if (k > 0) {
            EXPECT_LT(g_Fish04Tail[0][k].z, g_Fish04Tail[0][k - 1].z) << "top to bottom";
        }
    }
    for (int c = 0; c < 27; ++c)
        EXPECT_GT(g_Fish04Tail[1][c].x, g_Fish04Body[0][17].x + 0.02f) << c;
    // The pectoral's roots are hidden in the flank, its edge held out.
    const int j8 = 8;
    for (int k = 0; k < 7; ++k) {
        const FishVertex& root = g_Fish04Pectoral[0][k];
        EXPECT_LE(-root.y, HalfWidth(j8, root.z) + 1e-4f) << "root " << k;
    }
    float reach = 0;
    for (int c = 0; c < 21; ++c)
        reach = std::max(reach, -g_Fish04Pectoral[1][c].y);
    EXPECT_GT(reach, 0.18f);
    // The pelvic fin reaches back and down from under the chest to its tip.
    EXPECT_GT(g_Fish04Pelvic[0][7].x, g_Fish04Pelvic[0][0].x + 0.1f);
    EXPECT_LT(g_Fish04Pelvic[0][7].z, g_Fish04Body[8][8].z - 0.05f);
}

TEST(FishMeshes, OscarEyesStandOutOfTheHeadAndCloseOnTheirCentre)
{
    for (int k = 0; k < 9; ++k) {
        const FishVertex& a = g_Fish04Eye[0][k];
        const FishVertex& b = g_Fish04Eye[0][0];
        EXPECT_EQ((std::array<float, 8>{a.x, a.y, a.z, a.nx, a.ny, a.nz, a.s, a.t}),
                  (std::array<float, 8>{b.x, b.y, b.z, b.nx, b.ny, b.nz, b.s, b.t}))
            << "the centre is one point, " << k;
    }
    for (int r = 1; r < 3; ++r) {
        EXPECT_EQ(g_Fish04Eye[r][8].x, g_Fish04Eye[r][0].x) << "the ring closes, row " << r;
        EXPECT_EQ(g_Fish04Eye[r][8].z, g_Fish04Eye[r][0].z) << "the ring closes, row " << r;
    }
    const FishVertex& centre = g_Fish04Eye[0][0];
    EXPECT_NEAR(centre.x, g_Fish04Body[0][3].x, 0.004f) << "over segment 3";
    EXPECT_GT(-centre.y, HalfWidth(3, centre.z)) << "standing out of the flank";
    EXPECT_GT(centre.z, 0.02f) << "high on the head, above the mouth";
    for (int c = 0; c < 9; ++c)
        EXPECT_GT(-g_Fish04Eye[2][c].y, HalfWidth(ColumnAt(g_Fish04Eye[2][c].x), g_Fish04Eye[2][c].z) - 0.002f) << c;
}

TEST(FishMeshes, OscarNormalsAreUnitAndTextureCoordinatesInsideItsPicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies04, 1.0f, 2.0f);
}

}  // namespace
