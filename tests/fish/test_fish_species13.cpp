// Species 13, the clown loach: its construction and random draws, its
// generators (the mouth's ramps and their toggle, the body wave that starts
// at segment 10, the sines), its parts (rotations and wave offsets of each,
// mirrors, the tail pulled in by mode 2), a fish whose m_bAlive is clear, the
// bend at an x wall and its wander decision.
#include "fish/fish_species13.h"
#include "fish/fish_species13_meshes.h"
#include "fish_test_util.h"
#include "platform/crt.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species13.cpp).
enum { kRamp, kToggle, kBend, kBody, kS5, kS7, kS9, kS10 };

constexpr double kPi = 3.14159265358979323846;

// The parts in drawing order: strips and points per strip.
const PartShape kShapes[] = {
    {"body", 10, 40},     {"upper jaw", 6, 14}, {"lower jaw", 4, 14}, {"dorsal", 1, 8}, {"keel", 1, 20},
    {"pectorals", 2, 46}, {"pelvics", 2, 18},   {"anal", 1, 24},      {"tail", 1, 62},  {"eyes", 4, 14},
};
constexpr size_t kPrimitives = 32, kVertices = 838;

using Vec = std::array<float, 3>;

TEST(FishSpecies13Construction, StartValuesOscillatorsAndTheTemplatesDraws)
{
    // Wave number, amplitude and phase step of each oscillator, as fractions
    // of pi (the stored floats lie within a step of them); phases start at 0.
    ExpectStartValues<CFishSpecies13>({.segments = 20,
                                       .drift = false,
                                       .blocks = {{kPi / 32, 0.01, kPi / 8},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 24, 0.01, kPi / 8},
                                                  {},
                                                  {kPi / 20, 0.03, kPi / 8},
                                                  {},
                                                  {kPi / 4, 0.01, kPi / 6},
                                                  {kPi / 4, 0.02, kPi / 8}}},
                                      {1u, 13u, 4242u});
}

class Species13Test : public FishSpeciesTest<CFishSpecies13> {
protected:
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 31; ++i) {
            f[kRamp][i] = 0.0021f * i;
            f[kToggle][i] = 0.0029f * i + 0.001f;
            f[kBend][i] = 7.0f + 11.0f * i;
            f[kBody][i] = 0.003f * (i + 1);
            f[kS5][i] = 0.0011f * (i + 1);
            f[kS7][i] = 0.0017f * (i + 1) - 0.004f;
            f[kS9][i] = 0.0013f * (i + 1);
            f[kS10][i] = 0.0019f * (i + 1) - 0.02f;
        }
        return f;
    }
};

TEST_F(Species13Test, EachFrameDrawsTenPartsInOrder)
{
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), kPrimitives);
    ExpectStripsLaidOut(recorder, fish, kShapes, "mode 0");
    EXPECT_EQ(recorder.VertexCount(), kVertices);
    for (int mode : {1, 2, 3}) {
        recorder.primitives.clear();
        fish.Draw(mode);
        EXPECT_EQ(fish.m_nDrawVariant, mode);
        EXPECT_EQ(recorder.primitives.size(), kPrimitives) << mode;
        EXPECT_EQ(recorder.VertexCount(), kVertices) << mode;
    }
}

TEST_F(Species13Test, AFishNoLongerAliveOpensEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 10;
    const int phase = fish.m_Wave[10].counter;
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), kPrimitives);
    EXPECT_EQ(recorder.VertexCount(), 0u);
    EXPECT_LT(fish.m_fPos[0], 10.0f);  // heading 0: toward falling x
    EXPECT_EQ(fish.m_Wave[10].counter, phase + 1) << "the generators still run";
    EXPECT_NE(fish.m_fHitBox[0], 0.0f) << "and the hit box follows the fish";
}

TEST_F(Species13Test, RandomDrawsPerFrameAreTheBendsOnly)
{
    // One draw a frame; on the third the (already reached) heading settles
    // its segments: one more; no drift.
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
    // Round to 180: the bend last drawn before the head came round (at 160)
    // leaves the last of 20 segments at 160 - 19 x 20; it catches up 20 a
    // frame: 20 frames that move and one that finds nothing left.
    const int settling = FramesSettlingRoundTo180(recorder, fish, 60);
    EXPECT_EQ(settling, 21);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
}

