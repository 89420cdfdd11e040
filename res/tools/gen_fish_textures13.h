// Species 13, the clown loach (Chromobotia macracanthus): its picture, fish13.
// Bright orange, paler on the belly, with three broad black bands (over the
// nape through the eye, ahead of the dorsal fin, from the dorsal's rear to
// the anal fin); red fins, the dorsal black at its base, the anal where the
// last band reaches it; a forked red tail; a dark eye in the first band.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species13.h"

namespace fish13 {

using namespace fishpaint;

inline const Rgb kOrange = kit::FromBytes(255, 124, 12);
inline const Rgb kBackOrange = kit::FromBytes(236, 100, 8);
inline const Rgb kBellyOrange = kit::FromBytes(255, 168, 64);
inline const Rgb kBlack = kit::FromBytes(22, 16, 14);
inline const Rgb kRed = kit::FromBytes(222, 34, 18);
inline const Rgb kDeepRed = kit::FromBytes(178, 20, 14);

// How much of a black band lies at (x, z) of the side view at u: each band
// a wedge from the back to the belly, its edges a little ragged.
inline float BandAt(float u, float x, float z)
{
    const float back = kBody.Back(u), belly = kBody.Belly(u);
    const float up = std::clamp((z - belly) / std::max(back - belly, 1e-4f), 0.0f, 1.0f);
    float black = 0;
    for (int k = 0; k < 3; ++k) {
        const Band& b = kBands[k];
        const float centre = Mix(b.bottomX, b.topX, up), half = Mix(b.bottomHalf, b.topHalf, up);
        const float ragged = 0.004f * kit::Fbm(z * 6.0f, static_cast<float>(k), 4, 3, 131u + k);
        const float d = std::fabs(x - centre) - half - ragged;
        black = std::max(black, 1.0f - SmoothStep(-0.003f, 0.003f, d));
    }
    return black;
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kBackOrange, kOrange, SmoothStep(0.0f, 0.35f, v));
    c = Mix(c, kBellyOrange, SmoothStep(0.55f, 0.95f, v));
    c = c * Scales(p.x, p.z, 0.010f, 0.008f, 0.04f);
    c = c * (1.0f + 0.05f * kit::Fbm(u * 3, v, 6, 3, 13u));
    c = Mix(c, kBlack * (1.0f + 0.2f * kit::Fbm(u * 4, v * 2, 6, 3, 31u)), BandAt(u, p.x, p.z));
    // The mouth: a dark line where the jaws meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.02f, 0.07f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(120, 40, 10), lips * (1.0f - SmoothStep(0.01f, 0.03f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta), 0.22f);
}

// The dorsal fin: black over most of its base, red toward the edge and along
// its leading ray.
inline Rgb DorsalColour(float a, float b)
{
    static const FinLook red{kRed, kit::FromBytes(238, 60, 28), kDeepRed, 0.90f, 0.96f, 10};
    const Rgb fin = FinColour(red, a, b, 61u);
    const float black = (1.0f - SmoothStep(0.45f, 0.65f, b)) * SmoothStep(0.10f, 0.22f, a);
    return Mix(fin, kBlack, black);
}

// The anal fin: red, black at the base where the last band reaches it.
inline Rgb AnalColour(float a, float b)
{
    static const FinLook red{kRed, kit::FromBytes(240, 70, 30), kDeepRed, 0.92f, 0.97f, 10};
    return Mix(FinColour(red, a, b, 67u), kBlack, (1.0f - SmoothStep(0.25f, 0.45f, b)) * (1.0f - SmoothStep(0.55f, 0.75f, a)));
}

// The tail: red rays from an orange root, deeper red toward the lobes' tips.
inline Rgb TailColour(float a, float b)
{
    static const FinLook tail{kit::FromBytes(240, 84, 20), kRed, kDeepRed, 0.93f, 0.98f, 24};
    return FinColour(tail, a, b, 71u);
}

// The pectoral fins: thin red membranes with the orange flank showing through.
inline const RayFinLook kPectoralLook{LitFlank(kBody, kFinX, -0.08f, kOrange), kRed,
                                      SizeOf<decltype(g_Fish13Pectoral)>().columns, 0.30f};
inline Rgb PectoralColour(float a, float b) { return RayFinColour(kPectoralLook, a, b, 73u); }

// The pelvic fins: bright red.
inline Rgb PelvicColour(float a, float b)
{
    static const FinLook pelvic{kit::FromBytes(232, 48, 18), kit::FromBytes(244, 64, 26), kDeepRed, 0.92f, 0.97f, 8};
    return FinColour(pelvic, a, b, 79u);
}

// The tail stalk's ridge: the back's own orange.
inline Rgb KeelColour(float, float b) { return BodyColour(kSegments.U(15), 0.05f * (1.0f - b)); }

// A dark eye with a thin copper ring, in the black of the first band.
inline const EyeLook kEyeLook{kit::FromBytes(214, 110, 40), kit::FromBytes(70, 34, 16), kit::FromBytes(18, 12, 10)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kDorsalFin, 0.015f, DorsalColour),
                             RegionLayer(kAnalFin, 0.015f, AnalColour), RegionLayer(kTailFin, 0.015f, TailColour),
                             RegionLayer(kPectoralFin, 0.015f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.015f, PelvicColour), RegionLayer(kKeelSkin, 0.01f, KeelColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook, kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kRed);
}

inline const bool kPictureRegistered = RegisterPicture(13, Paint);

}  // namespace fish13
