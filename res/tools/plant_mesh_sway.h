// The leaves of sway plants A, B and C: each a spine with a width profile
// and a cupped cross-section, sampled to the grid its plant draws, and
// pinned to the root, tip and shape points its plant's placement relies on.
// Texture t runs from 1 to 2.
#pragma once
#include "plant_leaves.h"

#include <algorithm>
#include <cmath>

namespace sway_leaves {

using leaf::Column;
using leaf::Curve;
using leaf::Grid;
using leaf::Point;
using leaf::Vec;

// ---- Sway plant A: a lanceolate leaf arching up from its root -------------

constexpr int kLeafAColumns = 4, kLeafARows = 13;
constexpr double kLeafAS[kLeafAColumns] = {0.748, 0.83, 0.912, 0.994};
constexpr double kLeafAT[2] = {1.055, 1.252};             // root row, tip row
const Vec kLeafARoot = {-0.492957, 0.403705, -0.379808};  // column 0, row 0: the pivot
const Vec kLeafAMid = {0.036, 0.094, 0.229};              // column 0, row 6
const Vec kLeafATip = {0.5, -0.413, 0.449};               // row 12, all columns

inline Grid SwayLeafA()
{
    // Column 0 is one edge, column 3 the other; the middle columns sink into a trough.
    const double across[kLeafAColumns] = {1.0, 1.0 / 3, -1.0 / 3, -1.0};
    const Vec up = {0, 0, 1};
    const Vec heading = leaf::Normalized({kLeafATip.x - kLeafARoot.x, kLeafATip.y - kLeafARoot.y, 0});
    const Vec side = {-heading.y, heading.x, 0};
    // The blade rises edge-on from the stem and turns its face up by mid-length.
    const Vec widthAtRoot = leaf::Normalized(up + side * 0.16);
    const double roll = 0.35;  // radians of the face about the leaf's length, towards the light
    const Vec widthAtMid = leaf::Normalized(side * std::cos(roll) + up * std::sin(roll));
    auto widthDir = [&](double u) {
        const double k = leaf::SmoothStep(0.0, 0.5, u);
        return leaf::Normalized(widthAtRoot * (1 - k) + widthAtMid * k);
    };
    // Row 12 is never drawn, so the leaf comes to its point by row 11.
    const Curve<double> halfWidth({{0.0, 0.035},
                                   {0.12, 0.058},
                                   {0.3, 0.09},
                                   {0.5, 0.1},
                                   {0.7, 0.078},
                                   {0.84, 0.04},
                                   {11.0 / 12, 0.006},
                                   {1.0, 0.0}});
    const Curve<Vec> spine({{0.0, kLeafARoot - widthDir(0) * halfWidth(0)},
                            {0.5, kLeafAMid - widthDir(0.5) * halfWidth(0.5)},
                            {1.0, kLeafATip}});
    const double cup = 0.4;  // trough depth per half width

    Grid grid(kLeafAColumns, Column(kLeafARows));
    for (int r = 0; r < kLeafARows; ++r) {
        const double u = static_cast<double>(r) / (kLeafARows - 1);
        const Vec w = widthDir(u);
        const Vec tangent = spine(std::min(1.0, u + 1e-4)) - spine(std::max(0.0, u - 1e-4));
        Vec face = leaf::Normalized(leaf::Cross(tangent, w));
        if (leaf::Dot(face, up) < 0)
            face = face * -1.0;
        for (int c = 0; c < kLeafAColumns; ++c) {
            const double hw = halfWidth(u);
            Point& q = grid[c][r];
            q.p = spine(u) + w * (across[c] * hw) - face * (cup * hw * (1 - across[c] * across[c]));
            q.s = kLeafAS[c];
            q.t = kLeafAT[0] + (kLeafAT[1] - kLeafAT[0]) * u;
        }
    }
    leaf::GridNormals(grid, up);
    return grid;
}

// ---- Sway plant B: a long ribbon blade, slightly twisted ------------------

constexpr int kBladeBColumns = 4, kBladeBRows = 14;
constexpr double kBladeBS[kBladeBColumns] = {0.994, 0.927, 0.882, 0.837};
constexpr double kBladeBT[2] = {1.302, 1.994};
const Vec kBladeBRoot = {0.0980393, 0.0957351, 0.497306};  // column 0, row 0: the pivot
const Vec kBladeBMid = {-0.016, 0.017, -0.003};            // column 0, row 6
const Vec kBladeBTip = {-0.119, -0.096, -0.5};             // row 13, all columns

inline Grid SwayBladeB()
{
    const double last = kBladeBRows - 1;
    // Column 0 is one edge; it runs from root to tip with the tip curling back a little.
    const Curve<Vec> edge(
        {{0.0, kBladeBRoot}, {6 / last, kBladeBMid}, {12 / last, {-0.1245, -0.0855, -0.421}}, {1.0, kBladeBTip}});
    const Curve<double> width({{0.0, 0.042}, {0.4, 0.044}, {0.75, 0.036}, {0.92, 0.016}, {1.0, 0.0}});
    // Where each column lies across the blade: in step with its texture s.
    double across[kBladeBColumns];
    for (int c = 0; c < kBladeBColumns; ++c)
        across[c] = (kBladeBS[0] - kBladeBS[c]) / (kBladeBS[0] - kBladeBS[kBladeBColumns - 1]);
    // The blade turns about its length from root to tip.
    const Curve<double> twist({{0.0, -0.846}, {1.0, -0.17}});
    const double keel = 0.2;  // per width

    Grid grid(kBladeBColumns, Column(kBladeBRows));
    Vec outside;
    for (int r = 0; r < kBladeBRows; ++r) {
        const double u = r / last;
        const Vec w = {std::cos(twist(u)), std::sin(twist(u)), 0};
        const Vec tangent = edge(std::min(1.0, u + 1e-4)) - edge(std::max(0.0, u - 1e-4));
        const Vec face = leaf::Normalized(leaf::Cross(w, tangent));
        if (r == 0)
            outside = face;
        for (int c = 0; c < kBladeBColumns; ++c) {
            const double middle = 1 - std::abs(2 * across[c] - 1);
            Point& q = grid[c][r];
            q.p = edge(u) + w * (across[c] * width(u)) - face * (keel * width(u) * middle);
            q.s = kBladeBS[c];
            q.t = kBladeBT[0] + (kBladeBT[1] - kBladeBT[0]) * u;
        }
    }
    leaf::GridNormals(grid, outside);
    return grid;
}

// ---- Sway plant C: a broad, cupped leaf in two halves ---------------------

constexpr int kLeafCEdgeRows = 12, kLeafCVeinPoints = 4;
const Vec kLeafCTip = {-0.2077, -0.4656, 0.0471};    // last edge row of both halves
const Vec kLeafCVeinEnd = {0.052, 0.0996, -0.0124};  // last vein point of both halves
const Vec kLeafCVeinStart = {0.21, 0.34, 0.19};
const Vec kLeafCEdge1[3] = {{-0.0749, 0.4388, 0.2457}, {-0.4937, 0.2314, 0.1633}, kLeafCTip};  // rows 0, 6, 11
const Vec kLeafCEdge2Start = {0.389, 0.2374, 0.2484};                                          // second half, row 0
const double kLeafCEdgeS[2] = {0.29, 0.62}, kLeafCEdgeT[2] = {1.02, 1.55};

struct LeafC {
    Grid edge, vein;  // [half][row]
};

// The leaf's own frame in the plane of the table: a along the midline from the
// vein's start towards the tip, b across it (b > 0 on the second half).
struct LeafCFrame {
    Vec origin = kLeafCVeinStart;
    Vec along = leaf::Normalized({kLeafCTip.x - kLeafCVeinStart.x, kLeafCTip.y - kLeafCVeinStart.y, 0});
    Vec acrossDir = {-along.y, along.x, 0};

