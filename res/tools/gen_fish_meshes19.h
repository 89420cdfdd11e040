// Species 19, the pinnate batfish: its mesh tables, built from its shape
// (gen_fish_species19.h). The class turns every part with the first bend
// angle, as one piece with the body, but for the pectoral fins, which take
// the fifth: they stand close to the vertical axis, where a turn moves them least.
#pragma once
#include "gen_fish_species19.h"

#include <algorithm>

namespace fish19 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The upper jaw: the head's surface from the ridge down to the lips, carried
// on from the body's first column to the snout tip; the lower jaw from the
// lips to the chin.
inline Grid Jaw(GridSize size, bool upper)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r) {
        const float a = Along(r, size.rows);
        const float theta = upper ? a * kLipsTheta : Mix(kLipsTheta, kPi, a);
        rows.push_back({theta, theta});
    }
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, size.columns, false);
}

// A sail of a midline fin from its roots to its outline; rows stored
// middle, root, edge (B to A, then A to C).
inline Grid Sail(GridSize size, const SailFin& fin, Ridge ridge, const Region& region)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        root[c] = SailRoot(fin, ridge, c, n);
        edge[c] = SailEdge(fin, c);
    }
    return MiddleRowFirst(FinSheet(size, root, edge, {0, 1, 0}, OnRegion(region)));
}

// The tail: three root points up the tail stalk, each the root of a third of
// the columns; the edge from the upper tip to the lower, a little rounded.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const std::vector<V3> roots = {{kTailRootX, 0, 0.040f}, {kTailRootX + 0.01f, 0, 0.0f}, {kTailRootX, 0, -0.040f}};
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        edge[c] = {kTailEdgeX + 0.014f * std::sin(kPi * a), 0, kTailHalfHeight * (1.0f - 2.0f * a)};
    }
    return FinSheet(size, SharedRoots(roots, n), edge, {0, 1, 0}, OnRegion(kTailFin));
}

// A small rounded paddle splayed back and out from the flank; three root
// points, each the root of a third of the columns; rows stored edge, root.
inline Grid Pectoral(GridSize size)
{
    const V3 top = kBody.OnFlank(kPectoralX, kPectoralTop, -0.004f);
    const V3 middle = kBody.OnFlank(kPectoralX - 0.004f, 0.5f * (kPectoralTop + kPectoralBottom), -0.004f);
    const V3 bottom = kBody.OnFlank(kPectoralX - 0.008f, kPectoralBottom, -0.004f);
    static const Profile length{{0.0f, 0.060f}, {0.25f, 0.078f}, {0.5f, 0.084f}, {0.75f, 0.078f}, {1.0f, 0.058f}};
    const Fan fan = Splay(middle, {1.0f, 0.50f, -0.10f}, 0.80f, -0.85f, length);
    Grid g = FanFin(size, {top, middle, bottom}, fan, {0, 1, 0}, OnRegion(kPectoralFin));
    std::reverse(g.begin(), g.end());
    return g;
}

// Rings from the rim (B) through the iris (A) to the centre (C), stored iris first.
inline Grid Eyes(GridSize size) { return MiddleRowFirst(Eye(kBody, kEyeDisc, size, kEye)); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish19Body)>("g_Fish19Body", Body),
        Table<decltype(g_Fish19UpperJaw)>("g_Fish19UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish19LowerJaw)>("g_Fish19LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish19Dorsal)>("g_Fish19Dorsal",
                                        [](GridSize size) { return Sail(size, kDorsalFin, Ridge::Back, kDorsalRegion); }),
        Table<decltype(g_Fish19Anal)>("g_Fish19Anal",
                                      [](GridSize size) { return Sail(size, kAnalFin, Ridge::Belly, kAnalRegion); }),
        Table<decltype(g_Fish19Tail)>("g_Fish19Tail", Tail),
        Table<decltype(g_Fish19Eye)>("g_Fish19Eye", Eyes),
        Table<decltype(g_Fish19Pectoral)>("g_Fish19Pectoral", Pectoral),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species19_meshes.h", Tables);

}  // namespace fish19
