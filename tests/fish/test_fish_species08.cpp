// Species 8, the firemouth cichlid: its construction and random draws, its
// swim style, its generators (each multiplies by the size, in double
// precision), its two ramps and the stroke toggle with the drawn threshold,
// the parts of its Draw with their grids, mirrors, rotations and waves, its
// walls and its pitch easing, and its mesh tables.
#include "fish/fish_species08.h"
#include "fish/fish_species08_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species08.cpp).
enum { kW, kD, kSA, kSB, kG, kG2, kS2, kS3, kT, kR };

constexpr double kPi = 3.14159265358979323846;

using Vec = std::array<float, 3>;

// ---- construction and swimming ----

TEST(FishSpecies08Construction, StartsWithItsOwnValuesAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies08>({.speed = 0.1f,
                                       .drift = false,
                                       .bodyDims = {1.0f, 0.36675f, 0.331898f},
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 6, 0.01, kPi / 8},
                                                  {kPi / 5, 0.004, kPi / 8},
                                                  {kPi / 100, 0.05, kPi / 8},
                                                  {kPi / 16, 0.05, kPi / 6},
                                                  {kPi / 20, 0.0005, kPi / 8},
                                                  {},
                                                  {kPi / 2, 0.009, kPi / 6},
                                                  {kPi / 2, 0.009, kPi / 24},
                                                  {}}});
    // Born at 0.1, above the ceiling of the speed approach, until its first call.
    CFishSpecies08 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies08Swimming, TheDepthBandLeavesOutTheNearWallItself)
{
    CFishSpecies08 fish;
    struct Depth {
        float z;
        bool in;
    } depths[] = {{-75, false}, {-74.9f, true}, {-75.1f, true}, {-89.9f, true}, {-60, false}, {-90, false}};
    for (const Depth& d : depths) {
        fish.m_fPos[2] = d.z;
        EXPECT_EQ(fish.IsInDepthBand(), d.in) << d.z;
    }
}

TEST(FishSpecies08Swimming, SwimStyleSetsThreeBlocksTheLastWithItsOwnWaveAndDrawsOnce)
{
    for (float m : {1.0f, 1.5f}) {
        CFishSpecies08 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        struct Row {
            int block;
            double waveNumber, amplitude, step;
        } rows[] = {{0, kPi / 12, 0.1, kPi / 4}, {3, kPi / 5, 0.015, kPi / 8}, {5, kPi / 24, 0.01, kPi / 8}};
        for (const Row& r : rows) {
            EXPECT_NEAR(fish.m_Wave[r.block].waveNumber, r.waveNumber, 1e-6) << r.block;
            EXPECT_NEAR(fish.m_Wave[r.block].amplitude, m * r.amplitude, 1e-7) << r.block;
            EXPECT_NEAR(fish.m_Wave[r.block].phaseStep, m * r.step, 1e-6) << r.block;
        }
        // The others keep their birth values.
        EXPECT_NEAR(fish.m_Wave[7].waveNumber, kPi / 20, 1e-6);
        EXPECT_NEAR(fish.m_Wave[10].phaseStep, kPi / 24, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[9].amplitude, 0.009f);
        EXPECT_FLOAT_EQ(fish.m_Wave[1].amplitude, 0.003f);
    }
}

// ---- the generators ----

using Gen = void (CFishSpecies08::*)(float*, int);

