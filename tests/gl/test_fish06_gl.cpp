// The lyretail killifish with a real GL context, drawn as the fish pass draws
// it (its texture replacing the colour): from the side, the front, above and
// behind, beside the clownfish, and frame by frame through a turn. Set
// PV_FISH06_PNG to a file name to keep the pictures.
#include "fish/fish_species06.h"
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

class Fish06GLTest : public FishGLFixture {
protected:
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_killi = LoadFishTexture(6);
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

    // Draws the fish where it is, and moves it as the fish pass does.
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

    GLuint m_killi = 0, m_clown = 0;
    std::unique_ptr<OffscreenTarget> m_target;
};

bool IsBackground(QRgb p)
{
    return std::abs(qRed(p) - qRed(kBackground)) + std::abs(qGreen(p) - qGreen(kBackground)) +
               std::abs(qBlue(p) - qBlue(kBackground)) < 6;
}

// What a picture (or a part of it) shows.
struct Census {
    long fish = 0, orange = 0, teal = 0, red = 0, pale = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;  // the fish's bounds
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    Census c;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            if (IsBackground(p))
                continue;
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            ++c.fish;
            c.left = std::min(c.left, x);
            c.right = std::max(c.right, x);
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
            if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
                ++c.orange;  // the clownfish's
            else if (g > r + 10 && b > r)
                ++c.teal;
            else if (r > 100 && g < 0.35 * r && b < 0.45 * r)
                ++c.red;
            else if (r > 200 && g > 190 && b > 150)
                ++c.pale;
        }
    return c;
}

// Pieces of the picture that do not touch each other (pixels of 8 neighbours),
// of at least `least` pixels: one fish that holds together is one piece (a
// fin seen edge-on may break into specks thinner than a pixel).
int Pieces(const QImage& image, int least = 25)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    int pieces = 0;
    std::vector<std::pair<int, int>> stack;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[y0 * w + x0] || IsBackground(image.pixel(x0, y0)))
                continue;
            int size = 0;
            stack.assign(1, {x0, y0});
            seen[y0 * w + x0] = 1;
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                ++size;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[ny * w + nx] ||
                            IsBackground(image.pixel(nx, ny)))
                            continue;
                        seen[ny * w + nx] = 1;
                        stack.push_back({nx, ny});
                    }
            }
            pieces += size >= least;
        }
    return pieces;
}

// A settled fish that has swum a little, level.
template <typename Fish>
Fish SwimmingFish()
{
    crt::srand(5);
    Fish fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    fish.m_nWanderTimer = 0;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0);
    fish.m_fPitch = fish.m_fShownPitch = 0.0f;
    return fish;
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    const char* path = std::getenv("PV_FISH06_PNG");
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

TEST_F(Fish06GLTest, TextureIsTheKillifishPicture)
{
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, m_killi);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(width, 512);
    EXPECT_EQ(height, 256);
}

TEST_F(Fish06GLTest, SeenFromEverySideItIsOneLongSpottedFish)
{
    CFishSpecies06 fish = SwimmingFish<CFishSpecies06>();
    struct View {
        const char* name;
        float x, y, z;
        bool side;
    };
    const View views[] = {{"side", 0, 0, 10, true},    {"front", -10, 0, 0, false},
                          {"above", 0, 10, 0, false},  {"behind", 10, 0, 0, false},
                          {"below", 0, -10, 0.01f, false}, {"three quarters", -6, 3.5f, 7.5f, false}};
    std::vector<QImage> pictures;
    for (const View& v : views) {
        SCOPED_TRACE(v.name);
        const QImage image = Render(v.x, v.y, v.z, 30.0f, [&] { DrawAt(fish, m_killi, 0, 0); });
        pictures.push_back(image);
        const Census c = Count(image);
        EXPECT_GT(c.fish, v.side ? 5000 : 800) << "the fish fills part of the view";
        EXPECT_EQ(Pieces(image), 1) << "no part stands apart";
        EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
        if (v.side) {
            EXPECT_GT(c.teal, c.fish / 20) << "blue-green flanks and tail";
            EXPECT_GT(c.red, c.fish / 30) << "carmine spots and bands";
            EXPECT_GT(c.pale, 10) << "the streamers' white tips";
            // Long and low: with its lyre tail more than twice as long as deep.
            EXPECT_GT(c.right - c.left, 2 * (c.bottom - c.top));
        }
    }
    Keep(pictures, "");
}

TEST_F(Fish06GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies06 killi = SwimmingFish<CFishSpecies06>();
    CFishSpecies23 clown = SwimmingFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, 40.0f, [&] {
        DrawAt(killi, m_killi, -3.2f, 0);
        DrawAt(clown, m_clown, 3.2f, 0);
    });
    const Census k = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(k.fish, 1500);
    ASSERT_GT(c.fish, 1500);
    EXPECT_GT(c.orange, c.fish / 4) << "the clownfish is orange";
    EXPECT_LT(k.orange, k.fish / 50) << "the killifish is not";
    EXPECT_GT(k.teal, 5 * c.teal + 50) << "the killifish is blue-green below";
    Keep({side}, "-pair");
}

// A turn of 180 degrees seen from above and from the side, every frame: the
// fish bends round and holds together.
TEST_F(Fish06GLTest, ThroughATurnEveryFrameShowsOneFish)
{
    CFishSpecies06 fish = SwimmingFish<CFishSpecies06>();
    fish.m_nTargetHeading = 180;
    std::vector<QImage> kept;
    for (int frame = 1; frame <= 40; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        fish.m_fPitch = fish.m_fShownPitch = 0.0f;
        CFishSpecies06 again = fish;  // the same frame, seen from above
        const QImage side = Render(0, 0, 10, 40.0f, [&] { DrawAt(fish, m_killi, 0, 0); });
        const QImage above = Render(0, 10, 0, 40.0f, [&] { DrawAt(again, m_killi, 0, 0); });
        EXPECT_EQ(Pieces(side), 1);
        EXPECT_EQ(Pieces(above), 1);
        if (frame % 5 == 0) {
            kept.push_back(side);
            kept.push_back(above);
        }
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    Keep(kept, "-turn");
}

}  // namespace
