// Species 16, the figure-eight puffer: its mesh tables, built from its shape
// (gen_fish_species16.h). The class turns every part with the first bend
// angle, as one piece with the body; the fins' edges (row 0 of each fin)
// move sideways by their waves.
#pragma once
#include "gen_fish_species16.h"

#include <algorithm>

namespace fish16 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The head in front of the body's first column: from the ridge down to the
// lips (the head), or from the lips to the chin (the mouth), carried on to
// the snout tip over the mouth's columns, so that the lips meet column for
// column (the head's last column repeats the tip).
constexpr int kSnoutSpan = SizeOf<decltype(g_Fish16Mouth)>().columns;
inline Grid Snout(GridSize size, bool upper)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r) {
        const float a = Along(r, size.rows);
        const float theta = upper ? a * kLipsTheta : Mix(kLipsTheta, kPi, a);
        rows.push_back({theta, theta});
    }
    return fishkit::Snout(kBody, kSkin, size, kSegments.U(0), rows, kSnoutSpan, false);
}

// A small fan splayed back and out from the flank; three root points, each
// the root of a third of the columns; rows stored edge, root.
inline Grid Pectoral(GridSize size)
{
    const float middleZ = 0.5f * (kPectoralTop + kPectoralBottom);
    const V3 top = kBody.OnFlank(kPectoralX, kPectoralTop, -0.010f);
    const V3 middle = kBody.OnFlank(kPectoralX - 0.006f, middleZ, -0.010f);
    const V3 bottom = kBody.OnFlank(kPectoralX - 0.012f, kPectoralBottom, -0.010f);
    static const Profile length{{0.0f, 0.052f}, {0.3f, 0.070f}, {0.55f, 0.074f}, {0.8f, 0.066f}, {1.0f, 0.050f}};
    const Fan fan = Splay(middle, {1.0f, 0.85f, 0.0f}, 1.05f, -0.95f, length);
    Grid g = FanFin(size, {top, middle, bottom}, fan, {0, 1, 0}, OnRegion(kPectoralRegion));
    std::reverse(g.begin(), g.end());
    return g;
}

// A small rounded fin standing in the midline from the ridge (the belly
// line); its edge rises to its height a third of the way back, then falls;
// rows stored edge, root.
inline Grid SmallMidlineFin(GridSize size, const SmallFin& fin, Ridge ridge, const Region& region)
{
    const int n = size.columns;
    const float sunk = 0.010f;
    std::vector<float> over(n);
    for (int c = 0; c < n; ++c) {
        const float u = kBody.UOf(Mix(fin.fromX, fin.toX, Along(c, n)));
        over[c] = (u - kSegments.U(0)) / (kSegments.U(1) - kSegments.U(0));
    }
    const auto root = AnchorRow(kBody, kSegments, over, ridge, sunk);
    const auto height = Sample(
        [&](float a) {
            const float rise = std::sin(kPi * std::min(1.0f, a / 0.34f) * 0.5f);
            const float t = std::clamp((a - 0.34f) / 0.66f, 0.0f, 1.0f);
            const float fall = 1.0f - 0.80f * t * t * (3.0f - 2.0f * t);
            return sunk + 0.004f + fin.height * rise * fall;
        },
        n);
    Grid g = MidlineFin(size, root, height, ridge == Ridge::Back ? 1.0f : -1.0f, fin.lean, OnRegion(region));
    std::reverse(g.begin(), g.end());
    return g;
}

// The tail: five root points up the end of the tail stalk, each the root of
// a fifth of the columns; the edge a rounded fan from the upper tip to the
// lower; rows stored edge, root.
inline Grid Tail(GridSize size)
{
    std::vector<V3> roots;
    for (int k = 0; k < 5; ++k) {
        const float a = Along(k, 5);
        roots.push_back({kTailRootX - 0.012f * std::sin(kPi * a) + 0.012f, 0.0f,
                         kTailCentreZ + kTailRootHalf * (1.0f - 2.0f * a)});
    }
    const Fan fan{.centre = {kTailRootX, 0.0f, kTailCentreZ},
                  .from = kTailSpread,
                  .to = -kTailSpread,
                  .length = [](float a) { return kTailReach * (0.86f + 0.14f * std::sin(kPi * a)); }};
    Grid g = FanFin(size, roots, fan, {0, 1, 0}, OnRegion(kTailRegion));
    std::reverse(g.begin(), g.end());
    return g;
}

inline Grid Eyes(GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish16Body)>("g_Fish16Body", Body),
        Table<decltype(g_Fish16Head)>("g_Fish16Head", [](GridSize size) { return Snout(size, true); }),
        Table<decltype(g_Fish16Mouth)>("g_Fish16Mouth", [](GridSize size) { return Snout(size, false); }),
        Table<decltype(g_Fish16Pectoral)>("g_Fish16Pectoral", Pectoral),
        Table<decltype(g_Fish16Dorsal)>(
            "g_Fish16Dorsal", [](GridSize size) { return SmallMidlineFin(size, kDorsalFin, Ridge::Back, kDorsalRegion); }),
        Table<decltype(g_Fish16Anal)>(
            "g_Fish16Anal", [](GridSize size) { return SmallMidlineFin(size, kAnalFin, Ridge::Belly, kAnalRegion); }),
        Table<decltype(g_Fish16Tail)>("g_Fish16Tail", Tail),
        Table<decltype(g_Fish16Eye)>("g_Fish16Eye", Eyes),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species16_meshes.h", Tables);

}  // namespace fish16
