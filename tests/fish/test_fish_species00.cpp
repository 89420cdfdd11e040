// Species 0, the telescope-eye goldfish: its construction and random draws,
// its swim style, its generators and ramps, its bend (the body turns as one
// piece), Draw with the hit flag and the mouse position, the parts in order
// with their rotations, waves and mirrors, the size, a wall turn, and its
// mesh tables.
#include "fish/fish_species00.h"
#include "fish/fish_species00_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species00.cpp).
enum { kBend, kBody, kG2, kS3, kG, kS2, kS, kRamp, kToggle };

constexpr float kPi = 3.14159265f;

using Vec = std::array<float, 3>;

// ---- construction ----

TEST(FishSpecies00Construction, StartsWithItsOwnValuesAndTheTemplatesDraws)
{
    // Blocks 0 to 13: wave number, amplitude, phase step.
    ExpectStartValues<CFishSpecies00>({.speed = 0.1f,
                                       .segments = 17,
                                       .bodyDims = {1.0f, 0.728646f, 0.695804f},
                                       .blocks = {{kPi / 16, 0.1f, kPi / 6},
                                                  {0, 0.01f, 0},
                                                  {0, 0.02f, 0},
                                                  {kPi / 4, 0.5f, kPi / 6},
                                                  {kPi / 24, 0.05f, kPi / 8},
                                                  {kPi / 24, 0.05f, kPi / 8},
                                                  {kPi / 20, 0.001f, kPi / 8},
                                                  {kPi / 16, 0.01f, kPi / 6},
                                                  {kPi / 20, 0.001f, kPi / 8},
                                                  {kPi / 4, 0.03f, kPi / 6},
                                                  {kPi / 4, 0.05f, kPi / 6},
                                                  {kPi / 4, 0.05f, kPi / 6},
                                                  {kPi / 2, 0.01f, kPi / 6},
                                                  {kPi / 4, 0.03f, kPi / 6}}});
    // Born above the speed ceiling, it keeps 0.1 until its first approach.
    CFishSpecies00 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

// (Its swim box is checked with its start values.)
TEST(FishSpecies00Swimming, TheDepthBandIsTheTemplates)
{
    CFishSpecies00 fish;
    const struct {
        float z;
        bool in;
    } cases[] = {{-90, false}, {-89.9f, true}, {-75, false}, {-74.9f, true}, {-60.1f, true}, {-60, false}};
    for (const auto& c : cases) {
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.in) << c.z;
    }
}

TEST(FishSpecies00Swimming, SwimStyleSetsEightBlocksTimesItsFactor)
{
    CFishSpecies00 fish;
    for (float m : {1.0f, 1.5f}) {
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.0499f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        const struct {
            int block;
            float waveNumber, amplitude, step;
        } rows[] = {
            {0, kPi / 16, 0.05f, kPi / 6}, {3, kPi / 4, 0.02f, kPi / 4},  {4, kPi / 16, 0.01f, kPi / 6},
            {5, kPi / 24, 0.05f, kPi / 8}, {6, kPi / 16, 0.01f, kPi / 6}, {7, kPi / 16, 0.01f, kPi / 6},
            {8, kPi / 2, 0.01f, kPi / 6},  {9, kPi / 4, 0.03f, kPi / 6},
        };
        for (const auto& r : rows) {
            EXPECT_NEAR(fish.m_Wave[r.block].waveNumber, r.waveNumber, 1e-6) << r.block;
            EXPECT_NEAR(fish.m_Wave[r.block].amplitude, m * r.amplitude, 1e-6) << r.block;
            EXPECT_NEAR(fish.m_Wave[r.block].phaseStep, m * r.step, 1e-6) << r.block;
        }
        // Blocks 1, 2 and 10 to 13 keep what they had.
        EXPECT_FLOAT_EQ(fish.m_Wave[1].amplitude, 0.01f);
        EXPECT_FLOAT_EQ(fish.m_Wave[2].amplitude, 0.02f);
        EXPECT_FLOAT_EQ(fish.m_Wave[10].amplitude, 0.05f);
        EXPECT_NEAR(fish.m_Wave[12].waveNumber, kPi / 2, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[13].amplitude, 0.03f);
    }
}

// ---- the generators ----

