// Species 5, the German blue ram (Mikrogeophagus ramirezi): its grids, body
// shape, segments, fin outlines and texture layout, shared by its mesh tables
// and its picture. A deep, short, laterally flat dwarf cichlid: a steep
// forehead over a small mouth, a high back carrying one long dorsal fin whose
// first rays stand taller, a rounded tail, pointed pelvic fins under the chest.
#pragma once
#include "fish/fish_species05_meshes.h"
#include "gen_fish_build.h"

namespace fish05 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish05Body)>();

// Where the body's columns stand (x at size 1), head to tail root.
constexpr float kColumnX[] = {-0.442f, -0.393f, -0.339f, -0.272f, -0.205f, -0.138f, -0.072f,
                              -0.005f, 0.062f,  0.129f,  0.196f,  0.263f,  0.317f,  0.339f};
static_assert(std::size(kColumnX) == static_cast<size_t>(kBodySize.columns));

constexpr float kSnoutX = -0.5f, kTailRootX = 0.339f;
constexpr float U(float x) { return (x - kSnoutX) / (kTailRootX - kSnoutX); }

// Back and belly heights and the half thickness at the columns; the head in
// front of column 0 closes to the mouth.
inline const BodyShape kBody{
    .snoutX = kSnoutX,
    .tailX = kTailRootX,
    .back = {{0.0f, -0.070f}, {U(-0.472f), -0.010f}, {U(-0.442f), 0.065f}, {U(-0.393f), 0.114f},
             {U(-0.339f), 0.148f}, {U(-0.272f), 0.169f}, {U(-0.205f), 0.172f}, {U(-0.138f), 0.169f},
             {U(-0.072f), 0.162f}, {U(-0.005f), 0.152f}, {U(0.062f), 0.136f}, {U(0.129f), 0.113f},
             {U(0.196f), 0.081f}, {U(0.263f), 0.044f}, {U(0.317f), 0.031f}, {1.0f, 0.028f}},
    .belly = {{0.0f, -0.070f}, {U(-0.472f), -0.112f}, {U(-0.442f), -0.142f}, {U(-0.393f), -0.156f},
              {U(-0.339f), -0.182f}, {U(-0.272f), -0.198f}, {U(-0.205f), -0.200f}, {U(-0.138f), -0.202f},
              {U(-0.072f), -0.198f}, {U(-0.005f), -0.183f}, {U(0.062f), -0.166f}, {U(0.129f), -0.140f},
              {U(0.196f), -0.104f}, {U(0.263f), -0.064f}, {U(0.317f), -0.050f}, {1.0f, -0.046f}},
    .thickness = {{0.0f, 0.0f}, {U(-0.472f), 0.026f}, {U(-0.442f), 0.040f}, {U(-0.393f), 0.048f},
                  {U(-0.339f), 0.054f}, {U(-0.272f), 0.057f}, {U(-0.205f), 0.058f}, {U(-0.138f), 0.057f},
                  {U(-0.072f), 0.054f}, {U(-0.005f), 0.049f}, {U(0.062f), 0.041f}, {U(0.129f), 0.031f},
                  {U(0.196f), 0.022f}, {U(0.263f), 0.015f}, {U(0.317f), 0.011f}, {1.0f, 0.009f}},
    .egg = 0.12f,
};

inline Segments ColumnSegments()
{
    Segments s;
    for (float x : kColumnX)
        s.u.push_back(U(x));
    return s;
}
inline const Segments kSegments = ColumnSegments();

constexpr int kMouthRow = 5;  // the body row at which the two head pieces meet

// ---- the fins, at size 1 (the +y half; the game mirrors it) ----

// Dorsal: column c roots over segment 2.5 + c (its bend is the mean of
// segments 2 + c and 3 + c); the root row is drawn 0.01 higher than stored.
constexpr float kDorsalFirstSegment = 2.5f;
constexpr float kDorsalRootLift = 0.01f;
// Edge heights over the ridge per column: the first rays taller, the soft
// rear drawn out to a point above the tail root.
constexpr float kDorsalHeight[] = {0.060f, 0.092f, 0.082f, 0.066f, 0.060f, 0.058f,
                                   0.058f, 0.060f, 0.066f, 0.072f, 0.050f};
constexpr float kDorsalLean[] = {0.25f, 0.35f, 0.45f, 0.45f, 0.45f, 0.45f, 0.5f, 0.6f, 0.8f, 1.0f, 1.3f};

// Anal: column c over segment 6 + c, the rear rays longer and swept back.
constexpr float kAnalFirstSegment = 6.0f;
constexpr float kAnalHeight[] = {0.030f, 0.048f, 0.056f, 0.060f, 0.064f, 0.058f};
constexpr float kAnalLean[] = {0.3f, 0.5f, 0.7f, 0.9f, 1.0f, 1.1f};

// Tail: column 0 on segment 12, the others on 13; the edge a rounded fan.
constexpr float kTailCentreZ = -0.020f;

// Pectoral: root in the flank behind the gill cover at segment 3, the tip
// out and back; column 0 is the tip (it beats most), the last the root.
inline const V3 kPectoralRoot = {-0.272f, 0.040f, -0.040f};
inline const V3 kPectoralTip = {-0.186f, 0.165f, -0.068f};
constexpr float kPectoralWidth = 0.058f;

// Pelvic: five roots close together under the chest (segments 2.9 to 3.1),
// the edge from the long leading ray round to the trailing end by the belly.
constexpr float kPelvicFrom = 2.9f, kPelvicTo = 3.1f;
constexpr float kPelvicSplay = 0.022f;  // off the midline, so the pair stands apart

// ---- the texture: 512 x 512, laid at t 1..2 ----

inline const PictureSize kPicture{512, 512};
// The body over u and theta / pi: the ridge at the top.
inline const Region kSkin{0.07f, 1.31f, 0.98f, 1.03f};
// The fins over a (along the fin, head to tail or top to bottom) and b
// (root to edge).
inline const Region kDorsalFin{0.01f, 1.34f, 0.69f, 1.56f};
inline const Region kAnalFin{0.01f, 1.59f, 0.40f, 1.75f};
inline const Region kTailFin{0.43f, 1.59f, 0.69f, 1.99f};
// The paired fins over a (along) and b (across).
inline const Region kPectoralFin{0.72f, 1.34f, 0.99f, 1.50f};
inline const Region kPelvicFin{0.72f, 1.53f, 0.99f, 1.70f};
inline const EyeDisc kEyeDisc{0.855f, 1.845f, 44.0f, kPicture};

inline const EyeDome kEye{.x = -0.389f, .z = 0.067f, .radius = 0.024f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.008f, 0.006f, 0.0015f}};

}  // namespace fish05
