// Species 2, the guppy: its construction and random draws, its generators,
// the parts of its Draw with their grids, mirrors, rotations and waves, its
// draw variants, and its mesh tables.
#include "fish/fish_species02.h"
#include "fish/fish_species02_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species02.cpp).
enum { kD, kW, kS1, kS2, kG, kS3, kR, kT };
// Wave blocks.
enum { kBodyBlock, kToggleBlock, kRampBlock, kSineBlock, kSine2Block, kGrowBlock, kSine3Block };

constexpr float kPi = 3.14159265f;

using Vec = std::array<float, 3>;

TEST(FishSpecies02Construction, StartsWithItsOwnValuesAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies02>({.speed = 0.1f,
                                       .segments = 26,
                                       .bodyDims = {1.0f, 0.61084199f, 0.23883f},
                                       .blocks = {
                                           {kPi / 16, 0, kPi / 6},      // body wave
                                           {0, 0, 0},                   // toggle ramp: a step of 0
                                           {0, 0.005f, 0},              // reverse ramp
                                           {kPi / 4, 0.02f, kPi / 6},   // sine
                                           {kPi / 24, 0.02f, kPi / 8},  // sine 2
                                           {kPi / 20, 0, kPi / 8},      // growing
                                           {kPi / 20, 0.03f, kPi / 12}, // sine 3
                                       }},
                                      {1u, 77u});
    // Born above the speed ceiling, it keeps 0.1 until its first approach.
    CFishSpecies02 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies02Swimming, SwimStyleSetsFourFinBlocksByTheTargetSpeed)
{
    struct Case {
        float target, f;
    } cases[] = {{0.049f, 1.0f}, {0.05f, 1.5f}, {0.4f, 1.5f}};
    for (const Case& c : cases) {
        CFishSpecies02 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(c.target, 0, 0, 0); }), 1) << "the template's discarded draw";
        EXPECT_EQ(fish.m_bStroke, 0);
        struct Row {
            int block;
            float waveNumber, amplitude, step;
        } rows[] = {
            {kSineBlock, kPi / 4, 0.02f * c.f, kPi / 6 * c.f},
            {kSine2Block, kPi / 24, 0.02f * c.f, kPi / 8 * c.f},
            {kGrowBlock, kPi / 20, 0.0f, kPi / 8 * c.f},
            {kSine3Block, kPi / 10, 0.03f * c.f, kPi / 6 * c.f},
            // untouched
            {kBodyBlock, kPi / 16, 0.0f, kPi / 6},
            {kRampBlock, 0.0f, 0.005f, 0.0f},
            {kToggleBlock, 0.0f, 0.0f, 0.0f},
        };
        for (const Row& r : rows) {
            EXPECT_NEAR(fish.m_Wave[r.block].waveNumber, r.waveNumber, 1e-6) << r.block << " at " << c.target;
            EXPECT_NEAR(fish.m_Wave[r.block].amplitude, r.amplitude, 1e-6) << r.block << " at " << c.target;
            EXPECT_NEAR(fish.m_Wave[r.block].phaseStep, r.step, 1e-6) << r.block << " at " << c.target;
        }
    }
}

// The template's walls with the game window's swim box: the fish turns back
// at x -50 and 50, at z -75 and at y 13 and -17. The far z wall (-150) is
// armed only for a target heading outside 0..180, which this fish never has.
TEST(FishSpecies02Swimming, TurnsBackAtTheWallsOfTheGamesSwimBox)
{
    struct Case {
        const char* wall;
        float x, y, z;
        int heading;
        int state;
        Vec at;
    } cases[] = {
        {"x min", -51, 0, -100, 0, 1, {-48, 0, -100}},
        {"x max", 51, 0, -100, 180, 2, {48, 0, -100}},
        {"far z, not armed", 0, 0, -151, 0, 0, {0, 0, -151}},
        {"near z", 0, 0, -74, 0, 4, {0, 0, -75}},
        {"top", 0, 13.5f, -100, 0, 5, {0, 13, -100}},
        {"bottom", 0, -17.5f, -100, 0, 6, {0, -17, -100}},
    };
    for (const Case& c : cases) {
        CFishSpecies02 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[0] = c.x;
        fish.m_fPos[1] = c.y;
        fish.m_fPos[2] = c.z;
        fish.m_fHeading = static_cast<float>(c.heading);
        fish.m_nTargetHeading = c.heading;
        fish.m_fPitch = 0;
        fish.m_fSpeed = 0;
        fish.Move();
        EXPECT_EQ(fish.m_nWallState, c.state) << c.wall;
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(fish.m_fPos[k], c.at[k]) << c.wall << " axis " << k;
    }
    CFishSpecies02 fish;
    for (float z : {-90.0f, -60.0f, -75.0f, -89.9f, -60.1f}) {
        fish.m_fPos[2] = z;
        EXPECT_EQ(fish.IsInDepthBand(), z > -90 && z < -60 && z != -75) << z;
    }
}

