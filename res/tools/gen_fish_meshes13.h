// Species 13, the clown loach: its mesh tables, built from its shape
// (gen_fish_species13.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species13.h"

#include <algorithm>
#include <cmath>

namespace fish13 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The head ahead of the eye column, turned with segment 0: the upper jaw the
// body's rows from the ridge to the mouth carried on to the snout tip.
inline Grid UpperJaw(GridSize size)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r)
        rows.push_back(BodyRow(r, kBodySize.rows));
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, size.columns, false);
}

// A barbel at the mouth's corner: columns along it from its root (sunk in
// the lip) to its tip, hanging down and a little forward and out; rows across
// it. It takes the snout tip's own colour.
inline std::vector<std::vector<Point>> Barbel(int rows, int columns)
{
    const float u = 0.035f, theta = RowTheta(kMouthRow, kBodySize.rows) + 0.04f * kPi;
    const V3 root = kBody.Surface(u, theta) - kBody.Normal(u, theta) * 0.002f;
    const V3 path[3] = {root, root + V3{-0.006f, 0.012f, -0.022f}, root + V3{-0.013f, 0.020f, -0.040f}};
    std::vector<std::vector<Point>> g(rows, std::vector<Point>(columns));
    for (int c = 0; c < columns; ++c) {
        const float a = Along(c, columns), width = Mix(0.008f, 0.003f, a);
        const V3 along = path[std::min(c + 1, columns - 1)] - path[std::max(c - 1, 0)];
        V3 normal = Normalize(Cross(along, {1, 0, 0}));  // across the width, facing out
        if (normal.y < 0)
            normal = normal * -1.0f;
        for (int r = 0; r < rows; ++r) {
            Point& q = g[r][c];
            q.p = path[std::min(c, 2)] + V3{width * (Along(r, rows) - 0.5f), 0, 0};
            q.n = normal;
            const ST st = kSkin.At(0.012f + 0.01f * a, theta / kPi);
            q.s = st.s;
            q.t = st.t;
        }
    }
    return g;
}

// The lower jaw from the mouth to the chin, columns 0 to 3 from the body to
// the snout tip at the same places as every second column of the upper jaw;
// columns 4 to 6 the barbel.
inline Grid LowerJaw(GridSize size)
{
    constexpr int kJawColumns = 4;
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r)
        rows.push_back(BodyRow(kMouthRow + r, kBodySize.rows));
    Grid g = Snout(kBody, kSkin, size, kSegments.U(0), rows, kJawColumns, false);
    const auto barbel = Barbel(size.rows, size.columns - kJawColumns);
    for (int r = 0; r < size.rows; ++r)
        for (int c = kJawColumns; c < size.columns; ++c)
            g[r][c] = barbel[r][c - kJawColumns];
    return g;
}

// The dorsal fin, column c over segment 8 + c: a tall leading edge, the top
// falling back to the rear of the base.
inline Grid Dorsal(GridSize size)
{
    const auto root = AnchorRow(kBody, kSegments, {8, 9, 10, 11}, Ridge::Back, 0.006f);
    const float height[4] = {kDorsalHeight, 0.118f, 0.078f, 0.022f};
    const float lean[4] = {0.040f, 0.056f, 0.056f, 0.030f};
    std::vector<V3> edge(root.size());
    for (size_t c = 0; c < root.size(); ++c)
        edge[c] = root[c] + V3{lean[c], 0, height[c]};
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kDorsalFin));
}

// A low fleshy ridge on the tail stalk, all of it over segment 15.
inline Grid Keel(GridSize size)
{
    const int n = size.columns;
    const float x0 = kBody.XOf(kSegments.U(15));
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), x = x0 + 0.010f * (a - 0.5f), u = kBody.UOf(x);
        root[c] = {x, 0, kBody.Back(u) - 0.004f};
        edge[c] = root[c] + V3{0, 0, 0.004f + 0.006f * std::sin(kPi * a)};
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kKeelSkin));
}

// A pectoral fin low on the flank behind the gill cover (segment 4), a
// rounded paddle splayed back, out and down; three root points, each the
// root of a third of the columns.
inline Grid Pectoral(GridSize size)
{
    const V3 top = kBody.OnFlank(kFinX + 0.002f, -0.070f, -0.003f);
    const V3 middle = kBody.OnFlank(kFinX, -0.080f, -0.003f);
    const V3 bottom = kBody.OnFlank(kFinX - 0.002f, -0.090f, -0.003f);
    static const Profile length{{0.0f, 0.070f}, {0.25f, 0.092f}, {0.5f, 0.100f}, {0.75f, 0.094f}, {1.0f, 0.070f}};
    const Fan fan = Splay(middle, {1.0f, 0.75f, -0.30f}, 0.70f, -0.80f, length);
    return FanFin(size, {top, middle, bottom}, fan, {0, 1, 0}, OnRegion(kPectoralFin));
}

