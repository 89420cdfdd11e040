// Species 5, the blue ram: its construction and random draws, its swim
// style, its generators and the stroke toggle counted over the whole class,
// the parts of its Draw with their grids, mirrors, rotations and waves, the
// eye twitch, and its mesh tables.
#include "fish/fish_species05.h"
#include "fish/fish_species05_meshes.h"
#include "fish_test_util.h"
#include "support/matrix_chain.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species05.cpp).
enum { kBend, kBody, kSine, kReverse, kGrowing, kRamp, kToggle };

constexpr float kPi = 3.14159265f;
using Vec = std::array<float, 3>;

// Where the part matrix of `angle` degrees about z puts p.
Vec TurnZ(const Vec& p, float angle) { return MatrixChain().Rotate(angle, 0, 0, 1).Point(p.data()); }

void ExpectNear(const Vec& a, const Vec& b, const std::string& what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 2e-5) << what << " axis " << k;
}

// ---- construction ----

TEST(FishSpecies05Construction, StartsWithItsOwnValuesAfterDrawingThePitchAndTheWanderTimer)
{
    // Blocks 1, 4, 5 and 7 (as the layout counts them) drive the waves; the
    // others stand empty, and no counter is drawn.
    ExpectStartValues<CFishSpecies05>({.speed = 0.1f,
                                       .segments = 14,
                                       .drift = false,
                                       .bodyDims = {1.0f, 0.514202f, 0.36172f},
                                       .blocks = {{kPi / 16, 0.05f, kPi / 6},
                                                  {},
                                                  {},
                                                  {kPi / 4, 0.01f, kPi / 6},
                                                  {kPi / 16, 0.01f, kPi / 6},
                                                  {},
                                                  {kPi / 16, 0.01f, kPi / 6},
                                                  {},
                                                  {},
                                                  {}},
                                       .draws = {{StartDraw::kPitch, 45}, {StartDraw::kWanderTimer, 200}}});
    // Born above the speed ceiling, it keeps 0.1 until its first approach.
    CFishSpecies05 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies05Swimming, DepthBandIsStrictAndLeavesOutItsMiddle)
{
    CFishSpecies05 fish;
    const struct {
        float z;
        bool in;
    } cases[] = {{-75, false}, {-74.5f, true}, {-60, false}, {-60.5f, true}, {-90, false}, {-89.9f, true}, {0, false}};
    for (const auto& c : cases) {
        fish.m_fPos[2] = c.z;
        EXPECT_EQ(fish.IsInDepthBand(), c.in) << c.z;
    }
}

TEST(FishSpecies05Swimming, SwimStyleDrawsNothingAndSetsTheFourWaveBlocks)
{
    for (float m : {1.0f, 1.5f}) {
        CFishSpecies05 fish;
        fish.m_Wave[1].amplitude = 0.7f;  // a block it leaves alone
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.049f, 0, 0, 0); }), 0);
        EXPECT_EQ(fish.m_bStroke, 0);
        struct Row {
            int block;
            float waveNumber, amplitude, step;
        } rows[] = {{1, kPi / 16, 0.05f * m, m * kPi / 6},
                    {4, kPi / 4, 0.02f * m, m * kPi / 4},
                    {5, kPi / 16, 0.01f * m, m * kPi / 6},
                    {7, kPi / 16, 0.01f * m, m * kPi / 6}};
        for (const Row& r : rows) {
            const FishWave& w = fish.m_Wave[r.block - 1];
            EXPECT_NEAR(w.waveNumber, r.waveNumber, 1e-6) << r.block;
            EXPECT_NEAR(w.amplitude, r.amplitude, 1e-7) << r.block;
            EXPECT_NEAR(w.phaseStep, r.step, 1e-6) << r.block;
        }
        EXPECT_EQ(fish.m_Wave[1].amplitude, 0.7f);
    }
}

