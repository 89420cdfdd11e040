// Species 11, the cuckoo catfish: its mesh tables, built from its shape
// (gen_fish_species11.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species11.h"

namespace fish11 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The edge row first, then the root (the row the class moves is the first).
inline Grid EdgeFirst(Grid g)
{
    std::reverse(g.begin(), g.end());
    return g;
}

// The jaws, turned with segment 0: the upper one covers the snout from the
// ridge down to the mouth under it, the lower one the chin from the mouth to
// the belly. Column 0 on the body, the snout tip from column `span` - 1 on.
inline Grid UpperJaw(GridSize size)
{
    const std::vector<SnoutRow> rows = {{0, 0}, {0.4f * kPi, 0.4f * kPi}, {kMouthTheta, kMouthTheta}};
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, size.columns, false);
}
inline Grid LowerJaw(GridSize size)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r) {
        const float theta = Mix(kMouthTheta, kPi, Along(r, size.rows));
        rows.push_back({theta, theta});
    }
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, 4, false);
}

// The tall dorsal fin, turned once with segment 5: a short base over
// segments 4.85 to 5.15, the stout spine in front, the rays fanning back.
inline Grid Dorsal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 4.85f, 5.15f, size.columns, Ridge::Back, 0.006f);
    const Fan fan{Lerp(root.front(), root.back(), 0.5f), {1, 0, 0}, {0, 0, 1}, 1.22f, 0.20f,
                  [](float a) { return 0.170f - 0.075f * std::pow(a, 0.8f); }};
    return FinSheet(size, root, FanEdge(fan, size.columns), {0, 1, 0}, OnRegion(kDarkFins));
}

// A fan spread flat: from `back` (angle 0) toward `side`, as a catfish holds
// its paired fins out from the body.
inline Fan FlatFan(V3 centre, V3 back, V3 side, float from, float to, std::function<float(float a)> length)
{
    back = Normalize(back);
    side = Normalize(side - back * Dot(side, back));
    return {centre, back, side, from, to, std::move(length)};
}

// A long stout spine in front and a broad fin behind it, held out flat from
// the lower flank at segment 3; two root points.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(3));
    const V3 front = kBody.OnFlank(x - 0.004f, -0.056f, 0.003f), back = kBody.OnFlank(x + 0.003f, -0.062f, 0.003f);
    static const Profile length{{0.0f, 0.140f}, {0.3f, 0.128f}, {0.7f, 0.104f}, {1.0f, 0.072f}};
    const Fan fan = FlatFan(Lerp(front, back, 0.5f), {1.0f, 0.30f, -0.30f}, {0, 1, -0.15f}, 1.05f, 0.10f, length);
    return EdgeFirst(FanFin(size, {front, back}, fan, {0, 0.2f, 1}, OnRegion(kDarkFins)));
}

// A small rounded fin from the belly under segment 6, held out flat (its
// edge flaps in and out by up to 0.06 without crossing the midline).
inline Grid Pelvic(GridSize size)
{
    const float u = kSegments.U(6);
    const V3 front = kBody.Surface(u - 0.004f, 0.84f * kPi), back = kBody.Surface(u + 0.006f, 0.86f * kPi);
    static const Profile length{{0.0f, 0.072f}, {0.5f, 0.080f}, {1.0f, 0.062f}};
    const Fan fan = FlatFan(Lerp(front, back, 0.5f), {1.0f, 0.55f, -0.30f}, {0, 1, -0.2f}, 0.95f, 0.15f, length);
    return EdgeFirst(FanFin(size, {front, back}, fan, {0, 0.2f, -1}, OnRegion(kDarkFins)));
}

