// cao4: the rosette plant's sword-plant leaves (plant kind 1).
#pragma once
#include "plant_mesh_rosette.h"
#include "plant_textures.h"

namespace plant_textures {

// An Amazon sword's leaf: deep green at the stalk, fresher towards the tip,
// a pale midrib and veins that arch with the margin from base to tip.
inline Image RosetteLeaves()
{
    using namespace rosette_leaf;
    Image img = Tissue(FromBytes(30, 80, 30), FromBytes(84, 140, 52), 541);
    const LeafLook look{FromBytes(36, 98, 36),
                        FromBytes(98, 162, 58),
                        FromBytes(140, 192, 90),
                        FromBytes(196, 224, 146),
                        FromBytes(122, 182, 82),
                        Venation::Arcuate,
                        2,
                        0.0f,
                        0.08f,
                        0.55f,
                        542};
    // Line 0 is the left edge, line 1 the right; the midrib runs between them.
    auto coords = [](int line, int point) {
        return PartCoord{static_cast<float>(point) / (kRows - 1), line == 0 ? -1.0f : 1.0f};
    };
    PaintGrid(img, RosetteLeaf(), coords, Leaf(look));
    return img;
}

inline const bool kCao4 = RegisterPicture("cao4", RosetteLeaves);

}  // namespace plant_textures
