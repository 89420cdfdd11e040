// Species 7, the zebra danio: its mesh tables, built from its shape
// (gen_fish_species07.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species07.h"

#include <algorithm>
#include <iterator>

namespace fish07 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The edge row first, then the root (the row the class sways is the first).
inline Grid EdgeFirst(Grid g)
{
    std::reverse(g.begin(), g.end());
    return g;
}

// The jaws (bend 0): the head in front of body column 0, column 0 at the
// tip. The upper jaw runs from the ridge to the mouth line, the lower from
// the mouth line to the belly; on the body column they meet its rows.
inline Grid Jaw(GridSize size, bool upper)
{
    static_assert(std::size(kJawU) + 1 == std::size(kMouthTheta));
    return MouthLineJaw(
        kBody, kSkin, size, upper,
        [](int k) { return k >= static_cast<int>(std::size(kJawU)) ? kSegments.U(0) : kJawU[k]; },
        [](int k) { return kMouthTheta[std::min<size_t>(k, std::size(kMouthTheta) - 1)] * kPi; });
}

// A midline fin from its roots to its edge, textured by its place in the
// side view; stored edge first.
inline Grid MidlineSheet(GridSize size, const std::vector<V3>& root, const std::vector<V3>& edge)
{
    return EdgeFirst(FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane)));
}

// The dorsal fin (bends 5 to 6.5, front to back).
inline Grid Dorsal(GridSize size) { return MidlineSheet(size, DorsalRoots(), DorsalEdge()); }

// The anal fin (bends 8 to 7, back to front).
inline Grid Anal(GridSize size) { return MidlineSheet(size, AnalRoots(), AnalEdge()); }

// The forked tail (bend 11), rooted down the tail root.
inline Grid Tail(GridSize size) { return MidlineSheet(size, TailRoots(), TailEdge()); }

// A paired fin: its first edge from `root` along `direction`, `length`
// long, the other edge `width(a)` away toward `across` (a from the root 0
// to the tip 1); columns from the root to the tip.
inline Grid PairedFin(GridSize size, V3 root, V3 direction, float length, V3 across,
                      const std::function<float(float a)>& width, const Region& region)
{
    const V3 d = Normalize(direction);
    const V3 side = Normalize(across - d * Dot(across, d));
    return Ribbon(
        size, [&](float a) { return root + d * (length * a); }, [&](float) { return side; }, width, {0, 1, 0},
        OnRegion(region));
}

// The pectoral fin (bend 1): low on the flank behind the gill cover, held
// out, back and a little down, its width along the body, so that its sway
// across (the class moves its front edge) never folds it flat from above.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(kPectoralSegment));
    const V3 root = kBody.OnFlank(x - 0.005f, -0.032f, -0.002f);  // its base astride segment 1
    return PairedFin(size, root, {0.75f, 0.60f, -0.30f}, 0.080f, {1.0f, -0.05f, -0.35f},
                     [](float a) { return 0.016f + 0.014f * std::sin(kPi * std::pow(a, 0.8f)) - 0.012f * a; },
                     kPectoralFin);
}

// The pelvic fin (the mean of bends 5 and 6): under the belly, back, down
// and out.
inline Grid Pelvic(GridSize size)
{
    const float u = kSegments.U(kPelvicSegment), theta = 0.84f * kPi;
    const V3 n = kBody.Normal(u, theta);
    const V3 root = kBody.Surface(u, theta) - n * 0.002f - V3{0.004f, 0, 0};
    return PairedFin(size, root, {0.80f, 0.30f, -0.55f}, 0.050f, {-0.3f, 0.0f, -1.0f},
                     [](float a) { return 0.007f + 0.006f * std::sin(kPi * a) - 0.005f * a; }, kPelvicFin);
}

// A barbel from a to b of its length (a thin ribbon, curving down, its face
// to the side), root to tip.
inline Grid BarbelPiece(GridSize size, const Barbel& barbel, float from, float to)
{
    const V3 across = Normalize(Cross(barbel.direction, {0, 1, 0}));
    return Ribbon(
        size,
        [&](float a) {
            const float k = Mix(from, to, a);
            return barbel.root + barbel.direction * (barbel.length * k) + V3{0, 0, -0.006f * k * k};
        },
        [&](float) { return across; }, [&](float a) { return barbel.width * (1.0f - 0.5f * Mix(from, to, a)); },
        {0, 1, 0},
        [&](float a, float b, V3) {
            return kBarbels.At(Mix(from, to, a), b);
        });
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish07Body)>("g_Fish07Body", Body),
        Table<decltype(g_Fish07UpperJaw)>("g_Fish07UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish07LowerJaw)>("g_Fish07LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish07Dorsal)>("g_Fish07Dorsal", Dorsal),
        Table<decltype(g_Fish07Pectoral)>("g_Fish07Pectoral", Pectoral),
        Table<decltype(g_Fish07Pelvic)>("g_Fish07Pelvic", Pelvic),
        Table<decltype(g_Fish07Anal)>("g_Fish07Anal", Anal),
        Table<decltype(g_Fish07Tail)>("g_Fish07Tail", Tail),
        Table<decltype(g_Fish07Eye)>("g_Fish07Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
        Table<decltype(g_Fish07RostralBarbel)>("g_Fish07RostralBarbel",
                                               [](GridSize size) { return BarbelPiece(size, kRostral, 0, 1); }),
        Table<decltype(g_Fish07MaxillaryBarbel)>(
            "g_Fish07MaxillaryBarbel", [](GridSize size) { return BarbelPiece(size, kMaxillary, 0, 0.5f); }),
        Table<decltype(g_Fish07MaxillaryBarbelTip)>(
            "g_Fish07MaxillaryBarbelTip", [](GridSize size) { return BarbelPiece(size, kMaxillary, 0.5f, 1); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species07_meshes.h", Tables);

}  // namespace fish07
