// Species 22, the dwarf gourami: its construction and random draws, its swim
// style, its generators, the parts of its Draw with their grids, mirrors,
// rotations and waves, and what the extra anal pass sends.
#include "fish/fish_species22.h"
#include "fish/fish_species22_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSize = 5;

// Working arrays of the class's Draw (its order in fish_species22.cpp).
enum { kBend, kBody, kRamp, kToggleRamp, kSine5, kSine7, kSine14, kGrow7, kSine11, kSine9 };
// Wave blocks in layout order.
enum { kBodyBlock, kToggleBlock, kRampBlock, kS5, kS7, kS14, kG7, kS11, kS9 };

using Vec = std::array<float, 3>;
using Steps = CFishSpecies22::Steps;

// The parts in drawing order: strips and points per strip. A mirrored part
// sends each band twice; the pupil sends each column's pair twice.
const PartShape kShapes[] = {
    {"body", 16, 28},        {"upper jaw", 8, 8},      {"lower jaw", 6, 8},      {"spiny dorsal", 1, 10},
    {"soft dorsal", 1, 14},  {"pectoral", 1, 28},      {"pectoral twin", 1, 28}, {"feeler", 1, 14},
    {"feeler twin", 1, 14},  {"anal", 4, 22},          {"tail stalk", 4, 18},    {"tail", 1, 18},
    {"pupil", 1, 20},        {"eye ring", 1, 20},      {"pupil twin", 1, 20},    {"eye ring twin", 1, 20},
    {"anal", 4, 22},
};

// The birth blocks from the class's rules: wave number, amplitude, phase step.
const std::vector<StartBlock> kBirthBlocks = {
    {kPi / 14, 0.01, kPi / 6}, {0, 0.003, 0},             {0, 0.003, 0},
    {kPi / 2, 0.01, kPi / 6},  {kPi / 2, 0.01, kPi / 6},  {kPi / 24, 0.05, kPi / 8},
    {kPi / 20, 0.01, kPi / 8}, {kPi / 2, 0.01, kPi / 6},  {kPi / 4, 0.03, kPi / 6},
};

TEST(FishSpecies22Construction, StartsWithItsOwnBlocksAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies22>({.speed = 0.1f,
                                       .segments = 14,
                                       .drift = true,
                                       .bodyDims = {1.0f, 0.35038799f, 0.380448014f},
                                       .blocks = kBirthBlocks});
}

TEST(FishSpecies22Swimming, TheDepthBandIsOpenAtItsEndsAndMissesItsMiddle)
{
    CFishSpecies22 fish;
    const struct {
        float z;
        bool in;
    } cases[] = {{-75, false}, {-90, false}, {-60, false}, {-89.9f, true}, {-60.1f, true}, {-80, true}, {-50, false}};
    for (const auto& c : cases) {
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.in) << c.z;
    }
}

TEST(FishSpecies22Swimming, SwimStyleScalesSevenBlocksAndDrawsNothing)
{
    for (float target : {0.0f, 0.049f, 0.05f, 0.1f, 0.4f}) {
        CFishSpecies22 fish;
        for (FishWave& w : fish.m_Wave) {
            w.phase = 1.25f;
            w.counter = 3;
        }
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(target, 0, 0, 0); }), 0) << target;
        EXPECT_EQ(fish.m_bStroke, 0);
        const double m = target >= 0.05f ? 1.5 : 1.0;
        for (int b = 0; b < static_cast<int>(kBirthBlocks.size()); ++b) {
            const StartBlock& birth = kBirthBlocks[static_cast<size_t>(b)];
            const bool ramp = b == kToggleBlock || b == kRampBlock;
            EXPECT_FLOAT_EQ(fish.m_Wave[b].waveNumber, static_cast<float>(birth.waveNumber)) << b;
            EXPECT_FLOAT_EQ(fish.m_Wave[b].amplitude, static_cast<float>(birth.amplitude * (ramp ? 1 : m))) << b;
            EXPECT_FLOAT_EQ(fish.m_Wave[b].phaseStep, static_cast<float>(birth.step * (ramp ? 1 : m))) << b;
            EXPECT_EQ(fish.m_Wave[b].phase, 1.25f) << "phases stay, block " << b;
            EXPECT_EQ(fish.m_Wave[b].counter, 3) << "counters stay, block " << b;
        }
        fish.SetSwimStyle(target, 0, 0, 1);
        EXPECT_EQ(fish.m_bStroke, 1);
    }
}

