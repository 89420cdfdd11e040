// The body of a fish as one value: a spine from the snout tip to the tail
// root, a side outline (back and belly heights) and a thickness along it,
// and an oval cross-section. Size-1 units: x along the body (the snout toward
// -x), y across (the +y half is modelled, the game mirrors it), z up; u runs
// from 0 at the snout tip to 1 at the tail root, theta round the section
// from 0 on the back ridge to pi on the belly.
#pragma once
#include "gen_fish_kit.h"

namespace fishkit {

// Where a disc of the given radius (an eye) lies on the surface: the point at
// rho (in disc radii) and phi (0 toward the tail, pi / 2 up) in (u, theta).
struct SurfaceSpot {
    float u = 0, theta = 0;
    float perU = 1, perTheta = 1;  // surface length per unit of u and of theta
    float radius = 0;
    void At(float rho, float phi, float& pu, float& ptheta) const
    {
        pu = u + radius * rho * std::cos(phi) / perU;
        ptheta = theta - radius * rho * std::sin(phi) / perTheta;
    }
};

struct BodyShape {
    float snoutX = -0.5f;  // the spine: x at u = 0 (the snout tip) ...
    float tailX = 0.5f;    // ... and at u = 1 (the tail root)
    Profile back;          // height of the back ridge over u
    Profile belly;         // height of the belly over u
    Profile thickness;     // half the thickness seen from above, over u
    float egg = 0.1f;      // the section is this much wider toward the back (negative: toward the belly)

    float XOf(float u) const { return snoutX + u * (tailX - snoutX); }
    float UOf(float x) const { return (x - snoutX) / (tailX - snoutX); }
    float Back(float u) const { return back(u); }
    float Belly(float u) const { return belly(u); }
    float Thickness(float u) const { return thickness(u); }
    float MidLine(float u) const { return 0.5f * (back(u) + belly(u)); }

    V3 Surface(float u, float theta) const
    {
        const float top = back(u), bottom = belly(u);
        const float c = std::cos(theta), s = std::sin(theta);
        return {XOf(u), thickness(u) * s * (1.0f + egg * c), 0.5f * (top + bottom) + 0.5f * (top - bottom) * c};
    }

    // The outward normal (toward +y on the flank).
    V3 Normal(float u, float theta) const
    {
        const float e = 1e-3f;
        u = std::max(u, 0.006f);  // the snout tip itself is a single point
        theta = std::clamp(theta, 0.01f, kPi - 0.01f);
        const V3 du = Surface(u + e, theta) - Surface(u - e, theta);
        const V3 dt = Surface(u, theta + e) - Surface(u, theta - e);
        return Normalize(Cross(du, dt));
    }

    // The theta at which the section at u reaches height z.
    float ThetaAt(float u, float z) const
    {
        const float top = back(u), bottom = belly(u);
        const float c = std::clamp((z - 0.5f * (top + bottom)) / (0.5f * (top - bottom)), -1.0f, 1.0f);
        return std::acos(c);
    }

    // The point of the flank at x and height z, lifted off the surface by `lift`.
    V3 OnFlank(float x, float z, float lift) const
    {
        const float u = UOf(x), theta = ThetaAt(u, z);
        return Surface(u, theta) + Normal(u, theta) * lift;
    }

    // A disc centred at (x, z) on the flank.
    SurfaceSpot Spot(float x, float z, float radius) const
    {
        const float u = UOf(x), theta = ThetaAt(u, z), e = 1e-3f;
        return {u,
                theta,
                Length(Surface(u + e, theta) - Surface(u - e, theta)) / (2 * e),
                Length(Surface(u, theta + e) - Surface(u, theta - e)) / (2 * e),
                radius};
    }
};

}  // namespace fishkit
