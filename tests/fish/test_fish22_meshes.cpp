// The dwarf gourami's mesh tables: the parts hold together in a turn (see
// fish_mesh_checks.h), meet the body where they join it, and give it its
// shape: a deep, thin oval with long thread-like feelers.
#include "fish/fish_species22.h"
#include "fish/fish_species22_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

float Distance(const FishVertex& a, const FishVertex& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

TEST(FishMeshes, DwarfGouramiPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    auto listed = [](std::vector<float> segments) { return [segments](int c) { return segments[size_t(c)]; }; };
    ExpectPartsStayOnTheBody(
        g_Fish22Body,
        {
            {"spiny dorsal fin", At(g_Fish22SpinyDorsal), 5, {0}, 5, listed({4.5f, 5, 6, 7, 7.5f})},
            {"soft dorsal fin", At(g_Fish22SoftDorsal), 7, {0}, 7, listed({7.5f, 8, 9, 10, 11, 12, 13})},
            {"anal fin", At(g_Fish22Anal), 11, {0}, 11, listed({7.5f, 8, 8.5f, 9, 9, 10, 11, 11.5f, 11.5f, 12, 13})},
            {"pectoral fin", At(g_Fish22Pectoral), 14, {0}, 14, fixed(4)},
            {"feeler's root", At(g_Fish22Feeler), 7, {0, 1}, 1, fixed(5)},
            {"tail stalk", At(g_Fish22TailStalk), 9, {0, 1, 2}, 9, fixed(13)},
            {"tail", At(g_Fish22Tail), 9, {0}, 9, fixed(13)},
            {"upper jaw", At(g_Fish22UpperJaw), 4, {0, 1, 2, 3, 4}, 4, fixed(0)},
            {"lower jaw", At(g_Fish22LowerJaw), 4, {0, 1, 2, 3}, 4, fixed(0)},
        });
}

// The tables hold the y <= 0 side: the body's rows run from the ridge down
// the flank to the belly, one column a segment.
TEST(FishSpecies22Mesh, BodyRowsRunFromTheRidgeToTheBellyOnTheStoredSide)
{
    ExpectStoredHalfBodyRowsAlongTheSegments(g_Fish22Body);
}

TEST(FishSpecies22Mesh, ADeepThinOvalBody)
{
    const auto [top, bottom, side] = BoxOf(g_Fish22Body);
    const float length = g_Fish22Body[0][13].x - g_Fish22UpperJaw[0][3].x;
    EXPECT_GT((top - bottom) / length, 0.4f) << "deep";
    EXPECT_LT(2 * side / (top - bottom), 0.35f) << "laterally compressed";
    EXPECT_LT(top - bottom, 0.380448014f) << "inside the hit box's height";
}

TEST(FishSpecies22Mesh, JawsCloseTheHeadAndMeetAtTheMouth)
{
    const int lowerRows[4] = {4, 5, 6, 8};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(g_Fish22UpperJaw[r][0].x, g_Fish22Body[r][0].x) << "on the body's first section, row " << r;
        EXPECT_NEAR(Distance(g_Fish22UpperJaw[r][0], g_Fish22Body[r][0]), 0.0f, 1e-6) << r;
        EXPECT_NEAR(g_Fish22UpperJaw[r][3].y, 0.0f, 1e-6) << "the snout tip closes on the midline";
    }
    for (int r = 0; r < 4; ++r) {
        EXPECT_NEAR(Distance(g_Fish22LowerJaw[r][0], g_Fish22Body[lowerRows[r]][0]), 0.0f, 1e-6) << r;
        EXPECT_NEAR(g_Fish22LowerJaw[r][3].y, 0.0f, 1e-6);
        EXPECT_LT(g_Fish22LowerJaw[r][3].x, g_Fish22LowerJaw[r][0].x) << "toward the snout";
    }
    EXPECT_NEAR(Distance(g_Fish22UpperJaw[4][3], g_Fish22LowerJaw[0][3]), 0.0f, 1e-6) << "the lips meet";
    EXPECT_GT(g_Fish22UpperJaw[4][3].z, 0.0f) << "a mouth above the middle";
}

