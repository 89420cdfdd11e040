// What the plants' GL tests share: a fixture with a current context that
// leaves no GL error behind, the modelview, the vertices a draw sends (GL
// feedback), and one plant rendered lit and textured, with a count of what
// its pixels show.
#pragma once
#include "gfx/builtin_texture.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "gl/gl_feedback.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "gl/scenery_gl_fixture.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plant_gl {

using PlantsGLTest = SceneryGLTest;

using NamedDraws = std::vector<std::pair<const char*, std::function<void()>>>;

// Each draw, made under a turned and moved modelview, leaves that matrix and
// the stack's depth as it found them, and no GL error.
inline void ExpectDrawsKeepTheCallersMatrix(const NamedDraws& draws)
{
    for (const auto& [name, draw] : draws) {
        glLoadIdentity();
        glTranslatef(1, 2, 3);
        glRotatef(30, 0, 1, 0);
        GLint depth = 0, after = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        const auto before = Modelview();
        draw();
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
        EXPECT_EQ(after, depth) << name;
        EXPECT_EQ(Modelview(), before) << name;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name;
    }
}

// The vertices a draw sends, in model coordinates (an orthographic view of
// +-100 from the identity).
inline std::vector<std::array<float, 3>> Feedback(const std::function<void()>& draw)
{
    glLoadIdentity();
    return FeedbackPoints(draw, 100);
}

// ---- lit and textured ---------------------------------------------------------

constexpr int kWidth = 320, kHeight = 320;
constexpr GLfloat kWater[3] = {0.05f, 0.18f, 0.28f};

// A plant texture restored from the built-in resources as the game window loads it.
inline GLuint LoadPlantTexture(int kind)
{
    GLuint texture = 0;
    LoadBuiltinTexture(GetTempFolder(), 2000 + kind, "cao" + std::to_string(kind), &texture, LoadBmpTexture);
    return texture;
}

// One plant under a light from above, seen from the front and a little above.
// The lighting and texture state is the caller's again afterwards.
inline QImage Render(GLuint texture, float distance, float height, const std::function<void()>& draw)
{
    OffscreenTarget target(kWidth, kHeight);
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(kWater[0], kWater[1], kWater[2], 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 1, 1, 500);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, height * 1.3, distance, 0, height, 0, 0, 1, 0);
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT);
    const GLfloat light[4] = {0.3f, 1, 0.6f, 0};
    const GLfloat ambient[4] = {0.35f, 0.35f, 0.35f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glColor3f(1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    draw();
    glPopAttrib();
    return target.Read();
}

// The pixels of a render that show something other than the water: all of
// them, the green ones, and the pale ones (near white).
struct Coverage {
    int covered = 0, green = 0, pale = 0;
};

inline Coverage CountCoverage(const QImage& image)
{
    Coverage c;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor q = image.pixelColor(x, y);
            const double fromWater = std::abs(q.redF() - kWater[0]) + std::abs(q.greenF() - kWater[1]) +
                                     std::abs(q.blueF() - kWater[2]);
            if (fromWater < 0.02)
                continue;
            ++c.covered;
            c.green += q.green() > q.red() && q.green() > q.blue();
            c.pale += q.red() > 200 && q.green() > 180 && q.blue() > 180;
        }
    }
    return c;
}

// The renders side by side, into the file the environment variable names (if set).
inline void SaveSheet(const std::vector<QImage>& renders, const char* variable)
{
    const char* path = std::getenv(variable);
    if (!path)
        return;
    QImage sheet(kWidth * static_cast<int>(renders.size()), kHeight, QImage::Format_RGBA8888);
    QPainter painter(&sheet);
    for (size_t k = 0; k < renders.size(); ++k)
        painter.drawImage(static_cast<int>(k) * kWidth, 0, renders[k]);
    painter.end();
    EXPECT_TRUE(sheet.save(path));
}

}  // namespace plant_gl
