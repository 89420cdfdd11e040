// Species 17, the neon tetra: its construction and random draws, its
// generators (the ramp and its toggle, the body wave, the two fin sines),
// its parts with their rotations, waves and mirrors recomputed from the
// class's rules, the back fin sent twice, walls, the depth band, the swim
// style and the wander decision.
#include "fish/fish_species17.h"
#include "fish/fish_species17_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species17.cpp).
enum { kRamp1, kRamp2, kBend, kBody, kFin1, kFin2 };

constexpr double kPi = 3.14159265358979323846;

// The parts in drawing order: strips and points per strip.
const PartShape kShapes[] = {
    {"body", 10, 32},         {"upper snout", 8, 14}, {"lower snout", 2, 14}, {"dorsal", 1, 12},
    {"dorsal again", 1, 12},  {"pectorals", 2, 24},   {"pelvics", 2, 24},     {"anal", 1, 16},
    {"tail", 1, 40},          {"eyes", 4, 12},
};

using Vec = std::array<float, 3>;

TEST(FishSpecies17Construction, StartValuesOscillatorsAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies17>({.segments = 16,
                                       .blocks = {{kPi / 16, 0.01, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 24, 0.02, kPi / 8},
                                                  {},
                                                  {kPi / 20, 0.02, kPi / 8},
                                                  {},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 4}}},
                                      {1u, 17u, 4242u});
}

TEST(FishSpecies17Swimming, TheDepthBandLeavesOutItsMiddleAndItsEnds)
{
    struct Case {
        float z;
        bool in;
    } const cases[] = {{-75.0f, false}, {-74.9f, true}, {-75.1f, true}, {-60.0f, false}, {-90.0f, false},
                       {-60.1f, true},  {-89.9f, true}, {0.0f, false}};
    CFishSpecies17 fish;
    for (const Case& c : cases) {
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.in) << c.z;
    }
}

TEST(FishSpecies17Swimming, TheSwimStyleSetsThreeBlocksByTheTargetSpeed)
{
    struct Case {
        float speed;
        double m;
    } const cases[] = {{0.049f, 1.0}, {0.05f, 1.5}, {0.4f, 1.5}, {0.0f, 1.0}};
    for (const Case& c : cases) {
        CFishSpecies17 fish;
        const FishWave fin2 = fish.m_Wave[7];
        fish.SetSwimStyle(c.speed, false);
        EXPECT_EQ(fish.m_bStroke, 0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 12, 1e-6) << c.speed;
        EXPECT_NEAR(fish.m_Wave[0].amplitude, 0.1 * c.m, 1e-7) << c.speed;
        EXPECT_NEAR(fish.m_Wave[0].phaseStep, c.m * kPi / 4, 1e-6) << c.speed;
        EXPECT_NEAR(fish.m_Wave[3].waveNumber, kPi / 5, 1e-6) << c.speed;
        EXPECT_NEAR(fish.m_Wave[3].amplitude, 0.015 * c.m, 1e-7) << c.speed;
        EXPECT_NEAR(fish.m_Wave[3].phaseStep, c.m * kPi / 8, 1e-6) << c.speed;
        EXPECT_NEAR(fish.m_Wave[5].waveNumber, kPi / 16, 1e-6) << c.speed;
        EXPECT_NEAR(fish.m_Wave[5].amplitude, 0.01 * c.m, 1e-7) << c.speed;
        EXPECT_NEAR(fish.m_Wave[5].phaseStep, c.m * kPi / 6, 1e-6) << c.speed;
        // The second fin wave keeps its own values.
        EXPECT_EQ(fish.m_Wave[7].waveNumber, fin2.waveNumber);
        EXPECT_EQ(fish.m_Wave[7].amplitude, fin2.amplitude);
        EXPECT_EQ(fish.m_Wave[7].phaseStep, fin2.phaseStep);
        fish.SetSwimStyle(c.speed, true);
        EXPECT_EQ(fish.m_bStroke, 1);
    }
    // As the template's, it draws one random number.
    CFishSpecies17 fish;
    EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(0.1f, true); }), 1);
}

