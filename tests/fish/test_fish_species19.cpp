// Species 19, the pinnate batfish: its construction and random draws, its
// generators, its parts (one rotation for the whole fish but the pectoral
// fins, strips chained middle-first, mirrors), a fish whose m_bAlive is
// clear, its wander decision and its mesh tables.
#include "fish/fish_species19.h"
#include "fish/fish_species19_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species19.cpp).
enum { kBend, kBody, kG3, kG4, kG8, kG9 };

constexpr double kPi = 3.14159265358979323846;

// The parts in drawing order: strips and points per strip.
const PartShape kShapes[] = {
    {"body", 16, 32},    {"upper jaw", 14, 12}, {"lower jaw", 12, 12}, {"dorsal", 2, 14},
    {"anal", 2, 14},     {"tail", 1, 18},       {"eyes", 4, 14},       {"pectorals", 2, 24},
};

using Vec = std::array<float, 3>;

Vec TurnZ(const Vec& p, float angle)
{
    const double a = angle * kPi / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

void ExpectNear(const Vec& a, const Vec& b, const std::string& what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 2e-5) << what << " axis " << k;
}

TEST(FishSpecies19Construction, StartValuesOscillatorsAndTheTemplatesDraws)
{
    // Wave number, amplitude and phase step of each oscillator, as fractions
    // of pi (the stored floats lie within a step of them); phases start at 0.
    ExpectStartValues<CFishSpecies19>({.drift = false,
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 10, 0.03, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 6},
                                                  {kPi / 8, 0.03, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 4}}},
                                      {1u, 19u, 4242u});
}

class Species19Test : public FishSpeciesTest<CFishSpecies19> {
protected:
    // The recorded strips of part i of the last frame.
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 16; ++i) {
            f[kBend][i] = 7.0f + 11.0f * i;
            f[kBody][i] = 0.003f * (i + 1);
        }
        for (int i = 0; i < 12; ++i) {
            f[kG3][i] = 0.0011f * (i + 1);
            f[kG4][i] = i < 9 ? 0.0017f * (i + 1) : 0.0f;
            f[kG8][i] = 0.0013f * (i + 1);
            f[kG9][i] = 0.0019f * (i + 1) - 0.008f;
        }
        return f;
    }
};

TEST_F(Species19Test, EachFrameDrawsEightPartsInOrderWithNoEmptyQuads)
{
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), 53u);
    size_t p = 0;
    for (const PartShape& shape : kShapes)
        for (int s = 0; s < shape.strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << shape.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(shape.points)) << shape.name << " strip " << s;
        }
    EXPECT_EQ(recorder.VertexCount(), 512u + 168u + 144u + 28u + 28u + 18u + 56u + 48u);
    for (size_t i = 0; i < std::size(kShapes); ++i)
        EXPECT_STREQ(fish.Class().parts[i].name, kShapes[i].name);
    // The mode is kept and changes nothing.
    recorder.primitives.clear();
    fish.Draw(3);
    EXPECT_EQ(fish.m_nDrawVariant, 3);
    EXPECT_EQ(recorder.VertexCount(), 1002u);
}

TEST_F(Species19Test, AFishNoLongerAliveOpensEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 10;
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), 53u);
    EXPECT_EQ(recorder.VertexCount(), 0u);
    EXPECT_LT(fish.m_fPos[0], 10.0f);  // heading 0: toward falling x
}

TEST_F(Species19Test, RandomDrawsPerFrameAreTheBendsOnly)
{
    // One draw a frame; on the third the (already reached) heading settles
    // its segments: one more; no drift.
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
    // While turning, one a frame; each frame the segments catch up, one more.
    // Once the head is round, the last segment's 280 degrees of lag take 15
    // frames at 20 a frame, and one more finds nothing left to move: 29
    // frames of turning and 16 of settling.
    EXPECT_EQ(FramesSettlingRoundTo180(recorder, fish, 45), 16);
}