// One part's rule: the strips as row pairs, a y-negated pass after them, the
// angle of column c, and the offset (size-1 units, added after the y
// negation) of the first or second vertex of column c.
struct PartRule {
    const char* name;
    void (CFishSpecies13::*draw)(const FishFrame&);
    const FishVertex* mesh;
    int rows, columns;
    bool mirrored;
    std::function<float(const FishFrame&, int c)> angle;
    std::function<Vec(const FishFrame&, int c, bool second, bool mirror)> offset;
};

Vec None(const FishFrame&, int, bool, bool) { return {0, 0, 0}; }

std::vector<PartRule> Rules()
{
    auto once = [](int segment) { return [segment](const FishFrame& f, int) { return f[kBend][segment]; }; };
    return {
        // Each column turns with its segment and sways by it, in both halves.
        {"body", &CFishSpecies13::DrawBody, &g_Fish13Body[0][0], 6, 20, true,
         [](const FishFrame& f, int c) { return f[kBend][c]; },
         [](const FishFrame& f, int c, bool, bool) { return Vec{0, f[kBody][c], 0}; }},
        // The mouth: the upper jaw lifts by the toggle on columns 0 to 5, the
        // lower jaw drops by the ramp on columns 0 to 3.
        {"upper jaw", &CFishSpecies13::DrawPart1, &g_Fish13UpperJaw[0][0], 4, 7, true, once(0),
         [](const FishFrame& f, int c, bool, bool) { return Vec{0, 0, c <= 5 ? f[kToggle][c] : 0.0f}; }},
        {"lower jaw", &CFishSpecies13::DrawPart2, &g_Fish13LowerJaw[0][0], 3, 7, true, once(0),
         [](const FishFrame& f, int c, bool, bool) { return Vec{0, 0, c <= 3 ? -f[kRamp][c] : 0.0f}; }},
        {"dorsal", &CFishSpecies13::DrawPart3, &g_Fish13Dorsal[0][0], 2, 4, false,
         [](const FishFrame& f, int c) { return f[kBend][8 + c]; }, None},
        {"keel", &CFishSpecies13::DrawPart4, &g_Fish13Keel[0][0], 2, 10, false, once(15),
         [](const FishFrame& f, int, bool, bool) { return Vec{0, f[kBody][15], 0}; }},
        // The pectorals' edge moves by its sine in x, y and z; the copy
        // negates the sideways part with y.
        {"pectorals", &CFishSpecies13::DrawPart5, &g_Fish13Pectoral[0][0], 2, 23, true, once(4),
         [](const FishFrame& f, int c, bool second, bool mirror) {
             const float d = second ? f[kS5][c] : 0.0f;
             return Vec{d, mirror ? -d : d, d};
         }},
        {"pelvics", &CFishSpecies13::DrawPart6, &g_Fish13Pelvic[0][0], 2, 9, true, once(4),
         [](const FishFrame& f, int c, bool second, bool mirror) {
             const float d = second ? 0.0f : f[kS7][c];
             return Vec{0, mirror ? -d : d, 0};
         }},
        // The anal fin: segments 10 to 15, two columns each; its edge waves too.
        {"anal", &CFishSpecies13::DrawPart7, &g_Fish13Anal[0][0], 2, 12, false,
         [](const FishFrame& f, int c) { return f[kBend][10 + c / 2]; },
         [](const FishFrame& f, int c, bool second, bool) {
             return Vec{0, f[kBody][10 + c / 2] + (second ? f[kS9][c] : 0.0f), 0};
         }},
        {"tail", &CFishSpecies13::DrawPart8, &g_Fish13Tail[0][0], 2, 31, false, once(18),
         [](const FishFrame& f, int c, bool second, bool) {
             return Vec{0, f[kBody][19] + (second ? 0.0f : f[kS10][c]), 0};
         }},
        {"eyes", &CFishSpecies13::DrawPart9, &g_Fish13Eye[0][0], 3, 7, true, once(0), None},
    };
}

