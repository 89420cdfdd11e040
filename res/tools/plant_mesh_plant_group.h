// The plant group's meshes: a pentagonal stem, a lanceolate leaf for the
// rings and crowns, a round leaf held on a short stalk (the "bent leaf",
// its rim rippled by the sway), a three-sided petal stalk, and the bulb, a
// closed bud in four sepals. Every layout draws them with its own picture
// (cao12, cao15, cao17); all three pictures keep each part where these
// tables put it:
//
//   leaf        s 0.017 .. 0.399, t 1.006 .. 1.707
//   bud body    s 0.42  .. 0.658, t 1.014 .. 1.994 (around, along)
//   bud sepals  s 0.006 .. 0.40,  t 1.72  .. 1.994
//   round leaf  s 0.672 .. 0.992, t 1.012 .. 1.332 (seen from above)
//   stem        s 0.68  .. 0.80,  t 1.36  .. 1.99 (around, along)
//   petal       s 0.82  .. 0.99,  t 1.36  .. 1.99
#pragma once
#include "plant_leaves.h"
#include "tube_kit.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace plant_group_mesh {

using leaf::Column;
using leaf::Grid;
using leaf::Point;
using leaf::TexRect;
using leaf::Vec;

const TexRect kLeafRect = {0.017, 0.399, 1.006, 1.707};
const TexRect kBudRect = {0.42, 0.658, 1.014, 1.994};
const TexRect kSepalRect = {0.006, 0.40, 1.72, 1.994};
const TexRect kRoundLeafRect = {0.672, 0.992, 1.012, 1.332};
const TexRect kStemRect = {0.68, 0.80, 1.36, 1.99};
const TexRect kPetalRect = {0.82, 0.99, 1.36, 1.99};
// The round leaf's stalk takes a strip of the stem's part.
const TexRect kLeafStalkRect = {0.70, 0.78, 1.36, 1.46};

// ---- stem: 51 rings of 5 sides, z from -0.49 to 0.5, about 0.03 across ----

constexpr int kStemRings = 51, kStemSides = 5;

inline Grid Stem()
{
    std::vector<tube_kit::RingSpec> rings(kStemRings);
    for (int k = 0; k < kStemRings; ++k) {
        const double u = static_cast<double>(k) / (kStemRings - 1);
        rings[k].centre = {0, 0, -0.49 + 0.99 * u};
        rings[k].radius = 0.031 - 0.006 * u;
    }
    Grid grid = tube_kit::SampleRings(rings, kStemSides);
    tube_kit::RingNormals(grid, tube_kit::Centres(rings), kStemSides);
    for (int k = 0; k < kStemRings; ++k)
        for (int p = 0; p <= kStemSides; ++p) {
            grid[k][p].s = kStemRect.S(static_cast<double>(p) / kStemSides);
            grid[k][p].t = kStemRect.T(static_cast<double>(k) / (kStemRings - 1));
        }
    return grid;
}

// ---- leaf: 9 rows of 5 points from the root to the tip -----------------------

constexpr int kLeafRows = 9, kLeafColumns = 5;
const Vec kLeafRoot = {0.068951, -0.114618, 0.494455};  // the root row's middle point: the pivot

// A lanceolate leaf along the diagonal (-x, +y) from its root, sinking
// towards the tip with its edges cupped up; [row][point across].
inline Grid Leaf()
{
    const Vec along = leaf::Normalized({-1, 1, 0}), across = leaf::Normalized({1, 1, 0});
    const double length = 0.37;
    const plant_leaves::Blade blade = plant_leaves::FormBlade(
        plant_leaves::LeafForm::Lanceolate,
        {{0.0, kLeafRoot}, {0.5, kLeafRoot + along * (length * 0.5) + Vec{0, 0, -0.028}},
         {1.0, kLeafRoot + along * length + Vec{0, 0, -0.062}}},
        0.074, across, 0.32);
    const std::vector<double> v = leaf::EvenColumns(kLeafColumns);
    Grid columns = leaf::SampleBlade(blade, v, kLeafRows, kLeafRect, {0, 0, 1});
    leaf::PinGrid(columns, kLeafColumns / 2, {{0, kLeafRoot}});
    Grid rows(kLeafRows, Column(kLeafColumns));
    for (int r = 0; r < kLeafRows; ++r)
        for (int c = 0; c < kLeafColumns; ++c)
            rows[r][c] = columns[c][r];
    return rows;
}

