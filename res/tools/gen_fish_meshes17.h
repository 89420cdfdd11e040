// Species 17, the neon tetra: its mesh tables, built from its shape
// (gen_fish_species17.h). The body turns column by column; the snout and
// the eyes with the head's first segments, the paired fins with segment 4,
// the back and belly fins column by column over their segments, the tail
// with the last.
#pragma once
#include "gen_fish_species17.h"

#include <algorithm>

namespace fish17 {

// A point of the body's surface, textured by the side view.
inline Point SidePoint(float u, float theta)
{
    Point q;
    q.p = kBody.Surface(u, theta);
    q.n = kBody.Normal(u, theta);
    const ST st = kSide.At(q.p);
    q.s = st.s;
    q.t = st.t;
    return q;
}

inline Grid Body(GridSize size)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r) {
        for (int j = 0; j < size.columns; ++j)
            g[r][j] = SidePoint(kSegments.U(static_cast<float>(j)), RowTheta(r, size.rows));
        g[r][0] = kHeadFront[r];
    }
    return g;
}

// A half of the snout: rows at the body's thetas `rows`, from the head's
// first section (column 0, the body's own points) over `span` columns to the
// tip at uTip; the columns past the span rest at the tip, inside the lip.
// The picture runs on from the head's section to the tip's place in the side view.
inline Grid Snout(GridSize size, const std::vector<int>& rows, int span, float uTip)
{
    const float uBody = kSegments.U(0.0f);
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const int row = rows[static_cast<size_t>(r)];
            const float along = Along(std::min(k, span - 1), span);
            const Point& head = kHeadFront[row];
            Point& q = g[r][k];
            q = k == 0 ? head : SidePoint(Mix(uBody, uTip, along), RowTheta(row, kBodySize.rows));
            if (along == 1.0f)  // the tip closes on the midline
                q.p = {kBody.XOf(uTip), 0.0f, kBody.MidLine(uTip)};
            const ST tip = kSide.At({kBody.XOf(uTip), 0.0f, kBody.MidLine(uTip)});
            q.s = Mix(head.s, tip.s, along);
            q.t = Mix(head.t, tip.t, along);
        }
    return g;
}
inline Grid UpperSnout(GridSize size) { return Snout(size, {0, 1, 2, 3, 4}, 6, kBody.UOf(kUpperTipX)); }
inline Grid LowerSnout(GridSize size) { return Snout(size, {4, 5}, 4, 0.0f); }

// The back fin: roots along the back (the second drawn a little ahead, over
// the segment it turns with), the edge of its outline; its end columns as
// the game keeps them.
inline Grid Dorsal(GridSize size)
{
    const std::vector<float> rootX = {-0.0837403f, -0.073f, -0.040f, -0.018f, 0.003f, 0.0249023f};
    std::vector<V3> root, edge;
    for (int c = 0; c < size.columns; ++c) {
        const float x = rootX[static_cast<size_t>(c)];
        root.push_back({x, 0.00025f, kBody.Back(kBody.UOf(x)) - 0.001f});
        edge.push_back({kDorsalEdge[static_cast<size_t>(c)].first, 0.00025f, kDorsalEdge[static_cast<size_t>(c)].second});
    }
    Grid g = FinSheet(size, root, edge, {0, 1, 0}, OnSide(kDorsalView));
    for (int r = 0; r < 2; ++r) {
        g[r][0] = kDorsalEnds[0][r];
        g[r][size.columns - 1] = kDorsalEnds[1][r];
    }
    return g;
}

// The belly fin: roots on the belly line over its segments, a hair to the
// -y side of the midline.
inline Grid Anal(GridSize size)
{
    std::vector<V3> root = AnchorRow(kBody, kSegments, kAnalSegments, Ridge::Belly, 0.002f), edge;
    for (int c = 0; c < size.columns; ++c) {
        root[static_cast<size_t>(c)].y = -kAnalY;
        edge.push_back({kAnalEdge[static_cast<size_t>(c)].first, -kAnalY, kAnalEdge[static_cast<size_t>(c)].second});
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kAnalView));
}

