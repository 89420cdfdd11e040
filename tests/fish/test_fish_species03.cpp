// Species 3, the angelfish: its construction and random draws, its own swim
// box rule, its generators, the parts of its Draw with their grids, mirrors,
// rotations and waves, its variants, and its mesh tables.
#include "fish/fish_species03.h"
#include "fish/fish_species03_meshes.h"
#include "fish/fish_species23.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species03.cpp).
enum { kD, kW, kR, kT, kG1, kS1, kG2, kG3, kS2 };

using Vec = std::array<float, 3>;

Vec TurnZ(const Vec& p, float angle)
{
    const double a = angle * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

void ExpectNear(const Vec& a, const Vec& b, const std::string& what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 2e-5) << what << " axis " << k;
}

TEST(FishSpecies03Construction, StartsWithItsOwnValuesAfterTwoDiscardedDraws)
{
    const float pi = 3.14159265f;
    // The first two draws only advance the sequence: pitch and heading start at 0.
    ExpectStartValues<CFishSpecies03>({.speed = 0.1f,
                                       .segments = 16,
                                       .bodyDims = {0.64383f, 1.0f, 0.181513f},
                                       .blocks = {{pi / 16, 0, pi / 6},
                                                  {0, 0.003f, 0},
                                                  {0, 0.003f, 0},
                                                  {pi / 8, 0, pi / 8},
                                                  {pi / 24, 0.05f, pi / 8},
                                                  {pi / 24, 0.05f, pi / 8},
                                                  {pi / 20, 0, pi / 8},
                                                  {pi / 16, 0.01f, pi / 6},
                                                  {pi / 2, 0, pi / 6},
                                                  {pi / 4, 0.05f, pi / 6}},
                                       .draws = {{StartDraw::kDiscard, 2},
                                                 {StartDraw::kDiscard, 2},
                                                 {StartDraw::kCounter, 15, 1},
                                                 {StartDraw::kCounter, 15, 2},
                                                 {StartDraw::kWanderTimer, 200}}},
                                      {1u, 77u});
    // Born above the speed ceiling, it keeps 0.1 until its first approach.
    CFishSpecies03 fish;
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies03Swimming, SetSwimBoxClearsTheWallStateAndStoresTheBox)
{
    CFishSpecies03 fish;
    fish.m_nWallState = 6;
    fish.m_bBusy = 1;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    EXPECT_EQ(fish.m_nWallState, 0);
    EXPECT_EQ(fish.m_bBusy, 0);
    const float box[6] = {-50, 50, 13, -17, -75, -80};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fish.m_fSwimBox[i], box[i]) << i;
    EXPECT_FALSE(fish.IsInDepthBand());  // z 0
}

TEST(FishSpecies03Swimming, SwimStyleSetsSevenBlocksWithTheirOwnFactors)
{
    CFishSpecies03 fish;
    const float pi = 3.14159265f;
    for (float m : {1.0f, 1.5f}) {
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(m > 1 ? 0.05f : 0.04f, 0, 0, 0); }), 1);
        EXPECT_EQ(fish.m_bStroke, 0);
        struct Row {
            int block;
            float waveNumber, amplitude, step;
        } rows[] = {
            {0, pi / 16, 0.01f, m * pi / 6},        {3, pi / 5, m * 0.5f, m * pi / 8},
            {4, pi / 24, 0.05f, m * pi / 16},       {5, pi / 24, m * 0.05f, m * pi / 8},
            {6, pi / 20, m * 0.01f, m * pi / 8},    {7, pi / 16, m * 0.01f, m * pi / 8},
            {9, pi / 4, 0.05f, m * pi / 6},
        };
        for (const Row& r : rows) {
            EXPECT_NEAR(fish.m_Wave[r.block].waveNumber, r.waveNumber, 1e-6) << r.block;
            EXPECT_NEAR(fish.m_Wave[r.block].amplitude, r.amplitude, 1e-6) << r.block;
            EXPECT_NEAR(fish.m_Wave[r.block].phaseStep, r.step, 1e-6) << r.block;
        }
        EXPECT_FLOAT_EQ(fish.m_Wave[8].waveNumber, pi / 2) << "block 8 keeps its values";
        EXPECT_FLOAT_EQ(fish.m_Wave[1].amplitude, 0.003f);
    }
}

// ---- the generators ----

