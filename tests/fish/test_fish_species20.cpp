// Species 20, the ocellate river stingray: its construction and random draws,
// its swim style, its two generators, the parts of its Draw with their
// strips, mirrors, rotations and waves, its variants, a wall turn, and its
// mesh tables.
#include "fish/fish_species20.h"
#include "fish/fish_species20_meshes.h"
#include "fish_mesh_checks.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Working arrays of the class's Draw: the growing wave, the bend, the sine wave.
enum { kGrow, kBend, kSine };

constexpr double kPi = 3.14159265358979323846;
using Vec = std::array<float, 3>;

Vec TurnZ(const Vec& p, float angle)
{
    const double a = angle * kPi / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

void ExpectNear(const Vec& a, const Vec& b, const std::string& what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 2e-5) << what << " axis " << k;
}

TEST(FishSpecies20Construction, StartsWithItsOwnValuesAfterDrawingThePitchAndTheWanderCounter)
{
    ExpectStartValues<CFishSpecies20>({.speed = 0.1f,
                                       .segments = 10,
                                       .bodyDims = {0.975275993f, 1.99839401f, 1.95247996f},
                                       .blocks = {{kPi / 4, 0.01, kPi / 6}, {kPi / 10, 0.01, kPi / 6}},
                                       .draws = {{StartDraw::kPitch, 45}, {StartDraw::kWanderTimer, 200}}});
    // Wave number pi/4 and pi/10, step pi/6, each one float step below the
    // nearest float.
    CFishSpecies20 fish;
    const float waveNumber[2] = {std::nextafter(float(kPi / 4), 0.0f), std::nextafter(float(kPi / 10), 0.0f)};
    for (int b = 0; b < 2; ++b) {
        EXPECT_EQ(fish.m_Wave[b].waveNumber, waveNumber[b]) << b;
        EXPECT_EQ(fish.m_Wave[b].phaseStep, std::nextafter(float(kPi / 6), 0.0f)) << b;
    }
    // Born at twice the speed ceiling, it keeps 0.1 until its first approach.
    fish.ApproachSpeed(0.01f, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);
}

TEST(FishSpecies20Swimming, SwimStyleDrawsNothingAndScalesBothBlocksAboveTheSpeedLimit)
{
    struct Case {
        float speed, f;
    } cases[] = {{0.1f, 1.5f}, {0.05f, 1.5f}, {0.049f, 1.0f}, {0.4f, 1.5f}};
    for (const Case& c : cases) {
        CFishSpecies20 fish;
        fish.m_Wave[0].phase = 1.25f;
        fish.m_Wave[1].counter = 4;
        EXPECT_EQ(RandDraws([&] { fish.SetSwimStyle(c.speed, 0, 0, 0); }), 0) << c.speed;
        EXPECT_EQ(fish.m_bStroke, 0);
        EXPECT_NEAR(fish.m_Wave[0].waveNumber, kPi / 4, 1e-6);
        EXPECT_NEAR(fish.m_Wave[1].waveNumber, kPi / 10, 1e-6);
        for (int b = 0; b < 2; ++b) {
            EXPECT_NEAR(fish.m_Wave[b].amplitude, 0.01 * c.f, 1e-8) << c.speed;
            EXPECT_NEAR(fish.m_Wave[b].phaseStep, kPi / 6 * c.f, 1e-6) << c.speed;
        }
        EXPECT_EQ(fish.m_Wave[0].phase, 1.25f) << "phases and counters are left alone";
        EXPECT_EQ(fish.m_Wave[1].counter, 4);
    }
}

TEST(FishSpecies20Swimming, SetSwimBoxStoresTheBoxAndTheBodyDimensions)
{
    CFishSpecies20 fish;
    fish.m_bBusy = 1;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    const float box[6] = {-50, 50, 13, -17, -75, -80};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fish.m_fSwimBox[i], box[i]) << i;
    EXPECT_EQ(fish.m_bBusy, 0);
    struct Depth {
        float z;
        bool inBand;
    } depths[] = {{-89.9f, true}, {-90.0f, false}, {-75.0f, false}, {-60.1f, true}, {-60.0f, false}, {0.0f, false}};
    for (const Depth& d : depths) {
        fish.m_fPos[2] = d.z;
        EXPECT_EQ(fish.IsInDepthBand(), d.inBand) << d.z;
    }
}

