// Species 10, the green swordtail: its construction and random draws, its
// swim style, its generators (sines and the body wave in double precision,
// none multiplied by the size), the stroke toggle of every 52nd frame, the
// parts of its Draw with their grids, mirrors, rotations and waves, the
// serrated dorsal edge of variant 2, and a fish whose alive flag is clear.
#include "fish/fish_species10.h"
#include "fish/fish_species10_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species10.cpp).
enum { kRamp, kToggle, kBW, kBend, kW13, kW14, kW16, kW23 };

constexpr double kPi = 3.14159265358979323846;

using Vec = std::array<float, 3>;

// ---- construction and swim style ----

TEST(FishSpecies10Construction, StartsWithItsBlocksAndTheTemplatesFourDraws)
{
    ExpectStartValues<CFishSpecies10>({.segments = 18,
                                       .drift = false,
                                       .blocks = {{kPi / 16, 0.01, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {},
                                                  {kPi / 5, 0.01, kPi / 6},
                                                  {kPi / 20, 0.02, kPi / 8},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {kPi / 16, 0.01, kPi / 6}}});
    // The toggle counter and the second ramp counter are the 2nd and 3rd draws, % 15.
    crt::srand(11);
    CFishSpecies10 fish;
    EXPECT_EQ(fish.m_Wave[1].counter, RandValue(1, 11) % 15);
    EXPECT_EQ(fish.m_Wave[2].counter, RandValue(2, 11) % 15);
    EXPECT_EQ(fish.m_nWanderTimer, RandValue(3, 11) % 200);
}

TEST(FishSpecies10Swimming, SwimStyleSetsThreeBlocksAndLeavesWaves16And23)
{
    for (float m : {1.0f, 1.5f}) {
        CFishSpecies10 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        ExpectTemplateSwimStyle(fish, m);
        EXPECT_NEAR(fish.m_Wave[4].waveNumber, kPi / 20, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[4].amplitude, 0.02f);
        EXPECT_NEAR(fish.m_Wave[4].phaseStep, kPi / 8, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[6].amplitude, 0.01f);
        EXPECT_NEAR(fish.m_Wave[6].phaseStep, kPi / 6, 1e-6);
        SCOPED_TRACE(m);
    }
}

// Wander first sets the swim style on the frame its counter passes 300:
// frame 302 - w for the counter w drawn at birth.
TEST(FishSpecies10Swimming, TheFirstSwimStyleComesOnFrame302MinusTheWanderCounter)
{
    for (unsigned seed : {2u, 19u}) {
        crt::srand(seed);
        CFishSpecies10 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[2] = -75;
        VertexRecorder recorder;
        const int w = fish.m_nWanderTimer;
        for (int frame = 1; frame < 302 - w; ++frame)
            fish.Draw(0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 16, 1e-6) << "until then the body wave keeps pi / 16";
        fish.Draw(0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 12, 1e-6) << "seed " << seed;
        EXPECT_NEAR(fish.m_Wave[0].phaseStep, 1.5 * kPi / 4, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[3].amplitude, 0.0225f);
    }
}

// ---- the generators ----

TEST(FishSpecies10Waves, EachGeneratorHasItsCadenceAndIgnoresTheSize)
{
    using Gen = void (CFishSpecies10::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<double(int i, double k, double phi, double amplitude)> value;
    } cases[] = {
        {"body wave", &CFishSpecies10::ComputeBodyWave, 0, 18, 5,
         [](int i, double k, double phi, double) { return i < 10 ? 0.0 : (i - 10) * 0.01 * 0.5 * std::sin(i * k + phi); }},
        {"sine 14", &CFishSpecies10::ComputeSineWave, 3, 14, 7,
         [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); }},
        {"sine 16", &CFishSpecies10::ComputeSineWave3, 4, 16, 7,
         [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); }},
        {"sine 13", &CFishSpecies10::ComputeSineWave2, 5, 13, 7,
         [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); }},
        {"sine 23", &CFishSpecies10::ComputeSineWave4, 6, 23, 7,
         [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); }},
    };
    for (const Case& c : cases)
        for (int size : {4, 8}) {
            CFishSpecies10 fish;
            fish.m_nSize = size;
            FishWave& w = fish.m_Wave[c.block];
            w.phase = 1.0f;
            float out[30] = {};
            ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 2e-8)
                    << c.name << " size " << size << " entry " << i;
            EXPECT_EQ(out[c.n], 0.0f) << c.name << " writes only its entries";
            // Fewer entries asked: only those written, with the same values.
            float few[30] = {};
            (fish.*c.gen)(few, 3);
            EXPECT_EQ(few[3], 0.0f) << c.name;
        }
}

