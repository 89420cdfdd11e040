// Species 18, the harlequin rasbora (Trigonostigma heteromorpha): its grids,
// body shape, segments, fin outlines and texture layout, shared by its mesh
// tables and its picture. A small, deep, flat-sided body with a pointed head,
// a big eye and a small upturned mouth, the back arching to a dorsal fin a
// little behind the middle, a narrow tail stalk and a deeply forked tail.
#pragma once
#include "fish/fish_species18_meshes.h"
#include "gen_fish_build.h"

namespace fish18 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish18Body)>();

// Deepest a little ahead of the middle; the snout tip and the mouth stand
// above the centre line; the tail stalk about a quarter of the deepest.
inline const BodyShape kBody{
    .snoutX = -0.47f,
    .tailX = 0.32f,
    .back = {{0.0f, 0.030f}, {0.05f, 0.058f}, {0.10f, 0.080f}, {0.17f, 0.100f}, {0.25f, 0.118f}, {0.35f, 0.130f},
             {0.47f, 0.134f}, {0.58f, 0.129f}, {0.68f, 0.115f}, {0.78f, 0.092f}, {0.88f, 0.070f}, {1.0f, 0.056f}},
    .belly = {{0.0f, 0.014f}, {0.03f, -0.010f}, {0.06f, -0.035f}, {0.12f, -0.075f}, {0.2f, -0.112f},
              {0.3f, -0.148f}, {0.4f, -0.164f}, {0.5f, -0.160f}, {0.6f, -0.136f}, {0.7f, -0.095f},
              {0.8f, -0.060f}, {0.9f, -0.034f}, {1.0f, -0.020f}},
    .thickness = {{0.0f, 0.0f}, {0.03f, 0.016f}, {0.08f, 0.032f}, {0.16f, 0.046f}, {0.3f, 0.056f}, {0.45f, 0.058f},
                  {0.6f, 0.052f}, {0.75f, 0.038f}, {0.9f, 0.020f}, {1.0f, 0.006f}},
    .egg = 0.05f,
};

// Where the body's columns stand, x from the head back: column 0 just
// behind the jaws (they turn with the first bend angle), 0.5 at the eye, 4
// at the pectoral fin, 6 at the pelvic fin, 7.5 where the anal fin starts,
// 10 to 12 under the dorsal fin, 14 at the tail root.
inline const float kColumnX[] = {-0.430f, -0.350f, -0.315f, -0.285f, -0.255f, -0.205f, -0.140f, -0.070f,
                                 -0.040f, -0.015f, 0.010f,  0.055f,  0.100f,  0.200f,  0.320f};
inline const Segments kSegments = SegmentsAtX(kBody, kColumnX);
inline float SegmentX(float segment) { return kBody.XOf(kSegments.U(segment)); }

// The jaws meet at the side of the snout; the lower jaw reaches a little
// further forward than the upper.
constexpr float kLipsTheta = 0.5f * kPi;
constexpr float kUpperJawTipU = 0.012f;

// The eye over segment 0.5, above the centre line, large for the head.
inline const EyeDome kEye{.x = SegmentX(0.5f), .z = 0.028f, .radius = 0.036f, .rings = {1.0f, 0.6f, 0.0f},
                          .lifts = {0.002f, 0.008f, 0.014f}};

// The midline fins: the segment each root column stands on (those sharing
// a segment a little apart along it), and each column's edge as a rise and
// a lean back from its root.
constexpr float kPleat = 0.004f;  // the edge's rays alternately this far to either side
struct MidlineOutline {
    std::vector<float> segments;
    std::vector<float> height;
    std::vector<float> lean;
};
// The dorsal fin: a short low front ray, the tall second ray, the edge
// falling away behind to a short last ray.
inline const MidlineOutline kDorsalFin{{9.85f, 10.0f, 10.15f, 10.85f, 11.0f, 11.15f, 11.9f, 12.1f},
                                       {0.040f, 0.108f, 0.118f, 0.104f, 0.088f, 0.070f, 0.050f, 0.030f},
                                       {0.30f, 0.40f, 0.55f, 0.68f, 0.78f, 0.88f, 1.00f, 1.10f}};
// The anal fin: its front rays the longest, the edge shortening toward the
// tail stalk.
inline const MidlineOutline kAnalFin{
    {7.5f, 7.9f, 8.1f, 8.4f, 8.6f, 8.9f, 9.1f, 9.9f, 10.1f, 10.9f, 11.1f, 11.85f, 12.0f, 12.15f},
    {0.024f, 0.062f, 0.072f, 0.074f, 0.070f, 0.064f, 0.058f, 0.050f, 0.045f, 0.038f, 0.033f, 0.027f, 0.022f, 0.016f},
    {0.30f, 0.45f, 0.55f, 0.62f, 0.68f, 0.74f, 0.80f, 0.86f, 0.90f, 0.95f, 1.00f, 1.05f, 1.10f, 1.15f}};

// The tail: its roots up the stalk's end, over the last segment; the edge
// from the upper lobe's tip in to the fork and out to the lower tip.
constexpr float kTailRootX = 0.318f, kTailRootTop = 0.048f, kTailRootBottom = -0.012f;
constexpr float kTailMid = 0.018f, kTailTipX = 0.520f, kTailLobe = 0.112f, kForkX = 0.410f;
constexpr float kTailTilt = 0.14f, kTailCup = 0.008f;

// The pectoral fins behind the gill cover, low on the flank, over segment 4;
// the pelvic fins on the belly over segment 6.
constexpr float kPectoralTop = -0.040f, kPectoralBottom = -0.072f;
constexpr float kPelvicTheta0 = 0.80f * kPi, kPelvicTheta1 = 0.92f * kPi;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body and the jaws over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.98f, 0.99f, 0.52f};
// The fins over a (along the fin, the tail from its upper tip to the lower)
// and b (root to edge).
inline const Region kDorsalRegion{0.01f, 0.05f, 0.17f, 0.45f};
inline const Region kAnalRegion{0.19f, 0.05f, 0.43f, 0.45f};
inline const Region kTailRegion{0.46f, 0.05f, 0.68f, 0.45f};
inline const Region kPectoralRegion{0.71f, 0.05f, 0.84f, 0.22f};
inline const Region kPelvicRegion{0.71f, 0.27f, 0.84f, 0.45f};
// The inside of the mouth, which shows while the jaws are open.
inline const Region kMouthRegion{0.88f, 0.41f, 0.96f, 0.46f};
inline const EyeDisc kEyeDisc{0.92f, 0.22f, 22.0f, kPicture};

// The black wedge on the rear half, in the side view: its front edge
// standing under the dorsal fin's start, its upper edge running back under
// the back, its lower edge rising to the point at the tail root.
constexpr float kWedgeFrontX = -0.020f, kWedgeTipX = 0.316f;
constexpr float kWedgeTopFront = 0.088f, kWedgeTopTip = 0.034f;
constexpr float kWedgeBottomFront = -0.096f, kWedgeBottomTip = 0.006f;

}  // namespace fish18
