// Species 5, the German blue ram (Mikrogeophagus ramirezi): its picture,
// fish5. A golden head and breast running into a violet-blue rear, spangled
// all over with electric blue; a black bar from the nape down through the red
// eye, whose red iris stands out of it in a bright ring; a small black spot
// ringed in blue mid-flank under the front of the dorsal fin, whose first
// rays are black; fins tinted rose with blue spangles and a red rim, the
// pelvic fins red with a dark leading ray, clear golden pectorals.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species05.h"

namespace fish05 {

using namespace fishpaint;

inline const Rgb kGold = kit::FromBytes(236, 186, 58);
inline const Rgb kOrangeFace = kit::FromBytes(242, 140, 44);
inline const Rgb kBreast = kit::FromBytes(226, 96, 46);
inline const Rgb kViolet = kit::FromBytes(112, 104, 168);
inline const Rgb kBackOlive = kit::FromBytes(150, 138, 96);
inline const Rgb kNeon = kit::FromBytes(70, 190, 255);
inline const Rgb kBlack = kit::FromBytes(18, 16, 22);
inline const Rgb kFinRose = kit::FromBytes(214, 120, 122);
inline const Rgb kFinRim = kit::FromBytes(226, 48, 40);

// Electric blue spangles of the side view at (x, z), in a jittered grid of
// `cell` units: 0 off a spangle, 1 on one. `density` keeps only some cells.
inline float Spangles(float x, float z, float cell, float density, uint32_t seed)
{
    const float u = x / cell, v = z / cell;
    const int cx = static_cast<int>(std::floor(u)), cz = static_cast<int>(std::floor(v));
    float best = 0.0f;
    for (int dz = -1; dz <= 1; ++dz)
        for (int dx = -1; dx <= 1; ++dx) {
            const uint32_t h = kit::Hash(cx + dx, cz + dz, seed);
            if (kit::Unit(kit::Hash(h ^ 0x5bd1e995u)) > density)
                continue;
            const float px = cx + dx + 0.2f + 0.6f * kit::Unit(h), pz = cz + dz + 0.2f + 0.6f * kit::Unit(kit::Hash(h));
            const float r = 0.22f + 0.12f * kit::Unit(kit::Hash(h + 7u));
            const float d = std::hypot((px - u) * 0.8f, pz - v);
            best = std::max(best, 1.0f - SmoothStep(r * 0.7f, r, d));
        }
    return best;
}

// How much of the black markings lies at (x, z): the eye bar, the spot
// mid-flank under the dorsal fin's front, and faint bars behind it.
inline float EyeBar(float x, float z)
{
    const float centre = kEye.x + 0.10f * (z - kEye.z);
    return (1.0f - SmoothStep(0.016f, 0.022f, std::fabs(x - centre))) * SmoothStep(-0.15f, -0.11f, z);
}
// The flank spot: well below the eye and smaller than it, a little ragged
// and taller than wide, in a ring of blue scales (SpotRing).
constexpr float kSpotX = -0.080f, kSpotZ = -0.022f, kSpotRadius = 0.014f;
inline float SpotDistance(float x, float z)
{
    const float ragged = 0.0018f * kit::Fbm(x * 3.0f + 0.5f, z * 3.0f + 0.5f, 8, 2, 55u);
    return std::hypot(x - kSpotX, (z - kSpotZ) * 0.85f) + ragged;
}
inline float SpotRing(float x, float z)
{
    const float d = SpotDistance(x, z);
    return SmoothStep(kSpotRadius - 0.001f, kSpotRadius + 0.001f, d) *
           (1.0f - SmoothStep(kSpotRadius + 0.006f, kSpotRadius + 0.009f, d));
}
inline float Blotch(float x, float z)
{
    const float spot = 1.0f - SmoothStep(kSpotRadius - 0.002f, kSpotRadius, SpotDistance(x, z));
    float bars = 0.0f;
    for (float bx : {-0.215f, -0.050f, 0.075f, 0.195f})
        bars = std::max(bars, 1.0f - SmoothStep(0.010f, 0.024f, std::fabs(x - bx)));
    return std::max(spot, 0.22f * bars);
}

// The body's colour before the light, in the side view.
inline Rgb SkinColour(float x, float z, float v)
{
    Rgb c = Mix(kGold, kViolet, SmoothStep(-0.22f, 0.22f, x + 0.25f * z));
    c = Mix(c, kOrangeFace, 0.7f * (1.0f - SmoothStep(-0.40f, -0.26f, x)));
    c = Mix(c, kBreast, 0.8f * SmoothStep(0.55f, 0.85f, v) * (1.0f - SmoothStep(-0.28f, -0.05f, x)));
    c = Mix(c, kBackOlive, 0.45f * (1.0f - SmoothStep(0.05f, 0.35f, v)));
    // Blue streaks on the cheek below the eye, spangles everywhere behind it.
    const float cheek = (1.0f - SmoothStep(0.0f, 0.05f, std::fabs(x + 0.40f))) *
                        (1.0f - SmoothStep(0.003f, 0.008f, std::fabs(std::fmod(z + 1.0f, 0.028f) - 0.014f))) *
                        SmoothStep(-0.03f, 0.03f, kEye.z - 0.03f - z);
    const float spangle = Spangles(x, z, 0.021f, 0.75f, 5u) * SmoothStep(-0.36f, -0.30f, x);
    c = Mix(c, kNeon, 0.85f * std::max(cheek, spangle));
    c = Mix(c, kNeon, 0.9f * SpotRing(x, z));
    c = Mix(c, kBlack, std::max(EyeBar(x, z), Blotch(x, z)));
    return c;
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = SkinColour(p.x, p.z, v) * Scales(p.x, p.z, 0.012f, 0.010f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 5u));
    // The mouth: dark lips where the head pieces meet.
    const float lips = 1.0f - SmoothStep(0.015f, 0.05f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(120, 50, 30), lips * (1.0f - SmoothStep(0.01f, 0.04f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta), 0.35f);
}

// The unpaired fins (a along the fin, b root to edge): rose over violet
// with blue spangles and a red rim; the dorsal's first rays black, the tail
// bluest.
inline Rgb UnpairedFinColour(float a, float b, float violet, float lengthRatio, uint32_t seed)
{
    static const FinLook look{kFinRose, kit::FromBytes(236, 150, 150), kFinRim, 0.82f, 2.0f, 14};
    Rgb c = Mix(FinColour(look, a, b, seed), kViolet * 0.95f, violet * (1.0f - SmoothStep(0.7f, 0.85f, b)));
    const float spangle = Spangles(a * lengthRatio, b, 0.085f, 0.55f, seed);
    return Mix(c, kNeon, 0.85f * spangle * (1.0f - SmoothStep(0.75f, 0.85f, b)));
}
inline Rgb DorsalColour(float a, float b)
{
    const Rgb c = UnpairedFinColour(a, b, 0.35f, 6.0f, 11u);
    return Mix(c, kBlack, 1.0f - SmoothStep(0.13f, 0.19f, a + 0.06f * b));
}
inline Rgb AnalColour(float a, float b) { return UnpairedFinColour(a, b, 0.55f, 3.5f, 17u); }
inline Rgb TailColour(float a, float b)
{
    // The rim only on the top and bottom lobes' edges; the rest a paler edge.
    const Rgb c = UnpairedFinColour(a, b, 0.7f, 1.2f, 19u);
    const float lobe = SmoothStep(0.25f, 0.05f, a) + SmoothStep(0.75f, 0.95f, a);
    return Mix(c, kFinRim, 0.6f * lobe * SmoothStep(0.6f, 0.9f, b));
}

// Pectoral: clear, golden from the flank under it. The paddle lies along
// its length (a from the tip to the root, b from the upper edge to the
// lower): its rays run from the root out along it, spreading as it widens,
// to the tip; its upper and lower edges are its outline too.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, kPectoralRoot.x, kPectoralRoot.z, Mix(kGold, kOrangeFace, 0.4f)),
                                 kit::FromBytes(218, 188, 120), 8, 0.6f};
    return RayFinColour(look, b, std::max(1.0f - a, std::pow(std::fabs(2.0f * b - 1.0f), 3.0f)), 55u);
}

