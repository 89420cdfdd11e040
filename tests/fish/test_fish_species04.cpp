// Species 4, the oscar: its construction and random draws, its swim style,
// each generator with its cadence, pins, toggle and small counts, the parts
// of its Draw with their strips, mirrors, rotations and waves in every mode,
// the shown pitch, the depth band, and the turn at an x wall.
#include "fish/fish_species04.h"
#include "fish/fish_species04_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species04.cpp).
enum { kBody, kBend, kReverse, kToggle, kDorsalWave, kPectoralWave, kPelvicWave, kAnalWave, kTailWave };

constexpr double kPi = 3.14159265358979323846;
using Vec = std::array<float, 3>;
using Steps = CFishSpecies04::Steps;

// ---- construction and swimming ----

TEST(FishSpecies04Construction, StartsWithItsValuesAfterDrawingPitchToggleCounterAndWanderTimer)
{
    ExpectStartValues<CFishSpecies04>({.speed = 0.1f,
                                       .segments = 18,
                                       .drift = true,
                                       .bodyDims = {1.0f, 0.59327f, 0.441172f},
                                       .blocks = {{kPi / 16, 0.01, kPi / 6},
                                                  {0, 0.01, 0},
                                                  {0, 0.005, 0},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {kPi / 24, 0.05, kPi / 8},
                                                  {},
                                                  {kPi / 20, 0.01, kPi / 8},
                                                  {},
                                                  {kPi / 16, 0.03, kPi / 6},
                                                  {kPi / 8, 0.03, kPi / 6}},
                                       .draws = {{StartDraw::kPitch, 45},
                                                 {StartDraw::kCounter, 15, 1},
                                                 {StartDraw::kWanderTimer, 200}}});
    // The wave constants are the floats one step below each fraction of pi.
    CFishSpecies04 fish;
    auto below = [](double fraction) {
        return std::nextafter(static_cast<float>(fraction), 0.0f);
    };
    EXPECT_EQ(fish.m_Wave[0].waveNumber, below(kPi / 16));
    EXPECT_EQ(fish.m_Wave[4].waveNumber, below(kPi / 24));
    EXPECT_EQ(fish.m_Wave[6].waveNumber, below(kPi / 20));
    EXPECT_EQ(fish.m_Wave[9].waveNumber, below(kPi / 8));
    EXPECT_EQ(fish.m_Wave[4].phaseStep, below(kPi / 8));
    EXPECT_EQ(fish.m_Wave[3].phaseStep, below(kPi / 6));
}

TEST(FishSpecies04Swimming, DepthBandLeavesOutItsMiddleAndItsEnds)
{
    CFishSpecies04 fish;
    const struct {
        float z;
        bool in;
    } cases[] = {{-75, false}, {-74.9f, true}, {-75.1f, true}, {-60, false}, {-60.1f, true},
                 {-90, false}, {-89.9f, true}, {-50, false},  {-100, false}};
    for (const auto& c : cases) {
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.in) << c.z;
    }
}

