// Species 1, the bristlenose pleco: its construction and random draws, the
// generators of its Draw (the body wave that never moves, the reverse ramps
// and their toggle, the growing wave, the sines), its fourteen parts with
// their rotations, waves and mirrored passes, its draw modes, its drift and
// its swimming without wander.
#include "fish/fish_species01.h"
#include "fish/fish_species01_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The working arrays of Draw, named as the class names them.
enum { kD, kE, kB, kC, kF, kH, kI, kJ, kK, kL, kM };

constexpr double kPi = 3.14159265358979323846;

// The parts in drawing order: strips per part and vertices per strip.
struct Shape {
    const char* name;
    int strips, points;
};
const Shape kShapes[] = {
    {"body", 16, 28},          {"snout under", 2, 8},           {"snout top", 2, 8}, {"dorsal", 1, 8},
    {"anal", 1, 14},           {"pectoral", 1, 32},             {"pectoral twin", 1, 32},
    {"pectoral spine", 1, 10}, {"pectoral spine twin", 1, 10},  {"pelvic", 1, 8},    {"adipose", 1, 10},
    {"tail", 1, 40},           {"eye", 2, 18},                  {"eye twin", 2, 18},
};

class Species01Test : public testing::Test {
protected:
    Species01Test()
    {
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[0] = 0;
        fish.m_fPos[1] = -2;
        fish.m_fPos[2] = -110;  // far from every wall
        fish.m_fPitch = 0;      // the target pitch: a level course
    }
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    void Frame(int mode = 0)
    {
        recorder.primitives.clear();
        fish.Draw(mode);
    }

    VertexRecorder recorder;
    CFishSpecies01 fish;
};

// ---- construction ----

TEST(FishSpecies01Construction, StartsWithItsOwnDefaultsAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies01>({.speed = 0.1f,
                                       .segments = 14,
                                       .drift = true,
                                       .bodyDims = {0.843674f, 1.0f, 0.453688f},
                                       .blocks = {{kPi / 16, 0.01, kPi / 6},
                                                  {0, 0.005, 0},
                                                  {0, 0.005, 0},
                                                  {kPi / 2, 0.01, kPi / 6},
                                                  {kPi / 2, 0.01, kPi / 6},
                                                  {kPi / 24, 0.05, kPi / 8},
                                                  {kPi / 24, 0.05, kPi / 8},
                                                  {kPi / 20, 0.01, kPi / 8},
                                                  {kPi / 2, 0.01, kPi / 6},
                                                  {kPi / 2, 0.01, kPi / 6},
                                                  {kPi / 8, 0.03, kPi / 6}}},
                                      {1u, 42u, 977u});
}

TEST(FishSpecies01Construction, WaveConstantsAreStoredOneFloatStepBelowTheirFractionOfPi)
{
    auto below = [](double fraction) {
        return std::nextafter(static_cast<float>(fraction), 0.0f);
    };
    crt::srand(1);
    CFishSpecies01 fish;
    EXPECT_EQ(fish.m_Wave[0].waveNumber, below(kPi / 16));
    EXPECT_EQ(fish.m_Wave[0].phaseStep, below(kPi / 6));
    EXPECT_EQ(fish.m_Wave[3].waveNumber, below(kPi / 2));
    EXPECT_EQ(fish.m_Wave[5].waveNumber, below(kPi / 24));
    EXPECT_EQ(fish.m_Wave[5].phaseStep, below(kPi / 8));
    EXPECT_EQ(fish.m_Wave[7].waveNumber, below(kPi / 20));
    EXPECT_EQ(fish.m_Wave[10].waveNumber, below(kPi / 8));
    // The tilt's degree constant as the class writes it.
    EXPECT_EQ(fish.Class().degree, 0.01745329f);
}

// ---- one frame ----

