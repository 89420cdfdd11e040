// The tiger barb's mesh tables: the body's back line and every table's box
// as the game gives them, rows along the segments, unit normals, the fins'
// texture clear of the stone another part paints into the picture, and the
// parts holding together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species09.h"
#include "fish/fish_species09_meshes.h"
#include "fish_mesh_checks.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace fish_mesh_checks;

TEST(FishSpecies09Mesh, TheBacklineIsTheGamesOwn)
{
    const float row[12][4] = {
        {-0.445069f, 0.0223778f, 0.0699048f, 1.37357f}, {-0.400696f, 0.0508956f, 0.121639f, 1.4158f},
        {-0.341423f, 0.0873793f, 0.190746f, 1.46982f},  {-0.275196f, 0.122082f, 0.267962f, 1.52121f},
        {-0.182478f, 0.158137f, 0.376063f, 1.57459f},   {-0.0631243f, 0.175827f, 0.515219f, 1.60079f},
        {0.0162518f, 0.14087f, 0.607764f, 1.54903f},    {0.108881f, 0.0934451f, 0.715762f, 1.4788f},
        {0.198204f, 0.0696058f, 0.819905f, 1.4435f},    {0.241375f, 0.0368703f, 0.870239f, 1.39503f},
        {0.292656f, 0.0300746f, 0.930027f, 1.38497f},   {0.335034f, 0.0313631f, 0.979437f, 1.38688f},
    };
    for (int j = 0; j < 12; ++j) {
        const FishVertex& p = g_Fish09Body[0][j];
        EXPECT_NEAR(p.x, row[j][0], 1e-6) << j;
        EXPECT_EQ(p.y, 0.0f) << j;
        EXPECT_NEAR(p.z, row[j][1], 1e-6) << j;
        EXPECT_NEAR(p.s, row[j][2], 1e-5) << j;
        EXPECT_NEAR(p.t, row[j][3], 1e-5) << j;
    }
}