TEST(FishSpecies04Swimming, SwimStyleDrawsNothingAndSetsSixBlocksByTheSpeedsFactor)
{
    struct Row {
        int block;
        double waveNumber, amplitude, step;
        bool stepScaled;
    } const rows[] = {{0, kPi / 16, 0.01, kPi / 6, false}, {3, kPi / 16, 0.03, kPi / 6, true},
                      {4, kPi / 24, 0.05, kPi / 8, true},  {6, kPi / 20, 0.01, kPi / 8, true},
                      {8, kPi / 16, 0.03, kPi / 6, true},  {9, kPi / 8, 0.03, kPi / 6, true}};
    for (float speed : {0.05f, 0.049f, 0.4f, 0.0f}) {
        const double k = speed >= 0.05f ? 1.5 : 1.0;
        CFishSpecies04 fish;
        for (FishWave& w : fish.m_Wave) {
            w.phase = 1.25f;
            w.counter = 3;
        }
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(speed, 7, 9, 0); }), 0) << speed;
        EXPECT_EQ(fish.m_bStroke, 0);
        for (const Row& r : rows) {
            const FishWave& w = fish.m_Wave[r.block];
            EXPECT_NEAR(w.waveNumber, r.waveNumber, 1e-6) << "block " << r.block << ", speed " << speed;
            EXPECT_NEAR(w.amplitude, r.amplitude * k, 1e-7) << "block " << r.block << ", speed " << speed;
            EXPECT_NEAR(w.phaseStep, r.step * (r.stepScaled ? k : 1.0), 1e-6) << "block " << r.block;
        }
        // The ramp slopes, every phase and every counter stay.
        EXPECT_EQ(fish.m_Wave[1].amplitude, 0.01f);
        EXPECT_EQ(fish.m_Wave[2].amplitude, 0.005f);
        for (const FishWave& w : fish.m_Wave) {
            EXPECT_EQ(w.phase, 1.25f);
            EXPECT_EQ(w.counter, 3);
        }
    }
}

// ---- the generators ----

class Species04Test : public FishSpeciesTest<CFishSpecies04> {
protected:
    // A frame with every working array filled with distinct values.
    static FishFrame KnownFrame()
    {
        FishFrame f;
        for (int i = 0; i < 18; ++i) {
            f[kBend][i] = 5.0f + 9.0f * i;
            f[kBody][i] = 0.002f * (i + 1) - 0.015f;
        }
        for (int i = 0; i < 27; ++i)
            for (int a = kReverse; a <= kTailWave; ++a)
                f[a][i] = 0.0007f * (i + 1) * (a % 2 ? 1.0f : -1.0f) + 0.0003f * a;
        return f;
    }
};

// The phase after `calls` calls of a generator of threshold `cadence`: it
// steps on every (cadence + 2)-th call, from a counter of 0.
float PhaseAfter(int calls, int cadence, float step)
{
    float phase = 0.0f;
    for (int c = 0, counter = 0; c < calls; ++c)
        if (counter++ > cadence) {
            phase += step;
            counter = 0;
        }
    return phase;
}

TEST_F(Species04Test, SineKindsWaveByTheirBlocksOnTheirCadence)
{
    struct Gen {
        const char* name;
        std::function<void(float*, int)> run;
        int block, count, cadence;
        std::function<double(int i, const FishWave& w)> value;  // from the phase of the call
    };
    auto sine = [](int i, const FishWave& w) { return w.amplitude * std::sin(i * double(w.waveNumber) + w.phase); };
    const Gen gens[] = {
        {"body wave", [&](float* o, int n) { fish.ComputeBodyWave(o, n); }, 0, 18, 5,
         [](int i, const FishWave& w) {
             return i < 10 ? 0.0 : std::sin(i * double(w.waveNumber) + w.phase) * (i - 10) * 0.01 * 0.5;
         }},
        {"template sine",
         [&](float* o, int n) { fish.CFishModel::ComputeSineWave(kFishSpecies04.plan[Steps::kTemplateSineWave], o, n); },
         3, 13, 5, sine},
        {"pinned wave", [&](float* o, int n) { fish.ComputePinnedWave(o, n); }, 4, 21, 2,
         [&](int i, const FishWave& w) { return i == 0 ? 0.0 : sine(i, w); }},
        {"growing wave", [&](float* o, int n) { fish.ComputeGrowingWave(o, n); }, 6, 8, 5,
         [](int i, const FishWave& w) { return std::sin(i * double(w.waveNumber) + w.phase) * i * 0.01; }},
        {"sine wave", [&](float* o, int n) { fish.ComputeSineWave(o, n); }, 8, 9, 5, sine},
        {"sine wave 2", [&](float* o, int n) { fish.ComputeSineWave2(o, n); }, 9, 27, 5, sine},
    };
    for (const Gen& g : gens) {
        CFishSpecies04 fresh;
        fish = fresh;
        const float step = fish.m_Wave[g.block].phaseStep, amplitude = fish.m_Wave[g.block].amplitude;
        for (int call = 1; call <= 30; ++call) {
            float out[48];
            std::fill(std::begin(out), std::end(out), 9.0f);
            g.run(out, g.count);
            FishWave w = fish.m_Wave[g.block];
            ASSERT_NEAR(w.phase, PhaseAfter(call, g.cadence, step), 1e-5) << g.name << " call " << call;
            if (g.block != 0 && g.block != 6)
                w.amplitude = amplitude;
            for (int i = 0; i < g.count; ++i)
                EXPECT_NEAR(out[i], g.value(i, w), 2e-7) << g.name << " call " << call << " entry " << i;
            EXPECT_EQ(out[g.count], 9.0f) << g.name << ": nothing past its count";
        }
        // The two that keep their last factor in the amplitude.
        if (g.block == 0 || g.block == 6) {
            EXPECT_FLOAT_EQ(fish.m_Wave[g.block].amplitude, 0.07f);
        }
    }
}

