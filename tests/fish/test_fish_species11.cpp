// Species 11, the cuckoo catfish: its construction and random draws, the
// generators of its Draw (ramps and their toggle, the body wave, the sines,
// two of which never move), its eleven parts with their rotations, waves and
// mirrored passes, and its swimming without wander, drift or tilt.
#include "fish/fish_species11.h"
#include "fish/fish_species11_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The working arrays of Draw, named as the class names them.
enum { kA, kB, kC, kD, kE, kF, kG, kH, kI, kJ };

constexpr double kPi = 3.14159265358979323846;

// The parts in drawing order: strips per part and vertices per strip.
struct Shape {
    const char* name;
    int strips, points;
};
const Shape kShapes[] = {
    {"body", 10, 34},      {"upper jaw", 4, 12}, {"lower jaw", 6, 12}, {"dorsal", 1, 18},
    {"pectoral", 2, 24},   {"pelvic", 2, 26},    {"adipose", 1, 38},   {"tail", 1, 50},
    {"eye", 4, 12},        {"barbel", 2, 8},     {"chin barbel", 2, 8},
};

class Species11Test : public testing::Test {
protected:
    Species11Test()
    {
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[0] = 0;
        fish.m_fPos[1] = -2;
        fish.m_fPos[2] = -110;  // far from every wall
        fish.m_fPitch = 0;      // the target pitch: a level course
    }

    // The primitives of part `index` of the last Draw.
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    void Frame()
    {
        recorder.primitives.clear();
        fish.Draw(0);
    }

    VertexRecorder recorder;
    CFishSpecies11 fish;
};

// ---- construction ----

TEST(FishSpecies11Construction, StartsWithItsOwnDefaultsAndTheTemplatesDraws)
{
    // W0 to W11: wave number, amplitude, step (W4, W6 and W8 all zero).
    ExpectStartValues<CFishSpecies11>({.segments = 17,
                                       .drift = false,
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 4},
                                                  {kPi / 10, 0.02, kPi / 4}}},
                                      {1u, 42u, 977u});
}

// ---- one frame ----

TEST_F(Species11Test, EachFrameDrawsElevenPartsInOrder)
{
    fish.Draw(0);
    size_t p = 0, vertices = 0;
    ASSERT_EQ(recorder.primitives.size(), 35u);
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

TEST_F(Species11Test, EveryModeDrawsWhatModeZeroDrawsAndIsStored)
{
    CFishSpecies11 twin = fish;
    crt::srand(3);
    fish.Draw(0);
    const std::vector<RecordedPrimitive> zero = recorder.primitives;
    for (int mode : {1, 3, 4, 7, 31, 32, -1, 1000}) {
        CFishSpecies11 other = twin;
        recorder.primitives.clear();
        crt::srand(3);
        other.Draw(mode);
        EXPECT_EQ(other.m_nDrawVariant, mode);
        ASSERT_EQ(recorder.primitives.size(), zero.size()) << mode;
        for (size_t s = 0; s < zero.size(); ++s)
            for (size_t v = 0; v < zero[s].vertices.size(); ++v)
                EXPECT_EQ(recorder.primitives[s].vertices[v].position, zero[s].vertices[v].position) << mode;
        EXPECT_EQ(other.m_fPos[0], fish.m_fPos[0]);
    }
}

TEST_F(Species11Test, AFishNotAliveEmitsNothingButStillMovesAndKeepsItsHitBox)
{
    fish.m_bAlive = 0;
    fish.m_nTargetHeading = 180;
    fish.m_fHeading = 180;
    const float x = fish.m_fPos[0];
    fish.Draw(0);
    EXPECT_TRUE(recorder.primitives.empty());
    EXPECT_NEAR(fish.m_fPos[0], x + 0.05f, 1e-6);  // heading 180 swims toward rising x
    // The hit box is about the new position: the axis runs half a length (2.5) either side.
    EXPECT_NEAR(fish.AxisEnd(0) + fish.AxisEnd(3), 2 * fish.m_fPos[0], 1e-5);
    EXPECT_NEAR(std::fabs(fish.AxisEnd(0) - fish.AxisEnd(3)), 5.0f, 1e-5);
}

TEST_F(Species11Test, RandomDrawsPerFrameAreTheBendsOnly)
{
    // The bend draws one a call; on the third frame the heading counts a step
    // (it is already on its target) and the segments settle: one more.
    const int expected[8] = {1, 1, 2, 1, 1, 1, 1, 1};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
    // No wander decision ever comes, however long the wander counter runs.
    fish.m_nWanderTimer = 1000;
    EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), 1);
    EXPECT_EQ(fish.m_nWanderTimer, 1000);
    EXPECT_EQ(fish.m_fDrift, 0.0f);
}