class Species17Test : public FishSpeciesTest<CFishSpecies17> {
protected:
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 16; ++i) {
            f[kBend][i] = 7.0f + 11.0f * i;
            f[kBody][i] = 0.003f * (i + 1) - 0.02f;
        }
        for (int i = 0; i < 12; ++i) {
            f[kFin1][i] = 0.0011f * (i + 1);
            f[kFin2][i] = 0.0016f * (i + 1) - 0.01f;
        }
        for (int i = 0; i < 7; ++i) {
            f[kRamp1][i] = 0.002f * i + 0.001f;
            f[kRamp2][i] = 0.0025f * i + 0.0005f;
        }
        return f;
    }
};

TEST_F(Species17Test, EachFrameDrawsTenPartsInOrderAndEveryModeDrawsAndMovesTheSame)
{
    CFishSpecies17 other = fish;
    crt::srand(3);
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), 32u);
    size_t p = 0;
    for (const PartShape& shape : kShapes)
        for (int s = 0; s < shape.strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << shape.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(shape.points)) << shape.name << " strip " << s;
        }
    EXPECT_EQ(recorder.VertexCount(), 684u);
    for (size_t i = 0; i < std::size(kShapes); ++i)
        EXPECT_STREQ(fish.Class().parts[i].name, kShapes[i].name);
    const std::vector<RecordedPrimitive> seen = recorder.primitives;

    // Draw(5): the same vertices and the same move; only the mode is kept.
    recorder.primitives.clear();
    crt::srand(3);
    other.Draw(5);
    EXPECT_EQ(other.m_nDrawVariant, 5);
    EXPECT_EQ(fish.m_nDrawVariant, 0);
    ASSERT_EQ(recorder.primitives.size(), seen.size());
    for (size_t s = 0; s < seen.size(); ++s) {
        ASSERT_EQ(recorder.primitives[s].vertices.size(), seen[s].vertices.size());
        for (size_t i = 0; i < seen[s].vertices.size(); ++i)
            EXPECT_EQ(recorder.primitives[s].vertices[i].position, seen[s].vertices[i].position) << s << " " << i;
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(other.m_fPos[k], fish.m_fPos[k]);
    EXPECT_EQ(other.m_fHeading, fish.m_fHeading);
}

TEST_F(Species17Test, TheBackFinIsSentTwiceWithTheSameVertices)
{
    fish.m_nTargetHeading = 180;  // a bend that differs column by column
    for (int frame = 0; frame < 7; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
    }
    const RecordedPrimitive first = Part(3)[0], second = Part(4)[0];
    ASSERT_EQ(first.vertices.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(first.vertices[i].position, second.vertices[i].position) << i;
        EXPECT_EQ(first.vertices[i].normal, second.vertices[i].normal) << i;
        EXPECT_EQ(first.vertices[i].texCoord, second.vertices[i].texCoord) << i;
    }
}

TEST_F(Species17Test, AFishNoLongerAliveOpensEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 10;
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), 32u);
    EXPECT_EQ(recorder.VertexCount(), 0u);
    EXPECT_LT(fish.m_fPos[0], 10.0f);  // heading 0: toward falling x
}

