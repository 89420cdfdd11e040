// Species 24, the peacock bass: its construction and random draws, its own
// heading, pitch, speed and style steps, its generators (all times the size),
// the parts of its Draw with their grids, mirrors, rotations and waves, and
// its mesh tables.
#include "fish/fish_registry.h"
#include "fish/fish_species24.h"
#include "fish/fish_species24_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Working arrays of the class's Draw (its order in fish_species24.cpp).
enum { kR7, kR10, kBend, kBW, kSA4, kSA5, kSB5, kSC3, kSD5, kSE11 };
// Wave blocks in layout order.
enum { kBodyBlock, kR1, kR2, kA, kB, kC, kD, kE };

// The parts in drawing order: strips and points per strip. A part drawn on
// both sides sends each band twice.
const PartShape kShapes[] = {
    {"body", 8, 24},         {"upper jaw", 4, 20}, {"lower jaw", 4, 14}, {"spiny dorsal", 1, 8},
    {"soft dorsal", 1, 10},  {"pectoral", 2, 10},  {"pelvic", 2, 6},     {"anal", 1, 10},
    {"tail", 1, 22},         {"eye", 4, 10},
};

using Vec = std::array<float, 3>;

Vec TurnZ(const Vec& p, float angle)
{
    const double a = angle * kPi / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

void ExpectNear(const Vec& a, const Vec& b, const char* what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 2e-5) << what << " axis " << k;
}

TEST(FishSpecies24Construction, IsABigFastFishWithItsOwnWaveBlocksAndTheTemplatesDraws)
{
    // Blocks: body, R1, R2, sines A to E. Wave numbers pi/12, -, -, pi/16 x 4, pi/10.
    ExpectStartValues<CFishSpecies24>({.size = 7,
                                       .speed = 0.2f,
                                       .drift = false,
                                       .bodyDims = {1.0f, 0.36675f, 0.331898f},
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.01, 0},
                                                  {0, 0.01, 0},
                                                  {kPi / 16, 0.005, kPi / 6},
                                                  {kPi / 16, 0.05, kPi / 6},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 4}}});
    for (unsigned seed : {1u, 77u, 4242u}) {
        crt::srand(seed);
        const CFishSpecies24 fish;
        EXPECT_EQ(fish.WholePitch(), RandValue(0, seed) % 45);
        EXPECT_EQ(fish.m_fPitch, static_cast<float>(fish.WholePitch())) << "a whole number of degrees";
    }
}

TEST(FishSpecies24Construction, SwimBoxRaisesTheTopAndBottomAndSetsTheBodyDims)
{
    CFishSpecies24 fish;
    fish.m_nWallState = 2;
    fish.m_bBusy = 1;
    fish.m_fBodyDims[0] = 0;
    fish.SetSwimBox(-40, 45, 3, -22, -75, -80);
    const float box[6] = {-40, 45, 13, -17, -75, -80};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fish.m_fSwimBox[i], box[i]) << i;
    EXPECT_FLOAT_EQ(fish.m_fBodyDims[0], 1.0f);
    EXPECT_FLOAT_EQ(fish.m_fBodyDims[1], 0.36675f);
    EXPECT_FLOAT_EQ(fish.m_fBodyDims[2], 0.331898f);
    EXPECT_EQ(fish.m_bBusy, 0);
    EXPECT_EQ(fish.m_nWallState, 2) << "the wall state is left as it was";
}

// ---- its own small operations ----

TEST(FishSpecies24Operations, HeadingTurnDrawsTwiceAndTheSecondDecides)
{
    CFishSpecies24 fish;
    for (unsigned seed = 1; seed < 30; ++seed) {
        EXPECT_EQ(RandDraws([&] { fish.TurnHeading(0, false, 0); }, seed), 2);
        EXPECT_EQ(fish.m_nTargetHeading, (RandValue(1, seed) & 1) ? 180 : 0) << seed;
    }
    struct Case {
        int mode, before, after;
    } cases[] = {{1, 0, 180}, {1, 180, 0}, {1, 90, 90}, {2, 180, 180}, {4, 0, 0}, {2, 200, 180}, {3, -10, 0}};
    for (const Case& c : cases) {
        fish.m_nTargetHeading = c.before;
        EXPECT_EQ(RandDraws([&] { fish.TurnHeading(0, true, c.mode); }), 0);
        EXPECT_EQ(fish.m_nTargetHeading, c.after) << "mode " << c.mode << " from " << c.before;
    }
}