// Each oscillator generator: its block, its count in Draw, the calls from one
// phase step to the next, and its value at size s recomputed in double
// precision from the rule; the factor it leaves in its block's amplitude.
TEST(FishSpecies08Waves, EachGeneratorHasItsCadenceAndScalesWithTheSize)
{
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<double(int i, double k, double phi, double amplitude, int size)> value;
        std::function<float(int n)> leftAmplitude;  // nullptr: the amplitude is kept
    } cases[] = {
        {"body wave", &CFishSpecies08::ComputeBodyWave, 0, 14, 5,
         [](int i, double k, double phi, double, int s) {
             return i < 7 ? 0.0 : std::sin(i * k + phi) * s * ((i - 7) * 0.01) * 0.5;
         },
         [](int n) { return (n - 1 - 7) * 0.01f; }},
        {"sine wave", &CFishSpecies08::ComputeSineWave, 3, 15, 7,
         [](int i, double k, double phi, double a, int s) { return std::sin(i * k + phi) * s * a; }, nullptr},
        {"growing wave", &CFishSpecies08::ComputeGrowingWave, 5, 9, 7,
         [](int i, double k, double phi, double, int s) { return std::sin(i * k + phi) * (i * 0.007) * s; },
         [](int n) { return (n - 1) * 0.007f; }},
        {"growing wave 2", &CFishSpecies08::ComputeGrowingWave2, 7, 10, 7,
         [](int i, double k, double phi, double, int s) { return std::sin(i * k + phi) * (i * 0.005) * s; },
         [](int n) { return (n - 1) * 0.005f; }},
        {"sine wave 2", &CFishSpecies08::ComputeSineWave2, 9, 10, 7,
         [](int i, double k, double phi, double a, int s) { return std::sin(i * k + phi) * s * a; }, nullptr},
        {"sine wave 3", &CFishSpecies08::ComputeSineWave3, 10, 19, 7,
         [](int i, double k, double phi, double a, int s) { return std::sin(i * k + phi) * s * a; }, nullptr},
    };
    for (const Case& c : cases)
        for (int size : {5, 8}) {
            SCOPED_TRACE(std::string(c.name) + " size " + std::to_string(size));
            CFishSpecies08 fish;
            fish.m_nSize = size;
            FishWave& w = fish.m_Wave[c.block];
            w.counter = 0;
            w.phase = 1.0f;
            const float amplitude = w.amplitude;
            float out[24];
            std::fill(std::begin(out), std::end(out), 9.0f);
            ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, amplitude, size), 1e-6) << "entry " << i;
            EXPECT_EQ(out[c.n], 9.0f) << "writes only its entries";
            EXPECT_FLOAT_EQ(w.amplitude, c.leftAmplitude ? c.leftAmplitude(c.n) : amplitude);
        }
}

TEST(FishSpecies08Waves, APhaseAboveTwoPiRestartsAtZeroButTwoPiItselfStays)
{
    struct Case {
        float phase;
        float after;
    } cases[] = {{6.283185f, 6.283185f}, {6.2832f, 0.0f}, {7.0f, 0.0f}};
    for (const Case& c : cases) {
        CFishSpecies08 fish;
        fish.m_Wave[9].phase = c.phase;
        float out[10];
        fish.ComputeSineWave2(out, 10);  // the first call: no phase step
        EXPECT_EQ(fish.m_Wave[9].phase, c.after) << c.phase;
        EXPECT_NEAR(out[1], std::sin(kPi / 2 + c.after) * 5 * 0.009, 1e-6) << c.phase;
    }
}

TEST(FishSpecies08Waves, TheStillEntriesStayZeroForAnyPhase)
{
    for (float phase : {0.0f, 1.3f, 3.7f, 5.9f}) {
        CFishSpecies08 fish;
        fish.m_Wave[0].phase = fish.m_Wave[5].phase = fish.m_Wave[7].phase = phase;
        float body[14], growing[9], growing2[10];
        fish.ComputeBodyWave(body, 14);
        fish.ComputeGrowingWave(growing, 9);
        fish.ComputeGrowingWave2(growing2, 10);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(body[i], 0.0f) << "body entry " << i << ", phase " << phase;
        EXPECT_EQ(growing[0], 0.0f) << phase;
        EXPECT_EQ(growing2[0], 0.0f) << phase;
        EXPECT_NE(body[13], 0.0f) << phase;
    }
}

// The sine wave runs twice a frame on one oscillator: when its step falls on
// the second call, the two arrays of that frame have different phases.
TEST(FishSpecies08Waves, TheSecondSineCallOfAFrameMaySeeTheNextPhase)
{
    CFishSpecies08 fish;
    FishWave& w = fish.m_Wave[3];
    w.counter = 5;
    float a[15], b[9];
    fish.ComputeSineWave(a, 15);
    EXPECT_EQ(w.phase, 0.0f);
    fish.ComputeSineWave(b, 9);
    EXPECT_EQ(w.phase, w.phaseStep);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(a[i], std::sin(i * double(w.waveNumber)) * 5 * 0.01, 1e-7) << i;
        EXPECT_NEAR(b[i], std::sin(i * double(w.waveNumber) + w.phaseStep) * 5 * 0.01, 1e-7) << i;
    }
}

