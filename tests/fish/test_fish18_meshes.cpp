// The harlequin rasbora's mesh tables: the parts hold together in a turn
// (see fish_mesh_checks.h), the jaws and the tail meet the body where they
// join it, and the whole gives the fish its shape: a deep, flat-sided body
// with a big eye, a small mouth above the centre line and a forked tail.
#include "fish/fish_species18.h"
#include "fish/fish_species18_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

float Distance(const FishVertex& a, const FishVertex& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

// The dorsal fin's columns take segment 10 + c / 3; the anal fin's the
// segment positions 7.5 to 12 (a half position the mean of two).
TEST(FishMeshes, HarlequinRasboraPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    const float anal[14] = {7.5f, 8, 8, 8.5f, 8.5f, 9, 9, 10, 10, 11, 11, 12, 12, 12};
    ExpectPartsStayOnTheBody(
        g_Fish18Body,
        {
            {"dorsal fin", At(g_Fish18Dorsal), 8, {0}, 8, [](int c) { return 10.0f + c / 3; }},
            {"anal fin", At(g_Fish18Anal), 14, {0}, 14, [&anal](int c) { return anal[c]; }},
            {"pectoral fin", At(g_Fish18Pectoral), 11, {1}, 11, fixed(4)},
            {"pelvic fin", At(g_Fish18Pelvic), 10, {0}, 10, fixed(6)},
            {"tail", At(g_Fish18Tail), 15, {1}, 15, fixed(14)},
            {"upper jaw", At(g_Fish18UpperJaw), 5, {0, 1, 2, 3}, 5, fixed(0)},
            {"lower jaw", At(g_Fish18LowerJaw), 6, {0, 1, 2}, 6, fixed(0)},
            // The eye's centre: its rim, rigid, spans the head.
            {"eye", At(g_Fish18Eye), 9, {2}, 9, fixed(0.5f)},
        });
}

// The tables hold the y <= 0 side: the body's rows run from the ridge down
// the flank to the belly, one column a segment.
TEST(FishSpecies18Mesh, BodyRowsRunFromTheRidgeToTheBellyOnTheStoredSide)
{
    ExpectStoredHalfBodyRowsAlongTheSegments(g_Fish18Body);
}

TEST(FishSpecies18Mesh, ADeepFlatSidedBodyWithANarrowTailStalk)
{
    const auto [top, bottom, side] = BoxOf(g_Fish18Body);
    const float length = g_Fish18Body[0][14].x - g_Fish18LowerJaw[0][3].x;
    EXPECT_GT((top - bottom) / length, 0.3f) << "deep";
    EXPECT_LT(2 * side / (top - bottom), 0.45f) << "flat-sided";
    const float stalk = g_Fish18Body[0][14].z - g_Fish18Body[5][14].z;
    EXPECT_LT(stalk, 0.35f * (top - bottom)) << "a narrow tail stalk";
    // Deepest ahead of the dorsal fin.
    int deepest = 0;
    for (int j = 1; j < 15; ++j)
        if (g_Fish18Body[0][j].z - g_Fish18Body[5][j].z > g_Fish18Body[0][deepest].z - g_Fish18Body[5][deepest].z)
            deepest = j;
    EXPECT_LT(g_Fish18Body[0][deepest].x, g_Fish18Dorsal[0][0].x);
}

// Both jaws start on the body's first section (the upper on its rows from
// the ridge, the lower from the lips down); their tips close on the midline,
// the lower jaw's a little further forward; the lower jaw's last two columns
// stand at its tip.
TEST(FishSpecies18Mesh, JawsCloseTheHeadAndMeetAtASmallMouthAboveTheMiddle)
{
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(g_Fish18UpperJaw[r][0].x, g_Fish18Body[0][0].x) << "on the body's first section, row " << r;
        EXPECT_NEAR(g_Fish18UpperJaw[r][4].y, 0.0f, 0.008f) << "the tip closes toward the midline";
        EXPECT_LT(g_Fish18UpperJaw[r][4].x, g_Fish18UpperJaw[r][0].x) << "toward the snout";
    }
    EXPECT_NEAR(Distance(g_Fish18UpperJaw[0][0], g_Fish18Body[0][0]), 0.0f, 1e-6) << "the ridge";
    EXPECT_NEAR(Distance(g_Fish18LowerJaw[2][0], g_Fish18Body[5][0]), 0.0f, 1e-6) << "the chin on the belly line";
    EXPECT_NEAR(Distance(g_Fish18UpperJaw[3][0], g_Fish18LowerJaw[1][0]), 0.0f, 1e-6) << "the lips meet at the body";
    for (int r = 0; r < 3; ++r) {
        EXPECT_LT(g_Fish18LowerJaw[r][3].x, g_Fish18UpperJaw[0][4].x) << "the lower jaw reaches further, row " << r;
        for (int c : {4, 5}) {
            EXPECT_EQ(g_Fish18LowerJaw[r][c].x, g_Fish18LowerJaw[r][3].x) << "the mouth's columns at the tip";
            EXPECT_EQ(g_Fish18LowerJaw[r][c].z, g_Fish18LowerJaw[r][3].z);
        }
    }
    const float middle = 0.5f * (g_Fish18Body[0][0].z + g_Fish18Body[5][0].z);
    EXPECT_GT(g_Fish18LowerJaw[1][3].z, middle) << "the mouth above the centre line";
}

