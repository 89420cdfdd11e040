// The sea anemone and the colour-ramp decoration without a GL context: the
// stalk lengths the anemone draws, its shared sway, what a draw sends, the
// set-up of both through the one Init, and the stalk table.
#include "objects/rand_tape.h"
#include "scenery/plant_kinds.h"
#include "scenery/sea_anemone.h"
#include "scenery/sea_anemone_meshes.h"
#include "scenery/tank_scenery.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

class SeaAnemoneTest : public ::testing::Test {
protected:
    void SetUp() override { g_AnemoneSway = {}; }
    void TearDown() override { g_AnemoneSway = {}; }
};

TEST_F(SeaAnemoneTest, ConstructorDrawsAStalkLengthForEachOfThe360)
{
    const std::vector<int> r = RandFrom(12, kAnemoneStalkLengths);
    const CSeaAnemone a;
    for (int i : {0, 1, 180, 359})
        EXPECT_EQ(a.m_fStalkLength[i], static_cast<float>(r[i] % 100 * 0.001)) << i;
    EXPECT_EQ(a.m_fParam[0], 10.0f);
}

TEST_F(SeaAnemoneTest, PhaseStepsOnEveryFourthCallAndRestartsAfterThirteenSteps)
{
    CSeaAnemone a;
    float out[4];
    for (int call = 1; call <= 12 * 4; ++call) {
        a.ComputeSway(out, 0);  // n is not used: four values all the same
        EXPECT_FLOAT_EQ(g_AnemoneSway.m_fPhase, 0.5235987f * (call / 4)) << "call " << call;
    }
    // Twelve steps leave 6.2831844, not above 6.283185: only the thirteenth restarts.
    EXPECT_LE(g_AnemoneSway.m_fPhase, 6.283185f);
    for (int call = 1; call <= 4; ++call)
        a.ComputeSway(out, 4);
    EXPECT_EQ(g_AnemoneSway.m_fPhase, 0.0f);
}

TEST_F(SeaAnemoneTest, OffsetsFallFromTheTipToNothing)
{
    CSeaAnemone a;
    g_AnemoneSway.m_fPhase = 1.0f;
    float out[4] = {9, 9, 9, 9};
    a.ComputeSway(out, 1);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(out[k], std::sin(k * 0.7853981 + 1.0) * (3 - k) * 0.01 * 10, 1e-6) << "ring " << k;
    EXPECT_EQ(out[3], 0.0f);
}

TEST_F(SeaAnemoneTest, DrawSendsThreeFansAndEveryAnemoneMovesTheOnePhase)
{
    CSeaAnemone a, b;
    VertexRecorder rec;
    a.Draw();
    EXPECT_EQ(rec.primitives.size(), 3u * 180 * 2);
    EXPECT_EQ(rec.VertexCount(), 3u * 180 * 2 * 8);
    for (int i = 0; i < 3; ++i)
        b.Draw();
    EXPECT_FLOAT_EQ(g_AnemoneSway.m_fPhase, 0.5235987f);  // the fourth draw of either
}

TEST_F(SeaAnemoneTest, StalkRingsMoveByTheirOffsetsAlongYAndZ)
{
    CSeaAnemone a;
    a.Init(2.0f, 3.0f, 4.0f, 0, 0, 0);
    const float offsets[4] = {0.3f, 0.2f, 0.1f, 0.0f}, bends[4] = {};
    VertexRecorder rec;
    a.DrawStalk(offsets, bends, 0);
    ASSERT_EQ(rec.primitives.size(), 2u);
    const float scale[3] = {20, 30, 40};  // the mesh scale times the size
    for (int strip = 0; strip < 2; ++strip)
        for (int p = 0; p < 4; ++p)
            for (int side = 0; side < 2; ++side) {
                const int ring = strip + side;
                const PlantVertex& q = g_AnemoneStalk[ring][p];
                const auto& got = rec.primitives[strip].vertices[2 * p + side].position;
                EXPECT_NEAR(got[0], q.x * scale[0], 1e-5f);
                EXPECT_NEAR(got[1], q.y * scale[1] + offsets[ring], 1e-5f) << "ring " << ring;
                EXPECT_NEAR(got[2], q.z * scale[2] + offsets[ring], 1e-5f) << "ring " << ring;
            }
}

TEST(SeaAnemoneSetUp, PlacementRecordsAndTheOneInitOfTheAnemoneAndTheDecoration)
{
    VertexRecorder recorder;
    auto s = std::make_unique<CTankScenery>();
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint tex[25] = {}, lists[kSceneListCount] = {};
    SceneryContext c{*s, bounds, tex, tex, lists};
    const std::vector<int> r = RandFrom(44, 13);
    for (const ScenerySetUp& step : ScenerySetUps())
        if (step.order == 12 || step.order == 14)
            step.run(c);  // the decoration's five draws, then the anemone's eight
    const CColorRampDecoration& d = s->m_ColorRampDecoration;
    const float ramp[6] = {10.5f, 10.4f, 10.05f, static_cast<float>(r[0] % 45), static_cast<float>(r[1] % 45),
                           static_cast<float>(r[2] % 45)};
    const float anemone[6] = {static_cast<float>(50.5 + r[5] % 10), static_cast<float>(50.4 + r[6] % 5),
                              static_cast<float>(50.05 + r[7] % 10), static_cast<float>(r[8] % 45),
                              static_cast<float>(r[9] % 45), static_cast<float>(r[10] % 45)};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(d.m_fPlacement[i], ramp[i]) << i;
        EXPECT_EQ(d.m_fParam[i], ramp[i]) << i;
        EXPECT_EQ(s->m_SeaAnemone.m_fPlacement[i], anemone[i]) << i;
        EXPECT_EQ(s->m_SeaAnemone.m_fParam[i], anemone[i]) << i;
    }
    EXPECT_EQ(d.m_nList, 0u);
    EXPECT_EQ(s->m_SeaAnemone.m_nList, 0u);
    EXPECT_EQ(s->m_fSpotRamp[2], -32.0f);
    EXPECT_EQ(s->m_fSpotAnemone[0], -60.0f);
}

TEST(SeaAnemoneStalk, BasePointTipRingAndTexture)
{
    const auto& m = g_AnemoneStalk;
    // The base point the draw moves to the origin.
    EXPECT_EQ(m[2][0].x, -0.0484923f);
    EXPECT_EQ(m[2][0].y, -0.0177504f);
    EXPECT_EQ(m[2][0].z, 0.352539f);
    float tipLow = 1, tipHigh = 0;
    for (int ring = 0; ring < 3; ++ring) {
        EXPECT_EQ(m[ring][3].x, m[ring][0].x) << "the tube closes on ring " << ring;
        for (int p = 0; p < 4; ++p) {
            const PlantVertex& q = m[ring][p];
            EXPECT_GE(q.s, 0.318f - 1e-6f);
            EXPECT_LE(q.s, 0.411f + 1e-6f);
            EXPECT_GE(q.t, 1.717f - 1e-6f);
            EXPECT_LE(q.t, 1.935f + 1e-6f);
            EXPECT_NEAR(std::hypot(q.nx, q.ny, q.nz), 1.0f, 1e-5f);
            if (ring == 0) {
                tipLow = std::min(tipLow, q.z);
                tipHigh = std::max(tipHigh, q.z);
            }
            if (ring == 2) {
                EXPECT_NEAR(q.z, 0.3525f, 1e-3f) << "the base ring lies at one height";
            }
        }
    }
    EXPECT_NEAR(tipLow, 0.443f, 1e-3f);
    EXPECT_NEAR(tipHigh, 0.5f, 1e-3f);
}

}  // namespace
