// Species 15, the betta: its construction and random draws, its generators,
// its parts in every draw mode (each turn and wave recomputed from the
// class's rules), a fish whose m_bAlive is clear, its walls, pitch, depth
// band and wander decision.
#include "fish/fish_species15.h"
#include "fish/fish_species15_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species15.cpp).
enum { kBend, kBody, kW5, kW3, kW4, kW6, kW8, kW9 };

constexpr double kPi = 3.14159265358979323846;
using Vec = std::array<float, 3>;

TEST(FishSpecies15Construction, StartValuesOscillatorsAndTheTemplatesDraws)
{
    const StartBlock sine10{kPi / 10, 0.02, kPi / 6};
    ExpectStartValues<CFishSpecies15>({.drift = false,
                                       .blocks = {{kPi / 16, 0.03, kPi / 6},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 10, 0.01, kPi / 6},
                                                  sine10,
                                                  sine10,
                                                  sine10,
                                                  {kPi / 10, 0.005, kPi / 6},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {kPi / 10, 0.03, kPi / 6},
                                                  sine10}},
                                      {1u, 15u, 4242u});
}

TEST(FishSpecies15Construction, TheDepthBandLeavesOutTheNearWallAndItsEnds)
{
    struct Case {
        float z;
        bool inBand;
    } const cases[] = {{-89.9f, true}, {-75.1f, true}, {-74.9f, true}, {-60.1f, true},
                       {-90.0f, false}, {-75.0f, false}, {-60.0f, false}, {-50.0f, false}, {-95.0f, false}};
    for (const Case& c : cases) {
        CFishSpecies15 fish;
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.inBand) << c.z;
    }
}

class Species15Test : public FishSpeciesTest<CFishSpecies15> {
protected:
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 25; ++i) {
            f[kBend][i] = 7.0f + 11.0f * i;
            f[kBody][i] = 0.003f * (i + 1);
            f[kW3][i] = 0.0011f * (i + 1);
            f[kW4][i] = 0.0017f * (i + 1) - 0.01f;
            f[kW6][i] = 0.0013f * (i + 1);
            f[kW8][i] = 0.0007f * (i + 1) - 0.004f;
            f[kW9][i] = 0.0019f * (i + 1) - 0.008f;
        }
        return f;
    }
    std::vector<RecordedPrimitive> Frame(int mode)
    {
        recorder.primitives.clear();
        CFishSpecies15 f = fish;
        f.Draw(mode);
        EXPECT_EQ(f.m_nDrawVariant, mode);
        return recorder.primitives;
    }
};

// ---- the parts in each draw mode ----

struct Strip {
    GLenum mode;
    size_t points;
};
void AddStrips(std::vector<Strip>& out, int count, size_t points, GLenum mode = GL_QUAD_STRIP)
{
    for (int i = 0; i < count; ++i)
        out.push_back({mode, points});
}

