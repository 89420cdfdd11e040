// Species 21, the clown knifefish: its construction and random draws, its
// swim style, its generators (the body wave on the rear segments, the tail's
// wave pinned at two entries, the growing waves, the ramps and the toggle),
// the parts of its Draw with their rotations, waves and mirrors, its turn at
// a wall and its tilt.
#include "fish/fish_species21.h"
#include "fish/fish_species21_meshes.h"
#include "fish_test_util.h"
#include "gfx/matrix.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species21.cpp).
enum { kBend, kBody, kPinned, kFin, kGrow8, kGrow5, kRamp, kToggle };

constexpr double kPi = 3.14159265358979323846;
using Vec = std::array<float, 3>;

// ---- construction ----

TEST(FishSpecies21Construction, StartsWithItsOwnValuesAfterTheTemplatesFourDraws)
{
    const StartBlock idle{kPi / 16, 0.01, kPi / 6};
    ExpectStartValues<CFishSpecies21>({.speed = 0.1f,
                                       .segments = 16,
                                       .bodyDims = {1.0f, 0.410352f, 0.669032f},
                                       .blocks = {{kPi / 16, 0.1, kPi / 6},
                                                  {0, 0.005, 0},
                                                  {0, 0.005, 0},
                                                  idle,
                                                  {},
                                                  idle,
                                                  {kPi / 20, 0.01, kPi / 8},
                                                  idle,
                                                  {kPi / 24, 0.01, kPi / 8},
                                                  idle,
                                                  {kPi / 8, 0.01, kPi / 6},
                                                  {},
                                                  {kPi / 24, 0.01, kPi / 6}}});
    // Born above the speed ceiling, it keeps 0.1 until its first approach.
    CFishSpecies21 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
    EXPECT_EQ(fish.Class().degree, kRadiansPerDegree) << "the tilt turns the heading as DegToRad does";
    EXPECT_TRUE(fish.Class().degreeInDouble);
}

