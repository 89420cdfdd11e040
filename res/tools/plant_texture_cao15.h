// cao15: plant group layout 0 (plant kind 7): umbrella sedge, whorls of
// grass-green leaves on tall stems, brown flower heads and a crown of
// spikelets.
#pragma once
#include "plant_group_look.h"

namespace plant_textures {

inline Image UmbrellaSedge()
{
    return PaintPlantGroup({
        .tissueDark = FromBytes(46, 92, 36),
        .tissueLight = FromBytes(104, 150, 62),
        .leaf = {FromBytes(58, 118, 40), FromBytes(132, 176, 70), FromBytes(150, 196, 92), FromBytes(176, 210, 120),
                 FromBytes(84, 146, 56), Venation::Parallel, 7, 0.0f, 0.06f, 0.35f, 1502},
        .stem = FromBytes(70, 128, 46),
        .stemLight = FromBytes(146, 190, 92),
        .stemNodes = 0,
        .budFoot = FromBytes(120, 98, 48),
        .budTip = FromBytes(156, 118, 62),
        .budRidge = FromBytes(82, 60, 30),
        .sepal = {FromBytes(70, 112, 44), FromBytes(128, 140, 70), FromBytes(150, 160, 96), FromBytes(160, 180, 110),
                  FromBytes(94, 130, 60), Venation::Parallel, 5, 0.0f, 0.06f, 0.3f, 1503},
        .roundLeaf = FromBytes(70, 136, 50),
        .roundLeafCentre = FromBytes(120, 160, 70),
        .roundLeafVein = FromBytes(150, 196, 100),
        .petal = FromBytes(96, 140, 56),
        .petalTip = FromBytes(142, 106, 52),
        .prickles = 0.0f,
        .seed = 1500,
    });
}

inline const bool kCao15 = RegisterPicture("cao15", UmbrellaSedge);

}  // namespace plant_textures
