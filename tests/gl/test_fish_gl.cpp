// The clownfish with a real GL context, drawn as the fish pass draws it (its
// texture replacing the colour): from the side, the front and above. Set
// PV_FISH_PNG to a file name to keep the pictures.
#include "fish/fish_species23.h"
#include "gfx/builtin_texture.h"
#include "gfx/texture.h"
#include "gl/fish_gl_fixture.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"
#include "settings/settings.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;

using Target = OffscreenTarget;

class FishGLTest : public FishGLFixture {
protected:
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_texture = LoadFishTexture(23);
    }

    // One fish at the origin seen from (ex, ey, ez).
    QImage Render(CFishSpecies23& fish, float ex, float ey, float ez)
    {
        Target target(kWidth, kHeight);
        if (!target.Complete())
            return {};
        return RenderFish(target, kWidth, kHeight, qRgb(13, 31, 64), 30.0, ex, ey, ez, [&] {
            glBindTexture(GL_TEXTURE_2D, m_texture);
            fish.m_fPos[0] = fish.m_fPos[1] = fish.m_fPos[2] = 0.0f;
            glPushMatrix();
            fish.Draw(0);
            glPopMatrix();
        });
    }

    GLuint m_texture = 0;
};

struct Census : FishCensus {
    long orange = 0, white = 0, black = 0;
};

Census Count(const QImage& image)
{
    return CountFish<Census>(image, qRgb(13, 31, 64), 0, image.width(), [](Census& c, int r, int g, int b) {
        if (r > 150 && r > g + 60 && g > b + 10)
            ++c.orange;
        else if (r > 140 && g > 140 && b > 140 && std::abs(r - b) < 40)
            ++c.white;
        else if (r + g + b < 90)
            ++c.black;
    });
}

// A settled fish that has swum a little, with its stroke cleared so the jaws work.
CFishSpecies23 SwimmingFish()
{
    crt::srand(5);
    CFishSpecies23 fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    for (int i = 0; i < 30; ++i)
        fish.Draw(0);
    fish.m_fPitch = fish.m_fShownPitch = 0.0f;
    return fish;
}

TEST_F(FishGLTest, TextureIsTheClownfishPicture)
{
    ExpectTextureSize(m_texture, 512, 256);
}

TEST_F(FishGLTest, SeenFromTheSideTheFrontAndAboveItShowsOrangeWithWhiteBarsEdgedInBlack)
{
    CFishSpecies23 fish = SwimmingFish();
    std::vector<QImage> renders;
    for (const FishView& v : ViewsOfAFish(10)) {
        SCOPED_TRACE(v.name);
        const QImage image = Render(fish, v.x, v.y, v.z);
        ASSERT_FALSE(image.isNull());
        renders.push_back(image);
        const Census c = Count(image);
        EXPECT_GT(c.fish, 3000) << "the fish fills part of the view";
        EXPECT_GT(c.orange, c.fish / 3) << "mostly orange";
        EXPECT_GT(c.white, c.fish / 50) << "white bars";
        EXPECT_GT(c.black, c.fish / 100) << "black borders, eyes and fin margins";
    }
    if (const char* path = std::getenv("PV_FISH_PNG")) {
        QImage sheet(kWidth * 2, kHeight * 2, QImage::Format_RGBA8888);
        for (int k = 0; k < 4; ++k)
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    sheet.setPixel((k % 2) * kWidth + x, (k / 2) * kHeight + y, renders[k].pixel(x, y));
        EXPECT_TRUE(sheet.save(path));
    }
}

}  // namespace
