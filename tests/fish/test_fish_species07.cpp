// Species 7, the zebra danio: its construction and random draws, its swim
// style, its generators (each multiplies by the size), its ramps and stroke
// toggle, the parts of its Draw with their grids, mirrors, rotations and
// waves, variants 3 and 4 and the variants that draw nothing, and its mesh
// tables.
#include "fish/fish_species07.h"
#include "fish/fish_species07_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species07.cpp).
enum { kT, kR, kD, kW, kS, kG1, kG2, kS2, kS3 };

constexpr double kPi = 3.14159265358979323846;

using Vec = std::array<float, 3>;

// ---- construction ----

TEST(FishSpecies07Construction, StartsWithItsOwnValuesAndTheTemplatesDraws)
{
    ExpectStartValues<CFishSpecies07>({.speed = 0.1f,
                                       .drift = false,
                                       .bodyDims = {1.0f, 0.36675f, 0.331898f},
                                       .blocks = {{kPi / 12, 0.1, kPi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {kPi / 20, 0.01, kPi / 8},
                                                  {kPi / 5, 0.01, kPi / 8},
                                                  {kPi / 24, 0.05, kPi / 8},
                                                  {kPi / 20, 0.01, kPi / 8},
                                                  {},
                                                  {kPi / 2, 0.01, kPi / 6},
                                                  {kPi / 6, 0.03, kPi / 6},
                                                  {kPi / 4, 0.03, kPi / 24},
                                                  {kPi / 4, 0.02, kPi / 24}}});
}

TEST(FishSpecies07Construction, ANewFishSwimsAtATenthUntilItsFirstSpeedApproach)
{
    CFishSpecies07 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = -75;
    fish.m_nWanderTimer = 0;
    fish.m_fPitch = 0;
    const float x = fish.m_fPos[0];
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.1f);
    fish.Draw(0);
    EXPECT_NEAR(std::fabs(fish.m_fPos[0] - x), 0.1f, 1e-6) << "the first step at a tenth, along x at heading 0";
    // Near the swim box's far plane the wall routine approaches the speed:
    // from then on it is kept at the ceiling.
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
    const float x2 = fish.m_fPos[0];
    fish.Draw(0);
    EXPECT_NEAR(std::fabs(fish.m_fPos[0] - x2), 0.05f, 1e-6);
}

TEST(FishSpecies07Swimming, SwimBoxBodyAndDepthBandAreTheTemplates)
{
    CFishSpecies07 fish;
    fish.m_bBusy = 1;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    EXPECT_EQ(fish.m_bBusy, 0);
    const float box[6] = {-50, 50, 13, -17, -75, -80};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fish.m_fSwimBox[i], box[i]) << i;
    struct Depth {
        float z;
        bool in;
    } depths[] = {{-75, false}, {-74.5f, true}, {-89.9f, true}, {-60, false}, {-90, false}, {-60.1f, true}};
    for (const Depth& d : depths) {
        fish.m_fPos[2] = d.z;
        EXPECT_EQ(fish.IsInDepthBand(), d.in) << d.z;
    }
    // Its pitch turn is the template's.
    fish.m_fPitch = 40;
    fish.Turn(10, true, 7);
    EXPECT_EQ(fish.m_fPitch, 45.0f) << "50 is kept at 45";
    fish.Turn(1, false, 3);
    EXPECT_EQ(fish.m_fPitch, -45.0f);
}

TEST(FishSpecies07Swimming, SwimStyleSetsThreeBlocksAndDrawsOnce)
{
    for (double m : {1.0, 1.5}) {
        CFishSpecies07 fish;
        fish.m_Wave[0].amplitude = 9;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        const struct {
            int block;
            double waveNumber, amplitude, step;
        } set[] = {{0, kPi / 12, 0.1, kPi / 4}, {3, kPi / 5, 0.015, kPi / 8}, {5, kPi / 24, 0.02, kPi / 8}};
        for (const auto& s : set) {
            EXPECT_NEAR(fish.m_Wave[s.block].waveNumber, s.waveNumber, 1e-6) << s.block;
            EXPECT_NEAR(fish.m_Wave[s.block].amplitude, m * s.amplitude, 1e-7) << s.block;
            EXPECT_NEAR(fish.m_Wave[s.block].phaseStep, m * s.step, 1e-6) << s.block;
        }
        // The others keep their values.
        EXPECT_NEAR(fish.m_Wave[4].waveNumber, kPi / 5, 1e-6);
        EXPECT_NEAR(fish.m_Wave[6].phaseStep, kPi / 8, 1e-6);
        EXPECT_FLOAT_EQ(fish.m_Wave[8].amplitude, 0.01f);
        EXPECT_FLOAT_EQ(fish.m_Wave[9].amplitude, 0.03f);
        EXPECT_FLOAT_EQ(fish.m_Wave[1].amplitude, 0.003f);
    }
}