// ---- the generators ----

TEST(FishSpecies02Waves, EachSineGeneratorHasItsCadenceAndItsShape)
{
    using Gen = void (CFishSpecies02::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<float(int i, float k, float phi, float amplitude)> value;
    } cases[] = {
        {"body wave", &CFishSpecies02::ComputeBodyWave, kBodyBlock, 26, 12,
         [](int i, float k, float phi, float) { return i < 13 ? 0.0f : (i - 13) / 260.0f * 0.5f * std::sin(i * k + phi); }},
        {"sine", &CFishSpecies02::ComputeSineWave, kSineBlock, 9, 3,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
        {"sine 2", &CFishSpecies02::ComputeSineWave2, kSine2Block, 12, 7,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
        {"growing", &CFishSpecies02::ComputeGrowingWave, kGrowBlock, 7, 7,
         [](int i, float k, float phi, float) { return 0.01f * i * std::sin(i * k + phi); }},
        {"sine 3", &CFishSpecies02::ComputeSineWave3, kSine3Block, 37, 4,
         [](int i, float k, float phi, float a) {
             const int j = i >= 22 && i <= 25 ? 21 : i;  // rays 22 to 25 sway as 21
             return 0.5f * a * std::sin(j * k + phi);
         }},
    };
    for (const Case& c : cases) {
        CFishSpecies02 fish;
        FishWave& w = fish.m_Wave[c.block];
        w.phase = 1.0f;
        w.amplitude += 0.01f;  // an amplitude the shape must follow (unread by the growing kinds)
        float out[48] = {};
        ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
        for (int i = 0; i < c.n; ++i)
            EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 1e-6) << c.name << " " << i;
        EXPECT_EQ(out[0] == 0.0f, c.block == kBodyBlock || c.block == kGrowBlock) << c.name;
    }
}

TEST(FishSpecies02Waves, APhaseOfExactlyTwoPiStaysAndOnlyALargerOneWraps)
{
    CFishSpecies02 fish;
    FishWave& w = fish.m_Wave[kSineBlock];
    float out[9];
    w.phase = 6.283185f;
    fish.ComputeSineWave(out, 9);  // counter 0 -> 1: no step
    EXPECT_EQ(w.phase, 6.283185f);
    w.phase = 6.2831855f;
    fish.ComputeSineWave(out, 9);
    EXPECT_EQ(w.phase, 0.0f);
    EXPECT_NEAR(out[1], 0.02f * std::sin(kPi / 4), 1e-7) << "filled after the wrap";
}

TEST(FishSpecies02Waves, TheReverseRampFallsToZeroAndOnlyWhileTheStrokeFlagIsClear)
{
    CFishSpecies02 fish;
    float r[6] = {9, 9, 9, 9, 9, 9};
    fish.ComputeReverseRamp(r, 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(r[i], 0.0f) << "zero while the stroke flag is set";
    fish.m_bStroke = 0;
    std::fill(r, r + 6, 9.0f);
    fish.ComputeReverseRamp(r, 6);
    const float expected[6] = {0.03f, 0.025f, 0.02f, 0.015f, 0.01f, 0.0f};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(r[i], expected[i], 1e-7) << i;
}

TEST(FishSpecies02Waves, TheToggleRampIsAlwaysZeroAndFlipsTheStrokeEvery52ndCall)
{
    CFishSpecies02 fish;
    fish.m_Wave[kToggleBlock].counter = 0;
    int flips = 0, lastFlip = 0;
    for (int call = 1; call <= 160; ++call) {
        const BYTE before = fish.m_bStroke;
        float t[4] = {9, 9, 9, 9};
        fish.ComputeRampToggle(t, 4);
        for (float v : t)
            EXPECT_EQ(v, 0.0f) << "call " << call << ", stroke " << int(before);
        if (fish.m_bStroke != before) {
            ++flips;
            EXPECT_EQ(call - lastFlip, 52) << "flip " << flips;
            lastFlip = call;
        }
    }
    EXPECT_EQ(flips, 3);
    // A fish born with its counter at k flips first on call 52 - k.
    for (int k : {0, 7, 14}) {
        CFishSpecies02 born;
        born.m_Wave[kToggleBlock].counter = k;
        float t[4];
        int call = 0;
        while (born.m_bStroke == 1 && call < 100) {
            born.ComputeRampToggle(t, 4);
            ++call;
        }
        EXPECT_EQ(call, 52 - k);
    }
}

// ---- Draw ----

struct Strip {
    GLenum mode;
    size_t points;
    bool operator==(const Strip&) const = default;
};
using Strips = std::vector<Strip>;

void Append(Strips& out, int count, size_t points, GLenum mode = GL_QUAD_STRIP)
{
    for (int k = 0; k < count; ++k)
        out.push_back({mode, points});
}

// What each part sends, part by part (the part numbers of the class).
Strips PartStrips(int part, bool lines = false)
{
    Strips s;
    switch (part) {
    case 0:
        Append(s, 1, 0, GL_QUADS);  // the body's empty quads
        Append(s, 8, 46);           // 4 strips of 23 columns, each then mirrored
        break;
    case 1:
        Append(s, 1, 18);
        break;
    case 2:
        Append(s, 1, 16);
        break;
    case 3:
        Append(s, 10, 12);
        break;
    case 4:
        Append(s, 10, 8);
        break;
    case 5:
    case 6:
        Append(s, 1, 18);
        break;
    case 7:
    case 8:
        Append(s, 1, 14);
        break;
    case 9:
    case 10:
        Append(s, 1, 74, lines ? GL_LINES : GL_QUAD_STRIP);
        break;
    case 11:
    case 12:
        Append(s, 3, 18);
        Append(s, 1, 4, GL_QUADS);
        break;
    }
    return s;
}

Strips Parts(std::initializer_list<int> parts, bool tailAsLines = false)
{
    Strips s;
    for (int p : parts) {
        const Strips part = PartStrips(p, tailAsLines && p == 10);
        s.insert(s.end(), part.begin(), part.end());
    }
    return s;
}

Strips Recorded(const VertexRecorder& recorder)
{
    Strips s;
    for (const RecordedPrimitive& p : recorder.primitives)
        s.push_back({p.mode, p.vertices.size()});
    return s;
}

class Species02Test : public FishSpeciesTest<CFishSpecies02> {
protected:
    std::vector<RecordedPrimitive> Frame(CFishSpecies02 f, int variant, unsigned seed = 5)
    {
        recorder.primitives.clear();
        crt::srand(seed);
        f.Draw(variant);
        return recorder.primitives;
    }
};

TEST_F(Species02Test, EachVariantDrawsItsPartsInItsOrder)
{
    const Strips plain = Parts({0, 1, 3, 4, 5, 6, 7, 8, 10, 11, 12});
    Strips fannedRays = Parts({0, 3, 4, 5, 6, 7, 8}, true);
    for (int k = 0; k < 7; ++k)  // the tail and six copies
        Append(fannedRays, 1, 74, GL_LINES);
    const Strips eyes = Parts({11, 12});
    fannedRays.insert(fannedRays.end(), eyes.begin(), eyes.end());
    Strips fannedPairs = Parts({0, 1, 2, 3, 4, 7, 10}, true);
    for (int k = 0; k < 4; ++k) {  // pairs of the tail (as rays) and its twin
        Append(fannedPairs, 1, 74, GL_LINES);
        Append(fannedPairs, 1, 74);
    }
    fannedPairs.insert(fannedPairs.end(), eyes.begin(), eyes.end());
    const Strips squeezed = Parts({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12});
    struct Case {
        int variant;
        const Strips& strips;
    } cases[] = {
        {0, plain}, {1, plain}, {3, plain}, {6, plain}, {8, plain}, {31, plain}, {-1, plain}, {40, plain},
        {4, fannedRays}, {5, fannedPairs}, {7, squeezed},
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.Draw(c.variant);
        EXPECT_EQ(Recorded(recorder), c.strips) << "variant " << c.variant;
    }
    // Variant 0: 840 points in 43 primitives.
    recorder.primitives.clear();
    fish.Draw(0);
    EXPECT_EQ(recorder.VertexCount(), 840u);
    EXPECT_EQ(recorder.primitives.size(), 43u);
}

TEST_F(Species02Test, Variant6DrawsAsVariant0AndVariant3ChangesOnlyTheTail)
{
    fish.m_nTargetHeading = 180;  // a frame in a turn, with the waves running
    for (int i = 0; i < 20; ++i)
        fish.Draw(0);
    const auto zero = Frame(fish, 0);
    const auto six = Frame(fish, 6);
    const auto three = Frame(fish, 3);
    ASSERT_EQ(six.size(), zero.size());
    ASSERT_EQ(three.size(), zero.size());
    const size_t tail = Parts({0, 1, 3, 4, 5, 6, 7, 8}).size();
    for (size_t p = 0; p < zero.size(); ++p)
        for (size_t i = 0; i < zero[p].vertices.size(); ++i) {
            EXPECT_EQ(six[p].vertices[i].position, zero[p].vertices[i].position) << p << " " << i;
            if (p != tail) {
                EXPECT_EQ(three[p].vertices[i].position, zero[p].vertices[i].position) << p << " " << i;
            }
        }
    EXPECT_NE(three[tail].vertices[1].position, zero[tail].vertices[1].position);
}

TEST_F(Species02Test, RandomDrawsPerFrame)
{
    // The bend draws once a frame and once more while the segments settle
    // (frame 3, when the head is found on its target), the drift twice.
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;

    // A wander step: the counter, the speed target, a new heading and pitch
    // (the head is on its target), the speed when the new counter is above
    // 50, and the swim style's discarded draw.
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        CFishSpecies02 wanderer = fish;
        wanderer.m_nWanderTimer = 301;
        const int counter = RandValue(3, seed) % 150;  // after the bend's and the drift's
        EXPECT_EQ(RandDraws([&] { wanderer.Draw(0); }, seed), 3 + 4 + (counter > 50 ? 1 : 0) + 1) << seed;
        EXPECT_EQ(wanderer.m_nWanderTimer, counter);
    }
}

TEST_F(Species02Test, TheHeadingEntersTheGeneratorsWithinOneTurn)
{
    struct Case {
        float heading, shown;
    } cases[] = {{400, 360}, {-400, -360}, {300, 300}};
    for (const Case& c : cases) {
        CFishSpecies02 f = fish;
        f.m_fHeading = c.heading;
        f.Draw(0);
        EXPECT_EQ(f.m_nBendAngle[0], static_cast<int>(c.shown)) << c.heading;
        // Segment 1 trails the head by 20 degrees, away from the target 0.
        EXPECT_EQ(f.m_nBendAngle[1], static_cast<int>(c.shown + (c.shown > 0 ? 20 : -20))) << c.heading;
    }
}

TEST_F(Species02Test, TheMouthOpensWhileTheStrokeFlagIsClear)
{
    fish.m_Wave[kToggleBlock].counter = 40;  // flips on the 12th frame
    const FishVertex& tip = g_Fish02Jaw[0][0];
    const size_t jaw = Parts({0, 1}).size();
    for (int frame = 1; frame <= 14; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const bool open = frame >= 13;  // the ramp runs before the toggle
        EXPECT_NEAR(At(jaw, 0, 0)[2], (tip.z - (open ? 0.03f : 0.0f)) * 5, 1e-5) << "frame " << frame;
        EXPECT_NEAR(At(jaw + 1, 0, 0)[2], (tip.z - (open ? 0.03f : 0.0f)) * 5, 1e-5) << "mirrored, frame " << frame;
    }
}

// Every part on a frame of known arrays: its rotation per column and its wave
// offsets, mirrors included, recomputed from the class's rules.
TEST_F(Species02Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 48; ++j) {
        f[kD][j] = 3.0f * j + 1;
        f[kW][j] = 0.002f * j;
        f[kS1][j] = f[kS2][j] = f[kG][j] = f[kS3][j] = f[kR][j] = f[kT][j] = 0.001f * (j + 1);
    }
    fish.m_fDrift = 0.004f;
    // The dorsal fin's column c turns with segment 17 + c up to 22, then with 21.
    auto dorsalSegment = [](int c) { return c <= 5 ? 17 + c : 21; };
    struct Rule {
        const char* name;
        std::function<void()> draw;
        const FishVertex* mesh;
        int stride, columns, first;      // table row length, columns drawn, first table column
        std::vector<bool> mirrored;      // per strip pass
        std::function<Vec(const FishVertex& p, int row, int c, bool mirrored)> moved;  // size 1, before turning
        std::function<float(int c)> angle;
        const FishVertex* cap = nullptr;
    } rules[] = {
        {"body", [&] { fish.DrawBody(f); }, &g_Fish02Body[0][0], 23, 23, 0, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, (m ? -p.y : p.y) + f[kW][c], p.z}; },
         [&](int c) { return f[kD][c]; }},
        {"dorsal", [&] { fish.DrawPart1(f); }, &g_Fish02Dorsal[0][0], 9, 9, 0, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + f[kW][dorsalSegment(c)] + (row == 1 ? f[kS1][c] : 0.0f), p.z};
         },
         [&](int c) { return f[kD][dorsalSegment(c)]; }},
        {"rear dorsal", [&] { fish.DrawPart2(f); }, &g_Fish02Dorsal[0][0], 9, 8, 1, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + f[kW][dorsalSegment(c + 1)] + (row == 0 ? f[kS1][c + 1] : 0.0f), p.z};
         },
         [&](int c) { return f[kD][dorsalSegment(c + 1)]; }},
        {"jaw", [&] { fish.DrawPart3(f); }, &g_Fish02Jaw[0][0], 6, 6, 0, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, m ? -p.y : p.y, p.z - f[kR][c]}; },
         [&](int) { return f[kD][0]; }},
        {"brow", [&] { fish.DrawPart4(f); }, &g_Fish02Brow[0][0], 4, 4, 0, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, m ? -p.y : p.y, p.z + f[kT][c]}; },
         [&](int) { return f[kD][0]; }},
        {"pectoral", [&] { fish.DrawPart5(f); }, &g_Fish02Pectoral[0][0], 9, 9, 0, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS2][c] : 0.0f;
             return Vec{p.x + w, p.y + w, p.z};
         },
         [&](int) { return f[kD][12]; }},
        {"pectoral twin", [&] { fish.DrawPart6(f); }, &g_Fish02Pectoral[0][0], 9, 9, 0, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS2][c] : 0.0f;
             return Vec{p.x + w, -p.y + w, p.z};  // the same sign as the first
         },
         [&](int) { return f[kD][12]; }},
        {"pelvic", [&] { fish.DrawPart7(f); }, &g_Fish02Pelvic[0][0], 7, 7, 0, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + f[kW][16] + (row == 1 ? f[kG][c] : 0.0f), p.z};
         },
         [&](int) { return f[kD][16]; }},
        {"pelvic twin", [&] { fish.DrawPart8(f); }, &g_Fish02Pelvic[0][0], 7, 7, 0, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, -p.y + f[kW][16] - (row == 1 ? f[kG][c] : 0.0f), p.z};  // against the first
         },
         [&](int) { return f[kD][16]; }},
        {"tail", [&] { fish.DrawPart10(f); }, &g_Fish02Tail[0][0], 37, 37, 0, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + f[kW][21] + (row == 1 ? f[kS3][c] : 0.0f), p.z};
         },
         [&](int) { return f[kD][21]; }},
        {"tail twin", [&] { fish.DrawPart9(f); }, &g_Fish02Tail[0][0], 37, 37, 0, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + f[kW][21] + (row == 1 ? f[kS3][c] : 0.0f), p.z};
         },
         [&](int) { return f[kD][21]; }},
        {"eye", [&] { fish.DrawPart11(f); }, &g_Fish02Eye[0][0], 9, 9, 0, {false},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x + 0.004f, p.y, p.z + 0.004f}; },
         [&](int) { return f[kD][3]; }, &g_Fish02EyeCap[0][0]},
        {"eye twin", [&] { fish.DrawPart12(f); }, &g_Fish02Eye[0][0], 9, 9, 0, {true},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x + 0.004f, -p.y, p.z + 0.004f}; },
         [&](int) { return f[kD][3]; }, &g_Fish02EyeCap[0][0]},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        rule.draw();
        const size_t skip = std::string(rule.name) == "body" ? 1 : 0;
        const size_t passes = rule.mirrored.size();
        const size_t strips = (recorder.primitives.size() - skip - (rule.cap ? 1 : 0)) / passes;
        ASSERT_GE(strips, 1u) << rule.name;
        for (size_t s = 0; s < strips; ++s)
            for (size_t pass = 0; pass < passes; ++pass) {
                const size_t prim = skip + s * passes + pass;
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const int row = static_cast<int>(s) + k;
                        const FishVertex& p = rule.mesh[row * rule.stride + rule.first + c];
                        Vec q = rule.moved(p, row, c, rule.mirrored[pass]);
                        q = {q[0] * 5, q[1] * 5, q[2] * 5};
                        ExpectSamePoint(At(prim, c, k), TurnedAboutZ(q, rule.angle(c)),
                                   std::string(rule.name) + " strip " + std::to_string(s) + " column " +
                                       std::to_string(c));
                        const RecordedVertex& v = recorder.primitives[prim].vertices[2 * c + k];
                        EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz})) << rule.name;
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                    }
            }
        if (rule.cap) {
            const RecordedPrimitive& cap = recorder.primitives.back();
            ASSERT_EQ(cap.mode, GLenum(GL_QUADS)) << rule.name;
            ASSERT_EQ(cap.vertices.size(), 4u);
            for (int i = 0; i < 4; ++i) {
                const Vec q = rule.moved(rule.cap[i], 0, i, rule.mirrored[0]);
                ExpectSamePoint(cap.vertices[i].position, TurnedAboutZ({q[0] * 5, q[1] * 5, q[2] * 5}, rule.angle(0)),
                           std::string(rule.name) + " cap");
            }
        }
    }
}

