// Species 12, the Boesemani rainbowfish: its construction and random draws,
// its swim style, its generators (the body wave still over ten segments, the
// fin sines, the ramps and the stroke toggle of every 52nd call), the parts
// of its Draw with their grids, mirrors, rotations and waves, the zigzag of
// variant 1, a fish whose alive flag is clear, and the walls and depth band
// of its swim box.
#include "fish/fish_species12.h"
#include "fish/fish_species12_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species12.cpp).
enum { kRamp, kToggle, kBend, kBW, kS3, kS4, kS7, kS8, kS9 };
using Steps = CFishSpecies12::Steps;

constexpr double kPi = 3.14159265358979323846;

using Vec = std::array<float, 3>;

// ---- construction and swim style ----

TEST(FishSpecies12Construction, StartsWithElevenBlocksAndTheTemplatesFourDraws)
{
    ExpectStartValues<CFishSpecies12>({.segments = 18,
                                       .drift = false,
                                       .blocks = {{kPi / 4, 0.1, kPi / 8},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 5, 0.02, kPi / 8},
                                                  {kPi / 24, 0.02, kPi / 8},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 20, 0.02, kPi / 6},
                                                  {kPi / 2, 0.01, kPi / 6},
                                                  {kPi / 4, 0.01, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 8}}});
}

TEST(FishSpecies12Swimming, SwimStyleSetsBlocks0_3And5AndLeavesTheFinSines)
{
    for (float target : {0.049f, 0.05f, 0.4f}) {
        SCOPED_TRACE(target);
        CFishSpecies12 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(target, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        const double m = target >= 0.05f ? 1.5 : 1.0;
        ExpectTemplateSwimStyle(fish, m);
        const CFishSpecies12 born;
        for (int b : {1, 2, 4, 6, 7, 8, 9, 10}) {
            EXPECT_EQ(fish.m_Wave[b].waveNumber, born.m_Wave[b].waveNumber) << b;
            EXPECT_EQ(fish.m_Wave[b].amplitude, born.m_Wave[b].amplitude) << b;
            EXPECT_EQ(fish.m_Wave[b].phaseStep, born.m_Wave[b].phaseStep) << b;
        }
        fish.SetSwimStyle(target, 0, 0, 1);
        EXPECT_EQ(fish.m_bStroke, 1);
    }
}

// Wander first decides on the frame its counter passes 300: frame 302 - w
// for the counter w drawn at birth; its speed target is never below 0.1, so
// the style is the fast one.
TEST(FishSpecies12Swimming, TheFirstWanderDecisionComesOnFrame302MinusTheCounter)
{
    for (unsigned seed : {2u, 19u, 40u}) {
        crt::srand(seed);
        CFishSpecies12 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[2] = -75;
        VertexRecorder recorder;
        const int w = fish.m_nWanderTimer;
        for (int frame = 1; frame < 302 - w; ++frame)
            fish.Draw(0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 4, 1e-6) << "until then the body wave keeps pi / 4";
        fish.Draw(0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 12, 1e-6) << "seed " << seed;
        EXPECT_NEAR(fish.m_Wave[0].phaseStep, 3 * kPi / 8, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[3].amplitude, 0.0225f);
        EXPECT_NEAR(fish.m_Wave[3].phaseStep, 3 * kPi / 16, 1e-6);
    }
}

// Right after a decision the speed is 0.05 when the new counter is 50 or
// less (the speed-up toward a target of 0.1 or more stops at 0.05), else 0.025
// or 0.035.
TEST(FishSpecies12Swimming, AWanderDecisionLeavesTheSpeedByItsNewCounter)
{
    int low = 0, high = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        CFishSpecies12 fish;
        fish.m_fSpeed = 0.03f;
        fish.m_nWanderTimer = 301;
        crt::srand(seed);
        fish.Wander();
        const int counter = fish.m_nWanderTimer;
        EXPECT_EQ(counter, RandValue(0, seed) % 150) << seed;
        if (counter <= 50) {
            ++low;
            EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f) << seed;
        } else {
            ++high;
            EXPECT_TRUE(std::fabs(fish.m_fSpeed - 0.025f) < 1e-6 || std::fabs(fish.m_fSpeed - 0.035f) < 1e-6)
                << seed << ": " << fish.m_fSpeed;
        }
        EXPECT_EQ(fish.m_bStroke, 0) << "the stroke flips";
    }
    EXPECT_GT(low, 0);
    EXPECT_GT(high, 0);
}