TEST(FishSpecies24Operations, PitchStaysAWholeNumberOfDegrees)
{
    CFishSpecies24 fish;
    struct Case {
        int mode;
        float step;
        bool up;
        float before, after;
    } cases[] = {
        {7, 0.5f, true, 10, 10},     // 10.5 truncated
        {7, 0.5f, false, 10, 9},     // 9.5 truncated
        {7, 0.5f, true, -10, -9},    // -9.5 truncated toward zero
        {7, 3.0f, true, 20, 23},
        {7, 2.0f, true, 89, 89},     // 91 is past 90: no change, not even the clamp
        {7, 2.0f, false, -89, -89},
        {7, 10.0f, true, 44, 45},    // 54, clamped
        {3, 0, false, 30, -30},
        {5, 0, true, 12, 13},
        {5, 0, false, 12, 11},
        {5, 0, true, 45, 45},
        {4, 0, false, 10, 10},       // the touch's mode: only the clamp
        {4, 0, false, 90, 45},
        {6, 0, true, -60, -45},
    };
    for (const Case& c : cases) {
        fish.m_fPitch = c.before;
        fish.TurnPitch(c.step, c.up, c.mode);
        EXPECT_EQ(fish.m_fPitch, c.after) << "mode " << c.mode << " step " << c.step << " from " << c.before;
        EXPECT_EQ(fish.m_fPitch, std::trunc(fish.m_fPitch));
    }
    // Mode 0 turns 15 to 29 degrees back toward level, by one draw.
    for (unsigned seed = 1; seed < 20; ++seed)
        for (float before : {0.0f, 44.0f, -20.0f}) {
            fish.m_fPitch = before;
            EXPECT_EQ(RandDraws([&] { fish.TurnPitch(0, false, 0); }, seed), 1);
            const int r = 15 + RandValue(0, seed) % 15;
            EXPECT_EQ(fish.m_fPitch, before > 0 ? before - r : std::min(before + r, 45.0f)) << seed;
        }
}

TEST(FishSpecies24Operations, SpeedApproachAndSwimStyleChangeNothing)
{
    CFishSpecies24 fish;
    for (float target : {0.025f, 0.1f, 0.5f}) {
        fish.ApproachSpeed(0.05f, target);
        EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.2f) << "the birth speed stays";
    }
    FishWave before[kFishMaxWaves];
    std::copy(std::begin(fish.m_Wave), std::end(fish.m_Wave), before);
    for (float target : {0.01f, 0.05f, 0.4f}) {
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(target, 0, 0, 0); }), 0);
        EXPECT_EQ(fish.m_bStroke, 0);
        for (int b = 0; b < kFishMaxWaves; ++b) {
            EXPECT_EQ(fish.m_Wave[b].waveNumber, before[b].waveNumber);
            EXPECT_EQ(fish.m_Wave[b].amplitude, before[b].amplitude);
            EXPECT_EQ(fish.m_Wave[b].phaseStep, before[b].phaseStep);
        }
        fish.SetSwimStyle(target, 0, 0, 1);
        EXPECT_EQ(fish.m_bStroke, 1) << "the stroke flag is stored";
    }
}

TEST(FishSpecies24Operations, WallsKeepTheBirthSpeed)
{
    CFishSpecies24 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    // Near the z limit the template slows toward 0.1; at the top toward 0.025.
    fish.m_fPos[0] = 0;
    fish.m_fPos[1] = 20;  // above the top, 13
    fish.m_fPos[2] = -70;
    fish.m_fPitch = 30;
    fish.UpdateDirFlags();
    fish.KeepInSwimBox();
    EXPECT_EQ(fish.m_nWallState, 5);
    EXPECT_EQ(fish.m_fPos[1], 13.0f);
    EXPECT_EQ(fish.m_fPitch, -30.0f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.2f);
}

