// The kuhli loach's mesh tables: its parts hold together in a turn (see
// fish_mesh_checks.h), a long eel-like body, a head closed on its first
// column with its barbels at the snout, a pelvic pair low on the flank, a
// tail rooted in the tail stalk, unit normals and texture coordinates inside
// the picture.
#include "fish/fish_species14.h"
#include "fish/fish_species14_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace fish_mesh_checks;

constexpr int kRows = 6, kColumns = 20;

TEST(FishMeshes, LoachPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(g_Fish14Body, {
                                               {"head", At(g_Fish14Head), 5, {0, 1, 2, 3, 4, 5}, 5, fixed(0)},
                                               {"pelvic root", At(g_Fish14Pelvic), 13, {1}, 13, fixed(5)},
                                               {"tail root", At(g_Fish14Tail), 23, {1}, 23, fixed(19)},
                                           });
}

// The body's half width at column j and height z (the -y half stored); -1
// above or below it.
float HalfWidthAt(int j, float z)
{
    const auto& b = g_Fish14Body;
    for (int r = 0; r + 1 < kRows; ++r)
        if (z <= b[r][j].z && z >= b[r + 1][j].z) {
            const float f = (b[r][j].z - z) / std::max(b[r][j].z - b[r + 1][j].z, 1e-6f);
            return std::fabs(b[r][j].y + f * (b[r + 1][j].y - b[r][j].y));
        }
    return -1.0f;
}

TEST(FishSpecies14Mesh, TheBodyRunsRidgeToBellyOnItsLeftHalfAndIsLongAndSlender)
{
    float top = -1, bottom = 1, side = 0;
    for (int j = 0; j < kColumns; ++j) {
        EXPECT_NEAR(g_Fish14Body[0][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_NEAR(g_Fish14Body[kRows - 1][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < kRows; ++r) {
            EXPECT_EQ(g_Fish14Body[r][j].x, g_Fish14Body[0][j].x) << "column " << j << " is one section";
            EXPECT_LT(g_Fish14Body[r][j].z, g_Fish14Body[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r + 1 < kRows; ++r) {
            EXPECT_LT(g_Fish14Body[r][j].y, 0.0f) << r << " " << j;
            EXPECT_LT(g_Fish14Body[r][j].ny, 0.0f) << "flank normals face -y, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(g_Fish14Body[0][j].x, g_Fish14Body[0][j - 1].x);
        }
        for (int r = 0; r < kRows; ++r) {
            top = std::max(top, g_Fish14Body[r][j].z);
            bottom = std::min(bottom, g_Fish14Body[r][j].z);
            side = std::max(side, -g_Fish14Body[r][j].y);
        }
    }
    // With the head, about ten times as long as deep, and round in section.
    const float length = g_Fish14Body[0][kColumns - 1].x - g_Fish14Head[kRows - 2][0].x;
    EXPECT_GT(length, 9.0f * (top - bottom));
    EXPECT_GT(2 * side, 0.6f * (top - bottom));
    EXPECT_LT(2 * side, 1.2f * (top - bottom));
}

TEST(FishSpecies14Mesh, TheHeadClosesTheBodysFirstColumnAndCarriesFourBarbels)
{
    // Its first ring lies on the body's first column, inside it.
    for (int c = 0; c < 5; ++c) {
        const FishVertex& p = g_Fish14Head[0][c];
        EXPECT_EQ(p.x, g_Fish14Body[0][0].x);
        EXPECT_LE(p.z, g_Fish14Body[0][0].z);
        EXPECT_GE(p.z, g_Fish14Body[kRows - 1][0].z);
        EXPECT_LE(-p.y, std::max(HalfWidthAt(0, p.z), 0.0f) + 1e-4f) << c;
    }
    // The rings narrow toward the snout tip, ridge and belly on the midline.
    for (int r = 1; r < 5; ++r) {
        EXPECT_LT(g_Fish14Head[r][0].x, g_Fish14Head[r - 1][0].x) << r;
        EXPECT_LT(-g_Fish14Head[r][2].y, -g_Fish14Head[r - 1][2].y) << r;
        EXPECT_NEAR(g_Fish14Head[r][0].y, 0.0f, 1e-6);
        EXPECT_NEAR(g_Fish14Head[r][4].y, 0.0f, 1e-6);
    }
    // The last row: the barbels' tips at columns 1 and 3, out from the
    // mouth ring, forward of the head and below the snout's middle; the
    // other columns stay on the ring (each barbel a thin spike).
    int barbels = 0;
    for (int c = 0; c < 5; ++c) {
        const FishVertex& ring = g_Fish14Head[4][c];
        const FishVertex& tip = g_Fish14Head[5][c];
        const float reach = std::hypot(tip.x - ring.x, tip.y - ring.y, tip.z - ring.z);
        if (c == 1 || c == 3) {
            ++barbels;
            EXPECT_GT(reach, 0.025f) << c;
            EXPECT_LT(reach, 0.05f) << c;
            EXPECT_LT(tip.y, ring.y) << "out to its own side";
            EXPECT_LT(tip.z, ring.z) << "hanging down";
            EXPECT_LE(tip.x, ring.x + 1e-6f);
            EXPECT_GE(tip.x, -0.5f) << "within the fish's length";
        } else {
            EXPECT_EQ(reach, 0.0f) << c;
        }
    }
    EXPECT_EQ(2 * barbels, 4) << "two a side";
}

TEST(FishSpecies14Mesh, ThePelvicFinsHangFromTheLowerFlankAndTheTailStandsInTheMidline)
{
    const int j = 5;  // the segment they turn with
    for (int c = 0; c < 13; ++c) {
        const FishVertex& root = g_Fish14Pelvic[1][c];
        const FishVertex& edge = g_Fish14Pelvic[0][c];
        EXPECT_NEAR(root.x, g_Fish14Body[0][j].x, 0.025f) << c;
        EXPECT_LT(root.z, 0.5f * (g_Fish14Body[0][j].z + g_Fish14Body[kRows - 1][j].z)) << "low on the flank";
        EXPECT_LE(-root.y, std::max(HalfWidthAt(j, root.z), 0.0f) + 1e-3f) << "rooted in the flank";
        EXPECT_LT(edge.z, root.z) << "hanging down";
        EXPECT_LT(edge.y, root.y) << "and out";
        const float length = std::hypot(edge.x - root.x, edge.y - root.y, edge.z - root.z);
        EXPECT_LT(length, 0.05f) << "a tiny fin";
    }
    for (int c = 0; c < 23; ++c) {
        const FishVertex& root = g_Fish14Tail[1][c];
        const FishVertex& edge = g_Fish14Tail[0][c];
        EXPECT_EQ(root.y, 0.0f);
        EXPECT_EQ(edge.y, 0.0f);
        EXPECT_LT(root.x, g_Fish14Body[0][kColumns - 1].x) << "rooted inside the tail stalk";
        EXPECT_LT(root.z, g_Fish14Body[0][kColumns - 1].z);
        EXPECT_GT(root.z, g_Fish14Body[kRows - 1][kColumns - 1].z);
        EXPECT_GT(edge.x, root.x);
        EXPECT_LE(edge.x, 0.5f);
        if (c > 0) {
            EXPECT_LT(edge.z, g_Fish14Tail[0][c - 1].z) << "the edge from the upper tip down, " << c;
        }
    }
}

TEST(FishSpecies14Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies14);
}

}  // namespace
