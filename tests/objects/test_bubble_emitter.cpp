// Bubble birth, motion and rebirth.
#include "objects/bubble_emitter.h"
#include "objects/rand_tape.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBirthDraws = 12;   // with the size
constexpr int kRebirthDraws = 11;

// The particle a birth makes from the draws d (the size only when withSize).
PARTICLE BornFrom(const int* d, float speed, bool withSize, float oldSize = 0)
{
    PARTICLE p;
    p.x = float((d[0] % 9) * 0.005);
    p.y = float((d[1] % 9) * 0.005 - 1.0);
    p.z = float((d[2] % 6) * 0.005);
    p.vx = float(((d[3] % 9000) - (d[4] % 9000)) * 7e-6);
    p.vy = float((d[5] % 9000) * 4.2e-5 * speed);
    p.vz = float((d[6] % 9000) * 1e-6);
    p.ay = float(speed * 0.005);
    p.life = 200;
    int next = 7;
    p.size = withSize ? float((d[next++] % 10 + 1) * 0.1) : oldSize;
    p.fade = float((d[next++] % 50) * 0.05);
    p.r = float(d[next++] % 255);
    p.g = float(d[next++] % 255);
    p.b = float(d[next++] % 255);
    return p;
}

void ExpectParticle(const PARTICLE& got, const PARTICLE& want)
{
    const float g[] = {got.x, got.y, got.z, got.vx, got.vy, got.vz, got.ax, got.ay, got.az,
                       got.life, got.fade, got.size, got.r, got.g, got.b};
    const float w[] = {want.x, want.y, want.z, want.vx, want.vy, want.vz, want.ax, want.ay, want.az,
                       want.life, want.fade, want.size, want.r, want.g, want.b};
    for (int i = 0; i < 15; ++i)
        EXPECT_FLOAT_EQ(g[i], w[i]) << "field " << i;
}

TEST(ParticleSystem, InitAllocatesZeroedRecords)
{
    struct Plain : CParticleSystem {
        void Update() override {}
    } system;
    EXPECT_EQ(system.m_nCount, 0);
    EXPECT_EQ(system.m_pParticles, nullptr);
    ASSERT_TRUE(system.Init(5));
    EXPECT_EQ(system.m_nCount, 5);
    for (int i = 0; i < 5; ++i)
        ExpectParticle(system.m_pParticles[i], PARTICLE{});
    // A negative count is refused and leaves no particles behind.
    EXPECT_FALSE(system.Init(-1));
    EXPECT_EQ(system.m_nCount, 0);
    EXPECT_EQ(system.m_nAllocated, 0);
    EXPECT_EQ(system.m_pParticles, nullptr);
}

TEST(BubbleEmitter, StartsHiddenWithoutParticles)
{
    CBubbleEmitter bubbles;
    EXPECT_EQ(bubbles.m_bHidden, 1);
    EXPECT_FLOAT_EQ(bubbles.m_fSpeedFactor, 1.0f);
    EXPECT_EQ(bubbles.m_nCount, 0);
    EXPECT_EQ(bubbles.m_pParticles, nullptr);
    bubbles.SetHidden(FALSE);
    EXPECT_EQ(bubbles.m_bHidden, 0);
    bubbles.SetHidden(7);
    EXPECT_EQ(bubbles.m_bHidden, 1);
}

TEST(BubbleEmitter, InitBirthsEveryBubbleInDrawOrder)
{
    constexpr unsigned kSeed = 99;
    constexpr int kCount = 4;
    const std::vector<int> d = RandFrom(kSeed, kCount * kBirthDraws);
    CBubbleEmitter bubbles;
    ASSERT_TRUE(bubbles.Init(kCount));
    ASSERT_EQ(bubbles.m_nCount, kCount);
    for (int i = 0; i < kCount; ++i) {
        SCOPED_TRACE(i);
        ExpectParticle(bubbles.m_pParticles[i], BornFrom(&d[i * kBirthDraws], 1.0f, true));
    }
    for (int count : {0, 1, 200}) {
        CBubbleEmitter other;
        EXPECT_EQ(DrawsBy([&] { other.Init(count); }), count * kBirthDraws) << count;
    }
    EXPECT_FALSE(CBubbleEmitter().Init(-3));
}

TEST(BubbleEmitter, InitBirthsWithTheLastRendersSpeed)
{
    CBubbleEmitter bubbles;
    bubbles.m_fSpeedFactor = 0.25f;
    const std::vector<int> d = RandFrom(5, kBirthDraws);
    ASSERT_TRUE(bubbles.Init(1));
    ExpectParticle(bubbles.m_pParticles[0], BornFrom(d.data(), 0.25f, true));
}

