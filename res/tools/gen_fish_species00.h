// Species 0, the telescope-eye goldfish (Carassius auratus): its grids, body
// shape, segments, eye stalks, fin outlines and texture layout, shared by
// its mesh tables and its picture. A short, deep, round body with a low
// snout; big eyes on stalks, pointing out to the sides; a tall dorsal fin,
// long paired fins below and a split tail whose two halves splay apart.
#pragma once
#include "fish/fish_species00_meshes.h"
#include "gen_fish_build.h"

namespace fish00 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish00Body)>();

// A small mouth low on a blunt head, the forehead rising steeply to a high
// back, a deep round belly, a short narrow tail stalk; sections fuller
// toward the belly.
inline const BodyShape kBody{
    .snoutX = -0.50f,
    .tailX = 0.20f,
    .back = {{0.0f, -0.052f}, {0.057f, 0.000f}, {0.15f, 0.070f}, {0.30f, 0.145f}, {0.45f, 0.188f},
             {0.56f, 0.198f}, {0.70f, 0.168f}, {0.85f, 0.098f}, {0.95f, 0.056f}, {1.0f, 0.046f}},
    .belly = {{0.0f, -0.066f}, {0.057f, -0.122f}, {0.15f, -0.178f}, {0.30f, -0.236f}, {0.45f, -0.256f},
              {0.56f, -0.248f}, {0.70f, -0.196f}, {0.85f, -0.110f}, {0.95f, -0.056f}, {1.0f, -0.042f}},
    .thickness = {{0.0f, 0.0f}, {0.057f, 0.052f}, {0.15f, 0.088f}, {0.30f, 0.126f}, {0.45f, 0.148f},
                  {0.60f, 0.140f}, {0.75f, 0.100f}, {0.90f, 0.050f}, {1.0f, 0.030f}},
    .egg = -0.12f,
};

// Body columns: 0 just behind the mouth, 10 at mid-body where the sway of the
// rear begins, 16 at the tail root; the rear six closer together.
constexpr float kFirstColumnX = -0.46f, kMidColumnX = 0.0f;
inline Segments BodySegments()
{
    Segments s;
    for (int j = 0; j < kBodySize.columns; ++j) {
        const float x = j <= 10 ? Mix(kFirstColumnX, kMidColumnX, j / 10.0f)
                                : Mix(kMidColumnX, kBody.tailX, (j - 10) / float(kBodySize.columns - 11));
        s.u.push_back(kBody.UOf(x));
    }
    return s;
}
inline const Segments kSegments = BodySegments();

// The rows of the body that the jaws carry on to the tip, counted from the
// ridge: the mouth at row 5, a little below the middle of the head.
constexpr int kMouthRow = 5;
constexpr int kUpperJawRows[4] = {5, 4, 2, 0};  // mouth to ridge
constexpr int kLowerJawRows[4] = {8, 7, 6, 5};  // belly to mouth

// ---- the telescope eye --------------------------------------------------------

// A stalk from the head (over the mean of segments 2 and 3) out to a ball,
// its axis out to the side, a little forward and up. Rings: the socket on
// the head, the ball's widest ring, the iris rim, the pupil's edge; the
// pupil itself a small square sunk into the ball.
struct EyeStalk {
    float x = -0.39f, z = -0.035f;
    V3 axis = Normalize({-0.16f, 1.0f, 0.12f});
    float ring[4] = {0.050f, 0.076f, 0.060f, 0.028f};  // radii
    float out[4] = {-0.012f, 0.064f, 0.112f, 0.128f};  // along the axis from the head's surface
    float pupilOut = 0.119f;                            // the pupil square, circumradius ring[3] x sqrt 2
};
inline const EyeStalk kEyeStalk{};

// ---- the texture: 512 x 512, laid out at t 1 to 2 -----------------------------

inline const PictureSize kPicture{512, 512};
// The body over u (snout to tail root) and theta / pi (ridge to belly).
inline const Region kSkin{0.033f, 1.557f, 0.752f, 1.006f};
inline const Region kDorsalFin{0.233f, 1.569f, 0.640f, 1.934f};
inline const Region kPelvicFin{0.006f, 1.571f, 0.216f, 1.806f};
inline const Region kAnalFin{0.006f, 1.819f, 0.218f, 1.968f};
inline const Region kTailFin{0.655f, 1.567f, 0.993f, 1.994f};
inline const Region kPectoralFin{0.764f, 1.249f, 0.984f, 1.384f};
// The eye's disc: the pupil at its centre, the socket at its rim.
inline const EyeDisc kEyeDisc{0.8948f, 1.1203f, 50.0f, kPicture};
constexpr float kEyeRho[4] = {1.0f, 0.86f, 0.66f, 0.30f};  // of the rings
constexpr float kIrisRho = 0.68f;                           // the eye proper; stalk skin beyond

}  // namespace fish00
