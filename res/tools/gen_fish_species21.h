// Species 21, the clown knifefish (Chitala ornata): its grids, body shape,
// segments and texture layout, shared by its mesh tables and its picture. A
// long, laterally compressed fish with a small head and a wide mouth, the
// back rising steeply behind the head into a hump and sloping straight down
// to the tail, a small feather of a dorsal fin on the hump, and a long anal
// fin running under the rear half into a small pointed tail.
#pragma once
#include "fish/fish_species21_meshes.h"
#include "gen_fish_build.h"

namespace fish21 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish21Body)>();

// The jaws close at a blunt tip; a dip over the eye, then the hump, its crest
// a third of the way back; the belly deepest under the hump and the body
// narrowing to a thin edge at the tail; sections wider toward the back.
inline const BodyShape kBody{
    .snoutX = -0.5f,
    .tailX = 0.421f,
    .back = {{0.0f, -0.028f}, {0.0717f, 0.030f}, {0.124f, 0.046f}, {0.176f, 0.074f}, {0.228f, 0.095f},
             {0.30f, 0.106f}, {0.375f, 0.108f}, {0.45f, 0.101f}, {0.532f, 0.094f}, {0.60f, 0.082f},
             {0.684f, 0.064f}, {0.766f, 0.046f}, {0.847f, 0.026f}, {0.918f, 0.006f}, {0.972f, -0.008f},
             {1.0f, -0.013f}},
    .belly = {{0.0f, -0.048f}, {0.0717f, -0.084f}, {0.124f, -0.106f}, {0.176f, -0.122f}, {0.228f, -0.133f},
              {0.30f, -0.140f}, {0.375f, -0.143f}, {0.45f, -0.141f}, {0.532f, -0.136f}, {0.60f, -0.128f},
              {0.684f, -0.115f}, {0.766f, -0.097f}, {0.847f, -0.075f}, {0.918f, -0.052f}, {0.972f, -0.034f},
              {1.0f, -0.025f}},
    .thickness = {{0.0f, 0.004f}, {0.0717f, 0.040f}, {0.124f, 0.049f}, {0.2f, 0.058f}, {0.3f, 0.056f},
                  {0.4f, 0.046f}, {0.5f, 0.035f}, {0.6f, 0.028f}, {0.7f, 0.022f}, {0.8f, 0.018f},
                  {0.9f, 0.014f}, {0.972f, 0.011f}, {1.0f, 0.0f}},
    .egg = 0.2f,
};

// Where the body's columns stand (x of segments 0 to 14). Column 0 at the eye
// and the jaws' root (they turn with bend 0), 3 and 4 at the pectoral fins,
// 4 at the pelvic fins, 4 to 6.7 under the dorsal fin, 7 under its fold, 8.5
// to 12.1 along the anal fin and the fold on the back, 13 at the tail's root.
constexpr float kSegmentX[] = {-0.434f, -0.386f, -0.338f, -0.290f, -0.225f, -0.155f, -0.085f, -0.010f,
                               0.055f,  0.130f,  0.205f,  0.280f,  0.345f,  0.395f,  0.421f};
inline const Segments kSegments = SegmentsAtX(kBody, kSegmentX);

// The body row at which the jaws meet (the wide mouth, a little below the middle).
constexpr int kMouthRow = 5;

// Where the anal fin's base runs on the body: its rays cover the body's
// lowest band from under the hump to the tail.
constexpr float kAnalStartX = -0.17f;
inline float AnalBandDepth(float x) { return 0.024f + 0.016f * std::clamp((x - kAnalStartX) / 0.4f, 0.0f, 1.0f); }

// The row of eye-spots on the rear flank, above the anal fin: centres in
// the side view and radii.
struct Ocellus {
    float x, z, radius;
};
inline const std::vector<Ocellus> kOcelli = {{-0.045f, -0.080f, 0.021f}, {0.028f, -0.071f, 0.023f},
                                             {0.102f, -0.059f, 0.022f},  {0.172f, -0.046f, 0.020f},
                                             {0.236f, -0.033f, 0.017f},  {0.292f, -0.021f, 0.014f}};

// ---- the texture: 512 x 512, laid at t 1 to 2 ----

inline const PictureSize kPicture{512, 512};
// The body over u and theta / pi (back ridge to belly); the jaws carry it on to the tip.
inline const Region kSkin{0.009f, 1.276f, 0.994f, 1.006f};
// Fins over a (along) and b (root to edge) unless said otherwise.
inline const Region kDorsalFin{0.006f, 1.775f, 0.407f, 1.994f};
inline const Region kDorsalFoldFin{0.236f, 1.287f, 0.686f, 1.421f};
inline const Region kBackFoldFin{0.420f, 1.432f, 0.623f, 1.503f};
inline const Region kPectoralFin{0.420f, 1.513f, 0.707f, 1.994f};  // a root to tip, b front to rear edge
inline const Region kPelvicFin{0.006f, 1.287f, 0.224f, 1.562f};
inline const Region kAnalFrontFin{0.006f, 1.572f, 0.408f, 1.764f};
inline const Region kAnalFin{0.700f, 1.285f, 0.994f, 1.375f};
// The tail as seen from the side.
inline const SideView kTailView{{0.715f, 1.385f, 0.994f, 1.991f}, 0.37f, 0.505f, -0.125f, 0.03f};
inline const EyeDisc kEyeDisc{0.2985f, 1.4955f, 27.0f, kPicture};

inline const EyeDome kEye{.x = kSegmentX[0], .z = 0.0f, .radius = 0.0175f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.007f, 0.0055f, 0.001f}};

// The tail's edge: from the anal fin's end round the pointed tip to the
// back; column 3 its lowest point and column 23 its highest.
constexpr int kTailLowest = 3, kTailHighest = 23;

}  // namespace fish21
