// Plant model A without a GL context: its draw's random draws and arrays,
// what its stems and leaves send through the vertex recorder, and its part
// tables against their layouts, end points and bounds.
#include "platform/crt.h"
#include "scenery/plant_model_a.h"
#include "scenery/plant_model_a_meshes.h"
#include "scenery/ring_table.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr float kSentinel = -777.0f;

// ---- the draw ------------------------------------------------------------------

TEST(PlantModelA, EachVariantSendsItsPartSets)
{
    // A stem: 7 strips of 6 columns; a leaf of R rings: R - 1 strips of 5.
    constexpr size_t kStem = 7 * 12, kLeaf6 = 5 * 10, kLeaf7 = 6 * 10;
    constexpr size_t kFullSet = 7 * kStem + 4 * kLeaf6 + 3 * kLeaf7;  // leaves 1, 9, 14, 15; 10, 11, 13
    constexpr size_t kSideSet = 4 * kStem + 2 * kLeaf6 + 2 * kLeaf7;  // leaves 14, 15; 12, 13
    struct Case {
        int variant;
        size_t strips, vertices;
    };
    for (const Case& c : {Case{1, 2 * 50 + 87, 2 * kSideSet + kFullSet}, Case{0, 87, kFullSet}, Case{2, 0, 0},
                          Case{-1, 0, 0}}) {
        CPlantModelA a;
        VertexRecorder rec;
        a.Draw(c.variant);
        EXPECT_EQ(rec.primitives.size(), c.strips) << "variant " << c.variant;
        EXPECT_EQ(rec.VertexCount(), c.vertices) << "variant " << c.variant;
        for (const auto& strip : rec.primitives)
            EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
    }
}

TEST(PlantModelA, DrawTakesOneRandomValueOrTwoOnAMultipleOfTen)
{
    // Seeds whose first value is, and is not, a multiple of ten.
    unsigned tens = 0, other = 0;
    for (unsigned seed = 1; tens == 0 || other == 0; ++seed) {
        crt::srand(seed);
        (crt::rand() % 10 == 0 ? tens : other) = seed;
    }
    for (unsigned seed : {tens, other}) {
        CPlantModelA a;
        crt::srand(seed);
        const int first = crt::rand(), second = crt::rand(), third = crt::rand();
        const bool twice = first % 10 == 0;
        crt::srand(seed);
        VertexRecorder rec;
        a.Draw(2);
        EXPECT_EQ(crt::rand(), twice ? third : second) << "seed " << seed;
        EXPECT_EQ(a.m_nRandomFlag, twice ? second % 2 : 1) << "seed " << seed;
    }
}

TEST(PlantModelA, PhaseMovesTwiceInThreeDraws)
{
    CPlantModelA a;
    a.m_fPhaseSpeed = 0.125f;
    VertexRecorder rec;
    const float expected[6] = {5.0f, 5.125f, 5.25f, 5.25f, 5.375f, 5.5f};
    for (float want : expected) {
        a.Draw(2);
        EXPECT_EQ(a.m_fSwayPhase, want);
    }
}

// ---- the sway and bend arrays -------------------------------------------------

TEST(PlantModelA, SwayKeepsColumnZeroAndStepsOnEveryThirdCall)
{
    CPlantModelA a;
    a.m_fPhaseSpeed = 0.25f;
    float out[8];
    for (int call = 1; call <= 6; ++call) {
        a.ComputeSway(out, 7);
        EXPECT_EQ(a.m_fSwayPhase, 5.0f + 0.25f * (call / 3)) << "call " << call;
    }
    // Entry 0 is the sine of the phase like any other.
    EXPECT_FLOAT_EQ(out[0], std::sin(5.5f) * 0.005f);
    EXPECT_FLOAT_EQ(out[3], std::sin(5.5f + 3 * 1.5707963f) * 0.005f);

    // With n = 0 nothing is written.
    std::fill(out, out + 8, kSentinel);
    a.ComputeSway(out, 0);
    EXPECT_EQ(out[0], kSentinel);
}

