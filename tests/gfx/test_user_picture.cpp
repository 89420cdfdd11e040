// Pictures made ready for the GL off the drawing thread: the levels follow
// from the rules (powers of two, each level the mean of the one above, the
// television-safe colours, bottom row first), and hostile headers cost
// little.
#include "gfx/picture_check.h"
#include "gfx/user_picture.h"
#include "gl/picture_files.h"
#include "support/processor_time.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <ctime>

namespace {

int Safe(int v) { return 16 + (v * 219 + 127) / 255; }

class PreparedPictureTest : public ::testing::Test {
protected:
    PreparedPicture Prepared(const std::string& name, const std::string& bytes, int largest = 2048)
    {
        PreparedPicture picture;
        std::string problem;
        EXPECT_TRUE(PreparePicture(dir.Write(name, bytes).c_str(), largest, &picture, &problem)) << problem;
        return picture;
    }
    ScratchDir dir;
};

TEST_F(PreparedPictureTest, LevelsHalveDownToOnePixelEachTheMeanOfTheOneAbove)
{
    QImage image(37, 5, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 50) % 256, (x * y * 13) % 256, 55 + x * 5));
    const PreparedPicture p = Prepared("levels.png", Written(image, "png"));
    ASSERT_EQ(p.channels, 4);
    ASSERT_EQ(p.levels.size(), 7u) << "64 x 8 down to 1 x 1";
    int w = 64, h = 8;
    for (size_t i = 0; i < p.levels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p.levels[i].width, w);
        EXPECT_EQ(p.levels[i].height, h);
        ASSERT_EQ(p.levels[i].pixels.size(), size_t(w) * h * 4);
        if (i > 0) {
            const PreparedPicture::Level& up = p.levels[i - 1];
            const int sx = up.width > 1 ? 2 : 1, sy = up.height > 1 ? 2 : 1;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < 4; ++c) {
                        int sum = 0;
                        for (int dy = 0; dy < sy; ++dy)
                            for (int dx = 0; dx < sx; ++dx)
                                sum += up.pixels[(size_t(y * sy + dy) * up.width + x * sx + dx) * 4 + c];
                        const int n = sx * sy;
                        ASSERT_EQ(p.levels[i].pixels[(size_t(y) * w + x) * 4 + c], (sum + n / 2) / n)
                            << x << "," << y << " channel " << c;
                    }
        }
        w = std::max(1, w / 2);
        h = std::max(1, h / 2);
    }
}

TEST_F(PreparedPictureTest, ColoursAreTelevisionSafeAlphaIsKeptAndTheBottomRowComesFirst)
{
    const struct {
        QColor top, bottom;
    } cases[] = {
        {QColor(0, 0, 0, 255), QColor(255, 255, 255, 255)},
        {QColor(255, 128, 1, 20), QColor(7, 200, 99, 240)},
    };
    for (const auto& c : cases) {
        const bool alpha = c.top.alpha() < 255;
        QImage image(16, 8, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                image.setPixelColor(x, y, y < 4 ? c.top : c.bottom);
        const PreparedPicture p = Prepared("bands.png", Written(image, "png"));
        ASSERT_EQ(p.channels, alpha ? 4 : 3);
        const int n = p.channels;
        const PreparedPicture::Level& level = p.levels[0];
        ASSERT_EQ(level.width, 16);
        ASSERT_EQ(level.height, 8);
        const auto expect = [&](int row, const QColor& colour) {
            const unsigned char* px = &level.pixels[size_t(row) * 16 * n + 5 * n];
            EXPECT_EQ(px[0], Safe(colour.red()));
            EXPECT_EQ(px[1], Safe(colour.green()));
            EXPECT_EQ(px[2], Safe(colour.blue()));
            if (n == 4) {
                EXPECT_EQ(px[3], colour.alpha());
            }
        };
        expect(0, c.bottom);
        expect(7, c.top);
    }
}

TEST_F(PreparedPictureTest, SidesRoundUpToPowersOfTwoWithinTheLimitGiven)
{
    const struct {
        int w, h, limit, expectW, expectH;
    } cases[] = {
        {1, 1, 2048, 1, 1}, {3, 5, 2048, 4, 8}, {640, 480, 2048, 1024, 512}, {640, 480, 256, 256, 256},
        {3000, 10, 2048, 2048, 8}, {100, 100, 64, 64, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " in " + std::to_string(c.limit));
        QImage image(c.w, c.h, QImage::Format_RGB32);
        image.fill(QColor(90, 120, 150));
        const PreparedPicture p = Prepared("side.bmp", Bmp24(image), c.limit);
        ASSERT_FALSE(p.levels.empty());
        EXPECT_EQ(p.levels[0].width, c.expectW);
        EXPECT_EQ(p.levels[0].height, c.expectH);
    }
}

// A small JPEG whose frame header claims a huge picture: the decoder shrinks
// as it decodes, so it costs little time (it once cost seconds per file on
// the drawing thread) and never more than the largest side; one beyond any
// size that can be loaded is refused before any decoding.
TEST_F(PreparedPictureTest, AHeaderClaimingAHugeSizeCostsLittle)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(QColor(30, 160, 90));
    const std::string jpeg = Written(image, "jpg");
    const size_t sof = jpeg.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    const auto claiming = [&](int w, int h) {
        std::string b = jpeg;
        b[sof + 5] = char(h >> 8);
        b[sof + 6] = char(h & 0xFF);
        b[sof + 7] = char(w >> 8);
        b[sof + 8] = char(w & 0xFF);
        return b;
    };
    const double start = ProcessorSeconds();
    for (int i = 0; i < 10; ++i) {
        PreparedPicture p;
        std::string problem;
        if (PreparePicture(dir.Write("huge.jpg", claiming(16384, 4096)).c_str(), 2048, &p, &problem)) {
            ASSERT_FALSE(p.levels.empty());
            EXPECT_LE(p.levels[0].width, 2048);
            EXPECT_LE(p.levels[0].height, 2048);
        } else {
            EXPECT_FALSE(problem.empty());
        }
    }
    EXPECT_LT(ProcessorSeconds() - start, 20.0);

    PreparedPicture p;
    std::string problem;
    EXPECT_FALSE(PreparePicture(dir.Write("huger.jpg", claiming(65000, 65000)).c_str(), 2048, &p, &problem));
    EXPECT_NE(problem.find("too large"), std::string::npos) << problem;
}

}  // namespace