// After the first wander decision (target speed 0.1 or more) the sine runs
// at amplitude 0.03 and the other waves step by pi / 4.
TEST(FishSpecies05Swimming, AfterTheFirstWanderTheSineIsThreeTimesItsBirthAmplitude)
{
    CFishSpecies05 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPos[2] = -75;
    fish.m_nWanderTimer = 301;  // decides in this frame
    fish.Draw();
    EXPECT_EQ(fish.m_bStroke, 0) << "the wander flipped the stroke";
    EXPECT_NEAR(fish.m_Wave[3].amplitude, 0.03f, 1e-7);
    EXPECT_NEAR(fish.m_Wave[3].phaseStep, 3 * kPi / 8, 1e-6);
    for (int b : {1, 5, 7})
        EXPECT_NEAR(fish.m_Wave[b - 1].phaseStep, kPi / 4, 1e-6) << b;
    float sine[11];
    fish.m_Wave[3].phase = 0.4f;
    fish.m_Wave[3].counter = 0;
    fish.ComputeSineWave(sine, 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_NEAR(sine[i], 0.03f * std::sin(i * kPi / 4 + 0.4f), 1e-6) << i;
}

// ---- the generators ----

TEST(FishSpecies05Waves, EachGeneratorHasItsCadenceAndItsShape)
{
    using Gen = void (CFishSpecies05::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<float(int i, float k, float phi, float amplitude)> value;
    } cases[] = {
        {"body wave", &CFishSpecies05::ComputeBodyWave, 0, 14, 7,
         [](int i, float k, float phi, float) {
             return i < 8 ? 0.0f : std::sin(i * k + phi) * (i - 8) * 0.0125f * 0.5f;
         }},
        {"sine wave", &CFishSpecies05::ComputeSineWave, 3, 11, 7,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
        {"reverse growing wave", &CFishSpecies05::ComputeReverseGrowingWave, 4, 8, 4,
         [](int i, float k, float phi, float) { return std::sin(i * k + phi) * (8 - i) * 0.0015f; }},
        {"growing wave", &CFishSpecies05::ComputeGrowingWave, 6, 5, 7,
         [](int i, float k, float phi, float) { return i == 0 ? 0.0f : std::sin(i * k + phi) * i * 0.01f; }},
    };
    for (const Case& c : cases) {
        CFishSpecies05 fish;
        FishWave& w = fish.m_Wave[c.block];
        w.phase = 1.0f;
        float out[16] = {};
        for (int call = 1; call <= 2 * c.period; ++call) {
            (fish.*c.gen)(out, c.n);
            const int steps = call / c.period;
            EXPECT_NEAR(w.phase, 1.0f + steps * w.phaseStep, 1e-6) << c.name << " call " << call;
        }
        for (int i = 0; i < c.n; ++i)
            EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 1e-6) << c.name << " " << i;
        // A phase past 2 pi starts again at 0.
        w.phase = 6.2f;
        w.counter = c.period - 1;
        (fish.*c.gen)(out, c.n);
        EXPECT_EQ(w.phase, 0.0f) << c.name;
    }
}

TEST(FishSpecies05Waves, TheBodyWaveWeightsAndTheReverseWavesFirstEntry)
{
    CFishSpecies05 fish;
    float body[14], reverse[8];
    for (float phase : {0.5f, 2.0f}) {
        fish.m_Wave[0].phase = phase;
        fish.m_Wave[4].phase = phase;
        fish.ComputeBodyWave(body, 14);
        fish.ComputeReverseGrowingWave(reverse, 8);
        EXPECT_EQ(body[8], 0.0f);
        EXPECT_NEAR(body[13], 0.03125f * std::sin(13 * kPi / 16 + phase), 1e-6);
        EXPECT_NEAR(reverse[0], 0.012f * std::sin(phase), 1e-6);
    }
}

TEST(FishSpecies05Waves, RampsHaveConstantSlopesAndAreZeroWhileTheStrokeIsSet)
{
    CFishSpecies05 fish;
    CFishSpecies05::s_nToggleCalls = 0;
    float ramp[4], toggle[4];
    fish.ComputeRamp(ramp, 4);
    fish.ComputeRampToggle(toggle, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ramp[i], 0.0f);
        EXPECT_EQ(toggle[i], 0.0f);
    }
    fish.m_bStroke = 0;
    for (FishWave& w : fish.m_Wave)
        w.amplitude = 9.0f;  // no block holds their slopes
    fish.ComputeRamp(ramp, 4);
    fish.ComputeRampToggle(toggle, 4);
    const float expectedRamp[4] = {0, 0, 0.002f, 0.0048f}, expectedToggle[4] = {-0.005f, 0, 0.005f, 0.01f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(ramp[i], i == 0 ? 0.0f : (i - 1) * 0.002f * (i == 3 ? 1.2f : 1.0f), 1e-7) << i;
        EXPECT_NEAR(ramp[i], expectedRamp[i], 1e-7) << i;
        EXPECT_NEAR(toggle[i], expectedToggle[i], 1e-7) << i;
    }
}