// Every part's points as the rules place them: each column turned about z
// by its bend angle (or mean of angles), the wave offsets added, times the
// size; the paired parts again with y negated.
TEST_F(Species17Test, EachPartTurnsAndWavesByItsRules)
{
    const FishFrame f = KnownFrame();
    const auto& bend = f[kBend];
    const auto& body = f[kBody];
    using Angle = std::function<float(int c)>;
    using Offset = std::function<Vec(int row, int c)>;  // size-1 units, before a mirror
    auto fixed = [](float a) { return Angle([a](int) { return a; }); };
    auto none = Offset([](int, int) { return Vec{0, 0, 0}; });
    // The belly fin's columns read the bend and the body wave at half steps.
    const float anal[8][2] = {{10, 11}, {11, 11}, {11, 11}, {11, 12}, {12, 12}, {12, 12}, {12, 13}, {12, 13}};
    auto halfStep = [&](const float* v, int c) {
        return (v[static_cast<int>(anal[c][0])] + v[static_cast<int>(anal[c][1])]) * 0.5f;
    };
    struct Rule {
        const char* name;
        void (CFishSpecies17::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int rows, columns;
        bool mirrored;
        bool offsetNegatedWithY;  // in the copy
        Angle angle;
        Offset offset;
    } const rules[] = {
        {"body", &CFishSpecies17::DrawBody, &g_Fish17Body[0][0], 6, 16, true, false,
         [&](int c) { return bend[c]; }, [&](int, int c) { return Vec{0, body[c], 0}; }},
        {"upper snout", &CFishSpecies17::DrawPart1, &g_Fish17UpperSnout[0][0], 5, 7, true, false, fixed(bend[0]),
         [&](int row, int c) { return Vec{0, 0, row <= 3 && c <= 5 ? f[kRamp2][c] : 0.0f}; }},
        {"lower snout", &CFishSpecies17::DrawPart2, &g_Fish17LowerSnout[0][0], 2, 7, true, false, fixed(bend[0]),
         [&](int, int c) { return Vec{0, 0, c <= 3 ? -f[kRamp1][c] : 0.0f}; }},
        {"dorsal", &CFishSpecies17::DrawPart3, &g_Fish17Dorsal[0][0], 2, 6, false, false,
         [&](int c) { return bend[7 + c / 2]; }, none},
        {"pectorals", &CFishSpecies17::DrawPart4, &g_Fish17Pectoral[0][0], 2, 12, true, true, fixed(bend[4]),
         [&](int row, int c) { return row == 0 ? Vec{0, f[kFin1][c], f[kFin1][c]} : Vec{0, 0, 0}; }},
        {"pelvics", &CFishSpecies17::DrawPart5, &g_Fish17Pelvic[0][0], 2, 12, true, true, fixed(bend[4]),
         [&](int row, int c) { return row == 0 ? Vec{0, f[kFin2][c], f[kFin2][c]} : Vec{0, 0, 0}; }},
        {"anal", &CFishSpecies17::DrawPart6, &g_Fish17Anal[0][0], 2, 8, false, false,
         [&](int c) { return halfStep(bend, c); }, [&](int, int c) { return Vec{0, halfStep(body, c), 0}; }},
        {"tail", &CFishSpecies17::DrawPart7, &g_Fish17Tail[0][0], 2, 20, false, false, fixed(bend[15]),
         [&](int, int) { return Vec{0, body[15], 0}; }},
        {"eyes", &CFishSpecies17::DrawPart8, &g_Fish17Eye[0][0], 3, 6, true, false,
         fixed((bend[1] + bend[2]) / 2), none},
    };
    for (int size : {5, 8}) {
        fish.m_nSize = size;
        for (const Rule& rule : rules) {
            recorder.primitives.clear();
            (fish.*rule.draw)(f);
            const int strips = rule.rows - 1;
            ASSERT_EQ(recorder.primitives.size(), size_t(rule.mirrored ? 2 * strips : strips)) << rule.name;
            for (size_t s = 0; s < recorder.primitives.size(); ++s) {
                const bool mirror = int(s) >= strips;
                const int first = int(s) % strips;
                ASSERT_EQ(recorder.primitives[s].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const int row = first + k;
                        const FishVertex& p = rule.mesh[row * rule.columns + c];
                        const Vec w = rule.offset(row, c);
                        float y = p.y + w[1];
                        if (mirror)
                            y = rule.offsetNegatedWithY ? -(p.y + w[1]) : -p.y + w[1];
                        const Vec expected = TurnedAboutZ({(p.x + w[0]) * size, y * size, (p.z + w[2]) * size},
                                                          rule.angle(c));
                        const RecordedVertex& v = recorder.primitives[s].vertices[2 * c + k];
                        ExpectNearPoint(v.position, expected,
                                        std::string(rule.name) + " strip " + std::to_string(s) + " column " +
                                            std::to_string(c) + " size " + std::to_string(size));
                        // Normals and texture coordinates go as stored, in both passes.
                        EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz})) << rule.name;
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                    }
            }
        }
    }
}