// ---- the generators ----

float Sine(const FishWave& w, int i) { return static_cast<float>(w.amplitude * std::sin(i * w.waveNumber + w.phase)); }

TEST(FishSpecies22Waves, EachSineHasItsBlockCountAndCadence)
{
    struct Gen {
        const char* name;
        std::function<void(CFishSpecies22&, float*, int)> compute;
        int block, n, period;
    };
    const Gen gens[] = {
        {"sine 5",
         [](CFishSpecies22& f, float* out, int n) {
             f.CFishModel::ComputeSineWave(f.Class().plan[Steps::kTemplateSineWave], out, n);
         },
         kS5, 5, 7},
        {"sine 7", [](CFishSpecies22& f, float* out, int n) { f.ComputeSineWave(out, n); }, kS7, 7, 4},
        {"sine 14", [](CFishSpecies22& f, float* out, int n) { f.ComputeSineWave2(out, n); }, kS14, 14, 4},
        {"sine 11", [](CFishSpecies22& f, float* out, int n) { f.ComputeSineWave3(out, n); }, kS11, 11, 7},
        {"sine 9", [](CFishSpecies22& f, float* out, int n) { f.ComputeSineWave4(out, n); }, kS9, 9, 7},
    };
    for (const Gen& g : gens) {
        CFishSpecies22 fish;
        EXPECT_EQ(fish.Class().plan[Steps::kTemplateSineWave].count, 5);
        const float step = fish.m_Wave[g.block].phaseStep;
        float out[16];
        for (int call = 1; call <= 3 * g.period + 1; ++call) {
            std::fill(std::begin(out), std::end(out), 99.0f);
            g.compute(fish, out, g.n);
            EXPECT_FLOAT_EQ(fish.m_Wave[g.block].phase, step * (call / g.period)) << g.name << " call " << call;
            for (int i = 0; i < g.n; ++i)
                EXPECT_NEAR(out[i], Sine(fish.m_Wave[g.block], i), 1e-7) << g.name << " entry " << i;
            EXPECT_EQ(out[g.n], 99.0f) << g.name << ": nothing past its entries";
        }
    }
}

TEST(FishSpecies22Waves, APhaseOfExactlyTwoPiStaysAndALargerOneRestarts)
{
    for (float phase : {6.283185f, std::nextafter(6.283185f, 7.0f), 6.4f}) {
        CFishSpecies22 fish;
        fish.m_Wave[kS7].phase = phase;
        fish.m_Wave[kS7].counter = 0;
        float out[7];
        fish.ComputeSineWave(out, 7);
        EXPECT_EQ(fish.m_Wave[kS7].phase, phase > 6.283185f ? 0.0f : phase) << phase;
        EXPECT_NEAR(out[1], Sine(fish.m_Wave[kS7], 1), 1e-7);
    }
    // A step past 2 pi restarts at 0 on the same call.
    CFishSpecies22 fish;
    fish.m_Wave[kS14].phase = 6.0f;
    fish.m_Wave[kS14].counter = 3;
    float out[14];
    fish.ComputeSineWave2(out, 14);
    EXPECT_EQ(fish.m_Wave[kS14].phase, 0.0f);
    EXPECT_EQ(fish.m_Wave[kS14].counter, 0);
}

TEST(FishSpecies22Waves, TheBodyWaveMovesOnlyItsLastFourEntries)
{
    CFishSpecies22 fish;
    const float k = fish.m_Wave[kBodyBlock].waveNumber;
    float out[14];
    for (int call = 1; call <= 30; ++call) {
        fish.ComputeBodyWave(out, 14);
        const float phase = fish.m_Wave[kBodyBlock].phase;
        EXPECT_FLOAT_EQ(phase, static_cast<float>(kPi / 6) * (call / 7)) << "every 7th call, call " << call;
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(out[i], 0.0f) << i;
        for (int i = 10; i < 14; ++i)
            EXPECT_NEAR(out[i], std::sin(i * k + phase) * (i - 10) * 0.01 * 0.5, 1e-7) << i;
        EXPECT_FLOAT_EQ(fish.m_Wave[kBodyBlock].amplitude, 0.03f) << "the last entry's factor is left in the block";
    }
    // Fewer entries: only those are written.
    float few[14];
    std::fill(std::begin(few), std::end(few), 5.0f);
    fish.ComputeBodyWave(few, 12);
    EXPECT_EQ(few[9], 0.0f);
    EXPECT_NEAR(few[11], std::sin(11 * k + fish.m_Wave[kBodyBlock].phase) * 0.005, 1e-7);
    EXPECT_EQ(few[12], 5.0f);
}

