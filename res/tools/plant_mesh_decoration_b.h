// Decoration B: a piece of driftwood. A gnarled trunk arching over the sand,
// worn to rounded points at both ends, with a root-like branch that bows back
// down to the ground, a branch that reaches up and a short twig; knots and
// ridges along the grain. Lying in the x-y plane with z up (the list lays
// each copy down with its turn of -92 degrees about x). Each branch is
// sampled in rings: about 3400 faces, which the list draws four times over
// every frame; the rest of the decoration's 15419 faces are empty (every
// index 0, a point on the wood), as in a table that holds no mesh.
#pragma once
#include "decoration_kit.h"
#include "scenery/decoration_mesh_b_meshes.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace decoration_b {

using leaf::Curve;
using leaf::Vec;

constexpr int kFaces = static_cast<int>(std::size(g_DecorationBFaces));
// The faces of the wood itself; every one of them costs each frame.
constexpr int kWoodFaces = 3419;
constexpr double kTexLength = 0.6;  // spine length per repeat of the picture along t
// The piece lies off its origin towards -x and +y: the copies then reach from
// their corner of the tank in towards its middle.
const Vec kShift = {-0.35, 0.25, 0};

// A midline through knots, wandering a little off it (gnarled, not smooth).
inline std::function<Vec(double)> Gnarled(std::vector<std::pair<double, Vec>> knots, double wander, uint32_t seed)
{
    const Curve<Vec> line(std::move(knots));
    return [line, wander, seed](double u) {
        const double fade = std::sin(leaf::kPi * std::min(1.0, std::max(0.0, u)));  // the ends stay on their knots
        const Vec n = {deco::Fbm3({u * 5, 0.3, 0.7}, 2, seed), deco::Fbm3({u * 5, 4.3, 1.7}, 2, seed),
                       deco::Fbm3({u * 5, 8.3, 2.7}, 2, seed)};
        return line(u) + n * (wander * fade) + kShift;
    };
}

// Knots and ridges: the radius swells in a few lumps and is fluted along the grain.
inline std::function<double(double, double)> Relief(double length, uint32_t seed)
{
    return [length, seed](double u, double a) {
        const double angle = 2 * leaf::kPi * a;
        const Vec around = {std::cos(angle), std::sin(angle), u * length * 2.5};
        const double lumps = 0.16 * std::max(0.0, deco::Noise3(around * 1.3 + Vec{0, 0, 0.5}, seed));
        const double flutes = 0.05 * std::sin(angle * 7 + 3 * deco::Noise3({u * length * 4, 0.5, 0.5}, seed + 1));
        return 1 + lumps + flutes + 0.06 * deco::Fbm3(around * 2.0, 2, seed + 2);
    };
}

// A radius tapering from `root` to `tip`.
inline std::function<double(double)> Taper(double root, double tip)
{
    return [root, tip](double u) { return root + (tip - root) * std::pow(u, 0.8); };
}

// The branches: the midline's knots, how far it wanders off them, the radius
// at the root and the tip, the length its knots are spread over, the sides
// and rings it is sampled in, and whether its root end is worn round (a
// branch's root otherwise starts inside the trunk). Seeds follow the row.
struct BranchRow {
    std::vector<std::pair<double, Vec>> knots;
    double wander, root, tip, reliefLength;
    int sides, rings;
    bool closeRoot;
};
inline const std::vector<BranchRow>& BranchRows()
{
    static const std::vector<BranchRow> rows = {
        // The trunk, thick end at -x, broken off and worn round at both ends.
        {{{0.0, {-1.0, -0.08, -0.2}}, {0.3, {-0.4, 0.02, 0.1}}, {0.62, {0.25, 0.06, 0.16}}, {1.0, {0.98, 0.18, -0.26}}},
         0.035, 0.105, 0.042, 2.2, 14, 56, true},
        // A branch that bows over and back down to the sand, like a root.
        {{{0.0, {-0.32, 0.0, 0.08}}, {0.35, {-0.05, 0.32, 0.27}}, {0.7, {0.22, 0.58, 0.05}}, {1.0, {0.34, 0.7, -0.3}}},
         0.03, 0.058, 0.022, 1.2, 11, 40, false},
        // A branch reaching up and out to the other side.
        {{{0.0, {0.18, 0.05, 0.14}}, {0.4, {0.42, -0.28, 0.34}}, {0.75, {0.7, -0.48, 0.42}}, {1.0, {0.92, -0.56, 0.3}}},
         0.03, 0.05, 0.016, 1.0, 10, 34, false},
        // A short twig near the thick end.
        {{{0.0, {-0.72, -0.05, -0.1}}, {0.5, {-0.78, -0.33, 0.06}}, {1.0, {-0.62, -0.55, 0.24}}},
         0.02, 0.04, 0.014, 0.6, 8, 20, false},
    };
    return rows;
}

inline std::vector<deco::Branch> Branches()
{
    std::vector<deco::Branch> branches;
    uint32_t seed = 11;
    for (const BranchRow& row : BranchRows()) {
        branches.push_back(deco::Branch{.spine = Gnarled(row.knots, row.wander, seed),
                                        .radius = Taper(row.root, row.tip),
                                        .relief = Relief(row.reliefLength, seed + 1),
                                        .sides = row.sides,
                                        .rings = row.rings,
                                        .closeRoot = row.closeRoot,
                                        .closeTip = true,
                                        .texLength = kTexLength});
        seed += 10;
    }
    return branches;
}

inline void WriteTables(std::FILE* out)
{
    deco::Mesh m;
    for (const deco::Branch& branch : Branches())
        deco::AddBranch(m, branch);
    if (static_cast<int>(m.faces.size()) != kWoodFaces) {
        std::fprintf(stderr, "decoration B: %zu faces of wood, not %d\n", m.faces.size(), kWoodFaces);
        std::exit(1);
    }
    const std::vector<std::array<Vec, 3>> normals = deco::CreasedNormals(m, 70);
    leaf::MeshBuilder builder;
    for (size_t f = 0; f < m.faces.size(); ++f) {
        leaf::Point corner[3];
        for (int k = 0; k < 3; ++k) {
            corner[k].p = m.positions[m.faces[f][k]];
            corner[k].n = normals[f][k];
            corner[k].s = m.texCoords[f][k][0];
            corner[k].t = m.texCoords[f][k][1];
        }
        builder.AddFace(corner[0], corner[1], corner[2]);
    }
    std::vector<leaf::MeshBuilder::Face> faces = builder.Faces();
    faces.resize(kFaces, leaf::MeshBuilder::Face{});  // the empty faces
    leaf::WriteFaces(out, "g_DecorationBFaces", faces);
    leaf::WriteFloats(out, "g_DecorationBPositions", builder.Positions(), 3);
    std::fprintf(out, "const int g_DecorationBPositionCount = %zu;\n\n", builder.Positions().size());
    leaf::WriteFloats(out, "g_DecorationBNormals", builder.Normals(), 3);
    std::fprintf(out, "const int g_DecorationBNormalCount = %zu;\n\n", builder.Normals().size());
    leaf::WriteFloats(out, "g_DecorationBTexCoords", builder.TexCoords(), 2);
    std::fprintf(out, "const int g_DecorationBTexCoordCount = %zu;\n\n", builder.TexCoords().size());
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/decoration_mesh_b_meshes.h", WriteTables);

}  // namespace decoration_b
