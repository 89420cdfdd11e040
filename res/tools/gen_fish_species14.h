// Species 14, the kuhli loach (Pangio kuhlii): its grids, body shape,
// segments, fin outlines and texture layout, shared by its mesh tables and
// its picture. A very long, eel-like body of nearly even depth, round at the
// front and a little compressed toward the tail; a small pointed head with
// a small eye high on it and short barbels round the mouth; tiny pelvic fins
// at mid-body and a small rounded tail.
#pragma once
#include "fish/fish_species14_meshes.h"
#include "gen_fish_build.h"

#include <array>
#include <vector>

namespace fish14 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish14Body)>();
constexpr GridSize kHeadSize = SizeOf<decltype(g_Fish14Head)>();

// The spine from the snout tip to the tail root (body column 19). Depth
// about a tenth of the length; the snout slopes down to a low tip.
inline const BodyShape kBody{
    .snoutX = -0.49f,
    .tailX = 0.423f,
    .back = {{0.0f, 0.044f}, {0.03f, 0.066f}, {0.07f, 0.083f}, {0.115f, 0.094f}, {0.20f, 0.100f}, {0.50f, 0.101f},
             {0.75f, 0.098f}, {0.90f, 0.093f}, {1.0f, 0.088f}},
    .belly = {{0.0f, 0.034f}, {0.03f, 0.021f}, {0.07f, 0.015f}, {0.115f, 0.012f}, {0.20f, 0.010f}, {0.50f, 0.009f},
              {0.75f, 0.013f}, {0.90f, 0.020f}, {1.0f, 0.026f}},
    .thickness = {{0.0f, 0.0f}, {0.03f, 0.019f}, {0.07f, 0.031f}, {0.115f, 0.038f}, {0.25f, 0.042f},
                  {0.50f, 0.040f}, {0.75f, 0.032f}, {0.90f, 0.022f}, {1.0f, 0.010f}},
    .egg = 0.05f,
};

// Body columns by x: column 0 behind the head (the head turns with the
// first bend angle), 5 over the pelvic fins (they turn with the sixth),
// 19 at the tail root (the tail turns with the last).
inline Segments BodySegments()
{
    Segments s;
    for (int j = 0; j < kBodySize.columns; ++j) {
        const float x = j <= 5 ? Mix(-0.385f, -0.06f, j / 5.0f) : Mix(-0.06f, 0.423f, (j - 5) / 14.0f);
        s.u.push_back(kBody.UOf(x));
    }
    return s;
}
inline const Segments kSegments = BodySegments();

// The head: its first ring on the body's first column, sunk inside it by
// kHeadInset, then rings at these u toward the snout tip (the last one the
// mouth); columns round the half section ridge to belly.
inline const std::vector<float> kHeadRingU = {0.080f, 0.052f, 0.028f, 0.012f};
constexpr float kHeadInset = 0.92f;

// The barbels: from the mouth ring (the last ring) at the head columns that
// carry them, each a direction and a length; the other columns' tips stay
// on the ring, so each barbel is a thin spike between its neighbours.
struct Barbel {
    int column;
    V3 direction;
    float length;
};
inline const std::array<Barbel, 2> kBarbels = {{{1, Normalize({-0.60f, 0.55f, -0.55f}), 0.032f},
                                                {3, Normalize({-0.25f, 0.60f, -0.75f}), 0.033f}}};

// The pelvic fins: small, low on the flank over segment 5, their edges
// hanging out, down and back.
constexpr float kPelvicFrontX = -0.078f, kPelvicBackX = -0.044f, kPelvicRootZ = 0.016f;

// The tail: rooted down the tail root on the last column, its edge
// a small round fan from the upper tip (column 0) to the lower.
constexpr float kTailRootX = 0.4225f;
constexpr float kTailReach = 0.0775f, kTailHalfHeight = 0.050f, kTailSpread = 1.50f;  // radians either side

// The eye: small, high on the head, a little in front of its middle.
constexpr float kEyeX = -0.446f, kEyeZ = 0.066f, kEyeRadius = 0.0085f;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u (snout to tail root) and theta / pi (ridge to belly).
inline const Region kSkin{0.01f, 0.985f, 0.99f, 0.52f};
// The head over u / u of the body's first column (tip 0 to body 1) and theta / pi.
inline const Region kHeadSkin{0.01f, 0.48f, 0.36f, 0.04f};
// The pelvic fin over a (front to back) and b (root to edge).
inline const Region kPelvicFin{0.40f, 0.04f, 0.60f, 0.46f};
// The tail over a (upper tip to lower) and b (root to edge).
inline const Region kTailFin{0.64f, 0.04f, 0.99f, 0.46f};

inline float HeadU() { return kSegments.U(0); }

}  // namespace fish14
