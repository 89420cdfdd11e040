// GL tests of what a draw sends: a fixture with a current context, and the
// vertices a draw sends, in model coordinates, read back through GL feedback.
#pragma once
#include "gl/gl_fixture.h"
#include "gl/scenery_gl_fixture.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

// A current context, no GL error left over, the modelview the identity; no
// GL error after the test.
using GLDrawTest = SceneryGLTest;

// The points of the polygons a draw sends: an orthographic view of +-box on
// every axis onto a 200 x 200 viewport, the modelview left as the caller set it.
inline std::vector<std::array<float, 3>> FeedbackPoints(const std::function<void()>& draw, float box)
{
    std::vector<GLfloat> buffer(1 << 21);
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-box, box, -box, box, -box, box);
    glMatrixMode(GL_MODELVIEW);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint n = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    std::vector<std::array<float, 3>> out;
    for (GLint i = 0; i < n;) {
        const GLint token = static_cast<GLint>(buffer[i++]);
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        const GLint count = static_cast<GLint>(buffer[i++]);
        for (GLint k = 0; k < count; ++k, i += 3)
            out.push_back({(buffer[i] / 100 - 1) * box, (buffer[i + 1] / 100 - 1) * box, box * (1 - 2 * buffer[i + 2])});
    }
    return out;
}

// Whether a point lies within `tolerance` of `want` on every axis.
inline bool ContainsPoint(const std::vector<std::array<float, 3>>& points, std::array<float, 3> want, float tolerance)
{
    for (const auto& p : points)
        if (std::abs(p[0] - want[0]) < tolerance && std::abs(p[1] - want[1]) < tolerance &&
            std::abs(p[2] - want[2]) < tolerance)
            return true;
    return false;
}
