// Species 21, the clown knifefish: its mesh tables, built from its shape
// (gen_fish_species21.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species21.h"

namespace fish21 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws: the body's rows from the ridge to the mouth and from the mouth
// to the belly, carried on to the blunt tip. Column 0 on the body (bend 0).
inline Grid Jaw(GridSize size, bool upper)
{
    const int rows = kBodySize.rows;
    std::vector<SnoutRow> jaw = JawRows(upper, kMouthRow, size.rows, rows);
    // The lower jaw juts a little at the tip.
    if (!upper)
        jaw[0].atTip -= 0.25f * RowTheta(1, rows);
    return Snout(kBody, kSkin, size, kSegments.U(0), jaw, size.columns, false);
}

// 0 below 0, 1 above 1, smooth between.
inline float SmoothStep01(float x)
{
    x = std::clamp(x, 0.0f, 1.0f);
    return x * x * (3.0f - 2.0f * x);
}

// The point of the body's outline (back or belly) at x, moved by dz.
inline V3 OnOutline(float x, Ridge ridge, float dz)
{
    const float u = kBody.UOf(x);
    return {x, 0.0f, (ridge == Ridge::Back ? kBody.Back(u) : kBody.Belly(u)) + dz};
}

// The same on the midline plane at y, for sheets standing in the midline.
inline std::vector<V3> AtY(std::vector<V3> row, float y)
{
    for (V3& p : row)
        p.y = y;
    return row;
}

// A grid with its two rows swapped (a part whose first row is the fin's edge).
inline Grid EdgeFirst(Grid g)
{
    std::swap(g[0], g[1]);
    return g;
}

// The dorsal fin: a small feather on the hump, low in front and rising to a
// point swept back over its rear. Its root column c turns with segment
// 4 + 0.3 c; the table keeps the edge first (the fin sine moves it).
inline Grid Dorsal(GridSize size)
{
    const int n = size.columns;
    std::vector<float> over(n);
    for (int c = 0; c < n; ++c)
        over[c] = 4.0f + 0.3f * c;
    std::vector<V3> root = AtY(AnchorRow(kBody, kSegments, over, Ridge::Back, 0.004f), 0.0004f);
    for (V3& p : root)
        p.z = std::max(p.z, 0.098f);
    static const Profile height{{0.0f, 0.004f}, {0.35f, 0.009f}, {0.6f, 0.036f}, {0.82f, 0.084f}, {0.93f, 0.070f},
                                {1.0f, 0.008f}};
    return EdgeFirst(MidlineFin(size, root, Sample(height, n), 1.0f, 0.2f, OnRegion(kDorsalFin)));
}

// The dorsal fin's trailing fold: rooted over segment 7 (its root row turns
// with bend 7), its low edge (bend 8) running back along the slope of the
// back no further than segment 8, where a turn keeps it on the back.
inline Grid DorsalFold(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root = AtY(AnchorRow(kBody, kSegments, 6.96f, 7.3f, n, Ridge::Back, 0.006f), 0.0003f);
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        edge[c] = OnOutline(Mix(-0.004f, 0.075f, a), Ridge::Back, Mix(0.026f, 0.002f, std::sqrt(a)));
        edge[c].z = std::max(edge[c].z, 0.085f);
        edge[c].y = 0.0003f;
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kDorsalFoldFin));
}

// A fold along the back of the rear half that rises into the tail's upper
// edge. Its columns turn in pairs, from the mean of bends 8 and 9 to that of
// 12 and 13: the roots of a pair stand together at that place.
inline Grid BackFold(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        root[c] = OnOutline(kBody.XOf(kSegments.U(8.5f + 0.4f * (c / 2))), Ridge::Back, -0.008f);
        edge[c] = OnOutline(kBody.XOf(kSegments.U(8.5f + 0.2f * c)), Ridge::Back,
                            0.002f + 0.010f * SmoothStep01((a - 0.55f) / 0.45f));
        root[c].y = edge[c].y = 0.0003f + 0.003f * (1.0f - a);
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kBackFoldFin));
}

// A pectoral fin standing out from the flank low behind the gill cover, its
// front edge over segment 3 and its rear edge over segment 4 (the class
// turns each row so), tapering to a rounded tip; column 0 at the root.
inline Grid Pectoral(GridSize size)
{
    const int n = size.columns;
    Grid g = MakeGrid(size);
    const float rootZ = -0.030f;
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const float front = kSegmentX[3] + 0.020f * a * a, rear = kSegmentX[4] - 0.034f * std::pow(a, 1.3f);
        for (int r = 0; r < 2; ++r) {
            const float x = r == 0 ? front : rear;
            V3 p = kBody.OnFlank(x, rootZ, -0.003f);
            p.y = std::max(p.y, 0.0635f) + 0.105f * a;
            p.z = rootZ - 0.012f * a - 0.002f * r * a;
            Point& q = g[r][c];
            q.p = p;
            q.n = Normalize({0.05f, -0.10f, 1.0f});
            const ST st = kPectoralFin.At(a, static_cast<float>(r));
            q.s = st.s;
            q.t = st.t;
        }
    }
    return g;
}

// A small pelvic fin under the belly at segment 4, pointing down and back;
// the table keeps its edge first (the growing wave moves it).
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const float x = Mix(-0.232f, -0.218f, a), u = kBody.UOf(x), theta = 0.93f * kPi;
        root[c] = kBody.Surface(u, theta) - kBody.Normal(u, theta) * 0.002f;
        root[c].y = std::max(root[c].y, 0.017f);
        edge[c] = root[c] + V3{0.022f + 0.006f * a, 0.016f + 0.018f * a, -0.060f + 0.012f * a};
    }
    return EdgeFirst(FinSheet(size, root, edge, {0, 1, -0.4f}, OnRegion(kPelvicFin)));
}