// The vertex changes of the draw variants (the fish pass never asks for
// them), read with every wave zero and no bend: x and z at size 5.
TEST_F(Species02Test, VariantsMoveVerticesByTheirRules)
{
    struct Case {
        const char* name;
        int variant;
        void (CFishSpecies02::*draw)(const FishFrame&);
        int column, lower;
        const FishVertex& stored;
        float dx, dz;                   // added before scaling
        float xFactor = 1, zFactor = 1; // of the stored coordinates
    } cases[] = {
        {"dorsal, variant 7, root", 7, &CFishSpecies02::DrawPart1, 3, 0, g_Fish02Dorsal[0][3], 0, 0, 0.8f, 0.6f},
        {"dorsal, variant 7, edge", 7, &CFishSpecies02::DrawPart1, 8, 1, g_Fish02Dorsal[1][8], 0, 0, 0.8f, 0.6f},
        {"dorsal, variant 5", 5, &CFishSpecies02::DrawPart1, 8, 1, g_Fish02Dorsal[1][8], 0, 0},
        {"rear dorsal, variant 5, first", 5, &CFishSpecies02::DrawPart2, 2, 0, g_Fish02Dorsal[0][3], 0, -0.1f},
        {"rear dorsal, variant 5, second", 5, &CFishSpecies02::DrawPart2, 2, 1, g_Fish02Dorsal[1][3], 0, -0.5f},
        {"rear dorsal, variant 7, first", 7, &CFishSpecies02::DrawPart2, 7, 0, g_Fish02Dorsal[0][8], 0, -0.2f},
        {"rear dorsal, variant 7, second", 7, &CFishSpecies02::DrawPart2, 7, 1, g_Fish02Dorsal[1][8], 0, -0.31f},
        {"rear dorsal, variant 0", 0, &CFishSpecies02::DrawPart2, 7, 1, g_Fish02Dorsal[1][8], 0, 0},
        {"pelvic, variant 5, first", 5, &CFishSpecies02::DrawPart7, 4, 0, g_Fish02Pelvic[0][4], -0.1f, 0.04f},
        {"pelvic, variant 5, second", 5, &CFishSpecies02::DrawPart7, 4, 1, g_Fish02Pelvic[1][4], -0.1f, -0.2f},
        {"pelvic, variant 7", 7, &CFishSpecies02::DrawPart7, 4, 1, g_Fish02Pelvic[1][4], 0, 0},
        {"tail, variant 3, even edge", 3, &CFishSpecies02::DrawPart10, 10, 1, g_Fish02Tail[1][10], 0.05f, 0, 1, 2},
        {"tail, variant 3, odd edge", 3, &CFishSpecies02::DrawPart10, 11, 1, g_Fish02Tail[1][11], 0, 0, 1, 2},
        {"tail, variant 3, root", 3, &CFishSpecies02::DrawPart10, 10, 0, g_Fish02Tail[0][10], 0, 0, 1, 2},
        {"tail, variant 4, even edge", 4, &CFishSpecies02::DrawPart10, 36, 1, g_Fish02Tail[1][36], 0.1f, 0},
        {"tail, variant 4, odd edge", 4, &CFishSpecies02::DrawPart10, 35, 1, g_Fish02Tail[1][35], 0, 0},
        {"tail, variant 5", 5, &CFishSpecies02::DrawPart10, 36, 1, g_Fish02Tail[1][36], 0, 0},
        {"tail, variant 7", 7, &CFishSpecies02::DrawPart10, 36, 1, g_Fish02Tail[1][36], 0, 0},
        {"twin, variant 5, even edge", 5, &CFishSpecies02::DrawPart9, 0, 1, g_Fish02Tail[1][0], -0.05f, 0},
        {"twin, variant 5, odd edge", 5, &CFishSpecies02::DrawPart9, 1, 1, g_Fish02Tail[1][1], -0.1f, 0},
        {"twin, variant 5, root", 5, &CFishSpecies02::DrawPart9, 1, 0, g_Fish02Tail[0][1], 0, 0},
        {"twin, variant 7, edge", 7, &CFishSpecies02::DrawPart9, 5, 1, g_Fish02Tail[1][5], -0.1f, 0, 1, 0.5f},
        {"twin, variant 7, root", 7, &CFishSpecies02::DrawPart9, 5, 0, g_Fish02Tail[0][5], 0, 0},
        {"twin, variant 3", 3, &CFishSpecies02::DrawPart9, 5, 1, g_Fish02Tail[1][5], 0, 0},
    };
    const FishFrame zero;
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.m_nDrawVariant = c.variant;
        (fish.*c.draw)(zero);
        const Vec& v = At(0, c.column, c.lower);
        EXPECT_NEAR(v[0], (c.stored.x * c.xFactor + c.dx) * 5, 1e-5) << c.name;
        EXPECT_NEAR(v[1], c.stored.y * 5, 1e-5) << c.name;
        EXPECT_NEAR(v[2], (c.stored.z * c.zFactor + c.dz) * 5, 1e-5) << c.name;
    }
}

