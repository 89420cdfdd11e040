// The betta with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): from every side, and in a turn frame by
// frame. Set PV_FISH15_PNG to a file name to keep the pictures.
#include "fish/fish_species15.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(40, 90, 120);

class Fish15GLTest : public FishPictureFixture {
protected:
    Fish15GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {15}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long red = 0, blue = 0, dark = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 90)
            ++c.dark;
        else if (r > 70 && r > 2 * g && r > 1.4 * b)
            ++c.red;
        else if (b > r && b > g)
            ++c.blue;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH15_PNG", pictures, suffix, 3);
}

TEST_F(Fish15GLTest, SeenFromEverySideItIsADeepRedFishOfGreatFins)
{
    CFishSpecies15 fish = SettledFish<CFishSpecies15>();
    const auto draw = [&] { DrawFishAt(fish, Texture(15), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 12000 : 1000) << "the fish fills part of the view";
            EXPECT_GT(c.red, c.fish / 2) << "a red fish";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                // The fins make it almost as tall as long (the body alone is
                // under a third as deep as long).
                EXPECT_GT(c.bottom - c.top, 0.6 * (c.right - c.left)) << "tall with its fins";
                EXPECT_GT(c.blue, c.fish / 200) << "the sheen of its scales";
                // Its dark eye at the head end, the left fifth of the fish.
                const Census head = Count(image, c.left, c.left + (c.right - c.left) / 5);
                EXPECT_GT(head.dark, 20) << "an eye";
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish15GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies15 fish = SettledFish<CFishSpecies15>();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    struct Eye {
        float x, y, z;
    } const eyes[] = {{0, 10, 0}, {-6, 3.5f, 7.5f}};
    for (int frame = 1; frame <= 48; ++frame) {
        SCOPED_TRACE(frame);
        CFishSpecies15 next = fish;
        for (const Eye& eye : eyes) {
            next = fish;  // each view draws the same frame
            const QImage image = Render(eye.x, eye.y, eye.z, 40.0f, [&] { DrawFishAt(next, Texture(15), 0, 0); });
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "no fin apart from the body";
            if (frame % 6 == 0)
                pictures.push_back(image);
        }
        fish = next;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    Keep(pictures, "-turn");
}

}  // namespace
