// The green swordtail with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from the side, the front, above, behind
// and below, beside the clownfish, and with its serrated dorsal variant (the
// turn test of every species takes it through a turn). Set PV_FISH10_PNG to
// a file name to keep the pictures.
#include "fish/fish_species10.h"
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

class Fish10GLTest : public FishPictureFixture {
protected:
    Fish10GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {10, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census {
    long olive = 0, red = 0, yellow = 0, orange = 0, black = 0;
    FishBounds fish;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census c;
    c.fish = ForEachFishPixel(image, kBackground, x0, x1, [&c](int r, int g, int b) {
        if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
            ++c.orange;  // the clownfish's
        else if (r > 200 && g > 150 && b < 0.45 * g)
            ++c.yellow;  // the sword
        else if (r > 110 && g < 0.45 * r && b < 0.45 * r)
            ++c.red;  // the stripe
        else if (g >= r && g > b + 15 && g > 50)
            ++c.olive;
        else if (r + g + b < 90)
            ++c.black;
    });
    return c;
}

TEST_F(Fish10GLTest, TextureIsTheSwordtailPicture)
{
    ExpectTextureSize(Texture(10), 512, 512);
}

TEST_F(Fish10GLTest, SeenFromEverySideItIsOneOliveFishWithARedStripeAndASword)
{
    CFishSpecies10 fish = SettledFish<CFishSpecies10>();
    const auto draw = [&] { DrawFishAt(fish, Texture(10), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 30.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish.pixels, v.side ? 5000 : 600) << "the fish fills part of the view";
            EXPECT_LT(c.orange, c.fish.pixels / 50) << "no clownfish orange";
            if (v.side) {
                EXPECT_GT(c.olive, c.fish.pixels / 3) << "olive-green body and fins";
                EXPECT_GT(c.red, c.fish.pixels / 60) << "the red stripe";
                EXPECT_GT(c.yellow, c.fish.pixels / 500) << "the yellow sword";
                EXPECT_GT(c.black, c.fish.pixels / 400) << "the sword's black margins";
                // Slender: with its fins well over twice as long as deep.
                EXPECT_GT(c.fish.right - c.fish.left, 2 * (c.fish.bottom - c.fish.top));
            }
        });
    KeepPictures("PV_FISH10_PNG", pictures, "", 2);
}

TEST_F(Fish10GLTest, TheSwordIsTheLowestRearmostPartOfTheSideView)
{
    CFishSpecies10 fish = SettledFish<CFishSpecies10>();
    const QImage side = Render(0, 0, 10, 30.0f, [&] { DrawFishAt(fish, Texture(10), 0, 0); });
    // The snout faces -x, to the left: the yellow lies in the right quarter,
    // below the middle of the fish.
    const Census all = Count(side);
    ASSERT_GT(all.fish.pixels, 5000);
    const int quarter = all.fish.left + 3 * (all.fish.right - all.fish.left) / 4;
    const Census rear = Count(side, quarter, kWidth);
    EXPECT_GT(rear.yellow, 3 * all.yellow / 4);
    long below = 0;
    ForEachFishPixel(side.copy(0, (all.fish.top + all.fish.bottom) / 2, kWidth, kHeight), kBackground, quarter, kWidth,
                     [&below](int r, int g, int b) { below += r > 200 && g > 150 && b < 0.45 * g; });
    EXPECT_GT(below, 3 * rear.yellow / 4);
}

TEST_F(Fish10GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies10 sword = SettledFish<CFishSpecies10>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(sword, Texture(10), -3.2f, 0);
        DrawFishAt(clown, Texture(23), 3.2f, 0);
    });
    const Census s = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(s.fish.pixels, 1500);
    ASSERT_GT(c.fish.pixels, 1500);
    EXPECT_GT(c.orange, c.fish.pixels / 4) << "the clownfish is orange";
    EXPECT_LT(s.orange, s.fish.pixels / 50) << "the swordtail is not";
    EXPECT_GT(s.olive, 3 * c.olive + 50) << "the swordtail is olive-green";
    KeepPictures("PV_FISH10_PNG", {side}, "-pair", 2);
}

// Variant 2 lifts and drops alternate points of the dorsal fin's edge: the
// picture changes above the back only.
TEST_F(Fish10GLTest, TheSerratedVariantChangesOnlyTheDorsalFin)
{
    const CFishSpecies10 settled = SettledFish<CFishSpecies10>();
    auto picture = [&](int variant) {
        CFishSpecies10 fish = settled;
        crt::srand(3);
        return Render(0, 0, 10, 30.0f, [&] { DrawFishAt(fish, Texture(10), 0, 0, variant); });
    };
    const QImage plain = picture(0), serrated = picture(2), other = picture(1);
    EXPECT_EQ(plain, other) << "variant 1 draws the plain fish";
    const FishBounds b = Count(plain).fish;
    int changedAbove = 0, changedBelow = 0;
    const int back = (b.top + b.bottom) / 2;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (plain.pixel(x, y) != serrated.pixel(x, y))
                ++(y < back ? changedAbove : changedBelow);
    EXPECT_GT(changedAbove, 30);
    EXPECT_EQ(changedBelow, 0);
    KeepPictures("PV_FISH10_PNG", {plain, serrated}, "-serrated", 2);
}

}  // namespace