// ---- the generators ----

TEST(FishSpecies20Waves, TheGrowingWaveGrowsWithTheEntryAndStepsEverySeventhCall)
{
    CFishSpecies20 fish;
    FishWave& w = fish.m_Wave[0];
    w.phase = 0.5f;
    float out[4] = {};
    for (int call = 1; call <= 7; ++call) {
        fish.ComputeGrowingWave(out, 4);
        EXPECT_EQ(w.phase, call < 7 ? 0.5f : 0.5f + w.phaseStep) << call;
        EXPECT_EQ(w.counter, call < 7 ? call : 0) << call;
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(out[i], 0.01 * (i + 1) * std::sin(i * kPi / 4 + w.phase), 2e-7) << i;
    // After the swim style, 1.5 times as strong.
    fish.SetSwimStyle(0.1f, 0, 0, 1);
    fish.ComputeGrowingWave(out, 4);
    EXPECT_NEAR(out[3], 0.015 * 4 * std::sin(3 * kPi / 4 + w.phase), 2e-7);
}

TEST(FishSpecies20Waves, TheSineWaveDependsOnTheVariantAndSparesTheTailRoot)
{
    struct Case {
        int variant;
        std::function<double(int i, double k, double phi)> value;
    } cases[] = {
        {0, [](int i, double k, double phi) { return 3 * 0.01 * std::sin(i * k + phi); }},
        {3, [](int i, double k, double phi) { return 2 * 0.01 * std::sin(i * k + phi); }},
        {4, [](int i, double k, double phi) { return 3 * 0.01 * std::sin(i * k + phi); }},
        {5, [](int i, double k, double phi) { return 4 * 0.01 * std::sin(3 * i * k + phi); }},
        {1, [](int, double, double) { return 0.0; }},
        {-1, [](int, double, double) { return 0.0; }},
    };
    for (const Case& c : cases) {
        CFishSpecies20 fish;
        fish.m_nDrawVariant = c.variant;
        fish.m_Wave[1].phase = 2.0f;
        float out[10];
        fish.ComputeSineWaveByMode(out, 10);
        const double k = fish.m_Wave[1].waveNumber, phi = fish.m_Wave[1].phase;
        EXPECT_EQ(out[0], 0.0f) << "variant " << c.variant << ": the root never ripples";
        EXPECT_NEAR(out[1], 0.5 * c.value(1, k, phi), 2e-7) << "variant " << c.variant << ": half strength";
        for (int i = 2; i < 10; ++i)
            EXPECT_NEAR(out[i], c.value(i, k, phi), 2e-7) << "variant " << c.variant << " entry " << i;
    }
}

TEST(FishSpecies20Waves, OnlyAPhaseAbove2PiStartsAgain)
{
    struct Case {
        float phase;
        int counter;
        float after;
    } cases[] = {
        {6.283185f, 0, 6.283185f},                          // exactly: stays
        {std::nextafter(6.283185f, 7.0f), 0, 0.0f},         // just above: 0
        {6.0f, 6, 0.0f},                                    // steps past it: 0 at once
        {5.0f, 6, 5.0f + std::nextafter(float(kPi / 6), 0.0f)},
    };
    for (const Case& c : cases)
        for (int block : {0, 1}) {
            CFishSpecies20 fish;
            fish.m_Wave[block].phase = c.phase;
            fish.m_Wave[block].counter = c.counter;
            float out[10];
            if (block == 0)
                fish.ComputeGrowingWave(out, 4);
            else
                fish.ComputeSineWaveByMode(out, 10);
            EXPECT_EQ(fish.m_Wave[block].phase, c.after) << "block " << block << " from " << c.phase;
        }
}

// ---- Draw ----

class Species20Test : public FishSpeciesTest<CFishSpecies20> {
protected:
    Species20Test()
    {
        fish.m_fPos[1] = 0;
        fish.m_fPos[2] = -77;
    }
};

struct Shape {
    const char* name;
    int primitives, points;  // per primitive
};

void ExpectShapes(const VertexRecorder& r, const std::vector<Shape>& shapes, const std::string& what)
{
    size_t p = 0, total = 0;
    for (const Shape& s : shapes)
        for (int i = 0; i < s.primitives; ++i, ++p) {
            ASSERT_LT(p, r.primitives.size()) << what << " " << s.name;
            EXPECT_EQ(r.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << what << " " << s.name;
            EXPECT_EQ(r.primitives[p].vertices.size(), size_t(s.points)) << what << " " << s.name << " strip " << i;
            total += s.points;
        }
    EXPECT_EQ(r.primitives.size(), p) << what;
    EXPECT_EQ(r.VertexCount(), total) << what;
}

TEST_F(Species20Test, EachVariantDrawsItsPartsStripsAndColumns)
{
    struct Case {
        int variant;
        std::vector<Shape> shapes;
    } cases[] = {
        // Cap and disc each as stored, then mirrored.
        {0,
         {{"cap", 2, 6},
          {"body", 14, 26},
          {"tail", 4, 20},
          {"keel", 2, 8},
          {"lobe", 7, 18},
          {"lobe twin", 7, 18},
          {"eye", 2, 10},
          {"eye twin", 2, 10}}},
        {3, {{"body", 14, 26}, {"tail", 4, 8}}},
        {4, {{"body", 8, 26}, {"tail", 4, 10}}},
        {5, {{"tail", 4, 20}, {"keel", 2, 8}}},
        {1, {}},
        {2, {}},
        {6, {}},
        {-3, {}},
        {40, {}},
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        const float x = fish.m_fPos[0];
        fish.Draw(c.variant);
        ExpectShapes(recorder, c.shapes, "variant " + std::to_string(c.variant));
        EXPECT_EQ(fish.m_nDrawVariant, c.variant);
        EXPECT_NE(fish.m_fPos[0], x) << "variant " << c.variant << " still moves the fish";
    }
    const char* names[] = {"cap", "body", "tail", "keel", "lobe", "lobe twin", "eye", "eye twin"};
    ASSERT_EQ(fish.Class().parts.size(), std::size(names));
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_STREQ(fish.Class().parts[i].name, names[i]);
}

TEST_F(Species20Test, AVariantThatDrawsNothingStillAnimatesDriftsAndUpdatesTheHitBox)
{
    fish.TargetPitch() = 10;
    fish.m_fPos[0] = 5;
    for (int frame = 0; frame < 7; ++frame)
        fish.Draw(2);
    EXPECT_TRUE(recorder.primitives.empty());
    EXPECT_GT(fish.m_Wave[0].phase, 0.0f) << "the growing wave stepped";
    EXPECT_GT(fish.m_Wave[1].phase, 0.0f) << "the sine wave stepped";
    EXPECT_NE(fish.m_fDrift, 0.0f);
    EXPECT_EQ(fish.m_fShownPitch, 7.0f) << "the drawn pitch eases a degree a frame";
    EXPECT_NE(fish.m_fHitBox[0], 0.0f);
    EXPECT_NE(fish.m_fPos[1], 0.0f) << "climbs with its target pitch";
}

TEST_F(Species20Test, RandomDrawsPerFrame)
{
    // The bend's draw and the drift's two; one more while the segments
    // settle, on the frame the head first reaches its (unchanged) target.
    const int expected[6] = {3, 3, 4, 3, 3, 3};
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
}

TEST_F(Species20Test, AWanderDecisionDrawsWithoutASwimStyleDraw)
{
    for (unsigned seed : {3u, 11u, 500u}) {
        CFishSpecies20 f;
        f.SetSwimBox(-50, 50, 3, -22, -75, -80);
        f.m_fPos[2] = -77;
        f.m_nWanderTimer = 301;
        // Bend 1, drift 2, then the wander: its counter, its target speed,
        // heading and pitch (the heading has arrived), and a speed when the
        // new counter is above 50.
        const int counter = RandValue(3, seed) % 150;
        EXPECT_EQ(RandDraws([&] { f.Draw(0); }, seed), 3 + 4 + (counter > 50 ? 1 : 0)) << seed;
        EXPECT_EQ(f.m_nWanderTimer, counter);
        EXPECT_EQ(f.m_bStroke, 0) << "flipped";
        EXPECT_FLOAT_EQ(f.m_Wave[0].amplitude, 0.015f) << "the wander's target speed is at least 0.1";
        EXPECT_FLOAT_EQ(f.m_Wave[1].amplitude, 0.015f);
    }
}

TEST_F(Species20Test, TheDriftStaysInItsLimits)
{
    fish.m_bNoWander = 1;  // the pitch stays as set
    fish.m_fPos[1] = -5;
    fish.TargetPitch() = 20;
    float low = 1, high = -1;
    for (int frame = 0; frame < 300; ++frame) {
        const float before = fish.m_fDrift;
        fish.Draw(0);
        low = std::min(low, fish.m_fDrift);
        high = std::max(high, fish.m_fDrift);
        const float change = fish.m_fDrift - before;
        EXPECT_TRUE(std::fabs(change) < 0.0061f) << frame;
    }
    EXPECT_GE(low, -0.008f);
    EXPECT_FLOAT_EQ(high, 0.008f) << "with a positive pitch it climbs to the limit";
    fish.TargetPitch() = 0;
    fish.m_fPos[1] = -5;
    for (int frame = 0; frame < 100; ++frame)
        fish.Draw(0);
    EXPECT_LE(fish.m_fDrift, -0.004f) << "with a pitch of 0 it falls";
}

// Each part's rotation and waves on known arrays; positions at size 5.
TEST_F(Species20Test, PartsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 10; ++j) {
        f[kBend][j] = 7.0f * j + 3;
        f[kSine][j] = 0.001f * (j + 1);
    }
    for (int k = 0; k < 4; ++k)
        f[kGrow][k] = 0.002f * (k + 1);
    fish.m_fDrift = 0.004f;
    const int size = fish.m_nSize;
    // The rim's lift: columns 3 to 9 take entry 0, 1, 2, 3, 2, 1, 0.
    auto rim = [&](int row, int c) {
        return (row == 4 || row == 5) && c >= 3 && c <= 9 ? f[kGrow][std::min(c - 3, 9 - c)] : 0.0f;
    };
    struct Rule {
        const char* name;
        std::function<void()> draw;
        const FishVertex* mesh;
        int rows, columns;
        std::vector<bool> passes;  // mirrored or not, one per pass of all strips
        std::function<Vec(const FishVertex& p, int row, int c, bool mirrored)> moved;  // size 1, before turning
        std::function<float(int c)> angle;
    } rules[] = {
        {"body", [&] { fish.DrawBody(f); }, &g_Fish20Body[0][0], 8, 13, {false, true},
         [&](const FishVertex& p, int row, int c, bool m) { return Vec{p.x, m ? -p.y : p.y, p.z + rim(row, c)}; },
         [&](int) { return f[kBend][0]; }},
        {"tail", [&] { fish.DrawPart1(f); }, &g_Fish20Tail[0][0], 5, 10, {false},
         [&](const FishVertex& p, int, int c, bool) { return Vec{p.x, p.y + f[kSine][c], p.z}; },
         [&](int c) { return f[kBend][c]; }},
        {"keel", [&] { fish.DrawPart2(f); }, &g_Fish20Keel[0][0], 3, 4, {false},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x, p.y, p.z}; }, [&](int) { return f[kBend][0]; }},
        {"lobe", [&] { fish.DrawPart3(f); }, &g_Fish20Lobe[0][0], 8, 9, {false},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x, p.y, p.z}; }, [&](int) { return f[kBend][0]; }},
        {"lobe twin", [&] { fish.DrawPart3Mirror(f); }, &g_Fish20Lobe[0][0], 8, 9, {true},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x, -p.y, p.z}; }, [&](int) { return f[kBend][0]; }},
        // The drift is added to x and z before the size.
        {"eye", [&] { fish.DrawPart4(f); }, &g_Fish20Eye[0][0], 3, 5, {false},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x + 0.004f, p.y, p.z + 0.004f}; },
         [&](int) { return f[kBend][0]; }},
        {"eye twin", [&] { fish.DrawPart4Mirror(f); }, &g_Fish20Eye[0][0], 3, 5, {true},
         [&](const FishVertex& p, int, int, bool) { return Vec{p.x + 0.004f, -p.y, p.z + 0.004f}; },
         [&](int) { return f[kBend][0]; }},
    };
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        const size_t skip = std::string(rule.name) == "body" ? 2 : 0;  // the cap first
        rule.draw();
        const int strips = rule.rows - 1;
        ASSERT_EQ(recorder.primitives.size(), skip + strips * rule.passes.size()) << rule.name;
        for (size_t pass = 0; pass < rule.passes.size(); ++pass)
            for (int s = 0; s < strips; ++s) {
                const size_t prim = skip + pass * strips + s;
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.mesh[(s + k) * rule.columns + c];
                        Vec q = rule.moved(p, s + k, c, rule.passes[pass]);
                        q = {q[0] * size, q[1] * size, q[2] * size};
                        ExpectNear(At(prim, c, k), TurnZ(q, rule.angle(c)),
                                   std::string(rule.name) + " pass " + std::to_string(pass) + " strip " +
                                       std::to_string(s) + " column " + std::to_string(c));
                        const RecordedVertex& v = recorder.primitives[prim].vertices[2 * c + k];
                        EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz})) << rule.name << " as stored";
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                    }
            }
    }
    // The cap: one strip of three columns as stored, then mirrored, turned by bend 0.
    recorder.primitives.clear();
    fish.DrawBody(f);
    for (int pass = 0; pass < 2; ++pass)
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 2; ++k) {
                const FishVertex& p = g_Fish20Cap[k][c];
                const Vec q{p.x * size, (pass ? -p.y : p.y) * size, p.z * size};
                ExpectNear(At(pass, c, k), TurnZ(q, f[kBend][0]), "cap");
            }
}

