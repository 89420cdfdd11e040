// Species 14, the kuhli loach: its construction and random draws, its
// generators (the body wave still for five segments, the folded wave, the
// tail's sine), its parts (each body column by its own bend, the head
// mirrored inside each strip, the pelvic pair, the tail), a fish whose
// m_bAlive is clear, its draw mode and its wander decision.
#include "fish/fish_species14.h"
#include "fish/fish_species14_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species14.cpp).
enum { kBend, kBody, kFold, kTailSine };

constexpr double kPi = 3.14159265358979323846;

using Vec = std::array<float, 3>;

// The parts in drawing order: strips and points per strip.
const PartShape kShapes[] = {{"body", 10, 40}, {"head", 5, 20}, {"pelvics", 2, 26}, {"tail", 1, 46}};

TEST(FishSpecies14Construction, StartValuesOscillatorsAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies14>({.segments = 20,
                                       .drift = false,
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 32, 0.05, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.01, kPi / 6},
                                                  {kPi / 10, 0.02, kPi / 4}}},
                                      {1u, 14u, 4242u});
    // The drift fields hold their values, and no frame reads or moves them.
    crt::srand(3);
    CFishSpecies14 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    for (int frame = 0; frame < 20; ++frame)
        fish.Draw(0);
    EXPECT_EQ(fish.m_fDrift, 0.0f);
}

class Species14Test : public FishSpeciesTest<CFishSpecies14> {
protected:
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index); }
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 20; ++i) {
            f[kBend][i] = 5.0f + 13.0f * i;
            f[kBody][i] = 0.002f * (i + 1) - 0.015f;
        }
        for (int i = 0; i < 13; ++i)
            f[kFold][i] = 0.003f * (i + 1) - 0.02f;
        for (int i = 0; i < 23; ++i)
            f[kTailSine][i] = 0.0015f * (i + 1) - 0.01f;
        return f;
    }
    static void ExpectNear(const Vec& a, const Vec& b, const std::string& what) { ExpectNearPoint(a, b, what, 3e-5f); }
};

TEST_F(Species14Test, EachFrameDrawsFourPartsInOrder)
{
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), 18u);
    ExpectStripsLaidOut(recorder, fish, kShapes, "mode 0");
    // 6 x 20 body points in 5 strips, twice; the head's 5 strips of 5 + 5
    // columns; the pelvic pair; the tail.
    EXPECT_EQ(recorder.VertexCount(), 2u * 5 * 40 + 5u * 20 + 2u * 26 + 46u);
}

TEST_F(Species14Test, EveryModeDrawsTheSamePictureAndIsKept)
{
    for (int mode : {1, 2, 7, -3}) {
        CFishSpecies14 a = fish, b = fish;
        recorder.primitives.clear();
        crt::srand(8);
        a.Draw(0);
        const std::vector<RecordedPrimitive> plain = recorder.primitives;
        recorder.primitives.clear();
        crt::srand(8);
        b.Draw(mode);
        EXPECT_EQ(b.m_nDrawVariant, mode);
        ASSERT_EQ(recorder.primitives.size(), plain.size()) << mode;
        for (size_t s = 0; s < plain.size(); ++s) {
            ASSERT_EQ(recorder.primitives[s].vertices.size(), plain[s].vertices.size());
            for (size_t i = 0; i < plain[s].vertices.size(); ++i)
                EXPECT_EQ(recorder.primitives[s].vertices[i].position, plain[s].vertices[i].position) << mode;
        }
        EXPECT_EQ(b.m_fPos[0], a.m_fPos[0]);
    }
}

TEST_F(Species14Test, AFishNoLongerAliveOpensEveryStripEmptyAndStillSwims)
{
    fish.m_bAlive = 0;
    fish.m_fPos[0] = 10;
    fish.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), 18u);
    EXPECT_EQ(recorder.VertexCount(), 0u);
    EXPECT_LT(fish.m_fPos[0], 10.0f);  // heading 0: toward falling x
    EXPECT_EQ(fish.m_Wave[0].counter, 1) << "the generators still run";
}