TEST_F(Species04Test, PinnedEntriesAndTheStillFrontOfTheBodyHoldWhateverThePhase)
{
    for (float phase : {0.0f, 0.7f, 1.9f, 3.3f, 5.1f}) {
        fish.m_Wave[0].phase = fish.m_Wave[4].phase = fish.m_Wave[6].phase = phase;
        float body[18], pinned[21], growing[8];
        fish.ComputeBodyWave(body, 18);
        fish.ComputePinnedWave(pinned, 21);
        fish.ComputeGrowingWave(growing, 8);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(body[i], 0.0f) << phase << " " << i;
        EXPECT_EQ(pinned[0], 0.0f);
        EXPECT_EQ(growing[0], 0.0f);
        // Past the still front the body's wave grows toward the tail: at most
        // (i - 10) x 0.005.
        for (int i = 10; i < 18; ++i)
            EXPECT_LE(std::fabs(body[i]), (i - 10) * 0.005f + 1e-7f) << i;
    }
}

TEST_F(Species04Test, APhaseOfExactlyTwoPiStaysAndOnlyALargerOneRestartsAtZero)
{
    struct Case {
        float phase, after;
    } const cases[] = {{6.283185f, 6.283185f}, {6.2831855f, 0.0f}, {6.3f, 0.0f}, {6.0f, 6.0f}};
    for (const Case& c : cases) {
        for (int block : {0, 3, 4, 6, 8, 9}) {
            fish.m_Wave[block].phase = c.phase;
            fish.m_Wave[block].counter = 0;
        }
        float out[27];
        fish.ComputeBodyWave(out, 18);
        fish.ComputePinnedWave(out, 21);
        fish.ComputeGrowingWave(out, 8);
        fish.ComputeSineWave(out, 9);
        fish.ComputeSineWave2(out, 27);
        for (int block : {0, 4, 6, 8, 9})
            EXPECT_EQ(fish.m_Wave[block].phase, c.after) << c.phase << ", block " << block;
    }
}

