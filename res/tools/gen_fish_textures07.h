// Species 7, the zebra danio (Danio rerio): its picture, fish7. An olive
// back over five blue-black stripes with pale gold between them, from behind
// the gill cover to the tail root and on into the middle of the forked tail;
// a silvery-white belly and a silvery head; the anal fin striped blue and
// gold, the dorsal fin olive-yellow with a dark band under a pale tip; clear
// paired fins; a large eye, gold-ringed, with a dark bar through it.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species07.h"

namespace fish07 {

using namespace fishpaint;

inline const Rgb kOlive = kit::FromBytes(118, 108, 66);
inline const Rgb kStripe = kit::FromBytes(30, 34, 112);
inline const Rgb kGold = kit::FromBytes(226, 204, 128);
inline const Rgb kSilver = kit::FromBytes(226, 226, 214);
inline const Rgb kHeadSilver = kit::FromBytes(196, 188, 150);
inline const Rgb kClear = kit::FromBytes(222, 214, 170);

// The dark bands of the flank over the height v (1 on the back ridge, -1
// on the belly line, as the side shows it): each {lower, upper}.
struct Band {
    float low, high;
};
inline constexpr Band kStripes[] = {{0.50f, 0.64f}, {0.14f, 0.38f}, {-0.24f, 0.0f}, {-0.60f, -0.38f}};

// How dark (0 .. 1) the stripes are at height v, soft at their edges.
inline float StripeAt(float v, float soft = 0.025f)
{
    float dark = 0.0f;
    for (const Band& b : kStripes)
        dark = std::max(dark, SmoothStep(b.low - soft, b.low + soft, v) * (1.0f - SmoothStep(b.high - soft, b.high + soft, v)));
    return dark;
}

inline Rgb BodyColour(float u, float b)
{
    const float theta = b * kPi;
    const V3 p = kBody.Surface(u, theta);
    const float v = std::cos(theta);
    // The stripes begin behind the gill cover and run to the tail root; a
    // slight wave along them.
    const float wave = 0.012f * std::sin(p.x * 45.0f) + 0.015f * kit::Fbm(u * 3.0f, b, 6, 2, 71u);
    const float start = SmoothStep(-0.33f, -0.27f, p.x + 0.04f * std::max(0.0f, v - 0.4f));
    const float stripes = StripeAt(v + wave) * start;
    // Between the stripes pale gold; over the top olive; under the lowest a
    // silvery belly; the head silvery-olive.
    Rgb c = kGold;
    c = Mix(c, kOlive, SmoothStep(0.62f, 0.80f, v));
    c = Mix(c, kSilver, 1.0f - SmoothStep(-0.78f, -0.64f, v));
    const Rgb head = Mix(Mix(kHeadSilver, kOlive, SmoothStep(0.25f, 0.75f, v)), kSilver, SmoothStep(-0.3f, -0.7f, v));
    c = Mix(head, c, start);
    c = Mix(c, kStripe, 0.95f * stripes);
    // The gill cover's rim: a faint darker arc; the mouth a dark line at the tip.
    const float rim = 1.0f - SmoothStep(0.004f, 0.010f, std::fabs(p.x + 0.338f + 0.02f * v * v));
    c = c * (1.0f - 0.15f * rim * (1.0f - SmoothStep(0.5f, 0.8f, std::fabs(v))));
    const float lips = 1.0f - SmoothStep(0.02f, 0.05f, u);
    const float mouthB = Mix(kMouthTheta[0], kMouthTheta[2], kit::Clamp01(u / kJawU[2]));
    c = Mix(c, kit::FromBytes(70, 50, 40), lips * (1.0f - SmoothStep(0.015f, 0.035f, std::fabs(b - mouthB))));
    c = c * Scales(p.x, p.z, 0.010f, 0.008f, 0.05f);
    c = c * (1.0f + 0.04f * kit::Fbm(u, b, 8, 3, 7u));
    // The silvery belly shines also where the light does not reach.
    const Rgb lit = Shade(c, kBody.Normal(u, theta), 0.35f);
    return Mix(lit, c * 0.85f, 0.6f * SmoothStep(-0.4f, -0.9f, v));
}

// The dorsal, anal and tail fins at side-view point (x, z).
inline Rgb MidlineFinColour(float x, float z)
{
    const float mid = kBody.MidLine(1.0f);
    Rgb c;
    if (x > kBody.tailX - 0.03f) {
        // The tail: the flank's stripes carried out along the rays, spreading
        // with the fin; the lobes beyond them clear yellowish.
        const float spread = 0.5f * (kBody.Back(1.0f) - kBody.Belly(1.0f)) + 0.34f * std::max(0.0f, x - kBody.tailX);
        const float v = (z - mid) / spread;
        const float fade = 1.0f - 0.2f * SmoothStep(0.40f, 0.50f, x);
        c = Mix(kGold, kClear, SmoothStep(0.6f, 0.9f, std::fabs(v)));
        c = Mix(c, kStripe, 0.92f * fade * StripeAt(v, 0.035f) * (1.0f - SmoothStep(0.85f, 1.0f, std::fabs(v))));
        const float ray = std::fabs(std::sin(std::atan2(z - mid, x - 0.25f) * 40.0f));
        c = c * (0.9f + 0.1f * ray);
    } else if (z < 0.0f) {
        // The anal fin: blue and gold bands along the body, a pale edge.
        const float u = kBody.UOf(std::clamp(x, kBody.snoutX, kBody.tailX));
        const float d = (kBody.Belly(u) - z) / 0.052f;
        c = Mix(kGold, kStripe, 0.9f * (SmoothStep(0.16f, 0.20f, d) * (1.0f - SmoothStep(0.36f, 0.40f, d)) +
                                       SmoothStep(0.54f, 0.58f, d) * (1.0f - SmoothStep(0.76f, 0.80f, d))));
        c = Mix(c, kClear * 1.05f, SmoothStep(0.86f, 0.95f, d));
    } else {
        // The dorsal fin: olive-yellow with a dark band below a pale tip.
        const float u = kBody.UOf(std::clamp(x, kBody.snoutX, kBody.tailX));
        const float d = (z - kBody.Back(u)) / 0.066f;
        c = Mix(Mix(kOlive, kGold, 0.4f), Mix(kOlive, kClear, 0.6f), SmoothStep(0.1f, 0.4f, d));
        c = Mix(c, kStripe, 0.8f * SmoothStep(0.34f, 0.42f, d) * (1.0f - SmoothStep(0.62f, 0.70f, d)));
        c = Mix(c, kit::FromBytes(240, 232, 196), SmoothStep(0.76f, 0.86f, d));
    }
    return c * (1.0f + 0.04f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 67u));
}