// Pelvic (a from the leading ray round to the trailing end, b root to edge):
// red, the leading ray dark, blue spangled.
inline Rgb PelvicColour(float a, float b)
{
    static const FinLook look{kBreast, kit::FromBytes(236, 70, 46), kit::FromBytes(250, 150, 110), 0.92f};
    Rgb c = FinColour(look, a, b, 57u);
    c = Mix(c, kNeon, 0.7f * Spangles(a * 0.3f, b * 0.1f, 0.02f, 0.5f, 13u));
    return Mix(c, kit::FromBytes(30, 30, 60), 1.0f - SmoothStep(0.06f, 0.14f, a));
}

// A red eye with a black pupil on the black of the eye bar: the iris ends
// in a bright golden ring just inside the dome's rim, so that the eye stands
// out of the bar.
inline const EyeLook kEyeLook{kit::FromBytes(255, 150, 70), kit::FromBytes(226, 34, 30), kit::FromBytes(250, 206, 96),
                              0.94f, 0.78f};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.02f, BodyColour), RegionLayer(kDorsalFin, 0.01f, DorsalColour),
                             RegionLayer(kAnalFin, 0.01f, AnalColour), RegionLayer(kTailFin, 0.01f, TailColour),
                             RegionLayer(kPectoralFin, 0.01f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.01f, PelvicColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kGold * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(5, Paint);

}  // namespace fish05
