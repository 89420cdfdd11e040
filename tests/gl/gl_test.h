// Tests with the test GL context current (gl_fixture.h), no GL error left
// from before, and none made by the test.
#pragma once
#include "gl/gl_fixture.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

class GlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)); }
};