TEST_F(Species15Test, EachModeDrawsItsPartsInOrder)
{
    // Mode 0: body (5 strips of 15 columns and their copies), lower jaw (3 of
    // 7, copies), head (3 of 8, copies), dorsal (23), pectorals and pelvics
    // (a strip and its copy), anal (4 of 10), tail (25), eyes (2 of 7, copies).
    auto common = [](std::vector<Strip>& s, size_t dorsal, bool lines) {
        AddStrips(s, 10, 30);
        AddStrips(s, 6, 14);
        AddStrips(s, 6, 16);
        AddStrips(s, 1, dorsal);
        if (lines)
            AddStrips(s, 1, dorsal, GL_LINES);
        AddStrips(s, 2, 40);
        AddStrips(s, 2, 20);
        AddStrips(s, 4, 20);
        if (lines)
            AddStrips(s, 4, 20, GL_LINES);
    };
    std::vector<Strip> zero, one, two, other;
    common(zero, 46, false);
    AddStrips(zero, 1, 50);
    common(one, 32, false);
    AddStrips(one, 2, 26);  // tail columns 12 to 24, twice
    common(two, 32, true);
    AddStrips(two, 1, 50);
    AddStrips(two, 1, 50, GL_LINE_LOOP);
    common(other, 46, false);  // no tail at all
    for (auto* s : {&zero, &one, &two, &other})
        AddStrips(*s, 4, 14);
    struct Case {
        int mode;
        const std::vector<Strip>& strips;
    } const cases[] = {{0, zero}, {1, one}, {2, two}, {3, other}, {31, other}, {32, other}, {-1, other}, {40, other}};
    for (const Case& c : cases) {
        const std::vector<RecordedPrimitive> seen = Frame(c.mode);
        ASSERT_EQ(seen.size(), c.strips.size()) << "mode " << c.mode;
        for (size_t p = 0; p < seen.size(); ++p) {
            EXPECT_EQ(seen[p].mode, c.strips[p].mode) << "mode " << c.mode << ", primitive " << p;
            EXPECT_EQ(seen[p].vertices.size(), c.strips[p].points) << "mode " << c.mode << ", primitive " << p;
        }
    }
    EXPECT_EQ(Frame(0).size(), 36u);
    size_t vertices = 0;
    for (const RecordedPrimitive& p : Frame(0))
        vertices += p.vertices.size();
    EXPECT_EQ(vertices, 300u + 84u + 96u + 46u + 80u + 40u + 80u + 50u + 56u);
}

// How a part's vertex is made from its stored point, by the class's rules:
// the stored coordinates multiplied by `stretch`, y negated in the copy,
// `offset` added (size-1 units), all times the size, turned by `angle`.
struct PartRule {
    std::string name;
    int mode;
    void (CFishSpecies15::*draw)(const FishFrame&);
    const FishVertex* table;
    int tableColumns, firstColumn, columns;
    std::vector<std::array<int, 2>> strips;  // rows: first vertex, second vertex
    bool mirrored;                           // a y-negated pass after the strips
    int skip;                                // primitives the part's forwarder sends before these
    std::function<float(int c)> angle;
    std::function<Vec(int row, int c, bool copy)> offset;
    std::function<Vec(int row)> stretch = [](int) { return Vec{1, 1, 1}; };
};

