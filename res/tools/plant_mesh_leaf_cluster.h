// The leaf cluster's leaf: a broad leaf on a short stalk, in indexed
// triangles. The blade lies across x and y, a little below z = -0.36 and
// rippled, so that at the cluster's size of 50 it stands between z -23 and
// -18; its texture runs along s, across a narrow band of t (1.73 to 1.78).
#pragma once
#include "leaf_kit.h"
#include "plant_leaves.h"

#include <cstdio>

namespace leaf_cluster {

using leaf::Grid;
using leaf::Vec;

constexpr int kBladeColumns = 5, kBladeRows = 27;  // 4 x 26 quads
constexpr int kStalkSides = 5, kStalkRings = 12;   // 5 x 11 quads
constexpr size_t kFaces = 318;
constexpr size_t kPositions = 195, kNormals = 140, kTexCoords = 210;
constexpr double kT[2] = {1.73, 1.78};

inline Grid Blade()
{
    using plant_leaves::FormWidth;
    using plant_leaves::LeafForm;
    leaf::Blade b;
    b.spine = [](double u) { return Vec{0.02 * std::sin(2.5 * u), -0.1 + 0.55 * u, -0.39 - 0.06 * u * u}; };
    b.halfWidth = [](double u) { return 0.13 * FormWidth(LeafForm::Lanceolate, u); };
    b.across = [](double) { return Vec{1, 0, 0}; };
    // Cupped, with a gentle ripple along the edges.
    b.relief = [](double u, double v) { return 0.18 * v * v + 0.06 * v * v * std::sin(14 * u); };
    return leaf::SampleBlade(b, leaf::EvenColumns(kBladeColumns), kBladeRows, {0.30, 0.95, kT[0], kT[1]},
                             {0, 0, 1});
}

inline Grid Stalk()
{
    const leaf::Curve<Vec> spine({{0.0, {0.0, -0.26, -0.365}}, {1.0, {0.0, -0.1, -0.38}}});
    leaf::Tube tube{spine, [](double u) { return 0.012 - 0.004 * u; }, {1, 0, 0}};
    return leaf::SampleTube(tube, leaf::EvenRings(kStalkRings), kStalkSides, {0.05, 0.30, kT[0], kT[1]});
}

// The blade's grid is [column][row]; the stalk's [ring][column]: both are
// sent as two triangles per quad of their strips.
inline leaf::MeshBuilder Mesh()
{
    leaf::MeshBuilder mesh;
    mesh.AddStrips(Blade());
    mesh.AddStrips(Stalk());
    return mesh;
}

inline void WriteTables(std::FILE* out)
{
    leaf::MeshBuilder mesh = Mesh();
    if (mesh.Faces().size() != kFaces || !mesh.PadTo(kPositions, kNormals, kTexCoords)) {
        std::fprintf(stderr, "leaf cluster: %zu faces, %zu positions, %zu normals, %zu texture coordinates\n",
                     mesh.Faces().size(), mesh.Positions().size(), mesh.Normals().size(), mesh.TexCoords().size());
        std::abort();
    }
    leaf::WriteFaces(out, "g_LeafClusterFaces", mesh.Faces());
    leaf::WriteFloats(out, "g_LeafClusterPositions", mesh.Positions(), 3);
    leaf::WriteFloats(out, "g_LeafClusterNormals", mesh.Normals(), 3);
    leaf::WriteFloats(out, "g_LeafClusterTexCoords", mesh.TexCoords(), 2);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/leaf_cluster_meshes.h", WriteTables);

}  // namespace leaf_cluster
