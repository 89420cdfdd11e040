// cao0: sway plant A's bush of lanceolate leaves (plant kinds 0, 11 and 14).
#pragma once
#include "plant_mesh_sway.h"
#include "plant_textures.h"

namespace plant_textures {

// ---- cao0: sway plant A's bush of lanceolate leaves ------------------------

inline Image SwayBushLeaves()
{
    using namespace sway_leaves;
    Image img = Tissue(FromBytes(34, 86, 30), FromBytes(92, 150, 58), 501);
    const LeafLook look{FromBytes(40, 112, 36),
                        FromBytes(126, 176, 62),
                        FromBytes(176, 214, 112),
                        FromBytes(170, 206, 104),
                        FromBytes(150, 196, 96),
                        Venation::Pinnate,
                        8,
                        0.09f,
                        0.09f,
                        0.55f,
                        502};
    const double s0 = kLeafAS[0], s1 = kLeafAS[kLeafAColumns - 1], mid = (s0 + s1) / 2;
    PaintRect(img, s0, s1, kLeafAT[0], kLeafAT[1], [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kLeafAT[0]) / (kLeafAT[1] - kLeafAT[0])));
        const float across = static_cast<float>((s - mid) / (s1 - mid));
        return LeafAt(look, u, std::min(1.0f, std::abs(across)), across < 0 ? -1.0f : 1.0f, px, py);
    });
    return img;
}

inline const bool kCao0 = RegisterPicture("cao0", SwayBushLeaves);

}  // namespace plant_textures