TEST_F(Species13Test, EachPartTurnsAndMovesByItsRule)
{
    const FishFrame f = KnownFrame();
    for (int size : {5, 4, 8}) {
        fish.m_nSize = size;
        for (const PartRule& rule : Rules()) {
            SCOPED_TRACE(std::string(rule.name) + " size " + std::to_string(size));
            recorder.primitives.clear();
            (fish.*rule.draw)(f);
            const int strips = rule.rows - 1;
            ASSERT_EQ(recorder.primitives.size(), size_t(rule.mirrored ? 2 * strips : strips));
            for (size_t s = 0; s < recorder.primitives.size(); ++s) {
                const bool mirror = int(s) >= strips;
                const int row = int(s) % strips;
                ASSERT_EQ(recorder.primitives[s].vertices.size(), size_t(2 * rule.columns));
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.mesh[(row + k) * rule.columns + c];
                        const Vec d = rule.offset(f, c, k == 1, mirror);
                        const Vec at{(p.x + d[0]) * size, ((mirror ? -p.y : p.y) + d[1]) * size, (p.z + d[2]) * size};
                        const RecordedVertex& v = recorder.primitives[s].vertices[2 * c + k];
                        ExpectNearPoint(v.position, TurnedAboutZ(at, rule.angle(f, c)),
                                        "strip " + std::to_string(s) + " column " + std::to_string(c), 3e-5f);
                        // Normals and texture coordinates go as stored, in both passes.
                        EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz}));
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t}));
                    }
            }
        }
    }
}

TEST_F(Species13Test, ModeTwoPullsOnlyTheTailsEdgeTowardItsFork)
{
    CFishSpecies13 other = fish;
    std::vector<RecordedPrimitive> pulled;
    {
        VertexRecorder second;
        crt::srand(5);
        other.Draw(2);
        pulled = second.primitives;
    }
    crt::srand(5);
    fish.Draw(0);
    ASSERT_EQ(pulled.size(), recorder.primitives.size());
    const size_t tail = kPrimitives - 4 - 1;
    const float angle = static_cast<float>(fish.m_nBendAngle[18]);
    float most = 0;
    for (size_t s = 0; s < recorder.primitives.size(); ++s)
        for (size_t i = 0; i < recorder.primitives[s].vertices.size(); ++i) {
            const Vec& a = recorder.primitives[s].vertices[i].position;
            const Vec& b = pulled[s].vertices[i].position;
            if (s != tail || i % 2 == 1) {
                EXPECT_EQ(a, b) << "primitive " << s << " vertex " << i;
                continue;
            }
            // Column c's edge point comes c steps forward up to the fork
            // (column 15, 16 steps), and back out to the lower tip.
            const int c = int(i / 2), steps = c <= 14 ? c : 31 - c;
            const Vec pull = TurnedAboutZ({-0.004f * steps * fish.m_nSize, 0, 0}, angle);
            ExpectNearPoint(b, {a[0] + pull[0], a[1] + pull[1], a[2] + pull[2]}, "column " + std::to_string(c),
                            2e-5f);
            most = std::max(most, std::hypot(b[0] - a[0], b[1] - a[1]));
        }
    EXPECT_NEAR(most, 16 * 0.004f * fish.m_nSize, 1e-5);
}

