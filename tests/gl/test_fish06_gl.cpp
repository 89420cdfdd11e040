// The lyretail killifish with a real GL context, drawn as the fish pass draws
// it (its texture replacing the colour): from the side, the front, above,
// behind and below, and beside the clownfish (the turn test of every species
// takes it through a turn). Set PV_FISH06_PNG to a file name to keep the
// pictures.
#include "fish/fish_species06.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish06GLTest : public FishPictureFixture {
protected:
    Fish06GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {6, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census {
    long orange = 0, teal = 0, red = 0, pale = 0;
    FishBounds fish;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census c;
    c.fish = ForEachFishPixel(image, kBackground, x0, x1, [&c](int r, int g, int b) {
        if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
            ++c.orange;  // the clownfish's
        else if (g > r + 10 && b > r)
            ++c.teal;
        else if (r > 100 && g < 0.35 * r && b < 0.45 * r)
            ++c.red;
        else if (r > 200 && g > 190 && b > 150)
            ++c.pale;
    });
    return c;
}

TEST_F(Fish06GLTest, TextureIsTheKillifishPicture)
{
    ExpectTextureSize(Texture(6), 512, 256);
}

TEST_F(Fish06GLTest, SeenFromEverySideItIsOneLongSpottedFish)
{
    CFishSpecies06 fish = SettledFish<CFishSpecies06>();
    const auto draw = [&] { DrawFishAt(fish, Texture(6), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 30.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish.pixels, v.side ? 5000 : 800) << "the fish fills part of the view";
            EXPECT_LT(c.orange, c.fish.pixels / 50) << "no clownfish orange";
            if (v.side) {
                EXPECT_GT(c.teal, c.fish.pixels / 20) << "blue-green flanks and tail";
                EXPECT_GT(c.red, c.fish.pixels / 30) << "carmine spots and bands";
                EXPECT_GT(c.pale, 10) << "the streamers' white tips";
                // Long and low: with its lyre tail more than twice as long as deep.
                EXPECT_GT(c.fish.right - c.fish.left, 2 * (c.fish.bottom - c.fish.top));
            }
        });
    KeepPictures("PV_FISH06_PNG", pictures, "", 2);
}

TEST_F(Fish06GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies06 killi = SettledFish<CFishSpecies06>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(killi, Texture(6), -3.2f, 0);
        DrawFishAt(clown, Texture(23), 3.2f, 0);
    });
    const Census k = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(k.fish.pixels, 1500);
    ASSERT_GT(c.fish.pixels, 1500);
    EXPECT_GT(c.orange, c.fish.pixels / 4) << "the clownfish is orange";
    EXPECT_LT(k.orange, k.fish.pixels / 50) << "the killifish is not";
    EXPECT_GT(k.teal, 5 * c.teal + 50) << "the killifish is blue-green below";
    KeepPictures("PV_FISH06_PNG", {side}, "-pair", 2);
}

}  // namespace
