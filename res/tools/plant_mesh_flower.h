// The flower plant's stalk and flower head. The stalk is a slender
// three-sided tube that rises a little towards its top (4 columns, the last
// repeating the first, x 8 rows); its first column is pinned at rows 0, 3 and
// 7, the root (row 0) exactly on the pivot the plant's placement uses. The
// head is a petal-shaped card between a left and a right edge of 13 rows,
// widest at row 4 and closing to a point, on which the bloom is painted.
#pragma once
#include "plant_edge_leaf.h"

#include <algorithm>

namespace flower {

using leaf::Column;
using leaf::Grid;
using leaf::TexRect;
using leaf::Vec;

constexpr int kStalkColumns = 4, kStalkRows = 8;
const TexRect kStalkTex = {0.436, 0.758, 1.209, 1.399};
const Vec kStalkRoot = {0.00855551, -0.466179, -0.260047};  // column 0, row 0: the pivot
const Vec kStalkPins[2] = {{0.009, -0.466, 0.025}, {0.007, -0.378, 0.368}};  // column 0, rows 3 and 7

constexpr int kHeadRows = 13;
const TexRect kHeadTex = {0.64, 0.99, 1.06, 1.62};
const Vec kHeadTip = {-0.0092, 0.5, -0.4516};
// The picture keeps the stalk's part free of the head: the head's low-s edge
// stays right of the stalk's part on the rows whose t falls beside it.
constexpr double kHeadRightS[kHeadRows] = {0.64, 0.68, 0.78, 0.78, 0.78, 0.78, 0.78,
                                           0.78, 0.78, 0.72, 0.68, 0.66, 0.64};

inline Grid FlowerStalk()
{
    // The section's corner of column 0 faces up and to the front of the stalk.
    const double radius = 0.023;
    const Vec seam = leaf::Normalized({0.966, 0.259, 0});
    auto centre = [&](Vec column0) { return column0 - seam * radius; };
    const leaf::Curve<Vec> spine({{0.0, centre(kStalkRoot)},
                                  {3.0 / 7, centre(kStalkPins[0])},
                                  {1.0, centre(kStalkPins[1])}});
    leaf::Tube tube;
    tube.spine = spine;
    tube.radius = [radius](double u) { return radius * (1.0 - 0.15 * u); };
    tube.seam = seam;
    const Grid rings = leaf::SampleTube(tube, leaf::EvenRings(kStalkRows), kStalkColumns - 1, kStalkTex);
    Grid stalk(kStalkColumns, Column(kStalkRows));
    for (int r = 0; r < kStalkRows; ++r)
        for (int c = 0; c < kStalkColumns; ++c)
            stalk[c][r] = rings[r][c];
    leaf::PinGrid(stalk, 0, {{0, kStalkRoot}, {3, kStalkPins[0]}, {7, kStalkPins[1]}});
    stalk[0][0].p = stalk[kStalkColumns - 1][0].p = kStalkRoot;
    return stalk;
}

inline Grid FlowerHead()
{
    edge_leaf::EdgeLeafShape shape;
    shape.rows = kHeadRows;
    shape.pins = {
        {0, {0.0083, -0.4613, 0.1941}, {-0.0083, -0.4613, 0.2}},
        {4, {0.3313, -0.0989, -0.0558}, {-0.3313, -0.0493, -0.1096}},
        {12, kHeadTip, kHeadTip},
    };
    shape.halfWidth = {{2.0 / 12, 0.22}, {6.0 / 12, 0.3}, {8.0 / 12, 0.24}, {10.0 / 12, 0.13}};
    shape.across = {{1.0, {-1, 0, 0}}};
    shape.tex = {kHeadTex.s1, kHeadTex.s0, kHeadTex.t0, kHeadTex.t1};
    shape.outside = {0, 0.6, 0.8};
    Grid head = edge_leaf::SampleEdgeLeaf(shape);
    for (int r = 0; r < kHeadRows; ++r)
        head[1][r].s = kHeadRightS[r];
    return head;
}

inline void WriteTables(std::FILE* out)
{
    leaf::WriteTable(out, "g_FlowerStalk", FlowerStalk());
    const Grid head = FlowerHead();
    leaf::WriteList(out, "g_FlowerHeadLeft", head[0]);
    leaf::WriteList(out, "g_FlowerHeadRight", head[1]);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/flower_plant_meshes.h", WriteTables);

}  // namespace flower
