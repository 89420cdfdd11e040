// The plant group without a GL context: its leaf records as Init fills
// them and as each layout steps them, the shared sway phases and layout 1's
// tilt, what each layout sends, and its mesh tables read within bounds.
#include "scenery/plant_group.h"
#include "scenery/plant_group_meshes.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// A value that walks between two ends and its direction, before and after one step.
struct TurnCase {
    const char* name;
    float value;
    BYTE falling;
    float valueAfter;
    BYTE fallingAfter;
};

class PlantGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_PlantGroupSway = {};
        group.Init();
    }
    void TearDown() override { g_PlantGroupSway = {}; }

    VertexRecorder rec;  // Init's bulb list goes here too
    CPlantGroup group;
};

TEST_F(PlantGroupTest, RecordsStartAsTabledWithSpeedsFromTheirLeads)
{
    struct Case {
        int record;
        float angle, start, end, speed;
        BYTE falling;
    };
    // Speeds as tabled: those of a lead, and those derived so that a record
    // covers its swing in as many steps as its lead.
    const Case cases[] = {
        {0, -10, -10, -80, 0.05f, 1},     {1, -5, -5, -30, 0.017857f, 1},  {3, 2.5f, 2.5f, -10, 0.008929f, 1},
        {4, -10, -10, -80, 0.1f, 1},      {5, -5, -5, -70, 0.092857f, 1},  {8, 0, 0, -20, 0.028571f, 1},
        {13, 0, 0, -30, 0.042857f, 1},    {15, 0, 0, -40, 0.053333f, 1},   {16, 1, 1, -80, 0.1f, 1},
        {17, -81, 1, -80, 0.1f, 0},       {21, 1, 1, -80, 0.1f, 1},
    };
    for (const Case& c : cases) {
        const LEAFRECORD& r = group.m_Leaf[c.record];
        SCOPED_TRACE(c.record);
        EXPECT_EQ(r.fAngle, c.angle);
        EXPECT_EQ(r.fStart, c.start);
        EXPECT_EQ(r.fEnd, c.end);
        EXPECT_NEAR(r.fSpeed, c.speed, 1e-6f);
        EXPECT_EQ(r.bFalling, c.falling);
        EXPECT_EQ(r.fSize[0], r.fNarrowest[0]);
    }
    EXPECT_EQ(group.m_Leaf[9].fWidest[1], 1.0f);
    EXPECT_EQ(group.m_Leaf[15].fNarrowest[1], 0.3f);
}

TEST_F(PlantGroupTest, LayoutsStepTheirRecordsAndWidenTheLeavesAsTheyOpen)
{
    group.Draw(2, 1, 2, 3);  // layout 2: full speed
    const LEAFRECORD& r0 = group.m_Leaf[0];
    EXPECT_FLOAT_EQ(r0.fAngle, -10.05f);
    EXPECT_FLOAT_EQ(r0.fSize[0], 0.5f + 0.05f / 70 * 0.5f);
    EXPECT_EQ(r0.fSize[1], 0.4f);  // y and z keep the narrowest
    group.Draw(0, 1, 2, 3);  // layout 0: half speed
    EXPECT_FLOAT_EQ(group.m_Leaf[4].fAngle, -10.05f);
    EXPECT_FLOAT_EQ(group.m_Leaf[14].fAngle, -5.05f);
    // Records no layout reads stay as they started.
    for (int i = 16; i < kPlantGroupLeafRecords; ++i)
        EXPECT_EQ(group.m_Leaf[i].fAngle, i == 17 || i == 18 || i == 20 ? -81.0f : 1.0f) << i;
}

TEST_F(PlantGroupTest, RecordsTurnOnceTheyPassAnEnd)
{
    // Record 0 (start -10, end -80, speed 0.05) in layout 2.
    const TurnCase cases[] = {
        {"below the end: turns up", -80.01f, 1, -79.96f, 0},
        {"at the end: still falls", -80.0f, 1, -80.05f, 1},
        {"above the start: turns down", -9.99f, 0, -10.04f, 1},
        {"rising inside: keeps rising", -30.0f, 0, -29.95f, 0},
    };
    for (const TurnCase& c : cases) {
        group.m_Leaf[0].fAngle = c.value;
        group.m_Leaf[0].bFalling = c.falling;
        group.Draw(2, 0, 0, 0);
        EXPECT_NEAR(group.m_Leaf[0].fAngle, c.valueAfter, 1e-4f) << c.name;
        EXPECT_EQ(group.m_Leaf[0].bFalling, c.fallingAfter) << c.name;
    }
}

