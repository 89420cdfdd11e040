// Species 0, the telescope-eye goldfish (Carassius auratus): its picture,
// fish0. A red-and-white fish: deep orange-red over the head, the eye stalks
// and the back, broken into patches on the flanks, a pearly white belly with
// a metallic sheen; long white fins, veined, with red at their roots; eyes
// black with a gold ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species00.h"

namespace fish00 {

using namespace fishpaint;

inline const Rgb kRed = kit::FromBytes(222, 44, 16);
inline const Rgb kDeepRed = kit::FromBytes(158, 20, 10);
inline const Rgb kPearl = kit::FromBytes(250, 246, 236);
inline const Rgb kFinWhite = kit::FromBytes(246, 240, 232);

// How red the skin is at body point (u, v): the head and the back, patches
// down the flanks, the belly white.
inline float Redness(float u, float v)
{
    const float patches = kit::Fbm(u * 0.9f + 0.1f, v * 0.7f + 0.2f, 4, 3, 11u);
    const float reach = 0.46f + 0.30f * (1.0f - SmoothStep(0.05f, 0.35f, u)) + 0.22f * patches;
    return 1.0f - SmoothStep(reach - 0.05f, reach + 0.05f, v);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    const float red = Redness(u, v);
    Rgb c = Mix(kPearl, Mix(kRed, kDeepRed, 0.5f * (1.0f - SmoothStep(0.0f, 0.3f, v))), red);
    c = c * Scales(p.x, p.z, 0.016f, 0.014f, 0.10f);
    c = c * (1.0f + 0.04f * kit::Fbm(u, v, 8, 3, 5u));
    // The gill cover: a fold behind the eye stalk.
    const float gill = std::fabs(p.x - (-0.305f + 0.8f * (p.z + 0.05f) * (p.z + 0.05f)));
    const float cover = 1.0f - SmoothStep(0.10f, 0.16f, std::fabs(p.z + 0.05f));
    c = c * (1.0f - 0.22f * (1.0f - SmoothStep(0.0f, 0.005f, gill)) * cover);
    // The lips, pale, and the mouth line between them.
    const float lips = 1.0f - SmoothStep(0.02f, 0.06f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(236, 170, 140), 0.6f * lips);
    c = Mix(c, kit::FromBytes(90, 26, 14), lips * (1.0f - SmoothStep(0.01f, 0.03f, std::fabs(v - mouthV))));
    // Metallic scales catch the light broadly.
    const V3 n = kBody.Normal(u, theta);
    const float sheen = 0.12f * std::pow(std::max(0.0f, fishkit::Dot(n, kHalfway)), 3.0f);
    return Shade(c, n, 0.4f) + Rgb{sheen, sheen, sheen};
}

// A long fin: white, veined, with red spreading from the root; `red` how far.
inline Rgb LongFin(float a, float b, float red, int rays, uint32_t seed)
{
    const FinLook look{kFinWhite, kPearl, kPearl, 2.0f, 2.0f, rays};
    Rgb c = FinColour(look, a, b, seed);
    const float reach = red * (0.75f + 0.5f * kit::Fbm(a, 0.3f, 6, 2, seed + 1));
    c = Mix(c, kRed * (0.92f + 0.08f * b), 0.85f * (1.0f - SmoothStep(reach - 0.12f, reach + 0.12f, b)));
    // The rays branch: darker lines across the white.
    const float vein = std::fabs(a * rays * 2 - std::floor(a * rays * 2) - 0.5f) * 2.0f;
    return c * (0.93f + 0.07f * SmoothStep(0.0f, 0.3f, vein)) * 1.06f;
}

inline Rgb DorsalColour(float a, float b) { return LongFin(a, b, 0.45f, 14, 3u); }
inline Rgb TailColour(float a, float b) { return LongFin(a, b, 0.35f, 22, 7u); }
inline Rgb PairedFinColour(float a, float b) { return LongFin(a, b, 0.25f, 9, 13u); }

// The eye: black pupil, gold ring and iris, dark rim, then the stalk's red skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(238, 192, 70), kit::FromBytes(196, 120, 30), kit::FromBytes(60, 24, 10),
                             kIrisRho};
    const Rgb stalk = Shade(Mix(kRed, kDeepRed, 0.3f), fishkit::Normalize({dx, 0.6f, dy}), 0.3f);
    return EyeColour(eye, std::min(rho, 1.0f), dx, dy, stalk);
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.01f, BodyColour), RegionLayer(kDorsalFin, 0.01f, DorsalColour),
                             RegionLayer(kTailFin, 0.006f, TailColour),
                             RegionLayer(kPelvicFin, 0.008f, PairedFinColour),
                             RegionLayer(kAnalFin, 0.008f, PairedFinColour),
                             RegionLayer(kPectoralFin, 0.008f, PairedFinColour),
                             DiscLayer(kEyeDisc, 1.2f, EyeDiscColour)},
                            kFinWhite);
}

inline const bool kPictureRegistered = RegisterPicture(0, Paint);

}  // namespace fish00
