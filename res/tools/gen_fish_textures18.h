// Species 18, the harlequin rasbora: its picture, fish18. A copper-orange to
// rosy body, silvery pink on the head and belly, darker along the back; the
// black wedge on the rear half edged above by a thin golden line, orange-red
// above and below it toward the tail; reddish fins with clear tips; a
// silver eye with a red-gold ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species18.h"

namespace fish18 {

using namespace fishpaint;

inline const Rgb kCopper = kit::FromBytes(238, 118, 62);
inline const Rgb kRose = kit::FromBytes(226, 140, 136);
inline const Rgb kBackBrown = kit::FromBytes(150, 96, 70);
inline const Rgb kSilverPink = kit::FromBytes(236, 206, 200);
inline const Rgb kOrangeRed = kit::FromBytes(236, 86, 40);
inline const Rgb kGold = kit::FromBytes(250, 176, 80);
inline const Rgb kWedgeBlack = kit::FromBytes(22, 16, 26);
inline const Rgb kFinRed = kit::FromBytes(222, 92, 58);
inline const Rgb kClearFin = kit::FromBytes(214, 182, 168);

// How far (x, z) of the side view lies inside the wedge (negative outside),
// in body units: the nearest of its three edges, the front one a little
// rounded at the lower corner.
inline float WedgeInside(float x, float z)
{
    const float along = std::clamp((x - kWedgeFrontX) / (kWedgeTipX - kWedgeFrontX), 0.0f, 1.0f);
    const float top = Mix(kWedgeTopFront, kWedgeTopTip, along);
    const float bottom = Mix(kWedgeBottomFront, kWedgeBottomTip, std::pow(along, 0.8f));
    const float front = x - kWedgeFrontX - 0.25f * std::max(0.0f, -0.03f - z) * (1.0f - along);
    const float tip = kWedgeTipX - x;
    return std::min({top - z, z - bottom, front, tip});
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    // Rosy and silvery at the head, copper behind, darker along the back,
    // a silvery pink belly.
    Rgb c = Mix(kRose, kCopper, SmoothStep(-0.34f, -0.06f, p.x));
    c = Mix(c, kBackBrown, 0.7f * (1.0f - SmoothStep(0.05f, 0.30f, v)));
    c = Mix(c, kSilverPink, 0.6f * SmoothStep(0.66f, 0.92f, v) * (1.0f - SmoothStep(-0.1f, 0.15f, p.x)));
    // Orange-red toward the tail, above and below the wedge.
    c = Mix(c, kOrangeRed, 0.55f * SmoothStep(0.0f, 0.22f, p.x) * SmoothStep(0.08f, 0.2f, v));
    c = c * Scales(p.x, p.z, 0.017f, 0.014f, 0.06f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 18u));
    // The golden line along the wedge's upper edge, then the wedge.
    const float inside = WedgeInside(p.x, p.z);
    const float along = SmoothStep(kWedgeFrontX, kWedgeFrontX + 0.05f, p.x);
    const float topEdge = std::fabs(p.z - Mix(kWedgeTopFront, kWedgeTopTip,
                                              std::clamp((p.x - kWedgeFrontX) / (kWedgeTipX - kWedgeFrontX), 0.0f, 1.0f)) -
                                    0.008f);
    c = Mix(c, kGold, 0.7f * along * (1.0f - SmoothStep(0.002f, 0.006f, topEdge)) * SmoothStep(-0.01f, 0.0f, p.x - kWedgeFrontX));
    c = Mix(c, kWedgeBlack, SmoothStep(-0.002f, 0.003f, inside));
    // The gill cover: a faint fold behind the eye; the mouth's line at the snout.
    const float gill = std::fabs(p.x - (-0.300f - 0.8f * p.z * p.z));
    c = c * (1.0f - 0.15f * (1.0f - SmoothStep(0.0f, 0.004f, gill)) * SmoothStep(0.15f, 0.3f, v));
    const float lips = 1.0f - SmoothStep(0.02f, 0.06f, u);
    c = Mix(c, kit::FromBytes(120, 60, 50), lips * (1.0f - SmoothStep(0.01f, 0.04f, std::fabs(v - kLipsTheta / kPi))));
    return Shade(c, kBody.Normal(u, theta), 0.18f);
}

