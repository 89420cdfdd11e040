// Species 18, the harlequin rasbora: its mesh tables, built from its shape
// (gen_fish_species18.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species18.h"

#include <algorithm>

namespace fish18 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// A jaw (bend 0): the head's surface at the given thetas, carried on from
// the body's first column to the tip at uTip over `span` columns; the
// columns past the span are the mouth's inside at the tip.
inline Grid Jaw(GridSize size, const std::vector<float>& thetas, float uTip, int span)
{
    const float u0 = kSegments.U(0);
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const float u = Mix(u0, uTip, Along(std::min(k, span - 1), span));
            g[r][k] = BodyPoint(kBody, kSkin, u, thetas[static_cast<size_t>(r)]);
            if (k >= span) {
                const ST st = kMouthRegion.At(Along(r, size.rows), Along(k - span, size.columns - span));
                g[r][k].s = st.s;
                g[r][k].t = st.t;
            }
        }
    return g;
}

// The upper jaw: the snout from the ridge down to the lips, its tip opening upward.
inline Grid UpperJaw(GridSize size)
{
    std::vector<float> thetas;
    for (int r = 0; r < size.rows; ++r)
        thetas.push_back(Along(r, size.rows) * kLipsTheta);
    return Jaw(size, thetas, kUpperJawTipU, size.columns);
}

// The lower jaw: the lips (B), the jaw's side (A) and the chin (C), stored
// A, B, C; four columns from the body to the tip, which drop as the mouth
// opens, then two at the tip that stay.
inline Grid LowerJaw(GridSize size)
{
    const std::vector<float> thetas = {kLipsTheta, Mix(kLipsTheta, kPi, 0.5f), kPi};
    return MiddleRowFirst(Jaw(size, thetas, 0.0f, 4));
}

// A midline fin (its columns over their segments), its roots sunk into the
// back (or the belly), its edge raised and leaning back, pleated a little
// between its rays (so that it shows edge-on as a thin blade, not a line).
inline Grid MidlineSheet(GridSize size, const MidlineOutline& fin, Ridge ridge, const Region& region)
{
    const std::vector<V3> root = AnchorRow(kBody, kSegments, fin.segments, ridge, 0.004f);
    std::vector<V3> edge(root.size());
    const float sign = ridge == Ridge::Back ? 1.0f : -1.0f;
    for (size_t c = 0; c < root.size(); ++c)
        edge[c] = root[c] + V3{fin.lean[c] * fin.height[c], c % 2 ? kPleat : -kPleat, sign * fin.height[c]};
    return FinSheet(size, root, edge, {0, 1, 0}, OnRegion(region));
}

// The dorsal fin: column c over segment 10 + c / 3.
inline Grid Dorsal(GridSize size) { return MidlineSheet(size, kDorsalFin, Ridge::Back, kDorsalRegion); }
// The anal fin: column c over its segment 7.5 to 12.
inline Grid Anal(GridSize size) { return MidlineSheet(size, kAnalFin, Ridge::Belly, kAnalRegion); }

// The tail (bend 14): the edge first, from the upper tip in to the fork and
// out to the lower tip, the lobes' inner margins a little hollow; the roots
// up the stalk's end. The fin leans a few degrees off the upright and its
// tips cup to one side, so that from above and behind it shows as a thin
// blade in one piece, not as a broken line.
inline Grid Tail(GridSize size)
{
    const int n = size.columns, fork = n / 2;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        const float rootZ = Mix(kTailRootTop, kTailRootBottom, a);
        root[c] = {kTailRootX, kTailTilt * (rootZ - kTailMid), rootZ};
        const float f = std::fabs(static_cast<float>(c - fork)) / fork;  // 0 at the fork, 1 at a tip
        const float side = c < fork ? 1.0f : c > fork ? -1.0f : 0.0f;
        const float x = Mix(kForkX, kTailTipX, std::pow(f, 1.4f));
        const float z = kTailMid + side * kTailLobe * (0.18f + 0.82f * f);
        edge[c] = {x, kTailTilt * (z - kTailMid) + kTailCup * f * f, z};
    }
    Grid g = FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kTailRegion));
    std::reverse(g.begin(), g.end());
    return g;
}

// The pectoral fin (bend 4): a small clear paddle from a short upright base
// behind the gill cover, splayed back, out and a little down; rows stored
// edge, root.
inline Grid Pectoral(GridSize size)
{
    const float x = SegmentX(4.0f);
    const V3 top = kBody.OnFlank(x, kPectoralTop, -0.002f);
    const V3 middle = kBody.OnFlank(x, 0.5f * (kPectoralTop + kPectoralBottom), -0.002f);
    const V3 bottom = kBody.OnFlank(x, kPectoralBottom, -0.002f);
    static const Profile length{{0.0f, 0.062f}, {0.3f, 0.080f}, {0.55f, 0.084f}, {0.8f, 0.074f}, {1.0f, 0.056f}};
    Fan fan = Splay(middle, {1.0f, 0.75f, -0.25f}, 0.75f, -0.80f, length);
    fan.up = Normalize(V3{0.0f, 0.30f, 1.0f} - fan.back * Dot(V3{0.0f, 0.30f, 1.0f}, fan.back));
    Grid g = FanFin(size, {top, middle, bottom}, fan, {0, 1, 0}, OnRegion(kPectoralRegion));
    std::reverse(g.begin(), g.end());
    return g;
}

// The pelvic fin (bend 6): a small pointed fin from the belly, down, back
// and a little out; rows root, edge.
inline Grid Pelvic(GridSize size)
{
    const float u = kSegments.U(6.0f);
    auto root = [u](float theta) { return kBody.Surface(u, theta) - kBody.Normal(u, theta) * 0.002f; };
    const V3 a = root(kPelvicTheta0), b = root(kPelvicTheta1);
    static const Profile length{{0.0f, 0.040f}, {0.4f, 0.058f}, {0.7f, 0.062f}, {1.0f, 0.044f}};
    const Fan fan = Splay(Lerp(a, b, 0.5f), {1.0f, 0.35f, -0.85f}, 0.45f, -0.55f, length);
    return FanFin(size, {a, b}, fan, {0, 1, 0}, OnRegion(kPelvicRegion));
}

// The eye (bend (0 + 1) / 2): rings from the rim (B) through the iris (A) to
// the centre (C), stored iris first.
inline Grid Eyes(GridSize size) { return MiddleRowFirst(Eye(kBody, kEyeDisc, size, kEye)); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish18Body)>("g_Fish18Body", Body),
        Table<decltype(g_Fish18UpperJaw)>("g_Fish18UpperJaw", UpperJaw),
        Table<decltype(g_Fish18LowerJaw)>("g_Fish18LowerJaw", LowerJaw),
        Table<decltype(g_Fish18Dorsal)>("g_Fish18Dorsal", Dorsal),
        Table<decltype(g_Fish18Pectoral)>("g_Fish18Pectoral", Pectoral),
        Table<decltype(g_Fish18Pelvic)>("g_Fish18Pelvic", Pelvic),
        Table<decltype(g_Fish18Anal)>("g_Fish18Anal", Anal),
        Table<decltype(g_Fish18Tail)>("g_Fish18Tail", Tail),
        Table<decltype(g_Fish18Eye)>("g_Fish18Eye", Eyes),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species18_meshes.h", Tables);

}  // namespace fish18
