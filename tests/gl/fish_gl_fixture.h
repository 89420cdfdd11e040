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

// Keeps pictures of a test, two to a row, as <$variable><suffix>.png when the
// environment variable names a file prefix; nothing otherwise.
inline void KeepFishPictures(const char* variable, const std::vector<QImage>& pictures, const char* suffix)
{
    const char* path = std::getenv(variable);
    if (path == nullptr || pictures.empty())
        return;
    const int w = pictures[0].width(), h = pictures[0].height();
    QImage sheet(w * 2, h * int((pictures.size() + 1) / 2), QImage::Format_RGBA8888);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (size_t k = 0; k < pictures.size(); ++k)
        painter.drawImage(int(k % 2) * w, int(k / 2) * h, pictures[k]);
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromStdString(std::string(path) + suffix + ".png")));
}

// Pictures of fish of the species in `species` (their textures loaded, the
// first in `m_texture`), width x height, on a dark blue background.
class FishPictureTest : public FishGLFixture {
public:
    static constexpr int kWidth = 480, kHeight = 360;
    static constexpr QRgb kBackground = 0xFF0D1F40;  // qRgb(13, 31, 64)

protected:

    FishPictureTest(std::vector<int> species) : m_species(std::move(species)) {}
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        for (int k : m_species)
            m_textures.push_back(LoadFishTexture(k));
        m_target = std::make_unique<OffscreenTarget>(kWidth, kHeight);
        ASSERT_TRUE(m_target->Complete());
    }
    void TearDown() override
    {
        m_target.reset();
        FishGLFixture::TearDown();
    }
    // What `scene` draws, seen from (ex, ey, ez) toward the origin.
    template <typename Scene>
    QImage Render(float ex, float ey, float ez, Scene scene)
    {
        return RenderFish(*m_target, kWidth, kHeight, kBackground, 40.0, ex, ey, ez, scene);
    }

    std::vector<GLuint> m_textures;

private:
    std::vector<int> m_species;
    std::unique_ptr<OffscreenTarget> m_target;
};
