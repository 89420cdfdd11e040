// Species 1, the bristlenose pleco (Ancistrus): its grids, body shape,
// segments and texture layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species01_meshes.h"
#include "gen_fish_build.h"

namespace fish01 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish01Body)>();

// A flattened armoured catfish: a broad, shovel-shaped head low over a flat
// belly, the back rising to the tall dorsal fin and falling to a slim tail
// stalk; sections wider toward the belly.
inline const BodyShape kBody{
    .snoutX = -0.44f,
    .tailX = 0.36f,
    .back = {{0.0f, -0.040f}, {0.04f, -0.014f}, {0.09f, 0.010f}, {0.15f, 0.034f}, {0.22f, 0.058f},
             {0.30f, 0.084f}, {0.36f, 0.098f}, {0.42f, 0.104f}, {0.50f, 0.098f}, {0.60f, 0.080f},
             {0.72f, 0.058f}, {0.84f, 0.042f}, {1.0f, 0.030f}},
    .belly = {{0.0f, -0.046f}, {0.04f, -0.064f}, {0.09f, -0.074f}, {0.20f, -0.080f}, {0.35f, -0.084f},
              {0.50f, -0.080f}, {0.62f, -0.068f}, {0.76f, -0.052f}, {0.90f, -0.040f}, {1.0f, -0.034f}},
    .thickness = {{0.0f, 0.0f}, {0.01f, 0.030f}, {0.04f, 0.062f}, {0.09f, 0.088f}, {0.15f, 0.104f},
                  {0.22f, 0.112f}, {0.28f, 0.112f}, {0.36f, 0.100f}, {0.46f, 0.082f}, {0.58f, 0.062f},
                  {0.72f, 0.042f}, {0.86f, 0.026f}, {1.0f, 0.014f}},
    .egg = -0.40f,
};

// Column 0 stands behind the snout (which turns with bend 0, as do its two
// caps), the eye at segment 1.5, the pectoral fin's root at 3.5, the dorsal
// fin over 4 to 7, the tail root at the last column.
inline const Segments kSegments{
    {0.09f, 0.145f, 0.20f, 0.255f, 0.31f, 0.38f, 0.45f, 0.52f, 0.59f, 0.66f, 0.73f, 0.80f, 0.90f, 1.0f}};
// The flat head's lateral edge: body row 5, where the two snout caps meet.
constexpr int kEdgeRow = 5;
inline float EdgeTheta() { return RowTheta(kEdgeRow, kBodySize.rows); }
// The snout's tip, where its caps' column 0 stands.
constexpr float kTipU = 0.004f;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly); the snout caps too.
inline const Region kSkin{0.01f, 0.97f, 0.99f, 0.53f};
// Fins over a (along the fin) and b (root to edge).
inline const Region kDorsalFin{0.01f, 0.05f, 0.20f, 0.45f};
inline const Region kTailFin{0.23f, 0.05f, 0.45f, 0.45f};
inline const Region kSmallFins{0.48f, 0.05f, 0.66f, 0.45f};  // pectoral, pelvic, anal, adipose
inline const Region kSpine{0.69f, 0.05f, 0.76f, 0.45f};
inline const EyeDisc kEyeDisc{0.88f, 0.25f, 26.0f, kPicture};

// Small eyes set high on the sides of the head, bulging a little (they roll
// by up to 0.008 with the drift).
inline const EyeDome kEye{.x = -0.302f, .z = 0.002f, .radius = 0.025f, .rings = {0.0f, 0.62f, 1.0f},
                          .lifts = {0.014f, 0.012f, 0.006f}, .phase = 0.3f};

}  // namespace fish01