TEST(FishSpecies21Swimming, SwimStyleSetsSevenBlocksAndDrawsOnce)
{
    for (double f : {1.0, 1.5}) {
        CFishSpecies21 fish;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(f > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        struct Row {
            int block;  // as the layout counts them, from 1
            double waveNumber, amplitude, step;
        } rows[] = {{4, kPi / 4, 0.02, kPi / 6},  {5, kPi / 24, 0.02, kPi / 8}, {6, kPi / 24, 0.05, kPi / 8},
                    {7, kPi / 20, 0.01, kPi / 8}, {8, kPi / 16, 0.01, kPi / 6}, {9, kPi / 10, 0.05, kPi / 6},
                    {10, kPi / 4, 0.03, kPi / 6}};
        for (const Row& r : rows) {
            const FishWave& w = fish.m_Wave[r.block - 1];
            EXPECT_NEAR(w.waveNumber, r.waveNumber, 1e-6) << r.block;
            EXPECT_NEAR(w.amplitude, r.amplitude * f, 1e-7) << r.block;
            EXPECT_NEAR(w.phaseStep, r.step * f, 1e-6) << r.block;
        }
        // The body wave, the ramps, idle E, spare F and the pinned wave keep theirs.
        const CFishSpecies21 born;
        for (int b : {1, 2, 3, 11, 12, 13}) {
            EXPECT_EQ(fish.m_Wave[b - 1].waveNumber, born.m_Wave[b - 1].waveNumber) << b;
            EXPECT_EQ(fish.m_Wave[b - 1].amplitude, born.m_Wave[b - 1].amplitude) << b;
            EXPECT_EQ(fish.m_Wave[b - 1].phaseStep, born.m_Wave[b - 1].phaseStep) << b;
        }
    }
}

// Before the first wander the fin sine runs at 0.01 and pi / 16; the wander's
// target speed is at least 0.1, so after it the sine runs at 0.03, pi / 4
// and a step of 1.5 pi / 6.
TEST(FishSpecies21Swimming, TheFirstWanderRetunesTheFinSine)
{
    CFishSpecies21 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = -75;
    fish.m_nWanderTimer = 301;
    fish.Draw();
    const FishWave& w = fish.m_Wave[3];
    EXPECT_NEAR(w.waveNumber, kPi / 4, 1e-6);
    EXPECT_NEAR(w.amplitude, 0.03, 1e-7);
    EXPECT_NEAR(w.phaseStep, 1.5 * kPi / 6, 1e-6);
    float out[14];
    fish.m_Wave[3].phase = 0.3f;
    fish.m_Wave[3].counter = 0;
    fish.ComputeSineWave(out, 14);
    for (int i = 0; i < 14; ++i)
        EXPECT_NEAR(out[i], 0.03 * std::sin(i * kPi / 4 + 0.3), 1e-6) << i;
}

// ---- the generators ----

TEST(FishSpecies21Waves, EachGeneratorStepsOnEverySeventhCallAndHasItsShape)
{
    using Gen = void (CFishSpecies21::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n;
        std::function<double(int i, double k, double phi, double amplitude)> value;
    } cases[] = {
        {"body wave", &CFishSpecies21::ComputeBodyWave, 0, 16,
         [](int i, double k, double phi, double) { return i < 10 ? 0.0 : 0.5 * (i - 10) * 0.01 * std::sin(i * k + phi); }},
        {"pinned wave", &CFishSpecies21::ComputePinnedWave, 12, 26,
         [](int i, double k, double phi, double a) { return i == 3 || i == 23 ? 0.0 : a * std::sin(i * k + phi); }},
        {"fin sine", &CFishSpecies21::ComputeSineWave, 3, 14,
         [](int i, double k, double phi, double a) { return a * std::sin(i * k + phi); }},
        {"growing wave", &CFishSpecies21::ComputeGrowingWave, 6, 8,
         [](int i, double k, double phi, double) { return std::sin(i * k + phi) * i * 0.01; }},
        {"second growing wave", &CFishSpecies21::ComputeGrowingWave2, 8, 5,
         [](int i, double k, double phi, double) { return std::sin(i * k + phi) * i * 0.01; }},
    };
    for (const Case& c : cases) {
        for (double phase : {0.0, 1.0, 4.4}) {
            CFishSpecies21 fish;
            FishWave& w = fish.m_Wave[c.block];
            w.phase = static_cast<float>(phase);
            const double step = w.phaseStep, k = w.waveNumber, a = w.amplitude;
            float out[26] = {};
            for (int call = 1; call <= 14; ++call) {
                (fish.*c.gen)(out, c.n);
                EXPECT_NEAR(w.phase, phase + (call / 7) * step, 1e-5) << c.name << " call " << call;
                for (int i = 0; i < c.n; ++i)
                    EXPECT_NEAR(out[i], c.value(i, k, w.phase, a), 2e-7) << c.name << " call " << call << " entry " << i;
            }
            // A phase past 6.28318501 starts again at 0 (not 2 pi less).
            w.phase = 6.2f;
            w.counter = 6;
            (fish.*c.gen)(out, c.n);
            EXPECT_EQ(w.phase, 0.0f) << c.name;
        }
    }
}

TEST(FishSpecies21Waves, AmplitudeWordsAndTheEntriesThatStayZero)
{
    CFishSpecies21 fish;
    float body[16], grow8[8], grow5[5];
    for (float phase : {0.5f, 2.0f, 5.0f}) {
        fish.m_Wave[0].phase = fish.m_Wave[6].phase = fish.m_Wave[8].phase = phase;
        fish.ComputeBodyWave(body, 16);
        fish.ComputeGrowingWave(grow8, 8);
        fish.ComputeGrowingWave2(grow5, 5);
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(body[i], 0.0f) << "entry " << i;
        EXPECT_NEAR(body[15], 0.025 * std::sin(15 * kPi / 16 + fish.m_Wave[0].phase), 1e-7);
        EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.05f) << "the body wave's last factor";
        EXPECT_EQ(grow8[0], 0.0f);
        EXPECT_EQ(grow5[0], 0.0f);
        EXPECT_NEAR(grow8[7], 0.07 * std::sin(7 * kPi / 20 + fish.m_Wave[6].phase), 1e-7);
        EXPECT_NEAR(grow5[4], 0.04 * std::sin(4 * kPi / 24 + fish.m_Wave[8].phase), 1e-7);
        EXPECT_FLOAT_EQ(fish.m_Wave[6].amplitude, 0.07f);
        EXPECT_FLOAT_EQ(fish.m_Wave[8].amplitude, 0.04f);
    }
}

