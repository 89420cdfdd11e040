// The rosette plant without a GL context: its constructor values, its leaf
// table, how each row of a leaf is bent and swayed, and the swing direction
// all rosettes share.
#include "scenery/rosette_plant.h"
#include "scenery/rosette_plant_meshes.h"
#include "plant_checks.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace plant_checks;

constexpr size_t kLeaves = 8;
constexpr size_t kStripVertices = 20;  // 10 rows of 2

TEST(RosettePlant, ConstructorDrawsItsValuesInOrder)
{
    const std::vector<int> r = Draws(41, 9);
    const CRosettePlant p;
    EXPECT_EQ(p.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(p.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 10));
    EXPECT_EQ(p.m_swing.m_fSwingRate, static_cast<float>((r[2] % 5 + 1) * 0.025));
    EXPECT_EQ(p.m_fSwingRateReset, p.m_swing.m_fSwingRate);
    EXPECT_EQ(p.m_swing.m_fSwing, static_cast<float>(r[4] % 10));  // r[3] is a rate nothing reads
    EXPECT_EQ(p.m_sway.m_fPhaseSpeed, kPlantPi / static_cast<float>(r[5] % 5 + 15));
    EXPECT_EQ(p.m_fPhaseSpeedReset, p.m_sway.m_fPhaseSpeed);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.m_fSize[i], static_cast<float>((r[6 + i] % 10 * 0.1 + 0.05) * 2)) << i;
    EXPECT_EQ(p.m_fScale[0], 5.0f);
}

TEST(RosettePlant, LeafTableKeepsItsRootOutlineAndTexture)
{
    const Points leaf = All(g_RosetteLeafLeft, g_RosetteLeafRight);
    // The root is the pivot the placement moves onto the stem: exactly its constant.
    EXPECT_EQ(g_RosetteLeafLeft[0].x, 0.474594f);
    EXPECT_EQ(g_RosetteLeafLeft[0].y, -0.0955728f);
    EXPECT_EQ(g_RosetteLeafLeft[0].z, 0.123621f);
    ExpectTellingPoints({{g_RosetteLeafLeft, 5, 0.0472f, -0.2664f, -0.1842f},
                         {g_RosetteLeafLeft, 9, -0.3482f, -0.0396f, -0.1745f},
                         {g_RosetteLeafRight, 0, 0.4552f, -0.0796f, 0.1263f},
                         {g_RosetteLeafRight, 5, 0.0848f, 0.2666f, -0.0926f},
                         {g_RosetteLeafRight, 9, -0.4999f, 0.0342f, -0.1501f}},
                        5e-5f);
    ExpectBounds(leaf, {-0.5f, -0.27f, -0.22f}, {0.47f, 0.27f, 0.13f}, 0.01f, "rosette leaf");
    ExpectTexture(leaf, 0.006f, 0.39f, 1.006f, 1.994f, "rosette leaf");
    ExpectUnitNormals(leaf, "rosette leaf");
}

TEST(RosettePlant, DrawSendsEightLeavesAndKeepsItsRates)
{
    CRosettePlant p;
    p.m_swing.m_fSwingRate = 3.0f;  // every draw starts from the copies
    p.m_sway.m_fPhaseSpeed = 3.0f;
    const float phase = p.m_fSwayPhase;
    VertexRecorder rec;
    for (int call = 0; call < 3; ++call)
        p.Draw();
    ASSERT_EQ(rec.primitives.size(), 3 * kLeaves);
    for (const auto& strip : rec.primitives) {
        EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
        EXPECT_EQ(strip.vertices.size(), kStripVertices);
    }
    EXPECT_EQ(p.m_swing.m_fSwingRate, p.m_fSwingRateReset);
    // The third call moves the phase, by the phase speed's copy.
    EXPECT_FLOAT_EQ(p.m_fSwayPhase, phase + p.m_fPhaseSpeedReset);
    EXPECT_EQ(p.m_fScale[0], 10.0f);
    EXPECT_EQ(p.m_fScale[1], 2.0f);
    EXPECT_EQ(p.m_fScale[2], 10.0f);
}

