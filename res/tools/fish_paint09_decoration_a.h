// Decoration A's part of fish picture 9: its boulders' stone, painted in the
// rectangle their texture coordinates cover (and a margin of a few pixels).
// The coordinates fold back and forth over a 6 x 8 grid around the stone; a
// column lies about 0.075 stone units round it, a row 0.044 along it, so the
// grain is laid out in the stone's own proportions.
#pragma once
#include "decoration_kit.h"
#include "gen_fish_paint.h"
#include "scenery/decoration_mesh_a_meshes.h"

#include <cmath>

namespace decoration_a_paint {

using kit::Rgb;

// Granite-like stone at a point of the stone's surface (in stone units):
// mottled grey-brown, dark and light grains, a faint green-grey bloom of algae.
inline Rgb StoneAt(double x, double y)
{
    using kit::FromBytes;
    using kit::Mix;
    const leaf::Vec p = {x, y, 0.37};
    const double patches = deco::Fbm3(p * 4.0, 3, 901);
    Rgb c = Mix(FromBytes(110, 103, 94), FromBytes(170, 162, 148), static_cast<float>(0.5 + 0.7 * patches));
    const double grain = deco::Noise3(p * 45.0, 902);
    if (grain > 0.5)
        c = c * 0.72f;
    else if (grain < -0.55)
        c = Mix(c, FromBytes(218, 212, 200), 0.55f);
    const float algae = static_cast<float>(deco::Fbm3(p * 3.0 + leaf::Vec{5, 1, 0}, 3, 903));
    c = Mix(c, FromBytes(112, 124, 96), 0.45f * kit::SmoothStep(0.15f, 0.5f, algae));
    c = c * static_cast<float>(0.92 + 0.08 * deco::Fbm3(p * 16.0, 2, 904));
    return {kit::Clamp01(c.r), kit::Clamp01(c.g), kit::Clamp01(c.b)};
}

inline void Paint(kit::Image& image)
{
    const int margin = 3;
    const double s0 = kDecorationATexS0, s1 = kDecorationATexS1;
    const double t0 = kDecorationATexT0 - 1, t1 = kDecorationATexT1 - 1;  // the picture repeats in t
    const int x0 = static_cast<int>(std::floor(s0 * image.width)) - margin;
    const int x1 = static_cast<int>(std::ceil(s1 * image.width)) + margin;
    const int y0 = static_cast<int>(std::floor((1 - t1) * image.height)) - margin;
    const int y1 = static_cast<int>(std::ceil((1 - t0) * image.height)) + margin;
    // Stone units per grid step: round the stone (s) and along it (t).
    const double across = 0.075 * (kDecorationATexColumns - 1), along = 0.044 * (kDecorationATexRows - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double s = (x + 0.5) / image.width, t = 1 - (y + 0.5) / image.height;
            image.at(x, y) = StoneAt((s - s0) / (s1 - s0) * across, (t - t0) / (t1 - t0) * along);
        }
}

inline const bool kRegistered = fishpaint::RegisterPicturePart(9, Paint);

}  // namespace decoration_a_paint