TEST_F(Species04Test, RampsAreZeroWhileTheStrokeIsSetAndRampUpOrDownOnceItIsClear)
{
    for (BYTE stroke : {BYTE{1}, BYTE{0}}) {
        fish.m_bStroke = stroke;
        fish.m_Wave[1].counter = 0;
        float reverse[5] = {9, 9, 9, 9, 9}, toggle[4] = {9, 9, 9, 9};
        fish.ComputeReverseRamp(reverse, 4);
        fish.ComputeRampToggle(toggle, 3);
        for (int i = 0; i < 4; ++i) {
            // (n - i) x 0.005 but the first entry, which is 0.
            const float expected = stroke || i == 0 ? 0.0f : (4 - i) * 0.005f;
            EXPECT_NEAR(reverse[i], expected, 1e-9) << "stroke " << int(stroke) << " entry " << i;
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(toggle[i], stroke ? 0.0f : i * 0.01f, 1e-9) << "stroke " << int(stroke) << " entry " << i;
        EXPECT_EQ(reverse[4], 9.0f);
        EXPECT_EQ(toggle[3], 9.0f);
    }
    // The stated values with the flag clear.
    fish.m_bStroke = 0;
    float r[4];
    fish.ComputeReverseRamp(r, 4);
    const float stated[4] = {0.0f, 0.015f, 0.010f, 0.005f};
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(r[i], stated[i]) << i;
}

TEST_F(Species04Test, RampsOfSmallCountsWriteOnlyTheirEntries)
{
    fish.m_bStroke = 0;
    for (int n : {0, 1, 2, 3}) {
        float out[6] = {9, 9, 9, 9, 9, 9};
        fish.ComputeReverseRamp(out, n);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(out[i], i < n ? (i == 0 ? 0.0f : (n - i) * 0.005f) : 9.0f) << "n " << n << " entry " << i;
        float toggle[6] = {9, 9, 9, 9, 9, 9};
        fish.m_Wave[1].counter = 0;
        fish.ComputeRampToggle(toggle, n);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(toggle[i], i < n ? i * 0.01f : 9.0f) << "n " << n << " entry " << i;
        EXPECT_EQ(fish.m_Wave[1].counter, 1) << "the toggle counts every call, n " << n;
    }
}

TEST_F(Species04Test, TheToggleFlipsTheStrokeOnTheCallThatFindsItsCounterAt21)
{
    for (int counter : {0, 7, 14, 21}) {
        CFishSpecies04 f;
        f.m_Wave[1].counter = counter;
        std::vector<int> flips;
        for (int call = 1; call <= 80; ++call) {
            const BYTE before = f.m_bStroke;
            float out[3];
            f.ComputeRampToggle(out, call % 2 ? 3 : 0);  // the count does not matter
            if (f.m_bStroke != before)
                flips.push_back(call);
        }
        ASSERT_GE(flips.size(), 3u) << counter;
        EXPECT_EQ(flips[0], 22 - counter) << "a fresh fish with counter " << counter;
        EXPECT_EQ(flips[1] - flips[0], 22);
        EXPECT_EQ(flips[2] - flips[1], 22);
    }
}

// ---- Draw ----

// The parts in drawing order: strips and points per strip.
const PartShape kShapes[] = {
    {"body", 16, 36},    {"lower jaw", 6, 8},     {"upper jaw", 10, 6}, {"dorsal", 1, 26},
    {"pectoral", 1, 42}, {"pectoral twin", 1, 42}, {"pelvic", 1, 16},    {"pelvic twin", 1, 16},
    {"anal", 1, 18},     {"tail", 1, 54},          {"eye", 2, 18},       {"eye twin", 2, 18},
};

TEST_F(Species04Test, EachFrameDrawsTwelvePartsInOrderWithNoEmptyQuads)
{
    for (int mode : {0, 1, 2, 3, 5, -1}) {
        recorder.primitives.clear();
        fish.Draw(mode);
        EXPECT_EQ(fish.m_nDrawVariant, mode);
        ASSERT_EQ(recorder.primitives.size(), 43u) << mode;
        size_t p = 0;
        for (const PartShape& shape : kShapes)
            for (int s = 0; s < shape.strips; ++s, ++p) {
                EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << shape.name;
                EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(shape.points)) << shape.name << " " << s;
            }
        EXPECT_EQ(recorder.VertexCount(), 16u * 36 + 6 * 8 + 10 * 6 + 26 + 2 * 42 + 2 * 16 + 18 + 54 + 4 * 18);
    }
    for (size_t i = 0; i < std::size(kShapes); ++i)
        EXPECT_STREQ(fish.Class().parts[i].name, kShapes[i].name);
    // Mode 4 cuts the pelvic fins to six columns each.
    recorder.primitives.clear();
    fish.Draw(4);
    ASSERT_EQ(recorder.primitives.size(), 43u);
    EXPECT_EQ(recorder.primitives[16 + 6 + 10 + 1 + 2].vertices.size(), 12u);
    EXPECT_EQ(recorder.primitives[16 + 6 + 10 + 1 + 3].vertices.size(), 12u);
    EXPECT_EQ(recorder.VertexCount(), 970u - 8u);
}

