// Species 10, the green swordtail: its mesh tables, built from its shape
// (gen_fish_species10.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species10.h"

#include <algorithm>

namespace fish10 {

// A point kept as the class stores it (y <= 0), as the builders model it (+y).
inline Point Stored(const float (&v)[8])
{
    return {{v[0], -v[1], v[2]}, {v[3], -v[4], v[5]}, v[6], v[7]};
}

inline void Texture(Point& q, const SideView& view)
{
    const ST st = view.At(q.p);
    const Region& r = view.region;
    q.s = std::clamp(st.s, std::min(r.s0, r.s1), std::max(r.s0, r.s1));
    q.t = std::clamp(st.t, std::min(r.t0, r.t1), std::max(r.t0, r.t1));
}

// Body: column 0 is the nose as given, column j the section at segment j.
inline Grid BodyTable(GridSize size)
{
    const SwordtailBody& body = Body();
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r) {
        g[r][0] = Stored(kNose[r]);
        for (int j = 1; j < size.columns; ++j) {
            const float u = static_cast<float>(j) / kLastColumn, theta = RowTheta(r, size.rows);
            Point& q = g[r][j];
            q.p = body.Surface(u, theta);
            if (r == 0 || r == size.rows - 1)
                q.p.y = 0.0f;  // the ridge and the belly line lie in the midline
            q.n = body.Normal(u, theta);
            Texture(q, kSkin);
        }
    }
    // The deepest column and the stalk's end, exactly where they stand.
    g[0][8].p = kDeepTop;
    g[size.rows - 1][8].p = kDeepBelly;
    g[2][8].p.y = kDeepWidth;
    g[0][kLastColumn].p = kStalkTop;
    g[size.rows - 1][kLastColumn].p = kStalkBelly;
    for (int r = 0; r < size.rows; ++r)
        for (int j : {8, kLastColumn})
            Texture(g[r][j], kSkin);
    return g;
}

// Normals of a sheet from its neighbours along both directions, facing away
// from `inside`; where a row's neighbours meet (shared roots) the other
// rows' direction along the sheet is taken.
inline void SheetNormals(Grid& g, V3 inside, int firstColumn)
{
    const int rows = static_cast<int>(g.size()), columns = static_cast<int>(g[0].size());
    for (int c = firstColumn; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            V3 along{0, 0, 0};
            for (int k = 0; k < rows && Length(along) < 1e-5f; ++k)
                along = g[(r + k) % rows][std::min(c + 1, columns - 1)].p - g[(r + k) % rows][std::max(c - 1, 0)].p;
            const V3 across = g[std::min(r + 1, rows - 1)][c].p - g[std::max(r - 1, 0)][c].p;
            V3 n = Normalize(Cross(along, across));
            if (Dot(n, g[r][c].p - inside) < 0)
                n = n * -1.0f;
            g[r][c].n = n;
        }
}

// A jaw (bend 0): column 0 the nose's rows `first` on, carried forward to the
// tip points, the sides held out toward the tip so that the snout stays round.
inline Grid Jaw(GridSize size, int first, const std::vector<V3>& tip, const SideView& skin)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r) {
        const Point base = Stored(kNose[first + r]);
        for (int k = 0; k < size.columns; ++k) {
            const float a = Along(k, size.columns);
            Point& q = g[r][k];
            if (k == 0) {
                q = base;
                continue;
            }
            q.p = {Mix(base.p.x, tip[r].x, a), Mix(base.p.y, tip[r].y, a * a), Mix(base.p.z, tip[r].z, a)};
            Texture(q, skin);
        }
    }
    SheetNormals(g, {-0.44f, 0.0f, -0.045f}, 1);
    return g;
}

inline Grid UpperJaw(GridSize size)
{
    return Jaw(size, 0,
               {{-0.4900f, 0.0f, -0.0340f}, {-0.4965f, 0.0110f, -0.0450f}, {-0.5000f, 0.0140f, -0.0580f},
                {-0.4985f, 0.0100f, -0.0688f}},
               kUpperJawSkin);
}

