// Colours of the pictures the game paints by code (dialog skin, icon,
// cursors): straight-alpha RGBA floats, composited and packed to 0xAARRGGBB.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

struct PaintColor {
    float r = 0, g = 0, b = 0, a = 0;
};

constexpr PaintColor PaintRgb(int r, int g, int b, float a = 1.0f)
{
    return PaintColor{r / 255.0f, g / 255.0f, b / 255.0f, a};
}

// `top` over `bottom`.
inline PaintColor Over(PaintColor top, PaintColor bottom)
{
    const float a = top.a + bottom.a * (1 - top.a);
    if (a <= 0)
        return PaintColor{};
    auto channel = [&](float t, float b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
    return PaintColor{channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b), a};
}

inline uint32_t PackArgb(const PaintColor& c)
{
    auto byte = [](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    return (byte(c.a) << 24) | (byte(c.r) << 16) | (byte(c.g) << 8) | byte(c.b);
}
