// The harlequin rasbora with a real GL context, drawn as the fish pass draws
// it (its texture replacing the colour): from every side, in a turn frame by
// frame, and beside the clownfish. Set PV_FISH18_PNG to a file name to keep
// the pictures.
#include "fish/fish_species18.h"
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

class Fish18GLTest : public FishPictureFixture {
protected:
    Fish18GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {18, 23}) {}
};

// What a picture (or a part of it) shows: the wedge's black, the body's
// copper and orange, white (the clownfish's bars).
struct Census : FishCensus {
    long black = 0, copper = 0, white = 0;
    long blackX = 0;  // the sum of the black pixels' columns
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census census = CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 120)
            ++c.black;
        else if (r > 150 && g > 0.3 * r && g < 0.78 * r && b < 0.8 * g)
            ++c.copper;
        else if (r > 215 && g > 215 && b > 205)
            ++c.white;
    });
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) + qGreen(p) + qBlue(p) < 120)
                census.blackX += x;
        }
    return census;
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH18_PNG", pictures, suffix, 3);
}

TEST_F(Fish18GLTest, SeenFromEverySideItIsCopperWithABlackWedgeBehind)
{
    CFishSpecies18 fish = SettledFish<CFishSpecies18>();
    const auto draw = [&] { DrawFishAt(fish, Texture(18), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 9000 : 800) << "the fish fills part of the view";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.copper, c.fish / 4) << "a copper-orange fish";
                EXPECT_GT(c.black, c.fish / 12) << "its black wedge";
                EXPECT_LT(c.black, c.fish / 3) << "but a wedge only";
                // The head is toward -x, which the side view shows on the left:
                // the wedge lies right of the fish's middle.
                const double middle = 0.5 * (c.left + c.right);
                EXPECT_GT(double(c.blackX) / c.black, middle) << "the wedge is on the rear half";
                // Deep-bodied: about a third as deep as long, fins included.
                const double length = c.right - c.left, depth = c.bottom - c.top;
                EXPECT_GT(depth, 0.35 * length);
                EXPECT_LT(depth, 0.7 * length);
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish18GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies18 fish = SettledFish<CFishSpecies18>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherSeenFrom(
        fish, {{0, 10, 0}, {-6, 3.5f, 7.5f}}, 6, [&](CFishSpecies18& f) { DrawFishAt(f, Texture(18), 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish18GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies18 rasbora = SettledFish<CFishSpecies18>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(rasbora, Texture(18), -3.2f, 0);
        DrawFishAt(clown, Texture(23), 3.2f, 0);
    });
    const Census r = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(r.fish, 1500);
    ASSERT_GT(c.fish, 1500);
    EXPECT_GT(c.white, c.fish / 50) << "the clownfish has white bars";
    EXPECT_LT(r.white, r.fish / 200) << "the rasbora has none";
    EXPECT_GT(r.black, r.fish / 12) << "the rasbora's wedge";
    EXPECT_GT(double(r.black) / r.fish, 2.0 * c.black / c.fish) << "the clownfish's black is only its edging";
    Keep({side}, "-pair");
}

}  // namespace