TEST_F(Species17Test, WithTheStrokeClearTheSnoutOpens)
{
    // Ramps of i x 0.003 at size 5: the upper half's column 5 rises 0.075,
    // the lower half's column 3 drops 0.045; with the stroke set it is closed.
    for (BYTE stroke : {BYTE(0), BYTE(1)}) {
        fish.m_bStroke = stroke;
        fish.m_Wave[1].counter = 0;
        recorder.primitives.clear();
        fish.Draw(0);
        const float open = stroke ? 0.0f : 1.0f;
        const RecordedPrimitive upper = Part(1)[0], lower = Part(2)[0];
        EXPECT_NEAR(upper.vertices[2 * 5].position[2], g_Fish17UpperSnout[0][5].z * 5 + 0.075f * open, 1e-5);
        EXPECT_NEAR(upper.vertices[2 * 6].position[2], g_Fish17UpperSnout[0][6].z * 5, 1e-5) << "column 6 stays";
        EXPECT_NEAR(lower.vertices[2 * 3].position[2], g_Fish17LowerSnout[0][3].z * 5 - 0.045f * open, 1e-5);
        EXPECT_NEAR(lower.vertices[2 * 4].position[2], g_Fish17LowerSnout[0][4].z * 5, 1e-5) << "column 4 stays";
        // The upper half's row 4 stays in every column.
        const RecordedPrimitive lowest = Part(1)[3];
        for (int c = 0; c < 7; ++c)
            EXPECT_NEAR(lowest.vertices[2 * c + 1].position[2], g_Fish17UpperSnout[4][c].z * 5, 1e-5) << c;
    }
}

TEST_F(Species17Test, ABendOfHalfATurnTurnsEveryPartAboutTheVerticalAxis)
{
    FishFrame rest, turned;
    std::fill(turned[kBend], turned[kBend] + 16, 180.0f);
    auto all = [&](const FishFrame& f) {
        recorder.primitives.clear();
        fish.DrawBody(f);
        fish.DrawPart1(f);
        fish.DrawPart2(f);
        fish.DrawPart3(f);
        fish.DrawPart4(f);
        fish.DrawPart5(f);
        fish.DrawPart6(f);
        fish.DrawPart7(f);
        fish.DrawPart8(f);
        return recorder.primitives;
    };
    const std::vector<RecordedPrimitive> a = all(rest), b = all(turned);
    ASSERT_EQ(a.size(), b.size());
    for (size_t s = 0; s < a.size(); ++s)
        for (size_t i = 0; i < a[s].vertices.size(); ++i) {
            const Vec& p = a[s].vertices[i].position;
            ExpectNearPoint(b[s].vertices[i].position, {-p[0], -p[1], p[2]},
                            "primitive " + std::to_string(s) + " vertex " + std::to_string(i));
        }
}