// ---- the generators ----

TEST(FishSpecies07Waves, EachGeneratorHasItsCadenceAndScalesWithTheSize)
{
    using Gen = void (CFishSpecies07::*)(float*, int);
    // value(i, k, phase, amplitude) at size 1; factor(i): what the block's
    // amplitude holds after entry i (-1: left alone).
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<double(int i, double k, double phi, double amplitude)> value;
        std::function<double(int i)> factor;
    } cases[] = {
        {"body wave", &CFishSpecies07::ComputeBodyWave, 0, 12, 5,
         [](int i, double k, double phi, double) { return i < 2 ? 0.0 : std::sin(i * k + phi) * (i - 2) * 0.01 * 0.5; },
         [](int i) { return (i - 2) * 0.01; }},
        {"sine wave", &CFishSpecies07::ComputeSineWave, 3, 8, 5,
         [](int i, double k, double phi, double a) { return std::sin(i * k + phi) * a; }, [](int) { return -1.0; }},
        {"growing wave", &CFishSpecies07::ComputeGrowingWave, 4, 9, 7,
         [](int i, double k, double phi, double) { return std::sin(i * k + phi) * i * 0.005; },
         [](int i) { return i * 0.005; }},
        {"growing wave 2", &CFishSpecies07::ComputeGrowingWave2, 6, 8, 7,
         [](int i, double k, double phi, double) { return std::sin(i * k + phi) * i * 0.003; },
         [](int i) { return i * 0.003; }},
        {"sine wave 2", &CFishSpecies07::ComputeSineWave2, 8, 7, 7,
         [](int i, double k, double phi, double a) { return std::sin(i * k + phi) * a; }, [](int) { return -1.0; }},
        {"sine wave 3", &CFishSpecies07::ComputeSineWave3, 9, 13, 7,
         [](int i, double k, double phi, double a) { return std::sin(i * k + phi) * a; }, [](int) { return -1.0; }},
    };
    for (const Case& c : cases)
        for (int size : {4, 5, 8}) {
            CFishSpecies07 fish;
            fish.m_nSize = size;
            FishWave& w = fish.m_Wave[c.block];
            const float amplitude = w.amplitude;
            w.phase = 1.0f;
            float out[48];
            std::fill(std::begin(out), std::end(out), 7.0f);
            ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
            for (int i = 0; i < c.n; ++i)
                EXPECT_NEAR(out[i], size * c.value(i, w.waveNumber, w.phase, amplitude), 1e-6)
                    << c.name << " size " << size << " entry " << i;
            EXPECT_EQ(out[c.n], 7.0f) << c.name << " writes only its entries";
            const double last = c.factor(c.n - 1);
            EXPECT_NEAR(w.amplitude, last < 0 ? amplitude : last, 1e-7) << c.name << " amplitude field";
        }
}

TEST(FishSpecies07Waves, APhaseAboveAFullTurnStartsAgainAtZero)
{
    CFishSpecies07 fish;
    FishWave& w = fish.m_Wave[8];
    w.phase = 6.2f;
    w.counter = 6;  // steps on this call
    float out[7];
    fish.ComputeSineWave2(out, 7);
    EXPECT_EQ(w.phase, 0.0f);
    EXPECT_EQ(w.counter, 0);
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(out[i], 5 * 0.01 * std::sin(i * kPi / 2), 1e-6) << i;
}

TEST(FishSpecies07Waves, TheBodyWaveIsStillAtTheHeadAndTheGrowingWavesAtTheirRoots)
{
    CFishSpecies07 fish;
    for (int frame = 0; frame < 40; ++frame) {
        float w[12], g[9], g2[8];
        fish.ComputeBodyWave(w, 12);
        fish.ComputeGrowingWave(g, 9);
        fish.ComputeGrowingWave2(g2, 8);
        EXPECT_EQ(w[0], 0.0f) << frame;
        EXPECT_EQ(w[1], 0.0f) << frame;
        EXPECT_EQ(g[0], 0.0f) << frame;
        EXPECT_EQ(g2[0], 0.0f) << frame;
    }
}

