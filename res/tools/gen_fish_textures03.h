// Species 3, the freshwater angelfish (Pterophyllum scalare): its texture,
// fish3. Silver with an olive-tan back and a golden forehead, four black
// bars (through the eye, the main bar from the dorsal fin's front down to
// the anal fin, a faint one, and the rear bar across the tail stalk into the
// trailing lobes), grey fins with rays and pale tips, black-fronted white
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
    const float eye = band(-0.228f + 0.42f * (z - kEyeZ), 0.021f);
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
    const V3 p = Surface(u, theta);
    Rgb c = kSilver;
    c = Mix(c, kBackTint, 0.6f * (1.0f - SmoothStep(0.04f, 0.34f, v)));
    c = Mix(c, kCrown, 0.45f * (1.0f - SmoothStep(0.05f, 0.32f, u)) * (1.0f - SmoothStep(0.1f, 0.45f, v)));
    c = Mix(c, kBellyWhite, SmoothStep(0.62f, 0.95f, v));
    c = c * Rgb{0.97f, 1.0f, 1.03f};
    c = c * Scales(p.x, p.z, 0.0105f, 0.0090f, 0.08f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 3u));
    // Gill cover: a fold behind the eye.
    const float gill = std::fabs(p.x - (-0.190f + 0.9f * (p.z - 0.01f) * (p.z - 0.01f)));
    c = c * (1.0f - 0.25f * (1.0f - SmoothStep(0.0f, 0.0045f, gill)) * (1.0f - SmoothStep(0.08f, 0.12f, std::fabs(p.z))));
    // The mouth: a dark line where the jaws meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.03f, 0.07f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodyRows - 1);
    c = Mix(c, kit::FromBytes(70, 44, 36), lips * (1.0f - SmoothStep(0.01f, 0.035f, std::fabs(v - mouthV))));
    c = Mix(c, kBarBlack, 0.97f * Bars(p.x, p.z));
    return SilverShade(c, SurfaceNormal(u, theta));
}

// Distance from p to the polyline through pts.
inline float DistanceToLine(V3 p, const V3* pts, int n)
{
    float best = 1e9f;
    for (int i = 0; i + 1 < n; ++i) {
        const V3 a = pts[i], ab = pts[i + 1] - a;
        const float t = std::clamp(Dot(p - a, ab) / std::max(Dot(ab, ab), 1e-9f), 0.0f, 1.0f);
        best = std::min(best, Length(p - (a + ab * t)));
    }
    return best;
}

// The dorsal, anal and tail fins at side-view point (x, z).
inline Rgb MidlineFinColour(float x, float z)
{
    const V3 p{x, 0.0f, z};
    const bool tail = x > 0.22f && std::fabs(z) < 0.06f + 0.75f * (x - 0.22f);
    float b = 0, ray = 0;  // b: 0 at the root, 1 far out; ray: 0 on a ray
    if (tail) {
        b = kit::Clamp01((x - kTailRootX) / 0.22f);
        const float a = std::atan2(z, x - 0.20f) * 18.0f / kPi;
        ray = std::fabs(a - std::floor(a) - 0.5f) * 2.0f;
    } else {
        const float u = kit::Clamp01(UOf(std::clamp(x, kSnoutX, kTailRootX)));
        const float root = z > 0 ? Back(u) : -Belly(u);
        b = kit::Clamp01((std::fabs(z) - root) / 0.28f);
        const float a = std::atan2(std::fabs(z) - 0.05f, x) * 22.0f / kPi;
        ray = std::fabs(a - std::floor(a) - 0.5f) * 2.0f;
    }
    Rgb c = Mix(kFinRoot, kFinEdge, SmoothStep(0.0f, 0.9f, b));
    c = c * (0.84f + 0.16f * SmoothStep(0.0f, 0.5f, ray));
    c = c * (1.0f + 0.05f * kit::Fbm(x + 0.5f, z + 0.5f, 16, 2, 91u));
    if (tail) {
        // Faint rows of dark dots, and pale upper and lower tips.
        const float dots = kit::Voronoi(x + 0.5f, z + 0.5f, 40, 7u).f1;
        c = c * (1.0f - 0.22f * (1.0f - SmoothStep(0.004f, 0.007f, dots)) * SmoothStep(0.15f, 0.35f, b));
        const float outer = std::fabs(std::atan2(z, x - kTailRootX)) / (40.0f * kPi / 180.0f);
        c = Mix(c, kBarBlack, 0.55f * SmoothStep(0.80f, 0.88f, outer) * (1.0f - SmoothStep(0.90f, 0.97f, outer)));
        c = Mix(c, kPaleTip, SmoothStep(0.92f, 1.0f, outer) * SmoothStep(0.4f, 0.8f, b));
    } else {
        // Dark leading edges; the trailing points fade to white.
        V3 lead[5];
        for (int i = 0; i < 5; ++i)
            lead[i] = z > 0 ? DorsalEdge(i) : AnalEdge(std::min(i, 3));
        if (z > 0)
            lead[0] = DorsalRoot(0);
        else
            lead[0] = AnalRoot(0);
        c = Mix(c, kBarBlack, 0.7f * (1.0f - SmoothStep(0.006f, 0.012f, DistanceToLine(p, lead, z > 0 ? 5 : 4))));
        const V3 tip = z > 0 ? kLobeTip : kAnalEdge[4];
        c = Mix(c, kPaleTip, 0.85f * (1.0f - SmoothStep(0.03f, 0.15f, Length(p - tip))));
    }
    c = Mix(c, kBarBlack, 0.9f * Bars(x, z));
    return c * 0.92f;
}