// Both ramps: size x 0.003 x (n - i) below the last entry, which is 0 (not
// left as it was), all 0 while the stroke flag is set; no entry past n.
TEST(FishSpecies08Waves, RampsFallToZeroAtTheirLastEntryAndStayInBounds)
{
    for (Gen gen : {&CFishSpecies08::ComputeReverseRamp, &CFishSpecies08::ComputeReverseRampToggle})
        for (int size : {4, 5, 8})
            for (int n : {0, 1, 2, 7}) {
                SCOPED_TRACE("size " + std::to_string(size) + " n " + std::to_string(n));
                CFishSpecies08 fish;
                fish.m_nSize = size;
                fish.m_Wave[1].counter = 0;
                float out[9];
                std::fill(std::begin(out), std::end(out), 9.0f);
                (fish.*gen)(out, n);
                for (int i = 0; i < n; ++i)
                    EXPECT_EQ(out[i], 0.0f) << "zero while the stroke flag is set, " << i;
                fish.m_bStroke = 0;
                std::fill(std::begin(out), std::end(out), 9.0f);
                (fish.*gen)(out, n);
                for (int i = 0; i + 1 < n; ++i)
                    EXPECT_NEAR(out[i], size * 0.003 * (n - i), 1e-7) << "entry " << i;
                if (n > 0) {
                    EXPECT_EQ(out[n - 1], 0.0f) << "the last entry";
                }
                EXPECT_EQ(out[n], 9.0f) << "nothing past the array";
            }
    // The rule's own example: size 5, seven entries.
    CFishSpecies08 fish;
    fish.m_bStroke = 0;
    float r[7];
    fish.ComputeReverseRamp(r, 7);
    const float expected[7] = {0.105f, 0.09f, 0.075f, 0.06f, 0.045f, 0.03f, 0.0f};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(r[i], expected[i], 1e-7) << i;
}

// The toggle draws a threshold 15 + rand() % 10 at every call and flips the
// stroke when the calls counted since the last flip exceed it.
TEST(FishSpecies08Waves, TheStrokeFlipsAgainOnThe17thTo26thCallByTheDrawnThreshold)
{
    ExpectStrokeFlipsByDrawnThreshold<CFishSpecies08>(
        [](CFishSpecies08& fish) {
            float t[7];
            fish.ComputeReverseRampToggle(t, 7);
        },
        1,
        [](const CFishSpecies08& before, const CFishSpecies08& after) {
            EXPECT_EQ(after.m_Wave[2].counter, before.m_Wave[2].counter)
                << "the plain ramp's counter is not the toggle's";
        });
    CFishSpecies08 fish;
    float t[7];
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRampToggle(t, 7); }), 1);
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRamp(t, 7); }), 0);
}

// ---- Draw ----

// A part as one frame sends it: an empty GL_QUADS pair, then its strips,
// each of `points` vertices.
struct Shape {
    const char* name;
    int strips, points;
};
const Shape kShapes[] = {
    {"body", 8, 28},      {"upper jaw", 6, 14}, {"lower jaw", 2, 14}, {"spiny dorsal", 1, 30},
    {"soft dorsal", 1, 18}, {"pectoral", 2, 18},  {"pelvic", 2, 20},    {"anal", 1, 20},
    {"tail", 1, 38},      {"eye", 4, 14},
};

using Species08Test = FishSpeciesTest<CFishSpecies08>;

TEST_F(Species08Test, EachFrameDrawsTenPartsInOrderEachAfterAnEmptyQuadsPair)
{
    fish.Draw();
    size_t p = 0;
    for (size_t i = 0; i < std::size(kShapes); ++i) {
        const Shape& s = kShapes[i];
        EXPECT_STREQ(fish.Class().parts[i].name, s.name);
        ASSERT_LT(p + s.strips, recorder.primitives.size() + 1) << s.name;
        EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUADS)) << s.name;
        EXPECT_TRUE(recorder.primitives[p].vertices.empty()) << s.name;
        ++p;
        for (int k = 0; k < s.strips; ++k, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << s.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(s.points)) << s.name << " strip " << k;
        }
    }
    EXPECT_EQ(p, recorder.primitives.size());
    EXPECT_EQ(recorder.VertexCount(), 574u);
    EXPECT_TRUE(recorder.colors.empty()) << "no colour change";
}

// The first primitive of part `part` (its empty quads) in one frame.
size_t FirstOf(int part)
{
    size_t p = 0;
    for (int i = 0; i < part; ++i)
        p += 1 + size_t(kShapes[i].strips);
    return p;
}

TEST_F(Species08Test, EachFrameDrawsTheToggleAndTheBendAndOneMoreWhileTheSegmentsSettle)
{
    // The bend draws one a call and one more while it settles; the toggle
    // one; the first heading step finds the target reached (it already
    // shows it) and the settling draws one more.
    const int expected[6] = {2, 2, 3, 2, 2, 2};
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(); }), expected[frame]) << "frame " << frame + 1;
    EXPECT_EQ(fish.m_bBendReached, 1);
    EXPECT_EQ(fish.m_bBendSettled, 1);
}

