// The common plant head without a GL context: the bend matrix, vertex
// emission, the strip emitter, and the sway wave and swing ramp.
#include "scenery/plant_model.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr float kStretch = 5;
const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class TestPlant : public CPlantModel {
public:
    TestPlant() : CPlantModel(4) {}
    using CPlantModel::EmitEdges;
    using CPlantModel::EmitGrid;
};

void ExpectMatrix(const float* m, const float* want)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m[i], want[i], 1e-6f) << "element " << i;
}

TEST(PlantHead, StartsAsTheLayoutSays)
{
    TestPlant p;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.m_fRotation[i], 0.0f);
        EXPECT_EQ(p.m_fPosition[i], 0.0f);
        EXPECT_EQ(p.m_fScale[i], 5.0f);
    }
    EXPECT_EQ(p.m_bEnabled, 1);
    EXPECT_EQ(p.m_fSwayPhase, 5.0f);
    EXPECT_EQ(p.Init(), TRUE);
}

TEST(PlantHead, SetRotationGivesTheIdentityForNoAngleOrNoAxis)
{
    struct Case {
        float angle, x, y, z;
    };
    for (const Case& c : {Case{0, 0, 0, 1}, Case{0, 1, 1, 1}, Case{37, 0, 0, 0}, Case{-90, 0, 0, 0}}) {
        TestPlant p;
        p.SetRotation(25, 1, 0, 0);  // something else first: the call sets, it does not multiply
        p.SetRotation(c.angle, c.x, c.y, c.z);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(p.m_fBendMatrix[i], kIdentity[i]) << "angle " << c.angle << " element " << i;
    }
}

TEST(PlantHead, SetRotationTurnsByDegreesAboutTheNormalisedAxis)
{
    TestPlant p;
    p.SetRotation(90, 0, 0, 7);  // column-major: x goes to y
    const float quarterAboutZ[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    ExpectMatrix(p.m_fBendMatrix, quarterAboutZ);
}

TEST(PlantHead, EmitVertexMovesThePointButNotTheNormal)
{
    TestPlant p;
    VertexRecorder rec;
    p.SetRotation(0, 0, 0, 1);
    p.EmitVertex(1.5f, -2, 3, 0.6f, 0, 0.8f, 0.25f, 1.5f);
    p.SetRotation(90, 0, 0, 1);
    p.EmitVertex(1, 2, 3, 1, 0, 0, 0.5f, 1.75f);
    ASSERT_EQ(rec.VertexCount(), 2u);
    const auto& same = rec.primitives[0].vertices[0];
    EXPECT_EQ(same.position, (std::array<float, 3>{1.5f, -2, 3}));
    EXPECT_EQ(same.normal, (std::array<float, 3>{0.6f, 0, 0.8f}));
    EXPECT_EQ(same.texCoord, (std::array<float, 2>{0.25f, 1.5f}));
    const auto& turned = rec.primitives[0].vertices[1];
    EXPECT_NEAR(turned.position[0], -2, 1e-6);
    EXPECT_NEAR(turned.position[1], 1, 1e-6);
    EXPECT_NEAR(turned.position[2], 3, 1e-6);
    EXPECT_EQ(turned.normal, (std::array<float, 3>{1, 0, 0}));
    EXPECT_EQ(turned.texCoord, (std::array<float, 2>{0.5f, 1.75f}));
}

// Four rows on the left, two on the right: each right point serves two rows.
const PlantVertex kLeft[4] = {
    {0, 0, 0, 0, 0, 1, 0, 1}, {0, 1, 0, 0, 0, 1, 0, 1.25f}, {0, 2, 0, 0, 0, 1, 0, 1.5f}, {0, 3, 0, 0, 0, 1, 0, 1.75f}};
const PlantVertex kRight[2] = {{1, 0, 0, 0, 1, 0, 1, 1}, {1, 2, 0, 0, 1, 0, 1, 1.5f}};

TEST(PlantStrip, StaticStripSendsScaledPointsPastTheBendMatrix)
{
    TestPlant p;
    p.SetScale(2, 3, 4);
    p.SetRotation(90, 0, 0, 1);  // must not apply
    VertexRecorder rec;
    p.EmitEdges(kLeft, kRight, 4, 2, nullptr);
    ASSERT_EQ(rec.primitives.size(), 1u);
    EXPECT_EQ(rec.primitives[0].mode, GLenum(GL_QUAD_STRIP));
    const auto& v = rec.primitives[0].vertices;
    ASSERT_EQ(v.size(), 8u);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(v[2 * r].position, (std::array<float, 3>{0, 3.0f * r, 0}));
        EXPECT_EQ(v[2 * r + 1].position, (std::array<float, 3>{2, 3.0f * (r / 2 * 2), 0})) << "row " << r;
        EXPECT_EQ(v[2 * r + 1].normal, (std::array<float, 3>{0, 1, 0}));
        EXPECT_EQ(v[2 * r + 1].texCoord[1], kRight[r / 2].t);
    }
}