TEST(FishSpecies00Waves, EachGeneratorHasItsBlockCadenceAndShape)
{
    using Gen = void (CFishSpecies00::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<float(int i, float k, float phi, float amplitude)> value;
    } cases[] = {
        {"sine wave", &CFishSpecies00::ComputeSineWave, 10, 21, 4,
         [](int i, float k, float phi, float a) { return std::sin(i * k + phi) * a; }},
        {"sine wave 2", &CFishSpecies00::ComputeSineWave2, 8, 7, 7,
         [](int i, float k, float phi, float a) { return std::sin(i * k + phi) * a; }},
        {"sine wave 3", &CFishSpecies00::ComputeSineWave3, 4, 8, 4,
         [](int i, float k, float phi, float a) { return std::sin(i * k + phi) * a; }},
        {"growing wave", &CFishSpecies00::ComputeGrowingWave, 6, 14, 7,
         [](int i, float k, float phi, float) { return std::sin(i * k + phi) * i * 0.01f; }},
        {"growing wave 2", &CFishSpecies00::ComputeGrowingWave2, 3, 10, 7,
         [](int i, float k, float phi, float) { return std::sin(i * k + phi) * i * 0.01f; }},
        {"body wave", &CFishSpecies00::ComputeBodyWave, 0, 17, 4,
         [](int i, float k, float phi, float) {
             return i < 10 ? 0.0f : std::sin(i * k + phi) * (i - 10) * 0.0125f * 0.5f;
         }},
    };
    for (const Case& c : cases) {
        CFishSpecies00 fish;
        fish.m_nSize = 8;  // none of them scales by the size
        FishWave& w = fish.m_Wave[c.block];
        w.phase = 1.0f;
        float out[32] = {};
        for (int call = 1; call <= c.period; ++call) {
            (fish.*c.gen)(out, c.n);
            EXPECT_EQ(w.phase, call < c.period ? 1.0f : 1.0f + w.phaseStep) << c.name << " call " << call;
            EXPECT_EQ(w.counter, call < c.period ? call : 0) << c.name << " call " << call;
        }
        for (int i = 0; i < c.n; ++i)
            EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 1e-6) << c.name << " " << i;
        for (int b = 0; b < 14; ++b)
            if (b != c.block) {
                EXPECT_EQ(fish.m_Wave[b].phase, 0.0f) << c.name << " moved block " << b;
            }
    }
}

TEST(FishSpecies00Waves, APhaseWrapsOnlyAboveTwoPi)
{
    const struct {
        float phase;
        float after;
    } cases[] = {{6.283185f, 6.283185f}, {6.2831855f, 0.0f}, {6.3f, 0.0f}, {6.0f, 6.0f}};
    for (const auto& c : cases) {
        CFishSpecies00 fish;
        fish.m_Wave[10].phase = c.phase;
        float out[21];
        fish.ComputeSineWave(out, 21);  // the counter does not step on the first call
        EXPECT_EQ(fish.m_Wave[10].phase, c.after) << c.phase;
        EXPECT_NEAR(out[0], std::sin(c.after) * 0.05f, 1e-6) << c.phase;
    }
}

TEST(FishSpecies00Waves, TheBodyWaveLeavesTheFrontTenSegmentsStill)
{
    CFishSpecies00 fish;
    for (float phase : {0.0f, 0.7f, 2.0f, 4.4f, 6.0f}) {
        fish.m_Wave[0].phase = phase;
        float out[17];
        std::fill(out, out + 17, 9.0f);
        fish.ComputeBodyWave(out, 17);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(out[i], 0.0f) << "phase " << phase << " entry " << i;
        EXPECT_NEAR(std::fabs(out[16]), std::fabs(std::sin(16 * kPi / 16 + fish.m_Wave[0].phase) * 6 * 0.00625f), 1e-6);
    }
}

