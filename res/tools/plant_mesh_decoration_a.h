// Decoration A: a boulder. A rounded block leaning a little forward on a flat
// foot, broken by a dozen fracture planes into faces with sharp edges and
// worn into lumps, sampled on rings about its long axis (20 points around,
// 28 rings, a point at each end: exactly the 1120 faces the decoration draws).
// Its texture coordinates are a 6 x 8 grid over its picture rectangle,
// folded back and forth around the stone so that neighbours stay neighbours.
//
// The stone is shaped as the player sees it and turned into the table's
// frame by the group's turn (225 - 15 degrees about z, undone), then fitted
// to the unit box; one corner is pinned where the table must hold it.
#pragma once
#include "decoration_kit.h"
#include "scenery/decoration_mesh_a_meshes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace decoration_a {

using leaf::Vec;

constexpr int kAround = 20, kRings = 28;
constexpr int kFaces = 2 * kAround * kRings;
static_assert(kFaces == static_cast<int>(std::size(g_DecorationAFaces)), "the decoration's face count");
constexpr int kPositions = static_cast<int>(std::size(g_DecorationAPositions));
constexpr int kNormals = static_cast<int>(std::size(g_DecorationANormals));
constexpr int kTexCoords = static_cast<int>(std::size(g_DecorationATexCoords));
static_assert(kTexCoords == kDecorationATexColumns * kDecorationATexRows, "a coordinate for each grid point");

const Vec kHalfBox = {0.5, 0.415, 0.285};
// The telling rows: position 0 (pinned), normal 0 and texture coordinate 0,
// which face 0 uses as positions 2, 3, 0, normals 0, 1, 2, coordinates 0, 1, 2.
const Vec kPosition0 = {0.1232, 0.3977, -0.2854};
const Vec kNormal0 = {0.3989, -0.6945, -0.5988};

// The group turns every copy by 225 degrees about z, the whole group by -15.
inline deco::Frame SeenFrame() { return deco::Frame{}.Then(210, {0, 0, 1}); }

// ---- the stone as seen (x right, y up, z to the front) --------------------------

struct Cut {
    Vec normal;
    double distance;
};
inline std::vector<Cut> FracturePlanes()
{
    kit::Random random(2024);
    std::vector<Cut> cuts;
    for (int i = 0; i < 13; ++i) {
        // Mostly on the sides and top; the foot is cut flat below.
        const double a = random.Range(0, 2 * leaf::kPi), up = random.Range(-0.25, 0.85);
        const Vec n = leaf::Normalized({std::cos(a), up, std::sin(a) * 0.9});
        cuts.push_back({n, random.Range(0.82, 0.94)});
    }
    return cuts;
}

// The distance from the centre to the stone's surface along the unit direction d.
inline double Radius(Vec d, const std::vector<Cut>& cuts)
{
    const Vec half = {0.56, 0.37, 0.34};
    const double p = 2.6;
    double r = 1 / std::pow(std::pow(std::abs(d.x / half.x), p) + std::pow(std::abs(d.y / half.y), p) +
                                std::pow(std::abs(d.z / half.z), p),
                            1 / p);
    for (const Cut& c : cuts) {
        // A plane at `distance` of the block's own radius in its direction.
        const double along = leaf::Dot(d, c.normal);
        if (along > 1e-3) {
            const double at = c.distance / std::pow(std::pow(std::abs(c.normal.x / half.x), p) +
                                                        std::pow(std::abs(c.normal.y / half.y), p) +
                                                        std::pow(std::abs(c.normal.z / half.z), p),
                                                    1 / p);
            r = std::min(r, at / along);
        }
    }
    const double foot = -0.27;
    if (d.y < -1e-3)
        r = std::min(r, foot / d.y);
    // Lumps and pits worn into the faces.
    return r * (1 + 0.05 * deco::Fbm3(d * 2.2, 3, 91) + 0.015 * deco::Fbm3(d * 9.0, 2, 92));
}

// Direction of ring i (0 .. kRings - 1), point j around; the ends of the long axis are the poles.
inline Vec Direction(int ring, int j)
{
    const double phi = leaf::kPi * (ring + 1) / (kRings + 1), lambda = 2 * leaf::kPi * j / kAround;
    return {std::cos(phi), std::sin(phi) * std::cos(lambda), std::sin(phi) * std::sin(lambda)};
}