// ---- the round leaf: 33 points round its rim, each paired with its centre ---

constexpr int kRimPoints = 33, kStalkPoints = 9;
constexpr double kRoundLeafRadius = 0.5;
constexpr double kSlit = 0.13;  // radians either side of the slit where the stalk joins

inline double RimAngle(int r) { return kSlit + (2 * leaf::kPi - 2 * kSlit) * r / (kRimPoints - 1); }

// A point of the leaf's surface at radius rho, angle a: a shallow bowl,
// its rim lifted in waves.
inline Vec RoundLeafAt(double rho, double a)
{
    const double f = rho / kRoundLeafRadius;
    return {rho * std::cos(a), rho * std::sin(a), 0.07 * f * f + 0.014 * std::sin(7 * a) * f * f * f};
}

// The picture seen from above: s and t from x and y.
inline void RoundLeafTexture(Point& q)
{
    q.s = kRoundLeafRect.S(0.5 + 0.5 * q.p.x / kRoundLeafRadius);
    q.t = kRoundLeafRect.T(0.5 + 0.5 * q.p.y / kRoundLeafRadius);
}

// [0]: the centre, once per rim point; [1]: the rim.
inline Grid RoundLeaf()
{
    Grid grid(2, Column(kRimPoints));
    for (int r = 0; r < kRimPoints; ++r) {
        const double a = RimAngle(r);
        Point& centre = grid[0][r];
        Point& rim = grid[1][r];
        centre.p = RoundLeafAt(0, a);
        rim.p = RoundLeafAt(kRoundLeafRadius, a);
        centre.n = {0, 0, 1};
        // Square to the slope from the centre and to the rim's run.
        const Vec radial = rim.p - centre.p;
        const Vec run = RoundLeafAt(kRoundLeafRadius, a + 1e-3) - RoundLeafAt(kRoundLeafRadius, a - 1e-3);
        rim.n = leaf::Normalized(leaf::Cross(radial, run));
        if (rim.n.z < 0)
            rim.n = rim.n * -1.0;
        RoundLeafTexture(centre);
        RoundLeafTexture(rim);
    }
    return grid;
}

// The stalk under the leaf's centre: a narrow ribbon down from it, curving
// towards the slit; [edge][point].
inline Grid RoundLeafStalk()
{
    Grid grid(2, Column(kStalkPoints));
    for (int e = 0; e < 2; ++e)
        for (int p = 0; p < kStalkPoints; ++p) {
            const double u = static_cast<double>(p) / (kStalkPoints - 1);
            Point& q = grid[e][p];
            q.p = {0.03 * u * u, (e == 0 ? -0.012 : 0.012) * (1 - 0.3 * u), -0.12 * u};
            q.n = leaf::Normalized({1.0, 0, 0.25});
            q.s = kLeafStalkRect.S(e);
            q.t = kLeafStalkRect.T(u);
        }
    return grid;
}

// ---- petal stalk: three sides, two segments, leaning out from its base -----

const Vec kPetalBase = {-1.455, -0.533, 10.576};  // the ring moves this point onto its pivot

inline Grid Petal()
{
    const double radius[3] = {0.34, 0.26, 0.12};
    std::vector<tube_kit::RingSpec> rings(3);
    for (int k = 0; k < 3; ++k) {
        const double u = k / 2.0;
        rings[k].centre = kPetalBase + Vec{0, 3.0 * u * u, 8.0 * u};
        rings[k].radius = radius[k];
    }
    Grid grid = tube_kit::SampleRings(rings, 3);
    tube_kit::RingNormals(grid, tube_kit::Centres(rings), 3);
    for (int k = 0; k < 3; ++k)
        for (int p = 0; p <= 3; ++p) {
            grid[k][p].s = kPetalRect.S(p / 3.0);
            grid[k][p].t = kPetalRect.T(k / 2.0);
        }
    return grid;
}