// Both ramps: size x 0.003 x (n - i), zero while the stroke flag is set, the
// last entry 0 for any caller (Draw's arrays start at 0, another caller's
// is given the 0), and nothing outside the n entries for small counts.
TEST(FishSpecies07Waves, RampsFallToAZeroLastEntryAndStayInTheirEntries)
{
    using Gen = void (CFishSpecies07::*)(float*, int);
    for (Gen gen : {&CFishSpecies07::ComputeReverseRamp, &CFishSpecies07::ComputeReverseRampToggle})
        for (int size : {4, 5, 8})
            for (int n : {0, 1, 2, 5, 9}) {
                const std::string what = "size " + std::to_string(size) + " n " + std::to_string(n);
                CFishSpecies07 fish;
                fish.m_nSize = size;
                fish.m_Wave[1].counter = 0;
                float buffer[12];
                std::fill(std::begin(buffer), std::end(buffer), 9.0f);
                float* out = buffer + 1;
                (fish.*gen)(out, n);
                EXPECT_EQ(fish.m_bStroke, 1) << what;
                for (int i = 0; i < n; ++i)
                    EXPECT_EQ(out[i], 0.0f) << "zero while the stroke flag is set, " << what << " entry " << i;
                fish.m_bStroke = 0;
                (fish.*gen)(out, n);
                for (int i = 0; i + 1 < n; ++i)
                    EXPECT_NEAR(out[i], size * 0.003 * (n - i), 1e-7) << what << " entry " << i;
                if (n > 0) {
                    EXPECT_EQ(out[n - 1], 0.0f) << what << " last entry";
                }
                EXPECT_EQ(buffer[0], 9.0f) << what << " nothing before the array";
                EXPECT_EQ(out[n], 9.0f) << what << " nothing after it";
            }
    // The example of the rules: size 5, five entries.
    CFishSpecies07 fish;
    fish.m_bStroke = 0;
    float r[5];
    fish.ComputeReverseRamp(r, 5);
    const float expected[5] = {0.075f, 0.06f, 0.045f, 0.03f, 0.0f};
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(r[i], expected[i]) << i;
}

// The toggle draws a threshold 15 + rand() % 10 at every call and flips the
// stroke when the calls counted since the last flip exceed it.
TEST(FishSpecies07Waves, TheStrokeFlipsAgainOnThe17thTo26thCallByTheDrawnThreshold)
{
    ExpectStrokeFlipsByDrawnThreshold<CFishSpecies07>(
        [](CFishSpecies07& fish) {
            float t[5];
            fish.ComputeReverseRampToggle(t, 5);
        },
        1);
    crt::srand(1);
    CFishSpecies07 fish;
    float t[5];
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRampToggle(t, 5); }), 1);
    EXPECT_EQ(RandDraws([&] { fish.ComputeReverseRamp(t, 5); }), 0);
    EXPECT_EQ(fish.m_Wave[2].counter, RandValue(2) % 15) << "the plain ramp's counter is not counted";
}

// ---- Draw ----

// A part as one frame sends it: an empty GL_QUADS pair, then its strips,
// each of `points` vertices.
// Strips x columns of the stored tables, mirrored strips counted.
const PartShape kShapes[] = {
    {"body", 8, 24},           {"upper jaw", 6, 10},         {"lower jaw", 2, 10}, {"dorsal", 1, 16},
    {"pectoral", 2, 18},       {"pelvic", 2, 16},            {"anal", 1, 14},      {"tail", 1, 26},
    {"eye", 4, 10},            {"rostral barbel", 2, 8},     {"maxillary barbel", 2, 8},
    {"maxillary barbel tip", 2, 8},
};
// The vertices of one call of each part, as the rules count them.
const int kVerticesPerCall[] = {192, 60, 20, 16, 36, 32, 14, 26, 40, 16, 16, 16};