TEST(FishSpecies00Waves, RampsOpenTheMouthOnlyWhileTheStrokeIsClear)
{
    const struct {
        BYTE stroke;
        float ramp[3], toggle[3];
    } cases[] = {
        {0, {0, 0.01f, 0.026f}, {0, 0, 0.013f}},
        {1, {0, 0, 0}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        CFishSpecies00 fish;
        fish.m_Wave[1].counter = 0;
        fish.m_bStroke = c.stroke;
        float ramp[3], toggle[3];
        fish.ComputeRamp(ramp, 3);
        fish.ComputeRampToggle(toggle, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(ramp[i], c.ramp[i], 1e-7) << "stroke " << int(c.stroke) << " entry " << i;
            EXPECT_NEAR(toggle[i], c.toggle[i], 1e-7) << "stroke " << int(c.stroke) << " entry " << i;
        }
    }
}

TEST(FishSpecies00Waves, TheToggleFlipsTheStrokeEvery52ndCallOnItsOwnCounter)
{
    CFishSpecies00 fish;
    fish.m_Wave[1].counter = 0;
    const int spare = fish.m_Wave[2].counter;
    float out[3];
    int flips = 0, lastFlip = 0;
    for (int call = 1; call <= 52 * 3; ++call) {
        const BYTE before = fish.m_bStroke;
        fish.ComputeRampToggle(out, 3);
        if (fish.m_bStroke != before) {
            ++flips;
            EXPECT_EQ(call - lastFlip, 52) << "flip " << flips;
            lastFlip = call;
        }
        fish.ComputeRamp(out, 3);  // the plain ramp counts nothing
    }
    EXPECT_EQ(flips, 3);
    EXPECT_EQ(fish.m_Wave[2].counter, spare) << "block 2's counter is drawn at birth and never counts";
}

// ---- the bend ----

// Calls the bend n times toward the fish's target heading; checks that the
// 17 entries are always equal (the body turns as one piece).
std::vector<float> Bend(CFishSpecies00& fish, int calls)
{
    std::vector<float> shown;
    float out[17];
    for (int call = 0; call < calls; ++call) {
        fish.ComputeBendToHeading(out, 17, static_cast<float>(fish.m_nTargetHeading));
        for (int i = 1; i < 17; ++i)
            EXPECT_EQ(out[i], out[0]) << "entry " << i;
        shown.push_back(out[0]);
    }
    return shown;
}

TEST(FishSpecies00Bend, TurnsTowardTheTailInStepsOf10AndBackInStepsOf1)
{
    const struct {
        float from;
        int to;
        float step;
        int steps;
    } cases[] = {{0, 180, 10, 18}, {180, 0, 1, 180}};
    for (const auto& c : cases) {
        CFishSpecies00 fish;
        fish.m_fHeading = c.from;
        fish.m_fLastTarget = c.from;
        std::fill(fish.m_nBendAngle, fish.m_nBendAngle + 17, int(c.from));
        fish.m_nTargetHeading = c.to;
        const std::vector<float> shown = Bend(fish, 3 * c.steps - 1);
        for (size_t call = 0; call < shown.size(); ++call) {
            // The head moves on every third call; the whole body shows it.
            const float heading = c.from + (c.to > c.from ? 1 : -1) * c.step * float((call + 1) / 3);
            ASSERT_EQ(shown[call], heading) << "from " << c.from << ", call " << call + 1;
        }
        EXPECT_EQ(fish.m_bBendReached, 0);
        Bend(fish, 1);
        EXPECT_EQ(fish.m_fHeading, float(c.to)) << "reached on call " << 3 * c.steps;
        EXPECT_EQ(fish.m_bBendReached, 1);
    }
}

TEST(FishSpecies00Bend, OnceReachedTheSegmentsSettleTwoDegreesACall)
{
    CFishSpecies00 fish;
    fish.m_nTargetHeading = 180;
    Bend(fish, 53);
    EXPECT_EQ(fish.m_fHeading, 170.0f);
    // The reaching call already settles: 170 toward 180, 2 a call.
    const std::vector<float> shown = Bend(fish, 6);
    const float expected[6] = {172, 174, 176, 178, 180, 180};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(shown[i], expected[i]) << i;
    EXPECT_EQ(fish.m_bBendSettled, 1);

    // With the no-wander flag: 10 a step both ways, and 10 a call to settle.
    CFishSpecies00 still;
    still.m_bNoWander = 1;
    still.m_fHeading = 180;
    still.m_fLastTarget = 180;
    std::fill(still.m_nBendAngle, still.m_nBendAngle + 17, 180);
    still.m_nTargetHeading = 0;
    Bend(still, 3 * 18 - 1);
    EXPECT_EQ(still.m_fHeading, 10.0f);
    const std::vector<float> settle = Bend(still, 2);
    EXPECT_EQ(settle[0], 0.0f);
    EXPECT_EQ(still.m_bBendSettled, 1) << "no segment moved on the second call";
}

TEST(FishSpecies00Bend, ATargetWithinAHundredthDoesNotRestart)
{
    const struct {
        float last;
        bool restarts;
    } cases[] = {{180.0f, false}, {180.005f, false}, {179.995f, false}, {180.02f, true}, {0.0f, true}};
    for (const auto& c : cases) {
        CFishSpecies00 fish;
        fish.m_nTargetHeading = 180;
        fish.m_fHeading = 180;
        fish.m_fLastTarget = c.last;
        fish.m_bBendReached = 1;
        fish.m_bBendSettled = 1;
        Bend(fish, 1);
        EXPECT_EQ(fish.m_bBendSettled, c.restarts ? 0 : 1) << c.last;
    }
}

TEST(FishSpecies00Bend, AtAnXWallTheWholeFishSnapsToTheTarget)
{
    const struct {
        int wall;
        float from;
        int to;
        bool snaps;
    } cases[] = {{1, 50, 180, true}, {2, 120, 0, true}, {3, 120, 0, false}, {0, 50, 180, false}};
    for (const auto& c : cases) {
        CFishSpecies00 fish;
        fish.m_fHeading = c.from;
        fish.m_nTargetHeading = c.to;
        fish.m_nWallState = c.wall;
        const float shown = Bend(fish, 1)[0];
        EXPECT_EQ(shown, c.snaps ? float(c.to) : c.from) << "wall " << c.wall;
        EXPECT_EQ(fish.m_fHeading, c.snaps ? float(c.to) : c.from) << "wall " << c.wall;
        EXPECT_EQ(fish.m_nBendAngle[16], int(shown));
    }
}

// ---- Draw ----

// The parts in drawing order: name, strips, points per strip, and whether a
// four-point polygon closes it.
struct Shape {
    const char* name;
    int strips, points;
    bool cap;
};
const Shape kShapes[] = {
    {"body", 16, 34, false},    {"lower jaw", 6, 6, false},    {"upper jaw", 6, 6, false},
    {"eye", 3, 16, true},       {"eye twin", 3, 16, true},     {"dorsal", 1, 20, false},
    {"pectoral", 1, 16, false}, {"pectoral twin", 1, 16, false}, {"pelvic", 1, 28, false},
    {"pelvic twin", 1, 28, false}, {"anal", 1, 14, false},    {"anal twin", 1, 14, false},
    {"tail", 1, 42, false},     {"tail twin", 1, 42, false},
};

using Species00Test = FishSpeciesTest<CFishSpecies00>;

TEST_F(Species00Test, EachFrameDrawsFourteenPartsInOrder)
{
    fish.Draw(0, 0);
    size_t p = 0;
    for (size_t i = 0; i < std::size(kShapes); ++i) {
        const Shape& shape = kShapes[i];
        EXPECT_STREQ(fish.Class().parts[i].name, shape.name);
        for (int s = 0; s < shape.strips; ++s, ++p) {
            ASSERT_LT(p, recorder.primitives.size());
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << shape.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(shape.points)) << shape.name << " strip " << s;
        }
        if (shape.cap) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_POLYGON)) << shape.name;
            ASSERT_EQ(recorder.primitives[p].vertices.size(), 4u);
            for (const RecordedVertex& v : recorder.primitives[p].vertices) {
                EXPECT_NEAR(v.texCoord[0], 0.894798f, 2e-4);
                EXPECT_NEAR(v.texCoord[1], 1.12031f, 2e-4);
            }
            ++p;
        }
    }
    EXPECT_EQ(recorder.primitives.size(), p);
    EXPECT_EQ(p, 45u);
    EXPECT_EQ(recorder.VertexCount(), 544u + 36 + 36 + 52 + 52 + 20 + 16 + 16 + 28 + 28 + 14 + 14 + 42 + 42);
    EXPECT_TRUE(recorder.colors.empty());
}