// The tail: four roots up the tail root, each for five columns; the edge
// from the upper tip in to the fork and out to the lower tip.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const std::vector<V3> roots = {
        {kTailRootX, 0.00025f, 0.028f}, {kTailRootX, 0.00025f, 0.009f}, {kTailRootX, 0.00025f, -0.012f},
        {kTailRootX, 0.00025f, -0.032f}};
    const V3 top{kTailTipX, 0.0025f, kTailTop}, notch{kTailNotchX, 0.0025f, kTailNotchZ},
        bottom{kTailTipX, 0.0025f, kTailBottom};
    const float half = 0.5f * (n - 1);
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c) {
        const float f = c < n / 2 ? c / half : (c - half) / half;
        // Each lobe's inner edge bows out a little: broad lobes.
        const V3 p = c < n / 2 ? Lerp(top, notch, f) : Lerp(notch, bottom, f);
        const float bow = 0.010f * std::sin(kPi * f);
        edge[c] = p + V3{bow, 0, 0};
    }
    return FinSheet(size, SharedRoots(roots, n), edge, {0, 1, 0}, OnRegion(kTailFin));
}

// A paired fin: a fan off three roots on the flank; rows stored edge, root.
inline Grid PairedFin(GridSize size, const std::vector<V3>& roots, const Fan& fan, const Region& region)
{
    Grid g = FanFin(size, roots, fan, {0, 1, 0}, OnRegion(region));
    std::reverse(g.begin(), g.end());
    return g;
}

inline Grid Pectoral(GridSize size)
{
    // The base runs along the flank, so that the fin has breadth seen from above.
    const V3 top = kBody.OnFlank(kPectoralX - 0.009f, kPectoralZ + 0.012f, -0.002f);
    const V3 middle = kBody.OnFlank(kPectoralX, kPectoralZ, -0.002f);
    const V3 bottom = kBody.OnFlank(kPectoralX + 0.009f, kPectoralZ - 0.008f, -0.002f);
    static const Profile length{{0.0f, 0.054f}, {0.35f, 0.068f}, {0.7f, 0.065f}, {1.0f, 0.050f}};
    // Held out from the flank like a paddle: back and outward in a plane
    // tipped a little from level, so that it shows from above as from the
    // side, and keeps breadth while its edge flaps up and in.
    const V3 up = Normalize({0.2f, -0.5f, 0.85f});
    const V3 back = Normalize(V3{1.0f, 0.8f, 0.0f} - up * Dot(V3{1.0f, 0.8f, 0.0f}, up));
    const Fan fan{middle, back, Normalize(Cross(up, back)), 0.5f, -0.5f, length};
    return PairedFin(size, {top, middle, bottom}, fan, kPectoralFin);
}

inline Grid Pelvic(GridSize size)
{
    const V3 front = kBody.OnFlank(kPelvicX - 0.0004f, -0.0905f, 0.0f);
    const V3 middle = kBody.OnFlank(kPelvicX + 0.0008f, -0.092f, 0.0f);
    const V3 rear = kBody.OnFlank(kPelvicX + 0.002f, -0.0935f, 0.0f);
    static const Profile length{{0.0f, 0.062f}, {0.4f, 0.066f}, {0.8f, 0.058f}, {1.0f, 0.046f}};
    const Fan fan = Splay(middle, {1.0f, 0.60f, -0.85f}, 0.45f, -0.40f, length);
    return PairedFin(size, {front, middle, rear}, fan, kPelvicFin);
}

inline Grid Eyes(GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish17Body)>("g_Fish17Body", Body),
        Table<decltype(g_Fish17UpperSnout)>("g_Fish17UpperSnout", UpperSnout),
        Table<decltype(g_Fish17LowerSnout)>("g_Fish17LowerSnout", LowerSnout),
        Table<decltype(g_Fish17Dorsal)>("g_Fish17Dorsal", Dorsal),
        Table<decltype(g_Fish17Pectoral)>("g_Fish17Pectoral", Pectoral),
        Table<decltype(g_Fish17Pelvic)>("g_Fish17Pelvic", Pelvic),
        Table<decltype(g_Fish17Anal)>("g_Fish17Anal", Anal),
        Table<decltype(g_Fish17Tail)>("g_Fish17Tail", Tail),
        Table<decltype(g_Fish17Eye)>("g_Fish17Eye", Eyes),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species17_meshes.h", Tables);

}  // namespace fish17