// ---- the generators ----

TEST_F(Species11Test, TheStrokeFlipsEveryTwentySixFramesFromItsCounter)
{
    for (int start : {0, 7, 14}) {
        CFishSpecies11 f = fish;
        f.m_Wave[1].counter = start;
        // Toggle call k (from 1) sees the counter at start + k - 1 and flips
        // past 50: calls 52 - start, then every 52 calls; two calls a frame.
        std::vector<int> flips;
        BYTE last = f.m_bStroke;
        for (int frame = 1; frame <= 120; ++frame) {
            f.Draw(0);
            if (f.m_bStroke != last)
                flips.push_back(frame);
            last = f.m_bStroke;
        }
        const int firstCall = 52 - start;
        std::vector<int> expected;
        for (int call = firstCall; (call + 1) / 2 <= 120; call += 52)
            expected.push_back((call + 1) / 2);
        EXPECT_EQ(flips, expected) << "counter " << start;
    }
}

TEST_F(Species11Test, JawsOpenByTheRampsAndTheRampsCanStraddleAFlip)
{
    // Counter 51 at the frame's first toggle: it flips the stroke to 0 in the
    // middle of the frame. Entries 0 to 3 are made again after it (ramp),
    // entries 4 and 5 keep the stroke of before (zeros).
    fish.m_Wave[1].counter = 51;
    Frame();
    ASSERT_EQ(fish.m_bStroke, 0);
    const std::vector<RecordedPrimitive> upper = Part(1), lower = Part(2);
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 6; ++c)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& p = g_Fish11UpperJaw[r + k][c];
                    const float lift = c < 4 ? 0.003f * c : 0.0f;
                    const float y = pass ? -p.y : p.y;
                    const auto& got = upper[2 * pass + r].vertices[2 * c + k].position;
                    EXPECT_NEAR(got[1], y * 5, 1e-5);
                    EXPECT_NEAR(got[2], (p.z + lift) * 5, 1e-5) << "upper jaw column " << c;
                }
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 6; ++c) {
                const FishVertex& p = g_Fish11LowerJaw[r][c];
                const float drop = c < 4 ? 0.003f * c : 0.0f;
                EXPECT_NEAR(lower[3 * pass + r].vertices[2 * c].position[2], (p.z - drop) * 5, 1e-5)
                    << "lower jaw column " << c;
            }

    // Next frame, both calls see the stroke clear: the jaws' columns 4 and 5
    // too, but the lower jaw's only as far as column 3.
    Frame();
    const std::vector<RecordedPrimitive> upper2 = Part(1), lower2 = Part(2);
    for (int c = 0; c < 6; ++c) {
        EXPECT_NEAR(upper2[0].vertices[2 * c].position[2], (g_Fish11UpperJaw[0][c].z + 0.003f * c) * 5, 1e-5) << c;
        const float drop = c < 4 ? 0.003f * c : 0.0f;
        EXPECT_NEAR(lower2[0].vertices[2 * c].position[2], (g_Fish11LowerJaw[0][c].z - drop) * 5, 1e-5) << c;
    }
}