// ---- the bulb: a closed bud, pointed at +z, in four sepals -----------------

constexpr int kBudRings = 34, kBudSides = 32;  // rings 0 and 33 are the poles
constexpr int kSepals = 4, kSepalColumns = 4, kSepalRows = 18;
constexpr int kBulbFaces = 2456;
constexpr double kBulbHalf[3] = {0.348, 0.342, 0.5};  // the bulb's extent either side of its centre

inline double BudRadius(double u)
{
    // Round at the foot, widest a third of the way up, drawn to a point.
    return 0.34 * std::pow(std::sin(leaf::kPi * u), 0.75) * (1.12 - 0.45 * u);
}

inline Vec BudAt(double u, double a, double lift = 0)
{
    // Five closed petals press ridges into the upper half.
    const double ridge = 1 + 0.045 * std::cos(5 * a) * leaf::SmoothStep(0.3, 0.7, u);
    const double r = BudRadius(u) * ridge + lift;
    return {r * std::cos(a), r * std::sin(a), -0.5 + u};
}

struct Bulb {
    Grid body;                 // [ring][point]
    std::vector<Grid> sepals;  // [column][row]
};

inline Bulb BulbShape()
{
    Bulb b;
    b.body.assign(kBudRings, Column(kBudSides + 1));
    std::vector<Vec> centres;
    for (int k = 0; k < kBudRings; ++k) {
        const double u = static_cast<double>(k) / (kBudRings - 1);
        centres.push_back({0, 0, -0.5 + u});
        for (int p = 0; p <= kBudSides; ++p) {
            Point& q = b.body[k][p];
            q.p = BudAt(u, 2 * leaf::kPi * (p % kBudSides) / kBudSides);
            q.s = kBudRect.S(static_cast<double>(p) / kBudSides);
            q.t = kBudRect.T(u);
        }
    }
    // Sepals from the foot to past the widest, hugging the bud and opening a
    // little at their tips.
    for (int i = 0; i < kSepals; ++i) {
        const double middle = leaf::kPi / 4 + i * leaf::kPi / 2;
        Grid sepal(kSepalColumns, Column(kSepalRows));
        for (int row = 0; row < kSepalRows; ++row) {
            const double v = static_cast<double>(row) / (kSepalRows - 1);
            const double u = 0.03 + 0.52 * v;
            const double width = 0.62 * plant_leaves::FormWidth(plant_leaves::LeafForm::Lanceolate, v);
            for (int c = 0; c < kSepalColumns; ++c) {
                const double across = -1.0 + 2.0 * c / (kSepalColumns - 1);
                Point& q = sepal[c][row];
                q.p = BudAt(u, middle + across * width, 0.012 + 0.07 * v * v * v);
                q.s = kSepalRect.S((across + 1) / 2);
                q.t = kSepalRect.T(v);
            }
        }
        b.sepals.push_back(sepal);
    }
    // Exactly the bulb's extent across; along z it runs from -0.5 to 0.5 by its poles.
    double high[2] = {0, 0};
    auto grow = [&](const Grid& g) {
        for (const Column& line : g)
            for (const Point& q : line) {
                high[0] = std::max(high[0], std::abs(q.p.x));
                high[1] = std::max(high[1], std::abs(q.p.y));
            }
    };
    grow(b.body);
    for (const Grid& s : b.sepals)
        grow(s);
    auto fit = [&](Grid& g) {
        for (Column& line : g)
            for (Point& q : line) {
                q.p.x *= kBulbHalf[0] / high[0];
                q.p.y *= kBulbHalf[1] / high[1];
            }
    };
    fit(b.body);
    for (Grid& s : b.sepals)
        fit(s);
    tube_kit::RingNormals(b.body, centres, kBudSides);
    for (int i = 0; i < kSepals; ++i) {
        const double middle = leaf::kPi / 4 + i * leaf::kPi / 2;
        leaf::GridNormals(b.sepals[i], {std::cos(middle), std::sin(middle), 0});
    }
    return b;
}