TEST_F(Species00Test, AHitFishChangesNothing)
{
    fish.Draw(0, 0);
    fish.m_bHit = 1;
    recorder.primitives.clear();
    const CFishSpecies00 before = fish;
    EXPECT_EQ(RandDraws([&] { fish.Draw(0, 0); }), 0);
    EXPECT_TRUE(recorder.primitives.empty());
    EXPECT_EQ(std::memcmp(fish.m_Wave, before.m_Wave, sizeof fish.m_Wave), 0);
    EXPECT_EQ(std::memcmp(fish.m_fPos, before.m_fPos, sizeof fish.m_fPos), 0);
    EXPECT_EQ(fish.m_nBendCounter, before.m_nBendCounter);
    EXPECT_EQ(fish.m_fDrift, before.m_fDrift);
    EXPECT_EQ(fish.m_nWanderTimer, before.m_nWanderTimer);
    EXPECT_EQ(fish.m_fShownPitch, before.m_fShownPitch);
}

TEST_F(Species00Test, TheMousePositionChangesNothing)
{
    CFishSpecies00 other = fish;
    fish.m_fPitch = other.m_fPitch = 12;
    for (int frame = 0; frame < 40; ++frame) {
        crt::srand(frame + 3);
        recorder.primitives.clear();
        fish.Draw(0, 0);
        const std::vector<RecordedPrimitive> first = recorder.primitives;
        crt::srand(frame + 3);
        recorder.primitives.clear();
        other.Draw(640 + frame, -20 * frame);
        ASSERT_EQ(recorder.primitives.size(), first.size());
        for (size_t s = 0; s < first.size(); ++s)
            for (size_t i = 0; i < first[s].vertices.size(); ++i)
                ASSERT_EQ(recorder.primitives[s].vertices[i].position, first[s].vertices[i].position);
        ASSERT_EQ(std::memcmp(fish.m_fPos, other.m_fPos, sizeof fish.m_fPos), 0);
    }
}