inline Grid LowerJaw(GridSize size)
{
    return Jaw(size, 3, {{-0.4940f, 0.0090f, -0.0637f}, {-0.4905f, 0.0120f, -0.0765f}, {-0.4845f, 0.0f, -0.0852f}},
               kLowerJawSkin);
}

// The back's top point over a body column.
inline V3 BackTop(float column) { return Body().Surface(column / kLastColumn, 0.0f); }
inline V3 BellyBottom(float column) { return Body().Surface(column / kLastColumn, kPi); }

// The dorsal fin: column c roots over segment 8 + c / 2 (the second of each
// pair a little behind the first), its edge tall in front, the rear rays
// shorter.
inline Grid Dorsal(GridSize size)
{
    static const std::vector<V3> edge = {
        {-0.118f, 0, 0.172f}, {-0.100f, 0, 0.200f}, {-0.075f, 0, 0.2110f}, {-0.045f, 0, 0.2105f},
        {-0.015f, 0, 0.2070f}, {0.015f, 0, 0.2010f}, {0.045f, 0, 0.1930f},  {0.075f, 0, 0.1830f},
        {0.105f, 0, 0.1710f},  {0.135f, 0, 0.1570f}, {0.162f, 0, 0.1420f},  {0.188f, 0, 0.1270f},
        {0.212f, 0, 0.1080f},  {0.2310f, 0, 0.0850f}};
    std::vector<V3> root(size.columns), rim(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float segment = DorsalSegment(c) + (c % 2 ? 0.12f : 0.0f);
        root[c] = BackTop(segment) + V3{0.0f, 0.0025f, -0.004f};
        rim[c] = edge[c] + V3{0.0f, 0.0005f, 0.0f};
    }
    Grid g = FinSheet(size, root, rim, {0, 1, 0}, OnSide(kDorsalSide));
    for (auto& row : g)
        for (Point& q : row)
            Texture(q, kDorsalSide);
    return g;
}

// The largest share (at most 1) of each point's way from `centre` that keeps
// every point inside the box [lo, hi].
inline float ShareThatFits(V3 centre, const std::vector<V3>& points, V3 lo, V3 hi)
{
    float k = 1.0f;
    for (const V3& p : points) {
        const float d[3] = {p.x - centre.x, p.y - centre.y, p.z - centre.z};
        const float c[3] = {centre.x, centre.y, centre.z}, l[3] = {lo.x, lo.y, lo.z}, h[3] = {hi.x, hi.y, hi.z};
        for (int i = 0; i < 3; ++i) {
            if (c[i] + k * d[i] > h[i])
                k = (h[i] - c[i]) / d[i];
            if (c[i] + k * d[i] < l[i])
                k = (l[i] - c[i]) / d[i];
        }
    }
    return k;
}

// A paired fin: the edge (row 0) round its root's middle, from angle `from` to `to`, in the plane of
// `axis` and the body's length, the root (row 1) a few points on the flank
// shared out over the columns; kept inside its box.
inline Grid PairedFin(GridSize size, const std::vector<V3>& roots, V3 axis, float length, float from, float to,
                      const std::function<float(float a)>& outline, V3 lo, V3 hi, const Region& region)
{
    const V3 centre = Lerp(roots.front(), roots.back(), 0.5f);
    const V3 d = Normalize(axis);
    const V3 w = Normalize(V3{1, 0, 0} - d * d.x);
    std::vector<V3> edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns), phi = Mix(from, to, a);
        edge[c] = centre + (d * std::cos(phi) + w * std::sin(phi)) * (length * outline(a));
    }
    const float k = ShareThatFits(centre, edge, lo, hi);
    for (V3& p : edge)
        p = centre + (p - centre) * k;
    Grid g = FinSheet(size, edge, SharedRoots(roots, size.columns), {0, 0, 1}, OnRegion(region));
    SheetNormals(g, {centre.x, 0.0f, centre.z - 0.1f}, 0);
    for (int c = 0; c < size.columns; ++c) {  // textured root (b = 0) to edge (b = 1)
        g[0][c].s = region.At(Along(c, size.columns), 1.0f).s;
        g[0][c].t = region.At(Along(c, size.columns), 1.0f).t;
        g[1][c].s = region.At(Along(c, size.columns), 0.0f).s;
        g[1][c].t = region.At(Along(c, size.columns), 0.0f).t;
    }
    return g;
}

