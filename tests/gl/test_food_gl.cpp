// Food drops with a real GL context: the flake lists, and where Draw puts the
// flakes, read back through feedback mode.
#include "gl/gl_fixture.h"
#include "objects/food_emitter.h"
#include "support/vertex_recorder.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kViewport = 400;
constexpr float kHalf = 4.0f;  // the view spans -4..4 in x, y and z

struct Box {
    std::array<float, 3> low{1e9f, 1e9f, 1e9f};
    std::array<float, 3> high{-1e9f, -1e9f, -1e9f};
    void Add(float x, float y, float z)
    {
        const float p[3] = {x, y, z};
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], p[c]);
            high[c] = std::max(high[c], p[c]);
        }
    }
};

// The box of the flake as its list draws it, at half size.
Box FlakeBox()
{
    VertexRecorder recorder;
    CFoodEmitter::DrawPelletShape();
    Box box;
    for (const RecordedPrimitive& p : recorder.primitives) {
        for (const RecordedVertex& v : p.vertices)
            box.Add(0.5f * v.position[0], 0.5f * v.position[1], 0.5f * v.position[2]);
    }
    return box;
}

class FoodGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)); }

    // Runs food.Draw() from an identity matrix in feedback mode; the box of
    // every vertex drawn, in eye coordinates, and the number of polygons.
    int Capture(CFoodEmitter& food, Box& box, std::array<float, 16>* after = nullptr)
    {
        std::vector<GLfloat> buffer(1 << 18);
        glViewport(0, 0, kViewport, kViewport);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kHalf, kHalf, -kHalf, kHalf, -kHalf, kHalf);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        glPushMatrix();
        food.Draw();
        if (after)
            glGetFloatv(GL_MODELVIEW_MATRIX, after->data());
        glPopMatrix();
        const GLint n = glRenderMode(GL_RENDER);
        EXPECT_GE(n, 0) << "feedback buffer too small";
        int polygons = 0;
        for (GLint k = 0; k < n;) {
            const auto token = static_cast<GLint>(buffer[k++]);
            EXPECT_EQ(token, GL_POLYGON_TOKEN);
            if (token != GL_POLYGON_TOKEN)
                break;
            const auto count = static_cast<GLint>(buffer[k++]);
            for (GLint v = 0; v < count; ++v, k += 3) {
                const float x = buffer[k] / kViewport * 2 * kHalf - kHalf;
                const float y = buffer[k + 1] / kViewport * 2 * kHalf - kHalf;
                const float z = -(buffer[k + 2] * 2 - 1) * kHalf;
                box.Add(x, y, z);
            }
            ++polygons;
        }
        return polygons;
    }

    // Only flake 0 shows, lifted to sit at its offset.
    static void OneFlake(CFoodEmitter& food, float x, float z, float swirl)
    {
        food.HidePellet(1);
        food.HidePellet(2);
        FOODPELLET& p = food.m_Pellets[0];
        p.x = x;
        p.y = 0.2f;
        p.z = z;
        p.tumble = 0;
        p.swirl = swirl;
    }
};

TEST_F(FoodGLTest, ResetReplacesItsOwnListOnly)
{
    const GLuint other = glGenLists(1);
    CFoodEmitter first, second;
    first.Reset();
    second.Reset();
    EXPECT_TRUE(glIsList(other));
    ASSERT_NE(first.m_nList, 0u);
    EXPECT_TRUE(glIsList(first.m_nList));
    EXPECT_TRUE(glIsList(second.m_nList));
    EXPECT_NE(first.m_nList, second.m_nList);
    const GLuint old = first.m_nList;
    first.Reset();
    EXPECT_TRUE(glIsList(first.m_nList));
    if (first.m_nList != old) {
        EXPECT_FALSE(glIsList(old));
    }
    EXPECT_TRUE(glIsList(second.m_nList));
    EXPECT_TRUE(glIsList(other));
    glDeleteLists(other, 1);
    glDeleteLists(first.m_nList, 1);
    glDeleteLists(second.m_nList, 1);
}

