// Species 3, the angelfish: its mesh parts sampled from its shape
// (gen_fish_species03.h) to the grids its class draws.
#pragma once
#include "gen_fish_kit.h"
#include "gen_fish_species03.h"

namespace fish03 {

inline Point BodyPoint(float u, float theta)
{
    Point q;
    q.p = Surface(u, theta);
    q.n = SurfaceNormal(u, theta);
    q.s = BodyS(u);
    q.t = BodyT(theta / kPi);
    return q;
}

// A point on the flank at x and height z, lifted off the surface by `lift`.
inline V3 OnFlank(float x, float z, float lift)
{
    const float u = UOf(x), theta = ThetaAt(u, z);
    return Surface(u, theta) + SurfaceNormal(u, theta) * lift;
}

inline Grid Body()
{
    Grid g = MakeGrid(kBodyRows, kBodyColumns);
    for (int r = 0; r < kBodyRows; ++r)
        for (int j = 0; j < kBodyColumns; ++j)
            g[r][j] = BodyPoint(ColumnU(j), RowTheta(r));
    return g;
}

// The snout in front of body column 0, as the body surface carried on to the
// tip: column 0 is the tip, column `onBody` the body's own first column (so
// the two meet without cracks); columns past it repeat it.
inline Grid Jaw(const int (&rows)[3], int onBody)
{
    const Grid body = Body();
    Grid g = MakeGrid(3, 6);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 6; ++k)
            g[r][k] = k >= onBody ? body[rows[r]][0]
                                  : BodyPoint(kFirstColumnU * k / onBody, RowTheta(rows[r]));
    return g;
}

// A point of a fin that stands in the midline, textured by its place in the side view.
inline Point MidlinePoint(V3 p)
{
    Point q;
    q.p = p;
    q.n = {0.0f, 1.0f, 0.0f};
    FinPlaneST(p, q.s, q.t);
    return q;
}

// The dorsal fin: root, middle and edge rows on segments 5 to 14; then its
// trailing lobe, grown from the fin's edge between points 5 (the top) and 7
// back to the long point, its columns from the fin to the point (columns 5
// to 9 repeat column 4).
inline Grid Dorsal()
{
    Grid g = MakeGrid(8, 10);
    for (int c = 0; c < 10; ++c) {
        const V3 root = DorsalRoot(c), edge = DorsalEdge(c);
        g[0][c] = MidlinePoint(root);
        g[1][c] = MidlinePoint(Lerp(root, edge, 0.5f));
        g[2][c] = MidlinePoint(edge);
    }
    const V3 e5 = DorsalEdge(5), e6 = DorsalEdge(6), e7 = DorsalEdge(7);
    const V3 attach[5] = {e5, Lerp(e5, e6, 0.5f), e6, Lerp(e6, e7, 0.5f), e7};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 10; ++c) {
            const float a = std::min(c, 4) / 4.0f;
            const V3 tip = kLobeTip + V3{-0.005f * r, 0.0f, 0.006f - 0.004f * r};
            const float arch = std::sin(kPi * a) * (0.035f - 0.008f * r / 4.0f);
            g[3 + r][c] = MidlinePoint(Lerp(attach[r], tip, a) + V3{0.0f, 0.0f, arch});
        }
    return g;
}

inline Grid Anal()
{
    Grid g = MakeGrid(2, 8);
    for (int c = 0; c < 8; ++c) {
        g[0][c] = MidlinePoint(AnalRoot(c));
        g[1][c] = MidlinePoint(AnalEdge(c));
    }
    return g;
}

// The root row stands 0.01 ahead of the tail root (the class draws it 0.01 back).
inline Grid Tail()
{
    const float top = Back(1.0f) - 0.004f, bottom = Belly(1.0f) + 0.004f;
    Grid g = MakeGrid(2, 15);
    for (int c = 0; c < 15; ++c) {
        g[0][c] = MidlinePoint({kTailRootX - 0.012f, 0.0f, top + (bottom - top) * c / 14.0f});
        g[1][c] = MidlinePoint(TailEdge(c));
    }
    return g;
}