TEST_F(Species19Test, WholeFishTurnsWithTheFirstBendPectoralsWithTheFifth)
{
    const FishFrame f = KnownFrame();
    struct Rule {
        const char* name;
        void (CFishSpecies19::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int columns;
        std::vector<std::array<int, 2>> strips;  // rows: first vertex, second vertex
        bool mirrored;                           // a y-negated pass after the strips
        float angle;
    } const rules[] = {
        {"body", &CFishSpecies19::DrawBody, &g_Fish19Body[0][0], 16,
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}}, true, f[kBend][0]},
        {"upper jaw", &CFishSpecies19::DrawPart1, &g_Fish19UpperJaw[0][0], 6,
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}, true, f[kBend][0]},
        {"lower jaw", &CFishSpecies19::DrawPart2, &g_Fish19LowerJaw[0][0], 6,
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}}, true, f[kBend][0]},
        {"dorsal", &CFishSpecies19::DrawPart3, &g_Fish19Dorsal[0][0], 7, {{1, 0}, {0, 2}}, false, f[kBend][0]},
        {"anal", &CFishSpecies19::DrawPart4, &g_Fish19Anal[0][0], 7, {{1, 0}, {0, 2}}, false, f[kBend][0]},
        {"eyes", &CFishSpecies19::DrawPart6, &g_Fish19Eye[0][0], 7, {{1, 0}, {0, 2}}, true, f[kBend][0]},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const size_t n = rule.strips.size();
        ASSERT_EQ(recorder.primitives.size(), rule.mirrored ? 2 * n : n) << rule.name;
        for (size_t s = 0; s < recorder.primitives.size(); ++s) {
            const bool mirror = s >= n;
            const auto& rows = rule.strips[s % n];
            for (int c = 0; c < rule.columns; ++c)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& p = rule.mesh[rows[k] * rule.columns + c];
                    const RecordedVertex& v = recorder.primitives[s].vertices[2 * c + k];
                    ExpectNear(v.position, TurnZ({p.x * 5, (mirror ? -p.y : p.y) * 5, p.z * 5}, rule.angle),
                               std::string(rule.name) + " strip " + std::to_string(s));
                    // Normals and texture coordinates go as stored, in both passes.
                    EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz})) << rule.name;
                    EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                }
        }
    }
}

TEST_F(Species19Test, TailEdgeSwaysByItsWaveTimesTheSize)
{
    const FishFrame f = KnownFrame();
    for (int size : {4, 5, 8}) {
        fish.m_nSize = size;
        recorder.primitives.clear();
        fish.DrawPart5(f);
        ASSERT_EQ(recorder.primitives.size(), 1u);
        for (int c = 0; c < 9; ++c) {
            const FishVertex& root = g_Fish19Tail[0][c];
            const FishVertex& edge = g_Fish19Tail[1][c];
            ExpectNear(recorder.primitives[0].vertices[2 * c].position,
                       TurnZ({root.x * size, root.y * size, root.z * size}, f[kBend][0]), "root");
            ExpectNear(recorder.primitives[0].vertices[2 * c + 1].position,
                       TurnZ({edge.x * size, (edge.y + f[kG9][c]) * size, edge.z * size}, f[kBend][0]), "edge");
        }
    }
}

TEST_F(Species19Test, PectoralEdgesRiseAndSwingOutByTheirWaveOnNineColumns)
{
    const FishFrame f = KnownFrame();
    fish.DrawPart7(f);
    ASSERT_EQ(recorder.primitives.size(), 2u);
    for (int pass = 0; pass < 2; ++pass)
        for (int c = 0; c < 12; ++c) {
            const FishVertex& a = g_Fish19Pectoral[0][c];
            const FishVertex& b = g_Fish19Pectoral[1][c];
            const float w = c < 9 ? f[kG4][c] : 0.0f;
            // Stored side: y + w; the copy: -(y + w); the lift z + w in both.
            const float y = pass == 0 ? a.y + w : -(a.y + w);
            ExpectNear(recorder.primitives[pass].vertices[2 * c].position,
                       TurnZ({a.x * 5, y * 5, (a.z + w) * 5}, f[kBend][4]), "edge");
            ExpectNear(recorder.primitives[pass].vertices[2 * c + 1].position,
                       TurnZ({b.x * 5, (pass == 0 ? b.y : -b.y) * 5, b.z * 5}, f[kBend][4]), "root");
        }
}

