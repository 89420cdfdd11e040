// The figure-eight puffer's mesh tables: a round body stored as its -y
// half, the head and mouth closing it in front, the fins rooted in it, the
// tail's roots inside the swaying tail stalk, a big eye high on the head.
#include "fish/fish_species16.h"
#include "fish/fish_species16_meshes.h"
#include "fish_test_util.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kRows = 6, kColumns = 23;
const auto& kBody = g_Fish16Body;

// The body's half width at (x, z), from its table; -1 outside its side view.
float HalfWidth(float x, float z)
{
    if (x < kBody[0][0].x || x > kBody[0][kColumns - 1].x)
        return -1.0f;
    auto at = [&](int j) {
        for (int r = 0; r + 1 < kRows; ++r)
            if (z <= kBody[r][j].z && z >= kBody[r + 1][j].z) {
                const float f = (kBody[r][j].z - z) / std::max(kBody[r][j].z - kBody[r + 1][j].z, 1e-6f);
                return std::fabs(kBody[r][j].y + f * (kBody[r + 1][j].y - kBody[r][j].y));
            }
        return -1.0f;
    };
    int j = 0;
    while (j + 2 < kColumns && x > kBody[0][j + 1].x)
        ++j;
    const float w0 = at(j), w1 = at(j + 1);
    if (w0 < 0 || w1 < 0)
        return -1.0f;
    return w0 + (x - kBody[0][j].x) / (kBody[0][j + 1].x - kBody[0][j].x) * (w1 - w0);
}

// Inside the body's side view at x: between its ridge and its belly.
bool WithinOutline(float x, float z)
{
    for (int j = 0; j + 1 < kColumns; ++j)
        if (x >= kBody[0][j].x && x <= kBody[0][j + 1].x) {
            const float f = (x - kBody[0][j].x) / (kBody[0][j + 1].x - kBody[0][j].x);
            const float top = kBody[0][j].z + f * (kBody[0][j + 1].z - kBody[0][j].z);
            const float bottom = kBody[kRows - 1][j].z + f * (kBody[kRows - 1][j + 1].z - kBody[kRows - 1][j].z);
            return z < top && z > bottom;
        }
    return false;
}

// Inside the body: within its side view and its half width there.
bool InsideBody(const FishVertex& p, float margin = 0.0f)
{
    const float w = HalfWidth(p.x, p.z);
    return w >= 0 && std::fabs(p.y) + margin <= w;
}

