// cao17: plant group layout 1 (plant kind 8): a stem plant that reddens
// towards the light (as Ludwigia does): olive stems, crowns of narrow
// bronze-red leaves, red buds and olive round leaves.
#pragma once
#include "plant_group_look.h"

namespace plant_textures {

inline Image RedStemPlant()
{
    return PaintPlantGroup({
        .tissueDark = FromBytes(90, 44, 34),
        .tissueLight = FromBytes(150, 84, 60),
        .leaf = {FromBytes(110, 52, 36), FromBytes(188, 78, 52), FromBytes(150, 96, 60), FromBytes(214, 140, 120),
                 FromBytes(160, 70, 56), Venation::Pinnate, 6, 0.5f, 0.1f, 0.4f, 1702},
        .stem = FromBytes(92, 104, 48),
        .stemLight = FromBytes(170, 150, 92),
        .stemNodes = 0,
        .budFoot = FromBytes(120, 70, 44),
        .budTip = FromBytes(206, 96, 90),
        .budRidge = FromBytes(120, 40, 40),
        .sepal = {FromBytes(90, 90, 40), FromBytes(130, 96, 50), FromBytes(150, 120, 80), FromBytes(170, 140, 100),
                  FromBytes(120, 110, 60), Venation::Parallel, 4, 0.0f, 0.06f, 0.3f, 1703},
        .roundLeaf = FromBytes(104, 100, 46),
        .roundLeafCentre = FromBytes(150, 90, 60),
        .roundLeafVein = FromBytes(160, 120, 80),
        .petal = FromBytes(140, 70, 50),
        .petalTip = FromBytes(220, 180, 120),
        .prickles = 0.0f,
        .seed = 1700,
    });
}

inline const bool kCao17 = RegisterPicture("cao17", RedStemPlant);

}  // namespace plant_textures
