// The cuckoo catfish with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from the side, the front, above and
// below, through a turn frame by frame, and beside the clownfish. Set
// PV_FISH11_PNG to a file name to keep the pictures.
#include "fish/fish_species11.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish11GLTest : public FishPictureFixture {
protected:
    Fish11GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {11, 23}) {}
};

// What a picture (or a band of it) shows.
struct Census : FishCensus {
    long cream = 0, dark = 0, white = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 140 && g > 0.3 * r && g < 0.75 * r && b < 0.6 * g)
            ++c.orange;
        else if (r + g + b < 150)
            ++c.dark;
        else if (r > 200 && g > 200 && b > 190)
            ++c.white;
        else if (r > 120 && g > 0.72 * r && g < 0.98 * r && b < 0.85 * g)
            ++c.cream;
    });
}

// A fish that has swum a little, level, heading 0 (toward -x).
template <typename Fish>
Fish SwimmingFish()
{
    crt::srand(5);
    Fish fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    fish.m_fPos[2] = -110.0f;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0);
    return fish;
}

void Keep(const std::vector<QImage>& pictures, const char* suffix, int across = 2)
{
    KeepPictures("PV_FISH11_PNG", pictures, suffix, across);
}

TEST_F(Fish11GLTest, FromEverySideASpottedCreamCatfish)
{
    CFishSpecies11 fish = SwimmingFish<CFishSpecies11>();
    std::vector<QImage> pictures;
    for (const FishView& v : ViewsOfAFish(9, true)) {
        SCOPED_TRACE(v.name);
        const QImage image = Render(v.x, v.y, v.z, [&] { DrawAt(fish, Texture(11), 0, 0); });
        QImage marked;
        // Pixels up to two apart joined: a fin seen edge-on is not broken up.
        const long loose = LoosePixels(image, kBackground, 2, &marked);
        pictures.push_back(marked);
        const Census c = Count(image);
        EXPECT_GT(c.fish, v.side ? 8000 : 1500) << "the fish fills part of the view";
        EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
        EXPECT_LT(loose, c.fish / 100) << "no loose pieces";
        if (v.side) {
            EXPECT_GT(c.cream, c.fish / 4) << "a cream body";
            EXPECT_GT(c.dark, c.fish / 8) << "black spots and fins";
            EXPECT_GT(c.white, 100) << "white fin margins and belly";
            // Its forked tail and tall dorsal fin included, longer than tall.
            EXPECT_GT(c.right - c.left, 1.4 * (c.bottom - c.top));
        }
    }
    Keep(pictures, "");
}

TEST_F(Fish11GLTest, ATurnAtTheWallHoldsTogetherFrameByFrame)
{
    // Its course turns only at the x walls, where the whole body snaps round
    // to the new heading: one frame it faces the wall, the next away from it.
    CFishSpecies11 fish = SwimmingFish<CFishSpecies11>();
    // A sheet seen edge-on (the tail from above) may break up a little;
    // kept: the four frames before the flip and the four after (two views each).
    const std::vector<QImage> pictures = ExpectWallTurnHoldsTogether(
        fish, Texture(11), 17, [](const QImage& image) { return Count(image).fish; },
        [](long pixels, bool) { return pixels / 50; }, "snapped round");
    Keep(pictures, "-turn", 4);
}

TEST_F(Fish11GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies11 catfish = SwimmingFish<CFishSpecies11>();
    CFishSpecies23 clown = SwimmingFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, [&] {
        DrawAt(catfish, Texture(11), -3.4f, 0);
        DrawAt(clown, Texture(23), 3.4f, 0);
    });
    const Census a = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(a.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(a.orange, a.fish / 50) << "the catfish is not";
    EXPECT_GT(a.cream, a.fish / 4) << "the catfish is cream";
    EXPECT_GT(a.dark, a.fish / 10) << "and spotted";
    EXPECT_LT(c.cream, c.fish / 10) << "the clownfish is not cream";
    Keep({side}, "-pair", 1);
}

}  // namespace