TEST(FishSpecies10Waves, TheBodyWaveIsStillOverTenSegmentsAndStaysWithinItsEnvelope)
{
    CFishSpecies10 fish;
    for (int call = 0; call < 400; ++call) {
        float w[18];
        fish.ComputeBodyWave(w, 18);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(w[i], 0.0f) << i;
        for (int i = 10; i < 18; ++i)
            ASSERT_LE(std::fabs(w[i]), (i - 10) * 0.005f + 1e-7f) << i;
    }
    float w[18];
    fish.m_Wave[0].phase = 0.0f;
    fish.m_Wave[0].waveNumber = static_cast<float>(kPi / 34);  // entry 17 near the crest
    fish.m_Wave[0].counter = 0;
    fish.ComputeBodyWave(w, 18);
    EXPECT_NEAR(w[17], 0.035 * std::sin(17 * kPi / 34), 1e-7) << "the envelope reaches 0.035";
}

TEST(FishSpecies10Waves, APhaseOfExactly6283185StaysOnlyAboveItRestarts)
{
    for (float phase : {6.283185f, std::nextafter(6.283185f, 7.0f)}) {
        CFishSpecies10 fish;
        fish.m_Wave[3].phase = phase;
        float out[14];
        fish.ComputeSineWave(out, 14);  // counter 0: no step
        const float kept = phase > 6.283185f ? 0.0f : phase;
        EXPECT_EQ(fish.m_Wave[3].phase, kept);
        EXPECT_NEAR(out[1], 0.01 * std::sin(kPi / 5 + kept), 1e-8);
    }
}

TEST(FishSpecies10Waves, BothRampsAreZeroWhileTheStrokeIsSetElseISteps0003)
{
    using Gen = void (CFishSpecies10::*)(float*, int);
    for (Gen gen : {&CFishSpecies10::ComputeRamp, &CFishSpecies10::ComputeRampToggle})
        for (int size : {4, 8}) {
            CFishSpecies10 fish;
            fish.m_nSize = size;
            fish.m_Wave[1].counter = 0;
            float out[6] = {9, 9, 9, 9, 9, 9};
            (fish.*gen)(out, 5);
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(out[i], 0.0f) << i;
            EXPECT_EQ(out[5], 9.0f) << "only its five entries";
            fish.m_bStroke = 0;
            (fish.*gen)(out, 5);
            for (int i = 0; i < 5; ++i)
                EXPECT_FLOAT_EQ(out[i], 0.003f * i) << "size " << size << " entry " << i;
        }
    CFishSpecies10 fish;
    float t[5];
    EXPECT_EQ(RandDraws([&] { fish.ComputeRampToggle(t, 5); }), 0);
    EXPECT_EQ(RandDraws([&] { fish.ComputeRamp(t, 5); }), 0);
}

// The toggle counts its calls from the counter drawn at birth (c, 0 to 14):
// the first flip on call 52 - c, then one every 52 calls.
TEST(FishSpecies10Waves, TheToggleFlipsTheStrokeOnCall52MinusItsCounterThenEvery52)
{
    for (int c : {0, 7, 14}) {
        CFishSpecies10 fish;
        fish.m_Wave[1].counter = c;
        std::vector<int> flips;
        float t[5];
        for (int call = 1; call <= 52 * 3; ++call) {
            const BYTE before = fish.m_bStroke;
            fish.ComputeRampToggle(t, 5);
            if (fish.m_bStroke != before)
                flips.push_back(call);
        }
        ASSERT_EQ(flips.size(), 3u) << c;
        EXPECT_EQ(flips[0], 52 - c);
        EXPECT_EQ(flips[1], 52 - c + 52);
        EXPECT_EQ(flips[2], 52 - c + 104);
    }
}

// ---- Draw ----

// A part as one frame sends it: an empty GL_QUADS pair, then its strips of
// `points` vertices each.
const PartShape kShapes[] = {
    {"body", 10, 36},    {"upper jaw", 6, 10}, {"lower jaw", 4, 10},  {"dorsal", 1, 28},     {"pectoral", 2, 32},
    {"pelvic", 2, 26},   {"gonopodium", 1, 18}, {"tail", 1, 46},      {"eye", 4, 14},        {"mouth corner", 2, 6},
};

