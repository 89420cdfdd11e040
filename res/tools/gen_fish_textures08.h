// Species 8, the firemouth cichlid (Thorichthys meeki): its picture, fish8.
// A grey-blue body, olive-grey on the back, spangled blue-green on the scales,
// with faint dark vertical bars, a black spot mid-flank and a black,
// pale-edged spot low on the gill cover; chin, throat, chest and belly
// bright red-orange. The dorsal, anal and tail fins blue-grey with blue-green
// spangles and red-orange margins; the pelvic fins red-orange with a pale blue
// spine; clear pectoral fins; a golden eye.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species08.h"

namespace fish08 {

using namespace fishpaint;

inline const Rgb kBack = kit::FromBytes(92, 104, 106);
inline const Rgb kFlank = kit::FromBytes(128, 140, 162);
inline const Rgb kFire = kit::FromBytes(232, 62, 30);
inline const Rgb kFireOrange = kit::FromBytes(242, 110, 40);
inline const Rgb kBar = kit::FromBytes(58, 64, 78);
inline const Rgb kBlack = kit::FromBytes(18, 18, 24);
inline const Rgb kSpangle = kit::FromBytes(110, 206, 214);
inline const Rgb kFinGrey = kit::FromBytes(104, 122, 146);
inline const Rgb kPaleBlue = kit::FromBytes(176, 214, 236);

// The vertical bars, at these x of the side view: faint, wider on the flank.
constexpr float kBarX[] = {-0.215f, -0.125f, -0.035f, 0.060f, 0.150f, 0.240f};
inline float Bars(float x)
{
    float bar = 0;
    for (float b : kBarX)
        bar = std::max(bar, 1.0f - SmoothStep(0.010f, 0.024f, std::fabs(x - b)));
    return bar;
}

// Blue-green spangles, one on two scales in three, in cells about a scale wide.
inline float Spangles(float x, float z, float size, uint32_t seed)
{
    const kit::Cellular cell = kit::Voronoi(x * 0.5f + 0.5f, z * 0.5f + 0.5f, 70, seed);
    if (kit::Unit(cell.id) > 0.66f)
        return 0.0f;
    return 1.0f - SmoothStep(size * 0.5f, size * 0.5f + 0.0012f, cell.f1 * 2.0f);
}

// A disc at (x0, z0) of radius r: 1 inside, soft at the rim.
inline float Disc(float x, float z, float x0, float z0, float r)
{
    return 1.0f - SmoothStep(r - 0.003f, r + 0.002f, std::hypot(x - x0, z - z0));
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kBack, kFlank, SmoothStep(0.10f, 0.45f, v));
    c = c * Scales(p.x, p.z, 0.014f, 0.012f, 0.10f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 8u));
    // Spangles over the flank, fewer on the back.
    c = Mix(c, kSpangle, 0.55f * Spangles(p.x, p.z, 0.007f, 81u) * SmoothStep(0.12f, 0.30f, v) *
                             SmoothStep(0.18f, 0.30f, u));
    c = Mix(c, kBar, 0.45f * Bars(p.x) * SmoothStep(0.05f, 0.20f, v) * (1.0f - SmoothStep(0.55f, 0.75f, v)));
    // The fire: the chin and throat up to below the eye, the chest and the
    // belly back to the anal fin.
    const float from = Mix(0.46f, 0.66f, SmoothStep(0.12f, 0.45f, u));
    const float fire = SmoothStep(from, from + 0.12f, v) * (1.0f - SmoothStep(0.72f, 0.88f, u));
    c = Mix(c, Mix(kFireOrange, kFire, SmoothStep(0.6f, 0.9f, v)), fire);
    // The spots: mid-flank, and low on the gill cover with a pale edge.
    c = Mix(c, kBlack, 0.92f * Disc(p.x, p.z, kFlankSpotX, kFlankSpotZ, kFlankSpotRadius));
    c = Mix(c, Mix(c, kPaleBlue, 0.35f), Disc(p.x, p.z, kGillSpotX, kGillSpotZ, kGillSpotRadius + 0.003f));
    c = Mix(c, kBlack, Disc(p.x, p.z, kGillSpotX, kGillSpotZ, kGillSpotRadius));
    // The gill cover's rim, curved back toward the throat.
    const float rim = std::fabs(p.x - (-0.318f + 0.9f * (p.z + 0.01f) * (p.z + 0.01f)));
    c = c * (1.0f - 0.22f * (1.0f - SmoothStep(0.0f, 0.004f, rim)) * SmoothStep(0.15f, 0.3f, v));
    // The mouth: a dark line where the jaws meet, toward the snout tip.
    const float mouthV = Mix(kMouthTheta, static_cast<float>(kMouthRow) / (kBodySize.rows - 1),
                             kit::Clamp01(u / kSegments.U(0)));
    const float lips = 1.0f - SmoothStep(0.025f, 0.06f, u);
    c = Mix(c, kit::FromBytes(70, 24, 20), lips * (1.0f - SmoothStep(0.01f, 0.03f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta));
}

