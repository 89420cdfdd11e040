// The neon tetra's mesh tables: its parts hold together in a turn (see
// fish_mesh_checks.h), each table lies in its place, the snout and the fins
// meet the body, and the picture's coordinates are where its painter paints.
#include "fish/fish_species17.h"
#include "fish/fish_species17_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, NeonTetraPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    // The belly fin's columns take the bend at these segments (half steps are means).
    const float analSegments[8] = {10.5f, 11, 11, 11.5f, 12, 12, 12.5f, 12.5f};
    ExpectPartsStayOnTheBody(
        g_Fish17Body,
        {
            // Back fin column c takes bend 7 + c / 2 (whole segments).
            {"back fin", At(g_Fish17Dorsal), 6, {0}, 6, [](int c) { return 7.0f + c / 2; }},
            {"belly fin", At(g_Fish17Anal), 8, {0}, 8, [&](int c) { return analSegments[c]; }},
            {"tail", At(g_Fish17Tail), 20, {0}, 20, fixed(15)},
            // Paired fins keep their root row last.
            {"pectoral fin", At(g_Fish17Pectoral), 12, {1}, 12, fixed(4)},
            // The eye turns with the mean of segments 1 and 2; its centre meets
            // the head. (The snout meets the body only in the head's first
            // section, which is the body's own column: see below.)
            {"eye", At(g_Fish17Eye), 6, {2}, 6, fixed(1.5f)},
        });
}

TEST(FishMeshes, NeonTetraPelvicFinsHangCloseToTheirSegment)
{
    // The pelvic fins take the pectorals' bend (segment 4) though they hang
    // behind them: their roots stand within a third of a segment of it, so
    // that mid-turn they keep to the belly.
    for (int c = 0; c < 12; ++c) {
        const FishVertex& p = g_Fish17Pelvic[1][c];
        const float under = SegmentUnder(g_Fish17Body, p.x);
        EXPECT_LT(std::fabs(under - 4.0f), 0.34f) << c;
        EXPECT_LT(DriftInTurn(4.0f, under, p), 0.022f) << c;
    }
}


TEST(FishMeshes, NeonTetraTablesLieWithinTheirPlacesWithUnitNormals)
{
    const TableExtents cases[] = {
        // The body is a little deeper than 0.184 (a neon's depth is about a
        // quarter of its length to the tail root).
        Extents("body", g_Fish17Body, {-0.4573f, 0.3627f}, {-0.07491f, 0.0f}, {-0.1155f, 0.0965f}, {0.05793f, 0.9941f},
                {1.401f, 1.727f}),
        Extents("upper snout", g_Fish17UpperSnout, {-0.4981f, -0.4486f}, {-0.04785f, 0.0f}, {-0.05702f, 0.02525f},
                {0.008079f, 0.09504f}, {1.495f, 1.623f}),
        Extents("lower snout", g_Fish17LowerSnout, {-0.5f, -0.4486f}, {-0.03687f, 0.0f}, {-0.06156f, -0.01716f},
                {0.005859f, 0.09357f}, {1.469f, 1.548f}),
        Extents("back fin", g_Fish17Dorsal, {-0.08374f, 0.0249f}, {-0.00025f, -0.00025f}, {0.07655f, 0.181f},
                {0.3379f, 0.6014f}, {1.741f, 1.994f}),
        // The pectorals' base reaches a little higher up the flank, where it
        // is narrower, so that seen from above the fin grows out of the body.
        Extents("pectoral fins", g_Fish17Pectoral, {-0.2756f, -0.1342f}, {-0.1117f, -0.0612f}, {-0.0261f, 0.08095f},
                {0.005859f, 0.4526f}, {1.008f, 1.614f}),
        Extents("pelvic fins", g_Fish17Pelvic, {-0.1829f, -0.07652f}, {-0.08354f, -0.02064f}, {-0.181f, -0.08911f},
                {0.4668f, 0.6469f}, {1.006f, 1.195f}),
        Extents("belly fin", g_Fish17Anal, {0.08984f, 0.2267f}, {0.00025f, 0.001792f}, {-0.1689f, -0.05016f},
                {0.6113f, 0.9019f}, {1.742f, 1.994f}),
        Extents("tail", g_Fish17Tail, {0.3042f, 0.4995f}, {-0.002781f, -0.00025f}, {-0.1179f, 0.1073f},
                {0.6621f, 0.9933f}, {1.006f, 1.388f}),
        Extents("eyes", g_Fish17Eye, {-0.4554f, -0.4128f}, {-0.06587f, -0.04084f}, {-0.03655f, 0.01259f},
                {0.4763f, 0.635f}, {1.21f, 1.382f}),
    };
    ExpectTablesWithinTheirExtents(cases);
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies17, 1.0f, 2.0f);
}

TEST(FishMeshes, NeonTetraBodyRunsRidgeToBellyAndEndsFlatAtTheTailRoot)
{
    const auto& b = g_Fish17Body;
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(b[0][j].y, 0.0f) << "ridge on the midline, column " << j;
        EXPECT_EQ(b[5][j].y, 0.0f) << "belly on the midline, column " << j;
        for (int r = 1; r < 6; ++r) {
            EXPECT_LT(b[r][j].z, b[r - 1][j].z) << "rows go down, column " << j;
            if (j > 0) {
                EXPECT_EQ(b[r][j].x, b[0][j].x) << "column " << j << " is one section";
                EXPECT_GT(b[0][j].x, b[0][j - 1].x);
            }
        }
        for (int r = 1; r < 5; ++r)
            EXPECT_LT(b[r][j].ny, 0.0f) << "flank normals face -y, " << r << " " << j;
    }
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(b[r][15].y, 0.0f) << "the tail root is pinched flat, row " << r;
    // Slender: some four times as long as deep, and narrower than deep.
    const auto [top, bottom, side] = BoxOf(b);
    const float length = b[0][15].x - b[0][0].x;
    EXPECT_GT(length, 3.6f * (top - bottom));
    EXPECT_LT(2 * side, 0.8f * (top - bottom));
}