TEST(FishSpecies12Swimming, TheDepthBandIsOpenAtItsEndsAndMissesMinus75)
{
    CFishSpecies12 fish;
    const struct {
        float z;
        bool in;
    } cases[] = {{-75, false}, {-90, false}, {-60, false}, {-89.9f, true}, {-60.1f, true}, {-74.9f, true}, {-50, false}};
    for (const auto& c : cases) {
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.in) << c.z;
    }
}

// A fish born with its target pitch tilts toward it one degree a frame and holds it.
TEST(FishSpecies12Swimming, ANewFishTiltsOneDegreeAFrameThenHolds)
{
    crt::srand(8);
    CFishSpecies12 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = -75;
    fish.m_fPitch = 6.0f;
    VertexRecorder recorder;
    for (int frame = 1; frame <= 9; ++frame) {
        fish.Draw(0);
        EXPECT_EQ(fish.m_fShownPitch, std::min(frame, 6)) << frame;
    }
}

// The walls of the game's box: with target headings of only 0 and 180 the
// near wall (z1) clamps and the far wall (2 z1) never does; the top and the
// bottom leave the slowest speed; near a z wall the speed grows.
TEST(FishSpecies12Swimming, WallsOfTheSwimBox)
{
    struct Case {
        const char* name;
        float x, y, z;
        int heading;  // and its target: toward the wall
        int wall;
        float x2, y2, z2, speed;
    } cases[] = {
        {"near z wall", 0, 0, -74, 0, 4, 0, 0, -75, 0.05f},
        {"far z wall", 0, 0, -151, 0, 0, 0, 0, -151, 0.05f},
        {"top", 0, 14, -100, 0, 5, 0, 13, -100, 0.025f},
        {"bottom", 0, -18, -100, 0, 6, 0, -17, -100, 0.025f},
        {"x min", -51, 0, -100, 0, 1, -48, 0, -100, 0.04f},
        {"x max", 51, 0, -100, 180, 2, 48, 0, -100, 0.04f},
    };
    for (const Case& c : cases) {
        CFishSpecies12 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPitch = 0.0f;
        fish.m_fSpeed = 0.04f;
        fish.m_fPos[0] = c.x;
        fish.m_fPos[1] = c.y;
        fish.m_fPos[2] = c.z;
        fish.m_fHeading = static_cast<float>(c.heading);
        fish.m_nTargetHeading = c.heading;
        fish.UpdateDirFlags();
        EXPECT_EQ(fish.m_bDir[10], 0) << c.name << ": never toward the far wall";
        EXPECT_EQ(fish.m_bDir[11], 1) << c.name;
        fish.KeepInSwimBox();
        EXPECT_EQ(fish.m_nWallState, c.wall) << c.name;
        EXPECT_EQ(fish.m_fPos[0], c.x2 == 0 ? c.x : c.x2) << c.name;
        EXPECT_EQ(fish.m_fPos[1], c.y2 == 0 ? c.y : c.y2) << c.name;
        EXPECT_EQ(fish.m_fPos[2], c.z2) << c.name;
        EXPECT_FLOAT_EQ(fish.m_fSpeed, c.speed) << c.name;
        if (c.wall == 1 || c.wall == 2) {
            EXPECT_EQ(fish.m_nTargetHeading, 180 - c.heading) << c.name << " turns back";
        }
    }
}

// ---- the generators ----

