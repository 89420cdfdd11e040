// The player's background pictures as textures: each kind decoded, the
// texture the back wall needs (powers of two, mipmaps, bottom row first),
// and files that are no whole picture refused with a reason and nothing
// changed.
#include "gfx/user_picture.h"
#include "gl/gl_test.h"
#include "gl/picture_files.h"
#include "support/hostile_files.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QColor kTop(200, 40, 40);
const QColor kBottom(40, 40, 200);

// 48 x 20: the upper half red, the lower half blue.
QImage TwoBands(int w = 48, int h = 20)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w, h / 2, kTop);
    p.fillRect(0, h / 2, w, h - h / 2, kBottom);
    return image;
}

class UserPictureTest : public GlTest {
protected:
    void TearDown() override
    {
        GlTest::TearDown();
        DeletePictureTexture(texture);
    }
    GLint Level(GLenum what, int level = 0)
    {
        GLint v = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, what, &v);
        return v;
    }
    // The colour of texel row `row` of level 0, in its middle.
    QColor Texel(int row)
    {
        const int w = Level(GL_TEXTURE_WIDTH), h = Level(GL_TEXTURE_HEIGHT);
        std::vector<unsigned char> rgba(size_t(w) * h * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        const unsigned char* p = &rgba[(size_t(row) * w + w / 2) * 4];
        return QColor(p[0], p[1], p[2]);
    }
    static bool Near(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
               std::abs(a.blue() - b.blue()) < 24;
    }

    ScratchDir dir;
    GLuint texture = 0;
};

struct Kind {
    const char* name;
    std::string (*make)(const QImage&);
};

class PictureKindTest : public UserPictureTest, public testing::WithParamInterface<Kind> {};

TEST_P(PictureKindTest, LoadsIntoAMipmappedPowerOfTwoTexture)
{
    const std::string bytes = GetParam().make(TwoBands());
    ASSERT_FALSE(bytes.empty());
    const std::string path = dir.Write(std::string("picture.") + GetParam().name, bytes);
    glBindTexture(GL_TEXTURE_2D, 0);
    std::string problem = "unchanged";
    texture = LoadPictureTexture(path.c_str(), &problem);
    ASSERT_NE(texture, 0u) << problem;
    EXPECT_NE(texture, GLuint(-1));
    EXPECT_EQ(problem, "");
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0) << "the binding is left as it was";

    glBindTexture(GL_TEXTURE_2D, texture);
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 64);
    EXPECT_EQ(Level(GL_TEXTURE_HEIGHT), 32);
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH, 1), 32) << "mipmaps";
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_TRUE(minFilter == GL_LINEAR_MIPMAP_LINEAR || minFilter == GL_LINEAR_MIPMAP_NEAREST) << minFilter;
    // Row 0 of a GL texture is the bottom of the picture.
    EXPECT_TRUE(Near(Texel(2), kBottom)) << Texel(2).name().toStdString();
    EXPECT_TRUE(Near(Texel(29), kTop)) << Texel(29).name().toStdString();
    glBindTexture(GL_TEXTURE_2D, 0);
}

std::string Jpeg(const QImage& i) { return Written(i, "jpg"); }
std::string ProgressiveJpeg(const QImage& i) { return Written(i, "jpg", true); }
std::string Png(const QImage& i) { return Written(i, "png"); }

INSTANTIATE_TEST_SUITE_P(Kinds, PictureKindTest,
                         testing::Values(Kind{"jpg", Jpeg}, Kind{"progressive_jpg", ProgressiveJpeg},
                                         Kind{"png", Png}, Kind{"interlaced_png", InterlacedPng},
                                         Kind{"bmp", Bmp24}),
                         [](const auto& info) { return std::string(info.param.name); });

// A photo's full size is more than the back wall shows: a picture wider
// than 2048 pixels is shrunk to 2048 (keeping its shape), whatever its kind.
TEST_F(UserPictureTest, LargePicturesAreShrunkToTheLargestSide)
{
    const QImage wide = TwoBands(4100, 100);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"wide.jpg", Written(wide, "jpg")},
        {"wide-p.jpg", Written(wide, "jpg", true)},
        {"wide.png", InterlacedPng(wide)},
        {"wide.bmp", Bmp24(wide)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const GLuint t = LoadPictureTexture(dir.Write(c.name, c.bytes).c_str());
        ASSERT_NE(t, 0u);
        glBindTexture(GL_TEXTURE_2D, t);
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 2048);
        EXPECT_EQ(Level(GL_TEXTURE_HEIGHT), 64) << "49 or 50 rows, rounded up";
        EXPECT_TRUE(Near(Texel(3), kBottom)) << Texel(3).name().toStdString();
        EXPECT_TRUE(Near(Texel(60), kTop)) << Texel(60).name().toStdString();
        glBindTexture(GL_TEXTURE_2D, 0);
        DeletePictureTexture(t);
    }
}

