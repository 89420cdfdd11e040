// Species 12, the Boesemani rainbowfish (Melanotaenia boesemani), male: its
// grids, body, fin outlines and texture layout, shared by its mesh tables
// and its picture. A deep, flat-sided body whose back climbs steeply behind
// a small pointed head to a hump under the first dorsal fin; a large eye; a
// small first dorsal fin and a long second one, a long anal fin, a slim tail
// stalk and a moderately forked tail.
#pragma once
#include "fish/fish_species12_meshes.h"
#include "gen_fish_build.h"

#include <algorithm>
#include <vector>

namespace fish12 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish12Body)>();

inline const BodyShape kBody{
    .snoutX = -0.47f,
    .tailX = 0.33f,
    .back = {{0.0f, 0.012f}, {0.05f, 0.046f}, {0.1f, 0.078f}, {0.18f, 0.114f}, {0.28f, 0.148f}, {0.38f, 0.166f},
             {0.46f, 0.170f}, {0.56f, 0.158f}, {0.66f, 0.132f}, {0.76f, 0.098f}, {0.86f, 0.064f}, {0.93f, 0.050f},
             {1.0f, 0.046f}},
    .belly = {{0.0f, -0.002f}, {0.05f, -0.036f}, {0.1f, -0.066f}, {0.18f, -0.100f}, {0.28f, -0.130f},
              {0.38f, -0.146f}, {0.46f, -0.150f}, {0.56f, -0.140f}, {0.66f, -0.116f}, {0.76f, -0.084f},
              {0.86f, -0.054f}, {0.93f, -0.041f}, {1.0f, -0.038f}},
    .thickness = {{0.0f, 0.004f}, {0.03f, 0.018f}, {0.1f, 0.033f}, {0.25f, 0.044f}, {0.4f, 0.046f}, {0.6f, 0.037f},
                  {0.8f, 0.023f}, {0.93f, 0.015f}, {1.0f, 0.010f}},
    .egg = 0.05f,
};

// Body column j stands at x = kColumnX[j]: column 0 by the eye (the jaws
// and the eye turn with the first bend), column 4 where the pectoral and
// pelvic fins root, 8 to 17 under the dorsal fins, 11 to 14 over the anal
// fin's root, 16 where the tail roots, 17 at the stalk's end.
inline const std::vector<float> kColumnX = {-0.404f, -0.378f, -0.341f, -0.304f, -0.267f, -0.228f,
                                            -0.189f, -0.150f, -0.110f, -0.070f, -0.030f, 0.012f,
                                            0.056f,  0.100f,  0.145f,  0.200f,  0.285f,  0.330f};
inline Segments ColumnSegments()
{
    Segments s;
    for (float x : kColumnX)
        s.u.push_back(kBody.UOf(x));
    return s;
}
inline const Segments kSegments = ColumnSegments();

constexpr int kMouthRow = 3;  // the body row at which the jaws meet
constexpr int kLowerJawSpan = 4;  // the lower jaw's columns to the tip; the rest stay there

// ---- the fins' outlines -----------------------------------------------------------

// The dorsal fins: column c roots over segment 8 + c. The first fin over
// segments 8 to 10, a notch down to the back at 11, the second over 12 to
// 15, its pointed rear end on the back at 16 and 17.
inline const std::vector<float> kDorsalHeight = {0.058f, 0.052f, 0.016f, 0.0f, 0.034f,
                                                 0.066f, 0.082f, 0.080f, 0.0f, 0.0f};
inline const std::vector<float> kDorsalLean = {0.45f, 0.75f, 0.9f, 0.0f, 0.6f, 0.75f, 0.85f, 1.05f, 0.0f, 0.0f};
constexpr float kDorsalInset = 0.012f;

// The anal fin, from its rear end (a = 0) forward (a = 1): its edge's x and
// its depth below the belly there; the root points over segments 14 to 11.
inline float AnalEdgeX(float a) { return Mix(0.238f, -0.112f, a); }
inline const Profile kAnalDepth{{0.0f, 0.004f}, {0.08f, 0.050f}, {0.25f, 0.078f}, {0.55f, 0.088f},
                                {0.82f, 0.086f}, {0.93f, 0.060f}, {1.0f, 0.004f}};