TEST(PlantStrip, MovingStripBendsEachRowAndSwaysItsPoints)
{
    TestPlant p;
    p.SetScale(2, 3, 4);
    const float bend[5] = {0, 90, 0, 90, 0};
    const float sway[5] = {0, 0.5f, 1, 1.5f, 2};
    const LeafMotion motion{
        .bend = bend, .bendAxis = {0, 0, 1}, .sway = sway, .swayScale = {0, 10, 0}, .secondPointSwayRow = 1};
    VertexRecorder rec;
    p.EmitEdges(kLeft, kLeft, 4, 1, &motion);
    const auto& v = rec.primitives.at(0).vertices;
    ASSERT_EQ(v.size(), 8u);
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 2; ++k) {
            const float y = 3.0f * r + 10 * sway[r + k];  // the second point takes the next row's sway
            const bool turned = bend[r] == 90;            // a quarter turn about z: (0, y) goes to (-y, 0)
            EXPECT_NEAR(v[2 * r + k].position[0], turned ? -y : 0, 1e-5) << "row " << r << " point " << k;
            EXPECT_NEAR(v[2 * r + k].position[1], turned ? 0 : y, 1e-5) << "row " << r << " point " << k;
            EXPECT_EQ(v[2 * r + k].normal, (std::array<float, 3>{0, 0, 1}));
        }
    }
}

// A ring mesh of three rings of two points, [ring][point], the rings along z.
const PlantVertex kRings[3][2] = {
    {{1, 0, 0, 1, 0, 0, 0.1f, 1}, {0, 1, 0, 0, 1, 0, 0.2f, 1}},
    {{1, 0, 1, 1, 0, 0, 0.1f, 1.5f}, {0, 1, 1, 0, 1, 0, 0.2f, 1.5f}},
    {{1, 0, 2, 1, 0, 0, 0.1f, 2}, {0, 1, 2, 0, 1, 0, 0.2f, 2}},
};

// (x, y, z) turned by degrees about the y axis.
std::array<float, 3> AboutY(std::array<float, 3> p, float degrees)
{
    const double a = degrees * 0.017453292519943295, c = std::cos(a), s = std::sin(a);
    return {static_cast<float>(c * p[0] + s * p[2]), p[1], static_cast<float>(-s * p[0] + c * p[2])};
}

TEST(PlantStrip, RingMeshReadsItsMotionByRing)
{
    // As a leaf whose ring k turns by 2 x bend[4 - k], lifted along y by
    // lift[k] on the strips' second rings only, point 1 never lifted.
    const float bend[5] = {0, 0, 10, 20, 30};
    const float lift[3] = {0.5f, 0.25f, 0.125f};
    const LeafMotion motion{.bend = bend,
                            .bendAxis = {0, 1, 0},
                            .bendBy = MotionBy::Line,
                            .bendBase = 4,
                            .bendStep = -1,
                            .bendGain = 2,
                            .sway = lift,
                            .swayScale = {0, 1, 0},
                            .swayBy = MotionBy::Line,
                            .swaySides = 2,
                            .stillPoints = 1u << 1};
    TestPlant p;
    p.SetScale(2, 2, 2);
    VertexRecorder rec;
    p.EmitGrid(kRings, 2, &motion);
    ASSERT_EQ(rec.primitives.size(), 2u);  // one strip between each pair of rings
    for (int strip = 0; strip < 2; ++strip) {
        const auto& v = rec.primitives[strip].vertices;
        ASSERT_EQ(v.size(), 4u);
        for (int point = 0; point < 2; ++point) {
            for (int side = 0; side < 2; ++side) {
                const int ring = strip + side;
                const PlantVertex& q = kRings[ring][point];
                const float y = q.y * 2 + (side == 1 && point == 0 ? lift[ring] : 0.0f);
                const auto want = AboutY({q.x * 2, y, q.z * 2}, 2 * bend[4 - ring]);
                const auto& got = v[2 * point + side];
                for (int i = 0; i < 3; ++i)
                    EXPECT_NEAR(got.position[i], want[i], 1e-5f) << "ring " << ring << " point " << point;
                EXPECT_EQ(got.normal, (std::array<float, 3>{q.nx, q.ny, q.nz}));  // never turned
                EXPECT_EQ(got.texCoord, (std::array<float, 2>{q.s, q.t}));
            }
        }
    }
}

