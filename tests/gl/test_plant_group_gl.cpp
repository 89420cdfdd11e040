// The plant group with a real GL context: each layout binds its own picture
// and leaves the caller's matrix as it was, the stems stand on the tank
// floor and the leaves sit on their rings' pivots.
#include "gl/scenery_gl_fixture.h"
#include "scenery/plant_group.h"
#include "scenery/plant_group_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"
#include "settings/settings.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {

class PlantGroupGLTest : public SceneryGLTest {
protected:
    void SetUp() override
    {
        SceneryGLTest::SetUp();
        g_PlantGroupSway = {};
    }
    void TearDown() override
    {
        g_PlantGroupSway = {};
        SceneryGLTest::TearDown();
    }
};

TEST_F(PlantGroupGLTest, EachLayoutBindsItsPictureAndLeavesTheMatrix)
{
    auto scenery = std::make_unique<CTankScenery>();
    CPlantGroup& group = scenery->m_PlantGroup;
    group.Init();
    GLuint tex[3];
    glGenTextures(3, tex);
    struct Case {
        int layout;
        GLuint bound;
    };
    // Layout 0 takes the second picture, 1 the third, 2 the first; others none.
    for (const Case& c : {Case{0, tex[1]}, Case{1, tex[2]}, Case{2, tex[0]}, Case{5, 77u}}) {
        glBindTexture(GL_TEXTURE_2D, 77);
        glLoadIdentity();
        glTranslatef(3, 4, 5);
        const auto before = Modelview();
        const GLint depth = ModelviewDepth();
        group.Draw(c.layout, tex[0], tex[1], tex[2]);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), c.bound) << "layout " << c.layout;
        EXPECT_EQ(ModelviewDepth(), depth) << "layout " << c.layout;
        EXPECT_EQ(Modelview(), before) << "layout " << c.layout;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(3, tex);
    GLuint stale = 77;
    glDeleteTextures(1, &stale);
}

TEST_F(PlantGroupGLTest, MainStemsStandOnTheTankFloorAndLeavesSitOnTheirPivots)
{
    auto scenery = std::make_unique<CTankScenery>();
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint tex[25] = {}, lists[kSceneListCount] = {};
    SceneryContext c{*scenery, bounds, tex, tex, lists};
    scenery->m_PlantGroup.Init();
    auto kind = [](int k) { return *std::find_if(PlantKinds().begin(), PlantKinds().end(), [k](const PlantKind& row) { return row.kind == k; }); };
    struct Case {
        int kind;
        size_t stemFirst;  // the main stem's first vertex: after the leaves drawn before it
    };
    // Kind 7: plant 1's stem after its 30 leaves; kind 10: the flower's stem comes first.
    for (const Case& k : {Case{7, 30 * 80}, Case{10, 0}}) {
        EyeRecorder eye;
        glLoadIdentity();
        DrawPlantKind(c, kind(k.kind));
        ASSERT_GT(eye.points.size(), k.stemFirst + 600);
        float foot = 1e9f;
        for (size_t v = k.stemFirst; v < k.stemFirst + 600; ++v)
            foot = std::min(foot, eye.points[v][1]);
        EXPECT_NEAR(foot, bounds[3], 0.5f) << "kind " << k.kind;
    }
    // Kind 10's flower: every petal's root on the ring's pivot, the plant's
    // point (-5.8, -5.1, -85) scaled (1.2, 1.5, 1), the layout's (26, 0, -9.4)
    // and the ring's (-0.2, 9.9, 0.8).
    EyeRecorder eye;
    glLoadIdentity();
    DrawPlantKind(c, kind(10));
    const std::array<float, 3> pivot = {1.2f * (-5.8f + 26 - 0.2f), 1.5f * (-5.1f + 9.9f), -85 - 9.4f + 0.8f};
    for (int leaf = 0; leaf < 18; ++leaf) {
        const auto& root = eye.points.at(600 + 80 * leaf + 4);  // first strip, root row's middle point
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(root[i], pivot[i], 1e-3f) << "petal " << leaf << " axis " << i;
    }
}

}  // namespace
