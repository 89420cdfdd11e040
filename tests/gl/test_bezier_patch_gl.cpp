// The back-wall patch's display list: its strips, corners and texture coordinates.
#include "gl/gl_fixture.h"
#include "settings/settings.h"
#include "support/vertex_recorder.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

class BezierPatchGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
        saved_ = g_Settings;
        g_fBezierSway = 0;
        g_bBezierSwayUp = 1;
        view.m_fTankBounds[0] = -50;
        view.m_fTankBounds[1] = 50;
    }
    void TearDown() override
    {
        for (GLuint list : lists)
            glDeleteLists(list, 1);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        g_Settings = saved_;
        g_fBezierSway = 0;
        g_bBezierSwayUp = 1;
    }

    GLuint Tessellate()
    {
        const GLuint list = view.TessellateBezierPatch(view.m_BezierPatch, view.m_nBezierDivs);
        lists.push_back(list);
        return list;
    }

    // The triangles the list draws, as (x, y) in patch units, from feedback
    // mode. Mesa may join strips with degenerate triangles: those are dropped.
    std::vector<std::array<float, 6>> Triangles(GLuint list)
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glDisable(GL_CULL_FACE);
        glViewport(0, 0, 200, 200);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(-100, 100, -100, 100, 0, 200);  // window x, y = patch x, y + 100
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        std::vector<GLfloat> buffer(4096);
        glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        glCallList(list);
        const GLint used = glRenderMode(GL_RENDER);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopAttrib();

        std::vector<std::array<float, 6>> triangles;
        for (GLint i = 0; i < used;) {
            EXPECT_EQ(buffer[i], GLfloat(GL_POLYGON_TOKEN));
            const int n = int(buffer[i + 1]);
            EXPECT_EQ(n, 3);
            std::array<float, 6> t{};
            for (int v = 0; v < 3 && v < n; ++v) {
                t[2 * v] = buffer[i + 2 + 3 * v] - 100;
                t[2 * v + 1] = buffer[i + 2 + 3 * v + 1] - 100;
            }
            if (Area(t) > 0)
                triangles.push_back(t);
            i += 2 + 3 * n;
        }
        return triangles;
    }

    static double Area(const std::array<float, 6>& t)
    {
        return std::abs((t[2] - t[0]) * (t[5] - t[1]) - (t[4] - t[0]) * (t[3] - t[1])) / 2.0;
    }

    CTankView view;
    std::vector<GLuint> lists;
    TANKSETTINGS saved_;
};

// Two strips of six vertices: each pair is a column at parameters aOld and a,
// rising from the bottom row; the first coordinate runs from the right edge
// to the left, the second from the bottom to the top.
TEST_F(BezierPatchGL, StripsCoverTheWallWithUnitOneCoordinates)
{
    g_Settings.g_nBackground = 3;  // no sway: the patch is the flat wall
    view.InitBezierPatch();
    VertexRecorder recorder;
    EXPECT_NE(Tessellate(), 0u);
    ASSERT_EQ(recorder.primitives.size(), 2u);
    for (int strip = 0; strip < 2; ++strip) {
        const RecordedPrimitive& p = recorder.primitives[strip];
        EXPECT_EQ(p.mode, GLenum(GL_TRIANGLE_STRIP));
        ASSERT_EQ(p.vertices.size(), 6u);
        for (int v = 0; v < 6; ++v) {
            SCOPED_TRACE(testing::Message() << "strip " << strip << " vertex " << v);
            const float a = (strip + v % 2) * 0.5f;
            const float b = (v / 2) * 0.5f;
            const RecordedVertex& got = p.vertices[v];
            EXPECT_FLOAT_EQ(got.texCoord1[0], a);
            EXPECT_FLOAT_EQ(got.texCoord1[1], b);
            EXPECT_EQ(got.texCoord, (std::array<float, 2>{0, 0}));
            EXPECT_EQ(got.normal, (std::array<float, 3>{0, 0, 0}));
            EXPECT_NEAR(got.position[0], 50 - 100 * a, 1e-4);
            EXPECT_NEAR(got.position[1], -38 + 77 * b, 1e-4);
            EXPECT_FLOAT_EQ(got.position[2], -90.0f);
        }
    }
    EXPECT_TRUE(recorder.colors.empty());
}

// The corners are the grid's corners exactly, the top-left one with the sway.
TEST_F(BezierPatchGL, CornersAreTheGridCorners)
{
    g_Settings.g_nBackground = 0;
    view.InitBezierPatch();
    VertexRecorder recorder;
    Tessellate();
    ASSERT_EQ(recorder.primitives.size(), 2u);
    ASSERT_EQ(recorder.primitives[1].vertices.size(), 6u);
    const RecordedVertex& first = recorder.primitives[0].vertices.front();
    const RecordedVertex& last = recorder.primitives[1].vertices.back();
    EXPECT_EQ(first.position, (std::array<float, 3>{50, -38, -90}));
    EXPECT_EQ(first.texCoord1, (std::array<float, 2>{0, 0}));
    EXPECT_EQ(last.position, (std::array<float, 3>{-50 + 0.02f, 39, -90}));
    EXPECT_EQ(last.texCoord1, (std::array<float, 2>{1, 1}));
}

// What the list itself holds: eight triangles over the wall, and the last
// vertex leaves unit 1's coordinates at (1, 1).
TEST_F(BezierPatchGL, ListDrawsEightTrianglesOverTheWall)
{
    g_Settings.g_nBackground = 3;
    view.InitBezierPatch();
    const GLuint list = Tessellate();
    ASSERT_TRUE(glIsList(list));
    const auto triangles = Triangles(list);
    ASSERT_EQ(triangles.size(), 8u);
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    double area = 0;
    for (const auto& t : triangles) {
        for (int v = 0; v < 3; ++v) {
            minX = std::min(minX, t[2 * v]);
            maxX = std::max(maxX, t[2 * v]);
            minY = std::min(minY, t[2 * v + 1]);
            maxY = std::max(maxY, t[2 * v + 1]);
        }
        area += Area(t);
    }
    EXPECT_NEAR(minX, -50, 1e-3);
    EXPECT_NEAR(maxX, 50, 1e-3);
    EXPECT_NEAR(minY, -38, 1e-3);
    EXPECT_NEAR(maxY, 39, 1e-3);
    EXPECT_NEAR(area, 100 * 77, 0.1);  // covered once, no gaps or overlaps

    glActiveTexture(GL_TEXTURE1);
    glMultiTexCoord2f(GL_TEXTURE1, 0.25f, 0.25f);
    glCallList(list);
    GLfloat current[4] = {};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, current);
    glActiveTexture(GL_TEXTURE0);
    EXPECT_FLOAT_EQ(current[0], 1.0f);
    EXPECT_FLOAT_EQ(current[1], 1.0f);
}

TEST_F(BezierPatchGL, SecondTessellationDeletesTheFirstList)
{
    g_Settings.g_nBackground = 1;
    view.InitBezierPatch();
    const GLuint first = Tessellate();
    ASSERT_TRUE(glIsList(first));
    view.m_BezierPatch.nList = int32_t(first);
    const GLuint second = Tessellate();
    EXPECT_NE(second, 0u);
    EXPECT_NE(second, first);
    EXPECT_FALSE(glIsList(first));
    EXPECT_TRUE(glIsList(second));
}

}  // namespace
