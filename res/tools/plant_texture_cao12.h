// cao12: plant group layout 2 (plant kind 10): a lotus, its flower of pink
// petals opening and closing, pink buds in green sepals, round blue-green
// leaves on prickly stalks.
#pragma once
#include "plant_group_look.h"

namespace plant_textures {

inline Image Lotus()
{
    return PaintPlantGroup({
        .tissueDark = FromBytes(60, 100, 70),
        .tissueLight = FromBytes(120, 160, 110),
        // The leaf's part is a petal: pale at its foot, pink to the tip, fine pink veins.
        .leaf = {FromBytes(236, 212, 206), FromBytes(226, 110, 150), FromBytes(236, 150, 180), FromBytes(240, 220, 214),
                 FromBytes(214, 120, 156), Venation::Parallel, 11, 0.0f, 0.04f, 0.3f, 1202},
        .stem = FromBytes(96, 130, 60),
        .stemLight = FromBytes(164, 192, 100),
        .stemNodes = 0,
        .budFoot = FromBytes(150, 170, 110),
        .budTip = FromBytes(222, 104, 146),
        .budRidge = FromBytes(180, 70, 110),
        .sepal = {FromBytes(70, 120, 60), FromBytes(110, 150, 80), FromBytes(130, 170, 100), FromBytes(150, 186, 120),
                  FromBytes(90, 140, 70), Venation::Parallel, 5, 0.0f, 0.06f, 0.3f, 1203},
        .roundLeaf = FromBytes(62, 122, 96),
        .roundLeafCentre = FromBytes(150, 180, 110),
        .roundLeafVein = FromBytes(120, 170, 130),
        .petal = FromBytes(200, 180, 80),
        .petalTip = FromBytes(240, 200, 90),
        .prickles = 1.0f,
        .seed = 1200,
    });
}

inline const bool kCao12 = RegisterPicture("cao12", Lotus);

}  // namespace plant_textures