// The primitives of the last Draw as kShapes lays them out, each part's
// strips with `points` vertices (0: none, as a fish not alive sends them).
void ExpectShapes(const VertexRecorder& recorder, const CFishModel& fish, bool empty, const std::string& what)
{
    ExpectPartsLaidOut(recorder, fish, kShapes, {.emptyQuadsFirst = [](const char*) { return true; }, .emptyStrips = empty},
                       what);
}

using Species10Test = FishSpeciesTest<CFishSpecies10>;

TEST_F(Species10Test, EveryVariantDrawsTenPartsOf736VerticesInOrder)
{
    for (int variant : {0, 1, 2, 3, 31, 40, -1}) {
        recorder.primitives.clear();
        fish.Draw(variant);
        EXPECT_EQ(fish.m_nDrawVariant, variant);
        ExpectShapes(recorder, fish, false, "variant " + std::to_string(variant));
        EXPECT_EQ(recorder.VertexCount(), 736u);
    }
    EXPECT_TRUE(recorder.colors.empty()) << "no colour change";
}

TEST_F(Species10Test, AFishThatIsNotAliveOpensAndClosesEveryStripEmpty)
{
    fish.m_bAlive = 0;
    fish.Draw(0);
    ExpectShapes(recorder, fish, true, "not alive");
}

TEST_F(Species10Test, RandomDrawsPerFrame)
{
    // Only the bend draws: one a frame, one more while the segments settle
    // (from the third frame, when the head already shows its target).
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
}

TEST_F(Species10Test, TheBendRunsOverEighteenSegments)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 3; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
    }
    EXPECT_EQ(fish.m_fHeading, 20.0f);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 20 - 20 * i) << i;
    // Body column 17 turns by segment 17's angle (the body wave still 0 there
    // on the third call: its phase has not moved).
    const FishVertex& p = g_Fish10Body[0][17];
    const double sway = 5 * 7 * 0.005 * std::sin(17 * kPi / 16);
    ExpectSamePoint(At(1, 17, 0), TurnedAboutZ({p.x * 5, static_cast<float>(p.y * 5 + sway), p.z * 5}, 20.0f - 340.0f),
                    "body column 17");
}

// Known arrays: every part's rotation and offsets recomputed from the rules.
TEST_F(Species10Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 18; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kBW][j] = 0.002f * j * j;
    }
    for (int j = 0; j < 23; ++j)
        f[kRamp][j] = f[kToggle][j] = f[kW13][j] = f[kW14][j] = f[kW16][j] = f[kW23][j] = 0.001f * (j + 1);
    fish.m_nSize = 6;
    const StripRule<CFishSpecies10> rules[] = {
        {"body", &CFishSpecies10::DrawBody, &g_Fish10Body[0][0], 18, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1] + 6 * f[kBW][c], q[2]}; },
         [&](int c) { return f[kBend][c]; }, 6},
        {"upper jaw", &CFishSpecies10::DrawPart1, &g_Fish10UpperJaw[0][0], 5, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + 6 * f[kToggle][c]}; },
         [&](int) { return f[kBend][0]; }, 4},
        {"lower jaw", &CFishSpecies10::DrawPart2, &g_Fish10LowerJaw[0][0], 5, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] - (c < 4 ? 6 * f[kRamp][c] : 0.0f)}; },
         [&](int) { return f[kBend][0]; }, 3},
        {"dorsal", &CFishSpecies10::DrawPart3, &g_Fish10Dorsal[0][0], 14, {false}, true,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + 6 * f[kBW][8 + c / 2] + (row == 1 ? 6 * f[kW14][c] : 0.0f), q[2]};
         },
         [&](int c) { return f[kBend][8 + c / 2]; }, 2},
        {"pectoral", &CFishSpecies10::DrawPart4, &g_Fish10Pectoral[0][0], 16, {false, true}, true,
         [&](Vec q, int row, int c, bool) {
             const float w = row == 0 ? 6 * f[kW16][c] : 0.0f;  // to the same side in both passes
             return Vec{q[0], q[1] + w, q[2] + w};
         },
         [&](int) { return f[kBend][4]; }, 2},
        {"pelvic", &CFishSpecies10::DrawPart5, &g_Fish10Pelvic[0][0], 13, {false, true}, true,
         [&](Vec q, int row, int c, bool mirror) {
             const float w = row == 0 ? 6 * f[kW13][c] : 0.0f;  // y with the side, z the same
             return Vec{q[0], mirror ? q[1] - w : q[1] + w, q[2] + w};
         },
         [&](int) { return f[kBend][10]; }, 2},
        {"gonopodium", &CFishSpecies10::DrawPart6, &g_Fish10Gonopodium[0][0], 9, {false}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1] + 6 * f[kBW][13 + c / 3], q[2]}; },
         [&](int c) { return f[kBend][13 + c / 3]; }, 2},
        {"tail", &CFishSpecies10::DrawPart7, &g_Fish10Tail[0][0], 23, {false}, true,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + 6 * (row == 0 ? f[kBW][16] + f[kW23][c] : f[kBW][17]), q[2]};
         },
         [&](int) { return f[kBend][17]; }, 2},
        {"eye", &CFishSpecies10::DrawPart8, &g_Fish10Eye[0][0], 7, {false, true}, true,
         [&](Vec q, int, int, bool) { return q; }, [&](int) { return (f[kBend][1] + f[kBend][2]) / 2; }, 3},
        {"mouth corner", &CFishSpecies10::DrawPart9, &g_Fish10MouthCorner[0][0], 3, {false, true}, true,
         [&](Vec q, int, int, bool) { return q; }, [&](int) { return f[kBend][0]; }, 2},
    };
    ExpectStripsFollowRules(recorder, fish, f, rules, [](const char*) { return true; }, 6, 4e-5f);
}

