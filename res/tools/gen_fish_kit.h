// Small kit for the fish generators: vectors, smooth profiles through control
// points, grids of mesh points, fin sheets, and the writer of the C++ tables.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace fishkit {

constexpr float kPi = 3.14159265358979f;

struct V3 {
    float x = 0, y = 0, z = 0;
};
inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline float Length(V3 a) { return std::sqrt(Dot(a, a)); }
inline V3 Normalize(V3 a)
{
    const float l = Length(a);
    return l > 0 ? a * (1.0f / l) : V3{};
}
inline V3 Lerp(V3 a, V3 b, float t) { return a + (b - a) * t; }

// A smooth curve through control points (x ascending), without overshoot
// (monotone cubic Hermite); flat beyond the ends.
class Profile {
public:
    Profile(std::initializer_list<std::pair<float, float>> points)
    {
        for (const auto& p : points) {
            xs_.push_back(p.first);
            ys_.push_back(p.second);
        }
        const size_t n = xs_.size();
        std::vector<float> d(n - 1);
        for (size_t i = 0; i + 1 < n; ++i)
            d[i] = (ys_[i + 1] - ys_[i]) / (xs_[i + 1] - xs_[i]);
        ms_.assign(n, 0.0f);
        ms_[0] = d[0];
        ms_[n - 1] = d[n - 2];
        for (size_t i = 1; i + 1 < n; ++i)
            ms_[i] = d[i - 1] * d[i] <= 0 ? 0.0f : 2.0f / (1.0f / d[i - 1] + 1.0f / d[i]);
    }
    float operator()(float x) const
    {
        if (x <= xs_.front())
            return ys_.front();
        if (x >= xs_.back())
            return ys_.back();
        const size_t i = static_cast<size_t>(std::upper_bound(xs_.begin(), xs_.end(), x) - xs_.begin()) - 1;
        const float h = xs_[i + 1] - xs_[i], t = (x - xs_[i]) / h;
        const float t2 = t * t, t3 = t2 * t;
        return (2 * t3 - 3 * t2 + 1) * ys_[i] + (t3 - 2 * t2 + t) * h * ms_[i] + (-2 * t3 + 3 * t2) * ys_[i + 1] +
               (t3 - t2) * h * ms_[i + 1];
    }

private:
    std::vector<float> xs_, ys_, ms_;
};

// One mesh point.
struct Point {
    V3 p, n;
    float s = 0, t = 0;
};

// rows x columns points, [row][column].
using Grid = std::vector<std::vector<Point>>;

inline Grid MakeGrid(int rows, int columns) { return Grid(rows, std::vector<Point>(columns)); }

// A fin as an outlined sheet: root[c] joins edge[c]; two rows (root, edge).
// Normals face `outward`; texture coordinates come from the fin's place
// (along 0..1 over the columns, across 0 at the root and 1 at the edge).
template <typename TexFn>
Grid FinSheet(const std::vector<V3>& root, const std::vector<V3>& edge, V3 outward, TexFn tex)
{
    const int n = static_cast<int>(edge.size());
    Grid g = MakeGrid(2, n);
    for (int c = 0; c < n; ++c) {
        const V3 along = edge[std::min(c + 1, n - 1)] - edge[std::max(c - 1, 0)];
        V3 normal = Normalize(Cross(along, edge[c] - root[c]));
        if (Dot(normal, outward) < 0)
            normal = normal * -1.0f;
        const float a = n > 1 ? static_cast<float>(c) / (n - 1) : 0.0f;
        for (int r = 0; r < 2; ++r) {
            Point& pt = g[r][c];
            pt.p = r == 0 ? root[c] : edge[c];
            pt.n = normal;
            tex(a, static_cast<float>(r), pt.s, pt.t);
        }
    }
    return g;
}

// The tables of every species, in the order the species registered them.
struct MeshTable {
    std::string name;  // the C++ name the game declares
    Grid grid;
};
struct MeshMaker {
    const char* header;  // the game's header that declares the tables
    std::vector<MeshTable> (*make)();
};
inline std::vector<MeshMaker>& MeshMakers()
{
    static std::vector<MeshMaker> makers;
    return makers;
}
// A species' mesh header registers itself:
//   inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_speciesNN_meshes.h", Tables);
inline bool RegisterMeshes(const char* header, std::vector<MeshTable> (*make)())
{
    MeshMakers().push_back({header, make});
    return true;
}

// Writes `const FishVertex name[rows][columns] = {...};`.
inline void WriteTable(std::FILE* out, const std::string& name, const Grid& g)
{
    std::fprintf(out, "const FishVertex %s[%zu][%zu] = {\n", name.c_str(), g.size(), g[0].size());
    for (const auto& row : g) {
        std::fprintf(out, "    {\n");
        for (const Point& q : row)
            std::fprintf(out, "        {%.6ff, %.6ff, %.6ff, %.5ff, %.5ff, %.5ff, %.5ff, %.5ff},\n", q.p.x, q.p.y, q.p.z,
                         q.n.x, q.n.y, q.n.z, q.s, q.t);
        std::fprintf(out, "    },\n");
    }
    std::fprintf(out, "};\n\n");
}

}  // namespace fishkit
