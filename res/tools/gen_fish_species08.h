// Species 8, the firemouth cichlid (Thorichthys meeki): its grids, body shape,
// segments, fin outlines and texture layout, shared by its mesh tables and
// its picture. A deep, flat-sided cichlid with a pointed snout under a steep
// forehead, a long spiny dorsal running into a soft dorsal that ends in a
// point over the tail, a pointed anal fin, long pointed pelvic fins and a
// broad, nearly square tail.
#pragma once
#include "fish/fish_species08_meshes.h"
#include "gen_fish_build.h"

namespace fish08 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish08Body)>();

// Deepest a little ahead of the middle, the forehead rising steeply from the
// snout, the belly deep under the throat; narrow seen from above.
inline const BodyShape kBody{
    .snoutX = -0.5f,
    .tailX = 0.29f,
    .back = {{0.0f, 0.010f}, {0.05f, 0.038f}, {0.12f, 0.094f}, {0.20f, 0.140f}, {0.30f, 0.170f}, {0.42f, 0.180f},
             {0.55f, 0.168f}, {0.68f, 0.132f}, {0.80f, 0.090f}, {0.90f, 0.064f}, {1.0f, 0.054f}},
    .belly = {{0.0f, -0.030f}, {0.05f, -0.050f}, {0.12f, -0.086f}, {0.20f, -0.118f}, {0.30f, -0.146f},
              {0.42f, -0.156f}, {0.55f, -0.146f}, {0.68f, -0.113f}, {0.80f, -0.076f}, {0.90f, -0.056f},
              {1.0f, -0.048f}},
    .thickness = {{0.0f, 0.007f}, {0.05f, 0.020f}, {0.12f, 0.036f}, {0.25f, 0.050f}, {0.40f, 0.053f},
                  {0.60f, 0.045f}, {0.80f, 0.030f}, {1.0f, 0.016f}},
    .egg = 0.10f,
};

// Where the body's columns stand (x): column 0 behind the eye (the head in
// front of it turns with the first bend angle), close together round the
// pectoral and pelvic fins, wide apart under the spiny dorsal, 6 and 7 almost
// at one place (where the spiny and the soft dorsal meet), close again toward
// the tail root.
constexpr float kColumnX[] = {-0.330f, -0.295f, -0.262f, -0.230f, -0.153f, -0.076f, 0.006f,
                              0.012f,  0.064f,  0.109f,  0.154f,  0.198f,  0.244f, 0.290f};
inline const Segments kSegments = SegmentsAtX(kBody, kColumnX);

// The jaws: the head in front of body column 0, at these u from the tip;
// column 6 is the body's column 0. The mouth line runs from low on the snout
// tip back to body row 3.
constexpr float kJawU[] = {0.0f, 0.022f, 0.048f, 0.080f, 0.120f, 0.168f};
constexpr float kMouthTheta = 0.56f;  // at the tip, in pi
constexpr int kMouthRow = 3;          // the body row where the jaws meet

// ---- the fins (segments as the class takes them, outlines in x and z) ----

// The spiny dorsal: columns over segments 3, 3.5, 4, 4.5, 5.5 and 6, several
// sharing a root; the edge notched between the spines' tips.
inline const std::vector<float> kSpinyDorsalSegments = {3, 3, 3, 3.5f, 4, 4, 4.5f, 4.5f, 5.5f, 5.5f, 5.5f, 5.5f,
                                                        6, 6, 6};
// The soft dorsal over segments 7 to 11; it ends in a point over the tail
// (column 7), its last ray lying back along the tail stalk.
inline const std::vector<float> kSoftDorsalSegments = {7, 7.5f, 8, 8.5f, 9, 9.5f, 10, 10, 11};
inline const std::vector<V3> kSoftDorsalEdge = {{0.040f, 0, 0.192f}, {0.078f, 0, 0.205f}, {0.116f, 0, 0.212f},
                                                {0.156f, 0, 0.212f}, {0.196f, 0, 0.204f}, {0.238f, 0, 0.189f},
                                                {0.282f, 0, 0.168f}, {0.356f, 0, 0.124f}, {0.318f, 0, 0.094f}};
// The anal fin, turned whole with segment 10, rooted on the belly line from
// x = 0.02 to 0.19; its rays lean back to a point under the tail (column
// 8), the last lying back along the tail stalk.
constexpr float kAnalFrom = 0.020f, kAnalTo = 0.190f;
inline const std::vector<V3> kAnalEdge = {{0.030f, 0, -0.142f}, {0.060f, 0, -0.168f}, {0.094f, 0, -0.184f},
                                          {0.130f, 0, -0.192f}, {0.168f, 0, -0.192f}, {0.208f, 0, -0.184f},
                                          {0.250f, 0, -0.166f}, {0.292f, 0, -0.142f}, {0.346f, 0, -0.110f},
                                          {0.312f, 0, -0.080f}};