TEST_F(Species14Test, RandomDrawsPerFrameAreTheBendsOnly)
{
    // One a frame; on the third the (already reached) heading settles its
    // segments: one more. No drift, no ramps.
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
}

TEST_F(Species14Test, TheBodyWaveIsStillForFiveSegmentsAndGrowsHalfAsFastBehind)
{
    float out[20];
    for (int call = 1; call <= 26; ++call) {
        fish.ComputeBodyWave(out, 20);
        // The phase steps on every 5th call.
        const double phase = (call / 5) * static_cast<double>(fish.m_Wave[0].phaseStep);
        EXPECT_NEAR(fish.m_Wave[0].phase, phase, 1e-5) << call;
        for (int i = 0; i < 20; ++i) {
            const double expected = i < 5 ? 0.0 : std::sin(i * (kPi / 12) + phase) * (i - 5) * 0.005 * 0.5;
            EXPECT_NEAR(out[i], expected, 2e-6) << "call " << call << " entry " << i;
            if (i < 5) {
                EXPECT_EQ(out[i], 0.0f);
            }
        }
        // The last factor is left in the oscillator's amplitude.
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 14 * 0.005f);
    }
}

TEST_F(Species14Test, TheFoldedWaveIsSymmetricAboutEntrySixForEveryPhase)
{
    float out[13];
    for (int call = 1; call <= 60; ++call) {
        fish.ComputeMirroredWave(out, 13);
        const double phase = (call / 7) * static_cast<double>(fish.m_Wave[3].phaseStep);
        EXPECT_NEAR(fish.m_Wave[3].phase, phase > 6.283185 ? 0.0 : phase, 1e-5) << call;
        const double p = fish.m_Wave[3].phase;
        for (int i = 0; i <= 5; ++i)
            EXPECT_NEAR(out[i], 0.05 * std::sin(i * (kPi / 32) + p), 1e-6) << call << " " << i;
        EXPECT_EQ(out[6], out[5]);
        EXPECT_EQ(out[7], out[5]);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(out[6 + k], out[6 - k]) << call << " " << k;
    }
}

// Asked for more entries than the fold holds, the wave writes its thirteen
// and no more; asked for fewer, only those.
TEST_F(Species14Test, TheFoldedWaveStaysInsideItsThirteenEntries)
{
    for (int n : {0, 1, 5, 6, 8, 13, 14, 20, 30}) {
        CFishSpecies14 f = fish;
        float out[32];
        std::fill(out, out + 32, -99.0f);
        f.ComputeMirroredWave(out, n);
        const int written = std::min(n, 13);
        for (int i = 0; i < 32; ++i)
            EXPECT_EQ(out[i] != -99.0f, i < written) << "n = " << n << ", entry " << i;
        for (int i = 8; i < written; ++i)
            EXPECT_EQ(out[i], out[12 - i]) << n;
    }
}

TEST_F(Species14Test, TheTailSineRunsOnOscillatorNine)
{
    float out[23];
    for (int call = 1; call <= 15; ++call) {
        fish.ComputeSineWave(out, 23);
        const double phase = (call / 7) * static_cast<double>(fish.m_Wave[9].phaseStep);
        for (int i = 0; i < 23; ++i)
            EXPECT_NEAR(out[i], 0.01 * std::sin(i * (kPi / 16) + phase), 1e-6) << call << " " << i;
    }
    // Oscillators read by nothing keep still.
    for (int b : {5, 7, 10})
        EXPECT_EQ(fish.m_Wave[b].phase, 0.0f) << b;
}

TEST_F(Species14Test, BodyColumnsTurnByTheirBendAndSwayTheSameWayOnBothSides)
{
    const FishFrame f = KnownFrame();
    for (int size : {4, 5, 8}) {
        fish.m_nSize = size;
        recorder.primitives.clear();
        fish.DrawBody(f);
        ASSERT_EQ(recorder.primitives.size(), 10u);
        for (int s = 0; s < 10; ++s) {
            const bool mirrored = s >= 5;
            for (int c = 0; c < 20; ++c)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& p = g_Fish14Body[s % 5 + k][c];
                    const float y = (mirrored ? -p.y : p.y) * size + size * f[kBody][c];
                    ExpectNear(recorder.primitives[s].vertices[2 * c + k].position,
                               TurnedAboutZ({p.x * size, y, p.z * size}, f[kBend][c]),
                               "strip " + std::to_string(s) + " column " + std::to_string(c));
                    EXPECT_EQ(recorder.primitives[s].vertices[2 * c + k].normal, (Vec{p.nx, p.ny, p.nz}));
                }
        }
    }
}