// The toggle's counter is the class's: every 102nd call over all fish flips
// the stroke of the fish that makes it.
TEST(FishSpecies05Waves, TheStrokeFlipsOnEvery102ndToggleCallOverTheWholeClass)
{
    for (int count : {1, 3, 4}) {
        std::vector<CFishSpecies05> fish(static_cast<size_t>(count));
        CFishSpecies05::s_nToggleCalls = 0;
        std::vector<int> flipsAt;
        float out[4];
        for (int call = 1; call <= 4 * 102; ++call) {
            CFishSpecies05& f = fish[static_cast<size_t>((call - 1) % count)];
            const BYTE before = f.m_bStroke;
            f.ComputeRampToggle(out, 4);
            if (f.m_bStroke != before)
                flipsAt.push_back(call);
        }
        ASSERT_EQ(flipsAt.size(), 4u) << count << " fish";
        for (size_t k = 0; k < flipsAt.size(); ++k) {
            EXPECT_EQ(flipsAt[k], static_cast<int>(102 * (k + 1))) << count << " fish";
            const int which = (flipsAt[k] - 1) % count;
            if (count == 3) {
                EXPECT_EQ(which, 2) << "always the third fish drawn";
            }
            if (count == 4) {
                EXPECT_EQ(which, k % 2 == 0 ? 1 : 3) << "the second and the fourth in turn";
            }
        }
    }
    CFishSpecies05::s_nToggleCalls = 0;
}

// ---- Draw ----

// The parts in drawing order: strips and points per strip.
const PartShape kShapes[] = {
    {"body", 16, 28},    {"lower head", 6, 8}, {"upper head", 10, 8},     {"dorsal", 1, 22},
    {"pectoral", 1, 16}, {"pectoral twin", 1, 16}, {"pelvic", 1, 30}, {"pelvic twin", 1, 30},
    {"anal", 1, 12},     {"tail", 1, 12},      {"eye", 2, 18},            {"eye twin", 2, 18},
};

class Species05Test : public FishSpeciesTest<CFishSpecies05> {
protected:
    Species05Test() { CFishSpecies05::s_nToggleCalls = 0; }
    ~Species05Test() override { CFishSpecies05::s_nToggleCalls = 0; }
};

TEST_F(Species05Test, EachFrameDrawsTwelvePartsInOrder)
{
    fish.Draw();
    size_t primitives = 1, vertices = 0;
    for (const PartShape& s : kShapes) {
        primitives += s.strips;
        vertices += static_cast<size_t>(s.strips * s.points);
    }
    ExpectPartsInOrder(recorder, fish, kShapes, primitives, vertices);
    EXPECT_EQ(fish.m_fDrift, 0.0f) << "the class has no drift";
    EXPECT_TRUE(recorder.colors.empty());
}

// Per frame: one draw for the bend (one more while the segments catch up),
// then one for each eye, two more for an eye that twitches.
TEST_F(Species05Test, RandomDrawsPerFrameFollowTheBendAndTheEyes)
{
    for (unsigned seed : {1u, 9u, 123u}) {
        std::vector<int> values(1000);
        crt::srand(seed);
        for (int& v : values)
            v = crt::rand();
        CFishSpecies05 f = fish;
        crt::srand(seed);
        int next = 0;
        for (int frame = 1; frame <= 60; ++frame) {
            int expected = frame == 3 ? 2 : 1;  // the head reaches its heading on the third call
            for (int eye = 0; eye < 2; ++eye)
                expected += values[static_cast<size_t>(next + expected)] % 40 == 0 ? 3 : 1;
            next += expected;
            f.Draw();
            EXPECT_EQ(crt::rand(), values[static_cast<size_t>(next)]) << "seed " << seed << " frame " << frame;
            crt::srand(seed);
            for (int k = 0; k < next; ++k)
                crt::rand();
        }
    }
}