TEST_F(Species15Test, EveryPartTurnsAndWavesByItsRulesInEveryMode)
{
    const FishFrame f = KnownFrame();
    const auto none = [](int, int, bool) { return Vec{0, 0, 0}; };
    const auto first = [&](int) { return f[kBend][0]; };
    const auto third = [&](int) { return f[kBend][3]; };
    const std::vector<std::array<int, 2>> chain5 = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}};
    const std::vector<std::array<int, 2>> chain3 = {{0, 1}, {1, 2}, {2, 3}};
    // The dorsal: edge row 0 waves, both rows follow body entry 8; in modes
    // 1 and 2 the edge moves 0.05 forward and the base (its x 1.5 times) 0.1 down.
    const auto dorsal = [&](bool reshaped) {
        return [&f, reshaped](int row, int c, bool) {
            const float y = f[kBody][8] + (row == 0 ? f[kW3][c] : 0.0f);
            return reshaped ? Vec{row == 0 ? -0.05f : 0.0f, y, row == 1 ? -0.1f : 0.0f} : Vec{0, y, 0};
        };
    };
    const auto dorsalStretch = [](float z) { return [z](int row) { return Vec{row == 1 ? 1.5f : 1.0f, 1, z}; }; };
    // The anal fin: all rows follow body entry 4 + k, rows 2 to 4 wave too,
    // the root row is lifted 0.02.
    const auto anal = [&](int row, int c, bool) {
        return Vec{0, f[kBody][4 + c] + (row >= 2 ? f[kW8][c] : 0.0f), row == 0 ? 0.02f : 0.0f};
    };
    // The tail: edge row 0 with body entry 14 and its wave (from column
    // `from`), root row 1 with body entry 13, and a lift of z.
    const auto tail = [&](int from, float liftEdge, float liftRoot) {
        return [&f, from, liftEdge, liftRoot](int row, int c, bool) {
            return row == 0 ? Vec{0, f[kBody][14] + f[kW9][from + c], liftEdge} : Vec{0, f[kBody][13], liftRoot};
        };
    };
    const auto last = [&](int) { return f[kBend][14]; };
    const auto flipped = [](float x) { return [x](int) { return Vec{x, 1, -1}; }; };
    const std::vector<PartRule> rules = {
        {"body", 0, &CFishSpecies15::DrawBody, &g_Fish15Body[0][0], 15, 0, 15, chain5, true, 0,
         [&](int c) { return f[kBend][c]; }, [&](int, int c, bool) { return Vec{0, f[kBody][c], 0}; }},
        {"lower jaw", 0, &CFishSpecies15::DrawPart1, &g_Fish15LowerJaw[0][0], 7, 0, 7, chain3, true, 0, first, none},
        {"head", 0, &CFishSpecies15::DrawPart2, &g_Fish15Head[0][0], 8, 0, 8, chain3, true, 0, first, none},
        {"dorsal", 0, &CFishSpecies15::DrawPart3, &g_Fish15Dorsal[0][0], 23, 0, 23, {{0, 1}}, false, 0,
         [&](int) { return f[kBend][6]; }, dorsal(false)},
        {"dorsal, mode 1", 1, &CFishSpecies15::DrawPart3, &g_Fish15Dorsal[0][0], 23, 0, 16, {{0, 1}}, false, 0,
         [&](int) { return f[kBend][6]; }, dorsal(true), dorsalStretch(1.0f)},
        {"dorsal, mode 2", 2, &CFishSpecies15::DrawPart3, &g_Fish15Dorsal[0][0], 23, 0, 16, {{0, 1}}, false, 0,
         [&](int) { return f[kBend][6]; }, dorsal(true), dorsalStretch(1.0f)},
        {"dorsal lines, mode 2", 2, &CFishSpecies15::DrawPart3, &g_Fish15Dorsal[0][0], 23, 0, 16, {{0, 1}}, false, 1,
         [&](int) { return f[kBend][6]; }, dorsal(true), dorsalStretch(1.2f)},
        {"pectorals", 0, &CFishSpecies15::DrawPart4, &g_Fish15Pectoral[0][0], 20, 0, 20, {{0, 1}}, true, 0, third,
         [&](int row, int c, bool copy) {
             const float w = row == 0 ? f[kW4][c] : 0.0f;
             return Vec{w, copy ? -w : w, 0};
         }},
        {"pelvics", 0, &CFishSpecies15::DrawPart5, &g_Fish15Pelvic[0][0], 10, 0, 10, {{0, 1}}, true, 0, third,
         [&](int, int c, bool copy) { return Vec{0, copy ? -f[kW6][c] : f[kW6][c], 0}; }},
        {"anal", 0, &CFishSpecies15::DrawPart6, &g_Fish15Anal[0][0], 10, 0, 10, {{0, 1}, {1, 2}, {2, 3}, {3, 4}},
         false, 0, [&](int c) { return f[kBend][3 + c]; }, anal},
        {"anal lines, mode 2", 2, &CFishSpecies15::DrawPart6, &g_Fish15Anal[0][0], 10, 0, 10,
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}}, false, 4, [&](int c) { return f[kBend][3 + c]; }, anal,
         [](int) { return Vec{1, 1, 1.2f}; }},
        {"tail", 0, &CFishSpecies15::DrawPart7, &g_Fish15Tail[0][0], 25, 0, 25, {{0, 1}}, false, 0, last,
         tail(0, 0, 0)},
        {"tail raised, mode 1", 1, &CFishSpecies15::DrawPart7, &g_Fish15Tail[0][0], 25, 12, 13, {{0, 1}}, false, 0,
         last, tail(12, 0.065f, 0)},
        {"tail lowered, mode 1", 1, &CFishSpecies15::DrawPart7, &g_Fish15Tail[0][0], 25, 12, 13, {{0, 1}}, false, 1,
         last, tail(12, 0.065f, 0.065f), flipped(1.0f)},
        {"tail flipped, mode 2", 2, &CFishSpecies15::DrawPart7, &g_Fish15Tail[0][0], 25, 0, 25, {{0, 1}}, false, 0,
         last, tail(0, 0.08f, 0.08f), flipped(0.9f)},
        {"tail outline, mode 2", 2, &CFishSpecies15::DrawPart7, &g_Fish15Tail[0][0], 25, 0, 25, {{0, 1}}, false, 1,
         last, tail(0, 0.08f, 0.08f), flipped(1.0f)},
        {"eyes", 0, &CFishSpecies15::DrawPart8, &g_Fish15Eye[0][0], 7, 0, 7, {{1, 0}, {0, 2}}, true, 0, first, none},
    };
    for (int size : {5, 8}) {
        fish.m_nSize = size;
        for (const PartRule& rule : rules) {
            SCOPED_TRACE(rule.name + ", size " + std::to_string(size));
            fish.m_nDrawVariant = rule.mode;
            recorder.primitives.clear();
            (fish.*rule.draw)(f);
            const size_t n = rule.strips.size(), passes = rule.mirrored ? 2 : 1;
            ASSERT_GE(recorder.primitives.size(), rule.skip + n * passes);
            for (size_t s = 0; s < n * passes; ++s) {
                const bool copy = s >= n;
                const auto& rows = rule.strips[s % n];
                const RecordedPrimitive& strip = recorder.primitives[rule.skip + s];
                ASSERT_EQ(strip.vertices.size(), size_t(2 * rule.columns));
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const int row = rows[k];
                        const FishVertex& p = rule.table[row * rule.tableColumns + rule.firstColumn + c];
                        const Vec st = rule.stretch(row), off = rule.offset(row, c, copy);
                        const float y = (copy ? -p.y : p.y) * st[1];
                        const Vec expected = TurnedAboutZ(
                            {(p.x * st[0] + off[0]) * size, (y + off[1]) * size, (p.z * st[2] + off[2]) * size},
                            rule.angle(c));
                        const RecordedVertex& v = strip.vertices[2 * c + k];
                        ExpectNearPoint(v.position, expected,
                                        "strip " + std::to_string(s) + " column " + std::to_string(c) + " row " +
                                            std::to_string(row));
                        EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz}));
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t}));
                    }
            }
        }
    }
}

