// The Boesemani rainbowfish with a real GL context, drawn as the fish pass
// draws it (its texture replacing the colour): from the side, the front,
// above, behind and below; its blue front and orange rear; beside the
// clownfish; and its zigzag variant (the turn test of every species takes
// it through a turn). Set PV_FISH12_PNG to a file name to keep the pictures.
#include "fish/fish_species12.h"
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

class Fish12GLTest : public FishPictureFixture {
protected:
    Fish12GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {12, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census {
    long blue = 0, orange = 0, white = 0;
    FishBounds fish;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census c;
    c.fish = ForEachFishPixel(image, kBackground, x0, x1, [&c](int r, int g, int b) {
        if (r > 150 && g > 0.35 * r && b < 0.45 * g)
            ++c.orange;  // orange to yellow
        else if (b > r + 12 && b >= g && b > 50)
            ++c.blue;  // steel blue-grey
        else if (r > 200 && g > 200 && b > 190)
            ++c.white;
    });
    return c;
}

TEST_F(Fish12GLTest, TextureIsTheRainbowfishPicture)
{
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, Texture(12));
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(width, 512);
    EXPECT_EQ(height, 256);
}

TEST_F(Fish12GLTest, SeenFromEverySideItIsOneDeepFishBlueInFrontAndOrangeBehind)
{
    CFishSpecies12 fish = SettledFish<CFishSpecies12>();
    const auto draw = [&] { DrawFishAt(fish, Texture(12), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 30.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish.pixels, v.side ? 6000 : 600) << "the fish fills part of the view";
            EXPECT_GT(c.blue + c.orange, c.fish.pixels / 2) << "blue-grey and orange-yellow";
            EXPECT_LT(LooseShare(image, kBackground, 2), 0.02) << "one piece";
            if (v.side) {
                // Deep: with its fins at most 2.2 times as long as high.
                EXPECT_LT(c.fish.right - c.fish.left, 2.2 * (c.fish.bottom - c.fish.top));
                // The snout faces -x, to the left: blue in the front half, orange behind.
                const int middle = (c.fish.left + c.fish.right) / 2;
                const Census front = Count(image, 0, middle), rear = Count(image, middle, kWidth);
                EXPECT_GT(front.blue, 2 * front.orange) << "the front half is steel blue-grey";
                EXPECT_GT(rear.orange, 2 * rear.blue) << "the rear half is orange-yellow";
                EXPECT_GT(front.blue, c.fish.pixels / 4);
                EXPECT_GT(rear.orange, c.fish.pixels / 4);
            }
        });
    KeepPictures("PV_FISH12_PNG", pictures, "", 2);
}

TEST_F(Fish12GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies12 rainbow = SettledFish<CFishSpecies12>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(rainbow, Texture(12), -3.2f, 0);
        DrawFishAt(clown, Texture(23), 3.2f, 0);
    });
    const Census r = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(r.fish.pixels, 1500);
    ASSERT_GT(c.fish.pixels, 1500);
    EXPECT_GT(r.blue, 10 * c.blue + 100) << "only the rainbowfish is blue";
    EXPECT_GT(c.white, 3 * r.white + 50) << "only the clownfish has white bars";
    KeepPictures("PV_FISH12_PNG", {side}, "-pair", 2);
}

// Variant 1 pushes the odd columns of four fins' edges: the picture changes
// only where those fins are, and every other variant draws as variant 0.
TEST_F(Fish12GLTest, TheZigzagVariantChangesOnlyTheFins)
{
    const CFishSpecies12 settled = SettledFish<CFishSpecies12>();
    auto picture = [&](int variant) {
        CFishSpecies12 fish = settled;
        crt::srand(3);
        return Render(0, 0, 10, 30.0f, [&] { DrawFishAt(fish, Texture(12), 0, 0, variant); });
    };
    const QImage plain = picture(0), zigzag = picture(1);
    EXPECT_EQ(plain, picture(2)) << "variant 2 draws the plain fish";
    EXPECT_EQ(plain, picture(-1)) << "variant -1 draws the plain fish";
    // The head, in front of the pectoral fins, stays as it is.
    const FishBounds b = Count(plain).fish;
    const int head = b.left + (b.right - b.left) / 7;
    long changed = 0, changedHead = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (plain.pixel(x, y) != zigzag.pixel(x, y))
                ++(x < head ? changedHead : changed);
    EXPECT_GT(changed, 300);
    EXPECT_EQ(changedHead, 0);
    KeepPictures("PV_FISH12_PNG", {plain, zigzag}, "-zigzag", 2);
}

}  // namespace