TEST_F(Species00Test, RandomDrawsPerFrame)
{
    // The bend draws one, the drift two; the third frame reaches the (zero)
    // heading and settles: one more.
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0, 0); }), expected[frame]) << "frame " << frame + 1;

    // A wander decision: the new timer and target speed, a new heading and
    // pitch (the last turn is complete), a speed when the timer exceeds 50,
    // and the swim style's own draw.
    for (unsigned seed : {1u, 2u, 3u, 9u}) {
        CFishSpecies00 f = fish;
        f.m_nWanderTimer = 301;
        f.m_fPitch = 0;
        const int timer = RandValue(3, seed) % 150;
        EXPECT_EQ(RandDraws([&] { f.Draw(0, 0); }, seed), 3 + 5 + (timer > 50 ? 1 : 0)) << seed;
        EXPECT_EQ(f.m_nWanderTimer, timer);
        EXPECT_NEAR(f.m_Wave[0].amplitude, 0.075f, 1e-7) << "the swim style at 1.5";
    }
}

TEST_F(Species00Test, TheStrokeOpensTheMouthOnTheFrameAfterTheToggleFlipsIt)
{
    fish.m_Wave[1].counter = 0;
    const FishVertex& lower = g_Fish00LowerJaw[3][2];  // the lower lip's tip
    const FishVertex& upper = g_Fish00UpperJaw[0][2];  // the upper lip's tip
    const size_t lowerJaw = 16 + 4, upperJaw = 16 + 6 + 0;  // last strip of the lower, first of the upper
    for (int frame = 1; frame <= 53; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0, 0);
        const bool open = frame == 53;
        EXPECT_NEAR(At(lowerJaw, 2, 1)[2], (lower.z - (open ? 0.026f : 0)) * 5, 1e-5) << "frame " << frame;
        EXPECT_NEAR(At(upperJaw, 2, 0)[2], (upper.z + (open ? 0.013f : 0)) * 5, 1e-5) << "frame " << frame;
    }
}