TEST_F(Species11Test, TheBodyWaveGrowsBehindSegmentFiveAndStepsEveryFifthCall)
{
    float out[17];
    float phase = 0.0f;  // kept as the rule keeps it, in float
    for (int call = 1; call <= 60; ++call) {
        fish.ComputeBodyWave(out, 17);
        // The phase steps by pi / 4 on calls 5, 10, ...; past 2 pi it restarts.
        if (call % 5 == 0)
            phase += 0.7853981f;
        if (phase > 6.283185f)
            phase = 0.0f;
        EXPECT_FLOAT_EQ(fish.m_Wave[0].phase, phase) << "call " << call;
        for (int i = 0; i < 17; ++i) {
            const double want = i < 5 ? 0.0 : std::sin(i * static_cast<double>(0.2617994f) + phase) * (i - 5) * 0.005;
            EXPECT_NEAR(out[i], want, 2e-6) << "call " << call << " entry " << i;
        }
        // The block's amplitude holds the last entry's factor.
        EXPECT_NEAR(fish.m_Wave[0].amplitude, 0.11f, 1e-6);
    }
}

TEST_F(Species11Test, SineGeneratorsStepEverySeventhCallOnTheirOwnBlocks)
{
    struct Case {
        const char* name;
        void (CFishSpecies11::*run)(float*, int);
        int block, n;
        double amplitude, waveNumber;
        float step;
    } cases[] = {
        {"W7", &CFishSpecies11::ComputeSineWave2, 7, 13, 0.03, kPi / 16, 0.5235987f},
        {"W9", &CFishSpecies11::ComputeSineWave3, 9, 25, 0.01, kPi / 16, 0.5235987f},
        {"W11", &CFishSpecies11::ComputeSineWave4, 11, 6, 0.02, kPi / 10, 0.7853981f},
        {"W4 (zero)", &CFishSpecies11::ComputeSineWave, 4, 12, 0.0, 0.0, 0.0f},
        {"W8 (zero)", &CFishSpecies11::ComputeSineWave5, 8, 19, 0.0, 0.0, 0.0f},
    };
    for (const Case& c : cases) {
        CFishSpecies11 f = fish;
        float out[25];
        float phase = 0.0f;
        for (int call = 1; call <= 100; ++call) {
            (f.*c.run)(out, c.n);
            if (call % 7 == 0)
                phase += c.step;
            if (phase > 6.283185f)
                phase = 0.0f;
            EXPECT_FLOAT_EQ(f.m_Wave[c.block].phase, phase) << c.name << " call " << call;
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.amplitude * std::sin(i * c.waveNumber + phase), 3e-6)
                    << c.name << " call " << call << " entry " << i;
        }
    }
}

// ---- the parts on known arrays ----

// A frame with every array filled with distinct values.
FishFrame KnownFrame()
{
    FishFrame f;
    for (int i = 0; i < kFishMaxArrayLength; ++i) {
        f[kE][i] = 7.0f * i + 3.0f;
        f[kD][i] = 0.002f * i - 0.01f;
        for (int a : {kA, kB, kC, kF, kG, kH, kI, kJ})
            f[a][i] = 0.001f * (i + 1) * (a + 1);
    }
    return f;
}