TEST_F(FoodGLTest, DrawsVisibleFlakesOnly)
{
    CFoodEmitter food;
    food.SetPosition(0, 0, 0);
    food.SetActive(TRUE);
    for (FOODPELLET& p : food.m_Pellets) {
        p.x = p.z = 0;
        p.y = 0.2f;
    }
    Box box;
    const int three = Capture(food, box);
    ASSERT_GT(three, 0);
    EXPECT_EQ(three % 3, 0);
    food.HidePellet(1);
    EXPECT_EQ(Capture(food, box), three / 3 * 2);
    EXPECT_TRUE(food.IsActive());
    food.HidePellet(0);
    food.HidePellet(2);
    EXPECT_EQ(Capture(food, box), 0);
    EXPECT_FALSE(food.IsActive());
    glDeleteLists(food.m_nList, 1);
}

TEST_F(FoodGLTest, FlakeSitsAtTheOriginPlusItsSwirledOffset)
{
    const Box mesh = FlakeBox();
    const float origin[3] = {1.0f, -0.5f, 0.25f};
    CFoodEmitter food;
    food.SetPosition(origin[0], origin[1], origin[2]);
    OneFlake(food, 1.0f, 0.0f, 0.0f);
    Box box;
    std::array<float, 16> after{};
    ASSERT_GT(Capture(food, box, &after), 0);
    // No swirl: the offset and the mesh as they are.
    constexpr float kPixel = 2 * kHalf / kViewport;
    for (int c = 0; c < 3; ++c) {
        const float shift = origin[c] + (c == 0 ? 1.0f : 0.0f);
        const float tolerance = c == 2 ? 1e-3f : kPixel;
        EXPECT_NEAR(box.low[c], mesh.low[c] + shift, tolerance) << c;
        EXPECT_NEAR(box.high[c], mesh.high[c] + shift, tolerance) << c;
    }
    // Draw leaves the origin's translation on the matrix.
    EXPECT_FLOAT_EQ(after[12], origin[0]);
    EXPECT_FLOAT_EQ(after[13], origin[1]);
    EXPECT_FLOAT_EQ(after[14], origin[2]);

    // A quarter turn about the vertical: (x, y, z) goes to (z, y, -x).
    OneFlake(food, 1.0f, 0.0f, 90.0f);
    Box turned;
    ASSERT_GT(Capture(food, turned), 0);
    EXPECT_NEAR(turned.low[0], mesh.low[2] + origin[0], kPixel);
    EXPECT_NEAR(turned.high[0], mesh.high[2] + origin[0], kPixel);
    EXPECT_NEAR(turned.low[1], mesh.low[1] + origin[1], kPixel);
    EXPECT_NEAR(turned.low[2], -(mesh.high[0] + 1.0f) + origin[2], 1e-3f);
    EXPECT_NEAR(turned.high[2], -(mesh.low[0] + 1.0f) + origin[2], 1e-3f);
    glDeleteLists(food.m_nList, 1);
}

TEST_F(FoodGLTest, FirstDrawnAtTheDropHeightLessTwoTenths)
{
    // The flake's y offset starts at 1 and is drawn 0.2 lower.
    const Box mesh = FlakeBox();
    CFoodEmitter food;
    food.SetPosition(0, -2.0f, 0);
    OneFlake(food, 0, 0, 0);
    food.m_Pellets[0].y = 1.0f;
    Box box;
    ASSERT_GT(Capture(food, box), 0);
    EXPECT_NEAR(box.low[1], mesh.low[1] - 2.0f + 0.8f, 2 * kHalf / kViewport);
    EXPECT_NEAR(box.high[1], mesh.high[1] - 2.0f + 0.8f, 2 * kHalf / kViewport);
    glDeleteLists(food.m_nList, 1);
}

}  // namespace
