// Plant models A and B, sway plant D and the leaf cluster with a real GL
// context: what their draws do to the caller's matrix, the cluster's lists,
// and how the models look with their own pictures, and move.
#include "gfx/builtin_texture.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "scenery/leaf_cluster_plant.h"
#include "scenery/plant_model_a.h"
#include "scenery/plant_model_b.h"
#include "scenery/sway_plant_d.h"

#include <GL/glew.h>

#include <QImage>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Each test starts with a current context, no pending error and fresh
// shared angles, and must leave no GL error behind.
class PlantModelsGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError()) {
        }
        glMatrixMode(GL_MODELVIEW);
        ResetAngles();
    }
    void TearDown() override
    {
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        ResetAngles();
    }
    static void ResetAngles()
    {
        CPlantModelA::s_swayAngle = CPlantModelB::s_swayAngle = CSwayPlantD::s_swayAngle = CSharedSwayAngle{};
    }
};

using Matrix = std::array<float, 16>;

Matrix Modelview()
{
    Matrix m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// The modelview after glRotatef(angle, axis) on m.
Matrix Turned(const Matrix& m, float angle, float x, float y, float z)
{
    glPushMatrix();
    glLoadMatrixf(m.data());
    glRotatef(angle, x, y, z);
    const Matrix out = Modelview();
    glPopMatrix();
    return out;
}

void ExpectNear(const Matrix& got, const Matrix& want, const std::string& what)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-5f) << what << " element " << i;
}

// What a draw does to a caller's matrix (a translation and a turn).
struct AfterDraw {
    Matrix before, after;
    int depthChange;
};

AfterDraw Around(const std::function<void()>& draw)
{
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    glRotatef(30, 0, 1, 0);
    GLint depth[2] = {};
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth[0]);
    AfterDraw out{Modelview(), {}, 0};
    draw();
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth[1]);
    out.after = Modelview();
    out.depthChange = depth[1] - depth[0];
    return out;
}

TEST_F(PlantModelsGLTest, DrawsTurnTheCallersMatrixAboutXAndNothingElse)
{
    CPlantModelA a;
    CPlantModelB b;
    CSwayPlantD d;
    struct Case {
        std::string name;
        std::function<void()> draw;
    };
    std::vector<Case> cases;
    for (int v : {0, 1, 2}) {
        cases.push_back({"A " + std::to_string(v), [&a, v] { a.Draw(v); }});
        cases.push_back({"B " + std::to_string(v), [&b, v] { b.Draw(v); }});
        cases.push_back({"D " + std::to_string(v), [&d, v] { d.Draw(v); }});
    }
    for (const Case& c : cases) {
        const AfterDraw m = Around(c.draw);
        EXPECT_EQ(m.depthChange, 0) << c.name;
        ExpectNear(m.after, Turned(m.before, -90, 1, 0, 0), c.name);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
    }
}

TEST_F(PlantModelsGLTest, LeafClusterBuildsFourListsAndItsLeafListTurnsAboutY)
{
    CLeafClusterPlant l;
    ASSERT_TRUE(l.Init(20.5f, 10.4f, 20.05f, 0, 0, 0));
    const GLuint lists[4] = {l.m_nLeafList, l.m_nRampList, l.m_nLayerList, l.m_nLayerList2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(glIsList(lists[i])) << "list " << i;
        for (int k = 0; k < i; ++k)
            EXPECT_NE(lists[i], lists[k]);
    }
    // The leaf list: 4 x 318 triangles, and a turn it leaves behind.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glPushMatrix();
    glScalef(0.01f, 0.01f, 0.01f);  // keep every triangle inside the view
    glCallList(l.m_nLeafList);
    glPopMatrix();
    const GLint n = glRenderMode(GL_RENDER);
    int triangles = 0;
    for (GLint i = 0; i < n;) {
        ASSERT_EQ(static_cast<GLint>(buffer[i++]), GL_POLYGON_TOKEN);
        const GLint count = static_cast<GLint>(buffer[i++]);
        EXPECT_EQ(count, 3);
        i += 3 * count;
        ++triangles;
    }
    // Back faces are not culled here: every triangle comes back.
    EXPECT_EQ(triangles, 4 * 318);
    glLoadIdentity();
    glCallList(l.m_nLeafList);
    ExpectNear(Modelview(), Turned(Matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, -930, 0, 1, 0), "leaf list");
    glDeleteLists(lists[0], 1);
}

// ---- how they look ---------------------------------------------------------------

constexpr int kSide = 200;
const GLfloat kWater[3] = {0.05f, 0.18f, 0.28f};

// A plant picture from the built-in resources, for the life of the object.
struct PlantTexture {
    explicit PlantTexture(int kind)
    {
        LoadBuiltinTexture(GetTempFolder(), 2000 + kind, "cao" + std::to_string(kind), &name, LoadBmpTexture);
    }
    ~PlantTexture() { glDeleteTextures(1, &name); }
    GLuint name = 0;
};

// The picture alone (no light) seen from the front, fitted to the square
// (x0 .. x0 + size, y0 .. y0 + size).
QImage Render(GLuint texture, float x0, float y0, float size, const std::function<void()>& draw)
{
    OffscreenTarget target(kSide, kSide);
    glViewport(0, 0, kSide, kSide);
    glClearColor(kWater[0], kWater[1], kWater[2], 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(x0, x0 + size, y0, y0 + size, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    draw();
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    return target.Read();
}

bool IsWater(const QColor& q)
{
    return std::abs(q.redF() - kWater[0]) + std::abs(q.greenF() - kWater[1]) + std::abs(q.blueF() - kWater[2]) < 0.02;
}

TEST_F(PlantModelsGLTest, ModelsShowGreenLeavesThatMoveWithTheirAngle)
{
    if (!glGenFramebuffers)
        GTEST_SKIP() << "no framebuffer objects";
    CPlantModelA a;
    CPlantModelB b;
    CSwayPlantD d;
    for (float& s : b.m_fSize)
        s = 4.0f;
    struct Case {
        const char* name;
        int texture;
        CSharedSwayAngle* angle;
        float x0, y0, size;
        std::function<void()> draw;
        bool visible;
    };
    const Case cases[] = {
        {"A cluster", 16, &CPlantModelA::s_swayAngle, -52, -18, 30, [&] { a.Draw(1); }, true},
        {"A stretched", 16, &CPlantModelA::s_swayAngle, 14, -12, 38, [&] { a.Draw(0); }, true},
        {"B", 8, &CPlantModelB::s_swayAngle, -12, -12, 24, [&] { b.Draw(1); }, true},
        {"D", 4, &CSwayPlantD::s_swayAngle, -40, -40, 80, [&] { d.Draw(1); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PlantTexture texture(c.texture);
        // At each end of the angle's swing.
        *c.angle = CSharedSwayAngle{-4.9f, 0};
        const QImage low = Render(texture.name, c.x0, c.y0, c.size, c.draw);
        *c.angle = CSharedSwayAngle{4.9f, 1};
        const QImage high = Render(texture.name, c.x0, c.y0, c.size, c.draw);
        int covered = 0, green = 0, moved = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const QColor q = low.pixelColor(x, y);
                moved += low.pixel(x, y) != high.pixel(x, y);
                if (IsWater(q))
                    continue;
                ++covered;
                green += q.green() > q.red() && q.green() > q.blue();
            }
        if (!c.visible) {
            EXPECT_EQ(covered, 0);
            continue;
        }
        EXPECT_GT(covered, kSide * kSide / 20);
        EXPECT_GT(green, covered * 9 / 10);
        EXPECT_GT(moved, covered / 50);
    }
}

}  // namespace
