// Plant model A's fifteen parts: an umbrella pennywort. Seven thin stems
// arch up from one root; each runs to the base of a round leaf and on
// beneath it, so the leaf seems to sit on its stem. Stems are pentagonal
// tubes closing to a tip point; leaves are five columns wide, cupped, with
// a slight arch. Ring centres (the mean of a ring's points) are pinned to
// the base and tip points the placement relies on.
#pragma once
#include "leaf_kit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace model_a_parts {

using leaf::Column;
using leaf::Grid;
using leaf::Point;
using leaf::Vec;

constexpr int kStemRings = 8, kStemColumns = 6, kLeafColumns = 5;

// The stems' one texture table: s across a ring (ring 0 runs the other
// way), t along the stem, and the tip point.
constexpr double kStemS[kStemColumns] = {0.9624, 0.8354, 0.8672, 0.8989, 0.9307, 0.9624};
constexpr double kStemRootS[kStemColumns] = {0.9624, 0.9307, 0.8989, 0.8672, 0.8354, 0.9624};
constexpr double kStemT[kStemRings - 1] = {1.6767, 1.7275, 1.7783, 1.8291, 1.8799, 1.9306, 1.9433};
constexpr double kStemTipS = 0.8354, kStemTipT = 1.9624;

// The leaves' part of the picture: s across (the midrib at kLeafMidS), t
// from the base ring (1.006 to 1.022) to the tip ring (1.48 to 1.667).
constexpr double kLeafS[kLeafColumns] = {0.506, 0.6159, 0.7257, 0.8354, 0.945};
constexpr double kLeafMidS = 0.7257;
constexpr double kLeafBaseT[2] = {1.006, 1.022};
constexpr double kLeafTipT[2] = {1.48, 1.667};

struct StemSpec {
    int part;
    Vec root, tip;
    double width;  // of the root ring
    int leaf;      // the part whose base the stem runs through
};
struct LeafSpec {
    int part, rings;
    Vec base, tip;
    double width;  // of the widest ring
};

const Vec kRootA = {0.035, -0.109, -0.283};  // stems 2 to 5
const Vec kRootB = {0.034, -0.108, -0.273};  // stems 6 to 8

const StemSpec kStems[7] = {
    {2, kRootA, {-0.234, 0.056, -0.146}, 0.011, 1},  {3, kRootA, {-0.104, -0.295, -0.207}, 0.011, 9},
    {4, kRootA, {0.140, -0.305, -0.178}, 0.011, 10}, {5, kRootA, {0.281, -0.051, -0.189}, 0.011, 11},
    {6, kRootB, {-0.075, -0.013, 0.069}, 0.012, 13}, {7, kRootB, {-0.153, -0.223, 0.040}, 0.012, 14},
    {8, kRootB, {0.113, -0.332, -0.045}, 0.012, 15},
};
const LeafSpec kLeaves[8] = {
    {1, 6, {-0.136, -0.005, -0.150}, {-0.396, 0.178, -0.105}, 0.170},
    {9, 6, {-0.042, -0.212, -0.209}, {-0.145, -0.388, -0.202}, 0.204},
    {10, 7, {0.093, -0.219, -0.201}, {0.160, -0.383, -0.155}, 0.197},
    {11, 7, {0.178, -0.073, -0.201}, {0.400, -0.045, -0.171}, 0.181},
    {12, 7, {0.083, -0.007, -0.078}, {0.219, 0.211, 0.089}, 0.235},
    {13, 7, {-0.015, -0.063, -0.011}, {-0.182, 0.041, 0.263}, 0.210},
    {14, 6, {-0.073, -0.172, -0.025}, {-0.293, -0.336, 0.217}, 0.161},
    {15, 6, {0.077, -0.231, -0.072}, {0.182, -0.474, 0.066}, 0.137},
};
constexpr double kStemTipWidth = 0.006;  // of ring 6

inline const LeafSpec& LeafOf(int part)
{
    for (const LeafSpec& l : kLeaves)
        if (l.part == part)
            return l;
    return kLeaves[0];
}

// The mean of a ring's points (the repeated seam column counted once).
inline Vec RingCentre(const Column& ring, bool closed)
{
    const size_t n = ring.size() - (closed ? 1 : 0);
    Vec sum;
    for (size_t c = 0; c < n; ++c)
        sum = sum + ring[c].p;
    return sum * (1.0 / static_cast<double>(n));
}

// The largest distance between two points of a ring.
inline double RingWidth(const Column& ring)
{
    double w = 0;
    for (const Point& a : ring)
        for (const Point& b : ring)
            w = std::max(w, leaf::Length(a.p - b.p));
    return w;
}

// Moves every ring so that the first and last centres land on their points,
// the offsets spread evenly between.
inline void PinEnds(Grid& rings, Vec first, Vec last, bool closed)
{
    const Vec d0 = first - RingCentre(rings.front(), closed);
    const Vec d1 = last - RingCentre(rings.back(), closed);
    const double n = static_cast<double>(rings.size() - 1);
    for (size_t r = 0; r < rings.size(); ++r)
        for (Point& q : rings[r])
            q.p = q.p + leaf::Lerp(d0, d1, r / n);
}

const Vec kUp = {0, 0, 1};

// The horizontal direction across a leaf or stem heading along d, and the
// face normal that turns upwards.
inline Vec AcrossOf(Vec d) { return leaf::Normalized(leaf::Cross(kUp, d)); }
inline Vec FaceOf(Vec d)
{
    Vec n = leaf::Normalized(leaf::Cross(d, AcrossOf(d)));
    return n.z < 0 ? n * -1.0 : n;
}