TEST_F(Species13Test, TheRampsAreZeroWhileTheStrokeIsSetAndRiseByTheSlopeOtherwise)
{
    for (BYTE stroke : {BYTE(1), BYTE(0)}) {
        fish.m_bStroke = stroke;
        float ramp[6], toggle[7];
        const int counter = fish.m_Wave[1].counter;
        fish.ComputeRamp(ramp, 6);
        EXPECT_EQ(fish.m_Wave[1].counter, counter) << "the ramp counts nothing";
        fish.ComputeRampToggle(toggle, 7);
        for (int i = 0; i < 7; ++i) {
            const float expected = stroke ? 0.0f : i * 0.003f;
            if (i < 6) {
                EXPECT_FLOAT_EQ(ramp[i], expected) << int(stroke) << " " << i;
            }
            EXPECT_FLOAT_EQ(toggle[i], expected) << int(stroke) << " " << i;
        }
    }
    // While the stroke flag is set the mouth is drawn closed: the jaws as stored.
    fish.m_bStroke = 1;
    fish.m_Wave[1].counter = 0;
    fish.Draw(0);
    const auto upper = Part(1)[0];
    for (int c = 0; c < 7; ++c)
        EXPECT_NEAR(upper.vertices[2 * c].position[2], g_Fish13UpperJaw[0][c].z * 5, 1e-5) << c;
}

TEST_F(Species13Test, TheToggleFlipsTheStrokeFiftyTwoCallsApart)
{
    // From a random start r the first flip comes 52 - r calls after birth;
    // the counter runs on calls that fill nothing too.
    for (int start : {0, 7, 14}) {
        CFishSpecies13 f = fish;
        f.m_Wave[1].counter = start;
        f.m_bStroke = 1;
        std::vector<int> flips;
        for (int call = 1; call <= 52 * 3; ++call) {
            const BYTE before = f.m_bStroke;
            float out[7];
            f.ComputeRampToggle(out, call % 2 ? 7 : 0);
            if (f.m_bStroke != before)
                flips.push_back(call);
        }
        ASSERT_EQ(flips.size(), 3u) << start;
        EXPECT_EQ(flips[0], 52 - start);
        EXPECT_EQ(flips[1] - flips[0], 52);
        EXPECT_EQ(flips[2] - flips[1], 52);
    }
    // Through Draw: a fish born with counter 14 flips on its 38th frame.
    fish.m_Wave[1].counter = 14;
    for (int frame = 1; frame <= 38; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        EXPECT_EQ(fish.m_bStroke, frame < 38 ? 1 : 0) << frame;
    }
    // Now the jaws open: the upper lifts by the toggle's i x 0.003 (this
    // frame's values, made before the flip, are still zero; the next are not).
    recorder.primitives.clear();
    fish.Draw(0);
    const auto upper = Part(1)[0];
    const auto lower = Part(2)[0];
    for (int c = 0; c < 7; ++c) {
        const float lift = c <= 5 ? c * 0.003f : 0.0f;
        EXPECT_NEAR(upper.vertices[2 * c].position[2], (g_Fish13UpperJaw[0][c].z + lift) * 5, 1e-5) << c;
        const float drop = c <= 3 ? c * 0.003f : 0.0f;
        EXPECT_NEAR(lower.vertices[2 * c].position[2], (g_Fish13LowerJaw[0][c].z - drop) * 5, 1e-5) << c;
    }
}

TEST_F(Species13Test, TheBodyWaveStartsAtSegmentTenAndStepsEveryFifthCall)
{
    const double k = fish.m_Wave[0].waveNumber, step = fish.m_Wave[0].phaseStep;
    for (int call = 1; call <= 25; ++call) {
        float out[20];
        fish.ComputeBodyWave(out, 20);
        const double phase = (call / 5) * step;
        EXPECT_NEAR(fish.m_Wave[0].phase, phase, 1e-6) << call;
        for (int i = 0; i < 20; ++i) {
            const double expected = i < 10 ? 0.0 : std::sin(i * k + phase) * (i - 10) * 0.01 * 0.5;
            if (i < 10) {
                EXPECT_EQ(out[i], 0.0f) << call << " " << i;
            } else {
                EXPECT_NEAR(out[i], expected, 1e-7) << call << " " << i;
            }
        }
    }
    // The generator leaves its last factor, (19 - 10) x 0.01, in the amplitude.
    EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.09f);
}

