// The wave generators: the shared phase cadence, each kind's values, pins,
// the size factor, and the ramps' stroke toggle.
#include "fish/fish_species23.h"
#include "fish_test_util.h"

#include <algorithm>
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

// Asked for more entries than the fold holds, the wave writes its
// start + end + 1 entries and leaves the rest as they were.
TEST_F(WaveTest, MirroredWaveWritesNoEntryPastItsFold)
{
    const WaveGen gen{.kind = WaveKind::Mirrored, .count = 13, .start = 5, .end = 7};
    for (int n : {13, 14, 20, 40}) {
        std::vector<float> out(48, -99.0f);
        fish.m_Wave[0].counter = 0;
        fish.ComputeWave(gen, out.data(), n);
        for (int i = 0; i < 13; ++i) {
            const int folded = i <= 5 ? i : i <= 7 ? 5 : 12 - i;
            EXPECT_NEAR(out[i], 0.02f * std::sin(folded * 0.25f + fish.m_Wave[0].phase), 1e-6) << n << " " << i;
        }
        for (int i = 13; i < 48; ++i)
            EXPECT_EQ(out[i], -99.0f) << "n = " << n << ": entry " << i;
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

TEST_F(WaveTest, AKindWrittenByHandSharesThePhaseStep)
{
    const WaveGen gen{.kind = WaveKind::ByHand,
                      .count = 4,
                      .cadence = 1,
                      .value = [](const CFishModel& f, const FishWave& w, int i, int n) {
                          return w.phase + i + n * 10 + f.m_nDrawVariant * 100;
                      }};
    fish.m_nDrawVariant = 3;
    std::vector<float> out;
    for (int call = 1; call <= 3; ++call)
        out = Run(gen);
    EXPECT_FLOAT_EQ(fish.m_Wave[0].phase, 0.3f + 0.5f) << "advanced on the third call";
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(out[i], 0.8f + i + 40 + 300);
}

TEST_F(WaveTest, SomeKindsLeaveTheirFactorInTheBlocksAmplitude)
{
    struct Case {
        const char* name;
        WaveGen gen;
        float amplitude;  // after the call
    } cases[] = {
        {"body wave", {.kind = WaveKind::BodyWave, .count = 16, .gain = 0.01f, .start = 5, .writesAmplitude = true}, 0.1f},
        {"body wave, short", {.kind = WaveKind::BodyWave, .count = 4, .gain = 0.01f, .start = 5, .writesAmplitude = true},
         0.02f},  // no moving entry: kept
        {"growing", {.kind = WaveKind::Growing, .count = 8, .gain = 0.01f, .writesAmplitude = true}, 0.07f},
        {"body wave, not written", {.kind = WaveKind::BodyWave, .count = 16, .gain = 0.01f, .start = 5}, 0.02f},
    };
    for (const Case& c : cases) {
        fish.m_Wave[0].amplitude = 0.02f;
        const std::vector<float> out = Run(c.gen);
        EXPECT_NEAR(fish.m_Wave[0].amplitude, c.amplitude, 1e-7) << c.name;
        const float k = 0.25f, phase = 0.3f;
        const int last = c.gen.count - 1;
        const float factor = c.gen.kind == WaveKind::Growing ? last * 0.01f : (last - 5) * 0.01f * 0.5f;
        if (last >= c.gen.start) {
            EXPECT_NEAR(out[last], factor * std::sin(last * k + phase), 1e-6) << c.name << ": the values as before";
        }
    }
}

TEST_F(WaveTest, DoublePrecisionKeepsFarEntriesExact)
{
    // Far along a long array the float argument of the sine loses digits.
    fish.m_Wave[0] = {6.2f, 0, 0.78539813f, 1.0f, 0.5f};
    const WaveGen gen{.kind = WaveKind::Sine, .count = 48, .timesSize = true, .inDouble = true};
    const std::vector<float> out = Run(gen);
    float floatError = 0.0f;
    for (int i = 0; i < 48; ++i) {
        const double exact = std::sin(i * double(0.78539813f) + double(6.2f)) * 5;
        EXPECT_NEAR(out[i], exact, 5e-7) << i;
        floatError = std::max(floatError, static_cast<float>(std::fabs(5 * std::sin(i * 0.78539813f + 6.2f) - exact)));
    }
    EXPECT_GT(floatError, 1e-6f) << "the same values in float precision would miss";
}

TEST_F(WaveTest, RampsShiftedCutShortOrWithTheirLastEntryScaled)
{
    struct Case {
        const char* name;
        float slope;
        WaveGen gen;
        std::vector<float> expected;
    } cases[] = {
        {"ramp, last entry x 1.3", 0.01f, {.kind = WaveKind::Ramp, .count = 3, .pinned = 1, .lastTimes = 1.3f},
         {0, 0.01f, 0.026f}},
        {"ramp one behind, last x 1.3", 0.01f,
         {.kind = WaveKind::Ramp, .count = 3, .pinned = 1, .lastTimes = 1.3f, .shift = -1}, {0, 0, 0.013f}},
        {"ramp one behind, first pinned, last x 1.2", 0.002f,
         {.kind = WaveKind::Ramp, .count = 4, .pinned = 1, .lastTimes = 1.2f, .shift = -1}, {0, 0, 0.002f, 0.0048f}},
        {"ramp one behind", 0.005f, {.kind = WaveKind::Ramp, .count = 4, .shift = -1}, {-0.005f, 0, 0.005f, 0.01f}},
        // The entries left out of the ramp are 0, whatever the array held.
        {"reverse, last two left, times size", 0.003f,
         {.kind = WaveKind::ReverseRamp, .count = 5, .timesSize = true, .leaveLast = 2}, {0.075f, 0.06f, 0.045f, 0, 0}},
        {"reverse, last left, times size", 0.003f,
         {.kind = WaveKind::ReverseRamp, .count = 5, .timesSize = true, .leaveLast = 1}, {0.075f, 0.06f, 0.045f, 0.03f, 0}},
    };
    for (const Case& c : cases) {
        fish.m_Wave[0].amplitude = c.slope;
        fish.m_bStroke = 0;
        const std::vector<float> out = Run(c.gen);
        ASSERT_EQ(out.size(), c.expected.size());
        for (size_t i = 0; i < out.size(); ++i)
            EXPECT_NEAR(out[i], c.expected[i], 1e-7) << c.name << " [" << i << "]";
        fish.m_bStroke = 1;
        const std::vector<float> still = Run(c.gen);
        for (size_t i = 0; i < out.size(); ++i)
            EXPECT_EQ(still[i], 0.0f) << c.name << ", stroke set [" << i << "]";
    }
}

// A generator asked for fewer entries than its pins, its start, its held run
// or the entries a ramp leaves out writes those n entries and nothing past
// them; n = 0 writes nothing.
TEST_F(WaveTest, SmallCountsStayInsideTheirEntries)
{
    const WaveGen gens[] = {
        {.kind = WaveKind::Sine, .count = 9, .pinned = 1, .lastTimes = 2},
        {.kind = WaveKind::Sine, .count = 9, .pinned = 1u << 5},
        {.kind = WaveKind::Growing, .count = 9, .gain = 0.01f, .writesAmplitude = true, .pinned = 0b111},
        {.kind = WaveKind::BodyWave, .count = 12, .gain = 0.01f, .start = 6, .writesAmplitude = true},
        {.kind = WaveKind::Mirrored, .count = 13, .start = 4, .end = 8},
        {.kind = WaveKind::Ramp, .count = 4, .pinned = 1, .lastTimes = 1.3f, .shift = -1},
        {.kind = WaveKind::ReverseRamp, .count = 7, .timesSize = true, .leaveLast = 2, .toggleAfter = 15,
         .toggleJitter = 10},
        {.kind = WaveKind::ReverseRamp, .count = 6, .leaveLast = 1},
    };
    fish.m_bStroke = 0;
    for (const WaveGen& gen : gens)
        for (int n : {0, 1, 2, 3}) {
            float out[16];
            std::fill(out, out + 16, -99.0f);
            fish.ComputeWave(gen, out, n);
            for (int i = n; i < 16; ++i)
                EXPECT_EQ(out[i], -99.0f) << "kind " << int(gen.kind) << ", n = " << n << ": entry " << i;
            for (int i = 0; i < n; ++i)
                EXPECT_NE(out[i], -99.0f) << "kind " << int(gen.kind) << ", n = " << n << ": entry " << i;
        }
}

// The bend writes one entry per segment angle the template has room for.
TEST(FishBendBounds, ACountPastTheSegmentsWritesNoMore)
{
    CFishSpecies23 fish;
    fish.m_nTargetHeading = 180;
    fish.m_fLastTarget = 0.0f;
    std::vector<float> out(kFishMaxSegments + 8, -99.0f);
    for (int frame = 0; frame < 80; ++frame)
        fish.ComputeBendToHeading(out.data(), static_cast<int>(out.size()), 180.0f);
    EXPECT_EQ(fish.m_fLastTarget, 180.0f) << "the field after the segment angles is the bend's own";
    for (size_t i = kFishMaxSegments; i < out.size(); ++i)
        EXPECT_EQ(out[i], -99.0f) << i;
    EXPECT_EQ(out[kFishMaxSegments - 1], 180.0f) << "the last segment came round";
}

// A ramp in double precision forms size x slope x step in double and stores
// it once as a float.
TEST_F(WaveTest, RampsInDoublePrecisionRoundOnce)
{
    fish.m_nSize = 7;
    fish.m_bStroke = 0;
    fish.m_Wave[0].amplitude = 0.003f;
    const WaveGen gen{.kind = WaveKind::ReverseRamp, .count = 9, .timesSize = true, .inDouble = true, .leaveLast = 1};
    const std::vector<float> out = Run(gen);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(out[i], static_cast<float>(7.0 * double(0.003f) * (9 - i))) << i;
    EXPECT_EQ(out[8], 0.0f);
}

// A toggle counter shared by every fish of a class flips the stroke of
// whichever fish makes the 102nd call.
int g_sharedCounter = 0;

TEST(FishSharedToggle, OneCounterForTheWholeClass)
{
    const WaveGen toggle{.kind = WaveKind::Ramp, .count = 4, .toggleAfter = 100, .sharedCounter = &g_sharedCounter};
    struct Case {
        int fish;
        std::vector<std::pair<int, int>> flips;  // (call, fish drawing it)
    } cases[] = {
        {1, {{102, 0}, {204, 0}, {306, 0}, {408, 0}}},
        {3, {{102, 2}, {204, 2}, {306, 2}, {408, 2}}},
        {4, {{102, 1}, {204, 3}, {306, 1}, {408, 3}}},
    };
    for (const Case& c : cases) {
        g_sharedCounter = 0;
        std::vector<CFishSpecies23> school(static_cast<size_t>(c.fish));
        std::vector<std::pair<int, int>> flips;
        float out[4];
        for (int call = 1; call <= 408; ++call) {
            const int f = (call - 1) % c.fish;
            CFishSpecies23& fish = school[static_cast<size_t>(f)];
            const BYTE before = fish.m_bStroke;
            fish.ComputeWave(toggle, out, 4);
            if (fish.m_bStroke != before)
                flips.push_back({call, f});
        }
        EXPECT_EQ(flips, c.flips) << c.fish << " fish";
        EXPECT_EQ(school[0].m_Wave[0].counter, 0) << "the fish's own counter is not used";
    }
}

}  // namespace