// The tail: roots on the stalk's back and belly over segment 12 (the outer
// columns) and down the tail root at segment 12.5; a broad edge, nearly
// straight behind, the corners a little drawn out. z about the stalk's middle.
inline const std::vector<V3> kTailEdge = {
    {0.300f, 0, 0.068f},  {0.365f, 0, 0.108f},  {0.430f, 0, 0.140f},  {0.470f, 0, 0.142f},  {0.486f, 0, 0.118f},
    {0.492f, 0, 0.090f},  {0.496f, 0, 0.062f},  {0.499f, 0, 0.036f},  {0.500f, 0, 0.012f},  {0.500f, 0, -0.010f},
    {0.500f, 0, -0.032f}, {0.499f, 0, -0.056f}, {0.496f, 0, -0.080f}, {0.492f, 0, -0.104f}, {0.486f, 0, -0.124f},
    {0.470f, 0, -0.142f}, {0.430f, 0, -0.140f}, {0.365f, 0, -0.108f}, {0.300f, 0, -0.068f}};

// The paired fins: the pectoral low on the flank at segment 2.5, the pelvic
// under the throat at segment 3.
constexpr float kPectoralSegment = 2.5f, kPelvicSegment = 3.0f;

inline std::vector<V3> SpinyDorsalRoots()
{
    return AnchorRow(kBody, kSegments, kSpinyDorsalSegments, Ridge::Back, 0.005f);
}
// The spines' tips: from the first root to the last, the membrane dipping
// between them, the front spines short, the last meeting the soft dorsal's
// first ray.
inline std::vector<V3> SpinyDorsalEdge()
{
    const std::vector<V3> root = SpinyDorsalRoots();
    const int n = static_cast<int>(root.size());
    static const Profile height{{0.0f, 0.040f}, {0.2f, 0.072f}, {0.5f, 0.082f}, {0.85f, 0.072f}, {1.0f, 0.060f}};
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const float x = Mix(root.front().x + 0.012f, kSoftDorsalEdge.front().x, a);
        edge[c] = {x, 0.0f, kBody.Back(kBody.UOf(x)) + height(a) * (c % 2 == 0 ? 1.0f : 0.86f)};
    }
    edge.back() = kSoftDorsalEdge.front();  // the two fins meet at one point
    return edge;
}
inline std::vector<V3> SoftDorsalRoots()
{
    return AnchorRow(kBody, kSegments, kSoftDorsalSegments, Ridge::Back, 0.005f);
}
inline std::vector<V3> AnalRoots()
{
    std::vector<V3> root;
    const int n = static_cast<int>(kAnalEdge.size());
    for (int c = 0; c < n; ++c) {
        const float u = kBody.UOf(Mix(kAnalFrom, kAnalTo, Along(c, n)));
        root.push_back({kBody.XOf(u), 0.0f, kBody.Belly(u) + 0.005f});
    }
    return root;
}
inline std::vector<V3> TailRoots()
{
    const int n = static_cast<int>(kTailEdge.size());
    std::vector<V3> root(n);
    const float outer = kSegments.U(12.0f), middle = kSegments.U(12.5f);
    root.front() = {kBody.XOf(outer), 0.0f, kBody.Back(outer) - 0.004f};
    root.back() = {kBody.XOf(outer), 0.0f, kBody.Belly(outer) + 0.004f};
    const float top = kBody.Back(middle) - 0.006f, bottom = kBody.Belly(middle) + 0.006f;
    for (int c = 1; c + 1 < n; ++c)
        root[c] = {kBody.XOf(middle), 0.0f, Mix(top, bottom, Along(c - 1, n - 2))};
    return root;
}
inline std::vector<V3> TailEdge() { return RaisedBy(kTailEdge, kBody.MidLine(1.0f)); }

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly): the upper half.
inline const Region kSkin{0.01f, 0.99f, 0.97f, 0.50f};
// The dorsal, anal and tail fins as seen from the side, over the lower left.
inline const SideView kFinPlane{{0.01f, 0.02f, 0.62f, 0.46f}, -0.26f, 0.52f, -0.30f, 0.30f};
// The paired fins over a (root to tip) and b (one edge to the other).
inline const Region kPectoralFin{0.66f, 0.04f, 0.80f, 0.21f};
inline const Region kPelvicFin{0.66f, 0.26f, 0.80f, 0.45f};
inline const EyeDisc kEyeDisc{0.90f, 0.24f, 26.0f, kPicture};

// High on the head, ahead of body column 0.
inline const EyeDome kEye{.x = -0.377f, .z = 0.045f, .radius = 0.031f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.009f, 0.006f, 0.0012f}};

// The marks of the flank (x, z of the side view): the spot mid-flank and the
// pale-edged spot low on the gill cover.
constexpr float kFlankSpotX = -0.030f, kFlankSpotZ = 0.000f, kFlankSpotRadius = 0.030f;
constexpr float kGillSpotX = -0.338f, kGillSpotZ = -0.064f, kGillSpotRadius = 0.015f;

}  // namespace fish08
