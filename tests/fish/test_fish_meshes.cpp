// The generated mesh tables of the species hold together in a turn. The game
// turns body column j by bend angle j and each column of a part by the bend
// angle (or mean of angles) its class's rules name; in a turn the angles lag
// 20 degrees a segment, so a part's column stays on the body only where it
// stands over the segment whose angle it takes. Each case below gives, from
// those rules, the segment of every column of a part, and the points of the
// part that meet the body (root rows, an eye's centre).
#include "fish/fish_species03_meshes.h"
#include "fish/fish_species05_meshes.h"
#include "fish/fish_species23_meshes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The body segment under x: fractional between the body's columns, the
// first in front of the body (the head turns with it), the last behind.
template <int Rows, int Columns>
float SegmentUnder(const FishVertex (&body)[Rows][Columns], float x)
{
    if (x <= body[0][0].x)
        return 0.0f;
    for (int j = 0; j + 1 < Columns; ++j)
        if (x <= body[0][j + 1].x)
            return j + (x - body[0][j].x) / (body[0][j + 1].x - body[0][j].x);
    return Columns - 1.0f;
}

// How far a point turned by the bend of `segment` ends up from the body under
// it, in a turn with the head at 100 degrees and 20 degrees lag a segment
// (a rotation about the vertical axis by the difference of the two angles).
float DriftInTurn(float segment, float under, const FishVertex& p, float dx = 0.0f)
{
    const float difference = 20.0f * (under - segment) * 3.14159265f / 180.0f;
    return 2.0f * std::hypot(p.x + dx, p.y) * std::fabs(std::sin(difference / 2));
}

struct MeetsBody {
    std::string name;
    const FishVertex* table;
    int columns;                          // of the table
    std::vector<int> rows;                // the rows that meet the body
    int drawnColumns;                     // the columns the class draws
    std::function<float(int c)> segment;  // the bend each column takes
    float dx = 0.0f;                      // the class draws the part this far along x
};

template <int Rows, int Columns>
void ExpectPartsStayOnTheBody(const FishVertex (&body)[Rows][Columns], const std::vector<MeetsBody>& parts)
{
    for (const MeetsBody& part : parts)
        for (int row : part.rows)
            for (int c = 0; c < part.drawnColumns; ++c) {
                const FishVertex& p = part.table[row * part.columns + c];
                const float under = SegmentUnder(body, p.x + part.dx);
                EXPECT_LT(DriftInTurn(part.segment(c), under, p, part.dx), 0.012f)
                    << part.name << ", row " << row << ", column " << c << ": stands over segment " << under
                    << ", turns with " << part.segment(c);
            }
}

template <int Rows, int Columns>
const FishVertex* At(const FishVertex (&table)[Rows][Columns])
{
    return &table[0][0];
}

TEST(FishMeshes, AngelfishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto column = [](int first) { return [first](int c) { return float(first + c); }; };
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish03Body,
        {
            {"dorsal fin", At(g_Fish03Dorsal), 10, {0}, 10, column(0)},
            {"dorsal lobe", At(g_Fish03Dorsal), 10, {kFish03DorsalFinRows}, 5, column(0)},
            {"anal fin", At(g_Fish03Anal), 8, {0}, 8, column(7)},
            {"pectoral fin", At(g_Fish03Pectoral), 7, {0}, 7, fixed(4)},
            {"ventral filament", At(g_Fish03Ventral), 8, {0, 1}, 1, fixed(4)},
            {"tail, drawn 0.01 back", At(g_Fish03Tail), 15, {0}, 15, fixed(15), 0.01f},
            {"eye", At(g_Fish03Eye), 5, {0}, 5, fixed(1.5f)},
            {"upper jaw", At(g_Fish03UpperJaw), 6, {0, 1, 2}, 6, fixed(0)},
            {"lower jaw", At(g_Fish03LowerJaw), 6, {0, 1, 2}, 5, fixed(0)},
        });
}

TEST(FishMeshes, ClownfishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish23Body,
        {
            // The soft dorsal's column j takes the mean bend of 9 and 10
            // toward that of 11 and 12 over 9 columns; the anal fin's runs
            // from bend 9 toward 10 over 14.
            {"soft dorsal fin", At(g_Fish23SoftDorsal), 9, {0}, 9, [](int c) { return 9.5f + 2.0f * c / 9; }},
            {"anal fin", At(g_Fish23Anal), 14, {0}, 14, [](int c) { return 9.0f + c / 14.0f; }},
            {"pectoral fin", At(g_Fish23Pectoral), 6, {0}, 6, fixed(2)},
            {"pelvic fin", At(g_Fish23Pelvic), 8, {0}, 8, fixed(7)},
            // The outer root points of the tail take bend 12, the inner ones 13.
            {"tail", At(g_Fish23Tail), 20, {0}, 20, [](int c) { return c < 5 || c >= 15 ? 12.0f : 13.0f; }},
            {"eye", At(g_Fish23Eye), 9, {0}, 9, fixed(0)},
            {"upper jaw", At(g_Fish23UpperJaw), 4, {0, 1, 2, 3, 4, 5, 6}, 4, fixed(0)},
            {"lower jaw", At(g_Fish23LowerJaw), 4, {0, 1, 2, 3}, 4, fixed(0)},
        });
}

TEST(FishMeshes, BlueRamPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto column = [](float first) { return [first](int c) { return first + c; }; };
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish05Body,
        {
            // The dorsal fin's column c takes the mean bend of 2 + c and 3 + c
            // (its root is row 1); the anal fin's column c bend 6 + c.
            {"dorsal fin", At(g_Fish05Dorsal), 11, {1}, 11, column(2.5f)},
            {"anal fin", At(g_Fish05Anal), 6, {0}, 6, column(6)},
            // The pectoral's root is its last column; the pelvic roots are its
            // second row's first five points.
            {"pectoral fin", At(g_Fish05Pectoral) + 7, 8, {0, 1}, 1, fixed(3)},
            {"pelvic fin", At(g_Fish05Pelvic), 15, {1}, 5, fixed(3)},
            // Both tail roots serve columns of bend 13; the edge of column 0
            // takes bend 12.
            {"tail", At(g_Fish05Tail), 6, {0}, 2, fixed(13)},
            {"tail's first edge point", At(g_Fish05Tail) + 6, 6, {0}, 1, fixed(12)},
            {"eye", At(g_Fish05Eye), 9, {0}, 5, fixed(1)},
            {"upper head", At(g_Fish05UpperHead), 4, {0, 1, 2, 3, 4, 5}, 4, fixed(0)},
            {"lower head", At(g_Fish05LowerHead), 4, {0, 1, 2, 3}, 4, fixed(0)},
        });
}

// The clownfish's spiny dorsal turns by one angle, bend 8, over all its
// columns: it stands round the fish's middle, where a turn moves it least,
// and no root drifts sideways out of the body's width.
TEST(FishMeshes, TheClownfishSpinyDorsalStaysWithinTheBodyInATurn)
{
    for (int c = 0; c < 14; ++c) {
        const FishVertex& p = g_Fish23Dorsal[0][c];
        const float under = SegmentUnder(g_Fish23Body, p.x);
        float halfWidth = 0.0f;
        for (const auto& row : g_Fish23Body)
            halfWidth = std::max(halfWidth, row[int(std::lround(under))].y);
        EXPECT_LT(DriftInTurn(8.0f, under, p), halfWidth) << c;
    }
}

}  // namespace
