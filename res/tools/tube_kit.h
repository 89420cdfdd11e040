// Ring meshes whose rings are placed one by one: each ring's centre, radius
// and the direction of its first point are given, so a table can hold a
// chosen point exactly (a telling vertex, a pinned base) while the tube
// stays round; and normals taken from the surface, so that a tube that
// swells and closes (a bulb, a bud) is lit as its shape and not as a
// cylinder. A grid is [ring][point], the seam point repeated last.
#pragma once
#include "leaf_kit.h"

#include <vector>

namespace tube_kit {

using leaf::Grid;
using leaf::Vec;

struct RingSpec {
    Vec centre;
    double radius = 0;
    Vec seam = {1, 0, 0};  // roughly towards the ring's first point
    double flatness = 1;   // radius across the seam, times this
};

// The direction along a chain of ring centres at ring k (central differences).
inline Vec AxisAt(const std::vector<RingSpec>& rings, size_t k)
{
    const size_t a = k == 0 ? 0 : k - 1, b = k + 1 < rings.size() ? k + 1 : k;
    return leaf::Normalized(rings[b].centre - rings[a].centre);
}

// The seam direction of ring k: its seam made square to the axis.
inline Vec SeamAt(const std::vector<RingSpec>& rings, size_t k)
{
    const Vec t = AxisAt(rings, k);
    return leaf::Normalized(rings[k].seam - t * leaf::Dot(rings[k].seam, t));
}

// The rings, each in the plane square to the chain of centres, with `sides`
// points around from its seam (turning by the right hand about the axis,
// or the left with `leftHanded`) and the first repeated when closeSeam.
inline Grid SampleRings(const std::vector<RingSpec>& rings, int sides, bool closeSeam = true, bool leftHanded = false)
{
    const int points = sides + (closeSeam ? 1 : 0);
    Grid grid(rings.size(), leaf::Column(points));
    for (size_t k = 0; k < rings.size(); ++k) {
        const Vec t = AxisAt(rings, k), s = SeamAt(rings, k);
        const Vec o = leaf::Cross(t, s) * (leftHanded ? -1.0 : 1.0);
        for (int p = 0; p < points; ++p) {
            const double a = 2 * leaf::kPi * (p % sides) / sides;
            grid[k][p].p = rings[k].centre + (s * std::cos(a) + o * (std::sin(a) * rings[k].flatness)) * rings[k].radius;
        }
    }
    return grid;
}

// Normals of a ring mesh from its surface: across the rings by central
// differences, around each ring cyclically over its `sides` points, turned
// away from the ring's centre. A ring shrunk to a point takes the axis
// direction out of the tube's end.
inline void RingNormals(Grid& grid, const std::vector<Vec>& centres, int sides)
{
    const int rings = static_cast<int>(grid.size());
    for (int k = 0; k < rings; ++k) {
        const int a = k > 0 ? k - 1 : k, b = k + 1 < rings ? k + 1 : k;
        for (int p = 0; p < static_cast<int>(grid[k].size()); ++p) {
            const int q = p % sides;
            const Vec around = grid[k][(q + 1) % sides].p - grid[k][(q + sides - 1) % sides].p;
            const Vec along = grid[b][q].p - grid[a][q].p;
            Vec n = leaf::Cross(around, along);
            const Vec out = grid[k][p].p - centres[k];
            if (leaf::Length(out) < 1e-9) {
                // An end closed to a point: out of the tube along its axis.
                n = k == 0 ? centres[0] - centres[1] : centres[k] - centres[k - 1];
            } else if (leaf::Dot(n, out) < 0) {
                n = n * -1.0;
            }
            grid[k][p].n = leaf::Normalized(n);
        }
    }
}

inline std::vector<Vec> Centres(const std::vector<RingSpec>& rings)
{
    std::vector<Vec> c;
    for (const RingSpec& r : rings)
        c.push_back(r.centre);
    return c;
}

}  // namespace tube_kit
