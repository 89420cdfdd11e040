// Species 6, the lyretail killifish: its construction and random draws, its
// generators (each multiplies by the size), its stroke toggle with the drawn
// threshold, the parts of its Draw with their grids, mirrors, rotations and
// waves, variant 3, its wall turn, and its mesh tables.
#include "fish/fish_species06.h"
#include "fish/fish_species06_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species06.cpp).
enum { kT, kR, kD, kW, kS3, kG1, kG2, kS1, kS2 };

constexpr float kPi = 3.14159265f;

using Vec = std::array<float, 3>;

// ---- construction ----

TEST(FishSpecies06Construction, StartsWithItsOwnValuesAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies06>({.speed = 0.1f,
                                       .drift = false,
                                       .bodyDims = {1.0f, 0.36675f, 0.331898f},
                                       .blocks = {{kPi / 12, 0, kPi / 4},
                                                  {0, 0.003f, 0},
                                                  {0, 0.003f, 0},
                                                  {kPi / 5, 0.005f, kPi / 8},
                                                  {kPi / 32, 0, kPi / 8},
                                                  {},
                                                  {kPi / 24, 0, kPi / 8},
                                                  {},
                                                  {kPi / 2, 0.02f, kPi / 6},
                                                  {kPi / 4, 0.01f, kPi / 6},
                                                  {kPi / 10, 0.02f, kPi / 4}}});
    // Born at 0.1, above the ceiling of the speed approach, until its first call.
    CFishSpecies06 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies06Swimming, SetSwimBoxKeepsTheWallState)
{
    CFishSpecies06 fish;
    fish.m_nWallState = 2;
    fish.m_bBusy = 1;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    EXPECT_EQ(fish.m_nWallState, 2);
    EXPECT_EQ(fish.m_bBusy, 0);
    const float box[6] = {-50, 50, 13, -17, -75, -80};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fish.m_fSwimBox[i], box[i]) << i;
    EXPECT_FLOAT_EQ(fish.m_fBodyDims[1], 0.36675f);
    struct Depth {
        float z;
        bool in;
    } depths[] = {{-75, false}, {-74.5f, true}, {-89, true}, {-60, false}, {-90, false}};
    for (const Depth& d : depths) {
        fish.m_fPos[2] = d.z;
        EXPECT_EQ(fish.IsInDepthBand(), d.in) << d.z;
    }
}

TEST(FishSpecies06Swimming, SwimStyleSetsThreeBlocksAndDrawsOnce)
{
    for (float m : {1.0f, 1.5f}) {
        CFishSpecies06 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 12, 1e-6);
        EXPECT_NEAR(fish.m_Wave[0].phaseStep, m * kPi / 4, 1e-6);
        EXPECT_NEAR(fish.m_Wave[3].waveNumber, kPi / 5, 1e-6);
        EXPECT_NEAR(fish.m_Wave[3].amplitude, m * 0.015f, 1e-7);
        EXPECT_NEAR(fish.m_Wave[3].phaseStep, m * kPi / 8, 1e-6);
        EXPECT_NEAR(fish.m_Wave[4].waveNumber, kPi / 32, 1e-6);
        EXPECT_NEAR(fish.m_Wave[4].phaseStep, m * kPi / 8, 1e-6);
        // The others keep their values.
        EXPECT_NEAR(fish.m_Wave[6].phaseStep, kPi / 8, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[8].amplitude, 0.02f);
        EXPECT_FLOAT_EQ(fish.m_Wave[9].amplitude, 0.01f);
        EXPECT_FLOAT_EQ(fish.m_Wave[1].amplitude, 0.003f);
    }
}

// ---- the generators ----

