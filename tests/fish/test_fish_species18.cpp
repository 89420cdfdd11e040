// Species 18, the harlequin rasbora: its construction and random draws, its
// swim style, its generators (the two stroke ramps and the toggle of every
// 52nd frame, the body wave from entry 7, five sines), the parts of its Draw
// with their strips, mirrors, rotations and waves recomputed from its rules,
// the jaws opening while the stroke is clear, and a fish whose alive flag is
// clear.
#include "fish/fish_species18.h"
#include "fish/fish_species18_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species18.cpp).
enum { kR6, kR5, kBend, kBody, kG3, kG4, kG10, kG8, kG9 };

constexpr double kPi = 3.14159265358979323846;

using Vec = std::array<float, 3>;

// A wave constant written as pi / n is the float one step below the float nearest pi / n.
float Below(int n) { return std::nextafter(static_cast<float>(kPi / n), 0.0f); }

// ---- construction and swim style ----

TEST(FishSpecies18Construction, StartsWithItsBlocksAndTheTemplatesFourDraws)
{
    ExpectStartValues<CFishSpecies18>({.drift = false,
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
                                                  {kPi / 10, 0.02, kPi / 4}}});
    // Each fraction of pi to the bit, one float step below the nearest.
    const CFishSpecies18 fish;
    const struct {
        int block;
        int waveOver, stepOver;
    } exact[] = {{0, 12, 4}, {3, 16, 6}, {5, 16, 6}, {7, 16, 6}, {9, 16, 6}, {10, 10, 4}};
    for (const auto& e : exact) {
        EXPECT_EQ(fish.m_Wave[e.block].waveNumber, Below(e.waveOver)) << e.block;
        EXPECT_EQ(fish.m_Wave[e.block].phaseStep, Below(e.stepOver)) << e.block;
    }
    EXPECT_EQ(fish.m_Wave[0].waveNumber, 0.261799365f);
    EXPECT_EQ(fish.m_Wave[3].waveNumber, 0.196349531f);
    EXPECT_EQ(fish.m_Wave[3].phaseStep, 0.523598731f);
}

TEST(FishSpecies18Swimming, SwimStyleSetsBlocks0_3And5AndLeavesTheOthers)
{
    for (float speed : {0.049f, 0.05f, 0.1f}) {
        SCOPED_TRACE(speed);
        const float m = speed >= 0.05f ? 1.5f : 1.0f;
        CFishSpecies18 fish;
        const CFishSpecies18 before = fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(speed, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        const struct {
            int block;
            double waveNumber, amplitude, step;
        } set[] = {{0, kPi / 12, 0.1, kPi / 4}, {3, kPi / 5, 0.015, kPi / 8}, {5, kPi / 16, 0.01, kPi / 6}};
        for (const auto& s : set) {
            EXPECT_NEAR(fish.m_Wave[s.block].waveNumber, s.waveNumber, 1e-6) << s.block;
            EXPECT_FLOAT_EQ(fish.m_Wave[s.block].amplitude, static_cast<float>(m * s.amplitude)) << s.block;
            EXPECT_NEAR(fish.m_Wave[s.block].phaseStep, m * s.step, 1e-6) << s.block;
        }
        for (int b : {1, 2, 4, 6, 7, 8, 9, 10}) {
            EXPECT_EQ(fish.m_Wave[b].waveNumber, before.m_Wave[b].waveNumber) << b;
            EXPECT_EQ(fish.m_Wave[b].amplitude, before.m_Wave[b].amplitude) << b;
            EXPECT_EQ(fish.m_Wave[b].phaseStep, before.m_Wave[b].phaseStep) << b;
        }
    }
}

// Wander first sets the swim style on the frame its counter passes 300
// (frame 302 - w for the counter w drawn at birth): from then on the sine
// of block 3 runs at pi / 5, 0.0225 and 1.5 x pi / 8.
TEST(FishSpecies18Swimming, TheFirstSwimStyleComesOnFrame302MinusTheWanderCounter)
{
    for (unsigned seed : {2u, 19u}) {
        SCOPED_TRACE(seed);
        crt::srand(seed);
        CFishSpecies18 fish;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[2] = -75;
        VertexRecorder recorder;
        const int w = fish.m_nWanderTimer;
        for (int frame = 1; frame < 302 - w; ++frame)
            fish.Draw(0);
        EXPECT_NEAR(fish.m_Wave[3].waveNumber, kPi / 16, 1e-6) << "until then block 3 keeps pi / 16";
        fish.Draw(0);
        EXPECT_EQ(fish.m_Wave[3].waveNumber, 0.628318489f);
        EXPECT_EQ(fish.m_Wave[3].amplitude, 0.015f * 1.5f);
        EXPECT_EQ(fish.m_Wave[3].phaseStep, 0.589048624f);
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.15f) << "the swim style's, set after this frame's body wave";
        fish.Draw(0);
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.07f) << "the next body wave leaves its last factor";
    }
}

