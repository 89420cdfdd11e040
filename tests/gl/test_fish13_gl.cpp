// The clown loach with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from every side, in a turn frame by
// frame, with its mouth open, and beside the clownfish. Set PV_FISH13_PNG to
// a file name to keep the pictures.
#include "fish/fish_species13.h"
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

class Fish13GLTest : public FishPictureFixture {
protected:
    Fish13GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {13, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long black = 0, orange = 0, red = 0, white = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 130)
            ++c.black;
        else if (r > 150 && g > 0.32 * r && g < 0.8 * r && b < 0.45 * g)
            ++c.orange;
        else if (r > 110 && g < 0.32 * r && b < 0.35 * r)
            ++c.red;
        else if (r > 170 && g > 170 && b > 150)
            ++c.white;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH13_PNG", pictures, suffix, 4);
}

TEST_F(Fish13GLTest, SeenFromEverySideItIsOrangeWithBlackBandsAndRedFins)
{
    CFishSpecies13 fish = SettledFish<CFishSpecies13>();
    const auto draw = [&] { DrawFishAt(fish, Texture(13), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 10000 : 1000) << "the fish fills part of the view";
            EXPECT_LT(c.white, c.fish / 50) << "no white";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.orange, c.fish / 3) << "an orange fish";
                EXPECT_GT(c.black, c.fish / 8) << "its black bands";
                EXPECT_LT(c.black, c.fish / 2);
                EXPECT_GT(c.red, c.fish / 30) << "its red fins";
                // A torpedo: far longer than deep.
                EXPECT_GT(c.right - c.left, 2.2 * (c.bottom - c.top)) << "longer than deep";
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish13GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies13 fish = SettledFish<CFishSpecies13>();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    struct Eye {
        float x, y, z;
    } const eyes[] = {{0, 10, 0}, {-6, 3.5f, 7.5f}, {0, 0, 10}};
    for (int frame = 1; frame <= 60; ++frame) {
        SCOPED_TRACE(frame);
        CFishSpecies13 next = fish;
        for (const Eye& eye : eyes) {
            next = fish;  // each view draws the same frame
            const QImage image = Render(eye.x, eye.y, eye.z, 40.0f, [&] { DrawFishAt(next, Texture(13), 0, 0); });
            // Twenty segments curl the body while it comes round: fins seen
            // edge-on there break into lines with gaps of a pixel or two.
            EXPECT_LT(LooseShare(image, kBackground, 2), 0.01) << "no fin apart from the body";
            if (frame % 6 == 0)
                pictures.push_back(image);
        }
        fish = next;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    Keep(pictures, "-turn");
}

TEST_F(Fish13GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies13 loach = SettledFish<CFishSpecies13>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFishAt(loach, Texture(13), -3.2f, 0);
        DrawFishAt(clown, Texture(23), 3.2f, 0);
    });
    const Census l = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(l.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.white, c.fish / 25) << "the clownfish has white bars";
    EXPECT_LT(l.white, l.fish / 50) << "the loach has none";
    EXPECT_GT(l.black, 2 * c.black) << "the loach's bands are black";
    Keep({side}, "-pair");
}

}  // namespace
