// Species 7, the zebra danio (Danio rerio): its grids, body shape, segments,
// fin outlines and texture layout, shared by its mesh tables and its
// picture. A slim, torpedo-shaped, slightly compressed body with a short
// head, a large eye and a small oblique mouth with two pairs of barbels; a
// short dorsal fin over the middle, the anal fin behind and below it, small
// paired fins low on the body and a deeply forked tail.
#pragma once
#include "fish/fish_species07_meshes.h"
#include "gen_fish_build.h"

#include <vector>

namespace fish07 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish07Body)>();

// The snout tip a little above the middle (the mouth opens upward), the back
// and belly nearly alike, deepest at the middle, a stout tail stalk.
inline const BodyShape kBody{
    .snoutX = -0.475f,
    .tailX = 0.32f,
    .back = {{0.0f, 0.006f}, {0.04f, 0.034f}, {0.09f, 0.053f}, {0.14f, 0.066f}, {0.25f, 0.081f}, {0.40f, 0.091f},
             {0.52f, 0.093f}, {0.62f, 0.087f}, {0.75f, 0.068f}, {0.88f, 0.049f}, {1.0f, 0.041f}},
    .belly = {{0.0f, -0.003f}, {0.04f, -0.032f}, {0.09f, -0.052f}, {0.14f, -0.066f}, {0.25f, -0.083f},
              {0.40f, -0.093f}, {0.52f, -0.092f}, {0.62f, -0.083f}, {0.75f, -0.061f}, {0.88f, -0.045f},
              {1.0f, -0.038f}},
    .thickness = {{0.0f, 0.0f}, {0.04f, 0.018f}, {0.09f, 0.029f}, {0.14f, 0.036f}, {0.25f, 0.043f},
                  {0.40f, 0.045f}, {0.55f, 0.040f}, {0.70f, 0.031f}, {0.85f, 0.020f}, {1.0f, 0.013f}},
    .egg = 0.08f,
};

// Body columns by x: column 0 just behind the eye (the head in front of it
// turns with the first bend angle), 1 at the pectoral fins, 5 to 6.5 under
// the dorsal fin, 7 to 8 over the anal fin, 11 at the tail root.
constexpr float kColumnX[] = {-0.375f, -0.31f, -0.24f, -0.17f, -0.095f, -0.03f,
                              0.025f,  0.075f, 0.145f, 0.20f,  0.26f,   0.32f};
static_assert(std::size(kColumnX) == kBodySize.columns);
inline const Segments kSegments = SegmentsAtX(kBody, kColumnX);

// The jaws: their columns stand at these u, the tip first (the last column
// is the body's column 0); the mouth line rises toward the tip. The moving
// columns (all but the last) lie in front of the eye.
constexpr float kJawU[] = {0.0f, 0.022f, 0.045f, 0.068f};
constexpr float kMouthTheta[] = {0.45f, 0.56f, 0.66f, 0.72f, 0.75f};  // in pi, per jaw column

// ---- the fins: segments (the class's rules) and outlines ----

// The dorsal fin, front to back over segments 5 to 6.8 (the class turns its
// columns by segments 5, 5, 6, 6, 6, 6.5, 6.5, 6.5); its edge: x behind the
// first root, z above each column's own root.
inline const std::vector<float> kDorsalRoots = {5.0f, 5.3f, 5.8f, 6.0f, 6.2f, 6.4f, 6.6f, 6.8f};
inline const std::vector<V3> kDorsalEdge = {{0.026f, 0, 0.064f}, {0.044f, 0, 0.068f}, {0.062f, 0, 0.063f},
                                            {0.078f, 0, 0.055f}, {0.093f, 0, 0.045f}, {0.107f, 0, 0.034f},
                                            {0.119f, 0, 0.021f}, {0.128f, 0, 0.007f}};

// The anal fin, back to front over segments 8.15 to 6.8 (turned by segments
// 8, 8, 8, 7.5, 7.5, 7, 7); its edge: x behind each root, z below it.
inline const std::vector<float> kAnalRoots = {8.15f, 8.0f, 7.85f, 7.6f, 7.4f, 7.15f, 6.8f};
inline const std::vector<V3> kAnalEdge = {{0.024f, 0, -0.012f}, {0.027f, 0, -0.024f}, {0.028f, 0, -0.034f},
                                          {0.027f, 0, -0.042f}, {0.025f, 0, -0.048f}, {0.022f, 0, -0.052f},
                                          {0.018f, 0, -0.052f}};

