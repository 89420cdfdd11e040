// Species 23, the clownfish (Amphiprion ocellaris): its texture, fish23.
// Vivid orange with three white bars edged in black (behind the eye, mid-body
// bulging forward, on the tail stalk), fins edged in black but for the plain
// pectorals, a dark eye with a golden ring.
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
    const V3 p = Surface(u, theta);
    Rgb c = Mix(kOrange, kBellyOrange, SmoothStep(0.45f, 1.0f, v));
    c = Mix(c, kit::FromBytes(232, 70, 10), 0.35f * (1.0f - SmoothStep(0.0f, 0.25f, u)));  // redder face
    c = c * Scales(p.x, p.z, 0.0135f, 0.0115f);
    c = c * (1.0f + 0.05f * kit::Fbm(u, v, 6, 3, 23u));
    const Bar bar = Bars(p.x, p.z);
    c = Mix(c, kBlack, bar.black);
    c = Mix(c, kWhite, bar.white);
    // The mouth: a dark line where the jaws meet, toward the snout.
    const float lips = 1.0f - SmoothStep(0.02f, 0.075f, u);
    c = Mix(c, kit::FromBytes(90, 30, 10), lips * (1.0f - SmoothStep(0.006f, 0.02f, std::fabs(v - kMouthTheta / kPi))));
    // Gill cover: a faint fold just ahead of the head bar.
    const float gill = std::fabs(p.x - (-0.300f - 1.0f * p.z * p.z));
    c = c * (1.0f - 0.18f * (1.0f - SmoothStep(0.0f, 0.004f, gill)) * (1.0f - bar.white));
    return Shade(c, SurfaceNormal(u, theta));
}

inline kit::Image Draw()
{
    const FinLook edged{kit::FromBytes(250, 104, 20), kit::FromBytes(255, 150, 60), kBlack, 0.84f};
    const FinLook plain{kit::FromBytes(250, 104, 20), kit::FromBytes(255, 150, 60), kit::FromBytes(200, 70, 12), 0.9f};
    const EyeLook eye{kit::FromBytes(240, 150, 40), kit::FromBytes(60, 26, 10), kOrange * 0.85f};
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
            else if (InFinArea(s, t))
                c = FinColour(FinStyleAt(s) == FinStyle::Edged ? edged : plain, FinA(s), FinB(t), 77u);
            else if (rho < 1.3f)
                c = EyeColour(eye, std::min(rho, 1.0f), rho > 0 ? ex / rho : 0.0f, rho > 0 ? ey / rho : 0.0f);
            else
                c = kOrange * 0.8f;
            image.at(x, y) = c;
        }
    return image;
}

inline const bool kPictureRegistered = RegisterPicture("fish23", Draw);

}  // namespace fish23
