// Kit for the plant mesh generators: 3-vectors, smooth curves through knots,
// mesh points and grids, pins that put chosen points exactly where a table
// must have them, samplers for blades (leaves, petals) and tubes (stems,
// stalks, bulbs), an indexed triangle mesh builder, and the C++ writers.
//
// A grid is [line][point]: the emitter draws one strip between neighbouring
// lines (the columns of a leaf, the rings of a tube), point by point.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace leaf {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
    double x = 0, y = 0, z = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec operator*(Vec a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec operator*(double s, Vec a) { return a * s; }
inline double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Length(Vec a) { return std::sqrt(Dot(a, a)); }
inline Vec Normalized(Vec a)
{
    const double l = Length(a);
    return l > 0 ? a * (1.0 / l) : a;
}
inline Vec Lerp(Vec a, Vec b, double t) { return a + (b - a) * t; }
// a turned by angle radians about the unit axis k.
inline Vec Rotated(Vec a, Vec k, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return a * c + Cross(k, a) * s + k * (Dot(k, a) * (1 - c));
}
inline double SmoothStep(double e0, double e1, double x)
{
    double t = (x - e0) / (e1 - e0);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

// A smooth curve through knots (u, value) in rising u: a cubic Hermite
// spline whose tangents come from the neighbouring knots. It passes exactly
// through every knot and holds the end values outside them.
template <typename T>
class Curve {
public:
    explicit Curve(std::vector<std::pair<double, T>> knots) : m_knots(std::move(knots)) {}

    T operator()(double u) const
    {
        const size_t n = m_knots.size();
        if (n == 1 || u <= m_knots.front().first)
            return m_knots.front().second;
        if (u >= m_knots.back().first)
            return m_knots.back().second;
        size_t i = 0;
        while (u > m_knots[i + 1].first)
            ++i;
        const double u0 = m_knots[i].first, u1 = m_knots[i + 1].first, h = u1 - u0;
        const double t = (u - u0) / h;
        const double h00 = 2 * t * t * t - 3 * t * t + 1, h10 = t * t * t - 2 * t * t + t;
        const double h01 = -2 * t * t * t + 3 * t * t, h11 = t * t * t - t * t;
        return m_knots[i].second * h00 + Tangent(i) * (h10 * h) + m_knots[i + 1].second * h01 +
               Tangent(i + 1) * (h11 * h);
    }

private:
    T Tangent(size_t i) const
    {
        const size_t a = i == 0 ? 0 : i - 1, b = i + 1 == m_knots.size() ? i : i + 1;
        return (m_knots[b].second - m_knots[a].second) * (1.0 / (m_knots[b].first - m_knots[a].first));
    }

    std::vector<std::pair<double, T>> m_knots;
};

// One point of a mesh table.
struct Point {
    Vec p, n;
    double s = 0, t = 0;
};
using Column = std::vector<Point>;
using Grid = std::vector<Column>;  // [line][point]

// The part of a texture a mesh addresses: s across, t along (1 to 2; the
// pictures repeat).
struct TexRect {
    double s0 = 0, s1 = 1, t0 = 1, t1 = 2;
    double S(double v) const { return s0 + (s1 - s0) * v; }
    double T(double u) const { return t0 + (t1 - t0) * u; }
};

// ---- normals ------------------------------------------------------------------

// Normals of a grid from its surface: the cross product of the directions
// along the points and across the lines, by central differences. Where the
// grid closes to a point (a tip) the neighbouring point's normal is taken,
// or where a whole line is one point, the neighbouring line's.
// All normals are turned to the side of `outside`.
inline void GridNormals(Grid& grid, Vec outside)
{
    const int lines = static_cast<int>(grid.size()), points = static_cast<int>(grid[0].size());
    auto at = [&](int c, int r) { return grid[c][r].p; };
    for (int r = 0; r < points; ++r) {
        for (int c = 0; c < lines; ++c) {
            const Vec along = at(c, r < points - 1 ? r + 1 : r) - at(c, r > 0 ? r - 1 : r);
            const Vec across = at(c < lines - 1 ? c + 1 : c, r) - at(c > 0 ? c - 1 : c, r);
            grid[c][r].n = Cross(along, across);
        }
    }
    double sum = 0;
    for (int r = 0; r < points; ++r) {
        for (int c = 0; c < lines; ++c) {
            Vec& n = grid[c][r].n;
            if (Length(n) < 1e-9)
                n = grid[c][r > 0 ? r - 1 : r + 1].n;
            // A whole line closing to one point (a ring at a tip): the next line's.
            if (Length(n) < 1e-9 && lines > 1)
                n = grid[c > 0 ? c - 1 : c + 1][r].n;
            sum += Dot(n, outside);
        }
    }
    const double flip = sum < 0 ? -1.0 : 1.0;
    for (auto& column : grid)
        for (Point& point : column)
            point.n = Normalized(point.n) * flip;
}

// ---- pins -----------------------------------------------------------------------

// A point a table must hold exactly: point `index` of a line at `at`.
using Pin = std::pair<int, Vec>;

// The offsets that move the pinned points of a line onto their places,
// spread smoothly over the line's other points (a curve through the pins'
// offsets, held beyond the first and last pin).
inline std::vector<Vec> PinOffsets(const Column& line, const std::vector<Pin>& pins)
{
    std::vector<std::pair<double, Vec>> knots;
    for (const auto& [index, at] : pins)
        knots.push_back({static_cast<double>(index), at - line[index].p});
    std::sort(knots.begin(), knots.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const Curve<Vec> offset(knots);
    std::vector<Vec> out;
    for (size_t i = 0; i < line.size(); ++i)
        out.push_back(offset(static_cast<double>(i)));
    return out;
}

// Moves one line onto its pins.
inline void PinLine(Column& line, const std::vector<Pin>& pins)
{
    const std::vector<Vec> d = PinOffsets(line, pins);
    for (size_t i = 0; i < line.size(); ++i)
        line[i].p = line[i].p + d[i];
}

// Moves every line of a grid by the offsets of line `line`'s pins: the grid
// keeps its shape across, and the pinned points land exactly.
inline void PinGrid(Grid& grid, int line, const std::vector<Pin>& pins)
{
    const std::vector<Vec> d = PinOffsets(grid[line], pins);
    for (Column& column : grid)
        for (size_t i = 0; i < column.size(); ++i)
            column[i].p = column[i].p + d[i];
}

// ---- blades ---------------------------------------------------------------------

// A flat or cupped sheet along a midline: a leaf blade, a petal, a grass
// blade. u runs from 0 at the root to 1 at the tip.
struct Blade {
    std::function<Vec(double u)> spine;         // the midline
    std::function<double(double u)> halfWidth;  // from the midline to an edge
    std::function<Vec(double u)> across;        // unit direction from the midline to the v = 1 edge
    // How far a point at v (-1 .. 1 across) stands out of the sheet, along
    // its face normal, per half width: a trough, a keel, ruffles.
    std::function<double(double u, double v)> relief = [](double, double) { return 0.0; };
};

// Samples a blade into a grid [column][row]: column c lies at v[c] across
// (-1 one edge, 0 the midline, 1 the other), rows at even steps of u. s
// follows v across the texture rectangle (s0 at v = -1), t follows u.
// Normals come from the surface, turned towards `outside`.
inline Grid SampleBlade(const Blade& b, const std::vector<double>& v, int rows, const TexRect& tex, Vec outside)
{
    Grid grid(v.size(), Column(rows));
    for (int r = 0; r < rows; ++r) {
        const double u = rows > 1 ? static_cast<double>(r) / (rows - 1) : 0.0;
        const Vec tangent = b.spine(std::min(1.0, u + 1e-4)) - b.spine(std::max(0.0, u - 1e-4));
        const Vec w = b.across(u);
        Vec face = Normalized(Cross(tangent, w));
        if (Dot(face, outside) < 0)
            face = face * -1.0;
        const double hw = b.halfWidth(u);
        for (size_t c = 0; c < v.size(); ++c) {
            Point& q = grid[c][r];
            q.p = b.spine(u) + w * (v[c] * hw) + face * (b.relief(u, v[c]) * hw);
            q.s = tex.S((v[c] + 1) / 2);
            q.t = tex.T(u);
        }
    }
    GridNormals(grid, outside);
    return grid;
}

// v values of n columns spread evenly from -1 to 1.
inline std::vector<double> EvenColumns(int n)
{
    std::vector<double> v;
    for (int c = 0; c < n; ++c)
        v.push_back(n > 1 ? -1.0 + 2.0 * c / (n - 1) : 0.0);
    return v;
}

// ---- tubes ------------------------------------------------------------------------

// A round stem, stalk or bulb along a midline; a radius of 0 closes it to a point.
struct Tube {
    std::function<Vec(double u)> spine;
    std::function<double(double u)> radius;
    Vec seam = {1, 0, 0};  // roughly where the first column of every ring lies
    // Squashes the section: radius across the seam times this (1: round).
    double flatness = 1.0;
};

// Samples a tube into a grid [ring][column] at the given u of each ring:
// `sides` columns around, plus one that repeats the first when closeSeam,
// so that the strips close. Normals point outwards; s runs around the
// texture rectangle, t along it.
inline Grid SampleTube(const Tube& tube, const std::vector<double>& rings, int sides, const TexRect& tex,
                       bool closeSeam = true)
{
    const int columns = sides + (closeSeam ? 1 : 0);
    Grid grid(rings.size(), Column(columns));
    Vec side = tube.seam;
    for (size_t k = 0; k < rings.size(); ++k) {
        const double u = rings[k];
        const Vec tangent = Normalized(tube.spine(std::min(1.0, u + 1e-4)) - tube.spine(std::max(0.0, u - 1e-4)));
        // Carry the seam along, kept square to the midline (no twist).
        side = Normalized(side - tangent * Dot(side, tangent));
        const Vec other = Cross(tangent, side);
        const double r = tube.radius(u);
        for (int c = 0; c < columns; ++c) {
            const double a = 2 * kPi * (c % sides) / sides;
            const Vec out = side * std::cos(a) + other * (std::sin(a) * tube.flatness);
            Point& q = grid[k][c];
            q.p = tube.spine(u) + out * r;
            q.n = Normalized(side * std::cos(a) + other * (std::sin(a) / tube.flatness));
            q.s = tex.S(static_cast<double>(c) / sides);
            q.t = tex.T(u);
        }
    }
    return grid;
}

// u of n rings spread evenly from 0 to 1.
inline std::vector<double> EvenRings(int n)
{
    std::vector<double> u;
    for (int k = 0; k < n; ++k)
        u.push_back(n > 1 ? static_cast<double>(k) / (n - 1) : 0.0);
    return u;
}

// ---- placing copies -------------------------------------------------------------

// Where the copies of a part stand in a whorl (a rosette of leaves, a ring of
// petals): copy i turned by i x 360 / count degrees (plus start) about axis.
inline std::vector<double> WhorlAngles(int count, double startDegrees = 0)
{
    std::vector<double> a;
    for (int i = 0; i < count; ++i)
        a.push_back((startDegrees + 360.0 * i / count) * kPi / 180);
    return a;
}

// A grid moved as a whole: every point turned about `axis` through the origin
// by `angle` radians, then moved by `offset` (normals turned too).
inline void Place(Grid& grid, Vec axis, double angle, Vec offset)
{
    axis = Normalized(axis);
    for (Column& line : grid)
        for (Point& q : line) {
            q.p = Rotated(q.p, axis, angle) + offset;
            q.n = Rotated(q.n, axis, angle);
        }
}

// ---- indexed triangle meshes -----------------------------------------------------

// Builds the tables of an indexed triangle mesh: positions, normals and
// texture coordinates each kept once (points closer than 1e-6 share an
// entry), faces of three position, three normal and three texture indices.
class MeshBuilder {
public:
    using Entry = std::array<double, 3>;
    using Face = std::array<int, 9>;

    int Position(Vec p) { return Index(m_positions, m_seenPositions, {p.x, p.y, p.z}); }
    int Normal(Vec n) { return Index(m_normals, m_seenNormals, {n.x, n.y, n.z}); }
    int TexCoord(double s, double t) { return Index(m_texCoords, m_seenTexCoords, {s, t, 0}); }
    void AddFace(const Point& a, const Point& b, const Point& c)
    {
        Face f;
        const Point* corner[3] = {&a, &b, &c};
        for (int k = 0; k < 3; ++k) {
            f[k] = Position(corner[k]->p);
            f[3 + k] = Normal(corner[k]->n);
            f[6 + k] = TexCoord(corner[k]->s, corner[k]->t);
        }
        m_faces.push_back(f);
    }
    // Two triangles for each quad of a grid's strips.
    void AddStrips(const Grid& grid)
    {
        for (size_t l = 0; l + 1 < grid.size(); ++l)
            for (size_t p = 0; p + 1 < grid[l].size(); ++p) {
                AddFace(grid[l][p], grid[l + 1][p], grid[l + 1][p + 1]);
                AddFace(grid[l][p], grid[l + 1][p + 1], grid[l][p + 1]);
            }
    }
    // Grows the tables to exactly these sizes (none may be longer already);
    // the added entries repeat the last and no face uses them.
    bool PadTo(size_t positions, size_t normals, size_t texCoords)
    {
        if (m_positions.size() > positions || m_normals.size() > normals || m_texCoords.size() > texCoords)
            return false;
        Pad(m_positions, positions);
        Pad(m_normals, normals);
        Pad(m_texCoords, texCoords);
        return true;
    }

    const std::vector<Entry>& Positions() const { return m_positions; }
    const std::vector<Entry>& Normals() const { return m_normals; }
    const std::vector<Entry>& TexCoords() const { return m_texCoords; }
    const std::vector<Face>& Faces() const { return m_faces; }

private:
    using Key = std::array<long long, 3>;
    static int Index(std::vector<Entry>& table, std::map<Key, int>& seen, const Entry& e)
    {
        const Key key = {std::llround(e[0] * 1e6), std::llround(e[1] * 1e6), std::llround(e[2] * 1e6)};
        const auto found = seen.find(key);
        if (found != seen.end())
            return found->second;
        table.push_back(e);
        return seen[key] = static_cast<int>(table.size()) - 1;
    }
    static void Pad(std::vector<Entry>& table, size_t n)
    {
        const Entry last = table.empty() ? Entry{0, 0, 0} : table.back();
        table.resize(n, last);
    }

    std::vector<Entry> m_positions, m_normals, m_texCoords;
    std::map<Key, int> m_seenPositions, m_seenNormals, m_seenTexCoords;
    std::vector<Face> m_faces;
};

// ---- checks ------------------------------------------------------------------------

// The box a grid's positions lie in.
struct Box {
    Vec low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    void Add(Vec p)
    {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
};
inline Box BoundsOf(const Grid& grid)
{
    Box b;
    for (const Column& line : grid)
        for (const Point& q : line)
            b.Add(q.p);
    return b;
}

// ---- writers -------------------------------------------------------------------------

inline void WritePoint(std::FILE* out, const Point& q)
{
    const double v[8] = {q.p.x, q.p.y, q.p.z, q.n.x, q.n.y, q.n.z, q.s, q.t};
    std::fprintf(out, "{");
    for (int i = 0; i < 8; ++i)
        std::fprintf(out, "%s%.9g", i ? ", " : "", static_cast<double>(static_cast<float>(v[i])));
    std::fprintf(out, "}");
}

// Writes `const PlantVertex name[a][b] = {...};`, one point a line.
inline void WriteTable(std::FILE* out, const std::string& name, const Grid& table)
{
    std::fprintf(out, "const PlantVertex %s[%zu][%zu] = {\n", name.c_str(), table.size(), table[0].size());
    for (const Column& column : table) {
        std::fprintf(out, "    {\n");
        for (const Point& q : column) {
            std::fprintf(out, "        ");
            WritePoint(out, q);
            std::fprintf(out, ",\n");
        }
        std::fprintf(out, "    },\n");
    }
    std::fprintf(out, "};\n\n");
}

// Writes `const PlantVertex name[n] = {...};`.
inline void WriteList(std::FILE* out, const std::string& name, const Column& points)
{
    std::fprintf(out, "const PlantVertex %s[%zu] = {\n", name.c_str(), points.size());
    for (const Point& q : points) {
        std::fprintf(out, "    ");
        WritePoint(out, q);
        std::fprintf(out, ",\n");
    }
    std::fprintf(out, "};\n\n");
}

// Writes `const float name[n][width] = {...};` of the first `width` values of each entry.
inline void WriteFloats(std::FILE* out, const std::string& name, const std::vector<MeshBuilder::Entry>& entries,
                        int width)
{
    std::fprintf(out, "const float %s[%zu][%d] = {\n", name.c_str(), entries.size(), width);
    for (const auto& e : entries) {
        std::fprintf(out, "    {");
        for (int i = 0; i < width; ++i)
            std::fprintf(out, "%s%.9g", i ? ", " : "", static_cast<double>(static_cast<float>(e[i])));
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n\n");
}

// Writes `const short name[n][9] = {...};`.
inline void WriteFaces(std::FILE* out, const std::string& name, const std::vector<MeshBuilder::Face>& faces)
{
    std::fprintf(out, "const short %s[%zu][9] = {\n", name.c_str(), faces.size());
    for (const auto& f : faces) {
        std::fprintf(out, "    {");
        for (int i = 0; i < 9; ++i)
            std::fprintf(out, "%s%d", i ? ", " : "", f[i]);
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n\n");
}

// ---- the mesh generator's registry -------------------------------------------------

// A kind's mesh generator: the header of src/ that declares its tables, and
// the writer of their definitions.
struct MeshTables {
    std::string header;
    void (*write)(std::FILE* out);
};

inline std::vector<MeshTables>& MeshRegistry()
{
    static std::vector<MeshTables> tables;
    return tables;
}

inline bool RegisterMeshTables(const std::string& header, void (*write)(std::FILE* out))
{
    MeshRegistry().push_back({header, write});
    return true;
}

}  // namespace leaf
