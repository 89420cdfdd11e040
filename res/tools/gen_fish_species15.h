// Species 15, the betta (Betta splendens), a male: a small, slender, deep
// red body with an upturned mouth and a large eye, and huge flowing veil
// fins: a tall dorsal sweeping back over the tail, a long deep anal fin, a
// drooping veil of a tail, long thin pelvic fins, small clear pectorals.
// Its grids, body shape and texture layout, shared by its mesh tables and
// its picture.
#pragma once
#include "fish/fish_species15_meshes.h"
#include "gen_fish_build.h"

namespace fish15 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish15Body)>();

// A slender body, deepest a little behind the head, with a straight back,
// a deep tail stalk and a short head whose snout tip stands high (the mouth
// opens upward).
inline const BodyShape kBody{
    .snoutX = -0.50f,
    .tailX = 0.08f,
    .back = {{0.0f, 0.062f}, {0.03f, 0.068f}, {0.06f, 0.072f}, {0.12f, 0.079f}, {0.22f, 0.112f}, {0.34f, 0.142f}, {0.46f, 0.156f},
             {0.60f, 0.159f}, {0.74f, 0.152f}, {0.86f, 0.139f}, {0.95f, 0.124f}, {1.0f, 0.116f}},
    .belly = {{0.0f, 0.024f}, {0.03f, 0.014f}, {0.06f, 0.009f}, {0.12f, 0.004f}, {0.22f, -0.010f}, {0.34f, -0.018f},
              {0.46f, -0.020f}, {0.60f, -0.019f}, {0.74f, -0.014f}, {0.86f, -0.004f}, {0.95f, 0.008f},
              {1.0f, 0.018f}},
    .thickness = {{0.0f, 0.0f}, {0.012f, 0.016f}, {0.04f, 0.026f}, {0.09f, 0.032f}, {0.14f, 0.036f}, {0.24f, 0.043f}, {0.38f, 0.049f},
                  {0.52f, 0.048f}, {0.68f, 0.042f}, {0.84f, 0.032f}, {1.0f, 0.022f}},
    .egg = 0.20f,
};

// Where the body's columns stand along x. The paired fins and the anal
// fin's first column take bend 3, its last bend 12; the dorsal takes bend
// 6 (at its front root) and the tail bend 14: the columns are placed so
// that each of these stands where its part is rooted.
inline const std::vector<float> kColumnX = {-0.430f, -0.395f, -0.340f, -0.280f, -0.235f, -0.190f, -0.150f, -0.110f,
                                            -0.075f, -0.045f, -0.015f, 0.015f,  0.040f,  0.062f,  0.080f};
inline Segments ColumnSegments()
{
    Segments s;
    for (float x : kColumnX)
        s.u.push_back(kBody.UOf(x));
    return s;
}
inline const Segments kSegments = ColumnSegments();
inline float SegmentX(int segment) { return kColumnX[static_cast<size_t>(segment)]; }

// The dorsal fin: two root points on the back, the first under bend 6,
// the second on the turning axis; its edge (x, z) from the leading edge
// over the top to the trailing tip above the tail.
constexpr float kDorsalRearRootX = -0.004f;
inline const std::vector<std::pair<float, float>> kDorsalEdge = {
    {-0.158f, 0.178f}, {-0.125f, 0.250f}, {-0.070f, 0.312f}, {0.000f, 0.350f}, {0.080f, 0.366f},
    {0.160f, 0.362f},  {0.225f, 0.334f},  {0.268f, 0.282f},  {0.276f, 0.220f}, {0.238f, 0.168f}};

// The anal fin's edge (x, z) under its columns, front to rear: deeper
// toward the rear, its last rays trailing back to a point.
inline const std::vector<std::pair<float, float>> kAnalEdge = {
    {-0.262f, -0.092f}, {-0.212f, -0.140f}, {-0.160f, -0.182f}, {-0.108f, -0.222f}, {-0.052f, -0.262f},
    {0.008f, -0.298f},  {0.068f, -0.330f},  {0.128f, -0.356f},  {0.188f, -0.368f},  {0.236f, -0.318f}};

// The tail: root points up the tail stalk and its veil's edge (x, z) from
// the upper tip round the back to the lower, drooping part.
inline const std::vector<V3> kTailRoots = {
    {0.074f, 0, 0.098f}, {0.077f, 0, 0.083f}, {0.078f, 0, 0.068f}, {0.077f, 0, 0.053f}, {0.074f, 0, 0.038f}};
inline const std::vector<std::pair<float, float>> kTailEdge = {
    {0.100f, 0.184f}, {0.180f, 0.206f}, {0.280f, 0.200f}, {0.370f, 0.164f}, {0.440f, 0.106f}, {0.486f, 0.036f},
    {0.496f, -0.030f}, {0.462f, -0.082f}, {0.386f, -0.118f}, {0.286f, -0.128f}, {0.186f, -0.108f},
    {0.112f, -0.058f}};

// The pectoral fin's base low on the flank behind the gill cover, at bend 3.
constexpr float kPectoralX = -0.280f, kPectoralTop = 0.058f, kPectoralBottom = 0.024f;
// The pelvic fins: long thin streamers from the throat, down and back.
constexpr float kPelvicX = -0.281f;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly).
inline const Region kSkin{0.01f, 0.98f, 0.60f, 0.54f};
// The fins over a (front to rear, or across) and b (root to edge).
inline const Region kDorsalRegion{0.01f, 0.04f, 0.30f, 0.48f};
inline const Region kAnalRegion{0.33f, 0.04f, 0.62f, 0.48f};
inline const Region kTailRegion{0.65f, 0.04f, 0.98f, 0.48f};
inline const Region kPectoralRegion{0.64f, 0.56f, 0.80f, 0.76f};
inline const Region kPelvicRegion{0.64f, 0.80f, 0.80f, 0.97f};
inline const EyeDisc kEyeDisc{0.90f, 0.76f, 26.0f, kPicture};

// A large eye high on the short head, rings from the rim (B) through the
// iris ring (A) to the centre (C).
inline const EyeDome kEye{.x = -0.447f, .z = 0.064f, .radius = 0.0165f, .rings = {1.0f, 0.62f, 0.0f},
                          .lifts = {0.002f, 0.008f, 0.011f}};

// The lips: the head's last row and the lower jaw's first, rising from the
// body's first column to the snout tip (the mouth turned up).
constexpr float kLipsAtBody = 0.62f * kPi, kLipsAtTip = 0.36f * kPi;

}  // namespace fish15
