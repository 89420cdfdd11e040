// Species 24, the peacock bass: its mesh tables, built from its shape
// (gen_fish_species24.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species24.h"

#include <algorithm>

namespace fish24 {

// The class stores the body from the belly up, and some fins edge first.
inline Grid Reversed(Grid g)
{
    std::reverse(g.begin(), g.end());
    return g;
}

inline Grid Body(GridSize size) { return Reversed(BodyGrid(kBody, kSegments, size, kSkin)); }

// The jaws close the head in front of body column 0 (bend 0): the upper from
// the lip up to the ridge, the lower from the belly up to the lip; column 0
// at the snout tip, the last on the body's first cross-section.
inline Grid Jaw(GridSize size, bool upper)
{
    const float side = kPi / 2;
    const std::vector<SnoutRow> rows =
        upper ? std::vector<SnoutRow>{{side, kLipAtTip}, {kPi / 4, kPi / 4}, {0, 0}}
              : std::vector<SnoutRow>{{kPi, kPi}, {0.75f * kPi, 0.75f * kPi}, {side, kLipAtTip}};
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, size.columns, true);
}

// The spiny dorsal, turned with segment 6: rooted from segment 5.6 to 6.5,
// close to the middle where a turn moves it least. Tall spines leaning back,
// the last one low and far back (the notch before the soft dorsal).
inline Grid SpinyDorsal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 5.6f, 6.5f, size.columns, Ridge::Back, 0.006f);
    const std::vector<V3> edge = {root[0] + V3{0.030f, 0, 0.088f}, root[1] + V3{0.044f, 0, 0.112f},
                                  root[2] + V3{0.060f, 0, 0.094f}, root[3] + V3{0.086f, 0, 0.040f}};
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

// The soft dorsal over segments 8 to 9 (its columns take bend 8, the mean of
// 8 and 9 twice, then 9 twice): rounded, its last ray trailing back low.
inline Grid SoftDorsal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, {8.0f, 8.4f, 8.6f, 9.0f, 9.0f}, Ridge::Back, 0.008f);
    const std::vector<V3> edge = {root[0] + V3{0.014f, 0, 0.078f}, root[1] + V3{0.040f, 0, 0.100f},
                                  root[2] + V3{0.062f, 0, 0.094f}, root[3] + V3{0.076f, 0, 0.064f},
                                  root[4] + V3{0.094f, 0, 0.020f}};
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

// The anal fin under segments 7 to 8 (bend 7, the mean of 7 and 8 twice,
// then 8 twice): rounded, hanging down and back.
inline Grid Anal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, {7.0f, 7.4f, 7.6f, 8.0f, 8.0f}, Ridge::Belly, 0.008f);
    const std::vector<V3> edge = {root[0] + V3{0.020f, 0, -0.066f}, root[1] + V3{0.046f, 0, -0.088f},
                                  root[2] + V3{0.068f, 0, -0.082f}, root[3] + V3{0.078f, 0, -0.056f},
                                  root[4] + V3{0.090f, 0, -0.018f}};
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

// A pointed paddle off the flank behind the gill cover at segment 4, two
// root points each the root of half the columns; stored edge first.
inline Grid Pectoral(GridSize size)
{
    const float x = kSegmentX[4];
    const V3 upper = kBody.OnFlank(x, -0.022f, 0.003f), lower = kBody.OnFlank(x, -0.060f, 0.003f);
    static const Profile length{{0.0f, 0.112f}, {0.35f, 0.132f}, {0.6f, 0.124f}, {1.0f, 0.078f}};
    const Fan fan = Splay(Lerp(upper, lower, 0.5f), {1.0f, 0.40f, -0.10f}, 0.55f, -0.80f, length);
    return Reversed(FanFin(size, {upper, lower}, fan, {0, 1, 0}, OnRegion(kPectoralFin)));
}

// A fin hanging from the belly at segment 5, down, back and outward; stored
// edge first.
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    static const Profile length{{0.0f, 0.080f}, {0.5f, 0.120f}, {1.0f, 0.050f}};
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), u = kSegments.U(5.0f), theta = (0.86f + 0.06f * a) * kPi;
        root[c] = kBody.Surface(u, theta) - kBody.Normal(u, theta) * 0.003f;
        edge[c] = root[c] + Normalize({0.60f + 0.35f * a, 0.40f, -0.72f + 0.30f * a}) * length(a);
    }
    return Reversed(FinSheet(size, root, edge, {0, 1, -0.3f}, OnRegion(kPelvicFin)));
}

// The tail: its two outer rays at the top and the bottom of the tail stalk
// at segment 10, the middle seven at its end (segment 11); the edge a gently
// rounded fan from the upper tip to the lower. Stored edge first.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const float u10 = kSegments.U(10.0f), x10 = kSegmentX[10], xEnd = kSegmentX[11] - 0.004f;
    const float top = kBody.Back(1.0f) - 0.008f, bottom = kBody.Belly(1.0f) + 0.008f, mid = kBody.MidLine(1.0f);
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), f = 1.0f - 2.0f * a;  // 1 at the upper tip, -1 at the lower
        if (c < 2 || c >= n - 2) {
            const bool upper = c < 2;
            const float z = upper ? kBody.Back(u10) - 0.006f - 0.012f * c : kBody.Belly(u10) + 0.006f + 0.012f * (n - 1 - c);
            root[c] = {x10, 0, z};
        } else {
            root[c] = {xEnd, 0, Mix(top, bottom, Along(c - 2, n - 4))};
        }
        const float angle = f * 52.0f * kPi / 180.0f;
        const float reach = 0.19f * (1.0f + 0.07f * (1.0f - f * f));
        edge[c] = {0.385f + reach * std::cos(angle), 0, mid + 0.235f * std::sin(angle)};
    }
    return Reversed(FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane)));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish24Body)>("g_Fish24Body", Body),
        Table<decltype(g_Fish24UpperJaw)>("g_Fish24UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish24LowerJaw)>("g_Fish24LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish24SpinyDorsal)>("g_Fish24SpinyDorsal", SpinyDorsal),
        Table<decltype(g_Fish24SoftDorsal)>("g_Fish24SoftDorsal", SoftDorsal),
        Table<decltype(g_Fish24Pectoral)>("g_Fish24Pectoral", Pectoral),
        Table<decltype(g_Fish24Pelvic)>("g_Fish24Pelvic", Pelvic),
        Table<decltype(g_Fish24Anal)>("g_Fish24Anal", Anal),
        Table<decltype(g_Fish24Tail)>("g_Fish24Tail", Tail),
        Table<decltype(g_Fish24Eye)>("g_Fish24Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species24_meshes.h", Tables, Half::PlusY);

}  // namespace fish24
