// The betta's mesh tables: each part within its room, its roots in the
// body, its columns over the segments whose bend they take (see
// fish_mesh_checks.h), the head closing the body, the eye on the head.
#include "fish/fish_species15.h"
#include "fish/fish_species15_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, BettaPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish15Body,
        {
            {"head", At(g_Fish15Head), 8, {0, 1, 2, 3}, 8, fixed(0)},
            {"lower jaw", At(g_Fish15LowerJaw), 7, {0, 1, 2, 3}, 7, fixed(0)},
            {"eye", At(g_Fish15Eye), 7, {0, 1, 2}, 7, fixed(0)},
            {"dorsal root", At(g_Fish15Dorsal), 23, {1}, 23, fixed(6)},
            {"pectoral root", At(g_Fish15Pectoral), 20, {1}, 20, fixed(3)},
            {"pelvic root", At(g_Fish15Pelvic), 10, {0, 1}, 1, fixed(3)},
            {"anal root", At(g_Fish15Anal), 10, {0}, 10, [](int c) { return 3.0f + c; }},
            {"tail root", At(g_Fish15Tail), 25, {1}, 25, fixed(14)},
        });
}

// Every point of a table, before the size factor.
template <int Rows, int Columns>
std::vector<FishVertex> Points(const FishVertex (&table)[Rows][Columns])
{
    return {&table[0][0], &table[0][0] + Rows * Columns};
}

TEST(FishMeshes, BettaPartsKeepToTheirRoom)
{
    struct Room {
        const char* name;
        std::vector<FishVertex> points;
        std::array<float, 6> box;  // x, y, z: low, high
    } const rooms[] = {
        {"body", Points(g_Fish15Body), {-0.43f, 0.08f, -0.05f, 0.0f, -0.02f, 0.16f}},
        {"head", Points(g_Fish15Head), {-0.50f, -0.43f, -0.04f, 0.0f, 0.0f, 0.08f}},
        {"dorsal", Points(g_Fish15Dorsal), {-0.16f, 0.28f, -0.01f, 0.0f, 0.13f, 0.37f}},
        {"pectoral", Points(g_Fish15Pectoral), {-0.33f, -0.23f, -0.11f, -0.04f, 0.0f, 0.08f}},
        {"pelvic", Points(g_Fish15Pelvic), {-0.34f, -0.18f, -0.05f, -0.01f, -0.33f, 0.0f}},
        {"anal", Points(g_Fish15Anal), {-0.28f, 0.24f, 0.0f, 0.01f, -0.37f, 0.01f}},
        {"tail", Points(g_Fish15Tail), {0.04f, 0.50f, -0.01f, 0.0f, -0.13f, 0.21f}},
        // The eye's rim wraps over the head toward the ridge; its centre stands out (below).
        {"eye", Points(g_Fish15Eye), {-0.46f, -0.42f, -0.04f, 0.0f, 0.05f, 0.09f}},
    };
    constexpr float kSlack = 0.005f;  // the room's figures are rounded to two places
    for (const Room& room : rooms)
        for (const FishVertex& p : room.points) {
            const float at[3] = {p.x, p.y, p.z};
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_GE(at[axis], room.box[2 * axis] - kSlack) << room.name << " axis " << axis;
                EXPECT_LE(at[axis], room.box[2 * axis + 1] + kSlack) << room.name << " axis " << axis;
            }
        }
}

// Between the body's ridge and its belly at x (from the body table).
bool InsideTheOutline(float x, float z)
{
    const auto& b = g_Fish15Body;
    for (int j = 0; j + 1 < 15; ++j)
        if (x >= b[0][j].x && x <= b[0][j + 1].x) {
            const float f = (x - b[0][j].x) / (b[0][j + 1].x - b[0][j].x);
            return z < b[0][j].z + f * (b[0][j + 1].z - b[0][j].z) && z > b[5][j].z + f * (b[5][j + 1].z - b[5][j].z);
        }
    return false;
}