TEST(PlantGroupBeforeInit, LeavesOfRecordsNotFilledYetStayFinite)
{
    // Records not filled yet have no swing (start = end): their leaves open by nothing.
    CPlantGroup group;
    VertexRecorder rec;
    group.Draw(2, 0, 0, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(group.m_Leaf[i].fSize[0], 0.0f) << i;
}

TEST_F(PlantGroupTest, GeneratorsShareTheirPhasesAndEveryLayoutMovesThem)
{
    float a[17], b[33], c[51];
    // Phase A moves on every twelfth call.
    for (int call = 1; call <= 24; ++call) {
        group.ComputeSway(a, 17);
        EXPECT_FLOAT_EQ(g_PlantGroupSway.m_fPhaseA, 0.15707962f * (call / 12)) << "call " << call;
    }
    EXPECT_EQ(a[0], 0.0f);
    EXPECT_EQ(a[1], 0.0f);
    EXPECT_FLOAT_EQ(a[5], static_cast<float>(std::sin(5 * 0.31415924f + g_PlantGroupSway.m_fPhaseA) * 0.005));
    g_PlantGroupSway.m_fPhaseB = 0.5f;
    group.ComputeSway2(b, 33);
    EXPECT_EQ(b[0], b[32]);  // the ends meet
    EXPECT_EQ(b[1], 0.0f);
    EXPECT_NE(b[32], 0.0f);
    c[7] = 1;
    group.ComputeSway3(c, 51);
    EXPECT_EQ(c[7], 0.0f);

    // Each draw runs the generators twice, whatever its layout; a layout
    // that does not exist, once.
    g_PlantGroupSway = {};
    for (int layout : {0, 1, 2})
        group.Draw(layout, 0, 0, 0);
    group.Draw(7, 0, 0, 0);
    EXPECT_EQ(g_PlantGroupSway.m_nCounterA, 7);
    EXPECT_EQ(g_PlantGroupSway.m_nCounterB, 7);
}

TEST_F(PlantGroupTest, LayoutOneTiltWalksBetweenMinusEightyAndNothing)
{
    const TurnCase cases[] = {
        {"falls by 0.025", -40.0f, 1, -40.025f, 1},
        {"passes -80: rises next", -79.99f, 1, -80.015f, 0},
        {"rises by 0.025", -40.0f, 0, -39.975f, 0},
        {"passes 0: falls next", -0.01f, 0, 0.015f, 1},
    };
    for (const TurnCase& c : cases) {
        group.m_fTilt = c.value;
        g_PlantGroupSway.m_bTiltFalling = c.falling;
        group.Draw(1, 0, 0, 0);
        EXPECT_NEAR(group.m_fTilt, c.valueAfter, 1e-5f) << c.name;
        EXPECT_EQ(g_PlantGroupSway.m_bTiltFalling, c.fallingAfter) << c.name;
    }
}

TEST_F(PlantGroupTest, EachLayoutSendsItsPiecesAndLeavesOffDrawsNoLeaf)
{
    constexpr size_t kLeaf = 8 * 10, kStemRow = 12, kRoundLeaf = 2 * 33 + 2 * 9, kPetal = 2 * 8;
    struct Case {
        int layout;
        size_t leaves, stemRows, roundLeaves, petals;
    };
    const Case cases[] = {
        // Rings of 5 x 6 leaves on plants 1 and 2, 6 + 9 on plant 3; five
        // whole stems; one round leaf; 36 petal stalks.
        {0, 75, 5 * 50, 1, 36},
        // Two crowns of four tiers of twelve; stems of rows 0-50, 15-40,
        // twice 10-50 and 0-40; two round leaves.
        {1, 96, 50 + 25 + 2 * 40 + 40, 2, 0},
        // The flower's 3 + 4 + 5 + 6 petals; stems of rows 0-50, 20-50 and
        // twice 0-50; two round leaves.
        {2, 18, 50 + 30 + 2 * 50, 2, 0},
        {3, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const size_t rest = c.stemRows * kStemRow + c.roundLeaves * kRoundLeaf + c.petals * kPetal;
        group.m_bLeavesOn = 1;
        rec.primitives.clear();
        group.Draw(c.layout, 0, 0, 0);
        EXPECT_EQ(rec.VertexCount(), c.leaves * kLeaf + rest) << "layout " << c.layout;
        group.m_bLeavesOn = 0;
        rec.primitives.clear();
        group.Draw(c.layout, 0, 0, 0);
        EXPECT_EQ(rec.VertexCount(), rest) << "layout " << c.layout << " without leaves";
    }
}

TEST_F(PlantGroupTest, StemRingsRiseByTheirWavesAndStayWithinTheTable)
{
    float zero[51] = {}, wave[51];
    for (int r = 0; r < 51; ++r)
        wave[r] = 0.01f * r;
    group.SetScale(30, 20, 10);
    rec.primitives.clear();
    group.DrawMesh1(nullptr, nullptr, zero, wave, 48, 50);
    ASSERT_EQ(rec.primitives.size(), 2u);
    const PlantGroupPoint& q = g_PlantGroupStem[49][3];
    const auto& got = rec.primitives[1].vertices[2 * 3].position;  // ring 49, point 3
    EXPECT_FLOAT_EQ(got[0], q.x * 30);
    EXPECT_FLOAT_EQ(got[1], (q.y + 0.49f) * 20);
    EXPECT_FLOAT_EQ(got[2], q.z * 10);
    // Rows outside the stem's 51 rings are held to them.
    struct Rows {
        int first, last;
        size_t strips;
    };
    for (const Rows& r : {Rows{-5, 99, 50}, Rows{40, 20, 0}, Rows{50, 50, 0}, Rows{60, 70, 0}}) {
        rec.primitives.clear();
        group.DrawMesh1(nullptr, nullptr, zero, zero, r.first, r.last);
        EXPECT_EQ(rec.primitives.size(), r.strips) << r.first << " to " << r.last;
    }
}

TEST_F(PlantGroupTest, RoundLeafRimMovesWithTheSwayItsStalkDoesNot)
{
    float sway[33];
    for (int r = 0; r < 33; ++r)
        sway[r] = 0.001f * r;
    group.SetRotation(40, 1, 0, 0);  // reset by the round leaf
    group.SetScale(10, 15, 1);
    rec.primitives.clear();
    group.DrawBentMesh(nullptr, sway);
    ASSERT_EQ(rec.primitives.size(), 2u);
    for (int r : {0, 16, 32}) {
        const PlantGroupPoint& rim = g_PlantGroupBentLeaf[1][r];
        const auto& got = rec.primitives[0].vertices[2 * r + 1].position;
        EXPECT_FLOAT_EQ(got[0], rim.x * 10 + sway[r] * 10) << r;
        EXPECT_FLOAT_EQ(got[1], rim.y * 15 + sway[r] * 15) << r;
        EXPECT_FLOAT_EQ(got[2], rim.z * 1 + sway[r] * 1) << r;
    }
    const PlantGroupPoint& stalk = g_PlantGroupBentStalk[0][8];
    EXPECT_FLOAT_EQ(rec.primitives[1].vertices[2 * 8].position[2], stalk.z);
}

TEST_F(PlantGroupTest, BulbListHoldsItsTrianglesAtHalfTheMeshScale)
{
    // Init compiled the bulb through the recorder.
    ASSERT_FALSE(rec.primitives.empty());
    const auto& bulb = rec.primitives.front();
    EXPECT_EQ(bulb.mode, GLenum(GL_TRIANGLES));
    ASSERT_EQ(bulb.vertices.size(), 3u * kPlantGroupBulbFaces);
    float high[3] = {};
    for (const auto& v : bulb.vertices)
        for (int i = 0; i < 3; ++i)
            high[i] = std::max(high[i], std::abs(v.position[i]));
    EXPECT_NEAR(high[0], 1.74f, 1e-3f);
    EXPECT_NEAR(high[1], 1.71f, 1e-3f);
    EXPECT_NEAR(high[2], 2.5f, 1e-3f);
    for (const auto& v : bulb.vertices) {
        EXPECT_GE(v.texCoord[0], 0.006f - 1e-5f);
        EXPECT_LE(v.texCoord[0], 0.658f + 1e-5f);
        EXPECT_GE(v.texCoord[1], 1.014f - 1e-5f);
        EXPECT_LE(v.texCoord[1], 1.994f + 1e-5f);
    }
}

TEST_F(PlantGroupTest, AnEntryOutsideItsTableReadsTheFirst)
{
    rec.primitives.clear();
    rec.Begin(GL_POINTS);
    group.EmitVertex(1, 2, 3, g_nPlantGroupNormals, -1);
    group.EmitVertex(1, 2, 3, 0, 0);
    const auto& v = rec.primitives.back().vertices;
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].normal, v[1].normal);
    EXPECT_EQ(v[0].texCoord, v[1].texCoord);
    EXPECT_EQ(v[0].position, (std::array<float, 3>{1, 2, 3}));
}

