// cao5: the blade cluster's stalks and round, peltate leaves (plant kind 2).
#pragma once
#include "plant_mesh_blade_cluster.h"
#include "plant_textures.h"

namespace plant_textures {

// A pennywort's round leaf seen from above: a pale spot where the stalk meets
// it, veins radiating from there and forking towards a darker, crinkled rim,
// and a fine net of veinlets between them.
inline Rgb PeltateLeafAt(float x, float y, float px, float py)
{
    const float r = std::min(1.0f, std::hypot(x, y));
    const float a = std::atan2(y, x);
    const float mottle = Fbm(px / kSize, py / kSize, 8, 4, 551);
    Rgb c = Mix(FromBytes(64, 142, 46), FromBytes(40, 108, 36), SmoothStep(0.2f, 1.0f, r) * 0.8f + 0.2f * mottle);
    // Main veins, and a fork of each beyond mid-radius; thinner towards the rim.
    constexpr int kVeins = 11;
    auto ray = [&](float count, float shift) {
        const float phase = a / (2 * kPi) * count + shift + 0.04f * Fbm(r, a / (2 * kPi), 4, 2, 552);
        const float d = std::abs(phase - std::round(phase)) * 2 * kPi * r / count;  // distance in leaf radii
        return SmoothStep(0.016f * (1.1f - 0.6f * r), 0.0f, d);
    };
    float vein = ray(kVeins, 0.0f) * SmoothStep(0.05f, 0.12f, r);
    vein = std::max(vein, 0.7f * ray(2 * kVeins, 0.5f) * SmoothStep(0.45f, 0.6f, r));
    const Cellular net = Voronoi(px / kSize, py / kSize, 56, 553);
    vein = std::max(vein, 0.2f * SmoothStep(0.008f, 0.0f, net.f2 - net.f1) * SmoothStep(0.15f, 0.3f, r));
    c = Mix(c, FromBytes(160, 214, 118), 0.85f * vein);
    // The pale navel where the stalk is attached, and the rim.
    c = Mix(c, FromBytes(170, 200, 120), SmoothStep(0.1f, 0.0f, r));
    const float rim = SmoothStep(0.86f, 0.98f, r + 0.02f * std::cos(16 * a));
    c = Mix(c, FromBytes(96, 120, 40), 0.6f * rim);
    c = c * (0.94f + 0.12f * Unit(Hash(static_cast<int>(px * 2), static_cast<int>(py * 2), 554)));
    return {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
}

inline Image BladeClusterLeaves()
{
    using namespace blade_cluster;
    Image img = Tissue(FromBytes(36, 92, 34), FromBytes(90, 150, 60), 550);
    // The stalk: s runs round it, t along it.
    PaintRect(img, kStalkTex.s0, kStalkTex.s1, kStalkTex.t0, kStalkTex.t1, [](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kStalkTex.t0) / (kStalkTex.t1 - kStalkTex.t0)));
        const float a = Clamp01(static_cast<float>((s - kStalkTex.s0) / (kStalkTex.s1 - kStalkTex.s0)));
        return StemAt(FromBytes(72, 118, 44), FromBytes(150, 186, 96), u, a, 0, px, py, 555);
    });
    // The leaf: an ellipse filling its rectangle.
    PaintRect(img, kLeafTex.s0, kLeafTex.s1, kLeafTex.t0, kLeafTex.t1, [](double s, double t, float px, float py) {
        const float x = static_cast<float>(2 * (s - kLeafTex.s0) / (kLeafTex.s1 - kLeafTex.s0) - 1);
        const float y = static_cast<float>(2 * (t - kLeafTex.t0) / (kLeafTex.t1 - kLeafTex.t0) - 1);
        return PeltateLeafAt(x, y, px, py);
    });
    return img;
}

inline const bool kCao5 = RegisterPicture("cao5", BladeClusterLeaves);

}  // namespace plant_textures
