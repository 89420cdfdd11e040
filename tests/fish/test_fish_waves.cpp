// The wave generators: the shared phase cadence, each kind's values, pins,
// the size factor, and the ramps' stroke toggle.
#include "fish/fish_species23.h"
#include "fish_test_util.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(FishPhaseCadence, PhaseStepsOnEveryCadencePlusTwoCalls)
{
    for (auto [cadence, period] : {std::pair{5, 7}, {3, 5}, {2, 4}, {1, 3}}) {
        FishWave w{0.0f, 0, 0.0f, 0.0f, 0.1f};
        std::vector<int> steps;
        for (int call = 1; call <= 3 * period; ++call) {
            const float before = w.phase;
            CFishModel::StepPhase(w, cadence);
            if (w.phase != before)
                steps.push_back(call);
        }
        EXPECT_EQ(steps, (std::vector<int>{period, 2 * period, 3 * period})) << "cadence " << cadence;
    }
}

TEST(FishPhaseCadence, APhasePastTwoPiStartsAgainAtZero)
{
    struct Case {
        float phase;
        int counter;
        float step, expected;
    } cases[] = {
        {6.2f, 6, 0.5235987f, 0.0f},  // 6.72 is reset, not wrapped
        {6.2f, 0, 0.5235987f, 6.2f},  // no step this call
        {6.0f, 6, 0.2f, 6.2f},
        {6.5f, 0, 0.1f, 0.0f},  // a phase above 2 pi is reset even without a step
    };
    for (const Case& c : cases) {
        FishWave w{c.phase, c.counter, 0.0f, 0.0f, c.step};
        CFishModel::StepPhase(w, 5);
        EXPECT_FLOAT_EQ(w.phase, c.expected) << c.phase << " " << c.counter;
    }
}

class WaveTest : public testing::Test {
protected:
    WaveTest()
    {
        fish.m_Wave[0] = {0.3f, 0, 0.25f, 0.02f, 0.5f};
        fish.m_bStroke = 0;
    }
    std::vector<float> Run(const WaveGen& gen)
    {
        std::vector<float> out(gen.count, -99.0f);
        fish.ComputeWave(gen, out.data(), gen.count);
        return out;
    }

    CFishSpecies23 fish;
};

TEST_F(WaveTest, EachKindMakesItsValues)
{
    const float k = 0.25f, phase = 0.3f;
    auto sine = [&](int i) { return std::sin(i * k + phase); };
    struct Case {
        const char* name;
        WaveGen gen;
        float (*expected)(int i, float s);  // s = sin(i k + phase)
    } cases[] = {
        {"sine", {.kind = WaveKind::Sine, .count = 9}, [](int, float s) { return 0.02f * s; }},
        {"sine with gain", {.kind = WaveKind::Sine, .count = 9, .gain = 0.1f}, [](int, float s) { return 0.002f * s; }},
        {"growing", {.kind = WaveKind::Growing, .count = 9, .gain = 0.011f},
         [](int i, float s) { return s * i * 0.011f; }},
        {"body wave", {.kind = WaveKind::BodyWave, .count = 9, .gain = 0.01f, .start = 5},
         [](int i, float s) { return i < 5 ? 0.0f : 0.01f * (i - 5) * 0.5f * s; }},
        {"times size", {.kind = WaveKind::Sine, .count = 9, .timesSize = true},
         [](int, float s) { return 5 * 0.02f * s; }},
        {"pinned", {.kind = WaveKind::Sine, .count = 9, .pinned = (1u << 3) | (1u << 8)},
         [](int i, float s) { return i == 3 || i == 8 ? 0.0f : 0.02f * s; }},
    };
    for (const Case& c : cases) {
        fish.m_Wave[0].counter = 0;
        const std::vector<float> out = Run(c.gen);
        for (int i = 0; i < c.gen.count; ++i)
            EXPECT_NEAR(out[i], c.expected(i, sine(i)), 1e-6) << c.name << " [" << i << "]";
    }
}

TEST_F(WaveTest, MirroredWaveIsSymmetricAboutItsHeldRun)
{
    const WaveGen gen{.kind = WaveKind::Mirrored, .count = 13, .start = 5, .end = 7};
    for (int call = 0; call < 10; ++call) {
        const std::vector<float> out = Run(gen);
        for (int i = 0; i <= 5; ++i)
            EXPECT_NEAR(out[i], 0.02f * std::sin(i * 0.25f + fish.m_Wave[0].phase), 1e-6) << i;
        EXPECT_EQ(out[6], out[5]);
        EXPECT_EQ(out[7], out[5]);
        for (int i = 8; i < 13; ++i)
            EXPECT_EQ(out[i], out[12 - i]) << i;
    }
}

