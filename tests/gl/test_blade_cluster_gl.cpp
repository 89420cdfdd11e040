// The blade cluster with a real GL context: the display list its set-up
// compiles, a cluster whose sizes were never set, and which way its blades
// stand once kind 2 has turned it over.
#include "gl/plant_gl.h"
#include "scenery/blade_cluster.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <memory>

namespace {

using namespace plant_gl;
using BladeClusterGLTest = PlantsGLTest;

TEST_F(BladeClusterGLTest, BuildListKeepsOneDrawAndTheListReplaysIt)
{
    CBladeCluster p;
    p.m_fSize[0] = p.m_fSize[1] = p.m_fSize[2] = 1;
    GLint depth = 0, after = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(p.BuildList(), TRUE);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
    EXPECT_EQ(after, depth);
    ASSERT_TRUE(glIsList(p.m_nList));
    const float phase = p.m_fSwayPhase;
    const auto replay = Feedback([&] { glCallList(p.m_nList); });
    const auto again = Feedback([&] { glCallList(p.m_nList); });
    EXPECT_FALSE(replay.empty());
    EXPECT_EQ(replay, again) << "the list replays one frozen pose";
    EXPECT_EQ(p.m_fSwayPhase, phase) << "calling the list runs no code";
    glDeleteLists(p.m_nList, 1);
}

TEST_F(BladeClusterGLTest, ClusterWithoutSizesCollapsesToItsRoot)
{
    CBladeCluster p;  // the set-up has not set its sizes
    const auto points = Feedback([&] { p.Draw(); });
    ASSERT_FALSE(points.empty());
    for (const auto& q : points)
        for (float c : q)
            EXPECT_NEAR(c, 0.0f, 1e-4f);
}

TEST_F(BladeClusterGLTest, KindTwoTurnsTheBladesUpFromTheirRoot)
{
    auto scenery = std::make_unique<CTankScenery>();
    CBladeCluster& p = scenery->m_BladeCluster;
    SetVector(p.m_fSize, 1.2f, 1.8000001f, 0.030000001f);
    SetVector(scenery->m_fSpotBlade, 0, 0, 0);
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint tex[25] = {}, lists[kSceneListCount] = {};
    SceneryContext c{*scenery, bounds, tex, tex, lists};
    const PlantKind* kind = nullptr;
    for (const PlantKind& k : PlantKinds())
        if (k.kind == 2)
            kind = &k;
    ASSERT_NE(kind, nullptr);
    const auto points = Feedback([&] {
        glTranslatef(0, 40, 0);  // keep the tank's bottom inside the view
        DrawPlantKind(c, *kind);
    });
    ASSERT_FALSE(points.empty());
    // The root stands at the spot (20, -22 - 3, -50 + 17), the leaves rise above it.
    const float rootY = 40 - 22 - 3;
    float low = 1e9f, high = -1e9f;
    for (const auto& q : points) {
        low = std::min(low, q[1]);
        high = std::max(high, q[1]);
    }
    EXPECT_GT(low, rootY - 2.0f);
    EXPECT_GT(high, rootY + 20.0f);
}

}  // namespace