TEST(FishSpecies22Waves, TheGrowingWaveGrowsByFourThousandthsAnEntry)
{
    CFishSpecies22 fish;
    const float k = fish.m_Wave[kG7].waveNumber, step = fish.m_Wave[kG7].phaseStep;
    float out[7];
    for (int call = 1; call <= 13; ++call) {
        fish.ComputeGrowingWave(out, 7);
        const float phase = fish.m_Wave[kG7].phase;
        EXPECT_FLOAT_EQ(phase, step * (call / 4)) << "every 4th call, call " << call;
        for (int i = 0; i < 7; ++i)
            EXPECT_NEAR(out[i], std::sin(i * k + phase) * i * 0.004, 1e-7) << i;
        EXPECT_FLOAT_EQ(fish.m_Wave[kG7].amplitude, 0.024f);
    }
    EXPECT_EQ(out[0], 0.0f) << "the root of the feeler does not sway";
}

TEST(FishSpecies22Waves, RampsGiveZerosWhileTheStrokeIsSet)
{
    CFishSpecies22 fish;
    float ramp[4], toggle[4];
    fish.ComputeRamp(ramp, 4);
    fish.ComputeRampToggle(toggle, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ramp[i], 0.0f);
        EXPECT_EQ(toggle[i], 0.0f);
    }
    fish.m_bStroke = 0;
    const int counter = fish.m_Wave[kRampBlock].counter;
    fish.ComputeRamp(ramp, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(ramp[i], i * 0.003f) << i;
    EXPECT_EQ(fish.m_Wave[kRampBlock].counter, counter) << "the plain ramp counts nothing";
    fish.m_Wave[kToggleBlock].counter = 0;
    fish.ComputeRampToggle(toggle, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(toggle[i], i * 0.003f) << i;
}

TEST(FishSpecies22Waves, TheToggleFlipsTheStrokeOnEvery22ndCall)
{
    for (int start = 0; start < 15; ++start) {
        CFishSpecies22 fish;
        fish.m_Wave[kToggleBlock].counter = start;
        std::vector<int> flips;
        float out[4];
        for (int call = 1; call <= 70; ++call) {
            const BYTE before = fish.m_bStroke;
            EXPECT_EQ(RandDraws([&] { fish.ComputeRampToggle(out, 4); }), 0);
            if (fish.m_bStroke != before)
                flips.push_back(call);
        }
        EXPECT_EQ(flips, (std::vector<int>{22 - start, 44 - start, 66 - start})) << start;
    }
}

// ---- whole frames ----

class Species22Test : public FishSpeciesTest<CFishSpecies22> {
protected:
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
};

TEST_F(Species22Test, EachFrameSendsThirteenPartsInOrderAndTheAnalFinAgain)
{
    fish.Draw();
    size_t primitives = 0, vertices = 0;
    for (const PartShape& s : kShapes) {
        primitives += size_t(s.strips);
        vertices += size_t(s.strips * s.points);
    }
    ASSERT_EQ(recorder.primitives.size(), primitives);
    EXPECT_EQ(vertices, 1014u);
    EXPECT_EQ(recorder.VertexCount(), vertices);
    ASSERT_EQ(fish.Class().parts.size(), std::size(kShapes));
    size_t p = 0;
    for (size_t i = 0; i < std::size(kShapes); ++i) {
        EXPECT_STREQ(fish.Class().parts[i].name, kShapes[i].name);
        for (int s = 0; s < kShapes[i].strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << kShapes[i].name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(kShapes[i].points)) << kShapes[i].name;
        }
    }
    // The second anal pass sends the first one's vertices again.
    const std::vector<RecordedPrimitive> first = Part(9), again = Part(16);
    for (size_t s = 0; s < first.size(); ++s)
        for (size_t v = 0; v < first[s].vertices.size(); ++v)
            EXPECT_EQ(first[s].vertices[v].position, again[s].vertices[v].position) << s << " " << v;
}

