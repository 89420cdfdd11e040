// Species 16, the figure-eight puffer: its construction and random draws,
// its generators, its parts (one rotation for the whole fish, the tail
// stalk's sway, the fins' mirrored edges, the tail stretched in mode 1), a
// fish whose m_bAlive is clear, its turn, walls and wander decision.
#include "fish/fish_species16.h"
#include "fish/fish_species16_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species16.cpp).
enum { kBend, kBody, kG3, kG6, kG8, kG10 };

constexpr double kPi = 3.14159265358979323846;
constexpr int kSegments = 23;

// The parts in drawing order: strips (both passes) and points per strip.
const PartShape kShapes[] = {
    {"body", 10, 46},     {"head", 6, 14},   {"mouth", 2, 12}, {"pectorals", 2, 46},
    {"dorsal", 2, 38},    {"anal", 2, 20},   {"tail", 2, 70},  {"eyes", 4, 14},
};
constexpr size_t kPrimitives = 30;
constexpr size_t kVertices = 460 + 84 + 24 + 92 + 76 + 40 + 140 + 56;

TEST(FishSpecies16Construction, StartValuesOscillatorsAndTheTemplatesDraws)
{
    // Wave number, amplitude and phase step of each oscillator, as fractions
    // of pi (the stored floats lie within a step of them); phases start at 0.
    ExpectStartValues<CFishSpecies16>({.segments = kSegments,
                                       .drift = false,
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 10, 0.02, kPi / 6},
                                                  {},
                                                  {},
                                                  {kPi / 10, 0.02, kPi / 6},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 6},
                                                  {},
                                                  {kPi / 10, 0.02, kPi / 4}}},
                                      {1u, 16u, 4242u});
    // Each stored wave number and step is the float one step below the
    // float nearest its fraction of pi.
    CFishSpecies16 fish;
    struct Stored {
        int block;
        int waveDivisor, stepDivisor;
    } const stored[] = {{0, 12, 4}, {3, 10, 6}, {6, 10, 6}, {7, 16, 6}, {8, 10, 6}, {10, 10, 4}};
    auto below = [](int n) { return std::nextafter(static_cast<float>(kPi / n), 0.0f); };
    for (const Stored& s : stored) {
        EXPECT_EQ(fish.m_Wave[s.block].waveNumber, below(s.waveDivisor)) << s.block;
        EXPECT_EQ(fish.m_Wave[s.block].phaseStep, below(s.stepDivisor)) << s.block;
    }
}

class Species16Test : public FishSpeciesTest<CFishSpecies16> {
protected:
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 35; ++i) {
            f[kBend][i] = 37.0f + 11.0f * i;
            f[kBody][i] = 0.0031f * (i + 1) - 0.03f;
            f[kG3][i] = 0.0011f * (i + 1);
            f[kG6][i] = 0.0017f * (i + 1) - 0.01f;
            f[kG8][i] = 0.0013f * (i + 1);
            f[kG10][i] = 0.0019f * (i + 1) - 0.02f;
        }
        return f;
    }
};

TEST_F(Species16Test, EachFrameDrawsEightPartsInOrder)
{
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), kPrimitives);
    ExpectStripsLaidOut(recorder, fish, kShapes, "mode 0");
    EXPECT_EQ(recorder.VertexCount(), kVertices);
    // Mode 1 draws the same strips and keeps the mode.
    recorder.primitives.clear();
    fish.Draw(1);
    EXPECT_EQ(fish.m_nDrawVariant, 1);
    EXPECT_EQ(recorder.primitives.size(), kPrimitives);
    EXPECT_EQ(recorder.VertexCount(), kVertices);
}

TEST_F(Species16Test, AFishNoLongerAliveOpensEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 10;
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), kPrimitives);
    EXPECT_EQ(recorder.VertexCount(), 0u);
    EXPECT_LT(fish.m_fPos[0], 10.0f);  // heading 0: toward falling x
}

