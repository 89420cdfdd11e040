// Species 20, the ocellate river stingray (Potamotrygon motoro): its picture,
// fish20. A brown, finely mottled back strewn with orange ocelli ringed in
// black, a cream belly with a brown margin, a spotted whip tail darkening to
// its tip, a dark keel of spines, small raised eyes.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species20.h"

namespace fish20 {

using namespace fishpaint;

inline const Rgb kBrown = kit::FromBytes(104, 78, 50);
inline const Rgb kDarkBrown = kit::FromBytes(58, 40, 26);
inline const Rgb kOcellus = kit::FromBytes(250, 158, 40);
inline const Rgb kOcellusCore = kit::FromBytes(255, 196, 70);
inline const Rgb kRing = kit::FromBytes(22, 14, 10);
inline const Rgb kCream = kit::FromBytes(236, 228, 212);

// The ocelli: one on a jittered grid cell of the back, (x, |y|) in body
// units; how far (x, y) lies from the nearest centre, in that spot's radii.
inline float OcellusDistance(float x, float y)
{
    constexpr float kCell = 0.054f;
    y = std::fabs(y);
    const int i0 = static_cast<int>(std::floor(x / kCell)), j0 = static_cast<int>(std::floor(y / kCell));
    float best = 1e9f;
    for (int i = i0 - 1; i <= i0 + 1; ++i)
        for (int j = j0 - 1; j <= j0 + 1; ++j) {
            if (j < 0)
                continue;
            const uint32_t h = kit::Hash(i, j, 20u);
            const float cx = (i + 0.5f + 0.6f * (kit::Unit(h) - 0.5f)) * kCell;
            const float cy = (j + 0.5f + 0.6f * (kit::Unit(kit::Hash(h)) - 0.5f)) * kCell;
            const float radius = 0.0115f + 0.006f * kit::Unit(kit::Hash(h + 7u));
            best = std::min(best, std::hypot(x - cx, y - cy) / radius);
        }
    return best;
}

// The back at (x, y): mottled brown, the ocelli smaller toward the rim
// (edge: 0 on the midline, 1 at the rim).
inline Rgb BackColour(float x, float y, float edge)
{
    Rgb c = kBrown * (0.86f + 0.22f * kit::Fbm(x * 3 + 5, y * 3 + 5, 8, 4, 20u));
    c = Mix(c, kDarkBrown, 0.35f * SmoothStep(0.6f, 1.0f, edge));  // a darker margin
    const float d = OcellusDistance(x, y) * (1.0f + 0.5f * edge);
    const Rgb spot = Mix(kOcellusCore, kOcellus, SmoothStep(0.2f, 0.7f, d));
    c = Mix(c, kRing, 1.0f - SmoothStep(1.15f, 1.35f, d));
    return Mix(c, spot, 1.0f - SmoothStep(0.78f, 0.9f, d));
}

// The disc over u and theta / pi: the back above the rim, the belly below.
inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kDisc.Surface(u, theta);
    const float edge = std::clamp(p.y / kDisc.Thickness(u), 0.0f, 1.0f);
    const float below = SmoothStep(0.47f, 0.55f, v);
    Rgb back = BackColour(p.x, p.y, edge);
    Rgb belly = Mix(kCream, kBrown * 1.1f, 0.7f * SmoothStep(0.62f, 0.95f, edge));
    belly = belly * (0.95f + 0.05f * kit::Fbm(u, v, 6, 2, 21u));
    // The belly lit as if from the side: it shows cream when the ray turns it up.
    V3 n = kDisc.Normal(u, theta);
    if (below > 0)
        n = Normalize(Lerp(n, V3{n.x, n.y, std::fabs(n.z)}, below));
    return Shade(Mix(back, belly, below), n, 0.2f);
}

// The lobes, seen from above and below: the back's brown, darkening to the
// margin, without ocelli.
inline Rgb LobeColour(float a, float b)
{
    const V3 p = LobePoint(a, b);
    Rgb c = kBrown * (0.86f + 0.22f * kit::Fbm(p.x * 3 + 5, p.y * 3 + 5, 8, 4, 20u));
    return Shade(Mix(c, kDarkBrown, 0.2f + 0.3f * b), {0, 0, 1}, 0.2f);
}

// The tail over a (along, root to tip) and b (round it from the top): brown
// with pale spots along its sides, its underside paler, darker to the tip.
inline Rgb TailColour(float a, float b)
{
    const float underside = 1.0f - SmoothStep(0.12f, 0.3f, std::fabs(b - 0.5f));
    Rgb c = Mix(kBrown, kDarkBrown, SmoothStep(0.3f, 1.0f, a));
    const float spot = std::fabs(std::sin(a * 46.0f)) * (1.0f - SmoothStep(0.0f, 0.22f, std::fabs(std::fabs(b - 0.5f) - 0.25f)));
    c = Mix(c, kOcellus * 0.9f, 0.6f * SmoothStep(0.75f, 0.95f, spot) * (1.0f - a));
    c = Mix(c, kCream * 0.85f, 0.6f * underside);
    return c * (0.92f + 0.08f * std::cos(2 * kPi * b));
}

// The keel: dark, its spines' tips pale.
inline Rgb KeelColour(float a, float b)
{
    const float tooth = std::fabs(std::sin(a * 31.0f));
    return Mix(kDarkBrown, kit::FromBytes(190, 170, 140), SmoothStep(0.55f, 1.0f, b) * SmoothStep(0.6f, 0.95f, tooth));
}

// The eye over its region: a dark pupil, a bronze iris, then the back's skin.
inline Rgb EyeRegionColour(float a, float b)
{
    static const EyeLook eye{kit::FromBytes(200, 150, 60), kit::FromBytes(90, 70, 30), kit::FromBytes(30, 22, 14),
                             0.7f};
    const float dx = 2 * a - 1, dy = 2 * b - 1, rho = std::hypot(dx, dy);
    const Rgb skin = BackColour(kEyeX, kEyeY, 0.9f);
    return EyeColour(eye, rho, rho > 0 ? dx / rho : 1.0f, rho > 0 ? dy / rho : 0.0f, skin);
}

inline Rgb CapColour(float, float) { return Shade(BackColour(kDisc.snoutX - 0.006f, 0.105f, 0.9f), {0, 0, 1}, 0.2f); }

inline kit::Image Paint()
{
    const Region cap{kCapS - 0.015f, kCapT - 0.02f, kCapS + 0.004f, kCapT + 0.02f};
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.012f, BodyColour), RegionLayer(kTailSkin, 0.01f, TailColour),
                             RegionLayer(kKeelSkin, 0.008f, KeelColour), RegionLayer(kLobeSkin, 0.01f, LobeColour),
                             RegionLayer(kEyeSkin, 0.008f, EyeRegionColour), RegionLayer(cap, 0.004f, CapColour)},
                            kBrown * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(20, Paint);

}  // namespace fish20
