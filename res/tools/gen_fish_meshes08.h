// Species 8, the firemouth cichlid: its mesh tables, built from its shape
// (gen_fish_species08.h). Each part stands over the body segments whose bend
// angles its class turns it by (given beside each part). The fins on the body
// are stored free edge first, root second.
#pragma once
#include "gen_fish_species08.h"

#include <algorithm>
#include <iterator>

namespace fish08 {

inline Grid Body(GridSize size) { return BodyGrid(kBody, kSegments, size, kSkin); }

// The jaws (bend 0): the head in front of body column 0, column 0 at the
// tip. The upper jaw runs from the ridge to the mouth line, the lower from
// the mouth line to the belly; on the body the mouth line is body row 3.
inline Grid Jaw(GridSize size, bool upper)
{
    Grid g = MakeGrid(size);
    const float uBody = kSegments.U(0);
    const int bodyRows = kBodySize.rows;
    for (int k = 0; k < size.columns; ++k) {
        const float u = k < static_cast<int>(std::size(kJawU)) ? kJawU[k] : uBody;
        const float f = u / uBody;  // 0 at the tip, 1 on the body
        for (int r = 0; r < size.rows; ++r) {
            const int bodyRow = upper ? r : kMouthRow + r;
            const float atBody = RowTheta(bodyRow, bodyRows);
            const float atTip = bodyRow >= kMouthRow ? (bodyRow == kMouthRow ? kMouthTheta * kPi : kPi)
                                                     : kMouthTheta * kPi * bodyRow / kMouthRow;
            g[r][k] = BodyPoint(kBody, kSkin, u, Mix(atTip, atBody, f));
        }
    }
    return g;
}

// A midline fin from its roots to its edge, textured by its place in the
// side view, stored edge first.
inline Grid MidlineSheet(GridSize size, const std::vector<V3>& root, const std::vector<V3>& edge)
{
    Grid g = FinSheet(size, root, edge, {0, 1, 0}, OnSide(kFinPlane));
    std::reverse(g.begin(), g.end());
    return g;
}

// The spiny dorsal (column c by the bend at its segment).
inline Grid SpinyDorsal(GridSize size) { return MidlineSheet(size, SpinyDorsalRoots(), SpinyDorsalEdge()); }

// The soft dorsal, the same behind it.
inline Grid SoftDorsal(GridSize size) { return MidlineSheet(size, SoftDorsalRoots(), kSoftDorsalEdge); }

// The anal fin (turned whole by bend 10).
inline Grid Anal(GridSize size) { return MidlineSheet(size, AnalRoots(), kAnalEdge); }

// The tail (the outer columns by bend 12, the rest by the mean of 12 and 13).
inline Grid Tail(GridSize size) { return MidlineSheet(size, TailRoots(), TailEdge()); }

// The pectoral fin (the mean bend of 2 and 3): a rounded paddle from a short
// base low on the flank, back, out and a little up; rows are its upper and
// lower edge, columns run from the base to the tip.
inline Grid Pectoral(GridSize size)
{
    const float x = kBody.XOf(kSegments.U(kPectoralSegment));
    const V3 upper = kBody.OnFlank(x, -0.040f, -0.002f), lower = kBody.OnFlank(x, -0.066f, -0.002f);
    const V3 d = Normalize({1.0f, 0.50f, 0.08f}), base = Lerp(upper, lower, 0.5f);
    const V3 across = Normalize((upper - lower) - d * Dot(upper - lower, d));
    const float w0 = 0.5f * Length(upper - lower), length = 0.118f;
    std::vector<V3> one(size.columns), other(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        const float w = Mix(w0, 0.024f, std::min(1.0f, a / 0.45f)) * std::sqrt(std::max(0.0f, 1.0f - a * a * a));
        const V3 centre = base + d * (length * a);
        one[c] = centre + across * std::max(w, 0.002f);
        other[c] = centre - across * std::max(w, 0.002f);
    }
    return FinSheet(size, one, other, {0, 1, 0}, OnRegion(kPectoralFin));
}

// The pelvic fin (bend 3): from a short base under the throat a fan of rays
// to its long leading edge, the spine, which curves down and back to the
// pointed tip; the last ray (the tip's) is the inner edge. Stored edge first.
inline Grid Pelvic(GridSize size)
{
    const float u = kSegments.U(kPelvicSegment), theta = 0.88f * kPi;
    const V3 n = kBody.Normal(u, theta);
    const V3 at = kBody.Surface(u, theta) - n * 0.003f;
    const V3 front = at - V3{0.004f, 0, 0}, rear = at + V3{0.004f, 0, 0};
    const V3 start = front + V3{0.008f, 0.002f, -0.014f}, bow = front + V3{0.034f, 0.024f, -0.090f};
    const V3 tip = front + V3{0.150f, 0.034f, -0.104f};
    std::vector<V3> root(size.columns), edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        root[c] = Lerp(front, rear, a);
        edge[c] = Lerp(Lerp(start, bow, a), Lerp(bow, tip, a), a);
    }
    Grid g = FinSheet(size, root, edge, {0, 1, 0}, OnRegion(kPelvicFin));
    std::reverse(g.begin(), g.end());
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        Table<decltype(g_Fish08Body)>("g_Fish08Body", Body),
        Table<decltype(g_Fish08UpperJaw)>("g_Fish08UpperJaw", [](GridSize size) { return Jaw(size, true); }),
        Table<decltype(g_Fish08LowerJaw)>("g_Fish08LowerJaw", [](GridSize size) { return Jaw(size, false); }),
        Table<decltype(g_Fish08SpinyDorsal)>("g_Fish08SpinyDorsal", SpinyDorsal),
        Table<decltype(g_Fish08SoftDorsal)>("g_Fish08SoftDorsal", SoftDorsal),
        Table<decltype(g_Fish08Pectoral)>("g_Fish08Pectoral", Pectoral),
        Table<decltype(g_Fish08Pelvic)>("g_Fish08Pelvic", Pelvic),
        Table<decltype(g_Fish08Anal)>("g_Fish08Anal", Anal),
        Table<decltype(g_Fish08Tail)>("g_Fish08Tail", Tail),
        Table<decltype(g_Fish08Eye)>("g_Fish08Eye", [](GridSize size) { return Eye(kBody, kEyeDisc, size, kEye); }),
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species08_meshes.h", Tables);

}  // namespace fish08