TEST(FishSpecies03Waves, EachGeneratorHasItsCadenceAndItsShape)
{
    using Gen = void (CFishSpecies03::*)(float*, int);
    struct Case {
        const char* name;
        Gen gen;
        int block, n, period;
        std::function<float(int i, float k, float phi, float amplitude)> value;
    } cases[] = {
        {"body wave", &CFishSpecies03::ComputeBodyWave, 0, 16, 7,
         [](int i, float k, float phi, float) { return i < 13 ? 0.0f : 0.5f * 0.01f * (i - 13) * std::sin(i * k + phi); }},
        {"growing wave", &CFishSpecies03::ComputeGrowingWave, 3, 10, 4,
         [](int i, float k, float phi, float) { return 0.011f * i * std::sin(i * k + phi); }},
        {"sine wave", &CFishSpecies03::ComputeSineWave, 4, 7, 4,
         [](int i, float k, float phi, float a) { return a * std::sin(i * k + phi); }},
        {"growing wave 2", &CFishSpecies03::ComputeGrowingWave2, 6, 8, 7,
         [](int i, float k, float phi, float) { return 0.01f * i * std::sin(i * k + phi); }},
        {"growing wave 3", &CFishSpecies03::ComputeGrowingWave3, 8, 8, 3,
         [](int i, float k, float phi, float) { return 0.002f * i * std::sin(i * k + phi); }},
        {"sine wave 2", &CFishSpecies03::ComputeSineWave2, 9, 15, 3,
         [](int i, float k, float phi, float a) { return 0.1f * a * std::sin(i * k + phi); }},
    };
    for (const Case& c : cases) {
        CFishSpecies03 fish;
        FishWave& w = fish.m_Wave[c.block];
        w.phase = 1.0f;
        float out[32] = {};
        ExpectPhaseStepsOnTheLastCall(fish, c.gen, c.block, out, c.n, c.period, c.name);
        for (int i = 0; i < c.n; ++i)
            EXPECT_NEAR(out[i], c.value(i, w.waveNumber, w.phase, w.amplitude), 1e-6) << c.name << " " << i;
    }
}