void ExpectShapes(const VertexRecorder& recorder, const CFishModel& fish, const std::vector<std::string>& drawn,
                  const std::string& what)
{
    for (size_t i = 0; i < std::size(kShapes); ++i)
        EXPECT_EQ(kShapes[i].strips * kShapes[i].points, kVerticesPerCall[i]) << kShapes[i].name;
    ExpectPartsLaidOut(recorder, fish, kShapes,
                       {.emptyQuadsFirst = [](const char*) { return true; },
                        .drawn = [&](const char* name) { return std::find(drawn.begin(), drawn.end(), name) != drawn.end(); }},
                       what);
}

const std::vector<std::string> kAllParts = {"body",   "upper jaw", "lower jaw",      "dorsal",
                                            "pectoral", "pelvic",  "anal",           "tail",
                                            "eye",    "rostral barbel", "maxillary barbel", "maxillary barbel tip"};
const std::vector<std::string> kSixParts = {"body", "upper jaw", "lower jaw", "pectoral", "tail", "eye"};

using Species07Test = FishSpeciesTest<CFishSpecies07>;

TEST_F(Species07Test, EachVariantDrawsItsPartsInOrder)
{
    struct Case {
        int variant;
        const std::vector<std::string>* parts;
    } cases[] = {{0, &kAllParts}, {1, &kAllParts}, {3, &kSixParts}, {4, &kSixParts}, {0, &kAllParts}};
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.Draw(c.variant);
        EXPECT_EQ(fish.m_nDrawVariant, c.variant);
        ExpectShapes(recorder, fish, *c.parts, "variant " + std::to_string(c.variant));
    }
    EXPECT_TRUE(recorder.colors.empty()) << "no colour change";
}

// A variant other than 0, 1, 3 and 4 draws no mesh, but the fish lives its
// frame as in variant 0: the same generators, wander, move and hit box.
TEST_F(Species07Test, OtherVariantsDrawNothingButTheFishStillSwims)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    fish.m_nWanderTimer = 301;  // a wander step in the first frame
    for (int variant : {2, 5, 7, 31, 32, 40, -1}) {
        CFishSpecies07 drawn = fish, silent = fish;
        recorder.primitives.clear();
        crt::srand(3);
        drawn.Draw(0);
        const int drawnDraws = RandDraws([&] { CFishSpecies07 again = fish; again.Draw(0); }, 3);
        EXPECT_FALSE(recorder.primitives.empty());
        recorder.primitives.clear();
        crt::srand(3);
        silent.Draw(variant);
        EXPECT_TRUE(recorder.primitives.empty()) << "variant " << variant;
        EXPECT_EQ(RandDraws([&] { CFishSpecies07 again = fish; again.Draw(variant); }, 3), drawnDraws)
            << "variant " << variant;
        EXPECT_EQ(silent.m_nDrawVariant, variant);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(silent.m_fPos[k], drawn.m_fPos[k]) << "variant " << variant << " moves";
            EXPECT_EQ(silent.AxisEnd(k), drawn.AxisEnd(k)) << "variant " << variant << " hit box";
        }
        EXPECT_EQ(silent.m_fHeading, drawn.m_fHeading);
        EXPECT_EQ(silent.m_fSpeed, drawn.m_fSpeed);
        EXPECT_EQ(silent.m_nWanderTimer, drawn.m_nWanderTimer);
        EXPECT_EQ(silent.m_bStroke, drawn.m_bStroke);
        for (int b = 0; b < 12; ++b) {
            EXPECT_EQ(silent.m_Wave[b].phase, drawn.m_Wave[b].phase) << b;
            EXPECT_EQ(silent.m_Wave[b].counter, drawn.m_Wave[b].counter) << b;
            EXPECT_EQ(silent.m_Wave[b].amplitude, drawn.m_Wave[b].amplitude) << b;
        }
    }
}

TEST_F(Species07Test, RandomDrawsPerFrame)
{
    // The toggle and the bend draw one each; on the third frame the heading
    // is reached (it already shows the target) and the settling draws one more.
    const int expected[6] = {2, 2, 3, 2, 2, 2};
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
    EXPECT_EQ(fish.m_bBendReached, 1);
    EXPECT_EQ(fish.m_bBendSettled, 1);
}