TEST_F(Species20Test, Variant5WavesTheTailUpAndDown)
{
    FishFrame f;
    for (int j = 0; j < 10; ++j) {
        f[kBend][j] = 0;
        f[kSine][j] = 0.002f * j;
    }
    fish.m_nDrawVariant = 5;
    fish.DrawPart1(f);
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c < 10; ++c)
            for (int k = 0; k < 2; ++k) {
                const FishVertex& p = g_Fish20Tail[s + k][c];
                ExpectNear(At(s, c, k), {p.x * 5, p.y * 5, (p.z + f[kSine][c]) * 5}, "tail in variant 5");
            }
}

TEST_F(Species20Test, Variant3PullsOnePointOfTheDiscAndLeavesTheRimStill)
{
    FishFrame f;
    for (int k = 0; k < 4; ++k)
        f[kGrow][k] = 0.01f;
    fish.m_nDrawVariant = 3;
    fish.DrawBody(f);
    ASSERT_EQ(recorder.primitives.size(), 14u) << "no cap";
    for (int pass = 0; pass < 2; ++pass)
        for (int s = 0; s < 7; ++s)
            for (int c = 0; c < 13; ++c)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& p = g_Fish20Body[s + k][c];
                    const float pull = s == 6 && k == 0 && c == 0 ? -0.15f : 0.0f;
                    ExpectNear(At(pass * 7 + s, c, k), {(p.x + pull) * 5, (pass ? -p.y : p.y) * 5, p.z * 5},
                               "variant 3 pass " + std::to_string(pass) + " strip " + std::to_string(s) + " column " +
                                   std::to_string(c));
                }
}