// The eye: a dome on the head over segment 0.5, large for the head, above
// the centre line.
TEST(FishSpecies18Mesh, ABigEyeHighOnTheHead)
{
    const FishVertex& centre = g_Fish18Eye[2][0];
    float radius = 0;
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(Distance(g_Fish18Eye[2][c], centre), 0.0f) << "one centre point";
        radius = std::max(radius, Distance(g_Fish18Eye[1][c], centre));
        EXPECT_LT(g_Fish18Eye[2][c].y, g_Fish18Eye[0][c].y) << "the centre stands out from the iris ring";
    }
    EXPECT_NEAR(Distance(g_Fish18Eye[0][8], g_Fish18Eye[0][0]), 0.0f, 1e-6) << "the ring closes";
    const float x = 0.5f * (g_Fish18Body[0][0].x + g_Fish18Body[0][1].x);
    EXPECT_NEAR(centre.x, x, 0.005f) << "over segment 0.5";
    const float depth = g_Fish18Body[0][1].z - g_Fish18Body[5][1].z;
    EXPECT_GT(2 * radius, 0.35f * depth) << "large for the head";
    EXPECT_GT(centre.z, 0.5f * (g_Fish18Body[0][1].z + g_Fish18Body[5][1].z));
}

TEST(FishSpecies18Mesh, FinsStandWhereTheyBelong)
{
    for (int c = 0; c < 8; ++c)
        EXPECT_GT(g_Fish18Dorsal[1][c].z, g_Fish18Dorsal[0][c].z + 0.02f) << "the dorsal fin stands up, " << c;
    for (int c = 0; c < 14; ++c)
        EXPECT_LT(g_Fish18Anal[1][c].z, g_Fish18Anal[0][c].z - 0.01f) << "the anal fin hangs down, " << c;
    for (int c = 0; c < 11; ++c) {
        EXPECT_GT(g_Fish18Pectoral[0][c].x, g_Fish18Pectoral[1][c].x) << "the pectoral's edge behind its root";
        EXPECT_LT(g_Fish18Pectoral[0][c].y, g_Fish18Pectoral[1][c].y) << "and out from the flank";
    }
    for (int c = 0; c < 10; ++c)
        EXPECT_LT(g_Fish18Pelvic[1][c].z, g_Fish18Pelvic[0][c].z) << "the pelvic fin points down";
    // The tail: its roots on the stalk's end, the edge from the upper tip
    // in to the fork and out to the lower tip, the fork well in front of the tips.
    for (int c = 0; c < 15; ++c) {
        EXPECT_GT(g_Fish18Tail[0][c].x, g_Fish18Tail[1][c].x + 0.05f) << c;
        EXPECT_LE(g_Fish18Tail[1][c].z, g_Fish18Body[0][14].z) << "roots within the stalk, " << c;
        EXPECT_GE(g_Fish18Tail[1][c].z, g_Fish18Body[5][14].z) << c;
    }
    const float tips = std::min(g_Fish18Tail[0][0].x, g_Fish18Tail[0][14].x);
    EXPECT_LT(g_Fish18Tail[0][7].x, tips - 0.06f) << "deeply forked";
    EXPECT_GT(g_Fish18Tail[0][0].z, g_Fish18Body[0][14].z + 0.04f) << "the upper lobe";
    EXPECT_LT(g_Fish18Tail[0][14].z, g_Fish18Body[5][14].z - 0.04f) << "the lower lobe";
}

TEST(FishSpecies18Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies18);
}

}  // namespace