// ---- the generators ----

TEST(FishSpecies18Waves, EachGeneratorHasItsCadenceAndValuesAndIgnoresTheSize)
{
    using Gen = void (CFishSpecies18::*)(float*, int);
    auto sine = [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); };
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<double(int i, double k, double phi, double amplitude)> value;
    } cases[] = {
        {"body wave", &CFishSpecies18::ComputeBodyWave, 0, 15, 5,
         [](int i, double k, double phi, double) { return i < 7 ? 0.0 : (i - 7) * 0.01 * 0.5 * std::sin(i * k + phi); }},
        {"block 3", &CFishSpecies18::ComputeFinWave, 3, 8, 7, sine},
        {"block 4", &CFishSpecies18::ComputeSineWave, 4, 11, 7, sine},
        {"block 7", &CFishSpecies18::ComputePelvicWave, 7, 10, 7, sine},
        {"block 8", &CFishSpecies18::ComputeSineWave2, 8, 14, 7, sine},
        {"block 9", &CFishSpecies18::ComputeSineWave3, 9, 15, 7, sine},
    };
    for (const Case& c : cases)
        for (int size : {4, 8}) {
            SCOPED_TRACE(std::string(c.name) + " size " + std::to_string(size));
            CFishSpecies18 fish;
            fish.m_nSize = size;
            FishWave& w = fish.m_Wave[c.block];
            w.phase = 1.0f;
            if (c.block == 4 || c.block == 8) {  // all zero at birth: give them a wave to run
                w.waveNumber = 0.3f;
                w.amplitude = 0.02f;
                w.phaseStep = 0.5f;
            }
            float out[30] = {};
            ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 2e-8) << "entry " << i;
            EXPECT_EQ(out[c.n], 0.0f) << "writes only its entries";
        }
}

TEST(FishSpecies18Waves, TheZeroBlocksWriteZerosAndTheirFinsStillDraw)
{
    CFishSpecies18 fish;
    for (auto gen : {&CFishSpecies18::ComputeSineWave, &CFishSpecies18::ComputeSineWave2})
        for (int call = 0; call < 20; ++call) {
            float out[14] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
            (fish.*gen)(out, 14);
            for (float v : out)
                ASSERT_EQ(v, 0.0f);
        }
    EXPECT_EQ(fish.m_Wave[4].phase, 0.0f);
    EXPECT_EQ(fish.m_Wave[8].phase, 0.0f);
}