TEST_F(Species22Test, RandomDrawsPerFrame)
{
    // The bend draws once a call and once more while the segments catch up
    // (on the third frame, when the head is found on its target); the drift twice.
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(); }), expected[frame]) << "frame " << frame + 1;

    // A wander decision: its timer and speed target, one draw for the heading
    // and one for the pitch (the heading has arrived), and one for a stored
    // speed when the new timer is above 50; the swim style draws nothing.
    for (unsigned seed = 1; seed < 12; ++seed) {
        CFishSpecies22 f = fish;
        f.m_nWanderTimer = 301;
        const int draws = RandDraws([&] { f.Draw(); }, seed);
        const int timer = RandValue(3, seed) % 150;  // after the bend's and the drift's draws
        EXPECT_EQ(draws, 3 + 4 + (timer > 50 ? 1 : 0)) << seed;
        EXPECT_EQ(f.m_nWanderTimer, timer);
        // Then Move: on the swim box's near z limit the speed approaches 0.1 by 0.01.
        if (timer > 50) {
            EXPECT_FLOAT_EQ(f.m_fSpeed, std::min(0.05f, (RandValue(7, seed) % 2) * 0.01f + 0.025f + 0.01f));
        }
    }
}

TEST_F(Species22Test, TheFirstWanderStepComesOnFrame302LessTheTimerAndRaisesTheStyle)
{
    for (int w : {0, 57, 199}) {
        crt::srand(3);
        CFishSpecies22 f = fish;
        f.m_nWanderTimer = w;
        int frame = 0;
        while (f.m_Wave[kBodyBlock].phaseStep == fish.m_Wave[kBodyBlock].phaseStep && frame < 400) {
            f.Draw();
            ++frame;
        }
        EXPECT_EQ(frame, 302 - w) << w;
        EXPECT_FLOAT_EQ(f.m_Wave[kBodyBlock].phaseStep, 0.785398126f);
        EXPECT_FLOAT_EQ(f.m_Wave[kS14].amplitude, 0.075f);
        EXPECT_LT(f.m_nWanderTimer, 150);
    }
}

TEST_F(Species22Test, ANewFishDrawsItsMouthShutUntilTheToggleFlipsTheStroke)
{
    const int start = fish.m_Wave[kToggleBlock].counter;
    for (int frame = 1; frame <= 22 - start; ++frame) {
        recorder.primitives.clear();
        fish.Draw();
        EXPECT_EQ(fish.m_bStroke, frame < 22 - start ? 1 : 0) << frame;
        // The jaws at their stored places: the ramps read the stroke before the toggle flips it.
        const std::vector<RecordedPrimitive> jaw = Part(1);
        const RecordedPrimitive& upper = jaw[0];
        for (int c = 0; c < 4; ++c)
            ExpectNearPoint(upper.vertices[size_t(2 * c)].position,
                            TurnedAboutZ({g_Fish22UpperJaw[0][c].x * kSize, g_Fish22UpperJaw[0][c].y * kSize,
                                          g_Fish22UpperJaw[0][c].z * kSize},
                                         static_cast<float>(fish.m_nBendAngle[0])),
                            "upper jaw");
    }
}

// A frame of known arrays: each entry a different small number.
FishFrame KnownFrame()
{
    FishFrame f;
    for (int j = 0; j < 14; ++j) {
        f[kBend][j] = 6.0f * j + 2;
        f[kBody][j] = 0.003f * j - 0.01f;
    }
    for (int a : {kRamp, kToggleRamp, kSine5, kSine7, kSine14, kGrow7, kSine11, kSine9})
        for (int j = 0; j < 14; ++j)
            f[a][j] = 0.0007f * (j + 1) * (a - 1) * (j % 2 ? 1 : -1);
    return f;
}

