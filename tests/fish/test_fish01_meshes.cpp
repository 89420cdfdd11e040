// The bristlenose pleco's mesh tables: the body's rows from the ridge to the
// belly with the flat head's front ring on the snout caps' lines, the caps
// meeting the body, the fins on their sides, and every part standing over
// the body segments whose bend it takes.
#include "fish/fish_species01.h"
#include "fish/fish_species01_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, BristlenosePlecoPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish01Body,
        {
            {"snout under", At(g_Fish01SnoutUnder), 4, {0, 1}, 4, fixed(0)},
            {"snout top", At(g_Fish01SnoutTop), 4, {0, 1}, 4, fixed(0)},
            {"dorsal fin", At(g_Fish01Dorsal), 4, {1}, 4, [](int c) { return 4.0f + c; }},
            {"anal fin", At(g_Fish01Anal), 7, {1}, 7, [](int c) { return 7.0f + c; }},
            // The eight roots of the fan (row 1, columns 0 to 7) turn with the mean of bends 3 and 4.
            {"pectoral fin", At(g_Fish01Pectoral), 16, {1}, 8, fixed(3.5f)},
            {"pectoral spine", At(g_Fish01PectoralSpine), 5, {0, 1}, 1, fixed(3)},
            {"pelvic fin", At(g_Fish01Pelvic), 4, {0}, 4, [](int c) { return 6.0f + c; }},
            {"adipose fin", At(g_Fish01Adipose), 5, {1}, 5, [](int c) { return 9.0f + c; }},
            {"tail", At(g_Fish01Tail), 20, {1}, 20, fixed(13)},
            {"eye", At(g_Fish01Eye), 9, {0}, 9, fixed(1.5f)},
        });
}

TEST(FishSpecies01Mesh, BodyRowsRunFromTheRidgeToTheBellyAlongTheSegments)
{
    ExpectBodyRowsAlongTheSegments(g_Fish01Body);
    // The tail root at the last column, the tail a little inside its end.
    for (int c = 0; c < 20; ++c)
        EXPECT_NEAR(g_Fish01Tail[1][c].x, g_Fish01Body[0][13].x, 0.006f) << c;
}

TEST(FishSpecies01Mesh, TheSnoutCapsCloseTheHeadOnTheBodysFrontRing)
{
    // The front ring lies on two straight lines, ridge to lateral edge (row 5)
    // and edge to belly: the caps' last columns are those lines' ends.
    auto onLine = [](const FishVertex& a, const FishVertex& b, const FishVertex& p) {
        const float t = (p.z - a.z) / (b.z - a.z);
        EXPECT_NEAR(p.y, a.y + t * (b.y - a.y), 1e-5);
        EXPECT_EQ(p.x, a.x);
    };
    for (int r = 1; r < 5; ++r)
        onLine(g_Fish01Body[0][0], g_Fish01Body[5][0], g_Fish01Body[r][0]);
    for (int r = 6; r < 8; ++r)
        onLine(g_Fish01Body[5][0], g_Fish01Body[8][0], g_Fish01Body[r][0]);
    auto same = [](const FishVertex& a, const FishVertex& b) {
        EXPECT_NEAR(a.x, b.x, 1e-6);
        EXPECT_NEAR(a.y, b.y, 1e-6);
        EXPECT_NEAR(a.z, b.z, 1e-6);
    };
    same(g_Fish01SnoutTop[0][3], g_Fish01Body[0][0]);
    same(g_Fish01SnoutTop[1][3], g_Fish01Body[5][0]);
    same(g_Fish01SnoutUnder[0][3], g_Fish01Body[5][0]);
    same(g_Fish01SnoutUnder[1][3], g_Fish01Body[8][0]);
    // Column 0 at the tip, in front of the body; the two caps share their edge line.
    for (int c = 0; c < 4; ++c) {
        same(g_Fish01SnoutTop[1][c], g_Fish01SnoutUnder[0][c]);
        EXPECT_EQ(g_Fish01SnoutTop[0][c].y, 0.0f);
        EXPECT_NEAR(g_Fish01SnoutUnder[1][c].y, 0.0f, 1e-6);
        if (c > 0) {
            EXPECT_GT(g_Fish01SnoutTop[0][c].x, g_Fish01SnoutTop[0][c - 1].x);
        }
    }
}

TEST(FishSpecies01Mesh, MidlineFinsStandUpAndDownFromTheBackAndTheBelly)
{
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(g_Fish01Dorsal[1][c].y, 0.0f);
        EXPECT_GT(g_Fish01Dorsal[0][c].z, g_Fish01Dorsal[1][c].z + 0.05f) << "a tall sail, column " << c;
        EXPECT_LT(g_Fish01Pelvic[1][c].z, g_Fish01Pelvic[0][c].z) << c;
    }
    for (int c = 0; c < 7; ++c)
        EXPECT_LE(g_Fish01Anal[0][c].z, g_Fish01Anal[1][c].z) << c;
    for (int c = 0; c < 5; ++c)
        EXPECT_GE(g_Fish01Adipose[0][c].z, g_Fish01Adipose[1][c].z) << c;
    // The tail's lower lobe is the longer.
    EXPECT_GT(g_Fish01Tail[0][19].x, g_Fish01Tail[0][0].x);
}

TEST(FishSpecies01Mesh, PairedPartsStayOnTheirSideOfTheMidlineWhileTheyMove)
{
    // The pectoral edge moves up to 0.05 in x and y, the spine up to 0.04: neither crosses.
    for (int c = 0; c < 16; ++c)
        EXPECT_GT(g_Fish01Pectoral[0][c].y, 0.05f) << c;
    for (int k = 0; k < 8; ++k)
        EXPECT_GT(g_Fish01Pectoral[1][k].y, 0.0f) << k;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_GT(g_Fish01PectoralSpine[r][c].y, 0.04f) << c;
    for (const auto& row : g_Fish01Eye)
        for (const FishVertex& p : row)
            EXPECT_GT(p.y, 0.0f);
}

TEST(FishSpecies01Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies01);
}

}  // namespace
