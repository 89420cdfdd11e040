// The builders of fish mesh tables: the body grid, the snout, the eye, rows
// of points anchored on the body, fin sheets (midline fins, fans, ribbons).
// Each makes a grid of the size the game declares for the table.
//
// The game turns every column of a part about the fish's vertical axis by a
// bend angle of the body: body column j by angle j, a part column by the
// angle (or the mean of angles) its class names. In a turn those angles
// differ by up to 20 degrees a segment, so a part's column holds to the body
// only where it stands over the body segment whose angle it takes: place
// part columns with Segments and AnchorRow, not by hand.
#pragma once
#include "gen_fish_kit.h"
#include "gen_fish_layout.h"
#include "gen_fish_shape.h"

#include <functional>

namespace fishkit {

// Where the body's columns stand along the spine (column j at segment j).
// A fractional segment lies between two columns; beyond the ends the last
// spacing goes on.
struct Segments {
    std::vector<float> u;

    static Segments Even(float u0, float u1, int count)
    {
        Segments s;
        for (int j = 0; j < count; ++j)
            s.u.push_back(j == count - 1 ? u1 : u0 + j * (u1 - u0) / (count - 1));
        return s;
    }
    float U(float segment) const
    {
        const int last = static_cast<int>(u.size()) - 1;
        const int whole = static_cast<int>(std::floor(segment));
        if (segment == static_cast<float>(whole) && whole >= 0 && whole <= last)
            return u[whole];
        const int i = std::clamp(whole, 0, last - 1);
        return u[i] + (segment - i) * (u[i + 1] - u[i]);
    }
};

// Body columns standing at the given x (one a column, snout to tail).
template <class Xs>
Segments SegmentsAtX(const BodyShape& body, const Xs& xs)
{
    Segments s;
    for (float x : xs)
        s.u.push_back(body.UOf(x));
    return s;
}

// The theta of body row r of `rows`, from the back ridge (row 0) to the belly.
inline float RowTheta(int r, int rows) { return kPi * r / (rows - 1); }

// A point of the body surface, textured by its place: a = u, b = theta / pi.
inline Point BodyPoint(const BodyShape& body, const Region& skin, float u, float theta)
{
    Point q;
    q.p = body.Surface(u, theta);
    q.n = body.Normal(u, theta);
    const ST st = skin.At(u, theta / kPi);
    q.s = st.s;
    q.t = st.t;
    return q;
}

// The body: row r round the half section (ridge to belly), column j at segment j.
inline Grid BodyGrid(const BodyShape& body, const Segments& segments, GridSize size, const Region& skin)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int j = 0; j < size.columns; ++j)
            g[r][j] = BodyPoint(body, skin, segments.U(static_cast<float>(j)), RowTheta(r, size.rows));
    return g;
}

// ---- the snout ---------------------------------------------------------------

// One row of the snout: its theta where it meets the body and at the tip.
struct SnoutRow {
    float atBody = 0, atTip = 0;
};
inline SnoutRow BodyRow(int r, int rows) { return {RowTheta(r, rows), RowTheta(r, rows)}; }

// The snout rows that carry on `count` body rows (of `rows`) from `first` down.
inline std::vector<SnoutRow> BodyRows(int first, int count, int rows)
{
    std::vector<SnoutRow> out;
    for (int r = 0; r < count; ++r)
        out.push_back(BodyRow(first + r, rows));
    return out;
}
// The snout rows that carry on the body rows listed (of `rows`).
template <size_t N>
std::vector<SnoutRow> BodyRows(const int (&list)[N], int rows)
{
    std::vector<SnoutRow> out;
    for (int r : list)
        out.push_back(BodyRow(r, rows));
    return out;
}
// A jaw's `count` rows: the upper jaw's from the ridge down to `mouthRow`
// (the mouth row again past it), the lower jaw's from the mouth row down.
inline std::vector<SnoutRow> JawRows(bool upper, int mouthRow, int count, int rows)
{
    std::vector<SnoutRow> out;
    for (int r = 0; r < count; ++r)
        out.push_back(BodyRow(upper ? std::min(r, mouthRow) : mouthRow + r, rows));
    return out;
}