// Per frame: the bend's draw (one more while the segments catch up) and the
// drift's two; a wander decision adds its own, none for the swim style.
TEST_F(Species04Test, RandomDrawsPerFrameAreTheBendsAndTheDrifts)
{
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
    for (unsigned seed : {2u, 3u, 11u, 19u}) {
        CFishSpecies04 f = fish;
        f.m_nWanderTimer = 301;
        f.m_fPitch = 10;
        crt::srand(seed);
        f.Draw(0);
        // The bend's draw, the drift's two, then the new counter, the target
        // speed, a new heading and pitch, perhaps a new speed.
        const int counter = RandValue(3, seed) % 150;
        EXPECT_EQ(f.m_nWanderTimer, counter) << seed;
        EXPECT_EQ(f.m_nTargetHeading, RandValue(5, seed) % 2 ? 180 : 0) << seed;
        const bool slows = counter > 50;
        CFishSpecies04 g = fish;
        g.m_nWanderTimer = 301;
        g.m_fPitch = 10;
        EXPECT_EQ(RandDraws([&] { g.Draw(0); }, seed), 3 + 4 + (slows ? 1 : 0)) << seed;
        // Every target speed is 0.1 or more: the rates take the factor 1.5.
        EXPECT_NEAR(f.m_Wave[9].amplitude, 0.045, 1e-7);
        EXPECT_NEAR(f.m_Wave[4].phaseStep, 1.5 * kPi / 8, 1e-6);
    }
}

TEST_F(Species04Test, TheDriftFollowsThePitchAndStaysWithinItsLimit)
{
    for (unsigned seed : {1u, 5u, 77u}) {
        CFishSpecies04 f = fish;
        f.m_fPitch = seed == 5u ? -10.0f : 10.0f;
        crt::srand(seed);
        float drift = 0.0f;
        for (int frame = 0; frame < 40; ++frame) {
            crt::srand(seed + frame);
            const int bendDraws = 1;
            const int r1 = RandValue(bendDraws, seed + frame) % 10, r2 = RandValue(bendDraws + 1, seed + frame) % 10;
            drift += f.m_fPitch > 0 ? 0.002f : -0.002f;
            if (r1 == 0)
                drift += 0.004f;
            if (r2 == 1)
                drift -= 0.004f;
            drift = std::clamp(drift, -0.008f, 0.008f);
            f.m_nBendCounter = 0;  // no settling draw this frame
            crt::srand(seed + frame);
            f.Draw(0);
            ASSERT_NEAR(f.m_fDrift, drift, 1e-6) << "seed " << seed << " frame " << frame;
        }
    }
}

TEST_F(Species04Test, TheShownPitchStepsOneDegreeAFrameAndNeverOvershoots)
{
    struct Case {
        float target;
        std::vector<float> shown;
    } const cases[] = {
        {4.0f, {1, 2, 3, 4, 4, 4}},
        {0.5f, {0, 0, 0}},
        {-2.0f, {-1, -2, -2}},
        {2.5f, {1, 2, 2, 2}},
    };
    for (const Case& c : cases) {
        CFishSpecies04 f = fish;
        f.m_fPitch = c.target;
        for (float e : c.shown) {
            f.Draw(0);
            EXPECT_EQ(f.m_fShownPitch, e) << "target " << c.target;
        }
    }
}