// The tail: its root down the tail root (segment 11), its edge from the
// upper lobe round the fork to the lower lobe (x, and z about the stalk's
// middle).
inline const std::vector<V3> kTailEdge = {
    {0.338f, 0, 0.048f},  {0.410f, 0, 0.072f},  {0.497f, 0, 0.090f},  {0.470f, 0, 0.064f},  {0.446f, 0, 0.040f},
    {0.426f, 0, 0.019f},  {0.415f, 0, 0.0f},    {0.426f, 0, -0.019f}, {0.446f, 0, -0.040f}, {0.470f, 0, -0.064f},
    {0.497f, 0, -0.090f}, {0.410f, 0, -0.072f}, {0.338f, 0, -0.048f}};
constexpr int kUpperTip = 2, kNotch = 6, kLowerTip = 10;  // their columns

// The paired fins: the pectoral low behind the gill cover on segment 1, the
// pelvic under the belly at segment 5.5.
constexpr float kPectoralSegment = 1.0f, kPelvicSegment = 5.5f;

inline std::vector<V3> DorsalRoots() { return AnchorRow(kBody, kSegments, kDorsalRoots, Ridge::Back, 0.004f); }
inline std::vector<V3> AnalRoots() { return AnchorRow(kBody, kSegments, kAnalRoots, Ridge::Belly, 0.004f); }
inline std::vector<V3> DorsalEdge()
{
    const std::vector<V3> root = DorsalRoots();
    std::vector<V3> edge(root.size());
    for (size_t c = 0; c < root.size(); ++c)
        edge[c] = {root.front().x + kDorsalEdge[c].x, 0.0f, root[c].z + kDorsalEdge[c].z};
    return edge;
}
inline std::vector<V3> AnalEdge()
{
    const std::vector<V3> root = AnalRoots();
    std::vector<V3> edge(root.size());
    for (size_t c = 0; c < root.size(); ++c)
        edge[c] = {root[c].x + kAnalEdge[c].x, 0.0f, root[c].z + kAnalEdge[c].z};
    return edge;
}
inline std::vector<V3> TailRoots()
{
    const int n = static_cast<int>(kTailEdge.size());
    const float top = kBody.Back(1.0f) - 0.004f, bottom = kBody.Belly(1.0f) + 0.004f;
    std::vector<V3> root(n);
    for (int c = 0; c < n; ++c)
        root[c] = {kBody.tailX - 0.004f, 0.0f, Mix(top, bottom, Along(c, n))};
    return root;
}
inline std::vector<V3> TailEdge() { return RaisedBy(kTailEdge, kBody.MidLine(1.0f)); }

// The eye: large, high on the head in front of body column 0.
inline const EyeDome kEye{.x = -0.402f, .z = 0.008f, .radius = 0.029f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.008f, 0.006f, 0.0015f}, .phase = 0.25f * kPi};
// The part of the eye's disc that is the eye proper (the rest is the head's
// skin): inside the circle the four-sided rim holds.
constexpr float kEyeProper = 0.68f;

// ---- the barbels: a short rostral pair on the snout, a longer maxillary
// pair from the corners of the mouth (drawn in two pieces) ----

struct Barbel {
    V3 root, direction;
    float length, width;
};
// Their roots lie deep in the narrow snout, near the midline, where the
// class's sideways sway of both halves alike keeps them in the head.
inline const Barbel kRostral{{-0.455f, 0.001f, 0.013f}, Normalize({-0.35f, 0.60f, -0.70f}), 0.036f, 0.0080f};
inline const Barbel kMaxillary{{-0.446f, 0.001f, -0.010f}, Normalize({0.30f, 0.60f, -0.75f}), 0.062f, 0.0085f};

// ---- the texture: 512 x 512, laid out at t 1 to 2 ----

inline const PictureSize kPicture{512, 512};
// The body over u (snout to tail root) and theta / pi (back ridge to belly).
inline const Region kSkin{0.01f, 1.99f, 0.99f, 1.55f};
// The dorsal, anal and tail fins as seen from the side.
inline const SideView kFinPlane{{0.01f, 1.02f, 0.62f, 1.50f}, -0.06f, 0.52f, -0.13f, 0.13f};
// The paired fins over a (root to tip) and b (one edge to the other).
inline const Region kPectoralFin{0.64f, 1.04f, 0.80f, 1.20f};
inline const Region kPelvicFin{0.64f, 1.26f, 0.80f, 1.42f};
inline const Region kBarbels{0.84f, 1.42f, 0.98f, 1.50f};
inline const EyeDisc kEyeDisc{0.90f, 1.24f, 36.0f, kPicture};

}  // namespace fish07