TEST_F(Species19Test, GeneratorsAdvanceTheirPhasesOnTheirCadence)
{
    // Sines every 7th call, the body wave every 5th; the oscillator of the
    // pectoral fins is all zero and stays so.
    for (int frame = 1; frame <= 35; ++frame) {
        fish.Draw(0);
        const float sines = static_cast<float>(frame / 7), body = static_cast<float>(frame / 5);
        EXPECT_NEAR(fish.m_Wave[3].phase, sines * fish.m_Wave[3].phaseStep, 1e-5) << frame;
        EXPECT_NEAR(fish.m_Wave[8].phase, sines * fish.m_Wave[8].phaseStep, 1e-5) << frame;
        EXPECT_NEAR(fish.m_Wave[9].phase, sines * fish.m_Wave[9].phaseStep, 1e-5) << frame;
        EXPECT_NEAR(fish.m_Wave[0].phase, body * fish.m_Wave[0].phaseStep, 1e-5) << frame;
        EXPECT_EQ(fish.m_Wave[4].phase, 0.0f);
    }
    // The body wave leaves (16 - 6) x 0.01 in its amplitude.
    EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.1f);
    // Untouched oscillators keep their counters and phases.
    EXPECT_EQ(fish.m_Wave[7].phase, 0.0f);
    EXPECT_EQ(fish.m_Wave[10].phase, 0.0f);
}

TEST_F(Species19Test, TheTailFollowsItsSineFromTheRecordedFrame)
{
    // After 14 frames the tail's oscillator has stepped twice.
    for (int frame = 0; frame < 14; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
    }
    const double phase = 2 * static_cast<double>(0.523598731f);
    const RecordedPrimitive tail = Part(5)[0];
    for (int c = 0; c < 9; ++c) {
        const float wave = static_cast<float>(0.03 * std::sin(c * static_cast<double>(0.392699063f) + phase));
        EXPECT_NEAR(tail.vertices[2 * c + 1].position[1], (g_Fish19Tail[1][c].y + wave) * 5, 1e-5) << c;
    }
    // The pectoral edges never move: their wave is zero.
    const RecordedPrimitive pectoral = Part(7)[0];
    for (int c = 0; c < 12; ++c)
        EXPECT_NEAR(pectoral.vertices[2 * c].position[1], g_Fish19Pectoral[0][c].y * 5, 1e-5) << c;
}

TEST_F(Species19Test, APhaseAboveTwoPiStartsAgainAtZero)
{
    // Exactly 2 pi (as stored) stays; past it the phase restarts, not wraps.
    struct Case {
        float phase;
        float after;
    } const cases[] = {{6.283185f, 6.283185f}, {6.2831855f, 0.0f}, {6.0f, 6.0f}};
    for (const Case& c : cases) {
        fish.m_Wave[9].phase = c.phase;
        fish.m_Wave[9].counter = 0;
        fish.ComputeSineWave3(FishFrame{}[0], 9);
        EXPECT_EQ(fish.m_Wave[9].phase, c.after) << c.phase;
    }
}

TEST_F(Species19Test, InATurnTheBodyTakesTheHeadingAndThePectoralsLagEightyDegrees)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 9; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const float heading = 20.0f * (frame / 3);
        ASSERT_EQ(fish.m_fHeading, heading) << frame;
        const FishVertex& p = g_Fish19Body[4][8];
        const Vec expected = TurnZ({p.x * 5, p.y * 5, p.z * 5}, heading);
        const RecordedVertex body = Part(0)[3].vertices[17];  // strip 3 (rows 3, 4): row 4 at column 8
        ExpectNear(body.position, expected, "body");
        const FishVertex& q = g_Fish19Pectoral[1][0];
        ExpectNear(Part(7)[0].vertices[1].position, TurnZ({q.x * 5, q.y * 5, q.z * 5}, heading - 80.0f),
                   "pectoral root");
    }
}