TEST(PlantStrip, AdjustMovesThePointBeforeTheBend)
{
    // Points after the first stretched 5 times along z, then a quarter turn about y.
    const float bend[3] = {90, 90, 90};
    const LeafMotion motion{.bend = bend,
                            .bendAxis = {0, 1, 0},
                            .adjust = [](const StripVertex& v, float q[3], const void* context) {
                                if (v.point >= 1)
                                    q[2] *= *static_cast<const float*>(context);
                            },
                            .context = &kStretch};
    TestPlant p;
    p.SetScale(1, 1, 1);
    VertexRecorder rec;
    p.EmitEdges(kRings[1], kRings[2], 2, 1, &motion);
    const auto& v = rec.primitives.at(0).vertices;
    ASSERT_EQ(v.size(), 4u);
    // Point 1 of the first edge: (0, 1, 1), z stretched to 5, turned to (5, 1, 0).
    EXPECT_NEAR(v[2].position[0], 5, 1e-5f);
    EXPECT_NEAR(v[2].position[2], 0, 1e-5f);
    // Point 0 of the second edge: (1, 0, 2), kept, turned to (2, 0, -1).
    EXPECT_NEAR(v[1].position[0], 2, 1e-5f);
    EXPECT_NEAR(v[1].position[2], -1, 1e-5f);
}

// ---- indexed meshes -----------------------------------------------------------

const float kPositions[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
const float kNormals[2][3] = {{0, 0, 1}, {0, 0, -1}};
const float kTexCoords[2][2] = {{0, 1}, {1, 2}};

TEST(IndexedTriangles, FacesReachingOutsideTheirTablesAreLeftOut)
{
    const short faces[4][9] = {
        {0, 1, 2, 0, 0, 1, 0, 1, 1},
        {0, 1, 3, 0, 0, 0, 0, 0, 0},   // position 3 does not exist
        {2, 1, 0, 1, 1, 1, 1, 1, -1},  // nor texture coordinate -1
        {2, 2, 2, 1, 0, 1, 1, 0, 0},
    };
    const IndexedTriangles mesh{faces, 4, kPositions, 3, kNormals, 2, kTexCoords, 2};
    const float scale[3] = {2, 3, 4};
    VertexRecorder rec;
    CBendEmitter::EmitIndexedTriangles(mesh, scale);
    ASSERT_EQ(rec.primitives.size(), 1u);
    EXPECT_EQ(rec.primitives[0].mode, GLenum(GL_TRIANGLES));
    const auto& v = rec.primitives[0].vertices;
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[1].position, (std::array<float, 3>{2, 0, 0}));
    EXPECT_EQ(v[2].position, (std::array<float, 3>{0, 3, 0}));
    EXPECT_EQ(v[2].normal, (std::array<float, 3>{0, 0, -1}));
    EXPECT_EQ(v[2].texCoord, (std::array<float, 2>{1, 2}));
    EXPECT_EQ(v[2].texCoord1, v[2].texCoord);  // also for the scene's lists
    EXPECT_EQ(v[4].normal, (std::array<float, 3>{0, 0, 1}));
}

TEST(IndexedTriangles, TablePointsAreReadWithinTheirTables)
{
    const PlantVertex inside = VertexFromTables(kPositions, 3, 2, kNormals, 2, 1, kTexCoords, 2, 1);
    EXPECT_EQ(inside.y, 1.0f);
    EXPECT_EQ(inside.nz, -1.0f);
    EXPECT_EQ(inside.t, 2.0f);
    // An index outside a table reads its first entry; an empty table reads 0s.
    const PlantVertex outside = VertexFromTables(kPositions, 3, 3, kNormals, 2, -1, nullptr, 0, 7);
    EXPECT_EQ(outside.x, 0.0f);
    EXPECT_EQ(outside.nz, 1.0f);
    EXPECT_EQ(outside.s, 0.0f);
    EXPECT_EQ(outside.t, 0.0f);
}

// ---- the sway wave ----------------------------------------------------------

