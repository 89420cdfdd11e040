// Species 17, the neon tetra: its picture, fish17. A translucent olive
// back; an iridescent electric-blue line from above the eye back to the
// adipose place, a thin dark edge above it; below it the rear half red to
// the tail root and the front half silver-white; a silvery head and gill
// cover; clear fins, the belly fin with a pale leading edge; a large dark
// eye in a silver ring with blue on its top.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species17.h"

namespace fish17 {

using namespace fishpaint;

inline const Rgb kOlive = kit::FromBytes(128, 120, 78);
inline const Rgb kOliveDark = kit::FromBytes(70, 66, 44);
inline const Rgb kNeonBlue = kit::FromBytes(30, 196, 255);
inline const Rgb kNeonDeep = kit::FromBytes(10, 104, 226);
inline const Rgb kNeonRed = kit::FromBytes(232, 28, 40);
inline const Rgb kRedDeep = kit::FromBytes(170, 14, 28);
inline const Rgb kSilver = kit::FromBytes(226, 230, 236);
inline const Rgb kClear = kit::FromBytes(168, 186, 196);

// The blue line: its middle height and half height along the body; it
// begins over the eye and fades out at the adipose place.
inline float StripeMiddle(float x)
{
    static const Profile middle{{-0.46f, 0.004f}, {-0.40f, 0.010f}, {-0.30f, 0.016f}, {-0.15f, 0.018f},
                                {0.0f, 0.014f},   {0.12f, 0.008f},  {0.25f, 0.003f},  {0.36f, 0.002f}};
    return middle(x);
}
inline float StripeHalf(float x)
{
    static const Profile half{{-0.46f, 0.009f}, {-0.38f, 0.0135f}, {-0.2f, 0.0172f}, {0.0f, 0.0168f},
                              {0.15f, 0.0128f}, {0.26f, 0.0092f}};
    return half(x);
}
constexpr float kStripeEnd = 0.262f;   // the adipose place
constexpr float kRedFrom = -0.075f;    // the red starts under the back fin's front

// The flank at (x, z) in side view, before the light.
inline Rgb FlankColour(float x, float z)
{
    const float u = kit::Clamp01(kBody.UOf(x));
    const float top = kBody.Back(u), bottom = kBody.Belly(u);
    const float depth = std::max(top - bottom, 1e-3f);
    const float up = kit::Clamp01((z - bottom) / depth);  // 0 at the belly, 1 on the back
    const float mid = StripeMiddle(x), half = StripeHalf(x);
    const float along = SmoothStep(-0.47f, -0.44f, x) * (1.0f - SmoothStep(kStripeEnd - 0.03f, kStripeEnd, x));

    // The back: olive, darker toward the ridge, a little mottled.
    Rgb c = Mix(kOlive, kOliveDark, SmoothStep(0.55f, 1.0f, up));
    c = c * (0.94f + 0.10f * kit::Fbm(x * 6, z * 6, 8, 3, 17u));
    // Below the line: silver-white in front, red behind, the red reaching
    // up to the line and down to the belly's edge, paler on the belly.
    const float below = 1.0f - SmoothStep(mid - half - 0.010f, mid - half - 0.002f, z);
    const float red = SmoothStep(kRedFrom - 0.035f, kRedFrom + 0.02f, x) * SmoothStep(0.02f, 0.14f, up);
    Rgb under = Mix(kSilver, Mix(kNeonRed, kRedDeep, 0.3f * SmoothStep(0.3f, 0.9f, up)), red);
    under = under * (0.97f + 0.05f * kit::Fbm(x * 9, z * 9, 8, 2, 29u));
    c = Mix(c, under, below);
    // The gill cover: silvery over the lower head.
    const float gill = (1.0f - SmoothStep(-0.33f, -0.30f, x)) * (1.0f - SmoothStep(0.35f, 0.6f, up));
    c = Mix(c, kSilver * 0.92f, gill * (1.0f - 0.6f * red));
    // The line: a thin dark edge above, then the blue, brightest in its middle.
    const float d = std::fabs(z - mid) / half;
    const float edge = (1.0f - SmoothStep(0.0f, 0.004f, std::fabs(z - (mid + half + 0.002f)))) * along;
    c = Mix(c, kOliveDark * 0.7f, 0.6f * edge);
    const float line = (1.0f - SmoothStep(0.85f, 1.05f, d)) * along;
    const float shimmer = 0.92f + 0.12f * kit::Fbm(x * 20, z * 20, 8, 2, 41u);
    c = Mix(c, Mix(kNeonBlue, kNeonDeep, SmoothStep(0.3f, 1.0f, d)) * shimmer, line);
    return c;
}

// The flank lit at its surface's normal; the blue line keeps its glow.
inline Rgb BodyColour(float x, float z)
{
    const float u = std::clamp(kBody.UOf(x), 0.004f, 1.0f);
    const V3 n = kBody.Normal(u, kBody.ThetaAt(u, z));
    const float glow = (1.0f - SmoothStep(0.8f, 1.1f, std::fabs(z - StripeMiddle(x)) / StripeHalf(x))) *
                       (1.0f - SmoothStep(kStripeEnd - 0.03f, kStripeEnd, x));
    const Rgb flank = FlankColour(x, z);
    return Mix(Shade(flank, n, 0.22f), flank * 1.05f, 0.5f * glow);
}

// The head's own colour at (u, theta / pi), round the eye.
inline Rgb SkinAt(float u, float v)
{
    const V3 p = kBody.Surface(u, v * kPi);
    return BodyColour(p.x, p.z);
}

// Clear fins: the water showing through a faint, pale membrane with fine rays.
inline const FinLook kClearLook{kClear * 0.92f, kClear * 1.06f, kClear * 1.1f, 0.9f, 2.0f, 14};
inline Rgb ClearFin(float a, float b, uint32_t seed) { return FinColour(kClearLook, a, b, seed); }

// The back fin at (x, z) of its side view: clear, a faint olive at its base.
inline Rgb DorsalColour(float x, float z)
{
    const float a = kit::Clamp01((x - kDorsalView.x0) / (kDorsalView.x1 - kDorsalView.x0));
    const float b = kit::Clamp01((z - 0.08f) / 0.1f);
    return Mix(kOlive, ClearFin(a, b, 5u), SmoothStep(0.0f, 0.35f, b));
}

// The belly fin: clear, its front rays pale white.
inline Rgb AnalColour(float x, float z)
{
    const float a = kit::Clamp01((x - kAnalView.x0) / (kAnalView.x1 - kAnalView.x0));
    const float b = kit::Clamp01((-0.06f - z) / 0.1f);
    const Rgb fin = ClearFin(a, b, 9u);
    return Mix(fin, kSilver, 0.75f * (1.0f - SmoothStep(0.08f, 0.22f, a)));
}

// The tail: clear, with a blush of the body's red at its root.
inline Rgb TailColour(float a, float b)
{
    const Rgb fin = ClearFin(a, b, 13u);
    const float middle = 1.0f - SmoothStep(0.15f, 0.45f, std::fabs(a - 0.5f));
    return Mix(fin, kNeonRed * 0.9f, 0.7f * middle * (1.0f - SmoothStep(0.05f, 0.28f, b)));
}

inline Rgb PectoralColour(float a, float b) { return ClearFin(a, b, 21u); }
inline Rgb PelvicColour(float a, float b) { return ClearFin(a, b, 23u); }

// A large dark eye in a silver ring, the blue line's glint on its top.
inline const EyeLook kEyeLook{kit::FromBytes(222, 226, 232), kit::FromBytes(176, 186, 198), kit::FromBytes(96, 104, 116),
                              1.0f, 0.9f};
inline Rgb EyeColourAt(float rho, float dx, float dy)
{
    const fishkit::SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    Rgb c = EyeColour(kEyeLook, std::min(rho, 1.0f), dx, dy, SkinUnderEye(spot, rho, dx, dy, SkinAt));
    const float top = SmoothStep(0.7f, 0.95f, dy) * SmoothStep(0.62f, 0.72f, rho) * (1.0f - SmoothStep(0.86f, 0.94f, rho));
    return Mix(c, kNeonBlue, 0.7f * top);
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {SideLayer(kSide, 0.006f, BodyColour), SideLayer(kDorsalView, 0.006f, DorsalColour),
                             SideLayer(kAnalView, 0.006f, AnalColour), RegionLayer(kTailFin, 0.01f, TailColour),
                             DiscLayer(kEyeDisc, 1.3f, EyeColourAt),
                             RegionLayer(kPectoralFin, 0.01f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.01f, PelvicColour)},
                            kClear);
}

inline const bool kPictureRegistered = RegisterPicture(17, Paint);

}  // namespace fish17