TEST(FishSpecies24Operations, TheTouchToolOnlyClampsAVerticalPitch)
{
    const FishSpecies* species = FindFishSpecies(24);
    ASSERT_NE(species, nullptr);
    EXPECT_EQ(species->description, &kFishSpecies24);
    EXPECT_EQ(species->textureId, 10024);
    std::unique_ptr<IFishArray> fish = species->makeArray();
    fish->SetSize(1);
    CFishModel& f = fish->GetAt(0);
    f.m_fPos[2] = -70;  // in the depth band, where other fish turn
    for (float pitch : {90.0f, -90.0f, 30.0f, 0.0f}) {
        f.m_fPitch = pitch;
        EXPECT_EQ(RandDraws([&] { fish->Touch(0); }), 0);
        EXPECT_EQ(f.m_fPitch, std::clamp(pitch, -45.0f, 45.0f));
        EXPECT_FLOAT_EQ(f.m_fSpeed, 0.2f);
        EXPECT_EQ(f.m_nTargetHeading, 0);
    }
}

// ---- one frame ----

class Species24Test : public FishSpeciesTest<CFishSpecies24> {
protected:
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
};

TEST_F(Species24Test, EachFrameDrawsTenPartsInOrderWithNoEmptyQuads)
{
    fish.Draw();
    ASSERT_EQ(recorder.primitives.size(), 28u);
    size_t p = 0;
    for (size_t i = 0; i < std::size(kShapes); ++i) {
        EXPECT_STREQ(fish.Class().parts[i].name, kShapes[i].name);
        for (int s = 0; s < kShapes[i].strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << kShapes[i].name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(kShapes[i].points)) << kShapes[i].name;
        }
    }
    EXPECT_EQ(recorder.VertexCount(), 450u);
    EXPECT_EQ(fish.Class().parts.size(), std::size(kShapes));
}

TEST_F(Species24Test, RandomDrawsPerFrame)
{
    // The bend and the ramp toggle draw once each; on the third frame the
    // already reached heading settles: one more. No drift.
    const int expected[8] = {2, 2, 3, 2, 2, 2, 2, 2};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(); }), expected[frame]) << "frame " << frame + 1;

    // A wander decision: its timer and speed target, two for the heading, one
    // for the pitch, and one for a stored speed when the new timer is above 50;
    // the speed approach and the swim style draw nothing.
    for (unsigned seed = 1; seed < 12; ++seed) {
        CFishSpecies24 f = fish;
        f.m_nWanderTimer = 301;
        const int draws = RandDraws([&] { f.Draw(); }, seed);
        const int timer = RandValue(2, seed) % 150;  // after the toggle's and the bend's draws
        EXPECT_EQ(draws, 2 + 5 + (timer > 50 ? 1 : 0)) << seed;
        EXPECT_EQ(f.m_nWanderTimer, timer);
        EXPECT_EQ(f.m_nTargetHeading, (RandValue(5, seed) & 1) ? 180 : 0) << "the second heading draw";
        const float speed = timer > 50 ? (RandValue(7, seed) % 2) * 0.01f + 0.025f : 0.2f;  // else the birth speed
        EXPECT_FLOAT_EQ(f.m_fSpeed, speed);
    }
}

TEST_F(Species24Test, FirstFrameTiltsOneDegreeTowardThePitch)
{
    for (float pitch : {0.0f, 1.0f, 30.0f}) {
        CFishSpecies24 f = fish;
        f.m_fPitch = pitch;
        f.Draw();
        EXPECT_EQ(f.m_fShownPitch, pitch > 0 ? 1.0f : 0.0f);
    }
}

// The values the generators must give, from their rules.
float SineValue(const CFishSpecies24& f, int block, int i)
{
    const FishWave& w = f.m_Wave[block];
    return static_cast<float>(f.m_nSize * w.amplitude * std::sin(i * w.waveNumber + w.phase));
}