// At an x wall the target flips, and on the next frame the whole fish, tail
// included, shows the new heading at once.
TEST_F(Species20Test, AtAnXWallTheWholeFishComesRound)
{
    // Settled toward +x, it swims past the x-max wall.
    fish.m_fPos[0] = 50.05f;
    fish.m_fHeading = 180;
    fish.m_nTargetHeading = 180;
    fish.m_fLastTarget = 180;
    fish.m_bBendReached = fish.m_bBendSettled = 1;
    std::fill(fish.m_nBendAngle, fish.m_nBendAngle + 10, 180);
    fish.Draw(0);
    ASSERT_EQ(fish.m_nWallState, 2);
    EXPECT_EQ(fish.m_nTargetHeading, 0);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], 48);
    recorder.primitives.clear();
    fish.Draw(0);
    EXPECT_EQ(fish.m_fHeading, 0.0f);
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(fish.m_nBendAngle[j], 0) << j;
    // The tail (after the cap's 2 and the disc's 14 strips) points back along
    // +x again, column by column: no column trails round.
    for (int c = 0; c < 10; ++c) {
        const FishVertex& p = g_Fish20Tail[0][c];
        EXPECT_NEAR(At(16, c, 0)[0], p.x * 5, 1e-4) << c;
    }
}

// ---- the mesh tables ----