// Entries below 7 stay 0 and the amplitude left is that of the last entry
// written: 0.07 for 15, untouched when no entry reaches 7.
TEST(FishSpecies18Waves, TheBodyWaveIsStillOverSevenEntriesAndLeavesItsLastFactor)
{
    for (int n : {15, 10, 8, 7, 3, 0}) {
        SCOPED_TRACE(n);
        CFishSpecies18 fish;
        fish.m_Wave[0].amplitude = 0.15f;  // as a swim style leaves it
        fish.m_Wave[0].phase = 0.4f;
        float out[16];
        std::fill(std::begin(out), std::end(out), 9.0f);
        fish.ComputeBodyWave(out, n);
        for (int i = 0; i < n; ++i)
            if (i < 7)
                EXPECT_EQ(out[i], 0.0f) << i;
            else
                EXPECT_NEAR(out[i], (i - 7) * 0.005 * std::sin(i * kPi / 12 + 0.4), 1e-7) << i;
        EXPECT_EQ(out[n], 9.0f);
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, n > 7 ? 0.01f * (n - 8) : 0.15f);
    }
    CFishSpecies18 fish;
    for (int call = 0; call < 400; ++call) {
        float w[15];
        fish.ComputeBodyWave(w, 15);
        for (int i = 7; i < 15; ++i)
            ASSERT_LE(std::fabs(w[i]), (i - 7) * 0.005f + 1e-7f) << i;
    }
}

TEST(FishSpecies18Waves, APhaseOfExactly6283185StaysOnlyAboveItRestarts)
{
    for (float phase : {6.283185f, std::nextafter(6.283185f, 7.0f)}) {
        CFishSpecies18 fish;
        fish.m_Wave[9].phase = phase;
        float out[15];
        fish.ComputeSineWave3(out, 15);  // counter 0: no step
        const float kept = phase > 6.283185f ? 0.0f : phase;
        EXPECT_EQ(fish.m_Wave[9].phase, kept);
        EXPECT_NEAR(out[1], 0.01 * std::sin(kPi / 16 + kept), 1e-8);
    }
}

TEST(FishSpecies18Waves, BothRampsAreZeroWhileTheStrokeIsSetElseIStepsBy0003)
{
    using Gen = void (CFishSpecies18::*)(float*, int);
    const struct {
        Gen gen;
        int n;
    } ramps[] = {{&CFishSpecies18::ComputeRamp, 6}, {&CFishSpecies18::ComputeRampToggle, 5}};
    for (const auto& r : ramps)
        for (int size : {4, 8}) {
            CFishSpecies18 fish;
            fish.m_nSize = size;
            fish.m_Wave[1].counter = 0;
            float out[7] = {9, 9, 9, 9, 9, 9, 9};
            (fish.*r.gen)(out, r.n);
            for (int i = 0; i < r.n; ++i)
                EXPECT_EQ(out[i], 0.0f) << i;
            EXPECT_EQ(out[r.n], 9.0f) << "only its entries";
            fish.m_bStroke = 0;
            (fish.*r.gen)(out, r.n);
            for (int i = 0; i < r.n; ++i)
                EXPECT_FLOAT_EQ(out[i], 0.003f * i) << "size " << size << " entry " << i;
            // A smaller count writes only its entries; none writes nothing.
            float few[7] = {9, 9, 9, 9, 9, 9, 9};
            (fish.*r.gen)(few, 2);
            EXPECT_EQ(few[1], 0.003f);
            EXPECT_EQ(few[2], 9.0f);
            (fish.*r.gen)(few + 3, 0);
            EXPECT_EQ(few[3], 9.0f);
        }
    CFishSpecies18 fish;
    float t[6];
    EXPECT_EQ(RandDraws([&] { fish.ComputeRampToggle(t, 5); }), 0);
    EXPECT_EQ(RandDraws([&] { fish.ComputeRamp(t, 6); }), 0);
    const int counter = fish.m_Wave[1].counter;
    fish.ComputeRamp(t, 6);
    EXPECT_EQ(fish.m_Wave[1].counter, counter) << "the plain ramp counts nothing";
}

