// The leaf cluster without a GL context: its set-up, the four leaves its
// list holds, and its leaf's tables.
#include "platform/crt.h"
#include "scenery/leaf_cluster_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {

TEST(LeafClusterPlant, SetUpStoresItsRecordAndCompilesFourLeaves)
{
    auto scenery = std::make_unique<CTankScenery>();
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint tex[25] = {}, lists[kSceneListCount] = {};
    SceneryContext c{*scenery, bounds, tex, tex, lists};
    const CLeafClusterPlant& l = scenery->m_LeafClusterPlant;
    EXPECT_EQ(l.m_fSize[0], 50.0f);
    EXPECT_EQ(l.m_fAngles[2], 10.0f);
    VertexRecorder rec;
    for (const ScenerySetUp& step : ScenerySetUps())
        if (step.order == 13)
            step.run(c);
    const float record[6] = {20.5f, 10.4f, 20.05f, 0, 0, 0};
    EXPECT_TRUE(std::equal(record, record + 6, l.m_fPlacement));
    EXPECT_EQ(l.m_fSize[1], 10.4f);
    EXPECT_EQ(l.m_fAngles[0], 0.0f);
    EXPECT_EQ(scenery->m_fSpotLeafCluster[0], 22.0f);
    EXPECT_EQ(scenery->m_fSpotLeafCluster[2], -20.0f);
    // The leaf list: four leaves of 318 triangles each, at the stored size.
    ASSERT_EQ(rec.primitives.size(), 4u);
    for (const auto& leaf : rec.primitives) {
        EXPECT_EQ(leaf.mode, GLenum(GL_TRIANGLES));
        ASSERT_EQ(leaf.vertices.size(), 954u);
        const short* face = g_LeafClusterFaces[317];
        const float* p = g_LeafClusterPositions[face[2]];
        EXPECT_EQ(leaf.vertices.back().position, (std::array<float, 3>{p[0] * 20.5f, p[1] * 10.4f, p[2] * 20.05f}));
        const float* t = g_LeafClusterTexCoords[face[8]];
        EXPECT_EQ(leaf.vertices.back().texCoord1, (std::array<float, 2>{t[0], t[1]}));
    }
}

TEST(LeafClusterPlant, LeafTablesHoldEveryIndexAndTheirBand)
{
    for (const auto& f : g_LeafClusterFaces)
        for (int k = 0; k < 3; ++k) {
            EXPECT_GE(f[k], 0);
            EXPECT_LT(f[k], kLeafClusterPositions);
            EXPECT_GE(f[3 + k], 0);
            EXPECT_LT(f[3 + k], kLeafClusterNormals);
            EXPECT_GE(f[6 + k], 0);
            EXPECT_LT(f[6 + k], kLeafClusterTexCoords);
        }
    // At the size of 50 the leaf stands between z -23 and -18.
    float low = 1e9f, high = -1e9f;
    for (const auto& p : g_LeafClusterPositions) {
        low = std::min(low, p[2] * 50);
        high = std::max(high, p[2] * 50);
    }
    EXPECT_NEAR(low, -23.0f, 1.0f);
    EXPECT_NEAR(high, -18.0f, 1.0f);
    for (const auto& t : g_LeafClusterTexCoords) {
        EXPECT_GE(t[1], 1.72f);
        EXPECT_LE(t[1], 1.79f);
    }
    for (const auto& n : g_LeafClusterNormals)
        EXPECT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0f, 1e-4f);
}

}  // namespace
