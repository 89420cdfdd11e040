// Species 6, the lyretail killifish: its mesh tables, built from its shape
// (gen_fish_species06.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species06.h"

#include <algorithm>
#include <iterator>

namespace fish06 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws (bend 0): the head in front of body column 0, column 0 at the tip.
// The upper jaw runs from the ridge to the mouth line, the lower from the
// mouth line to the belly.
inline Grid Jaw(GridSize size, bool upper)
{
    static_assert(std::size(kJawU) == std::size(kMouthTheta));
    const auto onBody = [](int k) { return k >= static_cast<int>(std::size(kJawU)); };
    return MouthLineJaw(
        kBody, kSkin, size, upper, [&](int k) { return onBody(k) ? kSegments.U(0) : kJawU[k]; },
        [&](int k) { return (onBody(k) ? 0.5f : kMouthTheta[k]) * kPi; });
}

// A midline fin from its roots to its edge, textured by its place in the
// side view (rows: the root, then the edge).
inline Grid MidlineSheet(GridSize size, const std::vector<V3>& root, const std::vector<V3>& edge)
{
    return FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
}

// The dorsal fin: column c roots over the segment whose bend and sway it
// takes (kDorsalSegments), and its edge stands above and behind.
inline Grid Dorsal(GridSize size) { return MidlineSheet(size, DorsalRoots(), DorsalEdge()); }

// The anal fin, the same below the belly.
inline Grid Anal(GridSize size) { return MidlineSheet(size, AnalRoots(), AnalEdge()); }

// The tail, stored edge first (row 0), then its root: the outer roots on the
// stalk's back and belly over segments 7 and 7.5, the middle ones down the
// tail root.
inline Grid Tail(GridSize size)
{
    Grid g = MidlineSheet(size, TailRoots(), TailEdge());
    std::reverse(g.begin(), g.end());
    return g;
}

// A paired fin: a paddle from its base (two points on the flank, the roots
// of its two edges) along `direction`, `length` long, its half width over a
// (0 at the base, 1 at the tip); rows are the two edges, columns run from
// the base to the tip.
inline Grid Paddle(GridSize size, V3 first, V3 second, V3 direction, float length,
                   const std::function<float(float a)>& halfWidth, const Region& region)
{
    const V3 d = Normalize(direction), base = Lerp(first, second, 0.5f);
    const V3 across = Normalize((first - second) - d * Dot(first - second, d));
    const float w0 = 0.5f * Length(first - second);
    std::vector<V3> one(size.columns), other(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        const V3 centre = base + d * (length * a);
        const float w = Mix(w0, halfWidth(a), std::min(1.0f, 4.0f * a));
        one[c] = centre + across * w;
        other[c] = centre - across * w;
    }
    return FinSheet(size, one, other, {0, 1, 0}, OnRegion(region));
}

// The pectoral fin (bend 1): a rounded paddle from a short base low on the
// flank over segment 1, back, out and a little down; its columns run from
// the base to the tip (the class lifts the tip most).
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(kPectoralSegment));
    const V3 upper = kBody.OnFlank(x, -0.010f, -0.002f), lower = kBody.OnFlank(x, -0.036f, -0.002f);
    return Paddle(size, upper, lower, {1.0f, 0.55f, -0.22f}, 0.092f,
                  [](float a) { return 0.013f + 0.014f * std::sin(kPi * std::pow(a, 0.75f)) - 0.010f * a * a; },
                  kPectoralFin);
}

// The pelvic fin (bend 3): a small pointed fin under the belly at segment
// 3, down, back and out.
inline Grid Pelvic(GridSize size)
{
    const float u = kSegments.U(kPelvicSegment), theta = 0.86f * kPi;
    const V3 n = kBody.Normal(u, theta);
    const V3 front = kBody.Surface(u, theta) - n * 0.002f - V3{0.006f, 0, 0};
    const V3 back = front + V3{0.012f, 0, 0};
    return Paddle(size, front, back, {0.70f, 0.30f, -0.65f}, 0.062f,
                  [](float a) { return 0.006f + 0.004f * std::sin(kPi * a) - 0.004f * a; }, kPelvicFin);
}

// The gill cover's rim (bend 0), just ahead of body column 0: a thin flap
// lying back on the skin, from high on the flank to the throat.
inline Grid Gill(GridSize size)
{
    const float u0 = kSegments.U(0) - 0.03f;
    Grid g = MakeGrid(size);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns), theta = Mix(0.30f, 0.80f, a) * kPi;
        const float u = u0 + 0.012f * std::sin(kPi * a);  // bowed back in the middle
        g[0][c] = BodyPoint(kBody, kSkin, u, theta);
        g[0][c].p = g[0][c].p - g[0][c].n * 0.001f;
        g[1][c] = BodyPoint(kBody, kSkin, u + 0.018f, theta);
        g[1][c].p = g[1][c].p + g[1][c].n * 0.0025f;
    }
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish06Body)>("g_Fish06Body", Body),
        Table<decltype(g_Fish06UpperJaw)>("g_Fish06UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish06LowerJaw)>("g_Fish06LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish06Dorsal)>("g_Fish06Dorsal", Dorsal),
        Table<decltype(g_Fish06Pectoral)>("g_Fish06Pectoral", Pectoral),
        Table<decltype(g_Fish06Pelvic)>("g_Fish06Pelvic", Pelvic),
        Table<decltype(g_Fish06Anal)>("g_Fish06Anal", Anal),
        Table<decltype(g_Fish06Tail)>("g_Fish06Tail", Tail),
        Table<decltype(g_Fish06Eye)>("g_Fish06Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
        Table<decltype(g_Fish06Gill)>("g_Fish06Gill", Gill),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species06_meshes.h", Tables, Half::PlusY);

}  // namespace fish06
