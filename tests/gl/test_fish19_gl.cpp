// The pinnate batfish with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from the side, the front and above, in
// a turn frame by frame, and beside the angelfish. Set PV_FISH19_PNG to a
// file name to keep the pictures.
#include "fish/fish_species03.h"
#include "fish/fish_species19.h"
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

class Fish19GLTest : public FishPictureFixture {
protected:
    Fish19GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {19, 3}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long black = 0, orange = 0, silver = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 150)
            ++c.black;
        else if (r > 170 && g > 0.25 * r && g < 0.7 * r && b < 0.5 * g)
            ++c.orange;
        else if (r > 110 && g > 110 && b > 110 && std::abs(r - b) < 40 && std::abs(r - g) < 30)
            ++c.silver;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH19_PNG", pictures, suffix, 4);
}

TEST_F(Fish19GLTest, SeenFromEverySideItIsBlackRimmedInOrange)
{
    CFishSpecies19 fish = SettledFish<CFishSpecies19>();
    const auto draw = [&] { DrawFishAt(fish, Texture(19), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 12000 : 1200) << "the fish fills part of the view";
            EXPECT_LT(c.silver, c.fish / 50) << "no silver";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.black, c.fish / 2) << "a black fish";
                EXPECT_GT(c.orange, c.fish / 40) << "its orange rim";
                EXPECT_LT(c.orange, c.fish / 4);
                // The sails make it far taller than long.
                EXPECT_GT(c.bottom - c.top, 1.4 * (c.right - c.left)) << "taller than long";
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish19GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies19 fish = SettledFish<CFishSpecies19>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherSeenFrom(
        fish, {{0, 10, 0}, {-6, 3.5f, 7.5f}}, 6, [&](CFishSpecies19& f) { DrawFishAt(f, Texture(19), 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish19GLTest, BesideTheAngelfishTheTwoReadAsDifferentFish)
{
    CFishSpecies19 bat = SettledFish<CFishSpecies19>();
    CFishSpecies03 angel = SettledFish<CFishSpecies03>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(bat, Texture(19), -3.2f, 0);
        DrawFishAt(angel, Texture(3), 3.2f, 0);
    });
    const Census b = Count(side, 0, kWidth / 2), a = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(b.fish, 2000);
    ASSERT_GT(a.fish, 2000);
    EXPECT_GT(b.black, b.fish / 2) << "the batfish is black";
    EXPECT_GT(a.silver, a.fish / 4) << "the angelfish is silver";
    EXPECT_LT(b.silver, b.fish / 50) << "the batfish is not";
    EXPECT_GT(b.orange, 4 * a.orange + 50) << "only the batfish has an orange rim";
    Keep({side}, "-pair");
}

}  // namespace