TEST_F(Species17Test, WithNoWavesTheBodyIsSymmetricAndDoublingTheSizeDoublesEverything)
{
    FishFrame rest;
    fish.DrawBody(rest);
    ASSERT_EQ(recorder.primitives.size(), 10u);
    for (int s = 0; s < 5; ++s)
        for (size_t i = 0; i < 32; ++i) {
            const Vec& p = recorder.primitives[s].vertices[i].position;
            const Vec& q = recorder.primitives[s + 5].vertices[i].position;
            EXPECT_EQ(q[0], p[0]);
            EXPECT_EQ(q[1], -p[1]);
            EXPECT_EQ(q[2], p[2]);
        }
    fish.m_bStroke = 0;  // the ramps too
    fish.m_nSize = 4;
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

TEST_F(Species17Test, BothRampsHoldTheSameValuesAndTheStrokeFlipsEveryFiftySecondCall)
{
    struct Case {
        int counter;
        int firstFlip;
    } const cases[] = {{0, 52}, {14, 38}, {50, 2}, {51, 1}};
    for (const Case& c : cases) {
        CFishSpecies17 f = fish;
        f.m_nWanderTimer = -10000;  // no wander flip meanwhile
        f.m_Wave[1].counter = c.counter;
        std::vector<int> flips;
        for (int call = 1; call <= 160; ++call) {
            const BYTE before = f.m_bStroke;
            float ramp1[7], ramp2[7];
            std::fill(ramp1, ramp1 + 7, -1.0f);
            std::fill(ramp2, ramp2 + 7, -1.0f);
            f.ComputeRamp(ramp1, 7);
            f.ComputeRampToggle(ramp2, 7);
            for (int i = 0; i < 7; ++i) {
                const float expected = before ? 0.0f : i * 0.003f;
                EXPECT_FLOAT_EQ(ramp1[i], expected) << call << " " << i;
                EXPECT_EQ(ramp2[i], ramp1[i]) << call << " " << i;
            }
            if (f.m_bStroke != before)
                flips.push_back(call);
        }
        ASSERT_GE(flips.size(), 3u) << c.counter;
        EXPECT_EQ(flips[0], c.firstFlip) << c.counter;
        EXPECT_EQ(flips[1] - flips[0], 52) << c.counter;
        EXPECT_EQ(flips[2] - flips[1], 52) << c.counter;
    }
    // The second ramp's counter is drawn at birth and never read or counted.
    const int second = fish.m_Wave[2].counter;
    for (int frame = 0; frame < 60; ++frame)
        fish.Draw(0);
    EXPECT_EQ(fish.m_Wave[2].counter, second);
}

TEST_F(Species17Test, TheBodyWaveMovesOnlyTheRearHalfAndGrowsTowardTheTail)
{
    for (int call = 1; call <= 25; ++call) {
        const FishWave before = fish.m_Wave[0];
        float out[16];
        std::fill(out, out + 16, -1.0f);
        fish.ComputeBodyWave(out, 16);
        // The phase steps on every 5th call, before the values are made.
        const float phase = before.counter > 3 ? before.phase + before.phaseStep : before.phase;
        EXPECT_EQ(fish.m_Wave[0].phase, phase > 6.28318501f ? 0.0f : phase) << call;
        EXPECT_EQ(fish.m_Wave[0].counter, before.counter > 3 ? 0 : before.counter + 1) << call;
        for (int i = 0; i < 16; ++i) {
            const double expected = i < 8 ? 0.0
                                          : std::sin(i * double(fish.m_Wave[0].waveNumber) + fish.m_Wave[0].phase) *
                                                (i - 8) * 0.01 * 0.5;
            EXPECT_NEAR(out[i], expected, 1e-6) << call << " " << i;
        }
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.07f) << "entry 15's factor stays";
    }
    EXPECT_NEAR(fish.m_Wave[0].phase, 5 * double(0.785398126f), 1e-5) << "five steps of pi / 4";
    // Fewer entries: only those are written, still zero ahead of the middle.
    float shortRun[8];
    std::fill(shortRun, shortRun + 8, -1.0f);
    fish.ComputeBodyWave(shortRun, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shortRun[i], 0.0f) << i;
    for (int i = 5; i < 8; ++i)
        EXPECT_EQ(shortRun[i], -1.0f) << i;
}

TEST_F(Species17Test, TheFinSinesStepOnEverySeventhCallAndRestartPastTwoPi)
{
    struct Gen {
        void (CFishSpecies17::*compute)(float*, int);
        int block;
    } const gens[] = {{&CFishSpecies17::ComputeSineWave, 5}, {&CFishSpecies17::ComputeSineWave2, 7}};
    for (const Gen& g : gens) {
        for (int call = 1; call <= 21; ++call) {
            float out[12];
            (fish.*g.compute)(out, 12);
            const FishWave& w = fish.m_Wave[g.block];
            EXPECT_NEAR(w.phase, (call / 7) * double(w.phaseStep), 1e-5) << g.block << " " << call;
            for (int i = 0; i < 12; ++i)
                EXPECT_NEAR(out[i], w.amplitude * std::sin(i * double(w.waveNumber) + w.phase), 1e-6) << i;
        }
        // Exactly 2 pi as stored stays; only a larger phase restarts at 0.
        struct Case {
            float phase, after;
        } const cases[] = {{6.28318501f, 6.28318501f}, {std::nextafter(6.28318501f, 7.0f), 0.0f}, {6.0f, 6.0f}};
        for (const Case& c : cases) {
            fish.m_Wave[g.block].phase = c.phase;
            fish.m_Wave[g.block].counter = 0;
            float out[12];
            (fish.*g.compute)(out, 12);
            EXPECT_EQ(fish.m_Wave[g.block].phase, c.after) << c.phase;
        }
    }
    // The body wave restarts the same way.
    fish.m_Wave[0].phase = std::nextafter(6.28318501f, 7.0f);
    fish.m_Wave[0].counter = 0;
    float out[16];
    fish.ComputeBodyWave(out, 16);
    EXPECT_EQ(fish.m_Wave[0].phase, 0.0f);
}

