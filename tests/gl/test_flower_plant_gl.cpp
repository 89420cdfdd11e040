// The flower plant's own picture and material with a real GL context: which
// files fill its texture (and the one line each other file gets), that the
// picture is looked for beside the program, and what ApplyMaterial sets.
#include "gfx/bmp_fixture.h"
#include "gl/plant_gl.h"
#include "platform/shell.h"
#include "scenery/flower_plant.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class FlowerGLTest : public plant_gl::PlantsGLTest {
protected:
    void SetUp() override
    {
        plant_gl::PlantsGLTest::SetUp();
        glGenTextures(1, &texture_);
        glBindTexture(GL_TEXTURE_2D, texture_);
    }
    void TearDown() override
    {
        glDeleteTextures(1, &texture_);
        plant_gl::PlantsGLTest::TearDown();
    }
    static GLint Width()
    {
        GLint w = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        return w;
    }
    GLuint texture_ = 0;
};

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST_F(FlowerGLTest, PicturesThatCannotBeReadGetOneLineAndNoImage)
{
    auto patched = [](BmpSpec spec, size_t field, uint32_t value, int bytes) {
        std::vector<uint8_t> file = MakeBmp(spec);
        PutLe(file, field, value, bytes);
        return file;
    };
    BmpSpec small;
    small.width = 6;
    small.height = 3;
    BmpSpec indexed = small;
    indexed.bitCount = 8;
    indexed.palette = RampPalette(16);
    indexed.clrUsed = 16;
    indexed.pixel = [](int, int) { return Bgra{5}; };
    std::vector<uint8_t> headerOnly = MakeBmp(small);
    headerOnly.resize(14);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool loads;
        const char* says;
    };
    const Case cases[] = {
        {"24 bits", MakeBmp(small), true, ""},
        {"8 bits, 16 colours", MakeBmp(indexed), true, ""},
        {"a palette count far past the file", patched(indexed, bmpfield::kClrUsed, 0x40000000, 4), false, "not an"},
        {"16 bits a pixel", patched(small, bmpfield::kBitCount, 16, 2), false, "not an"},
        {"a height past the file", patched(small, bmpfield::kHeight, 3000, 4), false, "not an"},
        {"the file header alone", headerOnly, false, "not an"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempBmp file(c.bytes);
        testing::internal::CaptureStderr();
        EXPECT_EQ(CFlowerPlant::LoadTextureFile(file.path()), c.loads ? TRUE : FALSE);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Width(), c.loads ? 8 : 0);
        EXPECT_EQ(Lines(said), c.loads ? 0u : 1u) << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        if (!c.loads) {
            EXPECT_NE(said.find(file.path()), std::string::npos) << said;
        }
        glDeleteTextures(1, &texture_);
        glGenTextures(1, &texture_);
        glBindTexture(GL_TEXTURE_2D, texture_);
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(CFlowerPlant::LoadTextureFile("/nonexistent/KikuM0.mp_0.bmp"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lines(said), 1u);
    EXPECT_NE(said.find("missing"), std::string::npos) << said;
}

TEST_F(FlowerGLTest, LoadTextureReadsThePictureBesideTheProgramNotTheWorkingFolder)
{
    // A 4 x 2 picture beside the test program; the working folder is elsewhere.
    BmpSpec s;
    s.width = 4;
    s.height = 2;
    const std::string beside = CFlowerPlant::PicturePath();
    ASSERT_EQ(beside, GetProgramFolder() + "KikuM0.mp_0.bmp");
    ASSERT_FALSE(std::filesystem::exists(beside));
    {
        std::ofstream f(beside, std::ios::binary);
        const std::vector<uint8_t> bytes = MakeBmp(s);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    const std::filesystem::path here = std::filesystem::current_path();
    const std::filesystem::path elsewhere = std::filesystem::path(GetProgramFolder()).parent_path().parent_path();
    std::filesystem::current_path(elsewhere);
    const GLuint before = g_FlowerTextures[0].name;
    testing::internal::CaptureStderr();
    EXPECT_EQ(CFlowerPlant::LoadTexture(), TRUE);
    const std::string said = testing::internal::GetCapturedStderr();
    std::filesystem::current_path(here);
    std::filesystem::remove(beside);

    EXPECT_TRUE(said.empty()) << said;
    EXPECT_NE(g_FlowerTextures[0].name, before);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), g_FlowerTextures[0].name);
    EXPECT_EQ(Width(), 4);
    glDeleteTextures(1, &g_FlowerTextures[0].name);
    g_FlowerTextures[0].name = 0;
}

TEST_F(FlowerGLTest, ApplyMaterialSetsTheRecordAndBindsItsTexture)
{
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT);
    g_FlowerTextures[0].name = texture_;
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    CFlowerPlant::ApplyMaterial(0);
    GLfloat emission[4] = {}, shininess = 0;
    glGetMaterialfv(GL_BACK, GL_EMISSION, emission);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(emission[0], 1.0f);
    EXPECT_FLOAT_EQ(emission[3], 1.0f);  // the record's alpha
    EXPECT_NEAR(shininess, 24.2515f, 1e-4f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), texture_);

    // A record without a texture turns texturing off; records past the table change nothing.
    g_FlowerMaterials[0].texture = -1;
    CFlowerPlant::ApplyMaterial(0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    g_FlowerMaterials[0].texture = 0;
    const GLfloat red[4] = {1, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, red);
    for (int index : {-1, 1, 7}) {
        CFlowerPlant::ApplyMaterial(index);
        glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
        EXPECT_FLOAT_EQ(emission[1], 0.0f) << index;
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << index;
    }
    g_FlowerTextures[0].name = 0;
    glPopAttrib();
}

}  // namespace