TEST_F(Species01Test, EachFrameDrawsFourteenPartsInOrder)
{
    Frame();
    size_t p = 0, vertices = 0;
    ASSERT_EQ(recorder.primitives.size(), 33u);
    for (size_t i = 0; i < std::size(kShapes); ++i) {
        EXPECT_STREQ(fish.Class().parts[i].name, kShapes[i].name);
        for (int s = 0; s < kShapes[i].strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << kShapes[i].name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(kShapes[i].points)) << kShapes[i].name;
            vertices += kShapes[i].points;
        }
    }
    EXPECT_EQ(recorder.VertexCount(), vertices);
}

TEST_F(Species01Test, EachModeDrawsItsOwnPartsAndEveryModeMoves)
{
    // The strips a mode sends, part after part (names of the parts drawn).
    auto strips = [](std::initializer_list<const char*> names) {
        std::vector<size_t> sizes;
        for (const char* name : names)
            for (const Shape& s : kShapes)
                if (std::string(s.name) == name)
                    sizes.insert(sizes.end(), size_t(s.strips), size_t(s.points));
        return sizes;
    };
    const std::vector<size_t> all = strips({"body", "snout under", "snout top", "dorsal", "anal", "pectoral",
                                            "pectoral twin", "pectoral spine", "pectoral spine twin", "pelvic",
                                            "adipose", "tail", "eye", "eye twin"});
    const std::vector<size_t> flatPectorals =
        strips({"body", "snout under", "snout top", "pectoral", "pectoral twin", "pectoral spine",
                "pectoral spine twin", "tail", "eye", "eye twin"});
    const std::vector<size_t> small = strips({"body", "snout under", "snout top", "pectoral", "pectoral twin",
                                              "tail", "eye", "eye twin"});
    struct Case {
        int mode;
        std::vector<size_t> sent;
    } cases[] = {{0, all},   {1, all},   {2, all},   {3, all},       {4, flatPectorals}, {5, small},
                 {6, small}, {7, {}},    {31, {}},   {32, {}},       {-1, {}},           {1000, {}}};
    const CFishSpecies01 start = fish;
    for (const Case& c : cases) {
        fish = start;
        fish.m_nTargetHeading = 180;
        fish.m_fHeading = 180;
        Frame(c.mode);
        std::vector<size_t> sent;
        for (const RecordedPrimitive& p : recorder.primitives)
            sent.push_back(p.vertices.size());
        EXPECT_EQ(sent, c.sent) << "mode " << c.mode;
        EXPECT_EQ(fish.m_nDrawVariant, c.mode);
        // Heading 180 swims toward rising x at the birth speed, and the hit box follows.
        EXPECT_NEAR(fish.m_fPos[0], 0.1f, 1e-6) << "mode " << c.mode;
        EXPECT_NEAR(fish.AxisEnd(0) + fish.AxisEnd(3), 2 * fish.m_fPos[0], 1e-5) << "mode " << c.mode;
    }
}

TEST_F(Species01Test, AFishNotAliveIsDrawnAndMovedLikeAnyOther)
{
    CFishSpecies01 dead = fish;
    dead.m_bAlive = 0;
    crt::srand(3);
    Frame();
    const std::vector<RecordedPrimitive> alive = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(3);
    dead.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), alive.size());
    for (size_t s = 0; s < alive.size(); ++s)
        for (size_t v = 0; v < alive[s].vertices.size(); ++v)
            EXPECT_EQ(recorder.primitives[s].vertices[v].position, alive[s].vertices[v].position);
    EXPECT_EQ(dead.m_fPos[0], fish.m_fPos[0]);
}

TEST_F(Species01Test, RandomDrawsPerFrameAreTheBendAndTheDrift)
{
    // The bend draws one a call and the drift two; on the third frame the
    // heading counts a step (it is already on its target) and the segments
    // settle: one more.
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
    // No wander decision ever comes, however long the wander counter runs.
    fish.m_nWanderTimer = 1000;
    EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), 3);
    EXPECT_EQ(fish.m_nWanderTimer, 1000);
}

