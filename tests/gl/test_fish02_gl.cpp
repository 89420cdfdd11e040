// The guppy with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): from the side, the front, above and behind,
// beside the clownfish and the angelfish, and in its fanned variants. Set
// PV_FISH02_PNG to a file name to keep the pictures.
#include "fish/fish_species02.h"
#include "fish/fish_species03.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish02GLTest : public FishPictureFixture {
protected:
    Fish02GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {2, 3, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long red = 0, orange = 0, sheen = 0, silver = 0;
    long redLeft = 0, redRight = 0;  // red pixels left and right of the middle of the bounds
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    const auto classify = [](Census& c, int r, int g, int b) {
        if (r > 110 && g < 0.3 * r && b < 0.45 * r)
            ++c.red;
        else if (r > 140 && g < 0.75 * r && b < 0.6 * g)
            ++c.orange;
        else if (b > r + 20 && g > r + 10)
            ++c.sheen;
        else if (r > 110 && g > 110 && b > 90 && std::abs(r - b) < 50 && std::abs(r - g) < 30)
            ++c.silver;
    };
    Census c = CountFish<Census>(image, kBackground, x0, x1, classify);
    const int middle = (c.left + c.right) / 2;
    c.redLeft = CountFish<Census>(image, kBackground, x0, std::clamp(middle, x0, x1), classify).red;
    c.redRight = c.red - c.redLeft;
    return c;
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictureSheet(pictures, "PV_FISH02_PNG", suffix, kWidth, kHeight);
}

TEST_F(Fish02GLTest, FromEverySideAGreyGreenBodyWithABigRedTail)
{
    CFishSpecies02 fish = SettledFish<CFishSpecies02>();
    struct View {
        const char* name;
        float x, y, z;
        bool side;
    } views[] = {{"side", 0, 0, 9, true},
                 {"front", -9, 0, 0, false},
                 {"above", 0, 9, 0.01f, false},
                 {"behind", 9, 1, 0, false},
                 {"three quarters", -5, 3, 7, false}};
    std::vector<QImage> pictures;
    for (const View& v : views) {
        SCOPED_TRACE(v.name);
        const QImage image = Render(v.x, v.y, v.z, [&] { DrawFishAt(fish, Texture(2), 0, 0); });
        pictures.push_back(image);
        const Census c = Count(image);
        EXPECT_GT(c.fish, v.side ? 9000 : 1000) << "the fish fills part of the view";
        EXPECT_GT(c.red, c.fish / (v.x < 0 && v.z == 0 ? 20 : 8)) << "the red tail and dorsal fin";
        EXPECT_LT(c.orange, c.fish / 6) << "little orange: spots and the pelvic fins";
        if (v.side) {
            EXPECT_GT(c.sheen + c.silver, c.fish / 15) << "the grey-green body and its blue-green sheen";
            EXPECT_GT(c.redRight, 3 * c.redLeft) << "the red is behind, in the tail (heading 0: head at -x)";
            // The tail is taller than the body: the fish stands about half as tall as it is long.
            EXPECT_GT(c.bottom - c.top, (c.right - c.left) / 3);
        }
    }
    Keep(pictures, "");
}

TEST_F(Fish02GLTest, BesideTheClownfishAndTheAngelfishTheThreeReadAsDifferentFish)
{
    CFishSpecies02 guppy = SettledFish<CFishSpecies02>();
    CFishSpecies03 angel = SettledFish<CFishSpecies03>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 22, [&] {
        DrawFishAt(guppy, Texture(2), -5.5f, 0);
        DrawFishAt(angel, Texture(3), 0.5f, 0);
        DrawFishAt(clown, Texture(23), 6.0f, 0);
    });
    const Census g = Count(side, 0, kWidth / 3), a = Count(side, kWidth / 3, 2 * kWidth / 3),
                 c = Count(side, 2 * kWidth / 3, kWidth);
    ASSERT_GT(g.fish, 1000);
    EXPECT_GT(g.red, g.fish / 6) << "the guppy is red behind";
    EXPECT_LT(a.red, g.red / 4) << "the angelfish is not (its eye is)";
    EXPECT_LT(c.red, g.red / 2) << "nor is the clownfish, which is orange";
    EXPECT_GT(c.orange, g.orange * 2);
    Keep({side}, "-beside");
}

// Variant 4 fans six copies of the tail round the fish's cross axis, variant
// 5 four pairs: a wheel of tails, much taller than the plain fish from the side.
TEST_F(Fish02GLTest, TheFannedVariantsSpreadTheTailRoundTheBody)
{
    CFishSpecies02 fish = SettledFish<CFishSpecies02>();
    std::vector<QImage> pictures;
    int height[8] = {};
    for (int variant : {0, 4, 5, 7}) {
        CFishSpecies02 f = fish;
        const QImage image = Render(0, 0, 11, [&] { DrawFishAt(f, Texture(2), 0, 0, variant); });
        pictures.push_back(image);
        const Census c = Count(image);
        height[variant] = c.bottom - c.top;
    }
    EXPECT_GT(height[4], height[0] * 3 / 2) << "the copies stand up to 90 degrees round";
    EXPECT_GT(height[5], height[0] * 6 / 5) << "the pairs up to 30 degrees round";
    EXPECT_LT(height[7], height[4]);
    Keep(pictures, "-variants");
}

// A half turn frame by frame, from the side and from above (kept for a look).
TEST_F(Fish02GLTest, AHalfTurnFrameByFrame)
{
    CFishSpecies02 fish = SettledFish<CFishSpecies02>();
    fish.m_nWanderTimer = 0;
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    for (int frame = 0; frame < 36; ++frame) {
        const bool above = frame % 2 == 1;
        pictures.push_back(Render(0, above ? 9.0f : 0.0f, above ? 0.01f : 9.0f, [&] { DrawFishAt(fish, Texture(2), 0, 0); }));
        const Census c = Count(pictures.back());
        EXPECT_GT(c.fish, 1000) << "frame " << frame;
    }
    Keep(pictures, "-turn");
}

}  // namespace