TEST(SwayWave, PhaseMovesOnEveryThirdCallOnly)
{
    CSwayWave wave;
    wave.m_fPhaseSpeed = 0.25f;
    float phase = 1.0f;
    float out[4];
    const float want[] = {1, 1, 1.25f, 1.25f, 1.25f, 1.5f, 1.5f, 1.5f, 1.75f};
    for (float w : want) {
        wave.Compute(SwayShape{0.01}, phase, 0.5f, out, 4);
        EXPECT_EQ(phase, w);
    }
}

TEST(SwayWave, CadenceSetsWhichCallsMoveThePhase)
{
    struct Case {
        int cadence;
        std::vector<int> moving;  // the calls (from 1) on which the phase moves
    };
    const Case cases[] = {
        {1, {3, 6, 9, 12, 15, 18, 21, 24}},  // the common plants
        {2, {4, 8, 12, 16, 20, 24}},         // the anemone
        {10, {12, 24}},                      // the plant group
    };
    for (const Case& c : cases) {
        int counter = 0;
        float phase = 0.0f;
        std::vector<int> moved;
        for (int call = 1; call <= 24; ++call) {
            const float before = phase;
            StepSwayPhase(counter, c.cadence, phase, 0.1f);
            if (phase != before)
                moved.push_back(call);
        }
        EXPECT_EQ(moved, c.moving) << "cadence " << c.cadence;
    }
}

TEST(SwayWave, PhaseRestartsAtZeroOnlyAbove2Pi)
{
    struct Case {
        float before, speed, after;
    };
    const Case cases[] = {
        {kPlantTwoPi, 0.0f, kPlantTwoPi},  // exactly 2 pi stays
        {6.3f, 0.0f, 0.0f},                // above it restarts at 0, not 2 pi less
        {6.2f, 0.1f, 0.0f},                // the step that passes 2 pi, in the same call
        {6.0f, 0.2f, 6.2f},
    };
    for (const Case& c : cases) {
        CSwayWave wave;
        wave.m_fPhaseSpeed = c.speed;
        wave.m_nSwayCounter = 2;  // this call steps
        float phase = c.before;
        float out[3];
        wave.Compute(SwayShape{0.01}, phase, 0.5f, out, 3);
        EXPECT_FLOAT_EQ(phase, c.after) << "from " << c.before;
        EXPECT_FLOAT_EQ(out[1], static_cast<float>(std::sin(0.5 + c.after) * 0.01));
    }
}

TEST(SwayWave, ShapesTheWaveAndKeepsTheRootStill)
{
    struct Case {
        SwayShape shape;
        int n;
    };
    const Case cases[] = {
        {{.amplitude = 0.01}, 13},
        {{.amplitude = 0.00075, .gainBase = 0, .gainStep = 1, .stillRows = 3}, 14},
        {{.amplitude = 0.01}, 0},  // the root entry is cleared even then
        {{.amplitude = 0.00075, .gainBase = 0, .gainStep = 1, .stillRows = 3}, 2},
        {{.amplitude = 0.1, .gainBase = 3, .gainStep = -1, .stillRows = 0}, 4},  // falls to the base, root moves
    };
    for (const Case& c : cases) {
        CSwayWave wave;
        float phase = 2.0f;
        std::vector<float> out(16, 9.0f);
        wave.Compute(c.shape, phase, 0.4f, out.data(), c.n);
        for (int i = 0; i < 16; ++i) {
            float want = 9.0f;  // untouched
            if (i < c.shape.stillRows)
                want = 0.0f;
            else if (i < c.n)
                want = static_cast<float>(std::sin(static_cast<double>(i * 0.4f + 2.0f)) *
                                          (c.shape.gainBase + c.shape.gainStep * i) * c.shape.amplitude);
            EXPECT_FLOAT_EQ(out[i], want) << "n " << c.n << " entry " << i;
        }
    }
}

TEST(SwayWave, AClosingRingRepeatsItsLastEntryFirst)
{
    float out[6];
    FillSwayWave(SwayShape{.amplitude = 0.02, .stillRows = 1, .closesRing = true}, 0.3f, 0.7f, out, 6);
    EXPECT_EQ(out[0], out[5]);
    EXPECT_FLOAT_EQ(out[5], static_cast<float>(std::sin(static_cast<double>(5 * 0.7f + 0.3f)) * 0.02));
    EXPECT_FLOAT_EQ(out[1], static_cast<float>(std::sin(static_cast<double>(0.7f + 0.3f)) * 0.02));
}

