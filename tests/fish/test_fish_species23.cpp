// Species 23, the reference class: its construction, its random draws, the
// parts of its Draw with their grids, mirrors, rotations and waves, its
// variants, and its mesh tables.
#include "fish/fish_species23.h"
#include "fish/fish_species23_meshes.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

// Working arrays of the class's Draw (its order in fish_species23.cpp).
enum { kBody, kBend, kRamp1, kRamp2, kSineB, kSineC, kSineD, kSineE, kSineF };

// The parts in drawing order: strips and points per strip (variant 0).
const PartShape kShapes[] = {
    {"body", 16, 28},    {"upper jaw", 12, 8}, {"lower jaw", 6, 8},     {"spiny dorsal", 1, 28},
    {"soft dorsal", 1, 18}, {"pectoral", 1, 12}, {"pectoral twin", 1, 12}, {"pelvic", 1, 16},
    {"pelvic twin", 1, 16}, {"anal", 1, 28},     {"tail", 1, 40},          {"eye", 2, 18},
    {"eye twin", 2, 18},
};

using Vec = std::array<float, 3>;

// p rotated by angle degrees about z.
Vec TurnZ(const Vec& p, float angle)
{
    const double a = angle * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

void ExpectNear(const Vec& a, const Vec& b, const char* what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 2e-5) << what << " axis " << k;
}

TEST(FishSpecies23Construction, StartsWithTheTemplateDefaultsAndDraws)
{
    // Wave blocks A, R1, R2, B, -, C, -, D, -, E, F; the spares stay zero.
    const double pi = 3.14159265358979323846;
    ExpectStartValues<CFishSpecies23>({.blocks = {{pi / 12, 0.1, pi / 4},
                                                  {0, 0.003, 0},
                                                  {0, 0.003, 0},
                                                  {pi / 16, 0.01, pi / 6},
                                                  {},
                                                  {pi / 16, 0.01, pi / 6},
                                                  {},
                                                  {pi / 16, 0.03, pi / 6},
                                                  {},
                                                  {pi / 16, 0.01, pi / 6},
                                                  {pi / 10, 0.02, pi / 4}}},
                                      {1u, 77u});
    const CFishSpecies23 fish;
    for (float p : fish.m_fPartMatrix)
        EXPECT_EQ(p, 0.0f);
    // The steps as the template writes them.
    const float step[11] = {0.7853981f, 0, 0, 0.5235987f, 0, 0.5235987f, 0, 0.5235987f, 0, 0.5235987f, 0.7853981f};
    for (int b = 0; b < 11; ++b)
        EXPECT_FLOAT_EQ(fish.m_Wave[b].phaseStep, step[b]) << b;
}

class Species23Test : public FishSpeciesTest<CFishSpecies23> {
protected:
    // The recorded primitives of part i of the last Draw (variant 0), past the
    // body's empty quads.
    std::vector<RecordedPrimitive> Part(int index) const { return PartPrimitives(recorder, kShapes, index, 1); }
};

TEST_F(Species23Test, EachFrameDrawsThirteenPartsInOrder)
{
    fish.Draw(0);
    ExpectPartsInOrder(recorder, fish, kShapes, 47u, 834u);
}

TEST_F(Species23Test, VariantsScaleAndLeavePartsOut)
{
    struct Case {
        int variant;
        size_t vertices;
    } cases[] = {
        {0, 834},
        {1, 834},
        {5, 834 - 18},                          // no soft dorsal
        {6, 834 - 18 - 16 - 16 - 36 - 36},      // nor pelvic fins nor eyes
        {7, 834 - 18 - 12 - 12 - 16 - 16 - 18},  // no pectoral or pelvic fins; 5 dorsal columns
        {8, 834 - 18},                          // 5 dorsal columns
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.Draw(c.variant);
        EXPECT_EQ(recorder.VertexCount(), c.vertices) << "variant " << c.variant;
        EXPECT_EQ(fish.m_nDrawVariant, c.variant);
    }
}

TEST_F(Species23Test, RandomDrawsPerFrame)
{
    // A new fish: the bend counts to its first heading step on the third frame,
    // where the (already reached) heading settles: one more draw.
    const int expected[8] = {3, 3, 4, 3, 3, 3, 3, 3};
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;

    // A wander decision adds its own draws.
    fish.m_nWanderTimer = 301;
    fish.m_fPitch = 0;
    const int draws = RandDraws([&] { fish.Draw(0); });
    EXPECT_GE(draws, 3 + 5);
    EXPECT_LE(draws, 3 + 6);
}

