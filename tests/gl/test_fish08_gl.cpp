// The firemouth cichlid with a real GL context, drawn as the fish pass draws
// it (its texture replacing the colour): a deep grey-blue fish with a red
// throat and belly from the side, the front, above, behind and below; in one
// piece through a turn; and beside the clownfish. Set PV_FISH08_PNG to a file
// name to keep the pictures.
#include "fish/fish_species08.h"
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
const QRgb kBackground = qRgb(13, 31, 64);

class Fish08GLTest : public FishPictureFixture {
protected:
    Fish08GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {8, 23}) {}
    void DrawFiremouth(CFishSpecies08& fish, float x, float y) { DrawAt(fish, Texture(8), x, y); }
};

struct Census : FishCensus {
    long greyBlue = 0, fire = 0, black = 0, spangle = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
            ++c.orange;  // as the clownfish's
        if (r > 130 && g < 0.55 * r && b < 0.4 * r)
            ++c.fire;
        else if (r + g + b < 110)
            ++c.black;
        else if (g > r + 25 && b > r + 25)
            ++c.spangle;
        else if (b >= r && b > 60 && std::abs(g - r) < 40)
            ++c.greyBlue;
    });
}

// A fish that has swum a little, level, facing heading 0, its mouth shut.
CFishSpecies08 SwimmingFiremouth()
{
    return SettledFishMouthShut<CFishSpecies08>();
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH08_PNG", pictures, suffix, 2);
}

TEST_F(Fish08GLTest, TextureIsTheFiremouthPicture)
{
    ExpectTextureSize(Texture(8), 512, 256);
}

TEST_F(Fish08GLTest, SeenFromEverySideItIsADeepGreyBlueFishWithAFieryThroat)
{
    CFishSpecies08 fish = SwimmingFiremouth();
    const auto draw = [&] { DrawFiremouth(fish, 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 9000 : 1200) << "the fish fills part of the view";
            EXPECT_GT(c.greyBlue + c.spangle, c.fish / 5) << "grey-blue body and fins";
            if (v.side) {
                EXPECT_GT(c.fire, c.fish / 15) << "the red-orange throat, belly and fin margins";
                EXPECT_GT(c.black, 40) << "the black spots";
                EXPECT_GT(c.spangle, 40) << "blue-green spangles";
                // Deep: fins included, not much more than twice as long as deep.
                EXPECT_LT(c.right - c.left, 2.3 * (c.bottom - c.top));
            }
        });
    Keep(pictures, "");
}

// Frame after frame of a half turn, seen from above and from the side: the
// fish keeps one outline (no fin drifts off as a separate piece; a fin seen
// edge on breaks into dots a pixel apart, which still touch).
TEST_F(Fish08GLTest, HoldsTogetherThroughATurn)
{
    CFishSpecies08 fish = SwimmingFiremouth();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherAboveAndSide(
        fish, 48, 14.0f, 1, 6, [&](CFishSpecies08& f) { DrawFiremouth(f, 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish08GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies08 firemouth = SwimmingFiremouth();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawFiremouth(firemouth, -3.2f, 0);
        DrawAt(clown, Texture(23), 3.2f, 0);
    });
    const Census f = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(f.fish, 1500);
    ASSERT_GT(c.fish, 1500);
    EXPECT_GT(c.orange, c.fish / 4) << "the clownfish is orange";
    EXPECT_LT(f.orange, f.fish / 4) << "the firemouth only below";
    EXPECT_GT(f.greyBlue + f.spangle, 4 * (c.greyBlue + c.spangle) + 100) << "the firemouth is grey-blue";
    Keep({side}, "-pair");
}

}  // namespace
