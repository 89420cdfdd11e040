// Species 3, the freshwater angelfish (Pterophyllum scalare): its picture,
// fish3. Silver with an olive-tan back and a golden forehead, four black
// bars (through the eye, the main bar from the dorsal fin's front down to
// the anal fin, a faint one, and the rear bar across the tail stalk into the
// fins behind), grey fins with rays and pale tips, black-fronted white
// ventral filaments and a red eye.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species03.h"

namespace fish03 {

using namespace fishpaint;

inline const Rgb kSilver = kit::FromBytes(214, 220, 226);
inline const Rgb kBackTint = kit::FromBytes(118, 116, 92);
inline const Rgb kCrown = kit::FromBytes(170, 140, 92);
inline const Rgb kBellyWhite = kit::FromBytes(248, 246, 238);
inline const Rgb kBarBlack = kit::FromBytes(14, 12, 16);
inline const Rgb kFinRoot = kit::FromBytes(104, 118, 136);
inline const Rgb kFinEdge = kit::FromBytes(168, 182, 198);
inline const Rgb kPaleTip = kit::FromBytes(236, 240, 242);

// How dark the bars make the side-view point (x, z): 0 none, 1 black.
inline float Bars(float x, float z)
{
    const float wobble = 0.005f * kit::Fbm(x + 0.5f, 0.5f * z + 0.5f, 6, 3, 31u);
    auto band = [&](float centre, float half) {
        const float d = std::fabs(x + wobble - centre) - half;
        return 1.0f - SmoothStep(-0.004f, 0.004f, d);
    };
    const float eye = band(-0.228f + 0.42f * (z - kEye.z), 0.021f);
    const float main = band(-0.070f - 0.03f * z + 0.25f * z * z, 0.030f);
    const float faint = 0.35f * band(0.058f + 0.06f * z, 0.011f);
    const float rear = band(0.168f + 0.18f * std::fabs(z), 0.022f);
    return std::max({eye, main, faint, rear});
}

// Silver takes a broad sheen besides the light of the paint kit.
inline Rgb SilverShade(Rgb c, V3 normal)
{
    const float sheen = 0.14f * std::pow(std::max(0.0f, fishkit::Dot(normal, kHalfway)), 4.0f);
    return Shade(c, normal, 0.35f) + Rgb{sheen, sheen, sheen};
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = kSilver;
    c = Mix(c, kBackTint, 0.6f * (1.0f - SmoothStep(0.04f, 0.34f, v)));
    c = Mix(c, kCrown, 0.45f * (1.0f - SmoothStep(0.05f, 0.32f, u)) * (1.0f - SmoothStep(0.1f, 0.45f, v)));
    c = Mix(c, kBellyWhite, SmoothStep(0.62f, 0.95f, v));
    c = c * Rgb{0.97f, 1.0f, 1.03f};
    c = c * Scales(p.x, p.z, 0.0105f, 0.0090f, 0.08f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 3u));
    // Gill cover: a fold behind the eye.
    const float gill = std::fabs(p.x - (-0.190f + 0.9f * (p.z - 0.01f) * (p.z - 0.01f)));
    const float fold = (1.0f - SmoothStep(0.0f, 0.0045f, gill)) * (1.0f - SmoothStep(0.08f, 0.12f, std::fabs(p.z)));
    c = c * (1.0f - 0.25f * fold);
    // The mouth: a dark line where the jaws meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.03f, 0.07f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(70, 44, 36), lips * (1.0f - SmoothStep(0.01f, 0.035f, std::fabs(v - mouthV))));
    c = Mix(c, kBarBlack, 0.97f * Bars(p.x, p.z));
    return SilverShade(c, kBody.Normal(u, theta));
}

// A point of the ridge (or the belly line) over a segment, in the side view.
inline V3 OnRidge(float segment, bool back)
{
    const float u = kSegments.U(segment);
    return {kBody.XOf(u), 0.0f, back ? kBody.Back(u) : kBody.Belly(u)};
}

