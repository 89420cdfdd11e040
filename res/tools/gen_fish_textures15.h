// Species 15, the betta: its picture, fish15. A deep crimson body shot with
// an iridescent blue sheen over the scales of the flank, a darker wine-red
// face; the veil fins crimson with dark rays, a blue sheen along the rays
// near their roots and a brighter red toward their flowing edges; clear
// reddish pectorals; red pelvic streamers with pale tips; a dark eye with a
// copper ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species15.h"

namespace fish15 {

using namespace fishpaint;

inline const Rgb kCrimson = kit::FromBytes(168, 18, 34);
inline const Rgb kWine = kit::FromBytes(102, 10, 26);
inline const Rgb kSheen = kit::FromBytes(44, 104, 226);
inline const Rgb kRay = kit::FromBytes(104, 8, 24);
inline const Rgb kFinEdge = kit::FromBytes(206, 30, 44);

// The body: crimson, the face darker; the scales of the flank behind the
// head catch an iridescent blue, strongest along the middle of the side.
inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kWine, kCrimson, SmoothStep(0.12f, 0.30f, u));
    c = c * (1.0f + 0.10f * kit::Fbm(u * 2, v, 6, 3, 15u));
    const float scale = Scales(p.x, p.z, 0.016f, 0.013f, 0.20f);
    const float flank = SmoothStep(0.20f, 0.38f, u) * (1.0f - SmoothStep(0.10f, 0.0f, v)) *
                        std::exp(-std::pow((v - 0.45f) / 0.24f, 2.0f));
    const float glint = 0.5f + 0.5f * kit::Fbm(p.x * 9.0f, p.z * 9.0f, 8, 2, 151u);
    c = Mix(c, kSheen, std::clamp(1.1f * flank * glint * (2.2f - scale * 1.4f), 0.0f, 0.85f));
    c = c * scale;
    return Shade(c, kBody.Normal(u, theta), 0.22f);
}

// A veil fin at a (front to rear) and b (root to edge): crimson with dark
// rays that fork toward the edge, a blue sheen along the rays near the root
// and a brighter red at the flowing edge.
inline Rgb VeilColour(float a, float b, int rays, uint32_t seed)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    Rgb c = Mix(kCrimson * 0.92f, kFinEdge, SmoothStep(0.35f, 0.95f, b));
    const float x = a * rays + 0.5f * SmoothStep(0.5f, 1.0f, b) * std::sin(a * 37.0f);
    const float f = std::fabs(x - std::floor(x) - 0.5f) * 2.0f;  // 1 on a ray
    const float ray = SmoothStep(0.70f, 0.95f, f);
    c = Mix(c, kRay, 0.55f * ray);
    c = Mix(c, kSheen, 0.75f * ray * (1.0f - SmoothStep(0.12f, 0.5f, b)));
    c = c * (1.0f + 0.08f * kit::Fbm(a * 3, b, 8, 2, seed));
    return c;
}
inline Rgb DorsalColour(float a, float b) { return VeilColour(a, b, 16, 31u); }
inline Rgb AnalColour(float a, float b) { return VeilColour(a, b, 14, 37u); }
inline Rgb TailColour(float a, float b) { return VeilColour(a, b, 24, 41u); }

// The pectoral fins: clear, the red flank showing through a pink membrane.
inline const RayFinLook kPectoralLook{LitFlank(kBody, kPectoralX, 0.04f, kCrimson), kit::FromBytes(214, 120, 126),
                                      SizeOf<decltype(g_Fish15Pectoral)>().columns, 0.70f};
inline Rgb PectoralColour(float a, float b) { return RayFinColour(kPectoralLook, a, b, 15u); }

// The pelvic streamers, along a (root to tip) and across b: crimson with a
// dark leading ray and pale tips.
inline Rgb PelvicColour(float a, float b)
{
    Rgb c = Mix(kCrimson, kFinEdge, SmoothStep(0.3f, 0.8f, a));
    c = Mix(c, kRay, 0.5f * (1.0f - SmoothStep(0.0f, 0.35f, b)));
    return Mix(c, kit::FromBytes(236, 214, 220), SmoothStep(0.82f, 0.94f, a));
}

// A dark eye with a copper ring.
inline const EyeLook kEyeLook{kit::FromBytes(206, 120, 56), kit::FromBytes(52, 18, 16), kit::FromBytes(34, 8, 14)};

inline kit::Image Paint()
{
    return fishpaint::Paint(
        kPicture,
        {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kDorsalRegion, 0.015f, DorsalColour),
         RegionLayer(kAnalRegion, 0.015f, AnalColour), RegionLayer(kTailRegion, 0.015f, TailColour),
         RegionLayer(kPectoralRegion, 0.02f, PectoralColour), RegionLayer(kPelvicRegion, 0.02f, PelvicColour),
         EyeLayer(kEyeDisc, 1.3f, kEyeLook, kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
        kCrimson * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(15, Paint);

}  // namespace fish15