TEST(FishSpecies06Waves, EachGeneratorHasItsCadenceAndScalesWithTheSize)
{
    using Gen = void (CFishSpecies06::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<float(int i, float k, float phi, float amplitude)> value;  // at size 1
    } cases[] = {
        {"body wave", &CFishSpecies06::ComputeBodyWave, 0, 9, 5,
         [](int i, float k, float phi, float) { return i < 3 ? 0.0f : 0.5f * (i - 3) / 70 * std::sin(i * k + phi); }},
        {"sized sine", &CFishSpecies06::ComputeSizedSineWave, 3, 9, 7,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
        {"growing wave", &CFishSpecies06::ComputeGrowingWave, 4, 6, 7,
         [](int i, float k, float phi, float) { return 0.01f * i * std::sin(i * k + phi); }},
        {"growing wave 2", &CFishSpecies06::ComputeGrowingWave2, 6, 5, 7,
         [](int i, float k, float phi, float) { return 0.004f * i * std::sin(i * k + phi); }},
        {"sine wave", &CFishSpecies06::ComputeSineWave, 8, 7, 7,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
        {"sine wave 2", &CFishSpecies06::ComputeSineWave2, 9, 9, 7,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
    };
    for (const Case& c : cases)
        for (int size : {5, 8}) {
            CFishSpecies06 fish;
            fish.m_nSize = size;
            FishWave& w = fish.m_Wave[c.block];
            w.phase = 1.0f;
            float out[16] = {};
            ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], size * c.value(i, w.waveNumber, w.phase, w.amplitude), 1e-6)
                    << c.name << " size " << size << " entry " << i;
            EXPECT_EQ(out[c.n], 0.0f) << c.name << " writes only its entries";
        }
}

TEST(FishSpecies06Waves, TheBodyWaveIsStillAtTheHeadAndGrowsTowardTheTail)
{
    CFishSpecies06 fish;
    fish.m_Wave[0].phase = 0.3f;
    float w[9];
    fish.ComputeBodyWave(w, 9);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w[i], 0.0f) << i;
    // The factor of each entry, |w| / |sin|, grows by 0.5 x size / 70 a segment.
    for (int i = 3; i < 9; ++i)
        EXPECT_NEAR(std::fabs(w[i]), 5 * 0.5f * (i - 3) / 70 * std::fabs(std::sin(i * kPi / 12 + 0.3f)), 1e-6);
}

TEST(FishSpecies06Waves, RampsWriteThreeEntriesTimesTheSizeAndTheLastTwoZero)
{
    using Gen = void (CFishSpecies06::*)(float*, int);
    for (Gen gen : {&CFishSpecies06::ComputeReverseRamp, &CFishSpecies06::ComputeReverseRampToggle})
        for (int size : {4, 5, 8}) {
            CFishSpecies06 fish;
            fish.m_nSize = size;
            fish.m_Wave[1].counter = 0;
            float out[5] = {9, 9, 9, 9, 9};
            (fish.*gen)(out, 5);
            EXPECT_EQ(fish.m_bStroke, 1);
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(out[i], 0.0f) << "zero while the stroke flag is set, " << i;
            fish.m_bStroke = 0;
            (fish.*gen)(out, 5);
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(out[i], size * 0.003f * (5 - i), 1e-7) << "size " << size << " entry " << i;
            // Draw's arrays start at 0; any other caller's get the 0 written.
            EXPECT_EQ(out[3], 0.0f) << "left out of the ramp";
            EXPECT_EQ(out[4], 0.0f) << "left out of the ramp";
        }
}

// The toggle draws a threshold 15 + rand() % 10 at every call and flips the
// stroke when the calls counted since the last flip exceed it.
TEST(FishSpecies06Waves, TheStrokeFlipsAgainOnThe17thTo26thCallByTheDrawnThreshold)
{
    ExpectStrokeFlipsByDrawnThreshold<CFishSpecies06>(
        [](CFishSpecies06& fish) {
            float t[5];
            fish.ComputeReverseRampToggle(t, 5);
        },
        1);
    CFishSpecies06 fish;
    float t[5];
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRampToggle(t, 5); }), 1);
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRamp(t, 5); }), 0);
}

// ---- Draw ----

// A part as one frame sends it: an empty GL_QUADS pair first (all but the
// body), then its strips, each of `points` vertices.
const PartShape kShapes[] = {
    {"body", 8, 18},    {"upper jaw", 4, 10}, {"lower jaw", 4, 10}, {"dorsal", 1, 18}, {"pectoral", 2, 12},
    {"pelvic", 2, 10},  {"anal", 1, 14},      {"tail", 1, 18},      {"eye", 4, 10},    {"gill cover", 2, 8},
};