TEST_F(Species16Test, EveryPartTurnsByTheFirstBendAndMovesByItsWave)
{
    // Position of each vertex from the part's rule: the stored point times
    // the size, y negated in the second pass, the wave of column k times the
    // size added to y, on both rows of the body (keeping its sign in the
    // copy) and on a fin's edge row (negated with y in the copy); all turned
    // by bend[0] about z.
    const FishFrame f = KnownFrame();
    enum Wave { kNone, kBothRowsSameSign, kEdgeMirrored };
    struct Rule {
        const char* name;
        void (CFishSpecies16::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int rows, columns;
        int array;
        Wave wave;
    } const rules[] = {
        {"body", &CFishSpecies16::DrawBody, &g_Fish16Body[0][0], 6, 23, kBody, kBothRowsSameSign},
        {"head", &CFishSpecies16::DrawPart1, &g_Fish16Head[0][0], 4, 7, 0, kNone},
        {"mouth", &CFishSpecies16::DrawPart2, &g_Fish16Mouth[0][0], 2, 6, 0, kNone},
        {"pectorals", &CFishSpecies16::DrawPart3, &g_Fish16Pectoral[0][0], 2, 23, kG3, kEdgeMirrored},
        {"dorsal", &CFishSpecies16::DrawPart4, &g_Fish16Dorsal[0][0], 2, 19, kG6, kEdgeMirrored},
        {"anal", &CFishSpecies16::DrawPart5, &g_Fish16Anal[0][0], 2, 10, kG8, kEdgeMirrored},
        {"tail", &CFishSpecies16::DrawPart6, &g_Fish16Tail[0][0], 2, 35, kG10, kEdgeMirrored},
        {"eyes", &CFishSpecies16::DrawPart7, &g_Fish16Eye[0][0], 3, 7, 0, kNone},
    };
    for (int size : {5, 8}) {
        fish.m_nSize = size;
        const float s = static_cast<float>(size);
        for (const Rule& rule : rules) {
            SCOPED_TRACE(std::string(rule.name) + " size " + std::to_string(size));
            recorder.primitives.clear();
            (fish.*rule.draw)(f);
            const int strips = rule.rows - 1;
            ASSERT_EQ(recorder.primitives.size(), size_t(2 * strips));
            for (int strip = 0; strip < 2 * strips; ++strip) {
                const bool mirror = strip >= strips;
                const int first = strip % strips;
                ASSERT_EQ(recorder.primitives[strip].vertices.size(), size_t(2 * rule.columns));
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const int row = first + k;
                        const FishVertex& p = rule.mesh[row * rule.columns + c];
                        float w = 0;
                        if (rule.wave == kBothRowsSameSign)
                            w = f[rule.array][c];
                        else if (rule.wave == kEdgeMirrored && row == 0)
                            w = mirror ? -f[rule.array][c] : f[rule.array][c];
                        const float y = (mirror ? -p.y : p.y) + w;
                        const RecordedVertex& v = recorder.primitives[strip].vertices[2 * c + k];
                        ExpectNearPoint(v.position, TurnedAboutZ({p.x * s, y * s, p.z * s}, f[kBend][0]),
                                        "strip " + std::to_string(strip) + " column " + std::to_string(c), 4e-5f);
                        // Normals and texture coordinates go as stored, in both passes.
                        EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz}));
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t}));
                    }
            }
        }
    }
}

TEST_F(Species16Test, InModeOneTheTailsEdgeReachesOnePointFourTimesAsFarInBothPasses)
{
    const FishFrame f = KnownFrame();
    for (int mode : {0, 1, 2}) {
        fish.m_nDrawVariant = mode;
        recorder.primitives.clear();
        fish.DrawPart6(f);
        ASSERT_EQ(recorder.primitives.size(), 2u);
        const float factor = mode == 1 ? 1.4f : 1.0f;
        for (int pass = 0; pass < 2; ++pass)
            for (int c = 0; c < 35; ++c) {
                const FishVertex& a = g_Fish16Tail[0][c];
                const FishVertex& b = g_Fish16Tail[1][c];
                const float ya = pass == 0 ? a.y + f[kG10][c] : -(a.y + f[kG10][c]);
                ExpectNearPoint(recorder.primitives[pass].vertices[2 * c].position,
                                TurnedAboutZ({a.x * factor * 5, ya * 5, a.z * 5}, f[kBend][0]),
                                "edge, mode " + std::to_string(mode), 4e-5f);
                ExpectNearPoint(recorder.primitives[pass].vertices[2 * c + 1].position,
                                TurnedAboutZ({b.x * 5, (pass == 0 ? b.y : -b.y) * 5, b.z * 5}, f[kBend][0]),
                                "root, mode " + std::to_string(mode), 4e-5f);
            }
    }
}