TEST_F(Species19Test, AtAnXWallTheWholeFishComesRoundAtOnce)
{
    fish.m_fPos[0] = -49.99f;
    fish.m_fPitch = 0;
    fish.Draw(0);  // swims past the wall: turned back
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw(0);  // the bend snaps to the target: no frame facing backward
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    const FishVertex& p = g_Fish19Body[0][0];
    ExpectNear(Part(0)[0].vertices[0].position, TurnZ({p.x * 5, p.y * 5, p.z * 5}, 180.0f), "body");
    const FishVertex& q = g_Fish19Pectoral[1][0];
    ExpectNear(Part(7)[0].vertices[1].position, TurnZ({q.x * 5, q.y * 5, q.z * 5}, 180.0f), "pectoral");
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f + 0.05f);  // on its way toward rising x
    EXPECT_EQ(fish.m_nWallState, 0);
}

TEST_F(Species19Test, TheShownPitchClimbsOneDegreeAFrameToTheTarget)
{
    fish.m_fPitch = 4;
    const float expected[6] = {1, 2, 3, 4, 4, 4};
    for (float e : expected) {
        fish.Draw(0);
        EXPECT_EQ(fish.m_fShownPitch, e);
    }
}

TEST_F(Species19Test, AWanderDecisionDrawsItsValuesInOrderAndSetsTheSwimStyle)
{
    // The bend's draw, then the new counter, the target speed, a new heading
    // and pitch (the heading has arrived), perhaps a new speed, and the swim
    // style's discarded draw.
    ExpectWanderDecisionDrawsInOrder<CFishSpecies19>(fish, {2u, 3u, 11u, 19u}, 1, 6, [](CFishSpecies19& f) {
        // Every target speed is 0.1 or more: the style's factor is 1.5. The
        // body wave's amplitude is written over by the next frame's wave.
        ExpectTemplateSwimStyle(f, 1.5);
        f.Draw(0);
        EXPECT_FLOAT_EQ(f.m_Wave[0].amplitude, 0.1f);
    });
}

TEST_F(Species19Test, TheFirstWanderDecisionComesWhenTheCounterPassesThreeHundred)
{
    ExpectFirstWanderDecisionAsTheTimerPasses300(recorder, fish, {0, 199, 250});
}

TEST(FishSpecies19Description, ATermReadsOnlyTheColumnsItMoves)
{
    // The pectorals' wave fills 9 entries for 12 columns: a term that moves
    // columns 0 to 8 is within them, one that moves all 12 is not.
    static constexpr FishVertex kGrid[2][12] = {};
    static constexpr WaveGen kPlan[] = {{.kind = WaveKind::Sine, .block = 0, .array = 1, .count = 9}};
    static constexpr FishWave kWave[] = {{}};
    static constexpr GridPart kWithin[] = {
        {.name = "within", .mesh = MeshOf(kGrid), .terms = {{.track = fishdef::ByColumn(1), .y = 1, .toColumn = 9}}}};
    static constexpr GridPart kPast[] = {
        {.name = "past", .mesh = MeshOf(kGrid), .terms = {{.track = fishdef::ByColumn(1), .y = 1}}}};
    constexpr FishClass within{.segments = 1, .waves = kWave, .plan = kPlan, .parts = kWithin};
    constexpr FishClass past{.segments = 1, .waves = kWave, .plan = kPlan, .parts = kPast};
    static_assert(CheckFishClass(within));
    static_assert(!CheckFishClass(past));
}

// ---- the mesh tables ----