TEST_F(WaveTest, RampsAreZeroWhileTheStrokeFlagIsSet)
{
    fish.m_Wave[0].amplitude = 0.003f;
    struct Case {
        const char* name;
        WaveGen gen;
        std::vector<float> expected;
    } cases[] = {
        {"ramp", {.kind = WaveKind::Ramp, .count = 4}, {0, 0.003f, 0.006f, 0.009f}},
        {"reverse", {.kind = WaveKind::ReverseRamp, .count = 4}, {0.012f, 0.009f, 0.006f, 0.003f}},
        {"reverse, last pinned", {.kind = WaveKind::ReverseRamp, .count = 4, .pinned = 1u << 3},
         {0.012f, 0.009f, 0.006f, 0}},
        {"reverse times size", {.kind = WaveKind::ReverseRamp, .count = 3, .timesSize = true},
         {0.045f, 0.03f, 0.015f}},
    };
    for (const Case& c : cases) {
        fish.m_bStroke = 0;
        std::vector<float> out = Run(c.gen);
        for (size_t i = 0; i < out.size(); ++i)
            EXPECT_NEAR(out[i], c.expected[i], 1e-7) << c.name << " [" << i << "]";
        fish.m_bStroke = 1;
        out = Run(c.gen);
        for (size_t i = 0; i < out.size(); ++i)
            EXPECT_EQ(out[i], 0.0f) << c.name << " [" << i << "]";
    }
}

TEST_F(WaveTest, ToggleFlipsTheStrokeAfterFillingOnEveryFiftySecondCall)
{
    const WaveGen toggle{.kind = WaveKind::Ramp, .count = 4, .toggleAfter = 50};
    fish.m_Wave[0].amplitude = 0.003f;
    for (int start : {0, 14}) {
        fish.m_Wave[0].counter = start;
        fish.m_bStroke = 1;
        std::vector<int> flips;
        for (int call = 1; call <= 120; ++call) {
            const BYTE before = fish.m_bStroke;
            const std::vector<float> out = Run(toggle);
            EXPECT_NEAR(out[3], before ? 0.0f : 0.009f, 1e-7) << "made with the flag as it was";
            if (fish.m_bStroke != before)
                flips.push_back(call);
        }
        EXPECT_EQ(flips, (std::vector<int>{52 - start, 104 - start})) << "counter at " << start;
    }
    EXPECT_EQ(RandDraws([&] { Run(toggle); }), 0);
}

TEST_F(WaveTest, ToggleWithJitterDrawsItsThresholdOnEveryCall)
{
    const WaveGen toggle{.kind = WaveKind::ReverseRamp, .count = 5, .toggleAfter = 15, .toggleJitter = 10};
    EXPECT_EQ(RandDraws([&] { Run(toggle); }), 1);
    fish.m_Wave[0].counter = 0;
    crt::srand(9);
    int calls = 0, flipAt = 0;
    for (; calls < 40 && !flipAt; ++calls) {
        const BYTE before = fish.m_bStroke;
        Run(toggle);
        if (fish.m_bStroke != before)
            flipAt = calls + 1;
    }
    EXPECT_GE(flipAt, 17);
    EXPECT_LE(flipAt, 26);
}

TEST_F(WaveTest, GeneratorsDrawNoRandomNumbers)
{
    for (WaveKind kind : {WaveKind::Sine, WaveKind::Growing, WaveKind::BodyWave, WaveKind::Ramp})
        EXPECT_EQ(RandDraws([&] { Run({.kind = kind, .count = 6}); }), 0) << int(kind);
}

TEST_F(WaveTest, PostStepRunsAfterTheValues)
{
    fish.m_Wave[0].amplitude = 0.01f;
    const WaveGen gen{.kind = WaveKind::Ramp,
                      .count = 3,
                      .post = [](CFishModel&, float* out, int n) {
                          for (int i = n - 1; i > 0; --i)
                              out[i] = out[i - 1];
                          out[0] = 0;
                          out[n - 1] *= 1.3f;
                      }};
    const std::vector<float> out = Run(gen);
    EXPECT_NEAR(out[0], 0.0f, 1e-7);
    EXPECT_NEAR(out[1], 0.0f, 1e-7);
    EXPECT_NEAR(out[2], 0.013f, 1e-7);
}

}  // namespace