TEST_F(Species02Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    fish.m_fDrift = 0.008f;
    fish.m_bStroke = 0;  // the mouth open: the ramp's offsets grow too
    fish.m_nTargetHeading = 180;
    CFishSpecies02 big = fish;
    big.m_nSize = 8;
    const auto small = Frame(fish, 0);
    const auto large = Frame(big, 0);
    ASSERT_EQ(large.size(), small.size());
    for (size_t s = 0; s < small.size(); ++s)
        for (size_t i = 0; i < small[s].vertices.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(large[s].vertices[i].position[k], 1.6f * small[s].vertices[i].position[k], 1e-4);
            EXPECT_EQ(large[s].vertices[i].normal, small[s].vertices[i].normal);
            EXPECT_EQ(large[s].vertices[i].texCoord, small[s].vertices[i].texCoord);
        }
}

// ---- the mesh tables ----

TEST(FishSpecies02Mesh, TheBodyRunsFromRidgeToBellyOnItsStoredSideAlongTheSegments)
{
    ExpectStoredHalfBodyRowsAlongTheSegments(g_Fish02Body, 1e-6f);
    // A small slender body, its snout at -0.5 and its tail stalk ending near
    // 0.11; the tail reaches 0.49 and is taller than the body is long.
    float front = 1, back = -1, top = -1, bottom = 1;
    for (const auto& row : g_Fish02Body)
        for (const FishVertex& p : row) {
            back = std::max(back, p.x);
            top = std::max(top, p.z);
            bottom = std::min(bottom, p.z);
        }
    for (const auto& row : g_Fish02Jaw)
        for (const FishVertex& p : row)
            front = std::min(front, p.x);
    EXPECT_NEAR(front, -0.5f, 0.002f);
    EXPECT_NEAR(back, 0.108f, 0.004f);
    EXPECT_LT(top - bottom, 0.35f * (back - front));
    float tailTop = -1, tailBottom = 1, tailBack = -1;
    for (const FishVertex& p : g_Fish02Tail[1]) {
        tailTop = std::max(tailTop, p.z);
        tailBottom = std::min(tailBottom, p.z);
        tailBack = std::max(tailBack, p.x);
    }
    EXPECT_NEAR(tailBack, 0.49f, 0.02f);
    EXPECT_GT(tailTop - tailBottom, 0.8f * (back - front));
}

