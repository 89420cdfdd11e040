// The zebra danio with a real GL context, drawn as the fish pass draws it
// (its texture replacing the colour): from every side, in a turn frame by
// frame, and beside the clownfish. Set PV_FISH07_PNG to a file name to keep
// the pictures.
#include "fish/fish_species07.h"
#include "fish/fish_species23.h"
#include "gl/fish_gl_fixture.h"
#include "gl/offscreen_target.h"
#include "support/vertex_recorder.h"

#include <GL/glew.h>

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(40, 90, 120);

class Fish07GLTest : public FishPictureFixture {
protected:
    Fish07GLTest() : FishPictureFixture(kWidth, kHeight, kBackground, {7, 23}) {}
};

// What a picture (or a part of it) shows.
struct Census : FishCensus {
    long stripe = 0, gold = 0, silver = 0, orange = 0;
};

Census Count(const QImage& image, int x0 = 0, int x1 = kWidth)
{
    return CountFish<Census>(image, kBackground, x0, x1, [](Census& c, int r, int g, int b) {
        if (b > r + 25 && b > g + 15 && r + g + b < 330)
            ++c.stripe;  // blue-black
        else if (r > 150 && g > 0.78 * r && b < 0.75 * g)
            ++c.gold;
        else if (r > 170 && g > 170 && b > 150 && b >= 0.75 * g)
            ++c.silver;
        else if (r > 180 && g > 0.3 * r && g < 0.62 * r && b < 0.3 * g)
            ++c.orange;  // the clownfish's
    });
}

void Keep(const std::vector<QImage>& pictures, const char* suffix)
{
    KeepPictures("PV_FISH07_PNG", pictures, suffix, 2);
}

// The picture's rows from top to bottom through column x, as stripe (1) or
// not (0), run-length counted: the dark bands met going down the flank.
int DarkBandsDown(const QImage& image, int x)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(x, y);
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        const bool dark = p != kBackground && b > r + 25 && b > g + 15 && r + g + b < 330;
        if (dark && !inBand)
            ++bands;
        inBand = dark;
    }
    return bands;
}

TEST_F(Fish07GLTest, SeenFromEverySideItIsASlimFishStripedBlueAndGold)
{
    CFishSpecies07 fish = SettledFish<CFishSpecies07>();
    const auto draw = [&] { DrawFishAt(fish, Texture(7), 0, 0); };
    const std::vector<QImage> pictures =
        RenderViews(ViewsOfAFish(8, true), 40.0f, draw, [&](const FishView& v, const QImage& image) {
            const Census c = Count(image);
            EXPECT_GT(c.fish, v.side ? 6000 : 700) << "the fish fills part of the view";
            EXPECT_LT(c.orange, c.fish / 50) << "no clownfish orange";
            EXPECT_LT(LooseShare(image, kBackground), 0.01) << "one piece";
            if (v.side) {
                EXPECT_GT(c.stripe, c.fish / 6) << "blue-black stripes";
                EXPECT_GT(c.gold, c.fish / 10) << "gold between them";
                EXPECT_GT(c.silver, c.fish / 60) << "a silvery belly";
                // Slim: with its tail and fins more than three times as long as deep.
                EXPECT_GT(c.right - c.left, 3.3 * (c.bottom - c.top));
                // Four dark bands down the flank at its middle.
                EXPECT_GE(DarkBandsDown(image, (c.left + c.right) / 2 - 20), 3);
            }
        });
    Keep(pictures, "");
}

TEST_F(Fish07GLTest, InATurnItHoldsTogetherFrameByFrame)
{
    CFishSpecies07 fish = SettledFish<CFishSpecies07>();
    const std::vector<QImage> pictures = ExpectTurnHoldsTogetherSeenFrom(
        fish, {{0, 8, 0}, {-5, 3, 6}}, 8, [&](CFishSpecies07& f) { DrawFishAt(f, Texture(7), 0, 0); });
    Keep(pictures, "-turn");
}

// Every variant leaves the matrix stack as it found it: the narrowed ones
// scale inside Draw's own push, and those that draw nothing still pop.
TEST_F(Fish07GLTest, EveryVariantLeavesTheMatrixStackBalanced)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    for (int variant : {0, 1, 2, 3, 4, 5, 9, 31, 40, -1}) {
        CFishSpecies07 fish = SettledFish<CFishSpecies07>();
        fish.Draw(variant);
        GLint after = 0;
        float m[16];
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        EXPECT_EQ(after, depth) << "variant " << variant;
        const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(m[i], expected[i]) << "variant " << variant << " entry " << i;
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glPopMatrix();
}

// The modelview matrix at the start of each primitive a Draw sends.
class MatrixRecorder : public VertexRecorder {
public:
    void Begin(GLenum mode) override
    {
        VertexRecorder::Begin(mode);
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        matrices.push_back(m);
    }
    std::vector<std::array<float, 16>> matrices;
};

// Variants 3 and 4 draw their parts under glScalef(0.7, 1, 1) and
// glScalef(0.7, 0.8, 0.5) of the model's axes: every part's matrix is
// variant 0's with its x, y and z columns so scaled.
TEST_F(Fish07GLTest, Variants3And4ScaleTheModelAxes)
{
    const CFishSpecies07 settled = SettledFish<CFishSpecies07>();
    auto matricesOf = [&](int variant) {
        MatrixRecorder recorder;
        CFishSpecies07 fish = settled;
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(0.5f, -1.0f, -6.0f);
        fish.Draw(variant);
        glPopMatrix();
        return recorder.matrices;
    };
    const auto plain = matricesOf(0);
    ASSERT_FALSE(plain.empty());
    struct Case {
        int variant;
        float scale[3];
    } cases[] = {{3, {0.7f, 1.0f, 1.0f}}, {4, {0.7f, 0.8f, 0.5f}}, {1, {1, 1, 1}}};
    for (const Case& c : cases) {
        const auto scaled = matricesOf(c.variant);
        ASSERT_FALSE(scaled.empty()) << c.variant;
        for (const auto& m : scaled)
            for (int column = 0; column < 4; ++column)
                for (int row = 0; row < 4; ++row) {
                    const float k = column < 3 ? c.scale[column] : 1.0f;
                    EXPECT_NEAR(m[4 * column + row], plain[0][4 * column + row] * k, 1e-5)
                        << "variant " << c.variant << " column " << column << " row " << row;
                }
    }
}

TEST_F(Fish07GLTest, BesideTheClownfishTheTwoReadAsDifferentFish)
{
    CFishSpecies07 danio = SettledFish<CFishSpecies07>();
    CFishSpecies23 clown = SettledFish<CFishSpecies23>();
    const QImage side = Render(0, 0, 14, 40.0f, [&] {
        DrawFishAt(danio, Texture(7), -3.0f, 0);
        DrawFishAt(clown, Texture(23), 3.0f, 0);
    });
    const Census d = Count(side, 0, kWidth / 2), c = Count(side, kWidth / 2, kWidth);
    ASSERT_GT(d.fish, 1000);
    ASSERT_GT(c.fish, 1000);
    EXPECT_GT(c.orange, c.fish / 4) << "the clownfish is orange";
    EXPECT_LT(d.orange, d.fish / 50) << "the danio is not";
    EXPECT_GT(d.stripe, 3 * c.stripe + 100) << "the danio is the striped blue one";
    EXPECT_LT(d.bottom - d.top, c.bottom - c.top) << "and the slimmer";
    Keep({side}, "-pair");
}

}  // namespace