// The long, low adipose fin on the back: columns 2k and 2k + 1 stand on
// segment 7 + k (their bend and sway), so the fin has no height at its ends.
inline Grid Adipose(GridSize size)
{
    std::vector<float> over(size.columns), height(size.columns);
    static const Profile h{{7.0f, 0.0f}, {8.0f, 0.022f}, {9.0f, 0.040f}, {12.0f, 0.054f},
                           {13.6f, 0.042f}, {14.6f, 0.012f}, {15.2f, 0.0f}};
    for (int c = 0; c < size.columns; ++c) {
        over[c] = 7.0f + c / 2;
        height[c] = h(over[c]);
    }
    return MidlineFin(size, AnchorRow(kBody, kSegments, over, Ridge::Back, 0.004f), height, 1.0f, 0.35f,
                      OnRegion(kAdiposeFin));
}

// The deeply forked tail, turned once with segment 16: its root a line up
// the end of the tail stalk, its edge from the upper lobe's tip in to the
// fork and out to the lower lobe's tip.
inline Grid Tail(GridSize size)
{
    const float x = kBody.XOf(1.0f) + 0.002f, mid = kBody.MidLine(1.0f);
    const float top = kBody.Back(1.0f) - 0.004f, bottom = kBody.Belly(1.0f) + 0.004f;
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), f = std::fabs(1.0f - 2.0f * a);  // 1 at a tip, 0 at the fork
        const float sign = a < 0.5f ? 1.0f : -1.0f;
        root[c] = {x, 0, Mix(top, bottom, a)};
        // The lobe's inner margin, bowed a little back.
        const float bow = 0.018f * std::sin(kPi * f);
        edge[c] = {x + Mix(kForkDepth, kLobeReach, std::pow(f, 1.3f)) + bow, 0,
                   mid + sign * kLobeSpan * std::pow(f, 0.85f)};
    }
    return EdgeFirst(FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kTailFin)));
}

// A barbel: a narrow ribbon through its points (the first hidden in the head).
inline Grid Barbel(GridSize size, std::vector<V3> points, float width)
{
    auto path = [points](float a) {
        const float k = a * (points.size() - 1);
        const int i = std::min(static_cast<int>(k), static_cast<int>(points.size()) - 2);
        return Lerp(points[i], points[i + 1], k - i);
    };
    return Ribbon(size, path, [](float) { return V3{0, 0.8f, 1}; },
                  [width](float a) { return width * (1.0f - 0.6f * a); }, {0, 1, 0}, OnRegion(kBarbels));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish11Body)>("g_Fish11Body", Body),
        Table<decltype(g_Fish11UpperJaw)>("g_Fish11UpperJaw", UpperJaw),
        Table<decltype(g_Fish11LowerJaw)>("g_Fish11LowerJaw", LowerJaw),
        Table<decltype(g_Fish11Dorsal)>("g_Fish11Dorsal", Dorsal),
        Table<decltype(g_Fish11Pectoral)>("g_Fish11Pectoral", Pectoral),
        Table<decltype(g_Fish11Pelvic)>("g_Fish11Pelvic", Pelvic),
        Table<decltype(g_Fish11Adipose)>("g_Fish11Adipose", Adipose),
        Table<decltype(g_Fish11Tail)>("g_Fish11Tail", Tail),
        Table<decltype(g_Fish11Eye)>("g_Fish11Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
        // The long barbel of the upper jaw swings with sine W11 (up to 0.02
        // either way), so its root lies that deep in the head.
        Table<decltype(g_Fish11Barbel)>("g_Fish11Barbel",
                                        [](GridSize size) {
                                            return Barbel(size,
                                                          {{-0.405f, 0.012f, -0.036f}, {-0.392f, 0.052f, -0.052f},
                                                           {-0.330f, 0.090f, -0.086f}, {-0.215f, 0.112f, -0.118f}},
                                                          0.010f);
                                        }),
        Table<decltype(g_Fish11ChinBarbel)>("g_Fish11ChinBarbel",
                                            [](GridSize size) {
                                                return Barbel(size,
                                                              {{-0.392f, 0.010f, -0.046f}, {-0.388f, 0.022f, -0.070f},
                                                               {-0.362f, 0.036f, -0.094f}, {-0.318f, 0.046f, -0.112f}},
                                                              0.012f);
                                            }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species11_meshes.h", Tables, Half::PlusY);

}  // namespace fish11
