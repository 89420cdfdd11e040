// The clown knifefish with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): it swims head first, reads as a long
// silver-grey fish with black eye-spots from the side, the front and above,
// and stays in one piece through a turn. Set PV_FISH21_PNG to a file name to
// keep the pictures.
#include "fish/fish_species21.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_feedback.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish21GLTest : public FishPictureFixture {
protected:
    Fish21GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {21, 23}) {}
    void DrawKnifefish(CFishSpecies21& fish, float x, float y) { DrawAt(fish, Texture(21), x, y); }
};

struct Census : FishCensus {
    long grey = 0, black = 0, white = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        const int most = std::max({r, g, b}), least = std::min({r, g, b});
        if (r > 140 && g > 0.3 * r && g < 0.62 * r && b < 0.6 * g)
            ++c.orange;
        else if (most < 45)
            ++c.black;
        else if (least > 200 && most - least < 30)
            ++c.white;
        else if (most - least < 0.22 * most && most >= 45)
            ++c.grey;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH21_PNG", pictures, suffix, 2);
}

// At heading 0 it swims toward falling x with its snout (2.5 from its centre
// at size 5) on that side and the tail's tip (2.5) on the other; at 180 the
// other way round.
TEST_F(Fish21GLTest, ItSwimsHeadFirst)
{
    for (int heading : {0, 180}) {
        SCOPED_TRACE(heading);
        CFishSpecies21 fish = SettledFishMouthShut<CFishSpecies21>();
        const PointBounds b = DrawnHeadFirst(fish, heading);
        EXPECT_GT(b.hi[0] - b.lo[0], 4.7f) << "its length lies along x";
        EXPECT_LT(b.hi[1] - b.lo[1], 2.1f) << "from the dorsal fin's tip to the pelvic fins, far lower than long";
        const float ahead = heading == 0 ? -b.lo[0] : b.hi[0], behind = heading == 0 ? b.hi[0] : -b.lo[0];
        EXPECT_NEAR(ahead, 2.5f, 0.1f) << "the snout";
        EXPECT_NEAR(behind, 2.5f, 0.1f) << "the tail's tip";
    }
}

TEST_F(Fish21GLTest, FromEverySideItShowsSilverGreyWithBlackSpotsRingedInWhiteOnTheSide)
{
    CFishSpecies21 fish = SettledFishMouthShut<CFishSpecies21>();
    fish.m_nSize = 7;
    const auto draw = [&] { DrawKnifefish(fish, 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(14, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 10000 : 700) << "the fish fills part of the view";
            EXPECT_GT(c.grey, c.fish / 2) << "silver and grey";
            EXPECT_LT(c.orange, c.fish / 50) << "no warm colours";
            if (v.side) {
                EXPECT_GT(c.black, c.fish / 80) << "black eye-spots";
                EXPECT_GT(c.white, c.fish / 200) << "their white rings";
                EXPECT_GT(c.right - c.left, 2.3 * (c.bottom - c.top)) << "a long fish";
            }
        });
    Keep(pictures, "");
}

// Frame after frame of a half turn, seen from above and from the side: the
// fish keeps one outline (no fin drifts off as a separate piece). Its sixteen
// segments lag 20 degrees each, so the body curls tightly at first, and the
// thin edge of a fin seen edge-on may lose a pixel of contact: pieces within
// three pixels of the fish count as on it.
TEST_F(Fish21GLTest, HoldsTogetherThroughATurn)
{
    CFishSpecies21 fish = SettledFishMouthShut<CFishSpecies21>();
    fish.m_nSize = 7;
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherAboveAndSide(
        fish, 40, 16.0f, 3, 8, [&](CFishSpecies21& f) { DrawKnifefish(f, 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish21GLTest, BesideTheClownfishItIsLongerForItsHeightAndGreyNotOrange)
{
    CFishSpecies21 knife = SettledFishMouthShut<CFishSpecies21>();
    CFishSpecies23 clown = SettledFishMouthShut<CFishSpecies23>();
    const QImage side = Render(0, 0, 22, 40.0f, [&] {
        DrawKnifefish(knife, -4.0f, 0);
        DrawAt(clown, Texture(23), 5.0f, 0);
    });
    const Census k = Count(side, 0, kWidth / 2 + 20), c = Count(side, kWidth / 2 + 20, kWidth);
    ASSERT_GT(k.fish, 1500);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(k.grey, k.fish / 2);
    EXPECT_LT(k.orange, k.fish / 50);
    EXPECT_GT(c.orange, c.fish / 3);
    EXPECT_GT(double(k.right - k.left) / (k.bottom - k.top), double(c.right - c.left) / (c.bottom - c.top))
        << "the knifefish is the longer, lower fish";
    Keep({side}, "-pair");
}

}  // namespace
