// Species 22, the dwarf gourami: its mesh tables, built from its shape
// (gen_fish_species22.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species22.h"

namespace fish22 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws close the head in front of column 0 (bend 0): the upper one the
// body's rows from the ridge to the mouth, the lower one from the mouth to
// the belly. Column 0 on the body, the last at the snout tip.
inline Grid Jaw(GridSize size, bool upper)
{
    const int rows = kBodySize.rows;
    static const int kLowerRows[] = {kMouthRow, 5, 6, 8};
    std::vector<SnoutRow> jaw;
    for (int r = 0; r < size.rows; ++r)
        jaw.push_back(BodyRow(upper ? r : kLowerRows[r], rows));
    return Snout(kBody, kSkin, size, kSegments.U(0), jaw, size.columns, false);
}

// The low spiny front of the dorsal fin, its columns over segments 4.5, 5,
// 6, 7 and 7.5.
inline Grid SpinyDorsal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, {4.5f, 5.0f, 6.0f, 7.0f, 7.5f}, Ridge::Back, 0.004f);
    return MidlineFin(size, root, {0.020f, 0.027f, 0.037f, 0.046f, 0.052f}, 1.0f, 0.55f, OnRegion(kSpinyDorsalFin));
}

// The soft dorsal fin over segments 7.5 to 13, rising to the male's pointed
// rear tip that reaches back over the tail.
inline Grid SoftDorsal(GridSize size)
{
    const std::vector<V3> root =
        AnchorRow(kBody, kSegments, {7.5f, 8.0f, 9.0f, 10.0f, 11.0f, 12.0f, 13.0f}, Ridge::Back, 0.004f);
    const float height[] = {0.052f, 0.060f, 0.070f, 0.079f, 0.086f, 0.082f, 0.058f};
    const float lean[] = {0.55f, 0.6f, 0.7f, 0.85f, 1.05f, 1.45f, 2.1f};
    std::vector<V3> edge(root.size());
    for (size_t c = 0; c < root.size(); ++c)
        edge[c] = root[c] + V3{lean[c] * height[c], 0.0f, height[c]};
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kSoftDorsalFin));
}

// The long anal fin under segments 7.5 to 13 (two pairs of columns share a
// root and fan apart), deepening toward its pointed rear.
inline Grid Anal(GridSize size)
{
    const std::vector<V3> root = AnchorRow(
        kBody, kSegments, {7.5f, 8.0f, 8.5f, 9.0f, 9.0f, 10.0f, 11.0f, 11.5f, 11.5f, 12.0f, 13.0f}, Ridge::Belly, 0.004f);
    std::vector<V3> edge(root.size());
    for (size_t c = 0; c < root.size(); ++c) {
        const float a = Along(static_cast<int>(c), size.columns);
        const float h = 0.050f + 0.040f * a - 0.012f * a * a * a, lean = 0.35f + 1.05f * a * a;
        edge[c] = root[c] + V3{lean * h, 0.0f, -h};
    }
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kAnalFin));
}

// The tail root, turned with segment 13: the body's last section, a section
// drawn in behind it, and the midline where the tail fin stands.
inline float StalkInset(int r) { return r == 0 ? 0.0f : r == 1 ? 0.010f : 0.016f; }
inline Grid TailStalk(GridSize size)
{
    const int points = size.columns;
    const float mid = kBody.MidLine(1.0f);
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < points; ++k) {
            const float theta = RowTheta(k, points);
            Point q = BodyPoint(kBody, kSkin, 1.0f, theta);
            const float draw = r == 0 ? 1.0f : r == 1 ? 0.5f : 0.0f;
            const float shrink = 1.0f - 0.03f * r;
            q.p = {q.p.x + StalkInset(r), q.p.y * draw, mid + (q.p.z - mid) * shrink};
            if (r > 0)
                q.n = Normalize(q.n + V3{0.9f * r, 0.0f, 0.0f});
            g[r][k] = q;
        }
    return g;
}

// A broad, gently rounded tail fan from the stalk's midline; column 0 at the
// top.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    const Grid stalk = TailStalk(SizeOf<decltype(g_Fish22TailStalk)>());
    std::vector<V3> root(n);
    for (int c = 0; c < n; ++c)
        root[c] = stalk.back()[c].p;
    const float spread = 47.0f * kPi / 180.0f;
    const Fan fan{{0.29f, 0.0f, kBody.MidLine(1.0f)}, {1, 0, 0}, {0, 0, 1}, spread, -spread, [](float a) {
                      const float f = 2.0f * a - 1.0f;
                      return 0.172f + 0.016f * (1.0f - f * f);
                  }};
    return FinSheet(size, root, FanEdge(fan, n), {0, 1, 0}, OnRegion(kTailFin));
}

