// Species 9, the tiger barb: its construction and random draws, its swim
// style, its generators (cadences, values, pins, ramps and the stroke
// toggle), and the parts of its Draw with their strips, mirrors, rotations
// and waves, recomputed from the class's rules.
#include "fish/fish_species09.h"
#include "fish/fish_species09_meshes.h"
#include "fish_test_util.h"
#include "support/matrix_chain.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw, in the order it clears them.
enum { kBody, kBend, kToggle, kReverse, kSine, kSine2, kSine3, kPinned, kSine4, kSine5 };

constexpr double kPi = 3.14159265358979323846;
using Vec = std::array<float, 3>;

Vec TurnZ(const Vec& p, float angle) { return MatrixChain().Rotate(angle, 0, 0, 1).Point(p.data()); }

// ---- construction ----

TEST(FishSpecies09Construction, StartsWithItsOwnValuesAndTheTemplatesFourDraws)
{
    ExpectStartValues<CFishSpecies09>({.speed = 0.1f,
                                       .segments = 15,
                                       .drift = false,
                                       .bodyDims = {1.0f, 0.36675f, 0.331898f},
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 5, 0.01, kPi / 8},
                                                  {kPi / 5, 0.01, kPi / 8},
                                                  {kPi / 24, 0.05, kPi / 8},
                                                  {},
                                                  {kPi / 4, 0.01, kPi / 8},
                                                  {kPi / 2, 0.02, kPi / 6},
                                                  {kPi / 4, 0.05, kPi / 6},
                                                  {kPi / 4, 0.03, kPi / 24},
                                                  {kPi / 4, 0.02, kPi / 24}}});
    // Born above the speed ceiling, it keeps 0.1 until its first approach.
    CFishSpecies09 fish;
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.1f);
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies09Swimming, TurnIsTheTemplatesPitchTurn)
{
    const struct {
        float pitch, step;
        bool up;
        int mode;
        float expected;
    } cases[] = {{10, 5, true, 7, 15}, {10, 5, false, 7, 5}, {88, 5, true, 7, 88}, {30, 0, false, 3, -30},
                 {44.5f, 0, true, 5, 45}, {-44.5f, 0, false, 5, -45}, {20, 0, true, 9, 20}};
    for (const auto& c : cases) {
        CFishSpecies09 fish;
        fish.m_fPitch = c.pitch;
        EXPECT_EQ(RandDraws([&] { fish.Turn(c.step, c.up, c.mode); }), 0);
        EXPECT_FLOAT_EQ(fish.m_fPitch, c.expected) << c.pitch << " mode " << c.mode;
    }
    CFishSpecies09 fish;
    fish.m_fPitch = -10;
    crt::srand(3);
    fish.Turn(0, false, 0);
    EXPECT_FLOAT_EQ(fish.m_fPitch, -10.0f + 15 + RandValue(0, 3) % 15);
}