TEST_F(Species15Test, AFishNoLongerAliveOpensEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 10;
    for (int mode : {0, 1, 2}) {
        recorder.primitives.clear();
        const float x = fish.m_fPos[0];
        fish.Draw(mode);
        EXPECT_EQ(recorder.primitives.size(), mode == 0 ? 36u : mode == 1 ? 37u : 42u) << mode;
        EXPECT_EQ(recorder.VertexCount(), 0u) << mode;
        EXPECT_LT(fish.m_fPos[0], x) << "heading 0: toward falling x";
    }
}

// ---- the generators ----

TEST_F(Species15Test, GeneratorsAdvanceTheirPhasesOnTheirCadence)
{
    // Every sine every 7th call, the body wave every 5th; blocks never run stay.
    for (int frame = 1; frame <= 35; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const float sines = static_cast<float>(frame / 7), body = static_cast<float>(frame / 5);
        for (int block : {3, 4, 5, 6, 8, 9})
            EXPECT_NEAR(fish.m_Wave[block].phase, sines * fish.m_Wave[block].phaseStep, 1e-5)
                << "block " << block << ", frame " << frame;
        EXPECT_NEAR(fish.m_Wave[0].phase, body * fish.m_Wave[0].phaseStep, 1e-5) << frame;
        // The body wave leaves (14 - 10) x 0.005 in its amplitude.
        EXPECT_EQ(fish.m_Wave[0].amplitude, 0.02f) << frame;
        for (int block : {1, 2, 7, 10})
            EXPECT_EQ(fish.m_Wave[block].phase, 0.0f) << block;
    }
}

