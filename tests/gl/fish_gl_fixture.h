// Set-up shared by the GL tests of fish classes: a current context with
// framebuffer objects, no stale GL error, and the species' built-in textures.
#pragma once
#include "gfx/builtin_texture.h"
#include "gfx/settings.h"
#include "gfx/texture.h"
#include "gl/gl_fixture.h"

#include <gtest/gtest.h>
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