TEST(PlantModelA, PhaseAboveTwoPiRestartsAtZeroBeforeTheSines)
{
    CPlantModelA a;
    a.m_fSwayPhase = 6.2f;
    a.m_fPhaseSpeed = 0.2f;
    a.m_nSwayCounter = 2;  // this call steps
    float out[5];
    a.ComputeSway(out, 5);
    EXPECT_EQ(a.m_fSwayPhase, 0.0f);
    // Columns 0, 1, 3 and 4 lift by about 0, 0.005, -0.005 and 0.
    const float lifts[5] = {0.0f, 0.005f, 0.0f, -0.005f, 0.0f};
    for (int c = 0; c < 5; ++c)
        EXPECT_NEAR(out[c], lifts[c], 1e-8f) << "column " << c;

    // Exactly 2 pi stays.
    a.m_fSwayPhase = kPlantTwoPi;
    a.m_nSwayCounter = 0;
    a.ComputeSway(out, 5);
    EXPECT_EQ(a.m_fSwayPhase, kPlantTwoPi);
}

TEST(PlantModelA, BendSpreadsTheAngleOnlyOverItsOwnSizes)
{
    struct Case {
        int n;
        int first, last;  // the entries written
        double perRing;   // degrees per ring for an angle of 5
    };
    const Case cases[] = {
        {7, 3, 6, 5.0 / 7},    // the first three rings of a side leaf stay straight
        {29, 0, 28, 25.0 / 29},  // five times the angle spread over 29
        {6, 0, -1, 0}, {0, 0, -1, 0}, {1, 0, -1, 0}, {30, 0, -1, 0},
    };
    for (const Case& c : cases) {
        float out[32];
        std::fill(out, out + 32, kSentinel);
        CPlantModelA::ComputeBend(out, c.n, 5.0f);
        for (int i = 0; i < 32; ++i) {
            if (i >= c.first && i <= c.last)
                EXPECT_NEAR(out[i], i * c.perRing, 1e-5) << "n " << c.n << " entry " << i;
            else
                EXPECT_EQ(out[i], kSentinel) << "n " << c.n << " entry " << i;
        }
    }
}

// ---- what the parts send -------------------------------------------------------

using Point3 = std::array<float, 3>;

// p turned by angle degrees about y, as glRotatef turns it.
Point3 TurnedAboutY(Point3 p, float degrees)
{
    const double a = degrees * 3.14159265358979 / 180;
    return {static_cast<float>(std::cos(a) * p[0] + std::sin(a) * p[2]), p[1],
            static_cast<float>(-std::sin(a) * p[0] + std::cos(a) * p[2])};
}

void ExpectNear(const Point3& got, const Point3& want, const char* what)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-5f) << what << " axis " << i;
}

TEST(PlantModelA, LeafRingsBendAndColumnsButTheMidribLift)
{
    CPlantModelA a;
    const float bend[7] = {0.0f, 1.5f, -3.0f, 4.5f, 6.0f, 7.5f, 9.0f};
    const float sway[7] = {0.004f, -0.003f, 0.002f, 0.001f, -0.005f, 0.5f, 0.5f};
    VertexRecorder rec;
    a.DrawPart10(bend, sway);
    ASSERT_EQ(rec.primitives.size(), 6u);
    for (int r = 0; r < 6; ++r) {
        const auto& strip = rec.primitives[r].vertices;
        ASSERT_EQ(strip.size(), 10u);
        for (int c = 0; c < 5; ++c) {
            for (int side = 0; side < 2; ++side) {
                const PlantVertex& p = g_PlantModelAPart10[r + side][c];
                const float lift = c == 2 ? 0.0f : sway[c];
                const Point3 want = TurnedAboutY({p.x * 5, p.y * 5, p.z * 5 + lift}, bend[r + side]);
                const RecordedVertex& v = strip[2 * c + side];
                ExpectNear(v.position, want, "position");
                EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz}));  // never turned
                EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t}));
            }
        }
    }
}

TEST(PlantModelA, StemsSendTheirTableWhateverTheLeavesDid)
{
    CPlantModelA a;
    const float sway[7] = {0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
    for (float angle : {10.0f, -20.0f}) {
        const float bend[7] = {0, angle, angle, angle, angle, angle, angle};
        VertexRecorder rec;
        a.DrawPart13(bend, sway);  // leaves the matrix turned
        rec.primitives.clear();
        a.DrawPart5();
        ASSERT_EQ(rec.primitives.size(), 7u);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 6; ++c)
                for (int side = 0; side < 2; ++side) {
                    const PlantVertex& p = g_PlantModelAPart5[r + side][c];
                    EXPECT_EQ(rec.primitives[r].vertices[2 * c + side].position,
                              (Point3{p.x * 5, p.y * 5, p.z * 5}));
                }
    }
}

