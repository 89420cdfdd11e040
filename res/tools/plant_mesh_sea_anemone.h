// The sea anemone's stalk (one tentacle): three rings of three points from
// the tip to the base, the first point repeated to close the tube. The
// anemone squeezes it to a hundredth across (x, z) and stretches it along y
// by its length, so across the table the rings are the tentacle's cross-
// sections and down y it runs from the base to the tip: a narrow ribbon at
// the base widening into a rounded, flattened tip.
#pragma once
#include "leaf_kit.h"

#include <cstdio>

namespace anemone_mesh {

using leaf::Grid;
using leaf::Vec;

constexpr int kRings = 3, kSides = 3;
constexpr double kS[2] = {0.318, 0.411};          // around
constexpr double kT[3] = {1.935, 1.826, 1.717};   // tip, middle, base
const Vec kBasePoint = {-0.0484923, -0.0177504, 0.352539};  // the base ring's first point: the stalk's pivot

inline Grid AnemoneStalk()
{
    // [ring][point], the points of each ring in the same turning order seen
    // along the tentacle. Each ring keeps one y, so that the stretch along y
    // leaves it a cross-section: a narrow ribbon at the base (one z), the
    // tentacle's widest in the middle and a broad, flattened tip.
    const double y[kRings] = {-0.056, -0.037, kBasePoint.y};
    const double xz[kRings][kSides][2] = {
        {{0.016, 0.443}, {0.020, 0.500}, {-0.002, 0.472}},                         // tip
        {{-0.010, 0.404}, {-0.014, 0.432}, {-0.028, 0.412}},                       // middle
        {{kBasePoint.x, kBasePoint.z}, {-0.035, 0.3528}, {-0.052, 0.3522}},  // base
    };
    Vec rings[kRings][kSides];
    for (int k = 0; k < kRings; ++k)
        for (int p = 0; p < kSides; ++p)
            rings[k][p] = {xz[k][p][0], y[k], xz[k][p][1]};
    Grid grid(kRings, leaf::Column(kSides + 1));
    for (int k = 0; k < kRings; ++k) {
        Vec centre;
        for (const Vec& p : rings[k])
            centre = centre + p * (1.0 / kSides);
        for (int p = 0; p <= kSides; ++p) {
            leaf::Point& q = grid[k][p];
            q.p = rings[k][p % kSides];
            // Outwards across the tentacle (x and z): the anemone's squeeze
            // turns whatever lies along y into the tentacle's length.
            q.n = leaf::Normalized({q.p.x - centre.x, 0.0, q.p.z - centre.z});
            q.s = kS[0] + (kS[1] - kS[0]) * p / kSides;
            q.t = kT[k];
        }
    }
    return grid;
}

inline void WriteTables(std::FILE* out) { leaf::WriteTable(out, "g_AnemoneStalk", AnemoneStalk()); }

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/sea_anemone_meshes.h", WriteTables);

}  // namespace anemone_mesh