TEST_F(Species22Test, EveryPartTurnsAndWavesByItsRules)
{
    const FishFrame f = KnownFrame();
    fish.m_fDrift = 0.006f;
    auto half = [&](int array, int h) {
        return h % 2 ? (f[array][h / 2] + f[array][h / 2 + 1]) / 2 : f[array][h / 2];
    };
    // The segments of the midline fins' columns, in half steps.
    const int spiny[5] = {9, 10, 12, 14, 15}, soft[7] = {15, 16, 18, 20, 22, 24, 26};
    const int anal[11] = {15, 16, 17, 18, 18, 20, 22, 23, 23, 24, 26};

    struct Rule {
        const char* name;
        void (CFishSpecies22::*draw)(const FishFrame&);
        int primitive;  // the first of the draw's primitives that this rule reads
        const FishVertex* mesh;
        int rows, columns;  // of the table
        int steps;          // of a strip
        int passes;         // 2: stored, then y-negated, band by band; -1: the y-negated pass only
        std::function<Vec(int row, int c, bool negated)> offset;  // in size-1 units
        std::function<float(int c)> angle;
        std::function<int(int step)> column = [](int step) { return step; };
    };
    const Rule rules[] = {
        {"body", &CFishSpecies22::DrawBody, 0, &g_Fish22Body[0][0], 9, 14, 14, 2,
         [&](int, int c, bool) { return Vec{0, f[kBody][c], 0}; }, [&](int c) { return f[kBend][c]; }},
        {"upper jaw", &CFishSpecies22::DrawPart1, 0, &g_Fish22UpperJaw[0][0], 5, 4, 4, 2,
         [&](int, int c, bool) { return Vec{0, 0, f[kToggleRamp][c]}; }, [&](int) { return f[kBend][0]; }},
        {"lower jaw", &CFishSpecies22::DrawPart2, 0, &g_Fish22LowerJaw[0][0], 4, 4, 4, 2,
         [&](int, int c, bool) { return Vec{0, 0, -f[kRamp][c]}; }, [&](int) { return f[kBend][0]; }},
        {"spiny dorsal", &CFishSpecies22::DrawPart3, 0, &g_Fish22SpinyDorsal[0][0], 2, 5, 5, 1,
         [&](int row, int c, bool) { return Vec{0, row == 1 ? f[kSine5][c] : 0.0f, 0}; },
         [&](int c) { return half(kBend, spiny[c]); }},
        {"soft dorsal", &CFishSpecies22::DrawPart4, 0, &g_Fish22SoftDorsal[0][0], 2, 7, 7, 1,
         [&](int row, int c, bool) { return Vec{0, half(kBody, soft[c]) + (row == 1 ? f[kSine7][c] : 0.0f), 0}; },
         [&](int c) { return half(kBend, soft[c]); }},
        {"pectoral", &CFishSpecies22::DrawPart5, 0, &g_Fish22Pectoral[0][0], 2, 14, 14, 1,
         [&](int row, int c, bool) {
             const float w = row == 1 ? f[kSine14][c] : 0.0f;
             return Vec{w, w, 0};
         },
         [&](int) { return f[kBend][4]; }},
        {"pectoral twin", &CFishSpecies22::DrawPart6, 0, &g_Fish22Pectoral[0][0], 2, 14, 14, -1,
         [&](int row, int c, bool) {
             const float w = row == 1 ? f[kSine14][c] : 0.0f;
             return Vec{w, w, 0};  // the same sign as on the first side
         },
         [&](int) { return f[kBend][4]; }},
        {"feeler", &CFishSpecies22::DrawPart7, 0, &g_Fish22Feeler[0][0], 2, 7, 7, 1,
         [&](int, int c, bool) { return Vec{0, f[kGrow7][c], 0}; }, [&](int) { return f[kBend][5]; }},
        {"feeler twin", &CFishSpecies22::DrawPart8, 0, &g_Fish22Feeler[0][0], 2, 7, 7, -1,
         [&](int, int c, bool) { return Vec{0, -f[kGrow7][c], 0}; },  // negated with the stored y
         [&](int) { return f[kBend][5]; }},
        {"anal", &CFishSpecies22::DrawPart9, 0, &g_Fish22Anal[0][0], 5, 11, 11, 1,
         [&](int row, int c, bool) { return Vec{0, half(kBody, anal[c]) + (row > 0 ? f[kSine11][c] : 0.0f), 0}; },
         [&](int c) { return half(kBend, anal[c]); }},
        {"tail stalk", &CFishSpecies22::DrawPart10, 0, &g_Fish22TailStalk[0][0], 3, 9, 9, 2,
         [&](int, int, bool) { return Vec{0, f[kBody][13], 0}; }, [&](int) { return f[kBend][13]; }},
        {"tail", &CFishSpecies22::DrawPart10, 4, &g_Fish22Tail[0][0], 2, 9, 9, 1,
         [&](int row, int c, bool) { return Vec{0, f[kBody][13] + (row == 1 ? f[kSine9][c] : 0.0f), 0}; },
         [&](int) { return f[kBend][13]; }},
        {"pupil", &CFishSpecies22::DrawPart11, 0, &g_Fish22Pupil[0][0], 2, 5, 10, 1,
         [&](int, int, bool) { return Vec{0.006f, 0, 0.006f}; }, [&](int) { return f[kBend][1]; },
         [](int step) { return step / 2; }},
        {"eye ring", &CFishSpecies22::DrawPart11, 1, &g_Fish22EyeRing[0][0], 2, 10, 10, 1,
         [&](int, int, bool) { return Vec{0.006f, 0, 0.006f}; }, [&](int) { return f[kBend][1]; }},
        {"pupil twin", &CFishSpecies22::DrawPart12, 0, &g_Fish22Pupil[0][0], 2, 5, 10, -1,
         [&](int, int, bool) { return Vec{0.006f, 0, 0.006f}; }, [&](int) { return f[kBend][1]; },
         [](int step) { return step / 2; }},
        {"eye ring twin", &CFishSpecies22::DrawPart12, 1, &g_Fish22EyeRing[0][0], 2, 10, 10, -1,
         [&](int, int, bool) { return Vec{0.006f, 0, 0.006f}; }, [&](int) { return f[kBend][1]; }},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.name);
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const int passes = rule.passes == 2 ? 2 : 1;
        for (int band = 0; band + 1 < rule.rows; ++band)
            for (int pass = 0; pass < passes; ++pass) {
                const size_t index = size_t(rule.primitive + band * passes + pass);
                ASSERT_LT(index, recorder.primitives.size());
                const RecordedPrimitive& strip = recorder.primitives[index];
                ASSERT_EQ(strip.vertices.size(), size_t(2 * rule.steps));
                const bool negated = pass == 1 || rule.passes == -1;
                for (int step = 0; step < rule.steps; ++step)
                    for (int k = 0; k < 2; ++k) {
                        const int row = band + k, c = rule.column(step);
                        const FishVertex& p = rule.mesh[row * rule.columns + c];
                        const Vec w = rule.offset(row, c, negated);
                        const Vec q{(p.x + w[0]) * kSize, ((negated ? -p.y : p.y) + w[1]) * kSize,
                                    (p.z + w[2]) * kSize};
                        const RecordedVertex& v = strip.vertices[size_t(2 * step + k)];
                        ExpectNearPoint(v.position, TurnedAboutZ(q, rule.angle(c)),
                                        std::string("band ") + std::to_string(band) + " step " + std::to_string(step));
                        EXPECT_EQ(v.normal[1], p.ny) << "normals as stored";
                        EXPECT_EQ(v.texCoord[0], p.s);
                    }
            }
    }
}

