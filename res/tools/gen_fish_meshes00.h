// Species 0, the telescope-eye goldfish: its mesh tables, built from its
// shape (gen_fish_species00.h). The body turns as one piece (every bend
// angle of the class is the same), so a part need only ride the sway of the
// rear: each part that takes the body wave of a segment stands over it.
#pragma once
#include "gen_fish_species00.h"

#include <algorithm>

namespace fish00 {

// Ridge-first body grid turned over: row 0 on the belly.
inline Grid Body(GridSize size)
{
    Grid g = BodyGrid(kBody, kSegments, size, kSkin);
    std::reverse(g.begin(), g.end());
    return g;
}

// The jaws carry the body's rows on to the tip (column 0 on the body).
inline Grid Jaw(GridSize size, const int (&rows)[4])
{
    return Snout(kBody, kSkin, size, kSegments.U(0), BodyRows(rows, kBodySize.rows), size.columns, false);
}

// ---- the eye on its stalk -----------------------------------------------------

struct StalkFrame {
    V3 base, axis, across, up;
    V3 At(float out, float radius, float phi) const
    {
        return base + axis * out + (across * std::cos(phi) + up * std::sin(phi)) * radius;
    }
};
inline StalkFrame EyeFrame()
{
    const EyeStalk& e = kEyeStalk;
    StalkFrame f;
    f.base = kBody.OnFlank(e.x, e.z, 0.0f);
    f.axis = e.axis;
    f.up = Normalize(V3{0, 0, 1} - f.axis * Dot(V3{0, 0, 1}, f.axis));
    f.across = Cross(f.up, f.axis);
    return f;
}

// Rings round the stalk's axis, the last column closing each ring; the
// ball's normals point away from its centre, the stalk's straight out.
inline Grid Eye(GridSize size)
{
    const EyeStalk& e = kEyeStalk;
    const StalkFrame f = EyeFrame();
    const V3 centre = f.base + f.axis * e.out[1];
    const int sectors = size.columns - 1;
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const float phi = 2 * kPi * (k % sectors) / sectors;
            Point& q = g[r][k];
            q.p = f.At(e.out[r], e.ring[r], phi);
            q.n = r == 0 ? Normalize(f.across * std::cos(phi) + f.up * std::sin(phi)) : Normalize(q.p - centre);
            const ST st = kEyeDisc.At(kEyeRho[r], phi);
            q.s = st.s;
            q.t = st.t;
        }
    return g;
}

// The pupil: a square sunk into the ball, wide enough to close the last ring.
inline Grid EyeCap(GridSize size)
{
    const EyeStalk& e = kEyeStalk;
    const StalkFrame f = EyeFrame();
    Grid g = MakeGrid(size);
    for (int k = 0; k < size.columns; ++k) {
        Point& q = g[0][k];
        q.p = f.At(e.pupilOut, e.ring[3] * 1.42f, kPi / 4 + 2 * kPi * k / size.columns);
        q.n = f.axis;
        q.s = kEyeDisc.s;
        q.t = kEyeDisc.t;
    }
    return g;
}

// ---- the fins -----------------------------------------------------------------

// The dorsal fin over segments 6 to 15 (column c sways with segment 6 + c):
// high in front, falling toward the tail stalk, its root sunk in the back.
inline Grid Dorsal(GridSize size)
{
    const int n = size.columns;
    const std::vector<V3> root = AnchorRow(kBody, kSegments, 6.0f, 15.0f, n, Ridge::Back, 0.010f);
    static const Profile height{{0.0f, 0.100f}, {0.15f, 0.168f}, {0.35f, 0.162f}, {0.7f, 0.105f}, {1.0f, 0.038f}};
    return MidlineFin(size, root, Sample(height, n), 1.0f, 0.55f, OnRegion(kDorsalFin));
}

// A paddle low behind the gill cover, splayed out and down from the flank.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(5.5f));
    const V3 upper = kBody.OnFlank(x + 0.006f, -0.150f, -0.003f), lower = kBody.OnFlank(x - 0.008f, -0.192f, -0.003f);
    static const Profile length{{0.0f, 0.090f}, {0.3f, 0.125f}, {0.6f, 0.130f}, {1.0f, 0.095f}};
    return FanFin(size, {upper, lower}, Splay(Lerp(upper, lower, 0.5f), {0.75f, 1.0f, -0.35f}, 0.7f, -0.7f, length),
                  {0, 1, 0}, OnRegion(kPectoralFin));
}