TEST_F(Species23Test, TheStrokeOpensTheJawsWhenTheToggleFlipsIt)
{
    fish.m_Wave[1].counter = 10;
    const FishVertex& tip = g_Fish23UpperJaw[0][3];
    for (int frame = 1; frame <= 42; ++frame) {
        recorder.primitives.clear();
        fish.Draw(0);
        // The upper jaw's first strip, row 0 at column 3 (rotated by bend[0] = 0).
        const float z = Part(1)[0].vertices[6].position[2];
        const float lift = frame < 42 ? 0.0f : 3 * 0.003f * 5;
        EXPECT_NEAR(z, tip.z * 5 + lift, 1e-5) << "frame " << frame;
        EXPECT_EQ(fish.m_bStroke, frame < 42 ? 1 : 0) << "frame " << frame;
    }
}

TEST_F(Species23Test, BodyColumnsTurnByTheirBendAndSwayWithTheBodyWave)
{
    FishFrame f;
    for (int j = 0; j < 15; ++j) {
        f[kBend][j] = 10.0f * j;
        f[kBody][j] = 0.001f * j;
    }
    fish.DrawBody(f);
    ASSERT_EQ(recorder.primitives.size(), 17u);
    for (int r = 0; r < 8; ++r)
        for (int pass = 0; pass < 2; ++pass) {
            const RecordedPrimitive& strip = recorder.primitives[1 + 2 * r + pass];
            for (int j = 0; j < 14; ++j)
                for (int k = 0; k < 2; ++k) {
                    const FishVertex& p = g_Fish23Body[r + k][j];
                    const float y = (pass ? -p.y : p.y) + f[kBody][j];  // the sway is not mirrored
                    ExpectNear(strip.vertices[2 * j + k].position, TurnZ({p.x * 5, y * 5, p.z * 5}, f[kBend][j]),
                               "body point");
                }
        }
}

TEST_F(Species23Test, FinsTurnAndWaveByTheirRules)
{
    FishFrame f;
    for (int j = 0; j < 15; ++j) {
        f[kBend][j] = 3.0f * j + 1;
        f[kBody][j] = 0.002f * j;
    }
    for (int j = 0; j < 20; ++j)
        f[kSineB][j] = f[kSineC][j] = f[kSineD][j] = f[kSineE][j] = f[kSineF][j] = 0.001f * (j + 1);
    struct Rule {
        const char* name;
        void (CFishSpecies23::*draw)(const FishFrame&);
        const FishVertex* mesh;
        int columns;
        Vec (*moved)(const FishFrame& f, const FishVertex& p, int row, int c);  // point before turning, size 1
        float (*angle)(const FishFrame& f, int row, int c);
    } rules[] = {
        {"spiny dorsal", &CFishSpecies23::DrawPart3, &g_Fish23Dorsal[0][0], 14,
         [](const FishFrame& f, const FishVertex& p, int row, int c) {
             const float d = (f[kBody][8] - f[kBody][6]) / 14;
             return Vec{p.x, p.y + (row == 0 ? f[kBody][6] + d * c : f[kSineB][c]), p.z};
         },
         [](const FishFrame& f, int, int c) { return f[kBend][8] + c * (f[kBody][8] - f[kBody][6]) / 14; }},
        {"soft dorsal", &CFishSpecies23::DrawPart4, &g_Fish23SoftDorsal[0][0], 9,
         [](const FishFrame& f, const FishVertex& p, int, int c) {
             const float m = (f[kBody][9] + f[kBody][10]) / 2, m2 = (f[kBody][11] + f[kBody][12]) / 2;
             return Vec{p.x, p.y + m + c * (m2 - m) / 9, p.z};
         },
         [](const FishFrame& f, int, int c) {
             const float m = (f[kBend][9] + f[kBend][10]) / 2, m2 = (f[kBend][11] + f[kBend][12]) / 2;
             return m + c * (m2 - m) / 9;
         }},
        {"pectoral", &CFishSpecies23::DrawPart5, &g_Fish23Pectoral[0][0], 6,
         [](const FishFrame& f, const FishVertex& p, int row, int c) {
             const float w = row == 1 ? f[kSineC][c] : 0.0f;
             return Vec{p.x + 4 * w, p.y + f[kBody][2] + w, p.z + 2 * w};
         },
         [](const FishFrame& f, int, int) { return f[kBend][2]; }},
        {"pectoral twin", &CFishSpecies23::DrawPart6, &g_Fish23Pectoral[0][0], 6,
         [](const FishFrame& f, const FishVertex& p, int row, int c) {
             const float w = row == 1 ? f[kSineC][c] : 0.0f;
             return Vec{p.x + 4 * w, -p.y + f[kBody][2] + w, p.z + 2 * w};
         },
         [](const FishFrame& f, int, int) { return f[kBend][2]; }},
        {"pelvic twin", &CFishSpecies23::DrawPart8, &g_Fish23Pelvic[0][0], 8,
         [](const FishFrame& f, const FishVertex& p, int row, int c) {
             return Vec{p.x, -p.y + f[kBody][7] + (row == 1 ? f[kSineD][c] : 0.0f), p.z};
         },
         [](const FishFrame& f, int, int) { return f[kBend][7]; }},
        {"anal", &CFishSpecies23::DrawPart9, &g_Fish23Anal[0][0], 14,
         [](const FishFrame& f, const FishVertex& p, int row, int c) {
             const float sway = f[kBody][9] + c * (f[kBody][10] - f[kBody][9]) / 14;
             return Vec{p.x, p.y + sway + (row == 1 ? f[kSineE][c] : 0.0f), p.z};
         },
         [](const FishFrame& f, int, int c) { return f[kBend][9] + c * (f[kBend][10] - f[kBend][9]) / 14; }},
        {"eye twin", &CFishSpecies23::DrawPart12, &g_Fish23Eye[0][0], 9,
         [](const FishFrame&, const FishVertex& p, int, int) { return Vec{p.x + 0.004f, -p.y, p.z + 0.004f}; },
         [](const FishFrame& f, int, int) { return f[kBend][0]; }},
    };
    fish.m_fDrift = 0.004f;
    for (const Rule& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        ASSERT_GE(recorder.primitives.size(), 1u) << rule.name;
        for (size_t s = 0; s < recorder.primitives.size(); ++s)
            for (int c = 0; c < rule.columns; ++c)
                for (int k = 0; k < 2; ++k) {
                    const int row = static_cast<int>(s) + k;
                    const FishVertex& p = rule.mesh[row * rule.columns + c];
                    Vec q = rule.moved(f, p, row, c);
                    q = {q[0] * 5, q[1] * 5, q[2] * 5};
                    ExpectNear(recorder.primitives[s].vertices[2 * c + k].position, TurnZ(q, rule.angle(f, row, c)),
                               rule.name);
                }
    }
}