// The body's half width at (x, z), from its table (rows ridge to belly, the
// -y half stored); -1 outside the body's side view.
float HalfWidth(float x, float z)
{
    const auto& b = g_Fish19Body;
    constexpr int rows = 9, columns = 16;
    if (x < b[0][0].x || x > b[0][columns - 1].x)
        return -1.0f;
    auto at = [&](int j) {
        if (z > b[0][j].z || z < b[rows - 1][j].z)
            return -1.0f;
        for (int r = 0; r + 1 < rows; ++r)
            if (z <= b[r][j].z && z >= b[r + 1][j].z) {
                const float f = (b[r][j].z - z) / std::max(b[r][j].z - b[r + 1][j].z, 1e-6f);
                return std::fabs(b[r][j].y + f * (b[r + 1][j].y - b[r][j].y));
            }
        return -1.0f;
    };
    int j = 0;
    while (j + 2 < columns && x > b[0][j + 1].x)
        ++j;
    const float w0 = at(j), w1 = at(j + 1);
    if (w0 < 0 || w1 < 0)
        return -1.0f;
    const float f = (x - b[0][j].x) / (b[0][j + 1].x - b[0][j].x);
    return w0 + f * (w1 - w0);
}

// Inside the body's side view at x (between its ridge and its belly).
bool WithinOutline(float x, float z)
{
    const auto& b = g_Fish19Body;
    for (int j = 0; j + 1 < 16; ++j)
        if (x >= b[0][j].x && x <= b[0][j + 1].x) {
            const float f = (x - b[0][j].x) / (b[0][j + 1].x - b[0][j].x);
            const float top = b[0][j].z + f * (b[0][j + 1].z - b[0][j].z);
            const float bottom = b[8][j].z + f * (b[8][j + 1].z - b[8][j].z);
            return z < top && z > bottom;
        }
    return false;
}

