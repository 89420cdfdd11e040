// The fish kinds outside the species table: each is registered with the
// number of arrays the game window keeps of it, and a kind's fish, should
// one ever be built, starts with the template's defaults, its own wave
// blocks, and four random draws in a fixed order.
#include "fish/fish_kind_a.h"
#include "fish/fish_kind_b.h"
#include "fish/fish_kind_c.h"
#include "fish/fish_kind_d.h"
#include "fish/fish_kind_e.h"
#include "fish/fish_kind.h"
#include "fish/fish_registry.h"
#include "fish_test_util.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

constexpr float kPi = 3.14159265f;

struct Block {
    float waveNumber, amplitude, step;
};
constexpr Block kNone = {0, 0, 0};
constexpr Block B(float n, float a, float s) { return {kPi / n, a, kPi / s}; }

struct KindCase {
    const char* name;
    int arrays;
    std::function<std::unique_ptr<CFishModel>()> make;
    std::vector<Block> blocks4On;  // blocks 4 onward, in order
};

const KindCase kKinds[] = {
    {"A", 1, [] { return std::make_unique<CFishKindA>(); },
     {B(16, 0.005f, 6), kNone, B(16, 0.01f, 6), kNone, B(16, 0.03f, 6), kNone, B(16, 0.01f, 6), B(10, 0.02f, 4),
      B(4, 0.02f, 6)}},
    {"B", 2, [] { return std::make_unique<CFishKindB>(); },
     {B(16, 0.005f, 6), kNone, B(8, 0.03f, 6), kNone, B(16, 0.02f, 2), kNone, B(16, 0.01f, 6), B(10, 0.02f, 4)}},
    {"C", 1, [] { return std::make_unique<CFishKindC>(); },
     {B(16, 0.005f, 6), kNone, B(16, 0.03f, 4), kNone, B(16, 0.03f, 4), kNone, B(16, 0.01f, 6), B(10, 0.02f, 4)}},
    {"D", 2, [] { return std::make_unique<CFishKindD>(); },
     {B(5, 0.005f, 8), B(5, 0.005f, 8), B(24, 0.04f, 8), kNone, B(20, 0.01f, 8), B(2, 0.02f, 6), B(4, 0.008f, 6),
      B(4, 0.05f, 24)}},
    {"E", 2, [] { return std::make_unique<CFishKindE>(); },
     {B(5, 0.01f, 8), B(5, 0.01f, 8), B(24, 0.05f, 8), B(16, 0.05f, 6), B(20, 0.02f, 8), kNone, B(4, 0.01f, 6),
      B(2, 0.01f, 24), kNone}},
};

TEST(FishKinds, EachIsRegisteredOnceWithItsArrays)
{
    for (const KindCase& k : kKinds) {
        int found = 0;
        for (const FishKind* kind : RegisteredFishKinds())
            if (std::string(kind->name) == k.name) {
                ++found;
                EXPECT_EQ(kind->arrays, k.arrays) << k.name;
                const auto array = kind->makeArray();
                EXPECT_EQ(array->GetSize(), 0) << k.name << ": made empty";
            }
        EXPECT_EQ(found, 1) << k.name;
    }
}

TEST(FishKinds, ConstructorDrawsPitchTwoRampCountersAndTheWanderTimer)
{
    for (const KindCase& k : kKinds) {
        EXPECT_EQ(RandDraws([&] { k.make(); }), 4) << k.name;
        for (unsigned seed : {1u, 31u}) {
            crt::srand(seed);
            const auto fish = k.make();
            EXPECT_EQ(fish->m_fPitch, static_cast<float>(RandValue(0, seed) % 45)) << k.name;
            EXPECT_EQ(fish->m_Wave[1].counter, RandValue(1, seed) % 15) << k.name << ": block 2";
            EXPECT_EQ(fish->m_Wave[2].counter, RandValue(2, seed) % 15) << k.name << ": block 3";
            EXPECT_EQ(fish->m_nWanderTimer, RandValue(3, seed) % 200) << k.name;
        }
    }
}