// The dorsal, anal and tail fins at side-view point (x, z): blue-grey with
// spangles, darker and bluer at the base, a red-orange margin along the
// free edges and the tail's upper and lower rims.
inline Rgb MidlineFinColour(float x, float z)
{
    static std::vector<V3> dorsal;
    if (dorsal.empty()) {
        dorsal = SpinyDorsalEdge();
        dorsal.insert(dorsal.end(), kSoftDorsalEdge.begin(), kSoftDorsalEdge.end());
    }
    static const std::vector<V3> tail = TailEdge(), tailRoot = TailRoots();
    static const std::vector<V3> upperRim = {tailRoot.front(), tail[0], tail[1], tail[2], tail[3]};
    static const std::vector<V3> lowerRim = {tailRoot.back(), tail[18], tail[17], tail[16], tail[15]};
    const V3 p{x, 0.0f, z};
    const float toEdge = std::min(DistanceToPolyline(p, dorsal), DistanceToPolyline(p, kAnalEdge));
    const float toRim = std::min(DistanceToPolyline(p, upperRim), DistanceToPolyline(p, lowerRim));
    const bool inTail = x > kBody.tailX - 0.03f && std::fabs(z) < 0.13f + 0.4f * (x - kBody.tailX);
    const float ray = std::fabs(std::sin((inTail ? std::atan2(z, x - 0.20f) * 34.0f : x * 260.0f)));
    Rgb c = Mix(kit::FromBytes(70, 88, 118), kFinGrey, 0.7f);
    c = Mix(c, kSpangle, 0.75f * Spangles(x, z, 0.010f, 29u));
    c = c * (0.88f + 0.12f * SmoothStep(0.0f, 0.5f, ray));
    const float margin = inTail ? std::max(1.0f - SmoothStep(0.012f, 0.018f, toRim),
                                           0.6f * (1.0f - SmoothStep(0.004f, 0.008f, 0.500f - x)))
                                : 1.0f - SmoothStep(0.010f, 0.016f, toEdge);
    c = Mix(c, kFire, 0.9f * margin);
    return c * (1.0f + 0.04f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 88u));
}

// The clear pectoral fin at a (base to tip) and b (upper to lower edge):
// the flank behind it showing through, faintly yellow.
inline Rgb PectoralColour(float a, float b)
{
    const float x = kBody.XOf(kSegments.U(kPectoralSegment)) + 0.05f;
    static const RayFinLook look{LitFlank(kBody, x, -0.05f, kFlank), kit::FromBytes(220, 206, 150), 9, 0.8f};
    return RayFinColour(look, b, a, 48u);
}

// The pelvic fin at a (front of the base to the tip) and b (base to the
// spine): red-orange, darker at the base, the spine pale blue.
inline Rgb PelvicColour(float a, float b)
{
    Rgb c = Mix(kFire * 0.7f, kFireOrange, SmoothStep(0.0f, 0.6f, b));
    c = c * (0.9f + 0.1f * std::fabs(std::sin(a * 9.0f * kPi)));
    return Mix(c, kPaleBlue, SmoothStep(0.80f, 0.92f, b) * SmoothStep(0.1f, 0.3f, a));
}

// A dark pupil in a golden iris, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(240, 200, 90), kit::FromBytes(196, 120, 50), kit::FromBytes(60, 40, 34)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), SideLayer(kFinPlane, 0.01f, MidlineFinColour),
                             RegionLayer(kPectoralFin, 0.02f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.02f, PelvicColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kFlank * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(8, Paint);

}  // namespace fish08