// The body surface carried on from u = uBody (the body's first column) to the
// snout tip (u = 0) over `span` columns: from the body to the tip, or from
// the tip to the body when tipFirst. The column on the body is the body's
// own point (the two meet without cracks); columns past the span repeat the
// last one.
inline Grid Snout(const BodyShape& body, const Region& skin, GridSize size, float uBody,
                  const std::vector<SnoutRow>& rows, int span, bool tipFirst)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const float along = Along(std::min(k, span - 1), span);
            const float towardTip = tipFirst ? 1.0f - along : along;  // 0 on the body
            const SnoutRow& row = rows[r];
            g[r][k] = BodyPoint(body, skin, uBody * (1.0f - towardTip), Mix(row.atBody, row.atTip, towardTip));
        }
    return g;
}

// A jaw along the head, column k at u(k): its rows evenly from the back ridge
// to the mouth line at theta mouthTheta(k) (the upper jaw) or from the mouth
// line to the belly (the lower).
inline Grid MouthLineJaw(const BodyShape& body, const Region& skin, GridSize size, bool upper,
                         const std::function<float(int k)>& u, const std::function<float(int k)>& mouthTheta)
{
    Grid g = MakeGrid(size);
    for (int k = 0; k < size.columns; ++k) {
        const float uk = u(k), mouth = mouthTheta(k);
        for (int r = 0; r < size.rows; ++r) {
            const float along = Along(r, size.rows);
            const float theta = upper ? Mix(0.0f, mouth, along) : Mix(mouth, kPi, along);
            g[r][k] = BodyPoint(body, skin, uk, theta);
        }
    }
    return g;
}

// ---- the eye -----------------------------------------------------------------

// A domed eye: rings round its centre (row r at rings[r] eye radii, standing
// lifts[r] off the head), columns round the ring from `phase`, the last
// column closing the ring.
struct EyeDome {
    float x = 0, z = 0, radius = 0.03f;
    std::vector<float> rings = {0.0f, 0.6f, 1.0f};
    std::vector<float> lifts = {0.012f, 0.009f, 0.002f};
    float phase = 0;
};

inline Grid Eye(const BodyShape& body, const EyeDisc& disc, GridSize size, const EyeDome& dome)
{
    const SurfaceSpot spot = body.Spot(dome.x, dome.z, dome.radius);
    const int sectors = size.columns - 1;
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const float phi = dome.phase + 2 * kPi * (k % sectors) / sectors;
            float u = 0, theta = 0;
            spot.At(dome.rings[r], phi, u, theta);
            Point& q = g[r][k];
            q.n = body.Normal(u, theta);
            q.p = body.Surface(u, theta) + q.n * dome.lifts[r];
            const ST st = disc.At(dome.rings[r], phi);
            q.s = st.s;
            q.t = st.t;
        }
    return g;
}

// ---- rows anchored on the body -----------------------------------------------

enum class Ridge { Back, Belly };

// Points on the back ridge (or the belly line), one over each of the given
// segments, sunk `inset` into the body so that a fin rooted there shows no
// crack.
inline std::vector<V3> AnchorRow(const BodyShape& body, const Segments& segments, const std::vector<float>& over,
                                 Ridge ridge, float inset)
{
    std::vector<V3> row;
    for (float segment : over) {
        const float u = segments.U(segment);
        row.push_back(ridge == Ridge::Back ? V3{body.XOf(u), 0.0f, body.Back(u) - inset}
                                           : V3{body.XOf(u), 0.0f, body.Belly(u) + inset});
    }
    return row;
}
// The same over `count` segments evenly from `from` to `to`.
inline std::vector<V3> AnchorRow(const BodyShape& body, const Segments& segments, float from, float to, int count,
                                 Ridge ridge, float inset)
{
    std::vector<float> over(count);
    for (int c = 0; c < count; ++c)
        over[c] = Mix(from, to, Along(c, count));
    return AnchorRow(body, segments, over, ridge, inset);
}

// A profile sampled at `count` columns (a = 0 .. 1).
inline std::vector<float> Sample(const std::function<float(float a)>& f, int count)
{
    std::vector<float> v(count);
    for (int c = 0; c < count; ++c)
        v[c] = f(Along(c, count));
    return v;
}

// The edge of a fin standing in the midline: each root raised by its height
// (up for sign 1, down for -1), leaning back by lean x height.
inline std::vector<V3> RaisedEdge(const std::vector<V3>& root, const std::vector<float>& height, float sign, float lean)
{
    std::vector<V3> edge(root.size());
    for (size_t c = 0; c < root.size(); ++c)
        edge[c] = root[c] + V3{lean * height[c], 0.0f, sign * height[c]};
    return edge;
}

// Points drawn about z = 0 moved up by dz (onto the body's midline there,
// say: a tail's edge laid out level with its stalk).
inline std::vector<V3> RaisedBy(std::vector<V3> points, float dz)
{
    for (V3& p : points)
        p.z += dz;
    return points;
}

