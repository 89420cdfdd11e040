// Set-up shared by the GL tests of fish classes: a current context with
// framebuffer objects, no stale GL error, and the species' built-in textures.
#pragma once
#include "gfx/builtin_texture.h"
#include "gfx/settings.h"
#include "gfx/texture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"

#include <GL/glu.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class FishGLFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
        if (!glGenFramebuffers)
            GTEST_SKIP() << "no framebuffer objects";
        ASSERT_FALSE(GetTempFolder().empty());
    }
    void TearDown() override
    {
        for (GLuint texture : m_textures)
            glDeleteTextures(1, &texture);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    // The texture of species k ("fish" + k, resource 10000 + k), freed after the test.
    GLuint LoadFishTexture(int species)
    {
        GLuint texture = 0;
        LoadBuiltinTexture(GetTempFolder(), 10000 + species, "fish" + std::to_string(species), &texture,
                           LoadBmpTexture);
        m_textures.push_back(texture);
        return texture;
    }

private:
    std::vector<GLuint> m_textures;
};

// The fish pass's state: the texture replaces the colour, blended,
// alpha-tested, depth-tested.
inline void FishPassState()
{
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_DEPTH_TEST);
}

// The camera of a test picture: the GL state and both matrices pushed, a
// perspective of `fov` degrees and a look from `eye` at `centre`; all popped
// again when it goes.
struct FishCamera {
    FishCamera(int width, int height, double fov, double zNear, double zFar, const float eye[3], const float centre[3],
               const float up[3])
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        gluPerspective(fov, double(width) / height, zNear, zFar);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        gluLookAt(eye[0], eye[1], eye[2], centre[0], centre[1], centre[2], up[0], up[1], up[2]);
        FishPassState();
    }
    ~FishCamera()
    {
        glBindTexture(GL_TEXTURE_2D, 0);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
    }
    FishCamera(const FishCamera&) = delete;
    FishCamera& operator=(const FishCamera&) = delete;
};

// Fish that `scene` draws, as the fish pass draws them, into `target` of
// width x height cleared to `background`, seen from (ex, ey, ez) toward the
// origin with a vertical field of view of `fov` degrees. Seen from high
// above (ey > 5) the far wall is up in the picture.
template <class Scene>
QImage RenderFish(const OffscreenTarget& target, int width, int height, QRgb background, double fov, float ex,
                  float ey, float ez, Scene scene)
{
    const float eye[3] = {ex, ey, ez}, centre[3] = {0, 0, 0};
    const bool fromAbove = ey > 5.0f;
    const float up[3] = {0, fromAbove ? 0.0f : 1.0f, fromAbove ? -1.0f : 0.0f};
    {
        FishCamera camera(width, height, fov, 0.5, 100.0, eye, centre, up);
        glClearColor(qRed(background) / 255.0f, qGreen(background) / 255.0f, qBlue(background) / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene();
    }
    return target.Read();
}

// A fish test that draws into an offscreen picture of its own size and
// background, placing each fish as the fish pass does.
class FishPictureFixture : public FishGLFixture {
protected:
    FishPictureFixture(int width, int height, QRgb background) : m_width(width), m_height(height), m_background(background)
    {
    }
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_target = std::make_unique<OffscreenTarget>(m_width, m_height);
        ASSERT_TRUE(m_target->Complete());
    }
    void TearDown() override
    {
        m_target.reset();
        FishGLFixture::TearDown();
    }
    // The fish that `scene` draws, seen from (ex, ey, ez).
    template <typename Scene>
    QImage Render(float ex, float ey, float ez, float fov, Scene scene)
    {
        return RenderFish(*m_target, m_width, m_height, m_background, fov, ex, ey, ez, scene);
    }
    // One fish at (x, y, 0) with its texture, as the fish pass draws it.
    template <typename Fish>
    void DrawAt(Fish& fish, GLuint texture, float x, float y)
    {
        glBindTexture(GL_TEXTURE_2D, texture);
        fish.m_fPos[0] = x;
        fish.m_fPos[1] = y;
        fish.m_fPos[2] = 0.0f;
        glPushMatrix();
        glTranslatef(x, y, 0.0f);
        fish.Draw(0);
        glPopMatrix();
    }
    // The pictures side by side, two a row, saved as <$variable><suffix>.png
    // when the environment variable is set.
    void KeepPictures(const char* variable, const std::vector<QImage>& pictures, const char* suffix) const
    {
        const char* path = std::getenv(variable);
        if (path == nullptr || pictures.empty())
            return;
        QImage sheet(m_width * 2, m_height * static_cast<int>((pictures.size() + 1) / 2), QImage::Format_RGBA8888);
        sheet.fill(Qt::black);
        QPainter painter(&sheet);
        for (size_t k = 0; k < pictures.size(); ++k)
            painter.drawImage(static_cast<int>(k % 2) * m_width, static_cast<int>(k / 2) * m_height, pictures[k]);
        painter.end();
        EXPECT_TRUE(sheet.save(QString::fromStdString(std::string(path) + suffix + ".png")));
    }

    int m_width, m_height;
    QRgb m_background;
    std::unique_ptr<OffscreenTarget> m_target;
};

// The pixels of a picture (columns x0 to x1 - 1) that are not its background:
// their count and bounds; `seen(r, g, b)` is called on each.
struct FishPixels {
    long count = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};
template <typename Seen>
FishPixels ScanFish(const QImage& image, QRgb background, int x0, int x1, Seen seen)
{
    FishPixels f;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (std::abs(r - qRed(background)) + std::abs(g - qGreen(background)) + std::abs(b - qBlue(background)) < 6)
                continue;
            ++f.count;
            f.left = std::min(f.left, x);
            f.right = std::max(f.right, x);
            f.top = std::min(f.top, y);
            f.bottom = std::max(f.bottom, y);
            seen(r, g, b);
        }
    return f;
}
