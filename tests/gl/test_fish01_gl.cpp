// The bristlenose pleco with a real GL context, drawn as the fish pass draws
// it (its texture replacing the colour): from every side, close up, through a
// turn frame by frame, and beside the clownfish. Set PV_FISH01_PNG to a file
// name to keep the pictures.
#include "fish/fish_species01.h"
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

class Fish01GLTest : public FishPictureFixture {
protected:
    Fish01GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {1, 23}) {}
};

// What a picture (or a band of it) shows: the armour's dark brown-grey, pale
// spots and bristles, and anything orange.
struct Census : FishCensus {
    long brown = 0, pale = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 140 && g > 0.3 * r && g < 0.75 * r && b < 0.6 * g)
            ++c.orange;
        else if (r > 150 && g > 140 && b > 100 && r >= b)
            ++c.pale;
        else if (r + g + b < 360 && r >= b - 4 && g >= b - 8 && r - b < 60)
            ++c.brown;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix, int across = 2)
{
    KeepPictures("PV_FISH01_PNG", pictures, suffix, across);
}

// A pleco that has swum a little, level, heading 0 (toward -x).
CFishSpecies01 SwimmingPleco() { return SettledFish<CFishSpecies01>(); }

TEST_F(Fish01GLTest, FromEverySideADarkSpottedArmouredCatfish)
{
    CFishSpecies01 fish = SwimmingPleco();
    std::vector<QImage> marked;
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(10, true), 40, [&] { DrawAt(fish, Texture(1), 0, 0); },
                    [&](const FishView& v, const QImage& image) {
                        QImage loose;
                        const long pieces = LoosePixels(image, kBackground, 2, &loose);
                        marked.push_back(loose);
                        const Census c = Count(image);
                        EXPECT_GT(c.fish, v.side ? 6000 : 1500) << "the fish fills part of the view";
                        EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
                        // Seen straight from the front, above, below or behind, the midline fins
                        // are edge-on and thin to a line at their roots.
                        const bool edgeOn = v.x == 0.0f || v.z == 0.0f || v.z < 0.1f;
                        EXPECT_LT(pieces, c.fish / (v.side || !edgeOn ? 100 : 20)) << "no loose pieces";
                        EXPECT_GT(c.brown, c.fish / 2) << "dark brown-grey armour";
                        EXPECT_GT(c.pale, 20) << "small pale spots";
                    });
    Keep(marked, "");
    // Seen from the side it is long and low.
    const Census side = Count(pictures[0]);
    EXPECT_GT(side.right - side.left, 1.6 * (side.bottom - side.top));
}

TEST_F(Fish01GLTest, ATurnAtTheWallHoldsTogetherFrameByFrame)
{
    // Its course turns only at the x walls, where the whole body comes round
    // to the new heading at once.
    CFishSpecies01 fish = SwimmingPleco();
    fish.m_fPos[2] = -110.0f;
    // From above the tail is edge-on and thins to a line at its root.
    const std::vector<QImage> pictures = ExpectWallTurnHoldsTogether(
        fish, Texture(1), 14, [](const QImage& image) { return Count(image).fish; },
        [](long pixels, bool fromAbove) { return pixels / (fromAbove ? 20 : 100); }, "come round");
    Keep(pictures, "-turn", 4);
}

TEST_F(Fish01GLTest, ATurnWithTheSegmentsLaggingHoldsTogetherInOnePiece)
{
    // Met by the top and an x wall in one frame, it turns with its segments
    // trailing the head 20 degrees each: every frame stays one piece.
    CFishSpecies01 fish = SwimmingPleco();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    for (int frame = 0; frame < 40; ++frame) {
        const QImage above = Render(0, 9, 0.01f, [&] {
            CFishSpecies01 drawn = fish;
            DrawAt(drawn, Texture(1), 0, 0);
        });
        const QImage quarter = Render(-4, 3, 7, [&] { DrawAt(fish, Texture(1), 0, 0); });
        EXPECT_LT(LooseShare(above, kBackground, 2), 0.01) << "frame " << frame;
        EXPECT_LT(LooseShare(quarter, kBackground, 2), 0.01) << "frame " << frame;
        if (frame % 3 == 0) {
            pictures.push_back(above);
            pictures.push_back(quarter);
        }
    }
    Keep(pictures, "-bend", 4);
}

TEST_F(Fish01GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies01 pleco = SwimmingPleco();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, [&] {
        DrawAt(pleco, Texture(1), -3.4f, 0);
        DrawAt(clown, Texture(23), 3.4f, 0);
    });
    const Census a = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(a.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(a.orange, a.fish / 50) << "the pleco is not";
    EXPECT_GT(a.brown, a.fish / 2) << "the pleco is dark brown-grey";
    EXPECT_LT(c.brown, c.fish / 4) << "the clownfish is not";
    Keep({side}, "-pair", 1);
}

}  // namespace