void ExpectShapes(const VertexRecorder& recorder, const CFishModel& fish, bool withAnal, const std::string& what)
{
    ExpectPartsLaidOut(recorder, fish, kShapes,
                       {.emptyQuadsFirst = [](const char* name) { return std::string(name) != "body"; },
                        .drawn = [&](const char* name) { return withAnal || std::string(name) != "anal"; }},
                       what);
}

using Species06Test = FishSpeciesTest<CFishSpecies06>;

TEST_F(Species06Test, EachFrameDrawsTenPartsInOrder)
{
    fish.Draw(0);
    ExpectShapes(recorder, fish, true, "variant 0");
    EXPECT_EQ(recorder.VertexCount(), 374u);
    EXPECT_TRUE(recorder.colors.empty()) << "no colour change";
}

TEST_F(Species06Test, Variant3LeavesTheAnalFinOutAndOtherVariantsDrawAs0)
{
    struct Case {
        int variant;
        bool anal;
    } cases[] = {{3, false}, {0, true}, {1, true}, {4, true}, {31, true}, {40, true}, {-1, true}};
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.Draw(c.variant);
        EXPECT_EQ(fish.m_nDrawVariant, c.variant);
        ExpectShapes(recorder, fish, c.anal, "variant " + std::to_string(c.variant));
    }
}

TEST_F(Species06Test, RandomDrawsPerFrame)
{
    // The toggle and the bend draw one each; on the third frame the heading
    // is reached (it already shows the target) and the settling draws one more.
    const int expected[6] = {2, 2, 3, 2, 2, 2};
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
    EXPECT_EQ(fish.m_bBendReached, 1);
    EXPECT_EQ(fish.m_bBendSettled, 1);
}

TEST_F(Species06Test, TheBendRunsOverNineSegments)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 3; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
    }
    // The head took one step of 20; segment i trails it by 20 i, the rest of the run stays 0.
    EXPECT_EQ(fish.m_fHeading, 20.0f);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 20 - 20 * i) << i;
    for (int i = 9; i < 15; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 0) << i;
    // Body column j turns by segment j's angle, swaying by the body wave
    // (its phase still 0 on the third call).
    const FishVertex& p = g_Fish06Body[0][6];
    const float sway = 0.5f * 5 * (6 - 3) / 70 * std::sin(6 * kPi / 12);
    ExpectSamePoint(At(0, 6, 0), TurnedAboutZ({p.x * 5, p.y * 5 + sway, p.z * 5}, 20.0f - 120.0f), "body column 6");
}

TEST_F(Species06Test, AtTheXWallTheWholeFishComesRoundInTheNextFrame)
{
    fish.m_fPos[0] = -51;
    fish.Draw(0);  // meets the wall: turned toward rising x, put inside
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    for (int j = 0; j < 9; ++j) {
        const FishVertex& p = g_Fish06Body[2][j];
        const Vec at = At(0, j, 0);
        EXPECT_NEAR(at[0], -p.x * 5, 1e-4) << "column " << j << " faces the other way";
    }
}

TEST_F(Species06Test, TheStrokeOpensTheUpperJawOneFrameBeforeTheLower)
{
    // The toggle runs first, so the reverse ramp of the same frame already
    // sees the new stroke; the toggle's own ramp shows it from the next.
    fish.m_Wave[1].counter = 40;  // flips in the first frame, whatever the threshold
    const size_t upperJaw = 8 + 1, lowerJaw = 8 + 5 + 1;
    const FishVertex& upper = g_Fish06UpperJaw[0][0];
    const FishVertex& lower = g_Fish06LowerJaw[0][0];
    for (int frame = 1; frame <= 2; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        EXPECT_EQ(fish.m_bStroke, 0);
        EXPECT_NEAR(At(upperJaw, 0, 0)[2], (upper.z + 5 * 0.003f) * 5, 1e-5) << "frame " << frame;
        EXPECT_NEAR(At(lowerJaw, 0, 0)[2], (lower.z - (frame == 2 ? 5 * 0.003f : 0)) * 5, 1e-5) << "frame " << frame;
        // Columns 3 and 4 of both jaws stay shut.
        EXPECT_NEAR(At(upperJaw, 3, 0)[2], g_Fish06UpperJaw[0][3].z * 5, 1e-5);
        EXPECT_NEAR(At(lowerJaw, 4, 1)[2], g_Fish06LowerJaw[1][4].z * 5, 1e-5);
    }
}