TEST(FishSpecies12Waves, EachGeneratorHasItsCountAndCadenceAndIgnoresTheSize)
{
    const auto sine = [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); };
    struct Case {
        const char* name;
        int step, block, n, period;
        std::function<double(int i, double k, double phi, double amplitude)> value;
    } cases[] = {
        {"body wave", Steps::kBodyWave, 0, 18, 5,
         [](int i, double k, double phi, double) { return i < 10 ? 0.0 : std::sin(i * k + phi) * (i - 10) * 0.02 * 0.5; }},
        {"sine 3", Steps::kSineWave, 3, 10, 7, sine},
        {"sine 4", Steps::kSineWave2, 4, 20, 7, sine},
        {"sine 7", Steps::kSine7, 7, 17, 7, sine},
        {"sine 8", Steps::kSine8, 8, 45, 7, sine},
        {"sine 9", Steps::kSine9, 9, 31, 7, sine},
    };
    for (const Case& c : cases)
        for (int size : {4, 8}) {
            CFishSpecies12 fish;
            fish.m_nSize = size;
            FishWave& w = fish.m_Wave[c.block];
            w.phase = 1.0f;
            const float amplitude = w.amplitude;
            float out[48] = {};
            for (int call = 1; call <= c.period; ++call) {
                fish.ComputePlanStep(c.step, out, c.n);
                EXPECT_EQ(w.phase, call < c.period ? 1.0f : 1.0f + w.phaseStep) << c.name << " call " << call;
            }
            EXPECT_EQ(w.amplitude, amplitude) << c.name << " keeps its amplitude";
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 2e-7)
                    << c.name << " size " << size << " entry " << i;
            EXPECT_EQ(out[c.n], 0.0f) << c.name << " writes only its entries";
        }
    // The named forwarders reach their own generators.
    CFishSpecies12 fish;
    float out[20];
    fish.ComputeSineWave(out, 10);
    fish.ComputeSineWave2(out, 20);
    fish.ComputeBodyWave(out, 18);
    EXPECT_EQ(fish.m_Wave[3].counter, 1);
    EXPECT_EQ(fish.m_Wave[4].counter, 1);
    EXPECT_EQ(fish.m_Wave[0].counter, 1);
    EXPECT_EQ(fish.m_Wave[7].counter, 0);
}

TEST(FishSpecies12Waves, TheBodyWaveIsStillOverTenSegmentsAndStaysWithinItsEnvelope)
{
    CFishSpecies12 fish;
    fish.SetSwimStyle(0.1f, 0, 0, 1);
    for (int call = 0; call < 400; ++call) {
        float w[18];
        fish.ComputeBodyWave(w, 18);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(w[i], 0.0f) << i;
        for (int i = 10; i < 18; ++i)
            ASSERT_LE(std::fabs(w[i]), (i - 10) * 0.01f + 1e-7f) << i;
    }
}

TEST(FishSpecies12Waves, APhaseOfExactly6283185StaysOnlyAboveItRestarts)
{
    for (float phase : {6.283185f, std::nextafter(6.283185f, 7.0f)}) {
        CFishSpecies12 fish;
        fish.m_Wave[3].phase = phase;
        float out[10];
        fish.ComputeSineWave(out, 10);  // counter 0: no step
        const float kept = phase > 6.283185f ? 0.0f : phase;
        EXPECT_EQ(fish.m_Wave[3].phase, kept);
        EXPECT_NEAR(out[1], 0.02 * std::sin(kPi / 5 + kept), 1e-7);
        fish.m_Wave[3].counter = 6;
        fish.ComputeSineWave(out, 10);  // steps past 2 pi, then restarts
        if (phase == 6.283185f) {
            EXPECT_EQ(fish.m_Wave[3].phase, 0.0f);
        }
    }
}

