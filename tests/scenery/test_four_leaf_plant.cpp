// The four-leaf plant without a GL context: its constructor values, its leaf
// table, its still leaves and the display list of plants 1 to 9.
#include "scenery/four_leaf_plant.h"
#include "scenery/four_leaf_plant_meshes.h"
#include "plant_checks.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>


namespace {

using namespace plant_checks;

constexpr size_t kStripVertices = 28;  // 14 rows of 2

TEST(FourLeafPlant, ConstructorDrawsItsValuesInOrder)
{
    const std::vector<int> r = Draws(17, 8);
    const CFourLeafPlant p;
    EXPECT_EQ(p.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(p.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 4));
    EXPECT_EQ(p.m_swing.m_fSwingRate, static_cast<float>((r[2] % 5 + 1) * 0.1 * 0.2));
    EXPECT_EQ(p.m_swing.m_fSwing, static_cast<float>(r[3] % 10));
    EXPECT_FLOAT_EQ(p.m_sway.m_fPhaseSpeed, kPlantPi / static_cast<float>(r[4] % 5 + 5) * 0.2f);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.m_fSize[i], static_cast<float>((r[5 + i] % 10 * 0.1 + 0.05) * 2)) << i;
    EXPECT_EQ(p.m_fScale[0], 5.0f);
    EXPECT_EQ(p.m_fScale[1], 15.0f);
    EXPECT_EQ(p.m_fScale[2], 25.0f);
}

TEST(FourLeafPlant, LeafTableKeepsItsRootOutlineAndTexture)
{
    const Points leaf = All(g_FourLeafLeft, g_FourLeafRight);
    EXPECT_EQ(g_FourLeafLeft[0].x, -0.283128f);
    EXPECT_EQ(g_FourLeafLeft[0].y, 0.263121f);
    EXPECT_EQ(g_FourLeafLeft[0].z, 0.193716f);
    ExpectTellingPoints({{g_FourLeafLeft, 7, 0.1615f, 0.1714f, -0.3342f},
                         {g_FourLeafLeft, 13, 0.3052f, -0.2085f, -0.4745f},
                         {g_FourLeafRight, 0, -0.3033f, 0.2486f, 0.193f},
                         {g_FourLeafRight, 7, -0.1054f, -0.2292f, -0.4089f},
                         {g_FourLeafRight, 13, 0.292f, -0.2489f, -0.4879f}},
                        5e-5f);
    ExpectBounds(leaf, {-0.30f, -0.29f, -0.50f}, {0.31f, 0.26f, 0.19f}, 0.01f, "four-leaf leaf");
    ExpectTexture(leaf, 0.29f, 0.81f, 1.21f, 1.99f, "four-leaf leaf");
    ExpectUnitNormals(leaf, "four-leaf leaf");
}

TEST(FourLeafPlant, LeavesAreStillAtTheConstructorsScaleDrawAfterDraw)
{
    CFourLeafPlant p;
    VertexRecorder rec;
    p.Draw();
    const auto first = rec.primitives;
    rec.primitives.clear();
    p.Draw();
    ASSERT_EQ(first.size(), 4u);
    ASSERT_EQ(rec.primitives.size(), 4u);
    for (size_t leaf = 0; leaf < 4; ++leaf) {
        const auto& v = rec.primitives[leaf].vertices;
        ASSERT_EQ(v.size(), kStripVertices);
        for (int r = 0; r < 14; ++r) {
            const PlantVertex& L = g_FourLeafLeft[r];
            const PlantVertex& R = g_FourLeafRight[r];
            EXPECT_EQ(v[2 * r].position, (std::array<float, 3>{L.x * 5, L.y * 15, L.z * 25})) << r;
            EXPECT_EQ(v[2 * r + 1].position, (std::array<float, 3>{R.x * 5, R.y * 15, R.z * 25})) << r;
            // Drawn into the scene's lists: unit 1 carries the coordinates too.
            EXPECT_EQ(v[2 * r].texCoord1, v[2 * r].texCoord);
            EXPECT_EQ(v[2 * r].position, first[leaf].vertices[2 * r].position);
        }
    }
}

TEST(FourLeafPlant, SetUpTakesTheTablesAndItsListHoldsPlantsOneToNine)
{
    SceneryFixture f;
    VertexRecorder rec;
    f.RunSetUp(1);
    const CTankScenery& s = *f.scenery;
    // The first plant keeps some depth; the others are flat.
    EXPECT_EQ(s.m_FourLeafPlants[0].m_fSize[2], 0.05f);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(s.m_FourLeafPlants[i].m_fSize[0], 0.6f) << i;
        EXPECT_EQ(s.m_FourLeafPlants[i].m_fSize[2], 0.0f) << i;
    }
    EXPECT_FLOAT_EQ(s.m_FourLeafPlants[8].m_fSize[1], 0.36f);
    EXPECT_FLOAT_EQ(s.m_fSpotsFourLeaf[3][0], 70.0f);
    EXPECT_FLOAT_EQ(s.m_fSpotsFourLeaf[9][1], -0.912364f);
    EXPECT_EQ(rec.VertexCount(), 0u);
    CompileSceneryList(f.context, 1);
    EXPECT_EQ(rec.primitives.size(), 9u * 4);
    EXPECT_EQ(rec.VertexCount(), 9u * 4 * kStripVertices);
}

}  // namespace
