// cao3: sway plant C's broad leaf (plant kind 15).
#pragma once
#include "plant_mesh_sway.h"
#include "plant_textures.h"

namespace plant_textures {

// A Cryptocoryne's leaf: olive to bronze green, a reddish midrib, veins
// arching from the base to the tip, a paler rim. Both halves of the leaf
// share their texture coordinates: the first half's strip paints them.
inline Image SwayBroadLeaf()
{
    using namespace sway_leaves;
    Image img = Tissue(FromBytes(40, 70, 30), FromBytes(88, 116, 52), 521);
    const LeafLook look{FromBytes(58, 92, 38),
                        FromBytes(104, 120, 50),
                        FromBytes(150, 150, 84),
                        FromBytes(140, 122, 70),
                        FromBytes(146, 164, 92),
                        Venation::Arcuate,
                        2,
                        0.0f,
                        0.09f,
                        0.45f,
                        522};
    const LeafC leafC = SwayLeafC();
    // The strip of a half: its edge, and the vein point each edge row joins.
    Grid strip(2, Column(kLeafCEdgeRows));
    for (int r = 0; r < kLeafCEdgeRows; ++r) {
        strip[0][r] = leafC.edge[0][r];
        strip[1][r] = leafC.vein[0][r / 3];
    }
    auto coords = [](int line, int point) {
        return PartCoord{static_cast<float>(point) / (kLeafCEdgeRows - 1), line == 0 ? 1.0f : 0.0f};
    };
    PaintGrid(img, strip, coords, Leaf(look));
    return img;
}

inline const bool kCao3 = RegisterPicture("cao3", SwayBroadLeaf);

}  // namespace plant_textures
