// The peacock bass with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): it swims head first, reads as a gold
// fish with black bars from the side, the front and above, and stays in one
// piece through a turn. Set PV_FISH24_PNG to a file name to keep the pictures.
#include "fish/fish_species23.h"
#include "fish/fish_species24.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_feedback.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish24GLTest : public FishPictureFixture {
protected:
    Fish24GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {24, 23}) {}
    void DrawBass(CFishSpecies24& fish, float x, float y) { DrawAt(fish, Texture(24), x, y); }
};

struct Census : FishCensus {
    long gold = 0, black = 0, red = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 120 && g > 0.68 * r && b < 0.6 * g)
            ++c.gold;
        else if (r > 140 && g > 0.3 * r && g < 0.62 * r && b < 0.6 * g)
            ++c.orange;
        else if (r > 110 && g < 0.3 * r && b < 0.3 * r)
            ++c.red;
        else if (r + g + b < 130)
            ++c.black;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH24_PNG", pictures, suffix, 2);
}

TEST_F(Fish24GLTest, TextureIsThePeacockBassPicture)
{
    ExpectTextureSize(Texture(24), 512, 512);
}

// The fish lies along its heading, its snout ahead: at heading 0 it swims
// toward falling x with the snout (3.5 from its centre at size 7) on that
// side and the tail (about 4.1) on the other; at 180 the other way round.
TEST_F(Fish24GLTest, ItSwimsHeadFirst)
{
    for (int heading : {0, 180}) {
        SCOPED_TRACE(heading);
        CFishSpecies24 fish = SettledFishMouthShut<CFishSpecies24>();
        const PointBounds b = DrawnHeadFirst(fish, heading);
        EXPECT_GT(b.hi[0] - b.lo[0], 7.0f) << "its length lies along x";
        EXPECT_LT(b.hi[2] - b.lo[2], 3.0f) << "and not across the tank's depth";
        const float ahead = heading == 0 ? -b.lo[0] : b.hi[0], behind = heading == 0 ? b.hi[0] : -b.lo[0];
        EXPECT_NEAR(ahead, 3.5f, 0.15f) << "the snout";
        EXPECT_GT(behind, 3.9f) << "the tail";
    }
}

TEST_F(Fish24GLTest, SeenFromTheSideTheFrontAndAboveItShowsGoldWithBlackBars)
{
    CFishSpecies24 fish = SettledFishMouthShut<CFishSpecies24>();
    const auto draw = [&] { DrawBass(fish, 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(14), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 12000 : 2000) << "the fish fills part of the view";
            EXPECT_GT(c.gold, c.fish / 5) << "gold and yellow";
            if (v.side) {
                EXPECT_GT(c.black, c.fish / 15) << "black bars";
                EXPECT_GT(c.red + c.orange, c.fish / 40) << "red eye and orange-red fins";
                EXPECT_GT(c.right - c.left, 2 * (c.bottom - c.top)) << "a long fish";
            }
        });
    Keep(pictures, "");
}

// Frame after frame of a half turn, seen from above and from the side: the
// fish keeps one outline (no fin drifts off as a separate piece).
TEST_F(Fish24GLTest, HoldsTogetherThroughATurn)
{
    CFishSpecies24 fish = SettledFishMouthShut<CFishSpecies24>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherAboveAndSide(
        fish, 40, 16.0f, 0, 8, [&](CFishSpecies24& f) { DrawBass(f, 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish24GLTest, BesideTheClownfishItIsLongerAndGoldNotOrange)
{
    CFishSpecies24 bass = SettledFishMouthShut<CFishSpecies24>();
    CFishSpecies23 clown = SettledFishMouthShut<CFishSpecies23>();
    const QImage side = Render(0, 0, 22, 40.0f, [&] {
        DrawBass(bass, -4.0f, 0);
        DrawAt(clown, Texture(23), 5.0f, 0);
    });
    const Census b = Count(side, 0, kWidth / 2 + 20), c = Count(side, kWidth / 2 + 20, kWidth);
    ASSERT_GT(b.fish, 2000);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(b.gold, b.fish / 4);
    EXPECT_LT(b.orange, b.fish / 5);
    EXPECT_GT(c.orange, c.fish / 3);
    EXPECT_GT(b.right - b.left, c.right - c.left) << "the bass is the larger fish";
    Keep({side}, "-pair");
}

}  // namespace