// How each part moves its stored points, recomputed from the class's rules,
// before the size and the turn.
struct PartRule {
    const char* name;
    void (CFishSpecies04::*draw)(const FishFrame&);
    std::function<const FishVertex&(int row, int c)> stored;  // the point of a row a column reads
    std::vector<std::array<int, 2>> strips;                   // rows of each strip
    int columns;
    std::vector<bool> passes;  // per strip: as stored, y-negated
    std::function<Vec(const FishVertex& p, int row, int c, bool mirrored)> moved;
    std::function<float(int c)> angle;
};

// The edge profiles of modes 3 and 4 (0 otherwise), as the class's rules give them.
float DorsalEdge(int mode, int j)
{
    const float d = j < 7 ? (j % 2) * 0.03f : 0.0f;
    return mode == 4 ? (13 - j) * 0.01f - 0.05f - d : 0.0f;
}
float TailEdge(int mode, int j)
{
    const int k = j < 13 ? j : 27 - j;
    if (mode == 3)
        return k * 0.01f;
    if (mode == 4)
        return j == 4 || j == 22 ? 0.08f : -0.008f * k;
    return 0.0f;
}

std::vector<PartRule> Rules(const FishFrame& f, float drift, int mode)
{
    auto y = [](const FishVertex& p, bool m) { return m ? -p.y : p.y; };
    auto at = [](const FishVertex* table, int columns) {
        return [table, columns](int r, int c) -> const FishVertex& { return table[r * columns + c]; };
    };
    const auto dorsalSegment = [](int c) { return std::min(8 + c, 16); };
    const auto analSegment = [](int c) { return std::min(11 + c, 16); };
    std::vector<std::array<int, 2>> chain8, chain3, chain5;
    for (int r = 0; r < 8; ++r)
        chain8.push_back({r, r + 1});
    for (int r = 0; r < 3; ++r)
        chain3.push_back({r, r + 1});
    for (int r = 0; r < 5; ++r)
        chain5.push_back({r, r + 1});
    const float pelvicAngle = (f[kBend][7] + f[kBend][8]) * 0.5f;
    return {
        {"body", &CFishSpecies04::DrawBody, at(&g_Fish04Body[0][0], 18), chain8, 18, {false, true},
         [&f, y](const FishVertex& p, int, int c, bool m) { return Vec{p.x, y(p, m) + f[kBody][c], p.z}; },
         [&f](int c) { return f[kBend][c]; }},
        {"lower jaw", &CFishSpecies04::DrawPart1, at(&g_Fish04LowerJaw[0][0], 4), chain3, 4, {false, true},
         [&f, y](const FishVertex& p, int, int c, bool m) { return Vec{p.x, y(p, m), p.z - f[kReverse][c]}; },
         [&f](int) { return f[kBend][0]; }},
        {"upper jaw", &CFishSpecies04::DrawPart2, at(&g_Fish04UpperJaw[0][0], 3), chain5, 3, {false, true},
         [&f, y](const FishVertex& p, int, int c, bool m) { return Vec{p.x, y(p, m), p.z + f[kToggle][c]}; },
         [&f](int) { return f[kBend][0]; }},
        {"dorsal", &CFishSpecies04::DrawPart3, at(&g_Fish04Dorsal[0][0], 13), {{0, 1}}, 13, {false},
         [&f, mode, dorsalSegment](const FishVertex& p, int row, int c, bool) {
             const float wave = row == 1 || c >= 8 ? f[kDorsalWave][c] : 0.0f;
             const float edge = row == 1 ? DorsalEdge(mode, c) : 0.0f;
             return Vec{p.x, p.y + f[kBody][dorsalSegment(c)] + wave, p.z - 0.02f + edge};
         },
         [&f, dorsalSegment](int c) { return f[kBend][dorsalSegment(c)]; }},
        {"pectoral", &CFishSpecies04::DrawPart4,
         [](int r, int c) -> const FishVertex& { return g_Fish04Pectoral[r][r == 0 ? c / 3 : c]; }, {{0, 1}}, 21,
         {false},
         [&f](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kPectoralWave][c] : 0.0f;
             return Vec{p.x + w, p.y - w, p.z};
         },
         [&f](int) { return f[kBend][8]; }},
        {"pectoral twin", &CFishSpecies04::DrawPart4Mirror,
         [](int r, int c) -> const FishVertex& { return g_Fish04Pectoral[r][r == 0 ? c / 3 : c]; }, {{0, 1}}, 21,
         {true},
         [&f](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kPectoralWave][c] : 0.0f;
             return Vec{p.x + w, -p.y + w, p.z};
         },
         [&f](int) { return f[kBend][8]; }},
        {"pelvic", &CFishSpecies04::DrawPart5, at(&g_Fish04Pelvic[0][0], 8), {{0, 1}}, mode == 4 ? 6 : 8, {false},
         [&f](const FishVertex& p, int, int c, bool) { return Vec{p.x, p.y + f[kPelvicWave][c], p.z}; },
         [pelvicAngle](int) { return pelvicAngle; }},
        {"pelvic twin", &CFishSpecies04::DrawPart5Mirror, at(&g_Fish04Pelvic[0][0], 8), {{0, 1}}, mode == 4 ? 6 : 8,
         {true}, [&f](const FishVertex& p, int, int c, bool) { return Vec{p.x, -p.y - f[kPelvicWave][c], p.z}; },
         [pelvicAngle](int) { return pelvicAngle; }},
        {"anal", &CFishSpecies04::DrawPart6, at(&g_Fish04Anal[0][0], 9), {{0, 1}}, 9, {false},
         [&f, analSegment](const FishVertex& p, int row, int c, bool) {
             const float wave = row == 1 || c >= 5 ? f[kAnalWave][c] : 0.0f;
             return Vec{p.x, p.y + f[kBody][analSegment(c)] + wave, p.z + 0.02f};
         },
         [&f, analSegment](int c) { return f[kBend][analSegment(c)]; }},
        {"tail", &CFishSpecies04::DrawPart7,
         [](int r, int c) -> const FishVertex& { return g_Fish04Tail[r][r == 0 ? c / 3 : c]; }, {{0, 1}}, 27, {false},
         [&f, mode](const FishVertex& p, int row, int c, bool) {
             if (row == 0)
                 return Vec{p.x, p.y + f[kBody][17], p.z};
             return Vec{p.x + TailEdge(mode, c), p.y + f[kBody][17] + f[kTailWave][c], p.z};
         },
         [&f](int) { return f[kBend][17]; }},
        {"eye", &CFishSpecies04::DrawPart8,
         [](int r, int c) -> const FishVertex& { return g_Fish04Eye[r][r == 0 ? c / 2 : c]; }, {{0, 1}, {1, 2}}, 9,
         {false}, [drift](const FishVertex& p, int, int, bool) { return Vec{p.x + drift, p.y, p.z + drift}; },
         [&f](int) { return f[kBend][3]; }},
        {"eye twin", &CFishSpecies04::DrawPart9,
         [](int r, int c) -> const FishVertex& { return g_Fish04Eye[r][r == 0 ? c / 2 : c]; }, {{0, 1}, {1, 2}}, 9,
         {true}, [drift](const FishVertex& p, int, int, bool) { return Vec{p.x + drift, -p.y, p.z + drift}; },
         [&f](int) { return f[kBend][3]; }},
    };
}

