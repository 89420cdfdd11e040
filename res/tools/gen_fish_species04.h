// Species 4, the oscar (Astronotus ocellatus): its grids, body shape,
// segments, fin outlines and texture layout, shared by its mesh tables and
// its picture. A large, deep, oval cichlid with a big head, a steep forehead
// and thick lips; a long dorsal and anal fin whose soft rear lobes reach
// back over the base of the broad, rounded tail; rounded clear pectorals.
#pragma once
#include "fish/fish_species04_meshes.h"
#include "gen_fish_build.h"

namespace fish04 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish04Body)>();

constexpr float kSnoutX = -0.5f, kTailRootX = 0.2997f;
constexpr float U(float x) { return (x - kSnoutX) / (kTailRootX - kSnoutX); }

// Where the body's columns stand (x at size 1): the head's segments close
// together up to the pectoral fin's (8), then wider back to the tail root.
constexpr float kFrontX = -0.4495f, kPectoralX = -0.22f;
inline Segments ColumnSegments()
{
    Segments s;
    for (int j = 0; j < kBodySize.columns; ++j) {
        const float x = j <= 8 ? Mix(kFrontX, kPectoralX, j / 8.0f)
                               : Mix(kPectoralX, kTailRootX, (j - 8.0f) / (kBodySize.columns - 9.0f));
        s.u.push_back(U(x));
    }
    return s;
}
inline const Segments kSegments = ColumnSegments();

// The side outline and the half thickness, over x: a steep forehead rising
// from thick lips, the deepest point just behind the pectoral fin, a short
// deep tail stalk.
inline const BodyShape kBody{
    .snoutX = kSnoutX,
    .tailX = kTailRootX,
    .back = {{0.0f, -0.010f}, {U(-0.488f), 0.012f}, {U(-0.4495f), 0.071f}, {U(-0.41f), 0.114f},
             {U(-0.356f), 0.158f}, {U(-0.30f), 0.192f}, {U(-0.23f), 0.218f}, {U(-0.15f), 0.2313f},
             {U(-0.05f), 0.226f}, {U(0.05f), 0.200f}, {U(0.13f), 0.160f}, {U(0.20f), 0.120f},
             {U(0.25f), 0.098f}, {1.0f, 0.090f}},
    .belly = {{0.0f, -0.028f}, {U(-0.488f), -0.052f}, {U(-0.4495f), -0.096f}, {U(-0.41f), -0.110f},
              {U(-0.35f), -0.120f}, {U(-0.25f), -0.128f}, {U(-0.15f), -0.1292f}, {U(-0.05f), -0.122f},
              {U(0.05f), -0.100f}, {U(0.13f), -0.072f}, {U(0.20f), -0.046f}, {U(0.25f), -0.033f},
              {1.0f, -0.026f}},
    .thickness = {{0.0f, 0.0f}, {U(-0.488f), 0.026f}, {U(-0.4495f), 0.046f}, {U(-0.40f), 0.063f},
                  {U(-0.35f), 0.074f}, {U(-0.28f), 0.082f}, {U(-0.20f), 0.0848f}, {U(-0.10f), 0.081f},
                  {U(0.0f), 0.071f}, {U(0.10f), 0.056f}, {U(0.18f), 0.041f}, {U(0.24f), 0.027f},
                  {1.0f, 0.016f}},
    .egg = 0.08f,
};

constexpr int kMouthRow = 5;  // the body row at which the jaws meet

// ---- the fins, at size 1 (the +y half) ----

// Dorsal: columns 0 to 7 root over segments 8 to 15, columns 8 to 12 over
// segment 16 and the stalk behind it; the game draws the fin 0.02 lower
// than stored. The soft rear is a rounded lobe over the tail's base.
constexpr float kDorsalDrop = 0.02f;
constexpr float kDorsalHeight[] = {0.026f, 0.040f, 0.050f, 0.056f, 0.062f, 0.068f, 0.076f, 0.086f};
// Anal: columns 0 to 4 over segments 11 to 15, the rest round a lobe under
// the tail's base; the game draws it 0.02 higher than stored.
constexpr float kAnalLift = 0.02f;
constexpr float kAnalHeight[] = {0.030f, 0.050f, 0.064f, 0.076f, 0.086f};
// The lobes of the soft fins: centre and radii of the arc their edges follow.
struct Lobe {
    float x, z, rx, rz, from, to;  // angles in degrees, 0 toward the tail, 90 up
};
inline const Lobe kDorsalLobe{0.262f, 0.142f, 0.125f, 0.118f, 62.0f, -38.0f};
inline const Lobe kAnalLobe{0.232f, -0.060f, 0.090f, 0.112f, -62.0f, 12.0f};
constexpr float kSoftFinSide = 0.003f;  // the lobes stand this far off the midline, by the tail

// Pectoral: seven root points up the flank behind the gill cover (segment
// 8), the edge a broad rounded fan held out and back.
constexpr float kPectoralTop = 0.030f, kPectoralBottom = -0.062f;

// Pelvic: rooted under the chest at segment 7.5, long and pointed, back and down.
constexpr float kPelvicSegment = 7.5f;

// Tail: nine root points down the tail root (segment 17), the edge a broad fan.
constexpr float kTailCentreZ = 0.036f;

// ---- the texture: 512 x 512, laid at t 1..2 ----

inline const PictureSize kPicture{512, 512};
// The body over u and theta / pi: the ridge at the top.
inline const Region kSkin{0.068f, 1.58f, 0.994f, 1.006f};
// The midline fins (dorsal, anal, tail) on the fish's side view.
inline const SideView kFinView{{0.01f, 1.61f, 0.70f, 1.99f}, -0.26f, 0.52f, -0.20f, 0.31f};
// The paired fins over a (along) and b (root to edge).
inline const Region kPectoralFin{0.72f, 1.61f, 0.99f, 1.75f};
inline const Region kPelvicFin{0.72f, 1.77f, 0.85f, 1.99f};
inline const EyeDisc kEyeDisc{0.925f, 1.885f, 30.0f, kPicture};

// The eye stands over segment 3, whose bend it takes.
constexpr float kEyeX = kFrontX + (kPectoralX - kFrontX) * 3.0f / 8.0f;
inline const EyeDome kEye{.x = kEyeX, .z = 0.058f, .radius = 0.024f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.010f, 0.008f, 0.004f}};

// The eyespot at the tail's base, on the side view.
constexpr float kOcellusX = 0.322f, kOcellusZ = 0.058f, kOcellusRadius = 0.034f;

}  // namespace fish04