// The stone's points: ring by ring, then the two poles (+x, -x). It leans
// forward, so its foot reaches furthest back.
inline std::vector<Vec> SeenPoints()
{
    const std::vector<Cut> cuts = FracturePlanes();
    std::vector<Vec> points;
    auto place = [&](Vec d) {
        Vec p = d * Radius(d, cuts);
        p.z += 0.3 * (p.y + 0.27);
        return p;
    };
    for (int i = 0; i < kRings; ++i)
        for (int j = 0; j < kAround; ++j)
            points.push_back(place(Direction(i, j)));
    points.push_back(place({1, 0, 0}));
    points.push_back(place({-1, 0, 0}));
    return points;
}

// ---- the table's frame ------------------------------------------------------------

// Fits the points to the unit box, axis by axis.
inline void FitBox(std::vector<Vec>& points)
{
    leaf::Box box;
    for (const Vec& p : points)
        box.Add(p);
    for (Vec& p : points) {
        p.x = (2 * (p.x - box.low.x) / (box.high.x - box.low.x) - 1) * kHalfBox.x;
        p.y = (2 * (p.y - box.low.y) / (box.high.y - box.low.y) - 1) * kHalfBox.y;
        p.z = (2 * (p.z - box.low.z) / (box.high.z - box.low.z) - 1) * kHalfBox.z;
    }
}

// Moves point `index` onto `at`, its neighbourhood along with it.
inline void Pin(std::vector<Vec>& points, int index, Vec at)
{
    const Vec from = points[index], move = at - from;
    for (Vec& p : points) {
        const double d = leaf::Length(p - from);
        p = p + move * std::exp(-(d * d) / (0.15 * 0.15));
    }
    points[index] = at;
}

struct Stone {
    deco::Mesh mesh;  // positions in the table's frame
    int pinned = 0;   // the point at kPosition0
};

// Folds i back and forth over 0 .. n - 1.
inline int Fold(int i, int n)
{
    const int period = 2 * (n - 1), k = ((i % period) + period) % period;
    return k < n ? k : period - k;
}

inline Stone MakeStone()
{
    Stone stone;
    std::vector<Vec> points = SeenPoints();
    const deco::Frame seen = SeenFrame();
    for (Vec& p : points)
        p = seen.Unapply(p);
    // The point nearest the pin's place, found once the stone fills its box.
    FitBox(points);
    int nearest = 0;
    for (int i = 0; i < kRings * kAround; ++i)
        if (leaf::Length(points[i] - kPosition0) < leaf::Length(points[nearest] - kPosition0))
            nearest = i;
    for (int pass = 0; pass < 3; ++pass) {
        Pin(points, nearest, kPosition0);
        FitBox(points);
    }
    Pin(points, nearest, kPosition0);
    // What the pin pushed past the box is pressed back onto it (the pin's own
    // place lies on it, to the table's four places).
    for (int i = 0; i < static_cast<int>(points.size()); ++i)
        if (i != nearest) {
            points[i].x = std::clamp(points[i].x, -kHalfBox.x, kHalfBox.x);
            points[i].y = std::clamp(points[i].y, -kHalfBox.y, kHalfBox.y);
            points[i].z = std::clamp(points[i].z, -kHalfBox.z, kHalfBox.z);
        }
    stone.pinned = nearest;
    stone.mesh.positions = points;

    // Faces outwards: rings as bands, fans to the poles.
    const int north = kRings * kAround, south = north + 1;
    auto at = [](int i, int j) { return i * kAround + (j % kAround); };
    std::vector<std::array<int, 3>> faces;
    for (int j = 0; j < kAround; ++j)
        faces.push_back({north, at(0, j + 1), at(0, j)});
    for (int i = 0; i + 1 < kRings; ++i)
        for (int j = 0; j < kAround; ++j) {
            faces.push_back({at(i, j), at(i, j + 1), at(i + 1, j + 1)});
            faces.push_back({at(i, j), at(i + 1, j + 1), at(i + 1, j)});
        }
    for (int j = 0; j < kAround; ++j)
        faces.push_back({south, at(kRings - 1, j), at(kRings - 1, j + 1)});
    // The winding above follows the rings; turn any face that points inwards.
    Vec centre;
    for (const Vec& p : points)
        centre = centre + p * (1.0 / points.size());
    for (auto& f : faces) {
        const Vec n = leaf::Cross(points[f[1]] - points[f[0]], points[f[2]] - points[f[0]]);
        if (leaf::Dot(n, (points[f[0]] + points[f[1]] + points[f[2]]) * (1.0 / 3) - centre) < 0)
            std::swap(f[1], f[2]);
    }
    stone.mesh.faces = faces;
    return stone;
}

