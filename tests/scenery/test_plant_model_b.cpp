// Plant model B without a GL context: what its variants send, how its
// leaves bend against each other, and its mesh tables against their
// layouts, end points and bounds.
#include "platform/crt.h"
#include "scenery/plant_model_b.h"
#include "scenery/plant_model_b_meshes.h"
#include "scenery/ring_table.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using Point3 = std::array<float, 3>;
constexpr float kSentinel = -777.0f;

TEST(PlantModelB, EachVariantSendsItsMeshesAndDrawsNoRandomValue)
{
    // Stalk 5 strips of 12 points, long leaf 9 of 6, short leaf 6 of 6.
    constexpr size_t kStalk = 60, kLong = 54, kShort = 36;
    struct Case {
        int variant;
        size_t strips, vertices;
    };
    // Variant 1: the plant, the long leaf's copy, and the half-size plant
    // with two long leaves.
    for (const Case& c : {Case{0, 20, kStalk + kLong + kShort},
                          Case{1, 20 + 9 + 5 + 9 + 9, kStalk + kLong + kShort + kLong + kStalk + 2 * kLong},
                          Case{2, 0, 0}, Case{-1, 0, 0}}) {
        CPlantModelB b;
        crt::srand(9);
        const int next = crt::rand();
        crt::srand(9);
        VertexRecorder rec;
        b.Draw(c.variant);
        EXPECT_EQ(rec.primitives.size(), c.strips) << "variant " << c.variant;
        EXPECT_EQ(rec.VertexCount(), c.vertices) << "variant " << c.variant;
        EXPECT_EQ(crt::rand(), next) << "variant " << c.variant;
    }
}

TEST(PlantModelB, BendGrowsFromZeroAndWritesNothingForNoEntries)
{
    struct Case {
        int n;
        float angle;
    };
    for (const Case& c : {Case{12, 6.0f}, Case{12, -5.04f}, Case{1, 3.0f}, Case{0, 3.0f}, Case{-2, 3.0f}}) {
        float out[16];
        std::fill(out, out + 16, kSentinel);
        CPlantModelB::ComputeBend(out, c.n, c.angle);
        for (int i = 0; i < 16; ++i) {
            if (i < c.n)
                EXPECT_NEAR(out[i], i * c.angle / c.n, 1e-6f) << "n " << c.n << " entry " << i;
            else
                EXPECT_EQ(out[i], kSentinel) << "n " << c.n << " entry " << i;
        }
    }
}

// p turned by angle degrees about y, as glRotatef turns it.
Point3 TurnedAboutY(Point3 p, float degrees)
{
    const double a = degrees * 3.14159265358979 / 180;
    return {static_cast<float>(std::cos(a) * p[0] + std::sin(a) * p[2]), p[1],
            static_cast<float>(-std::sin(a) * p[0] + std::cos(a) * p[2])};
}

TEST(PlantModelB, LeavesBendTheirTipsMostAndAgainstEachOther)
{
    struct Case {
        const char* name;
        void (CPlantModelB::*draw)(const float*);
        const PlantVertex* table;
        int rings;
        int last;     // ring k turns by gain x bend[last - k]
        float gain;
    };
    const Case cases[] = {
        {"long", &CPlantModelB::DrawPart2, &g_PlantModelBLongLeaf[0][0], 10, 10, 2.0f},
        {"short", &CPlantModelB::DrawPart3, &g_PlantModelBShortLeaf[0][0], 7, 7, -2.0f},
    };
    float bend[12];
    CPlantModelB::ComputeBend(bend, 12, 4.8f);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPlantModelB b;
        VertexRecorder rec;
        (b.*c.draw)(bend);
        ASSERT_EQ(rec.primitives.size(), static_cast<size_t>(c.rings - 1));
        for (int r = 0; r + 1 < c.rings; ++r)
            for (int col = 0; col < 3; ++col)
                for (int side = 0; side < 2; ++side) {
                    const int ring = r + side;
                    const PlantVertex& p = c.table[ring * 3 + col];
                    const Point3 want = TurnedAboutY({p.x * 5, p.y * 5, p.z * 5}, c.gain * bend[c.last - ring]);
                    const auto& got = rec.primitives[r].vertices[2 * col + side].position;
                    for (int i = 0; i < 3; ++i)
                        EXPECT_NEAR(got[i], want[i], 1e-5f) << "ring " << ring << " column " << col;
                }
    }
    // The long leaf's tip turns 2 x 10/12 of the angle, the short one's -2 x 7/12.
    EXPECT_FLOAT_EQ(2 * bend[10], 8.0f);
    EXPECT_FLOAT_EQ(-2 * bend[7], -5.6f);
}