TEST_F(Species05Test, TheEyeTwitchShiftsByUpToNineThousandthsOfTheSizeInXAndY)
{
    int twitches = 0;
    for (unsigned seed = 1; seed < 400; ++seed) {
        crt::srand(seed);
        float dx = -1, dy = -1;
        const bool twitch = fish.EyeTwitch(dx, dy);
        const int first = RandValue(0, seed);
        EXPECT_EQ(twitch, first % 40 == 0) << seed;
        EXPECT_EQ(RandDraws([&] { fish.EyeTwitch(dx, dy); }, seed), twitch ? 3 : 1);
        if (!twitch)
            continue;
        ++twitches;
        EXPECT_FLOAT_EQ(dx, (RandValue(1, seed) % 10) * 5 * 0.001f);
        EXPECT_FLOAT_EQ(dy, (RandValue(2, seed) % 10) * 5 * 0.001f);
        EXPECT_GE(dx, 0.0f);
        EXPECT_LE(dy, 0.045f);
    }
    EXPECT_GT(twitches, 0) << "some seed must twitch";
}

TEST_F(Species05Test, TheStrokeOpensTheMouthOnTheFrameAfterTheToggleFlipsIt)
{
    const size_t lowerHead = 1 + 16, upperHead = lowerHead + 6;
    CFishSpecies05::s_nToggleCalls = 95;
    for (int frame = 1; frame <= 8; ++frame) {
        recorder.primitives.clear();
        fish.Draw();
        const bool open = frame == 8;  // the 102nd call (frame 7) flips the stroke
        // Column 3 is the mouth; the ramp's 0.0048 and the toggle's 0.01.
        EXPECT_NEAR(At(lowerHead, 3, 0)[2], (g_Fish05LowerHead[0][3].z - (open ? 0.0048f : 0)) * 5, 1e-5) << frame;
        EXPECT_NEAR(At(upperHead, 3, 0)[2], (g_Fish05UpperHead[0][3].z + (open ? 0.01f : 0)) * 5, 1e-5) << frame;
        EXPECT_NEAR(At(upperHead, 0, 0)[2], (g_Fish05UpperHead[0][0].z - (open ? 0.005f : 0)) * 5, 1e-5) << frame;
    }
}

