// Species 24, the butterfly peacock bass (Cichla ocellaris): its picture,
// fish24. Olive-green back, golden-yellow flanks and a pale belly; three
// broad black bars down the flank under the dorsal fins; a black eye-spot
// ringed in gold at the root of the tail; orange-red pelvic and anal fins
// and lower tail lobe; olive dorsal fins with pale spots; a red eye.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species24.h"

namespace fish24 {

using namespace fishpaint;

inline const Rgb kOlive = kit::FromBytes(92, 112, 40);
inline const Rgb kGold = kit::FromBytes(226, 188, 52);
inline const Rgb kPaleBelly = kit::FromBytes(240, 228, 170);
inline const Rgb kBarBlack = kit::FromBytes(22, 24, 18);
inline const Rgb kFinRed = kit::FromBytes(232, 84, 34);
inline const Rgb kFinOlive = kit::FromBytes(150, 150, 70);

// How much of a black bar lies at (x, z): three bars from the back down to
// below the middle of the flank, their edges ragged, fading toward the belly.
inline float BarAt(float x, float z)
{
    const float centres[3] = {-0.065f, 0.080f, 0.222f};
    const float halves[3] = {0.030f, 0.027f, 0.023f};
    float bar = 0;
    for (int i = 0; i < 3; ++i) {
        const float ragged = 0.006f * kit::Fbm(x * 4.0f, z * 6.0f, 4, 3, 24u + i);
        const float d = std::fabs(x - centres[i] - 0.12f * z) - halves[i] - ragged;
        bar = std::max(bar, 1.0f - SmoothStep(-0.004f, 0.004f, d));
    }
    return bar * SmoothStep(-0.095f, -0.055f, z);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kOlive, kGold, SmoothStep(0.06f, 0.30f, v));
    c = Mix(c, kPaleBelly, SmoothStep(0.62f, 0.9f, v));
    c = c * Scales(p.x, p.z, 0.0125f, 0.010f, 0.09f);
    c = c * (1.0f + 0.06f * kit::Fbm(u * 2.0f, v, 6, 3, 241u));
    c = Mix(c, kBarBlack, 0.92f * BarAt(p.x, p.z));
    // The gill cover: a dark curved fold behind the eye.
    const float gill = std::fabs(p.x - (-0.285f + 1.3f * p.z * p.z));
    c = c * (1.0f - 0.30f * (1.0f - SmoothStep(0.0f, 0.005f, gill)));
    // The lips: a dark line where the jaws meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.08f, 0.14f, u);
    const float mouthV = 0.5f + (kLipAtTip / kPi - 0.5f) * (1.0f - SmoothStep(0.0f, 0.14f, u));
    c = Mix(c, kit::FromBytes(70, 40, 20), lips * (1.0f - SmoothStep(0.008f, 0.03f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta));
}

// The midline fins in the side view: the tail behind the stalk, the anal fin
// below, the dorsals above.
inline Rgb MidlineFinColour(float x, float z)
{
    const float rays = 0.88f + 0.12f * SmoothStep(0.0f, 0.5f, std::fabs(std::sin(x * 160.0f + z * 30.0f)));
    if (x > 0.33f) {
        const float lower = SmoothStep(-0.01f, -0.07f, z);
        Rgb c = Mix(Mix(kGold, kOlive, 0.35f), kFinRed, 0.85f * lower) * rays;
        const float d = std::hypot(x - kOcellusX, z - kOcellusZ) / kOcellusRadius;
        c = Mix(c, kit::FromBytes(250, 210, 70), 1.0f - SmoothStep(1.25f, 1.4f, d));
        c = Mix(c, kBarBlack, 1.0f - SmoothStep(0.9f, 1.0f, d));
        return c * (0.95f - 0.25f * SmoothStep(0.5f, 0.66f, x));
    }
    if (z < kBody.MidLine(kBody.UOf(x)))
        return Mix(kFinRed, kit::FromBytes(250, 140, 60), SmoothStep(-0.12f, -0.2f, z)) * rays;
    // Pale spots on the dorsal membranes.
    const float spot = kit::Voronoi(x + 0.2f, z + 0.4f, 36, 24u).f1 * 36.0f;  // in cells
    Rgb c = Mix(kFinOlive, kit::FromBytes(235, 225, 160), 0.7f * (1.0f - SmoothStep(0.16f, 0.24f, spot)));
    return c * rays;
}

// The pectorals: clear amber over the golden flank, a ray on each column
// of the fan (a across the fan, b root to edge).
inline const RayFinLook kPectoral{LitFlank(kBody, kSegmentX[4], -0.04f, kGold), kit::FromBytes(226, 184, 96),
                                  SizeOf<decltype(g_Fish24Pectoral)>().columns, 0.5f};
inline const FinLook kPelvic{kit::FromBytes(232, 96, 40), kit::FromBytes(250, 150, 70), kit::FromBytes(250, 236, 210),
                             0.9f};
inline Rgb PectoralColour(float a, float b) { return RayFinColour(kPectoral, a, b, 241u); }
inline Rgb PelvicColour(float a, float b) { return FinColour(kPelvic, a, b, 242u); }

// A red eye with a dark rim, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(240, 120, 40), kit::FromBytes(190, 30, 22), kit::FromBytes(60, 20, 12)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.02f, BodyColour), SideLayer(kFinPlane, 0.01f, MidlineFinColour),
                             RegionLayer(kPectoralFin, 0.01f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.01f, PelvicColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kGold * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(24, Paint);

}  // namespace fish24
