// The rosette plant's leaf: a sword-plant leaf on a short stalk, widest at
// mid-length and coming to an oblique point, arching down from its root.
// One strip between a left and a right edge of 10 rows; the root and rows 5
// and 9 are pinned where the plant's placement and outline rely on them.
#pragma once
#include "plant_edge_leaf.h"

namespace rosette_leaf {

using edge_leaf::EdgePin;
using leaf::Grid;
using leaf::TexRect;
using leaf::Vec;

constexpr int kRows = 10;
const TexRect kTex = {0.006, 0.39, 1.006, 1.994};
const Vec kRoot = {0.474594, -0.0955728, 0.123621};  // left edge, row 0: the pivot

inline Grid RosetteLeaf()
{
    edge_leaf::EdgeLeafShape shape;
    shape.rows = kRows;
    shape.pins = {
        {0, kRoot, {0.4552, -0.0796, 0.1263}},
        {5, {0.0472, -0.2664, -0.1842}, {0.0848, 0.2666, -0.0926}},
        {9, {-0.3482, -0.0396, -0.1745}, {-0.4999, 0.0342, -0.1501}},
    };
    // The stalk widens into the blade within two rows; the tip leans to the right edge.
    shape.halfWidth = {{1.0 / 9, 0.06}, {2.0 / 9, 0.15}, {3.0 / 9, 0.22}, {7.0 / 9, 0.2}, {8.0 / 9, 0.14}};
    // The blade arches down from the root and levels out towards the tip.
    shape.center = {{2.0 / 9, {0.31, -0.06, 0.01}}, {7.0 / 9, {-0.19, 0.005, -0.185}}};
    shape.tex = kTex;
    shape.outside = {0, 0, -1};
    return edge_leaf::SampleEdgeLeaf(shape);
}

inline void WriteTables(std::FILE* out)
{
    const Grid g = RosetteLeaf();
    leaf::WriteList(out, "g_RosetteLeafLeft", g[0]);
    leaf::WriteList(out, "g_RosetteLeafRight", g[1]);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/rosette_plant_meshes.h", WriteTables);

}  // namespace rosette_leaf