// The ventral filament at a (root to tip) and b (leading to trailing edge):
// black in front near the root, then white.
inline Rgb VentralColour(float a, float b)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    Rgb c = Mix(kit::FromBytes(200, 204, 208), kPaleTip, SmoothStep(0.2f, 0.8f, a));
    c = c * (0.86f + 0.14f * b);
    const float dark = (1.0f - SmoothStep(0.25f, 0.55f, a)) * (1.0f - SmoothStep(0.35f, 0.7f, b));
    return Mix(c, kBarBlack, 0.9f * std::max(dark, 1.0f - SmoothStep(0.0f, 0.12f, a)));
}

// The eye: black pupil, a golden ring, a red iris, then the head's own skin
// where the disc lies on it.
inline Rgb EyeDisc(const EyeFrame& frame, float rho, float dx, float dy)
{
    const float phi = std::atan2(dy, dx);
    float u = 0, theta = 0;
    EyeToHead(frame, rho, phi, u, theta);
    const Rgb skin = BodyColour(kit::Clamp01(u), std::clamp(theta / kPi, 0.0f, 1.0f));
    const float r = rho / kIrisRho;
    const float streak = 0.85f + 0.15f * std::sin(phi * 23.0f) * std::sin(phi * 7.0f + 1.0f);
    Rgb c = kit::FromBytes(8, 8, 10);
    c = Mix(c, kit::FromBytes(236, 196, 96) * streak, SmoothStep(0.40f, 0.46f, r));
    c = Mix(c, kit::FromBytes(206, 44, 28) * streak, SmoothStep(0.54f, 0.62f, r));
    c = Mix(c, kit::FromBytes(70, 20, 14), SmoothStep(0.88f, 0.95f, r));
    const float spot = std::hypot(r * dx + 0.28f, r * dy - 0.34f);
    c = Mix(c, kit::FromBytes(250, 250, 246), 0.9f * (1.0f - SmoothStep(0.08f, 0.16f, spot)));
    return Mix(c, skin, SmoothStep(0.97f, 1.04f, r));
}

inline kit::Image Draw()
{
    const FinLook pectoral{kit::FromBytes(168, 172, 170), kit::FromBytes(150, 164, 180), kit::FromBytes(176, 188, 200),
                           0.9f, 10};
    const EyeFrame eye = EyeOnHead();
    kit::Image image(kTextureWidth, kTextureHeight);
    const float eyeX = kEyeS * kTextureWidth, eyeY = (1.0f - kEyeT) * kTextureHeight;
    for (int y = 0; y < kTextureHeight; ++y)
        for (int x = 0; x < kTextureWidth; ++x) {
            const float s = (x + 0.5f) / kTextureWidth, t = 1.0f - (y + 0.5f) / kTextureHeight;
            const float ex = (x + 0.5f - eyeX) / kEyePixels, ey = (eyeY - y - 0.5f) / kEyePixels;
            const float rho = std::hypot(ex, ey);
            Rgb c;
            if (t >= 0.5f)
                c = BodyColour(kit::Clamp01(BodyU(s)), kit::Clamp01(BodyV(t)));
            else if (InFinPlane(s, t))
                c = MidlineFinColour(FinPlaneX(s), FinPlaneZ(t));
            else if (InVentral(s, t))
                c = VentralColour((s - 0.63f) / 0.36f, (t - 0.03f) / 0.08f);
            else if (InPectoral(s, t))
                c = FinColour(pectoral, (s - 0.63f) / 0.16f, (t - 0.28f) / 0.20f, 33u);
            else if (rho < 1.3f)
                c = EyeDisc(eye, rho, rho > 0 ? ex / rho : 1.0f, rho > 0 ? ey / rho : 0.0f);
            else
                c = kFinRoot;
            image.at(x, y) = c;
        }
    return image;
}

inline const bool kPictureRegistered = RegisterPicture("fish3", Draw);

}  // namespace fish03
