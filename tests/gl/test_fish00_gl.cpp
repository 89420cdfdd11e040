// The telescope-eye goldfish with a real GL context, drawn as the fish pass
// draws it (its texture replacing the colour): from the side, the front,
// above and behind, and beside the clownfish. Set PV_FISH00_PNG to a file
// name to keep the pictures.
#include "fish/fish_species00.h"
#include "fish/fish_species00_meshes.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
constexpr QRgb kBackground = 0xFF0D1F40;  // qRgb(13, 31, 64)

class Fish00GLTest : public FishPictureFixture {
protected:
    Fish00GLTest() : FishPictureFixture(kWidth, kHeight, kBackground) {}
    void SetUp() override
    {
        FishPictureFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_textures = {LoadFishTexture(0), LoadFishTexture(23)};
    }
    void DrawAt(CFishSpecies00& fish, float x, float y)
    {
        glBindTexture(GL_TEXTURE_2D, m_textures[0]);
        glPushMatrix();
        glTranslatef(x, y, 0.0f);
        fish.Draw(0, 0);
        glPopMatrix();
    }

    std::vector<GLuint> m_textures;
};

// What a picture (or a band of its columns) shows.
struct Census {
    long fish = 0, red = 0, white = 0, orange = 0, dark = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census c;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (p == kBackground)
                continue;
            ++c.fish;
            c.left = std::min(c.left, x);
            c.right = std::max(c.right, x);
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
            if (r > 100 && g < 0.36 * r && b < 0.3 * r)
                ++c.red;
            else if (r > 140 && g > 0.36 * r && g < 0.75 * r && b < 0.6 * g)
                ++c.orange;
            else if (r > 150 && g > 140 && b > 120)
                ++c.white;
            else if (r + g + b < 120)
                ++c.dark;
        }
    return c;
}

// A fish that has swum a few frames, level, facing -x (snout left from the side).
CFishSpecies00 SwimmingFish()
{
    crt::srand(5);
    CFishSpecies00 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0, 0);
    fish.m_fPitch = fish.m_fShownPitch = 0.0f;
    fish.m_fPos[0] = fish.m_fPos[1] = fish.m_fPos[2] = 0.0f;
    return fish;
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH00_PNG", pictures, suffix, 2);
}

TEST_F(Fish00GLTest, TextureIsTheGoldfishPicture)
{
    ExpectTextureSize(m_textures[0], 512, 512);
}

TEST_F(Fish00GLTest, FromEverySideItIsRedAndWhite)
{
    CFishSpecies00 fish = SwimmingFish();
    // Behind and below show mostly the white tail, fins and belly.
    struct View {
        const char* name;
        float x, y, z;
        long least;
        bool red;
    } views[] = {{"side", 0, 0, 12, 9000, true},      {"front", -12, 0, 0, 2500, true},
                 {"above", 0, 12, 0.01f, 4000, true}, {"behind", 12, 0.5f, 0, 2500, false},
                 {"three quarters", -7, 4, 9, 5000, true}, {"below", 0, -12, 0.01f, 4000, false}};
    std::vector<QImage> pictures;
    for (const View& v : views) {
        SCOPED_TRACE(v.name);
        const QImage image = Render(v.x, v.y, v.z, [&] { DrawAt(fish, 0, 0); });
        pictures.push_back(image);
        const Census c = Count(image);
        EXPECT_GT(c.fish, v.least) << "the fish fills part of the view";
        EXPECT_GT(c.white, c.fish / 8) << "white fins and belly";
        if (v.red) {
            EXPECT_GT(c.red, c.fish / 10) << "red skin";
        }
    }
    Keep(pictures, "");
}

// Seen from above, the eyes stand out on their stalks past the sides of the
// head, wider than the body is in its middle.
TEST_F(Fish00GLTest, FromAboveTheEyesStandOutPastTheHead)
{
    CFishSpecies00 fish = SwimmingFish();
    const QImage image = Render(0, 12, 0.01f, [&] { DrawAt(fish, 0, 0); });
    const Census all = Count(image);
    ASSERT_GT(all.fish, 3000);
    // Snout at model x -0.5, the tail's end near 0.45: the picture's columns
    // over the eye balls and over the middle of the body.
    auto column = [&](float x) { return all.left + int((x + 0.5f) / 0.95f * (all.right - all.left)); };
    const Census eyes = Count(image, column(-0.43f), column(-0.35f));
    const Census middle = Count(image, column(-0.06f), column(0.0f));
    const int eyeSpan = eyes.bottom - eyes.top, middleSpan = middle.bottom - middle.top;
    EXPECT_GT(eyeSpan, middleSpan * 5 / 4) << "eyes " << eyeSpan << ", middle " << middleSpan;
    Keep({image}, "-above");
}

TEST_F(Fish00GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies00 gold = SwimmingFish();
    crt::srand(5);
    CFishSpecies23 clown;
    clown.SetSwimBox(-50, 50, 3, -22, -75, -80);
    for (int i = 0; i < 30; ++i)
        clown.Draw(0);
    clown.m_fPitch = clown.m_fShownPitch = 0.0f;
    auto scene = [&] {
        DrawAt(gold, -3.4f, 0);
        glBindTexture(GL_TEXTURE_2D, m_textures[1]);
        glPushMatrix();
        glTranslatef(3.4f, 0.0f, 0.0f);
        clown.Draw(0);
        glPopMatrix();
    };
    const QImage side = Render(0, 0, 17, scene);
    const Census g = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(g.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(g.orange, g.fish / 6) << "the goldfish is red and white, not orange";
    EXPECT_GT(g.white, g.fish / 5);
    // A short deep body with long fins beside a long, low fish.
    const float goldAspect = float(g.bottom - g.top) / float(g.right - g.left);
    const float clownAspect = float(c.bottom - c.top) / float(c.right - c.left);
    EXPECT_GT(goldAspect, clownAspect + 0.15f);
    Keep({side, Render(-7, 4, 15, scene)}, "-pair");
}

}  // namespace