TEST(FishSpecies12Waves, BothRampsAreZeroWhileTheStrokeIsSetElseISteps0003)
{
    using Gen = void (CFishSpecies12::*)(float*, int);
    for (Gen gen : {&CFishSpecies12::ComputeRamp, &CFishSpecies12::ComputeRampToggle})
        for (int size : {4, 8}) {
            CFishSpecies12 fish;
            fish.m_nSize = size;
            fish.m_Wave[1].counter = 0;
            float out[7] = {9, 9, 9, 9, 9, 9, 9};
            (fish.*gen)(out, 6);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(out[i], 0.0f) << i;
            EXPECT_EQ(out[6], 9.0f) << "only its six entries";
            fish.m_bStroke = 0;
            (fish.*gen)(out, 6);
            for (int i = 0; i < 6; ++i)
                EXPECT_FLOAT_EQ(out[i], 0.003f * i) << "size " << size << " entry " << i;
            EXPECT_FLOAT_EQ(out[5], 0.015f) << "the largest";
        }
    CFishSpecies12 fish;
    float t[6];
    EXPECT_EQ(RandDraws([&] { fish.ComputeRampToggle(t, 6); }), 0);
    EXPECT_EQ(RandDraws([&] { fish.ComputeRamp(t, 6); }), 0);
}

// The toggle counts its calls from the counter drawn at birth (c, 0 to 14):
// the first flip on call 52 - c, then one every 52 calls, also when it is
// asked for no entries.
TEST(FishSpecies12Waves, TheToggleFlipsTheStrokeOnCall52MinusItsCounterThenEvery52)
{
    for (int n : {6, 0})
        for (int c : {0, 7, 14}) {
            CFishSpecies12 fish;
            fish.m_Wave[1].counter = c;
            std::vector<int> flips;
            float t[6];
            for (int call = 1; call <= 52 * 3; ++call) {
                const BYTE before = fish.m_bStroke;
                fish.ComputeRampToggle(t, n);
                if (fish.m_bStroke != before)
                    flips.push_back(call);
            }
            ASSERT_EQ(flips.size(), 3u) << c;
            EXPECT_EQ(flips[0], 52 - c);
            EXPECT_EQ(flips[1], 52 - c + 52);
            EXPECT_EQ(flips[2], 52 - c + 104);
        }
    // Through Draw: a fish born with counter 14 flips on its 38th frame.
    CFishSpecies12 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = -75;
    fish.m_nWanderTimer = 0;
    fish.m_Wave[1].counter = 14;
    VertexRecorder recorder;
    for (int frame = 1; frame <= 38; ++frame) {
        fish.Draw(0);
        EXPECT_EQ(fish.m_bStroke, frame < 38 ? 1 : 0) << frame;
    }
}

// ---- Draw ----

// The parts of one frame: strips of `points` vertices each, no empty quads.
const PartShape kShapes[] = {
    {"body", 10, 36},   {"upper jaw", 6, 12}, {"lower jaw", 4, 12}, {"dorsal", 1, 20}, {"pectoral", 2, 40},
    {"pelvic", 2, 34},  {"anal", 1, 90},      {"tail", 1, 62},      {"eye", 4, 18},
};
void ExpectShapes(const VertexRecorder& recorder, const CFishModel& fish, bool empty, const std::string& what)
{
    ExpectStripsLaidOut(recorder, fish, kShapes, what, empty);
}

using Species12Test = FishSpeciesTest<CFishSpecies12>;

TEST_F(Species12Test, EveryVariantDrawsNinePartsOf872VerticesInOrder)
{
    for (int variant : {0, 1, 2, 3, 31, 40, -1}) {
        recorder.primitives.clear();
        fish.Draw(variant);
        EXPECT_EQ(fish.m_nDrawVariant, variant);
        ExpectShapes(recorder, fish, false, "variant " + std::to_string(variant));
        EXPECT_EQ(recorder.VertexCount(), 872u);
    }
    EXPECT_TRUE(recorder.colors.empty()) << "no colour change";
}

TEST_F(Species12Test, AFishThatIsNotAliveOpensAndClosesEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 3.0f;
    fish.Draw(0);
    ExpectShapes(recorder, fish, true, "not alive");
    EXPECT_LT(fish.m_fPos[0], 3.0f) << "it moved";
    EXPECT_EQ(fish.m_Wave[0].counter, 1) << "the generators ran";
    EXPECT_NE(fish.m_fHitBox[0], 0.0f) << "the hit box follows it";
}

