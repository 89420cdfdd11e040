// Species 9, the tiger barb (Puntigrus tetrazona): its picture, fish9. A
// golden-orange body, bronze on the back and silvery cream on the belly,
// crossed by four bold black bars: through the eye, behind the gill cover,
// from the dorsal fin's rear down to the anal fin, and on the tail stalk. A
// red snout; the dorsal fin black with a red margin, the pelvic fins red,
// the anal fin black at its base and red at its edge, the tail clear orange
// with red lobe margins, clear pale pectorals.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species09.h"

namespace fish09 {

using namespace fishpaint;

inline const Rgb kGold = kit::FromBytes(236, 170, 62);
inline const Rgb kBronze = kit::FromBytes(150, 104, 46);
inline const Rgb kCream = kit::FromBytes(246, 240, 222);
inline const Rgb kSnoutRed = kit::FromBytes(214, 58, 34);
inline const Rgb kBarBlack = kit::FromBytes(22, 26, 24);
inline const Rgb kFinRed = kit::FromBytes(222, 40, 28);

// How much of a bar lies at x, for a bar of half width w round centre cx.
inline float Bar(float x, float cx, float w) { return 1.0f - SmoothStep(w - 0.004f, w + 0.002f, std::fabs(x - cx)); }

// The four bars at (x, z), 0 off them, 1 on them.
inline float Bars(float x, float z)
{
    const float u = kBody.UOf(x);
    const float v = (z - kBody.Belly(u)) / std::max(kBody.Back(u) - kBody.Belly(u), 1e-3f);  // 0 belly .. 1 back
    const float eye = Bar(x, kEye.x + 0.06f * (z - kEye.z), 0.020f) * SmoothStep(0.02f, 0.14f, v);
    const float gill = Bar(x, -0.235f + 0.10f * z, 0.032f) * SmoothStep(0.06f, 0.16f, v);
    const float middle = Bar(x, 0.113f - 0.16f * (z + 0.03f), 0.044f) * SmoothStep(0.04f, 0.12f, v);
    const float stalk = Bar(x, 0.318f, 0.021f);
    return std::max({eye, gill, middle, stalk});
}

// The body's colour before the light, in the side view.
inline Rgb SkinColour(float x, float z)
{
    const float u = std::clamp(kBody.UOf(x), 0.0f, 1.0f);
    const float v = std::clamp((z - kBody.Belly(u)) / std::max(kBody.Back(u) - kBody.Belly(u), 1e-3f), 0.0f, 1.0f);
    Rgb c = Mix(kCream, kGold, SmoothStep(0.08f, 0.45f, v));
    c = Mix(c, kBronze, 0.75f * SmoothStep(0.72f, 0.98f, v));
    // The snout and lips red, a warm blush on the cheek behind them.
    c = Mix(c, kSnoutRed, 1.0f - SmoothStep(-0.462f, -0.432f, x));
    c = Mix(c, kit::FromBytes(232, 120, 56), 0.35f * (1.0f - SmoothStep(-0.40f, -0.30f, x)) * SmoothStep(0.2f, 0.5f, v));
    c = c * Scales(x, z, 0.018f, 0.014f, 0.05f);
    c = c * (1.0f + 0.05f * kit::Fbm(x * 6.0f, z * 6.0f, 6, 3, 9u));
    const Rgb bar = Mix(kBarBlack, kit::FromBytes(30, 44, 38), 0.5f * SmoothStep(0.4f, 0.9f, v));
    return Mix(c, bar, Bars(x, z));
}

inline Rgb FlankColour(float x, float z)
{
    const float u = std::clamp(kBody.UOf(x), 0.004f, 1.0f);
    return Matte(SkinColour(x, z), kBody.Normal(u, kBody.ThetaAt(u, z)), 3.0f) * 1.08f;
}

// The body and the head pieces: the side view over the whole lower band of
// the picture (the head pieces lie at s below the body's first column).
inline Layer BodyLayer()
{
    return {[](float s, float t) { return InPlace(s, t, 0.0f, 1.0f).t < kPectoralBox.t0 - 0.006f; },
            [](float s, float t) {
                const ST p = InPlace(s, t, 0.0f, 1.0f);
                return FlankColour(kSide.X(p.s), kSide.Z(p.t));
            }};
}

// The dorsal fin (a front to rear, b root to edge): black, a red margin.
inline Rgb DorsalColour(float a, float b)
{
    static const FinLook look{kBarBlack, kit::FromBytes(40, 34, 32), kFinRed, 0.80f, 2.0f, 12};
    return FinColour(look, a, b, 21u) * 1.15f;
}

// The keel: the bronze of the back under it.
inline Rgb KeelColour(float a, float b) { return kBronze * (1.0f + 0.1f * a - 0.1f * b); }

// Pectorals: clear, pale, the gold of the flank showing through.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, -0.26f, -0.12f, kGold), kit::FromBytes(236, 200, 150), 9, 0.6f};
    return RayFinColour(look, a, b, 23u);
}

