// Species 4, the oscar: its mesh tables, built from its shape
// (gen_fish_species04.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part).
#pragma once
#include "gen_fish_species04.h"

namespace fish04 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws (bend 0) close the body's front to the thick lips: the upper
// takes the body's rows from the ridge to the mouth row, the lower those
// from the mouth row to the belly. Column 0 is the body's own, the last the lips.
inline Grid Jaw(GridSize size, int firstRow)
{
    return Snout(kBody, kSkin, size, kSegments.U(0), BodyRows(firstRow, size.rows, kBodySize.rows), size.columns,
                 false);
}

// A row whose first points each serve `divisor` columns of a strip: point k
// is the root of column k x divisor (the points past them are not read).
inline void PackRoots(std::vector<Point>& row, int divisor)
{
    for (size_t k = 0; k * divisor < row.size(); ++k)
        row[k] = row[k * divisor];
}

// Points of a lobe's arc, `count` of them from its first angle to its last.
inline std::vector<V3> LobeEdge(const Lobe& lobe, int count, float side)
{
    std::vector<V3> edge(count);
    for (int c = 0; c < count; ++c) {
        const float a = Mix(lobe.from, lobe.to, Along(c, count)) * kPi / 180.0f;
        edge[c] = {lobe.x + lobe.rx * std::cos(a), side, lobe.z + lobe.rz * std::sin(a)};
    }
    return edge;
}

// A soft midline fin: `front` columns rooted one a segment from `firstSegment`
// with their edges raised by the heights (sign 1 up, -1 down) and leaning
// back, the rest rooted together over segment 16 round the lobe; the whole
// stored `shift` higher than the game draws it.
inline Grid SoftFin(GridSize size, int front, float firstSegment, const float* height, float lean, Ridge ridge,
                    float sign, const Lobe& lobe, float shift)
{
    const int n = size.columns, rear = n - front;
    std::vector<float> over;
    for (int c = 0; c < front; ++c)
        over.push_back(firstSegment + c);
    for (int c = 0; c < rear; ++c)
        over.push_back(Mix(15.9f, 16.1f, Along(c, rear)));
    std::vector<V3> root = AnchorRow(kBody, kSegments, over, ridge, 0.006f);
    std::vector<V3> edge(n);
    for (int c = 0; c < front; ++c)
        edge[c] = root[c] + V3{lean * height[c], 0.0f, sign * height[c]};
    const std::vector<V3> arc = LobeEdge(lobe, rear, kSoftFinSide);
    for (int c = 0; c < rear; ++c) {
        edge[front + c] = arc[c];
        root[front + c].y = kSoftFinSide;
        root[front + c].z -= sign * 0.012f;  // sunk a little deeper: the rear sways
    }
    Grid g = FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinView));
    for (auto& row : g)
        for (Point& q : row)
            q.p.z += shift;
    return g;
}

// The dorsal fin: columns 0 to 7 over segments 8 to 15 (bends 8 to 15),
// columns 8 to 12 over segment 16 (bend 16); drawn 0.02 lower.
inline Grid Dorsal(GridSize size)
{
    return SoftFin(size, 8, 8.0f, kDorsalHeight, 0.35f, Ridge::Back, 1.0f, kDorsalLobe, kDorsalDrop);
}

// The anal fin: columns 0 to 4 over segments 11 to 15, the rest over
// segment 16; drawn 0.02 higher.
inline Grid Anal(GridSize size)
{
    return SoftFin(size, 5, 11.0f, kAnalHeight, 0.40f, Ridge::Belly, -1.0f, kAnalLobe, -kAnalLift);
}