TEST_F(Species14Test, EachHeadStripRunsOneSideThenTheOtherTurnedWithTheFirstSegment)
{
    const FishFrame f = KnownFrame();
    fish.DrawPart1(f);
    ASSERT_EQ(recorder.primitives.size(), 5u);
    for (int s = 0; s < 5; ++s)
        for (int step = 0; step < 10; ++step) {
            // Columns 0 to 4 as stored, then 0 to 4 again with y negated: the
            // strip joins column 4 of one side to column 0 of the other.
            const int c = step % 5;
            const bool mirrored = step >= 5;
            for (int k = 0; k < 2; ++k) {
                const FishVertex& p = g_Fish14Head[s + k][c];
                const RecordedVertex& v = recorder.primitives[s].vertices[2 * step + k];
                ExpectNear(v.position, TurnedAboutZ({p.x * 5, (mirrored ? -p.y : p.y) * 5, p.z * 5}, f[kBend][0]),
                           "strip " + std::to_string(s) + " step " + std::to_string(step));
                EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz}));
                EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t}));
            }
        }
}

TEST_F(Species14Test, ThePelvicEdgesSwingWithTheFoldedWaveMirroredAcrossAndLiftAlike)
{
    const FishFrame f = KnownFrame();
    fish.DrawPart2(f);
    ASSERT_EQ(recorder.primitives.size(), 2u);
    for (int pass = 0; pass < 2; ++pass)
        for (int c = 0; c < 13; ++c) {
            const FishVertex& a = g_Fish14Pelvic[0][c];
            const FishVertex& b = g_Fish14Pelvic[1][c];
            const float d = 5 * f[kFold][c];
            // Stored side: y + d; the copy: -(y + d); z + d in both.
            const float y = pass == 0 ? a.y * 5 + d : -(a.y * 5 + d);
            ExpectNear(recorder.primitives[pass].vertices[2 * c].position,
                       TurnedAboutZ({a.x * 5, y, a.z * 5 + d}, f[kBend][5]), "edge " + std::to_string(c));
            ExpectNear(recorder.primitives[pass].vertices[2 * c + 1].position,
                       TurnedAboutZ({b.x * 5, (pass == 0 ? b.y : -b.y) * 5, b.z * 5}, f[kBend][5]),
                       "root " + std::to_string(c));
        }
}

TEST_F(Species14Test, TheTailTurnsWithTheLastSegmentItsEdgeRipplingUpAndDown)
{
    const FishFrame f = KnownFrame();
    for (int size : {4, 6}) {
        fish.m_nSize = size;
        recorder.primitives.clear();
        fish.DrawPart3(f);
        ASSERT_EQ(recorder.primitives.size(), 1u);
        for (int c = 0; c < 23; ++c) {
            const FishVertex& edge = g_Fish14Tail[0][c];
            const FishVertex& root = g_Fish14Tail[1][c];
            ExpectNear(recorder.primitives[0].vertices[2 * c].position,
                       TurnedAboutZ({edge.x * size, edge.y * size + size * f[kBody][19],
                                     edge.z * size + size * f[kTailSine][c]},
                                    f[kBend][19]),
                       "edge " + std::to_string(c));
            ExpectNear(recorder.primitives[0].vertices[2 * c + 1].position,
                       TurnedAboutZ({root.x * size, root.y * size + size * f[kBody][18], root.z * size}, f[kBend][19]),
                       "root " + std::to_string(c));
        }
    }
}