TEST(PlantModelB, AtAngleZeroTheLeavesAreTheirTablesAndTheStalkNeverMoves)
{
    CPlantModelB b;
    std::vector<RecordedPrimitive> stalkAt;
    for (float before : {-0.04f, 2.0f}) {
        CPlantModelB::s_swayAngle = CSharedSwayAngle{before, 1};
        VertexRecorder rec;
        b.Draw(0);  // stalk, long leaf, short leaf
        ASSERT_EQ(rec.primitives.size(), 20u);
        const std::vector<RecordedPrimitive> stalk(rec.primitives.begin(), rec.primitives.begin() + 5);
        if (stalkAt.empty())
            stalkAt = stalk;
        for (size_t i = 0; i < stalk.size(); ++i)
            for (size_t v = 0; v < stalk[i].vertices.size(); ++v)
                EXPECT_EQ(stalk[i].vertices[v].position, stalkAt[i].vertices[v].position);
        if (CPlantModelB::s_swayAngle.m_fAngle != 0.0f)
            continue;
        for (int r = 0; r < 9; ++r)
            for (int col = 0; col < 3; ++col) {
                const PlantVertex& p = g_PlantModelBLongLeaf[r][col];
                EXPECT_EQ(rec.primitives[5 + r].vertices[2 * col].position, (Point3{p.x * 5, p.y * 5, p.z * 5}));
            }
    }
    CPlantModelB::s_swayAngle = CSharedSwayAngle{};
}

// ---- the tables ----------------------------------------------------------------

struct Mesh {
    const char* name;
    RingTable rings;
    Point3 first, last;     // centres of ring 0 and of the last ring
    float firstWidth, lastWidth, widest;
    Point3 low, high;       // the box it keeps to
    float s0, s1, t0, t1;   // its part of the picture
};

const std::vector<Mesh>& Meshes()
{
    static const std::vector<Mesh> meshes = {
        {"stalk", RingsOf(g_PlantModelBStalk, true), {-0.091f, 0.025f, -0.489f}, {0.064f, 0.028f, 0.012f}, 0.021f,
         0.024f, 0.049f, {-0.093f, 0.006f, -0.500f}, {0.080f, 0.048f, 0.019f}, 0.154f, 0.827f, 1.791f, 1.948f},
        {"long leaf", RingsOf(g_PlantModelBLongLeaf, false), {-0.348f, 0.176f, 0.220f}, {0.053f, 0.029f, -0.051f},
         0.042f, 0.036f, 0.181f, {-0.357f, -0.021f, -0.051f}, {0.064f, 0.216f, 0.233f}, 0.561f, 0.714f, 1.571f,
         1.994f},
        {"short leaf", RingsOf(g_PlantModelBShortLeaf, false), {0.172f, 0.027f, 0.259f}, {0.053f, 0.028f, -0.016f},
         0.0f, 0.036f, 0.092f, {0.044f, -0.014f, -0.027f}, {0.172f, 0.068f, 0.259f}, 0.725f, 0.836f, 1.558f,
         1.780f},
    };
    return meshes;
}

TEST(PlantModelBTables, EndsWidthsBoundsAndTexture)
{
    for (const Mesh& m : Meshes()) {
        SCOPED_TRACE(m.name);
        const RingTable& t = m.rings;
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(t.Centre(0)[i], m.first[i], 5e-4f) << "axis " << i;
            EXPECT_NEAR(t.Centre(t.rings - 1)[i], m.last[i], 5e-4f) << "axis " << i;
        }
        EXPECT_NEAR(t.Width(0), m.firstWidth, 1e-3f);
        EXPECT_NEAR(t.Width(t.rings - 1), m.lastWidth, 1e-3f);
        EXPECT_NEAR(t.Widest(), m.widest, 1e-3f);
        for (int r = 0; r < t.rings; ++r)
            for (int c = 0; c < t.columns; ++c) {
                const PlantVertex& v = t.At(r, c);
                const Point3 p = {v.x, v.y, v.z};
                for (int i = 0; i < 3; ++i) {
                    EXPECT_GE(p[i], m.low[i] - 1e-3f) << "ring " << r << " column " << c << " axis " << i;
                    EXPECT_LE(p[i], m.high[i] + 1e-3f) << "ring " << r << " column " << c << " axis " << i;
                }
                EXPECT_NEAR(std::hypot(v.nx, v.ny, v.nz), 1.0f, 1e-4f);
                EXPECT_GE(v.s, m.s0 - 1e-6f);
                EXPECT_LE(v.s, m.s1 + 1e-6f);
                EXPECT_GE(v.t, m.t0 - 1e-6f);
                EXPECT_LE(v.t, m.t1 + 1e-6f);
            }
        if (t.closed)
            for (int r = 0; r < t.rings; ++r) {
                const PlantVertex &a = t.At(r, 0), &b = t.At(r, t.columns - 1);
                EXPECT_EQ((Point3{a.x, a.y, a.z}), (Point3{b.x, b.y, b.z})) << "ring " << r;
                EXPECT_EQ(a.s, b.s) << "ring " << r;
            }
    }
}

TEST(PlantModelBTables, LeafRingsRunFromTipToBaseWithTheMidribBetween)
{
    for (const Mesh& m : Meshes()) {
        const RingTable& t = m.rings;
        if (t.closed)
            continue;
        SCOPED_TRACE(m.name);
        for (int r = 0; r < t.rings; ++r) {
            // The midrib lies between the edges across the blade and in the picture.
            EXPECT_LT(t.At(r, 0).s, t.At(r, 1).s);
            EXPECT_LT(t.At(r, 1).s, t.At(r, 2).s);
            if (r > 0) {
                EXPECT_LT(t.At(r, 1).t, t.At(r - 1, 1).t) << "ring " << r;  // towards the base
            }
        }
    }
}

}  // namespace