// The dorsal, anal and tail fins at side-view point (x, z).
inline Rgb MidlineFinColour(float x, float z)
{
    const V3 p{x, 0.0f, z};
    const bool tail = x > 0.225f && std::fabs(z) < 0.06f + 0.75f * (x - 0.225f);
    float b = 0, ray = 0;  // b: 0 at the root, 1 far out; ray: 0 on a ray
    if (tail) {
        b = kit::Clamp01((x - kBody.tailX) / 0.22f);
        const float a = std::atan2(z, x - 0.20f) * 18.0f / kPi;
        ray = std::fabs(a - std::floor(a) - 0.5f) * 2.0f;
    } else {
        const float u = kit::Clamp01(kBody.UOf(std::clamp(x, kBody.snoutX, kBody.tailX)));
        const float root = z > 0 ? kBody.Back(u) : -kBody.Belly(u);
        b = kit::Clamp01((std::fabs(z) - root) / 0.28f);
        const float a = std::atan2(std::fabs(z) - 0.05f, x + 0.1f) * 22.0f / kPi;
        ray = std::fabs(a - std::floor(a) - 0.5f) * 2.0f;
    }
    Rgb c = Mix(kFinRoot, kFinEdge, SmoothStep(0.0f, 0.9f, b));
    c = c * (0.84f + 0.16f * SmoothStep(0.0f, 0.5f, ray));
    c = c * (1.0f + 0.05f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 91u));
    if (tail) {
        // Faint rows of dark dots, and pale upper and lower tips.
        const float dots = kit::Voronoi(x + 0.5f, z + 0.5f, 40, 7u).f1;
        c = c * (1.0f - 0.22f * (1.0f - SmoothStep(0.004f, 0.007f, dots)) * SmoothStep(0.15f, 0.35f, b));
        const float outer = std::fabs(std::atan2(z, x - kBody.tailX)) / (40.0f * kPi / 180.0f);
        c = Mix(c, kBarBlack, 0.55f * SmoothStep(0.80f, 0.88f, outer) * (1.0f - SmoothStep(0.90f, 0.97f, outer)));
        c = Mix(c, kPaleTip, SmoothStep(0.92f, 1.0f, outer) * SmoothStep(0.4f, 0.8f, b));
    } else {
        // Dark leading edges; the long points fade to white.
        const std::vector<V3> lead =
            z > 0 ? std::vector<V3>{OnRidge(kFirstRay - 1, true), kBladeTip[0]}
                  : std::vector<V3>{OnRidge(kAnalFirstSegment, false), kAnalEdge[1], kAnalEdge[2], kAnalEdge[3]};
        c = Mix(c, kBarBlack, 0.7f * (1.0f - SmoothStep(0.006f, 0.012f, DistanceToPolyline(p, lead))));
        const V3 tip = z > 0 ? Lerp(kBladeTip[0], kBladeTip[1], 0.5f) : kAnalEdge[4];
        c = Mix(c, kPaleTip, 0.85f * (1.0f - SmoothStep(0.03f, 0.15f, Length(p - tip))));
    }
    c = Mix(c, kBarBlack, 0.9f * Bars(x, z));
    return c * 0.92f;
}

// The ventral filament at a (root to tip) and b (leading to trailing edge):
// black in front near the root, then white.
inline Rgb VentralColour(float a, float b)
{
    Rgb c = Mix(kit::FromBytes(200, 204, 208), kPaleTip, SmoothStep(0.2f, 0.8f, a));
    c = c * (0.86f + 0.14f * b);
    const float dark = (1.0f - SmoothStep(0.25f, 0.55f, a)) * (1.0f - SmoothStep(0.35f, 0.7f, b));
    return Mix(c, kBarBlack, 0.9f * std::max(dark, 1.0f - SmoothStep(0.0f, 0.12f, a)));
}

inline Rgb PectoralColour(float a, float b)
{
    static const FinLook look{kit::FromBytes(168, 172, 170), kit::FromBytes(150, 164, 180),
                              kit::FromBytes(176, 188, 200), 0.9f, 2.0f, 10};
    return FinColour(look, a, b, 33u);
}

// Black pupil, a golden ring, a red iris with a dark rim, then the head's own skin.
inline Rgb EyeDiscColour(float rho, float dx, float dy)
{
    static const EyeLook eye{kit::FromBytes(236, 196, 96), kit::FromBytes(206, 44, 28), kit::FromBytes(70, 20, 14),
                             kIrisRho};
    static const SurfaceSpot spot = kBody.Spot(kEye.x, kEye.z, kEye.radius);
    return EyeColour(eye, rho, dx, dy, SkinUnderEye(spot, rho, dx, dy, BodyColour));
}

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.015f, BodyColour), SideLayer(kFinPlane, 0.005f, MidlineFinColour),
                             RegionLayer(kVentralFin, 0.01f, VentralColour),
                             RegionLayer(kPectoralFin, 0.01f, PectoralColour),
                             DiscLayer(kEyeDisc, 1.3f, EyeDiscColour)},
                            kFinRoot);
}

inline const bool kPictureRegistered = RegisterPicture(3, Paint);

}  // namespace fish03