TEST(FishSpecies03Waves, ReverseRampsFallTowardTheTailAndTheToggleFlipsEvery17thCall)
{
    CFishSpecies03 fish;
    float r[5], t[6];
    fish.ComputeReverseRamp(r, 5);
    for (float v : r)
        EXPECT_EQ(v, 0.0f) << "zero while the stroke flag is set";
    fish.m_bStroke = 0;
    fish.ComputeReverseRamp(r, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(r[i], (5 - i) * 0.003f, 1e-7);

    fish.m_bStroke = 1;
    fish.m_Wave[1].counter = 0;
    for (int call = 1; call <= 17; ++call) {
        fish.ComputeReverseRampToggle(t, 6);
        EXPECT_EQ(t[0], 0.0f) << "the flip shows from the next call, call " << call;
        EXPECT_EQ(fish.m_bStroke, call < 17 ? 1 : 0) << call;
    }
    fish.ComputeReverseRampToggle(t, 6);
    EXPECT_NEAR(t[0], 6 * 0.003f, 1e-7);
    EXPECT_NEAR(t[5], 0.003f, 1e-7);
}

// ---- Draw ----

// The parts in drawing order: strips and points per strip (variant 0).
const PartShape kShapes[] = {
    {"body", 18, 32},        {"lower jaw", 4, 10},     {"upper jaw", 4, 12},    {"dorsal", 2, 20},
    {"dorsal lobe", 4, 10},  {"pectoral", 1, 14},      {"pectoral twin", 1, 14}, {"ventral", 1, 16},
    {"ventral twin", 1, 16}, {"anal", 1, 16},          {"tail", 1, 30},         {"eye", 2, 10},
    {"eye twin", 2, 10},
};

class Species03Test : public FishSpeciesTest<CFishSpecies03> {
protected:
};

TEST_F(Species03Test, EachFrameDrawsTwelvePartsInOrderAndSetsWhite)
{
    fish.Draw(0);
    ExpectPartsInOrder(recorder, fish, kShapes, 43u, 890u);
    ASSERT_EQ(recorder.colors.size(), 1u);
    EXPECT_EQ(recorder.colors[0], (std::array<float, 3>{1, 1, 1}));

    // The clownfish leaves the colour alone.
    recorder.colors.clear();
    CFishSpecies23 clown;
    clown.Draw(0);
    EXPECT_TRUE(recorder.colors.empty());
}

TEST_F(Species03Test, VariantsScaleAndLeaveColumnsAndPartsOut)
{
    struct Case {
        int variant;
        size_t vertices;
    } cases[] = {
        {0, 890},
        {1, 890},
        {5, 890},
        {3, 890 - 6 - 6},            // ventral filaments: 5 columns
        {4, 890 - 8 - 8 - 16},       // ventral filaments: 4 columns; no anal fin
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.Draw(c.variant);
        EXPECT_EQ(recorder.VertexCount(), c.vertices) << "variant " << c.variant;
        EXPECT_EQ(fish.m_nDrawVariant, c.variant);
    }
}

TEST_F(Species03Test, Variant4RunsNeitherTheRampsNorTheGrowingWave)
{
    fish.m_Wave[1].counter = 16;
    fish.m_Wave[3].counter = 1;
    fish.Draw(4);
    EXPECT_EQ(fish.m_bStroke, 1) << "the toggle did not run";
    EXPECT_EQ(fish.m_Wave[1].counter, 16);
    EXPECT_EQ(fish.m_Wave[3].counter, 1);
    fish.Draw(3);
    EXPECT_EQ(fish.m_bStroke, 0) << "variant 3 runs the toggle";
    EXPECT_EQ(fish.m_Wave[3].counter, 1) << "but not the growing wave";
    fish.Draw(0);
    EXPECT_EQ(fish.m_Wave[3].counter, 2);
}

TEST_F(Species03Test, RandomDrawsPerFrame)
{
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
}

TEST_F(Species03Test, TheStrokeOpensTheMouthOnTheFrameAfterTheToggleFlipsIt)
{
    fish.m_Wave[1].counter = 0;
    const FishVertex& upper = g_Fish03UpperJaw[0][0];
    const FishVertex& lower = g_Fish03LowerJaw[0][0];
    const size_t upperJaw = 1 + 18 + 4, lowerJaw = 1 + 18;
    for (int frame = 1; frame <= 18; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        const bool open = frame == 18;
        EXPECT_NEAR(At(upperJaw, 0, 0)[2], (upper.z + (open ? 6 * 0.003f : 0)) * 5, 1e-5) << "frame " << frame;
        EXPECT_NEAR(At(lowerJaw, 0, 0)[2], (lower.z - (open ? 5 * 0.003f : 0)) * 5, 1e-5) << "frame " << frame;
    }
}

TEST_F(Species03Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 16; ++j) {
        f[kD][j] = 4.0f * j + 1;
        f[kW][j] = 0.002f * j;
    }
    for (int j = 0; j < 16; ++j)
        f[kR][j] = f[kT][j] = f[kG1][j] = f[kS1][j] = f[kG2][j] = f[kG3][j] = f[kS2][j] = 0.001f * (j + 1);
    fish.m_fDrift = 0.004f;
    struct Rule {
        const char* name;
        std::function<void()> draw;
        const FishVertex* mesh;
        int columns, drawn;
        std::vector<bool> mirrored;  // per strip pass
        std::function<Vec(const FishVertex& p, int row, int c, bool mirrored)> moved;  // size 1, before turning
        std::function<float(int c)> angle;
    } rules[] = {
        {"body", [&] { fish.DrawBody(f); }, &g_Fish03Body[0][0], 16, 16, {false, true},
         [&](const FishVertex& p, int, int c, bool m) {
             return Vec{p.x, m ? -(p.y + f[kW][c]) : p.y + f[kW][c], p.z};  // the halves swell
         },
         [&](int c) { return f[kD][c]; }},
        {"lower jaw", [&] { fish.DrawPart1(f); }, &g_Fish03LowerJaw[0][0], 6, 5, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, m ? -p.y : p.y, p.z - f[kR][c]}; },
         [&](int) { return f[kD][0]; }},
        {"upper jaw", [&] { fish.DrawPart2(f); }, &g_Fish03UpperJaw[0][0], 6, 6, {false, true},
         [&](const FishVertex& p, int, int c, bool m) { return Vec{p.x, m ? -p.y : p.y, p.z + f[kT][c]}; },
         [&](int) { return f[kD][0]; }},
        {"pectoral twin", [&] { fish.DrawPart4Mirror(f); }, &g_Fish03Pectoral[0][0], 7, 7, {true},
         [&](const FishVertex& p, int row, int c, bool) {
             const float w = row == 1 ? f[kS1][c] : 0.0f;
             return Vec{p.x + w, -p.y + w, p.z};  // added after the negation
         },
         [&](int) { return f[kD][4]; }},
        {"ventral", [&] { fish.DrawPart5(f); }, &g_Fish03Ventral[0][0], 8, 8, {false},
         [&](const FishVertex& p, int, int c, bool) { return Vec{p.x, p.y + f[kG2][c], p.z + f[kG2][c]}; },
         [&](int) { return f[kD][4]; }},
        {"ventral twin", [&] { fish.DrawPart5Mirror(f); }, &g_Fish03Ventral[0][0], 8, 8, {true},
         [&](const FishVertex& p, int, int c, bool) { return Vec{p.x, -(p.y + f[kG2][c]), p.z - f[kG2][c]}; },
         [&](int) { return f[kD][4]; }},  // the rotation the ventral filament left
        {"anal", [&] { fish.DrawPart6(f); }, &g_Fish03Anal[0][0], 8, 8, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return Vec{p.x, p.y + (row == 1 ? f[kG3][c] : 0.0f), p.z};
         },
         [&](int c) { return f[kD][7 + c]; }},
        {"tail", [&] { fish.DrawPart7(f); }, &g_Fish03Tail[0][0], 15, 15, {false},
         [&](const FishVertex& p, int row, int c, bool) {
             return row == 0 ? Vec{p.x + 0.01f, p.y + f[kW][15], p.z} : Vec{p.x, p.y + f[kW][15] + f[kS2][c], p.z};
         },
         [&](int) { return f[kD][15]; }},
        {"eye twin", [&] { fish.DrawPart8Mirror(f); }, &g_Fish03Eye[0][0], 5, 5, {true},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x + 0.004f, -p.y, p.z + 0.004f}; },
         [&](int) { return (f[kD][1] + f[kD][2]) / 2; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        if (std::string(rule.name) == "ventral twin")
            fish.DrawPart5(f);  // sets the rotation the twin keeps
        const size_t skip = recorder.primitives.size() + (std::string(rule.name) == "body" ? 1 : 0);
        rule.draw();
        const size_t passes = rule.mirrored.size();
        const int rows = static_cast<int>((recorder.primitives.size() - skip) / passes) + 1;
        ASSERT_GE(rows, 2) << rule.name;
        for (int s = 0; s + 1 < rows; ++s)
            for (size_t pass = 0; pass < passes; ++pass) {
                const size_t prim = skip + s * passes + pass;
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.drawn)) << rule.name;
                for (int c = 0; c < rule.drawn; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.mesh[(s + k) * rule.columns + c];
                        Vec q = rule.moved(p, s + k, c, rule.mirrored[pass]);
                        q = {q[0] * 5, q[1] * 5, q[2] * 5};
                        ExpectNear(At(prim, c, k), TurnZ(q, rule.angle(c)),
                                   std::string(rule.name) + " strip " + std::to_string(s) + " column " +
                                       std::to_string(c));
                    }
            }
    }
}

