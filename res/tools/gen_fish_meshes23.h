// Species 23, the clownfish: its mesh tables, built from its shape
// (gen_fish_species23.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species23.h"

namespace fish23 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The upper jaw: the body's rows from the ridge to the mouth, a lip just
// above the mouth that thickens toward the tip, and the mouth again; the
// lower jaw the rows from the mouth to the belly. Column 0 on the body,
// the last at the snout tip.
inline Grid Jaw(GridSize size, bool upper)
{
    const int rows = kBodySize.rows;
    std::vector<SnoutRow> jaw = JawRows(upper, kMouthRow, size.rows, rows);
    if (upper)
        jaw[kMouthRow].atTip -= 0.3f * RowTheta(1, rows);
    return Snout(kBody, kSkin, size, kSegments.U(0), jaw, size.columns, false);
}

// Dorsal spines, turned with segment 8: rooted from segment 5.3 to 8.9, close
// to the fish's middle where a turn moves them least. The membrane dips
// between the spines.
inline Grid SpinyDorsal(GridSize size)
{
    const int n = size.columns;
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 5.3f, 8.9f, n, Ridge::Back, 0.006f);
    static const Profile height{{0.0f, 0.020f}, {0.12f, 0.045f}, {0.35f, 0.064f}, {0.6f, 0.062f}, {1.0f, 0.040f}};
    std::vector<float> h = Sample(height, n);
    for (int c = 1; c < n; c += 2)
        h[c] *= 0.82f;
    return MidlineFin(size, root, h, 1.0f, 0.5f, OnRegion(kEdgedFins));
}

// The soft dorsal fin, rounded, over segments 9.5 to 11.3 (its columns take
// the mean bend of 9 and 10 to that of 11 and 12).
inline Grid SoftDorsal(GridSize size)
{
    const int n = size.columns;
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 9.5f, 9.5f + 2.0f * (n - 1) / n, n, Ridge::Back, 0.006f);
    static const Profile height{{0.0f, 0.050f}, {0.2f, 0.096f}, {0.45f, 0.110f}, {0.75f, 0.090f}, {1.0f, 0.030f}};
    return MidlineFin(size, root, Sample(height, n), 1.0f, 0.45f, OnRegion(kEdgedFins));
}

// The anal fin over segments 9 to 10 (its columns' bend runs from 9 to 10):
// a short base, the rays fanning down and back to a rounded edge.
inline Grid Anal(GridSize size)
{
    const int n = size.columns;
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 9.0f, 9.0f + (n - 1) / float(n), n, Ridge::Belly, 0.006f);
    const V3 centre = Lerp(root.front(), root.back(), 0.5f);
    const Fan fan{centre, {1, 0, 0}, {0, 0, -1}, 1.35f, 0.10f, [](float a) {
                      return 0.070f + 0.060f * std::sin(kPi * std::pow(a, 0.8f)) + 0.02f * a;
                  }};
    return FinSheet(size, root, FanEdge(fan, n), {0, 1, 0}, OnRegion(kEdgedFins));
}

// A rounded paddle behind the gill cover at segment 2, splayed out from the
// flank; two root points, each the root of half the columns.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(2));
    const V3 upper = kBody.OnFlank(x + 0.004f, -0.020f, 0.004f), lower = kBody.OnFlank(x - 0.006f, -0.064f, 0.004f);
    static const Profile length{{0.0f, 0.100f}, {0.2f, 0.122f}, {0.4f, 0.130f}, {0.6f, 0.126f}, {0.8f, 0.114f},
                                {1.0f, 0.092f}};
    return FanFin(size, {upper, lower}, Splay(Lerp(upper, lower, 0.5f), {1.0f, 0.42f, -0.12f}, 0.62f, -0.88f, length),
                  {0, 1, 0}, OnRegion(kPlainFins));
}

// A pointed fin hanging from the belly under segment 7, back and outward.
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns;
    static const Profile length{{0.0f, 0.015f}, {0.3f, 0.080f}, {0.55f, 0.108f}, {0.8f, 0.085f}, {1.0f, 0.020f}};
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), u = kSegments.U(6.6f + 0.8f * a), theta = 0.86f * kPi;
        root[c] = kBody.Surface(u, theta) + kBody.Normal(u, theta) * 0.002f;
        edge[c] = root[c] + Normalize({0.45f + 0.42f * a, 0.30f, -0.80f + 0.21f * a}) * length(a);
    }
    return FinSheet(size, root, edge, {0, 1, -0.3f}, OnRegion(kEdgedFins));
}

// The rounded tail fan: four root points on the tail stalk (segments 12 and
// 13, the outer two further forward), each the root of a quarter of the
// columns; the edge, at segment 14, from the top to the bottom.
inline Grid Tail(GridSize size)
{
    const float uf = kSegments.U(12), mid = kBody.MidLine(1.0f);
    const float xf = kBody.XOf(uf), xr = kBody.XOf(kSegments.U(13)) - 0.005f;
    const std::vector<V3> roots = {{xf, 0, kBody.Back(uf) - 0.008f}, {xr, 0, mid + 0.018f}, {xr, 0, mid - 0.018f},
                                   {xf, 0, kBody.Belly(uf) + 0.008f}};
    const float spread = 58.0f * kPi / 180.0f;
    const Fan fan{{0.34f, 0.0f, mid}, {1, 0, 0}, {0, 0, 1.05f}, spread, -spread, [](float a) {
                      const float f = 1.0f - 2.0f * a;  // 1 at the top edge, -1 at the bottom
                      return 0.215f - 0.045f * f * f;
                  }};
    return FanFin(size, roots, fan, {0, 1, 0}, OnRegion(kEdgedFins));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish23Body)>("g_Fish23Body", Body),
        Table<decltype(g_Fish23UpperJaw)>("g_Fish23UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish23LowerJaw)>("g_Fish23LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish23Dorsal)>("g_Fish23Dorsal", SpinyDorsal),
        Table<decltype(g_Fish23SoftDorsal)>("g_Fish23SoftDorsal", SoftDorsal),
        Table<decltype(g_Fish23Pectoral)>("g_Fish23Pectoral", Pectoral),
        Table<decltype(g_Fish23Pelvic)>("g_Fish23Pelvic", Pelvic),
        Table<decltype(g_Fish23Anal)>("g_Fish23Anal", Anal),
        Table<decltype(g_Fish23Tail)>("g_Fish23Tail", Tail),
        Table<decltype(g_Fish23Eye)>("g_Fish23Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species23_meshes.h", Tables, Half::PlusY);

}  // namespace fish23