TEST_F(Species12Test, RandomDrawsPerFrame)
{
    // Only the bend draws: one a frame, one more while the segments settle
    // (on the third frame, when the head already shows its target).
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
}

// While the heading turns, segment i trails it by 20 i degrees; once the
// heading has arrived the segments close in by 20 degrees a call.
TEST_F(Species12Test, TheBendTrailsTheHeadingOverEighteenSegmentsThenClosesIn)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 3; ++frame)
        fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 20.0f);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 20 - 20 * i) << i;
    for (int frame = 4; frame <= 27; ++frame)
        fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    ASSERT_EQ(fish.m_bBendReached, 1);
    const int before = fish.m_nBendAngle[17];
    fish.Draw(0);
    EXPECT_EQ(fish.m_nBendAngle[17], std::min(before + 20, 180));
    for (int frame = 0; frame < 30; ++frame)
        fish.Draw(0);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    EXPECT_EQ(fish.m_bBendSettled, 1);
}

// At an x wall, with the heading short of its target, every segment shows
// the target and the heading jumps to it.
TEST_F(Species12Test, AtAnXWallEveryBendValueIsTheTarget)
{
    fish.m_nTargetHeading = 180;
    fish.m_nWallState = 1;
    float bend[18];
    fish.m_nBendCounter = 0;
    fish.ComputeBendToHeading(bend, 18, 180.0f);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(bend[i], 180.0f) << i;
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
}

// Known arrays: every part's rotation and offsets recomputed from the rules,
// in variant 0 and in variant 1 with its zigzag.
TEST_F(Species12Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 18; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kBW][j] = 0.002f * j * j;
    }
    for (int j = 0; j < 45; ++j)
        f[kRamp][j] = f[kToggle][j] = f[kS3][j] = f[kS4][j] = f[kS7][j] = f[kS8][j] = f[kS9][j] = 0.001f * (j + 1);
    fish.m_nSize = 6;
    const float s = 6.0f;
    // The segment each column of the anal fin turns and sways with.
    const auto anal = [](int c) { return c <= 10 ? 14 : c <= 21 ? 13 : c <= 32 ? 12 : 11; };
    for (int variant : {0, 1}) {
        fish.m_nDrawVariant = variant;
        // Variant 1 pushes odd columns by the size times a constant.
        const auto zig = [&](int c, float by) { return variant == 1 && c % 2 == 1 ? s * by : 0.0f; };
        const StripRule<CFishSpecies12> rules[] = {
            {"body", &CFishSpecies12::DrawBody, &g_Fish12Body[0][0], 18, {false, true}, true,
             [&](Vec q, int, int c, bool) { return Vec{q[0], q[1] + s * f[kBW][c], q[2]}; },
             [&](int c) { return f[kBend][c]; }, 6},
            {"upper jaw", &CFishSpecies12::DrawPart1, &g_Fish12UpperJaw[0][0], 6, {false, true}, true,
             [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + s * f[kToggle][c]}; },
             [&](int) { return f[kBend][0]; }, 4},
            {"lower jaw", &CFishSpecies12::DrawPart2, &g_Fish12LowerJaw[0][0], 6, {false, true}, true,
             [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] - (c <= 3 ? s * f[kRamp][c] : 0.0f)}; },
             [&](int) { return f[kBend][0]; }, 3},
            {"dorsal", &CFishSpecies12::DrawPart3, &g_Fish12Dorsal[0][0], 10, {false}, true,
             [&](Vec q, int row, int c, bool) {
                 return row == 1 ? Vec{q[0], q[1] + s * f[kS3][c], q[2] + zig(c, 0.03f)} : q;
             },
             [&](int c) { return f[kBend][8 + c]; }, 2},
            {"pectoral", &CFishSpecies12::DrawPart4, &g_Fish12Pectoral[0][0], 20, {false, true}, true,
             [&](Vec q, int row, int c, bool mirror) {
                 if (row == 1)
                     return q;
                 const float d = s * f[kS4][c];
                 return Vec{q[0] + d + zig(c, 0.03f), mirror ? q[1] - d : q[1] + d, q[2]};
             },
             [&](int) { return f[kBend][4]; }, 2},
            {"pelvic", &CFishSpecies12::DrawPart5, &g_Fish12Pelvic[0][0], 17, {false, true}, true,
             [&](Vec q, int row, int c, bool mirror) {
                 if (row == 1)
                     return q;
                 const float d = s * f[kS7][c];
                 return Vec{q[0] + zig(c, 0.02f), mirror ? q[1] - d : q[1] + d, q[2]};
             },
             [&](int) { return f[kBend][4]; }, 2},
            {"anal", &CFishSpecies12::DrawPart6, &g_Fish12Anal[0][0], 45, {false}, true,
             [&](Vec q, int row, int c, bool) {
                 return Vec{q[0], q[1] + s * f[kBW][anal(c)] + (row == 1 ? s * f[kS8][c] : 0.0f), q[2]};
             },
             [&](int c) { return f[kBend][anal(c)]; }, 2},
            {"tail", &CFishSpecies12::DrawPart7, &g_Fish12Tail[0][0], 31, {false}, true,
             [&](Vec q, int row, int c, bool) {
                 return row == 0 ? Vec{q[0] + zig(c, 0.1f), q[1] + s * (f[kS9][c] + f[kBW][17]), q[2]}
                                 : Vec{q[0], q[1] + s * f[kBW][16], q[2]};
             },
             [&](int) { return f[kBend][16]; }, 2},
            {"eye", &CFishSpecies12::DrawPart8, &g_Fish12Eye[0][0], 9, {false, true}, true,
             [&](Vec q, int, int, bool) { return q; }, [&](int) { return f[kBend][0]; }, 3},
        };
        SCOPED_TRACE("variant " + std::to_string(variant));
        ExpectStripsFollowRules(recorder, fish, f, rules, [](const char*) { return false; }, s, 4e-5f);
    }
}