// The toggle counts its calls from the counter drawn at birth (c, 0 to 14):
// the first flip on call 52 - c, then one every 52 calls; the ramp it fills
// on the call of a flip still shows the old state. The count runs for a
// call of no entries too.
TEST(FishSpecies18Waves, TheToggleFlipsTheStrokeOnCall52MinusItsCounterThenEvery52)
{
    for (int c : {0, 7, 14}) {
        SCOPED_TRACE(c);
        CFishSpecies18 fish;
        fish.m_Wave[1].counter = c;
        std::vector<int> flips;
        for (int call = 1; call <= 52 * 3; ++call) {
            const BYTE before = fish.m_bStroke;
            float t[5];
            fish.ComputeRampToggle(t, call % 2 ? 5 : 0);
            if (fish.m_bStroke != before) {
                flips.push_back(call);
                if (call % 2) {
                    EXPECT_EQ(t[4], before ? 0.0f : 0.012f) << "the old state's ramp";
                }
            }
        }
        ASSERT_EQ(flips.size(), 3u);
        EXPECT_EQ(flips[0], 52 - c);
        EXPECT_EQ(flips[1], 52 - c + 52);
        EXPECT_EQ(flips[2], 52 - c + 104);
    }
}

// ---- Draw ----

// A part as one frame sends it: its strips of `points` vertices each.
const PartShape kShapes[] = {
    {"body", 10, 30},   {"upper jaw", 6, 10}, {"lower jaw", 4, 12}, {"dorsal", 1, 16}, {"pectorals", 2, 22},
    {"pelvics", 2, 20}, {"anal", 1, 28},      {"tail", 1, 30},      {"eyes", 4, 18},
};

// The primitives of the last Draw as kShapes lays them out (no vertex in
// any strip when `empty`, as a fish not alive sends them).
void ExpectShapes(const VertexRecorder& recorder, const CFishModel& fish, bool empty, const std::string& what)
{
    ExpectPartsLaidOut(recorder, fish, kShapes, {.emptyQuadsFirst = [](const char*) { return false; }, .emptyStrips = empty},
                       what);
}

using Species18Test = FishSpeciesTest<CFishSpecies18>;

TEST_F(Species18Test, EveryModeDrawsNinePartsOf638VerticesInOrder)
{
    for (int mode : {0, 1, 2, 7, -1}) {
        recorder.primitives.clear();
        fish.Draw(mode);
        EXPECT_EQ(fish.m_nDrawVariant, mode);
        ExpectShapes(recorder, fish, false, "mode " + std::to_string(mode));
        EXPECT_EQ(recorder.VertexCount(), 638u);
    }
    EXPECT_TRUE(recorder.colors.empty()) << "no colour change";
}

// The mode changes nothing but itself: two fish from one state and one
// random sequence send the same vertices whatever mode each is given.
TEST_F(Species18Test, TheModeIsOnlyStored)
{
    CFishSpecies18 other = fish;
    crt::srand(3);
    fish.Draw(0);
    const std::vector<RecordedPrimitive> seen = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(3);
    other.Draw(5);
    ASSERT_EQ(recorder.primitives.size(), seen.size());
    for (size_t p = 0; p < seen.size(); ++p)
        for (size_t v = 0; v < seen[p].vertices.size(); ++v)
            EXPECT_EQ(recorder.primitives[p].vertices[v].position, seen[p].vertices[v].position) << p << " " << v;
}

TEST_F(Species18Test, AFishThatIsNotAliveOpensAndClosesEveryStripEmpty)
{
    fish.m_bAlive = 0;
    fish.Draw(0);
    ExpectShapes(recorder, fish, true, "not alive");
}

TEST_F(Species18Test, RandomDrawsPerFrame)
{
    // Only the bend draws: one a frame, one more while the segments settle
    // (the third frame, when the head already shows its target).
    ExpectOnlyTheBendDrawsInTheFirstFrames(recorder, fish);
}