TEST_F(Species22Test, RampsOpenTheJawsUpAndDownColumnThreeTheMost)
{
    FishFrame f;
    for (int c = 0; c < 4; ++c)
        f[kRamp][c] = f[kToggleRamp][c] = c * 0.003f;
    fish.DrawPart1(f);
    fish.DrawPart2(f);
    ASSERT_EQ(recorder.primitives.size(), 14u);
    for (size_t s = 0; s < recorder.primitives.size(); ++s) {
        const bool upper = s < 8;
        const int band = static_cast<int>(upper ? s / 2 : (s - 8) / 2);
        for (int c = 0; c < 4; ++c) {
            const FishVertex& p = upper ? g_Fish22UpperJaw[band][c] : g_Fish22LowerJaw[band][c];
            const float dz = recorder.primitives[s].vertices[size_t(2 * c)].position[2] - p.z * kSize;
            EXPECT_NEAR(dz, (upper ? 1 : -1) * c * 0.003f * kSize, 1e-5) << s << " " << c;
        }
    }
}

TEST_F(Species22Test, StillArraysDrawTheBodyAndThePairsSymmetric)
{
    const FishFrame still;
    fish.DrawBody(still);
    fish.DrawPart5(still);
    fish.DrawPart6(still);
    fish.DrawPart7(still);
    fish.DrawPart8(still);
    fish.DrawPart11(still);
    fish.DrawPart12(still);
    ASSERT_EQ(recorder.primitives.size(), 16u + 4u + 4u);
    auto mirrored = [](const RecordedPrimitive& a, const RecordedPrimitive& b) {
        ASSERT_EQ(a.vertices.size(), b.vertices.size());
        for (size_t v = 0; v < a.vertices.size(); ++v) {
            const Vec& p = a.vertices[v].position;
            ExpectSamePoint(b.vertices[v].position, {p[0], -p[1], p[2]}, "mirror");
            EXPECT_EQ(a.vertices[v].normal, b.vertices[v].normal) << "the mirror keeps the stored normals";
        }
    };
    for (int band = 0; band < 8; ++band)
        mirrored(recorder.primitives[size_t(2 * band)], recorder.primitives[size_t(2 * band + 1)]);
    for (size_t pair : {16u, 18u})
        mirrored(recorder.primitives[pair], recorder.primitives[pair + 1]);
    for (size_t eye = 20; eye < 22; ++eye)
        mirrored(recorder.primitives[eye], recorder.primitives[eye + 2]);
}