TEST_F(Species05Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 14; ++j) {
        f[kBend][j] = 6.0f * j + 1;
        f[kBody][j] = 0.002f * j - 0.01f;
    }
    for (int j = 0; j < 11; ++j)
        f[kSine][j] = f[kReverse][j] = f[kGrowing][j] = f[kRamp][j] = f[kToggle][j] = 0.001f * (j + 1);
    using Stored = std::function<const FishVertex&(int row, int c)>;
    struct Rule {
        const char* name;
        void (CFishSpecies05::*draw)(const FishFrame&);
        Stored stored;
        int strips, columns;
        std::vector<bool> mirrored;            // per strip pass
        std::function<Vec(const FishVertex& p, int row, int c, bool mirrored)> moved;  // size 1, before turning
        std::function<float(int c)> angle;
    };
    auto y = [](const FishVertex& p, bool m) { return m ? -p.y : p.y; };
    const float u = (f[kBend][2] + f[kBend][3]) / 2, w = (f[kBend][11] + f[kBend][12]) / 2;
    const float t = (f[kBody][2] + f[kBody][3]) / 2, v = (f[kBody][11] + f[kBody][12]) / 2;
    const Rule rules[] = {
        {"body", &CFishSpecies05::DrawBody, [](int r, int c) -> const FishVertex& { return g_Fish05Body[r][c]; }, 8,
         14, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, y(p, m) + f[kBody][c], p.z}; },
         [&](int c) { return f[kBend][c]; }},
        {"lower head", &CFishSpecies05::DrawPart1,
         [](int r, int c) -> const FishVertex& { return g_Fish05LowerHead[r][c]; }, 3, 4, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, y(p, m), p.z - f[kRamp][c]}; },
         [&](int) { return f[kBend][0]; }},
        {"upper head", &CFishSpecies05::DrawPart2,
         [](int r, int c) -> const FishVertex& { return g_Fish05UpperHead[r][c]; }, 5, 4, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, y(p, m), p.z + f[kToggle][c]}; },
         [&](int) { return f[kBend][0]; }},
        {"dorsal", &CFishSpecies05::DrawPart3, [](int r, int c) -> const FishVertex& { return g_Fish05Dorsal[r][c]; },
         1, 11, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             const float o = t + c * (v - t) / 9;
             return row == 0 ? Vec{p.x, p.y + o + f[kSine][c], p.z} : Vec{p.x, p.y + o, p.z + 0.01f};
         },
         [&](int c) { return u - c * (u - w) / 9; }},
        {"pectoral twin", &CFishSpecies05::DrawPart5,
         [](int r, int c) -> const FishVertex& { return g_Fish05Pectoral[r][c]; }, 1, 8, {true},
         [&](const FishVertex& p, int, int c, bool) {
             const float r = c < 7 ? f[kReverse][c] : 0.0f;
             return Vec{p.x + 4 * r, -p.y + r, p.z + 2 * r};  // added after the negation
         },
         [&](int) { return f[kBend][3]; }},
        {"pelvic", &CFishSpecies05::DrawPart6,
         [](int r, int c) -> const FishVertex& { return g_Fish05Pelvic[r][r == 0 ? c : c / 3]; }, 1, 15, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + f[kBody][3] + (row == 0 ? f[kGrowing][c / 3] : 0.0f), p.z};
         },
         [&](int) { return f[kBend][3]; }},
        {"pelvic twin", &CFishSpecies05::DrawPart7,
         [](int r, int c) -> const FishVertex& { return g_Fish05Pelvic[r][r == 0 ? c : c / 3]; }, 1, 15, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, -p.y + f[kBody][3] + (row == 0 ? f[kGrowing][c / 3] : 0.0f), p.z};
         },
         [&](int) { return f[kBend][3]; }},
        {"anal", &CFishSpecies05::DrawPart8, [](int r, int c) -> const FishVertex& { return g_Fish05Anal[r][c]; }, 1,
         6, {false}, [&](const FishVertex& p, int, int c, bool) { return Vec{p.x, p.y + f[kBody][6 + c], p.z}; },
         [&](int c) { return f[kBend][6 + c]; }},
        {"tail", &CFishSpecies05::DrawPart9,
         [](int r, int c) -> const FishVertex& { return g_Fish05Tail[r][r == 0 ? c / 3 : c]; }, 1, 6, {false},
         [&](const FishVertex& p, int, int c, bool) { return Vec{p.x, p.y + f[kBody][c == 0 ? 12 : 13], p.z}; },
         [&](int c) { return f[kBend][c == 0 ? 12 : 13]; }},
        {"eye", &CFishSpecies05::DrawPart10,
         [](int r, int c) -> const FishVertex& { return g_Fish05Eye[r][r == 0 ? c / 2 : c]; }, 2, 9, {false},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x, p.y, p.z}; }, [&](int) { return f[kBend][1]; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        crt::srand(1);  // the first value of seed 1 is no twitch
        ASSERT_NE(RandValue(0, 1) % 40, 0);
        (fish.*rule.draw)(f);
        const size_t skip = std::string(rule.name) == "body" ? 1 : 0;
        const size_t passes = rule.mirrored.size();
        ASSERT_EQ(recorder.primitives.size(), skip + rule.strips * passes) << rule.name;
        for (int s = 0; s < rule.strips; ++s)
            for (size_t pass = 0; pass < passes; ++pass) {
                const size_t prim = skip + s * passes + pass;
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.stored(s + k, c);
                        Vec q = rule.moved(p, s + k, c, rule.mirrored[pass]);
                        q = {q[0] * 5, q[1] * 5, q[2] * 5};
                        ExpectNear(At(prim, c, k), TurnZ(q, rule.angle(c)),
                                   std::string(rule.name) + " strip " + std::to_string(s) + " column " +
                                       std::to_string(c) + (k ? " second" : " first"));
                    }
            }
    }
}

