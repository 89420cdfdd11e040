// Species 23, the clownfish (Amphiprion ocellaris): its picture, fish23.
// Vivid orange with three white bars edged in black (behind the eye, mid-body
// bulging forward, on the tail stalk), fins with a thin black band inside a
// pale rim but for the plain pectorals, a dark eye with a golden ring.
#pragma once
#include "gen_fish_paint.h"
#include "gen_fish_species23.h"

namespace fish23 {

using namespace fishpaint;

inline const Rgb kOrange = kit::FromBytes(246, 96, 14);
inline const Rgb kBellyOrange = kit::FromBytes(255, 146, 48);
inline const Rgb kWhite = kit::FromBytes(250, 250, 246);
inline const Rgb kBlack = kit::FromBytes(16, 12, 12);

// How much of the white of a bar and of its black border lies at (x, z), in
// size-1 body coordinates (soft steps between).
struct Bar {
    float white, black;
};
inline Bar Bars(float x, float z)
{
    const float edge = 0.0065f, soft = 0.0018f;
    auto band = [&](float centre, float half) {
        const float d = std::fabs(x - centre) - half;
        return Bar{1.0f - SmoothStep(-soft, soft, d), 1.0f - SmoothStep(edge - soft, edge + soft, d)};
    };
    const float bulge = 0.5f + 0.5f * std::cos(kPi * std::min(1.0f, std::fabs(z + 0.005f) / 0.085f));
    const Bar bars[3] = {band(-0.272f - 1.2f * z * z, 0.021f),   // behind the eye, curved back
                         band(0.022f - 0.05f * bulge, 0.025f),  // mid-body, its middle bulging forward
                         band(0.338f, 0.014f)};                 // on the tail stalk
    Bar out{0, 0};
    for (const Bar& b : bars) {
        out.white = std::max(out.white, b.white);
        out.black = std::max(out.black, b.black);
    }
    return out;
}

inline Rgb BodyColour(float u, float v)
{
    const float theta = v * kPi;
    const V3 p = kBody.Surface(u, theta);
    Rgb c = Mix(kOrange, kBellyOrange, SmoothStep(0.45f, 1.0f, v));
    c = Mix(c, kit::FromBytes(232, 70, 10), 0.35f * (1.0f - SmoothStep(0.0f, 0.25f, u)));  // redder face
    c = c * Scales(p.x, p.z, 0.0135f, 0.0115f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 23u));
    const Bar bar = Bars(p.x, p.z);
    c = Mix(c, kBlack, bar.black);
    c = Mix(c, kWhite, bar.white);
    // The mouth: a dark line where the jaws meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.02f, 0.075f, u);
    const float mouthV = static_cast<float>(kMouthRow) / (kBodySize.rows - 1);
    c = Mix(c, kit::FromBytes(90, 30, 10), lips * (1.0f - SmoothStep(0.006f, 0.02f, std::fabs(v - mouthV))));
    // Gill cover: a faint fold just ahead of the head bar.
    const float gill = std::fabs(p.x - (-0.300f - 1.0f * p.z * p.z));
    c = c * (1.0f - 0.18f * (1.0f - SmoothStep(0.0f, 0.004f, gill)) * (1.0f - bar.white));
    return Shade(c, kBody.Normal(u, theta));
}

// The black band of a fin stops short of its rim, which is pale (the thin
// fin lets the light through): a fin seen edge-on, from behind, shows its
// rim, not a black stripe.
inline const FinLook kEdgedFin{kit::FromBytes(250, 104, 20), kit::FromBytes(255, 150, 60), kBlack, 0.86f, 0.95f};
inline const FinLook kPlainFin{kit::FromBytes(250, 104, 20), kit::FromBytes(255, 150, 60), kit::FromBytes(200, 70, 12),
                               0.9f};
inline Rgb EdgedFinColour(float a, float b)
{
    return Mix(FinColour(kEdgedFin, a, b, 77u), kit::FromBytes(255, 214, 170), 0.6f * SmoothStep(0.96f, 1.0f, b));
}
inline Rgb PlainFinColour(float a, float b) { return FinColour(kPlainFin, a, b, 77u); }

// A dark eye with a golden ring, on the head's own skin.
inline const EyeLook kEyeLook{kit::FromBytes(240, 150, 40), kit::FromBytes(60, 26, 10), kit::FromBytes(40, 18, 8)};

inline kit::Image Paint()
{
    return fishpaint::Paint(kPicture,
                            {RegionLayer(kSkin, 0.03f, BodyColour), RegionLayer(kEdgedFins, 0.02f, EdgedFinColour),
                             RegionLayer(kPlainFins, 0.02f, PlainFinColour),
                             EyeLayer(kEyeDisc, 1.3f, kEyeLook,
                                      kBody.Spot(kEye.x, kEye.z, kEye.radius), BodyColour)},
                            kOrange * 0.8f);
}

inline const bool kPictureRegistered = RegisterPicture(23, Paint);

}  // namespace fish23