TEST(FishSpecies16Mesh, TheBodyIsARoundLeftHalfRunningRidgeToBelly)
{
    for (int j = 0; j < kColumns; ++j) {
        EXPECT_NEAR(kBody[0][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_NEAR(kBody[kRows - 1][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < kRows; ++r) {
            EXPECT_EQ(kBody[r][j].x, kBody[0][j].x) << "column " << j << " is one section";
            EXPECT_LT(kBody[r][j].z, kBody[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r + 1 < kRows; ++r) {
            EXPECT_LT(kBody[r][j].y, 0.0f) << r << " " << j;
            EXPECT_LT(kBody[r][j].ny, 0.0f) << "flank normals face -y, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(kBody[0][j].x, kBody[0][j - 1].x) << "columns from the head back, " << j;
        }
    }
    // Round: deep for its length and nearly as wide as deep at its widest.
    float top = -1, bottom = 1, side = 0;
    for (const auto& row : kBody)
        for (const FishVertex& p : row) {
            top = std::max(top, p.z);
            bottom = std::min(bottom, p.z);
            side = std::max(side, -p.y);
        }
    const float length = kBody[0][kColumns - 1].x - kBody[0][0].x;
    EXPECT_GT(top - bottom, 0.55f * length);
    EXPECT_GT(2 * side, 0.65f * (top - bottom));
}

TEST(FishSpecies16Mesh, EveryStoredPartLiesOnTheLeftHalf)
{
    for (const GridPart& part : kFishSpecies16.parts)
        for (int r = 0; r < part.mesh.rows; ++r)
            for (int c = 0; c < part.mesh.columns; ++c)
                EXPECT_LE(part.mesh.At(r, c).y, 0.0f) << part.name << " row " << r << " column " << c;
}

TEST(FishSpecies16Mesh, TheHeadAndMouthCloseTheBodyFromItsFirstSection)
{
    for (int r = 0; r < 4; ++r) {
        EXPECT_NEAR(g_Fish16Head[r][0].x, kBody[0][0].x, 1e-6) << r;
        EXPECT_LT(g_Fish16Head[r][5].x, kBody[0][0].x - 0.02f) << "the snout stands ahead";
        EXPECT_EQ(g_Fish16Head[r][6].x, g_Fish16Head[r][5].x) << "the last column closes on the tip";
        EXPECT_EQ(g_Fish16Head[r][6].z, g_Fish16Head[r][5].z) << "the last column closes on the tip";
    }
    EXPECT_NEAR(g_Fish16Head[0][0].z, kBody[0][0].z, 1e-6) << "from the ridge";
    EXPECT_NEAR(g_Fish16Mouth[1][0].z, kBody[kRows - 1][0].z, 1e-6) << "to the belly";
    for (int c = 0; c < 6; ++c) {
        EXPECT_NEAR(g_Fish16Head[3][c].z, g_Fish16Mouth[0][c].z, 1e-6) << "the lips meet, column " << c;
        EXPECT_NEAR(g_Fish16Head[3][c].y, g_Fish16Mouth[0][c].y, 1e-6) << c;
    }
}

TEST(FishSpecies16Mesh, FinsRootInTheBodyAndTheTailInsideItsSwayingStalk)
{
    struct Roots {
        const char* name;
        const FishVertex* row;
        int count;
        bool midline;
    } const roots[] = {
        {"pectoral", &g_Fish16Pectoral[1][0], 23, false},
        {"dorsal", &g_Fish16Dorsal[1][0], 19, true},
        {"anal", &g_Fish16Anal[1][0], 10, true},
        {"tail", &g_Fish16Tail[1][0], 35, true},
    };
    for (const Roots& r : roots)
        for (int c = 0; c < r.count; ++c) {
            const FishVertex& p = r.row[c];
            if (r.midline) {
                EXPECT_EQ(p.y, 0.0f) << r.name << " stands in the midline";
                EXPECT_TRUE(WithinOutline(p.x, p.z)) << r.name << " root " << c << " at " << p.x << ", " << p.z;
                continue;
            }
            // The pectoral's roots sit just under the skin, deeper than the facets sag.
            const float w = HalfWidth(p.x, p.z);
            EXPECT_GE(w, 0.0f) << r.name << " root " << c << " within the side view";
            EXPECT_LE(std::fabs(p.y), w + 1e-4f) << r.name << " root " << c;
            EXPECT_GT(std::fabs(p.y), w - 0.015f) << r.name << " root " << c << " at the skin";
        }
    // The tail stalk (the last three columns) sways by at most 0.0075 a
    // side: the tail's roots stay inside it.
    for (int c = 0; c < 35; ++c) {
        FishVertex p = g_Fish16Tail[1][c];
        EXPECT_GT(p.x, kBody[0][kColumns - 3].x) << "in the stalk, column " << c;
        EXPECT_TRUE(InsideBody(p, 0.0075f)) << "tail root " << c;
    }
    // The fins' edges stand out of the body.
    for (int c = 0; c < 23; ++c)
        EXPECT_FALSE(InsideBody(g_Fish16Pectoral[0][c])) << "pectoral edge " << c;
    for (int c = 0; c < 35; ++c)
        EXPECT_GT(g_Fish16Tail[0][c].x, kBody[0][kColumns - 1].x) << "tail edge behind the body, " << c;
}

TEST(FishSpecies16Mesh, ABigEyeHighOnTheHeadClosesOnItsCentre)
{
    const FishVertex& centre = g_Fish16Eye[2][0];
    for (int k = 0; k < 7; ++k) {
        const FishVertex& a = g_Fish16Eye[2][k];
        EXPECT_EQ((std::array<float, 8>{a.x, a.y, a.z, a.nx, a.ny, a.nz, a.s, a.t}),
                  (std::array<float, 8>{centre.x, centre.y, centre.z, centre.nx, centre.ny, centre.nz, centre.s,
                                        centre.t}))
            << k;
    }
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(g_Fish16Eye[r][6].x, g_Fish16Eye[r][0].x) << "ring " << r << " closes";
        EXPECT_EQ(g_Fish16Eye[r][6].z, g_Fish16Eye[r][0].z) << "ring " << r << " closes";
    }
    EXPECT_GT(-centre.y, HalfWidth(centre.x, centre.z)) << "standing out of the flank";
    EXPECT_LT(centre.x, g_Fish16Pectoral[1][0].x) << "ahead of the pectoral fin";
    // High on the head, and big: its rim more than a sixth of the head's depth across.
    const int j = 4;
    ASSERT_GT(kBody[0][j].x, centre.x);
    const float middle = 0.5f * (kBody[0][j].z + kBody[kRows - 1][j].z);
    EXPECT_GT(centre.z, middle + 0.04f);
    float low = 1, high = -1;
    for (int k = 0; k < 7; ++k) {
        low = std::min(low, g_Fish16Eye[0][k].z);
        high = std::max(high, g_Fish16Eye[0][k].z);
    }
    EXPECT_GT(high - low, (kBody[0][j].z - kBody[kRows - 1][j].z) / 6);
}

TEST(FishSpecies16Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies16);
}

}  // namespace
