// Species 2, the fancy guppy (Poecilia reticulata), a male: its grids, body
// shape, segments, fin outlines and texture layout, shared by its mesh
// tables and its picture. A small slender body with a short upturned snout
// and big eyes, a long flag of a dorsal fin trailing over the tail, and a
// great delta tail wider than the body is long.
#pragma once
#include "fish/fish_species02_meshes.h"
#include "gen_fish_build.h"

namespace fish02 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish02Body)>();

// The snout tip at -0.5, the deepest point at the front of the dorsal fin,
// a long narrow tail stalk; sections slightly wider toward the back.
inline const BodyShape kBody{
    .snoutX = -0.5f,
    .tailX = 0.108f,
    .back = {{0.0f, 0.034f}, {0.04f, 0.052f}, {0.09f, 0.066f}, {0.18f, 0.080f}, {0.32f, 0.094f}, {0.44f, 0.1f},
             {0.56f, 0.094f}, {0.70f, 0.072f}, {0.84f, 0.054f}, {1.0f, 0.045f}},
    .belly = {{0.0f, 0.006f}, {0.04f, -0.018f}, {0.09f, -0.036f}, {0.18f, -0.058f}, {0.30f, -0.080f},
              {0.40f, -0.089f}, {0.50f, -0.082f}, {0.62f, -0.058f}, {0.76f, -0.034f}, {0.88f, -0.025f},
              {1.0f, -0.021f}},
    .thickness = {{0.0f, 0.0f}, {0.04f, 0.022f}, {0.10f, 0.036f}, {0.20f, 0.047f}, {0.34f, 0.053f}, {0.50f, 0.046f},
                  {0.66f, 0.031f}, {0.82f, 0.016f}, {0.94f, 0.008f}, {1.0f, 0.005f}},
    .egg = 0.12f,
};

// Where the body's columns stand: the head's columns close together up to
// the pectoral fin (column 12), wider to the pelvic fin (16), then the
// dorsal fin's run to the tail's root (21) and the stalk's end (22).
inline Segments MakeSegments()
{
    const float knots[][2] = {{0, -0.455f}, {12, -0.300f}, {16, -0.190f}, {21, 0.040f}, {22, 0.108f}};
    Segments s;
    for (int j = 0; j < kBodySize.columns; ++j) {
        int k = 0;
        while (knots[k + 1][0] < j)
            ++k;
        const float a = (j - knots[k][0]) / (knots[k + 1][0] - knots[k][0]);
        s.u.push_back(kBody.UOf(Mix(knots[k][1], knots[k + 1][1], a)));
    }
    return s;
}
inline const Segments kSegments = MakeSegments();

// The segments the class turns each part by.
constexpr int kEyeSegment = 3, kPectoralSegment = 12, kPelvicSegment = 16, kTailSegment = 21;
constexpr int kDorsalFirstSegment = 17;  // dorsal column c at segment 17 + c, up to 22
constexpr int kDorsalOnBody = 6;         // columns over the body; those behind trail over the tail

// The mouth: the snout's upper rows from the ridge to the mouth line, the
// lower from the mouth line to the belly (theta at the body and at the tip).
constexpr float kMouthAtBody = 0.36f * kPi, kMouthAtTip = 0.30f * kPi;

// ---- the fins, in the side view (x, z) ----

// The dorsal fin's edge, column by column: it rises steeply, runs back high
// and long, and its last columns hang back over the tail.
inline const std::vector<V3> kDorsalEdge = {
    {-0.128f, 0.0f, 0.150f}, {-0.080f, 0.0f, 0.205f}, {-0.022f, 0.0f, 0.245f}, {0.045f, 0.0f, 0.272f},
    {0.112f, 0.0f, 0.281f},  {0.172f, 0.0f, 0.262f},  {0.214f, 0.0f, 0.224f},  {0.238f, 0.0f, 0.172f},
    {0.236f, 0.0f, 0.118f},
};

// The delta tail: rays from the stalk to an edge that runs from the upper
// tip round the back to the lower tip.
inline V3 TailEdge(float a)
{
    const V3 upper{0.466f, 0.0f, 0.258f}, back{0.470f, 0.0f, 0.010f}, lower{0.420f, 0.0f, -0.251f};
    const float t = a * 2.0f;
    // A quadratic through the three, a little rounder in the middle.
    const V3 p = a < 0.5f ? Lerp(upper, back, t) : Lerp(back, lower, t - 1.0f);
    const float bulge = 0.020f * std::sin(kPi * a);
    return p + V3{bulge, 0.0f, 0.0f};
}

// ---- the texture: 512 x 512, stored at t 1 to 2 ----

inline const PictureSize kPicture{512, 512};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 1.985f, 0.99f, 1.53f};
// The dorsal fin and the tail as seen from the side, lower left.
inline const SideView kFinPlane{{0.005f, 1.01f, 0.715f, 1.505f}, -0.16f, 0.52f, -0.28f, 0.30f};
// The paired fins over a (along) and b (root to edge).
inline const Region kPectoralFin{0.735f, 1.30f, 0.855f, 1.50f};
inline const Region kPelvicFin{0.875f, 1.30f, 0.99f, 1.50f};
inline const EyeDisc kEyeDisc{0.86f, 1.15f, 30.0f, kPicture};

inline const EyeDome kEye{.x = kBody.XOf(kSegments.U(kEyeSegment)), .z = 0.030f, .radius = 0.024f,
                          .rings = {0.22f, 0.52f, 0.82f, 1.0f}, .lifts = {0.0075f, 0.0065f, 0.0042f, 0.0012f},
                          .phase = 0.0f};
constexpr float kIrisRho = 0.80f;  // the eye proper, in rim radii; skin beyond

}  // namespace fish02