TEST_F(Species01Test, TheDriftLeansWithThePitchAndJumpsOnItsTwoDraws)
{
    for (float pitch : {0.0f, -20.0f, 30.0f}) {
        CFishSpecies01 f = fish;
        f.m_fPitch = pitch;
        for (int frame = 0; frame < 5; ++frame)
            f.Draw(0);  // past the segments' settling draw: one bend draw a frame from here
        ASSERT_TRUE(f.m_bBendSettled);
        float drift = f.m_fDrift;
        for (int frame = 0; frame < 40; ++frame) {
            const unsigned seed = 100u + frame;
            // The bend's draw comes first, then the drift's two.
            const int first = RandValue(1, seed), second = RandValue(2, seed);
            drift += pitch <= 0.0f ? -0.002f : 0.002f;
            if (first % 10 == 0)
                drift += 2 * 0.002f;
            if (second % 10 == 1)
                drift -= 2 * 0.002f;
            drift = std::clamp(drift, -0.008f, 0.008f);
            crt::srand(seed);
            recorder.primitives.clear();
            f.Draw(0);
            ASSERT_NEAR(f.m_fDrift, drift, 1e-7) << "pitch " << pitch << " frame " << frame;
            drift = f.m_fDrift;
        }
    }
}

// ---- the generators ----

TEST_F(Species01Test, TheBodyWaveIsZeroAtEveryFrameAndItsPhaseStepsEverySeventhCall)
{
    float out[14];
    float phase = 0.0f;
    for (int call = 1; call <= 120; ++call) {
        fish.ComputeBodyWave(out, 14);
        if (call % 7 == 0)
            phase += std::nextafter(static_cast<float>(kPi / 6), 0.0f);
        if (phase > 6.283185f)
            phase = 0.0f;
        EXPECT_FLOAT_EQ(fish.m_Wave[0].phase, phase) << "call " << call;
        for (int i = 0; i < 14; ++i)
            EXPECT_EQ(out[i], 0.0f) << "call " << call << " entry " << i;
        // The only factor made, (13 - 13) x 0.01, is left in the amplitude.
        EXPECT_EQ(fish.m_Wave[0].amplitude, 0.0f);
    }
    // Over whole frames too: the body keeps its stored y in a straight swim.
    for (int frame = 0; frame < 30; ++frame)
        Frame();
    const std::vector<RecordedPrimitive> body = Part(0);
    for (int c = 0; c < 14; ++c)
        EXPECT_NEAR(body[0].vertices[2 * c].position[1], g_Fish01Body[0][c].y * 5, 1e-6) << c;
}

TEST_F(Species01Test, TheStrokeFlipsOnEveryTwentySecondFrameFromItsCounter)
{
    for (int start : {0, 7, 14}) {
        CFishSpecies01 f = fish;
        f.m_Wave[1].counter = start;
        std::vector<int> flips;
        BYTE last = f.m_bStroke;
        for (int frame = 1; frame <= 100; ++frame) {
            f.Draw(0);
            if (f.m_bStroke != last)
                flips.push_back(frame);
            last = f.m_bStroke;
        }
        // Call k sees the counter at start + k - 1 and flips past 20.
        std::vector<int> expected;
        for (int frame = 22 - start; frame <= 100; frame += 22)
            expected.push_back(frame);
        EXPECT_EQ(flips, expected) << "counter " << start;
    }
}

