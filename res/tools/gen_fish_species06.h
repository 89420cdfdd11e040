// Species 6, the lyretail killifish (Aphyosemion australe): its grids, body
// shape, segments, fin outlines and texture layout, shared by its mesh tables
// and its picture. A long, round-sectioned body with a flat head and an
// upturned mouth, the dorsal and anal fins set far back and pointed behind,
// and the lyre tail: a hollow edge between long upper and lower streamers.
#pragma once
#include "fish/fish_species06_meshes.h"
#include "gen_fish_build.h"

#include <algorithm>

namespace fish06 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish06Body)>();

// A pointed head, flat on top; the body deepest at its middle and nearly as
// wide as deep in front, flatter toward the long tail stalk.
inline const BodyShape kBody{
    .snoutX = -0.44f,
    .tailX = 0.28f,
    .back = {{0.0f, 0.012f}, {0.04f, 0.034f}, {0.10f, 0.054f}, {0.20f, 0.068f}, {0.32f, 0.078f}, {0.45f, 0.083f},
             {0.58f, 0.080f}, {0.72f, 0.068f}, {0.86f, 0.052f}, {1.0f, 0.043f}},
    .belly = {{0.0f, 0.000f}, {0.04f, -0.026f}, {0.10f, -0.048f}, {0.20f, -0.066f}, {0.32f, -0.078f},
              {0.45f, -0.084f}, {0.58f, -0.078f}, {0.72f, -0.062f}, {0.86f, -0.046f}, {1.0f, -0.038f}},
    .thickness = {{0.0f, 0.0f}, {0.04f, 0.024f}, {0.10f, 0.042f}, {0.20f, 0.054f}, {0.35f, 0.057f},
                  {0.50f, 0.050f}, {0.70f, 0.036f}, {0.86f, 0.025f}, {1.0f, 0.013f}},
    .egg = 0.12f,
};

// Body column 0 just behind the gill cover (the eyes, the jaws and the gill
// covers turn with the first bend angle and lie in front of it), column 8 at
// the tail root.
inline const Segments kSegments = Segments::Even(0.2f, 1.0f, kBodySize.columns);

// The jaws: the mouth line rises toward the tip (the mouth opens upward).
// Their columns stand at these u, the tip first; only the front three move
// when the mouth opens, and the eye lies behind them.
constexpr float kJawU[] = {0.0f, 0.025f, 0.05f, 0.09f};  // the last column is the body's column 0
constexpr float kMouthTheta[] = {0.30f, 0.36f, 0.42f, 0.5f};  // in pi, at the columns above

// ---- the fins: segments (the class's map, in segments) and outlines ----

// The dorsal fin: column c roots over segment kDorsalSegments[c]; its edge
// rises from the front root and runs back to a point over the tail root.
inline const std::vector<float> kDorsalSegments = {5.0f, 5.5f, 6.0f, 6.0f, 6.5f, 6.5f, 6.5f, 7.0f, 7.0f};
// Edge points: x behind the first root, z above each column's own root.
inline const std::vector<V3> kDorsalEdge = {{0.010f, 0, 0.014f}, {0.040f, 0, 0.050f}, {0.070f, 0, 0.066f},
                                            {0.096f, 0, 0.072f}, {0.126f, 0, 0.074f}, {0.156f, 0, 0.069f},
                                            {0.186f, 0, 0.058f}, {0.220f, 0, 0.042f}, {0.248f, 0, 0.016f}};

// The anal fin, opposite and a little ahead of the dorsal.
inline const std::vector<float> kAnalSegments = {4.0f, 5.0f, 5.0f, 6.0f, 6.5f, 7.0f, 7.0f};
// Edge points: x behind the first root, z below each column's own root.
inline const std::vector<V3> kAnalEdge = {{0.012f, 0, -0.018f}, {0.058f, 0, -0.054f}, {0.102f, 0, -0.068f},
                                          {0.150f, 0, -0.074f}, {0.200f, 0, -0.068f}, {0.248f, 0, -0.052f},
                                          {0.290f, 0, -0.022f}};