// ---- sheets ------------------------------------------------------------------

// A sheet from root[c] to edge[c], its rows evenly between (row 0 the root,
// the last the edge); each column's normal faces `outward`.
inline Grid FinSheet(GridSize size, const std::vector<V3>& root, const std::vector<V3>& edge, V3 outward,
                     const SheetTex& tex)
{
    const int n = size.columns;
    Grid g = MakeGrid(size);
    for (int c = 0; c < n; ++c) {
        const V3 along = edge[std::min(c + 1, n - 1)] - edge[std::max(c - 1, 0)];
        V3 normal = Normalize(Cross(along, edge[c] - root[c]));
        if (Length(normal) == 0.0f)
            normal = Normalize(outward);
        if (Dot(normal, outward) < 0)
            normal = normal * -1.0f;
        for (int r = 0; r < size.rows; ++r) {
            const float a = Along(c, n), b = Along(r, size.rows);
            Point& q = g[r][c];
            q.p = Lerp(root[c], edge[c], b);
            q.n = normal;
            const ST st = tex(a, b, q.p);
            q.s = st.s;
            q.t = st.t;
        }
    }
    return g;
}

// A fin standing in the midline (its normals across the fish), raised from
// its root row as RaisedEdge does.
inline Grid MidlineFin(GridSize size, const std::vector<V3>& root, const std::vector<float>& height, float sign,
                       float lean, const SheetTex& tex)
{
    return FinSheet(size, root, RaisedEdge(root, height, sign, lean), {0, 1, 0}, tex);
}

// A fan's edge: points round `centre` in the plane of `back` (angle 0) and
// `up` (angle pi / 2), the angle running from `from` (column 0) to `to`, the
// distance length(a) over a = 0 .. 1.
struct Fan {
    V3 centre;
    V3 back = {1, 0, 0}, up = {0, 0, 1};
    float from = 0, to = 0;
    std::function<float(float a)> length;
};
inline std::vector<V3> FanEdge(const Fan& fan, int columns)
{
    std::vector<V3> edge(columns);
    for (int c = 0; c < columns; ++c) {
        const float a = Along(c, columns), angle = Mix(fan.from, fan.to, a);
        edge[c] = fan.centre + (fan.back * std::cos(angle) + fan.up * std::sin(angle)) * fan.length(a);
    }
    return edge;
}
// Root points shared out over columns: column c takes roots[c x n / columns].
inline std::vector<V3> SharedRoots(const std::vector<V3>& roots, int columns)
{
    std::vector<V3> row(columns);
    for (int c = 0; c < columns; ++c)
        row[c] = roots[c * roots.size() / columns];
    return row;
}
inline Grid FanFin(GridSize size, const std::vector<V3>& roots, const Fan& fan, V3 outward, const SheetTex& tex)
{
    return FinSheet(size, SharedRoots(roots, size.columns), FanEdge(fan, size.columns), outward, tex);
}

// A splay direction off the flank: `back` (toward the tail and outward) and
// the direction square to it nearest to straight up.
inline Fan Splay(V3 centre, V3 back, float from, float to, std::function<float(float a)> length)
{
    back = Normalize(back);
    const V3 up = Normalize(V3{0, 0, 1} - back * Dot(V3{0, 0, 1}, back));
    return {centre, back, up, from, to, std::move(length)};
}

// A ribbon along path(a): row 0 on the path, the last row width(a) away
// along across(a); its normals face `outward`.
inline Grid Ribbon(GridSize size, const std::function<V3(float a)>& path, const std::function<V3(float a)>& across,
                   const std::function<float(float a)>& width, V3 outward, const SheetTex& tex)
{
    std::vector<V3> root(size.columns), edge(size.columns);
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        root[c] = path(a);
        edge[c] = root[c] + Normalize(across(a)) * width(a);
    }
    Grid g = FinSheet(size, root, edge, outward, tex);
    // The normal of a ribbon is square to its path and its width.
    for (int c = 0; c < size.columns; ++c) {
        const float a = Along(c, size.columns);
        const V3 along = path(std::min(1.0f, a + 0.01f)) - path(std::max(0.0f, a - 0.01f));
        V3 normal = Normalize(Cross(along, across(a)));
        if (Dot(normal, outward) < 0)
            normal = normal * -1.0f;
        for (auto& row : g)
            row[c].n = normal;
    }
    return g;
}

}  // namespace fishkit
