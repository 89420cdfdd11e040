// cao0: sway plant A's bush of sword-shaped leaves (plant kinds 0, 11 and 14).
#pragma once
#include "plant_mesh_sway.h"
#include "plant_textures.h"

namespace plant_textures {

// A sword plant's leaf: dark at the stalk, fresh green to the tip, a pale
// midrib and curved veins running with the margin (the leaf's part of the
// picture is short along the leaf, so lengthwise veins keep their shape).
inline Image SwayBushLeaves()
{
    using namespace sway_leaves;
    Image img = Tissue(FromBytes(34, 86, 30), FromBytes(92, 150, 58), 501);
    const LeafLook look{FromBytes(34, 96, 34),
                        FromBytes(104, 168, 62),
                        FromBytes(150, 200, 98),
                        FromBytes(196, 226, 140),
                        FromBytes(124, 184, 84),
                        Venation::Arcuate,
                        2,
                        0.0f,
                        0.11f,
                        0.5f,
                        502};
    const std::vector<double> across = {-1.0, -1.0 / 3, 1.0 / 3, 1.0};
    PaintGrid(img, SwayLeafA(), LeafCoords(across, kLeafARows), Leaf(look));
    return img;
}

inline const bool kCao0 = RegisterPicture("cao0", SwayBushLeaves);

}  // namespace plant_textures
