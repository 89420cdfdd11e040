// Set-up shared by the GL tests of fish classes: a current context with
// framebuffer objects, no stale GL error, and the species' built-in textures.
#pragma once
#include "gfx/builtin_texture.h"
#include "gfx/settings.h"
#include "gfx/texture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

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

// A fish that has swum 30 frames from a seeded start, level, in the tank's box.
template <class Fish>
Fish SettledFish()
{
    crt::srand(5);
    Fish fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0);
    fish.m_fPitch = fish.m_fShownPitch = 0.0f;
    return fish;
}

// Draws a fish at (x, y, 0) as the fish pass does (which moves it), with its texture.
template <class Fish>
void DrawFishAt(Fish& fish, GLuint texture, float x, float y)
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

// The pictures, two a row, saved as <the file named by the environment
// variable `variable`><suffix>.png when it is set.
inline void KeepPictures(const char* variable, const std::vector<QImage>& pictures, const char* suffix)
{
    const char* path = std::getenv(variable);
    if (path == nullptr || pictures.empty())
        return;
    const int width = pictures[0].width(), height = pictures[0].height();
    QImage sheet(width * 2, height * static_cast<int>((pictures.size() + 1) / 2), QImage::Format_RGBA8888);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (size_t k = 0; k < pictures.size(); ++k)
        painter.drawImage(static_cast<int>(k % 2) * width, static_cast<int>(k / 2) * height, pictures[k]);
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromStdString(std::string(path) + suffix + ".png")));
}

// Each pixel of columns x0 to x1 - 1 that is not the background, with the
// bounds of them all.
struct FishBounds {
    long pixels = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};
template <class Visit>
FishBounds ForEachFishPixel(const QImage& image, QRgb background, int x0, int x1, Visit visit)
{
    FishBounds b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
                    std::abs(qBlue(p) - qBlue(background)) < 6)
                continue;
            ++b.pixels;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
            visit(qRed(p), qGreen(p), qBlue(p));
        }
    return b;
}

// A fish picture test: an offscreen target of 480 x 360 and the pictures
// drawn into it on a deep blue.
class FishPictureFixture : public FishGLFixture {
public:
    static constexpr int kPictureWidth = 480, kPictureHeight = 360;
    static QRgb PictureBackground() { return qRgb(13, 31, 64); }

protected:
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_target = std::make_unique<OffscreenTarget>(kPictureWidth, kPictureHeight);
        ASSERT_TRUE(m_target->Complete());
    }
    void TearDown() override
    {
        m_target.reset();
        FishGLFixture::TearDown();
    }
    // What `scene` draws, seen from (ex, ey, ez) toward the origin.
    template <typename Scene>
    QImage Render(float ex, float ey, float ez, float fov, Scene scene)
    {
        return RenderFish(*m_target, kPictureWidth, kPictureHeight, PictureBackground(), fov, ex, ey, ez, scene);
    }

private:
    std::unique_ptr<OffscreenTarget> m_target;
};
