// Species 16, the figure-eight puffer: its picture, fish16. A dark olive-brown
// back and upper flank drawn over with golden-yellow lines (the figure eight
// on the flank, a ringed eye-spot under the dorsal fin, arcs round the eyes,
// worm lines elsewhere), a white belly, small clear yellowish fins, a big
// eye with a golden ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species16.h"

namespace fish16 {

using namespace fishpaint;

inline const Rgb kOlive = kit::FromBytes(70, 62, 26);
inline const Rgb kBrown = kit::FromBytes(48, 38, 18);
inline const Rgb kGold = kit::FromBytes(236, 196, 52);
inline const Rgb kWhite = kit::FromBytes(254, 252, 244);

// Where a point of the body lies on the unrolled flank: x along the body and
// the distance round the section from the ridge.
struct Flank {
    float x, down;
};
inline float HalfRound(float u)
{
    return 0.5f * (0.5f * (kBody.Back(u) - kBody.Belly(u)) + kBody.Thickness(u));
}
inline Flank FlankAt(float u, float v) { return {kBody.XOf(u), v * kPi * HalfRound(u)}; }
inline Flank FlankAtX(float x, float v) { return FlankAt(kBody.UOf(x), v); }

// How much of a line `width` wide lies `distance` from its middle.
inline float Line(float distance, float width)
{
    return 1.0f - SmoothStep(0.5f * width - 0.0025f, 0.5f * width + 0.0025f, std::fabs(distance));
}
inline float Ring(Flank p, Flank centre, float radius, float width)
{
    return Line(std::hypot(p.x - centre.x, p.down - centre.down) - radius, width);
}

// The eye-spot under the dorsal fin: a dark core in a golden ring.
inline const Flank kEyeSpot = FlankAtX(0.150f, 0.20f);
constexpr float kEyeSpotRadius = 0.030f;

// The golden lines at a point of the dark skin (0 none, 1 full).
inline float GoldLines(float u, float v)
{
    const Flank p = FlankAt(u, v);
    const Flank eye = FlankAtX(kEye.x, kBody.ThetaAt(kBody.UOf(kEye.x), kEye.z) / kPi);
    float gold = 0;
    // The figure eight: two loops touching behind the pectoral fin.
    gold = std::max(gold, Ring(p, FlankAtX(-0.085f, 0.30f), 0.060f, 0.014f));
    gold = std::max(gold, Ring(p, FlankAtX(0.040f, 0.31f), 0.062f, 0.014f));
    gold = std::max(gold, Ring(p, kEyeSpot, kEyeSpotRadius, 0.011f));
    // An arc over and behind the eye, and a band across the head behind the eyes.
    const float arc = std::hypot(p.x - eye.x, p.down - eye.down);
    gold = std::max(gold, Line(arc - 1.7f * kEye.radius, 0.011f) * SmoothStep(0.0f, 0.02f, eye.down + 0.02f - p.down));
    gold = std::max(gold, Line(p.x - (-0.225f + 1.6f * p.down * p.down), 0.012f) *
                              (1.0f - SmoothStep(eye.down - 0.01f, eye.down + 0.02f, p.down)));
    // Worm lines over the rest of the back and the tail stalk.
    const float worm = kit::Fbm(u, v, 7, 3, 1601u);
    const float where = SmoothStep(0.05f, 0.25f, kit::Fbm(u, v, 5, 2, 1602u) + 0.15f);
    gold = std::max(gold, where * (1.0f - SmoothStep(0.012f, 0.030f, std::fabs(worm))));
    return gold;
}

// The body: the dark back mottled brown, its lines, the white belly below a
// gently waving edge fringed with gold, shaded from above.
inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    Rgb dark = Mix(kOlive, kBrown, SmoothStep(-0.2f, 0.4f, kit::Fbm(u * 1.3f, v, 6, 3, 1603u)));
    const Flank p = FlankAt(u, v);
    const float spot = std::hypot(p.x - kEyeSpot.x, p.down - kEyeSpot.down);
    dark = Mix(dark, kit::FromBytes(26, 22, 12), 1.0f - SmoothStep(0.6f, 0.9f, spot / kEyeSpotRadius));
    Rgb c = Mix(dark, kGold, GoldLines(u, v));
    const float edge = 0.585f + 0.014f * std::sin(p.x * 31.0f) + 0.02f * kit::Fbm(u, 0.5f, 6, 2, 1604u);
    const float white = SmoothStep(edge - 0.012f, edge + 0.012f, v);
    const float fringe = Line(v - edge + 0.02f, 0.03f) * (1.0f - white);
    c = Mix(c, Mix(kGold, kOlive, 0.35f), 0.7f * fringe);
    c = Mix(c, kWhite * (1.0f + 0.03f * kit::Fbm(u, v, 8, 2, 1605u)), white);
    // A dark line where the lips meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.02f, 0.07f, u);
    c = Mix(c, kit::FromBytes(60, 50, 30), lips * Line(v - kLipsTheta / kPi, 0.03f));
    // The belly's white takes the light of the water round it: only half shaded.
    return Mix(Shade(c, kBody.Normal(u, theta), 0.22f), c, 0.75f * white);
}

// Clear yellowish fins, darker toward the root.
inline const FinLook kSmallFin{kit::FromBytes(120, 108, 46), kit::FromBytes(214, 198, 120),
                               kit::FromBytes(226, 216, 170), 0.92f, 2.0f, 9};
inline Rgb DorsalColour(float a, float b) { return FinColour(kSmallFin, a, b, 1606u); }
inline Rgb AnalColour(float a, float b) { return FinColour(kSmallFin, a, b, 1607u); }
inline const FinLook kTailLook{kit::FromBytes(104, 92, 40), kit::FromBytes(214, 196, 112),
                               kit::FromBytes(232, 222, 176), 0.92f, 2.0f, 14};
inline Rgb TailColour(float a, float b) { return FinColour(kTailLook, a, b, 1608u); }

// The pectoral fins: clear, the dark flank showing through a yellow tint, a
// ray on each column of the fan.
inline const RayFinLook kPectoralLook{LitFlank(kBody, kPectoralX, 0.05f, kOlive), kit::FromBytes(220, 196, 96),
                                      SizeOf<decltype(g_Fish16Pectoral)>().columns, 0.5f};
inline Rgb PectoralColour(float a, float b) { return RayFinColour(kPectoralLook, a, b, 1609u); }

// A big eye: a dark pupil in a wide golden ring.
inline const EyeLook kEyeLook{kit::FromBytes(240, 206, 72), kit::FromBytes(150, 140, 50), kit::FromBytes(40, 34, 16),
                              0.84f, 0.86f};

inline kit::Image Paint()
{
    return fishpaint::Paint(
        kPicture,
        {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kPectoralRegion, 0.015f, PectoralColour),
         RegionLayer(kDorsalRegion, 0.015f, DorsalColour), RegionLayer(kAnalRegion, 0.015f, AnalColour),
         RegionLayer(kTailRegion, 0.015f, TailColour),
         EyeLayer(kEyeDisc, 1.25f, kEyeLook, kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
        kOlive);
}

inline const bool kPictureRegistered = RegisterPicture(16, Paint);

}  // namespace fish16
