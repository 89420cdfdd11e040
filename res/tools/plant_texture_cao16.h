// cao16: plant model A, an umbrella pennywort (plant kinds 3 and 6): round,
// glossy leaves veined from the point where the stem meets them, on pale
// stems.
#pragma once
#include "plant_mesh_model_a.h"
#include "plant_textures.h"

namespace plant_textures {

// A pennywort leaf at u (0 base .. 1 tip) and w (-1 .. 1 across, 0 the
// midrib): fresh green, darker at the base, veins radiating from the base
// and a net of veinlets between them, a pale rim.
inline Rgb UmbrellaLeafAt(float u, float w, float px, float py)
{
    const float v = std::abs(w);
    const float mottle = Fbm(px / kSize, py / kSize, 8, 4, 1601);
    Rgb c = Mix(FromBytes(42, 104, 34), FromBytes(98, 164, 56), Clamp01(0.25f + 0.55f * u + 0.25f * mottle));
    c = c * (0.95f + 0.1f * Unit(Hash(static_cast<int>(px * 2), static_cast<int>(py * 2), 1602)));
    // Main veins fan out from the base: the angle from the midrib in eighths.
    const float angle = std::atan2(v, u * 1.5f + 0.02f) / (0.5f * kPi) * 4.0f;
    const float spoke = std::abs(angle - std::round(angle));
    const float fade = SmoothStep(1.05f, 0.6f, std::sqrt(u * u + v * v));
    float vein = SmoothStep(0.09f, 0.02f, spoke * (0.5f + u)) * fade;
    // Veinlets: the borders of small cells.
    const Cellular cell = Voronoi(px / kSize, py / kSize, 28, 1603);
    vein = std::max(vein, 0.45f * SmoothStep(0.012f, 0.0f, cell.f2 - cell.f1));
    c = Mix(c, FromBytes(168, 214, 122), 0.55f * vein);
    // A glossy sheen across the middle of the blade.
    c = c * (1.0f + 0.08f * SmoothStep(0.8f, 0.2f, std::abs(u - 0.45f) + 0.5f * v));
    c = Mix(c, FromBytes(176, 206, 112), 0.55f * SmoothStep(0.86f, 1.0f, v));
    return {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
}

inline Image PennywortPicture()
{
    using namespace model_a_parts;
    Image img = Tissue(FromBytes(40, 92, 34), FromBytes(96, 160, 60), 1600);
    // The stems: pale green, lighter towards the leaf.
    const double sLow = kStemS[1], sHigh = kStemS[0];
    PaintRect(img, sLow, sHigh, kStemT[0], kStemTipT, [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kStemT[0]) / (kStemTipT - kStemT[0])));
        const float a = static_cast<float>((s - sLow) / (sHigh - sLow));
        return StemAt(Mix(FromBytes(96, 140, 70), FromBytes(132, 176, 84), u), FromBytes(190, 222, 150), u, a, 0,
                      px, py, 1604);
    });
    // One leaf picture over the leaves' rectangle: each leaf maps it from its
    // base ring to its tip ring.
    const double sHalf = kLeafS[kLeafColumns - 1] - kLeafMidS;
    PaintRect(img, kLeafS[0], kLeafS[kLeafColumns - 1], kLeafBaseT[0], kLeafTipT[1],
              [&](double s, double t, float px, float py) {
                  const float u = Clamp01(static_cast<float>((t - kLeafBaseT[0]) / (kLeafTipT[1] - kLeafBaseT[0])));
                  const float w = static_cast<float>((s - kLeafMidS) / sHalf);
                  return UmbrellaLeafAt(u, std::min(1.0f, std::max(-1.0f, w)), px, py);
              });
    return img;
}

inline const bool kCao16 = RegisterPicture("cao16", PennywortPicture);

}  // namespace plant_textures