// u of the stem rings: in step with their texture t, the tip at 1.
inline std::vector<double> StemRingU()
{
    std::vector<double> u;
    for (double t : kStemT)
        u.push_back((t - kStemT[0]) / (kStemTipT - kStemT[0]));
    u.push_back(1.0);
    return u;
}

inline Grid Stem(const StemSpec& s)
{
    const LeafSpec& leaf = LeafOf(s.leaf);
    // Just under the leaf's base, where the stem meets the blade.
    const Vec joint = leaf.base - FaceOf(leaf.tip - leaf.base) * 0.004;
    const double toJoint = leaf::Length(joint - s.root), beyond = leaf::Length(s.tip - joint);
    const double uj = toJoint / (toJoint + beyond);
    // The stem rises steeply from the root and arches over to the joint.
    const Vec rise = joint - s.root;
    const double arch = 0.18 * toJoint;
    std::vector<std::pair<double, Vec>> knots = {{0.0, s.root}};
    for (double f : {0.3, 0.65})
        knots.push_back({uj * f, s.root + rise * f + kUp * (arch * std::sin(leaf::kPi * f))});
    knots.push_back({uj, joint});
    knots.push_back({1.0, s.tip});
    const leaf::Curve<Vec> spine(knots);

    const std::vector<double> u = StemRingU();
    const double r0 = s.width / (2 * std::sin(0.4 * leaf::kPi)), r6 = kStemTipWidth / (2 * std::sin(0.4 * leaf::kPi));
    const double u6 = u[kStemRings - 2];
    leaf::Tube tube{spine, [=](double x) { return x >= 1.0 ? 0.0 : r0 + (r6 - r0) * std::min(1.0, x / u6); },
                    {1, 0, 0}};
    Grid rings = leaf::SampleTube(tube, u, kStemColumns - 1, leaf::TexRect{});
    // The tip ring is one point.
    for (Point& q : rings.back())
        q.p = s.tip;
    PinEnds(rings, s.root, s.tip, true);
    for (int r = 0; r < kStemRings; ++r) {
        for (int c = 0; c < kStemColumns; ++c) {
            Point& q = rings[r][c];
            if (r == kStemRings - 1) {
                q.n = kUp;
                q.s = kStemTipS;
                q.t = kStemTipT;
            } else {
                q.s = r == 0 ? kStemRootS[c] : kStemS[c];
                q.t = kStemT[r];
            }
        }
        rings[r][kStemColumns - 1] = rings[r][0];
    }
    return rings;
}

// A rounded leaf's width along it, as a part of its widest ring.
inline double LeafWidthAt(double u)
{
    static const leaf::Curve<double> width({{0.0, 0.42}, {0.2, 0.86}, {0.42, 1.0}, {0.65, 0.93}, {0.85, 0.66}, {1.0, 0.28}});
    return width(u);
}

// Base and tip t of leaf k of n, the tip by the leaf's length among the leaves.
inline std::array<double, 2> LeafT(const LeafSpec& l)
{
    double shortest = 1e9, longest = 0;
    int k = 0, n = 0;
    for (const LeafSpec& o : kLeaves) {
        const double len = leaf::Length(o.tip - o.base);
        shortest = std::min(shortest, len);
        longest = std::max(longest, len);
        if (o.part == l.part)
            k = n;
        ++n;
    }
    const double len = leaf::Length(l.tip - l.base);
    return {kLeafBaseT[0] + (kLeafBaseT[1] - kLeafBaseT[0]) * k / (n - 1),
            kLeafTipT[0] + (kLeafTipT[1] - kLeafTipT[0]) * (len - shortest) / (longest - shortest)};
}

inline Grid Leaf(const LeafSpec& l)
{
    const Vec d = l.tip - l.base;
    const Vec across = AcrossOf(d), face = FaceOf(d);
    const double length = leaf::Length(d);
    const double arch = 0.07 * length, cup = 0.22;
    const double v[kLeafColumns] = {-1, -0.5, 0, 0.5, 1};
    const std::array<double, 2> t = LeafT(l);

    // The widest of the sampled rings is the leaf's width.
    double widest = 0;
    for (int r = 0; r < l.rings; ++r)
        widest = std::max(widest, LeafWidthAt(r / (l.rings - 1.0)));
    const double halfWidth = l.width / 2 / widest;

    Grid rings(l.rings, Column(kLeafColumns));
    for (int r = 0; r < l.rings; ++r) {
        const double u = r / (l.rings - 1.0);
        const Vec mid = l.base + d * u + face * (arch * 4 * u * (1 - u));
        const double hw = halfWidth * LeafWidthAt(u);
        for (int c = 0; c < kLeafColumns; ++c) {
            Point& q = rings[r][c];
            q.p = mid + across * (v[c] * hw) + face * (cup * v[c] * v[c] * hw);
            q.s = kLeafS[c];
            q.t = t[0] + (t[1] - t[0]) * u;
        }
    }
    PinEnds(rings, l.base, l.tip, false);
    leaf::GridNormals(rings, face);
    return rings;
}

inline std::string PartName(int part) { return "g_PlantModelAPart" + std::to_string(part); }

inline void WriteTables(std::FILE* out)
{
    for (const LeafSpec& l : kLeaves)
        leaf::WriteTable(out, PartName(l.part), Leaf(l));
    for (const StemSpec& s : kStems)
        leaf::WriteTable(out, PartName(s.part), Stem(s));
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/plant_model_a_meshes.h", WriteTables);

}  // namespace model_a_parts