TEST_F(Species08Test, TheBendRunsOverFourteenOfTheFifteenSegments)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 3; ++frame) {
        recorder.primitives.clear();
        fish.Draw();
    }
    EXPECT_EQ(fish.m_fHeading, 20.0f);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 20 - 20 * i) << i;
    EXPECT_EQ(fish.m_nBendAngle[14], 0) << "the fifteenth is never written";
    // Body column j turns by segment j's angle and sways by the body wave
    // (its phase still 0 on the third call).
    const FishVertex& p = g_Fish08Body[0][11];
    const float sway = static_cast<float>(std::sin(11 * kPi / 12) * 5 * (4 * 0.01) * 0.5);
    ExpectSamePoint(At(1, 11, 0), TurnedAboutZ({p.x * 5, p.y * 5 + sway, p.z * 5}, 20.0f - 220.0f), "body column 11");
}

TEST_F(Species08Test, AtTheXWallTheWholeFishComesRoundInTheNextFrame)
{
    fish.m_fPos[0] = -51;
    fish.Draw();
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw();
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    for (int j = 0; j < 14; ++j)
        EXPECT_NEAR(At(1, j, 0)[0], -g_Fish08Body[0][j].x * 5, 1e-4) << "column " << j << " faces the other way";
}

// The toggle runs first, so the reverse ramp of the same frame already sees
// the new stroke; the toggle's own ramp shows it from the next frame on.
TEST_F(Species08Test, TheStrokeOpensTheUpperJawOneFrameBeforeTheLower)
{
    fish.m_Wave[1].counter = 40;  // flips in the first frame, whatever the threshold
    const size_t upperJaw = FirstOf(1) + 1, lowerJaw = FirstOf(2) + 1;
    for (int frame = 1; frame <= 2; ++frame) {
        recorder.primitives.clear();
        fish.Draw();
        EXPECT_EQ(fish.m_bStroke, 0);
        for (int c = 0; c < 7; ++c) {
            const float ramp = 5 * 0.003f * (7 - c) * (c < 6);
            for (int row : {0, 1}) {
                EXPECT_NEAR(At(upperJaw, c, row)[2], g_Fish08UpperJaw[row][c].z * 5 + ramp, 1e-5)
                    << "frame " << frame << " column " << c;
                EXPECT_NEAR(At(lowerJaw, c, row)[2], g_Fish08LowerJaw[row][c].z * 5 - (frame == 2 ? ramp : 0), 1e-5)
                    << "frame " << frame << " column " << c;
            }
        }
    }
}

