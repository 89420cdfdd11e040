// Species 21, the clown knifefish (Chitala ornata): its picture, fish21.
// Silver grey, darker along the back and whitish on the belly, with a row of
// black eye-spots ringed in white along the rear flank above the anal fin;
// the long anal fin, the tail and the small fins a translucent grey with
// fine rays; a small dark eye in a silvery ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species21.h"

namespace fish21 {

using namespace fishpaint;

inline const Rgb kBack = kit::FromBytes(86, 90, 88);
inline const Rgb kSilver = kit::FromBytes(184, 186, 190);
inline const Rgb kBelly = kit::FromBytes(222, 222, 216);
inline const Rgb kFinGrey = kit::FromBytes(128, 126, 120);
inline const Rgb kSpotBlack = kit::FromBytes(14, 14, 16);
inline const Rgb kRingWhite = kit::FromBytes(236, 234, 226);
inline const Rgb kAnalGrey = kit::FromBytes(104, 100, 94);

// How much of an eye-spot's black and of its white ring lies at (x, z).
struct Spot {
    float black, white;
};
inline Spot Ocelli(float x, float z)
{
    Spot out{0, 0};
    for (const Ocellus& o : kOcelli) {
        const float d = std::hypot(x - o.x, (z - o.z) * 1.1f) / o.radius;
        const float inside = 1.0f - SmoothStep(0.64f, 0.72f, d);
        const float ring = (1.0f - SmoothStep(0.94f, 1.02f, d)) * (1.0f - inside);
        out.black = std::max(out.black, inside);
        out.white = std::max(out.white, ring);
    }
    return out;
}

// A translucent grey fin at x (along) with rays every `spacing`, lighter
// toward its edge (b from 0 at the root to 1).
inline Rgb FinRays(float along, float b, float spacing, uint32_t seed, Rgb grey = kFinGrey)
{
    const float f = along / spacing - std::floor(along / spacing);
    const float ray = 1.0f - SmoothStep(0.10f, 0.28f, std::fabs(f - 0.5f) * 2.0f - 0.62f);
    Rgb c = Mix(grey, grey * 1.22f, SmoothStep(0.1f, 1.0f, b));
    c = c * (1.0f - 0.16f * (1.0f - ray));
    return c * (1.0f + 0.05f * kit::Fbm(along * 8.0f, b, 6, 2, seed));
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    const V3 n = kBody.Normal(u, theta);
    // Dark back, silver flank, pale belly.
    Rgb c = Mix(kBack, kSilver, SmoothStep(0.08f, 0.42f, v));
    c = Mix(c, kBelly, SmoothStep(0.62f, 0.92f, v));
    // A faint lilac sheen along the middle of the flank.
    c = Mix(c, kit::FromBytes(196, 184, 200), 0.25f * SmoothStep(0.3f, 0.5f, v) * (1.0f - SmoothStep(0.55f, 0.75f, v)));
    // Fine dark speckles over the back of the front half.
    const float speckle = kit::Fbm(p.x * 60.0f, p.z * 60.0f, 4, 3, 21u);
    c = c * (1.0f - 0.18f * SmoothStep(0.35f, 0.6f, speckle) * (1.0f - SmoothStep(0.15f, 0.45f, v)));
    c = c * Scales(p.x, p.z, 0.0075f, 0.0065f, 0.05f);
    c = c * (1.0f + 0.04f * kit::Fbm(u * 3.0f, v, 6, 3, 31u));
    // The anal fin's base along the lowest band of the rear half.
    const float band = SmoothStep(kAnalStartX - 0.03f, kAnalStartX + 0.03f, p.x) *
                       (1.0f - SmoothStep(-0.004f, 0.004f, p.z - kBody.Belly(u) - AnalBandDepth(p.x)));
    if (band > 0.0f) {
        const float b = 1.0f - (p.z - kBody.Belly(u)) / AnalBandDepth(p.x);
        c = Mix(c, FinRays(p.x, b, 0.0065f, 41u, kAnalGrey), band);
    }
    // The eye-spots and the mouth.
    const Spot spot = Ocelli(p.x, p.z);
    c = Mix(c, kRingWhite, spot.white);
    c = Mix(c, kSpotBlack, spot.black);
    const float lips = 1.0f - SmoothStep(0.03f, 0.09f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(60, 56, 54), lips * (1.0f - SmoothStep(0.008f, 0.03f, std::fabs(v - mouthV))));
    // The gill cover's edge behind the eye.
    const float gill = std::fabs(p.x - (-0.405f + 0.55f * (p.z + 0.02f) * (p.z + 0.02f)));
    c = c * (1.0f - 0.2f * (1.0f - SmoothStep(0.0f, 0.004f, gill)) * SmoothStep(0.2f, 0.35f, v));
    return Shade(c, n, 0.42f);
}

inline Rgb SheetFin(float a, float b) { return FinRays(a, b, 0.08f, 51u); }
inline Rgb LongFin(float a, float b) { return FinRays(a, b, 0.03f, 61u, kAnalGrey); }
// The pectoral fins' rays run from root to tip (along a), across b.
inline Rgb PectoralFin(float a, float b) { return FinRays(b, a, 0.16f, 71u) * Mix(0.92f, 1.08f, a); }

// The tail in the side view: rays fanning back from its root.
inline Rgb TailColour(float x, float z)
{
    const float angle = std::atan2(z + 0.049f, x - 0.36f);
    return FinRays(angle, kit::Clamp01((x - kSegmentX[13]) / 0.1f), 0.06f, 81u, kAnalGrey);
}

inline const EyeLook kEyeLook{kit::FromBytes(196, 190, 160), kit::FromBytes(120, 110, 84), kit::FromBytes(40, 40, 38)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.004f, BodyColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour),
                             RegionLayer(kDorsalFin, 0.01f, SheetFin), RegionLayer(kDorsalFoldFin, 0.006f, SheetFin),
                             RegionLayer(kBackFoldFin, 0.006f, LongFin), RegionLayer(kPectoralFin, 0.006f, PectoralFin),
                             RegionLayer(kPelvicFin, 0.006f, SheetFin), RegionLayer(kAnalFrontFin, 0.006f, SheetFin),
                             RegionLayer(kAnalFin, 0.006f, LongFin), SideLayer(kTailView, 0.006f, TailColour)},
                            kFinGrey);
}

inline const bool kPictureRegistered = RegisterPicture(21, Paint);

}  // namespace fish21
