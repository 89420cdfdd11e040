// Species 14, the kuhli loach (Pangio kuhlii): its picture, fish14. A
// salmon-pink to yellow body under twelve dark brown-black saddle bands
// that taper down the flanks and stop short of the pale pinkish belly; the
// head dark on top with a pale snout, a small gold-ringed eye high on it;
// pale, nearly clear fins, the tail dark at its base.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species14.h"

namespace fish14 {

using namespace fishpaint;

inline const Rgb kBack = kit::FromBytes(214, 132, 78);
inline const Rgb kFlank = kit::FromBytes(236, 172, 104);
inline const Rgb kBelly = kit::FromBytes(242, 206, 172);
inline const Rgb kBand = kit::FromBytes(40, 28, 22);
inline const Rgb kFinClear = kit::FromBytes(226, 190, 160);

// The saddle bands: their centres along u, evenly from the nape to the tail root.
constexpr int kBands = 12;
constexpr float kFirstBandU = 0.17f, kLastBandU = 0.96f;

// How dark (0 .. 1) the bands are at (u, theta): broad on the back,
// narrowing down the flank, ending above the belly with ragged ends.
inline float BandAt(float u, float theta)
{
    const float spacing = (kLastBandU - kFirstBandU) / (kBands - 1);
    const float k = std::round((u - kFirstBandU) / spacing);
    if (k < -0.5f || k > kBands - 0.5f)
        return 0.0f;
    const float v = theta / kPi;  // 0 on the ridge, 1 on the belly
    const float wobble = 0.25f * kit::Fbm(u * 4.0f, v * 2.0f, 16, 3, 91u);
    const float lean = 0.012f * v;  // the bands lean back a little down the flank
    const float d = std::fabs(u - (kFirstBandU + k * spacing) - lean) / spacing;
    const float half = 0.34f * (1.0f - 0.45f * SmoothStep(0.15f, 0.70f, v)) * (1.0f + wobble);
    const float ends = 1.0f - SmoothStep(0.68f, 0.78f, v + 0.08f * kit::Fbm(u * 8.0f, 0.3f, 32, 2, 17u));
    return (1.0f - SmoothStep(half - 0.05f, half + 0.05f, d)) * ends;
}

// The ground colour: darker salmon on the back, yellowish down the flank,
// pale pink below.
inline Rgb GroundAt(float u, float theta)
{
    const float v = theta / kPi;
    Rgb c = Mix(kBack, kFlank, SmoothStep(0.05f, 0.45f, v));
    c = Mix(c, kBelly, SmoothStep(0.62f, 0.85f, v));
    return c * (1.0f + 0.05f * kit::Fbm(u * 3.0f, v, 24, 3, 5u));
}

// Lit from above; the pale belly keeps its colour where the light does not reach.
inline Rgb Lit(Rgb c, float u, float theta)
{
    const Rgb lit = Shade(c, kBody.Normal(u, theta), 0.22f);
    return Mix(lit, c * 0.9f, 0.7f * SmoothStep(0.55f, 0.9f, theta / kPi));
}

inline Rgb BodyColour(float u, float b)
{
    const float theta = b * kPi;
    Rgb c = Mix(GroundAt(u, theta), kBand, 0.92f * BandAt(u, theta));
    // Fine dark speckles on the pale gaps of the back.
    const float speck = SmoothStep(0.72f, 0.86f, kit::Fbm(u * 9.0f, b * 2.0f, 64, 2, 33u) * 0.5f + 0.5f);
    c = Mix(c, kBand, 0.35f * speck * (1.0f - SmoothStep(0.3f, 0.55f, b)));
    return Lit(c, u, theta);
}

// The eye's centre on the head's surface.
inline V3 EyeCentre()
{
    const float u = kBody.UOf(kEyeX);
    return kBody.Surface(u, kBody.ThetaAt(u, kEyeZ));
}

// The head: dark on top from the nape to the snout, a dark stripe through
// the eye, pale yellow cheeks and throat, a pale pink snout tip (the
// barbels take it too); the eye black in a thin gold ring.
inline Rgb HeadColour(float a, float b)
{
    const float u = std::max(a * HeadU(), 0.001f), theta = b * kPi;
    const V3 p = kBody.Surface(u, theta);
    const float v = b;
    Rgb c = GroundAt(u, theta);
    const float cap = 1.0f - SmoothStep(0.26f, 0.36f, v + 0.05f * kit::Fbm(a * 3, b * 2, 8, 2, 3u));
    const float stripe = 1.0f - SmoothStep(0.010f, 0.016f, std::fabs(p.z - (kEyeZ - 0.004f) - 0.25f * (p.x - kEyeX)));
    const float onHead = SmoothStep(0.12f, 0.30f, a);
    c = Mix(c, kBand, 0.9f * std::max(cap, 0.8f * stripe) * onHead);
    c = Mix(c, kit::FromBytes(238, 196, 170), 1.0f - SmoothStep(0.10f, 0.22f, a));  // the snout tip and barbels
    c = Lit(c, u, theta);
    // The eye.
    const V3 e = EyeCentre();
    const float rho = Length(p - e) / kEyeRadius;
    if (rho < 1.25f) {
        const float dx = (p.x - e.x), dy = (p.z - e.z), n = std::max(std::hypot(dx, dy), 1e-6f);
        static const EyeLook eye{kit::FromBytes(232, 196, 96), kit::FromBytes(150, 112, 52), kit::FromBytes(30, 22, 18),
                                 1.0f, 0.86f};
        c = EyeColour(eye, rho, -dx / n, dy / n, c);
    }
    return c;
}

// The pelvic fins: nearly clear, pinkish, fine rays.
inline Rgb PelvicColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, -0.06f, 0.02f, kBelly), kFinClear, 6, 0.55f};
    return RayFinColour(look, a, b, 41u);
}

// The tail: a dark band at its base, then clear pinkish grey with rays.
inline Rgb TailColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(150, 110, 86), kFinClear, kFinClear * 0.95f, 0.9f, 2.0f, 16};
    Rgb c = FinColour(look, a, b, 43u);
    const float base = 1.0f - SmoothStep(0.18f, 0.32f, b + 0.06f * std::sin(a * 9.0f));
    return Mix(c, kBand * 1.2f, 0.85f * base);
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.01f, BodyColour), RegionLayer(kHeadSkin, 0.01f, HeadColour),
                             RegionLayer(kPelvicFin, 0.01f, PelvicColour), RegionLayer(kTailFin, 0.01f, TailColour)},
                            kFlank * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(14, Paint);

}  // namespace fish14