// Update moves, speeds up and fades each bubble, and renews the ones that
// leave the height range or fade out; the size stays.
TEST(BubbleEmitter, UpdateMovesFadesAndRenews)
{
    struct Case {
        float y, vy, life, fade;
        bool reborn;
    };
    const Case cases[] = {
        {0, 1, 100, 1, false},
        {-24, -0.9f, 100, 0, false},
        {-24, -1, 100, 0, true},        // reaches -25
        {-30, 0, 100, 0, true},         // below the range already
        {139, 0.9f, 100, 0, false},
        {139, 1, 100, 0, true},         // reaches 140
        {10, 0, 1, 0.5f, false},
        {10, 0, 1, 1, true},            // fades to 0
        {10, 0, 0.5f, 2.45f, true},
        {10, 0, 1e6f, 0, false},        // fade 0 never fades out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "y " << c.y << " vy " << c.vy << " life " << c.life << " fade " << c.fade);
        CBubbleEmitter bubbles;
        ASSERT_TRUE(bubbles.Init(1));
        bubbles.m_fSpeedFactor = 0.5f;
        PARTICLE& p = bubbles.m_pParticles[0];
        p = PARTICLE{};
        p.x = 1;
        p.y = c.y;
        p.z = 2;
        p.vx = 0.25f;
        p.vy = c.vy;
        p.vz = -0.5f;
        p.ay = 0.125f;
        p.life = c.life;
        p.fade = c.fade;
        p.size = 0.7f;
        const PARTICLE before = p;

        const std::vector<int> d = RandFrom(kTapeSeed, kRebirthDraws);
        const int draws = DrawsBy([&] { bubbles.Update(); });
        if (c.reborn) {
            EXPECT_EQ(draws, kRebirthDraws);
            ExpectParticle(p, BornFrom(d.data(), 0.5f, false, 0.7f));
        } else {
            EXPECT_EQ(draws, 0);
            PARTICLE moved = before;
            moved.x = 1.25f;
            moved.y = c.y + c.vy;
            moved.z = 1.5f;
            moved.vy = c.vy + 0.125f;
            moved.life = c.life - c.fade;
            ExpectParticle(p, moved);
        }
    }
}

// Restart births every bubble anew under the new speed, sizes kept, and
// runs the first count bubbles for the frames asked; hidden, it changes only
// the count.
TEST(BubbleEmitter, RestartBirthsEveryBubbleAnewUnderTheNewSpeed)
{
    struct Case {
        int divisor;
        float speed;
        int frames;
    };
    for (const Case c : {Case{4, 0.25f, 0}, Case{0, 0.01f, 0}, Case{101, 0.01f, 0}, Case{2, 0.5f, 3}}) {
        SCOPED_TRACE(testing::Message() << "divisor " << c.divisor << ", " << c.frames << " frames");
        CBubbleEmitter bubbles;
        ASSERT_TRUE(bubbles.Init(3));
        bubbles.SetHidden(FALSE);
        float sizes[3];
        for (int i = 0; i < 3; ++i)
            sizes[i] = bubbles.m_pParticles[i].size;
        const std::vector<int> d = RandFrom(kTapeSeed, 3 * kRebirthDraws);
        EXPECT_EQ(DrawsBy([&] { bubbles.Restart(2, c.divisor, c.frames); }), 3 * kRebirthDraws);
        EXPECT_EQ(bubbles.m_nCount, 2);
        EXPECT_FLOAT_EQ(bubbles.m_fSpeedFactor, c.speed);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            PARTICLE want = BornFrom(&d[i * kRebirthDraws], c.speed, false, sizes[i]);
            if (i < 2) {
                // f frames: the speed grows by the acceleration after each
                // step; no bubble of a fresh birth fades out in a few.
                const float f = static_cast<float>(c.frames);
                want.x += f * want.vx;
                want.y += f * want.vy + f * (f - 1) / 2 * want.ay;
                want.z += f * want.vz;
                want.vy += f * want.ay;
                want.life -= f * want.fade;
            }
            const PARTICLE& got = bubbles.m_pParticles[i];
            EXPECT_NEAR(got.x, want.x, 1e-5f);
            EXPECT_NEAR(got.y, want.y, 1e-5f);
            EXPECT_NEAR(got.z, want.z, 1e-5f);
            EXPECT_NEAR(got.vx, want.vx, 1e-7f);
            EXPECT_NEAR(got.vy, want.vy, 1e-6f);
            EXPECT_NEAR(got.ay, want.ay, 1e-7f);
            EXPECT_NEAR(got.life, want.life, 1e-4f);
            EXPECT_FLOAT_EQ(got.fade, want.fade);
            EXPECT_FLOAT_EQ(got.size, want.size);
        }
    }

    CBubbleEmitter hidden;
    ASSERT_TRUE(hidden.Init(3));
    const PARTICLE first = hidden.m_pParticles[0];
    EXPECT_EQ(DrawsBy([&] { hidden.Restart(1, 4, 10); }), 0);
    EXPECT_EQ(hidden.m_nCount, 1);
    ExpectParticle(hidden.m_pParticles[0], first);
}

TEST(BubbleEmitter, UpdateWalksOnlyTheCount)
{
    CBubbleEmitter bubbles;
    ASSERT_TRUE(bubbles.Init(6));
    for (int i = 0; i < 6; ++i) {
        bubbles.m_pParticles[i] = PARTICLE{};
        bubbles.m_pParticles[i].vy = 1;
        bubbles.m_pParticles[i].life = 100;
    }
    bubbles.m_nCount = 2;
    bubbles.Update();
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(bubbles.m_pParticles[i].y, i < 2 ? 1.0f : 0.0f) << i;
    // A count past the records stops at the last record.
    bubbles.m_nCount = 1000;
    bubbles.Update();
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(bubbles.m_pParticles[i].y, i < 2 ? 2.0f : 1.0f) << i;
}

// A bubble born at rest rises, speeding up, until it passes 140 or fades out.
TEST(BubbleEmitter, BubblesKeepRisingThroughManyFrames)
{
    CBubbleEmitter bubbles;
    ASSERT_TRUE(bubbles.Init(200));
    for (int frame = 0; frame < 2000; ++frame) {
        bubbles.Update();
        for (int i = 0; i < 200; ++i) {
            const PARTICLE& p = bubbles.m_pParticles[i];
            ASSERT_GT(p.y, -25.0f);
            ASSERT_LT(p.y, 140.0f);
            ASSERT_GT(p.life, 0.0f);
            ASSERT_LE(p.life, 200.0f);
            ASSERT_GE(p.vy, 0.0f);
        }
    }
}

}  // namespace
