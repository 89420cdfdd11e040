// Drawing the bubbles and the light rays, and what a render changes.
#include "objects/bubble_emitter.h"
#include "objects/rand_tape.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kCapacity = 200;

class BubbleRender : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bubbles.Init(kCapacity));
        bubbles.SetHidden(FALSE);
        CBubbleEmitter::s_fRayPhase = 0;
        CBubbleEmitter::s_bRaysRising = 1;
    }

    // Particles that neither move nor renew in the next update: at rest,
    // apart from a rise of 1 for the ones Update walks.
    void Park()
    {
        for (int i = 0; i < kCapacity; ++i) {
            PARTICLE& p = bubbles.m_pParticles[i];
            p = PARTICLE{};
            p.x = float(i);
            p.y = 10;
            p.z = -float(i);
            p.vy = 1;
            p.life = 100;
            p.size = 0.5f;
        }
    }
    int Moved() const
    {
        int n = 0;
        for (int i = 0; i < kCapacity; ++i)
            n += bubbles.m_pParticles[i].y != 10.0f;
        return n;
    }

    CBubbleEmitter bubbles;
    VertexRecorder recorder;
};

TEST_F(BubbleRender, QuadCornersAndTextureCoordinates)
{
    Park();
    bubbles.m_pParticles[1].size = 0.25f;
    const std::vector<int> d = RandFrom(17, 4);
    bubbles.Render(2, FALSE, 1);
    ASSERT_EQ(recorder.primitives.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const RecordedPrimitive& quad = recorder.primitives[i];
        EXPECT_EQ(quad.mode, GLenum(GL_QUADS));
        ASSERT_EQ(quad.vertices.size(), 4u);
        const float x = float(i + (d[2 * i] % 20) * 0.01);
        const float z = float(-i + (d[2 * i + 1] % 20) * 0.01);
        const float s = i == 0 ? 0.5f : 0.25f;
        const float corners[4][4] = {
            {0, 0, x - s, 10 - s}, {1, 0, x - s, 10 + s}, {1, 1, x + s, 10 + s}, {0, 1, x + s, 10 - s}};
        for (int k = 0; k < 4; ++k) {
            const RecordedVertex& v = quad.vertices[k];
            EXPECT_FLOAT_EQ(v.texCoord[0], corners[k][0]) << k;
            EXPECT_FLOAT_EQ(v.texCoord[1], corners[k][1]) << k;
            EXPECT_FLOAT_EQ(v.position[0], corners[k][2]) << k;
            EXPECT_FLOAT_EQ(v.position[1], corners[k][3]) << k;
            EXPECT_FLOAT_EQ(v.position[2], z) << k;
        }
    }
    EXPECT_TRUE(recorder.colors.empty());
}

