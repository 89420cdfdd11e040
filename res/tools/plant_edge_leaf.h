// Leaves drawn as one strip between a left and a right edge table (the
// rosette's and the four-leaf plant's leaves, the flower's head): a midline,
// a direction across it and a half width, each a smooth curve along the leaf,
// sampled to the edges' rows. The rows a plant relies on (its root, its
// telling rows) are given as pins: the curves pass through them, and the
// pinned points are written exactly as given.
#pragma once
#include "leaf_kit.h"

#include <utility>
#include <vector>

namespace edge_leaf {

using leaf::Column;
using leaf::Curve;
using leaf::Grid;
using leaf::TexRect;
using leaf::Vec;

// Row `row` of the left and the right edge, exactly.
struct EdgePin {
    int row;
    Vec left, right;
};

struct EdgeLeafShape {
    int rows = 0;
    std::vector<EdgePin> pins;
    // Further knots (u from 0 at row 0 to 1 at the last row) between the pins.
    std::vector<std::pair<double, Vec>> center;      // the midline
    std::vector<std::pair<double, Vec>> across;      // towards the right edge (any length)
    std::vector<std::pair<double, double>> halfWidth;  // from the midline to an edge
    TexRect tex;  // s: left edge s0, right edge s1; t along the rows
    Vec outside;  // the side the normals face
};

inline double RowU(int row, int rows) { return rows > 1 ? static_cast<double>(row) / (rows - 1) : 0.0; }

template <class T>
std::vector<std::pair<double, T>> Sorted(std::vector<std::pair<double, T>> knots)
{
    std::sort(knots.begin(), knots.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return knots;
}

// The leaf as a grid [edge][row]: line 0 the left edge, line 1 the right.
inline Grid SampleEdgeLeaf(const EdgeLeafShape& shape)
{
    auto center = shape.center;
    auto across = shape.across;
    auto halfWidth = shape.halfWidth;
    for (const EdgePin& pin : shape.pins) {
        const double u = RowU(pin.row, shape.rows);
        const Vec half = (pin.right - pin.left) * 0.5;
        center.push_back({u, pin.left + half});
        across.push_back({u, leaf::Normalized(half)});
        halfWidth.push_back({u, leaf::Length(half)});
    }
    const Curve<Vec> centerAt(Sorted(center));
    const Curve<Vec> acrossAt(Sorted(across));
    const Curve<double> halfAt(Sorted(halfWidth));

    Grid grid(2, Column(shape.rows));
    for (int r = 0; r < shape.rows; ++r) {
        const double u = RowU(r, shape.rows);
        const Vec half = leaf::Normalized(acrossAt(u)) * halfAt(u);
        for (int side = 0; side < 2; ++side) {
            leaf::Point& q = grid[side][r];
            q.p = side == 0 ? centerAt(u) - half : centerAt(u) + half;
            q.s = side == 0 ? shape.tex.s0 : shape.tex.s1;
            q.t = shape.tex.T(u);
        }
    }
    for (const EdgePin& pin : shape.pins) {
        grid[0][pin.row].p = pin.left;
        grid[1][pin.row].p = pin.right;
    }
    leaf::GridNormals(grid, shape.outside);
    return grid;
}

}  // namespace edge_leaf
