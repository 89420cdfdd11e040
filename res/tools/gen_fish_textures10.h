// Species 10, the green swordtail (male): its picture, fish10. An olive-green
// back over yellowish-green flanks with a fine net of scale edges and a
// silvery belly; the red zigzag stripe from the eye to the tail, edged dark;
// a clear olive dorsal fin dotted red-brown near its base; a pale olive tail
// whose lowest rays, the sword, are yellow between two black margins.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species10.h"

namespace fish10 {

using namespace fishpaint;

inline const Rgb kOliveBack = kit::FromBytes(70, 92, 44);
inline const Rgb kFlankGreen = kit::FromBytes(132, 160, 78);
inline const Rgb kSheen = kit::FromBytes(150, 186, 120);
inline const Rgb kBelly = kit::FromBytes(226, 224, 188);
inline const Rgb kStripeRed = kit::FromBytes(196, 38, 32);
inline const Rgb kStripeEdge = kit::FromBytes(92, 30, 44);
inline const Rgb kFinOlive = kit::FromBytes(168, 172, 112);
inline const Rgb kSwordYellow = kit::FromBytes(250, 206, 48);
inline const Rgb kSwordBlack = kit::FromBytes(22, 20, 16);
inline const Rgb kSpot = kit::FromBytes(140, 52, 34);

// The red stripe's middle line over x, a little above the body's midline
// and rising behind the eye.
inline float StripeZ(float x)
{
    const float mid = Body().MidAt(x);
    return mid + 0.010f - 0.006f * SmoothStep(-0.40f, 0.0f, x) + 0.004f * SmoothStep(0.15f, 0.34f, x);
}

// How far (x, z) lies inside the stripe: 1 in it, 0 out of it; the edges
// zigzag with the scale rows (a triangle wave of about one scale).
inline float Stripe(float x, float z, float widen = 0.0f)
{
    if (x < -0.395f || x > 0.35f)
        return 0.0f;
    const float phase = x / 0.022f;
    const float tooth = 2.0f * std::fabs(phase - std::floor(phase) - 0.5f);  // 0 .. 1
    const float half = 0.0085f + widen + 0.0045f * tooth - 0.003f * SmoothStep(0.25f, 0.35f, x);
    const float d = std::fabs(z - StripeZ(x) + 0.002f * (tooth - 0.5f));
    const float along = SmoothStep(-0.395f, -0.37f, x);
    return along * (1.0f - SmoothStep(half - 0.0015f, half + 0.0015f, d));
}

inline Rgb SkinColour(float x, float z)
{
    const SwordtailBody& body = Body();
    const float back = body.BackAt(x), belly = body.BellyAt(x);
    const float v = kit::Clamp01((back - z) / std::max(back - belly, 1e-3f));  // 0 on the back, 1 on the belly
    Rgb c = Mix(kOliveBack, kFlankGreen, SmoothStep(0.08f, 0.45f, v));
    c = Mix(c, kSheen, 0.35f * SmoothStep(0.35f, 0.55f, v) * (1.0f - SmoothStep(0.6f, 0.75f, v)));
    c = Mix(c, kBelly, SmoothStep(0.66f, 0.9f, v));
    // The head: a paler, silvery gill cover, an olive snout.
    const float cheek = (1.0f - SmoothStep(0.0f, 0.03f, std::hypot((x + 0.36f) * 0.8f, z + 0.045f) - 0.035f));
    c = Mix(c, kit::FromBytes(176, 190, 150), 0.45f * cheek);
    c = Mix(c, kOliveBack * 1.1f, 0.5f * (1.0f - SmoothStep(-0.47f, -0.43f, x)) * (1.0f - SmoothStep(0.3f, 0.7f, v)));
    // A net of scale edges over the flank, fading on the belly.
    const float scale = Scales(x, z, 0.022f, 0.018f, 0.10f);
    c = c * Mix(scale, 1.0f, SmoothStep(0.7f, 0.9f, v) + (1.0f - SmoothStep(-0.40f, -0.33f, x)));
    c = c * (1.0f + 0.05f * kit::Fbm(x + 0.5f, z + 0.5f, 12, 3, 10u));
    // The stripe, with its dark edges; a fainter red line below it.
    c = Mix(c, kStripeEdge, 0.75f * Stripe(x, z, 0.0035f));
    c = Mix(c, kStripeRed, Stripe(x, z));
    const float lower = std::fabs(z - (StripeZ(x) - 0.042f));
    c = Mix(c, kStripeRed * 0.9f,
            0.35f * (1.0f - SmoothStep(0.002f, 0.004f, lower)) * SmoothStep(-0.25f, -0.15f, x) *
                (1.0f - SmoothStep(0.2f, 0.3f, x)));
    // The mouth: a dark line along the lips.
    const float mouth = std::fabs(z + 0.0675f);
    c = Mix(c, kit::FromBytes(40, 40, 28), 0.8f * (1.0f - SmoothStep(-0.475f, -0.455f, x)) *
                                               (1.0f - SmoothStep(0.002f, 0.005f, mouth)));
    // Lit as the body turns from the light: from the section's roundness at this height.
    const float mid = 0.5f * (back + belly), half = std::max(0.5f * (back - belly), 1e-3f);
    const float cz = std::clamp((z - mid) / half, -1.0f, 1.0f);
    return Shade(c, fishkit::Normalize({0.0f, std::sqrt(1.0f - cz * cz) * 2.2f, cz}), 0.22f);
}

// The dorsal fin at side-view (x, z): clear olive, red-brown dots in rows
// over its lower half, rays, an orange-tinged rim.
inline Rgb DorsalColour(float x, float z)
{
    const float back = Body().BackAt(std::clamp(x, -0.13f, 0.2f));
    const float up = kit::Clamp01((z - back) / 0.085f);
    Rgb c = Mix(kFinOlive * 0.8f, kFinOlive * 1.1f, up);
    const float ray = std::fabs(std::sin((x - 0.35f * (z - back)) * 190.0f));
    c = c * (0.86f + 0.14f * SmoothStep(0.0f, 0.5f, ray));
    const kit::Cellular cell = kit::Voronoi(x * 0.5f + 0.5f, z * 0.5f + 0.5f, 70, 31u);
    const float dot = (1.0f - SmoothStep(0.0025f, 0.0045f, cell.f1 * 2.0f)) * (1.0f - SmoothStep(0.45f, 0.7f, up));
    c = Mix(c, kSpot, 0.85f * dot * (kit::Unit(cell.id) < 0.75f ? 1.0f : 0.0f));
    c = Mix(c, kit::FromBytes(214, 150, 70), 0.5f * SmoothStep(0.8f, 0.95f, up));
    return c;
}

// The tail at side-view (x, z): pale olive with rays; the sword's rays
// yellow between black upper and lower margins.
inline Rgb TailColour(float x, float z)
{
    static const std::vector<V3> swordBottom(kTailEdge.begin() + kSwordTip, kTailEdge.end());
    const float fan = std::atan2(z + 0.015f, x - 0.30f);
    const float ray = std::fabs(std::sin(fan * 38.0f));
    Rgb c = Mix(kFinOlive * 0.85f, kFinOlive * 1.05f, SmoothStep(0.35f, 0.45f, x));
    c = c * (0.85f + 0.15f * SmoothStep(0.0f, 0.5f, ray));
    // The sword: the fin's lowest rays, below the line from the stalk's
    // belly to the tip; black along that line and along the lower margin.
    const V3 p{x, 0.0f, z};
    const V3 tip = kTailEdge[kSwordTip];
    const float upperLine = Mix(kSwordRoot.z, tip.z, kit::Clamp01((x - kSwordRoot.x) / (tip.x - kSwordRoot.x)));
    const float inSword = SmoothStep(upperLine + 0.002f, upperLine - 0.002f, z);
    Rgb sword = Mix(kSwordYellow, kit::FromBytes(240, 160, 40), 0.35f * SmoothStep(0.34f, 0.48f, x));
    const float margin = std::min(std::fabs(z - upperLine), DistanceToPolyline(p, swordBottom));
    sword = Mix(sword, kSwordBlack, 1.0f - SmoothStep(0.0045f, 0.0075f, margin));
    c = Mix(c, sword, inSword);
    c = Mix(c, kSwordBlack, (1.0f - SmoothStep(0.003f, 0.0055f, std::fabs(z - upperLine))) * SmoothStep(0.33f, 0.34f, x));
    return c * (1.0f + 0.04f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 12u));
}

