// Species 22, the dwarf gourami (Trichogaster lalius): its picture, fish22.
// The male's colours: narrow red-orange bars leaning back from the belly,
// alternating with turquoise-blue ones, a turquoise throat and chest; dorsal,
// anal and tail fins blue with red-orange spots and a red rim; clear
// pectoral fins; orange feelers; a red-brown eye.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species22.h"

namespace fish22 {

using namespace fishpaint;

inline const Rgb kRed = kit::FromBytes(228, 66, 34);
inline const Rgb kOrangeRed = kit::FromBytes(240, 104, 44);
inline const Rgb kTurquoise = kit::FromBytes(48, 178, 206);
inline const Rgb kDeepBlue = kit::FromBytes(34, 104, 178);
inline const Rgb kFinBlue = kit::FromBytes(56, 128, 180);

// How red the bars make the flank at (x, z), size-1 body coordinates: bars
// leaning back toward the top, slightly wavy, narrower toward the belly.
inline float RedBar(float x, float z, float width = 0.5f)
{
    const float period = 0.048f;
    const float w = x - 0.30f * z + 0.004f * std::sin(z * 60.0f) + 0.004f * kit::Fbm(x + 0.5f, z + 0.5f, 4, 2, 22u);
    const float f = w / period - std::floor(w / period);  // 0 .. 1 across one red and one blue bar
    const float d = std::fabs(f - 0.5f);                  // 0 at a red bar's middle
    return 1.0f - SmoothStep(0.5f * width - 0.06f, 0.5f * width + 0.06f, d);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    // Turquoise between the bars, deeper blue toward the back.
    Rgb blue = Mix(kTurquoise, kDeepBlue, 0.45f * (1.0f - SmoothStep(0.1f, 0.45f, v)));
    blue = blue * (1.0f + 0.10f * kit::Fbm(u, v, 8, 3, 221u));
    const float redWidth = Mix(0.56f, 0.40f, SmoothStep(0.4f, 0.95f, v));
    float red = RedBar(p.x, p.z, redWidth);
    // The bars start behind the eye; the throat and chest are turquoise.
    red *= SmoothStep(-0.36f, -0.30f, p.x);
    const float throat = (1.0f - SmoothStep(-0.26f, -0.14f, p.x)) * SmoothStep(0.5f, 0.75f, v);
    red *= 1.0f - throat;
    Rgb c = Mix(blue, Mix(kRed, kOrangeRed, SmoothStep(0.3f, 0.8f, v)), red);
    c = Mix(c, kit::FromBytes(70, 200, 220), 0.5f * throat);
    // The face: turquoise cheeks, a darker snout and mouth.
    const float face = 1.0f - SmoothStep(-0.40f, -0.30f, p.x);
    c = Mix(c, Mix(kTurquoise, kit::FromBytes(120, 90, 80), 1.0f - SmoothStep(0.0f, 0.06f, u)), face * 0.8f);
    c = c * Scales(p.x, p.z, 0.012f, 0.010f, 0.05f);
    // Gill cover: a faint fold behind the eye.
    const float gill = std::fabs(p.x - (-0.318f - 0.6f * p.z * p.z));
    c = c * (1.0f - 0.15f * (1.0f - SmoothStep(0.0f, 0.004f, gill)) * SmoothStep(0.2f, 0.35f, v));
    return Matte(c, kBody.Normal(u, theta), 2.5f);
}

// A midline fin at a (along) and b (root to edge): thin blue membrane with
// rows of red-orange spots and a red rim inside a pale edge.
inline Rgb SpottedFin(float a, float b, float spotsAlong, float lean, uint32_t seed)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    Rgb c = Mix(kFinBlue, kit::FromBytes(90, 150, 190), SmoothStep(0.2f, 0.9f, b));
    const float x = a * spotsAlong - lean * b, y = b * 4.0f;
    const float fx = x - std::floor(x) - 0.5f, fy = y - std::floor(y) - 0.5f;
    const float spot = 1.0f - SmoothStep(0.22f, 0.34f, std::hypot(fx, 0.8f * fy));
    c = Mix(c, kOrangeRed, 0.85f * spot * (1.0f - SmoothStep(0.8f, 0.88f, b)));
    const float ray = std::fabs(a * 24.0f - std::floor(a * 24.0f) - 0.5f) * 2.0f;
    c = c * (0.88f + 0.12f * SmoothStep(0.0f, 0.5f, ray));
    c = Mix(c, kRed, SmoothStep(0.80f, 0.86f, b) * (1.0f - SmoothStep(0.95f, 0.99f, b)));
    c = Mix(c, kit::FromBytes(240, 170, 140), SmoothStep(0.96f, 1.0f, b) * 0.6f);
    return c * (1.0f + 0.05f * kit::Fbm(a, b, 8, 2, seed));
}
inline Rgb SpinyDorsalColour(float a, float b) { return SpottedFin(a, b, 2.5f, 0.3f, 31u); }
inline Rgb SoftDorsalColour(float a, float b) { return SpottedFin(a, b, 6.0f, 0.8f, 32u); }
inline Rgb AnalColour(float a, float b) { return SpottedFin(a, b, 11.0f, 1.0f, 33u); }

