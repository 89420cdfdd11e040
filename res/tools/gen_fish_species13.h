// Species 13, the clown loach (Chromobotia macracanthus): a long torpedo with
// an arched back and a flat belly, the pointed snout sloping down to a small
// mouth underneath with short barbels; bright orange with three broad black
// bands (through the eye, ahead of the dorsal fin, from the dorsal's rear to
// the anal fin), red fins and a deeply forked red tail. Its grids, body
// shape, segments and texture layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species13_meshes.h"
#include "gen_fish_build.h"

namespace fish13 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish13Body)>();

// About three and a half times as long as deep; the snout tip below the
// body's middle, so the head slopes down to the mouth.
inline const BodyShape kBody{
    .snoutX = -0.50f,
    .tailX = 0.359f,
    .back = {{0.0f, -0.046f}, {0.03f, -0.014f}, {0.08f, 0.018f}, {0.15f, 0.048f}, {0.25f, 0.074f}, {0.38f, 0.090f},
             {0.50f, 0.090f}, {0.62f, 0.078f}, {0.75f, 0.056f}, {0.87f, 0.036f}, {0.95f, 0.028f}, {1.0f, 0.026f}},
    .belly = {{0.0f, -0.046f}, {0.03f, -0.074f}, {0.08f, -0.094f}, {0.15f, -0.108f}, {0.25f, -0.118f},
              {0.40f, -0.122f}, {0.55f, -0.116f}, {0.70f, -0.094f}, {0.82f, -0.066f}, {0.92f, -0.044f},
              {1.0f, -0.038f}},
    .thickness = {{0.0f, 0.0f}, {0.03f, 0.020f}, {0.08f, 0.036f}, {0.15f, 0.048f}, {0.30f, 0.058f}, {0.45f, 0.058f},
                  {0.60f, 0.050f}, {0.75f, 0.038f}, {0.90f, 0.026f}, {1.0f, 0.020f}},
    .egg = 0.08f,
};

// Body column 0 at the eye, column 4 behind the gill cover where the paired
// fins stand (they turn with the fifth bend angle), the rest evenly to the
// tail root.
constexpr float kEyeX = -0.414f, kFinX = -0.200f;
inline Segments MakeSegments()
{
    Segments s;
    for (int j = 0; j < kBodySize.columns; ++j) {
        const float x = j <= 4 ? Mix(kEyeX, kFinX, j / 4.0f)
                               : Mix(kFinX, kBody.tailX, (j - 4) / float(kBodySize.columns - 5));
        s.u.push_back(j == kBodySize.columns - 1 ? 1.0f : kBody.UOf(x));
    }
    return s;
}
inline const Segments kSegments = MakeSegments();

// The jaws meet at the body's row 3 (of 6, ridge to belly).
constexpr int kMouthRow = 3;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.98f, 0.99f, 0.54f};
// The fins over a (along the fin) and b (root to edge).
inline const Region kDorsalFin{0.01f, 0.04f, 0.15f, 0.48f};
inline const Region kAnalFin{0.17f, 0.04f, 0.31f, 0.48f};
inline const Region kTailFin{0.33f, 0.04f, 0.57f, 0.48f};
inline const Region kPectoralFin{0.59f, 0.04f, 0.71f, 0.48f};
inline const Region kPelvicFin{0.73f, 0.04f, 0.81f, 0.48f};
inline const Region kKeelSkin{0.83f, 0.28f, 0.86f, 0.48f};
inline const EyeDisc kEyeDisc{0.925f, 0.26f, 18.0f, kPicture};

// A small eye high on the head, in the first black band.
inline const EyeDome kEye{.x = kEyeX + 0.006f, .z = 0.004f, .radius = 0.021f, .rings = {1.0f, 0.62f, 0.0f},
                          .lifts = {0.001f, 0.006f, 0.008f}};

// The three bands in the side view: the centre line's x at the back (top)
// and at the belly (bottom), and the half width at each.
struct Band {
    float topX, bottomX, topHalf, bottomHalf;
};
inline const Band kBands[3] = {
    {-0.417f, -0.452f, 0.026f, 0.019f},  // over the nape, through the eye, down to the throat
    {-0.135f, -0.175f, 0.042f, 0.026f},  // ahead of the dorsal fin, down to the belly
    {0.078f, 0.118f, 0.060f, 0.030f},    // from the dorsal fin's rear down to the anal fin
};

// The dorsal fin over segments 8 to 11; the anal fin's visible part over
// segments 13 to 15; the tail's roots up the tail stalk at segment 18.
constexpr float kDorsalHeight = 0.125f;

}  // namespace fish13
