// Checks of plant mesh tables and of what a plant sends, shared by the plant
// tests: bounds and texture ranges of a set of points, telling points, unit
// normals, the draws a constructor takes, a point turned about an axis as
// the bend matrix must turn it, and a scenery with the set-up's context.
#pragma once
#include "platform/crt.h"
#include "scenery/plant_kinds.h"
#include "scenery/plant_meshes.h"
#include "scenery/tank_scenery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace plant_checks {

using Points = std::vector<const PlantVertex*>;

template <size_t N>
void Add(Points& out, const PlantVertex (&table)[N])
{
    for (const PlantVertex& p : table)
        out.push_back(&p);
}
template <size_t C, size_t R>
void Add(Points& out, const PlantVertex (&table)[C][R])
{
    for (const auto& line : table)
        Add(out, line);
}
template <class... Tables>
Points All(const Tables&... tables)
{
    Points out;
    (Add(out, tables), ...);
    return out;
}

struct Box {
    std::array<float, 3> low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
    float sLow = 1e9f, sHigh = -1e9f, tLow = 1e9f, tHigh = -1e9f;
};

inline Box Bounds(const Points& points)
{
    Box b;
    for (const PlantVertex* p : points) {
        const float v[3] = {p->x, p->y, p->z};
        for (int i = 0; i < 3; ++i) {
            b.low[i] = std::min(b.low[i], v[i]);
            b.high[i] = std::max(b.high[i], v[i]);
        }
        b.sLow = std::min(b.sLow, p->s);
        b.sHigh = std::max(b.sHigh, p->s);
        b.tLow = std::min(b.tLow, p->t);
        b.tHigh = std::max(b.tHigh, p->t);
    }
    return b;
}

// The box spans low..high on each axis, within tolerance.
inline void ExpectBox(const Box& b, const float low[3], const float high[3], const std::string& what,
                      float tolerance = 0.01f)
{
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(b.low[i], low[i], tolerance) << what << " axis " << i;
        EXPECT_NEAR(b.high[i], high[i], tolerance) << what << " axis " << i;
    }
}

inline void ExpectBounds(const Points& points, std::array<float, 3> low, std::array<float, 3> high, float tolerance,
                         const std::string& what)
{
    ExpectBox(Bounds(points), low.data(), high.data(), what, tolerance);
}

// The texture coordinates span exactly the part of the picture given.
inline void ExpectTexture(const Points& points, float s0, float s1, float t0, float t1, const std::string& what)
{
    const Box b = Bounds(points);
    EXPECT_FLOAT_EQ(b.sLow, s0) << what;
    EXPECT_FLOAT_EQ(b.sHigh, s1) << what;
    EXPECT_FLOAT_EQ(b.tLow, t0) << what;
    EXPECT_FLOAT_EQ(b.tHigh, t1) << what;
}

inline void ExpectAt(const PlantVertex& p, float x, float y, float z, float tolerance, const std::string& what)
{
    EXPECT_NEAR(p.x, x, tolerance) << what;
    EXPECT_NEAR(p.y, y, tolerance) << what;
    EXPECT_NEAR(p.z, z, tolerance) << what;
}
inline void ExpectAt(const PlantVertex& p, const PlantVertex& want, float tolerance, const std::string& what)
{
    ExpectAt(p, want.x, want.y, want.z, tolerance, what);
}

// Point `row` of a table line lies at (x, y, z).
struct TellingPoint {
    const PlantVertex* line;
    int row;
    float x, y, z;
};
inline void ExpectTellingPoints(std::initializer_list<TellingPoint> points, float tolerance)
{
    for (const TellingPoint& p : points)
        ExpectAt(p.line[p.row], p.x, p.y, p.z, tolerance, "row " + std::to_string(p.row));
}

inline void ExpectUnitNormals(const Points& points, const std::string& what)
{
    for (const PlantVertex* p : points)
        EXPECT_NEAR(std::sqrt(p->nx * p->nx + p->ny * p->ny + p->nz * p->nz), 1.0f, 1e-5f) << what;
}

// The first n values of the rand() sequence from seed; the sequence is left there.
inline std::vector<int> Draws(unsigned seed, int n)
{
    crt::srand(seed);
    std::vector<int> out;
    for (int i = 0; i < n; ++i)
        out.push_back(crt::rand());
    crt::srand(seed);
    return out;
}

// p turned by degrees about the axis (normalised), worked out in double.
inline std::array<float, 3> Turned(std::array<float, 3> p, double degrees, std::array<double, 3> axis)
{
    const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    const double k[3] = {axis[0] / length, axis[1] / length, axis[2] / length};
    const double a = degrees * 3.14159265358979323846 / 180.0, c = std::cos(a), s = std::sin(a);
    const double dot = k[0] * p[0] + k[1] * p[1] + k[2] * p[2];
    const double cross[3] = {k[1] * p[2] - k[2] * p[1], k[2] * p[0] - k[0] * p[2], k[0] * p[1] - k[1] * p[0]};
    std::array<float, 3> out;
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<float>(p[i] * c + cross[i] * s + k[i] * dot * (1 - c));
    return out;
}

inline void ExpectNear(std::array<float, 3> got, std::array<float, 3> want, float tolerance, const std::string& what)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], tolerance) << what << " axis " << i;
}

// A scenery and the context the set-up and the passes give it, without GL.
struct SceneryFixture {
    std::unique_ptr<CTankScenery> scenery = std::make_unique<CTankScenery>();
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint textures[25] = {};
    GLuint lists[kSceneListCount] = {};
    SceneryContext context{*scenery, bounds, textures, textures, lists};

    // The set-up's step for the object of this order.
    void RunSetUp(int order)
    {
        for (const ScenerySetUp& step : ScenerySetUps())
            if (step.order == order)
                step.run(context);
    }
    // Plant kind `kind` at its place, as its pass draws it.
    void DrawKind(int kind)
    {
        for (const PlantKind& row : PlantKinds())
            if (row.kind == kind)
                DrawPlantKind(context, row);
    }
};

}  // namespace plant_checks
