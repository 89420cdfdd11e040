// Kit for the stone and wood of the tank: noise in space (for lumps, knots and
// worn faces), normals of an indexed mesh with sharp creases kept, the frame
// a display list turns a model by, gnarled branches of indexed triangles, and
// a driftwood surface that repeats in both directions.
#pragma once
#include "leaf_kit.h"
#include "texture_kit.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace deco {

using leaf::Vec;

// ---- noise in space ----------------------------------------------------------

// Gradient noise at p (lattice of unit cells), about -1..1; it does not repeat.
inline double Noise3(Vec p, uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(p.x)), y0 = static_cast<int>(std::floor(p.y)),
              z0 = static_cast<int>(std::floor(p.z));
    const double fx = p.x - x0, fy = p.y - y0, fz = p.z - z0;
    auto grad = [&](int ix, int iy, int iz, double dx, double dy, double dz) {
        const uint32_t h = kit::Hash(ix, iy * 7919 + iz * 104729, seed);
        const double a = kit::Unit(h) * 2 * leaf::kPi, b = std::acos(2 * kit::Unit(kit::Hash(h)) - 1.0);
        return std::sin(b) * std::cos(a) * dx + std::sin(b) * std::sin(a) * dy + std::cos(b) * dz;
    };
    auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    double n[2][2][2];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k)
                n[i][j][k] = grad(x0 + i, y0 + j, z0 + k, fx - i, fy - j, fz - k);
    const double u = fade(fx), v = fade(fy), w = fade(fz);
    const double x00 = lerp(n[0][0][0], n[1][0][0], u), x10 = lerp(n[0][1][0], n[1][1][0], u);
    const double x01 = lerp(n[0][0][1], n[1][0][1], u), x11 = lerp(n[0][1][1], n[1][1][1], u);
    return 1.6 * lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

// Octaves of Noise3, each twice as fine and half as strong; about -1..1.
inline double Fbm3(Vec p, int octaves, uint32_t seed)
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise3(p, seed + 131u * o);
        norm += amp;
        amp *= 0.5;
        p = p * 2.0;
    }
    return sum / norm;
}

// ---- indexed meshes ----------------------------------------------------------

// A mesh as positions and triangles of position indices, with a texture
// coordinate for each corner.
struct Mesh {
    std::vector<Vec> positions;
    std::vector<std::array<int, 3>> faces;
    std::vector<std::array<std::array<double, 2>, 3>> texCoords;  // [face][corner] = {s, t}

    void Add(std::array<int, 3> face, std::array<std::array<double, 2>, 3> st)
    {
        faces.push_back(face);
        texCoords.push_back(st);
    }
};

inline Vec FaceNormal(const Mesh& m, size_t f)
{
    const Vec a = m.positions[m.faces[f][0]], b = m.positions[m.faces[f][1]], c = m.positions[m.faces[f][2]];
    return leaf::Cross(b - a, c - a);  // length: twice the area
}

// A normal for each corner: the area-weighted mean of the faces around the
// corner's position that turn less than creaseDegrees from the corner's own
// face, so smooth stone stays smooth and a fracture keeps its edge.
inline std::vector<std::array<Vec, 3>> CreasedNormals(const Mesh& m, double creaseDegrees)
{
    std::vector<std::vector<size_t>> around(m.positions.size());
    std::vector<Vec> faceNormal(m.faces.size()), faceUnit(m.faces.size());
    for (size_t f = 0; f < m.faces.size(); ++f) {
        faceNormal[f] = FaceNormal(m, f);
        faceUnit[f] = leaf::Normalized(faceNormal[f]);
        for (int k = 0; k < 3; ++k)
            around[m.faces[f][k]].push_back(f);
    }
    const double limit = std::cos(creaseDegrees * leaf::kPi / 180);
    std::vector<std::array<Vec, 3>> out(m.faces.size());
    for (size_t f = 0; f < m.faces.size(); ++f)
        for (int k = 0; k < 3; ++k) {
            Vec sum;
            for (size_t g : around[m.faces[f][k]])
                if (leaf::Dot(faceUnit[g], faceUnit[f]) >= limit)
                    sum = sum + faceNormal[g];
            out[f][k] = leaf::Length(sum) > 0 ? leaf::Normalized(sum) : faceUnit[f];
        }
    return out;
}

// ---- turning a model as its list does -----------------------------------------

// p turned as glRotatef(degrees, axis) turns it.
inline Vec Turned(Vec p, double degrees, Vec axis)
{
    return leaf::Rotated(p, leaf::Normalized(axis), degrees * leaf::kPi / 180);
}

