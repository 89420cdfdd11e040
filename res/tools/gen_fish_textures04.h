// Species 4, the oscar (Astronotus ocellatus): its picture, fish4. A
// velvety olive-black body marbled with orange-red patches, most of them on
// the lower flank and the rear, dark-edged; orange flecks on the gill cover;
// dark fins with faint rays; clear smoky pectorals; an orange-red eye; and on
// the tail's base the black eyespot in its bright orange ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species04.h"

namespace fish04 {

using namespace fishpaint;

inline const Rgb kVelvet = kit::FromBytes(50, 50, 32);
inline const Rgb kDarkBack = kit::FromBytes(30, 32, 22);
inline const Rgb kOrange = kit::FromBytes(236, 98, 30);
inline const Rgb kRedOrange = kit::FromBytes(206, 58, 26);
inline const Rgb kDusky = kit::FromBytes(112, 78, 46);
inline const Rgb kBlack = kit::FromBytes(14, 12, 10);
inline const Rgb kFinDark = kit::FromBytes(36, 34, 26);

// The side view's tile coordinates of (x, z), for the noise.
inline float NoiseS(float x) { return (x + 0.6f) / 1.2f; }
inline float NoiseT(float z) { return (z + 0.35f) / 0.7f; }

// How much of an orange patch lies at (x, z): irregular marbling, rarer on
// the back and the head, most on the lower flank and toward the tail; and
// the dark rim round a patch.
struct Marbling {
    float orange, rim;
};
inline Marbling MarblingAt(float x, float z, float v)
{
    const float n = kit::Fbm(NoiseS(x), NoiseT(z), 7, 4, 404u);
    const float lower = SmoothStep(0.30f, 0.75f, v), rear = SmoothStep(-0.25f, 0.15f, x);
    const float head = 1.0f - SmoothStep(-0.40f, -0.26f, x);
    const float bias = -0.16f + 0.22f * lower + 0.10f * rear - 0.12f * head - 0.10f * (1.0f - SmoothStep(0.0f, 0.2f, v));
    const float m = n + bias;
    return {SmoothStep(0.02f, 0.08f, m), SmoothStep(-0.06f, 0.0f, m) * (1.0f - SmoothStep(0.02f, 0.06f, m))};
}

// The eyespot: its black centre and its orange ring, with a thin dark edge.
inline Rgb Ocellus(float x, float z, Rgb under)
{
    const float d = std::hypot(x - kOcellusX, (z - kOcellusZ) * 0.95f) / kOcellusRadius;
    Rgb c = Mix(under, kBlack, 1.0f - SmoothStep(1.02f, 1.12f, d));
    c = Mix(c, kit::FromBytes(250, 120, 30), (1.0f - SmoothStep(0.96f, 1.02f, d)) * SmoothStep(0.58f, 0.64f, d));
    return Mix(c, kBlack, 1.0f - SmoothStep(0.56f, 0.62f, d));
}

// The body's colour before the light, in the side view (v: 0 ridge, 1 belly).
inline Rgb SkinColour(float x, float z, float v)
{
    Rgb c = Mix(kDarkBack, kVelvet, SmoothStep(0.05f, 0.45f, v));
    c = Mix(c, kDusky, 0.55f * SmoothStep(0.70f, 0.95f, v) * (1.0f - SmoothStep(-0.10f, 0.10f, x)));
    const Marbling m = MarblingAt(x, z, v);
    const Rgb patch = Mix(kOrange, kRedOrange, 0.5f + 0.5f * kit::Fbm(NoiseS(x), NoiseT(z), 12, 2, 17u));
    c = Mix(c, kBlack, 0.5f * m.rim);
    c = Mix(c, patch, 0.92f * m.orange);
    // Orange flecks on the gill cover, behind and below the eye.
    const float cheek = (1.0f - SmoothStep(0.04f, 0.07f, std::hypot(x + 0.30f, (z + 0.02f) * 0.8f)));
    const kit::Cellular fleck = kit::Voronoi(NoiseS(x), NoiseT(z), 40, 9u);
    c = Mix(c, kOrange, 0.8f * cheek * (1.0f - SmoothStep(0.004f, 0.007f, fleck.f1)));
    // The gill cover's edge, a faint dark fold.
    const float gill = std::fabs(x - (-0.262f - 0.9f * z * z));
    c = c * (1.0f - 0.25f * (1.0f - SmoothStep(0.0f, 0.005f, gill)) * SmoothStep(-0.11f, -0.06f, z) *
                 (1.0f - SmoothStep(0.10f, 0.14f, z)));
    return Ocellus(x, z, c);
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = SkinColour(p.x, p.z, v) * Scales(p.x, p.z, 0.016f, 0.013f, 0.10f);
    c = c * (1.0f + 0.06f * kit::Fbm(u, v, 8, 3, 4u));
    // The thick lips, a little paler, where the jaws meet.
    const float lips = 1.0f - SmoothStep(0.02f, 0.06f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(96, 70, 46), lips * (1.0f - SmoothStep(0.015f, 0.05f, std::fabs(v - mouthV))));
    c = Mix(c, kBlack, lips * (1.0f - SmoothStep(0.0f, 0.012f, std::fabs(v - mouthV))));
    return Shade(c, kBody.Normal(u, theta), 0.22f);
}

// The midline fins (dorsal, anal, tail) at (x, z) of the side view: dark,
// with faint rays fanning from the body, a few orange flecks near their
// bases, and the eyespot on the tail's base.
inline Rgb FinColour(float x, float z)
{
    const float u = std::clamp(kBody.UOf(x), 0.0f, 1.0f);
    const float back = kBody.Back(u), belly = kBody.Belly(u);
    float off = 0.0f, angle = 0.0f;
    if (x > kTailRootX - 0.01f) {  // the tail: rays from its root
        off = std::hypot(x - kTailRootX, z - kTailCentreZ) / 0.19f;
        angle = std::atan2(z - kTailCentreZ, x - kTailRootX) * 14.0f;
    } else {
        off = (z > back ? z - back : belly - z) / 0.09f;
        angle = (x - 0.3f * (z > back ? z - back : belly - z)) * 150.0f;
    }
    Rgb c = Mix(kFinDark, kit::FromBytes(62, 60, 44), SmoothStep(0.2f, 1.0f, off));
    c = c * (0.85f + 0.15f * SmoothStep(0.0f, 0.5f, std::fabs(std::sin(angle))));
    c = c * (1.0f + 0.08f * kit::Fbm(NoiseS(x), NoiseT(z), 10, 3, 88u));
    const kit::Cellular fleck = kit::Voronoi(NoiseS(x), NoiseT(z), 24, 31u);
    const float some = kit::Unit(fleck.id) < 0.35f ? 1.0f : 0.0f;
    c = Mix(c, kOrange, 0.6f * some * (1.0f - SmoothStep(0.25f, 0.5f, off)) * (1.0f - SmoothStep(0.004f, 0.007f, fleck.f1)));
    // A paler margin on the outer rim.
    c = Mix(c, kit::FromBytes(92, 84, 60), 0.5f * SmoothStep(0.85f, 1.0f, off));
    return Ocellus(x, z, c);
}

// Pectoral: clear and smoky, the dark flank showing through, rays fanning out.
inline Rgb PectoralColour(float a, float b)
{
    static const RayFinLook look{LitFlank(kBody, kPectoralX, -0.015f, kVelvet), kit::FromBytes(150, 128, 92), 12,
                                 0.45f};
    return RayFinColour(look, a, b, 41u);
}

// Pelvic (a root to tip, b leading to trailing edge): dark, the leading ray paler.
inline Rgb PelvicColour(float a, float b)
{
    Rgb c = Mix(kFinDark, kit::FromBytes(58, 52, 40), SmoothStep(0.1f, 0.9f, a));
    c = c * (0.88f + 0.12f * SmoothStep(0.0f, 0.5f, std::fabs(std::sin(b * 22.0f))));
    return Mix(c, kit::FromBytes(150, 110, 70), 0.6f * (1.0f - SmoothStep(0.05f, 0.16f, b)));
}

// An orange-red eye with a black pupil.
inline const EyeLook kEyeLook{kit::FromBytes(246, 126, 40), kit::FromBytes(196, 52, 26), kit::FromBytes(70, 40, 22),
                              0.92f, 0.82f};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.01f, BodyColour), SideLayer(kFinView, 0.01f, FinColour),
                             RegionLayer(kPectoralFin, 0.01f, PectoralColour),
                             RegionLayer(kPelvicFin, 0.01f, PelvicColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kVelvet);
}

inline const bool kPictureRegistered = RegisterPicture(4, Paint);

}  // namespace fish04
