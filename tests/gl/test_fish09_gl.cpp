// The tiger barb with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): from every side, in a turn frame by frame,
// and beside the clownfish. Set PV_FISH09_PNG to a file name to keep the
// pictures.
#include "fish/fish_species09.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(20, 60, 90);

class Fish09GLTest : public FishPictureFixture {
protected:
    Fish09GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {9, 23}) {}
    void DrawBarb(CFishSpecies09& fish, float x = 0, float y = 0) { DrawFishAt(fish, Texture(9), x, y); }
};

// What a picture (or a part of it) shows: the fish's pixels by colour.
struct Census : FishCensus {
    long black = 0, gold = 0, red = 0, white = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 140)
            ++c.black;
        else if (r > 130 && g > 0.5 * r && b < 0.6 * g)
            ++c.gold;
        else if (r > 120 && g < 0.4 * r && b < 0.4 * r)
            ++c.red;
        else if (r > 200 && g > 200 && b > 200)
            ++c.white;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH09_PNG", pictures, suffix, 4);
}

TEST_F(Fish09GLTest, SeenFromEverySideItIsAGoldenFishWithBlackBarsAndRedFins)
{
    CFishSpecies09 fish = SettledFish<CFishSpecies09>();
    const auto draw = [&] { DrawBarb(fish); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 8000 : 800) << "the fish fills part of the view";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.gold, c.fish / 3) << "a golden-orange body";
                EXPECT_GT(c.black, c.fish / 8) << "four bold bars and the dorsal fin";
                EXPECT_LT(c.black, c.fish / 2) << "not a black fish";
                EXPECT_GT(c.red, c.fish / 60) << "red snout, fin margins and pelvics";
                // Deep: with its fins not much longer than tall.
                const float aspect = float(c.bottom - c.top) / float(c.right - c.left);
                EXPECT_GT(aspect, 0.5f);
                EXPECT_LT(aspect, 0.9f);
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish09GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies09 fish = SettledFish<CFishSpecies09>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherSeenFrom(
        fish, {{0, 10, 0}, {-6, 3.5f, 7.5f}}, 6, [&](CFishSpecies09& f) { DrawBarb(f); });
    Keep(pictures, "-turn");
}

TEST_F(Fish09GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies09 barb = SettledFish<CFishSpecies09>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 15, 40.0f, [&] {
        DrawBarb(barb, -3.0f, 0);
        DrawFishAt(clown, Texture(23), 3.0f, 0);
    });
    const Census b = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(b.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.white, 4 * b.white + 50) << "only the clownfish has white bands";
    EXPECT_GT(b.black, c.black) << "the barb's bars are black";
    const float barbAspect = float(b.bottom - b.top) / float(b.right - b.left);
    const float clownAspect = float(c.bottom - c.top) / float(c.right - c.left);
    EXPECT_GT(barbAspect, clownAspect + 0.05f) << "the barb is the deeper fish";
    Keep({side}, "-pair");
}

}  // namespace
