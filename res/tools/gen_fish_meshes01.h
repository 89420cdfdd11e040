// Species 1, the bristlenose pleco: its mesh tables, built from its shape
// (gen_fish_species01.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species01.h"

namespace fish01 {

// The edge row first, then the root (the row the class moves is the first).
inline Grid EdgeFirst(Grid g)
{
    std::reverse(g.begin(), g.end());
    return g;
}

// The front ring of the body lies on two straight lines, ridge to lateral
// edge and lateral edge to belly, where the snout's two caps meet it.
inline Grid Body(GridSize size)
{
    Grid g = BodyGrid(kBody, kSegments, size, kSkin);
    const int last = size.rows - 1;
    const V3 ridge = g[0][0].p, edge = g[kEdgeRow][0].p, belly = g[last][0].p;
    for (int r = 1; r < last; ++r)
        if (r != kEdgeRow)
            g[r][0].p = r < kEdgeRow ? Lerp(ridge, edge, static_cast<float>(r) / kEdgeRow)
                                     : Lerp(edge, belly, static_cast<float>(r - kEdgeRow) / (last - kEdgeRow));
    return g;
}

// A cap of the snout, turned with segment 0: two lines of the body surface
// (at thetas `from` and `to`) carried from the tip (column 0) back to the
// body's front ring (the last column, the ring's own points).
inline Grid SnoutCap(GridSize size, float from, float to)
{
    Grid g = MakeGrid(size);
    for (int c = 0; c < size.columns; ++c) {
        const float u = Mix(kTipU, kSegments.U(0), Along(c, size.columns));
        g[0][c] = BodyPoint(kBody, kSkin, u, from);
        g[1][c] = BodyPoint(kBody, kSkin, u, to);
    }
    return g;
}

// The tall sail of the dorsal fin, column c over segment 4 + c: the first
// rays the tallest, all leaning back.
inline Grid Dorsal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 4, 7, size.columns, Ridge::Back, 0.004f);
    return EdgeFirst(MidlineFin(size, root, {0.190f, 0.184f, 0.152f, 0.100f}, 1.0f, 0.50f, OnRegion(kDorsalFin)));
}

// The small anal fin under the tail stalk, column c over segment 7 + c; no
// height at its ends.
inline Grid Anal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 7, 13, size.columns, Ridge::Belly, 0.003f);
    return EdgeFirst(MidlineFin(size, root, {0.0f, 0.014f, 0.050f, 0.034f, 0.010f, 0.003f, 0.0f}, -1.0f, 0.55f,
                                OnRegion(kSmallFins)));
}

// The pelvic fins seen from the side, column c over segment 6 + c, swept
// back under the belly; the root row first.
inline Grid Pelvic(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 6, 9, size.columns, Ridge::Belly, 0.003f);
    return MidlineFin(size, root, {0.056f, 0.070f, 0.052f, 0.016f}, -1.0f, 1.1f, OnRegion(kSmallFins));
}

// The adipose fin, column c over segment 9 + c: a short spine over segment
// 11 leaning back, its membrane down to the tail stalk.
inline Grid Adipose(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 9, 13, size.columns, Ridge::Back, 0.003f);
    return EdgeFirst(MidlineFin(size, root, {0.0f, 0.005f, 0.042f, 0.017f, 0.0f}, 1.0f, 0.55f, OnRegion(kSmallFins)));
}

// The broad tail, turned once with segment 13: its root a line up the end of
// the tail stalk (a little inside it), its edge slightly hollow, the lower lobe the longer.
inline Grid Tail(GridSize size)
{
    const float x = kBody.XOf(1.0f) - 0.005f, mid = kBody.MidLine(1.0f);
    const float top = kBody.Back(1.0f) - 0.003f, bottom = kBody.Belly(1.0f) + 0.003f;
    std::vector<V3> root(size.columns), edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        root[c] = {x, 0, Mix(top, bottom, a)};
        edge[c] = {x + Mix(0.172f, 0.205f, a) - 0.028f * std::sin(kPi * a), 0, mid + Mix(0.128f, -0.140f, a)};
    }
    return EdgeFirst(FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kTailFin)));
}

// Where a pectoral fin leaves the flank: just above the head's lateral edge.
inline V3 OnPectoralRoot(float segment, float theta) { return kBody.Surface(kSegments.U(segment), theta); }