TEST_F(Species03Test, TheDorsalFinIsTwoSectionsOfOneTableAndOnlyTheLobeSways)
{
    FishFrame f;
    for (int j = 0; j < 16; ++j) {
        f[kD][j] = 2.0f * j;
        f[kG1][j] = 0.003f * j;
    }
    fish.DrawPart3(f);
    const int finStrips = kFish03DorsalFinRows - 1;
    const int strips = finStrips + MeshOf(g_Fish03Dorsal).rows - kFish03DorsalFinRows - 1;
    ASSERT_EQ(recorder.primitives.size(), size_t(strips));
    for (int s = 0; s < strips; ++s) {
        const bool lobe = s >= finStrips;
        const int columns = lobe ? 5 : 10;
        ASSERT_EQ(recorder.primitives[s].vertices.size(), size_t(2 * columns));
        for (int c = 0; c < columns; ++c)
            for (int k = 0; k < 2; ++k) {
                const int row = (lobe ? kFish03DorsalFinRows + s - finStrips : s) + k;
                const FishVertex& p = g_Fish03Dorsal[row][c];
                const float sway = lobe ? f[kG1][c] : 0.0f;
                ExpectNear(At(s, c, k), TurnZ({p.x * 5, (p.y + sway) * 5, p.z * 5}, f[kD][c]), "dorsal");
            }
    }
    // The lobe carries the fin's front columns on: each of its drawn columns
    // runs along the fin's column of the same bend (through its middle and
    // edge rows), so the two turn as one.
    for (int c = 0; c < 5; ++c)
        for (int row : {1, 2}) {
            EXPECT_EQ(g_Fish03Dorsal[kFish03DorsalFinRows + row][c].x, g_Fish03Dorsal[row][c].x) << c;
            EXPECT_EQ(g_Fish03Dorsal[kFish03DorsalFinRows + row][c].z, g_Fish03Dorsal[row][c].z) << c;
        }
}