// A rotation as a 3 x 3 matrix: columns are where the x, y and z axes go.
struct Frame {
    Vec x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};

    Vec Apply(Vec p) const { return x * p.x + y * p.y + z * p.z; }
    // The inverse (the transpose).
    Vec Unapply(Vec p) const { return {leaf::Dot(x, p), leaf::Dot(y, p), leaf::Dot(z, p)}; }
    // This frame followed, on the model side, by glRotatef(degrees, axis).
    Frame Then(double degrees, Vec axis) const
    {
        return {Apply(Turned({1, 0, 0}, degrees, axis)), Apply(Turned({0, 1, 0}, degrees, axis)),
                Apply(Turned({0, 0, 1}, degrees, axis))};
    }
};

// ---- branches ------------------------------------------------------------------

// A branch: a round stem along a spine, its radius and a relief that adds
// knots and ridges (radius factor at u and angle a), closed to a worn point
// at either end if asked.
struct Branch {
    std::function<Vec(double u)> spine;
    std::function<double(double u)> radius;
    std::function<double(double u, double a)> relief = [](double, double) { return 1.0; };
    Vec seam{0, 0, 1};      // roughly where the first column lies
    int sides = 12;         // columns around
    int rings = 10;         // rings along, ends included
    bool closeRoot = false;  // a worn point before the first ring
    bool closeTip = true;    // and after the last
    double texLength = 1;    // spine length per repeat of the picture along t
};

// Faces a branch adds: two for each quad between rings, one per side for each closed end.
inline int BranchFaces(const Branch& b)
{
    return b.sides * (2 * (b.rings - 1) + (b.closeRoot ? 1 : 0) + (b.closeTip ? 1 : 0));
}

// Adds a branch to a mesh: s runs once around (0 .. 1, the seam repeated),
// t along the branch from 1. A closed end is worn round: its last few rings
// bend in over a quarter circle, and a fan of one face a side meets at the tip.
inline void AddBranch(Mesh& m, const Branch& b)
{
    const int first = static_cast<int>(m.positions.size());
    auto tangentAt = [&](double u) {
        return leaf::Normalized(b.spine(std::min(1.0, u + 1e-4)) - b.spine(std::max(0.0, u - 1e-4)));
    };
    // The rings of each rounded end, and where the body's rings lie between them.
    const int capRings = 4;
    const int rootCap = b.closeRoot ? capRings : 0, tipCap = b.closeTip ? capRings : 0;
    const int body = b.rings - rootCap - tipCap;
    struct RingPlace {
        Vec centre, tangent;
        double radius, u;
    };
    std::vector<RingPlace> places;
    for (int r = 0; r < b.rings; ++r) {
        if (r < rootCap || r >= rootCap + body) {
            // On the quarter circle of a worn end: from the body's last ring
            // towards the tip, the radius shrinking as the ring moves out.
            const bool root = r < rootCap;
            const int k = root ? rootCap - r : r - (rootCap + body) + 1;
            const double angle = 0.5 * leaf::kPi * k / (capRings + 1);
            const double u = root ? 0.0 : 1.0;
            const Vec tangent = tangentAt(u);
            places.push_back({b.spine(u) + tangent * ((root ? -1 : 1) * b.radius(u) * std::sin(angle)), tangent,
                              b.radius(u) * std::cos(angle), u});
        } else {
            const double u = body > 1 ? static_cast<double>(r - rootCap) / (body - 1) : 0.0;
            places.push_back({b.spine(u), tangentAt(u), b.radius(u), u});
        }
    }
    std::vector<double> t(b.rings);
    Vec side = b.seam;
    double length = 0;
    for (int r = 0; r < b.rings; ++r) {
        const RingPlace& q = places[r];
        if (r > 0)
            length += leaf::Length(q.centre - places[r - 1].centre);
        t[r] = 1.0 + length / b.texLength;
        side = leaf::Normalized(side - q.tangent * leaf::Dot(side, q.tangent));
        const Vec other = leaf::Cross(q.tangent, side);
        for (int c = 0; c < b.sides; ++c) {
            const double a = 2 * leaf::kPi * c / b.sides;
            m.positions.push_back(q.centre + (side * std::cos(a) + other * std::sin(a)) *
                                                 (q.radius * b.relief(q.u, static_cast<double>(c) / b.sides)));
        }
    }
    auto at = [&](int r, int c) { return first + r * b.sides + c % b.sides; };
    auto st = [&](int r, int c) { return std::array<double, 2>{static_cast<double>(c) / b.sides, t[r]}; };
    for (int r = 0; r + 1 < b.rings; ++r)
        for (int c = 0; c < b.sides; ++c) {
            m.Add({at(r, c), at(r + 1, c), at(r + 1, c + 1)}, {st(r, c), st(r + 1, c), st(r + 1, c + 1)});
            m.Add({at(r, c), at(r + 1, c + 1), at(r, c + 1)}, {st(r, c), st(r + 1, c + 1), st(r, c + 1)});
        }
    // The tip of a worn end, a radius out from the body's end.
    auto close = [&](int ring, double u, bool root) {
        const Vec tip = b.spine(u) + tangentAt(u) * ((root ? -1 : 1) * b.radius(u));
        const int index = static_cast<int>(m.positions.size());
        m.positions.push_back(tip);
        const double tipT = t[ring] + (root ? -1 : 1) * leaf::Length(tip - places[ring].centre) / b.texLength;
        for (int c = 0; c < b.sides; ++c) {
            const std::array<double, 2> a = st(ring, c), z = st(ring, c + 1), p = {(c + 0.5) / b.sides, tipT};
            if (root)
                m.Add({at(ring, c + 1), at(ring, c), index}, {z, a, p});
            else
                m.Add({at(ring, c), at(ring, c + 1), index}, {a, z, p});
        }
    };
    if (b.closeRoot)
        close(0, 0.0, true);
    if (b.closeTip)
        close(b.rings - 1, 1.0, false);
}