// Long pointed fins from the belly over segments 8 to 10: columns 0 to 9 run
// from the leading edge out to the tip (the part of the fin that beats), 10
// to 13 back along the trailing edge to the root.
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns, tip = 9;
    std::vector<V3> root(n), edge(n);
    const V3 out = Normalize({0.55f, 0.45f, -0.70f});
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), u = kSegments.U(8.0f + 2.0f * a), theta = 0.9f * kPi;
        root[c] = kBody.Surface(u, theta) - kBody.Normal(u, theta) * 0.004f;
        const float length = c <= tip ? Mix(0.025f, 0.165f, std::pow(c / float(tip), 0.8f))
                                      : Mix(0.165f, 0.02f, (c - tip) / float(n - 1 - tip));
        edge[c] = root[c] + out * length;
    }
    return FinSheet(size, root, edge, {0, 1, -0.3f}, OnRegion(kPelvicFin));
}

// Small paired fins under the rear belly, on a short base over segments 11
// to 12.5 (they sway with segment 11), rounded, down and back.
inline Grid Anal(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    const V3 out = Normalize({0.6f, 0.22f, -0.75f});
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n), u = kSegments.U(11.0f + 1.5f * a), theta = 0.92f * kPi;
        root[c] = kBody.Surface(u, theta) - kBody.Normal(u, theta) * 0.004f;
        edge[c] = root[c] + out * (0.03f + 0.075f * std::sin(kPi * std::pow(a, 0.7f)) + 0.01f * (1.0f - a));
    }
    return FinSheet(size, root, edge, {0, 1, -0.3f}, OnRegion(kAnalFin));
}

// One half of the split tail: seven root points down the tail stalk (at
// segment 15, whose sway it takes), each serving three columns; the edge from
// the upper tip, close to the midline, through the fork to the lower tip,
// splayed far out to the side.
inline Grid Tail(GridSize size)
{
    const float u = kSegments.U(15.25f), x = kBody.XOf(u);
    std::vector<V3> roots;
    for (int k = 0; k < 7; ++k)
        roots.push_back({x, 0.004f, Mix(kBody.Back(u) - 0.012f, kBody.Belly(u) + 0.012f, Along(k, 7))});
    const int n = size.columns;
    std::vector<V3> edge(n);
    const V3 centre{x - 0.005f, 0.0f, kBody.MidLine(u)};
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const float rise = Mix(40.0f, -32.0f, a) * kPi / 180.0f, splay = Mix(8.0f, 52.0f, a) * kPi / 180.0f;
        const float fork = (a - 0.45f) / 0.12f;
        const float length = Mix(0.36f, 0.44f, a) - 0.14f * std::exp(-fork * fork);
        const V3 back{std::cos(splay), std::sin(splay), 0.0f};
        edge[c] = centre + (back * std::cos(rise) + V3{0, 0, 1} * std::sin(rise)) * length;
    }
    return FinSheet(size, SharedRoots(roots, n), edge, {0, 1, 0}, OnRegion(kTailFin));
}

inline std::vector<MeshTable> Tables()
{
    return {
        // The body, the jaws and the dorsal fin keep their +y half; the paired
        // parts and the eyes are stored on the y <= 0 half.
        Table<decltype(g_Fish00Body)>("g_Fish00Body", Body, Half::PlusY),
        Table<decltype(g_Fish00LowerJaw)>("g_Fish00LowerJaw", [](GridSize s) { return Jaw(s, kLowerJawRows); },
                                          Half::PlusY),
        Table<decltype(g_Fish00UpperJaw)>("g_Fish00UpperJaw", [](GridSize s) { return Jaw(s, kUpperJawRows); },
                                          Half::PlusY),
        Table<decltype(g_Fish00Eye)>("g_Fish00Eye", Eye),
        Table<decltype(g_Fish00EyeCap)>("g_Fish00EyeCap", EyeCap),
        Table<decltype(g_Fish00Dorsal)>("g_Fish00Dorsal", Dorsal, Half::PlusY),
        Table<decltype(g_Fish00Pectoral)>("g_Fish00Pectoral", Pectoral),
        Table<decltype(g_Fish00Pelvic)>("g_Fish00Pelvic", Pelvic),
        Table<decltype(g_Fish00Anal)>("g_Fish00Anal", Anal),
        Table<decltype(g_Fish00Tail)>("g_Fish00Tail", Tail),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species00_meshes.h", Tables);

}  // namespace fish00