// ---- the tables -----------------------------------------------------------------

template <int Lines, int Points>
void ExpectEntriesInTables(const PlantGroupPoint (&table)[Lines][Points], const char* name)
{
    for (const auto& line : table)
        for (const PlantGroupPoint& q : line) {
            EXPECT_GE(q.normal, 0) << name;
            EXPECT_LT(q.normal, g_nPlantGroupNormals) << name;
            EXPECT_GE(q.texture, 0) << name;
            EXPECT_LT(q.texture, g_nPlantGroupTexCoords) << name;
        }
}

TEST(PlantGroupTables, PointsReadEntriesInsideTheSharedTables)
{
    ExpectEntriesInTables(g_PlantGroupStem, "stem");
    ExpectEntriesInTables(g_PlantGroupLeaf, "leaf");
    ExpectEntriesInTables(g_PlantGroupBentLeaf, "round leaf");
    ExpectEntriesInTables(g_PlantGroupBentStalk, "round leaf's stalk");
    ExpectEntriesInTables(g_PlantGroupPetal, "petal");
    for (int i = 0; i < g_nPlantGroupNormals; ++i) {
        const float* n = g_PlantGroupNormals[i];
        EXPECT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0f, 1e-5f) << "normal " << i;
    }
    for (const auto& f : g_PlantGroupBulbFaces)
        for (int k = 0; k < 3; ++k) {
            EXPECT_LT(f[k], g_nPlantGroupBulbPositions);
            EXPECT_LT(f[3 + k], g_nPlantGroupBulbNormals);
            EXPECT_LT(f[6 + k], g_nPlantGroupBulbTexCoords);
        }
}