// The shown pitch climbs a degree a frame to a whole-degree target.
TEST_F(Species18Test, TheShownPitchClimbsOneDegreeAFrame)
{
    fish.m_fPitch = 4.0f;
    for (int frame = 1; frame <= 6; ++frame) {
        fish.Draw(0);
        EXPECT_EQ(fish.m_fShownPitch, std::min(frame, 4)) << frame;
    }
}

// The part of a Draw of known arrays, recomputed from the rules.
struct Rule {
    const char* name;
    void (CFishSpecies18::*draw)(const FishFrame&);
    const FishVertex* mesh;
    int columns;
    std::vector<std::array<int, 2>> strips;  // the rows each strip joins
    bool mirrored;                           // all strips, then all again with y negated
    // The point with its offsets (times the size), before turning, from the
    // stored point scaled (y negated in the mirror).
    std::function<Vec(Vec q, int row, int c, bool mirror)> moved;
    std::function<float(int c)> angle;
};

// The value of an array at a segment position: a half position is the mean
// of the two neighbouring entries.
float AtPosition(const float* v, double position)
{
    const int low = static_cast<int>(std::floor(position)), high = static_cast<int>(std::ceil(position));
    return low == high ? v[low] : (v[low] + v[high]) * 0.5f;
}

// The anal fin's column positions along the body.
const double kAnalPositions[14] = {7.5, 8, 8, 8.5, 8.5, 9, 9, 10, 10, 11, 11, 12, 12, 12};

std::vector<Rule> Rules(const FishFrame& f, float s)
{
    const std::vector<std::array<int, 2>> chain5 = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}},
                                          chain3 = {{0, 1}, {1, 2}, {2, 3}}, one = {{0, 1}},
                                          bThenC = {{1, 0}, {0, 2}};  // stored A, B, C
    return {
        {"body", &CFishSpecies18::DrawBody, &g_Fish18Body[0][0], 15, chain5, true,
         [&f, s](Vec q, int, int c, bool) { return Vec{q[0], q[1] + s * f[kBody][c], q[2]}; },
         [&f](int c) { return f[kBend][c]; }},
        {"upper jaw", &CFishSpecies18::DrawPart1, &g_Fish18UpperJaw[0][0], 5, chain3, true,
         [&f, s](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + s * f[kR5][c]}; },
         [&f](int) { return f[kBend][0]; }},
        {"lower jaw", &CFishSpecies18::DrawPart2, &g_Fish18LowerJaw[0][0], 6, bThenC, true,
         [&f, s](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] - (c <= 3 ? s * f[kR6][c] : 0.0f)}; },
         [&f](int) { return f[kBend][0]; }},
        {"dorsal", &CFishSpecies18::DrawPart3, &g_Fish18Dorsal[0][0], 8, one, false,
         [&f, s](Vec q, int row, int c, bool) {
             const float body = f[kBody][10 + c / 3];
             return Vec{q[0], q[1] + s * (row == 1 ? f[kG3][c] + body : body), q[2]};
         },
         [&f](int c) { return f[kBend][10 + c / 3]; }},
        {"pectorals", &CFishSpecies18::DrawPart4, &g_Fish18Pectoral[0][0], 11, one, true,
         [&f, s](Vec q, int row, int c, bool mirror) {
             const float w = row == 0 ? s * f[kG4][c] : 0.0f;  // x and z to the same side, y with the side
             return Vec{q[0] + w, mirror ? q[1] - w : q[1] + w, q[2] + w};
         },
         [&f](int) { return f[kBend][4]; }},
        {"pelvics", &CFishSpecies18::DrawPart5, &g_Fish18Pelvic[0][0], 10, one, true,
         [&f, s](Vec q, int row, int c, bool mirror) {
             const float w = row == 1 ? s * f[kG10][c] : 0.0f;
             return Vec{q[0], mirror ? q[1] - w : q[1] + w, q[2]};
         },
         [&f](int) { return f[kBend][6]; }},
        {"anal", &CFishSpecies18::DrawPart6, &g_Fish18Anal[0][0], 14, one, false,
         [&f, s](Vec q, int row, int c, bool) {
             const float p = AtPosition(f[kBody], kAnalPositions[c]);
             return Vec{q[0], q[1] + s * (row == 1 ? p + f[kG8][c] : p), q[2]};
         },
         [&f](int c) { return AtPosition(f[kBend], kAnalPositions[c]); }},
        {"tail", &CFishSpecies18::DrawPart7, &g_Fish18Tail[0][0], 15, one, false,
         [&f, s](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + s * (row == 0 ? f[kBody][12] + f[kG9][c] : f[kBody][14]), q[2]};
         },
         [&f](int) { return f[kBend][14]; }},
        {"eyes", &CFishSpecies18::DrawPart8, &g_Fish18Eye[0][0], 9, bThenC, true,
         [](Vec q, int, int, bool) { return q; }, [&f](int) { return (f[kBend][0] + f[kBend][1]) * 0.5f; }},
    };
}