    double A(Vec p) const { return leaf::Dot(Vec{p.x - origin.x, p.y - origin.y, 0}, along); }
    double B(Vec p) const { return leaf::Dot(Vec{p.x - origin.x, p.y - origin.y, 0}, acrossDir); }
    Vec At(double a, double b, double z) const
    {
        const Vec p = origin + along * a + acrossDir * b;
        return {p.x, p.y, z};
    }
};

// Direction along a line of points at point i, by central differences.
inline Vec Along(const Column& line, int i)
{
    const int last = static_cast<int>(line.size()) - 1;
    return line[std::min(i + 1, last)].p - line[std::max(i - 1, 0)].p;
}

// The unit normal of the surface spanned by two directions, turned upwards.
inline Vec UpwardNormal(Vec along, Vec across)
{
    const Vec n = leaf::Normalized(leaf::Cross(along, across));
    return n.z < 0 ? n * -1.0 : n;
}

// Both halves send the same normals: at each point the mean of the two
// halves' surface normals there.
inline void LeafCNormals(LeafC& leafC)
{
    for (int r = 0; r < kLeafCEdgeRows; ++r) {
        Vec n;
        for (int h = 0; h < 2; ++h)
            n = n + UpwardNormal(Along(leafC.edge[h], r), leafC.vein[h][r / 3].p - leafC.edge[h][r].p);
        leafC.edge[0][r].n = leafC.edge[1][r].n = leaf::Normalized(n);
    }
    for (int k = 0; k < kLeafCVeinPoints; ++k) {
        Vec n;
        for (int h = 0; h < 2; ++h)
            n = n + UpwardNormal(Along(leafC.vein[h], k), leafC.edge[h][3 * k + 1].p - leafC.vein[h][k].p);
        leafC.vein[0][k].n = leafC.vein[1][k].n = leaf::Normalized(n);
    }
}

// Both halves send the same texture coordinates: t along the midline, s
// across it, from the two halves' mean distances. The midrib runs from s 0.35
// at the stalk to 0.30 where the vein ends and 0.29 at the tip; the edge
// spans the whole s and t of the leaf's part of the texture.
inline void LeafCTextureCoordinates(LeafC& leafC, const LeafCFrame& f)
{
    auto along = [&](const Grid& t, int i) { return (f.A(t[0][i].p) + f.A(t[1][i].p)) / 2; };
    auto across = [&](const Grid& t, int i) { return (std::abs(f.B(t[0][i].p)) + std::abs(f.B(t[1][i].p))) / 2; };
    double aLow = 1e9, aHigh = -1e9;
    for (int r = 0; r < kLeafCEdgeRows; ++r) {
        aLow = std::min(aLow, along(leafC.edge, r));
        aHigh = std::max(aHigh, along(leafC.edge, r));
    }
    const Curve<double> midribS({{0.0, 0.35}, {f.A(kLeafCVeinEnd), 0.30}, {aHigh, kLeafCEdgeS[0]}});
    auto t = [&](double a) { return kLeafCEdgeT[0] + (kLeafCEdgeT[1] - kLeafCEdgeT[0]) * (a - aLow) / (aHigh - aLow); };
    double sPerB = 1e9;  // the largest that keeps every edge point within the edge's s
    for (int r = 0; r < kLeafCEdgeRows; ++r)
        sPerB = std::min(sPerB, (kLeafCEdgeS[1] - midribS(along(leafC.edge, r))) / across(leafC.edge, r));
    for (int h = 0; h < 2; ++h) {
        for (int r = 0; r < kLeafCEdgeRows; ++r) {
            const double a = along(leafC.edge, r);
            leafC.edge[h][r].s = midribS(a) + across(leafC.edge, r) * sPerB;
            leafC.edge[h][r].t = t(a);
        }
        for (int k = 0; k < kLeafCVeinPoints; ++k) {
            leafC.vein[h][k].s = midribS(along(leafC.vein, k));
            leafC.vein[h][k].t = t(along(leafC.vein, k));
        }
    }
}

inline LeafC SwayLeafC()
{
    const LeafCFrame f;
    const double last = kLeafCEdgeRows - 1;
    auto knot = [&](double row, Vec p) { return std::pair<double, Vec>(row / last, {f.A(p), f.B(p), p.z}); };
    auto ab = [&](double row, double a, double b, double z) { return std::pair<double, Vec>(row / last, {a, b, z}); };
    // Outlines as (a, b, height) against the row: a heart-shaped base, the
    // first half the broader, both closing at the tip; the rim stands above
    // the midrib, so the leaf is a shallow bowl.
    const Curve<Vec> outline[2] = {
        Curve<Vec>({knot(0, kLeafCEdge1[0]), ab(1, 0.07, -0.405, 0.245), ab(3, 0.215, -0.535, 0.215),
                    knot(6, kLeafCEdge1[1]), ab(7, 0.52, -0.527, 0.142), ab(8, 0.62, -0.455, 0.12),
                    ab(10, 0.82, -0.2, 0.07), knot(11, kLeafCTip)}),
        Curve<Vec>({knot(0, kLeafCEdge2Start), ab(1, 0.03, 0.315, 0.245), ab(2, 0.115, 0.385, 0.236),
                    ab(3, 0.2, 0.43, 0.225), ab(6, 0.45, 0.46, 0.175), ab(8, 0.66, 0.34, 0.125),
                    ab(10, 0.83, 0.13, 0.075), knot(11, kLeafCTip)}),
    };
    // The midrib dips from the stalk into the bowl.
    const Curve<Vec> midrib({{0.0, kLeafCVeinStart},
                             {1.0 / 3, {0.156, 0.262, 0.112}},
                             {2.0 / 3, {0.103, 0.181, 0.043}},
                             {1.0, kLeafCVeinEnd}});

    LeafC leafC{Grid(2, Column(kLeafCEdgeRows)), Grid(2, Column(kLeafCVeinPoints))};
    for (int h = 0; h < 2; ++h) {
        for (int r = 0; r < kLeafCEdgeRows; ++r) {
            const Vec q = outline[h](r / last);
            leafC.edge[h][r].p = f.At(q.x, q.y, q.z);
        }
        for (int k = 0; k < kLeafCVeinPoints; ++k)
            leafC.vein[h][k].p = midrib(k / 3.0);
    }
    LeafCNormals(leafC);
    LeafCTextureCoordinates(leafC, f);
    return leafC;
}

inline void WriteTables(std::FILE* out)
{
    leaf::WriteTable(out, "g_SwayLeafA", SwayLeafA());
    leaf::WriteTable(out, "g_SwayBladeB", SwayBladeB());
    const LeafC leafC = SwayLeafC();
    leaf::WriteTable(out, "g_SwayLeafCEdge", leafC.edge);
    leaf::WriteTable(out, "g_SwayLeafCVein", leafC.vein);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/sway_plant_meshes.h", WriteTables);

}  // namespace sway_leaves
