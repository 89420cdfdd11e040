// The blue ram with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): from the side, the front and above, beside
// the clownfish, and its eye twitch on the GL matrix. Set PV_FISH05_PNG to a
// file name to keep the pictures.
#include "fish/fish_species05.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish05GLTest : public FishPictureFixture {
protected:
    Fish05GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {5, 23}) {}
    void DrawRam(CFishSpecies05& fish, float x = 0, float y = 0)
    {
        DrawAt(fish, Texture(5), x, y);
    }
};

// What a picture (or a part of it) shows: the fish's pixels by colour.
struct Census : FishCensus {
    long gold = 0, blue = 0, black = 0, red = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 130)
            ++c.black;
        else if (b > r + 10 && b > g - 10 && b > 90)
            ++c.blue;
        else if (r > 120 && g > 0.62 * r && b < 0.55 * g)
            ++c.gold;
        else if (r > 140 && g > 0.3 * r && g <= 0.62 * r && b < 0.6 * g)
            ++c.orange;
        else if (r > 110 && g < 0.35 * r && b < 0.35 * r)
            ++c.red;
    });
}

CFishSpecies05 SwimmingRam()
{
    return SettledFish<CFishSpecies05>();
}

TEST_F(Fish05GLTest, SeenFromTheSideTheFrontAndAboveItShowsAGoldAndBlueRamWithItsBlackMarks)
{
    CFishSpecies05 fish = SwimmingRam();
    const auto draw = [&] { DrawRam(fish); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(9), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 8000 : 1000) << "the fish fills part of the view";
            if (v.side) {
                EXPECT_GT(c.gold + c.orange, c.fish / 8) << "a golden head and breast";
                EXPECT_GT(c.blue, c.fish / 10) << "violet-blue and spangled";
                EXPECT_GT(c.black, c.fish / 60) << "the eye bar, the blotch, the dorsal's first rays";
                EXPECT_GT(c.red, 30) << "the red eye and fin rims";
                // A deep body, still longer than tall with its fins.
                const float aspect = float(c.bottom - c.top) / float(c.right - c.left);
                EXPECT_GT(aspect, 0.45f);
                EXPECT_LT(aspect, 0.85f);
            }
        });
    KeepPictures("PV_FISH05_PNG", pictures, "", 2);
}

TEST_F(Fish05GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies05 ram = SwimmingRam();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    auto scene = [&] {
        DrawRam(ram, -3.0f, 0);
        DrawAt(clown, Texture(23), 3.0f, 0);
    };
    std::vector<QImage> pictures;
    const QImage side = Render(0, 0, 15, 40.0f, scene);
    pictures.push_back(side);
    pictures.push_back(Render(-7, 4, 13, 40.0f, scene));
    const Census r = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(r.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(r.orange, r.fish / 5) << "the ram is not";
    EXPECT_GT(r.blue, 4 * c.blue + 100) << "the ram is the blue one";
    KeepPictures("PV_FISH05_PNG", pictures, "-pair", 2);
}

// An eye's twitch moves the current matrix in x and y and leaves it moved
// (Draw's pop takes it back), never in z.
TEST_F(Fish05GLTest, AnEyeTwitchTranslatesTheMatrixUntilDrawPopsIt)
{
    CFishSpecies05 fish;
    fish.m_nSize = 7;
    unsigned seed = 1;
    for (;; ++seed) {
        crt::srand(seed);
        if (crt::rand() % 40 == 0)
            break;
    }
    crt::srand(seed);
    crt::rand();
    const int x = crt::rand() % 10, y = crt::rand() % 10;

    const FishFrame frame;
    float m[16];
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    crt::srand(seed);
    fish.DrawPart10(frame);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(m[12], x * 7 * 0.001f);
    EXPECT_FLOAT_EQ(m[13], y * 7 * 0.001f);
    EXPECT_EQ(m[14], 0.0f);
    glLoadIdentity();
    crt::srand(seed + 1000);
    if (crt::rand() % 40 != 0) {  // no twitch: the matrix stays
        crt::srand(seed + 1000);
        fish.DrawPart11(frame);
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        EXPECT_EQ(m[12], 0.0f);
        EXPECT_EQ(m[13], 0.0f);
    }
    // A whole Draw leaves the matrix as it found it, twitch or not.
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    crt::srand(seed);
    fish.Draw();
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[12], 1.0f);
    EXPECT_EQ(m[13], 2.0f);
    EXPECT_EQ(m[14], 3.0f);
    glPopMatrix();
}

}  // namespace