// The pinned wave holds entries 3 and n - 3 at 0; for fewer than four
// entries it writes only inside the array.
TEST(FishSpecies21Waves, ThePinnedWaveKeepsItsPinsInsideTheArray)
{
    for (int n = 0; n <= 26; ++n) {
        CFishSpecies21 fish;
        fish.m_Wave[12].phase = 1.3f;
        float out[32];
        std::fill(std::begin(out), std::end(out), 7.0f);
        fish.ComputePinnedWave(out + 2, n);
        EXPECT_EQ(out[0], 7.0f) << n;
        EXPECT_EQ(out[1], 7.0f) << n;
        for (int i = n + 2; i < 32; ++i)
            EXPECT_EQ(out[i], 7.0f) << n << ": entry " << i - 2 << " past the array";
        for (int i = 0; i < n; ++i) {
            const bool pinned = i == 3 || i == n - 3;
            EXPECT_NEAR(out[i + 2], pinned ? 0.0 : 0.01 * std::sin(i * kPi / 24 + 1.3), 1e-7) << n << " " << i;
        }
    }
}

TEST(FishSpecies21Waves, RampsAreZeroWhileTheStrokeIsSetAndTheToggleFlipsEvery22Calls)
{
    CFishSpecies21 fish;
    float ramp[4], toggle[4];
    fish.ComputeRamp(ramp, 4);
    fish.ComputeRampToggle(toggle, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ramp[i], 0.0f);
        EXPECT_EQ(toggle[i], 0.0f);
    }
    fish.m_bStroke = 0;
    fish.m_Wave[1].counter = 0;
    fish.ComputeRamp(ramp, 4);
    fish.ComputeRampToggle(toggle, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(ramp[i], i * 0.005, 1e-8) << i;
        EXPECT_NEAR(toggle[i], i * 0.005, 1e-8) << i;
    }
    // From each start of the counter (0 to 14, as drawn at birth) the first
    // flip comes after 22 - start calls, then every 22; the plain ramp counts nothing.
    for (int start = 0; start < 15; ++start) {
        CFishSpecies21 f;
        f.m_Wave[1].counter = start;
        std::vector<int> flips;
        for (int call = 1; call <= 70; ++call) {
            const BYTE before = f.m_bStroke;
            f.ComputeRamp(ramp, 4);
            EXPECT_EQ(f.m_bStroke, before);
            f.ComputeRampToggle(toggle, 4);
            if (f.m_bStroke != before)
                flips.push_back(call);
        }
        ASSERT_GE(flips.size(), 3u) << start;
        EXPECT_EQ(flips[0], 22 - start) << start;
        EXPECT_EQ(flips[1] - flips[0], 22) << start;
        EXPECT_EQ(flips[2] - flips[1], 22) << start;
    }
}

// ---- Draw ----

const PartShape kShapes[] = {
    {"body", 16, 30},        {"upper jaw", 10, 8},      {"lower jaw", 6, 8},      {"dorsal", 1, 20},
    {"dorsal fold", 1, 12},  {"back fold", 1, 40},      {"pectoral", 1, 14},      {"pectoral twin", 1, 14},
    {"pelvic", 1, 10},       {"pelvic twin", 1, 10},    {"anal front", 1, 10},    {"anal", 1, 40},
    {"tail", 1, 52},         {"eye", 2, 27},            {"eye twin", 2, 27},
};

using Species21Test = FishSpeciesTest<CFishSpecies21>;