TEST_F(Species16Test, GeneratorsAdvanceTheirPhasesOnTheirCadence)
{
    // Sines every 7th call, the body wave every 5th; blocks no generator
    // owns keep their phases.
    for (int frame = 1; frame <= 35; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const int sines = frame / 7, body = frame / 5;
        for (int block : {3, 6, 8, 10}) {
            float phase = 0;
            for (int k = 0; k < sines; ++k)
                phase += fish.m_Wave[block].phaseStep;
            EXPECT_EQ(fish.m_Wave[block].phase, phase) << "block " << block << ", frame " << frame;
        }
        float phase = 0;
        for (int k = 0; k < body; ++k)
            phase += fish.m_Wave[0].phaseStep;
        EXPECT_EQ(fish.m_Wave[0].phase, phase) << frame;
        for (int block : {1, 2, 4, 5, 7, 9})
            EXPECT_EQ(fish.m_Wave[block].phase, 0.0f) << block;
    }
}

TEST_F(Species16Test, TheBodyWaveMovesOnlyTheLastThreeColumns)
{
    // Phases where the sine is far from zero on the last columns.
    for (float phase : {0.0f, 0.9f, 2.5f, 4.4f}) {
        fish.m_Wave[0].phase = phase;
        fish.m_Wave[0].counter = 0;
        float out[23];
        std::fill(std::begin(out), std::end(out), 9.0f);
        fish.ComputeBodyWave(out, 23);
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(out[i], 0.0f) << "the front of the body never sways, column " << i;
        const float k = fish.m_Wave[0].waveNumber;
        for (int i = 20; i < 23; ++i) {
            const double factor = (i - 19) * 0.005;
            EXPECT_NEAR(out[i], std::sin(i * k + phase) * factor * 0.5, 1e-7) << i;
            EXPECT_LE(std::fabs(out[i]), 0.0075f + 1e-7f) << i;
        }
        // It leaves the last factor in the amplitude.
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.015f);
    }
    // Small counts: all zero and nothing past the count; the amplitude is
    // left alone until entry 19 writes its factor, 0.
    for (int n : {0, 1, 19, 20}) {
        fish.m_Wave[0].amplitude = 0.15f;
        float out[24];
        std::fill(std::begin(out), std::end(out), 9.0f);
        fish.ComputeBodyWave(out, n);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(out[i], 0.0f) << n;
        EXPECT_EQ(out[n], 9.0f) << "nothing past the count, " << n;
        EXPECT_EQ(fish.m_Wave[0].amplitude, n < 20 ? 0.15f : 0.0f) << n;
    }
}

TEST_F(Species16Test, EachSineIsItsAmplitudeTimesTheSineOfItsColumn)
{
    struct Gen {
        const char* name;
        void (CFishSpecies16::*compute)(float*, int);
        int block, count;
    } const gens[] = {
        {"pectoral", &CFishSpecies16::ComputePectoralWave, 3, 23},
        {"dorsal", &CFishSpecies16::ComputeSineWave, 6, 19},
        {"anal", &CFishSpecies16::ComputeAnalWave, 8, 10},
        {"tail", &CFishSpecies16::ComputeSineWave2, 10, 35},
    };
    for (const Gen& g : gens) {
        CFishSpecies16 f = fish;
        f.m_Wave[g.block].phase = 1.3f;
        f.m_Wave[g.block].counter = 6;  // this call advances the phase
        float out[36];
        std::fill(std::begin(out), std::end(out), 9.0f);
        (f.*g.compute)(out, g.count);
        const float phase = 1.3f + fish.m_Wave[g.block].phaseStep;
        EXPECT_EQ(f.m_Wave[g.block].phase, phase) << g.name;
        EXPECT_EQ(f.m_Wave[g.block].counter, 0) << g.name;
        for (int i = 0; i < g.count; ++i)
            EXPECT_NEAR(out[i], fish.m_Wave[g.block].amplitude * std::sin(i * fish.m_Wave[g.block].waveNumber + phase),
                        1e-7)
                << g.name << " " << i;
        EXPECT_EQ(out[g.count], 9.0f) << g.name;
    }
}

