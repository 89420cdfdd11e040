// Species 9, the tiger barb: its mesh tables, built from its shape
// (gen_fish_species09.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part), and fills the box
// of its table at size 1.
#pragma once
#include "gen_fish_species09.h"

namespace fish09 {

// Maps v from the range [lo, hi] of a table onto [to0, to1] (a flat range stays).
inline float Refit(float v, float lo, float hi, float to0, float to1)
{
    return hi > lo ? to0 + (v - lo) / (hi - lo) * (to1 - to0) : v;
}

// Stretches a table, built on the +y side, onto its box: positions always,
// texture coordinates when `texture` (parts whose coordinates come from the
// side view). `plusY`: the table is stored on the +y side.
inline Grid FitTo(Grid g, const Box& box, bool texture, bool plusY = false)
{
    float lo[5] = {1e9f, 1e9f, 1e9f, 1e9f, 1e9f}, hi[5] = {-1e9f, -1e9f, -1e9f, -1e9f, -1e9f};
    for (const auto& row : g)
        for (const Point& q : row) {
            const float v[5] = {q.p.x, q.p.y, q.p.z, q.s, q.t};
            for (int k = 0; k < 5; ++k) {
                lo[k] = std::min(lo[k], v[k]);
                hi[k] = std::max(hi[k], v[k]);
            }
        }
    const float y0 = plusY ? box.y0 : -box.y1, y1 = plusY ? box.y1 : -box.y0;
    for (auto& row : g)
        for (Point& q : row) {
            q.p.x = Refit(q.p.x, lo[0], hi[0], box.x0, box.x1);
            q.p.y = Refit(q.p.y, lo[1], hi[1], y0, y1);
            q.p.z = Refit(q.p.z, lo[2], hi[2], box.z0, box.z1);
            if (texture) {
                q.s = Refit(q.s, lo[3], hi[3], box.s0, box.s1);
                q.t = Refit(q.t, lo[4], hi[4], box.t0, box.t1);
            }
        }
    return g;
}

inline Point OnSideView(Point q)
{
    const ST st = kSide.At(q.p);
    q.s = st.s;
    q.t = st.t;
    return q;
}

// The body (column j at segment j): the back line is the game's own; the
// flank's rows at the tail root reach a little behind it. The lower flank's
// row sits low, so the belly under it is full where the pelvic fins root.
// Textured as the side view.
constexpr float kBodyRowTheta[] = {0.0f, 0.25f * kPi, 0.5f * kPi, 0.85f * kPi, kPi};
inline Grid Body(GridSize size)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int j = 0; j < size.columns; ++j) {
            Point q = BodyPoint(kBody, {}, kSegments.U(static_cast<float>(j)), kBodyRowTheta[r]);
            q.p.x = r > 0 && r < size.rows - 1 && j == size.columns - 1 ? kTailRootX : kRidge[j].x;
            if (r == 0 || r == size.rows - 1)
                q.p.y = 0.0f;
            g[r][j] = OnSideView(q);
        }
    for (int j = 0; j < size.columns; ++j) {
        g[0][j].p.z = kRidge[j].z;
        g[0][j].s = kRidge[j].s;
        g[0][j].t = kRidge[j].t;
    }
    return g;
}

// A head piece (bend 0): rows round the head at the given thetas on the body
// and at the tip, column 0 at the tip, the last on the body (x by row).
struct HeadRow {
    float atBody, atTip, bodyX;
};
inline Grid HeadPiece(GridSize size, const std::vector<HeadRow>& rows, float tipX, const Box& box)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c) {
            const float a = Along(c, size.columns);  // 0 at the tip
            const HeadRow& row = rows[r];
            const float u = U(Mix(tipX, row.bodyX, a)), theta = Mix(row.atTip, row.atBody, a);
            g[r][c] = OnSideView(BodyPoint(kBody, {}, u, theta));
        }
    return FitTo(g, box, true);
}
// The upper jaw: from the ridge down past the mouth line (it overlaps the
// lower jaw, so the lips show no crack).
inline Grid UpperJaw(GridSize size)
{
    return HeadPiece(size,
                     {{0.0f, 0.0f, kRidge[0].x},
                      {0.25f * kPi, 0.2f * kPi, -0.4395f},
                      {0.5f * kPi, 0.38f * kPi, -0.434f},
                      {0.76f * kPi, 0.55f * kPi, -0.428f}},
                     -0.4905f, kUpperJawBox);
}
inline Grid LowerJaw(GridSize size)
{
    return HeadPiece(size, {{0.70f * kPi, 0.45f * kPi, -0.428f}, {kPi, kPi, kRidge[0].x}}, kSnoutX, kLowerJawBox);
}

