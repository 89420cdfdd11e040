// The firemouth cichlid's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species08_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, FiremouthPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    auto listed = [](std::vector<float> segments) { return [segments](int c) { return segments[c]; }; };
    // The fins on the body keep their root in row 1; the pectoral meets the
    // body with its first column only.
    ExpectPartsStayOnTheBody(
        g_Fish08Body,
        {
            {"spiny dorsal fin", At(g_Fish08SpinyDorsal), 15, {1}, 15,
             listed({3, 3, 3, 3.5f, 4, 4, 4.5f, 4.5f, 5.5f, 5.5f, 5.5f, 5.5f, 6, 6, 6})},
            {"soft dorsal fin", At(g_Fish08SoftDorsal), 9, {1}, 9, listed({7, 7.5f, 8, 8.5f, 9, 9.5f, 10, 10, 11})},
            {"tail", At(g_Fish08Tail), 19, {1}, 19, [](int c) { return c == 0 || c == 18 ? 12.0f : 12.5f; }},
            {"pectoral fin", At(g_Fish08Pectoral), 9, {0, 1}, 1, fixed(2.5f)},
            {"pelvic fin", At(g_Fish08Pelvic), 10, {1}, 10, fixed(3)},
            {"eye", At(g_Fish08Eye), 7, {0, 1, 2}, 7, fixed(0)},
            {"upper jaw", At(g_Fish08UpperJaw), 7, {0, 1, 2, 3}, 7, fixed(0)},
            {"lower jaw", At(g_Fish08LowerJaw), 7, {0, 1}, 7, fixed(0)},
        });
}

// The anal fin turns whole with segment 10 while its base runs along the
// belly from segment 7 to 11: only the root over segment 10 keeps its place
// in a turn, and the whole base lies on the belly's midline there.
TEST(FishMeshes, FiremouthAnalFinRootsOnTheBellyAroundSegment10)
{
    ExpectPartsStayOnTheBody(g_Fish08Body, {{"anal fin root at segment 10", &g_Fish08Anal[1][7], 10, {0}, 1,
                                             [](int) { return 10.0f; }}});
    for (int c = 0; c < 10; ++c) {
        const FishVertex& p = g_Fish08Anal[1][c];
        EXPECT_EQ(p.y, 0.0f) << c;
        const float under = SegmentUnder(g_Fish08Body, p.x);
        EXPECT_GE(under, 7.0f) << c;
        EXPECT_LE(under, 11.0f) << c;
        // Within the belly's own depth below the lowest flank row.
        const int j = static_cast<int>(under + 0.5f);
        EXPECT_LT(p.z, g_Fish08Body[3][j].z) << c;
        EXPECT_GT(p.z, g_Fish08Body[4][j].z - 0.01f) << c;
    }
}

}  // namespace