TEST_F(Species16Test, APhaseAboveTwoPiStartsAgainAtZeroAndOneBelowStays)
{
    // With the constructor's step of pi / 6 the phase runs twelve steps to
    // just below 2 pi (as floats add them), stays there a period, then 0.
    float expected = 0;
    std::vector<float> seen;
    for (int period = 0; period < 14; ++period) {
        for (int call = 0; call < 7; ++call) {
            float out[23];
            fish.ComputePectoralWave(out, 23);
        }
        seen.push_back(fish.m_Wave[3].phase);
    }
    for (int period = 0; period < 14; ++period) {
        expected += fish.m_Wave[3].phaseStep;
        if (expected > 6.283185f)
            expected = 0;
        EXPECT_EQ(seen[period], expected) << period;
    }
    EXPECT_LT(seen[11], 6.283185f);
    EXPECT_GT(seen[11], 6.28318f);
    EXPECT_EQ(seen[12], 0.0f);
    // Exactly 6.283185 stays; past it the phase restarts, not wraps.
    struct Case {
        float phase, after;
    } const cases[] = {{6.283185f, 6.283185f}, {std::nextafter(6.283185f, 7.0f), 0.0f}, {6.0f, 6.0f}};
    for (const Case& c : cases) {
        fish.m_Wave[10].phase = c.phase;
        fish.m_Wave[10].counter = 0;
        float out[35];
        fish.ComputeSineWave2(out, 35);
        EXPECT_EQ(fish.m_Wave[10].phase, c.after) << c.phase;
    }
}

TEST_F(Species16Test, RandomDrawsPerFrameAreTheBendsOnly)
{
    // One draw a frame; on the third the (already reached) heading settles
    // its segments: one more; no drift, no toggle.
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
    // While turning, one a frame; once the head is round, one more a frame
    // while the segments catch up. The last segment was left 20 x 22
    // degrees behind a heading of 160: it takes (180 - (160 - 440)) / 20
    // frames to arrive, and one more finds nothing left to move.
    const int settling = FramesSettlingRoundTo180(recorder, fish, 60);
    EXPECT_EQ(settling, (180 - (160 - 20 * (kSegments - 1))) / 20 + 1);
}

TEST_F(Species16Test, AfterATargetFlipTheDrawnYawStepsTwentyEveryThirdCall)
{
    // The ninth step reaches 180: 25 to 27 calls after the flip, as the
    // counter stood at 2, 1 or 0.
    for (int counter : {2, 1, 0}) {
        CFishSpecies16 f = fish;
        f.m_nBendCounter = counter;
        f.m_nTargetHeading = 180;
        int steps = 0, reached = 0;
        float drawn = 0;
        for (int call = 1; call <= 30 && !reached; ++call) {
            recorder.primitives.clear();
            f.Draw(0);
            // The snout's first point, as drawn: the turn about z by bend[0].
            const FishVertex& p = g_Fish16Body[0][0];
            const auto& v = recorder.primitives[0].vertices[0].position;
            const double yaw = (std::atan2(v[1], v[0]) - std::atan2(p.y, p.x)) * 180.0 / kPi;
            const float wrapped = static_cast<float>(yaw - 360.0 * std::floor((yaw + 1.0) / 360.0));
            if (std::fabs(wrapped - drawn) > 1) {
                EXPECT_NEAR(wrapped - drawn, 20.0f, 1e-3) << "counter " << counter << ", call " << call;
                drawn = wrapped;
                ++steps;
            }
            EXPECT_NEAR(wrapped, f.m_fHeading, 1e-3) << "the drawn yaw is the heading";
            if (f.m_fHeading == 180.0f)
                reached = call;
        }
        EXPECT_EQ(steps, 9) << counter;
        EXPECT_EQ(reached, 25 + (2 - counter)) << counter;
    }
}

