// Species 16, the figure-eight puffer (Dichotomyctere ocellatus): a round,
// blunt-headed body that tapers fast to a short tail stalk, big eyes set high
// on the head, a small beak of a mouth, tiny pectoral fins, a small dorsal
// and anal fin far back and a rounded tail. Its grids, body shape and texture
// layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species16_meshes.h"
#include "gen_fish_build.h"

namespace fish16 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish16Body)>();

// Deepest a little ahead of the middle, a steep rounded forehead and a
// rounder belly, nearly as wide as deep; the last three columns are the
// tail stalk.
inline const BodyShape kBody{
    .snoutX = -0.50f,
    .tailX = 0.29f,
    .back = {{0.0f, 0.012f}, {0.04f, 0.078f}, {0.10f, 0.148f}, {0.18f, 0.206f}, {0.28f, 0.248f}, {0.40f, 0.270f},
             {0.50f, 0.272f}, {0.60f, 0.258f}, {0.70f, 0.222f}, {0.78f, 0.172f}, {0.86f, 0.110f}, {0.92f, 0.072f},
             {1.0f, 0.056f}},
    .belly = {{0.0f, -0.012f}, {0.04f, -0.052f}, {0.10f, -0.098f}, {0.18f, -0.140f}, {0.28f, -0.172f},
              {0.40f, -0.190f}, {0.50f, -0.192f}, {0.60f, -0.180f}, {0.70f, -0.150f}, {0.78f, -0.108f},
              {0.86f, -0.064f}, {0.92f, -0.043f}, {1.0f, -0.036f}},
    .thickness = {{0.0f, 0.0f}, {0.04f, 0.058f}, {0.10f, 0.108f}, {0.18f, 0.142f}, {0.28f, 0.162f},
                  {0.40f, 0.170f}, {0.50f, 0.168f}, {0.60f, 0.156f}, {0.70f, 0.128f}, {0.78f, 0.094f},
                  {0.86f, 0.060f}, {0.92f, 0.040f}, {1.0f, 0.030f}},
    .egg = 0.04f,
};

// The body's columns from just behind the snout to the tail root; the head
// and the mouth close it in front of the first.
constexpr float kFirstColumnX = -0.47f;
inline const Segments kSegments = Segments::Even(kBody.UOf(kFirstColumnX), 1.0f, kBodySize.columns);

// The row of the lips round the head's section (the head's last row, the
// mouth's first), a little below the middle.
constexpr float kLipsTheta = 0.60f * kPi;

// The big eye, high on the head: rings from the rim through the iris to the
// centre, domed out of the head.
inline const EyeDome kEye{.x = -0.335f, .z = 0.098f, .radius = 0.046f, .rings = {1.0f, 0.60f, 0.0f},
                          .lifts = {0.003f, 0.014f, 0.020f}};

// The pectoral fin's base just behind the gill slit, high on the flank.
constexpr float kPectoralX = -0.185f, kPectoralTop = 0.092f, kPectoralBottom = 0.010f;

// The dorsal and the anal fin, far back: their roots on the ridge (the
// belly line) from `fromX` to `toX`, their height and lean back.
struct SmallFin {
    float fromX, toX, height, lean;
};
inline const SmallFin kDorsalFin{0.085f, 0.190f, 0.085f, 0.75f};
inline const SmallFin kAnalFin{0.100f, 0.190f, 0.070f, 0.65f};

// The tail: root points up the end of the tail stalk, the edge a rounded fan.
constexpr float kTailRootX = 0.255f, kTailCentreZ = 0.010f, kTailRootHalf = 0.030f;
constexpr float kTailReach = 0.175f, kTailSpread = 1.02f;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly).
inline const Region kSkin{0.01f, 0.99f, 0.98f, 0.45f};
// The fins over a (along the edge) and b (root to edge).
inline const Region kPectoralRegion{0.01f, 0.03f, 0.19f, 0.40f};
inline const Region kDorsalRegion{0.22f, 0.03f, 0.40f, 0.40f};
inline const Region kAnalRegion{0.43f, 0.03f, 0.58f, 0.40f};
inline const Region kTailRegion{0.61f, 0.03f, 0.84f, 0.40f};
inline const EyeDisc kEyeDisc{0.925f, 0.215f, 26.0f, kPicture};

}  // namespace fish16