TEST_F(Species01Test, TheReverseRampsRunDownFromTheirFirstEntryWhileTheStrokeIsClear)
{
    struct Case {
        const char* name;
        void (CFishSpecies01::*run)(float*, int);
        bool toggles;
    } cases[] = {{"ramp (W2)", &CFishSpecies01::ComputeReverseRamp, false},
                 {"toggle ramp (W1)", &CFishSpecies01::ComputeReverseRampToggle, true}};
    for (const Case& c : cases)
        for (int n : {4, 1, 0, 6})
            for (BYTE stroke : {BYTE{1}, BYTE{0}}) {
                CFishSpecies01 f = fish;
                f.m_bStroke = stroke;
                f.m_Wave[1].counter = 0;
                float out[8] = {9, 9, 9, 9, 9, 9, 9, 9};
                (f.*c.run)(out, n);
                for (int i = 0; i < n; ++i)
                    EXPECT_FLOAT_EQ(out[i], stroke ? 0.0f : (n - i) * 0.005f) << c.name << " n " << n << " " << i;
                for (int i = std::max(n, 0); i < 8; ++i)
                    EXPECT_EQ(out[i], 9.0f) << c.name << ": nothing past n, " << i;
                EXPECT_EQ(f.m_Wave[1].counter, c.toggles ? 1 : 0) << c.name << " counts its calls, n " << n;
            }
}

TEST_F(Species01Test, TheGrowingWaveGrowsAlongTheSpineWithItsFirstEntryZero)
{
    float out[5];
    float phase = 0.0f;
    const float k = std::nextafter(static_cast<float>(kPi / 20), 0.0f);
    for (int call = 1; call <= 80; ++call) {
        fish.ComputeGrowingWave(out, 5);
        if (call % 7 == 0)
            phase += std::nextafter(static_cast<float>(kPi / 8), 0.0f);
        if (phase > 6.283185f)
            phase = 0.0f;
        EXPECT_FLOAT_EQ(fish.m_Wave[7].phase, phase) << "call " << call;
        EXPECT_EQ(out[0], 0.0f);
        EXPECT_FALSE(std::signbit(out[0])) << "set to 0, not a product of it";
        for (int i = 1; i < 5; ++i)
            EXPECT_NEAR(out[i], std::sin(i * k + phase) * i * 0.01, 2e-8) << "call " << call << " entry " << i;
        EXPECT_FLOAT_EQ(fish.m_Wave[7].amplitude, 0.04f) << "the last factor, 4 x 0.01";
    }
}

TEST_F(Species01Test, SineGeneratorsStepOnTheirOwnCadenceAndBlocks)
{
    struct Case {
        const char* name;
        void (CFishSpecies01::*run)(float*, int);
        int block, n, every;
        double amplitude, fraction, stepFraction;
    } cases[] = {
        {"sine 4 (W3)", &CFishSpecies01::ComputeSineWave4, 3, 4, 7, 0.01, kPi / 2, kPi / 6},
        {"sine (W4)", &CFishSpecies01::ComputeSineWave, 4, 7, 7, 0.01, kPi / 2, kPi / 6},
        {"sine 5 (W5)", &CFishSpecies01::ComputeSineWave5, 5, 16, 4, 0.05, kPi / 24, kPi / 8},
        {"sine 2 (W8)", &CFishSpecies01::ComputeSineWave2, 8, 4, 7, 0.01, kPi / 2, kPi / 6},
        {"sine 6 (W9)", &CFishSpecies01::ComputeSineWave6, 9, 5, 7, 0.01, kPi / 2, kPi / 6},
        {"sine 3 (W10)", &CFishSpecies01::ComputeSineWave3, 10, 20, 7, 0.03, kPi / 8, kPi / 6},
    };
    for (const Case& c : cases) {
        CFishSpecies01 f = fish;
        float out[20];
        float phase = 0.0f;
        const float k = std::nextafter(static_cast<float>(c.fraction), 0.0f);
        const float step = std::nextafter(static_cast<float>(c.stepFraction), 0.0f);
        for (int call = 1; call <= 120; ++call) {
            (f.*c.run)(out, c.n);
            if (call % c.every == 0)
                phase += step;
            if (phase > 6.283185f)
                phase = 0.0f;
            ASSERT_FLOAT_EQ(f.m_Wave[c.block].phase, phase) << c.name << " call " << call;
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.amplitude * std::sin(i * k + phase), 3e-7)
                    << c.name << " call " << call << " entry " << i;
        }
    }
    // W6 is read by nothing: it never moves.
    for (int frame = 0; frame < 50; ++frame)
        Frame();
    EXPECT_EQ(fish.m_Wave[6].phase, 0.0f);
    EXPECT_EQ(fish.m_Wave[6].counter, 0);
}