inline leaf::MeshBuilder BulbMesh()
{
    const Bulb b = BulbShape();
    leaf::MeshBuilder mesh;
    const int top = kBudRings - 1;
    for (int p = 0; p < kBudSides; ++p) {
        // The foot's and the tip's fans, then the bands between.
        mesh.AddFace(b.body[0][p], b.body[1][p + 1], b.body[1][p]);
        for (int k = 1; k + 1 < top; ++k) {
            mesh.AddFace(b.body[k][p], b.body[k][p + 1], b.body[k + 1][p + 1]);
            mesh.AddFace(b.body[k][p], b.body[k + 1][p + 1], b.body[k + 1][p]);
        }
        mesh.AddFace(b.body[top - 1][p], b.body[top - 1][p + 1], b.body[top][p]);
    }
    for (const Grid& sepal : b.sepals)
        mesh.AddStrips(sepal);
    return mesh;
}

// ---- the tables ---------------------------------------------------------------

// Writes a strip table, each point's normal and texture coordinate entered
// in the shared tables.
inline void WritePoints(std::FILE* out, const std::string& name, const Grid& grid, leaf::MeshBuilder& shared)
{
    std::fprintf(out, "const PlantGroupPoint %s[%zu][%zu] = {\n", name.c_str(), grid.size(), grid[0].size());
    for (const Column& line : grid) {
        std::fprintf(out, "    {\n");
        for (const Point& q : line)
            std::fprintf(out, "        {%.9g, %.9g, %.9g, %d, %d},\n", static_cast<double>(static_cast<float>(q.p.x)),
                         static_cast<double>(static_cast<float>(q.p.y)),
                         static_cast<double>(static_cast<float>(q.p.z)), shared.Normal(q.n),
                         shared.TexCoord(q.s, q.t));
        std::fprintf(out, "    },\n");
    }
    std::fprintf(out, "};\n\n");
}

inline void WriteCount(std::FILE* out, const std::string& name, size_t count)
{
    std::fprintf(out, "const int %s = %zu;\n\n", name.c_str(), count);
}

inline void WriteTables(std::FILE* out)
{
    leaf::MeshBuilder shared;
    WritePoints(out, "g_PlantGroupStem", Stem(), shared);
    WritePoints(out, "g_PlantGroupLeaf", Leaf(), shared);
    WritePoints(out, "g_PlantGroupBentLeaf", RoundLeaf(), shared);
    WritePoints(out, "g_PlantGroupBentStalk", RoundLeafStalk(), shared);
    WritePoints(out, "g_PlantGroupPetal", Petal(), shared);
    leaf::WriteFloats(out, "g_PlantGroupNormals", shared.Normals(), 3);
    WriteCount(out, "g_nPlantGroupNormals", shared.Normals().size());
    leaf::WriteFloats(out, "g_PlantGroupTexCoords", shared.TexCoords(), 2);
    WriteCount(out, "g_nPlantGroupTexCoords", shared.TexCoords().size());

    const leaf::MeshBuilder bulb = BulbMesh();
    if (bulb.Faces().size() != kBulbFaces) {
        std::fprintf(stderr, "plant group: the bulb has %zu faces, not %d\n", bulb.Faces().size(), kBulbFaces);
        std::exit(1);
    }
    leaf::WriteFaces(out, "g_PlantGroupBulbFaces", bulb.Faces());
    leaf::WriteFloats(out, "g_PlantGroupBulbPositions", bulb.Positions(), 3);
    WriteCount(out, "g_nPlantGroupBulbPositions", bulb.Positions().size());
    leaf::WriteFloats(out, "g_PlantGroupBulbNormals", bulb.Normals(), 3);
    WriteCount(out, "g_nPlantGroupBulbNormals", bulb.Normals().size());
    leaf::WriteFloats(out, "g_PlantGroupBulbTexCoords", bulb.TexCoords(), 2);
    WriteCount(out, "g_nPlantGroupBulbTexCoords", bulb.TexCoords().size());
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/plant_group_meshes.h", WriteTables);

}  // namespace plant_group_mesh
