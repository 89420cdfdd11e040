// Plant model B's three meshes: an Aponogeton-like plant. A stalk rises from
// a creeping rhizome through a bulb at its foot; at its top a long elliptic
// leaf reaches out to one side and a short pointed one up the other. Ring
// centres are pinned to the end points the placement relies on; the long
// leaf's rings run from its tip to its base, the short leaf's too.
#pragma once
#include "plant_mesh_model_a.h"

namespace model_b_parts {

using leaf::Column;
using leaf::Grid;
using leaf::Point;
using leaf::Vec;
using model_a_parts::PinEnds;
using model_a_parts::RingWidth;

constexpr int kStalkRings = 6, kStalkColumns = 6;
constexpr int kLongRings = 10, kShortRings = 7, kLeafColumns = 3;

const Vec kStalkRoot = {-0.091, 0.025, -0.489};
const Vec kStalkTop = {0.064, 0.028, 0.012};
constexpr double kStalkWidths[kStalkRings] = {0.021, 0.049, 0.037, 0.031, 0.027, 0.024};
constexpr double kStalkS[kStalkColumns - 1] = {0.154, 0.3223, 0.4905, 0.6588, 0.827};
constexpr double kStalkT[2] = {1.791, 1.948};  // root, top

const Vec kLongTip = {-0.348, 0.176, 0.220};
const Vec kLongBase = {0.053, 0.029, -0.051};
constexpr double kLongWidths[3] = {0.042, 0.181, 0.036};  // tip ring, widest, base ring
constexpr double kLongS[kLeafColumns] = {0.561, 0.6375, 0.714};
constexpr double kLongT[2] = {1.994, 1.571};  // tip, base

const Vec kShortTip = {0.172, 0.027, 0.259};
const Vec kShortBase = {0.053, 0.028, -0.016};
constexpr double kShortWidths[2] = {0.092, 0.036};  // widest, base ring
constexpr double kShortS[kLeafColumns] = {0.725, 0.7805, 0.836};
constexpr double kShortT[2] = {1.780, 1.558};  // tip, base

// The stalk: it leaves the rhizome lying along x, swells into the bulb and
// rises, leaning a little, to its top. Its section is flattened across the
// plant's depth.
inline Grid Stalk()
{
    const leaf::Curve<Vec> spine({{0.0, kStalkRoot},
                                  {0.12, {-0.058, 0.026, -0.484}},
                                  {0.3, {-0.036, 0.027, -0.405}},
                                  {0.6, {0.012, 0.027, -0.205}},
                                  {1.0, kStalkTop}});
    const double flatness = 0.8;
    const std::vector<double> u = leaf::EvenRings(kStalkRings);
    // The width of a ring of radius 1, to size each ring to its width.
    leaf::Tube unit{spine, [](double) { return 1.0; }, {0, 0, -1}, flatness};
    const double unitWidth = RingWidth(leaf::SampleTube(unit, {0.0}, kStalkColumns - 1, leaf::TexRect{})[0]);
    const leaf::Curve<double> radius([&] {
        std::vector<std::pair<double, double>> knots;
        for (int r = 0; r < kStalkRings; ++r)
            knots.push_back({u[r], kStalkWidths[r] / unitWidth});
        return knots;
    }());
    leaf::Tube tube{spine, radius, {0, 0, -1}, flatness};
    Grid rings = leaf::SampleTube(tube, u, kStalkColumns - 1, leaf::TexRect{});
    PinEnds(rings, kStalkRoot, kStalkTop, true);
    for (int r = 0; r < kStalkRings; ++r)
        for (int c = 0; c < kStalkColumns; ++c) {
            rings[r][c].s = kStalkS[c % (kStalkColumns - 1)];
            rings[r][c].t = kStalkT[0] + (kStalkT[1] - kStalkT[0]) * u[r];
        }
    return rings;
}

// A leaf from base to tip with its width along it (u from the base), rolled
// about its length, cupped (flat at the base, where it meets the stalk) and
// arched; rings are written tip first.
struct LeafShape {
    Vec base, tip;
    int rings;
    std::vector<std::pair<double, double>> width;  // (u, width)
    double arch, cup;
    std::vector<std::pair<double, double>> roll;  // (u, radians about the length)
    const double* s;
    const double* t;  // tip, base
};

inline Grid LeafOf(const LeafShape& l)
{
    const Vec d = l.tip - l.base;
    const Vec axis = leaf::Normalized(d);
    const leaf::Curve<double> width(l.width), roll(l.roll);
    const double v[kLeafColumns] = {-1, 0, 1};
    Grid rings(l.rings, Column(kLeafColumns));
    for (int r = 0; r < l.rings; ++r) {
        const double u = 1.0 - r / (l.rings - 1.0);  // ring 0 is the tip
        const Vec mid = l.base + d * u + model_a_parts::FaceOf(d) * (l.arch * leaf::Length(d) * 4 * u * (1 - u));
        const Vec across = leaf::Rotated(model_a_parts::AcrossOf(d), axis, roll(u));
        const Vec face = leaf::Rotated(model_a_parts::FaceOf(d), axis, roll(u));
        const double hw = width(u) / 2, cup = l.cup * leaf::SmoothStep(0.0, 0.3, u);
        for (int c = 0; c < kLeafColumns; ++c) {
            Point& q = rings[r][c];
            q.p = mid + across * (v[c] * hw) + face * (cup * v[c] * v[c] * hw);
            q.s = l.s[c];
            q.t = l.t[1] + (l.t[0] - l.t[1]) * u;
        }
    }
    PinEnds(rings, l.tip, l.base, false);
    leaf::GridNormals(rings, model_a_parts::FaceOf(d));
    return rings;
}

inline Grid LongLeaf()
{
    return LeafOf({kLongBase,
                   kLongTip,
                   kLongRings,
                   {{0.0, kLongWidths[2]},
                    {1 / 9.0, 0.105},
                    {2 / 9.0, 0.150},
                    {4 / 9.0, kLongWidths[1]},
                    {5 / 9.0, 0.178},
                    {7 / 9.0, 0.140},
                    {8 / 9.0, 0.100},
                    {1.0, kLongWidths[0]}},
                   0.05,
                   0.18,
                   {{0.0, 0.0}, {0.5, -1.1}, {1.0, -0.2}},
                   kLongS,
                   kLongT});
}

inline Grid ShortLeaf()
{
    return LeafOf({kShortBase,
                   kShortTip,
                   kShortRings,
                   {{0.0, kShortWidths[1]}, {1 / 6.0, 0.070}, {2 / 6.0, kShortWidths[0]}, {4 / 6.0, 0.078}, {5 / 6.0, 0.046},
                    {1.0, 0.0}},
                   0.04,
                   0.08,
                   {{0.0, 0.25}, {0.35, 1.1}, {1.0, 1.1}},
                   kShortS,
                   kShortT});
}

inline void WriteTables(std::FILE* out)
{
    leaf::WriteTable(out, "g_PlantModelBStalk", Stalk());
    leaf::WriteTable(out, "g_PlantModelBLongLeaf", LongLeaf());
    leaf::WriteTable(out, "g_PlantModelBShortLeaf", ShortLeaf());
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/plant_model_b_meshes.h", WriteTables);

}  // namespace model_b_parts
