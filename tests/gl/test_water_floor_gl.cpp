// The floor sheet with a real GL context: its display lists, its textures, and
// how it looks with the floor picture bound on texture unit 1 as the game
// window binds it. Set PV_FLOOR_PNG to a file name to keep the render.
#include "gfx/resource_file.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "scenery/water_floor.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

class WaterFloorGLTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)); }

    CWaterFloor floor;
};

TEST_F(WaterFloorGLTest, EachStyleChangeReplacesTheListAndDeletesTheOldOne)
{
    floor.Init(100, 50, 1);
    ASSERT_NE(floor.m_nList, 0u);
    EXPECT_TRUE(glIsList(floor.m_nList));

    const GLuint first = floor.m_nList;
    floor.SetStyle(0);  // the current style
    EXPECT_EQ(floor.m_nList, first);

    std::set<GLuint> names{first};
    for (int style : {1, 2, 3, 5, 0, 2}) {
        floor.SetStyle(style);
        names.insert(floor.m_nList);
        EXPECT_TRUE(glIsList(floor.m_nList)) << style;
    }
    for (GLuint name : names)
        EXPECT_EQ(glIsList(name) == GL_TRUE, name == floor.m_nList) << "list " << name;
}

TEST_F(WaterFloorGLTest, MissingPicturesLeaveEmptyTexturesAndNoTemporaryFiles)
{
    floor.Init(100, 50, 1);
    const std::string folder = GetTempFolder();
    ASSERT_FALSE(folder.empty());
    for (GLuint texture : {floor.m_texWater, floor.m_texLightRay, floor.m_texLightSpot}) {
        ASSERT_NE(texture, 0u);
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint width = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        EXPECT_EQ(width, 0) << texture;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    for (const char* name : {"Water", "GuangXian", "guangban0"})
        for (const char* ext : {".ad", ".bmp"})
            EXPECT_NE(std::system(("test -e '" + folder + name + ext + "'").c_str()), 0) << name << ext;
    EXPECT_EQ(floor.m_texSheet, 0u);
}

// ---- the sheet on screen ---------------------------------------------------

constexpr int kWidth = 480, kHeight = 360;

using Target = OffscreenTarget;

// A built-in floor picture loaded as the game window loads it.
GLuint LoadFloorPicture(int style)
{
    static const int ids[4] = {154, 155, 261, 263};
    const std::string folder = GetTempFolder();
    const std::string name = "BackGround" + std::to_string(style);
    GLuint texture = 0;
    ExtractResourceFile(ids[style], folder, name);
    LoadMipmapTexture((folder + name + ".bmp").c_str(), &texture);
    DeleteTempFile(folder + name + ".ad");
    DeleteTempFile(folder + name + ".bmp");
    return texture;
}

// The tank's camera and the scene pass's call: picture on unit 1, sheet at
// (0, tank bottom, -50).
QImage RenderSheet(CWaterFloor& floor, int style, GLuint picture)
{
    Target target(kWidth, kHeight);
    if (!target.Complete())
        return {};
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const double aspect = double(kWidth) / kHeight;
    glFrustum(-0.4 * aspect, 0.4 * aspect, -0.4, 0.4, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(0, 0, -5, 0, 0, -500, 0, 1, 0);

    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, picture);
    glPushMatrix();
    glTranslatef(0.0f, -22.0f, -50.0f);
    floor.SetStyle(style);
    floor.Draw();
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    return target.Read();
}

struct PixelSpread {
    long covered = 0;  // pixels the sheet drew
    double deviation = 0;  // of their brightness
    size_t colours = 0;
};

PixelSpread Spread(const QImage& image)
{
    PixelSpread out;
    std::set<QRgb> colours;
    double sum = 0, sumSquares = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int brightness = qRed(p) + qGreen(p) + qBlue(p);
            if (brightness == 0)
                continue;
            ++out.covered;
            sum += brightness;
            sumSquares += double(brightness) * brightness;
            colours.insert(p & 0xFFFFFF);
        }
    }
    out.colours = colours.size();
    if (out.covered) {
        const double mean = sum / out.covered;
        out.deviation = std::sqrt(std::max(0.0, sumSquares / out.covered - mean * mean));
    }
    return out;
}

TEST_F(WaterFloorGLTest, SheetShowsTheFloorPictureBoundOnUnitOne)
{
    if (!glGenFramebuffers)
        GTEST_SKIP() << "no framebuffer objects";
    floor.Init(100, 50, 1);
    std::vector<QImage> renders;
    for (int style : {1, 2, 3, 0}) {
        const GLuint picture = LoadFloorPicture(style);
        GLint width = 0;
        glBindTexture(GL_TEXTURE_2D, picture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glBindTexture(GL_TEXTURE_2D, 0);
        ASSERT_EQ(width, 512) << "floor picture " << style;

        const QImage textured = RenderSheet(floor, style, picture);
        const QImage plain = RenderSheet(floor, style, 0);
        glDeleteTextures(1, &picture);
        ASSERT_FALSE(textured.isNull());
        renders.push_back(textured);

        const PixelSpread seen = Spread(textured), flat = Spread(plain);
        SCOPED_TRACE(testing::Message() << "style " << style);
        // The sheet fills the lower part of the view, from its bottom edge up to the far end.
        EXPECT_GT(seen.covered, kWidth * kHeight / 5);
        EXPECT_GT(flat.covered, kWidth * kHeight / 5);
        // Untextured it is one colour; with the picture it is ground (the tint
        // keeps one or two channels of it, so the spread is that of those).
        EXPECT_LE(flat.colours, 2u);
        EXPECT_GT(seen.colours, 40u);
        EXPECT_GT(seen.deviation, 4.0);
    }

    if (const char* path = std::getenv("PV_FLOOR_PNG")) {
        QImage sheet(kWidth * 2, kHeight * 2, QImage::Format_RGBA8888);
        for (int k = 0; k < 4; ++k)
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    sheet.setPixel((k % 2) * kWidth + x, (k / 2) * kHeight + y, renders[k].pixel(x, y));
        EXPECT_TRUE(sheet.save(path));
    }
}

}  // namespace
