// Species 3, the freshwater angelfish (Pterophyllum scalare): its grids, body
// shape, segments, fin outlines and texture layout, shared by its mesh tables
// and its picture. A tall, flat disc of a body; a dorsal fin whose front rays
// sweep up and back into a long blade, an anal fin like it below, a forked
// tail with long tips, and long ventral filaments.
#pragma once
#include "fish/fish_species03_meshes.h"
#include "gen_fish_build.h"

namespace fish03 {

using namespace fishkit;

// The grids the species' shape depends on, as the game declares them.
constexpr GridSize kBodySize = SizeOf<decltype(g_Fish03Body)>();
constexpr GridSize kDorsalTableSize = SizeOf<decltype(g_Fish03Dorsal)>();
// The dorsal table holds the fin (root, middle and edge rows) and then its
// lobe, the blade (the front rays carried on beyond the edge).
constexpr GridSize kDorsalSize{kFish03DorsalFinRows, kDorsalTableSize.columns};
constexpr GridSize kBladeSize{kDorsalTableSize.rows - kDorsalSize.rows, kDorsalTableSize.columns};

// A pointed snout, a steep forehead up to the high back, a deep belly, a
// short tail stalk; narrow oval sections.
inline const BodyShape kBody{
    .snoutX = -0.305f,
    .tailX = 0.235f,
    .back = {{0.0f, 0.004f}, {0.04f, 0.030f}, {0.10f, 0.075f}, {0.18f, 0.128f}, {0.27f, 0.175f}, {0.36f, 0.205f},
             {0.45f, 0.212f}, {0.55f, 0.195f}, {0.66f, 0.155f}, {0.77f, 0.105f}, {0.87f, 0.065f}, {0.94f, 0.048f},
             {1.0f, 0.042f}},
    .belly = {{0.0f, -0.004f}, {0.04f, -0.026f}, {0.10f, -0.062f}, {0.18f, -0.110f}, {0.27f, -0.158f},
              {0.36f, -0.190f}, {0.45f, -0.200f}, {0.55f, -0.188f}, {0.66f, -0.150f}, {0.77f, -0.102f},
              {0.87f, -0.063f}, {0.94f, -0.046f}, {1.0f, -0.040f}},
    .thickness = {{0.0f, 0.0f}, {0.03f, 0.012f}, {0.08f, 0.022f}, {0.16f, 0.032f}, {0.28f, 0.038f},
                  {0.42f, 0.037f}, {0.60f, 0.030f}, {0.80f, 0.020f}, {0.93f, 0.013f}, {1.0f, 0.004f}},
    .egg = 0.08f,
};

// Body column 0 just behind the mouth, column 15 at the tail root.
inline const Segments kSegments = Segments::Even(0.045f, 1.0f, kBodySize.columns);

// The mouth: the jaws take body rows 0, 2, 4 (upper) and 4, 6, 9 (lower),
// and meet the body at their columns 5 and 4.
constexpr int kUpperJawRows[3] = {0, 2, 4};
constexpr int kLowerJawRows[3] = {4, 6, 9};
constexpr int kMouthRow = 4;

// ---- the fins, in the side view (x, z) ----

// Dorsal rays: ray c roots on the ridge over segment c. The first rays lie
// on the face and have no height; the leading edge runs from the root of ray
// kFirstRay - 1 along ray kFirstRay. The fin's two front rays go on, beyond
// the fin's edge row, into its blade, to kBladeTip; the rays behind them
// fan out under the blade and fall to the back (their edges, kDorsalEdge).
constexpr int kFirstRay = 3;
constexpr float kDorsalInset = 0.003f;
inline const V3 kBladeTip[2] = {{0.130f, 0.0f, 0.545f}, {0.155f, 0.0f, 0.520f}};
constexpr float kBladeEdge[2] = {0.50f, 0.55f};  // where along the front rays the fin's edge row lies
constexpr float kBladeBuried = 0.02f;            // the blade's root row, below the ridge
// The rays behind reach in under the blade (the two overlap by more than
// the blade's sway shows in a view), from the fin's edge on the second
// blade ray.
inline const std::vector<V3> kDorsalEdge = {
    {0.080f, 0.0f, 0.455f}, {0.140f, 0.0f, 0.525f}, {0.190f, 0.0f, 0.440f},
    {0.205f, 0.0f, 0.340f}, {0.190f, 0.0f, 0.240f},
};  // rays kFirstRay + 2 on

// The anal fin, on segments 7 to 14: its edge, the long point at column 4.
constexpr int kAnalFirstSegment = 7;
inline const std::vector<V3> kAnalEdge = {{},  // the leading edge rises just off its root
                                          {-0.020f, 0, -0.300f}, {0.020f, 0, -0.392f}, {0.080f, 0, -0.440f},
                                          {0.370f, 0, -0.360f},  {0.232f, 0, -0.232f}, {0.206f, 0, -0.130f},
                                          {0.208f, 0, -0.068f}};

// The tail: a fan with long upper and lower tips and a hollow edge between.
inline V3 TailEdge(float a)
{
    const float f = 1.0f - 2.0f * a;  // 1 at the upper tip, -1 at the lower
    const float angle = f * 40.0f * kPi / 180.0f;
    const float radius = 0.175f + 0.125f * std::pow(std::fabs(f), 5.0f);
    return {kBody.tailX + std::cos(angle) * radius, 0.0f, std::sin(angle) * radius * 1.08f};
}

// The ventral filament: from the chest under the pectoral fin (segment 4), down and back.
constexpr float kVentralLength = 0.44f;

// ---- the texture: 512 x 512 ----

inline const PictureSize kPicture{512, 512};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.985f, 0.99f, 0.515f};
// The midline fins (dorsal, anal, tail) as seen from the side, over the lower
// left of the picture, so that the bars run on from the body into them.
inline const SideView kFinPlane{{0.005f, 0.01f, 0.605f, 0.49f}, -0.30f, 0.56f, -0.6f, 0.6f};
// The paired fins over a (along) and b (root to edge).
inline const Region kPectoralFin{0.63f, 0.28f, 0.79f, 0.48f};
inline const Region kVentralFin{0.63f, 0.03f, 0.99f, 0.11f};
inline const EyeDisc kEyeDisc{0.895f, 0.36f, 46.0f, kPicture};

inline const EyeDome kEye{.x = -0.228f, .z = 0.040f, .radius = 0.048f, .rings = {0.0f, 0.55f, 1.0f},
                          .lifts = {0.011f, 0.008f, 0.0015f}, .phase = kPi / 4};
constexpr float kIrisRho = 0.64f;  // the eye proper, in rim radii; skin beyond

}  // namespace fish03
