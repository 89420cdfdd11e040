// cao9: decoration B's driftwood. The branches wrap the whole picture around
// them (s) and repeat it along their length (t), so the wood repeats in both
// directions: bleached grey-brown, grain along t, long checks and dark knots.
#pragma once
#include "decoration_kit.h"
#include "plant_mesh_decoration_b.h"
#include "plant_textures.h"

namespace plant_textures {

inline Image Driftwood()
{
    Image img(kSize, kSize);
    const Rgb pale = FromBytes(198, 184, 160), dark = FromBytes(92, 74, 56);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            img.at(x, y) = deco::DriftwoodAt(pale, dark, (x + 0.5f) / kSize, (y + 0.5f) / kSize, 909);
    return img;
}

inline const bool kCao9 = RegisterPicture("cao9", Driftwood);

}  // namespace plant_textures
