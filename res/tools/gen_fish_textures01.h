// Species 1, the bristlenose pleco (Ancistrus): its picture, fish01. Dark
// brown-grey armour sprinkled with small pale spots, a paler grey-brown
// belly, the fleshy bristles pale on the snout's rim and top, the round
// sucker mouth under the snout; dusky fins spotted pale, the dorsal and
// the tail with a thin pale margin; a small dark eye with a grey-gold ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species01.h"

namespace fish01 {

using namespace fishpaint;

inline const Rgb kArmour = kit::FromBytes(66, 60, 50);
inline const Rgb kArmourDark = kit::FromBytes(40, 36, 31);
inline const Rgb kBelly = kit::FromBytes(118, 110, 96);
inline const Rgb kSpotPale = kit::FromBytes(214, 204, 176);
inline const Rgb kFinDusk = kit::FromBytes(54, 50, 44);
inline const Rgb kBristle = kit::FromBytes(196, 180, 150);
inline const Rgb kLip = kit::FromBytes(196, 170, 146);

// How much of a pale spot lies at (x, w): x along the body, w round it (both
// in body units); cells of `cell`, spots of `radius` times 0.6 to 1.
inline float SpotCover(float x, float w, float cell, float radius, uint32_t seed)
{
    return CellSpotCover(x, w, cell, radius, seed, 0.6f, 0.4f, 0.0018f);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    const float w = RoundFromRidge(kBody, u, theta);
    const float edgeV = static_cast<float>(kEdgeRow) / (kBodySize.rows - 1);
    Rgb c = Mix(kArmour, kArmourDark, 0.5f + 0.5f * kit::Fbm(u * 2.0f, v, 5, 3, 101u));
    // The armour's plates: faint darker seams across the flank.
    const float plate = std::fabs(std::sin((p.x + 0.04f * v) * 95.0f));
    c = c * (1.0f - 0.10f * (1.0f - SmoothStep(0.0f, 0.18f, plate)) * SmoothStep(0.28f, 0.36f, u));
    // The belly under the head's lateral edge: paler and plain.
    const float under = SmoothStep(edgeV + 0.02f, edgeV + 0.16f, v);
    c = Mix(c, kBelly * (1.0f + 0.06f * kit::Fbm(u, v, 6, 2, 7u)), under);
    // Small pale spots over the armour, smaller on the head.
    const float head = 1.0f - SmoothStep(0.20f, 0.30f, u);
    const float spot = Mix(SpotCover(p.x, w, 0.030f, 0.0062f, 3u), SpotCover(p.x, w, 0.020f, 0.0040f, 5u), head);
    c = Mix(c, kSpotPale, 0.85f * spot * (1.0f - under));
    // The bristles: fleshy tentacles, pale, along the snout's rim and up its
    // middle, thinning out toward the eyes.
    const float snout = 1.0f - SmoothStep(0.08f, 0.15f, u);
    const float rim = 1.0f - SmoothStep(0.10f, 0.22f, std::fabs(v - edgeV + 0.08f));
    const float middle = 1.0f - SmoothStep(0.05f, 0.22f, v);
    const float bristle = std::max(SpotCover(p.x, w, 0.022f, 0.0090f, 17u), SpotCover(p.x, w, 0.016f, 0.0050f, 19u));
    c = Mix(c, kBristle, bristle * snout * std::max(rim, middle) * (1.0f - under * 0.5f));
    // The sucker mouth: a round pale disc under the snout with a dark slit.
    const float mouthX = -0.400f, mouthR = 0.042f;
    const float d = std::hypot(p.x - mouthX, p.y * 1.1f);
    const float below = SmoothStep(0.74f, 0.84f, v);
    const float disc = (1.0f - SmoothStep(mouthR - 0.004f, mouthR, d)) * below;
    const float ring = (1.0f - SmoothStep(0.003f, 0.007f, std::fabs(d - mouthR - 0.002f))) * below;
    const float papillae = 0.88f + 0.12f * std::sin(p.x * 900.0f) * std::sin(p.y * 900.0f);
    c = Mix(c, kArmourDark * 0.7f, ring);
    c = Mix(c, kLip * papillae, disc);
    c = Mix(c, kit::FromBytes(40, 28, 26), disc * (1.0f - SmoothStep(0.005f, 0.010f, std::fabs(p.x - mouthX + 0.006f))) *
                                              (1.0f - SmoothStep(0.024f, 0.032f, std::fabs(p.y))));
    return Mix(Shade(c, kBody.Normal(u, theta), 0.18f), c * 0.9f, 0.5f * under);
}

// Dusky fins with rows of pale spots along the rays; a thin pale margin
// where `margin` is set (kept off the very edge).
inline Rgb SpottedFin(float a, float b, float rows, bool margin, uint32_t seed)
{
    static const FinLook look{kFinDusk * 0.8f, kFinDusk * 1.15f, kFinDusk, 2.0f, 2.0f, 12};
    Rgb c = FinColour(look, a, b, seed);
    const float spot = SpotCover(a * 0.25f, b * rows * 0.02f, 0.05f, 0.0085f, seed + 1);
    c = Mix(c, kSpotPale * 0.9f, 0.8f * spot * SmoothStep(0.05f, 0.15f, b));
    if (margin)
        c = Mix(c, kit::FromBytes(226, 220, 200), SmoothStep(0.88f, 0.93f, b) * (1.0f - SmoothStep(0.97f, 1.0f, b)));
    return c;
}

inline Rgb DorsalColour(float a, float b) { return SpottedFin(a, b, 9.0f, true, 31u); }
inline Rgb TailColour(float a, float b) { return SpottedFin(a, b, 8.0f, true, 41u); }
inline Rgb SmallFinColour(float a, float b) { return SpottedFin(a, b, 5.0f, false, 51u); }

// The spine: dark, with pale tips of its tiny teeth.
inline Rgb SpineColour(float a, float b)
{
    const float teeth = SpotCover(a * 0.3f, b * 0.02f, 0.04f, 0.006f, 61u);
    return Mix(kArmourDark * (0.9f + 0.2f * b), kSpotPale * 0.8f, 0.5f * teeth);
}

// A small dark eye with a grey-gold ring, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(214, 190, 120), kit::FromBytes(96, 84, 60), kit::FromBytes(22, 20, 18)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kDorsalFin, 0.02f, DorsalColour),
                             RegionLayer(kTailFin, 0.02f, TailColour), RegionLayer(kSmallFins, 0.02f, SmallFinColour),
                             RegionLayer(kSpine, 0.015f, SpineColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kArmour);
}

inline const bool kPictureRegistered = RegisterPicture(1, Paint);

}  // namespace fish01
