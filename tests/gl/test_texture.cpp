#include "gfx/bmp_fixture.h"
#include "gfx/texture.h"
#include "gl/gl_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class TextureTest : public testing::Test {
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
        if (texture_)
            glDeleteTextures(1, &texture_);
    }

    GLint Level(GLenum what, int level = 0)
    {
        GLint v = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, what, &v);
        return v;
    }
    GLint Param(GLenum what)
    {
        GLint v = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, what, &v);
        return v;
    }
    // Level `level` of the bound texture as tightly packed bytes.
    std::vector<uint8_t> Texels(GLenum format, int channels, int level = 0)
    {
        std::vector<uint8_t> out(size_t(Level(GL_TEXTURE_WIDTH, level)) * Level(GL_TEXTURE_HEIGHT, level) * channels);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, out.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        return out;
    }
    void LoadBmp(const BmpSpec& spec)
    {
        TempBmp file(MakeBmp(spec));
        LoadBmpTexture(file.path(), &texture_);
    }

    GLuint texture_ = 0;
};

BmpSpec Uniform(int w, int h, int bits, Bgra colour)
{
    BmpSpec s;
    s.width = w;
    s.height = h;
    s.bitCount = bits;
    s.pixel = [=](int, int) { return colour; };
    return s;
}

void ExpectAllNear(const std::vector<uint8_t>& texels, std::vector<uint8_t> want)
{
    ASSERT_FALSE(texels.empty());
    for (size_t i = 0; i < texels.size(); ++i) {
        if (std::abs(int(texels[i]) - int(want[i % want.size()])) > 1) {
            ADD_FAILURE() << "byte " << i << " is " << int(texels[i]) << ", want " << int(want[i % want.size()]);
            return;
        }
    }
}