TEST(FishMeshes, BettaBodyRunsRidgeToBellyOnItsLeftHalfAndTheHeadClosesIt)
{
    for (int j = 0; j < 15; ++j) {
        EXPECT_NEAR(g_Fish15Body[0][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_NEAR(g_Fish15Body[5][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < 6; ++r) {
            EXPECT_EQ(g_Fish15Body[r][j].x, g_Fish15Body[0][j].x) << "column " << j << " is one section";
            EXPECT_LT(g_Fish15Body[r][j].z, g_Fish15Body[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r < 5; ++r)
            EXPECT_LT(g_Fish15Body[r][j].ny, 0.0f) << "flank normals face -y, " << r << " " << j;
    }
    // The head from the ridge and the lower jaw to the belly, both from the
    // body's first column; the lips meet at the body and at the tip.
    auto same = [](const FishVertex& a, const FishVertex& b) {
        return std::array<float, 3>{a.x, a.y, a.z} == std::array<float, 3>{b.x, b.y, b.z};
    };
    EXPECT_TRUE(same(g_Fish15Head[0][0], g_Fish15Body[0][0]));
    EXPECT_TRUE(same(g_Fish15LowerJaw[3][0], g_Fish15Body[5][0]));
    EXPECT_TRUE(same(g_Fish15Head[3][0], g_Fish15LowerJaw[0][0]));
    ExpectNearPoint({g_Fish15Head[3][7].x, g_Fish15Head[3][7].y, g_Fish15Head[3][7].z},
                    {g_Fish15LowerJaw[0][6].x, g_Fish15LowerJaw[0][6].y, g_Fish15LowerJaw[0][6].z}, "the tip", 1e-6f);
    for (int r = 0; r < 4; ++r)
        EXPECT_LT(g_Fish15Head[r][7].x, g_Fish15Body[0][0].x - 0.05f) << "the snout stands ahead";
    // The mouth turns up: the lips stand higher at the tip than at the body.
    EXPECT_GT(g_Fish15Head[3][7].z, g_Fish15Head[3][0].z);
}

TEST(FishMeshes, BettaFinsRootInTheBodyAndTheEyeClosesOnItsCentre)
{
    // The dorsal's base: one point for the first 12 columns, another for the last 11.
    for (int c = 0; c < 23; ++c) {
        const FishVertex& p = g_Fish15Dorsal[1][c];
        const FishVertex& root = g_Fish15Dorsal[1][c < 12 ? 0 : 12];
        EXPECT_TRUE((std::array<float, 3>{p.x, p.y, p.z} == std::array<float, 3>{root.x, root.y, root.z})) << c;
    }
    EXPECT_LT(g_Fish15Dorsal[1][0].x, g_Fish15Dorsal[1][12].x);
    struct Roots {
        const char* name;
        const FishVertex* points;
        int count;
        float lift;  // what the class adds to z
    } const roots[] = {
        {"dorsal", &g_Fish15Dorsal[1][0], 23, 0.0f},
        {"anal", &g_Fish15Anal[0][0], 10, 0.02f},
        {"tail", &g_Fish15Tail[1][0], 25, 0.0f},
    };
    for (const Roots& r : roots)
        for (int c = 0; c < r.count; ++c) {
            const FishVertex& p = r.points[c];
            EXPECT_TRUE(InsideTheOutline(p.x, p.z + r.lift)) << r.name << " root " << c << " at " << p.x << ", " << p.z;
        }
    // The fins reach out of the body: edges outside its outline.
    for (int c = 0; c < 23; ++c)
        EXPECT_FALSE(InsideTheOutline(g_Fish15Dorsal[0][c].x, g_Fish15Dorsal[0][c].z)) << "dorsal edge " << c;
    for (int c = 0; c < 10; ++c)
        EXPECT_FALSE(InsideTheOutline(g_Fish15Anal[4][c].x, g_Fish15Anal[4][c].z)) << "anal edge " << c;
    // The eye: row C one point, one normal, one texture coordinate; the
    // rings close on their first point; the eye on the head.
    for (int k = 0; k < 7; ++k) {
        const FishVertex& a = g_Fish15Eye[2][k];
        const FishVertex& b = g_Fish15Eye[2][0];
        EXPECT_EQ((std::array<float, 8>{a.x, a.y, a.z, a.nx, a.ny, a.nz, a.s, a.t}),
                  (std::array<float, 8>{b.x, b.y, b.z, b.nx, b.ny, b.nz, b.s, b.t}))
            << k;
    }
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(g_Fish15Eye[r][6].x, g_Fish15Eye[r][0].x);
        EXPECT_EQ(g_Fish15Eye[r][6].z, g_Fish15Eye[r][0].z);
    }
    EXPECT_LT(g_Fish15Eye[2][0].y, g_Fish15Eye[1][0].y) << "the centre stands out of the rim";
    EXPECT_LE(g_Fish15Eye[2][0].y, -0.02f) << "out on the side of the head";
}

TEST(FishMeshes, BettaNormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies15);
}

}  // namespace