TEST_F(Species11Test, PartsTurnAndWaveByTheirRulesInBothPasses)
{
    const FishFrame f = KnownFrame();
    // Where the vertex of row `row`, column c lands: the stored point moved
    // by the part's rule (size-1 units) and turned.
    struct Rule {
        const char* name;
        void (CFishSpecies11::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int rows, columns;
        bool mirrored;
        // x, y, z offsets of the point (y already negated in the mirrored pass).
        std::array<float, 3> (*offset)(const FishFrame& f, int row, int c, bool mirrored);
        float (*angle)(const FishFrame& f, int c);
    };
    const Rule rules[] = {
        {"body", &CFishSpecies11::DrawBody, &g_Fish11Body[0][0], 6, 17, true,
         [](const FishFrame& f, int, int c, bool) { return std::array<float, 3>{0, f[kD][c], 0}; },
         [](const FishFrame& f, int c) { return f[kE][c]; }},
        {"upper jaw", &CFishSpecies11::DrawPart1, &g_Fish11UpperJaw[0][0], 3, 6, true,
         [](const FishFrame& f, int, int c, bool) { return std::array<float, 3>{0, 0, f[kC][c]}; },
         [](const FishFrame& f, int) { return f[kE][0]; }},
        {"lower jaw", &CFishSpecies11::DrawPart2, &g_Fish11LowerJaw[0][0], 4, 6, true,
         [](const FishFrame& f, int, int c, bool) { return std::array<float, 3>{0, 0, c < 4 ? -f[kB][c] : 0.0f}; },
         [](const FishFrame& f, int) { return f[kE][0]; }},
        {"dorsal (G not read)", &CFishSpecies11::DrawPart3, &g_Fish11Dorsal[0][0], 2, 9, false,
         [](const FishFrame&, int, int, bool) { return std::array<float, 3>{0, 0, 0}; },
         [](const FishFrame& f, int) { return f[kE][5]; }},
        {"pectoral", &CFishSpecies11::DrawPart4, &g_Fish11Pectoral[0][0], 2, 12, true,
         [](const FishFrame& f, int row, int c, bool) {
             const float w = row == 0 ? f[kF][c] : 0.0f;
             return std::array<float, 3>{w, w, 0};  // the same in the mirrored pass
         },
         [](const FishFrame& f, int) { return f[kE][3]; }},
        {"pelvic", &CFishSpecies11::DrawPart5, &g_Fish11Pelvic[0][0], 2, 13, true,
         [](const FishFrame& f, int row, int c, bool mirrored) {
             const float w = row == 0 ? 2 * f[kH][c] : 0.0f;
             return std::array<float, 3>{0, mirrored ? -w : w, 0};
         },
         [](const FishFrame& f, int) { return f[kE][6]; }},
        {"adipose", &CFishSpecies11::DrawPart6, &g_Fish11Adipose[0][0], 2, 19, false,
         [](const FishFrame& f, int row, int c, bool) {
             return std::array<float, 3>{0, f[kD][7 + c / 2] + (row == 1 ? f[kI][c] : 0.0f), 0};
         },
         [](const FishFrame& f, int c) { return f[kE][7 + c / 2]; }},
        {"tail", &CFishSpecies11::DrawPart7, &g_Fish11Tail[0][0], 2, 25, false,
         [](const FishFrame& f, int row, int c, bool) {
             return std::array<float, 3>{0, row == 0 ? f[kD][15] + f[kJ][c] : f[kD][16], 0};
         },
         [](const FishFrame& f, int) { return f[kE][16]; }},
        {"eye", &CFishSpecies11::DrawPart8, &g_Fish11Eye[0][0], 3, 6, true,
         [](const FishFrame&, int, int, bool) { return std::array<float, 3>{0, 0, 0}; },
         [](const FishFrame& f, int) { return f[kE][0]; }},
        {"barbel", &CFishSpecies11::DrawPart9, &g_Fish11Barbel[0][0], 2, 4, true,
         [](const FishFrame& f, int, int c, bool mirrored) {
             return std::array<float, 3>{0, mirrored ? -f[kA][c] : f[kA][c], f[kA][c]};
         },
         [](const FishFrame& f, int) { return f[kE][0]; }},
        {"chin barbel (A not read)", &CFishSpecies11::DrawPart10, &g_Fish11ChinBarbel[0][0], 2, 4, true,
         [](const FishFrame&, int, int, bool) { return std::array<float, 3>{0, 0, 0}; },
         [](const FishFrame& f, int) { return f[kE][0]; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const int strips = rule.rows - 1;
        // Every strip as stored, then (for a mirrored part) every strip again with y negated.
        ASSERT_EQ(recorder.primitives.size(), size_t(rule.mirrored ? 2 * strips : strips)) << rule.name;
        for (size_t s = 0; s < recorder.primitives.size(); ++s) {
            const bool mirrored = static_cast<int>(s) >= strips;
            const int strip = static_cast<int>(s) % strips;
            ASSERT_EQ(recorder.primitives[s].vertices.size(), size_t(2 * rule.columns)) << rule.name;
            for (int c = 0; c < rule.columns; ++c)
                for (int k = 0; k < 2; ++k) {
                    const int row = strip + k;
                    const FishVertex& p = rule.mesh[row * rule.columns + c];
                    const std::array<float, 3> d = rule.offset(f, row, c, mirrored);
                    const std::array<float, 3> want =
                        ScaledAndTurned(p.x + d[0], (mirrored ? -p.y : p.y) + d[1], p.z + d[2], rule.angle(f, c));
                    const RecordedVertex& got = recorder.primitives[s].vertices[2 * c + k];
                    for (int axis = 0; axis < 3; ++axis)
                        EXPECT_NEAR(got.position[axis], want[axis], 2e-5)
                            << rule.name << (mirrored ? " mirrored" : "") << " strip " << strip << " column " << c
                            << " row " << row << " axis " << axis;
                    // Normals and texture coordinates as stored, in both passes.
                    EXPECT_EQ(got.normal, (std::array<float, 3>{p.nx, p.ny, p.nz})) << rule.name;
                    EXPECT_EQ(got.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                }
        }
    }
}

TEST_F(Species11Test, APectoralAndAnAdiposeEdgeThatNeverMove)
{
    // W4 and W8 stay zero: however long the fish swims, the pectoral fins'
    // edges and the adipose fin's edge only follow the body.
    fish.m_fPos[0] = -20;
    for (int frame = 0; frame < 400; ++frame)
        Frame();
    EXPECT_EQ(fish.m_Wave[4].phase, 0.0f);
    EXPECT_EQ(fish.m_Wave[8].phase, 0.0f);
    const std::vector<RecordedPrimitive> pectoral = Part(4), adipose = Part(6);
    for (int c = 0; c < 12; ++c) {
        const FishVertex& p = g_Fish11Pectoral[0][c];
        const auto& got = pectoral[0].vertices[2 * c].position;
        EXPECT_NEAR(got[0], p.x * 5, 1e-5) << c;  // the heading is still 0: no turn
        EXPECT_NEAR(got[1], p.y * 5, 1e-5) << c;
    }
    // The adipose root and edge of one column sway alike.
    for (int c = 0; c < 19; ++c) {
        const auto& root = adipose[0].vertices[2 * c].position;
        const auto& edge = adipose[0].vertices[2 * c + 1].position;
        EXPECT_NEAR(root[1] - g_Fish11Adipose[0][c].y * 5, edge[1] - g_Fish11Adipose[1][c].y * 5, 1e-5) << c;
    }
}

TEST_F(Species11Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 4);
}

// ---- swimming ----

TEST_F(Species11Test, ATurnBendsAllSeventeenSegmentsRoundToTheNewHeading)
{
    fish.m_nTargetHeading = 180;
    int frames = 0;
    while (!fish.m_bBendSettled && frames < 200) {
        Frame();
        ++frames;
    }
    ASSERT_LT(frames, 200);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    EXPECT_EQ(fish.m_nBendAngle[17], 0) << "only 17 segments";
    EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);
    // The last body column is drawn turned round with them.
    Frame();
    const std::vector<RecordedPrimitive> body = Part(0);
    const FishVertex& p = g_Fish11Body[0][16];
    EXPECT_NEAR(body[0].vertices[32].position[0], -p.x * 5, 1e-4);
}

TEST_F(Species11Test, ItShuttlesBetweenTheXWallsLevelAndUntilted)
{
    // Born with pitch 0: y never changes and the body never tilts; the
    // target heading changes only at an x wall.
    ExpectShuttlesBetweenTheXWallsLevel(fish, 6000, [&] { Frame(); });
}

TEST_F(Species11Test, ItZigzagsAtItsBirthPitchBetweenTopAndBottom)
{
    ExpectZigzagsBetweenTopAndBottom(fish, [&] { Frame(); },
                                     [&](float, float, int) { EXPECT_EQ(fish.m_fShownPitch, 0.0f); });
}

// ---- the mesh tables ----

TEST(FishSpecies11Mesh, BodyRowsRunFromTheRidgeToTheBellyAlongTheSegments)
{
    for (int j = 0; j < 17; ++j) {
        EXPECT_EQ(g_Fish11Body[0][j].y, 0.0f) << j;
        EXPECT_NEAR(g_Fish11Body[5][j].y, 0.0f, 1e-6) << j;
        for (int r = 1; r < 6; ++r) {
            EXPECT_EQ(g_Fish11Body[r][j].x, g_Fish11Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(g_Fish11Body[r][j].z, g_Fish11Body[r - 1][j].z) << "rows go down";
        }
        if (j > 0) {
            EXPECT_GT(g_Fish11Body[0][j].x, g_Fish11Body[0][j - 1].x);
        }
    }
    // Column 0 at the eye (which turns with bend 0).
    EXPECT_NEAR(g_Fish11Body[0][0].x, g_Fish11Eye[0][0].x, 0.005f);
    // Height and width inside the hit box (0.2778 high, 0.34605 wide).
    const auto [top, bottom, side] = BoxOf(g_Fish11Body);
    EXPECT_LT(top - bottom, 0.2778f);
    EXPECT_LT(2 * side, 0.34605f);
}

TEST(FishSpecies11Mesh, AdiposeColumnsPairOnTheBodySegments)
{
    for (int c = 0; c < 19; ++c) {
        const FishVertex& root = g_Fish11Adipose[0][c];
        EXPECT_NEAR(root.x, g_Fish11Body[0][7 + c / 2].x, 1e-6) << c;
        EXPECT_EQ(root.y, 0.0f) << c;
        EXPECT_LE(root.z, g_Fish11Body[0][7 + c / 2].z) << "rooted in the back, column " << c;
        EXPECT_GE(g_Fish11Adipose[1][c].z, root.z) << c;
    }
    // No height at its two ends.
    EXPECT_NEAR(g_Fish11Adipose[1][0].z, g_Fish11Adipose[0][0].z, 1e-6);
    EXPECT_NEAR(g_Fish11Adipose[1][18].z, g_Fish11Adipose[0][18].z, 1e-6);
}

TEST(FishSpecies11Mesh, TheTailIsForkedAndRootedAtTheTailStalk)
{
    const float end = g_Fish11Body[0][16].x;
    for (int c = 0; c < 25; ++c) {
        EXPECT_NEAR(g_Fish11Tail[1][c].x, end, 0.003f) << c;
        EXPECT_GT(g_Fish11Tail[0][c].x, end) << c;
    }
    // The fork reaches less far back than the lobes' tips.
    EXPECT_LT(g_Fish11Tail[0][12].x, g_Fish11Tail[0][0].x - 0.1f);
    EXPECT_LT(g_Fish11Tail[0][12].x, g_Fish11Tail[0][24].x - 0.1f);
    EXPECT_GT(g_Fish11Tail[0][0].z, g_Fish11Tail[0][12].z + 0.1f);
    EXPECT_LT(g_Fish11Tail[0][24].z, g_Fish11Tail[0][12].z - 0.1f);
}

TEST(FishSpecies11Mesh, PairedFinEdgesStayOffTheMidlineWhileTheyFlap)
{
    // The pelvic edges move up to 2 x 0.03 in y: they must not cross.
    for (int c = 0; c < 13; ++c)
        EXPECT_GT(g_Fish11Pelvic[0][c].y, 0.06f) << c;
    for (int c = 0; c < 12; ++c)
        EXPECT_GT(g_Fish11Pectoral[0][c].y, 0.0f) << c;
}

TEST(FishSpecies11Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies11);
}

}  // namespace
