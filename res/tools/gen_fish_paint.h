// Painting kit of the fish textures. The game shows a fish's texture unlit,
// so each picture carries its own light: the body is shaded from the normal
// of the fish's surface (light from above), fins and eyes are painted round.
// A species' texture header registers its picture:
//   inline const bool kPictureRegistered = RegisterPicture("fishNN", Draw);
#pragma once
#include "gen_fish_kit.h"
#include "texture_kit.h"

#include <vector>

namespace fishpaint {

using fishkit::V3;
using kit::Mix;
using kit::Rgb;
using kit::SmoothStep;

struct Picture {
    const char* name;
    kit::Image (*draw)();
};
inline std::vector<Picture>& Pictures()
{
    static std::vector<Picture> pictures;
    return pictures;
}
inline bool RegisterPicture(const char* name, kit::Image (*draw)())
{
    Pictures().push_back({name, draw});
    return true;
}

// Light from above, a little ahead and on the seen side; the eye looks from the side.
inline const V3 kLight = fishkit::Normalize({-0.25f, 0.55f, 0.80f});
inline const V3 kHalfway = fishkit::Normalize(kLight + V3{0.0f, 1.0f, 0.15f});

// A colour lit at a surface normal: ambient, diffuse and a soft highlight.
inline Rgb Shade(Rgb c, V3 normal, float shine = 0.30f)
{
    const float lit = 0.40f + 0.70f * std::max(0.0f, fishkit::Dot(normal, kLight));
    const float spot = shine * std::pow(std::max(0.0f, fishkit::Dot(normal, kHalfway)), 28.0f);
    return c * lit + Rgb{spot, spot, spot};
}

// Overlapping scales of w x h (body units): a slight shadow along each
// scale's rear edge; 1 inside a scale.
inline float Scales(float x, float z, float w, float h, float depth = 0.07f)
{
    const float row = std::floor(z / h);
    const float shift = static_cast<int>(row) % 2 == 0 ? 0.0f : 0.5f * w;
    const float fx = (x + shift) / w - std::floor((x + shift) / w) - 0.5f;
    const float fz = z / h - row - 0.5f;
    return 1.0f - depth * SmoothStep(0.35f, 0.55f, std::sqrt(fx * fx * 1.2f + fz * fz));
}

// A fin at a (along, 0..1) and b (root 0 .. edge 1): rays, a little lighter
// toward the edge, then a margin of `margin` colour from b = marginStart.
struct FinLook {
    Rgb root, edge, margin;
    float marginStart = 0.84f;
    int rays = 18;
};
inline Rgb FinColour(const FinLook& look, float a, float b, uint32_t seed)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    Rgb c = Mix(look.root, look.edge, SmoothStep(0.2f, 0.8f, b));
    const float ray = std::fabs(a * look.rays - std::floor(a * look.rays) - 0.5f) * 2.0f;  // 0 on a ray
    c = c * (0.86f + 0.14f * SmoothStep(0.0f, 0.45f, ray));
    c = c * (1.0f + 0.04f * kit::Fbm(a, b, 8, 2, seed));
    c = Mix(c, look.margin, SmoothStep(look.marginStart, look.marginStart + 0.05f, b));
    return c * (0.80f + 0.18f * (1.0f - b));
}

// An eye at rho (0 centre .. 1 rim) in direction (dx, dy), y up: pupil, a
// bright ring, the iris, then the skin round it; a highlight up front.
struct EyeLook {
    Rgb ring, iris, skin;
};
inline Rgb EyeColour(const EyeLook& look, float rho, float dx, float dy)
{
    const float angle = std::atan2(dy, dx);
    const float streak = 0.85f + 0.15f * std::sin(angle * 23.0f) * std::sin(angle * 7.0f + 1.0f);
    Rgb c = kit::FromBytes(8, 8, 10);
    c = Mix(c, look.ring * streak, SmoothStep(0.40f, 0.45f, rho));
    c = Mix(c, look.iris * streak, SmoothStep(0.56f, 0.62f, rho));
    c = Mix(c, look.skin, SmoothStep(0.84f, 0.92f, rho));
    const float spot = std::hypot(rho * dx + 0.28f, rho * dy - 0.34f);
    return Mix(c, kit::FromBytes(250, 250, 246), 0.9f * (1.0f - SmoothStep(0.08f, 0.16f, spot)));
}

}  // namespace fishpaint