// ---- the tables ----------------------------------------------------------------

struct Part {
    int number;
    RingTable rings;
    Point3 base, tip;
    float width;
};

template <int R, int C>
Part Of(int number, const PlantVertex (&t)[R][C], Point3 base, Point3 tip, float width)
{
    return {number, RingsOf(t, C == 6), base, tip, width};
}

// The parts as the plant's layout gives them: base and tip ring centres,
// and the largest distance between two points of one ring.
const std::vector<Part>& Parts()
{
    static const std::vector<Part> parts = {
        Of(1, g_PlantModelAPart1, {-0.136f, -0.005f, -0.150f}, {-0.396f, 0.178f, -0.105f}, 0.170f),
        Of(2, g_PlantModelAPart2, {0.035f, -0.109f, -0.283f}, {-0.234f, 0.056f, -0.146f}, 0.011f),
        Of(3, g_PlantModelAPart3, {0.035f, -0.109f, -0.283f}, {-0.104f, -0.295f, -0.207f}, 0.011f),
        Of(4, g_PlantModelAPart4, {0.035f, -0.109f, -0.283f}, {0.140f, -0.305f, -0.178f}, 0.011f),
        Of(5, g_PlantModelAPart5, {0.035f, -0.109f, -0.283f}, {0.281f, -0.051f, -0.189f}, 0.011f),
        Of(6, g_PlantModelAPart6, {0.034f, -0.108f, -0.273f}, {-0.075f, -0.013f, 0.069f}, 0.012f),
        Of(7, g_PlantModelAPart7, {0.034f, -0.108f, -0.273f}, {-0.153f, -0.223f, 0.040f}, 0.012f),
        Of(8, g_PlantModelAPart8, {0.034f, -0.108f, -0.273f}, {0.113f, -0.332f, -0.045f}, 0.012f),
        Of(9, g_PlantModelAPart9, {-0.042f, -0.212f, -0.209f}, {-0.145f, -0.388f, -0.202f}, 0.204f),
        Of(10, g_PlantModelAPart10, {0.093f, -0.219f, -0.201f}, {0.160f, -0.383f, -0.155f}, 0.197f),
        Of(11, g_PlantModelAPart11, {0.178f, -0.073f, -0.201f}, {0.400f, -0.045f, -0.171f}, 0.181f),
        Of(12, g_PlantModelAPart12, {0.083f, -0.007f, -0.078f}, {0.219f, 0.211f, 0.089f}, 0.235f),
        Of(13, g_PlantModelAPart13, {-0.015f, -0.063f, -0.011f}, {-0.182f, 0.041f, 0.263f}, 0.210f),
        Of(14, g_PlantModelAPart14, {-0.073f, -0.172f, -0.025f}, {-0.293f, -0.336f, 0.217f}, 0.161f),
        Of(15, g_PlantModelAPart15, {0.077f, -0.231f, -0.072f}, {0.182f, -0.474f, 0.066f}, 0.137f),
    };
    return parts;
}

bool IsStem(const Part& p) { return p.rings.closed; }

const PlantVertex& At(const Part& p, int ring, int column) { return p.rings.At(ring, column); }

Point3 Position(const PlantVertex& v) { return {v.x, v.y, v.z}; }

TEST(PlantModelATables, LayoutsEndPointsAndWidths)
{
    for (const Part& p : Parts()) {
        SCOPED_TRACE("part " + std::to_string(p.number));
        const bool sixRings = p.number == 1 || p.number == 9 || p.number == 14 || p.number == 15;
        const RingTable& t = p.rings;
        EXPECT_EQ(t.rings, IsStem(p) ? 8 : sixRings ? 6 : 7);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(t.Centre(0)[i], p.base[i], 5e-4f) << "base axis " << i;
            EXPECT_NEAR(t.Centre(t.rings - 1)[i], p.tip[i], 5e-4f) << "tip axis " << i;
        }
        EXPECT_NEAR(t.Widest(), p.width, 1e-3f);
        for (int r = 0; r < t.rings; ++r)
            for (int c = 0; c < t.columns; ++c) {
                const PlantVertex& v = At(p, r, c);
                EXPECT_NEAR(std::hypot(v.nx, v.ny, v.nz), 1.0f, 1e-4f) << "ring " << r << " column " << c;
            }
    }
}