// The paired fins: clear, tinted by the flank under them, with fine rays.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, -0.30f, -0.04f, kSilver), kClear, 9, 0.6f};
    return RayFinColour(look, b, a, 47u);
}
inline Rgb PelvicColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, 0.0f, -0.06f, kSilver), kClear, 7, 0.6f};
    return RayFinColour(look, b, a, 48u);
}

// The barbels: pale, pinkish flesh, darker toward the root.
inline Rgb BarbelColour(float a, float b)
{
    return Mix(kit::FromBytes(150, 120, 96), kit::FromBytes(214, 190, 170), a) * (0.85f + 0.15f * b);
}

// A black pupil in a gold ring and a silvery iris, the dark bar of the
// stripes through it, on the head's own skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(232, 200, 110), kit::FromBytes(196, 192, 172), kit::FromBytes(40, 44, 64),
                             kEyeProper, 0.86f};
    static const SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    const Rgb skin = SkinUnderEye(spot, rho, dx, dy, BodyColour);
    Rgb c = EyeColour(eye, std::min(rho, 1.0f), dx, dy, skin);
    const float r = rho / kEyeProper, across = std::fabs(r * dy);
    const float bar = (1.0f - SmoothStep(0.16f, 0.24f, across)) * SmoothStep(0.55f, 0.62f, r) *
                      (1.0f - SmoothStep(0.95f, 1.0f, r));
    return Mix(c, kStripe * 0.8f, 0.6f * bar);
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.02f, BodyColour), SideLayer(kFinPlane, 0.01f, MidlineFinColour),
                             RegionLayer(kPectoralFin, 0.02f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.02f, PelvicColour), RegionLayer(kBarbels, 0.01f, BarbelColour),
                             DiscLayer(kEyeDisc, 1.3f, EyeDiscColour)},
                            kOlive * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(7, Paint);

}  // namespace fish07
