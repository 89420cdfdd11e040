// Sway plant C without a GL context: its leaf strips and what a draw changes.
#include "platform/crt.h"
#include "scenery/sway_plant_c.h"
#include "scenery/sway_plant_meshes.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SwayPlantC, ConstructorDrawsItsValuesInOrder)
{
    crt::srand(9);
    std::vector<int> r;
    for (int i = 0; i < 8; ++i)
        r.push_back(crt::rand());
    crt::srand(9);
    const CSwayPlantC c;
    EXPECT_EQ(c.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(c.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 2));
    EXPECT_EQ(c.m_swing.m_fSwingRate, static_cast<float>((r[2] % 5 + 1) * 0.05));
    EXPECT_EQ(c.m_swing.m_fSwing, static_cast<float>(r[3] % 10));
    EXPECT_EQ(c.m_sway.m_fPhaseSpeed, kPlantPi / static_cast<float>(r[4] % 5 + 5));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(c.m_fSize[i], static_cast<float>((r[5 + i] % 10 * 0.1 + 0.05) * 2)) << i;
}

TEST(SwayPlantC, EachVeinPointServesThreeEdgeRows)
{
    CSwayPlantC c;
    c.SetScale(2, 3, 4);
    VertexRecorder rec;
    c.DrawMesh();
    ASSERT_EQ(rec.primitives.size(), 2u);
    for (int h = 0; h < 2; ++h) {
        const auto& v = rec.primitives[h].vertices;
        ASSERT_EQ(v.size(), 24u);
        for (int r = 0; r < 12; ++r) {
            const PlantVertex& e = g_SwayLeafCEdge[h][r];
            const PlantVertex& n = g_SwayLeafCVein[h][r / 3];
            EXPECT_EQ(v[2 * r].position, (std::array<float, 3>{e.x * 2, e.y * 3, e.z * 4})) << h << " " << r;
            EXPECT_EQ(v[2 * r + 1].position, (std::array<float, 3>{n.x * 2, n.y * 3, n.z * 4})) << h << " " << r;
            // The halves share normals and texture coordinates.
            EXPECT_EQ(v[2 * r].normal, rec.primitives[0].vertices[2 * r].normal);
            EXPECT_EQ(v[2 * r + 1].texCoord, rec.primitives[0].vertices[2 * r + 1].texCoord);
        }
    }
}

TEST(SwayPlantC, DrawSendsFourLeavesAndMovesNothing)
{
    CSwayPlantC c;
    const float phase = c.m_fSwayPhase;
    VertexRecorder rec;
    c.Draw();
    EXPECT_EQ(rec.primitives.size(), 8u);
    EXPECT_EQ(rec.VertexCount(), 8u * 24);
    // The leaves grow in length; the last sets the scale the next Draw starts from.
    EXPECT_EQ(rec.primitives[0].vertices[0].position[2], g_SwayLeafCEdge[0][0].z * 5);
    EXPECT_EQ(rec.primitives[6].vertices[0].position[2], g_SwayLeafCEdge[0][0].z * 20);
    EXPECT_EQ(c.m_fScale[2], 20.0f);
    EXPECT_EQ(c.m_fSwayPhase, phase);
}

}  // namespace