inline Grid EyeGrid(GridSize size) { return FitTo(Eye(kBody, kEyeDisc, size, kEye), kEyeBox, false); }

// A midline fin's root over the given segments, off the midline by `y`.
inline std::vector<V3> Roots(const float* segments, int n, Ridge ridge, float inset, float y)
{
    std::vector<V3> root = AnchorRow(kBody, kSegments, std::vector<float>(segments, segments + n), ridge, inset);
    for (V3& p : root)
        p.y = y;
    return root;
}
inline std::vector<V3> Raised(const std::vector<V3>& root, const float* height, const float* lean, float sign,
                              float y)
{
    std::vector<V3> edge = RaisedEdge(root, std::vector<float>(height, height + root.size()), sign, 0.0f);
    for (size_t c = 0; c < root.size(); ++c) {
        edge[c].x += lean[c] * height[c];
        edge[c].y = y;
    }
    return edge;
}

// The dorsal fin (bend 5, 5.5, 6, 6.5, 7 as kDorsalSegments), stored edge first.
inline Grid Dorsal(GridSize size)
{
    const std::vector<V3> root = Roots(kDorsalSegments, size.columns, Ridge::Back, 0.005f, 0.0003f);
    Grid g = FinSheet(size, root, Raised(root, kDorsalHeight, kDorsalLean, 1.0f, 0.003f), {0, 1, 0},
                      OnRegion(kDorsalFin));
    std::swap(g[0], g[1]);
    return FitTo(g, kDorsalBox, false);
}

// The low keel on the ridge behind the dorsal (bend 8, 8.5, 9), root first.
inline Grid Keel(GridSize size)
{
    static const float height[] = {0.010f, 0.008f, 0.007f, 0.006f, 0.005f};
    static const float lean[] = {1.0f, 1.5f, 2.0f, 3.0f, 5.0f};
    const std::vector<V3> root = Roots(kKeelSegments, size.columns, Ridge::Back, 0.004f, 0.0003f);
    const Grid g = FinSheet(size, root, Raised(root, height, lean, 1.0f, 0.0007f), {0, 1, 0}, OnRegion(kKeelFin));
    return FitTo(g, kKeelBox, false);
}

// A sheet from explicit root and edge points, stored edge first.
inline Grid EdgeFirst(GridSize size, const std::vector<V3>& root, const std::vector<V3>& edge, V3 outward,
                      const SheetTex& tex, const Box& box, bool plusY = false)
{
    Grid g = FinSheet(size, root, edge, outward, tex);
    std::swap(g[0], g[1]);
    return FitTo(g, box, false, plusY);
}

// A pectoral fin (bend 3): rooted low in the flank behind the gill cover
// (sunk into the body) over segment 3, held out sideways and back.
inline Grid Pectoral(GridSize size)
{
    const std::vector<V3> root = {{-0.2760f, 0.040f, -0.100f}, {-0.2765f, 0.038f, -0.110f},
                                  {-0.2770f, 0.037f, -0.120f}, {-0.2775f, 0.0364f, -0.130f},
                                  {-0.2780f, 0.037f, -0.138f}, {-0.2785f, 0.038f, -0.145f}};
    // The leading ray short and reaching a little forward, the rest fanned back.
    const std::vector<V3> edge = {{-0.2909f, 0.050f, -0.0967f}, {-0.200f, 0.120f, -0.105f},
                                  {-0.150f, 0.150f, -0.118f},   {-0.1389f, 0.1543f, -0.135f},
                                  {-0.160f, 0.125f, -0.152f},   {-0.200f, 0.085f, -0.1653f}};
    return EdgeFirst(size, root, edge, {0.2f, 0.3f, 1.0f}, OnRegion(kPectoralFin), kPectoralBox);
}