// The anal fin's deep front rays under segment 8 and a little behind: a
// fringe along the keel.
inline Grid AnalFront(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float x = Mix(0.051f, 0.095f, Along(c, n));
        root[c] = OnOutline(x, Ridge::Belly, 0.014f);
        edge[c] = OnOutline(x, Ridge::Belly, -0.012f);
        root[c].y = edge[c].y = -0.0003f;
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kAnalFrontFin));
}

// The anal fin under the rear half: ten root points, each shared by two
// columns that turn together (from the mean of bends 8 and 9 to that of 12
// and 13), the edge ever deeper toward the tail; the table's root points 10
// to 19, which the class never sends, repeat the last.
inline Grid Anal(GridSize size)
{
    const int n = size.columns;
    Grid g = MakeGrid(size);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const int h = std::min(c, 9);
        V3 root = OnOutline(kBody.XOf(kSegments.U(8.5f + 0.4f * h)), Ridge::Belly, 0.02f);
        root.z = std::min(root.z, -0.004f);
        root.z = std::max(root.z, -0.102f);
        V3 edge = OnOutline(kBody.XOf(kSegments.U(8.5f + 0.2f * c)), Ridge::Belly, -0.052f * a * a);
        edge.z = std::max(edge.z, -0.102f);
        root.x = std::max(root.x, 0.104f);
        edge.x = std::max(edge.x, 0.104f);
        root.y = 0.0004f;
        edge.y = 0.0004f + 0.004f * a;
        const V3 rows[2] = {root, edge};
        for (int r = 0; r < 2; ++r) {
            Point& q = g[r][c];
            q.p = rows[r];
            q.n = {0, 1, 0};
            const ST st = kAnalFin.At(a, static_cast<float>(r));
            q.s = st.s;
            q.t = st.t;
        }
    }
    return g;
}

// The small pointed tail, the anal fin running on into it: thirteen root
// points up the tail's root at segment 13, each shared by two edge columns
// (the table's root points 13 to 25, which the class never sends, repeat the last);
// the edge (bend 14) from the anal fin's end down to its lowest point,
// round the tip and up to its highest, then forward to the back.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    Grid g = MakeGrid(size);
    const float rootX = kSegmentX[13], u = kBody.UOf(rootX);
    const float bottom = -0.100f, top = kBody.Back(u) - 0.004f;
    const float cx = 0.405f, ax = 0.095f, cz = -0.046f, below = 0.058f, above = 0.044f;
    const float lowAngle = -75.0f * kPi / 180.0f, highAngle = 75.0f * kPi / 180.0f;
    const V3 lowest{cx + ax * std::cos(lowAngle), 0, cz + below * std::sin(lowAngle)};
    const V3 highest{cx + ax * std::cos(highAngle), 0, cz + above * std::sin(highAngle)};
    for (int c = 0; c < n; ++c) {
        const int h = std::min(c, 12);  // root point h serves edge columns 2h and 2h + 1
        const V3 root{rootX, 0.0003f, Mix(bottom, top, h / 12.0f)};
        V3 edge;
        if (c < kTailLowest) {
            edge = Lerp({rootX + 0.004f, 0, -0.102f}, lowest, static_cast<float>(c) / kTailLowest);
        } else if (c <= kTailHighest) {
            const float k = static_cast<float>(c - kTailLowest) / (kTailHighest - kTailLowest);
            const float angle = Mix(lowAngle, highAngle, k);
            // A pointed tip: the ends of the curve drawn in toward the tip's line.
            const float reach = std::pow(std::cos(angle), 0.45f);
            edge = {cx + ax * reach, 0, cz + (angle < 0 ? below : above) * std::sin(angle)};
        } else {
            const float k = static_cast<float>(c - kTailHighest) / (n - 1 - kTailHighest);
            edge = Lerp(highest, {rootX + 0.008f, 0, top - 0.006f}, k);
        }
        edge.y = 0.0003f;
        const V3 rows[2] = {root, edge};
        for (int r = 0; r < 2; ++r) {
            Point& q = g[r][c];
            q.p = rows[r];
            q.n = {0, 1, 0};
            const ST st = kTailView.At(rows[r]);
            q.s = st.s;
            q.t = st.t;
        }
    }
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish21Body)>("g_Fish21Body", Body),
        Table<decltype(g_Fish21UpperJaw)>("g_Fish21UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish21LowerJaw)>("g_Fish21LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish21Dorsal)>("g_Fish21Dorsal", Dorsal),
        Table<decltype(g_Fish21DorsalFold)>("g_Fish21DorsalFold", DorsalFold),
        Table<decltype(g_Fish21BackFold)>("g_Fish21BackFold", BackFold),
        Table<decltype(g_Fish21Pectoral)>("g_Fish21Pectoral", Pectoral),
        Table<decltype(g_Fish21Pelvic)>("g_Fish21Pelvic", Pelvic),
        Table<decltype(g_Fish21AnalFront)>("g_Fish21AnalFront", AnalFront),
        // The anal fin is drawn as stored, on the +y side of the midline.
        Table<decltype(g_Fish21Anal)>("g_Fish21Anal", Anal, Half::PlusY),
        Table<decltype(g_Fish21Tail)>("g_Fish21Tail", Tail),
        Table<decltype(g_Fish21Eye)>("g_Fish21Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species21_meshes.h", Tables);

}  // namespace fish21