TEST(FishSpecies09Swimming, SwimStyleDrawsOnceAndSetsTheBodyTheSineAndTheThirdSine)
{
    for (float f : {1.0f, 1.5f}) {
        CFishSpecies09 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(f > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        const struct {
            int block;
            double waveNumber, amplitude, step;
        } rows[] = {{0, kPi / 12, 0.1 * f, f * kPi / 4}, {3, kPi / 5, 0.015 * f, f * kPi / 8},
                    {5, kPi / 24, 0.02 * f, f * kPi / 8}};
        for (const auto& r : rows) {
            const FishWave& w = fish.m_Wave[r.block];
            EXPECT_NEAR(w.waveNumber, r.waveNumber, 1e-6) << r.block;
            EXPECT_NEAR(w.amplitude, r.amplitude, 1e-7) << r.block;
            EXPECT_NEAR(w.phaseStep, r.step, 1e-6) << r.block;
        }
        // The second sine keeps its birth values.
        EXPECT_FLOAT_EQ(fish.m_Wave[4].amplitude, 0.01f);
    }
}

TEST(FishSpecies09Swimming, AfterTheFirstWanderTheSineAndTheThirdSineSwimHarder)
{
    CFishSpecies09 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = -75;
    fish.m_nWanderTimer = 301;  // decides in this frame
    fish.Draw();
    EXPECT_NEAR(fish.m_Wave[3].amplitude, 0.0225f, 1e-7);
    EXPECT_NEAR(fish.m_Wave[5].amplitude, 0.03f, 1e-7);
}

// ---- the generators ----

// Every oscillator generator: its block, the n Draw gives it, the calls per
// phase step and out[i] from the rule (times the size 5).
TEST(FishSpecies09Waves, EachGeneratorHasItsCadenceAndItsValues)
{
    using Gen = void (CFishSpecies09::*)(float*, int);
    auto sine = [](int i, double k, double phi, double a) { return std::sin(i * k + phi) * 5 * a; };
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<double(int i, double k, double phi, double a)> value;
    } cases[] = {
        {"body wave", &CFishSpecies09::ComputeBodyWave, 0, 12, 7,
         [](int i, double k, double phi, double) {
             return i < 6 ? 0.0 : std::sin(i * k + phi) * 5 * (i - 6) * 0.01 * 0.5;
         }},
        {"sine", &CFishSpecies09::ComputeSineWave, 3, 8, 5, sine},
        {"sine 2", &CFishSpecies09::ComputeSineWave2, 4, 5, 7, sine},
        {"sine 3", &CFishSpecies09::ComputeSineWave3, 5, 6, 7, sine},
        {"pinned", &CFishSpecies09::ComputePinnedWave, 7, 9, 7,
         [&](int i, double k, double phi, double a) { return i == 0 ? 0.0 : sine(i, k, phi, a); }},
        {"sine 4", &CFishSpecies09::ComputeSineWave4, 9, 10, 7, sine},
        {"sine 5", &CFishSpecies09::ComputeSineWave5, 10, 14, 7, sine},
    };
    for (const Case& c : cases) {
        CFishSpecies09 fish;
        FishWave& w = fish.m_Wave[c.block];
        w.phase = 1.0f;
        float out[16] = {};
        for (int call = 1; call <= 2 * c.period + 1; ++call) {
            (fish.*c.gen)(out, c.n);
            EXPECT_NEAR(w.phase, 1.0f + (call / c.period) * w.phaseStep, 1e-6) << c.name << " call " << call;
            const double amplitude = c.block == 0 ? 0.1 : w.amplitude;
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, amplitude), 1e-6) << c.name << " " << i;
        }
        // A phase past 2 pi starts again at 0.
        w.phase = 6.2f;
        w.counter = c.period - 1;
        (fish.*c.gen)(out, c.n);
        EXPECT_EQ(w.phase, 0.0f) << c.name;
    }
}

TEST(FishSpecies09Waves, TheBodyWaveLeavesItsFactorInTheAmplitudeAndItsFrontAtRest)
{
    CFishSpecies09 fish;
    float body[12];
    for (int call = 0; call < 40; ++call) {
        fish.ComputeBodyWave(body, 12);
        for (int i = 0; i <= 6; ++i)
            EXPECT_EQ(body[i], 0.0f) << "entry " << i << " call " << call;
    }
    EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.05f) << "(11 - 6) x 0.01";
}

// The pin clears entry 0 only where the call writes entries: a call for no
// entries leaves the array as it is.
TEST(FishSpecies09Waves, ThePinnedWaveWritesNoEntryForNoEntries)
{
    CFishSpecies09 fish;
    float out[2] = {7.0f, 7.0f};
    fish.ComputePinnedWave(out, 0);
    EXPECT_EQ(out[0], 7.0f);
    fish.ComputePinnedWave(out, 1);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[1], 7.0f);
}