TEST_F(Species16Test, AtAnXWallTheWholeFishComesRoundAtOnce)
{
    fish.m_fPos[0] = -49.99f;
    fish.m_fPitch = 0;
    fish.Draw(0);  // swims past the wall: turned back
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw(0);  // the bend snaps to the target
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    const FishVertex& p = g_Fish16Body[0][0];
    ExpectNearPoint(Part(0)[0].vertices[0].position, TurnedAboutZ({p.x * 5, p.y * 5, p.z * 5}, 180.0f), "snout");
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f + 0.05f);
    EXPECT_EQ(fish.m_nWallState, 0);
}

TEST_F(Species16Test, AtAWallFacingAwayFromItsTargetTheFishWaits)
{
    // Wall state 1 or 2 with the heading more than 15 degrees off: no
    // advance, and the wall state stays until the heading comes within 15.
    for (int wall : {1, 2}) {
        CFishSpecies16 f = fish;
        f.m_nWallState = wall;
        f.m_fHeading = 40;
        f.m_nTargetHeading = 0;
        f.m_fPos[0] = 3;
        f.m_fPos[1] = 1;
        f.m_fPos[2] = -100;  // clear of the z walls
        f.m_fPitch = 20;
        f.Move();
        EXPECT_EQ(f.m_fPos[0], 3.0f) << wall;
        EXPECT_EQ(f.m_fPos[1], 1.0f) << wall;
        EXPECT_EQ(f.m_fPos[2], -100.0f) << wall;
        EXPECT_EQ(f.m_nWallState, wall);
        f.m_fHeading = 15;
        f.Move();
        EXPECT_GT(f.m_fPos[1], 1.0f) << "on its way up, " << wall;
        EXPECT_GT(f.m_fPos[2], -100.0f) << wall;
        EXPECT_EQ(f.m_nWallState, 0) << "recomputed once within 15 degrees";
    }
}

TEST_F(Species16Test, AHeadingPastOneTurnComesBackToHalfATurn)
{
    struct Case {
        float heading, after;
    } const cases[] = {{360.0f, 360.0f}, {360.5f, 180.0f}, {-360.0f, -360.0f}, {-360.5f, -180.0f}};
    for (const Case& c : cases) {
        CFishSpecies16 f = fish;
        f.m_fHeading = c.heading;
        f.Move();
        EXPECT_EQ(f.m_fHeading, c.after) << c.heading;
    }
}

TEST_F(Species16Test, TheShownPitchClimbsOneDegreeAFrameToTheTarget)
{
    for (int target : {0, 3, 44}) {
        CFishSpecies16 f = fish;
        f.m_fPitch = static_cast<float>(target);
        for (int frame = 1; frame <= 50; ++frame) {
            recorder.primitives.clear();
            f.Draw(0);
            EXPECT_EQ(f.m_fShownPitch, static_cast<float>(std::min(frame, target))) << target;
        }
    }
}

TEST_F(Species16Test, AWanderDecisionDrawsItsValuesInOrderAndSetsTheSwimStyle)
{
    // The bend's draw, then the new counter, the target speed, a new heading
    // and pitch (the heading has arrived), perhaps a new speed, and the swim
    // style's discarded draw.
    ExpectWanderDecisionDrawsInOrder<CFishSpecies16>(fish, {2u, 3u, 11u, 16u}, 1, 6, [](CFishSpecies16& f) {
        // Every target speed is 0.1 or more: the style's factor is 1.5.
        ExpectTemplateSwimStyle(f, 1.5);
        // The other sines keep their rates; the next frame's body wave
        // writes its last factor over the style's amplitude.
        EXPECT_NEAR(f.m_Wave[6].amplitude, 0.02, 1e-9);
        EXPECT_NEAR(f.m_Wave[10].phaseStep, kPi / 4, 1e-6);
        f.Draw(0);
        EXPECT_FLOAT_EQ(f.m_Wave[0].amplitude, 0.015f);
    });
}

TEST_F(Species16Test, TheFirstWanderDecisionComes103To302FramesAfterBirth)
{
    // The birth counter is rand() % 200; the decision comes on the call that
    // finds it at 301.
    ExpectFirstWanderDecisionAsTheTimerPasses300(recorder, fish, {0, 150, 199});
}

TEST_F(Species16Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw(0);  // the waves under way
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

}  // namespace