// A midline fin at a (front to rear) and b (root to edge): reddish over its
// base and front rays, clearing toward the tips and the rear.
inline Rgb MidlineFinColour(float a, float b, float redFront, uint32_t seed)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    const float red = (1.0f - SmoothStep(0.55f, 0.95f, b)) * Mix(1.0f, redFront, SmoothStep(0.0f, 1.0f, a));
    Rgb c = Mix(kClearFin, kFinRed, 0.9f * red);
    const float ray = std::fabs(a * 9.0f - std::floor(a * 9.0f) - 0.5f) * 2.0f;  // 0 on a ray
    c = c * (0.86f + 0.14f * SmoothStep(0.0f, 0.45f, ray));
    c = Mix(c, kit::FromBytes(240, 226, 220), 0.6f * SmoothStep(0.86f, 1.0f, b));
    return c * (1.0f + 0.05f * kit::Fbm(a, b, 8, 2, seed)) * (0.84f + 0.16f * (1.0f - b));
}
inline Rgb DorsalColour(float a, float b) { return MidlineFinColour(a, b, 0.55f, 31u); }
inline Rgb AnalColour(float a, float b) { return MidlineFinColour(a, b, 0.35f, 32u); }

// The tail at a (upper tip 0 .. lower tip 1) and b (root to edge): red-orange
// at the root and along each lobe's middle, clear between and at the tips.
inline Rgb TailColour(float a, float b)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    const float lobe = std::fabs(2.0f * a - 1.0f);  // 0 at the fork, 1 at the tips
    const float band = 1.0f - SmoothStep(0.18f, 0.36f, std::fabs(lobe - 0.62f));
    const float red = std::max(1.0f - SmoothStep(0.15f, 0.4f, b), band * (1.0f - SmoothStep(0.7f, 0.95f, b)));
    Rgb c = Mix(kClearFin, kOrangeRed, 0.85f * red);
    const float ray = std::fabs(a * 16.0f - std::floor(a * 16.0f) - 0.5f) * 2.0f;
    c = c * (0.87f + 0.13f * SmoothStep(0.0f, 0.45f, ray));
    c = Mix(c, kit::FromBytes(240, 226, 220), 0.5f * SmoothStep(0.88f, 1.0f, b));
    return c * (1.0f + 0.05f * kit::Fbm(a, b, 8, 2, 33u)) * (0.86f + 0.14f * (1.0f - b));
}

// The clear pectoral fins, the rosy flank showing through, one ray a column.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook fin{LitFlank(kBody, SegmentX(4.0f), -0.045f, kRose), kit::FromBytes(230, 200, 180),
                                SizeOf<decltype(g_Fish18Pectoral)>().columns, 0.7f};
    return RayFinColour(fin, a, b, 34u);
}

// The pelvic fins: reddish with pale tips.
inline Rgb PelvicColour(float a, float b) { return MidlineFinColour(a, b, 0.8f, 35u); }

// The inside of the mouth: dark red.
inline Rgb MouthColour(float, float b) { return kit::FromBytes(96, 34, 34) * (0.8f + 0.2f * b); }

// A silver eye, its ring red-gold, on the head's own skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(238, 140, 64), kit::FromBytes(206, 200, 196), kit::FromBytes(80, 56, 56)};
    static const SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    Rgb c = EyeColour(eye, std::min(rho, 1.0f), dx, dy, SkinUnderEye(spot, rho, dx, dy, BodyColour));
    // The iris reddish above the pupil.
    const float upper = SmoothStep(0.2f, 0.8f, dy) * SmoothStep(0.5f, 0.62f, rho) * (1.0f - SmoothStep(0.84f, 0.9f, rho));
    return Mix(c, kit::FromBytes(214, 96, 60), 0.6f * upper);
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kDorsalRegion, 0.01f, DorsalColour),
                             RegionLayer(kAnalRegion, 0.01f, AnalColour), RegionLayer(kTailRegion, 0.015f, TailColour),
                             RegionLayer(kPectoralRegion, 0.012f, PectoralColour),
                             RegionLayer(kPelvicRegion, 0.012f, PelvicColour),
                             RegionLayer(kMouthRegion, 0.008f, MouthColour), DiscLayer(kEyeDisc, 1.3f, EyeDiscColour)},
                            kClearFin);
}

inline const bool kPictureRegistered = RegisterPicture(18, Paint);

}  // namespace fish18
