// The figure-eight puffer with a real GL context, drawn as the fish pass
// draws it (its texture replacing the colour): from every side, in a turn
// frame by frame, in mode 1, and beside the clownfish. Set PV_FISH16_PNG to
// a file name to keep the pictures.
#include "fish/fish_species16.h"
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

class Fish16GLTest : public FishPictureFixture {
protected:
    Fish16GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {16, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long dark = 0, gold = 0, white = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 270 && r >= b && g >= b)
            ++c.dark;
        else if (r > 160 && g > 0.72 * r && b < 0.55 * g)
            ++c.gold;
        else if (r > 160 && g > 160 && b > 145 && r - b < 40)
            ++c.white;
        else if (r > 170 && g < 0.6 * r && b < 0.4 * g)
            ++c.orange;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH16_PNG", pictures, suffix, 3);
}

TEST_F(Fish16GLTest, SeenFromEverySideItIsADarkGoldLinedPufferWithAWhiteBelly)
{
    CFishSpecies16 fish = SettledFish<CFishSpecies16>();
    const auto draw = [&] { DrawFishAt(fish, Texture(16), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            const std::string name = v.name;
            EXPECT_GT(c.fish, v.side ? 12000 : 6000) << "the fish fills part of the view";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            EXPECT_LT(c.orange, c.fish / 50) << "no orange";
            if (v.side) {
                EXPECT_GT(c.dark, c.fish / 4) << "a dark back";
                EXPECT_GT(c.gold, c.fish / 30) << "its golden lines";
                EXPECT_GT(c.white, c.fish / 8) << "a white belly";
                // Round: the body with its tail is nearly half as tall as long.
                EXPECT_GT(c.bottom - c.top, 0.45 * (c.right - c.left)) << "a round fish";
            }
            if (name == "above") {
                EXPECT_GT(c.dark + c.gold, c.fish / 2) << "dark and gold from above";
                EXPECT_GT(c.gold, c.fish / 40) << "lines on the back";
            }
            if (name == "below") {
                EXPECT_GT(c.white, c.fish / 3) << "white from below";
            }
            if (name == "front") {
                // Nearly as wide as deep.
                EXPECT_GT(c.right - c.left, 0.6 * (c.bottom - c.top)) << "a round section";
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish16GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies16 fish = SettledFish<CFishSpecies16>();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    struct Eye {
        float x, y, z;
    } const eyes[] = {{0, 10, 0}, {-6, 3.5f, 7.5f}};
    for (int frame = 1; frame <= 30; ++frame) {
        SCOPED_TRACE(frame);
        CFishSpecies16 next = fish;
        for (const Eye& eye : eyes) {
            next = fish;  // each view draws the same frame
            const QImage image = Render(eye.x, eye.y, eye.z, 40.0f, [&] { DrawFishAt(next, Texture(16), 0, 0); });
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "no fin apart from the body";
            if (frame % 5 == 0)
                pictures.push_back(image);
        }
        fish = next;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    Keep(pictures, "-turn");
}

TEST_F(Fish16GLTest, InModeOneTheTailReachesFurtherBack)
{
    const CFishSpecies16 settled = SettledFish<CFishSpecies16>();
    auto width = [&](int mode) {
        CFishSpecies16 fish = settled;
        const QImage image = Render(0, 0, 10, 40.0f, [&] { DrawFishAt(fish, Texture(16), 0, 0, mode); });
        EXPECT_LT(LooseShare(image, kBackground), 0.01) << "mode " << mode;
        const Census c = Count(image);
        return std::pair{c.left, c.right};
    };
    const auto [left0, right0] = width(0);
    const auto [left1, right1] = width(1);
    EXPECT_EQ(left1, left0) << "the snout stays";
    EXPECT_GT(right1, right0 + 10) << "the tail reaches back";
}

TEST_F(Fish16GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies16 puffer = SettledFish<CFishSpecies16>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(puffer, Texture(16), -3.2f, 0);
        DrawFishAt(clown, Texture(23), 3.2f, 0);
    });
    const Census p = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(p.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(p.dark, p.fish / 4) << "the puffer is dark above";
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(p.orange, p.fish / 50) << "the puffer is not";
    EXPECT_GT(p.bottom - p.top, c.bottom - c.top) << "the puffer is the deeper";
    Keep({side}, "-pair");
}

}  // namespace