TEST_F(UserPictureTest, FilesThatAreNoWholePictureAreRefusedWithAReason)
{
    const std::string jpeg = Written(TwoBands(400, 300), "jpg");
    const std::string progressive = Written(TwoBands(400, 300), "jpg", true);
    const std::string png = Written(TwoBands(), "png");
    const std::string bmp = Bmp24(TwoBands());
    auto withBmpField = [&bmp](size_t at, uint32_t v, int n) {
        std::string b = bmp;
        for (int i = 0; i < n; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
        return b;
    };
    auto withPngSize = [&png](uint32_t w, uint32_t h) {
        std::string b = png;
        for (int i = 0; i < 4; ++i) {
            b[16 + i] = char((w >> (24 - 8 * i)) & 0xFF);
            b[20 + i] = char((h >> (24 - 8 * i)) & 0xFF);
        }
        return b;  // its CRC no longer matches either
    };
    std::vector<HostileFile> hostile = MakeHostileFiles(dir, ".png", uint64_t(128) << 20, png);
    const struct {
        const char* name;
        std::string path;
        const char* why;
    } table[] = {
        {"missing", dir.File("missing.jpg"), "does not exist"},
        {"empty", dir.Write("empty.png", ""), "not a JPEG"},
        {"text named .jpg", dir.Write("notes.jpg", "A picture of the reef, in words.\n"), "not a JPEG"},
        {"jpeg cut in half", dir.Write("half.jpg", jpeg.substr(0, jpeg.size() / 2)), "cut short"},
        {"jpeg without its end", dir.Write("noend.jpg", jpeg.substr(0, jpeg.size() - 2)), "cut short"},
        {"progressive jpeg cut", dir.Write("half-p.jpg", progressive.substr(0, progressive.size() * 2 / 3)),
         "cut short"},
        {"png cut", dir.Write("cut.png", png.substr(0, png.size() - 20)), "cut short"},
        {"png of a huge size", dir.Write("huge.png", withPngSize(100000, 100000)), "too large"},
        {"bmp header size 0", dir.Write("h0.bmp", withBmpField(14, 0, 4)), "header is damaged"},
        {"bmp width 0", dir.Write("w0.bmp", withBmpField(18, 0, 4)), "header is damaged"},
        {"bmp of 7 bits", dir.Write("b7.bmp", withBmpField(28, 7, 2)), "header is damaged"},
        {"bmp pixels past the end", dir.Write("tall.bmp", withBmpField(22, 4000, 4)), "cut short"},
        {"bmp offset past the end", dir.Write("off.bmp", withBmpField(10, 0x7FFFFFF0, 4)), "cut short"},
        {"bmp of a huge size", dir.Write("huge.bmp", withBmpField(18, 0x40000000, 4)), "too large"},
    };
    for (const auto& c : table)
        hostile.push_back({c.name, c.path, c.why});
    // A blocking open or an endless read fails the test instead of hanging it.
    alarm(60);
    GLuint other = 0;
    glGenTextures(1, &other);
    for (const HostileFile& c : hostile) {
        SCOPED_TRACE(c.name);
        glBindTexture(GL_TEXTURE_2D, other);
        std::string problem;
        EXPECT_EQ(LoadPictureTexture(c.path.c_str(), &problem), 0u);
        EXPECT_NE(problem.find(c.why), std::string::npos) << problem;
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(GLuint(bound), other);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    alarm(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &other);
}

TEST_F(UserPictureTest, LongPathsAndDataAfterTheEndAreFine)
{
    const std::string folder(150, 'f');
    std::filesystem::create_directories(dir.File(folder));
    // Some cameras leave bytes after the end of the picture.
    const std::string path = dir.Write(folder + "/reef.jpg", Written(TwoBands(), "jpg") + "trailing bytes");
    ASSERT_GT(path.size(), 128u);
    std::string problem;
    texture = LoadPictureTexture(path.c_str(), &problem);
    EXPECT_NE(texture, 0u) << problem;
}

TEST_F(UserPictureTest, DeletingFreesTheTexture)
{
    texture = LoadPictureTexture(dir.Write("a.png", Written(TwoBands(), "png")).c_str());
    ASSERT_NE(texture, 0u);
    EXPECT_TRUE(glIsTexture(texture));
    DeletePictureTexture(texture);
    EXPECT_FALSE(glIsTexture(texture));
    texture = 0;
    DeletePictureTexture(0);
}

}  // namespace
