// Species 2, the fancy guppy (Poecilia reticulata), a male: its picture,
// fish2. An olive-silver front and a pale belly, the rear of the body washed
// with a blue-green sheen, orange and black spots on the flank; a red tail
// and dorsal fin with a mosaic of dark blue spots toward the root and a pale
// rim; clear pectoral fins tinted by the flank, orange pelvic fins with a white leading edge,
// and a big dark eye in a silver ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species02.h"

namespace fish02 {

using namespace fishpaint;

inline const Rgb kOlive = kit::FromBytes(132, 134, 96);
inline const Rgb kOliveBack = kit::FromBytes(84, 88, 58);
inline const Rgb kSilver = kit::FromBytes(196, 200, 190);
inline const Rgb kBelly = kit::FromBytes(236, 232, 214);
inline const Rgb kSheen = kit::FromBytes(52, 168, 196);
inline const Rgb kOrangeSpot = kit::FromBytes(240, 124, 36);
inline const Rgb kBlackSpot = kit::FromBytes(16, 16, 22);
inline const Rgb kTailRed = kit::FromBytes(202, 22, 40);
inline const Rgb kTailFlame = kit::FromBytes(240, 58, 50);
inline const Rgb kMosaic = kit::FromBytes(36, 34, 92);
inline const Rgb kPaleRim = kit::FromBytes(250, 206, 180);

// How much of the rear colour (sheen and spots) shows at u.
inline float RearBody(float u) { return SmoothStep(0.36f, 0.62f, u); }

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kOlive, kSilver, SmoothStep(0.25f, 0.55f, v));
    c = Mix(c, kOliveBack, 0.7f * (1.0f - SmoothStep(0.05f, 0.35f, v)));
    c = Mix(c, kBelly, SmoothStep(0.62f, 0.92f, v) * (1.0f - 0.6f * RearBody(u)));
    // The rear: a blue-green sheen over the flank, red on the stalk before the tail.
    const float sheen = RearBody(u) * (0.55f + 0.35f * kit::Fbm(u * 0.7f, v * 0.7f, 5, 3, 71u));
    c = Mix(c, kSheen, kit::Clamp01(sheen) * (1.0f - SmoothStep(0.75f, 0.95f, v)));
    c = Mix(c, kTailRed, 0.85f * SmoothStep(0.86f, 0.98f, u));
    // Orange blotches and one round black spot mid-flank.
    const kit::Cellular cell = kit::Voronoi(u, v * 0.5f, 9, 17u);
    const float orange = (1.0f - SmoothStep(0.018f, 0.030f, cell.f1)) * ((cell.id & 3u) == 0u ? 1.0f : 0.0f);
    c = Mix(c, kOrangeSpot, 0.9f * orange * RearBody(u) * (1.0f - SmoothStep(0.7f, 0.85f, v)));
    const float spot = std::hypot((p.x - (-0.10f)) / 0.022f, (p.z - 0.010f) / 0.020f);
    c = Mix(c, kBlackSpot, 0.9f * (1.0f - SmoothStep(0.8f, 1.0f, spot)));
    c = c * Scales(p.x, p.z, 0.0095f, 0.0085f, 0.07f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 5u));
    // The gill cover, and the mouth's dark line toward the tip.
    const float gillX = kBody.XOf(kSegments.U(kEyeSegment + 3.2f)) + 0.5f * (p.z - 0.01f) * (p.z - 0.01f);
    c = c * (1.0f - 0.22f * (1.0f - SmoothStep(0.0f, 0.004f, std::fabs(p.x - gillX))) *
                        (1.0f - SmoothStep(0.05f, 0.08f, std::fabs(p.z - 0.005f))));
    const float mouthV = kMouthAtBody / kPi;
    c = Mix(c, kit::FromBytes(60, 40, 34), (1.0f - SmoothStep(0.02f, 0.06f, u)) *
                                                (1.0f - SmoothStep(0.01f, 0.04f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta), 0.35f);
}

// The dorsal fin and the tail at side-view point (x, z): red deepening
// toward the root, a mosaic of dark blue spots over the inner two thirds, a
// pale rim, and faint rays.
inline Rgb MidlineFinColour(float x, float z)
{
    const bool tail = x > 0.03f && z < 0.12f + 0.4f * (x - 0.03f);
    const V3 root = tail ? V3{0.04f, 0.0f, 0.011f} : V3{x, 0.0f, kBody.Back(kit::Clamp01(kBody.UOf(std::min(x, 0.1f))))};
    float b = 0, ray = 0;  // b: 0 at the root, 1 at the edge
    if (tail) {
        const float angle = std::atan2(z - root.z, x - root.x);
        const float reach = Length(TailEdge(kit::Clamp01(0.5f - angle / 1.95f)) - root);
        b = kit::Clamp01(std::hypot(x - root.x, z - root.z) / reach);
        const float a = angle * 28.0f / kPi;
        ray = std::fabs(a - std::floor(a) - 0.5f) * 2.0f;
    } else {
        b = kit::Clamp01((z - root.z) / 0.18f);
        const float a = (x + 0.6f * z) * 60.0f;
        ray = std::fabs(a - std::floor(a) - 0.5f) * 2.0f;
    }
    Rgb c = Mix(kTailRed * 0.8f, kTailFlame, SmoothStep(0.15f, 0.85f, b));
    c = c * (0.86f + 0.14f * SmoothStep(0.0f, 0.5f, ray));
    const kit::Cellular cell = kit::Voronoi(x + 0.5f, z + 0.5f, 34, 29u);
    const float mosaic = SmoothStep(0.35f, 0.55f, (cell.f2 - cell.f1) * 34.0f) * (1.0f - SmoothStep(0.45f, 0.7f, b));
    c = Mix(c, kMosaic, 0.85f * mosaic);
    c = Mix(c, kPaleRim, 0.7f * SmoothStep(0.86f, 0.97f, b));
    return c * (1.0f + 0.05f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 91u));
}

// Clear, the olive-silver flank showing through; a ray on each column of
// the fan (a across the fan, b root to edge).
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook look{
        LitFlank(kBody, kBody.XOf(kSegments.U(kPectoralSegment)), -0.02f, Mix(kOlive, kSilver, 0.5f)),
        kit::FromBytes(190, 194, 180), SizeOf<decltype(g_Fish02Pectoral)>().columns, 0.6f};
    return RayFinColour(look, a, b, 43u);
}

// Orange with a white leading edge (column 0 leads).
inline Rgb PelvicColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(226, 108, 40), kit::FromBytes(244, 150, 60),
                              kit::FromBytes(250, 220, 190), 0.88f, 2.0f, 7};
    return Mix(FinColour(look, a, b, 47u), kit::FromBytes(246, 246, 240), 1.0f - SmoothStep(0.08f, 0.22f, a));
}

// A black pupil, a silver-gold ring and iris, a dark rim, then the head's skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(230, 206, 140), kit::FromBytes(176, 180, 168), kit::FromBytes(48, 46, 36),
                             kIrisRho};
    static const SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    return EyeColour(eye, rho, dx, dy, SkinUnderEye(spot, rho, dx, dy, BodyColour));
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.012f, BodyColour), SideLayer(kFinPlane, 0.005f, MidlineFinColour),
                             RegionLayer(kPectoralFin, 0.01f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.01f, PelvicColour), DiscLayer(kEyeDisc, 1.3f, EyeDiscColour)},
                            kTailRed);
}

inline const bool kPictureRegistered = RegisterPicture(2, Paint);

}  // namespace fish02