// With every wave and bend 0 each part is its stored shape times the size;
// a bend of 90 at one segment turns only the columns that take it.
TEST_F(Species12Test, AQuarterBendTurnsOnlyTheColumnsThatTakeIt)
{
    const QuarterBendCase<CFishSpecies12> cases[] = {
        {"body", &CFishSpecies12::DrawBody, &g_Fish12Body[0][0], 18, 6, TurnsWith([](int c) { return c; })},
        {"dorsal", &CFishSpecies12::DrawPart3, &g_Fish12Dorsal[0][0], 10, 11, TurnsWith([](int c) { return 8 + c; })},
        {"anal", &CFishSpecies12::DrawPart6, &g_Fish12Anal[0][0], 45, 13, TurnsWith([](int c) { return 14 - c / 11; })},
        {"tail", &CFishSpecies12::DrawPart7, &g_Fish12Tail[0][0], 31, 16, TurnsWith([](int) { return 16; })},
        {"pectoral", &CFishSpecies12::DrawPart4, &g_Fish12Pectoral[0][0], 20, 4, TurnsWith([](int) { return 4; })},
    };
    ExpectQuarterBendTurns(recorder, fish, kBend, cases);
}

// The mouth: while the stroke is set both jaws show their stored shape; else
// the upper jaw's column c rises by 0.003 c and the lower jaw's first four
// columns drop by as much, times the size, its tip columns staying closed.
TEST_F(Species12Test, TheJawsOpenOnlyWhileTheStrokeIsClear)
{
    const size_t upperJaw = 10, lowerJaw = upperJaw + 6;
    ExpectJawsOpenOnlyWhileTheStrokeIsClear(recorder, fish, upperJaw, lowerJaw, g_Fish12UpperJaw, g_Fish12LowerJaw);
}

TEST_F(Species12Test, ASize8FishIsDrawnTwiceAsLargeAsASize4)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw(0);  // waves and a bend under way
    fish.m_nSize = 4;
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

}  // namespace