TEST_F(Species04Test, EveryPartTurnsAndWavesByItsRulesInEveryMode)
{
    const FishFrame f = KnownFrame();
    for (int mode : {0, 3, 4, 7}) {
        for (int size : {5, 8}) {
            fish.m_nDrawVariant = mode;
            fish.m_nSize = size;
            fish.m_fDrift = -0.006f;
            for (const PartRule& rule : Rules(f, fish.m_fDrift, mode)) {
                recorder.primitives.clear();
                (fish.*rule.draw)(f);
                const std::string what = std::string(rule.name) + ", mode " + std::to_string(mode);
                const size_t passes = rule.passes.size();
                ASSERT_EQ(recorder.primitives.size(), rule.strips.size() * passes) << what;
                for (size_t s = 0; s < rule.strips.size(); ++s)
                    for (size_t pass = 0; pass < passes; ++pass) {
                        const RecordedPrimitive& prim = recorder.primitives[s * passes + pass];
                        ASSERT_EQ(prim.vertices.size(), size_t(2 * rule.columns)) << what;
                        for (int c = 0; c < rule.columns; ++c)
                            for (int k = 0; k < 2; ++k) {
                                const int row = rule.strips[s][k];
                                const FishVertex& p = rule.stored(row, c);
                                Vec q = rule.moved(p, row, c, rule.passes[pass]);
                                q = {q[0] * size, q[1] * size, q[2] * size};
                                const RecordedVertex& v = prim.vertices[2 * c + k];
                                ExpectNearPoint(v.position, TurnedAboutZ(q, rule.angle(c)),
                                                what + " strip " + std::to_string(s) + " pass " +
                                                    std::to_string(pass) + " column " + std::to_string(c) +
                                                    (k ? " second" : " first"),
                                                4e-5f);
                                // Normals and texture coordinates as stored, also in the y-negated pass.
                                EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz})) << what;
                                EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << what;
                            }
                    }
            }
        }
    }
}

