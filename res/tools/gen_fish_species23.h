// Species 23, the clownfish (Amphiprion ocellaris): its grids, body shape,
// segments and texture layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species23_meshes.h"
#include "gen_fish_build.h"

namespace fish23 {

using namespace fishkit;

// The body's grid, as the game declares it.
constexpr GridSize kBodySize = SizeOf<decltype(g_Fish23Body)>();

// A blunt rounded head, the deepest point a third of the way back, a deep
// tail stalk pinched where the tail fin takes over; egg-shaped sections.
inline const BodyShape kBody{
    .snoutX = -0.47f,
    .tailX = 0.37f,
    .back = {{0.0f, -0.012f}, {0.02f, 0.030f}, {0.06f, 0.072f}, {0.12f, 0.110f}, {0.2f, 0.140f}, {0.3f, 0.158f},
             {0.42f, 0.162f}, {0.55f, 0.150f}, {0.7f, 0.118f}, {0.82f, 0.082f}, {0.92f, 0.060f}, {1.0f, 0.052f}},
    .belly = {{0.0f, -0.012f}, {0.02f, -0.045f}, {0.06f, -0.080f}, {0.12f, -0.112f}, {0.2f, -0.136f},
              {0.3f, -0.150f}, {0.42f, -0.150f}, {0.55f, -0.134f}, {0.7f, -0.100f}, {0.82f, -0.068f},
              {0.92f, -0.052f}, {1.0f, -0.046f}},
    .thickness = {{0.0f, 0.0f}, {0.02f, 0.032f}, {0.06f, 0.056f}, {0.12f, 0.074f}, {0.22f, 0.084f}, {0.35f, 0.082f},
                  {0.5f, 0.072f}, {0.7f, 0.052f}, {0.85f, 0.036f}, {0.95f, 0.026f}, {1.0f, 0.006f}},
    .egg = 0.1f,
};

// Body column 0 stands at the eye (the eye turns with the first bend angle);
// the jaws close the head in front of it.
constexpr float kFirstColumnX = -0.37f;
inline const Segments kSegments = Segments::Even(kBody.UOf(kFirstColumnX), 1.0f, kBodySize.columns);
constexpr int kMouthRow = 5;  // the body row at which the jaws meet

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.97f, 0.99f, 0.53f};
// The fins over a (along the fin) and b (root to edge): edged in black
// (dorsal, anal, pelvic and tail fins) and plain (the pectoral fins).
inline const Region kEdgedFins{0.01f, 0.05f, 0.45f, 0.45f};
inline const Region kPlainFins{0.49f, 0.05f, 0.71f, 0.45f};
inline const EyeDisc kEyeDisc{0.86f, 0.25f, 26.0f, kPicture};

inline const EyeDome kEye{.x = kFirstColumnX, .z = 0.048f, .radius = 0.036f, .rings = {0.0f, 0.62f, 1.0f},
                          .lifts = {0.012f, 0.009f, 0.002f}};

}  // namespace fish23
