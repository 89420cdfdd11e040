// The neon tetra with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from every side, in a turn frame by
// frame, and beside the clownfish. Set PV_FISH17_PNG to a file name to keep
// the pictures.
#include "fish/fish_species17.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(40, 90, 120);

class Fish17GLTest : public FishPictureFixture {
protected:
    Fish17GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {17, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long blue = 0, red = 0, silver = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (b > 170 && g > 90 && r < 0.45 * b && b > g + 30)
            ++c.blue;
        else if (r > 140 && g < 0.35 * r && b < 0.4 * r)
            ++c.red;
        else if (r > 160 && g > 70 && g < 0.75 * r && b < 0.45 * g)
            ++c.orange;
        else if (r > 150 && g > 150 && b > 150 && std::abs(r - b) < 40 && std::abs(r - g) < 30)
            ++c.silver;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH17_PNG", pictures, suffix, 3);
}

TEST_F(Fish17GLTest, SeenFromEverySideItShowsItsBlueLineAndRedRear)
{
    CFishSpecies17 fish = SettledFish<CFishSpecies17>();
    const auto draw = [&] { DrawFishAt(fish, Texture(17), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(8, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 8000 : 800) << "the fish fills part of the view";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.blue, c.fish / 25) << "its blue line";
                EXPECT_LT(c.blue, c.fish / 3);
                EXPECT_GT(c.red, c.fish / 20) << "its red rear";
                EXPECT_GT(c.silver, c.fish / 30) << "its silver belly";
                EXPECT_GT(c.right - c.left, 2.5 * (c.bottom - c.top)) << "slender: far longer than deep, fins and all";
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish17GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies17 fish = SettledFish<CFishSpecies17>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherSeenFrom(
        fish, {{0, 8, 0}, {-5, 3, 6}}, 6, [&](CFishSpecies17& f) { DrawFishAt(f, Texture(17), 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish17GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies17 neon = SettledFish<CFishSpecies17>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 14, 40.0f, [&] {
        DrawFishAt(neon, Texture(17), -2.8f, 0);
        DrawFishAt(clown, Texture(23), 2.8f, 0);
    });
    const Census n = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(n.fish, 1500);
    ASSERT_GT(c.fish, 1500);
    EXPECT_GT(n.blue, 10 * c.blue + 50) << "only the neon has the blue line";
    EXPECT_GT(c.orange, 10 * n.orange + 50) << "only the clownfish is orange";
    EXPECT_GT(n.red, 4 * c.red + 50) << "only the neon has a red rear";
    EXPECT_GT(n.right - n.left, 2.5 * (n.bottom - n.top)) << "the neon is slender";
    Keep({side}, "-pair");
}

}  // namespace