TEST_F(Species15Test, TheBodyWaveMovesOnlyTheLastFourEntriesAndSmallCountsStayInside)
{
    for (int n : {15, 12, 11, 5, 1}) {
        SCOPED_TRACE(n);
        CFishSpecies15 f = fish;
        f.m_Wave[0].phase = 1.3f;
        f.m_Wave[0].counter = 0;
        f.m_Wave[0].amplitude = 0.7f;
        float out[16];
        std::fill(std::begin(out), std::end(out), -9.0f);
        f.ComputeBodyWave(out, n);
        for (int i = 0; i < n; ++i) {
            const float factor = i > 10 ? static_cast<float>(i - 10) * 0.005f : 0.0f;
            const float k = f.m_Wave[0].waveNumber;
            const float expected = i > 10 ? std::sin(i * k + 1.3f) * factor * 0.5f : 0.0f;
            EXPECT_NEAR(out[i], expected, 1e-7) << i;
        }
        for (int i = n; i < 16; ++i)
            EXPECT_EQ(out[i], -9.0f) << "nothing past the count, entry " << i;
        // The amplitude holds the last moving entry's factor, or stays.
        EXPECT_FLOAT_EQ(f.m_Wave[0].amplitude, n > 10 ? (n - 11) * 0.005f : 0.7f);
    }
}

TEST_F(Species15Test, EachSineFillsItsCountFromItsOwnBlock)
{
    struct Case {
        const char* name;
        void (CFishSpecies15::*compute)(float*, int);
        int block, count;
    } const cases[] = {
        {"spare", &CFishSpecies15::ComputeSpareWave, 5, 7},      {"dorsal", &CFishSpecies15::ComputeSineWave2, 3, 23},
        {"pectoral", &CFishSpecies15::ComputePectoralWave, 4, 20}, {"pelvic", &CFishSpecies15::ComputeSineWave, 6, 10},
        {"anal", &CFishSpecies15::ComputeAnalWave, 8, 10},        {"tail", &CFishSpecies15::ComputeTailWave, 9, 25},
    };
    for (const Case& c : cases) {
        for (int n : {c.count, 3}) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(n));
            CFishSpecies15 f = fish;
            f.m_Wave[c.block].phase = 0.4f;
            f.m_Wave[c.block].counter = 6;  // this call steps the phase
            float out[30];
            std::fill(std::begin(out), std::end(out), -9.0f);
            (f.*c.compute)(out, n);
            const FishWave& w = f.m_Wave[c.block];
            EXPECT_EQ(w.counter, 0);
            EXPECT_FLOAT_EQ(w.phase, 0.4f + w.phaseStep);
            for (int i = 0; i < n; ++i)
                EXPECT_NEAR(out[i], w.amplitude * std::sin(i * w.waveNumber + w.phase), 1e-7) << i;
            EXPECT_EQ(out[n], -9.0f);
        }
    }
}

TEST_F(Species15Test, APhaseAboveTwoPiStartsAgainAtZero)
{
    struct Case {
        float phase;
        float after;
    } const cases[] = {{6.283185f, 6.283185f}, {6.2831855f, 0.0f}, {6.0f, 6.0f}};
    for (const Case& c : cases) {
        for (int block : {0, 9}) {
            fish.m_Wave[block].phase = c.phase;
            fish.m_Wave[block].counter = 0;
        }
        float out[25];
        fish.ComputeTailWave(out, 25);
        fish.ComputeBodyWave(out, 15);
        EXPECT_EQ(fish.m_Wave[9].phase, c.after) << c.phase;
        EXPECT_EQ(fish.m_Wave[0].phase, c.after) << c.phase;
    }
}

TEST_F(Species15Test, OverFramesTheDorsalBaseStaysAndOnlyTheLastBodyColumnsSway)
{
    // A turn with the waves running: the dorsal's base row and the body's
    // first eleven columns never leave their stored place (turned).
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 40; ++frame) {
        const std::vector<RecordedPrimitive> seen = Frame(0);
        fish.Draw(0);
        // The dorsal comes after the body (10), the jaw (6) and the head (6).
        const RecordedPrimitive& dorsal = seen[22];
        for (int c = 0; c < 23; ++c) {
            const Vec& v = dorsal.vertices[2 * c + 1].position;
            const float r = std::hypot(v[0], v[1]);
            const FishVertex& p = g_Fish15Dorsal[1][c];
            EXPECT_NEAR(r, 5 * std::hypot(p.x, p.y), 1e-5) << "frame " << frame << ", column " << c;
            EXPECT_NEAR(v[2], 5 * p.z, 1e-6);
        }
        const RecordedPrimitive& body = seen[0];
        for (int c = 0; c <= 10; ++c) {
            const Vec& v = body.vertices[2 * c].position;
            const FishVertex& p = g_Fish15Body[0][c];
            EXPECT_NEAR(std::hypot(v[0], v[1]), 5 * std::hypot(p.x, p.y), 1e-5) << frame << " " << c;
        }
    }
}

