// Species 3, the freshwater angelfish (Pterophyllum scalare): its shape and
// the layout of its texture, shared by the mesh and the texture generators.
//
// Size-1 units: x along the body (snout toward -x), y across (the +y half is
// modelled, the game mirrors it), z up. The body is a tall, flat disc: a
// spine with a side outline (back and belly heights) and a thickness over
// u = 0 at the snout tip to 1 at the tail root, each cross-section a narrow
// oval. The tall dorsal and anal fins, the tail and the long ventral
// filaments are outlined sheets.
#pragma once
#include "gen_fish_kit.h"

namespace fish03 {

using namespace fishkit;

constexpr float kSnoutX = -0.305f;
constexpr float kTailRootX = 0.235f;
constexpr float kFirstColumnU = 0.045f;  // body column 0; the jaws close the snout in front of it
constexpr int kBodyColumns = 16;
constexpr int kBodyRows = 10;

inline float XOf(float u) { return kSnoutX + u * (kTailRootX - kSnoutX); }
inline float UOf(float x) { return (x - kSnoutX) / (kTailRootX - kSnoutX); }
inline float ColumnU(int j) { return kFirstColumnU + j * (1.0f - kFirstColumnU) / (kBodyColumns - 1); }
inline float ColumnX(int j) { return XOf(ColumnU(j)); }
inline float RowTheta(int r) { return kPi * r / (kBodyRows - 1); }

// Side outline: a pointed snout, a steep forehead up to the high back where
// the dorsal fin starts, a deep belly, a short tail stalk.
inline float Back(float u)
{
    static const Profile p{{0.0f, 0.004f},  {0.04f, 0.030f}, {0.10f, 0.075f}, {0.18f, 0.128f}, {0.27f, 0.175f},
                           {0.36f, 0.205f}, {0.45f, 0.212f}, {0.55f, 0.195f}, {0.66f, 0.155f}, {0.77f, 0.105f},
                           {0.87f, 0.065f}, {0.94f, 0.048f}, {1.0f, 0.042f}};
    return p(u);
}
inline float Belly(float u)
{
    static const Profile p{{0.0f, -0.004f}, {0.04f, -0.026f}, {0.10f, -0.062f}, {0.18f, -0.110f},
                           {0.27f, -0.158f}, {0.36f, -0.190f}, {0.45f, -0.200f}, {0.55f, -0.188f},
                           {0.66f, -0.150f}, {0.77f, -0.102f}, {0.87f, -0.063f}, {0.94f, -0.046f},
                           {1.0f, -0.040f}};
    return p(u);
}
// Half the thickness seen from above: a very flat fish.
inline float Thickness(float u)
{
    static const Profile p{{0.0f, 0.0f},    {0.03f, 0.012f}, {0.08f, 0.022f}, {0.16f, 0.032f}, {0.28f, 0.038f},
                           {0.42f, 0.037f}, {0.60f, 0.030f}, {0.80f, 0.020f}, {0.93f, 0.014f}, {1.0f, 0.012f}};
    return p(u);
}

// The body surface; theta 0 on the back ridge, pi on the belly.
inline V3 Surface(float u, float theta)
{
    const float top = Back(u), bottom = Belly(u);
    const float c = std::cos(theta), s = std::sin(theta);
    return {XOf(u), Thickness(u) * s * (1.0f + 0.08f * c), 0.5f * (top + bottom) + 0.5f * (top - bottom) * c};
}

// The outward normal of the surface (toward +y on the flank).
inline V3 SurfaceNormal(float u, float theta)
{
    const float e = 1e-3f;
    u = std::max(u, 0.006f);  // the snout tip itself is a single point
    theta = std::clamp(theta, 0.01f, kPi - 0.01f);
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

// The mouth: the jaws take body rows 0, 2, 4 (upper) and 4, 6, 9 (lower).
constexpr int kUpperJawRows[3] = {0, 2, 4};
constexpr int kLowerJawRows[3] = {4, 6, 9};
constexpr int kMouthRow = 4;

// The eye: centre on the head and the radius of its rim.
constexpr float kEyeX = -0.228f, kEyeZ = 0.040f, kEyeRadius = 0.048f;
constexpr float kIrisRho = 0.64f;  // the eye proper, in rim radii; skin beyond

// ---- the midline fins, outlined in the side view ----

// The dorsal fin stands on body segments 5 to 14, the anal fin on 7 to 14.
constexpr int kDorsalFirstSegment = 5, kAnalFirstSegment = 7;
inline const V3 kDorsalEdge[10] = {{0, 0, 0} /* see DorsalEdge */, {-0.085f, 0, 0.300f}, {-0.055f, 0, 0.372f},
                                   {-0.020f, 0, 0.424f}, {0.020f, 0, 0.458f},  {0.065f, 0, 0.474f},
                                   {0.130f, 0, 0.335f},  {0.180f, 0, 0.205f},  {0.205f, 0, 0.125f},
                                   {0.215f, 0, 0.072f}};
inline const V3 kLobeTip = {0.400f, 0.0f, 0.345f};         // the dorsal fin's trailing point
inline const V3 kAnalEdge[8] = {{0, 0, 0} /* see AnalEdge */, {-0.020f, 0, -0.300f}, {0.020f, 0, -0.392f},
                                {0.080f, 0, -0.440f}, {0.370f, 0, -0.360f},  {0.232f, 0, -0.232f},
                                {0.206f, 0, -0.130f}, {0.208f, 0, -0.068f}};

inline V3 DorsalRoot(int c)
{
    const float u = ColumnU(kDorsalFirstSegment + c);
    return {XOf(u), 0.0f, Back(u) - 0.003f};
}
inline V3 AnalRoot(int c)
{
    const float u = ColumnU(kAnalFirstSegment + c);
    return {XOf(u), 0.0f, Belly(u) + 0.003f};
}
// The first edge point of a fin rises just off its root: the leading edge starts low.
inline V3 DorsalEdge(int c) { return c == 0 ? DorsalRoot(0) + V3{0.004f, 0.0f, 0.010f} : kDorsalEdge[c]; }
inline V3 AnalEdge(int c) { return c == 0 ? AnalRoot(0) + V3{0.004f, 0.0f, -0.010f} : kAnalEdge[c]; }

// The tail: a fan with long upper and lower tips and a hollow edge between.
inline V3 TailEdge(int c)
{
    const float f = 1.0f - 2.0f * c / 14.0f;  // 1 at the upper tip, -1 at the lower
    const float angle = f * 40.0f * kPi / 180.0f;
    const float radius = 0.175f + 0.125f * std::pow(std::fabs(f), 5.0f);
    return {kTailRootX + std::cos(angle) * radius, 0.0f, std::sin(angle) * radius * 1.08f};
}

// The ventral filament: from the chest under the pectoral fin, down and back.
constexpr float kVentralRootX = -0.135f;
constexpr float kVentralLength = 0.44f;

// ---- the texture: 512 x 512, t = 0 at the bottom row ----

constexpr int kTextureWidth = 512, kTextureHeight = 512;

// The body over u (along) and v = theta / pi (0 back ridge, 1 belly): the upper half.
inline float BodyS(float u) { return 0.01f + 0.98f * u; }
inline float BodyT(float v) { return 0.985f - 0.47f * v; }
inline float BodyU(float s) { return (s - 0.01f) / 0.98f; }
inline float BodyV(float t) { return (0.985f - t) / 0.47f; }

// The midline fins (dorsal, anal, tail) as seen from the side: x in
// -0.16..0.56 and z in -0.6..0.6 over the lower left of the picture.
inline float FinPlaneS(float x) { return 0.005f + (x + 0.16f) * (0.6f / 0.72f); }
inline float FinPlaneT(float z) { return 0.25f + z * 0.4f; }
inline float FinPlaneX(float s) { return (s - 0.005f) / (0.6f / 0.72f) - 0.16f; }
inline float FinPlaneZ(float t) { return (t - 0.25f) / 0.4f; }
inline bool InFinPlane(float s, float t) { return s < 0.61f && t < 0.5f; }
inline void FinPlaneST(V3 p, float& s, float& t)
{
    s = FinPlaneS(p.x);
    t = FinPlaneT(p.z);
}

// The paired fins over a (along, 0..1) and b (0..1 across).
inline void PectoralST(float a, float b, float& s, float& t)
{
    s = 0.63f + 0.16f * a;
    t = 0.28f + 0.20f * b;
}
inline bool InPectoral(float s, float t) { return s >= 0.62f && s < 0.80f && t >= 0.27f && t < 0.5f; }
inline void VentralST(float a, float b, float& s, float& t)
{
    s = 0.63f + 0.36f * a;
    t = 0.03f + 0.08f * b;
}
inline bool InVentral(float s, float t) { return s >= 0.62f && t < 0.12f; }

// The eye: a disc of kEyePixels radius; rho 0 at the centre, 1 at the rim.
constexpr float kEyeS = 0.895f, kEyeT = 0.36f, kEyePixels = 46.0f;
inline void EyeST(float rho, float phi, float& s, float& t)
{
    s = kEyeS + rho * kEyePixels / kTextureWidth * std::cos(phi);
    t = kEyeT + rho * kEyePixels / kTextureHeight * std::sin(phi);
}

// Where on the head a point of the eye disc lies (rho in rim radii).
struct EyeFrame {
    float u, theta, perU, perTheta;
};
inline EyeFrame EyeOnHead()
{
    const float u = UOf(kEyeX), theta = ThetaAt(u, kEyeZ);
    const float e = 1e-3f;
    return {u, theta, Length(Surface(u + e, theta) - Surface(u - e, theta)) / (2 * e),
            Length(Surface(u, theta + e) - Surface(u, theta - e)) / (2 * e)};
}
inline void EyeToHead(const EyeFrame& f, float rho, float phi, float& u, float& theta)
{
    u = f.u + kEyeRadius * rho * std::cos(phi) / f.perU;
    theta = f.theta - kEyeRadius * rho * std::sin(phi) / f.perTheta;
}

}  // namespace fish03
