// The cuckoo catfish with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from the side, the front, above and
// below, through a turn frame by frame, and beside the clownfish. Set
// PV_FISH11_PNG to a file name to keep the pictures.
#include "fish/fish_species11.h"
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

class Fish11GLTest : public FishPictureFixture {
protected:
    Fish11GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {11, 23}) {}
};

// What a picture (or a band of it) shows.
struct Census : FishCensus {
    long cream = 0, dark = 0, white = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (r > 140 && g > 0.3 * r && g < 0.75 * r && b < 0.6 * g)
            ++c.orange;
        else if (r + g + b < 150)
            ++c.dark;
        else if (r > 200 && g > 200 && b > 190)
            ++c.white;
        else if (r > 120 && g > 0.72 * r && g < 0.98 * r && b < 0.85 * g)
            ++c.cream;
    });
}

// The fish pixels outside the largest patch of the picture (pixels up to two
// apart joined, so that a fin seen edge-on is not broken up): pieces of fish
// that came loose (marked magenta in `marked` when given).
long LoosePixels(const QImage& image, QImage* marked = nullptr)
{
    const int w = image.width(), h = image.height();
    std::vector<int> label(size_t(w) * h, 0);
    long total = 0, largest = 0;
    int next = 0, main = 0;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (label[start] || IsBackgroundPixel(image.pixel(start % w, start / w), kBackground))
            continue;
        long size = 0;
        label[start] = ++next;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++size;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int x = i % w + dx, y = i / w + dy;
                    if (x < 0 || y < 0 || x >= w || y >= h)
                        continue;
                    const int j = y * w + x;
                    if (!label[j] && !IsBackgroundPixel(image.pixel(x, y), kBackground)) {
                        label[j] = next;
                        stack.push_back(j);
                    }
                }
        }
        total += size;
        if (size > largest) {
            largest = size;
            main = next;
        }
    }
    if (marked != nullptr) {
        *marked = image.copy();
        for (int i = 0; i < w * h; ++i)
            if (label[i] && label[i] != main)
                marked->setPixel(i % w, i / w, qRgb(255, 0, 255));
    }
    return total - largest;
}

// A fish that has swum a little, level, heading 0 (toward -x).
template <typename Fish>
Fish SwimmingFish()
{
    crt::srand(5);
    Fish fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    fish.m_fPos[2] = -110.0f;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0);
    return fish;
}

void Keep(const std::vector<QImage>& pictures, const char* suffix, int across = 2)
{
    KeepPictures("PV_FISH11_PNG", pictures, suffix, across);
}

TEST_F(Fish11GLTest, FromEverySideASpottedCreamCatfish)
{
    CFishSpecies11 fish = SwimmingFish<CFishSpecies11>();
    struct View {
        const char* name;
        float x, y, z;
        bool side;
    };
    const View views[] = {{"side", 0, 0, 9, true},          {"front", -9, 0, 0, false},
                          {"above", 0, 9, 0.01f, false},    {"below", 0, -9, 0.01f, false},
                          {"behind", 9, 0.5f, 0.5f, false}, {"three quarters", -6, 3.5f, 7.5f, false}};
    std::vector<QImage> pictures;
    for (const View& v : views) {
        SCOPED_TRACE(v.name);
        const QImage image = Render(v.x, v.y, v.z, [&] { DrawAt(fish, Texture(11), 0, 0); });
        QImage marked;
        const long loose = LoosePixels(image, &marked);
        pictures.push_back(marked);
        const Census c = Count(image);
        EXPECT_GT(c.fish, v.side ? 8000 : 1500) << "the fish fills part of the view";
        EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
        EXPECT_LT(loose, c.fish / 100) << "no loose pieces";
        if (v.side) {
            EXPECT_GT(c.cream, c.fish / 4) << "a cream body";
            EXPECT_GT(c.dark, c.fish / 8) << "black spots and fins";
            EXPECT_GT(c.white, 100) << "white fin margins and belly";
            // Its forked tail and tall dorsal fin included, longer than tall.
            EXPECT_GT(c.right - c.left, 1.4 * (c.bottom - c.top));
        }
    }
    Keep(pictures, "");
}

TEST_F(Fish11GLTest, ATurnAtTheWallHoldsTogetherFrameByFrame)
{
    // Its course turns only at the x walls, where the whole body snaps round
    // to the new heading: one frame it faces the wall, the next away from it.
    CFishSpecies11 fish = SwimmingFish<CFishSpecies11>();
    fish.m_fPos[0] = -49.5f;
    std::vector<QImage> pictures;
    int flipped = -1;
    for (int frame = 0; frame < 24; ++frame) {
        const int before = fish.m_nTargetHeading;
        for (bool seenFromAbove : {true, false}) {
            CFishSpecies11 drawn = fish;  // each view draws the same frame
            const float x = drawn.m_fPos[0] + 49.0f;
            auto scene = [&] {
                glBindTexture(GL_TEXTURE_2D, Texture(11));
                glPushMatrix();
                glTranslatef(x, 0, 0);
                drawn.Draw(0);
                glPopMatrix();
            };
            const QImage image = seenFromAbove ? Render(0, 9, 0.01f, scene) : Render(-4, 3, 7, scene);
            const Census c = Count(image);
            QImage marked;
            // A sheet seen edge-on (the tail from above) may break up a little.
            EXPECT_LT(LoosePixels(image, &marked), c.fish / 50) << "frame " << frame;
            EXPECT_GT(c.fish, 1500) << "frame " << frame;
            pictures.push_back(marked);
            if (!seenFromAbove)
                fish = drawn;
        }
        if (fish.m_nTargetHeading != before)
            flipped = frame;
        if (flipped >= 0 && frame == flipped + 1) {
            EXPECT_EQ(fish.m_fHeading, 180.0f) << "snapped round";
            for (int i = 0; i < 17; ++i)
                EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
        }
    }
    ASSERT_GE(flipped, 0) << "it met the wall";
    // Kept: the four frames before the flip and the four after (two views each).
    const size_t first = 2 * static_cast<size_t>(std::max(0, flipped - 3));
    Keep({pictures.begin() + first, pictures.begin() + std::min(pictures.size(), first + 16)}, "-turn", 4);
}

TEST_F(Fish11GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies11 catfish = SwimmingFish<CFishSpecies11>();
    CFishSpecies23 clown = SwimmingFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 16, [&] {
        DrawAt(catfish, Texture(11), -3.4f, 0);
        DrawAt(clown, Texture(23), 3.4f, 0);
    });
    const Census a = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(a.fish, 2000);
    ASSERT_GT(c.fish, 2000);
    EXPECT_GT(c.orange, c.fish / 3) << "the clownfish is orange";
    EXPECT_LT(a.orange, a.fish / 50) << "the catfish is not";
    EXPECT_GT(a.cream, a.fish / 4) << "the catfish is cream";
    EXPECT_GT(a.dark, a.fish / 10) << "and spotted";
    EXPECT_LT(c.cream, c.fish / 10) << "the clownfish is not cream";
    Keep({side}, "-pair", 1);
}

}  // namespace