// Known arrays: every part's rotation and offsets recomputed from the rules.
TEST_F(Species08Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 20; ++j) {
        f[kD][j] = 7.0f * j + 3;
        f[kW][j] = 0.003f * j * j;
        f[kR][j] = f[kT][j] = f[kSA][j] = f[kSB][j] = f[kG][j] = f[kG2][j] = f[kS2][j] = f[kS3][j] =
            0.001f * (j + 1);
    }
    // The value of an array at a body position p, k.5 the mean of k and k + 1.
    auto at = [&](int array, float p) {
        const int k = static_cast<int>(p);
        return p == k ? f[array][k] : (f[array][k] + f[array][k + 1]) * 0.5f;
    };
    const std::vector<float> spiny = {3, 3, 3, 3.5f, 4, 4, 4.5f, 4.5f, 5.5f, 5.5f, 5.5f, 5.5f, 6, 6, 6};
    const std::vector<float> soft = {7, 7.5f, 8, 8.5f, 9, 9.5f, 10, 10, 11};
    const std::vector<float> anal = {6.5f, 7, 7, 7.5f, 8, 8, 8, 8.5f, 9, 9};
    std::vector<float> tail(19, 12.5f);
    tail.front() = tail.back() = 12;
    const StripRule<CFishSpecies08> rules[] = {
        {"body", &CFishSpecies08::DrawBody, &g_Fish08Body[0][0], 14, {false, true}, false,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1] + f[kW][c], q[2]}; }, [&](int c) { return f[kD][c]; }},
        {"upper jaw", &CFishSpecies08::DrawPart1, &g_Fish08UpperJaw[0][0], 7, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + f[kR][c]}; }, [&](int) { return f[kD][0]; }},
        {"lower jaw", &CFishSpecies08::DrawPart2, &g_Fish08LowerJaw[0][0], 7, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] - f[kT][c]}; }, [&](int) { return f[kD][0]; }},
        {"spiny dorsal", &CFishSpecies08::DrawPart3, &g_Fish08SpinyDorsal[0][0], 15, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + at(kW, spiny[c]) + (row == 0 ? f[kSA][c] : 0.0f), q[2]};
         },
         [&](int c) { return at(kD, spiny[c]); }},
        {"soft dorsal", &CFishSpecies08::DrawPart4, &g_Fish08SoftDorsal[0][0], 9, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + at(kW, soft[c]) + (row == 0 ? f[kSB][c] : 0.0f), q[2]};
         },
         [&](int c) { return at(kD, soft[c]); }},
        {"pectoral", &CFishSpecies08::DrawPart5, &g_Fish08Pectoral[0][0], 9, {false, true}, true,
         [&](Vec q, int, int c, bool m) { return Vec{q[0], m ? q[1] + f[kG][c] : q[1] - f[kG][c], q[2]}; },
         [&](int) { return at(kD, 2.5f); }},
        {"pelvic", &CFishSpecies08::DrawPart6, &g_Fish08Pelvic[0][0], 10, {false, true}, true,
         [&](Vec q, int row, int c, bool m) {
             const float g = row == 0 ? f[kG2][c] : 0.0f;
             return Vec{q[0], m ? q[1] - g : q[1] + g, q[2]};
         },
         [&](int) { return f[kD][3]; }},
        {"anal", &CFishSpecies08::DrawPart7, &g_Fish08Anal[0][0], 10, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + at(kW, anal[c]) + (row == 0 ? f[kS2][c] : 0.0f), q[2]};
         },
         [&](int) { return f[kD][10]; }},
        {"tail", &CFishSpecies08::DrawPart8, &g_Fish08Tail[0][0], 19, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + at(kW, tail[c]) + (row == 0 ? f[kS3][c] : 0.0f), q[2]};
         },
         [&](int c) { return at(kD, tail[c]); }},
        {"eye", &CFishSpecies08::DrawPart9, &g_Fish08Eye[0][0], 7, {false, true}, true,
         [&](Vec q, int, int, bool) { return q; }, [&](int) { return f[kD][0]; }},
    };
    ExpectStripsFollowRules(recorder, fish, f, rules, [](const char*) { return true; });
}

TEST_F(Species08Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw();  // waves and a bend under way
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

// ---- walls and pitch ----

TEST(FishSpecies08Walls, ANewFishPlacedInFrontIsSlowedAndHeldAtTheNearWall)
{
    VertexRecorder recorder;
    CFishSpecies08 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[0] = 0;
    fish.m_fPos[2] = 50;
    fish.m_fPitch = 0;
    fish.Draw();
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
    EXPECT_EQ(fish.m_fPos[2], -75.0f);
    EXPECT_EQ(fish.m_nWallState, 4);
}

TEST(FishSpecies08Walls, BeyondTheFarWallItIsOnlySpedUp)
{
    VertexRecorder recorder;
    for (int heading : {0, 180}) {
        CFishSpecies08 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_nTargetHeading = heading;
        fish.m_fHeading = static_cast<float>(heading);
        fish.m_fPitch = 0;
        fish.m_fSpeed = 0.03f;
        fish.m_fPos[2] = -160;
        fish.Draw();
        EXPECT_EQ(fish.m_fPos[2], -160.0f) << heading;
        EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.04f) << heading;
        EXPECT_EQ(fish.m_nWallState, 0) << heading;
    }
}

TEST(FishSpecies08Walls, TheShownPitchFollowsByAtMostOneDegreeAFrame)
{
    VertexRecorder recorder;
    struct Case {
        float pitch, shown, after;
    } cases[] = {{10, 0, 1}, {-3, 0, -1}, {5, 5, 5}, {5, 4.5f, 4.5f}, {5, 5.5f, 4.5f}};
    for (const Case& c : cases) {
        CFishSpecies08 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[2] = -100;
        fish.m_fPitch = c.pitch;
        fish.m_fShownPitch = c.shown;
        fish.Draw();
        EXPECT_EQ(fish.m_fShownPitch, c.after) << c.pitch << " from " << c.shown;
    }
}

// ---- the mesh tables ----

