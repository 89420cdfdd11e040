// The zebra danio with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from every side, in a turn frame by
// frame, and beside the clownfish. Set PV_FISH07_PNG to a file name to keep
// the pictures.
#include "fish/fish_species07.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(40, 90, 120);

class Fish07GLTest : public FishPictureFixture {
protected:
    Fish07GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {7, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long stripe = 0, gold = 0, silver = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (b > r + 25 && b > g + 15 && r + g + b < 330)
            ++c.stripe;  // blue-black
        else if (r > 150 && g > 0.78 * r && b < 0.75 * g)
            ++c.gold;
        else if (r > 170 && g > 170 && b > 150 && b >= 0.75 * g)
            ++c.silver;
        else if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
            ++c.orange;  // the clownfish's
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH07_PNG", pictures, suffix, 2);
}

// The picture's rows from top to bottom through column x, as stripe (1) or
// not (0), run-length counted: the dark bands met going down the flank.
int DarkBandsDown(const QImage& image, int x)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(x, y);
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        const bool dark = p != kBackground && b > r + 25 && b > g + 15 && r + g + b < 330;
        if (dark && !inBand)
            ++bands;
        inBand = dark;
    }
    return bands;
}

TEST_F(Fish07GLTest, SeenFromEverySideItIsASlimFishStripedBlueAndGold)
{
    CFishSpecies07 fish = SettledFish<CFishSpecies07>();
    const auto draw = [&] { DrawFishAt(fish, Texture(7), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(8, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 6000 : 700) << "the fish fills part of the view";
            EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.stripe, c.fish / 6) << "blue-black stripes";
                EXPECT_GT(c.gold, c.fish / 10) << "gold between them";
                EXPECT_GT(c.silver, c.fish / 60) << "a silvery belly";
                // Slim: with its tail and fins more than three times as long as deep.
                EXPECT_GT(c.right - c.left, 3.3 * (c.bottom - c.top));
                // Four dark bands down the flank at its middle.
                EXPECT_GE(DarkBandsDown(image, (c.left + c.right) / 2 - 20), 3);
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish07GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies07 fish = SettledFish<CFishSpecies07>();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    struct Eye {
        float x, y, z;
    } const eyes[] = {{0, 8, 0}, {-5, 3, 6}};
    for (int frame = 1; frame <= 48; ++frame) {
        SCOPED_TRACE(frame);
        CFishSpecies07 next = fish;
        for (const Eye& eye : eyes) {
            next = fish;  // each view draws the same frame
            const QImage image = Render(eye.x, eye.y, eye.z, 40.0f, [&] { DrawFishAt(next, Texture(7), 0, 0); });
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "no fin apart from the body";
            if (frame % 8 == 0)
                pictures.push_back(image);
        }
        fish = next;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    Keep(pictures, "-turn");
}

TEST_F(Fish07GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies07 danio = SettledFish<CFishSpecies07>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 14, 40.0f, [&] {
        DrawFishAt(danio, Texture(7), -3.0f, 0);
        DrawFishAt(clown, Texture(23), 3.0f, 0);
    });
    const Census d = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(d.fish, 1000);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(c.orange, c.fish / 4) << "the clownfish is orange";
    EXPECT_LT(d.orange, d.fish / 50) << "the danio is not";
    EXPECT_GT(d.stripe, 3 * c.stripe + 100) << "the danio is the striped blue one";
    EXPECT_LT(d.bottom - d.top, c.bottom - c.top) << "and the slimmer";
    Keep({side}, "-pair");
}

}  // namespace