TEST_F(Species04Test, TheStrokeOpensTheMouthOnTheFrameAfterTheToggleFlipsIt)
{
    // Lower jaw (after the body's 16 strips) and upper jaw (6 strips later):
    // strip 0 of each, row 0 at its last column.
    const size_t lowerJaw = 16, upperJaw = lowerJaw + 6;
    fish.m_Wave[1].counter = 15;  // the 7th call finds 21: the toggle flips on frame 7
    for (int frame = 1; frame <= 9; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const bool open = frame >= 8;
        EXPECT_EQ(fish.m_bStroke, frame >= 7 ? 0 : 1) << frame;
        EXPECT_NEAR(At(lowerJaw, 1, 0)[2], (g_Fish04LowerJaw[0][1].z - (open ? 0.015f : 0.0f)) * 5, 1e-5) << frame;
        EXPECT_NEAR(At(lowerJaw, 0, 0)[2], g_Fish04LowerJaw[0][0].z * 5, 1e-5) << "the joint stays, " << frame;
        EXPECT_NEAR(At(upperJaw, 2, 0)[2], (g_Fish04UpperJaw[0][2].z + (open ? 0.02f : 0.0f)) * 5, 1e-5) << frame;
    }
}

TEST_F(Species04Test, InAnXWallStateTheBendAndTheHeadingSnapToTheTargetWhileTurning)
{
    fish.m_nTargetHeading = 180;
    fish.m_nWallState = 2;
    float bend[18];
    fish.ComputeBendToHeading(bend, 18, 180.0f);
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(bend[i], 180.0f) << i;
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    }
    // Away from the walls the segments lag 20 degrees each behind the head.
    CFishSpecies04 f;
    f.m_nTargetHeading = 180;
    for (int call = 0; call < 3; ++call)
        f.ComputeBendToHeading(bend, 18, 180.0f);
    EXPECT_EQ(f.m_fHeading, 20.0f);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(bend[i], 20.0f - 20.0f * i) << i;
}

TEST_F(Species04Test, AtAnXWallTheFishTurnsBackAndStaysInItsBox)
{
    fish.m_fPos[0] = -49.99f;
    fish.m_fPitch = 0;
    fish.Draw(0);
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    EXPECT_GT(fish.m_fPos[0], -48.0f) << "on its way toward rising x";
}

TEST_F(Species04Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

}  // namespace
