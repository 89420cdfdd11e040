// The angelfish with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): from the side, the front and above, and
// beside the clownfish. Set PV_FISH03_PNG to a file name to keep the pictures.
#include "fish/fish_species03.h"
#include "fish/fish_species23.h"
#include "gfx/builtin_texture.h"
#include "gfx/texture.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"
#include "settings/settings.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish03GLTest : public FishPictureFixture {
protected:
    Fish03GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {3, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long silver = 0, black = 0, orange = 0, red = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 140 && g > 0.3 * r && g < 0.75 * r && b < 0.6 * g)
            ++c.orange;
        else if (r > 110 && g < 0.28 * r && b < 0.28 * r)
            ++c.red;
        else if (r > 110 && g > 110 && b > 110 && std::abs(r - b) < 40 && std::abs(r - g) < 30)
            ++c.silver;
        else if (r + g + b < 130)
            ++c.black;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH03_PNG", pictures, suffix, 2);
}

TEST_F(Fish03GLTest, TextureIsTheAngelfishPicture)
{
    ExpectTextureSize(Texture(3), 512, 512);
}

TEST_F(Fish03GLTest, SeenFromTheSideTheFrontAndAboveItShowsSilverWithBlackBars)
{
    CFishSpecies03 fish = SettledFish<CFishSpecies03>();
    const auto draw = [&] { DrawAt(fish, Texture(3), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 8000 : 1500) << "the fish fills part of the view";
            EXPECT_LT(c.orange, c.fish / 100) << "no clownfish orange";
            EXPECT_GT(c.silver, c.fish / 4) << "silver and grey";
            if (v.side) {
                EXPECT_GT(c.black, c.fish / 12) << "black bars";
                EXPECT_GT(c.red, 20) << "the red eye";
                // Fins included, an angelfish stands taller than it is long.
                EXPECT_GT(c.bottom - c.top, c.right - c.left) << "taller than long";
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish03GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies03 angel = SettledFish<CFishSpecies03>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    std::vector<QImage> pictures;
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawAt(angel, Texture(3), -3.2f, 0);
        DrawAt(clown, Texture(23), 3.2f, 0);
    });
    pictures.push_back(side);
    pictures.push_back(Render(-7, 4, 14, 40.0f, [&] {
        DrawAt(angel, Texture(3), -3.2f, 0);
        DrawAt(clown, Texture(23), 3.2f, 0);
    }));
    const Census a = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(a.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(a.orange, a.fish / 100) << "the angelfish is not";
    EXPECT_GT(a.silver, a.fish / 3) << "the angelfish is silver";
    // Shapes: a tall disc with long fins beside a long, low fish.
    const float angelAspect = float(a.bottom - a.top) / float(a.right - a.left);
    const float clownAspect = float(c.bottom - c.top) / float(c.right - c.left);
    EXPECT_GT(angelAspect, 1.0f);
    EXPECT_LT(clownAspect, 0.6f);
    Keep(pictures, "-pair");
}

}  // namespace
