// Species 2, the guppy: its mesh tables, built from its shape
// (gen_fish_species02.h) and stored on the y <= 0 half, as the class draws them. Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species02.h"

namespace fish02 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The snout (bend 0), from its tip (column 0) to the body's first column:
// the lower part from the mouth line to the belly, the upper from the ridge
// to the mouth line.
inline Grid Snout(GridSize size, bool lower)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r) {
        const float a = Along(r, size.rows);
        rows.push_back(lower ? SnoutRow{Mix(kMouthAtBody, kPi, a), Mix(kMouthAtTip, kPi, a)}
                             : SnoutRow{kMouthAtBody * a, kMouthAtTip * a});
    }
    return fishkit::Snout(kBody, kSkin, size, kSegments.U(0), rows, size.columns, true);
}

// The dorsal fin: columns 0 to 5 root on the ridge over segments 17 to 22,
// the trailing columns (turned with the tail, bend 21) from the last root.
inline Grid Dorsal(GridSize size)
{
    std::vector<V3> root = AnchorRow(kBody, kSegments, kDorsalFirstSegment, kDorsalFirstSegment + kDorsalOnBody - 1.0f,
                                     kDorsalOnBody, Ridge::Back, 0.004f);
    root.resize(size.columns, root.back());
    return FinSheet(size, root, kDorsalEdge, {0, 1, 0}, OnSide(kFinPlane));
}

// A small clear fan low behind the gill cover at segment 12, splayed out
// from the flank.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(kPectoralSegment));
    const V3 upper = kBody.OnFlank(x, -0.006f, 0.002f), lower = kBody.OnFlank(x, -0.034f, 0.002f);
    std::vector<V3> roots;
    for (int c = 0; c < size.columns; ++c)
        roots.push_back(Lerp(upper, lower, Along(c, size.columns)));
    static const Profile length{{0.0f, 0.060f}, {0.35f, 0.080f}, {0.6f, 0.078f}, {1.0f, 0.052f}};
    return FanFin(size, roots, Splay(Lerp(upper, lower, 0.5f), {1.0f, 0.75f, -0.05f}, 0.75f, -0.70f, length),
                  {0, 1, 0}, OnRegion(kPectoralFin));
}

// A narrow pointed fin hanging from the belly under segment 16, down and back.
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns;
    static const Profile length{{0.0f, 0.070f}, {0.3f, 0.082f}, {0.6f, 0.062f}, {1.0f, 0.012f}};
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), u = kSegments.U(kPelvicSegment - 0.1f + 0.2f * a), theta = 0.88f * kPi;
        root[c] = kBody.Surface(u, theta) + kBody.Normal(u, theta) * 0.0015f;
        edge[c] = root[c] + Normalize({0.42f + 0.5f * a, 0.28f, -0.85f + 0.3f * a}) * length(a);
    }
    return FinSheet(size, root, edge, {0, 1, -0.3f}, OnRegion(kPelvicFin));
}

// The tail (bend 21): its root row up the stalk at segment 21, inside the
// body, from the top (the upper tip's ray) to the bottom; its edge from the
// upper tip round to the lower.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const float u = kSegments.U(kTailSegment), x = kBody.XOf(u);
    const float top = kBody.Back(u) - 0.006f, bottom = kBody.Belly(u) + 0.006f;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        root[c] = {x, 0.0f, Mix(top, bottom, a)};
        edge[c] = TailEdge(a);
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

inline Grid Eye(GridSize size) { return fishkit::Eye(kBody, kEyeDisc, size, kEye); }

// The quad closing the eye's innermost ring: its points at a quarter turn apart.
inline Grid EyeCap(GridSize size)
{
    const Grid eye = Eye(SizeOf<decltype(g_Fish02Eye)>());
    const int sectors = static_cast<int>(eye[0].size()) - 1;
    Grid cap = MakeGrid(size);
    for (int k = 0; k < size.columns; ++k)
        cap[0][k] = eye[0][k * sectors / size.columns];
    return cap;
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish02Body)>("g_Fish02Body", Body),
        Table<decltype(g_Fish02Dorsal)>("g_Fish02Dorsal", Dorsal),
        Table<decltype(g_Fish02Jaw)>("g_Fish02Jaw", [](GridSize size) { return Snout(size, true); }),
        Table<decltype(g_Fish02Brow)>("g_Fish02Brow", [](GridSize size) { return Snout(size, false); }),
        Table<decltype(g_Fish02Pectoral)>("g_Fish02Pectoral", Pectoral),
        Table<decltype(g_Fish02Pelvic)>("g_Fish02Pelvic", Pelvic),
        Table<decltype(g_Fish02Tail)>("g_Fish02Tail", Tail),
        Table<decltype(g_Fish02Eye)>("g_Fish02Eye", Eye),
        Table<decltype(g_Fish02EyeCap)>("g_Fish02EyeCap", EyeCap),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species02_meshes.h", Tables);

}  // namespace fish02