// ---- surfaces -------------------------------------------------------------------

// Driftwood at picture position (s, t), both 0..1 and repeating: bleached
// grey-brown wood whose grain runs along t, wavering round a few knots, with
// long thin checks along the grain and darker weathered streaks.
inline kit::Rgb DriftwoodAt(kit::Rgb pale, kit::Rgb dark, float s, float t, uint32_t seed)
{
    using namespace kit;
    // Knots: a few fixed places; the grain bends round them.
    const float knots[3][3] = {{0.22f, 0.3f, 0.05f}, {0.68f, 0.74f, 0.04f}, {0.83f, 0.18f, 0.03f}};
    float bend = 0, knot = 0;
    for (const auto& k : knots) {
        const float dx = WrapDelta(s - k[0], 1.0f), dy = WrapDelta(t - k[1], 1.0f) * 0.35f;
        const float d = std::sqrt(dx * dx + dy * dy);
        bend += k[2] * dx / (d + k[2]) * std::exp(-d / (4 * k[2]));
        knot = std::max(knot, SmoothStep(k[2], k[2] * 0.4f, d));
    }
    const float u = s + 0.05f * Fbm(s, t, 3, 3, seed) - bend;
    // Growth lines across s, some darker than others.
    const float line = 0.5f + 0.5f * std::sin(2 * kPi * u * 18);
    const float lateWood = SmoothStep(0.7f, 0.95f, line) * (0.6f + 0.4f * Fbm(u, 0.5f, 9, 1, seed + 1));
    // Fibre streaks: fine noise stretched along t.
    const float fibre = Fbm(4 * u, t, 8, 3, seed + 2);
    // Checks: narrow cracks along the grain, each over part of the length.
    float check = 0;
    for (int i = 0; i < 7; ++i) {
        const float at = (i + 0.37f * Unit(Hash(i, 1, seed + 3))) / 7;
        const float wobble = 0.006f * Perlin(t * 6, i * 3.0f, 6, seed + 4);
        const float near = SmoothStep(0.004f, 0.0f, std::abs(WrapDelta(u - at - wobble, 1.0f)));
        const float open = SmoothStep(0.1f, 0.35f, Perlin(t * 3 + i * 0.37f, i * 5.0f, 3, seed + 5));
        check = std::max(check, near * open);
    }
    const float weathered = 0.5f + 0.5f * Fbm(s, t, 4, 4, seed + 6);
    Rgb c = Mix(dark, pale, Clamp01(0.45f + 0.45f * weathered + 0.12f * fibre));
    c = Mix(c, dark, 0.35f * lateWood);
    c = Mix(c, dark * 0.45f, 0.9f * check);
    const float rings = 0.5f + 0.5f * std::sin(2 * kPi * knot * 5);
    c = Mix(c, Mix(dark * 0.55f, dark * 0.85f, rings), 0.85f * knot);
    return {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
}

}  // namespace deco
