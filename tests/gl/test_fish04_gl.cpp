// The oscar with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): a deep, dark fish marbled in orange from
// every side, its eyespot on the tail's base, in one piece through a turn,
// and unlike the clownfish beside it. Set PV_FISH04_PNG to a file name to
// keep the pictures.
#include "fish/fish_species04.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_feedback.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish04GLTest : public FishPictureFixture {
protected:
    Fish04GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {4, 23}) {}
    void DrawOscar(CFishSpecies04& fish, float x = 0, float y = 0) { DrawAt(fish, Texture(4), x, y); }
};

// What a picture (or a part of it) shows: the fish's pixels by colour.
struct Census : FishCensus {
    long dark = 0, orange = 0, black = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r + g + b < 60)
            ++c.black;
        if (r + g + b < 200 && b < r + 25)
            ++c.dark;
        else if (r > 130 && g > 0.2 * r && g < 0.62 * r && b < 0.5 * g + 20)
            ++c.orange;
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix) { KeepPictures("PV_FISH04_PNG", pictures, suffix, 2); }

TEST_F(Fish04GLTest, FromEverySideADeepDarkFishMarbledInOrange)
{
    CFishSpecies04 fish = SettledFish<CFishSpecies04>();
    const auto draw = [&] { DrawOscar(fish); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(9, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 12000 : 1500) << "the fish fills part of the view";
            EXPECT_GT(c.dark, c.fish / 3) << "a velvety dark fish";
            if (v.side) {
                EXPECT_GT(c.orange, c.fish / 12) << "orange-red marbling and the eyespot's ring";
                EXPECT_LT(c.orange, c.fish / 2) << "on a dark ground";
                // Deep and oval: with its fins about two thirds as tall as long.
                const float aspect = float(c.bottom - c.top) / float(c.right - c.left);
                EXPECT_GT(aspect, 0.5f);
                EXPECT_LT(aspect, 0.85f);
            }
        });
    Keep(pictures, "");
}

// Frame after frame of a half turn, from above and from the side: the fish
// keeps one outline (no fin drifts off as a separate piece).
TEST_F(Fish04GLTest, HoldsTogetherThroughATurn)
{
    CFishSpecies04 fish = SettledFish<CFishSpecies04>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherAboveAndSide(
        fish, 48, 12.0f, 0, 8, [&](CFishSpecies04& f) { DrawOscar(f); });
    Keep(pictures, "-turn");
}

struct Extent {
    float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
};
Extent ExtentOf(const std::vector<std::array<float, 3>>& points)
{
    Extent e;
    for (const auto& p : points)
        for (int k = 0; k < 3; ++k) {
            e.lo[k] = std::min(e.lo[k], p[k]);
            e.hi[k] = std::max(e.hi[k], p[k]);
        }
    return e;
}

// At heading 0 the snout points toward falling x (0.5 of the size ahead of
// the fish's centre) and the tail the other way; mode 4 stretches the fish
// by 1.2 along its length and leaves its depth.
TEST_F(Fish04GLTest, ItSwimsHeadFirstAndModeFourStretchesItAlongItsLength)
{
    for (int heading : {0, 180}) {
        SCOPED_TRACE(heading);
        CFishSpecies04 fish = SettledFish<CFishSpecies04>();
        fish.m_nTargetHeading = heading;
        fish.m_nWallState = 1;  // comes round at once
        fish.m_fPos[0] = 0;
        CFishSpecies04 stretched = fish;
        crt::srand(3);
        const Extent e = ExtentOf(FeedbackPoints([&] { fish.Draw(0); }, 10.0f));
        crt::srand(3);
        const Extent s = ExtentOf(FeedbackPoints([&] { stretched.Draw(4); }, 10.0f));
        const float ahead = heading == 0 ? -e.lo[0] : e.hi[0], behind = heading == 0 ? e.hi[0] : -e.lo[0];
        EXPECT_NEAR(ahead, 0.5f * 5, 0.05f) << "the lips";
        EXPECT_GT(behind, 0.45f * 5) << "the tail";
        EXPECT_LT(e.hi[2] - e.lo[2], 0.5f * 5) << "thick-set, but far less thick than long";
        if (heading == 0) {
            EXPECT_NEAR(s.lo[0], 1.2f * e.lo[0], 0.01f) << "the lips 1.2 times as far ahead";
            EXPECT_NEAR(s.hi[2] - s.lo[2], e.hi[2] - e.lo[2], 1e-3f) << "as thick";
        }
        fish.m_nWallState = 0;
        const float x = fish.m_fPos[0];
        fish.Draw(0);
        EXPECT_EQ(fish.m_fPos[0] < x, heading == 0) << "it moves the way its snout points";
    }
}

TEST_F(Fish04GLTest, BesideTheClownfishItIsTheDarkerDeeperFish)
{
    CFishSpecies04 oscar = SettledFish<CFishSpecies04>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawOscar(oscar, -3.2f, 0);
        DrawAt(clown, Texture(23), 3.6f, 0);
    });
    const Census o = Count(side, 0, kWidth / 2 + 10), c = Count(side, kWidth / 2 + 10, kWidth);
    ASSERT_GT(o.fish, 2000);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(o.dark, o.fish / 3);
    EXPECT_LT(c.dark, c.fish / 4);
    EXPECT_GT(o.bottom - o.top, c.bottom - c.top) << "the oscar is the deeper fish";
    Keep({side}, "-pair");
}

}  // namespace
