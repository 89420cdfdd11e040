// The green swordtail's mesh tables: the nose column and the mouth corner as
// the class keeps them, every table inside its box, the body's rows from the
// ridge to the belly line, the fins on their sides of the body, and every
// part standing over the body segments whose bend it takes.
#include "fish/fish_species10.h"
#include "fish/fish_species10_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace fish_mesh_checks;

// Stored tables keep six decimals of a position and five of a normal or texture coordinate.
void ExpectStoredVertex(const FishVertex& v, const float (&want)[8], const std::string& what)
{
    const float got[8] = {v.x, v.y, v.z, v.nx, v.ny, v.nz, v.s, v.t};
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(got[i], want[i], i < 3 ? 6e-7 : 6e-6) << what << " value " << i;
}

TEST(FishSpecies10Mesh, TheNoseColumnAndTheMouthCornerAreTheClasssOwn)
{
    const float nose[6][8] = {
        {-0.464683f, 0, -0.00209942f, -0.749392f, 0, 0.662127f, 0.047137f, 1.20245f},
        {-0.450723f, -0.038911f, -0.00226726f, -0.61681f, -0.666792f, 0.41825f, 0.100058f, 1.2028f},
        {-0.455712f, -0.0453241f, -0.0368553f, -0.450856f, -0.891523f, 0.0437628f, 0.100829f, 1.18042f},
        {-0.454247f, -0.0422669f, -0.067858f, -0.364296f, -0.901479f, -0.233718f, 0.0994707f, 1.15942f},
        {-0.445596f, -0.0304073f, -0.0837713f, -0.197144f, -0.361865f, -0.911146f, 0.0976576f, 1.14476f},
        {-0.443262f, 0, -0.0895843f, -0.187722f, 0, -0.982222f, 0.0721735f, 1.12933f},
    };
    for (int r = 0; r < 6; ++r)
        ExpectStoredVertex(g_Fish10Body[r][0], nose[r], "nose row " + std::to_string(r));
    // The jaws start on the nose: the upper on its rows 0 to 3, the lower on 3 to 5.
    for (int r = 0; r < 4; ++r)
        ExpectStoredVertex(g_Fish10UpperJaw[r][0], nose[r], "upper jaw row " + std::to_string(r));
    for (int r = 0; r < 3; ++r)
        ExpectStoredVertex(g_Fish10LowerJaw[r][0], nose[3 + r], "lower jaw row " + std::to_string(r));
    const float corner[2][3][8] = {
        {{-0.45967f, -0.0350836f, -0.0643563f, 0.6002f, 0.55464f, -0.57631f, 0.340696f, 1.04375f},
         {-0.45172f, -0.0484783f, -0.0773318f, 0.493039f, 0.808871f, -0.320374f, 0.36555f, 1.03336f},
         {-0.446273f, -0.0564837f, -0.0897235f, 0.484396f, 0.819206f, -0.30702f, 0.381052f, 1.02344f}},
        {{-0.464012f, -0.0381866f, -0.0643578f, -0.887209f, -0.232144f, -0.398709f, 0.340693f, 1.04375f},
         {-0.453928f, -0.0523528f, -0.0759344f, 0.434555f, -0.628268f, 0.645323f, 0.36854f, 1.03448f},
         {-0.448242f, -0.0601095f, -0.0885859f, 0.464598f, -0.670219f, 0.578753f, 0.383941f, 1.02435f}},
    };
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            ExpectStoredVertex(g_Fish10MouthCorner[r][c], corner[r][c],
                               "mouth corner " + std::to_string(r) + ", " + std::to_string(c));
}

TEST(FishSpecies10Mesh, TheDeepestColumnAndTheStalkEndStandWhereTheClassPutsThem)
{
    EXPECT_NEAR(g_Fish10Body[0][8].x, -0.127111f, 6e-7);
    EXPECT_NEAR(g_Fish10Body[0][8].z, 0.13026f, 6e-7);
    EXPECT_NEAR(g_Fish10Body[5][8].x, -0.185476f, 6e-7);
    EXPECT_NEAR(g_Fish10Body[5][8].z, -0.127666f, 6e-7);
    EXPECT_NEAR(g_Fish10Body[2][8].y, -0.0829142f, 6e-7);
    for (int r = 0; r < 6; ++r) {
        EXPECT_GE(g_Fish10Body[r][8].y, g_Fish10Body[2][8].y - 1e-7f) << "widest at row 2, row " << r;
        EXPECT_EQ(g_Fish10Body[r][17].y, 0.0f) << "the stalk's end lies flat, row " << r;
        EXPECT_GE(g_Fish10Body[r][17].x, 0.323748f - 1e-6f);
        EXPECT_LE(g_Fish10Body[r][17].x, 0.345231f + 1e-6f);
    }
    EXPECT_NEAR(g_Fish10Body[0][17].z, 0.0371115f, 6e-7);
    EXPECT_NEAR(g_Fish10Body[5][17].z, -0.0666223f, 6e-7);
}

