// The stingray with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): a flat disc seen from the side, above and
// below, and through a half turn. Set PV_FISH20_PNG to a file name to keep
// the pictures.
#include "fish/fish_species20.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish20GLTest : public FishPictureFixture {
protected:
    Fish20GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {20, 23}) {}
    void Keep(const std::vector<QImage>& pictures, const char* suffix) const
    {
        ::KeepPictures("PV_FISH20_PNG", pictures, suffix, 2);
    }
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long brown = 0, orange = 0, pale = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 170 && g > 0.45 * r && g < 0.85 * r && b < 0.45 * g)
            ++c.orange;
        else if (r > 150 && g > 150 && b > 130)
            ++c.pale;
        else if (r > g && g > b && r < 150 && r > 30 && b < 0.8 * r)
            ++c.brown;
    });
}

// A settled fish that has swum a little, level, heading 0.
CFishSpecies20 SwimmingRay()
{
    crt::srand(5);
    CFishSpecies20 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_bNoWander = 1;
    fish.TargetPitch() = 0.0f;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0);
    fish.TargetPitch() = fish.m_fShownPitch = 0.0f;
    return fish;
}

TEST_F(Fish20GLTest, FromAboveABrownDiscWithOrangeOcelliFromTheSideAThinOne)
{
    CFishSpecies20 fish = SwimmingRay();
    struct View {
        const char* name;
        float x, y, z;
    };
    // The game's camera looks along -z: a fish swimming in x shows its side.
    const View views[] = {{"side", 0, 0, 8},    {"above", 0, 8, 0},          {"front", -8, 0, 0},
                          {"below", 0, -8, 0.01f}, {"three quarters", -5, 4, 6}, {"behind", 8, 1.5f, 0}};
    std::vector<QImage> pictures;
    for (const View& v : views)
        pictures.push_back(Render(v.x, v.y, v.z, 40.0f, [&] { DrawAt(fish, Texture(20), 0, 0); }));
    Keep(pictures, "");

    const Census side = Count(pictures[0]), above = Count(pictures[1]), below = Count(pictures[3]);
    // From above the disc is about as wide as it is long, and the tail
    // reaches as far again behind it.
    ASSERT_GT(above.fish, 4000);
    EXPECT_GT(above.orange, above.fish / 25) << "orange ocelli";
    EXPECT_GT(above.brown, above.fish / 3) << "a brown back";
    EXPECT_LT(above.pale, above.fish / 20) << "no pale back";
    EXPECT_GT(above.bottom - above.top, (above.right - above.left) * 0.35) << "a round disc, not a slim fish";
    // From the side it is long and thin.
    ASSERT_GT(side.fish, 400);
    EXPECT_GT(side.right - side.left, 5 * (side.bottom - side.top));
    // From below, the pale belly.
    EXPECT_GT(below.pale + below.brown, below.fish / 2);
    EXPECT_GT(below.pale, below.fish / 4) << "a cream belly";
}

TEST_F(Fish20GLTest, ThroughAHalfTurnTheDiscAndTailHoldTogether)
{
    CFishSpecies20 fish = SwimmingRay();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> pictures;
    long least = 1 << 30, most = 0;
    for (int frame = 1; frame <= 36; ++frame) {
        const QImage image = Render(0, 8, 0.01f, 40.0f, [&] { DrawAt(fish, Texture(20), 0, 0); });
        if (frame % 3 == 0)
            pictures.push_back(image);
        const Census c = Count(image);
        least = std::min(least, c.fish);
        most = std::max(most, c.fish);
    }
    Keep(pictures, "-turn");
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    // The rigid disc shows the same area from above whichever way it points;
    // the tail curls but never breaks off.
    EXPECT_GT(least, most * 0.85);
}

TEST_F(Fish20GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies20 ray = SwimmingRay();
    crt::srand(5);
    CFishSpecies23 clown;
    clown.SetSwimBox(-50, 50, 3, -22, -75, -80);
    clown.m_fPitch = clown.m_fShownPitch = 0.0f;
    clown.m_bNoWander = 1;
    auto both = [&] {
        DrawAt(ray, Texture(20), -3.0f, 0);
        DrawAt(clown, Texture(23), 3.0f, 0);
    };
    const QImage side = Render(0, 0, 16, 40.0f, both), above = Render(0, 14, 0.01f, 40.0f, both);
    Keep({side, above}, "-pair");
    const Census r = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(r.fish, 300);
    ASSERT_GT(c.fish, 1000);
    // From the side: a thin disc with its whip beside a deep, short fish.
    EXPECT_LT(float(r.bottom - r.top) / float(r.right - r.left), 0.2f);
    EXPECT_GT(float(c.bottom - c.top) / float(c.right - c.left), 0.3f);
    // From above: the brown, spotted disc is the larger.
    const Census ra = Count(above, 0, kWidth / 2), ca = Count(above, kWidth / 2, kWidth);
    EXPECT_GT(ra.fish, ca.fish);
    EXPECT_GT(ra.brown, ra.fish / 3);
    EXPECT_LT(ca.brown, ca.fish / 10);
}

}  // namespace
