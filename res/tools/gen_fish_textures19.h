// Species 19, the pinnate batfish: its picture, fish19. Velvet black body and
// sails, a bright orange rim round the whole outline (forehead, snout and
// chin, the sails' edges, the tail's edge), a smoky tail, clear smoky
// pectoral fins, a dark eye with a golden ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species19.h"

namespace fish19 {

using namespace fishpaint;

inline const Rgb kVelvet = kit::FromBytes(30, 22, 24);
inline const Rgb kRim = kit::FromBytes(255, 112, 18);
inline const Rgb kRimDeep = kit::FromBytes(226, 72, 10);

// How much of the rim lies `distance` inside the outline (band `width` wide).
inline float RimAt(float distance, float width)
{
    return 1.0f - SmoothStep(width - 0.004f, width + 0.002f, std::max(distance, 0.0f));
}
inline Rgb RimColour(float distance, float width)
{
    return Mix(kRim, kRimDeep, SmoothStep(0.0f, width, distance));
}

// The body: velvet black, matte and lit evenly as the flat disc it is; the
// head's outline rimmed where no fin stands on it (the rim runs on under
// each sail's root). The rim's width is measured round the section from the
// ridge (the belly line), so that it reads as a thin line from above and
// below as from the side.
inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = kVelvet * (1.0f + 0.10f * kit::Fbm(u * 2, v, 6, 3, 19u));
    c = c * Scales(p.x, p.z, 0.010f, 0.009f, 0.05f);
    const V3 ridge = kBody.Surface(u, 0.0f), keel = kBody.Surface(u, kPi);
    const float upper = Length(p - ridge), lower = Length(p - keel);
    const float width = 0.034f;
    const float underDorsal = SmoothStep(kDorsalFin.fromX - 0.02f, kDorsalFin.fromX + 0.02f, p.x);
    const float underAnal = SmoothStep(kAnalFin.fromX - 0.02f, kAnalFin.fromX + 0.02f, p.x);
    const float rim = std::max(RimAt(upper, width) * (1.0f - underDorsal), RimAt(lower, width) * (1.0f - underAnal));
    c = Mix(c, RimColour(std::min(upper, lower), width), rim);
    return Matte(c, kBody.Normal(u, theta));
}

// A sail at a (front to rear) and b (root to edge): black with faint rays,
// the rim a fixed width inside its outline whatever the column's length.
inline Rgb SailColour(const SailFin& fin, Ridge ridge, float a, float b)
{
    const int n = static_cast<int>(fin.edge.size());
    const float at = a * (n - 1);
    const int c = std::min(static_cast<int>(at), n - 2);
    auto length = [&](int k) { return Length(SailEdge(fin, k) - SailRoot(fin, ridge, k, n)); };
    const float columnLength = Mix(length(c), length(c + 1), at - c);
    const float distance = (1.0f - b) * columnLength;
    const float ray = std::fabs(a * 14 - std::floor(a * 14) - 0.5f) * 2.0f;
    Rgb col = kVelvet * (0.92f + 0.12f * SmoothStep(0.0f, 0.5f, ray)) * (1.0f + 0.08f * kit::Fbm(a, b, 8, 2, 91u));
    const float width = 0.022f;
    return Mix(col, RimColour(distance, width), RimAt(distance, width));
}
inline Rgb DorsalColour(float a, float b) { return SailColour(kDorsalFin, Ridge::Back, a, b); }
inline Rgb AnalColour(float a, float b) { return SailColour(kAnalFin, Ridge::Belly, a, b); }

// The tail: dark at the root, smoky toward a thin orange edge.
inline const FinLook kTailLook{kit::FromBytes(40, 30, 30), kit::FromBytes(104, 84, 66), kRim, 0.88f, 2.0f, 16};
inline Rgb TailColour(float a, float b) { return FinColour(kTailLook, a, b, 19u); }

// The pectoral fins: clear, the dark flank showing through a smoky amber,
// a ray on each column of the fan (a across the fan, b root to edge).
inline const RayFinLook kPectoralLook{LitFlank(kBody, kPectoralX, 0.0f, kVelvet), kit::FromBytes(160, 116, 50),
                                      SizeOf<decltype(g_Fish19Pectoral)>().columns, 0.85f};
inline Rgb PectoralColour(float a, float b) { return RayFinColour(kPectoralLook, a, b, 7u); }

// A dark eye with a golden ring.
inline const EyeLook kEyeLook{kit::FromBytes(236, 178, 52), kit::FromBytes(96, 58, 22), kit::FromBytes(16, 12, 12)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kDorsalRegion, 0.015f, DorsalColour),
                             RegionLayer(kAnalRegion, 0.015f, AnalColour), RegionLayer(kTailFin, 0.02f, TailColour),
                             RegionLayer(kPectoralFin, 0.02f, PectoralColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook, kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kVelvet);
}

inline const bool kPictureRegistered = RegisterPicture(19, Paint);

}  // namespace fish19
