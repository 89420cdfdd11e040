// Core of the fish generators: vectors, smooth profiles through control
// points, grids of mesh points, the grid sizes the game declares, and the
// writer of the C++ tables. See FISH_KIT.md for how a species uses the kit.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <type_traits>
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
inline float Mix(float a, float b, float t) { return a + (b - a) * t; }

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
        ms_.assign(n, 0.0f);
        if (n < 2)
            return;
        std::vector<float> d(n - 1);
        for (size_t i = 0; i + 1 < n; ++i)
            d[i] = (ys_[i + 1] - ys_[i]) / (xs_[i + 1] - xs_[i]);
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

struct GridSize {
    int rows = 0, columns = 0;
};

// The size of a table as the game declares it (fish/fish_speciesNN_meshes.h),
// so that a species writes each grid size once:
//   constexpr GridSize kBodySize = SizeOf<decltype(g_Fish23Body)>();
template <typename Declared>
constexpr GridSize SizeOf()
{
    using Array = std::remove_cv_t<Declared>;
    static_assert(std::rank_v<Array> == 2, "a mesh table is rows x columns points");
    return {static_cast<int>(std::extent_v<Array, 0>), static_cast<int>(std::extent_v<Array, 1>)};
}

inline Grid MakeGrid(GridSize size) { return Grid(size.rows, std::vector<Point>(size.columns)); }

// Fraction i of n - 1 steps (0 for a single step).
inline float Along(int i, int n) { return n > 1 ? static_cast<float>(i) / (n - 1) : 0.0f; }

// One table of a part: `above` first, then `below`, as one grid (parts that
// draw sections of one table).
inline Grid Stack(Grid above, const Grid& below)
{
    above.insert(above.end(), below.begin(), below.end());
    return above;
}

// A three-row sheet built root (B), middle (A), edge (C), stored middle
// first (A, B, C), as the class's strips B to A, then A to C read it
// (fishdef::kBToAThenAToC).
inline Grid MiddleRowFirst(Grid g)
{
    if (g.size() != 3) {
        std::fprintf(stderr, "gen_fish_meshes: a sheet stored middle first has three rows, not %zu\n", g.size());
        std::exit(1);
    }
    std::swap(g[0], g[1]);
    return g;
}

// ---- the tables of every species -------------------------------------------

// The half of the fish a table holds. The builders model the +y side; a
// table stores the y <= 0 half, as the classes' extents give it, and the
// class draws the other side in its mirror pass or with a twin. A class that
// keeps its +y half (or a midline part built so) says so.
enum class Half { MinusY, PlusY };

// The grid as `half` stores it: on the y <= 0 half, every y and normal y negated.
inline Grid OnHalf(Grid g, Half half)
{
    if (half == Half::MinusY)
        for (auto& row : g)
            for (Point& q : row) {
                q.p.y = -q.p.y;
                q.n.y = -q.n.y;
            }
    return g;
}

struct MeshTable {
    std::string name;  // the C++ name the game declares
    GridSize declared;
    Grid grid;                // as built: the +y side
    std::optional<Half> half;  // none: the species' half
};
struct MeshMaker {
    const char* header;  // the game's header that declares the tables
    std::vector<MeshTable> (*make)();
    Half half;  // the half its tables store unless a table says otherwise
};
inline std::vector<MeshMaker>& MeshMakers()
{
    static std::vector<MeshMaker> makers;
    return makers;
}
// A table of the size the game declares for it, made by build(size):
//   Table<decltype(g_Fish23Body)>("g_Fish23Body", Body)
// and, where it differs from the species', the half it stores.
template <typename Declared, typename Build>
MeshTable Table(const char* name, Build build, std::optional<Half> half = std::nullopt)
{
    constexpr GridSize size = SizeOf<Declared>();
    return MeshTable{name, size, build(size), half};
}

// A species' mesh header registers itself, with the half its tables store
// (the y <= 0 half unless it says otherwise):
//   inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_speciesNN_meshes.h", Tables);
inline bool RegisterMeshes(const char* header, std::vector<MeshTable> (*make)(), Half half = Half::MinusY)
{
    MeshMakers().push_back({header, make, half});
    return true;
}

// A maker's tables as they are stored.
inline std::vector<MeshTable> StoredTables(const MeshMaker& maker)
{
    std::vector<MeshTable> tables = maker.make();
    for (MeshTable& t : tables)
        t.grid = OnHalf(std::move(t.grid), t.half.value_or(maker.half));
    return tables;
}

inline bool HasSize(const Grid& g, GridSize size)
{
    if (static_cast<int>(g.size()) != size.rows)
        return false;
    for (const auto& row : g)
        if (static_cast<int>(row.size()) != size.columns)
            return false;
    return true;
}

// Writes `const FishVertex name[rows][columns] = {...};`; false (with a
// message) when the grid is not of the declared size.
inline bool WriteTable(std::FILE* out, const MeshTable& table)
{
    const Grid& g = table.grid;
    if (!HasSize(g, table.declared)) {
        std::fprintf(stderr, "gen_fish_meshes: %s is declared %d x %d but was built %zu x %zu\n", table.name.c_str(),
                     table.declared.rows, table.declared.columns, g.size(), g.empty() ? size_t(0) : g[0].size());
        return false;
    }
    std::fprintf(out, "const FishVertex %s[%d][%d] = {\n", table.name.c_str(), table.declared.rows,
                 table.declared.columns);
    for (const auto& row : g) {
        std::fprintf(out, "    {\n");
        for (const Point& q : row)
            std::fprintf(out, "        {%.6ff, %.6ff, %.6ff, %.5ff, %.5ff, %.5ff, %.5ff, %.5ff},\n", q.p.x, q.p.y,
                         q.p.z, q.n.x, q.n.y, q.n.z, q.s, q.t);
        std::fprintf(out, "    },\n");
    }
    std::fprintf(out, "};\n\n");
    return true;
}

}  // namespace fishkit