// Below the pitch it rises by 1, then above the pitch it falls by 1 (so a
// shown pitch less than a degree below rises past and falls back).
TEST_F(Species07Test, TheShownPitchFollowsThePitchByOneDegreeAFrame)
{
    struct Case {
        float shown, pitch;
    } cases[] = {{0, 10}, {5, -3}, {2.5f, 3}, {7, 7}, {-7, -7.5f}, {-1, -40}, {44.5f, 45}};
    for (const Case& c : cases) {
        CFishSpecies07 f = fish;
        f.m_fShownPitch = c.shown;
        f.m_fPitch = c.pitch;
        f.Draw(0);
        float expected = c.shown;
        if (expected < c.pitch)
            expected += 1;
        if (expected > c.pitch)
            expected -= 1;
        EXPECT_FLOAT_EQ(f.m_fShownPitch, expected) << c.shown << " toward " << c.pitch;
        EXPECT_LE(std::fabs(f.m_fShownPitch - c.shown), 1.0f);
    }
}

TEST_F(Species07Test, TheBendRunsOverTwelveSegments)
{
    fish.m_nTargetHeading = 180;
    for (int frame = 1; frame <= 3; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
    }
    // The head took one step of 20; segment i trails it by 20 i, the rest of the run stays 0.
    EXPECT_EQ(fish.m_fHeading, 20.0f);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 20 - 20 * i) << i;
    for (int i = 12; i < 15; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 0) << i;
    // Body column j turns by segment j's angle, swaying by the body wave
    // (its phase still 0 on the third call).
    const FishVertex& p = g_Fish07Body[0][9];
    const float sway = static_cast<float>(std::sin(9 * kPi / 12) * 5 * (9 - 2) * 0.01 * 0.5);
    ExpectSamePoint(At(1, 9, 0), TurnedAboutZ({p.x * 5, p.y * 5 + sway, p.z * 5}, 20.0f - 180.0f), "body column 9");
}

TEST_F(Species07Test, AtTheXWallTheWholeFishComesRoundInTheNextFrame)
{
    fish.m_fPos[0] = -51;
    fish.Draw(0);  // meets the wall: turned toward rising x, put inside
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_EQ(fish.m_nWallState, 1);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    recorder.primitives.clear();
    fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    for (int j = 0; j < 12; ++j) {
        const FishVertex& p = g_Fish07Body[2][j];
        EXPECT_NEAR(At(1, j, 0)[0], -p.x * 5, 1e-4) << "column " << j << " faces the other way";
    }
}

// The stroke opens the mouth: the upper jaw's front columns rise by the
// reverse ramp in the frame it flips, the lower jaw's fall by the toggle's
// ramp from the next; the barbels move aside by the reverse ramp's first
// entry, both halves the same way.
TEST_F(Species07Test, TheStrokeOpensTheMouthAndSwaysTheBarbels)
{
    fish.m_Wave[1].counter = 40;  // flips in the first frame, whatever the threshold
    const size_t upper = 1 + 8 + 1, lower = upper + 6 + 1;
    size_t barbel = 1;
    for (int i = 0; i < CFishSpecies07::Parts::kRostralBarbel; ++i)
        barbel += size_t(kShapes[i].strips) + 1;
    for (int frame = 1; frame <= 2; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        EXPECT_EQ(fish.m_bStroke, 0);
        const float turn = fish.m_nBendAngle[0];
        for (int c = 0; c < 5; ++c) {
            const float open = 5 * 0.003f * (5 - c) * (c < 4);
            const FishVertex& u = g_Fish07UpperJaw[0][c];
            const FishVertex& l = g_Fish07LowerJaw[1][c];
            EXPECT_NEAR(At(upper, c, 0)[2], u.z * 5 + open, 1e-5) << "frame " << frame << " column " << c;
            EXPECT_NEAR(At(upper + 3, c, 0)[2], u.z * 5 + open, 1e-5) << "mirror, column " << c;
            EXPECT_NEAR(At(lower, c, 1)[2], l.z * 5 - (frame == 2 ? open : 0), 1e-5) << "frame " << frame;
            EXPECT_NEAR(At(lower + 1, c, 1)[2], l.z * 5 - (frame == 2 ? open : 0), 1e-5) << "mirror";
        }
        const FishVertex& b = g_Fish07RostralBarbel[0][2];
        const float aside = 5 * 0.003f * 5;
        ExpectSamePoint(At(barbel, 2, 0), TurnedAboutZ({b.x * 5, b.y * 5 + aside, b.z * 5}, turn), "barbel");
        ExpectSamePoint(At(barbel + 1, 2, 0), TurnedAboutZ({b.x * 5, -b.y * 5 + aside, b.z * 5}, turn),
                        "mirrored barbel");
    }
}