inline int AnalSegment(int c) { return c < 33 ? 14 - c / 11 : 11; }
constexpr float kAnalInset = 0.008f;

// The tail: the root over segment 16, inside the stalk; the edge from the
// upper lobe's tip into the fork and out to the lower lobe's tip.
constexpr int kTailSegment = 16;
inline const std::vector<V3> kTailEdge = {
    {0.488f, 0, 0.132f}, {0.470f, 0, 0.098f}, {0.450f, 0, 0.062f}, {0.432f, 0, 0.030f},
    {0.424f, 0, 0.004f}, {0.432f, 0, -0.022f}, {0.450f, 0, -0.054f}, {0.470f, 0, -0.090f},
    {0.488f, 0, -0.124f},
};

// The paired fins root over segment 4: the pectoral fin at mid-flank behind
// the gill cover, the pelvic fin under the belly.
constexpr float kPairedSegment = 4.0f;

// ---- the fins' rows, shared by the tables and the picture -------------------------

inline std::vector<V3> DorsalRoot()
{
    std::vector<float> over;
    for (size_t c = 0; c < kDorsalHeight.size(); ++c)
        over.push_back(8.0f + c);
    return AnchorRow(kBody, kSegments, over, Ridge::Back, kDorsalInset);
}
inline std::vector<V3> DorsalEdge()
{
    std::vector<V3> edge = DorsalRoot();
    for (size_t c = 0; c < edge.size(); ++c)
        if (kDorsalHeight[c] > 0)
            edge[c] = edge[c] + V3{kDorsalLean[c] * kDorsalHeight[c], 0.0f, kDorsalHeight[c] + kDorsalInset};
    return edge;
}

// The edge of the anal fin, from its rear end forward.
inline std::vector<V3> AnalEdge(int columns)
{
    std::vector<V3> edge(columns);
    for (int c = 0; c < columns; ++c) {
        const float a = Along(c, columns), x = AnalEdgeX(a);
        edge[c] = {x, 0.0f, kBody.Belly(kBody.UOf(x)) - kAnalDepth(a)};
    }
    return edge;
}

// Points along a polyline, evenly by length.
inline std::vector<V3> AlongPolyline(const std::vector<V3>& line, int count)
{
    std::vector<float> at(1, 0.0f);
    for (size_t i = 1; i < line.size(); ++i)
        at.push_back(at.back() + Length(line[i] - line[i - 1]));
    std::vector<V3> out(count);
    for (int c = 0; c < count; ++c) {
        const float d = Along(c, count) * at.back();
        size_t i = 1;
        while (i + 1 < line.size() && at[i] < d)
            ++i;
        out[c] = Lerp(line[i - 1], line[i], (d - at[i - 1]) / std::max(at[i] - at[i - 1], 1e-6f));
    }
    return out;
}

// The tail's edge as the class draws it.
inline std::vector<V3> TailEdge(int columns) { return AlongPolyline(kTailEdge, columns); }

// ---- the texture: 512 x 256; every part maps into t 1 .. 2 -------------------------

inline const PictureSize kPicture{512, 256};
// The body over u (s) and theta / pi from the ridge (top) to the belly.
inline const Region kSkin{0.01f, 1.97f, 0.99f, 1.53f};
// The midline fins seen from the side.
inline const SideView kFinSide{{0.01f, 1.03f, 0.58f, 1.50f}, -0.16f, 0.50f, -0.27f, 0.27f};
// The paired fins over a (along the fin) and b (root 0 to edge 1).
inline const Region kPectoralFin{0.61f, 1.03f, 0.78f, 1.26f};
inline const Region kPelvicFin{0.81f, 1.03f, 0.98f, 1.26f};
inline const EyeDisc kEyeDisc{0.70f, 1.40f, 24.0f, kPicture};

inline const EyeDome kEye{.x = -0.404f, .z = 0.024f, .radius = 0.033f, .rings = {0.0f, 0.62f, 1.0f},
                          .lifts = {0.010f, 0.008f, 0.002f}};

}  // namespace fish12
