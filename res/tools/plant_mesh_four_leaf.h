// The four-leaf plant's leaf: a broad, pointed leaf that arches down from its
// root and runs out flat to its tip. One strip between a left and a right edge
// of 14 rows; the root and rows 7 and 13 are pinned where the plant's
// placement and outline rely on them.
#pragma once
#include "plant_edge_leaf.h"

namespace four_leaf {

using leaf::Grid;
using leaf::TexRect;
using leaf::Vec;

constexpr int kRows = 14;
const TexRect kTex = {0.29, 0.81, 1.21, 1.99};
const Vec kRoot = {-0.283128, 0.263121, 0.193716};  // left edge, row 0: the pivot

inline Grid FourLeafLeaf()
{
    edge_leaf::EdgeLeafShape shape;
    shape.rows = kRows;
    shape.pins = {
        {0, kRoot, {-0.3033, 0.2486, 0.193}},
        {7, {0.1615, 0.1714, -0.3342}, {-0.1054, -0.2292, -0.4089}},
        {13, {0.3052, -0.2085, -0.4745}, {0.292, -0.2489, -0.4879}},
    };
    // Ovate: broad from a rounded base, widest just past the middle, then a long point.
    shape.halfWidth = {{1.0 / 13, 0.07},  {2.0 / 13, 0.13}, {4.0 / 13, 0.2},
                       {10.0 / 13, 0.165}, {11.0 / 13, 0.12}, {12.0 / 13, 0.075}};
    shape.center = {{3.0 / 13, {-0.14, 0.13, -0.09}}, {10.0 / 13, {0.17, -0.14, -0.45}}};
    shape.tex = kTex;
    shape.outside = {0, 0, -1};
    return edge_leaf::SampleEdgeLeaf(shape);
}

inline void WriteTables(std::FILE* out)
{
    const Grid g = FourLeafLeaf();
    leaf::WriteList(out, "g_FourLeafLeft", g[0]);
    leaf::WriteList(out, "g_FourLeafRight", g[1]);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/four_leaf_plant_meshes.h", WriteTables);

}  // namespace four_leaf
