// The Boesemani rainbowfish's mesh tables: the body's rows from the ridge to
// the belly line, deep and flat-sided; the jaws closing the head in front of
// it; both dorsal fins on the back with a notch between them; the fins on
// their sides of the body with their edge rows where the class waves them;
// and every part standing over the body segments whose bend it takes.
#include "fish/fish_species12.h"
#include "fish/fish_species12_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishSpecies12Mesh, TheBodyRunsFromTheRidgeDownTheFlankToTheBellyLine)
{
    float deepest = 0, widest = 0;
    for (int j = 0; j < 18; ++j) {
        EXPECT_EQ(g_Fish12Body[0][j].y, 0.0f) << j;
        EXPECT_NEAR(g_Fish12Body[5][j].y, 0.0f, 1e-6) << j;
        for (int r = 1; r < 6; ++r) {
            EXPECT_EQ(g_Fish12Body[r][j].x, g_Fish12Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(g_Fish12Body[r][j].z, g_Fish12Body[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r < 5; ++r) {
            EXPECT_LT(g_Fish12Body[r][j].y, 0.0f) << "the stored half, " << r << " " << j;
            EXPECT_LT(g_Fish12Body[r][j].ny, 0.0f) << "flank normals face out, " << r << " " << j;
            widest = std::max(widest, -g_Fish12Body[r][j].y);
        }
        if (j > 0) {
            EXPECT_GT(g_Fish12Body[0][j].x, g_Fish12Body[0][j - 1].x) << "head to tail, " << j;
        }
        deepest = std::max(deepest, g_Fish12Body[0][j].z - g_Fish12Body[5][j].z);
    }
    // Deep and flat: the depth a third of the body's length or more, the width
    // under a third of the depth.
    const float length = g_Fish12Body[0][17].x - g_Fish12UpperJaw[0][5].x;
    EXPECT_GT(deepest, length / 3);
    EXPECT_LT(2 * widest, deepest / 3);
}

TEST(FishSpecies12Mesh, TheJawsCloseTheHeadInFrontOfTheBody)
{
    for (int r = 0; r < 4; ++r) {
        EXPECT_NEAR(g_Fish12UpperJaw[r][0].x, g_Fish12Body[r][0].x, 1e-6) << "on body column 0, row " << r;
        EXPECT_NEAR(g_Fish12UpperJaw[r][0].z, g_Fish12Body[r][0].z, 1e-6) << r;
        for (int c = 1; c < 6; ++c)
            EXPECT_LT(g_Fish12UpperJaw[r][c].x, g_Fish12UpperJaw[r][c - 1].x) << "toward the tip, " << r << " " << c;
    }
    for (int r = 0; r < 3; ++r) {
        EXPECT_NEAR(g_Fish12LowerJaw[r][0].z, g_Fish12Body[3 + r][0].z, 1e-6) << "body rows 3 to 5, row " << r;
        // Its columns past the tip stay there: they do not open with the rest.
        for (int c = 4; c < 6; ++c)
            EXPECT_NEAR(g_Fish12LowerJaw[r][c].x, g_Fish12LowerJaw[r][3].x, 1e-6) << r << " " << c;
    }
    EXPECT_NEAR(g_Fish12UpperJaw[3][5].z, g_Fish12LowerJaw[0][3].z, 1e-6) << "the jaws meet at the tip";
}

TEST(FishSpecies12Mesh, TwoDorsalFinsOnTheBackWithANotchBetween)
{
    const auto height = [](int c) { return g_Fish12Dorsal[1][c].z - g_Fish12Dorsal[0][c].z; };
    for (int c = 0; c < 10; ++c)
        EXPECT_GE(height(c), 0.0f) << "the edge above its root, " << c;
    EXPECT_GT(height(0), 0.04f) << "the first fin";
    EXPECT_LT(height(3), 1e-6f) << "the notch down to the back";
    const float second = std::max({height(5), height(6), height(7)});
    EXPECT_GT(second, height(0)) << "the second fin is the taller";
    // The anal fin's edge hangs below the belly line all along, and reaches
    // further than the second dorsal fin.
    const auto belly = [](float x) {
        int j = 0;
        while (j < 16 && g_Fish12Body[5][j + 1].x < x)
            ++j;
        const FishVertex &a = g_Fish12Body[5][j], &b = g_Fish12Body[5][j + 1];
        return a.z + (b.z - a.z) * std::clamp((x - a.x) / (b.x - a.x), 0.0f, 1.0f);
    };
    for (int c = 1; c < 44; ++c)
        EXPECT_LT(g_Fish12Anal[1][c].z, belly(g_Fish12Anal[1][c].x)) << c;
    EXPECT_GT(g_Fish12Anal[1][0].x - g_Fish12Anal[1][44].x, g_Fish12Dorsal[1][8].x - g_Fish12Dorsal[0][4].x);
    // The tail: edge behind its root, forked (its middle short of its tips).
    for (int c = 0; c < 31; ++c)
        EXPECT_GT(g_Fish12Tail[0][c].x, g_Fish12Tail[1][c].x) << c;
    EXPECT_LT(g_Fish12Tail[0][15].x, std::min(g_Fish12Tail[0][0].x, g_Fish12Tail[0][30].x) - 0.04f);
    // Paired fins: the edge rows (0) out beyond the roots; the pelvic below the belly.
    for (int c = 0; c < 20; ++c)
        EXPECT_LT(g_Fish12Pectoral[0][c].y, g_Fish12Pectoral[1][c].y) << c;
    for (int c = 0; c < 17; ++c)
        EXPECT_LT(g_Fish12Pelvic[0][c].z, g_Fish12Pelvic[1][c].z) << c;
}

TEST(FishSpecies12Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies12, 1.0f, 2.0f);
}

TEST(FishSpecies12Mesh, PartsStandOverTheSegmentsWhoseBendTheyTake)
{
    ExpectPartsStayOnTheBody(
        g_Fish12Body,
        {
            {"dorsal", At(g_Fish12Dorsal), 10, {0}, 10, [](int c) { return 8.0f + c; }},
            {"anal", At(g_Fish12Anal), 45, {0}, 45, [](int c) { return c < 33 ? 14.0f - c / 11 : 11.0f; }},
            {"tail", At(g_Fish12Tail), 31, {1}, 31, [](int) { return 16.0f; }},
            {"pectoral", At(g_Fish12Pectoral), 20, {1}, 20, [](int) { return 4.0f; }},
            {"pelvic", At(g_Fish12Pelvic), 17, {1}, 17, [](int) { return 4.0f; }},
            // The eye's centre.
            {"eye", At(g_Fish12Eye), 9, {0}, 9, [](int) { return 0.0f; }},
            {"upper jaw", At(g_Fish12UpperJaw), 6, {0, 1, 2, 3}, 6, [](int) { return 0.0f; }},
            {"lower jaw", At(g_Fish12LowerJaw), 6, {0, 1, 2}, 6, [](int) { return 0.0f; }},
        });
}

}  // namespace