TEST(FishSpecies09Waves, BothRampsFallToAZeroLastEntryAndAreZeroWhileTheStrokeIsSet)
{
    using Gen = void (CFishSpecies09::*)(float*, int);
    for (Gen gen : {&CFishSpecies09::ComputeReverseRamp, &CFishSpecies09::ComputeReverseRampToggle}) {
        for (int size : {5, 8}) {
            CFishSpecies09 fish;
            fish.m_nSize = size;
            float out[6];
            std::fill(out, out + 6, 9.0f);  // whatever Draw's array held
            fish.m_bStroke = 1;
            fish.m_Wave[1].counter = fish.m_Wave[2].counter = 0;
            (fish.*gen)(out, 6);
            for (float v : out)
                EXPECT_EQ(v, 0.0f);
            fish.m_bStroke = 0;
            std::fill(out, out + 6, 9.0f);
            (fish.*gen)(out, 6);
            for (int i = 0; i < 6; ++i)
                EXPECT_NEAR(out[i], i == 5 ? 0.0 : size * 0.003 * (6 - i), 1e-7) << size << " " << i;
        }
    }
    CFishSpecies09 fish;
    fish.m_bStroke = 0;
    float out[6];
    fish.ComputeReverseRamp(out, 6);
    const float given[6] = {0.09f, 0.075f, 0.06f, 0.045f, 0.03f, 0.0f};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(out[i], given[i], 1e-7) << i;
    // A single entry is the last one: 0; none writes nothing.
    float one[2] = {4.0f, 4.0f};
    fish.ComputeReverseRamp(one, 1);
    EXPECT_EQ(one[0], 0.0f);
    EXPECT_EQ(one[1], 4.0f);
    fish.ComputeReverseRamp(one + 1, 0);
    EXPECT_EQ(one[1], 4.0f);
}

// The toggle draws one rand() per call and flips the stroke when its
// counter's old value passes 15 plus that draw % 10; the plain ramp never
// flips it and draws nothing.
TEST(FishSpecies09Waves, TheToggleFlipsTheStrokeAfterARandomSixteenToTwentyFiveCalls)
{
    for (unsigned seed : {1u, 2u, 99u}) {
        CFishSpecies09 fish;
        fish.m_Wave[1].counter = 0;
        const BYTE start = fish.m_bStroke;
        crt::srand(seed);
        std::vector<int> flips;
        float out[6];
        int counter = 0, draw = 0;
        std::vector<int> expected;
        for (int call = 1; call <= 120; ++call) {
            const int r = RandValue(draw++, seed);
            if (counter++ > r % 10 + 15) {
                counter = 0;
                expected.push_back(call);
            }
        }
        crt::srand(seed);
        BYTE stroke = start;
        for (int call = 1; call <= 120; ++call) {
            fish.ComputeReverseRampToggle(out, 6);
            if (fish.m_bStroke != stroke)
                flips.push_back(call);
            stroke = fish.m_bStroke;
        }
        EXPECT_EQ(flips, expected) << seed;
        ASSERT_GE(flips.size(), 4u);
        for (size_t k = 1; k < flips.size(); ++k) {
            EXPECT_GE(flips[k] - flips[k - 1], 17) << seed;
            EXPECT_LE(flips[k] - flips[k - 1], 26) << seed;
        }
    }
    CFishSpecies09 fish;
    float out[6];
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRampToggle(out, 6); }), 1);
    EXPECT_EQ(RandDraws([&] {
                  for (int k = 0; k < 60; ++k)
                      fish.ComputeReverseRamp(out, 6);
              }),
              0);
}

// ---- Draw ----

// The parts in drawing order: strips (mirror passes included) and points per strip.
const PartShape kShapes[] = {
    {"body", 8, 24},      {"upper jaw", 6, 12}, {"lower jaw", 2, 12}, {"dorsal", 1, 16}, {"keel", 1, 10},
    {"pectoral", 2, 12},  {"pelvic", 2, 18},    {"anal", 1, 18},      {"tail", 1, 28},   {"eye", 4, 10},
};

using Species09Test = FishSpeciesTest<CFishSpecies09>;