// Known arrays: every part's rotation and offsets, per column and per pass.
TEST_F(Species18Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 15; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kBody][j] = 0.002f * j * j - 0.01f;
    }
    for (int j = 0; j < 15; ++j)
        f[kR6][j] = f[kR5][j] = f[kG3][j] = f[kG4][j] = f[kG10][j] = f[kG8][j] = f[kG9][j] = 0.001f * (j + 1);
    for (int size : {6, 4}) {
        fish.m_nSize = size;
        const float s = static_cast<float>(size);
        for (const Rule& rule : Rules(f, s)) {
            recorder.primitives.clear();
            (fish.*rule.draw)(f);
            const int strips = static_cast<int>(rule.strips.size()), passes = rule.mirrored ? 2 : 1;
            ASSERT_EQ(recorder.primitives.size(), size_t(strips * passes)) << rule.name;
            for (int pass = 0; pass < passes; ++pass)
                for (int k = 0; k < strips; ++k) {
                    const RecordedPrimitive& prim = recorder.primitives[pass * strips + k];
                    ASSERT_EQ(prim.vertices.size(), size_t(2 * rule.columns)) << rule.name;
                    for (int c = 0; c < rule.columns; ++c)
                        for (int second = 0; second < 2; ++second) {
                            const int row = rule.strips[k][second];
                            const FishVertex& p = rule.mesh[row * rule.columns + c];
                            const bool mirror = pass == 1;
                            const Vec q = rule.moved({p.x * s, (mirror ? -p.y : p.y) * s, p.z * s}, row, c, mirror);
                            const RecordedVertex& v = prim.vertices[2 * c + second];
                            ExpectNearPoint(v.position, TurnedAboutZ(q, rule.angle(c)),
                                            std::string(rule.name) + " size " + std::to_string(size) + " strip " +
                                                std::to_string(k) + " pass " + std::to_string(pass) + " column " +
                                                std::to_string(c) + " row " + std::to_string(row),
                                            4e-5f);
                            EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz})) << rule.name << " normals as stored";
                            EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                        }
                }
        }
    }
}

// A bend of 90 at one segment turns the columns that take it a quarter
// turn, both vertices, and no other column: the body's own column, the
// dorsal fin's columns of 10 + c / 3, and the anal fin's at that segment
// (half its value where a column takes the mean with a neighbour).
TEST_F(Species18Test, AQuarterBendTurnsOnlyTheColumnsThatTakeIt)
{
    const QuarterBendCase<CFishSpecies18> cases[] = {
        {"body", &CFishSpecies18::DrawBody, &g_Fish18Body[0][0], 15, 9, TurnsWith([](int c) { return c; })},
        {"dorsal", &CFishSpecies18::DrawPart3, &g_Fish18Dorsal[0][0], 8, 11,
         TurnsWith([](int c) { return 10 + c / 3; })},
        {"anal", &CFishSpecies18::DrawPart6, &g_Fish18Anal[0][0], 14, 8,
         [](int c, int segment) {
             const double e = kAnalPositions[c];
             return e == segment ? 1.0 : std::fabs(e - segment) == 0.5 ? 0.5 : 0.0;
         }},
    };
    ExpectQuarterBendTurns(recorder, fish, kBend, cases);
}