// The roots of a paired fin: on the flank of body column `segment`, from
// height z0 to z1, sunk a little into the skin, at least `minY` out.
inline std::vector<V3> FlankRoots(float segment, float z0, float z1, int count, float minY)
{
    const float u = segment / kLastColumn;
    std::vector<V3> roots;
    for (int i = 0; i < count; ++i) {
        const float z = Mix(z0, z1, Along(i, count)), theta = Body().ThetaAt(u, z);
        V3 p = Body().Surface(u, theta) - Body().Normal(u, theta) * 0.002f;
        p.y = std::max(p.y, minY);
        roots.push_back(p);
    }
    return roots;
}

// The pectoral fin (bend 4): a rounded fin from a short base low behind the
// gill cover, held out, back and down.
inline Grid Pectoral(GridSize size)
{
    return PairedFin(size, FlankRoots(kPectoralSegment, -0.060f, -0.072f, 4, 0.0580f), {0.50f, 0.78f, -0.38f},
                     0.19f, -0.42f, 1.0f, [](float a) { return 0.62f + 0.38f * std::sin(kPi * a); },
                     {-0.2804f, 0.0578f, -0.1422f}, {-0.1689f, 0.2108f, -0.0583f}, kPectoralFin);
}

// The pelvic fin (bend 10): small and pointed, under the belly, down and back.
inline Grid Pelvic(GridSize size)
{
    return PairedFin(size, FlankRoots(kPelvicSegment, -0.111f, -0.117f, 3, 0.0509f), {0.42f, 0.48f, -0.78f}, 0.12f,
                     -0.35f, 0.9f, [](float a) { return 0.55f + 0.45f * std::pow(std::max(0.0f, std::sin(kPi * a)), 0.7f) + 0.2f * a; },
                     {-0.1014f, 0.0509f, -0.2107f}, {0.0065f, 0.1265f, -0.1073f}, kPelvicFin);
}

// The gonopodium (bend 13 + c / 3): a tapering rod from inside the belly at
// segment 13 down and back; its columns stand over their segments' x.
inline Grid Gonopodium(GridSize size)
{
    static const float share[] = {0.0f, 0.03f, 0.055f, 0.37f, 0.43f, 0.49f, 0.79f, 0.89f, 1.0f};
    const V3 from{0.1155f, 0.0f, -0.0745f}, to{0.2375f, 0.0f, -0.1785f};
    const V3 d = Normalize(to - from), up{-d.z, 0.0f, d.x};
    Grid g = MakeGrid(size);
    for (int c = 0; c < size.columns; ++c) {
        const V3 p = Lerp(from, to, share[c]) + V3{0.0f, 0.001f, 0.0f};
        const float w = 0.0075f * (1.0f - 0.7f * share[c]);
        for (int r = 0; r < 2; ++r) {
            Point& q = g[r][c];
            q.p = p + up * (r == 0 ? w : -w);
            q.n = {0, 1, 0};
            Texture(q, kGonopodiumSide);
        }
    }
    return g;
}

