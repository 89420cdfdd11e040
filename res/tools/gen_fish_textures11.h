// Species 11, the cuckoo catfish (Synodontis multipunctatus): its picture,
// fish11. A sandy cream body, paler to the white belly, covered in round
// black-brown spots (smaller on the head shield); black fins with white
// spines and margins; the tail's two lobes black with white outer margins
// and tips; pale barbels; a large eye with a bronze iris.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species11.h"

namespace fish11 {

using namespace fishpaint;

inline const Rgb kSand = kit::FromBytes(212, 178, 112);
inline const Rgb kCream = kit::FromBytes(232, 214, 166);
inline const Rgb kBellyWhite = kit::FromBytes(246, 242, 230);
inline const Rgb kSpot = kit::FromBytes(34, 24, 20);
inline const Rgb kFinBlack = kit::FromBytes(22, 20, 22);
inline const Rgb kFinWhite = kit::FromBytes(246, 246, 240);

// How much of a spot lies at (x, w): x along the body, w round it (both in
// body units); cells of `cell`, spots of `radius` times 0.7 to 1.
inline float SpotCover(float x, float w, float cell, float radius, uint32_t seed)
{
    return CellSpotCover(x, w, cell, radius, seed, 0.7f, 0.3f, 0.0025f);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kSand, kCream, SmoothStep(0.15f, 0.55f, v));
    c = Mix(c, kBellyWhite, SmoothStep(0.62f, 0.86f, v));
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 11u));
    // Round spots, small on the head shield, none on the belly.
    const float w = RoundFromRidge(kBody, u, theta);
    const float head = 1.0f - SmoothStep(0.16f, 0.26f, u);
    const float spot = Mix(SpotCover(p.x, w, 0.055f, 0.0165f, 7u), SpotCover(p.x, w, 0.030f, 0.0085f, 5u), head);
    c = Mix(c, kSpot, 0.94f * spot * (1.0f - SmoothStep(0.66f, 0.76f, v)));
    // The mouth under the snout: a dark lip line where the jaws meet.
    const float lips = 1.0f - SmoothStep(0.04f, 0.10f, u);
    c = Mix(c, kit::FromBytes(110, 80, 60), lips * (1.0f - SmoothStep(0.01f, 0.03f, std::fabs(v - kMouthTheta / kPi))));
    // The gill opening behind the head shield, down the flank.
    const float gill = std::fabs(p.x - (-0.285f + 0.35f * p.z * p.z));
    c = c * (1.0f - 0.25f * (1.0f - SmoothStep(0.0f, 0.004f, gill)) * SmoothStep(0.25f, 0.35f, v) *
                        (1.0f - SmoothStep(0.65f, 0.75f, v)));
    // Lit from above, but the white belly keeps some of its own light.
    return Mix(Shade(c, kBody.Normal(u, theta)), c * 0.86f, 0.6f * SmoothStep(0.6f, 0.9f, v));
}

// Black fins: the spine in front and a rim band white, the rim itself black
// again but for a pale edge (a fin seen edge-on shows no white stripe).
inline Rgb DarkFinColour(float a, float b)
{
    static const FinLook look{kFinBlack, kit::FromBytes(44, 40, 42), kFinWhite, 0.74f, 0.96f, 14};
    Rgb c = FinColour(look, a, b, 111u);
    return Mix(c, kFinWhite, 0.9f * (1.0f - SmoothStep(0.05f, 0.11f, a)));
}

// The tail: spotted cream at the root, the lobes black, their outer margins
// and tips white; the fork's margin pale.
inline Rgb TailColour(float a, float b)
{
    const float f = std::fabs(1.0f - 2.0f * a);  // 1 at a lobe's outer margin, 0 at the fork
    Rgb c = Mix(kCream, kFinBlack, SmoothStep(0.16f, 0.30f, b));
    c = c * (0.88f + 0.12f * std::fabs(std::sin(a * 40.0f)));  // rays
    c = Mix(c, kFinWhite, SmoothStep(0.82f, 0.92f, f) * SmoothStep(0.10f, 0.25f, b));
    c = Mix(c, kFinWhite, SmoothStep(0.86f, 0.94f, b) * SmoothStep(0.55f, 0.8f, f));
    c = Mix(c, kit::FromBytes(180, 176, 170), SmoothStep(0.90f, 0.98f, b) * (1.0f - SmoothStep(0.2f, 0.5f, f)));
    return c * (0.82f + 0.18f * (1.0f - b));
}

// The adipose fin: the body's sand with a few spots, dusky along its edge.
inline Rgb AdiposeColour(float a, float b)
{
    Rgb c = Mix(kSand * 0.92f, kit::FromBytes(150, 126, 92), SmoothStep(0.2f, 0.9f, b));
    c = Mix(c, kSpot, 0.9f * SpotCover(a * 0.39f, b * 0.045f, 0.05f, 0.011f, 13u));
    return Mix(c, kit::FromBytes(60, 48, 38), SmoothStep(0.78f, 0.96f, b));
}

inline Rgb BarbelColour(float a, float b)
{
    return Mix(kit::FromBytes(240, 234, 220), kit::FromBytes(190, 176, 150), 0.4f * a + 0.2f * b);
}

// A large eye: a black pupil in a bronze iris, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(214, 168, 84), kit::FromBytes(120, 84, 40), kit::FromBytes(50, 36, 24)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kDarkFins, 0.02f, DarkFinColour),
                             RegionLayer(kTailFin, 0.02f, TailColour), RegionLayer(kAdiposeFin, 0.015f, AdiposeColour),
                             RegionLayer(kBarbels, 0.015f, BarbelColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kCream * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(11, Paint);

}  // namespace fish11