// ---- the shared sway angle --------------------------------------------------

TEST(SharedSwayAngle, SweepsBetweenItsTurningPoints)
{
    struct Case {
        double step;
        bool testSum;
        int firstTurn, secondTurn;  // the calls on which it turns down, then up
        float peak;
    };
    const Case cases[] = {
        {0.01f, false, 500, 1500, 5.00002f},  // a single-precision step, the stored angle tested
        {0.04, true, 126, 378, 5.04f},        // a double step, the unrounded sum tested
    };
    for (const Case& c : cases) {
        CSharedSwayAngle a;
        std::vector<int> turns;
        float highest = 0.0f, lowest = 0.0f;
        for (int call = 1; call <= 2000; ++call) {
            const BYTE before = a.m_bRising;
            a.Step(c.step, -5.0, 5.0, c.testSum);
            highest = std::max(highest, a.m_fAngle);
            lowest = std::min(lowest, a.m_fAngle);
            if (a.m_bRising != before)
                turns.push_back(call);
        }
        ASSERT_GE(turns.size(), 2u) << c.step;
        EXPECT_EQ(turns[0], c.firstTurn) << c.step;
        EXPECT_EQ(turns[1], c.secondTurn) << c.step;
        EXPECT_NEAR(highest, c.peak, 1e-3f) << c.step;
        EXPECT_NEAR(lowest, -c.peak, 1e-3f) << c.step;
    }
}

// ---- the swing ramp ---------------------------------------------------------

TEST(SwingRamp, StepsOnTheThirdCallBetweenTheLimits)
{
    struct Case {
        float swing, rate, limit;
        BYTE up;
        float wantSwing;
        BYTE wantUp;
    };
    const Case cases[] = {
        {2.0f, 0.5f, 10, 1, 2.5f, 1},
        {2.0f, 0.5f, 10, 0, 1.5f, 0},
        {9.75f, 0.5f, 10, 1, 9.5f, 0},  // passes the top: clamped, turned and stepped down once
        {10.0f, 0.5f, 10, 1, 9.5f, 0},
        {9.5f, 0.5f, 10, 1, 10.0f, 1},     // reaching the limit exactly is not passing it
        {-9.75f, 0.5f, 10, 0, -10.0f, 1},  // passes the bottom: clamped and turned, no step up
        {30.0f, 0.5f, 20, 0, 29.5f, 0},    // above a smaller limit while falling: only steps down
        {30.0f, 0.5f, 20, 1, 19.5f, 0},
    };
    for (const Case& c : cases) {
        CSwingRamp ramp;
        ramp.m_fSwing = c.swing;
        ramp.m_fSwingRate = c.rate;
        BYTE up = c.up;
        float out[4];
        ramp.Compute(out, 4, c.limit, 1, up);
        ramp.Compute(out, 4, c.limit, 1, up);
        EXPECT_EQ(ramp.m_fSwing, c.swing) << "the first two calls do not step";
        ramp.Compute(out, 4, c.limit, 1, up);
        EXPECT_FLOAT_EQ(ramp.m_fSwing, c.wantSwing) << "from " << c.swing << (c.up ? " up" : " down");
        EXPECT_EQ(up, c.wantUp) << "from " << c.swing;
        EXPECT_EQ(ramp.m_nSwingCounter, 0);
    }
}

TEST(SwingRamp, BendGrowsLinearlyFromTheRoot)
{
    CSwingRamp ramp;
    ramp.m_fSwing = 6.5f;
    BYTE up = 1;
    float out[13];
    ramp.Compute(out, 13, 10, 4, up);
    for (int i = 0; i < 13; ++i)
        EXPECT_FLOAT_EQ(out[i], i * (6.5f / 13) * 4) << i;
    EXPECT_EQ(out[0], 0.0f);
}

TEST(SwingRamp, ASharedFlagTurnsEveryRampThatUsesIt)
{
    BYTE shared = 1;
    CSwingRamp a, b;
    a.m_fSwingRate = b.m_fSwingRate = 1;
    a.m_fSwing = 9.5f;
    b.m_fSwing = 0;
    a.m_nSwingCounter = b.m_nSwingCounter = 2;
    float out[2];
    a.Compute(out, 2, 10, 1, shared);  // a turns at its top
    EXPECT_EQ(shared, 0);
    b.Compute(out, 2, 10, 1, shared);  // so b falls
    EXPECT_EQ(b.m_fSwing, -1.0f);
}

}  // namespace