TEST_F(Species21Test, EachFrameDrawsFifteenPartsIn938Vertices)
{
    fish.Draw();
    size_t primitives = 1, vertices = 0;
    for (const PartShape& s : kShapes) {
        primitives += s.strips;
        vertices += static_cast<size_t>(s.strips * s.points);
    }
    ExpectPartsInOrder(recorder, fish, kShapes, primitives, vertices);
    EXPECT_EQ(vertices, 938u);
    EXPECT_TRUE(recorder.colors.empty());
}

// Per frame: one draw for the bend (one more while the segments catch up)
// and two for the drift.
TEST_F(Species21Test, RandomDrawsPerFrameAreTheBendsAndTheDrifts)
{
    for (int frame = 1; frame <= 40; ++frame) {
        CFishSpecies21 f = fish;
        const int bend = f.m_bBendReached && !f.m_bBendSettled ? 2 : 1;
        const bool reachesNow = !f.m_bBendReached && f.m_nBendCounter == 2;
        EXPECT_EQ(RandDraws([&] { f.Draw(); }), bend + (reachesNow ? 1 : 0) + 2) << "frame " << frame;
        fish.Draw();
    }
}

TEST_F(Species21Test, TheDriftStaysInItsLimitAndMovesOnlyTheEyes)
{
    for (int frame = 0; frame < 300; ++frame) {
        fish.Draw();
        EXPECT_LE(std::fabs(fish.m_fDrift), 0.008f + 1e-7f);
    }
}