// A small clear fan behind the gill cover, splayed out from the flank.
inline Grid Pectoral()
{
    const V3 upper = OnFlank(-0.140f, -0.004f, 0.003f), lower = OnFlank(-0.146f, -0.046f, 0.003f);
    const V3 mid = Lerp(upper, lower, 0.5f);
    const V3 back = Normalize({1.0f, 0.38f, -0.05f});
    const V3 up = Normalize(V3{0, 0, 1} - back * Dot(V3{0, 0, 1}, back));
    const float length[7] = {0.070f, 0.088f, 0.098f, 0.100f, 0.096f, 0.086f, 0.068f};
    std::vector<V3> root(7), edge(7);
    for (int c = 0; c < 7; ++c) {
        const float a = 0.65f - c * (1.3f / 6.0f);
        root[c] = Lerp(upper, lower, c / 6.0f);
        edge[c] = mid + (back * std::cos(a) + up * std::sin(a)) * length[c];
    }
    return FinSheet(root, edge, {0, 1, 0}, PectoralST);
}

// The long ventral filament: a ribbon from the chest, down and back, its two
// rows the leading and the trailing edge, narrowing to the tip.
inline Grid Ventral()
{
    const float ur = UOf(kVentralRootX), theta = 0.92f * kPi;
    const V3 root = Surface(ur, theta) + SurfaceNormal(ur, theta) * 0.002f;
    Grid g = MakeGrid(2, 8);
    for (int c = 0; c < 8; ++c) {
        const float a = c / 7.0f;
        const V3 p = root + V3{0.30f * a + 0.12f * a * a, 0.06f * a, -0.93f * a + 0.05f * a * a} * kVentralLength;
        const V3 along = Normalize({0.30f + 0.24f * a, 0.06f, -0.93f + 0.10f * a});
        const V3 behind = Normalize({-along.z, 0.0f, along.x});
        const float width = 0.026f * std::pow(1.0f - a, 1.5f) + 0.0035f;
        V3 normal = Normalize(Cross(along, behind));
        if (normal.y < 0)
            normal = normal * -1.0f;
        for (int r = 0; r < 2; ++r) {
            Point& q = g[r][c];
            q.p = p + behind * (width * r);
            q.n = normal;
            VentralST(a, static_cast<float>(r), q.s, q.t);
        }
    }
    return g;
}

// A domed eye on the head: centre, iris ring and rim, four sectors round.
inline Grid Eye()
{
    const EyeFrame frame = EyeOnHead();
    const float ring[3] = {0.0f, 0.55f, 1.0f};         // radius, in rim radii and in the texture
    const float lift[3] = {0.011f, 0.008f, 0.0015f};  // dome above the head
    Grid g = MakeGrid(3, 5);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 5; ++k) {
            const float phi = kPi / 4 + 2 * kPi * (k % 4) / 4.0f;
            float u = 0, theta = 0;
            EyeToHead(frame, ring[r], phi, u, theta);
            Point& q = g[r][k];
            q.n = SurfaceNormal(u, theta);
            q.p = Surface(u, theta) + q.n * lift[r];
            EyeST(ring[r], phi, q.s, q.t);
        }
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        {"g_Fish03Body", Body()},
        {"g_Fish03LowerJaw", Jaw(kLowerJawRows, 4)},
        {"g_Fish03UpperJaw", Jaw(kUpperJawRows, 5)},
        {"g_Fish03Dorsal", Dorsal()},
        {"g_Fish03Pectoral", Pectoral()},
        {"g_Fish03Ventral", Ventral()},
        {"g_Fish03Anal", Anal()},
        {"g_Fish03Tail", Tail()},
        {"g_Fish03Eye", Eye()},
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species03_meshes.h", Tables);

}  // namespace fish03