TEST(PlantGroupTables, StemAndLeafShapes)
{
    for (int ring = 0; ring < 51; ++ring) {
        const PlantGroupPoint* r = g_PlantGroupStem[ring];
        EXPECT_EQ(r[5].x, r[0].x) << "the stem closes on ring " << ring;
        for (int p = 0; p < 6; ++p)
            EXPECT_LE(std::hypot(r[p].x, r[p].y), 0.031f + 1e-5f) << ring;
    }
    EXPECT_NEAR(g_PlantGroupStem[0][0].z, -0.49f, 1e-5f);
    EXPECT_NEAR(g_PlantGroupStem[50][0].z, 0.5f, 1e-5f);
    // The root row's middle point is the leaf's pivot; the leaf lies where its placement expects it.
    const PlantGroupPoint& root = g_PlantGroupLeaf[0][2];
    EXPECT_FLOAT_EQ(root.x, 0.068951f);
    EXPECT_FLOAT_EQ(root.y, -0.114618f);
    EXPECT_FLOAT_EQ(root.z, 0.494455f);
    for (const auto& row : g_PlantGroupLeaf)
        for (const PlantGroupPoint& q : row) {
            EXPECT_GE(q.x, -0.215f);
            EXPECT_LE(q.x, 0.1f);
            EXPECT_LE(std::abs(q.y), 0.16f);
            EXPECT_GE(q.z, 0.42f);
            EXPECT_LE(q.z, 0.51f);
            const float* t = g_PlantGroupTexCoords[q.texture];
            EXPECT_GE(t[0], 0.017f - 1e-5f);
            EXPECT_LE(t[0], 0.399f + 1e-5f);
            EXPECT_GE(t[1], 1.006f - 1e-5f);
            EXPECT_LE(t[1], 1.707f + 1e-5f);
        }
}

}  // namespace
