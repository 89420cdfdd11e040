// For the scenery's GL tests: a current context with the modelview matrix
// reset around each test, the modelview as it stands, and a vertex sink that
// keeps where each vertex lands.
#pragma once
#include "gfx/vertex_sink.h"
#include "gl/gl_fixture.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

class SceneryGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override { EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)); }
};

inline std::array<float, 16> Modelview()
{
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

inline GLint ModelviewDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

// Keeps where each vertex lands: its position times the modelview matrix in
// force when it is sent. The draw code's matrix calls run on the context
// while its vertices come here, so a test sees the plant placed as GL would
// place it, without rendering.
class EyeRecorder : public IVertexSink {
public:
    EyeRecorder() { m_previous = SetVertexSink(this); }
    ~EyeRecorder() override { SetVertexSink(m_previous); }

    void Begin(GLenum) override {}
    void End() override {}
    void Normal(float, float, float) override {}
    void TexCoord(float, float) override {}
    void MultiTexCoord(GLenum, float, float) override {}
    void Color(float, float, float) override {}
    void Vertex(float x, float y, float z) override
    {
        float m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        points.push_back({m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                          m[2] * x + m[6] * y + m[10] * z + m[14]});
    }

    std::vector<std::array<float, 3>> points;

private:
    IVertexSink* m_previous = nullptr;
};
