// The blade cluster's blade: a slender seven-sided stalk (a petiole) holding
// a round, peltate leaf like a pennywort's or a lotus's, a shallow saucer
// whose ruffled rim ripples in the water.
//
// Stalk: [column][pair], 8 columns (the last repeating the first) x 4 pairs,
// from the leaf (pair 0) down to the root (pair 3), which is cut a little
// oblique. The plant multiplies z of pairs 1 to 3 by 5, so their tables hold
// a fifth of it. Column 0 of pair 3 is the pivot the plant's placement uses.
//
// Leaf: a strip of 33 pairs (rim point i, inner point i) round the saucer,
// rim points 0 and 32 in one place, and a strip of 9 pairs across the flat
// sixteen-sided middle that the inner points enclose.
#pragma once
#include "leaf_kit.h"

#include <cmath>

namespace blade_cluster {

using leaf::Column;
using leaf::Grid;
using leaf::Point;
using leaf::TexRect;
using leaf::Vec;

constexpr int kStalkSides = 7, kStalkColumns = kStalkSides + 1, kStalkPairs = 4;
constexpr double kStalkZScale = 5.0;  // of pairs 1 to 3
const TexRect kStalkTex = {0.838, 0.994, 1.037, 1.162};
const Vec kPivot = {0.0441879, 0.0470131, -1.077805};  // at scale 1: column 0 of the root pair
constexpr double kStalkZ[2] = {-0.045, -1.101};        // leaf end, root end (its lowest point)

constexpr int kRimPoints = 33, kMiddleSides = 16, kMiddlePairs = kMiddleSides / 2 + 1;
constexpr double kRimX = 0.494, kRimY = 0.5;
constexpr double kMiddleRadius = 0.2;
constexpr double kMiddleZ = -0.011, kRimZ = 0.22, kRimRuffle = 0.021;
const TexRect kLeafTex = {0.425, 0.872, 1.174, 1.531};

inline Grid BladeStalk()
{
    // The stalk leans a little from its root towards the middle of the leaf.
    const double rootRadius = 0.016, leafRadius = 0.0165;
    const Vec rootCentre = {kPivot.x, kPivot.y - rootRadius, 0};
    const Vec leafCentre = {0.0185, 0.0098, 0};
    Grid stalk(kStalkColumns, Column(kStalkPairs));
    for (int pair = 0; pair < kStalkPairs; ++pair) {
        const double k = static_cast<double>(pair) / (kStalkPairs - 1);
        const Vec centre = leaf::Lerp(leafCentre, rootCentre, k);
        const double radius = leafRadius + (rootRadius - leafRadius) * k;
        for (int c = 0; c < kStalkColumns; ++c) {
            const double a = leaf::kPi / 2 + 2 * leaf::kPi * (c % kStalkSides) / kStalkSides;  // column 0 on top
            Point& q = stalk[c][pair];
            q.p = {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), 0};
            // The root end is cut obliquely: its top corner is the pivot, its lowest the stalk's end.
            const double z = pair < kStalkPairs - 1
                                 ? kStalkZ[0] + (kStalkZ[1] - kStalkZ[0]) * k
                                 : kPivot.z + (kStalkZ[1] - kPivot.z) * (1 - std::sin(a)) / 2;
            q.p.z = pair == 0 ? z : z / kStalkZScale;
            q.n = {std::cos(a), std::sin(a), 0};
            q.s = kStalkTex.S(static_cast<double>(c) / kStalkSides);
            q.t = kStalkTex.T(k);
        }
    }
    stalk[0][kStalkPairs - 1].p = stalk[kStalkSides][kStalkPairs - 1].p = {kPivot.x, kPivot.y,
                                                                          kPivot.z / kStalkZScale};
    return stalk;
}

// A point of the saucer at angle a (radians) and radius fraction f of the rim
// (the middle at kMiddleRadius / rim radius), with its texture coordinate on
// the leaf's ellipse in the picture.
inline Point SaucerPoint(double a, double f, double z, Vec n)
{
    Point q;
    q.p = {kRimX * f * std::cos(a), kRimY * f * std::sin(a), z};
    q.n = leaf::Normalized(n);
    q.s = kLeafTex.S(0.5 + 0.5 * f * std::cos(a));
    q.t = kLeafTex.T(0.5 + 0.5 * f * std::sin(a));
    return q;
}

struct BladeLeaf {
    Column rim, inner, middleLeft, middleRight;
};

inline BladeLeaf BladeHead()
{
    const double f = kMiddleRadius / kRimY;
    const double slope = (kRimZ - kMiddleZ) / (kRimY - kMiddleRadius);
    auto rimAngle = [](int i) { return 2 * leaf::kPi * (i % (kRimPoints - 1)) / (kRimPoints - 1); };
    auto middle = [&](int k) {
        const double a = 2 * leaf::kPi * (k % kMiddleSides) / kMiddleSides;
        return SaucerPoint(a, f, kMiddleZ, {-0.4 * slope * std::cos(a), -0.4 * slope * std::sin(a), 1});
    };
    BladeLeaf b;
    for (int i = 0; i < kRimPoints; ++i) {
        const double a = rimAngle(i);
        // Four gentle waves round the rim.
        const double z = kRimZ + kRimRuffle * std::cos(4 * a);
        b.rim.push_back(SaucerPoint(a, 1.0, z, {-slope * std::cos(a), -slope * std::sin(a), 1}));
        // Inner points: the middle's corners, and between them the middles of its sides.
        if (i % 2 == 0) {
            b.inner.push_back(middle(i / 2));
        } else {
            const Point p = middle(i / 2), q = middle(i / 2 + 1);
            Point m = p;
            m.p = leaf::Lerp(p.p, q.p, 0.5);
            m.n = leaf::Normalized(p.n + q.n);
            m.s = (p.s + q.s) / 2;
            m.t = (p.t + q.t) / 2;
            b.inner.push_back(m);
        }
    }
    // Across the middle: corner k paired with corner 16 - k.
    for (int k = 0; k < kMiddlePairs; ++k) {
        Point l = middle(k), r = middle(kMiddleSides - k);
        l.n = r.n = {0, 0, 1};
        b.middleLeft.push_back(l);
        b.middleRight.push_back(r);
    }
    return b;
}

inline void WriteTables(std::FILE* out)
{
    leaf::WriteTable(out, "g_BladeStalk", BladeStalk());
    const BladeLeaf b = BladeHead();
    leaf::WriteList(out, "g_BladeLeafRim", b.rim);
    leaf::WriteList(out, "g_BladeLeafInner", b.inner);
    leaf::WriteList(out, "g_BladeLeafMiddleLeft", b.middleLeft);
    leaf::WriteList(out, "g_BladeLeafMiddleRight", b.middleRight);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/blade_cluster_meshes.h", WriteTables);

}  // namespace blade_cluster