// Pelvics: bright red, a paler tip.
inline Rgb PelvicColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(176, 34, 24), kit::FromBytes(232, 50, 32),
                              kit::FromBytes(244, 128, 96), 0.92f, 2.0f, 9};
    return FinColour(look, a, b, 25u);
}

// The anal fin, over its own a and b (see AnalEdgeT): black over most of
// its base, orange between, a red margin.
inline Rgb AnalColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(222, 120, 50), kit::FromBytes(226, 70, 36), kFinRed, 0.66f, 2.0f, 10};
    const Rgb c = FinColour(look, a, b, 27u);
    const float black = (1.0f - SmoothStep(0.30f, 0.50f, b + 0.15f * a)) * (1.0f - SmoothStep(0.75f, 0.95f, a));
    return Mix(c, kBarBlack, black);
}
inline Layer AnalLayer()
{
    return {[r = kAnalFin](float s, float t) {
                const ST p = InPlace(r, s, t);
                return r.Holds(p.s, p.t, 0.006f);
            },
            [r = kAnalFin](float s, float t) {
                const ST p = InPlace(r, s, t);
                const float a = kit::Clamp01(r.A(p.s));
                const float b = (kAnalBox.t1 - p.t) / (kAnalBox.t1 - AnalEdgeT(a));
                return AnalColour(a, kit::Clamp01(b));
            }};
}

// The tail (a from the upper lobe's leading ray round to the lower's, b root
// to edge): clear orange, the lobes' outer rays red.
inline Rgb TailColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(228, 150, 70), kit::FromBytes(236, 196, 140),
                              kit::FromBytes(238, 150, 96), 0.94f, 2.0f, 14};
    const Rgb c = FinColour(look, a, b, 29u);
    const float lobe = std::max(1.0f - SmoothStep(0.10f, 0.22f, a), SmoothStep(0.78f, 0.90f, a));
    return Mix(c, kFinRed, 0.85f * lobe * SmoothStep(0.15f, 0.45f, b));
}

// The eye on the black of the eye bar: a golden ring and a red-orange iris
// round the pupil, a bright rim so that it stands out of the bar.
inline Rgb EyeBodyColour(float u, float v)
{
    const V3 p = kBody.Surface(u, v * kPi);
    return FlankColour(p.x, p.z);
}
inline const EyeLook kEyeLook{kit::FromBytes(246, 200, 90), kit::FromBytes(214, 84, 36), kit::FromBytes(236, 180, 80),
                              0.94f, 0.80f};

inline kit::Image Paint()
{
    const SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    return fishpaint::Paint(kPicture,
                            {EyeLayer(kEyeDisc, 1.15f, kEyeLook, spot, EyeBodyColour), BodyLayer(),
                             RegionLayer(kDorsalFin, 0.006f, DorsalColour), RegionLayer(kKeelFin, 0.006f, KeelColour),
                             RegionLayer(kPectoralFin, 0.006f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.006f, PelvicColour), AnalLayer(),
                             RegionLayer(kTailFin, 0.006f, TailColour)},
                            kGold * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(9, Paint);

}  // namespace fish09