TEST_F(Species00Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 17; ++j) {
        f[kBend][j] = 3.0f * j + 1;
        f[kBody][j] = 0.002f * j;
    }
    for (int j = 0; j < 21; ++j)
        f[kG2][j] = f[kS3][j] = f[kG][j] = f[kS2][j] = f[kS][j] = f[kRamp][j] = f[kToggle][j] = 0.001f * (j + 1);
    fish.m_fDrift = 0.004f;
    fish.m_nSize = 6;
    const float size = 6;
    struct Rule {
        const char* name;
        void (CFishSpecies00::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int columns;
        std::vector<bool> mirrored;  // per pass of a strip
        // The point as drawn before its turn: size-1 coordinates plus the
        // scaled waves, then times the size, then the unscaled waves.
        std::function<Vec(const FishVertex& p, int row, int c, bool mirrored)> moved;
        std::function<float(int c)> angle;
    } rules[] = {
        {"body", &CFishSpecies00::DrawBody, &g_Fish00Body[0][0], 17, {false, true},
         [&](const FishVertex& p, int, int c, bool m) {
             return Vec{p.x * size, ((m ? -p.y : p.y) + f[kBody][c]) * size, p.z * size};
         },
         [&](int c) { return f[kBend][c]; }},
        {"lower jaw", &CFishSpecies00::DrawPart1, &g_Fish00LowerJaw[0][0], 3, {false, true},
         [&](const FishVertex& p, int, int c, bool m) {
             return Vec{p.x * size, (m ? -p.y : p.y) * size, (p.z - f[kRamp][c]) * size};
         },
         [&](int) { return f[kBend][0]; }},
        {"upper jaw", &CFishSpecies00::DrawPart2, &g_Fish00UpperJaw[0][0], 3, {false, true},
         [&](const FishVertex& p, int, int c, bool m) {
             return Vec{p.x * size, (m ? -p.y : p.y) * size, (p.z + f[kToggle][c]) * size};
         },
         [&](int) { return f[kBend][0]; }},
        {"eye", &CFishSpecies00::DrawPart3, &g_Fish00Eye[0][0], 8, {false},
         [&](const FishVertex& p, int, int, bool) {
             return Vec{(p.x + 0.004f) * size, p.y * size, (p.z + 0.004f) * size};
         },
         [&](int) { return (f[kBend][2] + f[kBend][3]) / 2; }},
        {"eye twin", &CFishSpecies00::DrawPart4, &g_Fish00Eye[0][0], 8, {true},
         [&](const FishVertex& p, int, int, bool) {
             return Vec{(p.x + 0.004f) * size, -p.y * size, (p.z + 0.004f) * size};
         },
         [&](int) { return (f[kBend][2] + f[kBend][3]) / 2; }},
        {"dorsal", &CFishSpecies00::DrawPart5, &g_Fish00Dorsal[0][0], 10, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x * size, (p.y + f[kBody][6 + c]) * size + (row == 1 ? f[kG2][c] : 0.0f), p.z * size};
         },
         [&](int c) { return f[kBend][6 + c]; }},
        {"pectoral", &CFishSpecies00::DrawPart6, &g_Fish00Pectoral[0][0], 8, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS3][c] : 0.0f;
             return Vec{(p.x + w) * size, (p.y + w) * size, p.z * size};
         },
         [&](int c) { return f[kBend][6 + c]; }},
        {"pectoral twin", &CFishSpecies00::DrawPart7, &g_Fish00Pectoral[0][0], 8, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS3][c] : 0.0f;
             return Vec{(p.x + w) * size, (-p.y + w) * size, p.z * size};  // the same sign
         },
         [&](int c) { return f[kBend][6 + c]; }},
        {"pelvic", &CFishSpecies00::DrawPart8, &g_Fish00Pelvic[0][0], 14, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 && c < 10 ? f[kG][c] : 0.0f;
             return Vec{p.x * size, (p.y + w) * size, p.z * size};
         },
         [&](int) { return f[kBend][8]; }},
        {"pelvic twin", &CFishSpecies00::DrawPart9, &g_Fish00Pelvic[0][0], 14, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 && c < 10 ? f[kG][c] : 0.0f;
             return Vec{p.x * size, (-p.y - w) * size, p.z * size};
         },
         [&](int) { return f[kBend][8]; }},
        {"anal", &CFishSpecies00::DrawPart10, &g_Fish00Anal[0][0], 7, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x * size, (p.y + f[kBody][11] + (row == 1 ? f[kS2][c] : 0.0f)) * size, p.z * size};
         },
         [&](int) { return f[kBend][11]; }},
        {"anal twin", &CFishSpecies00::DrawPart11, &g_Fish00Anal[0][0], 7, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x * size, (-p.y + f[kBody][11] - (row == 1 ? f[kS2][c] : 0.0f)) * size, p.z * size};
         },
         [&](int) { return f[kBend][11]; }},
        {"tail", &CFishSpecies00::DrawPart12, &g_Fish00Tail[0][0], 21, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS][c] : 0.0f;
             return Vec{(p.x + w) * size, (p.y + f[kBody][15] + w) * size, p.z * size};
         },
         [&](int) { return f[kBend][16]; }},
        {"tail twin", &CFishSpecies00::DrawPart13, &g_Fish00Tail[0][0], 21, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS][c] : 0.0f;
             return Vec{(p.x + w) * size, (-p.y + f[kBody][15] + w) * size, p.z * size};
         },
         [&](int) { return f[kBend][16]; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const size_t passes = rule.mirrored.size();
        const int strips = static_cast<int>(recorder.primitives.size() / passes);
        ASSERT_GE(strips, 1) << rule.name;
        for (int s = 0; s < strips; ++s)
            for (size_t pass = 0; pass < passes; ++pass) {
                const size_t prim = s * passes + pass;
                if (recorder.primitives[prim].mode == GL_POLYGON)
                    continue;
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.mesh[(s + k) * rule.columns + c];
                        const Vec moved = rule.moved(p, s + k, c, rule.mirrored[pass]);
                        ExpectNearPoint(At(prim, c, k), TurnedAboutZ(moved, rule.angle(c)),
                                        std::string(rule.name) + " strip " + std::to_string(s) + " column " +
                                            std::to_string(c));
                        const RecordedVertex& v = recorder.primitives[prim].vertices[2 * c + k];
                        EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz})) << rule.name << " normal";
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                    }
            }
    }
}

TEST_F(Species00Test, TheEyeIsClosedByItsPupilWhichDriftsWithIt)
{
    FishFrame f;
    for (int j = 0; j < 17; ++j)
        f[kBend][j] = 40;
    fish.m_fDrift = -0.006f;
    for (bool twin : {false, true}) {
        recorder.primitives.clear();
        twin ? fish.DrawPart4(f) : fish.DrawPart3(f);
        ASSERT_EQ(recorder.primitives.size(), 4u);
        const RecordedPrimitive& cap = recorder.primitives[3];
        ASSERT_EQ(cap.mode, GLenum(GL_POLYGON));
        for (int i = 0; i < 4; ++i) {
            const FishVertex& p = g_Fish00EyeCap[0][i];
            ExpectNearPoint(cap.vertices[i].position,
                            TurnedAboutZ({(p.x - 0.006f) * 5, (twin ? -p.y : p.y) * 5, (p.z - 0.006f) * 5}, 40),
                            "pupil");
        }
    }
}