// The tail (bend 17): the edge first, the root on the stalk's end; the upper
// columns root along it from the top, the sword's from its lower end.
inline Grid Tail(GridSize size)
{
    std::vector<V3> root(size.columns), edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float f = c <= kSwordFrom ? 0.84f * c / kSwordFrom : Mix(0.84f, 1.0f, Along(c - kSwordFrom, size.columns - kSwordFrom));
        root[c] = Lerp(kStalkTop, kStalkBelly, f) + V3{-0.003f, 0.0015f, 0.0f};
        edge[c] = kTailEdge[c] + V3{0.0f, 0.0005f, 0.0f};
    }
    Grid g = FinSheet(size, edge, root, {0, 1, 0}, OnSide(kTailSide));
    for (auto& row : g)
        for (Point& q : row)
            Texture(q, kTailSide);
    return g;
}

// The eye (bend (1 + 2) / 2): a dome on the head, rings round its centre.
inline Grid Eye(GridSize size)
{
    const float rings[] = {0.0f, 0.6f, 1.0f}, lifts[] = {0.012f, 0.009f, 0.003f};
    const int sectors = size.columns - 1;
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const float phi = 2 * kPi * (k % sectors) / sectors;
            const float x = kEyeX + kEyeRadius * rings[r] * std::cos(phi);
            const float z = kEyeZ + kEyeRadius * rings[r] * std::sin(phi);
            Point& q = g[r][k];
            q.p = Body().OnFlank(x, z, lifts[r]);
            q.p.y = std::clamp(q.p.y, 0.0457f, 0.0715f);
            const V3 radial{std::cos(phi), 0.0f, std::sin(phi)};
            q.n = Normalize(Body().FlankNormal(x, z) + radial * (0.9f * rings[r]));
            const ST st = kEyeDisc.At(rings[r], phi);
            q.s = st.s;
            q.t = st.t;
        }
    return g;
}

// The mouth corner (bend 0), as the class keeps it.
inline Grid MouthCorner(GridSize size)
{
    static constexpr float kCorner[2][3][8] = {
        {{-0.45967f, -0.0350836f, -0.0643563f, 0.6002f, 0.55464f, -0.57631f, 0.340696f, 1.04375f},
         {-0.45172f, -0.0484783f, -0.0773318f, 0.493039f, 0.808871f, -0.320374f, 0.36555f, 1.03336f},
         {-0.446273f, -0.0564837f, -0.0897235f, 0.484396f, 0.819206f, -0.30702f, 0.381052f, 1.02344f}},
        {{-0.464012f, -0.0381866f, -0.0643578f, -0.887209f, -0.232144f, -0.398709f, 0.340693f, 1.04375f},
         {-0.453928f, -0.0523528f, -0.0759344f, 0.434555f, -0.628268f, 0.645323f, 0.36854f, 1.03448f},
         {-0.448242f, -0.0601095f, -0.0885859f, 0.464598f, -0.670219f, 0.578753f, 0.383941f, 1.02435f}},
    };
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c)
            g[r][c] = Stored(kCorner[r][c]);
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish10Body)>("g_Fish10Body", BodyTable),
        Table<decltype(g_Fish10UpperJaw)>("g_Fish10UpperJaw", UpperJaw),
        Table<decltype(g_Fish10LowerJaw)>("g_Fish10LowerJaw", LowerJaw),
        Table<decltype(g_Fish10Dorsal)>("g_Fish10Dorsal", Dorsal),
        Table<decltype(g_Fish10Pectoral)>("g_Fish10Pectoral", Pectoral),
        Table<decltype(g_Fish10Pelvic)>("g_Fish10Pelvic", Pelvic),
        Table<decltype(g_Fish10Gonopodium)>("g_Fish10Gonopodium", Gonopodium),
        Table<decltype(g_Fish10Tail)>("g_Fish10Tail", Tail),
        Table<decltype(g_Fish10Eye)>("g_Fish10Eye", Eye),
        Table<decltype(g_Fish10MouthCorner)>("g_Fish10MouthCorner", MouthCorner),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species10_meshes.h", Tables);

}  // namespace fish10