// The gonopodium: pale olive, darker toward its tip.
inline Rgb GonopodiumColour(float x, float)
{
    return Mix(kFinOlive * 1.05f, kit::FromBytes(96, 96, 70), SmoothStep(0.15f, 0.24f, x));
}

// A paired fin, nearly clear, tinted by the flank under it.
inline Rgb PairedFinColour(float a, float b, Rgb flank, uint32_t seed)
{
    const RayFinLook look{flank, kit::FromBytes(200, 196, 150), 9, 0.5f};
    return RayFinColour(look, a, b, seed);
}
inline Rgb PectoralColour(float a, float b) { return PairedFinColour(a, b, kFlankGreen * 0.9f, 41u); }
inline Rgb PelvicColour(float a, float b) { return PairedFinColour(a, b, kBelly * 0.85f, 43u); }

// A dark eye with a golden iris, on the head's olive skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(226, 196, 110), kit::FromBytes(150, 132, 70), kit::FromBytes(52, 56, 36)};
    const float x = kEyeX + kEyeRadius * std::min(rho, 1.6f) * dx, z = kEyeZ + kEyeRadius * std::min(rho, 1.6f) * dy;
    return EyeColour(eye, std::min(rho, 1.0f), dx, dy, SkinColour(x, z));
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {DiscLayer(kEyeDisc, 1.25f, EyeDiscColour),
                             RegionLayer(kMouthCornerPatch, 0.01f,
                                         [](float, float b) { return Mix(kit::FromBytes(60, 62, 40), kBelly * 0.8f, b); }),
                             SideLayer(kSkin, 0.05f, SkinColour), SideLayer(kDorsalSide, 0.006f, DorsalColour),
                             SideLayer(kTailSide, 0.006f, TailColour),
                             SideLayer(kGonopodiumSide, 0.006f, GonopodiumColour),
                             RegionLayer(kPectoralFin, 0.006f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.006f, PelvicColour)},
                            kFinOlive * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(10, Paint);

}  // namespace fish10
