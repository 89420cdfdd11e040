// Species 24, the butterfly peacock bass (Cichla ocellaris): its grids, body
// shape, segments, fin outlines and texture layout, shared by its mesh
// tables and its picture. A long, thick-set predator with a big head and a
// wide mouth, a spiny dorsal fin deeply notched from the soft one, an anal
// fin under the soft dorsal, and a broad, gently rounded tail.
#pragma once
#include "fish/fish_species24_meshes.h"
#include "gen_fish_build.h"

namespace fish24 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish24Body)>();

// A long head with a wide gape ending in a point, the back rising gently to
// its highest ahead of the middle, a deep belly, a stout tail stalk; the
// sections are thick, a little wider toward the back.
inline const BodyShape kBody{
    .snoutX = -0.5f,
    .tailX = 0.42f,
    .back = {{0.0f, 0.004f}, {0.04f, 0.030f}, {0.10f, 0.058f}, {0.18f, 0.084f}, {0.28f, 0.106f}, {0.40f, 0.118f},
             {0.52f, 0.114f}, {0.64f, 0.096f}, {0.76f, 0.072f}, {0.87f, 0.054f}, {1.0f, 0.046f}},
    .belly = {{0.0f, -0.006f}, {0.04f, -0.040f}, {0.10f, -0.074f}, {0.18f, -0.104f}, {0.28f, -0.128f},
              {0.40f, -0.140f}, {0.52f, -0.134f}, {0.64f, -0.112f}, {0.76f, -0.082f}, {0.87f, -0.058f},
              {1.0f, -0.050f}},
    .thickness = {{0.0f, 0.0f}, {0.04f, 0.026f}, {0.10f, 0.046f}, {0.20f, 0.062f}, {0.34f, 0.070f},
                  {0.50f, 0.066f}, {0.68f, 0.050f}, {0.84f, 0.034f}, {1.0f, 0.016f}},
    .egg = 0.12f,
};

// Where the body's columns stand (x of segments 0 to 11). Column 0 at the eye
// and the jaws' root (they turn with bend 0), 4 at the pectoral fin, 5 at the
// pelvic fins, 6 under the spiny dorsal near the middle (it turns with bend
// 6 alone), 7 and 8 over the anal fin, 8 and 9 under the soft dorsal, 10 and
// 11 at the tail's root.
constexpr float kSegmentX[] = {-0.37f, -0.32f, -0.27f, -0.22f, -0.17f, -0.105f,
                               -0.04f, 0.052f, 0.144f, 0.236f, 0.328f, 0.42f};
inline const Segments kSegments = SegmentsAtX(kBody, kSegmentX);

// The mouth: the jaws meet the body at its middle row (theta pi / 2) and
// part a little below it at the tip, the lower jaw jutting.
constexpr float kLipAtTip = 0.56f * kPi;

// ---- the texture: 512 x 512 ----

inline const PictureSize kPicture{512, 512};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.985f, 0.99f, 0.52f};
// The midline fins (both dorsals, the anal fin, the tail) as seen from the
// side, so that the tail's eye-spot and the fins' colours lie where they are.
inline const SideView kFinPlane{{0.01f, 0.01f, 0.62f, 0.50f}, -0.12f, 0.68f, -0.30f, 0.28f};
// The paired fins over a (along) and b (root to edge).
inline const Region kPectoralFin{0.65f, 0.27f, 0.81f, 0.49f};
inline const Region kPelvicFin{0.84f, 0.27f, 0.99f, 0.49f};
inline const EyeDisc kEyeDisc{0.80f, 0.12f, 34.0f, kPicture};

inline const EyeDome kEye{.x = kSegmentX[0], .z = 0.030f, .radius = 0.027f, .rings = {0.0f, 0.62f, 1.0f},
                          .lifts = {0.010f, 0.0075f, 0.0015f}, .phase = kPi / 4};

// The tail's eye-spot, in the side view: a black disc in a golden ring.
constexpr float kOcellusX = 0.468f, kOcellusZ = 0.018f, kOcellusRadius = 0.034f;

}  // namespace fish24
