// Species 3, the angelfish: its mesh tables, built from its shape
// (gen_fish_species03.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species03.h"

#include <iterator>

namespace fish03 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws (bend 0): column 0 at the snout tip, the body's first column at
// column `onBody`; columns past it repeat it.
inline Grid Jaw(GridSize size, const int (&rows)[3], int onBody)
{
    return Snout(kBody, kSkin, size, kSegments.U(0), BodyRows(rows, kBodySize.rows), onBody + 1, true);
}

// The dorsal rays: ray c roots over segment c (the fin and its blade turn
// column c by bend c). Rays before the leading edge stand on their roots;
// the two front rays run straight from the root to the blade's tip, the
// others from the root to their edge.
struct Ray {
    V3 root, edge, tip;
};
inline std::vector<Ray> DorsalRays()
{
    const int n = kDorsalSize.columns;
    const std::vector<V3> roots = AnchorRow(kBody, kSegments, 0.0f, n - 1.0f, n, Ridge::Back, kDorsalInset);
    std::vector<Ray> rays(n);
    for (int c = 0; c < n; ++c) {
        const V3 r = roots[c];
        if (c < kFirstRay)
            rays[c] = {r, r, r};
        else if (c < kFirstRay + 2)
            rays[c] = {r, Lerp(r, kBladeTip[c - kFirstRay], kBladeEdge[c - kFirstRay]), kBladeTip[c - kFirstRay]};
        else
            rays[c] = {r, kDorsalEdge[c - kFirstRay - 2], kDorsalEdge[c - kFirstRay - 2]};
    }
    return rays;
}

// A point of a midline fin: its normal across the fish, textured by its
// place in the side view (the body's bars run on into the fins).
inline Point MidlinePoint(V3 p)
{
    Point q;
    q.p = p;
    q.n = {0.0f, 1.0f, 0.0f};
    const ST st = kFinPlane.At(p);
    q.s = st.s;
    q.t = st.t;
    return q;
}

// The fin (root, middle and edge rows), then its blade: the front rays from
// inside the body (the blade sways sideways as a whole, column by column: its
// root stays hidden in the back) through the fin's middle and edge rows on to
// the tip. Blade columns past the front rays repeat their ray's edge.
inline Grid Dorsal(GridSize)
{
    const std::vector<Ray> rays = DorsalRays();
    Grid fin = MakeGrid(kDorsalSize), blade = MakeGrid(kBladeSize);
    for (int c = 0; c < kDorsalSize.columns; ++c) {
        const Ray& ray = rays[c];
        for (int r = 0; r < kDorsalSize.rows; ++r)
            fin[r][c] = MidlinePoint(Lerp(ray.root, ray.edge, Along(r, kDorsalSize.rows)));
        const V3 along[] = {ray.root - V3{0, 0, kBladeBuried}, Lerp(ray.root, ray.edge, 0.5f), ray.edge,
                            Lerp(ray.edge, ray.tip, 0.5f), ray.tip};
        static_assert(std::size(along) == kBladeSize.rows);
        for (int r = 0; r < kBladeSize.rows; ++r)
            blade[r][c] = MidlinePoint(along[r]);
    }
    return Stack(fin, blade);
}

// The anal fin over segments 7 to 14 (its columns take bend 7 on); the
// leading edge starts low, just off its root.
inline Grid Anal(GridSize size)
{
    std::vector<V3> root = AnchorRow(kBody, kSegments, kAnalFirstSegment, kAnalFirstSegment + size.columns - 1.0f,
                                     size.columns, Ridge::Belly, 0.003f);
    std::vector<V3> edge = kAnalEdge;
    edge[0] = root[0] + V3{0.004f, 0.0f, -0.010f};
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

// The tail (bend 15): its root row from the top of the stalk to the bottom,
// 0.012 ahead of the tail root (the class draws it 0.01 back), its edge from
// the upper tip to the lower.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const float top = kBody.Back(1.0f) - 0.004f, bottom = kBody.Belly(1.0f) + 0.004f;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        root[c] = {kBody.tailX - 0.012f, 0.0f, Mix(top, bottom, Along(c, n))};
        edge[c] = TailEdge(Along(c, n));
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

// A small clear fan behind the gill cover at segment 4, splayed out from the flank.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(4));
    const V3 upper = kBody.OnFlank(x + 0.003f, -0.004f, 0.003f), lower = kBody.OnFlank(x - 0.003f, -0.046f, 0.003f);
    std::vector<V3> roots;
    for (int c = 0; c < size.columns; ++c)
        roots.push_back(Lerp(upper, lower, Along(c, size.columns)));
    static const Profile length{{0.0f, 0.070f}, {0.33f, 0.098f}, {0.5f, 0.100f}, {0.67f, 0.096f}, {1.0f, 0.068f}};
    return FanFin(size, roots, Splay(Lerp(upper, lower, 0.5f), {1.0f, 0.38f, -0.05f}, 0.65f, -0.65f, length),
                  {0, 1, 0}, OnRegion(kPectoralFin));
}

// The long ventral filament (bend 4): a ribbon from the chest, its narrow
// root across segment 4, down and back, its two rows the leading and the
// trailing edge, narrowing to the tip.
inline Grid Ventral(GridSize size)
{
    const float ur = kSegments.U(3.8f), theta = 0.92f * kPi;
    const V3 root = kBody.Surface(ur, theta) + kBody.Normal(ur, theta) * 0.002f;
    auto path = [&](float a) {
        return root + V3{0.30f * a + 0.12f * a * a, 0.06f * a, -0.93f * a + 0.05f * a * a} * kVentralLength;
    };
    auto behind = [](float a) {
        const V3 along = Normalize({0.30f + 0.24f * a, 0.06f, -0.93f + 0.10f * a});
        return V3{-along.z, 0.0f, along.x};
    };
    auto width = [](float a) { return 0.011f * std::pow(1.0f - a, 1.5f) + 0.0035f; };
    return Ribbon(size, path, behind, width, {0, 1, 0}, OnRegion(kVentralFin));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish03Body)>("g_Fish03Body", Body),
        Table<decltype(g_Fish03LowerJaw)>("g_Fish03LowerJaw",
                                          [](GridSize size) { return Jaw(size, kLowerJawRows, 4); }),
        Table<decltype(g_Fish03UpperJaw)>("g_Fish03UpperJaw",
                                          [](GridSize size) { return Jaw(size, kUpperJawRows, 5); }),
        Table<decltype(g_Fish03Dorsal)>("g_Fish03Dorsal", Dorsal),
        Table<decltype(g_Fish03Pectoral)>("g_Fish03Pectoral", Pectoral),
        Table<decltype(g_Fish03Ventral)>("g_Fish03Ventral", Ventral),
        Table<decltype(g_Fish03Anal)>("g_Fish03Anal", Anal),
        Table<decltype(g_Fish03Tail)>("g_Fish03Tail", Tail),
        Table<decltype(g_Fish03Eye)>("g_Fish03Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species03_meshes.h", Tables, Half::PlusY);

}  // namespace fish03