TEST_F(Species00Test, DoublingTheSizeDoublesAllButTheDorsalRipple)
{
    CFishSpecies00 big = fish;
    fish.m_nSize = 4;
    big.m_nSize = 8;
    // Frames on: every wave away from zero.
    for (int frame = 0; frame < 30; ++frame) {
        crt::srand(frame);
        fish.Draw(0, 0);
        crt::srand(frame);
        big.Draw(0, 0);
    }
    fish.m_fHeading = big.m_fHeading = 0;
    fish.m_fShownPitch = big.m_fShownPitch = 0;
    fish.m_fPitch = big.m_fPitch = 0;
    recorder.primitives.clear();
    crt::srand(99);
    fish.Draw(0, 0);
    const std::vector<RecordedPrimitive> small = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(99);
    big.Draw(0, 0);
    ASSERT_EQ(recorder.primitives.size(), small.size());
    const size_t dorsal = 16 + 6 + 6 + 4 + 4;
    for (size_t s = 0; s < small.size(); ++s)
        for (size_t i = 0; i < small[s].vertices.size(); ++i) {
            const auto& a = small[s].vertices[i].position;
            const auto& b = recorder.primitives[s].vertices[i].position;
            if (s == dorsal && i % 2 == 1) {
                // The edge: its ripple (growing wave 2) stays as it is while
                // the rest doubles.
                const FishWave& w = big.m_Wave[3];
                const int c = static_cast<int>(i / 2);
                EXPECT_NEAR(b[1] - 2 * a[1], -std::sin(c * w.waveNumber + w.phase) * c * 0.01f, 1e-4) << c;
                EXPECT_NEAR(b[0], 2 * a[0], 1e-4);
                EXPECT_NEAR(b[2], 2 * a[2], 1e-4);
                continue;
            }
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(b[k], 2 * a[k], 1e-4) << "primitive " << s << " vertex " << i;
        }
}

TEST_F(Species00Test, AtTheLeftWallItTurnsRoundAtOnceAndSwimsBack)
{
    fish.m_fPos[0] = -50.01f;
    fish.m_fPos[1] = 0;
    fish.m_fPitch = 0;
    fish.m_fSpeed = 0.03f;
    fish.m_nTargetHeading = 0;
    fish.Draw(0, 0);  // moving toward falling x, it meets the wall
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw(0, 0);
    EXPECT_EQ(fish.m_fHeading, 180.0f) << "the whole body snaps round in one frame";
    // Every body column faces the other way: the snout now toward rising x.
    const Vec& snout = At(0, 0, 0);
    EXPECT_NEAR(snout[0], -g_Fish00Body[0][0].x * 5, 1e-4);
    EXPECT_GT(fish.m_fPos[0], -48.0f) << "and swims away from the wall";
}

// ---- the mesh tables ----

// The body segment under x (fractional between columns).
float SegmentUnder(float x)
{
    for (int j = 0; j + 1 < 17; ++j)
        if (x <= g_Fish00Body[0][j + 1].x)
            return j + (x - g_Fish00Body[0][j].x) / (g_Fish00Body[0][j + 1].x - g_Fish00Body[0][j].x);
    return 16;
}