TEST_F(Species14Test, InATurnEachSegmentTrailsTheOneBeforeByTwentyDegrees)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 9; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const float heading = 20.0f * (frame / 3);
        ASSERT_EQ(fish.m_fHeading, heading) << frame;
        for (int c : {0, 7, 19}) {
            // Below the target, segment c shows heading - 20 c.
            const float angle = heading - 20.0f * c;
            const FishVertex& p = g_Fish14Body[2][c];
            const float sway = recorder.primitives[2].vertices[2 * c].position[2];  // z is not swayed
            EXPECT_NEAR(sway, p.z * 5, 1e-5);
            const Vec v = recorder.primitives[2].vertices[2 * c].position;
            const Vec unturned = TurnedAboutZ(v, -angle);
            EXPECT_NEAR(unturned[0], p.x * 5, 1e-4) << "frame " << frame << " column " << c;
        }
        // The tail takes the last segment's angle, the pelvics the sixth's.
        const FishVertex& q = g_Fish14Tail[1][0];
        const Vec root = TurnedAboutZ(Part(3)[0].vertices[1].position, -(heading - 20.0f * 19));
        EXPECT_NEAR(root[0], q.x * 5, 1e-4) << frame;
        const FishVertex& r = g_Fish14Pelvic[1][0];
        ExpectNear(Part(2)[0].vertices[1].position, TurnedAboutZ({r.x * 5, r.y * 5, r.z * 5}, heading - 100.0f),
                   "pelvic root");
    }
}

TEST_F(Species14Test, AWanderDecisionGivesTheFoldedWaveTheSwimStylesValues)
{
    for (unsigned seed : {2u, 3u, 11u}) {
        CFishSpecies14 f = fish;
        f.m_nWanderTimer = 301;
        f.m_fPitch = 10;
        f.m_fPos[2] = -100;  // clear of the z walls' speed change
        crt::srand(seed);
        f.Draw(0);
        EXPECT_LT(f.m_nWanderTimer, 150) << seed;
        EXPECT_EQ(f.m_bStroke, 0) << seed;
        // Every target speed is 0.1 or more: the factor is 1.5.
        EXPECT_NEAR(f.m_Wave[3].waveNumber, kPi / 5, 1e-6);
        EXPECT_NEAR(f.m_Wave[3].amplitude, 0.0225, 1e-7);
        EXPECT_NEAR(f.m_Wave[3].phaseStep, 3 * kPi / 16, 1e-6);
        EXPECT_NEAR(f.m_Wave[0].waveNumber, kPi / 12, 1e-6);
        EXPECT_NEAR(f.m_Wave[0].phaseStep, 3 * kPi / 8, 1e-6);
        EXPECT_NEAR(f.m_Wave[5].waveNumber, kPi / 16, 1e-6);
        EXPECT_NEAR(f.m_Wave[5].amplitude, 0.015, 1e-7);
        EXPECT_NEAR(f.m_Wave[5].phaseStep, kPi / 4, 1e-6);
        // The next folded wave runs at the new values; the stroke flag moves nothing.
        float out[13];
        f.m_Wave[3].counter = 0;
        f.ComputeMirroredWave(out, 13);
        for (int i = 0; i <= 5; ++i)
            EXPECT_NEAR(out[i], 0.0225 * std::sin(i * (kPi / 5) + f.m_Wave[3].phase), 1e-6) << i;
        recorder.primitives.clear();
        CFishSpecies14 g = f, h = f;
        h.m_bStroke = !h.m_bStroke;
        crt::srand(1);
        g.Draw(0);
        const std::vector<RecordedPrimitive> a = recorder.primitives;
        recorder.primitives.clear();
        crt::srand(1);
        h.Draw(0);
        ASSERT_EQ(a.size(), recorder.primitives.size());
        for (size_t s = 0; s < a.size(); ++s)
            for (size_t i = 0; i < a[s].vertices.size(); ++i)
                EXPECT_EQ(a[s].vertices[i].position, recorder.primitives[s].vertices[i].position);
    }
}

TEST_F(Species14Test, TheShownPitchClimbsOneDegreeAFrameToTheTarget)
{
    fish.m_fPitch = 3;
    const float expected[5] = {1, 2, 3, 3, 3};
    for (float e : expected) {
        fish.Draw(0);
        EXPECT_EQ(fish.m_fShownPitch, e);
    }
}

}  // namespace