// The grid point (column across s, row along t) of a corner: the rings' points
// fold over the grid, the poles take the row before the first ring and after the last.
struct GridPoint {
    int column, row;
};
inline std::array<double, 2> GridCoord(GridPoint g)
{
    return {kDecorationATexS0 + (kDecorationATexS1 - kDecorationATexS0) * g.column / (kDecorationATexColumns - 1),
            kDecorationATexT0 + (kDecorationATexT1 - kDecorationATexT0) * g.row / (kDecorationATexRows - 1)};
}

// ---- the tables --------------------------------------------------------------------

inline leaf::MeshBuilder BuildTables()
{
    Stone stone = MakeStone();
    deco::Mesh& m = stone.mesh;
    const int north = kRings * kAround;
    // The ring and point of a position; the poles stand before and after the rings.
    auto ringOf = [&](int p) { return p < north ? p / kAround + 1 : (p == north ? 0 : kRings + 1); };
    auto aroundOf = [&](int p, size_t face) {
        if (p < north)
            return p % kAround;
        for (int k = 0; k < 3; ++k)  // a pole takes the place of the face's first ring point
            if (m.faces[face][k] < north)
                return m.faces[face][k] % kAround;
        return 0;
    };
    int shiftColumn = 0, shiftRow = 0;
    auto cell = [&](int p, size_t face) {
        return GridPoint{Fold(aroundOf(p, face) + shiftColumn, kDecorationATexColumns),
                         Fold(ringOf(p) + shiftRow, kDecorationATexRows)};
    };
    // Face 0: a face at the pinned point, turned so that the pin is its third
    // corner, with the grid laid so that its first corner falls on column 5,
    // row 0 and its three corners on three grid points.
    size_t first = m.faces.size();
    for (size_t f = 0; f < m.faces.size() && first == m.faces.size(); ++f) {
        auto& face = m.faces[f];
        const auto pin = std::find(face.begin(), face.end(), stone.pinned);
        if (pin == face.end() || face[0] >= north || face[1] >= north || face[2] >= north)
            continue;
        std::rotate(face.begin(), pin + 1, face.end());
        shiftColumn = kDecorationATexColumns - 1 - face[0] % kAround;
        shiftRow = -ringOf(face[0]);
        const GridPoint a = cell(face[0], f), b = cell(face[1], f), c = cell(face[2], f);
        auto same = [](GridPoint x, GridPoint y) { return x.column == y.column && x.row == y.row; };
        if (!same(a, b) && !same(a, c) && !same(b, c))
            first = f;
    }
    if (first == m.faces.size()) {
        std::fprintf(stderr, "decoration A: no face for the pinned point\n");
        std::exit(1);
    }
    const std::vector<std::array<Vec, 3>> normals = deco::CreasedNormals(m, 40);
    auto corner = [&](size_t f, int k) {
        const int p = m.faces[f][k];
        const std::array<double, 2> st = GridCoord(cell(p, f));
        leaf::Point q;
        q.p = m.positions[p];
        q.n = normals[f][k];
        q.s = st[0];
        q.t = st[1];
        return q;
    };
    leaf::MeshBuilder builder;
    builder.Position(m.positions[stone.pinned]);  // position 0
    for (int p = 0; p < north; ++p)               // position 1: a point face 0 does not use
        if (std::find(m.faces[first].begin(), m.faces[first].end(), p) == m.faces[first].end()) {
            builder.Position(m.positions[p]);
            break;
        }
    leaf::Point c0 = corner(first, 0);
    c0.n = kNormal0;
    builder.AddFace(c0, corner(first, 1), corner(first, 2));
    for (size_t f = 0; f < m.faces.size(); ++f)
        if (f != first)
            builder.AddFace(corner(f, 0), corner(f, 1), corner(f, 2));
    return builder;
}

inline void WriteTables(std::FILE* out)
{
    leaf::MeshBuilder b = BuildTables();
    if (!b.PadTo(kPositions, kNormals, kTexCoords)) {
        std::fprintf(stderr, "decoration A: %zu positions, %zu normals, %zu texture coordinates: too many\n",
                     b.Positions().size(), b.Normals().size(), b.TexCoords().size());
        std::exit(1);
    }
    leaf::WriteFaces(out, "g_DecorationAFaces", b.Faces());
    leaf::WriteFloats(out, "g_DecorationAPositions", b.Positions(), 3);
    leaf::WriteFloats(out, "g_DecorationANormals", b.Normals(), 3);
    leaf::WriteFloats(out, "g_DecorationATexCoords", b.TexCoords(), 2);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/decoration_mesh_a_meshes.h", WriteTables);

}  // namespace decoration_a