// Known arrays: every part's rotation and offsets recomputed from the rules.
TEST_F(Species07Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 13; ++j) {
        f[kD][j] = 7.0f * j + 3;
        f[kW][j] = 0.003f * j * j;
        f[kR][j] = f[kT][j] = f[kS][j] = f[kG1][j] = f[kG2][j] = f[kS2][j] = f[kS3][j] = 0.001f * (j + 1);
    }
    auto mean = [&](int array, int a, int b) { return (f[array][a] + f[array][b]) / 2; };
    // The dorsal's columns: bend 5, 5, 6, 6, 6, then the mean of 6 and 7; the
    // anal's: bend 8, 8, 8, the mean of 7 and 8, twice, then 7.
    auto dorsal = [&](int array, int c) { return c < 2 ? f[array][5] : c < 5 ? f[array][6] : mean(array, 6, 7); };
    auto anal = [&](int array, int c) { return c < 3 ? f[array][8] : c < 5 ? mean(array, 7, 8) : f[array][7]; };
    const float lift = f[kR][0];
    const StripRule<CFishSpecies07> rules[] = {
        {"body", &CFishSpecies07::DrawBody, &g_Fish07Body[0][0], 12, {false, true}, false,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1] + f[kW][c], q[2]}; },
         [&](int c) { return f[kD][c]; }},
        {"upper jaw", &CFishSpecies07::DrawPart1, &g_Fish07UpperJaw[0][0], 5, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] + f[kR][c]}; },
         [&](int) { return f[kD][0]; }},
        {"lower jaw", &CFishSpecies07::DrawPart2, &g_Fish07LowerJaw[0][0], 5, {false, true}, true,
         [&](Vec q, int, int c, bool) { return Vec{q[0], q[1], q[2] - f[kT][c]}; },
         [&](int) { return f[kD][0]; }},
        {"dorsal", &CFishSpecies07::DrawPart3, &g_Fish07Dorsal[0][0], 8, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + dorsal(kW, c) + (row == 0 ? f[kS][c] : 0.0f), q[2]};
         },
         [&](int c) { return dorsal(kD, c); }},
        {"pectoral", &CFishSpecies07::DrawPart4, &g_Fish07Pectoral[0][0], 9, {false, true}, true,
         [&](Vec q, int row, int c, bool m) {
             const float g = row == 0 ? f[kG1][c] : 0.0f;  // y - g, mirrored -(y - g)
             return Vec{q[0], m ? q[1] + g : q[1] - g, q[2]};
         },
         [&](int) { return f[kD][1]; }},
        {"pelvic", &CFishSpecies07::DrawPart5, &g_Fish07Pelvic[0][0], 8, {false, true}, true,
         [&](Vec q, int row, int c, bool m) {
             const float g = row == 0 ? f[kG2][c] : 0.0f;  // y + g, mirrored -(y + g), plus the sway
             return Vec{q[0], (m ? q[1] - g : q[1] + g) + mean(kW, 5, 6), q[2]};
         },
         [&](int) { return mean(kD, 5, 6); }},
        {"anal", &CFishSpecies07::DrawPart6, &g_Fish07Anal[0][0], 7, {false}, false,
         [&](Vec q, int row, int c, bool) {
             return Vec{q[0], q[1] + anal(kW, c) + (row == 0 ? f[kS2][c] : 0.0f), q[2]};
         },
         [&](int c) { return anal(kD, c); }},
        {"tail", &CFishSpecies07::DrawPart7, &g_Fish07Tail[0][0], 13, {false}, false,
         [&](Vec q, int row, int c, bool) { return Vec{q[0], q[1] + f[kW][10] + (row == 0 ? f[kS3][c] : 0.0f), q[2]}; },
         [&](int) { return f[kD][11]; }},
        {"eye", &CFishSpecies07::DrawPart8, &g_Fish07Eye[0][0], 5, {false, true}, true,
         [&](Vec q, int, int, bool) { return q; }, [&](int) { return f[kD][0]; }},
        {"rostral barbel", &CFishSpecies07::DrawPart9, &g_Fish07RostralBarbel[0][0], 4, {false, true}, true,
         [&](Vec q, int, int, bool) { return Vec{q[0], q[1] + lift, q[2]}; }, [&](int) { return f[kD][0]; }},
        {"maxillary barbel", &CFishSpecies07::DrawPart10, &g_Fish07MaxillaryBarbel[0][0], 4, {false, true}, true,
         [&](Vec q, int, int, bool) { return Vec{q[0], q[1] + lift, q[2]}; }, [&](int) { return f[kD][0]; }},
        {"maxillary barbel tip", &CFishSpecies07::DrawPart11, &g_Fish07MaxillaryBarbelTip[0][0], 4, {false, true},
         true, [&](Vec q, int, int, bool) { return Vec{q[0], q[1] + lift, q[2]}; }, [&](int) { return f[kD][0]; }},
    };
    ExpectStripsFollowRules(recorder, fish, f, rules, [](const char*) { return true; });
}