// ---- the parts on known arrays ----

// A frame with every array filled with distinct values.
FishFrame KnownFrame()
{
    FishFrame f;
    for (int i = 0; i < kFishMaxArrayLength; ++i) {
        f[kE][i] = 7.0f * i + 3.0f;
        f[kD][i] = 0.002f * i - 0.01f;
        for (int a : {kB, kC, kF, kH, kI, kJ, kK, kL, kM})
            f[a][i] = 0.001f * (i + 1) * (a + 1);
    }
    return f;
}

using Offset = std::array<float, 3>;

TEST_F(Species01Test, PartsTurnAndWaveByTheirRulesInEveryPass)
{
    const FishFrame f = KnownFrame();
    fish.m_fDrift = 0.006f;
    // Where the vertex of a strip's first (k = 0) or second vertex of column c
    // lands: the stored point of `point(strip, k, c)`, moved by the part's
    // rule (size-1 units, y already negated in a mirrored pass) and turned.
    struct Rule {
        const char* name;
        void (CFishSpecies01::*draw)(const FishFrame&);
        int strips, columns;
        // Which passes are mirrored: 0 none, 1 each strip then its mirror, 2 all strips then their mirrors, 3 only.
        int mirror;
        const FishVertex& (*point)(int strip, int k, int c);
        Offset (*offset)(const FishFrame& f, int k, int c, bool mirrored, float drift);
        float (*angle)(const FishFrame& f, int c);
    };
    const Rule rules[] = {
        {"body", &CFishSpecies01::DrawBody, 8, 14, 1,
         [](int s, int k, int c) -> const FishVertex& { return g_Fish01Body[s + k][c]; },
         [](const FishFrame& f, int, int c, bool, float) { return Offset{0, f[kD][c], 0}; },
         [](const FishFrame& f, int c) { return f[kE][c]; }},
        {"snout under", &CFishSpecies01::DrawPart1, 1, 4, 2,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01SnoutUnder[k][c]; },
         [](const FishFrame& f, int, int c, bool, float) { return Offset{0, 0, -f[kB][c]}; },
         [](const FishFrame& f, int) { return f[kE][0]; }},
        {"snout top", &CFishSpecies01::DrawPart2, 1, 4, 2,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01SnoutTop[k][c]; },
         [](const FishFrame& f, int, int c, bool, float) { return Offset{0, 0, -f[kC][c]}; },
         [](const FishFrame& f, int) { return f[kE][0]; }},
        {"dorsal", &CFishSpecies01::DrawPart3, 1, 4, 0,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01Dorsal[k][c]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             return Offset{0, f[kD][4 + c] + (k == 0 ? f[kF][c] : 0.0f), 0};
         },
         [](const FishFrame& f, int c) { return f[kE][4 + c]; }},
        {"anal", &CFishSpecies01::DrawPart4, 1, 7, 0,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01Anal[k][c]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             return Offset{0, f[kD][7 + c] + (k == 0 ? f[kH][c] : 0.0f), 0};
         },
         [](const FishFrame& f, int c) { return f[kE][7 + c]; }},
        // The second vertex of column c is root c / 2.
        {"pectoral", &CFishSpecies01::DrawPart5, 1, 16, 0,
         [](int, int k, int c) -> const FishVertex& { return k == 0 ? g_Fish01Pectoral[0][c] : g_Fish01Pectoral[1][c / 2]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             const float w = k == 0 ? f[kI][c] : 0.0f;
             return Offset{w, w, 0};
         },
         [](const FishFrame& f, int) { return (f[kE][3] + f[kE][4]) / 2; }},
        {"pectoral twin", &CFishSpecies01::DrawPart6, 1, 16, 3,
         [](int, int k, int c) -> const FishVertex& { return k == 0 ? g_Fish01Pectoral[0][c] : g_Fish01Pectoral[1][c / 2]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             const float w = k == 0 ? f[kI][c] : 0.0f;
             return Offset{w, -w, 0};  // y = -y - size I
         },
         [](const FishFrame& f, int) { return (f[kE][3] + f[kE][4]) / 2; }},
        {"pectoral spine", &CFishSpecies01::DrawPart7, 1, 5, 0,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01PectoralSpine[k][c]; },
         [](const FishFrame& f, int, int c, bool, float) { return Offset{0, f[kJ][c], f[kJ][c]}; },
         [](const FishFrame& f, int) { return f[kE][3]; }},
        {"pectoral spine twin", &CFishSpecies01::DrawPart7Mirror, 1, 5, 3,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01PectoralSpine[k][c]; },
         [](const FishFrame& f, int, int c, bool, float) { return Offset{0, -f[kJ][c], -f[kJ][c]}; },
         [](const FishFrame& f, int) { return f[kE][3]; }},
        // Every column's edge swings by K's first value.
        {"pelvic", &CFishSpecies01::DrawPart8, 1, 4, 0,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01Pelvic[k][c]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             return Offset{0, f[kD][6 + c] + (k == 1 ? f[kK][0] : 0.0f), 0};
         },
         [](const FishFrame& f, int c) { return f[kE][6 + c]; }},
        {"adipose", &CFishSpecies01::DrawPart9, 1, 5, 0,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01Adipose[k][c]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             return Offset{0, f[kD][9 + c] + (k == 0 ? f[kL][c] : 0.0f), 0};
         },
         [](const FishFrame& f, int c) { return f[kE][9 + c]; }},
        {"tail", &CFishSpecies01::DrawPart10, 1, 20, 0,
         [](int, int k, int c) -> const FishVertex& { return g_Fish01Tail[k][c]; },
         [](const FishFrame& f, int k, int c, bool, float) {
             return Offset{0, f[kD][13] + (k == 0 ? f[kM][c] : 0.0f), 0};
         },
         [](const FishFrame& f, int) { return f[kE][13]; }},
        // The eyes roll with the drift, along x and z, on both sides alike.
        {"eye", &CFishSpecies01::DrawPart11, 2, 9, 0,
         [](int s, int k, int c) -> const FishVertex& { return g_Fish01Eye[s + k][c]; },
         [](const FishFrame&, int, int, bool, float drift) { return Offset{drift, 0, drift}; },
         [](const FishFrame& f, int) { return (f[kE][1] + f[kE][2]) / 2; }},
        {"eye twin", &CFishSpecies01::DrawPart11Mirror, 2, 9, 3,
         [](int s, int k, int c) -> const FishVertex& { return g_Fish01Eye[s + k][c]; },
         [](const FishFrame&, int, int, bool, float drift) { return Offset{drift, 0, drift}; },
         [](const FishFrame& f, int) { return (f[kE][1] + f[kE][2]) / 2; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const int passes = rule.mirror == 1 || rule.mirror == 2 ? 2 : 1;
        ASSERT_EQ(recorder.primitives.size(), size_t(passes * rule.strips)) << rule.name;
        for (size_t p = 0; p < recorder.primitives.size(); ++p) {
            const int i = static_cast<int>(p);
            const int strip = rule.mirror == 1 ? i / 2 : i % rule.strips;
            const bool mirrored =
                rule.mirror == 3 || (rule.mirror == 1 && i % 2 == 1) || (rule.mirror == 2 && i >= rule.strips);
            ASSERT_EQ(recorder.primitives[p].vertices.size(), size_t(2 * rule.columns)) << rule.name;
            for (int c = 0; c < rule.columns; ++c)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& q = rule.point(strip, k, c);
                    const Offset d = rule.offset(f, k, c, mirrored, fish.m_fDrift);
                    const std::array<float, 3> want =
                        ScaledAndTurned(q.x + d[0], (mirrored ? -q.y : q.y) + d[1], q.z + d[2], rule.angle(f, c));
                    const RecordedVertex& got = recorder.primitives[p].vertices[2 * c + k];
                    for (int axis = 0; axis < 3; ++axis)
                        EXPECT_NEAR(got.position[axis], want[axis], 2e-5)
                            << rule.name << (mirrored ? " mirrored" : "") << " strip " << strip << " column " << c
                            << " vertex " << k << " axis " << axis;
                    EXPECT_EQ(got.normal, (std::array<float, 3>{q.nx, q.ny, q.nz})) << rule.name;
                    EXPECT_EQ(got.texCoord, (std::array<float, 2>{q.s, q.t})) << rule.name;
                }
        }
    }
}

