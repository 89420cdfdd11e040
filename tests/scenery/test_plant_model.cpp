// The common plant head without a GL context: the bend matrix, vertex
// emission, the strip emitter, and the sway wave and swing ramp.
#include "scenery/plant_model.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class TestPlant : public CPlantModel {
public:
    TestPlant() : CPlantModel(4) {}
    using CPlantModel::EmitEdges;
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