// Each table fills the box the game gives for it at size 1 (to 4 decimals;
// y for the stored half).
TEST(FishSpecies09Mesh, EveryTableFillsItsBox)
{
    const struct {
        const char* part;
        float lo[5], hi[5];  // x, y, z, s, t
    } boxes[] = {
        {"body", {-0.4451f, -0.0793f, -0.2239f, 0.0699f, 1.0089f}, {0.3473f, 0, 0.1758f, 0.9938f, 1.6008f}},
        {"upper jaw", {-0.4905f, -0.0540f, -0.0844f, 0.0169f, 1.2337f}, {-0.4280f, 0, 0.0224f, 0.1451f, 1.3736f}},
        {"lower jaw", {-0.5000f, -0.0441f, -0.1024f, 0.0059f, 1.1887f}, {-0.4280f, 0, -0.0222f, 0.1411f, 1.3076f}},
        {"dorsal", {-0.0650f, -0.0030f, 0.0879f, 0.2168f, 1.7717f}, {0.1420f, -0.0003f, 0.2698f, 0.4847f, 1.9941f}},
        {"keel", {0.1870f, -0.0007f, 0.0331f, 0.0059f, 1.7441f}, {0.2725f, -0.0003f, 0.0813f, 0.1579f, 1.8297f}},
        {"pectoral", {-0.2909f, -0.1543f, -0.1653f, 0.1699f, 1.6113f}, {-0.1389f, -0.0364f, -0.0967f, 0.4881f, 1.7595f}},
        {"pelvic", {-0.0724f, -0.0677f, -0.2687f, 0.0059f, 1.8427f}, {0.0409f, -0.0181f, -0.2058f, 0.2033f, 1.9941f}},
        {"anal", {0.1095f, 0.0003f, -0.2533f, 0.5020f, 1.6121f}, {0.2634f, 0.0029f, -0.0718f, 0.7871f, 1.9485f}},
        {"tail", {0.3027f, -0.0030f, -0.2221f, 0.7974f, 1.6137f}, {0.4999f, -0.0003f, 0.1593f, 0.9941f, 1.9941f}},
        {"eye", {-0.4504f, -0.0609f, -0.0564f, 0.0059f, 1.6113f}, {-0.4198f, -0.0422f, -0.0249f, 0.1280f, 1.7334f}},
    };
    ASSERT_EQ(kFishSpecies09.parts.size(), std::size(boxes));
    for (size_t i = 0; i < std::size(boxes); ++i) {
        const GridPart& part = kFishSpecies09.parts[i];
        ASSERT_STREQ(part.name, boxes[i].part);
        float lo[5] = {9, 9, 9, 9, 9}, hi[5] = {-9, -9, -9, -9, -9};
        for (int r = 0; r < part.mesh.rows; ++r)
            for (int c = 0; c < part.mesh.columns; ++c) {
                const FishVertex& p = part.mesh.At(r, c);
                const float v[5] = {p.x, p.y, p.z, p.s, p.t};
                for (int k = 0; k < 5; ++k) {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
        for (int k = 0; k < 5; ++k) {
            EXPECT_NEAR(lo[k], boxes[i].lo[k], 6e-5) << part.name << " least of " << "xyzst"[k];
            EXPECT_NEAR(hi[k], boxes[i].hi[k], 6e-5) << part.name << " most of " << "xyzst"[k];
        }
    }
}

TEST(FishSpecies09Mesh, BodyRowsRunFromTheRidgeDownTheFlankToTheBelly)
{
    for (int j = 0; j < 12; ++j) {
        EXPECT_EQ(g_Fish09Body[4][j].y, 0.0f) << "belly on the midline, column " << j;
        for (int r = 1; r < 5; ++r)
            EXPECT_LT(g_Fish09Body[r][j].z, g_Fish09Body[r - 1][j].z) << "rows go down, column " << j;
        for (int r = 1; r < 4; ++r) {
            EXPECT_LT(g_Fish09Body[r][j].y, 0.0f) << "the stored half, " << r << " " << j;
            EXPECT_LT(g_Fish09Body[r][j].ny, 0.0f) << "flank normals face outward, " << r << " " << j;
            // A column is one segment; at the tail root the flank reaches back to the box's end.
            EXPECT_NEAR(g_Fish09Body[r][j].x, j == 11 ? 0.3473f : g_Fish09Body[0][j].x, 1e-6) << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(g_Fish09Body[0][j].x, g_Fish09Body[0][j - 1].x);
        }
    }
    // The body is a side view: s along x, t along z, the same rule on every row.
    const FishVertex &a = g_Fish09Body[0][0], &b = g_Fish09Body[0][11], &top = g_Fish09Body[0][5];
    for (const auto& row : g_Fish09Body)
        for (const FishVertex& p : row) {
            EXPECT_NEAR(p.s, a.s + (p.x - a.x) * (b.s - a.s) / (b.x - a.x), 2e-5);
            EXPECT_NEAR(p.t, a.t + (p.z - a.z) * (top.t - a.t) / (top.z - a.z), 2e-5);
        }
}

TEST(FishSpecies09Mesh, NormalsAreUnitAndTextureCoordinatesInThePicture)
{
    for (const GridPart& part : kFishSpecies09.parts)
        for (int r = 0; r < part.mesh.rows; ++r)
            for (int c = 0; c < part.mesh.columns; ++c) {
                const FishVertex& p = part.mesh.At(r, c);
                EXPECT_NEAR(std::sqrt(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz), 1.0f, 1e-3) << part.name;
                EXPECT_TRUE(p.s >= 0 && p.s <= 1 && p.t >= 1 && p.t <= 2) << part.name << " " << r << " " << c;
            }
}

// Decoration A paints its stone into this picture at s 0.693 to 0.7648, t
// 1.1816 to 1.765, and 3 pixels round it (of 512 x 256). No quad of a fin may
// reach into it: a fin's quads lie inside the hull of their four corners,
// so it is enough that each quad's corners are all on one side of the
// rectangle.
TEST(FishSpecies09Mesh, NoFinReachesIntoTheStonesRectangle)
{
    const float ms = 3.0f / 512, mt = 3.0f / 256;
    const float s0 = 0.693f - ms, s1 = 0.7648f + ms, t0 = 1.1816f - mt, t1 = 1.765f + mt;
    for (const GridPart& part : kFishSpecies09.parts) {
        if (std::string(part.name) == "body")
            continue;  // the body's own texture is the side view, which the stone crosses
        for (int r = 0; r + 1 < part.mesh.rows; ++r)
            for (int c = 0; c + 1 < part.mesh.columns; ++c) {
                const FishVertex* q[4] = {&part.mesh.At(r, c), &part.mesh.At(r, c + 1), &part.mesh.At(r + 1, c),
                                          &part.mesh.At(r + 1, c + 1)};
                auto all = [&](auto test) { return std::all_of(q, q + 4, [&](const FishVertex* p) { return test(*p); }); };
                const bool apart = all([&](const FishVertex& p) { return p.s < s0; }) ||
                                   all([&](const FishVertex& p) { return p.s > s1; }) ||
                                   all([&](const FishVertex& p) { return p.t < t0; }) ||
                                   all([&](const FishVertex& p) { return p.t > t1; });
                EXPECT_TRUE(apart) << part.name << " quad " << r << ", " << c;
            }
    }
}

TEST(FishMeshes, TigerBarbPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    // The class's column groups, in segments (k.5: the mean of k and k + 1).
    auto dorsal = [](int c) { return c == 0 ? 5.0f : c <= 2 ? 5.5f : c == 3 ? 6.0f : c <= 5 ? 6.5f : 7.0f; };
    auto keel = [](int c) { return c <= 2 ? 8.0f : c == 3 ? 8.5f : 9.0f; };
    auto anal = [](int c) { return c <= 1 ? 7.0f : c <= 4 ? 7.5f : 8.0f; };
    ExpectPartsStayOnTheBody(
        g_Fish09Body,
        {
            {"dorsal root", At(g_Fish09Dorsal), 8, {1}, 8, dorsal},
            {"keel root", At(g_Fish09Keel), 5, {0}, 5, keel},
            {"anal root", At(g_Fish09Anal), 9, {1}, 9, anal},
            {"pectoral root", At(g_Fish09Pectoral), 6, {1}, 6, fixed(3)},
            {"pelvic root", At(g_Fish09Pelvic), 9, {1}, 9, fixed(5)},
            // The tail's roots of bend 11 stand at the tail root.
            {"tail root", At(g_Fish09Tail) + 2, 14, {1}, 10, fixed(11)},
            // The upper jaw meets the body's front at its last column.
            {"upper jaw", At(g_Fish09UpperJaw) + 5, 6, {0}, 1, fixed(0)},
            {"lower jaw", At(g_Fish09LowerJaw) + 5, 6, {1}, 1, fixed(0)},
        });
}

}  // namespace