// The count is the settings' 200 - bubble count, held to the particles there are.
TEST_F(BubbleRender, DrawsAndMovesTheFirstNBubbles)
{
    struct Case {
        int n, drawn;
    };
    const Case cases[] = {{200 - 0, 200}, {200 - 200, 0}, {200 - 150, 50}, {1, 1}, {250, 200}, {-10, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        Park();
        recorder.primitives.clear();
        EXPECT_EQ(DrawsBy([&] { bubbles.Render(c.n, FALSE, 1); }), 2 * c.drawn);
        EXPECT_EQ(bubbles.m_nCount, c.drawn);
        EXPECT_EQ(recorder.primitives.size(), size_t(c.drawn));
        EXPECT_EQ(Moved(), c.drawn);
        for (int i = 0; i < c.drawn; ++i)
            EXPECT_FLOAT_EQ(bubbles.m_pParticles[i].y, 11.0f);
    }
}

// With a sequence of its own the emitter draws, jitters and renews bubbles
// as before but takes nothing from crt::rand; switched back, it takes its
// two jitter values per bubble again.
TEST_F(BubbleRender, OwnRandomLeavesTheSharedSequenceAlone)
{
    Park();
    bubbles.m_pParticles[3].life = 0.5f;  // renewed in this render
    bubbles.m_pParticles[3].fade = 1;
    bubbles.SetOwnRandom(TRUE);
    EXPECT_EQ(DrawsBy([&] { bubbles.Render(kCapacity, FALSE, 1); }), 0);
    EXPECT_EQ(recorder.primitives.size(), size_t(kCapacity));
    const PARTICLE& renewed = bubbles.m_pParticles[3];
    EXPECT_GE(renewed.y, -1.0f);
    EXPECT_LE(renewed.y, -1.0f + 8 * 0.005f + 1e-6f);
    EXPECT_FLOAT_EQ(renewed.life, 200.0f);
    // Each bubble is drawn once, in whatever order; the jitter still varies
    // from bubble to bubble: 0 to 0.19 on x and z. A parked bubble i stands
    // at x = i, z = -i.
    int jittered = 0;
    std::vector<int> drawn(kCapacity, 0);
    for (const RecordedPrimitive& quad : recorder.primitives) {
        const float z = quad.vertices[0].position[2];
        const int i = int(std::lround(-z));
        ASSERT_GE(i, 0);
        ASSERT_LT(i, kCapacity);
        ++drawn[size_t(i)];
        const float offset = quad.vertices[0].position[0] + 0.5f - float(i);
        EXPECT_GE(offset, -1e-4f) << i;
        EXPECT_LE(offset, 0.19f + 1e-4f) << i;
        EXPECT_GE(z + float(i), -1e-4f) << i;
        EXPECT_LE(z + float(i), 0.19f + 1e-4f) << i;
        jittered += offset > 1e-4f;
    }
    EXPECT_EQ(drawn, std::vector<int>(kCapacity, 1));
    EXPECT_GT(jittered, kCapacity / 2);

    bubbles.SetOwnRandom(FALSE);
    Park();
    EXPECT_EQ(DrawsBy([&] { bubbles.Render(kCapacity, FALSE, 1); }), 2 * kCapacity);
}

TEST_F(BubbleRender, HiddenChangesOnlyTheCount)
{
    Park();
    bubbles.SetHidden(TRUE);
    EXPECT_EQ(DrawsBy([&] { bubbles.Render(30, TRUE, 4); }), 0);
    EXPECT_EQ(bubbles.m_nCount, 30);
    EXPECT_TRUE(recorder.primitives.empty());
    EXPECT_EQ(Moved(), 0);
    EXPECT_FLOAT_EQ(bubbles.m_fSpeedFactor, 1.0f);
    EXPECT_FLOAT_EQ(CBubbleEmitter::s_fRayPhase, 0.0f);
}

// The speed factor of later births: 1 / divisor in 1..100, the slowest 0.01 otherwise.
TEST_F(BubbleRender, SpeedFactorFromTheDivisor)
{
    const std::pair<int, float> cases[] = {{1, 1.0f},   {4, 0.25f},  {100, 0.01f},
                                           {0, 0.01f},  {-3, 0.01f}, {1000, 0.01f}};
    for (const auto& [divisor, factor] : cases) {
        bubbles.m_fSpeedFactor = 7;
        bubbles.Render(0, FALSE, divisor);
        EXPECT_FLOAT_EQ(bubbles.m_fSpeedFactor, factor) << divisor;
    }
    // It sets before the update, so a bubble renewed in the same render rises at the new speed.
    Park();
    bubbles.m_pParticles[0].life = 0.5f;
    bubbles.m_pParticles[0].fade = 1;
    bubbles.Render(1, FALSE, 4);
    EXPECT_FLOAT_EQ(bubbles.m_pParticles[0].ay, 0.25f * 0.005f);
}

TEST_F(BubbleRender, RaysQuadBehindTheBubbles)
{
    EXPECT_EQ(DrawsBy([&] { bubbles.Render(0, TRUE, 1); }), 0);
    ASSERT_EQ(recorder.primitives.size(), 1u);
    const RecordedPrimitive& quad = recorder.primitives[0];
    EXPECT_EQ(quad.mode, GLenum(GL_QUADS));
    ASSERT_EQ(quad.vertices.size(), 4u);
    const float u = 0.0001f;
    const float corners[4][4] = {{u, 0, -180, -110}, {u + 1, 0, 200, -110}, {u + 1, 1, 200, 204}, {u, 1, -180, 204}};
    for (int k = 0; k < 4; ++k) {
        const RecordedVertex& v = quad.vertices[k];
        EXPECT_FLOAT_EQ(v.texCoord[0], corners[k][0]) << k;
        EXPECT_FLOAT_EQ(v.texCoord[1], corners[k][1]) << k;
        EXPECT_FLOAT_EQ(v.position[0], corners[k][2]) << k;
        EXPECT_FLOAT_EQ(v.position[1], corners[k][3]) << k;
        EXPECT_FLOAT_EQ(v.position[2], -108.0f) << k;
    }
    // Drawn after the bubbles.
    recorder.primitives.clear();
    bubbles.Render(3, TRUE, 1);
    ASSERT_EQ(recorder.primitives.size(), 4u);
    EXPECT_FLOAT_EQ(recorder.primitives[3].vertices[0].position[2], -108.0f);
}

TEST_F(BubbleRender, RayPhaseTurnsPastAHundredth)
{
    struct Case {
        float phase;
        BYTE rising;
        float after;
        BYTE risingAfter;
    };
    const Case cases[] = {
        {0, 1, 0.0001f, 1},
        {0.005f, 0, 0.0049f, 0},
        {0.00995f, 1, 0.01005f, 0},
        {0.01005f, 0, 0.00995f, 0},
        {-0.00995f, 0, -0.01005f, 1},
        {-0.01005f, 1, -0.00995f, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        CBubbleEmitter::s_fRayPhase = c.phase;
        CBubbleEmitter::s_bRaysRising = c.rising;
        bubbles.Render(0, TRUE, 1);
        EXPECT_NEAR(CBubbleEmitter::s_fRayPhase, c.after, 1e-7);
        EXPECT_EQ(CBubbleEmitter::s_bRaysRising, c.risingAfter);
    }
    // Without rays the phase stays.
    CBubbleEmitter::s_fRayPhase = 0.003f;
    bubbles.Render(0, FALSE, 1);
    EXPECT_FLOAT_EQ(CBubbleEmitter::s_fRayPhase, 0.003f);
}

// Over many renders the phase swings between the two turning points, and
// every emitter moves the same phase.
TEST_F(BubbleRender, RayPhaseSwingsAndIsShared)
{
    CBubbleEmitter other;
    ASSERT_TRUE(other.Init(1));
    other.SetHidden(FALSE);
    float lowest = 0, highest = 0;
    int turns = 0;
    BYTE rising = 1;
    for (int i = 0; i < 1000; ++i) {
        (i % 2 ? other : bubbles).Render(0, TRUE, 1);
        lowest = std::min(lowest, CBubbleEmitter::s_fRayPhase);
        highest = std::max(highest, CBubbleEmitter::s_fRayPhase);
        turns += CBubbleEmitter::s_bRaysRising != rising;
        rising = CBubbleEmitter::s_bRaysRising;
    }
    EXPECT_NEAR(highest, 0.0101f, 2e-6);
    EXPECT_NEAR(lowest, -0.0101f, 2e-6);
    EXPECT_EQ(turns, 5);  // after 101 steps, then every 202
}

}  // namespace
