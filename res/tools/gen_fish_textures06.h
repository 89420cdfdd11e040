// Species 6, the lyretail killifish (Aphyosemion australe): its picture,
// fish6. A chestnut-orange back over blue-green flanks and a pale belly, rows
// of carmine spots and red streaks on the gill cover; dorsal and anal fins
// spotted red with a yellow band and a white rim; the lyre tail blue-green
// in the middle with red spots, its lobes banded red, orange and white to the
// streamers' tips.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species06.h"

namespace fish06 {

using namespace fishpaint;

inline const Rgb kChestnut = kit::FromBytes(170, 86, 34);
inline const Rgb kFlank = kit::FromBytes(62, 128, 124);
inline const Rgb kBelly = kit::FromBytes(232, 206, 168);
inline const Rgb kCarmine = kit::FromBytes(176, 18, 36);
inline const Rgb kFinOrange = kit::FromBytes(214, 112, 44);
inline const Rgb kFinTeal = kit::FromBytes(70, 138, 150);
inline const Rgb kYellow = kit::FromBytes(252, 190, 60);
inline const Rgb kRim = kit::FromBytes(250, 246, 236);

// Red spots over (x, z) of the side view: 1 on a spot.
inline float Spots(float x, float z, float size, uint32_t seed)
{
    // Cells of about 0.03 body units, two in three with a spot.
    const kit::Cellular cell = kit::Voronoi(x * 0.5f + 0.5f, z * 0.5f + 0.5f, 64, seed);
    if (kit::Unit(cell.id) > 0.67f)
        return 0.0f;
    return 1.0f - SmoothStep(size * 0.5f, size * 0.5f + 0.0008f, cell.f1 * 2.0f);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kChestnut, kFlank, SmoothStep(0.30f, 0.62f, v));
    c = Mix(c, kBelly, SmoothStep(0.74f, 0.95f, v));
    c = Mix(c, kit::FromBytes(196, 120, 52), 0.5f * (1.0f - SmoothStep(0.05f, 0.22f, u)));  // a golden face
    c = c * Scales(p.x, p.z, 0.012f, 0.010f, 0.09f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 6u));
    // Carmine spots in rows along the flank, fewer on the belly; red streaks
    // across the gill cover and the cheek.
    const float spots = Spots(p.x, p.z * 1.4f, 0.013f, 61u) * (1.0f - SmoothStep(0.72f, 0.86f, v)) *
                        SmoothStep(0.16f, 0.24f, u);
    const float streak = std::fabs(std::sin((p.z * 1.2f + 0.6f * p.x) * 150.0f));
    const float cheek = (1.0f - SmoothStep(0.04f, 0.08f, std::fabs(u - 0.17f))) * SmoothStep(0.3f, 0.45f, v) *
                        (1.0f - SmoothStep(0.75f, 0.85f, v));
    c = Mix(c, kCarmine, 0.9f * std::max(spots, cheek * (1.0f - SmoothStep(0.25f, 0.45f, streak))));
    // The mouth: a dark line along the jaws' seam near the tip.
    const float lips = 1.0f - SmoothStep(0.02f, 0.06f, u);
    const float mouthV = Mix(kMouthTheta[0], kMouthTheta[2], kit::Clamp01(u / kJawU[2]));
    c = Mix(c, kit::FromBytes(60, 26, 16), lips * (1.0f - SmoothStep(0.01f, 0.03f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta));
}

// Distance from (x, z) into a fin from its edge polyline.
inline float FromEdge(V3 p, const std::vector<V3>& edge) { return DistanceToPolyline(p, edge); }

// The dorsal, anal and tail fins at side-view point (x, z).
inline Rgb MidlineFinColour(float x, float z)
{
    static const std::vector<V3> dorsal = DorsalEdge(), anal = AnalEdge(), roots = TailRoots(), edge = TailEdge();
    // The lobes' outer margins run out along the streamers; the hollow edge lies between them.
    static const std::vector<V3> upperLobe(edge.begin(), edge.begin() + kUpperStreamer + 1),
        lowerLobe(edge.begin() + kLowerStreamer, edge.end());
    static const std::vector<V3> hollow(edge.begin() + kUpperStreamer, edge.begin() + kLowerStreamer + 1);
    const V3 p{x, 0.0f, z};
    const float ray = std::fabs(std::sin(std::atan2(z - kBody.MidLine(1.0f), x - 0.16f) * 30.0f));
    Rgb c;
    if (x > kBody.tailX - 0.02f) {
        // The lobes from their outer rays in: white, yellow, red; the middle
        // blue-green with red spots, a thin orange trailing edge.
        const float d = std::min(FromEdge(p, upperLobe), FromEdge(p, lowerLobe));
        c = Mix(kFinTeal, kFinOrange, 0.25f);
        c = Mix(c, kCarmine, 0.85f * Spots(x, z, 0.011f, 17u));
        c = Mix(c, kCarmine, 1.0f - SmoothStep(0.026f, 0.032f, d));
        c = Mix(c, kYellow, 1.0f - SmoothStep(0.014f, 0.019f, d));
        c = Mix(c, kRim, (1.0f - SmoothStep(0.005f, 0.008f, d)) * SmoothStep(0.36f, 0.46f, x));
        c = Mix(c, kFinOrange, 0.7f * (1.0f - SmoothStep(0.006f, 0.012f, FromEdge(p, hollow))));
    } else {
        const float d = FromEdge(p, z > 0 ? dorsal : anal);
        c = Mix(kFinOrange, kFinTeal, 0.2f + 0.3f * SmoothStep(0.02f, 0.06f, d));
        c = Mix(c, kCarmine, 0.9f * Spots(x, z, 0.013f, 29u));
        c = Mix(c, kCarmine, 0.8f * (1.0f - SmoothStep(0.016f, 0.022f, d)));
        c = Mix(c, kYellow, 1.0f - SmoothStep(0.010f, 0.016f, d));
        c = Mix(c, kRim, 0.8f * (1.0f - SmoothStep(0.003f, 0.006f, d)));
    }
    c = c * (0.88f + 0.12f * SmoothStep(0.0f, 0.5f, ray));
    return c * (1.0f + 0.04f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 66u));
}

// The pectoral fin at a (base to tip) and b (upper to lower edge): clear orange
// with rays, paler toward the tip.
inline Rgb PectoralColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(214, 110, 48), kit::FromBytes(236, 160, 80), kYellow, 2.0f, 2.0f, 9};
    return FinColour(look, b, a, 46u);
}

// The pelvic fin: orange-red with a white leading edge.
inline Rgb PelvicColour(float a, float b)
{
    Rgb c = Mix(kit::FromBytes(206, 80, 40), kFinOrange, a);
    return Mix(c, kRim, 0.8f * (1.0f - SmoothStep(0.15f, 0.35f, b)) * SmoothStep(0.2f, 0.6f, a));
}

// A dark eye with a golden-green ring, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(214, 196, 96), kit::FromBytes(70, 92, 52), kit::FromBytes(34, 30, 20)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), SideLayer(kFinPlane, 0.01f, MidlineFinColour),
                             RegionLayer(kPectoralFin, 0.02f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.02f, PelvicColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kChestnut * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(6, Paint);

}  // namespace fish06