// x, y, z, s, t of a table, each from low to high.
struct Box {
    const char* name;
    const FishVertex* points;
    int count;
    float low[5], high[5];
};

template <int R, int C>
constexpr int Count(const FishVertex (&)[R][C])
{
    return R * C;
}

TEST(FishSpecies10Mesh, EveryTableLiesInsideItsBox)
{
    const Box boxes[] = {
        {"body", At(g_Fish10Body), Count(g_Fish10Body), {-0.464683f, -0.0863688f, -0.128643f, 0.047137f, 1.09668f},
         {0.345231f, 0, 0.13026f, 0.993748f, 1.31309f}},
        {"upper jaw", At(g_Fish10UpperJaw), Count(g_Fish10UpperJaw),
         {-0.5f, -0.0453241f, -0.0688345f, 0.00585938f, 1.1553f}, {-0.450723f, 0, -0.00209942f, 0.100829f, 1.2028f}},
        {"lower jaw", At(g_Fish10LowerJaw), Count(g_Fish10LowerJaw),
         {-0.494038f, -0.0422669f, -0.0895843f, 0.0128275f, 1.12933f},
         {-0.443262f, 0, -0.063675f, 0.0994707f, 1.15942f}},
        {"dorsal", At(g_Fish10Dorsal), Count(g_Fish10Dorsal),
         {-0.127977f, -0.00316055f, 0.0427489f, 0.00585938f, 1.76631f},
         {0.231678f, -0.00024997f, 0.211308f, 0.990605f, 1.99707f}},
        {"pectoral", At(g_Fish10Pectoral), Count(g_Fish10Pectoral),
         {-0.280403f, -0.210887f, -0.14223f, 0.00585935f, 1.32024f},
         {-0.168856f, -0.0577049f, -0.0582711f, 0.515667f, 1.49707f}},
        {"pelvic", At(g_Fish10Pelvic), Count(g_Fish10Pelvic),
         {-0.101428f, -0.126534f, -0.210705f, 0.654135f, 1.31934f},
         {0.00656646f, -0.050789f, -0.107287f, 0.994141f, 1.49565f}},
        {"gonopodium", At(g_Fish10Gonopodium), Count(g_Fish10Gonopodium),
         {0.107465f, -0.00207572f, -0.181064f, 0.451172f, 1.50529f},
         {0.239545f, -0.00024997f, -0.0653952f, 0.993015f, 1.72972f}},
        {"tail", At(g_Fish10Tail), Count(g_Fish10Tail), {0.275658f, -0.00348866f, -0.13731f, 0.00585935f, 1.50293f},
         {0.499489f, -0.00024997f, 0.128873f, 0.437511f, 1.75959f}},
        {"eye", At(g_Fish10Eye), Count(g_Fish10Eye), {-0.433381f, -0.0715898f, -0.0314467f, 0.00585936f, 1.00293f},
         {-0.385966f, -0.0455963f, 0.0156149f, 0.18913f, 1.08792f}},
        {"mouth corner", At(g_Fish10MouthCorner), Count(g_Fish10MouthCorner),
         {-0.464012f, -0.0601095f, -0.0897235f, 0.340693f, 1.02344f},
         {-0.446273f, -0.0350836f, -0.0643563f, 0.383941f, 1.04375f}},
    };
    for (const Box& b : boxes)
        for (int i = 0; i < b.count; ++i) {
            const FishVertex& p = b.points[i];
            const float v[5] = {p.x, p.y, p.z, p.s, p.t};
            for (int k = 0; k < 5; ++k) {
                EXPECT_GE(v[k], b.low[k] - 6e-6f) << b.name << " point " << i << " value " << k;
                EXPECT_LE(v[k], b.high[k] + 6e-6f) << b.name << " point " << i << " value " << k;
            }
        }
}

TEST(FishSpecies10Mesh, TheBodyRunsFromTheRidgeDownTheFlankToTheBellyLine)
{
    for (int j = 0; j < 18; ++j) {
        EXPECT_EQ(g_Fish10Body[0][j].y, 0.0f) << j;
        EXPECT_EQ(g_Fish10Body[5][j].y, 0.0f) << j;
        for (int r = 1; r < 6; ++r)
            EXPECT_LT(g_Fish10Body[r][j].z, g_Fish10Body[r - 1][j].z) << "rows go down, column " << j;
        if (j > 0 && j < 17)
            for (int r = 1; r < 5; ++r) {
                EXPECT_LT(g_Fish10Body[r][j].y, 0.0f) << "the stored half, " << r << " " << j;
                EXPECT_LT(g_Fish10Body[r][j].ny, 0.0f) << "flank normals face out, " << r << " " << j;
            }
        if (j > 0) {
            EXPECT_GT(g_Fish10Body[0][j].x, g_Fish10Body[0][j - 1].x) << "head to tail, " << j;
        }
    }
    // Slender: more than three times as long as deep.
    EXPECT_GT(g_Fish10Body[0][17].x - g_Fish10Body[0][0].x, 3 * (g_Fish10Body[0][8].z - g_Fish10Body[5][8].z));
}