TEST_F(Species24Test, SinesCarryTheSizeAndAdvanceAtTheirCadence)
{
    struct Gen {
        const char* name;
        void (CFishSpecies24::*compute)(float*, int);
        int block, n, period;
    } gens[] = {
        {"B", &CFishSpecies24::ComputeSineWave2, kB, 5, 7},
        {"C", &CFishSpecies24::ComputeSineWave3, kC, 3, 4},
        {"D", &CFishSpecies24::ComputeSineWave4, kD, 5, 7},
        {"E", &CFishSpecies24::ComputeSineWave5, kE, 11, 7},
    };
    for (const Gen& g : gens) {
        CFishSpecies24 f;
        const float step = f.m_Wave[g.block].phaseStep;
        float out[16];
        for (int call = 1; call <= 3 * g.period; ++call) {
            (f.*g.compute)(out, g.n);
            EXPECT_FLOAT_EQ(f.m_Wave[g.block].phase, step * (call / g.period)) << g.name << " call " << call;
            for (int i = 0; i < g.n; ++i)
                EXPECT_NEAR(out[i], SineValue(f, g.block, i), 1e-6) << g.name << " entry " << i;
        }
        // Eight sizes: one seventh larger.
        f.m_nSize = 8;
        f.m_Wave[g.block].counter = 0;
        float big[16];
        (f.*g.compute)(big, g.n);
        f.m_nSize = 7;
        f.m_Wave[g.block].counter = 0;
        (f.*g.compute)(out, g.n);
        for (int i = 0; i < g.n; ++i)
            EXPECT_NEAR(big[i], out[i] * 8 / 7, 1e-6) << g.name;
    }
}

TEST_F(Species24Test, SineARunsTwiceAFrameSoItsPhaseStepsAfterThreeAndFourFrames)
{
    std::vector<int> stepFrames;
    float last = 0;
    for (int frame = 1; frame <= 30; ++frame) {
        fish.Draw();
        if (fish.m_Wave[kA].phase != last)
            stepFrames.push_back(frame);
        last = fish.m_Wave[kA].phase;
    }
    // Calls 7, 14, 21, ... of two a frame: frames 4, 7, 11, 14, 18, 21, 25, 28.
    EXPECT_EQ(stepFrames, (std::vector<int>{4, 7, 11, 14, 18, 21, 25, 28}));
}

TEST_F(Species24Test, BodyWaveMovesOnlyTheRearColumnsAndGrowsTowardTheTail)
{
    float out[12];
    const float k = fish.m_Wave[kBodyBlock].waveNumber, step = fish.m_Wave[kBodyBlock].phaseStep;
    float most = 0;
    for (int call = 1; call <= 40; ++call) {
        fish.ComputeBodyWave(out, 12);
        const float phase = fish.m_Wave[kBodyBlock].phase;
        EXPECT_FLOAT_EQ(phase, call / 5 * step > 6.283185f ? phase : call / 5 * step) << "every 5th call";
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(out[i], 0.0f);
        for (int i = 7; i < 12; ++i)
            EXPECT_NEAR(out[i], 0.5 * 7 * (i - 7) * 0.01 * std::sin(i * k + phase), 1e-6);
        most = std::max(most, std::fabs(out[11]));
    }
    EXPECT_LE(most, 0.14f + 1e-6f);
    EXPECT_GT(most, 0.12f) << "column 11 swings by 0.5 x 7 x 4 x 0.01";
}

TEST_F(Species24Test, RampsOpenTheJawsOnlyWhileTheStrokeIsClear)
{
    float r10[10], r7[7];
    fish.m_bStroke = 1;
    fish.ComputeReverseRamp(r10, 10);
    for (float v : r10)
        EXPECT_EQ(v, 0.0f);
    fish.m_bStroke = 0;
    fish.ComputeReverseRamp(r10, 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(r10[i], 7 * 0.01 * (10 - i), 1e-6) << i;  // 0.7 down to 0.07
    fish.m_Wave[kR1].counter = 0;
    fish.ComputeReverseRampToggle(r7, 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(r7[i], 7 * 0.01 * (7 - i), 1e-6) << i;  // 0.49 down to 0.07
    fish.m_nSize = 8;
    fish.ComputeReverseRamp(r10, 10);
    EXPECT_NEAR(r10[0], 0.8f, 1e-6);
    EXPECT_NEAR(r10[9], 0.08f, 1e-6);
}

TEST_F(Species24Test, TheToggleFlipsTheStrokeWhenItsCounterPassesARandomThreshold)
{
    for (unsigned seed : {1u, 9u, 321u}) {
        for (int start : {0, 14}) {
            CFishSpecies24 f;
            f.m_Wave[kR1].counter = start;
            crt::srand(seed);
            float out[7];
            int flippedAt = -1;
            for (int call = 0; call < 30 && flippedAt < 0; ++call) {
                f.ComputeReverseRampToggle(out, 7);
                if (f.m_bStroke == 0)
                    flippedAt = call;
            }
            // Call k sees the old counter start + k and draws value k of the sequence.
            int expected = -1;
            for (int call = 0; call < 30 && expected < 0; ++call)
                if (start + call > 15 + RandValue(call, seed) % 10)
                    expected = call;
            EXPECT_EQ(flippedAt, expected) << seed << " " << start;
            EXPECT_EQ(f.m_Wave[kR1].counter, 0);
        }
    }
}

TEST_F(Species24Test, ATurnBendsTwelveSegmentsAndLeavesTheRestOfTheRun)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 60; ++frame)
        fish.Draw();
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    EXPECT_EQ(fish.m_bBendSettled, 1);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    for (int i = 12; i < 15; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 0) << i;
}