// A pectoral fin (bend 8): seven roots up the flank behind the gill cover,
// each serving three columns; the edge a broad rounded fan held out and back.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(8)) + 0.004f;
    std::vector<V3> roots;
    for (int k = 0; k < 7; ++k)
        roots.push_back(kBody.OnFlank(x, Mix(kPectoralTop, kPectoralBottom, Along(k, 7)), -0.006f));
    const V3 centre = Lerp(roots.front(), roots.back(), 0.5f);
    const Fan fan = Splay(centre, {1.0f, 1.05f, -0.15f}, 0.80f, -0.95f, [](float a) {
        return 0.118f + 0.060f * std::sin(kPi * std::pow(a, 0.9f));
    });
    Grid g = FanFin(size, roots, fan, {0, 1, 0.2f}, OnRegion(kPectoralFin));
    PackRoots(g[0], 3);
    return g;
}

// A pelvic fin (bend: the mean of 7 and 8): rooted under the chest at
// segment 7.5, long and pointed, back and down; row 0 its leading edge,
// row 1 its trailing edge, column 0 at the root, the last at the tip.
inline Grid Pelvic(GridSize size)
{
    const int n = size.columns;
    const float u = kSegments.U(kPelvicSegment), x = kBody.XOf(u), belly = kBody.Belly(u);
    const V3 lead{x - 0.003f, 0.016f, belly + 0.012f}, trail{x + 0.003f, 0.026f, belly + 0.022f};
    const V3 tip{x + 0.185f, 0.050f, belly - 0.115f};
    std::vector<V3> front(n), back(n);
    for (int c = 0; c < n; ++c) {
        const float a = Along(c, n);
        front[c] = Lerp(lead, tip, a);
        const float width = 0.060f * std::sin(kPi * std::pow(a, 0.75f)) * (1.0f - 0.25f * a);
        back[c] = Lerp(trail, tip, a) + Normalize(V3{0.55f, 0.05f, 1.0f}) * width;
    }
    return FinSheet(size, front, back, {0, 1, -0.3f}, OnRegion(kPelvicFin));
}

// The tail (bend 17): nine roots down the tail root, each serving three
// columns; the edge a broad rounded fan from its top to its bottom.
inline Grid Tail(GridSize size)
{
    const float x = kTailRootX - 0.0012f;
    std::vector<V3> roots;
    for (int k = 0; k < 9; ++k)
        roots.push_back({x, 0.0f, Mix(kBody.Back(1.0f) - 0.008f, kBody.Belly(1.0f) + 0.008f, Along(k, 9))});
    const Fan fan{{kTailRootX, 0.0f, kTailCentreZ}, {1, 0, 0}, {0, 0, 0.92f}, 1.40f, -1.40f, [](float a) {
                      const float f = 2.0f * a - 1.0f;
                      return 0.200f + 0.014f * (1.0f - f * f);
                  }};
    Grid g = FanFin(size, roots, fan, {0, 1, 0}, OnSide(kFinView));
    PackRoots(g[0], 3);
    return g;
}

// The eyes (bend 3): a domed eye over segment 3; the centre row's points
// each serve two columns.
inline Grid EyeDomeGrid(GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish04Body)>("g_Fish04Body", Body),
        Table<decltype(g_Fish04LowerJaw)>("g_Fish04LowerJaw", [](GridSize size) { return Jaw(size, kMouthRow); }),
        Table<decltype(g_Fish04UpperJaw)>("g_Fish04UpperJaw", [](GridSize size) { return Jaw(size, 0); }),
        Table<decltype(g_Fish04Dorsal)>("g_Fish04Dorsal", Dorsal),
        Table<decltype(g_Fish04Pectoral)>("g_Fish04Pectoral", Pectoral),
        Table<decltype(g_Fish04Pelvic)>("g_Fish04Pelvic", Pelvic),
        Table<decltype(g_Fish04Anal)>("g_Fish04Anal", Anal),
        Table<decltype(g_Fish04Tail)>("g_Fish04Tail", Tail),
        Table<decltype(g_Fish04Eye)>("g_Fish04Eye", EyeDomeGrid),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species04_meshes.h", Tables);

}  // namespace fish04