// A clear rounded paddle behind the gill cover at segment 4, splayed back
// and out from the flank; two root points, each the root of half the columns.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(4));
    const V3 upper = kBody.OnFlank(x + 0.004f, -0.004f, 0.003f), lower = kBody.OnFlank(x - 0.004f, -0.046f, 0.003f);
    static const Profile length{{0.0f, 0.090f}, {0.25f, 0.112f}, {0.5f, 0.118f}, {0.75f, 0.110f}, {1.0f, 0.086f}};
    // The fan's plane leans out from the flank toward its upper rays, so that
    // it shows as a paddle from above too, not as a sliver.
    Fan fan = Splay(Lerp(upper, lower, 0.5f), {1.0f, 0.6f, -0.10f}, 0.75f, -0.85f, length);
    fan.up = Normalize(V3{0.0f, 0.35f, 1.0f} - fan.back * Dot(V3{0.0f, 0.35f, 1.0f}, fan.back));
    return FanFin(size, {upper, lower}, fan, {0, 1, 0}, OnRegion(kPectoralFin));
}

// The feeler, turned with segment 5: a thread from the throat down and back,
// curving toward the tail, thinner toward its tip; its width is tilted out
// of the vertical so that it shows from the side and from above alike.
inline V3 FeelerRoot()
{
    const float u = kSegments.U(5), theta = 0.9f * kPi;
    return kBody.Surface(u, theta) + kBody.Normal(u, theta) * 0.002f;
}
inline V3 FeelerPath(float a)
{
    const V3 start{0.60f, 0.06f, -0.80f}, end{0.95f, 0.04f, -0.30f};
    return FeelerRoot() + (start * a + (end - start) * (0.5f * a * a)) * kFeelerLength;
}
inline Grid Feeler(GridSize size)
{
    auto across = [](float a) {
        const V3 t = FeelerPath(std::min(1.0f, a + 0.01f)) - FeelerPath(std::max(0.0f, a - 0.01f));
        return Normalize(V3{-t.z, 0.0f, t.x}) * 0.75f + V3{0.0f, 0.66f, 0.0f};
    };
    // Narrow where it leaves the throat, so that both edges stay over segment 5.
    auto width = [](float a) { return 0.004f + 0.012f * std::min(1.0f, a / 0.2f) - 0.006f * a; };
    return Ribbon(size, FeelerPath, across, width, {0, 1, 0}, OnRegion(kFeelerSkin));
}

// The eye on the head over segment 1: a ring round the iris (the last column
// closing it) and, lifted above its inner edge, the pupil's disc as an upper
// and a lower half.
inline Point EyePoint(float rho, float phi, float lift)
{
    static const SurfaceSpot spot = kBody.Spot(kEyeX, kEyeZ, kEyeRadius);
    float u = 0, theta = 0;
    spot.At(rho, phi, u, theta);
    Point q;
    q.n = kBody.Normal(u, theta);
    q.p = kBody.Surface(u, theta) + q.n * lift;
    const ST st = kEyeDisc.At(rho, phi);
    q.s = st.s;
    q.t = st.t;
    return q;
}
inline Grid EyeRing(GridSize size)
{
    const int sectors = size.columns - 1;
    Grid g = MakeGrid(size);
    for (int k = 0; k < size.columns; ++k) {
        const float phi = 2.0f * kPi * (k % sectors) / sectors;
        g[0][k] = EyePoint(kRingInnerRho, phi, 0.007f);
        g[1][k] = EyePoint(1.0f, phi, 0.003f);
    }
    return g;
}
inline Grid Pupil(GridSize size)
{
    Grid g = MakeGrid(size);
    for (int c = 0; c < size.columns; ++c) {
        const float phi = kPi * (1.0f - Along(c, size.columns));
        g[0][c] = EyePoint(kPupilRho, phi, 0.009f);
        g[1][c] = EyePoint(kPupilRho, -phi, 0.009f);
    }
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish22Body)>("g_Fish22Body", Body),
        Table<decltype(g_Fish22UpperJaw)>("g_Fish22UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish22LowerJaw)>("g_Fish22LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish22SpinyDorsal)>("g_Fish22SpinyDorsal", SpinyDorsal),
        Table<decltype(g_Fish22SoftDorsal)>("g_Fish22SoftDorsal", SoftDorsal),
        Table<decltype(g_Fish22Pectoral)>("g_Fish22Pectoral", Pectoral),
        Table<decltype(g_Fish22Feeler)>("g_Fish22Feeler", Feeler),
        Table<decltype(g_Fish22Anal)>("g_Fish22Anal", Anal),
        Table<decltype(g_Fish22TailStalk)>("g_Fish22TailStalk", TailStalk),
        Table<decltype(g_Fish22Tail)>("g_Fish22Tail", Tail),
        Table<decltype(g_Fish22Pupil)>("g_Fish22Pupil", Pupil),
        Table<decltype(g_Fish22EyeRing)>("g_Fish22EyeRing", EyeRing),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species22_meshes.h", Tables);

}  // namespace fish22