// The body wave moves only the columns from 7 on, and both halves of the
// body the same way in y.
TEST_F(Species18Test, TheBodyWavesOnlyBehindColumn7AndBothHalvesAlike)
{
    for (int frame = 0; frame < 40; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
    }
    for (int k = 0; k < 5; ++k)
        for (int c = 0; c < 15; ++c)
            for (int second = 0; second < 2; ++second) {
                const FishVertex& p = g_Fish18Body[k + second][c];
                const Vec side = At(k, c, second), other = At(5 + k, c, second);
                if (c < 7) {
                    ExpectSamePoint(side, {p.x * 5, p.y * 5, p.z * 5}, "still column " + std::to_string(c));
                    ExpectSamePoint(other, {p.x * 5, -p.y * 5, p.z * 5}, "its mirror, column " + std::to_string(c));
                } else {
                    // The offset keeps its sign in the mirror: the two halves' y sum to twice it.
                    EXPECT_NEAR(side[1] - p.y * 5, other[1] + p.y * 5, 1e-5) << "column " << c;
                }
            }
    bool moved = false;
    for (int c = 8; c < 15; ++c)
        moved = moved || std::fabs(At(0, c, 0)[1] - g_Fish18Body[0][c].y * 5) > 1e-3f;
    EXPECT_TRUE(moved) << "the tail half waves";
}

// While the stroke is set (as at birth) both jaws show their stored shape;
// while it is clear the upper jaw's columns rise by 0.003 s c and the lower
// jaw's columns 0 to 3 drop by 0.003 s c, its mouth columns 4 and 5 staying.
TEST_F(Species18Test, TheJawsOpenOnlyWhileTheStrokeIsClear)
{
    for (int size : {5, 8})
        for (int stroke : {1, 0}) {
            SCOPED_TRACE("size " + std::to_string(size) + " stroke " + std::to_string(stroke));
            recorder.primitives.clear();
            fish.m_nSize = size;
            fish.m_bStroke = static_cast<BYTE>(stroke);
            fish.m_Wave[1].counter = 0;
            fish.Draw(0);
            const size_t upperJaw = 10, lowerJaw = upperJaw + 6;
            for (int c = 0; c < 5; ++c)
                for (int second = 0; second < 2; ++second)
                    EXPECT_NEAR(At(upperJaw, c, second)[2],
                                g_Fish18UpperJaw[second][c].z * size + (stroke ? 0.0f : 0.003f * c * size), 1e-5)
                        << c;
            // The first strip joins row B (stored second) to row A.
            for (int c = 0; c < 6; ++c) {
                const float drop = stroke || c > 3 ? 0.0f : 0.003f * c * size;
                EXPECT_NEAR(At(lowerJaw, c, 0)[2], g_Fish18LowerJaw[1][c].z * size - drop, 1e-5) << c;
                EXPECT_NEAR(At(lowerJaw, c, 1)[2], g_Fish18LowerJaw[0][c].z * size - drop, 1e-5) << c;
            }
        }
}

TEST_F(Species18Test, TheBendRunsOverFifteenSegments)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 3; ++frame)
        fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 20.0f);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 20 - 20 * i) << i;
    EXPECT_EQ(fish.m_nBendAngle[15], 0) << "no sixteenth segment";
}

TEST_F(Species18Test, ASize8FishIsDrawnTwiceAsLargeAsASize4)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw(0);  // waves and a bend under way
    fish.m_nSize = 4;
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

}  // namespace
