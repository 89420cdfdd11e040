// Species 12, the Boesemani rainbowfish: its mesh tables, built from its
// shape (gen_fish_species12.h). Each part stands over the body segments whose
// bend angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species12.h"

#include <algorithm>

namespace fish12 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws (bend 0): the upper the body's rows from the ridge to the mouth,
// the lower those from the mouth to the belly, carried on from column 0 to
// the snout tip; the lower jaw's last columns stay at the tip.
inline Grid Jaw(GridSize size, bool upper)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r)
        rows.push_back(BodyRow(upper ? r : kMouthRow + r, kBodySize.rows));
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, upper ? size.columns : kLowerJawSpan, false);
}

// Both dorsal fins (bend 8 + c): column c roots over segment 8 + c, sunk
// into the back, its edge raised and leaning back.
inline Grid Dorsal(GridSize size)
{
    return FinSheet(size, DorsalRoot(), DorsalEdge(), {0, 1, 0}, OnSide(kFinSide));
}

// The anal fin (bend 14 for its rear eleven columns, then 13, 12 and 11):
// each group of columns shares one root on the belly over its segment.
inline Grid Anal(GridSize size)
{
    std::vector<float> over;
    for (int c = 0; c < size.columns; ++c)
        over.push_back(static_cast<float>(AnalSegment(c)));
    const std::vector<V3> root = AnchorRow(kBody, kSegments, over, Ridge::Belly, kAnalInset);
    return FinSheet(size, root, AnalEdge(size.columns), {0, 1, 0}, OnSide(kFinSide));
}

// The tail (bend 16): the forked edge first, then the root, an upright line
// inside the stalk over segment 16.
inline Grid Tail(GridSize size)
{
    const float u = kSegments.U(kTailSegment), x = kBody.XOf(u);
    const V3 top{x, 0.0f, kBody.Back(u) - 0.006f}, bottom{x, 0.0f, kBody.Belly(u) + 0.006f};
    std::vector<V3> root(size.columns);
    for (int c = 0; c < size.columns; ++c)
        root[c] = Lerp(top, bottom, Along(c, size.columns));
    return FinSheet(size, TailEdge(size.columns), root, {0, 1, 0}, OnSide(kFinSide));
}

// A sheet built root first, stored with its edge as row 0.
inline Grid EdgeFirst(Grid g)
{
    std::reverse(g.begin(), g.end());
    return g;
}

// The pectoral fin (bend 4): a rounded clear fin from an upright base at
// mid-flank behind the gill cover, held out and back.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(kPairedSegment));
    const V3 upper = kBody.OnFlank(x, 0.006f, 0.003f), lower = kBody.OnFlank(x, -0.022f, 0.003f);
    static const Profile length{{0.0f, 0.078f}, {0.25f, 0.100f}, {0.5f, 0.106f}, {0.75f, 0.098f}, {1.0f, 0.074f}};
    return EdgeFirst(FanFin(size, {upper, lower},
                            Splay(Lerp(upper, lower, 0.5f), {1.0f, 0.50f, -0.15f}, 0.70f, -0.85f, length), {0, 1, 0},
                            OnRegion(kPectoralFin)));
}

// The pelvic fin (bend 4): pointed, hanging from the belly, down and back.
inline Grid Pelvic(GridSize size)
{
    const float u = kSegments.U(kPairedSegment);
    const std::vector<V3> roots = {kBody.Surface(u, 0.86f * kPi), kBody.Surface(u, 0.95f * kPi)};
    static const Profile length{{0.0f, 0.040f}, {0.3f, 0.084f}, {0.55f, 0.090f}, {0.8f, 0.060f}, {1.0f, 0.026f}};
    const V3 centre = Lerp(roots.front(), roots.back(), 0.5f);
    std::vector<V3> edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        const V3 along = Normalize(Lerp(V3{0.30f, 0.32f, -1.0f}, V3{1.0f, 0.22f, -0.30f}, a));
        edge[c] = centre + along * length(a);
    }
    return EdgeFirst(FinSheet(size, SharedRoots(roots, size.columns), edge, {0, 1, -0.3f}, OnRegion(kPelvicFin)));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish12Body)>("g_Fish12Body", Body),
        Table<decltype(g_Fish12UpperJaw)>("g_Fish12UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish12LowerJaw)>("g_Fish12LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish12Dorsal)>("g_Fish12Dorsal", Dorsal),
        Table<decltype(g_Fish12Pectoral)>("g_Fish12Pectoral", Pectoral),
        Table<decltype(g_Fish12Pelvic)>("g_Fish12Pelvic", Pelvic),
        Table<decltype(g_Fish12Anal)>("g_Fish12Anal", Anal),
        Table<decltype(g_Fish12Tail)>("g_Fish12Tail", Tail),
        Table<decltype(g_Fish12Eye)>("g_Fish12Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species12_meshes.h", Tables);

}  // namespace fish12