TEST_F(Species22Test, PositiveFinWavesMovePectoralsOutwardTogetherAndFeelersApart)
{
    FishFrame f;
    for (int c = 0; c < 14; ++c)
        f[kSine14][c] = f[kGrow7][c] = 0.01f;
    const FishFrame still;
    auto sent = [&](void (CFishSpecies22::*draw)(const FishFrame&), const FishFrame& frame) {
        recorder.primitives.clear();
        (fish.*draw)(frame);
        return recorder.primitives.at(0);
    };
    for (auto draw : {&CFishSpecies22::DrawPart5, &CFishSpecies22::DrawPart6}) {
        const RecordedPrimitive moved = sent(draw, f), rest = sent(draw, still);
        for (int c = 0; c < 14; ++c) {
            EXPECT_NEAR(moved.vertices[size_t(2 * c + 1)].position[1] - rest.vertices[size_t(2 * c + 1)].position[1],
                        0.05f, 1e-5) << "outer edge toward +y";
            EXPECT_EQ(moved.vertices[size_t(2 * c)].position, rest.vertices[size_t(2 * c)].position) << "root stays";
        }
    }
    for (auto [draw, sign] : {std::pair{&CFishSpecies22::DrawPart7, 1.0f}, std::pair{&CFishSpecies22::DrawPart8, -1.0f}}) {
        const RecordedPrimitive moved = sent(draw, f), rest = sent(draw, still);
        for (size_t v = 0; v < moved.vertices.size(); ++v)
            EXPECT_NEAR(moved.vertices[v].position[1] - rest.vertices[v].position[1], sign * 0.05f, 1e-5);
    }
    // The anal fin's row 0 stays on the body whatever the sine-11 values.
    FishFrame anal;
    for (int c = 0; c < 11; ++c)
        anal[kSine11][c] = 0.02f;
    recorder.primitives.clear();
    fish.DrawPart9(anal);
    for (int c = 0; c < 11; ++c) {
        const Vec& root = recorder.primitives.at(0).vertices[size_t(2 * c)].position;
        ExpectSamePoint(root, {g_Fish22Anal[0][c].x * kSize, g_Fish22Anal[0][c].y * kSize, g_Fish22Anal[0][c].z * kSize},
                        "anal root");
    }
}

TEST_F(Species22Test, ALargerFishIsDrawnLargerWavesIncluded)
{
    fish.m_bStroke = 0;
    CFishSpecies22 big = fish;
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
                EXPECT_NEAR(recorder.primitives[s].vertices[i].position[k], 1.6f * small[s].vertices[i].position[k],
                            1e-4);
}

}  // namespace