// Variants 3 and 4 narrow the body's x and raise its back line (the first
// row of the first strip and of its mirror), read with every wave zero.
TEST_F(Species07Test, Variants3And4NarrowTheBodyAndRaiseItsBackLine)
{
    const FishFrame zero;
    struct Case {
        int variant;
        float narrow, raise;
    } cases[] = {{3, 0.6f, 0.02f}, {4, 0.4f, 0.01f}, {0, 1, 0}, {1, 1, 0}};
    for (const Case& c : cases)
        for (int size : {5, 8}) {
            fish.m_nDrawVariant = c.variant;
            fish.m_nSize = size;
            recorder.primitives.clear();
            fish.DrawBody(zero);
            ASSERT_EQ(recorder.primitives.size(), 9u);
            for (int s = 0; s < 4; ++s)
                for (int pass = 0; pass < 2; ++pass)
                    for (int col = 0; col < 12; ++col)
                        for (int k = 0; k < 2; ++k) {
                            const FishVertex& p = g_Fish07Body[s + k][col];
                            const float up = s == 0 && k == 0 ? c.raise * size : 0.0f;
                            const Vec expected{p.x * c.narrow * size, (pass ? -p.y : p.y) * size, p.z * size + up};
                            ExpectSamePoint(At(1 + 2 * s + pass, col, k), expected,
                                            "variant " + std::to_string(c.variant) + " strip " + std::to_string(s) +
                                                " pass " + std::to_string(pass) + " column " + std::to_string(col));
                        }
            // The other parts keep their stored shape.
            recorder.primitives.clear();
            fish.DrawPart7(zero);
            const FishVertex& t = g_Fish07Tail[0][2];
            ExpectSamePoint(At(1, 2, 0), {t.x * size, t.y * size, t.z * size}, "tail");
        }
}

TEST_F(Species07Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    fish.m_bStroke = 0;
    fish.m_nTargetHeading = 180;
    for (int frame = 0; frame < 12; ++frame)
        fish.Draw(0);  // waves and a bend under way
    ExpectDrawnLargerInEveryCoordinate(recorder, fish, 8);
}

// ---- the mesh tables ----

TEST(FishSpecies07Mesh, ASlimBodyWithItsRowsFromTheRidgeToTheBelly)
{
    // The table holds the y <= 0 half: its +y image is the other side.
    FishVertex plusY[5][12];
    for (int r = 0; r < 5; ++r)
        for (int j = 0; j < 12; ++j) {
            plusY[r][j] = g_Fish07Body[r][j];
            plusY[r][j].y = -plusY[r][j].y;
            plusY[r][j].ny = -plusY[r][j].ny;
        }
    ExpectBodyRowsAlongTheSegments(plusY);
    // Several depths long, flatter across than deep.
    float depth = 0;
    for (int j = 0; j < 12; ++j)
        depth = std::max(depth, g_Fish07Body[0][j].z - g_Fish07Body[4][j].z);
    const float width = -2 * g_Fish07Body[2][4].y;
    EXPECT_LT(width, depth);
    EXPECT_GT(width, 0.45f * depth);
    EXPECT_GT(g_Fish07Body[0][11].x - g_Fish07UpperJaw[0][0].x, 4.0f * depth);
    // The stored half is the y <= 0 one.
    for (const auto& row : g_Fish07Body)
        for (const FishVertex& p : row)
            EXPECT_LE(p.y, 0.0f);
}