// A pelvic fin (bend 5): rooted under the deepest belly, hanging down and
// back, splayed out from its twin; column 0 the long leading ray.
inline Grid Pelvic(GridSize size)
{
    std::vector<V3> root(size.columns), edge(size.columns);
    const V3 tips[] = {{-0.030f, 0.040f, -0.2687f}, {-0.012f, 0.048f, -0.268f}, {0.005f, 0.055f, -0.264f},
                       {0.018f, 0.061f, -0.257f},   {0.030f, 0.066f, -0.248f}, {0.038f, 0.0677f, -0.238f},
                       {0.0409f, 0.065f, -0.228f},  {0.035f, 0.055f, -0.218f}, {0.015f, 0.040f, -0.211f}};
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        root[c] = {Mix(-0.0724f, -0.054f, a), 0.0181f, -0.2058f};
        edge[c] = tips[c];
    }
    return EdgeFirst(size, root, edge, {0, 1, -0.5f}, OnRegion(kPelvicFin), kPelvicBox);
}

// The anal fin (bend 7, 7.5, 8 as kAnalSegments), on the +y side of the
// midline. Its rear columns keep clear of the stone painted into the picture.
inline Grid Anal(GridSize size)
{
    const std::vector<V3> root = Roots(kAnalSegments, size.columns, Ridge::Belly, 0.006f, 0.0003f);
    const SheetTex tex = [](float a, float b, V3) {
        return ST{Mix(kAnalBox.s0, kAnalBox.s1, a), Mix(kAnalBox.t1, AnalEdgeT(a), b)};
    };
    return EdgeFirst(size, root, Raised(root, kAnalHeight, kAnalLean, -1.0f, 0.0029f), {0, 1, 0}, tex, kAnalBox,
                     true);
}

// The forked tail: columns 0, 1, 12 and 13 rooted at segment 10 (the top and
// bottom of the stalk), the rest at the tail root, segment 11; the edge from
// the upper lobe's leading ray round the fork to the lower's.
inline Grid Tail(GridSize size)
{
    const float x10 = kBody.XOf(kSegments.U(10)) + 0.010f, x11 = kRidge[11].x;
    const V3 edge[] = {{0.318f, 0.003f, 0.040f},    {0.400f, 0.003f, 0.110f},    {0.4999f, 0.003f, 0.1593f},
                       {0.470f, 0.003f, 0.120f},    {0.440f, 0.003f, 0.075f},    {0.415f, 0.003f, 0.030f},
                       {0.398f, 0.003f, -0.012f},   {0.398f, 0.003f, -0.048f},   {0.415f, 0.003f, -0.090f},
                       {0.440f, 0.003f, -0.135f},   {0.470f, 0.003f, -0.180f},   {0.4999f, 0.003f, -0.2221f},
                       {0.400f, 0.003f, -0.160f},   {0.318f, 0.003f, -0.078f}};
    std::vector<V3> root(size.columns), tip(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        tip[c] = edge[c];
        if (c <= 1 || c >= 12)
            root[c] = {x10, 0.0003f, c == 0 ? 0.020f : c == 1 ? 0.010f : c == 12 ? -0.040f : -0.050f};
        else
            root[c] = {x11, 0.0003f, Mix(0.018f, -0.046f, Along(c - 2, 10))};
    }
    return EdgeFirst(size, root, tip, {0, 1, 0}, OnRegion(kTailFin), kTailBox);
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish09Body)>("g_Fish09Body", Body),
        Table<decltype(g_Fish09UpperJaw)>("g_Fish09UpperJaw", UpperJaw),
        Table<decltype(g_Fish09LowerJaw)>("g_Fish09LowerJaw", LowerJaw),
        Table<decltype(g_Fish09Dorsal)>("g_Fish09Dorsal", Dorsal),
        Table<decltype(g_Fish09Keel)>("g_Fish09Keel", Keel),
        Table<decltype(g_Fish09Pectoral)>("g_Fish09Pectoral", Pectoral),
        Table<decltype(g_Fish09Pelvic)>("g_Fish09Pelvic", Pelvic),
        Table<decltype(g_Fish09Anal)>("g_Fish09Anal", Anal, Half::PlusY),
        Table<decltype(g_Fish09Tail)>("g_Fish09Tail", Tail),
        Table<decltype(g_Fish09Eye)>("g_Fish09Eye", EyeGrid),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species09_meshes.h", Tables);

}  // namespace fish09
