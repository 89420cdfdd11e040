// The strand plant's model: a thin stalk that leaves its foot heading back
// and down, then bends down into a bulb that swells and closes. 30 rings of
// 10 points and the seam repeated; ring 0's and ring 29's first points,
// normals and texture coordinates are the telling ones the plant is known by.
#pragma once
#include "tube_kit.h"

#include <algorithm>
#include <cstdio>

namespace strand_mesh {

using leaf::Grid;
using leaf::Vec;

constexpr int kRings = 30, kSides = 10, kStalkRings = 21;  // rings 0 to 20; the bulb is 21 to 29
// The picture's part: s around (0.447 to 0.588, the bulb from 0.581), t along.
constexpr double kStalkS[2] = {0.447, 0.588}, kBulbS[2] = {0.447, 0.581};
constexpr double kStalkT[2] = {1.658, 1.815}, kBulbT[2] = {1.519, 1.626};

const Vec kFootPoint = {0.298, 0.472, 0.389};  // ring 0, point 0
const Vec kFootNormal = {0.973, -0.165, -0.160};
const Vec kTipPoint = {-0.146, -0.474, -0.372};  // ring 29, point 0
const Vec kTipNormal = {0.175, -0.664, -0.726};
const Vec kNeck = {-0.030, -0.075, -0.050};  // centre of ring 20, where the bulb starts
constexpr double kNeckLip = 0.08;            // ring 21's width across its seam, per radius

// Radii: the stalk narrows a little from its foot; the bulb swells to its
// widest at ring 24 and closes to a small tip.
inline double RadiusOf(int k)
{
    static const double bulb[9] = {0.09, 0.142, 0.175, 0.186, 0.178, 0.156, 0.122, 0.078, 0.034};
    return k < kStalkRings ? 0.036 - 0.006 * k / (kStalkRings - 1) : bulb[k - kStalkRings];
}

// The centre of a ring whose first point must lie at `point` with its
// normal near `normal`, on an axis `axis`: back from the point along the
// normal made square to the axis.
inline Vec CentreFor(Vec point, Vec normal, Vec axis, double radius)
{
    const Vec t = leaf::Normalized(axis);
    const Vec s = leaf::Normalized(normal - t * leaf::Dot(normal, t));
    return point - s * radius;
}

inline Grid StrandRings()
{
    // The foot heads mostly back (-z), so the foot ring stands nearly
    // upright; the stalk curves down into the bulb's straight axis.
    const Vec footAxis = leaf::Normalized({-0.15, -0.3, -1.0});
    const Vec foot = CentreFor(kFootPoint, kFootNormal, footAxis, RadiusOf(0));
    Vec bulbAxis = leaf::Normalized(Vec{-0.15, -0.4, -0.303});
    Vec tip;
    for (int pass = 0; pass < 3; ++pass) {
        tip = CentreFor(kTipPoint, kTipNormal, bulbAxis, RadiusOf(kRings - 1));
        bulbAxis = leaf::Normalized(tip - kNeck);
    }
    const Vec bend = foot + footAxis * 0.3;  // the quadratic curve's middle point
    std::vector<tube_kit::RingSpec> rings(kRings);
    for (int k = 0; k < kRings; ++k) {
        tube_kit::RingSpec& r = rings[k];
        if (k < kStalkRings) {
            const double u = static_cast<double>(k) / (kStalkRings - 1);
            r.centre = foot * ((1 - u) * (1 - u)) + bend * (2 * u * (1 - u)) + kNeck * (u * u);
        } else {
            r.centre = leaf::Lerp(kNeck, tip, static_cast<double>(k - kStalkRings + 1) / (kRings - kStalkRings));
        }
        r.radius = RadiusOf(k);
        // The foot is pressed a little flat, so it keeps within the model's
        // box; the bulb's first ring is pressed to a lip, so that the bulb
        // drawn alone is closed where the stalk enters it.
        r.flatness = k == kStalkRings ? kNeckLip : std::min(1.0, 0.4 + 0.2 * k);
    }
    // The first points turn evenly from the foot's to the tip's direction.
    const Vec footSeam = kFootNormal, tipSeam = kTipNormal - bulbAxis * leaf::Dot(kTipNormal, bulbAxis);
    for (int k = 0; k < kRings; ++k)
        rings[k].seam = leaf::Lerp(footSeam, tipSeam, static_cast<double>(k) / (kRings - 1));

    Grid grid = tube_kit::SampleRings(rings, kSides);
    // The end rings' first points exactly on their telling places (a shift
    // of the ring by well under a thousandth).
    for (const int k : {0, kRings - 1}) {
        const Vec shift = (k == 0 ? kFootPoint : kTipPoint) - grid[k][0].p;
        for (leaf::Point& q : grid[k])
            q.p = q.p + shift;
    }
    tube_kit::RingNormals(grid, tube_kit::Centres(rings), kSides);
    // The lip faces back out of the bulb, towards the stalk.
    for (leaf::Point& q : grid[kStalkRings])
        q.n = leaf::Normalized(bulbAxis * -1.0 + leaf::Normalized(q.p - rings[kStalkRings].centre) * 0.5);
    grid[0][0].n = grid[0][kSides].n = leaf::Normalized(kFootNormal);
    grid[kRings - 1][0].n = grid[kRings - 1][kSides].n = leaf::Normalized(kTipNormal);

    // Texture: t steps along the rings; s runs around each ring in nine
    // equal steps, the seam point repeating the first.
    for (int k = 0; k < kRings; ++k) {
        const bool stalk = k < kStalkRings;
        const double t = stalk ? kStalkT[0] + (kStalkT[1] - kStalkT[0]) * k / (kStalkRings - 1)
                               : kBulbT[0] + (kBulbT[1] - kBulbT[0]) * (k - kStalkRings) / (kRings - kStalkRings - 1);
        for (int p = 0; p <= kSides; ++p) {
            const int q = p % kSides;
            // The stalk climbs from 0.447, the bulb falls from 0.581.
            grid[k][p].s = stalk ? kStalkS[0] + (kStalkS[1] - kStalkS[0]) * q / (kSides - 1)
                                 : kBulbS[1] - (kBulbS[1] - kBulbS[0]) * q / (kSides - 1);
            grid[k][p].t = t;
        }
    }
    return grid;
}

inline void WriteTables(std::FILE* out) { leaf::WriteTable(out, "g_StrandRings", StrandRings()); }

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/strand_plant_meshes.h", WriteTables);

}  // namespace strand_mesh