// ---- swimming ----

TEST_F(Species15Test, RandomDrawsPerFrameAreTheBendsOnly)
{
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
    const int settling = FramesSettlingRoundTo180(recorder, fish, 45);
    // When the head arrives the last segment stands 280 degrees behind its
    // last heading of 160: 300 degrees at 20 a call, and one more call
    // finds nothing to move.
    EXPECT_EQ(settling, 16);
}

TEST_F(Species15Test, TheShownPitchClimbsOneDegreeAFrameToTheTarget)
{
    fish.m_fPitch = 3;
    for (float e : {1.0f, 2.0f, 3.0f, 3.0f, 3.0f}) {
        fish.Draw(0);
        EXPECT_EQ(fish.m_fShownPitch, e);
    }
}

TEST_F(Species15Test, AtAnXWallFarFromItsTargetHeadingTheFishWaitsInPlace)
{
    fish.m_nWallState = 1;
    fish.m_nTargetHeading = 180;
    fish.m_fHeading = 100;  // 80 degrees from the target
    fish.m_bBendReached = 1;
    fish.m_fLastTarget = 180;
    fish.m_fPos[0] = -48;
    fish.m_fPos[1] = 2;
    fish.m_fPitch = 10;
    fish.m_fPos[2] = -100;
    fish.Draw(0);
    EXPECT_EQ(fish.m_fPos[0], -48.0f);
    EXPECT_EQ(fish.m_fPos[1], 2.0f);
    EXPECT_EQ(fish.m_fPos[2], -100.0f);
    EXPECT_EQ(fish.m_nWallState, 1) << "not recomputed";
}

TEST_F(Species15Test, TheTopAndBottomCountAtTheirValueTheXWallsOnlyPastIt)
{
    struct Case {
        float x, y;
        int wall;
    } const cases[] = {{0, 13, 5}, {0, -17, 6}, {0, 12.99f, 0}, {-50, 0, 0}, {50, 0, 0}};
    for (const Case& c : cases) {
        CFishSpecies15 f = fish;
        f.m_fSpeed = 0;
        f.m_fPos[0] = c.x;
        f.m_fPos[1] = c.y;
        f.m_fPos[2] = -100;
        f.KeepInSwimBox();
        EXPECT_EQ(f.m_nWallState, c.wall) << c.x << ", " << c.y;
    }
}

TEST_F(Species15Test, TheFirstWanderDecisionComesWhenTheCounterPassesThreeHundred)
{
    // The 302nd frame for a counter of 0, the 103rd for 199.
    ExpectFirstWanderDecisionAsTheTimerPasses300(recorder, fish, {0, 199});
}

TEST_F(Species15Test, AWanderDecisionDrawsItsValuesInOrderAndSetsTheSwimStyle)
{
    // The bend's draw, the new counter, the target speed, a new heading and
    // pitch (the heading has arrived), perhaps a new speed, the style's draw.
    ExpectWanderDecisionDrawsInOrder<CFishSpecies15>(fish, {2u, 3u, 11u, 15u}, 1, 6, [](CFishSpecies15& f) {
        // Every target speed is 0.1 or more: the style's factor is 1.5.
        ExpectTemplateSwimStyle(f, 1.5);
        // The body wave writes its own amplitude over the style's on the next frame.
        f.Draw(0);
        EXPECT_EQ(f.m_Wave[0].amplitude, 0.02f);
    });
}

}  // namespace