TEST_F(Species24Test, BodyColumnsTurnByTheirBendAndSwayWithTheUnscaledBodyWave)
{
    FishFrame f;
    for (int j = 0; j < 12; ++j) {
        f[kBend][j] = 10.0f * j;
        f[kBW][j] = 0.01f * j;
    }
    fish.DrawBody(f);
    ASSERT_EQ(recorder.primitives.size(), 8u);
    for (int band = 0; band < 4; ++band)
        for (int pass = 0; pass < 2; ++pass) {
            const RecordedPrimitive& strip = recorder.primitives[2 * band + pass];
            for (int j = 0; j < 12; ++j)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& p = g_Fish24Body[band + k][j];
                    // The wave carries the size already and is not mirrored.
                    const float y = (pass ? -p.y : p.y) * 7 + f[kBW][j];
                    ExpectNear(strip.vertices[2 * j + k].position, TurnZ({p.x * 7, y, p.z * 7}, f[kBend][j]),
                               "body point");
                }
        }
}

TEST_F(Species24Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 12; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kBW][j] = 0.02f * j;
    }
    for (int j = 0; j < 11; ++j)
        for (int a : {kR7, kR10, kSA4, kSA5, kSB5, kSC3, kSD5, kSE11})
            f[a][j] = 0.001f * (j + 1) * (a + 1);
    auto mean = [](float a, float b) { return (a + b) / 2; };
    // Half steps: 2k is entry k, 2k + 1 the mean of k and k + 1.
    auto half = [&](int array, int h) { return h % 2 ? mean(f[array][h / 2], f[array][h / 2 + 1]) : f[array][h / 2]; };
    const int softDorsal[5] = {16, 17, 17, 18, 18}, anal[5] = {14, 15, 15, 16, 16};
    const int tail[11] = {20, 20, 22, 22, 22, 22, 22, 22, 22, 20, 20};

    struct Rule {
        const char* name;
        void (CFishSpecies24::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int rows, columns;
        bool mirrored;
        // The offset added to the scaled point (row, column, y-negated pass) and the angle.
        std::function<Vec(int row, int c, bool pass)> offset;
        std::function<float(int c)> angle;
    } rules[] = {
        {"upper jaw", &CFishSpecies24::DrawPart1, &g_Fish24UpperJaw[0][0], 3, 10, true,
         [&](int, int c, bool) { return Vec{0, 0, f[kR10][c]}; }, [&](int) { return f[kBend][0]; }},
        {"lower jaw", &CFishSpecies24::DrawPart2, &g_Fish24LowerJaw[0][0], 3, 7, true,
         [&](int, int c, bool) { return Vec{0, 0, -f[kR7][c]}; }, [&](int) { return f[kBend][0]; }},
        {"spiny dorsal", &CFishSpecies24::DrawPart3, &g_Fish24SpinyDorsal[0][0], 2, 4, false,
         [&](int row, int c, bool) {
             const float w = row == 1 ? f[kSA4][c] : 0.0f;
             return Vec{w, w, 0};
         },
         [&](int) { return f[kBend][6]; }},
        {"soft dorsal", &CFishSpecies24::DrawPart4, &g_Fish24SoftDorsal[0][0], 2, 5, false,
         [&](int row, int c, bool) { return Vec{0, f[kBW][7] + (row == 1 ? f[kSA5][c] : 0.0f), 0}; },
         [&](int c) { return half(kBend, softDorsal[c]); }},
        {"pectoral", &CFishSpecies24::DrawPart5, &g_Fish24Pectoral[0][0], 2, 5, true,
         [&](int row, int c, bool pass) {
             const float w = row == 0 ? f[kSB5][c] : 0.0f;
             return Vec{0, pass ? -w : w, w};
         },
         [&](int) { return f[kBend][4]; }},
        {"pelvic", &CFishSpecies24::DrawPart6, &g_Fish24Pelvic[0][0], 2, 3, true,
         [&](int row, int c, bool pass) {
             const float w = row == 0 ? f[kSC3][c] : 0.0f;
             return Vec{0, pass ? -w : w, 0};
         },
         [&](int) { return f[kBend][5]; }},
        {"anal", &CFishSpecies24::DrawPart7, &g_Fish24Anal[0][0], 2, 5, false,
         [&](int row, int c, bool) { return Vec{0, half(kBW, anal[c]) + (row == 1 ? f[kSD5][c] : 0.0f), 0}; },
         [&](int c) { return half(kBend, anal[c]); }},
        {"tail", &CFishSpecies24::DrawPart8, &g_Fish24Tail[0][0], 2, 11, false,
         [&](int row, int c, bool) { return Vec{0, half(kBW, tail[c]) + (row == 0 ? f[kSE11][c] : 0.0f), 0}; },
         [&](int c) { return half(kBend, tail[c]); }},
        {"eye", &CFishSpecies24::DrawPart9, &g_Fish24Eye[0][0], 3, 5, true,
         [&](int, int, bool) { return Vec{0, 0, 0}; }, [&](int) { return f[kBend][0]; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const int passes = rule.mirrored ? 2 : 1;
        ASSERT_EQ(recorder.primitives.size(), size_t((rule.rows - 1) * passes)) << rule.name;
        for (int band = 0; band + 1 < rule.rows; ++band)
            for (int pass = 0; pass < passes; ++pass) {
                const RecordedPrimitive& strip = recorder.primitives[band * passes + pass];
                ASSERT_EQ(strip.vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const int row = band + k;
                        const FishVertex& p = rule.mesh[row * rule.columns + c];
                        const Vec w = rule.offset(row, c, pass == 1);
                        const Vec q{p.x * 7 + w[0], (pass ? -p.y : p.y) * 7 + w[1], p.z * 7 + w[2]};
                        ExpectNear(strip.vertices[2 * c + k].position, TurnZ(q, rule.angle(c)), rule.name);
                        EXPECT_EQ(strip.vertices[2 * c + k].normal[1], p.ny) << rule.name << ": normals as stored";
                    }
            }
    }
}

TEST_F(Species24Test, ALargerFishIsDrawnLargerWavesIncluded)
{
    fish.m_bStroke = 0;  // the jaws open
    CFishSpecies24 big = fish;
    big.m_nSize = 8;
    crt::srand(5);
    fish.Draw();
    const std::vector<RecordedPrimitive> small = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(5);
    big.Draw();
    ASSERT_EQ(recorder.primitives.size(), small.size());
    for (size_t s = 0; s < small.size(); ++s)
        for (size_t i = 0; i < small[s].vertices.size(); ++i)
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(recorder.primitives[s].vertices[i].position[k],
                            8.0f / 7.0f * small[s].vertices[i].position[k], 1e-4);
}

// ---- the mesh tables ----

TEST(FishSpecies24Mesh, BodyRowsRunFromTheBellyToTheRidgeAlongTheSegments)
{
    for (int j = 0; j < 12; ++j) {
        EXPECT_NEAR(g_Fish24Body[0][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        EXPECT_NEAR(g_Fish24Body[4][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_LT(g_Fish24Body[0][j].z, 0.0f);
        EXPECT_GT(g_Fish24Body[4][j].z, 0.0f);
        for (int r = 1; r < 5; ++r) {
            EXPECT_EQ(g_Fish24Body[r][j].x, g_Fish24Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_GT(g_Fish24Body[r][j].z, g_Fish24Body[r - 1][j].z) << "rows go up";
        }
        for (int r = 1; r < 4; ++r)
            EXPECT_GT(g_Fish24Body[r][j].y, 0.0f);
        if (j > 0) {
            EXPECT_GT(g_Fish24Body[0][j].x, g_Fish24Body[0][j - 1].x);
        }
    }
    // Column 0 at the eye (bend 0), 11 at the tail root, about -0.42 to 0.42 between.
    EXPECT_NEAR(g_Fish24Body[0][0].x, g_Fish24Eye[0][0].x, 0.005f);
    EXPECT_NEAR(g_Fish24Body[0][11].x, 0.42f, 1e-6);
    const auto [top, bottom, side] = BoxOf(g_Fish24Body);
    EXPECT_LT(top - bottom, 0.331898f) << "inside the hit box's height";
    EXPECT_GT(top - bottom, 0.22f);
    EXPECT_LT(2 * side, 0.36675f);
}

TEST(FishSpecies24Mesh, TheJawsCloseTheHeadInFrontOfTheBody)
{
    for (int r = 0; r < 3; ++r) {
        EXPECT_NEAR(g_Fish24UpperJaw[r][0].x, -0.5f, 1e-6);
        EXPECT_NEAR(g_Fish24LowerJaw[r][0].x, -0.5f, 1e-6);
        EXPECT_NEAR(g_Fish24UpperJaw[r][0].y, 0.0f, 1e-6) << "the snout tip closes in the midline";
        EXPECT_NEAR(g_Fish24LowerJaw[r][0].y, 0.0f, 1e-6);
        // The last column lies on the body's first cross-section.
        EXPECT_NEAR(g_Fish24UpperJaw[r][9].x, g_Fish24Body[0][0].x, 1e-6);
        EXPECT_NEAR(g_Fish24UpperJaw[r][9].z, g_Fish24Body[2 + r][0].z, 1e-6) << "upper jaw rows: side to ridge";
        EXPECT_NEAR(g_Fish24LowerJaw[r][6].z, g_Fish24Body[r][0].z, 1e-6) << "lower jaw rows: belly to side";
    }
    // The lips meet: the upper jaw's row 0 and the lower jaw's row 2, tip and root.
    EXPECT_NEAR(g_Fish24UpperJaw[0][9].z, g_Fish24LowerJaw[2][6].z, 1e-6);
    EXPECT_NEAR(g_Fish24UpperJaw[0][0].z, g_Fish24LowerJaw[2][0].z, 1e-6);
}

TEST(FishSpecies24Mesh, FinsStandInTheMidlineOrOffTheFlankWithTheirEdgeRowsWhereTheClassWavesThem)
{
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(g_Fish24SpinyDorsal[0][c].y, 0.0f);
        EXPECT_GT(g_Fish24SpinyDorsal[1][c].z, g_Fish24SpinyDorsal[0][c].z) << "edge above the root";
    }
    for (int c = 0; c < 5; ++c) {
        EXPECT_GT(g_Fish24SoftDorsal[1][c].z, g_Fish24SoftDorsal[0][c].z);
        EXPECT_LT(g_Fish24Anal[1][c].z, g_Fish24Anal[0][c].z) << "the anal fin hangs down";
        EXPECT_GT(g_Fish24Pectoral[0][c].x, g_Fish24Pectoral[1][c].x) << "the pectoral's edge lies behind its root";
        EXPECT_GT(g_Fish24Pectoral[0][c].y, g_Fish24Pectoral[1][c].y) << "and out from the flank";
    }
    for (int c = 0; c < 3; ++c)
        EXPECT_LT(g_Fish24Pelvic[0][c].z, g_Fish24Pelvic[1][c].z) << "the pelvic's edge below its root";
    for (int c = 0; c < 11; ++c)
        EXPECT_GT(g_Fish24Tail[0][c].x, g_Fish24Tail[1][c].x) << "the tail's edge behind its root";
    EXPECT_GT(g_Fish24Tail[0][0].z, g_Fish24Tail[0][10].z) << "edge from the upper tip to the lower";
}

TEST(FishSpecies24Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies24);
    for (int r = 1; r < 4; ++r)
        for (int j = 0; j < 12; ++j)
            EXPECT_GT(g_Fish24Body[r][j].ny, 0.0f) << "flank normals face out, " << r << " " << j;
}

}  // namespace
