// Whether the parts of a species' generated mesh tables hold together in a
// turn. The game turns body column j by bend angle j and each column of a part
// by the bend angle (or mean of angles) its class's rules name; in a turn the
// angles lag 20 degrees a segment, so a part's column stays on the body only
// where it stands over the segment whose angle it takes. A species' test gives,
// from those rules, the segment of every column of a part, and the points of
// the part that meet the body (root rows, an eye's centre).
#pragma once
#include "fish/fish_meshes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fish_mesh_checks {

// The body segment under x: fractional between the body's columns, the
// first in front of the body (the head turns with it), the last behind.
template <int Rows, int Columns>
inline float SegmentUnder(const FishVertex (&body)[Rows][Columns], float x)
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
inline float DriftInTurn(float segment, float under, const FishVertex& p, float dx = 0.0f)
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

// Where the points of a table lie: x, y, z and the texture's s, t each in a
// range (low to high).
struct PointExtent {
    float low, high;
};
struct TableExtents {
    const char* name;
    const FishVertex* points;
    int count;
    PointExtent x, y, z, s, t;
};
template <int R, int C>
TableExtents Extents(const char* name, const FishVertex (&table)[R][C], PointExtent x, PointExtent y, PointExtent z,
                     PointExtent s, PointExtent t)
{
    return {name, &table[0][0], R * C, x, y, z, s, t};
}

// Every point of each table within its extents (5e-4 to spare), with a unit normal.
template <size_t N>
void ExpectTablesWithinTheirExtents(const TableExtents (&cases)[N])
{
    const float e = 5e-4f;
    for (const TableExtents& c : cases)
        for (int i = 0; i < c.count; ++i) {
            const FishVertex& p = c.points[i];
            const std::string at = std::string(c.name) + " point " + std::to_string(i);
            EXPECT_TRUE(p.x >= c.x.low - e && p.x <= c.x.high + e) << at << " x " << p.x;
            EXPECT_TRUE(p.y >= c.y.low - e && p.y <= c.y.high + e) << at << " y " << p.y;
            EXPECT_TRUE(p.z >= c.z.low - e && p.z <= c.z.high + e) << at << " z " << p.z;
            EXPECT_TRUE(p.s >= c.s.low - e && p.s <= c.s.high + e) << at << " s " << p.s;
            EXPECT_TRUE(p.t >= c.t.low - e && p.t <= c.t.high + e) << at << " t " << p.t;
            EXPECT_NEAR(std::hypot(p.nx, p.ny, p.nz), 1.0f, 1e-3) << at;
        }
}

}  // namespace fish_mesh_checks