TEST_F(Species23Test, TailRootTurnsWithSegmentsTwelveAndThirteenItsEdgeWithFourteen)
{
    FishFrame f;
    f[kBend][12] = 10;
    f[kBend][13] = 20;
    f[kBend][14] = 30;
    f[kBody][12] = 0.01f;
    f[kBody][13] = 0.02f;
    f[kBody][14] = 0.03f;
    for (int j = 0; j < 20; ++j)
        f[kSineF][j] = 0.001f * j;
    fish.DrawPart10(f);
    ASSERT_EQ(recorder.primitives.size(), 1u);
    for (int c = 0; c < 20; ++c) {
        const bool outer = c < 5 || c >= 15;
        const FishVertex& root = g_Fish23Tail[0][c];
        const FishVertex& edge = g_Fish23Tail[1][c];
        const float sway = outer ? 0.01f : 0.02f;
        ExpectNear(recorder.primitives[0].vertices[2 * c].position,
                   TurnZ({root.x * 5, (root.y + sway) * 5, root.z * 5}, outer ? 10.0f : 20.0f), "root");
        // The edge's sideways wave is added after scaling, its lift before.
        const float w = f[kSineF][c];
        ExpectNear(recorder.primitives[0].vertices[2 * c + 1].position,
                   TurnZ({edge.x * 5, (edge.y + 0.03f) * 5 + w, (edge.z + w) * 5}, 30.0f), "edge");
    }
}

TEST_F(Species23Test, JawsOpenByTheRampsAndBothHalvesAreDrawn)
{
    FishFrame f;
    for (int c = 0; c < 4; ++c) {
        f[kRamp1][c] = 0.003f * c;
        f[kRamp2][c] = 0.003f * c;
    }
    fish.DrawPart1(f);
    fish.DrawPart2(f);
    ASSERT_EQ(recorder.primitives.size(), 12u + 6u);
    for (int part = 0; part < 2; ++part) {
        const int rows = part == 0 ? 7 : 4;
        const FishVertex* mesh = part == 0 ? &g_Fish23UpperJaw[0][0] : &g_Fish23LowerJaw[0][0];
        const float sign = part == 0 ? 1.0f : -1.0f;
        for (int r = 0; r + 1 < rows; ++r)
            for (int pass = 0; pass < 2; ++pass) {
                const RecordedPrimitive& strip = recorder.primitives[(part ? 12 : 0) + 2 * r + pass];
                for (int c = 0; c < 4; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = mesh[(r + k) * 4 + c];
                        ExpectNear(strip.vertices[2 * c + k].position,
                                   {p.x * 5, (pass ? -p.y : p.y) * 5, (p.z + sign * 0.003f * c) * 5}, "jaw");
                    }
            }
    }
}

