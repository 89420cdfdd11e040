// The layout of a species texture, shared by its mesh tables (texture
// coordinates) and its picture (what is painted where): rectangles mapped
// from a part's own coordinates, the fish's side view on a rectangle (for
// fins whose pattern continues the body's), and round discs (eyes).
// Texture coordinates run s 0..1 left to right and t 0..1 bottom to top.
#pragma once
#include "gen_fish_kit.h"

#include <functional>

namespace fishkit {

struct ST {
    float s = 0, t = 0;
};

struct PictureSize {
    int width = 512, height = 256;
};

// A rectangle: a runs from s0 to s1 and b from t0 to t1 (either may run backwards).
struct Region {
    float s0 = 0, t0 = 0, s1 = 1, t1 = 1;

    ST At(float a, float b) const { return {s0 + a * (s1 - s0), t0 + b * (t1 - t0)}; }
    float A(float s) const { return (s - s0) / (s1 - s0); }
    float B(float t) const { return (t - t0) / (t1 - t0); }
    // Inside the rectangle grown by `bleed` on every side.
    bool Holds(float s, float t, float bleed = 0) const
    {
        return s >= std::min(s0, s1) - bleed && s <= std::max(s0, s1) + bleed && t >= std::min(t0, t1) - bleed &&
               t <= std::max(t0, t1) + bleed;
    }
};

// The side view of the fish, x from x0 to x1 and z from z0 to z1, on a region.
struct SideView {
    Region region;
    float x0 = -0.5f, x1 = 0.5f, z0 = -0.5f, z1 = 0.5f;

    ST At(V3 p) const { return region.At((p.x - x0) / (x1 - x0), (p.z - z0) / (z1 - z0)); }
    float X(float s) const { return x0 + region.A(s) * (x1 - x0); }
    float Z(float t) const { return z0 + region.B(t) * (z1 - z0); }
};

// A disc round in pixels: centre (s, t) and radius in pixels of a picture.
struct EyeDisc {
    float s = 0.5f, t = 0.5f, pixels = 24;
    PictureSize picture;

    // The point at rho (0 centre .. 1 rim) and phi (0 toward +s, pi / 2 toward +t).
    ST At(float rho, float phi) const
    {
        return {s + rho * pixels / picture.width * std::cos(phi), t + rho * pixels / picture.height * std::sin(phi)};
    }
    // The place of (s, t) in the disc: rho in radii, (dx, dy) its direction.
    void Polar(float ps, float pt, float& rho, float& dx, float& dy) const
    {
        const float ex = (ps - s) * picture.width / pixels, ey = (pt - t) * picture.height / pixels;
        rho = std::hypot(ex, ey);
        dx = rho > 0 ? ex / rho : 1.0f;
        dy = rho > 0 ? ey / rho : 0.0f;
    }
};

// How a point of a sheet (a fin) gets its texture coordinate: from its place
// on the sheet (a along its columns 0..1, b from root 0 to edge 1) or from
// where it lies.
using SheetTex = std::function<ST(float a, float b, V3 p)>;

inline SheetTex OnRegion(const Region& r)
{
    return [r](float a, float b, V3) { return r.At(a, b); };
}
inline SheetTex OnSide(const SideView& v)
{
    return [v](float, float, V3 p) { return v.At(p); };
}

}  // namespace fishkit