TEST_F(Species09Test, EachFrameDrawsTenPartsEachAfterAnEmptyQuadsPair)
{
    fish.Draw();
    size_t p = 0, vertices = 0;
    for (size_t i = 0; i < std::size(kShapes); ++i) {
        const PartShape& s = kShapes[i];
        EXPECT_STREQ(fish.Class().parts[i].name, s.name);
        ASSERT_LT(p, recorder.primitives.size());
        EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUADS)) << s.name;
        EXPECT_TRUE(recorder.primitives[p].vertices.empty()) << s.name;
        ++p;
        for (int k = 0; k < s.strips; ++k, ++p) {
            ASSERT_LT(p, recorder.primitives.size());
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << s.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(s.points)) << s.name << " strip " << k;
        }
        vertices += size_t(s.strips * s.points);
    }
    EXPECT_EQ(p, recorder.primitives.size());
    EXPECT_EQ(vertices, 460u);
    EXPECT_EQ(recorder.VertexCount(), vertices);
    EXPECT_EQ(fish.m_fDrift, 0.0f) << "the class has no drift";
}

// Per frame: the toggle's draw and the bend's, one more on the frame the
// head reaches its heading (the segments then settle at once).
TEST_F(Species09Test, RandomDrawsPerFrameAreTheTogglesAndTheBends)
{
    for (int frame = 1; frame <= 12; ++frame) {
        CFishSpecies09 copy = fish;
        EXPECT_EQ(RandDraws([&] { copy.Draw(); }), frame == 3 ? 3 : 2) << frame;
        fish.Draw();
        recorder.primitives.clear();
    }
}

// It rises by 1 when below the pitch and then falls by 1 when above it, so
// within a degree of the pitch it rises and falls back in the same frame.
TEST_F(Species09Test, TheShownPitchEasesByOneDegreeAFrame)
{
    const struct {
        float shown, pitch, expected;
    } cases[] = {{0, 10, 1}, {10, 0, 9}, {5, 5, 5}, {4.5f, 5, 4.5f}, {-3, -2.5f, -3}};
    for (const auto& c : cases) {
        CFishSpecies09 f = fish;
        f.m_fShownPitch = c.shown;
        f.m_fPitch = c.pitch;
        f.Draw();
        EXPECT_FLOAT_EQ(f.m_fShownPitch, c.expected) << c.shown << " toward " << c.pitch;
    }
}

// Size 8 sends every point 8 / 5 as far out as size 5: the waves carry the size too.
TEST_F(Species09Test, ALargerFishIsTheSameFishScaled)
{
    CFishSpecies09 big = fish;
    big.m_nSize = 8;
    crt::srand(9);
    fish.Draw();
    const std::vector<RecordedPrimitive> small = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(9);
    big.Draw();
    ASSERT_EQ(recorder.primitives.size(), small.size());
    for (size_t s = 0; s < small.size(); ++s) {
        ASSERT_EQ(recorder.primitives[s].vertices.size(), small[s].vertices.size());
        for (size_t i = 0; i < small[s].vertices.size(); ++i) {
            const RecordedVertex& a = small[s].vertices[i];
            const RecordedVertex& b = recorder.primitives[s].vertices[i];
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(b.position[k], 1.6f * a.position[k], 1e-4) << s << " " << i;
                EXPECT_EQ(b.normal[k], a.normal[k]);
            }
            EXPECT_EQ(b.texCoord[0], a.texCoord[0]);
            EXPECT_EQ(b.texCoord[1], a.texCoord[1]);
        }
    }
}