TEST_F(Species17Test, RandomDrawsPerFrameAreTheBendAndTheDrift)
{
    // The bend's one, the drift's two; on the third frame the (already
    // reached) heading settles its segments: one more.
    const int expected[6] = {3, 3, 4, 3, 3, 3};
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
}

TEST_F(Species17Test, AtAnXWallTheBendComesRoundAtOnceAndStaysThere)
{
    fish.m_fPos[0] = -49.99f;
    fish.m_fPitch = 0;
    fish.m_nWanderTimer = -10000;
    fish.Draw(0);  // swims past the wall: turned back
    ASSERT_EQ(fish.m_nTargetHeading, 180);
    ASSERT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw(0);  // heading, segments and bend at the target at once
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    for (int j = 0; j < 16; ++j)
        EXPECT_EQ(fish.m_nBendAngle[j], 180) << j;
    // Every body column turned half round (the ridge row: the body wave moves only its y).
    for (int c = 0; c < 16; ++c)
        EXPECT_NEAR(Part(0)[0].vertices[2 * c].position[0], -5 * g_Fish17Body[0][c].x, 1e-4) << c;
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f + 0.05f);  // on its way toward rising x
    // Until the bend counter fires the bend stays at the target; when it
    // fires the bend counts as reached and, with no segment left to move,
    // settles in the same frame.
    for (int frame = 0; frame < 3 && !fish.m_bBendReached; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        for (int c = 0; c < 16; ++c)
            EXPECT_NEAR(Part(0)[0].vertices[2 * c].position[0], -5 * g_Fish17Body[0][c].x, 1e-4) << c;
    }
    EXPECT_EQ(fish.m_bBendReached, 1);
    EXPECT_EQ(fish.m_bBendSettled, 1) << "nothing left to move";
    for (int j = 0; j < 16; ++j)
        EXPECT_EQ(fish.m_nBendAngle[j], 180) << j;
}

TEST_F(Species17Test, AtAnXWallFarFromItsTargetTheFishDoesNotMove)
{
    // The wall state of the last frame with the heading more than 15 degrees off.
    fish.m_nWallState = 2;
    fish.m_nTargetHeading = 0;
    fish.m_fHeading = 40;
    fish.m_fLastTarget = 0;
    fish.m_bBendReached = 1;
    fish.m_bBendSettled = 1;
    fish.m_fPos[0] = 30;
    fish.m_fPos[1] = 2;
    fish.m_fPitch = 20;
    fish.Move();
    EXPECT_EQ(fish.m_fPos[0], 30.0f);
    EXPECT_EQ(fish.m_fPos[1], 2.0f);
    EXPECT_EQ(fish.m_fPos[2], -75.0f);
    EXPECT_EQ(fish.m_nWallState, 2) << "the walls are not looked at";
}

TEST(FishSpecies17Swimming, ANewFishPlacedInFrontOfTheNearWallStandsOnIt)
{
    crt::srand(1);
    CFishSpecies17 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = 50;
    VertexRecorder recorder;
    fish.Draw(0);
    EXPECT_EQ(fish.m_fPos[2], -75.0f);
    EXPECT_EQ(fish.m_nWallState, 4);
}

TEST_F(Species17Test, AWanderDecisionDrawsItsValuesInOrderAndSetsTheSwimStyle)
{
    // The bend's draw and the drift's two, then the new counter, the target
    // speed, a new heading and pitch (the heading has arrived), perhaps a new
    // speed, and the swim style's draw.
    ExpectWanderDecisionDrawsInOrder<CFishSpecies17>(fish, {2u, 3u, 11u, 17u}, 3, 8, [](CFishSpecies17& f) {
        // Every target speed is 0.1 or more: the style's factor is 1.5.
        EXPECT_NEAR(f.m_Wave[5].amplitude, 0.015, 1e-7);
        EXPECT_NEAR(f.m_Wave[5].phaseStep, 1.5 * kPi / 6, 1e-6);
        EXPECT_NEAR(f.m_Wave[0].phaseStep, 1.5 * kPi / 4, 1e-6);
        EXPECT_NEAR(f.m_Wave[0].waveNumber, kPi / 12, 1e-6);
        // The body wave writes its own amplitude over the style's.
        f.Draw(0);
        EXPECT_FLOAT_EQ(f.m_Wave[0].amplitude, 0.07f);
    });
}

}  // namespace
