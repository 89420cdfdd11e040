// The dwarf gourami with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): it swims head first, reads as a deep,
// oval fish barred in red-orange and turquoise from every side, and stays in
// one piece through a turn. Set PV_FISH22_PNG to a file name to keep the
// pictures.
#include "fish/fish_species22.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_feedback.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish22GLTest : public FishPictureFixture {
protected:
    Fish22GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {22, 23}) {}
    void DrawGourami(CFishSpecies22& fish, float x, float y) { DrawAt(fish, Texture(22), x, y); }
};

struct Census : FishCensus {
    long red = 0, turquoise = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 110 && g < 0.62 * r && b < 0.55 * r) {
            ++c.red;
            if (g > 0.3 * r)
                ++c.orange;
        } else if (b > 90 && g > 0.55 * b && r < 0.6 * b) {
            ++c.turquoise;
        }
    });
}

// A fish that has swum a little, level, its mouth shut, facing heading 0.
CFishSpecies22 SwimmingGourami()
{
    return SettledFishMouthShut<CFishSpecies22>();
}

void Keep(const std::vector<QImage>& pictures, const char* suffix) { KeepPictures("PV_FISH22_PNG", pictures, suffix, 2); }

TEST_F(Fish22GLTest, TextureIsTheGouramisPicture)
{
    ExpectTextureSize(Texture(22), 512, 256);
}

// At heading 0 the fish swims toward falling x with its snout (0.47 of its
// size, 5, from the centre) on that side; at 180 the other way round.
TEST_F(Fish22GLTest, ItSwimsHeadFirst)
{
    for (int heading : {0, 180}) {
        SCOPED_TRACE(heading);
        CFishSpecies22 fish = SwimmingGourami();
        const PointBounds b = DrawnHeadFirst(fish, heading);
        EXPECT_GT(b.hi[0] - b.lo[0], 4.2f) << "its length lies along x";
        EXPECT_LT(b.hi[2] - b.lo[2], 1.5f) << "a thin fish, not across the tank's depth";
        const float ahead = heading == 0 ? -b.lo[0] : b.hi[0];
        EXPECT_NEAR(ahead, 2.35f, 0.1f) << "the snout";
    }
}

TEST_F(Fish22GLTest, FromEverySideItShowsRedOrangeAndTurquoise)
{
    CFishSpecies22 fish = SwimmingGourami();
    const auto draw = [&] { DrawGourami(fish, 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 15000 : 1500) << "the fish fills part of the view";
            EXPECT_GT(c.red, c.fish / (v.side ? 5 : 20)) << "red-orange bars";
            EXPECT_GT(c.turquoise, c.fish / (v.side ? 5 : 10)) << "turquoise-blue";
            if (v.side) {
                EXPECT_GT(c.bottom - c.top, (c.right - c.left) / 2) << "a deep fish, its fins and feelers included";
            }
        });
    Keep(pictures, "");
}

// Close up from the side: the dark pupil lies in the front fifth of the
// fish, above its middle, where a player looks for the eye.
TEST_F(Fish22GLTest, TheEyeSitsHighOnTheHeadBehindTheMouth)
{
    CFishSpecies22 fish = SwimmingGourami();
    const QImage image = Render(0, 0, 5.5f, 40.0f, [&] { DrawGourami(fish, 0, 0); });
    const Census c = Count(image);
    ASSERT_GT(c.fish, 40000);
    long front = 0, elsewhere = 0;
    for (int y = c.top; y <= c.bottom; ++y)
        for (int x = c.left; x <= c.right; ++x) {
            const QRgb p = image.pixel(x, y);
            if (IsBackgroundPixel(p, kBackground) || qRed(p) + qGreen(p) + qBlue(p) > 90)
                continue;
            const bool inHead = x < c.left + (c.right - c.left) / 5 && y < (c.top + c.bottom) / 2;
            ++(inHead ? front : elsewhere);
        }
    EXPECT_GT(front, 30) << "a dark pupil on the head";
    EXPECT_GT(front, elsewhere) << "and nothing as dark elsewhere";
    Keep({image, Render(-3.0f, 1.5f, 4.5f, 40.0f, [&] { DrawGourami(fish, 0, 0); })}, "-close");
}

// Frame after frame of a half turn, seen from above and from the side: the
// fish keeps one outline (no fin drifts off as a separate piece).
TEST_F(Fish22GLTest, HoldsTogetherThroughATurn)
{
    CFishSpecies22 fish = SwimmingGourami();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherAboveAndSide(
        fish, 40, 12.0f, 1, 8, [&](CFishSpecies22& f) { DrawGourami(f, 0, 0); });
    Keep(pictures, "-turn");
}

TEST_F(Fish22GLTest, BesideTheClownfishItIsBlueBarredNotWhiteBarred)
{
    CFishSpecies22 gourami = SwimmingGourami();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 18, 40.0f, [&] {
        DrawGourami(gourami, -3.5f, 0);
        DrawAt(clown, Texture(23), 3.5f, 0);
    });
    const Census g = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(g.fish, 2000);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(g.turquoise, g.fish / 5);
    EXPECT_LT(c.turquoise, c.fish / 50);
    Keep({side}, "-pair");
}

}  // namespace