TEST_F(Species01Test, TheSnoutSinksWithTheRampsWhenTheStrokeFlipsClear)
{
    // Counter 21 at the first frame's toggle: both ramps of that frame still
    // see the stroke set, the next frame's see it clear.
    fish.m_Wave[1].counter = 21;
    Frame();
    ASSERT_EQ(fish.m_bStroke, 0);
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(Part(2)[0].vertices[2 * c].position[2], g_Fish01SnoutTop[0][c].z * 5, 1e-5) << c;
    Frame();
    for (int pass = 0; pass < 2; ++pass)
        for (int c = 0; c < 4; ++c) {
            const float drop = (4 - c) * 0.005f;
            EXPECT_NEAR(Part(1)[pass].vertices[2 * c + 1].position[2], (g_Fish01SnoutUnder[1][c].z - drop) * 5, 1e-5)
                << "under, column " << c;
            EXPECT_NEAR(Part(2)[pass].vertices[2 * c].position[2], (g_Fish01SnoutTop[0][c].z - drop) * 5, 1e-5)
                << "top, column " << c;
        }
}

TEST_F(Species01Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 4);
}

// ---- swimming ----

TEST_F(Species01Test, ItShuttlesBetweenTheXWallsLevelWhenBornWithPitchZero)
{
    // Born with pitch 0: y never changes and the body never tilts; the target
    // heading changes only at an x wall, where the body comes round at once.
    ExpectShuttlesBetweenTheXWallsLevel(fish, 8000, [&] { Frame(); });
}

