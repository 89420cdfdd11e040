// The kuhli loach with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from every side, in a turn frame by
// frame, and beside the clownfish. Set PV_FISH14_PNG to a file name to keep
// the pictures.
#include "fish/fish_species14.h"
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
const QRgb kBackground = qRgb(40, 90, 120);

class Fish14GLTest : public FishPictureFixture {
protected:
    Fish14GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {14, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long band = 0, salmon = 0, orange = 0, white = 0;
};

bool IsBand(int r, int g, int b) { return r + g + b < 240 && r >= b && r < 110 && g > r / 2; }

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (IsBand(r, g, b))
            ++c.band;  // dark brown-black
        else if (r > 200 && g > 200 && b > 200)
            ++c.white;  // the clownfish's bars
        else if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
            ++c.orange;  // the clownfish's
        else if (r > 140 && g > 0.55 * r && g < 0.92 * r && b < 0.8 * g)
            ++c.salmon;  // pinkish yellow
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH14_PNG", pictures, suffix, 2);
}

// The dark bands met going along row y from left to right.
int DarkBandsAlong(const QImage& image, int y, int x0, int x1)
{
    int bands = 0;
    bool inBand = false;
    for (int x = x0; x < x1; ++x) {
        const QRgb p = image.pixel(x, y);
        const bool dark = !IsBackgroundPixel(p, kBackground) && IsBand(qRed(p), qGreen(p), qBlue(p));
        if (dark && !inBand)
            ++bands;
        inBand = dark;
    }
    return bands;
}

TEST_F(Fish14GLTest, SeenFromEverySideItIsALongPinkishLoachWithDarkSaddles)
{
    CFishSpecies14 fish = SettledFish<CFishSpecies14>();
    const auto draw = [&] { DrawFishAt(fish, Texture(14), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(8, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 3000 : 150) << "the fish fills part of the view";
            EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.band, c.fish / 6) << "dark saddle bands";
                EXPECT_GT(c.salmon, c.fish / 6) << "pinkish yellow between them";
                // Eel-like: many times as long as deep.
                EXPECT_GT(c.right - c.left, 7 * (c.bottom - c.top));
                // Ten or more bands along the upper flank.
                const int y = c.top + (c.bottom - c.top) / 3;
                EXPECT_GE(DarkBandsAlong(image, y, c.left, c.right), 10);
                EXPECT_LE(DarkBandsAlong(image, y, c.left, c.right), 15);
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish14GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies14 fish = SettledFish<CFishSpecies14>();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    struct Eye {
        float x, y, z;
    } const eyes[] = {{0, 8, 0}, {-5, 3, 6}};
    for (int frame = 1; frame <= 72; ++frame) {
        SCOPED_TRACE(frame);
        CFishSpecies14 next = fish;
        for (const Eye& eye : eyes) {
            next = fish;  // each view draws the same frame
            const QImage image = Render(eye.x, eye.y, eye.z, 40.0f, [&] { DrawFishAt(next, Texture(14), 0, 0); });
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "no fin apart from the body";
            if (frame % 12 == 0)
                pictures.push_back(image);
        }
        fish = next;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    Keep(pictures, "-turn");
}

// The head seen close, from the side, the front, above and three quarters:
// the small eye high on it shows as a dark pupil in a gold ring on every
// view but the one from above, and the barbels stay on the snout.
TEST_F(Fish14GLTest, CloseToTheHeadTheEyeShowsGoldRingedAndTheBarbelsStayOnTheSnout)
{
    CFishSpecies14 fish = SettledFish<CFishSpecies14>();
    const float headX = 0.44f * fish.m_nSize;  // the head at the origin
    const auto draw = [&] { DrawFishAt(fish, Texture(14), headX, 0); };
    const std::vector<FishView> views = {
        {"side", 0, 0, 2.2f, true}, {"front", -2.6f, 0.3f, 0.8f}, {"above", 0, 2.6f, 0.01f}, {"three quarters", -1.6f, 0.8f, 1.8f}};
    const std::vector<QImage> pictures = RenderViews(views, 40.0f, draw, [&](const FishView& v, const QImage& image) {
        long gold = 0;
        ForEachFishPixel(image, kBackground, 0, kWidth, [&](int r, int g, int b) {
            if (r > 150 && g > 0.72 * r && g < 0.95 * r && b < 0.55 * g)
                ++gold;
        });
        if (std::string(v.name) != "above") {
            EXPECT_GT(gold, 8) << "a gold eye ring";
        }
        EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
    });
    Keep(pictures, "-head");
}

TEST_F(Fish14GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies14 loach = SettledFish<CFishSpecies14>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 14, 40.0f, [&] {
        DrawFishAt(loach, Texture(14), -3.5f, 0);
        DrawFishAt(clown, Texture(23), 3.5f, 0);
    });
    const Census l = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(l.fish, 800);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(c.orange, c.fish / 4) << "the clownfish is orange";
    EXPECT_LT(l.orange, l.fish / 50) << "the loach is not";
    EXPECT_GT(l.band * c.fish, 2 * c.band * l.fish) << "the loach is the banded dark one (the clownfish has dark rims only)";
    EXPECT_LT(l.bottom - l.top, (c.bottom - c.top) / 2) << "and the much slimmer";
    Keep({side}, "-pair");
}

}  // namespace