TEST_F(Species13Test, SinesStepEverySeventhCallAndTheTailFollowsItsOwn)
{
    for (int frame = 1; frame <= 21; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        for (int block : {5, 7, 9, 10})
            EXPECT_NEAR(fish.m_Wave[block].phase, (frame / 7) * fish.m_Wave[block].phaseStep, 1e-5)
                << "block " << block << " frame " << frame;
        for (int block : {2, 3, 4, 6, 8})
            EXPECT_EQ(fish.m_Wave[block].phase, 0.0f) << block;
    }
    // After 21 frames the tail's oscillator has stepped three times: its
    // edge sways by 0.02 sin(c pi / 4 + 3 pi / 8) plus the body's last value.
    const double phase = 3 * static_cast<double>(fish.m_Wave[10].phaseStep);
    const double body = std::sin(19 * static_cast<double>(fish.m_Wave[0].waveNumber) + fish.m_Wave[0].phase) * 9 * 0.005;
    const RecordedPrimitive tail = Part(8)[0];
    const float angle = static_cast<float>(fish.m_nBendAngle[18]);
    for (int c = 0; c < 31; ++c) {
        const FishVertex& p = g_Fish13Tail[0][c];
        const double wave = 0.02 * std::sin(c * kPi / 4 + phase);
        ExpectNearPoint(tail.vertices[2 * c].position,
                        TurnedAboutZ({p.x * 5, static_cast<float>((p.y + wave + body) * 5), p.z * 5}, angle),
                        "column " + std::to_string(c), 1e-4f);
    }
}

TEST_F(Species13Test, APhaseOnTwoPiStaysUntilItsNextStepAndOnePastItRestartsAtZero)
{
    struct Case {
        float phase;
        int counter;
        float after;
    } const cases[] = {
        {6.283185f, 0, 6.283185f},  // exactly 2 pi as stored, no step: kept
        {6.2831855f, 0, 0.0f},      // just above: restarts
        {6.283185f, 6, 0.0f},       // on 2 pi, then a step: 0
        {6.0f, 6, 0.0f},            // a step past 2 pi: 0, not the excess
        {5.0f, 6, 5.0f + 0.39269906f},
    };
    for (const Case& c : cases) {
        fish.m_Wave[10].phase = c.phase;
        fish.m_Wave[10].counter = c.counter;
        float out[31];
        fish.ComputeSineWave(out, 31);
        EXPECT_FLOAT_EQ(fish.m_Wave[10].phase, c.after) << c.phase << " " << c.counter;
    }
}

TEST_F(Species13Test, TheShownPitchClimbsOneDegreeAFrameToTheTarget)
{
    fish.m_fPitch = 4;
    const float expected[6] = {1, 2, 3, 4, 4, 4};
    for (float e : expected) {
        recorder.primitives.clear();
        fish.Draw(0);
        EXPECT_EQ(fish.m_fShownPitch, e);
    }
}

TEST_F(Species13Test, AtAnXWallEveryBendValueIsTheTargetAndTheHeadingJumpsToIt)
{
    fish.m_nWallState = 1;
    fish.m_nTargetHeading = 180;
    fish.m_fHeading = 40;
    float out[20] = {};
    fish.ComputeBendToHeading(out, 20, 180.0f);
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(out[i], 180.0f) << i;
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    }
    // Away from the walls the segments trail the head by 20 degrees each.
    CFishSpecies13 free = fish;
    free.m_nWallState = 0;
    free.m_fHeading = 40;
    free.m_nBendCounter = 0;
    free.m_fLastTarget = 0;
    free.ComputeBendToHeading(out, 20, 180.0f);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(out[i], 40.0f - 20.0f * i) << i;
}

TEST_F(Species13Test, AWanderDecisionDrawsItsValuesInOrderAndSetsTheSwimStyle)
{
    ExpectWanderDecisionDrawsInOrder<CFishSpecies13>(fish, {2u, 3u, 11u, 13u}, 1, 6, [](CFishSpecies13& f) {
        // Every target speed is 0.1 or more: the style's factor is 1.5.
        ExpectTemplateSwimStyle(f, 1.5, false);
        // The pelvic, anal and tail sines keep their birth values.
        EXPECT_NEAR(f.m_Wave[7].waveNumber, kPi / 20, 1e-6);
        EXPECT_NEAR(f.m_Wave[10].amplitude, 0.02, 1e-7);
    });
}

}  // namespace