// Each part on a frame of known arrays: its strips (mirrors where it has
// them), each column turned about z by its bend and moved by its waves.
TEST_F(Species09Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 16; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kBody][j] = 0.003f * j - 0.01f;
        for (int a : {kToggle, kReverse, kSine, kSine2, kSine3, kPinned, kSine4, kSine5})
            f[a][j] = 0.001f * (j + 1) * (a + 1);
    }
    const auto bend = [&](int i) { return f[kBend][i]; };
    const auto body = [&](int i) { return f[kBody][i]; };
    // A column's value by the groups the class gives: entry i, or the mean of i and i + 1.
    using Pick = std::function<float(const std::function<float(int)>&, int c)>;
    const auto mean = [](const std::function<float(int)>& a, int i) { return (a(i) + a(i + 1)) * 0.5f; };
    const Pick dorsal = [&](const auto& a, int c) {
        return c == 0 ? a(5) : c <= 2 ? mean(a, 5) : c == 3 ? a(6) : c <= 5 ? mean(a, 6) : a(7);
    };
    const Pick keel = [&](const auto& a, int c) { return c <= 2 ? a(8) : c == 3 ? mean(a, 8) : a(9); };
    const Pick anal = [&](const auto& a, int c) { return c <= 1 ? a(7) : c <= 4 ? mean(a, 7) : a(8); };
    const Pick tail = [&](const auto& a, int c) { return c <= 1 || c >= 12 ? a(10) : a(11); };

    using Stored = std::function<const FishVertex&(int row, int c)>;
    struct Rule {
        const char* name;
        void (CFishSpecies09::*draw)(const FishFrame&);
        Stored stored;
        int strips, columns;
        bool halves;    // each strip then its mirror (else: all strips, then all mirrors)
        bool mirrored;  // drawn twice
        // The point at size 5 before turning: p scaled, y mirrored, plus its waves.
        std::function<Vec(const FishVertex& p, bool first, int c, bool mirror)> moved;
        std::function<float(int c)> angle;
    };
    auto at = [](float x, float y, float z) { return Vec{5 * x, 5 * y, 5 * z}; };
    auto y = [](const FishVertex& p, bool m) { return m ? -p.y : p.y; };
    const Rule rules[] = {
        {"body", &CFishSpecies09::DrawBody, [](int r, int c) -> const FishVertex& { return g_Fish09Body[r][c]; }, 4,
         12, true, true,
         [&](const FishVertex& p, bool, int c, bool m) {
             Vec q = at(p.x, y(p, m), p.z);
             q[1] += f[kBody][c];
             return q;
         },
         bend},
        {"upper jaw", &CFishSpecies09::DrawPart1,
         [](int r, int c) -> const FishVertex& { return g_Fish09UpperJaw[r][c]; }, 3, 6, false, true,
         [&](const FishVertex& p, bool, int c, bool m) {
             Vec q = at(p.x, y(p, m), p.z);
             q[2] += f[kReverse][c];
             return q;
         },
         [&](int) { return bend(0); }},
        {"lower jaw", &CFishSpecies09::DrawPart2,
         [](int r, int c) -> const FishVertex& { return g_Fish09LowerJaw[r][c]; }, 1, 6, false, true,
         [&](const FishVertex& p, bool, int c, bool m) {
             Vec q = at(p.x, y(p, m), p.z);
             q[2] -= f[kToggle][c];
             return q;
         },
         [&](int) { return bend(0); }},
        {"dorsal", &CFishSpecies09::DrawPart3,
         [](int r, int c) -> const FishVertex& { return g_Fish09Dorsal[r][c]; }, 1, 8, false, false,
         [&](const FishVertex& p, bool first, int c, bool) {
             Vec q = at(p.x, p.y, p.z);
             q[1] += dorsal(body, c) + (first ? f[kSine][c] : 0.0f);
             return q;
         },
         [&](int c) { return dorsal(bend, c); }},
        {"keel", &CFishSpecies09::DrawPart4, [](int r, int c) -> const FishVertex& { return g_Fish09Keel[r][c]; }, 1,
         5, false, false,
         [&](const FishVertex& p, bool first, int c, bool) {
             Vec q = at(p.x, p.y, p.z);
             q[1] += keel(body, c) + (first ? 0.0f : f[kSine2][c]);
             return q;
         },
         [&](int c) { return keel(bend, c); }},
        {"pectoral", &CFishSpecies09::DrawPart5,
         [](int r, int c) -> const FishVertex& { return g_Fish09Pectoral[r][c]; }, 1, 6, false, true,
         [&](const FishVertex& p, bool first, int c, bool m) {
             Vec q = at(p.x, y(p, m), p.z);
             q[2] += first ? f[kSine3][c] : 0.0f;
             return q;
         },
         [&](int) { return bend(3); }},
        {"pelvic", &CFishSpecies09::DrawPart6,
         [](int r, int c) -> const FishVertex& { return g_Fish09Pelvic[r][c]; }, 1, 9, false, true,
         [&](const FishVertex& p, bool first, int c, bool m) {
             const float o = first ? f[kPinned][c] : 0.0f;
             return Vec{5 * p.x, m ? -(5 * p.y + o) : 5 * p.y + o, 5 * p.z};
         },
         [&](int) { return bend(5); }},
        {"anal", &CFishSpecies09::DrawPart7, [](int r, int c) -> const FishVertex& { return g_Fish09Anal[r][c]; }, 1,
         9, false, false,
         [&](const FishVertex& p, bool first, int c, bool) {
             Vec q = at(p.x, p.y, p.z);
             q[1] += anal(body, c) + (first ? f[kSine4][c] : 0.0f);
             return q;
         },
         [&](int c) { return anal(bend, c); }},
        {"tail", &CFishSpecies09::DrawPart8, [](int r, int c) -> const FishVertex& { return g_Fish09Tail[r][c]; }, 1,
         14, false, false,
         [&](const FishVertex& p, bool first, int c, bool) {
             Vec q = at(p.x, p.y, p.z);
             q[1] += tail(body, c) + (first ? f[kSine5][c] : 0.0f);
             return q;
         },
         [&](int c) { return tail(bend, c); }},
        {"eye", &CFishSpecies09::DrawPart9, [](int r, int c) -> const FishVertex& { return g_Fish09Eye[r][c]; }, 2, 5,
         false, true, [&](const FishVertex& p, bool, int, bool m) { return at(p.x, y(p, m), p.z); },
         [&](int) { return bend(0); }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const int passes = rule.mirrored ? 2 : 1;
        ASSERT_EQ(recorder.primitives.size(), size_t(1 + rule.strips * passes)) << rule.name;
        EXPECT_TRUE(recorder.primitives[0].vertices.empty()) << rule.name;
        for (int s = 0; s < rule.strips; ++s)
            for (int pass = 0; pass < passes; ++pass) {
                const size_t prim = 1 + (rule.halves ? s * passes + pass : pass * rule.strips + s);
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.stored(s + k, c);
                        const RecordedVertex& v = recorder.primitives[prim].vertices[size_t(2 * c + k)];
                        const std::string what = std::string(rule.name) + (pass ? " mirror" : "") + " strip " +
                                                 std::to_string(s) + " column " + std::to_string(c) +
                                                 (k ? " second" : " first");
                        ExpectNearPoint(v.position, TurnZ(rule.moved(p, k == 0, c, pass == 1), rule.angle(c)), what);
                        EXPECT_EQ(v.normal[0], p.nx) << what;
                        EXPECT_EQ(v.normal[1], p.ny) << what;
                        EXPECT_EQ(v.normal[2], p.nz) << what;
                        EXPECT_EQ(v.texCoord[0], p.s) << what;
                        EXPECT_EQ(v.texCoord[1], p.t) << what;
                    }
            }
    }
}

// Through a whole frame: the mouth's last columns and the pelvic fin's
// column 0 never move, nor do the body's first seven columns sideways.
TEST_F(Species09Test, TheEntriesThatStayAtRestKeepTheirPointsInPlace)
{
    fish.m_bStroke = 0;
    for (int frame = 0; frame < 30; ++frame) {
        recorder.primitives.clear();
        fish.m_nTargetHeading = 0;
        fish.m_fHeading = 0;
        fish.m_bStroke = 0;
        fish.Draw();
        const auto& prims = recorder.primitives;
        // Body: primitive 1 is strip 0 as stored; columns 0 to 6 lie on the table.
        for (int c = 0; c <= 6; ++c)
            ExpectNearPoint(prims[1].vertices[size_t(2 * c)].position,
                            TurnZ({5 * g_Fish09Body[0][c].x, 5 * g_Fish09Body[0][c].y, 5 * g_Fish09Body[0][c].z},
                                  fish.m_nBendAngle[c]),
                            "body column " + std::to_string(c));
    }
}

}  // namespace