TEST_F(Species23Test, ALargerFishIsDrawnLargerInEveryCoordinate)
{
    fish.m_Wave[10].amplitude = 0;  // the tail edge's unscaled sway
    CFishSpecies23 big = fish;
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
    EXPECT_NEAR(big.m_fHitBox[0] - big.m_fPos[0], 1.6f * (fish.m_fHitBox[0] - fish.m_fPos[0]), 1e-4);
}

// ---- the mesh tables ----

TEST(FishSpecies23Mesh, BodyRowsRunFromTheRidgeToTheBellyAlongTheSegments)
{
    for (int j = 0; j < 14; ++j) {
        EXPECT_EQ(g_Fish23Body[0][j].y, 0.0f) << "ridge on the midline, column " << j;
        EXPECT_NEAR(g_Fish23Body[8][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < 9; ++r) {
            EXPECT_EQ(g_Fish23Body[r][j].x, g_Fish23Body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(g_Fish23Body[r][j].z, g_Fish23Body[r - 1][j].z) << "rows go down";
        }
        for (int r = 1; r < 8; ++r)
            EXPECT_GT(g_Fish23Body[r][j].y, 0.0f);
        if (j > 0) {
            EXPECT_GT(g_Fish23Body[0][j].x, g_Fish23Body[0][j - 1].x);
        }
    }
    // Column 0 stands at the eye, which turns with bend 0; the last at the tail root.
    EXPECT_NEAR(g_Fish23Body[0][0].x, g_Fish23Eye[0][0].x, 0.005f);
    EXPECT_NEAR(g_Fish23Body[0][13].x, 0.37f, 1e-6);
    // Its height and width fit the hit box the class gives (0.2778 high, 0.34605 wide).
    const auto [top, bottom, side] = BoxOf(g_Fish23Body);
    EXPECT_GT(top - bottom, 0.25f);
    EXPECT_LT(top - bottom, 0.36f);
    EXPECT_LT(2 * side, 0.34605f);
}

TEST(FishSpecies23Mesh, TheJawsCloseTheSnoutInFrontOfTheBody)
{
    for (int r = 0; r < 7; ++r) {
        EXPECT_NEAR(g_Fish23UpperJaw[r][0].x, g_Fish23Body[0][0].x, 1e-6);
        EXPECT_NEAR(g_Fish23UpperJaw[r][3].x, -0.47f, 1e-6);
        EXPECT_NEAR(g_Fish23UpperJaw[r][3].y, 0.0f, 1e-6) << "the tip is one point";
    }
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(g_Fish23UpperJaw[6][c].z, g_Fish23LowerJaw[0][c].z, 1e-6) << "the lips meet";
        EXPECT_EQ(g_Fish23UpperJaw[0][c].y, 0.0f);
        EXPECT_NEAR(g_Fish23LowerJaw[3][c].y, 0.0f, 1e-6);
    }
    // The jaws' first column lies on the body's first cross-section.
    EXPECT_NEAR(g_Fish23UpperJaw[0][0].z, g_Fish23Body[0][0].z, 1e-6);
    EXPECT_NEAR(g_Fish23LowerJaw[3][0].z, g_Fish23Body[8][0].z, 1e-6);
}

TEST(FishSpecies23Mesh, RootPointsServeSeveralColumns)
{
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(g_Fish23Pectoral[0][c].x, g_Fish23Pectoral[0][c < 3 ? 0 : 3].x) << c;
        EXPECT_EQ(g_Fish23Pectoral[0][c].z, g_Fish23Pectoral[0][c < 3 ? 0 : 3].z) << c;
    }
    EXPECT_NE(g_Fish23Pectoral[0][0].z, g_Fish23Pectoral[0][3].z);
    for (int c = 0; c < 20; ++c)
        EXPECT_EQ(g_Fish23Tail[0][c].z, g_Fish23Tail[0][c / 5 * 5].z) << c;
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(g_Fish23Eye[0][k].x, g_Fish23Eye[0][0].x) << "the centre row is one point";
        for (int r = 1; r < 3; ++r)
            EXPECT_EQ(g_Fish23Eye[r][8].z, g_Fish23Eye[r][0].z) << "the rings close";
    }
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(g_Fish23Dorsal[0][c].y, 0.0f) << "midline fins stand in y = 0";
}

TEST(FishSpecies23Mesh, NormalsAreUnitAndTextureCoordinatesInsideThePicture)
{
    ExpectUnitNormalsAndCoordinatesInThePicture(kFishSpecies23);
    // Flank normals face outward, to +y.
    for (int r = 2; r < 7; ++r)
        for (int j = 0; j < 14; ++j)
            EXPECT_GT(g_Fish23Body[r][j].ny, 0.0f) << r << " " << j;
}

}  // namespace
