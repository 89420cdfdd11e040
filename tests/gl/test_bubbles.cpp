// The bubble emitter with real textures and a real GL context.
#include "gfx/temp_folder.h"
#include "gl/gl_fixture.h"
#include "objects/bubble_emitter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

class BubblesGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override
    {
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        glDeleteTextures(2, bubbles.m_texBubble);
        glDeleteTextures(1, &bubbles.m_texRays);
    }

    static GLint Width(GLuint texture)
    {
        GLint w = 0;
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glBindTexture(GL_TEXTURE_2D, 0);
        return w;
    }

    CBubbleEmitter bubbles;
};

// The two sprites come with pictures; the ray texture has none to restore.
TEST_F(BubblesGL, InitLoadsTheTexturesAndRemovesTheFiles)
{
    ASSERT_TRUE(bubbles.Init(200));
    const GLuint names[] = {bubbles.m_texBubble[0], bubbles.m_texBubble[1], bubbles.m_texRays};
    for (GLuint name : names)
        EXPECT_TRUE(glIsTexture(name)) << name;
    EXPECT_NE(names[0], names[1]);
    EXPECT_NE(names[1], names[2]);
    EXPECT_GT(Width(names[0]), 0);
    EXPECT_GT(Width(names[1]), 0);
    EXPECT_EQ(Width(names[2]), 0);
    const std::string folder = GetTempFolder();
    for (const char* file : {"Particle1.ad", "Particle1.bmp", "Particle2.ad", "Particle2.bmp", "GuangXian.ad",
                             "GuangXian.bmp"})
        EXPECT_FALSE(std::filesystem::exists(folder + file)) << file;
}

// The scene set-up's warm-up, with rays as well, leaves GL without errors.
TEST_F(BubblesGL, WarmUpRendersCleanly)
{
    ASSERT_TRUE(bubbles.Init(200));
    bubbles.SetHidden(FALSE);
    for (int i = 0; i < 200; ++i)
        bubbles.Render(200 - 100, i % 2, 1);
    EXPECT_EQ(bubbles.m_nCount, 100);
}

// Bubble 0 (even) shows "Particle2", bubble 1 (odd) "Particle1": two bubbles
// side by side on sprites of two colours, read back from an offscreen target.
TEST_F(BubblesGL, NeighboursAlternateTheSprites)
{
    if (!glGenFramebuffers)
        GTEST_SKIP() << "no framebuffer objects";
    ASSERT_TRUE(bubbles.Init(2));
    bubbles.SetHidden(FALSE);
    const GLuint loaded[2] = {bubbles.m_texBubble[0], bubbles.m_texBubble[1]};
    glDeleteTextures(2, loaded);
    const GLubyte red[4] = {255, 0, 0, 255}, blue[4] = {0, 0, 255, 255};
    glGenTextures(2, bubbles.m_texBubble);
    for (int i = 0; i < 2; ++i) {
        glBindTexture(GL_TEXTURE_2D, bubbles.m_texBubble[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, i == 0 ? red : blue);
    }
    for (int i = 0; i < 2; ++i) {
        PARTICLE& p = bubbles.m_pParticles[i];
        p = PARTICLE{};
        p.x = i == 0 ? -1.1f : 0.9f;  // jitter adds 0 to 0.19
        p.size = 0.5f;
        p.life = 100;
    }

    constexpr int W = 64, H = 32;
    GLuint fbo = 0, colour = 0;
    glGenFramebuffers(1, &fbo);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, W, H);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, W, H);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-2, 2, -1, 1, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    bubbles.Render(2, FALSE, 1);
    std::vector<GLubyte> pixels(W * H * 4);
    glReadPixels(0, 0, W, H, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteRenderbuffers(1, &colour);
    glDeleteFramebuffers(1, &fbo);

    // Bubble centres at x = -1 and 1 (+- 0.1): pixels 16 and 48 of 64, row 16.
    const GLubyte* left = &pixels[(16 * W + 16) * 4];
    const GLubyte* right = &pixels[(16 * W + 48) * 4];
    EXPECT_EQ(left[0], 0);
    EXPECT_EQ(left[2], 255);
    EXPECT_EQ(right[0], 255);
    EXPECT_EQ(right[2], 0);
}

}  // namespace