// The vertex changes of variants 3 and 4 (the fish pass never asks for them),
// read with every wave zero and no bend.
TEST_F(Species03Test, VariantsMoveVerticesByTheirRules)
{
    struct Case {
        const char* name;
        int variant;
        void (CFishSpecies03::*draw)(const FishFrame&);
        size_t primitive;
        int column, lower;
        const FishVertex& stored;
        float dx, dz;  // added to x and z before scaling
        float xFactor = 1, zFactor = 1;
    } cases[] = {
        {"body, first strip, upper row", 4, &CFishSpecies03::DrawBody, 1, 10, 0, g_Fish03Body[0][10], -0.002f * 14, -0.02f},
        {"body, first strip, lower row", 4, &CFishSpecies03::DrawBody, 1, 10, 1, g_Fish03Body[1][10], -0.002f * 14, -0.02f},
        {"body, mirrored first strip", 4, &CFishSpecies03::DrawBody, 2, 15, 0, g_Fish03Body[0][15], -0.002f * 9, -0.07f},
        {"body, later strip, upper row", 4, &CFishSpecies03::DrawBody, 3, 10, 0, g_Fish03Body[1][10], 0, 0},
        {"body, later strip, lower row", 4, &CFishSpecies03::DrawBody, 3, 10, 1, g_Fish03Body[2][10], 0, -0.02f},
        {"body, front column", 4, &CFishSpecies03::DrawBody, 1, 7, 1, g_Fish03Body[1][7], 0, 0},
        {"body, variant 3", 3, &CFishSpecies03::DrawBody, 1, 10, 1, g_Fish03Body[1][10], 0, 0},
        {"lower jaw, lower row", 4, &CFishSpecies03::DrawPart1, 0, 2, 1, g_Fish03LowerJaw[1][2], -0.05f, 0},
        {"lower jaw, upper row", 4, &CFishSpecies03::DrawPart1, 2, 2, 0, g_Fish03LowerJaw[1][2], 0, 0},
        {"upper jaw, lower row", 4, &CFishSpecies03::DrawPart2, 2, 5, 1, g_Fish03UpperJaw[2][5], -0.05f, 0},
        {"dorsal narrows", 3, &CFishSpecies03::DrawPart3, 1, 3, 1, g_Fish03Dorsal[2][3], 0, 0, 0.7f},
        {"dorsal lobe, first strip", 3, &CFishSpecies03::DrawPart3, 2, 2, 1, g_Fish03Dorsal[4][2], 0.16f, 0, 0.8f},
        {"dorsal lobe, later strip", 3, &CFishSpecies03::DrawPart3, 3, 2, 0, g_Fish03Dorsal[4][2], 0, 0, 0.8f},
        {"dorsal, variant 4", 4, &CFishSpecies03::DrawPart3, 0, 3, 1, g_Fish03Dorsal[1][3], 0, 0.01f},
        {"dorsal, variant 4, upper row", 4, &CFishSpecies03::DrawPart3, 1, 3, 0, g_Fish03Dorsal[1][3], 0, 0},
        {"dorsal lobe, variant 4", 4, &CFishSpecies03::DrawPart3, 2, 1, 0, g_Fish03Dorsal[3][1], 0.1f, 0},
        {"dorsal lobe, variant 4, column 3", 4, &CFishSpecies03::DrawPart3, 2, 3, 0, g_Fish03Dorsal[3][3], 0, 0},
        {"anal edge", 3, &CFishSpecies03::DrawPart6, 0, 4, 1, g_Fish03Anal[1][4], 0, 0.1f},
        {"tail root", 0, &CFishSpecies03::DrawPart7, 0, 4, 0, g_Fish03Tail[0][4], 0.01f, 0},
        {"tail edge, variant 3", 3, &CFishSpecies03::DrawPart7, 0, 8, 1, g_Fish03Tail[1][8], -0.005f * 7, 0, 1, 0.8f},
        {"tail edge, variant 4", 4, &CFishSpecies03::DrawPart7, 0, 3, 1, g_Fish03Tail[1][3], -0.014f * 3, 0},
        {"tail edge, variant 0", 0, &CFishSpecies03::DrawPart7, 0, 3, 1, g_Fish03Tail[1][3], 0, 0},
    };
    const FishFrame zero;
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.m_nDrawVariant = c.variant;
        (fish.*c.draw)(zero);
        const Vec& v = At(c.primitive, c.column, c.lower);
        EXPECT_NEAR(v[0], (c.stored.x * c.xFactor + c.dx) * 5, 1e-5) << c.name;
        EXPECT_NEAR(v[2], (c.stored.z * c.zFactor + c.dz) * 5, 1e-5) << c.name;
    }
}

