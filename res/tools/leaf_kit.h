// Small kit for the leaf generators: 3-vectors, smooth curves through knots,
// leaf points, normals from a grid's surface, and the C++ table writer.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace leaf {

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

// One point of a leaf table.
struct Point {
    Vec p, n;
    double s = 0, t = 0;
};
using Column = std::vector<Point>;

// Normals of a column grid ([column][row]) from its surface: the cross product
// of the directions along the rows and across the columns, by central
// differences. Where the grid closes to a point (a tip) the neighbouring row's
// normal is taken. All normals are turned to the side of `outside`.
inline void GridNormals(std::vector<Column>& grid, Vec outside)
{
    const int columns = static_cast<int>(grid.size()), rows = static_cast<int>(grid[0].size());
    auto at = [&](int c, int r) { return grid[c][r].p; };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const Vec along = at(c, r < rows - 1 ? r + 1 : r) - at(c, r > 0 ? r - 1 : r);
            const Vec across = at(c < columns - 1 ? c + 1 : c, r) - at(c > 0 ? c - 1 : c, r);
            grid[c][r].n = Cross(along, across);
        }
    }
    double sum = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            Vec& n = grid[c][r].n;
            if (Length(n) < 1e-9)
                n = grid[c][r > 0 ? r - 1 : r + 1].n;
            sum += Dot(n, outside);
        }
    }
    const double flip = sum < 0 ? -1.0 : 1.0;
    for (auto& column : grid)
        for (Point& point : column)
            point.n = Normalized(point.n) * flip;
}

// Writes `const PlantVertex name[a][b] = {...};`, one point a line.
inline void WriteTable(std::FILE* out, const std::string& name, const std::vector<Column>& table)
{
    std::fprintf(out, "const PlantVertex %s[%zu][%zu] = {\n", name.c_str(), table.size(), table[0].size());
    for (const Column& column : table) {
        std::fprintf(out, "    {\n");
        for (const Point& q : column) {
            const double v[8] = {q.p.x, q.p.y, q.p.z, q.n.x, q.n.y, q.n.z, q.s, q.t};
            std::fprintf(out, "        {");
            for (int i = 0; i < 8; ++i)
                std::fprintf(out, "%s%.9g", i ? ", " : "", static_cast<double>(static_cast<float>(v[i])));
            std::fprintf(out, "},\n");
        }
        std::fprintf(out, "    },\n");
    }
    std::fprintf(out, "};\n\n");
}

}  // namespace leaf
