// What the mesh kit stores: a mirrored part's table on the y <= 0 half (its
// class draws the other), and a three-row sheet that its class strips B to A,
// then A to C with its middle row first.
#include "fish/fish_species00_meshes.h"
#include "fish/fish_species02_meshes.h"
#include "fish/fish_species19_meshes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

template <int Rows, int Columns>
void ExpectOnTheMinusYHalf(const FishVertex (&table)[Rows][Columns], const std::string& name)
{
    int off = 0;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            off += table[r][c].y > 1e-6f;
    EXPECT_EQ(off, 0) << name << ": points on the +y side";
}

TEST(FishStoredHalves, MirroredPartsHoldTheirYBelowZeroHalf)
{
    ExpectOnTheMinusYHalf(g_Fish00Eye, "goldfish eye");
    ExpectOnTheMinusYHalf(g_Fish00Pectoral, "goldfish pectoral");
    ExpectOnTheMinusYHalf(g_Fish00Pelvic, "goldfish pelvic");
    ExpectOnTheMinusYHalf(g_Fish00Anal, "goldfish anal");
    ExpectOnTheMinusYHalf(g_Fish00Tail, "goldfish tail");
    ExpectOnTheMinusYHalf(g_Fish02Body, "guppy body");
    ExpectOnTheMinusYHalf(g_Fish02Jaw, "guppy jaw");
    ExpectOnTheMinusYHalf(g_Fish02Pectoral, "guppy pectoral");
    ExpectOnTheMinusYHalf(g_Fish02Pelvic, "guppy pelvic");
    ExpectOnTheMinusYHalf(g_Fish02Eye, "guppy eye");
    ExpectOnTheMinusYHalf(g_Fish19Body, "batfish body");
    ExpectOnTheMinusYHalf(g_Fish19UpperJaw, "batfish upper jaw");
    ExpectOnTheMinusYHalf(g_Fish19Eye, "batfish eye");
    ExpectOnTheMinusYHalf(g_Fish19Pectoral, "batfish pectoral");
    // The flank's normals face out of the stored side.
    EXPECT_LT(g_Fish02Body[2][10].ny, 0.0f);
    EXPECT_LT(g_Fish19Body[4][8].ny, 0.0f);
}

// Row 0 (A) between row 1 (B) and row 2 (C), column by column.
template <int Columns>
void ExpectMiddleRowFirst(const FishVertex (&table)[3][Columns], const std::string& name)
{
    for (int c = 0; c < Columns; ++c) {
        const FishVertex &a = table[0][c], &b = table[1][c], &e = table[2][c];
        const float ab = std::hypot(a.x - b.x, a.z - b.z), ae = std::hypot(a.x - e.x, a.z - e.z);
        const float be = std::hypot(b.x - e.x, b.z - e.z);
        EXPECT_NEAR(ab + ae, be, 1e-4f * (1 + be)) << name << " column " << c << ": the middle row lies between";
        EXPECT_GT(ab, 0.0f) << name << " column " << c;
        EXPECT_GT(ae, 0.0f) << name << " column " << c;
    }
}

TEST(FishStoredHalves, SheetsStrippedFromTheirMiddleStoreItFirst)
{
    ExpectMiddleRowFirst(g_Fish19Dorsal, "batfish dorsal");
    ExpectMiddleRowFirst(g_Fish19Anal, "batfish anal");
    // The eye: the iris ring (row 0) is nearer the centre (row 2) than the rim (row 1) is.
    for (int c = 0; c < 6; ++c) {
        const FishVertex &iris = g_Fish19Eye[0][c], &rim = g_Fish19Eye[1][c], &centre = g_Fish19Eye[2][c];
        EXPECT_LT(std::hypot(iris.x - centre.x, iris.z - centre.z), std::hypot(rim.x - centre.x, rim.z - centre.z))
            << c;
    }
}

}  // namespace
