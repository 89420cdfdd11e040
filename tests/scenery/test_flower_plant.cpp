// The flower plant without a GL context: its constructor values, its stalk
// and head tables, and how its stalks bend and its heads sway.
#include "scenery/flower_plant.h"
#include "scenery/flower_plant_meshes.h"
#include "plant_checks.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace plant_checks;

constexpr size_t kStalks = 11 * 3;
constexpr size_t kStripsPerStalk = 3 + 1;  // the stalk's sides, the head

TEST(FlowerPlant, ConstructorDrawsItsValuesInOrder)
{
    const std::vector<int> r = Draws(61, 8);
    const CFlowerPlant p;
    EXPECT_EQ(p.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(p.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 4));
    EXPECT_EQ(p.m_swing.m_fSwingRate, static_cast<float>((r[2] % 5 + 1) * 0.05));
    EXPECT_EQ(p.m_swing.m_fSwing, static_cast<float>(r[3] % 10));
    EXPECT_EQ(p.m_sway.m_fPhaseSpeed, kPlantPi / static_cast<float>(r[4] % 5 + 16));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.m_fSize[i], static_cast<float>((r[5 + i] % 10 * 0.1 + 0.05) * 2)) << i;
}

TEST(FlowerPlant, StalkTableIsAClosedStalkOnItsPivot)
{
    const Points stalk = All(g_FlowerStalk);
    EXPECT_EQ(g_FlowerStalk[0][0].x, 0.00855551f);
    EXPECT_EQ(g_FlowerStalk[0][0].y, -0.466179f);
    EXPECT_EQ(g_FlowerStalk[0][0].z, -0.260047f);
    ExpectTellingPoints({{g_FlowerStalk[0], 3, 0.009f, -0.466f, 0.025f}, {g_FlowerStalk[0], 7, 0.007f, -0.378f, 0.368f}},
                        5e-5f);
    for (int r = 0; r < 8; ++r)
        ExpectAt(g_FlowerStalk[3][r], g_FlowerStalk[0][r], 0.0f,
                 "the last column closes the stalk");
    ExpectBounds(stalk, {-0.031f, -0.5f, -0.26f}, {0.01f, -0.364f, 0.372f}, 0.006f, "stalk");
    ExpectTexture(stalk, 0.436f, 0.758f, 1.209f, 1.399f, "stalk");
    ExpectUnitNormals(stalk, "stalk");
}

TEST(FlowerPlant, HeadTableClosesToItsTipAndPaintsClearOfTheStalk)
{
    const Points head = All(g_FlowerHeadLeft, g_FlowerHeadRight);
    ExpectTellingPoints({{g_FlowerHeadLeft, 0, 0.0083f, -0.4613f, 0.1941f},
                         {g_FlowerHeadLeft, 4, 0.3313f, -0.0989f, -0.0558f},
                         {g_FlowerHeadRight, 4, -0.3313f, -0.0493f, -0.1096f},
                         {g_FlowerHeadLeft, 12, -0.0092f, 0.5f, -0.4516f},
                         {g_FlowerHeadRight, 12, -0.0092f, 0.5f, -0.4516f}},
                        5e-5f);
    ExpectBounds(head, {-0.33f, -0.46f, -0.45f}, {0.33f, 0.5f, 0.2f}, 0.005f, "head");
    ExpectTexture(head, 0.64f, 0.99f, 1.06f, 1.62f, "head");
    ExpectUnitNormals(head, "head");
    // Both live in one picture: no quad of the head may reach into the
    // stalk's part (with a margin of a few pixels), or one paints over the other.
    const float margin = 3.0f / 256;
    for (int r = 0; r + 1 < 13; ++r) {
        const PlantVertex* q[4] = {&g_FlowerHeadLeft[r], &g_FlowerHeadRight[r], &g_FlowerHeadLeft[r + 1],
                                   &g_FlowerHeadRight[r + 1]};
        float sLow = 9, tLow = 9, tHigh = -9;
        for (const PlantVertex* p : q) {
            sLow = std::min(sLow, p->s);
            tLow = std::min(tLow, p->t);
            tHigh = std::max(tHigh, p->t);
        }
        const bool besideStalk = tHigh > 1.209f - margin && tLow < 1.399f + margin;
        if (besideStalk) {
            EXPECT_GT(sLow, 0.758f + margin) << "rows " << r << " and " << r + 1;
        }
    }
}

TEST(FlowerPlant, StalksBendAndSwayByRowAndHeadsOnlySway)
{
    crt::srand(13);
    CFlowerPlant p;
    crt::srand(13);
    CFlowerPlant twin;
    p.m_swing.m_fSwing = twin.m_swing.m_fSwing = -6.0f;
    p.m_fSwayPhase = twin.m_fSwayPhase = 0.5f;
    float sway[13] = {}, bend[13] = {};
    twin.ComputeSway(sway, 13);
    twin.ComputeBend(bend, 13, 10);
    VertexRecorder rec;
    p.Draw();
    ASSERT_EQ(rec.primitives.size(), kStalks * kStripsPerStalk);
    // The first stem's lowest stalk (leaf scale 10, 10, 25): its first side, then its head (5, 10, 10).
    const auto& side = rec.primitives[0].vertices;
    for (int r = 0; r < 8; ++r)
        for (int k = 0; k < 2; ++k) {
            const PlantVertex& q = g_FlowerStalk[k][r];
            const std::array<float, 3> swayed = {q.x * 10, q.y * 10 + sway[r] * 10, q.z * 25};
            ExpectNear(side[2 * r + k].position, Turned(swayed, bend[r], {1, 1, 1}), 1e-4f,
                       "stalk row " + std::to_string(r));
        }
    const auto& head = rec.primitives[3].vertices;
    ASSERT_EQ(head.size(), 26u);
    for (int r = 0; r < 13; ++r)
        for (int k = 0; k < 2; ++k) {
            const PlantVertex& q = (k == 0 ? g_FlowerHeadLeft : g_FlowerHeadRight)[r];
            EXPECT_EQ(head[2 * r + k].position,
                      (std::array<float, 3>{q.x * 5, q.y * 10 + sway[r] * 10, q.z * 10 + sway[r] * 10}))
                << "head row " << r;
        }
    EXPECT_NE(bend[7], 0.0f);
    EXPECT_NE(sway[3], 0.0f);
}

TEST(FlowerPlant, AllFlowersTurnOnOneSharedDirection)
{
    CFlowerPlant a, b;
    for (CFlowerPlant* p : {&a, &b}) {
        p->m_swing.m_fSwingRate = 0.5f;
        p->m_swing.m_nSwingCounter = 2;
    }
    a.m_swing.m_fSwing = -9.8f;
    b.m_swing.m_fSwing = 3.0f;
    g_bFlowerSwingUp = 0;
    float bend[13];
    a.ComputeBend(bend, 13, 10);  // below -10: held there, and the direction turns up
    EXPECT_FLOAT_EQ(a.m_swing.m_fSwing, -10.0f);
    EXPECT_EQ(g_bFlowerSwingUp, 1);
    b.ComputeBend(bend, 13, 10);
    EXPECT_FLOAT_EQ(b.m_swing.m_fSwing, 3.5f);
    // Factor 2: row i bends by i x (swing / 13) x 2.
    EXPECT_FLOAT_EQ(bend[12], 12 * (3.5f / 13) * 2);
    g_bFlowerSwingUp = 1;
}

}  // namespace