// Known arrays: every part's rotation and offsets recomputed from the rules.
TEST_F(Species06Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 9; ++j) {
        f[kD][j] = 7.0f * j + 3;
        f[kW][j] = 0.003f * j * j;
    }
    for (int j = 0; j < 9; ++j)
        f[kR][j] = f[kT][j] = f[kS3][j] = f[kG1][j] = f[kG2][j] = f[kS1][j] = f[kS2][j] = 0.001f * (j + 1);
    // The segment (in halves: 2s, or 2s + 1 for the mean of s and s + 1)
    // under each column of the parts that follow the body.
    auto segmentMean = [&](int array, float segment) {
        const int s = static_cast<int>(segment);
        return segment == s ? f[array][s] : (f[array][s] + f[array][s + 1]) / 2;
    };
    const std::vector<float> dorsalAt = {5, 5.5f, 6, 6, 6.5f, 6.5f, 6.5f, 7, 7};
    const std::vector<float> analAt = {4, 5, 5, 6, 6.5f, 7, 7};
    const std::vector<float> tailAt = {7, 7.5f, 8, 8, 8, 8, 8, 7.5f, 7};
    // The generators include the size: their offsets add to the scaled points.
    const StripRule<CFishSpecies06> rules[] = {
        {"body", &CFishSpecies06::DrawBody, &g_Fish06Body[0][0], 9, {false, true}, false,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1] + f[kW][c], q[2]}; },
         [&](int c) { return f[kD][c]; }},
        {"upper jaw", &CFishSpecies06::DrawPart1, &g_Fish06UpperJaw[0][0], 5, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + f[kR][c]}; },
         [&](int) { return f[kD][0]; }},
        {"lower jaw", &CFishSpecies06::DrawPart2, &g_Fish06LowerJaw[0][0], 5, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] - f[kT][c]}; },
         [&](int) { return f[kD][0]; }},
        {"dorsal", &CFishSpecies06::DrawPart3, &g_Fish06Dorsal[0][0], 9, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + segmentMean(kW, dorsalAt[c]) + (row == 1 ? f[kS3][c] : 0.0f), q[2]};
         },
         [&](int c) { return segmentMean(kD, dorsalAt[c]); }},
        {"pectoral", &CFishSpecies06::DrawPart4, &g_Fish06Pectoral[0][0], 6, {false, true}, false,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + f[kG1][c]}; },
         [&](int) { return f[kD][1]; }},
        {"pelvic", &CFishSpecies06::DrawPart5, &g_Fish06Pelvic[0][0], 5, {false, true}, false,
         [&](Vec q, int row, int c, bool m) {
             const float in = row == 1 ? f[kG2][c] : 0.0f;  // the edge swings in, in both halves
             return Vec{q[0], m ? q[1] + in : q[1] - in, q[2]};
         },
         [&](int) { return f[kD][3]; }},
        {"anal", &CFishSpecies06::DrawPart6, &g_Fish06Anal[0][0], 7, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + segmentMean(kW, analAt[c]) + (row == 1 ? f[kS1][c] : 0.0f), q[2]};
         },
         [&](int c) { return segmentMean(kD, analAt[c]); }},
        {"tail", &CFishSpecies06::DrawPart7, &g_Fish06Tail[0][0], 9, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + segmentMean(kW, tailAt[c]) + (row == 0 ? f[kS2][c] : 0.0f), q[2]};
         },
         [&](int c) { return segmentMean(kD, tailAt[c]); }},
        {"eye", &CFishSpecies06::DrawPart8, &g_Fish06Eye[0][0], 5, {false, true}, true,
         [&](Vec q, int, int, bool) { return q; }, [&](int) { return f[kD][0]; }},
        {"gill cover", &CFishSpecies06::DrawPart9, &g_Fish06Gill[0][0], 4, {false, true}, false,
         [&](Vec q, int, int, bool) { return q; }, [&](int) { return f[kD][0]; }},
    };
    ExpectStripsFollowRules(recorder, fish, f, rules, [](const char* name) { return std::string(name) != "body"; });
}