// The pectoral fin's plane: `back` toward the tail and out, the side
// square to it; its leading rays start at kPectoralFrom.
inline const V3 kPectoralBack = Normalize({1.0f, 0.30f, -0.08f});
inline V3 PectoralSide()
{
    const V3 v{-0.05f, 1.0f, -0.06f};
    return Normalize(v - kPectoralBack * Dot(v, kPectoralBack));
}
constexpr float kPectoralFrom = 1.55f;

// The pectoral fin's membrane, turned once with the mean of segments 3 and
// 4: a broad fan held out flat behind its spine, from eight root points over
// segment 3.5 (edge column c uses root c / 2).
inline Grid Pectoral(GridSize size)
{
    const float theta0 = EdgeTheta() - 0.06f * kPi, theta1 = EdgeTheta() + 0.02f * kPi;
    const int roots = size.columns / 2;
    std::vector<V3> root(size.columns);
    for (int k = 0; k < size.columns; ++k) {
        const float a = Along(std::min(k, roots - 1), roots);
        root[k] = OnPectoralRoot(Mix(3.42f, 3.58f, a), Mix(theta0, theta1, a)) + V3{0, -0.003f, 0};
    }
    const V3 centre = Lerp(root[0], root[roots - 1], 0.5f);
    static const Profile length{{0.0f, 0.200f}, {0.35f, 0.192f}, {0.75f, 0.170f}, {1.0f, 0.140f}};
    const Fan fan{centre, kPectoralBack, PectoralSide(), kPectoralFrom, -0.05f, [](float a) { return length(a); }};
    const std::vector<V3> edge = FanEdge(fan, size.columns);
    // Edge column c meets root c / 2; the roots' row holds them in its first half.
    std::vector<V3> paired(size.columns);
    for (int c = 0; c < size.columns; ++c)
        paired[c] = root[c / 2];
    Grid g = FinSheet(size, paired, edge, {0, 0.15f, 1}, OnRegion(kSmallFins));
    // Row 0 here is the root row (the sheet's first); root k serves edge
    // columns 2k and 2k + 1 and takes the picture between them.
    for (int k = 0; k < size.columns; ++k) {
        g[0][k].p = root[k];
        const ST st = kSmallFins.At((std::min(2 * k, size.columns - 2) + 0.5f) / (size.columns - 1), 0.0f);
        g[0][k].s = st.s;
        g[0][k].t = st.t;
    }
    return EdgeFirst(g);
}

// The pectoral spine, turned once with segment 3: a stout ray from the flank
// along the fin's leading edge, a little above it, tapering to its tip;
// upright at its root (over segment 3), leaning back toward the tip.
inline Grid PectoralSpine(GridSize size)
{
    const V3 root = OnPectoralRoot(3.0f, EdgeTheta() - 0.07f * kPi) + V3{0, -0.004f, 0};
    const float angle = kPectoralFrom - 0.04f;
    const V3 dir = Normalize(kPectoralBack * std::cos(angle) + PectoralSide() * std::sin(angle));
    auto path = [root, dir](float a) { return root + dir * (0.185f * a) + V3{0, 0, 0.006f * std::sin(kPi * a)}; };
    return Ribbon(size, path, [](float a) { return V3{0.6f * a, 0.0f, 0.8f}; },
                  [](float a) { return 0.013f * (1.0f - 0.7f * a); }, {0, 0.2f, 1}, OnRegion(kSpine));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish01Body)>("g_Fish01Body", Body),
        Table<decltype(g_Fish01SnoutUnder)>("g_Fish01SnoutUnder",
                                            [](GridSize size) { return SnoutCap(size, EdgeTheta(), kPi); }),
        Table<decltype(g_Fish01SnoutTop)>("g_Fish01SnoutTop",
                                          [](GridSize size) { return SnoutCap(size, 0.0f, EdgeTheta()); }),
        Table<decltype(g_Fish01Dorsal)>("g_Fish01Dorsal", Dorsal),
        Table<decltype(g_Fish01Anal)>("g_Fish01Anal", Anal),
        Table<decltype(g_Fish01Pectoral)>("g_Fish01Pectoral", Pectoral),
        Table<decltype(g_Fish01PectoralSpine)>("g_Fish01PectoralSpine", PectoralSpine),
        Table<decltype(g_Fish01Pelvic)>("g_Fish01Pelvic", Pelvic),
        Table<decltype(g_Fish01Adipose)>("g_Fish01Adipose", Adipose),
        Table<decltype(g_Fish01Tail)>("g_Fish01Tail", Tail),
        Table<decltype(g_Fish01Eye)>("g_Fish01Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species01_meshes.h", Tables, Half::PlusY);

}  // namespace fish01