TEST(FishKinds, DefaultsAndWaveBlocks)
{
    for (const KindCase& k : kKinds) {
        const auto fish = k.make();
        EXPECT_EQ(fish->m_bAlive, 1) << k.name;
        EXPECT_EQ(fish->m_nSize, 5) << k.name;
        EXPECT_EQ(fish->m_bStroke, 1) << k.name;
        EXPECT_FLOAT_EQ(fish->m_fSpeed, 0.1f) << k.name;
        EXPECT_EQ(fish->m_nSwimState, 8) << k.name;
        EXPECT_EQ(fish->m_nDrawVariant, 0) << k.name;
        EXPECT_EQ(fish->m_bHit, 0) << k.name;
        EXPECT_EQ(fish->Class().segments, 15) << k.name;
        ASSERT_EQ(fish->Class().waves.size(), 3 + k.blocks4On.size()) << k.name;
        EXPECT_TRUE(fish->Class().parts.empty()) << k.name << " has no mesh";
        // Block 1 the body wave, blocks 2 and 3 ramps of slope 0.003.
        EXPECT_NEAR(fish->m_Wave[0].waveNumber, kPi / 12, 1e-6) << k.name;
        EXPECT_FLOAT_EQ(fish->m_Wave[0].amplitude, 0.1f) << k.name;
        EXPECT_NEAR(fish->m_Wave[0].phaseStep, kPi / 4, 1e-6) << k.name;
        for (int b : {1, 2}) {
            EXPECT_FLOAT_EQ(fish->m_Wave[b].amplitude, 0.003f) << k.name;
            EXPECT_EQ(fish->m_Wave[b].waveNumber, 0.0f) << k.name;
        }
        for (size_t i = 0; i < k.blocks4On.size(); ++i) {
            const FishWave& w = fish->m_Wave[3 + i];
            EXPECT_NEAR(w.waveNumber, k.blocks4On[i].waveNumber, 1e-6) << k.name << " block " << 4 + i;
            EXPECT_FLOAT_EQ(w.amplitude, k.blocks4On[i].amplitude) << k.name << " block " << 4 + i;
            EXPECT_NEAR(w.phaseStep, k.blocks4On[i].step, 1e-6) << k.name << " block " << 4 + i;
            EXPECT_EQ(w.phase, 0.0f);
            EXPECT_EQ(w.counter, 0);
        }
        // The swim box, then the body dimensions.
        fish->m_bBusy = 1;
        fish->SetSwimBox(-50, 50, 3, -22, -75, -80);
        EXPECT_EQ(fish->m_fSwimBox[2], 13.0f);
        EXPECT_EQ(fish->m_fSwimBox[3], -17.0f);
        EXPECT_EQ(fish->m_bBusy, 0);
        EXPECT_FLOAT_EQ(fish->m_fBodyDims[0], 1.0f);
        EXPECT_FLOAT_EQ(fish->m_fBodyDims[1], 0.36675f);
        EXPECT_FLOAT_EQ(fish->m_fBodyDims[2], 0.331898f);
    }
}

// A kind's description sets its own run of segments, size, speed, body,
// drift, pitch at birth and draws, as the later kinds need.
constexpr FishWave kFourteen[14] = {};
constexpr RandDraw kCountersAndTimer[] = {
    {RandDraw::kCounter, 15, 1}, {RandDraw::kCounter, 15, 2}, {RandDraw::kWanderTimer, 200}};
constexpr RandDraw kLaterCounters[] = {
    {RandDraw::kPitch, 45}, {RandDraw::kCounter, 15, 4}, {RandDraw::kCounter, 15, 5}, {RandDraw::kWanderTimer, 200}};
constexpr FishClass kLong = fishkind::Kind({.name = "long", .waves = kFourteen, .segments = 17, .size = 15,
                                            .speed = 0.05f, .pitch = 90.0f, .draws = kCountersAndTimer,
                                            .bodyDims = {1.0f, 0.34605f, 0.2778f}, .drift = true});
constexpr FishClass kLater =
    fishkind::Kind({.name = "later", .waves = kFourteen, .speed = 0.05f, .draws = kLaterCounters});

TEST(FishKinds, ADescriptionSetsItsOwnRunsSizeSpeedPitchAndDraws)
{
    for (unsigned seed : {2u, 40u}) {
        crt::srand(seed);
        const CFishModel a(kLong);
        EXPECT_EQ(a.Class().segments, 17);
        EXPECT_TRUE(a.Class().drift);
        EXPECT_EQ(a.m_nSize, 15);
        EXPECT_FLOAT_EQ(a.m_fSpeed, 0.05f);
        EXPECT_EQ(a.m_fPitch, 90.0f) << "fixed, not drawn";
        EXPECT_EQ(a.m_Wave[1].counter, RandValue(0, seed) % 15);
        EXPECT_EQ(a.m_Wave[2].counter, RandValue(1, seed) % 15);
        EXPECT_EQ(a.m_nWanderTimer, RandValue(2, seed) % 200);
        EXPECT_FLOAT_EQ(a.Class().bodyDims[1], 0.34605f);

        crt::srand(seed);
        const CFishModel b(kLater);
        EXPECT_EQ(b.Class().waves.size(), 14u);
        EXPECT_EQ(b.m_fPitch, static_cast<float>(RandValue(0, seed) % 45));
        EXPECT_EQ(b.m_Wave[4].counter, RandValue(1, seed) % 15);
        EXPECT_EQ(b.m_Wave[5].counter, RandValue(2, seed) % 15);
        EXPECT_EQ(b.m_Wave[1].counter, 0);
        EXPECT_EQ(b.m_nWanderTimer, RandValue(3, seed) % 200);
        EXPECT_EQ(b.m_nSize, 5);
    }
    EXPECT_EQ(RandDraws([] { CFishModel fish(kLong); }), 3);
    EXPECT_EQ(RandDraws([] { CFishModel fish(kLater); }), 4);
}

}  // namespace