// A pelvic fin from the belly under the pectoral (segment 4), swept back
// along the belly and down; stored edge first.
inline Grid Pelvic(GridSize size)
{
    const float u0 = kSegments.U(4) - 0.004f, u1 = kSegments.U(4) + 0.004f, theta = 0.88f * kPi;
    const V3 front = kBody.Surface(u0, theta) - kBody.Normal(u0, theta) * 0.003f;
    const V3 rear = kBody.Surface(u1, theta) - kBody.Normal(u1, theta) * 0.003f;
    static const Profile length{{0.0f, 0.060f}, {0.3f, 0.088f}, {0.6f, 0.096f}, {1.0f, 0.070f}};
    const Fan fan = Splay(Lerp(front, rear, 0.5f), {1.0f, 0.30f, -0.42f}, 0.45f, -0.50f, length);
    Grid g = FanFin(size, {front, rear}, fan, {0, 1, -0.3f}, OnRegion(kPelvicFin));
    std::reverse(g.begin(), g.end());
    return g;
}

// The anal fin: columns 2k and 2k + 1 rooted over segment 10 + k. The first
// four edges stay inside the belly; the fin stands out from segment 12 on,
// pointed and swept back.
inline Grid Anal(GridSize size)
{
    const int n = size.columns;
    std::vector<float> over(n);
    for (int c = 0; c < n; ++c)
        over[c] = 10.0f + c / 2;
    const auto root = AnchorRow(kBody, kSegments, over, Ridge::Belly, 0.005f);
    const float height[12] = {-0.008f, -0.008f, -0.008f, -0.008f, 0.012f, 0.030f,
                              0.060f,  0.074f,  0.082f,  0.080f,  0.060f, 0.030f};
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c)
        edge[c] = root[c] + V3{0.45f * std::max(height[c], 0.0f) + (c % 2 ? 0.014f : 0.0f), 0, -height[c]};
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kAnalFin));
}

// The forked tail: six root points up the tail stalk at segment 18, each the
// root of a sixth of the columns; the edge from the upper lobe's tip in to
// the fork (column 15) and out to the lower lobe's tip. Stored edge first.
inline Grid Tail(GridSize size)
{
    const int n = size.columns, fork = n / 2;
    const float u = kSegments.U(18), x = kBody.XOf(u);
    const float top = kBody.Back(u) - 0.006f, bottom = kBody.Belly(u) + 0.006f;
    std::vector<V3> roots;
    for (int k = 0; k < 6; ++k)
        roots.push_back({x, 0, Mix(top, bottom, k / 5.0f)});
    const V3 upper{0.500f, 0, 0.138f}, notch{0.400f, 0, -0.006f}, lower{0.498f, 0, -0.146f};
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c) {
        const bool first = c <= fork;
        const float a = first ? c / float(fork) : (c - fork) / float(n - 1 - fork);
        V3 p = first ? Lerp(upper, notch, a) : Lerp(notch, lower, a);
        p.x -= 0.018f * std::sin(kPi * a);  // the lobes' inner edges a little hollow
        edge[c] = p;
    }
    Grid g = FinSheet(size, SharedRoots(roots, n), edge, {0, 1, 0}, OnRegion(kTailFin));
    std::reverse(g.begin(), g.end());
    return g;
}

// Rings from the rim through the iris ring to the centre.
inline Grid Eyes(GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish13Body)>("g_Fish13Body", Body),
        Table<decltype(g_Fish13UpperJaw)>("g_Fish13UpperJaw", UpperJaw),
        Table<decltype(g_Fish13LowerJaw)>("g_Fish13LowerJaw", LowerJaw),
        Table<decltype(g_Fish13Dorsal)>("g_Fish13Dorsal", Dorsal),
        Table<decltype(g_Fish13Keel)>("g_Fish13Keel", Keel),
        Table<decltype(g_Fish13Pectoral)>("g_Fish13Pectoral", Pectoral),
        Table<decltype(g_Fish13Pelvic)>("g_Fish13Pelvic", Pelvic),
        Table<decltype(g_Fish13Anal)>("g_Fish13Anal", Anal),
        Table<decltype(g_Fish13Tail)>("g_Fish13Tail", Tail),
        Table<decltype(g_Fish13Eye)>("g_Fish13Eye", Eyes),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species13_meshes.h", Tables);

}  // namespace fish13