TEST(PlantModelATables, WholePlantStaysInItsBox)
{
    const Point3 low = {-0.414f, -0.500f, -0.288f}, high = {0.427f, 0.232f, 0.288f};
    Point3 lo = {1, 1, 1}, hi = {-1, -1, -1};
    for (const Part& p : Parts())
        for (int k = 0; k < p.rings.rings * p.rings.columns; ++k)
            for (int i = 0; i < 3; ++i) {
                lo[i] = std::min(lo[i], Position(p.rings.table[k])[i]);
                hi[i] = std::max(hi[i], Position(p.rings.table[k])[i]);
            }
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(lo[i], low[i] - 1e-3f) << "axis " << i;
        EXPECT_LE(hi[i], high[i] + 1e-3f) << "axis " << i;
        // It fills most of it.
        EXPECT_LT(lo[i], low[i] + 0.03f) << "axis " << i;
        EXPECT_GT(hi[i], high[i] - 0.03f) << "axis " << i;
    }
}

TEST(PlantModelATables, StemsAreClosedTubesEndingInTheirTip)
{
    const float s[6] = {0.9624f, 0.8354f, 0.8672f, 0.8989f, 0.9307f, 0.9624f};
    const float t[7] = {1.6767f, 1.7275f, 1.7783f, 1.8291f, 1.8799f, 1.9306f, 1.9433f};
    for (const Part& p : Parts()) {
        if (!IsStem(p))
            continue;
        SCOPED_TRACE("part " + std::to_string(p.number));
        for (int r = 0; r < 7; ++r) {
            const PlantVertex &first = At(p, r, 0), &last = At(p, r, 5);
            EXPECT_EQ(Position(last), Position(first)) << "ring " << r;
            EXPECT_EQ(last.nx, first.nx);
            EXPECT_EQ(last.s, first.s);
            for (int c = 0; c < 6; ++c) {
                // Ring 0 runs the texture the other way round.
                EXPECT_FLOAT_EQ(At(p, r, c).s, r == 0 ? s[5 - c] : s[c]) << r << ", " << c;
                EXPECT_FLOAT_EQ(At(p, r, c).t, t[r]);
            }
        }
        EXPECT_NEAR(p.rings.Width(6), 0.006f, 1e-3f);
        for (int c = 0; c < 6; ++c) {
            const PlantVertex& v = At(p, 7, c);
            EXPECT_EQ(Position(v), p.tip);
            EXPECT_EQ((Point3{v.nx, v.ny, v.nz}), (Point3{0, 0, 1}));
            EXPECT_FLOAT_EQ(v.s, 0.8354f);
            EXPECT_FLOAT_EQ(v.t, 1.9624f);
        }
    }
}

TEST(PlantModelATables, LeavesAddressTheirPartOfThePicture)
{
    for (const Part& p : Parts()) {
        if (IsStem(p))
            continue;
        SCOPED_TRACE("part " + std::to_string(p.number));
        const int rings = p.rings.rings;
        for (int r = 0; r < rings; ++r) {
            EXPECT_FLOAT_EQ(At(p, r, 2).s, 0.7257f) << "midrib, ring " << r;
            for (int c = 0; c < 5; ++c) {
                const PlantVertex& v = At(p, r, c);
                EXPECT_GE(v.s, 0.506f);
                EXPECT_LE(v.s, 0.945f);
                EXPECT_GE(v.t, 1.006f);
                EXPECT_LE(v.t, 1.667f);
                if (r > 0) {
                    EXPECT_GT(v.t, At(p, r - 1, c).t);  // t grows towards the tip
                }
            }
        }
        EXPECT_LE(At(p, 0, 2).t, 1.022f);
        EXPECT_GE(At(p, rings - 1, 2).t, 1.48f);
    }
}

}  // namespace