// The tail: red-orange rays fanning from the root with blue between, spots
// in rows, a red rim.
inline Rgb TailColour(float a, float b)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    const float ray = std::fabs(a * 14.0f - std::floor(a * 14.0f) - 0.5f) * 2.0f;  // 0 on a ray
    Rgb c = Mix(kOrangeRed, kFinBlue, SmoothStep(0.25f, 0.75f, ray));
    const float y = b * 6.0f, fy = y - std::floor(y) - 0.5f;
    c = Mix(c, kFinBlue * 1.1f, 0.5f * (1.0f - SmoothStep(0.15f, 0.3f, std::fabs(fy))) * (1.0f - ray));
    c = Mix(c, kOrangeRed, 0.5f * (1.0f - SmoothStep(0.0f, 0.25f, b)));  // red at the root
    c = Mix(c, kRed, SmoothStep(0.84f, 0.9f, b) * (1.0f - SmoothStep(0.96f, 1.0f, b)));
    return c * (1.0f + 0.05f * kit::Fbm(a, b, 8, 2, 34u)) * (0.85f + 0.15f * (1.0f - b));
}

// The clear pectoral fin: a thin membrane that lets the turquoise flank
// under it show through, one ray a column of its fan.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook fin{LitFlank(kBody, -0.22f, -0.03f, kTurquoise), kit::FromBytes(200, 216, 226), 14, 0.7f};
    return RayFinColour(fin, a, b, 35u);
}

// The feeler: orange, paler toward its tip.
inline Rgb FeelerColour(float a, float b)
{
    const Rgb c = Mix(kOrangeRed, kit::FromBytes(255, 180, 110), SmoothStep(0.5f, 1.0f, a));
    return c * (0.85f + 0.2f * (1.0f - std::fabs(2.0f * b - 1.0f)));
}

// A dark pupil in a red-brown iris with a golden ring, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(232, 150, 60), kit::FromBytes(160, 52, 30), kit::FromBytes(50, 36, 40)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kSpinyDorsalFin, 0.008f, SpinyDorsalColour),
                             RegionLayer(kSoftDorsalFin, 0.008f, SoftDorsalColour),
                             RegionLayer(kAnalFin, 0.015f, AnalColour), RegionLayer(kTailFin, 0.012f, TailColour),
                             RegionLayer(kPectoralFin, 0.012f, PectoralColour),
                             RegionLayer(kFeelerSkin, 0.012f, FeelerColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEyeX, kEyeZ, kEyeRadius), BodyColour)},
                            kFinBlue);
}

inline const bool kPictureRegistered = RegisterPicture(22, Paint);

}  // namespace fish22