TEST(FishSpecies20Meshes, TablesLieWithinTheirPlacesWithUnitNormals)
{
    using namespace fish_mesh_checks;
    const TableExtents cases[] = {
        Extents("cap", g_Fish20Cap, {-0.451f, -0.439f}, {0.088f, 0.122f}, {-0.026f, -0.013f}, {0.025f, 0.025f},
                {1.622f, 1.622f}),
        Extents("body", g_Fish20Body, {-0.439f, 0.011f}, {0.0f, 0.22f}, {-0.08f, 0.043f}, {0.032f, 0.852f},
                {1.006f, 1.5f}),
        // The whip is wider than a hair, so that it shows from above.
        Extents("tail", g_Fish20Tail, {0.0f, 0.488f}, {-0.0095f, 0.0095f}, {-0.046f, -0.003f}, {0.871f, 0.929f},
                {1.007f, 1.667f}),
        Extents("keel", g_Fish20Keel, {-0.078f, 0.015f}, {-0.01f, 0.0f}, {-0.018f, 0.041f}, {0.701f, 0.982f},
                {1.814f, 1.994f}),
        Extents("lobe", g_Fish20Lobe, {-0.486f, -0.379f}, {0.026f, 0.119f}, {-0.081f, -0.018f}, {0.486f, 0.688f},
                {1.816f, 1.991f}),
        Extents("eye", g_Fish20Eye, {-0.427f, -0.412f}, {0.122f, 0.131f}, {-0.033f, -0.016f}, {0.874f, 0.994f},
                {1.678f, 1.803f}),
    };
    ExpectTablesWithinTheirExtents(cases);
}