// Variant 3's vertex changes (the fish pass never asks for it), read with
// every wave zero and no bend.
TEST_F(Species06Test, Variant3RaisesTheDorsalEdgeSpreadsThePectoralsAndStretchesTheTail)
{
    const FishFrame zero;
    fish.m_nDrawVariant = 3;
    struct Case {
        const char* name;
        void (CFishSpecies06::*draw)(const FishFrame&);
        size_t primitive;  // after the empty quads
        int column, row;
        const FishVertex& stored;
        Vec moved;  // size 1
    } cases[] = {
        {"dorsal edge", &CFishSpecies06::DrawPart3, 1, 4, 1, g_Fish06Dorsal[1][4],
         {g_Fish06Dorsal[1][4].x, g_Fish06Dorsal[1][4].y, g_Fish06Dorsal[1][4].z + 0.015f * 4}},
        {"dorsal root", &CFishSpecies06::DrawPart3, 1, 4, 0, g_Fish06Dorsal[0][4],
         {g_Fish06Dorsal[0][4].x, g_Fish06Dorsal[0][4].y, g_Fish06Dorsal[0][4].z}},
        {"pectoral lower edge", &CFishSpecies06::DrawPart4, 1, 1, 1, g_Fish06Pectoral[1][1],
         {g_Fish06Pectoral[1][1].x, g_Fish06Pectoral[1][1].y + 0.01f * 5, g_Fish06Pectoral[1][1].z}},
        {"pectoral lower edge, mirrored", &CFishSpecies06::DrawPart4, 2, 1, 1, g_Fish06Pectoral[1][1],
         {g_Fish06Pectoral[1][1].x, -g_Fish06Pectoral[1][1].y - 0.01f * 5, g_Fish06Pectoral[1][1].z}},
        {"pectoral upper edge", &CFishSpecies06::DrawPart4, 1, 1, 0, g_Fish06Pectoral[0][1],
         {g_Fish06Pectoral[0][1].x, g_Fish06Pectoral[0][1].y, g_Fish06Pectoral[0][1].z}},
        {"tail edge", &CFishSpecies06::DrawPart7, 1, 2, 0, g_Fish06Tail[0][2],
         {g_Fish06Tail[0][2].x + 0.05f, g_Fish06Tail[0][2].y, g_Fish06Tail[0][2].z * 1.5f}},
        {"tail root", &CFishSpecies06::DrawPart7, 1, 2, 1, g_Fish06Tail[1][2],
         {g_Fish06Tail[1][2].x, g_Fish06Tail[1][2].y, g_Fish06Tail[1][2].z}},
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        (fish.*c.draw)(zero);
        ExpectSamePoint(At(c.primitive, c.column, c.row), {c.moved[0] * 5, c.moved[1] * 5, c.moved[2] * 5}, c.name);
    }
    // Variant 0 leaves them as stored.
    fish.m_nDrawVariant = 0;
    recorder.primitives.clear();
    fish.DrawPart7(zero);
    const FishVertex& edge = g_Fish06Tail[0][2];
    ExpectSamePoint(At(1, 2, 0), {edge.x * 5, edge.y * 5, edge.z * 5}, "tail edge, variant 0");
}