TEST(FishSpecies22Mesh, TheTailStalkClosesTheBodyAndCarriesTheTail)
{
    for (int k = 0; k < 9; ++k) {
        EXPECT_NEAR(Distance(g_Fish22TailStalk[0][k], g_Fish22Body[k][13]), 0.0f, 1e-6) << "the body's last section";
        EXPECT_EQ(g_Fish22TailStalk[2][k].y, 0.0f) << "drawn in to the midline";
        EXPECT_NEAR(Distance(g_Fish22Tail[0][k], g_Fish22TailStalk[2][k]), 0.0f, 1e-6) << "the tail's root";
        EXPECT_GT(g_Fish22Tail[1][k].x, g_Fish22Tail[0][k].x + 0.07f) << "the fin reaches back";
    }
    EXPECT_GT(g_Fish22Tail[1][0].z, g_Fish22Tail[1][8].z) << "edge from the top to the bottom";
}

TEST(FishSpecies22Mesh, FinsStandWhereTheyBelong)
{
    for (int c = 0; c < 5; ++c)
        EXPECT_GT(g_Fish22SpinyDorsal[1][c].z, g_Fish22SpinyDorsal[0][c].z);
    for (int c = 0; c < 7; ++c)
        EXPECT_GT(g_Fish22SoftDorsal[1][c].z, g_Fish22SoftDorsal[0][c].z);
    EXPECT_GT(g_Fish22SoftDorsal[1][6].x, g_Fish22Body[0][13].x) << "the pointed rear tip reaches over the tail";
    for (int c = 0; c < 11; ++c)
        for (int r = 1; r < 5; ++r)
            EXPECT_LT(g_Fish22Anal[r][c].z, g_Fish22Anal[r - 1][c].z) << "the anal fin hangs down";
    for (int c = 0; c < 14; ++c) {
        EXPECT_GT(g_Fish22Pectoral[1][c].x, g_Fish22Pectoral[0][c].x) << "the pectoral's edge behind its root";
        EXPECT_LT(g_Fish22Pectoral[1][c].y, g_Fish22Pectoral[0][c].y) << "and out from the flank";
    }
}

// The feelers: long threads from the throat, down and back, thin all along.
TEST(FishSpecies22Mesh, TheFeelersAreLongThreadsFromTheThroat)
{
    float length = 0;
    for (int c = 1; c < 7; ++c) {
        length += Distance(g_Fish22Feeler[0][c], g_Fish22Feeler[0][c - 1]);
        EXPECT_GT(g_Fish22Feeler[0][c].x, g_Fish22Feeler[0][c - 1].x) << "back";
        EXPECT_LT(g_Fish22Feeler[0][c].z, g_Fish22Feeler[0][c - 1].z) << "and down";
    }
    for (int c = 0; c < 7; ++c)
        EXPECT_LT(Distance(g_Fish22Feeler[0][c], g_Fish22Feeler[1][c]), 0.02f) << "thin";
    EXPECT_GT(length, 0.3f);
    EXPECT_LT(g_Fish22Feeler[0][0].z, g_Fish22Pectoral[0][13].z) << "rooted below the pectoral fin";
    EXPECT_LT(g_Fish22Feeler[0][6].z, g_Fish22Anal[4][0].z) << "reaching below the anal fin's front";
}

// The eye: high on the head over segment 1, the pupil's disc reaching over
// the ring's inner edge and standing off it.
TEST(FishSpecies22Mesh, TheEyeSitsHighOnTheHead)
{
    float cx = 0, cy = 0, cz = 0;
    for (int k = 0; k < 9; ++k) {
        cx += g_Fish22EyeRing[1][k].x / 9;
        cy += g_Fish22EyeRing[1][k].y / 9;
        cz += g_Fish22EyeRing[1][k].z / 9;
    }
    EXPECT_GT(cz, (g_Fish22Body[0][1].z + g_Fish22Body[8][1].z) / 2) << "above the middle of the head";
    EXPECT_NEAR(cx, g_Fish22Body[0][1].x, 0.01f) << "over segment 1";
    auto radius = [&](const FishVertex& p) { return std::hypot(p.x - cx, p.z - cz); };
    for (int k = 0; k < 10; ++k)
        EXPECT_LT(radius(g_Fish22EyeRing[0][k]), radius(g_Fish22EyeRing[1][k]));
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 2; ++r) {
            EXPECT_GT(radius(g_Fish22Pupil[r][c]), radius(g_Fish22EyeRing[0][0])) << "over the ring's inner edge";
            EXPECT_LT(g_Fish22Pupil[r][c].y, cy) << "standing off the head";
        }
    EXPECT_NEAR(Distance(g_Fish22EyeRing[0][9], g_Fish22EyeRing[0][0]), 0.0f, 1e-6) << "the ring closes";
}

TEST(FishSpecies22Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies22);
}

}  // namespace
