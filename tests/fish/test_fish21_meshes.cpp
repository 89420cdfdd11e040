// The clown knifefish's mesh tables: the body's rows along its segments, the
// parts standing over the segments whose bend they take (see
// fish_mesh_checks.h), unit normals and texture coordinates inside the
// picture, each part inside the room its class gives it, and the tail's edge
// lowest and highest at the points its pinned wave holds still.
#include "fish/fish_species21.h"
#include "fish/fish_species21_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, KnifefishBodyRowsRunAlongItsSegments)
{
    // Stored on the y <= 0 side: ridge and belly on the midline, the flank
    // and its normals toward -y, each column one place along the body; the
    // last column a thin edge on the midline.
    for (int j = 0; j < 15; ++j) {
        EXPECT_NEAR(g_Fish21Body[0][j].y, 0.0f, 1e-6) << j;
        EXPECT_NEAR(g_Fish21Body[8][j].y, 0.0f, 1e-6) << j;
        for (int r = 1; r < 9; ++r) {
            EXPECT_EQ(g_Fish21Body[r][j].x, g_Fish21Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(g_Fish21Body[r][j].z, g_Fish21Body[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r < 8; ++r) {
            if (j < 14) {
                EXPECT_LT(g_Fish21Body[r][j].y, 0.0f) << r << " " << j;
            } else {
                EXPECT_EQ(g_Fish21Body[r][j].y, 0.0f) << "the body ends in a thin edge, row " << r;
            }
            EXPECT_LT(g_Fish21Body[r][j].ny, 0.0f) << "flank normals face outward, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(g_Fish21Body[0][j].x, g_Fish21Body[0][j - 1].x);
        }
    }
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies21, 1.0f, 2.0f);
}

TEST(FishMeshes, KnifefishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    // The rear parts turn by pairs of columns from segment 8.5 toward 12.5.
    auto rear = [](int c) { return 8.5f + 0.4f * (c / 2); };
    ExpectPartsStayOnTheBody(
        g_Fish21Body,
        {
            {"upper jaw", At(g_Fish21UpperJaw), 4, {0, 1, 2, 3, 4, 5}, 4, fixed(0)},
            {"lower jaw", At(g_Fish21LowerJaw), 4, {0, 1, 2, 3}, 4, fixed(0)},
            {"dorsal root", At(g_Fish21Dorsal), 10, {1}, 10, [](int c) { return 4.0f + 0.3f * c; }},
            {"dorsal fold root", At(g_Fish21DorsalFold), 6, {0}, 6, fixed(7)},
            {"back fold root", At(g_Fish21BackFold), 20, {0}, 20, rear},
            {"pectoral front", At(g_Fish21Pectoral), 7, {0}, 1, fixed(3)},
            {"pectoral rear", At(g_Fish21Pectoral) + 7, 7, {0}, 1, fixed(4)},
            {"pelvic root", At(g_Fish21Pelvic), 5, {1}, 5, fixed(4)},
            {"anal roots", At(g_Fish21Anal), 20, {0}, 10, [](int h) { return 8.5f + 0.4f * h; }},
            {"tail root", At(g_Fish21Tail), 26, {0}, 13, fixed(13)},
            {"eye centre", At(g_Fish21Eye), 9, {0}, 9, fixed(0)},
        });
}

// Every stored point inside the extents its part may take (size-1 units).
TEST(FishMeshes, KnifefishPartsKeepToTheirRoom)
{
    struct Room {
        const char* part;
        float x0, x1, y0, y1, z0, z1;
    } rooms[] = {
        {"body", -0.437f, 0.423f, -0.093f, 0.0f, -0.143f, 0.108f},
        {"upper jaw", -0.5f, -0.425f, -0.044f, 0.0f, -0.050f, 0.034f},
        {"lower jaw", -0.5f, -0.429f, -0.039f, 0.0f, -0.084f, -0.027f},
        {"dorsal", -0.230f, -0.032f, -0.004f, -0.0003f, 0.097f, 0.205f},
        {"dorsal fold", -0.013f, 0.179f, -0.0003f, -0.0003f, 0.083f, 0.140f},
        {"back fold", 0.066f, 0.369f, -0.006f, -0.0003f, -0.028f, 0.078f},
        {"pectoral", -0.291f, -0.222f, -0.335f, -0.063f, -0.043f, 0.043f},
        {"pelvic", -0.256f, -0.190f, -0.055f, -0.017f, -0.205f, -0.131f},
        {"anal front", 0.051f, 0.217f, 0.0003f, 0.0003f, -0.182f, -0.103f},
        {"anal", 0.104f, 0.372f, 0.0003f, 0.005f, -0.102f, -0.001f},
        {"tail", 0.375f, 0.5f, -0.006f, -0.0003f, -0.182f, 0.121f},
        {"eye", -0.451f, -0.417f, -0.048f, -0.028f, -0.018f, 0.019f},
    };
    const float slack = 0.002f;
    for (const Room& room : rooms)
        for (const GridPart& part : kFishSpecies21.parts) {
            if (std::string(part.name) != room.part)
                continue;
            const MeshView& m = part.mesh;
            for (int r = 0; r < m.rows; ++r)
                for (int c = 0; c < m.columns; ++c) {
                    const FishVertex& p = m.At(r, c);
                    const std::string at = std::string(room.part) + " row " + std::to_string(r) + " column " +
                                           std::to_string(c);
                    EXPECT_TRUE(p.x >= room.x0 - slack && p.x <= room.x1 + slack) << at << ": x " << p.x;
                    EXPECT_TRUE(p.y >= room.y0 - slack && p.y <= room.y1 + slack) << at << ": y " << p.y;
                    EXPECT_TRUE(p.z >= room.z0 - slack && p.z <= room.z1 + slack) << at << ": z " << p.z;
                }
        }
}

TEST(FishMeshes, KnifefishTailEdgeIsLowestAndHighestWhereItsWaveIsPinned)
{
    const auto& edge = g_Fish21Tail[1];
    for (int c = 0; c < 26; ++c) {
        EXPECT_GE(edge[c].z, edge[3].z) << c;
        EXPECT_LE(edge[c].z, edge[23].z) << c;
    }
    for (int h = 1; h < 13; ++h)
        EXPECT_GT(g_Fish21Tail[0][h].z, g_Fish21Tail[0][h - 1].z) << "the root runs up the tail's root";
}

}  // namespace
