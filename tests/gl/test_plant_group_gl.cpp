// The plant group and the sea anemone with a real GL context: each layout
// binds its own picture and leaves the caller's matrix as it was, the
// stems stand on the tank floor, leaves sit on their rings' pivots, and
// every anemone stalk rises from the anemone's centre.
#include "gfx/settings.h"
#include "gl/eye_recorder.h"
#include "gl/gl_fixture.h"
#include "scenery/plant_group.h"
#include "scenery/plant_group_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/sea_anemone.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {

class PlantGroupGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        g_PlantGroupSway = {};
        g_AnemoneSway = {};
    }
    void TearDown() override
    {
        g_PlantGroupSway = {};
        g_AnemoneSway = {};
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
};

std::array<float, 16> Modelview()
{
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

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
        GLint depth = 0, after = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        group.Draw(c.layout, tex[0], tex[1], tex[2]);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), c.bound) << "layout " << c.layout;
        EXPECT_EQ(after, depth) << "layout " << c.layout;
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

TEST_F(PlantGroupGLTest, EveryAnemoneStalkRisesFromItsCentre)
{
    CSeaAnemone a;
    a.Init(55.5f, 52.4f, 58.05f, 0, 0, 0);
    // A phase at which the base ring's offset is 0: sin(2 x 0.7853981 + phase) = 0.
    g_AnemoneSway.m_fPhase = 6.283185f - 2 * 0.7853981f;
    EyeRecorder eye;
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    const auto before = Modelview();
    a.Draw();
    EXPECT_EQ(Modelview(), before);
    ASSERT_EQ(eye.points.size(), 540u * 16);
    for (size_t stalk = 0; stalk < 540; ++stalk) {
        const auto& base = eye.points[stalk * 16 + 8 + 1];  // second strip, base ring's first point
        EXPECT_NEAR(base[0], 1, 1e-3f) << stalk;
        EXPECT_NEAR(base[1], 2, 1e-3f) << stalk;
        EXPECT_NEAR(base[2], 3, 1e-3f) << stalk;
    }
}

}  // namespace