TEST(FishMeshes, NeonTetraHeadFrontAndBackFinEndsAreTheGamesOwn)
{
    // The head's first section (ridge to belly) and the back fin's first and
    // last columns (root, then edge), as the game keeps them.
    struct Point {
        const FishVertex& p;
        std::array<float, 8> want;
    } const points[] = {
        {g_Fish17Body[0][0], {-0.454544f, 0, 0.0252506f, -0.35702f, 0, 0.934097f, 0.0579332f, 1.62311f}},
        {g_Fish17Body[1][0],
         {-0.450287f, -0.0375214f, 0.0220768f, -0.371329f, -0.418816f, 0.828678f, 0.0938027f, 1.60621f}},
        {g_Fish17Body[2][0],
         {-0.457283f, -0.0478516f, -0.00013699f, -0.490546f, -0.866308f, 0.0942032f, 0.0950447f, 1.5744f}},
        {g_Fish17Body[3][0],
         {-0.457031f, -0.0452421f, -0.0342043f, -0.399676f, -0.910468f, -0.106337f, 0.093114f, 1.52967f}},
        {g_Fish17Body[4][0],
         {-0.448593f, -0.0350495f, -0.0570248f, -0.317787f, -0.386728f, -0.865709f, 0.0935725f, 1.4945f}},
        {g_Fish17Body[5][0], {-0.451737f, 0, -0.0615567f, -0.380499f, 0, -0.924781f, 0.0611494f, 1.46901f}},
        {g_Fish17Dorsal[0][0],
         {-0.0837403f, -0.00025f, 0.0826541f, -0.115551f, -0.992142f, 0.0479874f, 0.337891f, 1.75548f}},
        {g_Fish17Dorsal[1][0],
         {-0.0722657f, -0.00025f, 0.133435f, -0.0208206f, -0.999684f, 0.0140934f, 0.365725f, 1.87866f}},
        {g_Fish17Dorsal[0][5], {0.0249023f, -0.00025f, 0.0765506f, 0, -1, 0, 0.601427f, 1.74067f}},
        {g_Fish17Dorsal[1][5],
         {0.0136718f, -0.00025f, 0.112927f, 0.0095858f, -0.999944f, 0.00438773f, 0.574185f, 1.82891f}},
    };
    for (const Point& q : points) {
        const std::array<float, 8> got{q.p.x, q.p.y, q.p.z, q.p.nx, q.p.ny, q.p.nz, q.p.s, q.p.t};
        for (int k = 0; k < 8; ++k)
            EXPECT_NEAR(got[k], q.want[k], k < 3 ? 1e-6 : 6e-6) << &q - points << " field " << k;
    }
    // The back fin's edge is highest over its third column.
    float highest = -1;
    int at = -1;
    for (int c = 0; c < 6; ++c)
        if (g_Fish17Dorsal[1][c].z > highest) {
            highest = g_Fish17Dorsal[1][c].z;
            at = c;
        }
    EXPECT_EQ(at, 2);
    EXPECT_NEAR(highest, 0.181f, 5e-4);
}

TEST(FishMeshes, NeonTetraSnoutClosesTheHeadFromItsFirstSection)
{
    // Both halves start on the head's first section, without a crack: the
    // upper on its rows 0 to 4, the lower on rows 4 and 5.
    auto same = [](const FishVertex& a, const FishVertex& b) {
        return a.x == b.x && a.y == b.y && a.z == b.z;
    };
    for (int r = 0; r < 5; ++r)
        EXPECT_TRUE(same(g_Fish17UpperSnout[r][0], g_Fish17Body[r][0])) << r;
    for (int r = 0; r < 2; ++r)
        EXPECT_TRUE(same(g_Fish17LowerSnout[r][0], g_Fish17Body[4 + r][0])) << r;
    // The columns run forward to the tips; the parts past them rest at the tip.
    for (int c = 1; c < 6; ++c)
        EXPECT_LT(g_Fish17UpperSnout[0][c].x, g_Fish17UpperSnout[0][c - 1].x) << c;
    for (int c = 1; c < 4; ++c)
        EXPECT_LT(g_Fish17LowerSnout[1][c].x, g_Fish17LowerSnout[1][c - 1].x) << c;
    for (int r = 0; r < 5; ++r)
        EXPECT_TRUE(same(g_Fish17UpperSnout[r][6], g_Fish17UpperSnout[r][5])) << r;
    for (int r = 0; r < 2; ++r)
        for (int c = 4; c < 7; ++c)
            EXPECT_TRUE(same(g_Fish17LowerSnout[r][c], g_Fish17LowerSnout[r][3])) << r << " " << c;
    // The lips meet: the upper half's row 4 and the lower's row 0 both run
    // from the head's section 4 to the tips, which lie together at the front.
    EXPECT_NEAR(g_Fish17UpperSnout[4][5].z, g_Fish17LowerSnout[0][3].z, 2e-3);
    EXPECT_NEAR(g_Fish17UpperSnout[4][5].x, g_Fish17LowerSnout[0][3].x, 2.5e-3);
    EXPECT_LT(g_Fish17LowerSnout[0][3].x, g_Fish17Body[0][0].x - 0.04f) << "the snout stands ahead of the head";
}

}  // namespace