TEST(FishSpecies07Mesh, TheJawsCloseTheHeadInFrontOfTheBodyAndTheEyeLiesBehindTheirMovingColumns)
{
    // Column 4 of the jaws is body column 0: the upper jaw its rows 0 to 3,
    // the lower its rows 3 and 4.
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(g_Fish07UpperJaw[r][4].x, g_Fish07Body[r][0].x);
        EXPECT_NEAR(g_Fish07UpperJaw[r][4].y, g_Fish07Body[r][0].y, 1e-6);
        EXPECT_NEAR(g_Fish07UpperJaw[r][4].z, g_Fish07Body[r][0].z, 1e-6);
    }
    for (int r = 0; r < 2; ++r)
        EXPECT_NEAR(g_Fish07LowerJaw[r][4].z, g_Fish07Body[3 + r][0].z, 1e-6);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(g_Fish07UpperJaw[3][k].z, g_Fish07LowerJaw[0][k].z) << "the lips meet, column " << k;
        if (k > 0) {
            EXPECT_GT(g_Fish07UpperJaw[0][k].x, g_Fish07UpperJaw[0][k - 1].x) << "tip first";
        }
    }
    // The eye turns with bend 0: in front of body column 0, behind the
    // jaws' moving columns but their last, and on the side of the head.
    for (const auto& row : g_Fish07Eye)
        for (const FishVertex& p : row) {
            EXPECT_LT(p.x, g_Fish07Body[0][0].x);
            EXPECT_GT(p.x, g_Fish07UpperJaw[0][3].x - 0.003f);
            EXPECT_LT(p.y, -0.01f);
        }
}

TEST(FishSpecies07Mesh, FinsStandOnTheirSideOfTheBody)
{
    // The midline fins are stored edge first.
    for (int c = 0; c < 8; ++c)
        EXPECT_GT(g_Fish07Dorsal[0][c].z, g_Fish07Dorsal[1][c].z) << "dorsal edge above its root, " << c;
    for (int c = 0; c < 7; ++c)
        EXPECT_LT(g_Fish07Anal[0][c].z, g_Fish07Anal[1][c].z) << "anal edge below its root, " << c;
    for (int c = 0; c < 13; ++c)
        EXPECT_GT(g_Fish07Tail[0][c].x, g_Fish07Tail[1][c].x) << "tail edge behind its root, " << c;
    // The dorsal runs front to back, the anal back to front, the anal behind
    // the dorsal's front.
    EXPECT_LT(g_Fish07Dorsal[1][0].x, g_Fish07Dorsal[1][7].x);
    EXPECT_GT(g_Fish07Anal[1][0].x, g_Fish07Anal[1][6].x);
    EXPECT_GT(g_Fish07Anal[1][6].x, g_Fish07Dorsal[1][0].x);
    // The fork: both lobes' tips reach further back than the notch between them.
    EXPECT_GT(g_Fish07Tail[0][2].x, g_Fish07Tail[0][6].x + 0.06f);
    EXPECT_GT(g_Fish07Tail[0][10].x, g_Fish07Tail[0][6].x + 0.06f);
    EXPECT_GT(g_Fish07Tail[0][2].z, g_Fish07Body[0][11].z);
    EXPECT_LT(g_Fish07Tail[0][10].z, g_Fish07Body[4][11].z);
    // Paired fins off the flank (the stored half: y falls outward), the
    // pelvic under the belly; the barbels at the head.
    for (int c = 1; c < 9; ++c)
        EXPECT_LT(g_Fish07Pectoral[0][c].y, g_Fish07Pectoral[0][c - 1].y);
    EXPECT_LT(g_Fish07Pelvic[0][7].z, g_Fish07Body[4][5].z);
    for (int c = 0; c < 4; ++c) {
        EXPECT_LT(g_Fish07RostralBarbel[0][c].x, g_Fish07Body[0][0].x);
        EXPECT_EQ(g_Fish07MaxillaryBarbel[0][3].x, g_Fish07MaxillaryBarbelTip[0][0].x) << "one barbel in two pieces";
    }
}

TEST(FishSpecies07Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies07, 1.0f, 2.0f);
}

}  // namespace
