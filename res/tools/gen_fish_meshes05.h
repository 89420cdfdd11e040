// Species 5, the blue ram: its mesh tables, built from its shape
// (gen_fish_species05.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species05.h"

namespace fish05 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The head pieces (bend 0) close the body's front to the mouth: the upper
// takes the body's rows from the ridge to the mouth row, the lower those from
// the mouth row to the belly. Column 0 is the body's own, the last the mouth.
inline Grid HeadPiece(GridSize size, int firstRow)
{
    return Snout(kBody, kSkin, size, kSegments.U(0), BodyRows(firstRow, size.rows, kBodySize.rows), size.columns,
                 false);
}

// A row whose points each serve `divisor` columns of a strip, packed as the
// strip reads it (point k for columns k x divisor on); the rest repeat the last.
inline std::vector<Point> Packed(const std::vector<Point>& row, int divisor)
{
    std::vector<Point> packed(row.size());
    const size_t used = (row.size() + divisor - 1) / divisor;
    for (size_t k = 0; k < row.size(); ++k)
        packed[k] = row[std::min(k, used - 1) * divisor];
    return packed;
}

// A midline fin: root over the given segments, edge raised (sign 1) or
// lowered (-1) by the heights and leaning back by lean x height.
inline Grid MidlineSheet(GridSize size, float firstSegment, const float* height, const float* lean, Ridge ridge,
                         float sign, const Region& tex)
{
    const int n = size.columns;
    const std::vector<V3> root =
        AnchorRow(kBody, kSegments, firstSegment, firstSegment + n - 1.0f, n, ridge, 0.006f);
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c)
        edge[c] = root[c] + V3{lean[c] * height[c], 0.0f, sign * height[c]};
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(tex));
}

// The dorsal fin (bend: mean of 2 + c and 3 + c), stored edge first; its
// root row sits 0.01 low, as the game lifts it.
inline Grid Dorsal(GridSize size)
{
    Grid g = MidlineSheet(size, kDorsalFirstSegment, kDorsalHeight, kDorsalLean, Ridge::Back, 1.0f, kDorsalFin);
    std::swap(g[0], g[1]);
    for (Point& q : g[1])
        q.p.z -= kDorsalRootLift;
    return g;
}

// The anal fin, column c over segment 6 + c (bend 6 + c).
inline Grid Anal(GridSize size)
{
    return MidlineSheet(size, kAnalFirstSegment, kAnalHeight, kAnalLean, Ridge::Belly, -1.0f, kAnalFin);
}

// The tail (bend 12 for column 0, 13 for the rest): an upper and a lower
// root in the tail root, each serving three columns; column 0's edge lies
// on the stalk's ridge at segment 12, the others round a fan.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const float x12 = kBody.XOf(kSegments.U(12)), x13 = kBody.XOf(kSegments.U(13));
    const float top = kBody.Back(1.0f), bottom = kBody.Belly(1.0f);
    const std::vector<V3> roots = {{x13, 0, top - 0.012f}, {x13, 0, bottom + 0.012f}};
    std::vector<V3> edge(n);
    edge[0] = {x12, 0, kBody.Back(kSegments.U(12)) - 0.004f};
    const float spread = 50.0f * kPi / 180.0f;
    for (int c = 1; c < n; ++c) {
        const float f = 1.0f - 2.0f * Along(c - 1, n - 1);  // 1 at the upper tip, -1 at the lower
        const float angle = f * spread, radius = 0.158f + 0.006f * (1.0f - f * f);
        edge[c] = {x13 + 0.004f + std::cos(angle) * radius, 0, kTailCentreZ + std::sin(angle) * radius * 0.76f};
    }
    Grid g = FinSheet(size, SharedRoots(roots, n), edge, {0, 1, 0}, OnRegion(kTailFin));
    g[0] = Packed(g[0], 3);
    return g;
}

// A pectoral fin (bend 3): a rounded paddle from its root in the flank out
// and back to its tip; row 0 its upper edge, row 1 its lower; column 0 the tip.
inline Grid Pectoral(GridSize size)
{
    const int n = size.columns;
    static const Profile width{{0.0f, 0.020f}, {0.2f, 0.050f}, {0.45f, kPectoralWidth}, {0.8f, 0.042f},
                               {1.0f, 0.024f}};
    const V3 along = Normalize(kPectoralRoot - kPectoralTip);
    const V3 up = Normalize(V3{0, 0, 1} - along * Dot(V3{0, 0, 1}, along));
    std::vector<V3> upper(n), lower(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const V3 mid = Lerp(kPectoralTip, kPectoralRoot, a);
        upper[c] = mid + up * (0.5f * width(a));
        lower[c] = mid - up * (0.5f * width(a));
    }
    return FinSheet(size, upper, lower, Cross(up, along), OnRegion(kPectoralFin));
}

// A pelvic fin (bend 3): five roots under the chest, each serving three
// columns; the edge from the long leading ray (column 0) round to the
// trailing end close by the belly. Stored edge first.
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> roots;
    for (int k = 0; k < 5; ++k) {
        const float u = kSegments.U(Mix(kPelvicFrom, kPelvicTo, k / 4.0f));
        roots.push_back({kBody.XOf(u), kPelvicSplay * 0.8f, kBody.Belly(u) + 0.014f});
    }
    const std::vector<V3> root = SharedRoots(roots, n);
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const float angle = Mix(-62.0f, -12.0f, std::pow(a, 0.8f)) * kPi / 180.0f;
        const float length = Mix(0.105f, 0.030f, std::pow(a, 0.7f));
        const float out = kPelvicSplay * (0.4f + 0.4f * (1.0f - a));
        edge[c] = root[c] + V3{std::cos(angle) * length, out, std::sin(angle) * length};
    }
    Grid g = FinSheet(size, root, edge, {0, 1, -0.4f}, OnRegion(kPelvicFin));
    std::swap(g[0], g[1]);
    g[1] = Packed(g[1], 3);
    return g;
}

// The eyes (bend 1): a domed eye between segments 1 and 2; the centre row's
// points each serve two columns.
inline Grid EyeDomeGrid(GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish05Body)>("g_Fish05Body", Body),
        Table<decltype(g_Fish05LowerHead)>("g_Fish05LowerHead",
                                           [](GridSize size) { return HeadPiece(size, kMouthRow); }),
        Table<decltype(g_Fish05UpperHead)>("g_Fish05UpperHead", [](GridSize size) { return HeadPiece(size, 0); }),
        Table<decltype(g_Fish05Dorsal)>("g_Fish05Dorsal", Dorsal),
        Table<decltype(g_Fish05Pectoral)>("g_Fish05Pectoral", Pectoral),
        Table<decltype(g_Fish05Pelvic)>("g_Fish05Pelvic", Pelvic),
        Table<decltype(g_Fish05Anal)>("g_Fish05Anal", Anal),
        Table<decltype(g_Fish05Tail)>("g_Fish05Tail", Tail),
        Table<decltype(g_Fish05Eye)>("g_Fish05Eye", EyeDomeGrid),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species05_meshes.h", Tables, Half::PlusY);

}  // namespace fish05