TEST_F(Species06Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw(0);  // waves and a bend under way
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

// ---- the mesh tables ----

TEST(FishSpecies06Mesh, ALongRoundBodyWithItsRowsFromTheRidgeToTheBelly)
{
    ExpectBodyRowsAlongTheSegments(g_Fish06Body);
    // About as wide as deep in front, several depths long.
    const float depth = g_Fish06Body[0][2].z - g_Fish06Body[4][2].z, width = 2 * g_Fish06Body[2][2].y;
    EXPECT_GT(width, 0.6f * depth);
    EXPECT_GT(g_Fish06Body[0][8].x - g_Fish06UpperJaw[0][0].x, 3.5f * depth);
}

TEST(FishSpecies06Mesh, TheJawsCloseTheHeadInFrontOfTheBodyAndMeetAtTheMouth)
{
    // Column 4 of the jaws is body column 0: the upper jaw its rows 0 to 2,
    // the lower its rows 2 to 4.
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(g_Fish06UpperJaw[r][4].x, g_Fish06Body[r][0].x);
        EXPECT_NEAR(g_Fish06UpperJaw[r][4].z, g_Fish06Body[r][0].z, 1e-6);
        EXPECT_NEAR(g_Fish06LowerJaw[r][4].z, g_Fish06Body[2 + r][0].z, 1e-6);
    }
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(g_Fish06UpperJaw[2][k].z, g_Fish06LowerJaw[0][k].z) << "the lips meet, column " << k;
        if (k > 0) {
            EXPECT_GT(g_Fish06UpperJaw[0][k].x, g_Fish06UpperJaw[0][k - 1].x) << "tip first";
        }
    }
    // The mouth opens upward: its corner line rises toward the tip.
    EXPECT_GT(g_Fish06UpperJaw[2][0].z, g_Fish06UpperJaw[2][3].z);
    // The jaws' moving columns (the ramps' first three) lie in front of the
    // eye, so an open mouth does not cover it.
    float eyeFront = 1;
    for (const auto& row : g_Fish06Eye)
        for (const FishVertex& p : row)
            eyeFront = std::min(eyeFront, p.x);
    EXPECT_LT(g_Fish06UpperJaw[0][2].x, eyeFront);
    for (const auto& row : g_Fish06Eye)
        for (const FishVertex& p : row)
            EXPECT_LT(p.x, g_Fish06Body[0][0].x) << "the eye turns with bend 0: ahead of body column 0";
}

TEST(FishSpecies06Mesh, FinsStandOnTheirSideOfTheBody)
{
    for (int c = 0; c < 9; ++c) {
        EXPECT_GT(g_Fish06Dorsal[1][c].z, g_Fish06Dorsal[0][c].z) << "dorsal edge above its root, " << c;
        EXPECT_GT(g_Fish06Tail[0][c].x, g_Fish06Tail[1][c].x) << "tail edge behind its root, " << c;
    }
    for (int c = 0; c < 7; ++c)
        EXPECT_LT(g_Fish06Anal[1][c].z, g_Fish06Anal[0][c].z) << "anal edge below its root, " << c;
    // The lyre: the streamers' tips (the columns on the tail root, which
    // turn with it) reach further back than the hollow between them; the
    // outer columns, turned by segments 7 and 7.5, stay short beside the
    // stalk, where a turn moves them apart least.
    EXPECT_GT(g_Fish06Tail[0][2].x, g_Fish06Tail[0][4].x + 0.1f);
    EXPECT_GT(g_Fish06Tail[0][6].x, g_Fish06Tail[0][4].x + 0.1f);
    EXPECT_GT(g_Fish06Tail[0][2].z, g_Fish06Tail[0][1].z);
    EXPECT_LT(g_Fish06Tail[0][6].z, g_Fish06Tail[0][7].z);
    for (int c : {0, 1, 7, 8}) {
        const float reach =
            std::hypot(g_Fish06Tail[0][c].x - g_Fish06Tail[1][c].x, g_Fish06Tail[0][c].z - g_Fish06Tail[1][c].z);
        EXPECT_LT(reach, 0.08f) << c;
    }
    // Paired fins: off the flank, outward toward their tips; the pectoral's and
    // pelvic's roots at their segments (1 and 3), the pelvic under the belly.
    for (int c = 1; c < 6; ++c)
        EXPECT_GT(g_Fish06Pectoral[0][c].y, g_Fish06Pectoral[0][c - 1].y);
    EXPECT_NEAR(g_Fish06Pectoral[0][0].x, g_Fish06Body[0][1].x, 0.005f);
    EXPECT_NEAR(0.5f * (g_Fish06Pelvic[0][0].x + g_Fish06Pelvic[1][0].x), g_Fish06Body[0][3].x, 0.005f);
    EXPECT_LT(g_Fish06Pelvic[0][4].z, g_Fish06Body[4][3].z);
}

TEST(FishSpecies06Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies06);
}

}  // namespace