// Every part's vertices recomputed from its rules on a frame of known arrays.
TEST_F(Species21Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 16; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kBody][j] = 0.003f * j - 0.02f;
    }
    for (int j = 0; j < 26; ++j)
        f[kPinned][j] = f[kFin][j] = f[kGrow8][j] = f[kGrow5][j] = f[kRamp][j] = f[kToggle][j] = 0.001f * (j + 1);
    fish.m_fDrift = 0.006f;
    const int size = 6;
    fish.m_nSize = size;
    // b1 .. b2 and a1 .. a2 of the rear parts, stepping every second column.
    const double b1 = (f[kBend][8] + f[kBend][9]) / 2.0, b2 = (f[kBend][12] + f[kBend][13]) / 2.0;
    const double a1 = (f[kBody][8] + f[kBody][9]) / 2.0, a2 = (f[kBody][12] + f[kBody][13]) / 2.0;
    auto rearAngle = [&](int c) { return static_cast<float>(b1 - (c / 2) * (b1 - b2) * 0.1); };
    auto rearSway = [&](int c) { return static_cast<float>(a1 + (c / 2) * (a2 - a1) * 0.1); };
    const float bend47 = f[kBend][4] - f[kBend][7];

    // One vertex sent: its table point, where it moves (size 1) and its turn.
    struct Sent {
        const FishVertex* p;
        Vec moved;
        float angle;
    };
    using Expected = std::function<Sent(int strip, int pass, int column, int k)>;
    struct Rule {
        const char* name;
        void (CFishSpecies21::*draw)(const FishFrame&);
        int primitives, perColumn, columns;
        Expected sent;
    };
    auto y = [](const FishVertex& p, bool m) { return m ? -p.y : p.y; };
    const Rule rules[] = {
        {"body", &CFishSpecies21::DrawBody, 16, 2, 15,
         [&](int s, int pass, int c, int k) {
             const FishVertex& p = g_Fish21Body[s / 2 + k][c];
             return Sent{&p, {p.x, y(p, pass) + f[kBody][c], p.z}, f[kBend][c]};
         }},
        {"upper jaw", &CFishSpecies21::DrawPart1, 10, 2, 4,
         [&](int s, int pass, int c, int k) {
             const FishVertex& p = g_Fish21UpperJaw[s / 2 + k][c];
             return Sent{&p, {p.x, y(p, pass), p.z + f[kRamp][c]}, f[kBend][0]};
         }},
        {"lower jaw", &CFishSpecies21::DrawPart2, 6, 2, 4,
         [&](int s, int pass, int c, int k) {
             const FishVertex& p = g_Fish21LowerJaw[s / 2 + k][c];
             return Sent{&p, {p.x, y(p, pass), p.z - f[kToggle][c]}, f[kBend][0]};
         }},
        {"dorsal", &CFishSpecies21::DrawPart3, 1, 2, 10,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21Dorsal[k][c];
             return Sent{&p, {p.x, p.y + (k == 0 ? f[kFin][c] : 0.0f), p.z}, f[kBend][4] - c * bend47 * 0.1f};
         }},
        {"dorsal fold", &CFishSpecies21::DrawPart4, 1, 2, 6,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21DorsalFold[k][c];
             return Sent{&p, {p.x, p.y, p.z}, f[kBend][k == 0 ? 7 : 8]};
         }},
        {"back fold", &CFishSpecies21::DrawPart5, 1, 2, 20,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21BackFold[k][c];
             return Sent{&p, {p.x, -p.y + rearSway(c), p.z}, rearAngle(c)};
         }},
        {"pectoral", &CFishSpecies21::DrawPart6, 1, 2, 7,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21Pectoral[k][c];
             return Sent{&p, {p.x, p.y, p.z + f[kGrow8][c]}, f[kBend][k == 0 ? 3 : 4]};
         }},
        {"pectoral twin", &CFishSpecies21::DrawPart7, 1, 2, 7,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21Pectoral[k][c];
             return Sent{&p, {p.x, -p.y, p.z + f[kGrow8][c]}, f[kBend][k == 0 ? 3 : 4]};
         }},
        {"pelvic", &CFishSpecies21::DrawPart8, 1, 2, 5,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21Pelvic[k][c];
             return Sent{&p, {p.x, p.y + (k == 0 ? f[kGrow5][c] : 0.0f), p.z}, f[kBend][4]};
         }},
        {"pelvic twin", &CFishSpecies21::DrawPart9, 1, 2, 5,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21Pelvic[k][c];
             return Sent{&p, {p.x, -p.y - (k == 0 ? f[kGrow5][c] : 0.0f), p.z}, f[kBend][4]};
         }},
        {"anal front", &CFishSpecies21::DrawPart10, 1, 2, 5,
         [&](int, int, int c, int k) {
             const FishVertex& p = g_Fish21AnalFront[k][c];
             return Sent{&p, {p.x, -p.y, p.z}, f[kBend][8]};
         }},
        {"anal", &CFishSpecies21::DrawPart11, 1, 2, 20,
         [&](int, int, int c, int k) {
             const FishVertex& p = k == 0 ? g_Fish21Anal[0][c / 2] : g_Fish21Anal[1][c];
             return Sent{&p, {p.x, p.y + rearSway(c), p.z}, rearAngle(c)};
         }},
        {"tail", &CFishSpecies21::DrawPart12, 1, 2, 26,
         [&](int, int, int c, int k) {
             const FishVertex& p = k == 0 ? g_Fish21Tail[0][c / 2] : g_Fish21Tail[1][c];
             const float sway = f[kBody][13] + (k == 0 ? 0.0f : f[kPinned][c]);
             return Sent{&p, {p.x, p.y + sway, p.z}, f[kBend][k == 0 ? 13 : 14]};
         }},
        // Three vertices a column: the first row's point, then the second's twice.
        {"eye", &CFishSpecies21::DrawPart13, 2, 3, 9,
         [&](int s, int, int c, int k) {
             const FishVertex& p = k == 0 ? g_Fish21Eye[s][s == 0 ? c / 2 : c] : g_Fish21Eye[s + 1][c];
             return Sent{&p, {p.x + 0.006f, p.y, p.z + 0.006f}, f[kBend][0]};
         }},
        {"eye twin", &CFishSpecies21::DrawPart14, 2, 3, 9,
         [&](int s, int, int c, int k) {
             const FishVertex& p = k == 0 ? g_Fish21Eye[s][s == 0 ? c / 2 : c] : g_Fish21Eye[s + 1][c];
             return Sent{&p, {p.x + 0.006f, -p.y, p.z + 0.006f}, f[kBend][0]};
         }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        const size_t skip = std::string(rule.name) == "body" ? 1 : 0;
        ASSERT_EQ(recorder.primitives.size(), skip + rule.primitives) << rule.name;
        const bool halves = rule.primitives > 2 && rule.perColumn == 2;  // stored, then y negated, per strip
        for (int prim = 0; prim < rule.primitives; ++prim) {
            const RecordedPrimitive& strip = recorder.primitives[skip + prim];
            ASSERT_EQ(strip.vertices.size(), size_t(rule.perColumn * rule.columns)) << rule.name;
            for (int c = 0; c < rule.columns; ++c)
                for (int v = 0; v < rule.perColumn; ++v) {
                    const int k = v == 0 ? 0 : 1;
                    const Sent e = rule.sent(halves ? prim : prim, halves ? prim % 2 : 0, c, k);
                    const Vec q = {e.moved[0] * size, e.moved[1] * size, e.moved[2] * size};
                    const RecordedVertex& got = strip.vertices[size_t(rule.perColumn * c + v)];
                    const std::string what = std::string(rule.name) + " strip " + std::to_string(prim) +
                                             " column " + std::to_string(c) + " vertex " + std::to_string(v);
                    ExpectNearPoint(got.position, TurnedAboutZ(q, e.angle), what, 1e-4f);
                    EXPECT_EQ(got.normal, (std::array<float, 3>{e.p->nx, e.p->ny, e.p->nz})) << what;
                    EXPECT_EQ(got.texCoord, (std::array<float, 2>{e.p->s, e.p->t})) << what;
                }
        }
    }
}

