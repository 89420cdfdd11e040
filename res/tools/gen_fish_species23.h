// Species 23, the clownfish (Amphiprion ocellaris): its shape and the layout
// of its texture, shared by the mesh and the texture generators.
//
// Size-1 units: x along the body (snout toward -x), y across (the +y half is
// modelled, the game mirrors it), z up. The body is a spine with a side
// outline (back and belly heights) and a thickness over u = 0 at the snout tip
// to 1 at the tail root; each cross-section is an egg-shaped oval.
#pragma once
#include "gen_fish_kit.h"

namespace fish23 {

using namespace fishkit;

constexpr float kSnoutX = -0.47f;
constexpr float kTailRootX = 0.37f;
constexpr float kFirstColumnX = -0.425f;  // body column 0; the jaws close the snout in front of it
constexpr int kBodyColumns = 14;
constexpr int kBodyRows = 9;
constexpr int kMouthRow = 5;                 // the body row at which the jaws meet
constexpr float kMouthTheta = kPi * kMouthRow / (kBodyRows - 1);

inline float ColumnX(int j) { return kFirstColumnX + j * (kTailRootX - kFirstColumnX) / (kBodyColumns - 1); }
inline float UOf(float x) { return (x - kSnoutX) / (kTailRootX - kSnoutX); }
inline float XOf(float u) { return kSnoutX + u * (kTailRootX - kSnoutX); }

// Side outline: a blunt rounded head, the deepest point a third of the way
// back, a deep tail stalk.
inline float Back(float u)
{
    static const Profile p{{0.0f, -0.012f}, {0.02f, 0.030f}, {0.06f, 0.072f}, {0.12f, 0.110f}, {0.2f, 0.140f},
                           {0.3f, 0.158f},  {0.42f, 0.162f}, {0.55f, 0.150f}, {0.7f, 0.118f}, {0.82f, 0.082f},
                           {0.92f, 0.060f}, {1.0f, 0.052f}};
    return p(u);
}
inline float Belly(float u)
{
    static const Profile p{{0.0f, -0.012f}, {0.02f, -0.045f}, {0.06f, -0.080f}, {0.12f, -0.112f}, {0.2f, -0.136f},
                           {0.3f, -0.150f}, {0.42f, -0.150f}, {0.55f, -0.134f}, {0.7f, -0.100f}, {0.82f, -0.068f},
                           {0.92f, -0.052f}, {1.0f, -0.046f}};
    return p(u);
}
// Half the thickness seen from above.
inline float Thickness(float u)
{
    static const Profile p{{0.0f, 0.0f},    {0.02f, 0.032f}, {0.06f, 0.056f}, {0.12f, 0.074f}, {0.22f, 0.084f},
                           {0.35f, 0.082f}, {0.5f, 0.072f},  {0.7f, 0.052f},  {0.85f, 0.036f}, {1.0f, 0.028f}};
    return p(u);
}
inline float MidLine(float u) { return 0.5f * (Back(u) + Belly(u)); }

// The body surface; theta 0 on the back ridge, pi on the belly.
inline V3 Surface(float u, float theta)
{
    const float top = Back(u), bottom = Belly(u);
    const float c = std::cos(theta), s = std::sin(theta);
    return {XOf(u), Thickness(u) * s * (1.0f + 0.1f * c), 0.5f * (top + bottom) + 0.5f * (top - bottom) * c};
}

// The outward normal of the surface (toward +y on the flank).
inline V3 SurfaceNormal(float u, float theta)
{
    const float e = 1e-3f;
    u = std::max(u, 0.006f);  // the snout tip itself is a single point
    const V3 du = Surface(u + e, theta) - Surface(u - e, theta);
    const V3 dt = Surface(u, theta + e) - Surface(u, theta - e);
    return Normalize(Cross(du, dt));
}

// The theta at which the section at u reaches height z.
inline float ThetaAt(float u, float z)
{
    const float top = Back(u), bottom = Belly(u);
    const float c = std::clamp((z - 0.5f * (top + bottom)) / (0.5f * (top - bottom)), -1.0f, 1.0f);
    return std::acos(c);
}

// The eye: centre on the head and radius.
constexpr float kEyeX = -0.370f, kEyeZ = 0.048f, kEyeRadius = 0.036f;

// ---- the texture: 512 x 256, t = 0 at the bottom row ----

constexpr int kTextureWidth = 512, kTextureHeight = 256;

// The body over u (along) and v = theta / pi (0 back ridge, 1 belly): the upper half.
inline float BodyS(float u) { return 0.01f + 0.98f * u; }
inline float BodyT(float v) { return 0.97f - 0.44f * v; }
inline float BodyU(float s) { return (s - 0.01f) / 0.98f; }
inline float BodyV(float t) { return (0.97f - t) / 0.44f; }

// The fins over a (along the fin, 0..1) and b (0 at the root, 1 at the
// edge), in two styles: edged in black (dorsal, anal, pelvic and tail fins)
// and plain (the pectoral fins).
enum class FinStyle { Edged, Plain };
inline void FinST(FinStyle style, float a, float b, float& s, float& t)
{
    s = style == FinStyle::Edged ? 0.01f + 0.44f * a : 0.49f + 0.22f * a;
    t = 0.05f + 0.40f * b;
}
inline bool InFinArea(float s, float t) { return s < 0.73f && t < 0.48f; }
inline FinStyle FinStyleAt(float s) { return s < 0.47f ? FinStyle::Edged : FinStyle::Plain; }
inline float FinA(float s) { return s < 0.47f ? (s - 0.01f) / 0.44f : (s - 0.49f) / 0.22f; }
inline float FinB(float t) { return (t - 0.05f) / 0.40f; }

// The eye: a disc of kEyePixels radius; rho 0 at the centre, 1 at the rim.
constexpr float kEyeS = 0.86f, kEyeT = 0.25f, kEyePixels = 26.0f;
inline void EyeST(float rho, float phi, float& s, float& t)
{
    s = kEyeS + rho * kEyePixels / kTextureWidth * std::cos(phi);
    t = kEyeT + rho * kEyePixels / kTextureHeight * std::sin(phi);
}

}  // namespace fish23