// The tail: its root from the back of the stalk over segment 7 round the
// tail root (segment 8) to the stalk's belly. The columns on the tail root
// carry the lyre: the upper streamer's tip, the hollow edge, the lower
// streamer's tip; the outer columns (segments 7 and 7.5, which bend apart
// from the tail root in a turn) only edge the stalk and the lobes' bases.
inline const std::vector<float> kTailSegments = {7.0f, 7.5f, 8.0f, 8.0f, 8.0f, 8.0f, 8.0f, 7.5f, 7.0f};
// Edge points: x, and z about the stalk's middle.
inline const std::vector<V3> kTailEdge = {{0.236f, 0, 0.064f}, {0.300f, 0, 0.076f}, {0.625f, 0, 0.150f},
                                          {0.445f, 0, 0.050f}, {0.412f, 0, 0.000f}, {0.445f, 0, -0.050f},
                                          {0.625f, 0, -0.150f}, {0.300f, 0, -0.076f}, {0.236f, 0, -0.064f}};
constexpr int kUpperStreamer = 2, kLowerStreamer = 6;  // their columns

// The paired fins: the pectoral behind the gill cover on segment 1, the
// pelvic under the belly on segment 3.
constexpr float kPectoralSegment = 1.0f, kPelvicSegment = 3.0f;

// The fins' root and edge rows in the side view (used by the mesh tables
// and the picture alike).
inline std::vector<V3> DorsalRoots() { return AnchorRow(kBody, kSegments, kDorsalSegments, Ridge::Back, 0.004f); }
inline std::vector<V3> AnalRoots() { return AnchorRow(kBody, kSegments, kAnalSegments, Ridge::Belly, 0.004f); }
// Edge points placed from the fin's first root: x behind it, z off each root.
inline std::vector<V3> FinEdge(const std::vector<V3>& roots, const std::vector<V3>& outline)
{
    std::vector<V3> edge(roots.size());
    for (size_t c = 0; c < roots.size(); ++c)
        edge[c] = {roots.front().x + outline[c].x, 0.0f, roots[c].z + outline[c].z};
    return edge;
}
inline std::vector<V3> DorsalEdge() { return FinEdge(DorsalRoots(), kDorsalEdge); }
inline std::vector<V3> AnalEdge() { return FinEdge(AnalRoots(), kAnalEdge); }

inline std::vector<V3> TailRoots()
{
    const int n = static_cast<int>(kTailSegments.size());
    const int middle = static_cast<int>(std::count(kTailSegments.begin(), kTailSegments.end(), 8.0f));
    std::vector<V3> root(n);
    for (int c = 0, k = 0; c < n; ++c) {
        const float segment = kTailSegments[c], u = kSegments.U(segment);
        if (segment == 8.0f) {
            const float top = kBody.Back(u) - 0.005f, bottom = kBody.Belly(u) + 0.005f;
            root[c] = {kBody.XOf(u) - 0.004f, 0.0f, Mix(top, bottom, Along(k++, middle))};
        } else {
            root[c] = {kBody.XOf(u), 0.0f, c < n / 2 ? kBody.Back(u) - 0.004f : kBody.Belly(u) + 0.004f};
        }
    }
    return root;
}
inline std::vector<V3> TailEdge() { return RaisedBy(kTailEdge, kBody.MidLine(1.0f)); }

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.97f, 0.99f, 0.53f};
// The dorsal, anal and tail fins as seen from the side, over the lower left.
inline const SideView kFinPlane{{0.01f, 0.02f, 0.60f, 0.48f}, -0.02f, 0.66f, -0.20f, 0.20f};
// The paired fins over a (root to tip) and b (one edge to the other).
inline const Region kPectoralFin{0.64f, 0.05f, 0.80f, 0.22f};
inline const Region kPelvicFin{0.64f, 0.28f, 0.80f, 0.45f};
inline const EyeDisc kEyeDisc{0.90f, 0.25f, 26.0f, kPicture};

inline const EyeDome kEye{.x = -0.350f, .z = 0.018f, .radius = 0.026f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.010f, 0.007f, 0.0015f}};

}  // namespace fish06