TEST(FishSpecies20Meshes, TheDiscIsRigidAroundTheTailRootAndTheRimIsRowsFourAndFive)
{
    // Every column of the disc turns with bend 0; the tail's root column turns
    // with it too, so it must stand on the turning axis, inside the disc's rear.
    for (int r = 0; r < 5; ++r) {
        EXPECT_NEAR(g_Fish20Tail[r][0].x, 0.0f, 1e-6) << r;
        EXPECT_LT(g_Fish20Tail[r][0].x, g_Fish20Body[0][12].x);
    }
    // The tail's columns run back in order; its ring closes.
    for (int c = 0; c + 1 < 10; ++c)
        EXPECT_LT(g_Fish20Tail[0][c].x, g_Fish20Tail[0][c + 1].x) << c;
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(g_Fish20Tail[0][c].y, g_Fish20Tail[4][c].y) << c;
        EXPECT_EQ(g_Fish20Tail[0][c].z, g_Fish20Tail[4][c].z) << c;
    }
    // The rim (rows 4 and 5, which ripple) is the disc's widest, and the two
    // rows keep close so that the ripple lifts an edge, not a flap.
    for (int c = 1; c < 12; ++c) {
        for (int r : {0, 1, 2, 3, 6, 7})
            EXPECT_LT(g_Fish20Body[r][c].y, g_Fish20Body[4][c].y) << "row " << r << " column " << c;
        EXPECT_LT(std::fabs(g_Fish20Body[4][c].z - g_Fish20Body[5][c].z), 0.01f) << c;
        EXPECT_GT(g_Fish20Body[0][c].z, g_Fish20Body[4][c].z) << "the back is above the rim";
        EXPECT_LT(g_Fish20Body[7][c].z, g_Fish20Body[5][c].z) << "the belly below it";
    }
    // The eyes' base ring lies below the back's skin (the drift lifts them
    // by up to 0.008), their apex above it.
    for (int k = 0; k < 5; ++k)
        EXPECT_LT(g_Fish20Eye[2][k].z + 0.008f, g_Fish20Eye[0][k].z) << k;
}

}  // namespace