// The dorsal fin's columns follow the body from between segments 2 and 3 to
// between 11 and 12 over nine steps, and its last column goes one step on.
TEST_F(Species05Test, TheDorsalFinTurnsColumnNineByTheRearMeanAndColumnTenBeyond)
{
    FishFrame f;
    f[kBend][11] = f[kBend][12] = 90.0f;
    fish.DrawPart3(f);
    const float expected[11] = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    for (int c = 0; c < 11; ++c) {
        const FishVertex& p = g_Fish05Dorsal[1][c];
        ExpectNear(At(0, c, 1), TurnZ({p.x * 5, p.y * 5, (p.z + 0.01f) * 5}, expected[c]),
                   "dorsal root, column " + std::to_string(c));
    }
}

// ---- the mesh tables ----

TEST(FishSpecies05Mesh, BodyColumnsStandWhereTheClassTurnsThem)
{
    const float x[14] = {-0.442f, -0.393f, -0.339f, -0.272f, -0.205f, -0.138f, -0.072f,
                         -0.005f, 0.062f,  0.129f,  0.196f,  0.263f,  0.317f,  0.339f};
    for (int j = 0; j < 14; ++j) {
        EXPECT_NEAR(g_Fish05Body[0][j].x, x[j], 1e-5) << j;
        EXPECT_NEAR(g_Fish05Body[0][j].y, 0.0f, 1e-6) << "ridge on the midline, column " << j;
        EXPECT_NEAR(g_Fish05Body[8][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < 9; ++r) {
            EXPECT_EQ(g_Fish05Body[r][j].x, g_Fish05Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(g_Fish05Body[r][j].z, g_Fish05Body[r - 1][j].z) << "rows go down";
        }
        for (int r = 1; r < 8; ++r)
            EXPECT_LE(g_Fish05Body[r][j].y, g_Fish05Body[4][j].y + 1e-6f) << "ring 4 is the widest";
    }
    // A deep, flat body: nearly half as deep as long, thin from above.
    const auto [top, bottom, side] = BoxOf(g_Fish05Body);
    EXPECT_NEAR(top, 0.172f, 0.01f);
    EXPECT_NEAR(bottom, -0.204f, 0.01f);
    EXPECT_NEAR(side, 0.058f, 0.005f);
}

TEST(FishSpecies05Mesh, TheHeadPiecesCloseTheBodysFrontAtTheMouth)
{
    // Column 0 is the body's first column (upper: rows 0-5, lower: rows 5-8);
    // the last column is the mouth, in front of the body.
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(g_Fish05UpperHead[r][0].z, g_Fish05Body[r][0].z) << r;
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(g_Fish05LowerHead[r][0].z, g_Fish05Body[5 + r][0].z) << r;
    EXPECT_EQ(g_Fish05UpperHead[5][3].z, g_Fish05LowerHead[0][3].z) << "the lips meet";
    for (int r = 0; r < 6; ++r)
        EXPECT_NEAR(g_Fish05UpperHead[r][3].x, -0.5f, 0.01f);
    // The pelvic and tail tables keep their shared points packed: point k of
    // the pelvic roots serves columns 3k to 3k + 2, of the tail roots 3k too.
    EXPECT_LT(g_Fish05Pelvic[1][4].x, g_Fish05Pelvic[0][14].x);
    EXPECT_GT(g_Fish05Tail[0][0].z, g_Fish05Tail[0][1].z) << "upper root, then lower";
    EXPECT_EQ(g_Fish05Eye[0][4].x, g_Fish05Eye[0][0].x) << "the eye's centre is one point";
}

TEST(FishSpecies05Mesh, NormalsAreUnitAndTextureCoordinatesInTheirRegions)
{
    for (const GridPart& part : kFishSpecies05.parts) {
        const MeshView& m = part.mesh;
        const bool body = std::string(part.name) == "body";
        for (int i = 0; i < m.rows * m.columns; ++i) {
            const FishVertex& p = m.points[i];
            EXPECT_NEAR(std::sqrt(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz), 1.0f, 1e-3) << part.name << " " << i;
            EXPECT_GE(p.s, body ? 0.07f - 1e-4f : 0.0f) << part.name;
            EXPECT_LE(p.s, body ? 0.98f + 1e-4f : 1.0f) << part.name;
            EXPECT_GE(p.t, body ? 1.03f - 1e-4f : 1.0f) << part.name;
            EXPECT_LE(p.t, body ? 1.31f + 1e-4f : 2.0f) << part.name;
        }
    }
}

}  // namespace
