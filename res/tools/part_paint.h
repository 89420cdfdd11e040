// Painting a rectangular part of a plant picture by its own coordinates:
// u along the part (its t, 0 to 1) and a across or around it (its s, 0 to
// 1), held at the part's edges in the margin PaintRect adds.
#pragma once
#include "plant_textures.h"

namespace plant_textures {

inline void PaintPart(Image& img, const leaf::TexRect& r, const std::function<Rgb(float u, float a, float px, float py)>& f)
{
    PaintRect(img, r.s0, r.s1, r.t0, r.t1, [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - r.t0) / (r.t1 - r.t0)));
        const float a = Clamp01(static_cast<float>((s - r.s0) / (r.s1 - r.s0)));
        return f(u, a, px, py);
    });
}

}  // namespace plant_textures
