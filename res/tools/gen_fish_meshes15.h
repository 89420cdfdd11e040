// Species 15, the betta: its mesh tables, built from its shape
// (gen_fish_species15.h). The head, eyes and paired fins turn with the
// bends of the segments they stand on; the dorsal with bend 6, rooted at
// that segment and near the turning axis; the anal fin column by column;
// the tail with the last bend, rooted at the tail stalk.
#pragma once
#include "gen_fish_species15.h"

#include <algorithm>

namespace fish15 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The point at fraction a of the way along an outline (x, z), by length.
inline V3 AlongOutline(const std::vector<std::pair<float, float>>& outline, float a)
{
    std::vector<float> length(outline.size(), 0.0f);
    for (size_t i = 1; i < outline.size(); ++i)
        length[i] = length[i - 1] + std::hypot(outline[i].first - outline[i - 1].first,
                                               outline[i].second - outline[i - 1].second);
    const float at = a * length.back();
    size_t i = 1;
    while (i + 1 < outline.size() && length[i] < at)
        ++i;
    const float f = std::clamp((at - length[i - 1]) / std::max(length[i] - length[i - 1], 1e-6f), 0.0f, 1.0f);
    return {Mix(outline[i - 1].first, outline[i].first, f), 0, Mix(outline[i - 1].second, outline[i].second, f)};
}

// A midline sheet from its roots to its edge, pleated like a veil: toward
// the edge every `pleat` columns fold out to one side (side 1: the stored
// -y half, -1: the +y half) by up to kPleatDepth. Rows stored edge first
// when asked.
constexpr float kPleatDepth = 0.009f;
inline Grid Midline(GridSize size, const std::vector<V3>& root, const std::vector<V3>& edge, const Region& region,
                    bool edgeFirst, float side, float pleat)
{
    Grid g = FinSheet(size, root, edge, {0, 1, 0}, OnRegion(region));
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c) {
            const float fold = 0.5f - 0.5f * std::cos(2.0f * kPi * c / pleat);
            g[r][c].p.y = side * kPleatDepth * std::sqrt(Along(r, size.rows)) * fold;
        }
    if (edgeFirst)
        std::reverse(g.begin(), g.end());
    return g;
}

// The head from the ridge to the lips, and the lower jaw from the lips to
// the chin: the body's surface carried on from its first column to the tip.
inline Grid Jaw(GridSize size, bool head)
{
    std::vector<SnoutRow> rows;
    for (int r = 0; r < size.rows; ++r) {
        const float a = Along(r, size.rows);
        rows.push_back(head ? SnoutRow{a * kLipsAtBody, a * kLipsAtTip}
                            : SnoutRow{Mix(kLipsAtBody, kPi, a), Mix(kLipsAtTip, kPi, a)});
    }
    return Snout(kBody, kSkin, size, kSegments.U(0), rows, size.columns, false);
}

// The dorsal: the first 12 columns from the front root, the rest from the
// rear one; stored edge, root.
inline Grid Dorsal(GridSize size)
{
    const int n = size.columns;
    const float frontX = SegmentX(6);
    const V3 front{frontX, 0, kBody.Back(kBody.UOf(frontX)) - 0.010f};
    const V3 rear{kDorsalRearRootX, 0, kBody.Back(kBody.UOf(kDorsalRearRootX)) - 0.012f};
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        root[c] = c < 12 ? front : rear;
        edge[c] = AlongOutline(kDorsalEdge, Along(c, n));
    }
    return Midline(size, root, edge, kDorsalRegion, true, 1.0f, 4.0f);
}

// The anal fin: column k rooted over segment 3 + k, just inside the belly
// (the class lifts the root row further in), out to its edge.
inline Grid Anal(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float x = SegmentX(3 + c);
        root[c] = {x, 0, kBody.Belly(kBody.UOf(x)) + 0.006f};
        edge[c] = {kAnalEdge[c].first, 0, kAnalEdge[c].second};
    }
    return Midline(size, root, edge, kAnalRegion, false, -1.0f, 3.0f);
}

// The tail: five root points up the tail stalk, each the root of five
// columns, the veil's edge round them; stored edge, root.
inline Grid Tail(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> edge(n);
    for (int c = 0; c < n; ++c)
        edge[c] = AlongOutline(kTailEdge, Along(c, n));
    return Midline(size, SharedRoots(kTailRoots, n), edge, kTailRegion, true, 1.0f, 4.0f);
}

// A small round fan held out from the flank; four root points; stored edge, root.
inline Grid Pectoral(GridSize size)
{
    std::vector<V3> roots;
    for (int k = 0; k < 4; ++k)
        roots.push_back(kBody.OnFlank(kPectoralX + 0.002f * (1.5f - k), Mix(kPectoralTop, kPectoralBottom, k / 3.0f), -0.001f));
    const V3 centre = kBody.OnFlank(kPectoralX, 0.5f * (kPectoralTop + kPectoralBottom), -0.004f);
    static const Profile length{{0.0f, 0.040f}, {0.25f, 0.052f}, {0.5f, 0.056f}, {0.75f, 0.052f}, {1.0f, 0.040f}};
    const Fan fan = Splay(centre, {0.45f, 1.0f, -0.05f}, 0.80f, -0.80f, length);
    Grid g = FanFin(size, roots, fan, {0, 1, 0}, OnRegion(kPectoralRegion));
    std::reverse(g.begin(), g.end());
    return g;
}

// A long streamer from inside the throat, down and back, splaying out a
// little; the front edge, then the rear edge.
inline Grid Pelvic(GridSize size)
{
    const auto path = [](float a) {
        return V3{kPelvicX - 0.006f + 0.070f * a + 0.030f * a * a, 0.006f + 0.030f * a, 0.003f - 0.325f * a};
    };
    const auto across = [](float) { return V3{1.0f, 0.0f, 0.10f}; };
    // Narrow where it leaves the body, its root astride the segment whose
    // bend it takes; widest a quarter of the way down, then tapering.
    const auto width = [](float a) { return 0.012f + 0.016f * std::min(1.0f, 4.0f * a) * (1.0f - a); };
    return Ribbon(size, path, across, width, {0, 1, 0}, OnRegion(kPelvicRegion));
}

// Rings from the rim (B) through the iris (A) to the centre (C), stored iris first.
inline Grid Eyes(GridSize size) { return MiddleRowFirst(Eye(kBody, kEyeDisc, size, kEye)); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish15Body)>("g_Fish15Body", Body),
        Table<decltype(g_Fish15LowerJaw)>("g_Fish15LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish15Head)>("g_Fish15Head", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish15Dorsal)>("g_Fish15Dorsal", Dorsal),
        Table<decltype(g_Fish15Pectoral)>("g_Fish15Pectoral", Pectoral),
        Table<decltype(g_Fish15Pelvic)>("g_Fish15Pelvic", Pelvic),
        Table<decltype(g_Fish15Anal)>("g_Fish15Anal", Anal),
        Table<decltype(g_Fish15Tail)>("g_Fish15Tail", Tail),
        Table<decltype(g_Fish15Eye)>("g_Fish15Eye", Eyes),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species15_meshes.h", Tables);

}  // namespace fish15