TEST(FishSpecies10Mesh, FinsStandOnTheirSidesOfTheBodyAndTheSwordReachesFurthest)
{
    for (int c = 0; c < 14; ++c)
        EXPECT_GT(g_Fish10Dorsal[1][c].z, g_Fish10Dorsal[0][c].z) << "dorsal edge above its root, " << c;
    for (int c = 0; c < 23; ++c)
        EXPECT_GT(g_Fish10Tail[0][c].x, g_Fish10Tail[1][c].x) << "tail edge behind its root, " << c;
    // The sword: the rearmost point of the fish, below the stalk.
    int rearmost = 0;
    for (int c = 1; c < 23; ++c)
        if (g_Fish10Tail[0][c].x > g_Fish10Tail[0][rearmost].x)
            rearmost = c;
    EXPECT_LT(g_Fish10Tail[0][rearmost].z, g_Fish10Body[5][17].z);
    float upperLobe = 0;
    for (int c = 0; c < 23; ++c)
        if (g_Fish10Tail[0][c].z > g_Fish10Body[0][17].z)
            upperLobe = std::max(upperLobe, g_Fish10Tail[0][c].x);
    EXPECT_GT(g_Fish10Tail[0][rearmost].x, upperLobe + 0.04f) << "the sword stands out behind the fin";
    // The gonopodium points down and back from the belly.
    EXPECT_GT(g_Fish10Gonopodium[0][8].x, g_Fish10Gonopodium[0][0].x + 0.1f);
    EXPECT_LT(g_Fish10Gonopodium[1][8].z, g_Fish10Body[5][14].z - 0.05f);
    // Paired fins: off the flank, their edges out beyond their roots and lower.
    for (int c = 0; c < 16; ++c)
        EXPECT_LE(g_Fish10Pectoral[0][c].y, g_Fish10Pectoral[1][c].y) << c;
    for (int c = 0; c < 13; ++c)
        EXPECT_LE(g_Fish10Pelvic[0][c].z, g_Fish10Pelvic[1][c].z) << c;
}

TEST(FishSpecies10Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies10, 1.0f, 2.0f);
}

// The body's columns lean, so the segment under a point is found at its own
// height: between the columns' points interpolated to that height.
float SegmentAtHeight(float x, float z)
{
    float at[18];
    for (int j = 0; j < 18; ++j) {
        at[j] = g_Fish10Body[0][j].x;
        for (int r = 0; r + 1 < 6; ++r) {
            const FishVertex &a = g_Fish10Body[r][j], &b = g_Fish10Body[r + 1][j];
            if (z <= a.z && z >= b.z)
                at[j] = a.x + (b.x - a.x) * (z - a.z) / (b.z - a.z);
        }
        if (z < g_Fish10Body[5][j].z)
            at[j] = g_Fish10Body[5][j].x;
    }
    if (x <= at[0])
        return 0.0f;
    for (int j = 0; j + 1 < 18; ++j)
        if (x <= at[j + 1])
            return j + (x - at[j]) / (at[j + 1] - at[j]);
    return 17.0f;
}

TEST(FishSpecies10Mesh, PartsStandOverTheSegmentsWhoseBendTheyTake)
{
    struct Case {
        const char* name;
        const FishVertex* table;
        int columns;
        std::vector<int> rows;  // those that meet the body
        int drawnColumns;
        std::function<float(int c)> segment;
    } cases[] = {
        {"dorsal", At(g_Fish10Dorsal), 14, {0}, 14, [](int c) { return 8.0f + c / 2; }},
        {"gonopodium", At(g_Fish10Gonopodium), 9, {0, 1}, 3, [](int c) { return 13.0f + c / 3; }},
        {"tail", At(g_Fish10Tail), 23, {1}, 23, [](int) { return 17.0f; }},
        {"pectoral", At(g_Fish10Pectoral), 16, {1}, 16, [](int) { return 4.0f; }},
        {"pelvic", At(g_Fish10Pelvic), 13, {1}, 13, [](int) { return 10.0f; }},
        // The eye's centre: its rim, rigid, spans segments 1 to 2.
        {"eye", At(g_Fish10Eye), 7, {0}, 7, [](int) { return 1.5f; }},
        {"upper jaw", At(g_Fish10UpperJaw), 5, {0, 1, 2, 3}, 5, [](int) { return 0.0f; }},
        {"lower jaw", At(g_Fish10LowerJaw), 5, {0, 1, 2}, 5, [](int) { return 0.0f; }},
        {"mouth corner", At(g_Fish10MouthCorner), 3, {0, 1}, 3, [](int) { return 0.0f; }},
    };
    for (const Case& k : cases)
        for (int row : k.rows)
            for (int c = 0; c < k.drawnColumns; ++c) {
                const FishVertex& p = k.table[row * k.columns + c];
                const float under = SegmentAtHeight(p.x, p.z);
                EXPECT_LT(DriftInTurn(k.segment(c), under, p), 0.012f)
                    << k.name << ", row " << row << ", column " << c << ": stands over segment " << under;
            }
}

}  // namespace