// With every wave and bend 0 each part is its stored shape times the size;
// a bend of 90 at one column turns that column of the body, the dorsal fin
// and the gonopodium (both vertices) a quarter turn, and no other column.
TEST_F(Species10Test, AQuarterBendTurnsOnlyTheColumnsThatTakeIt)
{
    const QuarterBendCase<CFishSpecies10> cases[] = {
        {"body", &CFishSpecies10::DrawBody, &g_Fish10Body[0][0], 18, 6, TurnsWith([](int c) { return c; })},
        {"dorsal", &CFishSpecies10::DrawPart3, &g_Fish10Dorsal[0][0], 14, 11,
         TurnsWith([](int c) { return 8 + c / 2; })},
        {"gonopodium", &CFishSpecies10::DrawPart6, &g_Fish10Gonopodium[0][0], 9, 14,
         TurnsWith([](int c) { return 13 + c / 3; })},
    };
    ExpectQuarterBendTurns(recorder, fish, kBend, cases, 1);
}

// Variant 2 lifts the dorsal edge's point c by (0.005 c - 0.03 (c mod 2))
// times the size; the root row and every other variant stay as stored.
TEST_F(Species10Test, Variant2SerratesTheDorsalEdgeOnly)
{
    const FishFrame zero;
    for (int variant : {0, 1, 2, 3, -2, 34}) {
        fish.m_nDrawVariant = variant;
        for (int size : {4, 8}) {
            fish.m_nSize = size;
            recorder.primitives.clear();
            fish.DrawPart3(zero);
            for (int c = 0; c < 14; ++c) {
                const float lift = variant == 2 ? (0.005f * c - 0.03f * (c % 2)) * size : 0.0f;
                const FishVertex &root = g_Fish10Dorsal[0][c], &edge = g_Fish10Dorsal[1][c];
                const std::string what = "variant " + std::to_string(variant) + " column " + std::to_string(c);
                ExpectSamePoint(At(1, c, 0), {root.x * size, root.y * size, root.z * size}, what + " root");
                ExpectSamePoint(At(1, c, 1), {edge.x * size, edge.y * size, edge.z * size + lift}, what + " edge");
            }
        }
    }
}

// The lower jaw's tip column stays put whatever the ramp holds; while the
// stroke is set both jaws show their stored shape.
TEST_F(Species10Test, TheJawsOpenOnlyWhileTheStrokeIsClear)
{
    const size_t upperJaw = 1 + 10 + 1, lowerJaw = upperJaw + 6 + 1;
    ExpectJawsOpenOnlyWhileTheStrokeIsClear(recorder, fish, upperJaw, lowerJaw, g_Fish10UpperJaw, g_Fish10LowerJaw);
}

TEST_F(Species10Test, ASize8FishIsDrawnTwiceAsLargeAsASize4)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw(0);  // waves and a bend under way
    fish.m_nSize = 4;
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

}  // namespace