TEST(FishSpecies02Mesh, TheSnoutClosesOnTheBodysFirstColumn)
{
    // The mouth line: the upper part's last row is the lower part's first.
    EXPECT_NEAR(g_Fish02Brow[5][0].z, g_Fish02Jaw[0][0].z, 1e-6);
    EXPECT_NEAR(g_Fish02Brow[5][3].z, g_Fish02Jaw[0][5].z, 1e-6);
    // Both end on the body's first column (the ridge and the belly are body points).
    EXPECT_EQ(g_Fish02Brow[0][3].z, g_Fish02Body[0][0].z);
    EXPECT_EQ(g_Fish02Jaw[5][5].z, g_Fish02Body[4][0].z);
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(g_Fish02Jaw[r][5].x, g_Fish02Body[0][0].x) << r;
        EXPECT_EQ(g_Fish02Brow[r][3].x, g_Fish02Body[0][0].x) << r;
        EXPECT_LT(g_Fish02Jaw[r][0].x, g_Fish02Body[0][0].x) << "the tip in front";
    }
    // The eye's cap closes its innermost ring at four of its points.
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(g_Fish02EyeCap[0][k].x, g_Fish02Eye[0][2 * k].x) << k;
        EXPECT_EQ(g_Fish02EyeCap[0][k].z, g_Fish02Eye[0][2 * k].z) << k;
    }
    EXPECT_EQ(g_Fish02Eye[3][8].z, g_Fish02Eye[3][0].z) << "the rim closes";
    // The eye turns with segment 3: its centre stands over the body's column 3
    // (within a sixth of the head's column spacing).
    float centre = 0;
    for (const FishVertex& p : g_Fish02EyeCap[0])
        centre += p.x / 4;
    EXPECT_NEAR(centre, g_Fish02Body[0][3].x, (g_Fish02Body[0][4].x - g_Fish02Body[0][3].x) / 6);
    // The dorsal fin's trailing columns start from its last root on the body.
    for (int c = 6; c < 9; ++c)
        EXPECT_EQ(g_Fish02Dorsal[0][c].x, g_Fish02Dorsal[0][5].x) << c;
}

TEST(FishSpecies02Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies02, 1.0f, 2.0f);
}

}  // namespace
