// Species 12, the Boesemani rainbowfish: its picture, fish12. The head and
// the front half steel blue-grey, darker along the back and silvery toward
// the belly, a few dark bars where it turns into the bright orange-yellow of
// the rear half; large scales; the fins blue-grey in front and orange-yellow
// behind with pale margins, the tail orange-yellow, clear pectoral fins and a
// large silvery eye.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species12.h"

namespace fish12 {

using namespace fishpaint;

inline const Rgb kSteelBlue = kit::FromBytes(96, 118, 156);
inline const Rgb kDarkBlue = kit::FromBytes(52, 66, 104);
inline const Rgb kSilver = kit::FromBytes(178, 190, 208);
inline const Rgb kOrangeYellow = kit::FromBytes(252, 176, 30);
inline const Rgb kDeepOrange = kit::FromBytes(244, 128, 24);
inline const Rgb kGold = kit::FromBytes(226, 150, 34);

// How far toward the orange rear a point is: the boundary lies under the
// first dorsal fin, further back higher up.
inline float RearShare(float x, float z) { return SmoothStep(-0.085f, -0.005f, x - 0.16f * z); }

inline Rgb SkinColour(float x, float z, float v)
{
    const float rear = RearShare(x, z);
    // The front: dark along the back, steel blue on the flank, silvery low down.
    Rgb front = Mix(kDarkBlue, kSteelBlue, SmoothStep(0.05f, 0.38f, v));
    front = Mix(front, kSilver, SmoothStep(0.62f, 0.95f, v));
    // The rear: gold on the back, orange-yellow on the flank, deeper orange low down.
    Rgb back = Mix(kGold, kOrangeYellow, SmoothStep(0.05f, 0.35f, v));
    back = Mix(back, kDeepOrange, SmoothStep(0.6f, 0.95f, v));
    Rgb c = Mix(front, back, rear);
    // Dark bars across the middle of the flank where the colours meet.
    float bars = 0.0f;
    for (float at : {-0.112f, -0.078f, -0.044f, -0.010f})
        bars = std::max(bars, 1.0f - SmoothStep(0.004f, 0.010f, std::fabs(x - 0.12f * z - at)));
    bars *= SmoothStep(-0.11f, -0.06f, z) * (1.0f - SmoothStep(0.08f, 0.13f, z));
    c = Mix(c, kit::FromBytes(38, 44, 70), 0.55f * bars);
    return c;
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = SkinColour(p.x, p.z, v);
    c = c * Scales(p.x, p.z, 0.026f, 0.020f, 0.12f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 12u));
    // The gill cover's edge, and the mouth: a dark line where the jaws meet.
    const float gill = std::fabs(p.x - (-0.345f + 0.35f * p.z * p.z));
    c = c * (1.0f - 0.25f * (1.0f - SmoothStep(0.0f, 0.005f, gill)) * SmoothStep(-0.09f, -0.05f, p.z) *
                        (1.0f - SmoothStep(0.06f, 0.09f, p.z)));
    const float lips = 1.0f - SmoothStep(0.02f, 0.06f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(40, 30, 40), lips * (1.0f - SmoothStep(0.01f, 0.04f, std::fabs(v - mouthV))));
    return Matte(c, kBody.Normal(u, theta));
}

// The midline fins at their points of the side view: the body's colours of
// that place, thinner, with rays, a dark band inside a pale rim.
inline Rgb MidlineFinColour(float x, float z)
{
    const V3 p{x, 0.0f, z};
    static const std::vector<V3> dorsal = DorsalEdge(), anal = AnalEdge(45), tail = TailEdge(31);
    const bool isTail = x > 0.27f;
    const float rim = std::min({DistanceToPolyline(p, dorsal), DistanceToPolyline(p, anal),
                                isTail ? DistanceToPolyline(p, tail) : 1.0f});
    const float rear = SmoothStep(-0.06f, 0.05f, x);
    Rgb c = Mix(kit::FromBytes(70, 86, 126), kit::FromBytes(248, 168, 36), rear);
    if (isTail)
        c = Mix(kit::FromBytes(250, 184, 44), kit::FromBytes(236, 140, 30), SmoothStep(0.30f, 0.46f, x));
    // Rays: along the fin's length on the tail, leaning back on the others.
    const float ray = isTail ? std::fabs(std::sin((z / std::max(x - 0.26f, 0.02f)) * 16.0f))
                             : std::fabs(std::sin((x - 0.6f * std::fabs(z)) * 150.0f));
    c = c * (0.82f + 0.18f * SmoothStep(0.1f, 0.6f, ray));
    c = c * (1.0f + 0.05f * kit::Fbm(x * 3, z * 3, 8, 2, 121u));
    const float band = SmoothStep(0.006f, 0.010f, rim) * (1.0f - SmoothStep(0.014f, 0.020f, rim));
    c = Mix(c, c * 0.45f, 0.7f * band);
    return Mix(c, kit::FromBytes(236, 236, 226), 0.75f * (1.0f - SmoothStep(0.002f, 0.006f, rim)));
}

// The clear pectoral fins show the steel-blue flank under them.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, -0.24f, -0.01f, kSteelBlue), kit::FromBytes(200, 208, 220), 12, 0.6f};
    return RayFinColour(look, a, b, 71u);
}
// The pelvic fins: pale blue-grey, an orange blush toward their white tips.
inline Rgb PelvicColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, -0.26f, -0.12f, kSilver), kit::FromBytes(160, 176, 204), 8, 0.35f};
    const Rgb c = Mix(RayFinColour(look, a, b, 73u), kDeepOrange, 0.35f * SmoothStep(0.4f, 0.8f, b));
    return Mix(c, kit::FromBytes(240, 240, 236), SmoothStep(0.86f, 0.97f, b));
}

// A large eye: a black pupil in a silvery ring, on the head's own skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(226, 226, 214), kit::FromBytes(176, 172, 150), kit::FromBytes(44, 48, 64)};
    static const SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    return EyeColour(eye, std::min(rho, 1.0f), dx, dy, SkinUnderEye(spot, rho, dx, dy, BodyColour));
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), DiscLayer(kEyeDisc, 1.3f, EyeDiscColour),
                             SideLayer(kFinSide, 0.02f, MidlineFinColour),
                             RegionLayer(kPectoralFin, 0.015f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.015f, PelvicColour)},
                            kSteelBlue * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(12, Paint);

}  // namespace fish12