TEST(FishSpecies19Mesh, TheStoredHalfIsTheLeftAndTheBodyRunsRidgeToBelly)
{
    for (int j = 0; j < 16; ++j) {
        EXPECT_NEAR(g_Fish19Body[0][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_NEAR(g_Fish19Body[8][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < 9; ++r) {
            EXPECT_EQ(g_Fish19Body[r][j].x, g_Fish19Body[0][j].x) << "column " << j << " is one section";
            EXPECT_LT(g_Fish19Body[r][j].z, g_Fish19Body[r - 1][j].z) << "rows go down";
        }
        for (int r = 2; r < 7; ++r) {
            EXPECT_LT(g_Fish19Body[r][j].y, 0.0f) << r << " " << j;
            EXPECT_LT(g_Fish19Body[r][j].ny, 0.0f) << "flank normals face -y, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(g_Fish19Body[0][j].x, g_Fish19Body[0][j - 1].x);
        }
    }
    // A deep, flat body: nearly as tall as long, and thin.
    float top = -1, bottom = 1, left = 1, right = -1, side = 0;
    for (const auto& row : g_Fish19Body)
        for (const FishVertex& p : row) {
            top = std::max(top, p.z);
            bottom = std::min(bottom, p.z);
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            side = std::max(side, -p.y);
        }
    EXPECT_GT(top - bottom, 0.8f * (right - left));
    EXPECT_LT(2 * side, 0.4f * (top - bottom));
}

TEST(FishSpecies19Mesh, TheJawsCloseTheHeadFromTheBodysFirstSection)
{
    for (int r = 0; r < 8; ++r) {
        EXPECT_NEAR(g_Fish19UpperJaw[r][0].x, g_Fish19Body[0][0].x, 1e-6) << r;
        EXPECT_LT(g_Fish19UpperJaw[r][5].x, g_Fish19Body[0][0].x - 0.03f) << "the snout stands ahead";
    }
    for (int c = 0; c < 6; ++c) {
        EXPECT_NEAR(g_Fish19UpperJaw[7][c].z, g_Fish19LowerJaw[0][c].z, 1e-6) << "the lips meet, column " << c;
        EXPECT_NEAR(g_Fish19UpperJaw[7][c].y, g_Fish19LowerJaw[0][c].y, 1e-6) << c;
    }
    EXPECT_NEAR(g_Fish19UpperJaw[0][0].z, g_Fish19Body[0][0].z, 1e-6) << "from the ridge";
    EXPECT_NEAR(g_Fish19LowerJaw[6][0].z, g_Fish19Body[8][0].z, 1e-6) << "to the belly";
}

TEST(FishSpecies19Mesh, FinsRootInTheBodyAndTheEyeClosesOnItsCentre)
{
    struct Roots {
        const char* name;
        const FishVertex* points;
        int count;
    } const roots[] = {
        {"dorsal", &g_Fish19Dorsal[1][0], 7},
        {"anal", &g_Fish19Anal[1][0], 7},
        {"tail", &g_Fish19Tail[0][0], 9},
    };
    for (const Roots& r : roots)
        for (int c = 0; c < r.count; ++c) {
            const FishVertex& p = r.points[c];
            EXPECT_EQ(p.y, 0.0f) << r.name << " stands in the midline";
            EXPECT_TRUE(WithinOutline(p.x, p.z)) << r.name << " root " << c << " at " << p.x << ", " << p.z;
        }
    // The sails' middle rows lie between their roots and their edges.
    for (int c = 0; c < 7; ++c) {
        EXPECT_GT(g_Fish19Dorsal[0][c].z, g_Fish19Dorsal[1][c].z);
        EXPECT_LT(g_Fish19Dorsal[0][c].z, g_Fish19Dorsal[2][c].z);
        EXPECT_LT(g_Fish19Anal[0][c].z, g_Fish19Anal[1][c].z);
        EXPECT_GT(g_Fish19Anal[0][c].z, g_Fish19Anal[2][c].z);
    }
    // The eye: row C one point, one normal, one texture coordinate; the
    // rings A and B close on their first point; on the head's flank.
    for (int k = 0; k < 7; ++k) {
        const FishVertex& a = g_Fish19Eye[2][k];
        const FishVertex& b = g_Fish19Eye[2][0];
        const std::array<float, 8> point{a.x, a.y, a.z, a.nx, a.ny, a.nz, a.s, a.t};
        const std::array<float, 8> first{b.x, b.y, b.z, b.nx, b.ny, b.nz, b.s, b.t};
        EXPECT_EQ(point, first) << k;
    }
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(g_Fish19Eye[r][6].x, g_Fish19Eye[r][0].x);
        EXPECT_EQ(g_Fish19Eye[r][6].z, g_Fish19Eye[r][0].z);
    }
    const FishVertex& centre = g_Fish19Eye[2][0];
    EXPECT_LT(centre.x, g_Fish19Body[0][3].x) << "on the head";
    EXPECT_GT(-centre.y, HalfWidth(centre.x, centre.z)) << "standing out of the flank";
}

TEST(FishSpecies19Mesh, PectoralsTurningApartFromTheBodyNeverShowThroughTheOtherFlank)
{
    // The pectorals turn by the fifth bend angle, the body by the first: in a
    // turn the two differ by up to 4 x 20 degrees either way. Turned by any
    // such difference, no point of either fin stands out of the other flank,
    // and the roots stay on their own.
    for (int degrees = -80; degrees <= 80; degrees += 5) {
        const double a = degrees * kPi / 180;
        const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
        for (float side : {1.0f, -1.0f})
            for (int row = 0; row < 2; ++row)
                for (int k = 0; k < 12; ++k) {
                    const FishVertex& p = g_Fish19Pectoral[row][k];
                    const float y = side * p.y;
                    const float x2 = c * p.x - s * y, y2 = s * p.x + c * y;
                    const float width = HalfWidth(x2, p.z);
                    if ((y2 > 0) != (y > 0)) {
                        EXPECT_LE(std::fabs(y2), std::max(width, 0.0f) + 1e-3f)
                            << degrees << " degrees, row " << row << ", column " << k;
                    }
                    if (row == 1) {
                        EXPECT_LT(std::fabs(y2) - width, 0.012f) << "root " << k << " at " << degrees << " degrees";
                    }
                }
    }
}

TEST(FishSpecies19Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies19);
}

}  // namespace
