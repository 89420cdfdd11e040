// cao2: sway plant B's ribbon blades.
#pragma once
#include "plant_mesh_sway.h"
#include "plant_textures.h"

namespace plant_textures {

// ---- cao2: sway plant B's ribbon blades ------------------------------------

inline Image SwayBlades()
{
    using namespace sway_leaves;
    Image img = Tissue(FromBytes(52, 104, 40), FromBytes(118, 164, 70), 511);
    const LeafLook look{FromBytes(70, 136, 52),
                        FromBytes(150, 170, 70),
                        FromBytes(178, 212, 120),
                        FromBytes(160, 200, 110),
                        FromBytes(52, 110, 44),
                        Venation::Parallel,
                        6,
                        0.0f,
                        0.05f,
                        0.35f,
                        512};
    const double s0 = kBladeBS[kBladeBColumns - 1], s1 = kBladeBS[0], mid = (s0 + s1) / 2;
    PaintRect(img, s0, s1, kBladeBT[0], kBladeBT[1], [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kBladeBT[0]) / (kBladeBT[1] - kBladeBT[0])));
        const float across = static_cast<float>((s - mid) / (s1 - mid));
        Rgb c = LeafAt(look, u, std::min(1.0f, std::abs(across)), across < 0 ? -1.0f : 1.0f, px, py);
        // A few rust-red streaks, as on real tape grass.
        const float streak = Fbm(px / kSize * 4, py / kSize * 0.5f, 16, 2, 513);
        return Mix(c, FromBytes(150, 84, 46), 0.5f * SmoothStep(0.45f, 0.65f, streak));
    });
    return img;
}

inline const bool kCao2 = RegisterPicture("cao2", SwayBlades);

}  // namespace plant_textures