TEST_F(Species01Test, ItZigzagsAtItsBirthPitchAndTiltsOneDegreeAFrameTowardIt)
{
    ExpectZigzagsBetweenTopAndBottom(fish, [&] { Frame(); }, [&](float target, float shown, int frame) {
        // The drawn pitch moves one degree toward the target it saw.
        const float want = shown < target ? shown + 1 : shown > target ? shown - 1 : shown;
        ASSERT_EQ(fish.m_fShownPitch, want) << "frame " << frame;
    });
}

TEST_F(Species01Test, ItKeepsItsBirthSpeedUntilTheFirstClampAtAWall)
{
    // 0.1 a frame, above the cap of 0.05, until the speed is first approached.
    for (int frame = 0; frame < 50; ++frame)
        Frame();
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.1f);
    EXPECT_NEAR(fish.m_fPos[0], -50 * 0.1f, 1e-4);  // heading 0 swims toward falling x
    // Within 10 of the near z limit it approaches 0.1 by 0.01 and is clamped.
    fish.m_fPos[2] = -70;
    Frame();
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST_F(Species01Test, TheTouchToolSpeedsItOnlyUpToTheLimit)
{
    fish.m_fPos[2] = -80;
    ASSERT_TRUE(fish.IsInDepthBand());
    const int heading = fish.m_nTargetHeading;
    fish.TurnHeading(0, true, 4);
    fish.ApproachSpeed(0.2f, 0.5f);
    EXPECT_EQ(fish.m_nTargetHeading, heading);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

}  // namespace
