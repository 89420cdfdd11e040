// The stingray with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): a flat disc seen from the side, above and
// below, and through a half turn. Set PV_FISH20_PNG to a file name to keep
// the pictures.
#include "fish/fish_species20.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

class Fish20GLTest : public FishGLFixture {
protected:
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_ray = LoadFishTexture(20);
        m_clown = LoadFishTexture(23);
        m_target = std::make_unique<OffscreenTarget>(kWidth, kHeight);
        ASSERT_TRUE(m_target->Complete());
    }
    void TearDown() override
    {
        m_target.reset();
        FishGLFixture::TearDown();
    }

    template <typename Scene>
    QImage Render(float ex, float ey, float ez, float fov, Scene drawFish)
    {
        return RenderFish(*m_target, kWidth, kHeight, kBackground, fov, ex, ey, ez, drawFish);
    }

    template <typename Fish>
    void DrawAt(Fish& fish, GLuint texture, float x, float y)
    {
        glBindTexture(GL_TEXTURE_2D, texture);
        fish.m_fPos[0] = x;
        fish.m_fPos[1] = y;
        fish.m_fPos[2] = 0.0f;
        glPushMatrix();
        glTranslatef(x, y, 0.0f);
        fish.Draw(0);
        glPopMatrix();
    }

    GLuint m_ray = 0, m_clown = 0;
    std::unique_ptr<OffscreenTarget> m_target;
};

// What a picture (or a part of it) shows.
struct Census {
    long fish = 0, brown = 0, orange = 0, pale = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census c;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (std::abs(r - qRed(kBackground)) + std::abs(g - qGreen(kBackground)) +
                    std::abs(b - qBlue(kBackground)) < 6)
                continue;
            ++c.fish;
            c.left = std::min(c.left, x);
            c.right = std::max(c.right, x);
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
            if (r > 170 && g > 0.45 * r && g < 0.85 * r && b < 0.45 * g)
                ++c.orange;
            else if (r > 150 && g > 150 && b > 130)
                ++c.pale;
            else if (r > g && g > b && r < 150 && r > 30 && b < 0.8 * r)
                ++c.brown;
        }
    return c;
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

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    const char* path = std::getenv("PV_FISH20_PNG");
    if (path == nullptr)
        return;
    QImage sheet(kWidth * 2, kHeight * ((pictures.size() + 1) / 2), QImage::Format_RGBA8888);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (size_t k = 0; k < pictures.size(); ++k)
        painter.drawImage(int(k % 2) * kWidth, int(k / 2) * kHeight, pictures[k]);
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromStdString(std::string(path) + suffix + ".png")));
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
        pictures.push_back(Render(v.x, v.y, v.z, 40.0f, [&] { DrawAt(fish, m_ray, 0, 0); }));
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
        const QImage image = Render(0, 8, 0.01f, 40.0f, [&] { DrawAt(fish, m_ray, 0, 0); });
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
        DrawAt(ray, m_ray, -3.0f, 0);
        DrawAt(clown, m_clown, 3.0f, 0);
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
