// Species 11, the cuckoo catfish (Synodontis multipunctatus): its grids, body
// shape, segments and texture layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species11_meshes.h"
#include "gen_fish_build.h"

namespace fish11 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish11Body)>();

// A broad, blunt head under a bony shield that climbs to the tall dorsal fin,
// a flat belly, and a body that narrows to a slim, flattened tail stalk;
// sections wider toward the belly.
inline const BodyShape kBody{
    .snoutX = -0.44f,
    .tailX = 0.33f,
    .back = {{0.0f, -0.030f}, {0.03f, 0.004f}, {0.08f, 0.040f}, {0.15f, 0.074f}, {0.24f, 0.104f}, {0.33f, 0.124f},
             {0.40f, 0.128f}, {0.50f, 0.116f}, {0.64f, 0.092f}, {0.78f, 0.066f}, {0.90f, 0.046f}, {1.0f, 0.038f}},
    .belly = {{0.0f, -0.030f}, {0.03f, -0.052f}, {0.08f, -0.070f}, {0.16f, -0.084f}, {0.28f, -0.094f},
              {0.40f, -0.098f}, {0.52f, -0.092f}, {0.66f, -0.070f}, {0.80f, -0.048f}, {0.92f, -0.034f},
              {1.0f, -0.030f}},
    .thickness = {{0.0f, 0.0f}, {0.02f, 0.034f}, {0.06f, 0.058f}, {0.12f, 0.076f}, {0.22f, 0.086f}, {0.34f, 0.084f},
                  {0.50f, 0.070f}, {0.66f, 0.050f}, {0.80f, 0.032f}, {0.92f, 0.016f}, {1.0f, 0.004f}},
    .egg = -0.15f,
};

// Body column 0 stands at the eye (the eye, jaws and barbels turn with the
// first bend angle); the last at the tail root, where the tail turns.
constexpr float kFirstColumnX = -0.36f;
inline const Segments kSegments = Segments::Even(kBody.UOf(kFirstColumnX), 1.0f, kBodySize.columns);
// The mouth opens under the snout: the jaws meet at this theta.
constexpr float kMouthTheta = 0.78f * kPi;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly).
inline const Region kSkin{0.01f, 0.97f, 0.99f, 0.53f};
// Fins over a (along the fin) and b (root to edge): the black fins with white
// margins, the tail, the spotted adipose fin, the pale barbels.
inline const Region kDarkFins{0.01f, 0.05f, 0.30f, 0.45f};
inline const Region kTailFin{0.34f, 0.05f, 0.64f, 0.45f};
inline const Region kAdiposeFin{0.68f, 0.27f, 0.82f, 0.45f};
inline const Region kBarbels{0.68f, 0.05f, 0.80f, 0.20f};
inline const EyeDisc kEyeDisc{0.91f, 0.25f, 26.0f, kPicture};

// Large eyes set high on the head.
inline const EyeDome kEye{.x = kFirstColumnX, .z = 0.026f, .radius = 0.030f, .rings = {0.0f, 0.62f, 1.0f},
                          .lifts = {0.011f, 0.008f, 0.001f}, .phase = 0.3f};

// The tail: deeply forked, its pointed lobes this far behind and above (and
// below) the root, the fork this far behind it.
constexpr float kLobeReach = 0.205f, kLobeSpan = 0.125f, kForkDepth = 0.062f;

}  // namespace fish11