TEST(RosettePlant, RowsBendAboutTheDiagonalAndTheRightEdgeTakesTheNextRowsSway)
{
    crt::srand(3);
    CRosettePlant p;
    crt::srand(3);
    CRosettePlant twin;
    // A swing well off zero and a phase that gives every row its own sway.
    p.m_swing.m_fSwing = twin.m_swing.m_fSwing = 7.0f;
    p.m_fSwayPhase = twin.m_fSwayPhase = 1.0f;
    float sway[13] = {}, bend[13] = {};
    twin.ComputeSway(sway, 13);
    twin.ComputeBend(bend, 13, 10);
    VertexRecorder rec;
    p.Draw();
    const auto& v = rec.primitives.at(0).vertices;
    const float sx = 10, sy = 2, sz = 10;
    for (int r = 0; r < 10; ++r) {
        const PlantVertex& L = g_RosetteLeafLeft[r];
        const PlantVertex& R = g_RosetteLeafRight[r];
        const std::array<float, 3> left = {L.x * sx + sway[r] * sx * 0.5f, L.y * sy + sway[r] * sy, L.z * sz};
        const std::array<float, 3> right = {R.x * sx + sway[r + 1] * sx * 0.5f, R.y * sy + sway[r + 1] * sy, R.z * sz};
        ExpectNear(v[2 * r].position, Turned(left, bend[r], {1, 1, 1}), 1e-4f, "left row " + std::to_string(r));
        ExpectNear(v[2 * r + 1].position, Turned(right, bend[r], {1, 1, 1}), 1e-4f, "right row " + std::to_string(r));
        EXPECT_EQ(v[2 * r].normal, (std::array<float, 3>{L.nx, L.ny, L.nz})) << "normals are not turned";
    }
    // The root row: never bent, its left point never swayed, its right point swayed by row 1.
    EXPECT_EQ(bend[0], 0.0f);
    EXPECT_EQ(sway[0], 0.0f);
    EXPECT_NE(sway[1], 0.0f);
    EXPECT_NE(bend[9], 0.0f);
    EXPECT_EQ(v[0].position, (std::array<float, 3>{g_RosetteLeafLeft[0].x * sx, g_RosetteLeafLeft[0].y * sy,
                                                    g_RosetteLeafLeft[0].z * sz}));
}

TEST(RosettePlant, AllRosettesTurnOnOneSharedDirection)
{
    CRosettePlant a, b;
    for (CRosettePlant* p : {&a, &b}) {
        p->m_fSwingRateReset = 0.25f;
        p->m_swing.m_nSwingCounter = 2;  // the next call steps
    }
    a.m_swing.m_fSwing = 9.9f;
    b.m_swing.m_fSwing = 0.0f;
    g_bRosetteSwingUp = 1;
    VertexRecorder rec;
    a.Draw();  // passes 10: held there, then stepped back down, and the direction turns
    EXPECT_FLOAT_EQ(a.m_swing.m_fSwing, 9.75f);
    EXPECT_EQ(g_bRosetteSwingUp, 0);
    b.Draw();  // far from its limit, it still falls: the direction is the class's
    EXPECT_FLOAT_EQ(b.m_swing.m_fSwing, -0.25f);
    EXPECT_EQ(g_bRosetteSwingUp, 0);
    g_bRosetteSwingUp = 1;
}

TEST(RosettePlant, KindOneDrawsTheRosetteFromItsSetUpSizes)
{
    SceneryFixture f;
    f.RunSetUp(5);
    // The sizes are the set-up's; the depth is the smallest float above 0.04.
    EXPECT_EQ(f.scenery->m_RosettePlant.m_fSize[0], 1.6f);
    EXPECT_EQ(f.scenery->m_RosettePlant.m_fSize[2], std::nextafter(0.04f, 1.0f));
    VertexRecorder rec;
    f.DrawKind(1);
    EXPECT_EQ(rec.primitives.size(), kLeaves);
}

}  // namespace