TEST(FishSpecies00Mesh, BodyRowsRunFromTheBellyUpAlongTheSegments)
{
    for (int j = 0; j < 17; ++j) {
        EXPECT_NEAR(g_Fish00Body[0][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        EXPECT_NEAR(g_Fish00Body[8][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        for (int r = 1; r < 9; ++r) {
            EXPECT_EQ(g_Fish00Body[r][j].x, g_Fish00Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_GT(g_Fish00Body[r][j].z, g_Fish00Body[r - 1][j].z) << "rows go up";
        }
        if (j > 0) {
            EXPECT_GT(g_Fish00Body[0][j].x, g_Fish00Body[0][j - 1].x);
        }
    }
    // Short and deep: the body is more than half as deep as it is long.
    float top = -1, bottom = 1;
    for (const auto& row : g_Fish00Body)
        for (const FishVertex& p : row) {
            top = std::max(top, p.z);
            bottom = std::min(bottom, p.z);
        }
    EXPECT_GT(top - bottom, 0.6f * (g_Fish00Body[0][16].x - g_Fish00Body[0][0].x));
}

// The parts that take a body wave entry stand over its segment, so they sway
// with the body under them: the dorsal fin's column c over segment 6 + c,
// the anal fins' roots by segment 11, the tail's roots by segment 15.
TEST(FishSpecies00Mesh, PartsThatSwayWithTheBodyStandOverTheirSegments)
{
    for (int c = 0; c < 10; ++c)
        EXPECT_NEAR(SegmentUnder(g_Fish00Dorsal[0][c].x), 6.0f + c, 0.02f) << "dorsal column " << c;
    for (int c = 0; c < 7; ++c)
        EXPECT_NEAR(SegmentUnder(g_Fish00Anal[0][c].x), 11.0f, 1.55f) << "anal column " << c;
    for (int c = 0; c < 21; ++c) {
        EXPECT_NEAR(SegmentUnder(g_Fish00Tail[0][c].x), 15.0f, 0.5f) << "tail column " << c;
        EXPECT_LT(std::fabs(g_Fish00Tail[0][c].y), 0.01f) << "the roots inside the tail stalk";
    }
    // The body's sway at segment s is (s - 10) x 0.00625 at most: how far a
    // root taking another segment's entry can stray from the body under it.
    auto stray = [](float under, float taken) {
        const float a = std::max(0.0f, under - 10) * 0.00625f, b = std::max(0.0f, taken - 10) * 0.00625f;
        return std::sqrt(a * a + b * b - 2 * a * b * std::cos(kPi / 16 * (under - taken)));
    };
    for (int c = 0; c < 7; ++c)
        EXPECT_LT(stray(SegmentUnder(g_Fish00Anal[0][c].x), 11), 0.012f) << "anal column " << c;
    for (int c = 0; c < 21; ++c)
        EXPECT_LT(stray(SegmentUnder(g_Fish00Tail[0][c].x), 15), 0.012f) << "tail column " << c;
}

TEST(FishSpecies00Mesh, PairedPartsLieOnTheLeftAndTheTailFansFromSevenRoots)
{
    const std::vector<std::pair<const char*, MeshView>> left = {
        {"eye", MeshOf(g_Fish00Eye)},       {"pectoral", MeshOf(g_Fish00Pectoral)}, {"pelvic", MeshOf(g_Fish00Pelvic)},
        {"anal", MeshOf(g_Fish00Anal)},     {"tail", MeshOf(g_Fish00Tail)},
    };
    for (const auto& [name, m] : left)
        for (int i = 0; i < m.rows * m.columns; ++i)
            EXPECT_LE(m.points[i].y, 1e-6f) << name << " " << i;
    for (int c = 0; c < 21; ++c) {
        const FishVertex& root = g_Fish00Tail[0][c];
        const FishVertex& first = g_Fish00Tail[0][c / 3 * 3];
        EXPECT_EQ(root.x, first.x);
        EXPECT_EQ(root.z, first.z) << "column " << c << " shares its root";
        if (c % 3 == 0 && c > 0) {
            EXPECT_LT(root.z, g_Fish00Tail[0][c - 1].z) << "roots run down the stalk";
        }
    }
    // The split tail: its lower tip splays far wider than its upper tip.
    EXPECT_LT(g_Fish00Tail[1][20].y, 3 * g_Fish00Tail[1][0].y);
}

TEST(FishSpecies00Mesh, ThePupilSquareClosesTheLastRingInsideTheBall)
{
    // In the plane of the square: every point of the pupil ring lies within it.
    const FishVertex* q = g_Fish00EyeCap[0];
    Vec centre{0, 0, 0};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 3; ++k)
            centre[k] += (&q[i].x)[k] / 4;
    const Vec axis{q[0].nx, q[0].ny, q[0].nz};
    auto dot = [](const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    auto minus = [](const FishVertex& p, const Vec& c) { return Vec{p.x - c[0], p.y - c[1], p.z - c[2]}; };
    const float half = std::sqrt(dot(minus(q[0], centre), minus(q[0], centre))) / std::sqrt(2.0f);
    for (int k = 0; k < 8; ++k) {
        const Vec d = minus(g_Fish00Eye[3][k], centre);
        EXPECT_GT(dot(d, axis), 0.0f) << "the ring stands out beyond the pupil";
        const Vec e0 = minus(q[0], centre), e1 = minus(q[1], centre);
        const float a = dot(d, e0) / std::sqrt(dot(e0, e0)), b = dot(d, e1) / std::sqrt(dot(e1, e1));
        EXPECT_LT(std::fabs(a + b), 2 * half * 0.70711f + 1e-4f) << k;
        EXPECT_LT(std::fabs(a - b), 2 * half * 0.70711f + 1e-4f) << k;
    }
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(g_Fish00Eye[r][7].x, g_Fish00Eye[r][0].x) << "ring " << r << " closes";
}

TEST(FishSpecies00Mesh, NormalsAreUnitAndTextureCoordinatesInThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies00, 1.0f, 2.0f);
    for (int r = 2; r < 7; ++r)
        for (int j = 0; j < 17; ++j)
            EXPECT_GT(g_Fish00Body[r][j].ny, 0.0f) << "flank normals face outward, " << r << " " << j;
}

}  // namespace
