// Species 22, the dwarf gourami (Trichogaster lalius): its grids, body shape,
// segments and texture layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species22_meshes.h"
#include "gen_fish_build.h"

namespace fish22 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish22Body)>();

// An oval, deep and thin body: a small upturned mouth above the centre line,
// the forehead rising to the dorsal fin's start, a deep rounded belly, a
// short deep tail stalk.
inline const BodyShape kBody{
    .snoutX = -0.47f,
    .tailX = 0.30f,
    .back = {{0.0f, 0.028f}, {0.04f, 0.052f}, {0.10f, 0.084f}, {0.18f, 0.114f}, {0.28f, 0.142f}, {0.38f, 0.158f},
             {0.48f, 0.162f}, {0.6f, 0.150f}, {0.72f, 0.124f}, {0.84f, 0.092f}, {0.93f, 0.068f}, {1.0f, 0.058f}},
    .belly = {{0.0f, 0.024f}, {0.03f, -0.008f}, {0.08f, -0.056f}, {0.15f, -0.104f}, {0.25f, -0.148f},
              {0.35f, -0.172f}, {0.45f, -0.178f}, {0.56f, -0.168f}, {0.68f, -0.140f}, {0.8f, -0.104f},
              {0.9f, -0.076f}, {1.0f, -0.062f}},
    .thickness = {{0.0f, 0.0f}, {0.03f, 0.016f}, {0.08f, 0.030f}, {0.16f, 0.042f}, {0.3f, 0.052f}, {0.45f, 0.051f},
                  {0.6f, 0.045f}, {0.75f, 0.034f}, {0.88f, 0.022f}, {1.0f, 0.011f}},
    .egg = 0.05f,
};

// Column 0 just behind the mouth (the jaws turn with the first bend angle),
// 1 at the eye, 4 at the pectoral fin, 5 where the feelers hang, 7.5 where
// the dorsal and anal fins' long bases begin, 13 at the tail root.
inline const Segments kSegments{{0.05f, 0.12f, 0.18f, 0.235f, 0.285f, 0.33f, 0.37f, 0.41f, 0.47f, 0.54f, 0.62f, 0.72f,
                                 0.84f, 1.0f}};
constexpr int kMouthRow = 4;  // the body row at which the jaws meet

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly).
inline const Region kSkin{0.01f, 0.97f, 0.99f, 0.55f};
// The fins over a (along the fin, or the tail from top to bottom) and b
// (root to edge).
inline const Region kSpinyDorsalFin{0.01f, 0.29f, 0.12f, 0.50f};
inline const Region kSoftDorsalFin{0.14f, 0.29f, 0.45f, 0.50f};
inline const Region kAnalFin{0.01f, 0.03f, 0.45f, 0.25f};
inline const Region kTailFin{0.48f, 0.03f, 0.65f, 0.50f};
inline const Region kPectoralFin{0.68f, 0.03f, 0.79f, 0.25f};
inline const Region kFeelerSkin{0.68f, 0.29f, 0.79f, 0.50f};
inline const EyeDisc kEyeDisc{0.90f, 0.25f, 28.0f, kPicture};

// The eye over segment 1, high on the head.
constexpr float kEyeX = -0.378f, kEyeZ = 0.036f, kEyeRadius = 0.031f;
constexpr float kPupilRho = 0.6f;  // the pupil disc reaches over the ring's inner edge
constexpr float kRingInnerRho = 0.5f;

// The long, thread-like feelers: from the throat under segment 5, down and
// back past the anal fin's front.
constexpr float kFeelerLength = 0.40f;

}  // namespace fish22