TEST(FishSpecies08Mesh, ADeepFlatBodyWithItsRowsFromTheRidgeToTheBelly)
{
    ExpectStoredHalfBodyRowsAlongTheSegments(g_Fish08Body);
    // Deep (about half as deep as long to the tail root) and flat (a third as wide as deep).
    float deepest = 0, widest = 0;
    for (int j = 0; j < 14; ++j) {
        deepest = std::max(deepest, g_Fish08Body[0][j].z - g_Fish08Body[4][j].z);
        widest = std::max(widest, -2 * g_Fish08Body[2][j].y);
    }
    const float length = g_Fish08Body[0][13].x - g_Fish08UpperJaw[0][0].x;
    EXPECT_GT(deepest, 0.4f * length);
    EXPECT_LT(widest, 0.4f * deepest);
}

TEST(FishSpecies08Mesh, TheJawsCloseTheHeadInFrontOfTheBodyAndMeetAtTheMouth)
{
    // Column 6 of the jaws is body column 0: the upper jaw its rows 0 to 3,
    // the lower its rows 3 and 4.
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(g_Fish08UpperJaw[r][6].x, g_Fish08Body[r][0].x);
        EXPECT_NEAR(g_Fish08UpperJaw[r][6].z, g_Fish08Body[r][0].z, 1e-6);
    }
    for (int r = 0; r < 2; ++r)
        EXPECT_NEAR(g_Fish08LowerJaw[r][6].z, g_Fish08Body[3 + r][0].z, 1e-6);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(g_Fish08UpperJaw[3][k].z, g_Fish08LowerJaw[0][k].z) << "the lips meet, column " << k;
        if (k > 0) {
            EXPECT_GT(g_Fish08UpperJaw[0][k].x, g_Fish08UpperJaw[0][k - 1].x) << "tip first";
        }
    }
    // The eye turns with bend 0: on the head, ahead of body column 0, well
    // above the mouth line, its centre above the middle of the head's side.
    for (const auto& row : g_Fish08Eye)
        for (const FishVertex& p : row) {
            EXPECT_LT(p.x, g_Fish08Body[0][0].x);
            EXPECT_GT(p.z, g_Fish08UpperJaw[3][5].z + 0.03f);
        }
    EXPECT_GT(g_Fish08Eye[0][0].z, g_Fish08UpperJaw[2][5].z);
}

TEST(FishSpecies08Mesh, FinsStandOnTheirSideOfTheBody)
{
    for (int c = 0; c < 15; ++c)
        EXPECT_GT(g_Fish08SpinyDorsal[0][c].z, g_Fish08SpinyDorsal[1][c].z) << "spiny dorsal edge above, " << c;
    for (int c = 0; c < 9; ++c)
        EXPECT_GT(g_Fish08SoftDorsal[0][c].z, g_Fish08SoftDorsal[1][c].z) << "soft dorsal edge above, " << c;
    for (int c = 0; c < 10; ++c) {
        EXPECT_LT(g_Fish08Anal[0][c].z, g_Fish08Anal[1][c].z) << "anal edge below, " << c;
        EXPECT_LT(g_Fish08Pelvic[0][c].z, g_Fish08Pelvic[1][c].z) << "pelvic edge below, " << c;
    }
    for (int c = 0; c < 19; ++c)
        EXPECT_GT(g_Fish08Tail[0][c].x, g_Fish08Tail[1][c].x) << "tail edge behind its root, " << c;
    // The spiny and the soft dorsal meet at one point of their edges.
    EXPECT_EQ(g_Fish08SpinyDorsal[0][14].x, g_Fish08SoftDorsal[0][0].x);
    EXPECT_EQ(g_Fish08SpinyDorsal[0][14].z, g_Fish08SoftDorsal[0][0].z);
    // The soft dorsal and the anal fin end in points over and under the tail.
    EXPECT_GT(g_Fish08SoftDorsal[0][7].x, g_Fish08Body[0][13].x);
    EXPECT_GT(g_Fish08Anal[0][8].x, g_Fish08Body[0][13].x);
    // Paired fins off the flank (the stored half), outward toward their tips;
    // the pelvic's tip the furthest back and lowest of its edge.
    for (int c = 1; c < 9; ++c)
        EXPECT_LT(g_Fish08Pectoral[0][c].y, g_Fish08Pectoral[0][c - 1].y) << c;
    for (int c = 0; c < 9; ++c) {
        EXPECT_LT(g_Fish08Pelvic[0][c].x, g_Fish08Pelvic[0][9].x) << c;
        EXPECT_GT(g_Fish08Pelvic[0][c].z, g_Fish08Pelvic[0][9].z) << c;
    }
}

TEST(FishSpecies08Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies08);
}

}  // namespace
