// Species 14, the kuhli loach: its mesh tables, built from its shape
// (gen_fish_species14.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species14.h"

#include <algorithm>
#include <cmath>

namespace fish14 {

// The body: every column turns with its own segment.
inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// A point of the head's surface at (u, theta), textured on the head's own region.
inline Point HeadPoint(float u, float theta)
{
    Point q;
    q.p = kBody.Surface(u, theta);
    q.n = kBody.Normal(u, theta);
    const ST st = kHeadSkin.At(std::clamp(u / HeadU(), 0.0f, 1.0f), theta / kPi);
    q.s = st.s;
    q.t = st.t;
    return q;
}

// The head (bend 0): rings from the body to the snout tip, each strip one
// ring to the next round both sides; the last row holds the barbels' tips.
inline Grid Head(GridSize size)
{
    Grid g = MakeGrid(size);
    const int rings = static_cast<int>(kHeadRingU.size()) + 1;
    for (int c = 0; c < size.columns; ++c) {
        const float b = Along(c, size.columns), theta = kPi * b;
        // The first ring on the body's first column, a little inside it.
        const float u = HeadU(), mid = kBody.MidLine(u);
        Point q = HeadPoint(u, theta);
        q.p = {q.p.x, q.p.y * kHeadInset, mid + (q.p.z - mid) * kHeadInset};
        g[0][c] = q;
        for (int r = 1; r < rings; ++r)
            g[r][c] = HeadPoint(kHeadRingU[r - 1], theta);
        Point tip = g[rings - 1][c];
        for (const Barbel& barbel : kBarbels)
            if (barbel.column == c) {
                tip.p = tip.p + barbel.direction * barbel.length;
                tip.n = Normalize(Cross(barbel.direction, {1, 0, 0}));
                if (tip.n.y < 0)
                    tip.n = tip.n * -1.0f;
                const ST st = kHeadSkin.At(0.0f, b);  // the pale snout tip of the picture
                tip.s = st.s;
                tip.t = st.t;
            }
        g[rings][c] = tip;
    }
    return g;
}

// The edge row first, then the root (the row the class moves is the first).
inline Grid EdgeFirst(Grid g)
{
    std::reverse(g.begin(), g.end());
    return g;
}

// The pelvic fins (bend 5): rooted low on the flank, the edge a small fan
// out, down and back.
inline Grid Pelvic(GridSize size)
{
    std::vector<V3> root(size.columns), edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        const float x = Mix(kPelvicFrontX, kPelvicBackX, a);
        root[c] = kBody.OnFlank(x, kPelvicRootZ, -0.002f);
        const V3 out = Normalize({0.25f + 1.1f * a, 0.60f, -0.75f + 0.25f * a});
        const float length = 0.020f + 0.016f * std::sin(kPi * std::pow(a, 0.8f));
        edge[c] = root[c] + out * length;
    }
    return EdgeFirst(FinSheet(size, root, edge, {0, 1, -0.4f}, OnRegion(kPelvicFin)));
}

// The tail (bend 19): a small rounded fan in the midline.
inline Grid Tail(GridSize size)
{
    const float mid = kBody.MidLine(1.0f);
    const float top = kBody.Back(1.0f) - 0.004f, bottom = kBody.Belly(1.0f) + 0.004f;
    std::vector<V3> root(size.columns), edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        const float phi = Mix(kTailSpread, -kTailSpread, a);
        root[c] = {kTailRootX, 0.0f, Mix(top, bottom, a)};
        const float reach = kTailReach * (0.82f + 0.18f * std::cos(phi));
        edge[c] = {kTailRootX + reach * std::cos(phi) * (std::cos(phi) > 0 ? 1.0f : 0.35f), 0.0f,
                   mid + kTailHalfHeight * std::sin(phi)};
        edge[c].x = std::max(edge[c].x, kTailRootX + 0.006f);
    }
    return EdgeFirst(FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kTailFin)));
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish14Body)>("g_Fish14Body", Body),
        Table<decltype(g_Fish14Head)>("g_Fish14Head", Head),
        Table<decltype(g_Fish14Pelvic)>("g_Fish14Pelvic", Pelvic),
        Table<decltype(g_Fish14Tail)>("g_Fish14Tail", Tail),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species14_meshes.h", Tables);

}  // namespace fish14