TEST_F(TextureTest, SidesBecomePowersOfTwoUpTo512)
{
    struct Case {
        int w, h, bits, wantW, wantH, components;  // the internal format is the component count
    };
    const Case cases[] = {
        {64, 64, 24, 64, 64, 3},   {100, 60, 24, 128, 64, 3}, {1000, 300, 24, 512, 512, 3},
        {1, 1, 24, 2, 2, 3},       {64, 32, 32, 64, 32, 4},  {33, 17, 32, 64, 32, 4},
        {16, 16, 8, 16, 16, 3},    {5, 600, 8, 8, 512, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << ", " << c.bits << " bits");
        BmpSpec s = Uniform(c.w, c.h, c.bits, Bgra{1, 2, 3, 4});
        if (c.bits == 8)
            s.palette = RampPalette(256);
        LoadBmp(s);
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), c.wantW);
        EXPECT_EQ(Level(GL_TEXTURE_HEIGHT), c.wantH);
        EXPECT_EQ(Level(GL_TEXTURE_INTERNAL_FORMAT), c.components);
        EXPECT_EQ(Param(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(Param(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        glDeleteTextures(1, &texture_);
        texture_ = 0;
    }
}

TEST_F(TextureTest, UnscaledUploadTakesPaddedRowsInBgrOrder)
{
    // 2 pixels of 3 bytes: each row padded to 8 bytes in the file.
    BmpSpec s;
    s.width = 2;
    s.height = 2;
    s.pixel = [](int x, int y) { return Bgra{uint8_t(10 + x), uint8_t(20 + y), uint8_t(30 + x + 2 * y), 0}; };
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // a caller's setting must neither matter nor be lost
    LoadBmp(s);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const std::vector<uint8_t> want = {30, 20, 10, 31, 20, 11, 32, 21, 10, 33, 21, 11};
    EXPECT_EQ(Texels(GL_RGB, 3), want);
}

TEST_F(TextureTest, ScaledImagesKeepTheirColours)
{
    struct Case {
        int w, h, bits;
        std::vector<uint8_t> want;  // RGBA
    };
    const Case cases[] = {
        {100, 60, 24, {200, 100, 10, 255}},
        {6, 3, 24, {200, 100, 10, 255}},
        {100, 60, 32, {200, 100, 10, 77}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << ", " << c.bits << " bits");
        LoadBmp(Uniform(c.w, c.h, c.bits, Bgra{10, 100, 200, 77}));
        ExpectAllNear(Texels(GL_RGBA, 4), c.want);
        glDeleteTextures(1, &texture_);
        texture_ = 0;
    }
}

TEST_F(TextureTest, EightBitImageUploadsItsPaletteColours)
{
    BmpSpec s;
    s.width = 4;
    s.height = 2;
    s.bitCount = 8;
    s.palette = RampPalette(8);
    s.clrUsed = 8;
    s.pixel = [](int x, int y) { return Bgra{uint8_t(x + 4 * y), 0, 0, 0}; };
    LoadBmp(s);
    ASSERT_EQ(Level(GL_TEXTURE_WIDTH), 4);
    std::vector<uint8_t> want;
    for (const Bgra& c : s.palette)
        want.insert(want.end(), {c.r, c.g, c.b});
    EXPECT_EQ(Texels(GL_RGB, 3), want);
}

TEST_F(TextureTest, PaddedEightBitImageScalesThroughItsPalette)
{
    BmpSpec s = Uniform(6, 3, 8, Bgra{2, 0, 0, 0});
    s.palette = RampPalette(4);
    s.clrUsed = 4;
    LoadBmp(s);
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 8);
    EXPECT_EQ(Level(GL_TEXTURE_HEIGHT), 4);
    ExpectAllNear(Texels(GL_RGB, 3), {s.palette[2].r, s.palette[2].g, s.palette[2].b});
}

TEST_F(TextureTest, UnreadableFileLeavesTheTextureWithoutAnImage)
{
    std::vector<uint8_t> bytes = MakeBmp(Uniform(4, 4, 24, Bgra{}));
    bytes.resize(bytes.size() - 1);
    TempBmp cut(bytes);
    for (const char* path : {"/nonexistent/pv.bmp", cut.path()}) {
        SCOPED_TRACE(path);
        LoadBmpTexture(path, &texture_);
        EXPECT_NE(texture_, 0u);
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 0);
        glDeleteTextures(1, &texture_);
        LoadMipmapTexture(path, &texture_);
        EXPECT_NE(texture_, 0u);
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 0);
        glDeleteTextures(1, &texture_);
        texture_ = 0;
    }
}

TEST_F(TextureTest, MipmapTextureMakesPureBlackTransparent)
{
    // Left half pure black, right half (0, 0, 1).
    BmpSpec s;
    s.width = 4;
    s.height = 4;
    s.pixel = [](int x, int) { return x < 2 ? Bgra{} : Bgra{1, 0, 0, 0}; };
    TempBmp file(MakeBmp(s));
    LoadMipmapTexture(file.path(), &texture_);
    ASSERT_EQ(Level(GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH, 2), 1);
    const std::vector<uint8_t> texels = Texels(GL_RGBA, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const uint8_t* t = &texels[4 * (4 * y + x)];
            EXPECT_EQ(t[2], x < 2 ? 0 : 1);
            EXPECT_EQ(t[3], x < 2 ? 0 : 255) << "texel " << x << ", " << y;
        }
    }
    EXPECT_EQ(Param(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(Param(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(Param(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(Param(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(TextureTest, BlankTextureIs128SquareOfZeros)
{
    texture_ = CreateBlankTexture();
    ASSERT_NE(texture_, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture_);
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 128);
    EXPECT_EQ(Level(GL_TEXTURE_HEIGHT), 128);
    EXPECT_EQ(Level(GL_TEXTURE_INTERNAL_FORMAT), 4);
    EXPECT_EQ(Texels(GL_RGBA, 4), std::vector<uint8_t>(128 * 128 * 4, 0));
    EXPECT_EQ(Param(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(Param(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

}  // namespace