// The tail's lowest and highest edge points move only with the bend and the
// body wave, whatever the pinned wave's phase; the edge between them waves.
TEST_F(Species21Test, TheTailsLowestAndHighestPointsNeverTakeThePinnedWave)
{
    size_t tail = 1;
    for (int i = 0; i < 12; ++i)
        tail += size_t(kShapes[i].strips);
    auto edge = [&](float phase) {
        CFishSpecies21 f = fish;
        f.m_Wave[12].phase = phase;
        recorder.primitives.clear();
        crt::srand(3);
        f.Draw();
        std::vector<Vec> points;
        for (int c = 0; c < 26; ++c)
            points.push_back(recorder.primitives.at(tail).vertices.at(size_t(2 * c + 1)).position);
        return points;
    };
    const std::vector<Vec> a = edge(0.0f);
    for (float phase : {0.7f, 1.9f, 3.3f, 5.0f}) {
        const std::vector<Vec> b = edge(phase);
        for (int c = 0; c < 26; ++c) {
            const float apart = std::hypot(a[size_t(c)][0] - b[size_t(c)][0], a[size_t(c)][1] - b[size_t(c)][1]);
            if (c == 3 || c == 23) {
                EXPECT_EQ(apart, 0.0f) << "edge point " << c << " at phase " << phase;
            } else if (c == 13) {
                EXPECT_GT(apart, 1e-3f) << "the edge's middle waves, phase " << phase;
            }
        }
    }
}

// A fish that comes round at the x-min wall shows its new heading from the
// frame it snaps round on: the bend never falls back to 0 while the head
// is already there and the turn is not yet counted as reached.
TEST_F(Species21Test, AtTheWallTheTurnedFishNeverShowsItsOldHeadingAgain)
{
    fish.m_fPos[0] = -51;  // past the x-min wall, swimming toward it
    fish.Draw();
    ASSERT_EQ(fish.m_nTargetHeading, 180);
    bool snapped = false;
    for (int frame = 0; frame < 12; ++frame) {
        recorder.primitives.clear();
        FishFrame probe;
        CFishSpecies21 next = fish;
        next.ComputeBendToHeading(probe[0], 16, 180.0f);
        if (next.m_fHeading == 180.0f)
            snapped = true;
        if (snapped) {
            for (int i = 0; i < 16; ++i)
                EXPECT_EQ(probe[0][i], 180.0f) << "frame " << frame << " segment " << i;
        }
        fish.Draw();
    }
    EXPECT_TRUE(snapped);
}

}  // namespace
