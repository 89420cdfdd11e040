// KikuM0: the flower plant's own picture, which the game reads from beside
// the program (not a packed resource): its green stalks and its blooms.
#pragma once
#include "plant_mesh_flower.h"
#include "plant_textures.h"

namespace plant_textures {

// A chrysanthemum seen face on, painted on the flower head's card: a golden
// disc of florets and rings of narrow white petals blushing pink at their
// tips; green bracts show where the card reaches past the petals.
inline Rgb BloomAt(float u, float v, float side, float px, float py)
{
    constexpr float kCentreU = 0.35f;
    const float x = side * v;
    const float y = (u - kCentreU) / (u < kCentreU ? kCentreU : 1 - kCentreU);
    const float r = std::hypot(x, y);
    const float a = std::atan2(y, x);
    if (r < 0.2f) {
        // Florets: small dots packed in the disc, darker at its heart.
        const Cellular dots = Voronoi(px / kSize, py / kSize, 64, 561);
        const Rgb disc = Mix(FromBytes(196, 120, 20), FromBytes(250, 206, 60), SmoothStep(0.0f, 0.2f, r));
        return disc * (0.8f + 0.25f * SmoothStep(0.0f, 0.01f, dots.f1));
    }
    // Two rings of petals, offset by half a petal; each petal is pale along its
    // middle and shaded where it tucks under its neighbours.
    constexpr float kPetals = 26;
    float petal = 0, along = 0;
    for (int ring = 0; ring < 2; ++ring) {
        const float phase = a / (2 * kPi) * kPetals + 0.5f * ring;
        const float d = std::abs(phase - std::round(phase));  // 0 on a petal's middle, 0.5 between petals
        const float reach = (ring == 0 ? 1.0f : 0.78f) * (0.92f + 0.08f * Unit(Hash(static_cast<int>(std::round(phase)),
                                                                                     ring, 562)));
        const float inside = SmoothStep(reach, reach - 0.05f, r) * SmoothStep(0.45f, 0.3f, d);
        if (inside > petal) {
            petal = inside;
            along = Clamp01((r - 0.2f) / (reach - 0.2f)) * (1.0f - 0.6f * d);
        }
    }
    const Rgb bract = Mix(FromBytes(46, 104, 40), FromBytes(92, 146, 60), 0.5f + 0.5f * Fbm(px / kSize, py / kSize, 8, 3, 563));
    Rgb c = Mix(FromBytes(236, 224, 214), FromBytes(250, 246, 240), along);
    c = Mix(c, FromBytes(236, 150, 184), 0.5f * SmoothStep(0.6f, 1.0f, along));
    c = c * (0.8f + 0.2f * SmoothStep(0.0f, 0.3f, along));
    return Mix(bract, c, petal);
}

inline Image FlowerPicture()
{
    using namespace flower;
    Image img = Tissue(FromBytes(34, 90, 34), FromBytes(86, 146, 58), 560);
    auto around = [](int line, int point) {
        return PartCoord{static_cast<float>(point) / (kStalkRows - 1), static_cast<float>(line) / (kStalkColumns - 1)};
    };
    PaintGrid(img, FlowerStalk(), around, [](float u, float a, float, float px, float py) {
        return StemAt(FromBytes(60, 112, 40), FromBytes(140, 184, 90), u, a, 3, px, py, 564);
    });
    auto across = [](int line, int point) {
        return PartCoord{static_cast<float>(point) / (kHeadRows - 1), line == 0 ? -1.0f : 1.0f};
    };
    PaintGrid(img, FlowerHead(), across, BloomAt);
    return img;
}

inline const bool kFlowerPicture = RegisterPicture("KikuM0", FlowerPicture);

}  // namespace plant_textures