TEST_F(Species03Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    CFishSpecies03 big = fish;
    big.m_nSize = 8;
    crt::srand(5);
    fish.Draw(0);
    const std::vector<RecordedPrimitive> small = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(5);
    big.Draw(0);
    ASSERT_EQ(recorder.primitives.size(), small.size());
    for (size_t s = 0; s < small.size(); ++s)
        for (size_t i = 0; i < small[s].vertices.size(); ++i)
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(recorder.primitives[s].vertices[i].position[k], 1.6f * small[s].vertices[i].position[k],
                            1e-4);
}

// ---- the mesh tables ----

TEST(FishSpecies03Mesh, BodyRowsRunFromTheRidgeToTheBellyAlongTheSegments)
{
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(g_Fish03Body[0][j].y, 0.0f) << "ridge on the midline, column " << j;
        EXPECT_NEAR(g_Fish03Body[9][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < 10; ++r) {
            EXPECT_EQ(g_Fish03Body[r][j].x, g_Fish03Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(g_Fish03Body[r][j].z, g_Fish03Body[r - 1][j].z) << "rows go down";
        }
        for (int r = 1; r < 9; ++r)
            EXPECT_GT(g_Fish03Body[r][j].y, 0.0f);
        if (j > 0) {
            EXPECT_GT(g_Fish03Body[0][j].x, g_Fish03Body[0][j - 1].x);
        }
    }
    // A tall, flat body: deeper than half its length, thin from above.
    const auto [top, bottom, side] = BoxOf(g_Fish03Body);
    const float length = g_Fish03Body[0][15].x - g_Fish03Body[0][0].x;
    EXPECT_GT(top - bottom, 0.6f * length);
    EXPECT_LT(2 * side, 0.2f * length);
}

TEST(FishSpecies03Mesh, JawsCloseTheSnoutAndFinsStandOnTheBody)
{
    // The lips meet at the tip and on the body.
    EXPECT_EQ(g_Fish03UpperJaw[2][0].z, g_Fish03LowerJaw[0][0].z);
    EXPECT_EQ(g_Fish03UpperJaw[2][5].z, g_Fish03LowerJaw[0][4].z);
    const int upperRows[3] = {0, 2, 4}, lowerRows[3] = {4, 6, 9};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(g_Fish03UpperJaw[r][5].z, g_Fish03Body[upperRows[r]][0].z);
        EXPECT_EQ(g_Fish03LowerJaw[r][4].z, g_Fish03Body[lowerRows[r]][0].z) << "the last drawn column";
        EXPECT_LT(g_Fish03UpperJaw[r][0].x, g_Fish03Body[0][0].x) << "the tip in front";
    }
    // Root rows on the ridge and the belly of the segments whose bend they
    // take (the dorsal fin's column c takes bend c, the anal fin's 7 + c).
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(g_Fish03Dorsal[0][c].x, g_Fish03Body[0][c].x);
        EXPECT_NEAR(g_Fish03Dorsal[0][c].z, g_Fish03Body[0][c].z, 0.005f);
    }
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(g_Fish03Anal[0][c].x, g_Fish03Body[0][7 + c].x);
        EXPECT_NEAR(g_Fish03Anal[0][c].z, g_Fish03Body[9][7 + c].z, 0.005f);
    }
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(g_Fish03Eye[0][k].x, g_Fish03Eye[0][0].x) << "the centre row is one point";
        EXPECT_EQ(g_Fish03Eye[2][4].z, g_Fish03Eye[2][0].z) << "the rim closes";
    }
}

TEST(FishSpecies03Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies03);
    for (int r = 2; r < 8; ++r)
        for (int j = 0; j < 16; ++j)
            EXPECT_GT(g_Fish03Body[r][j].ny, 0.0f) << "flank normals face outward, " << r << " " << j;
}

}  // namespace
