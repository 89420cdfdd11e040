// The Fish dialog's pictures of the species, drawn offscreen by the running
// game window from its own fish: the built species show, the others do not,
// and drawing them leaves the game as it was.
#include "app/main_frame.h"
#include "app/resource.h"
#include "fish/fish_registry.h"
#include "platform/crt.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "settings/settings.h"
#include "support/scratch.h"
#include "support/settings_file.h"
#include "ui/fish_grid_picture.h"
#include "ui/ui_resource.h"
#include "view/species_portraits.h"

#include <GL/glew.h>

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = FISH_PORTRAIT_WIDTH;
constexpr int kHeight = FISH_PORTRAIT_HEIGHT;

class SpeciesPortraitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = MakeScratchFolder("portraits");
        ASSERT_FALSE(root.empty());
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
        ASSERT_TRUE(WriteCountsFile(root + "/config", {{23, 2}, {3, 1}}, {}));
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        SetMessageBoxHook([](const char*, const char*, UINT) { return IDOK; });
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        frame->ShowWindow(SW_SHOWMAXIMIZED);
        for (int i = 0; i < 200 && frame->m_wndView.m_nFramesDrawn < 3; ++i)
            AfxPumpMessages(25);
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override
    {
        if (frame) {
            frame->DestroyWindow();
            delete frame;
        }
        SetMessageBoxHook(nullptr);
        SetSpeciesPortraitSource(nullptr);
        std::filesystem::remove_all(root);
    }
    CTankView& View() { return frame->m_wndView; }

    std::string root;
    CMainFrame* frame = nullptr;
};

struct Cover {
    int pixels = 0, orange = 0;
    int left = kWidth, right = -1, top = kHeight, bottom = -1;
};

Cover Measure(const std::vector<uint32_t>& argb)
{
    Cover c;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t p = argb[static_cast<size_t>(y) * kWidth + x];
            if ((p >> 24) == 0)
                continue;
            // The extent counts any cover (thin fins and filaments are
            // partly transparent once scaled down); the colour only solid pixels.
            c.left = std::min(c.left, x);
            c.right = std::max(c.right, x);
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
            if ((p >> 24) < 128)
                continue;
            ++c.pixels;
            const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            c.orange += r > 150 && r > g + 50 && g > b + 10;
        }
    return c;
}

TEST_F(SpeciesPortraitTest, BuiltSpeciesShowTheirOwnFishFillingThePicture)
{
    ASSERT_TRUE(View().m_hRC);
    struct Case {
        int species;
        bool built;
    };
    // Every species: those whose class registers itself are built.
    std::vector<Case> cases;
    for (int species = 0; species < FISH_SPECIES_COUNT; ++species)
        cases.push_back({species, FindFishSpecies(species) != nullptr});
    for (const Case& c : cases) {
        std::vector<uint32_t> argb;
        EXPECT_EQ(RenderSpeciesPortrait(View(), c.species, kWidth, kHeight, argb), c.built) << c.species;
        if (!c.built)
            continue;
        ASSERT_EQ(argb.size(), static_cast<size_t>(kWidth * kHeight));
        const Cover cover = Measure(argb);
        // An eighth of the picture; a long, slender fish (the loach), scaled
        // to the picture's width, fills a third of its own box instead.
        const int box = (cover.right - cover.left + 1) * (cover.bottom - cover.top + 1);
        EXPECT_GT(cover.pixels, std::min(kWidth * kHeight / 8, box / 3)) << c.species;
        // Scaled to the picture: the fish reaches from near one side to near
        // the other, across or down as its shape allows.
        const bool across = cover.left < kWidth / 6 && cover.right > kWidth * 5 / 6;
        const bool down = cover.top < kHeight / 6 && cover.bottom > kHeight * 5 / 6;
        EXPECT_TRUE(across || down) << c.species << ": " << cover.left << "-" << cover.right << " x " << cover.top
                                    << "-" << cover.bottom;
        // Transparent around the fish.
        EXPECT_EQ(argb[0] >> 24, 0u) << c.species;
        if (c.species == 23) {
            EXPECT_GT(cover.orange, cover.pixels / 4);  // the clownfish is orange
        } else if (c.species == 3) {
            EXPECT_LT(cover.orange, cover.pixels / 20);  // the angelfish is not
        }
    }
}

TEST_F(SpeciesPortraitTest, DrawingAPortraitLeavesTheGameAsItWas)
{
    CTankView& view = View();
    IFishArray& fish = *view.FishArray(23);
    const int count = fish.GetSize();
    ASSERT_EQ(count, 2);
    const float x = fish.GetAt(1).m_fPos[0];
    crt::srand(4242);
    const unsigned int state = crt::RandState();
    GLint viewport[4], framebuffer = -1;
    glGetIntegerv(GL_VIEWPORT, viewport);

    std::vector<uint32_t> argb;
    ASSERT_TRUE(RenderSpeciesPortrait(view, 23, kWidth, kHeight, argb));
    EXPECT_EQ(crt::RandState(), state);
    EXPECT_EQ(fish.GetSize(), count);
    EXPECT_EQ(fish.GetAt(1).m_fPos[0], x);
    GLint after[4];
    glGetIntegerv(GL_VIEWPORT, after);
    EXPECT_EQ(std::vector<GLint>(after, after + 4), std::vector<GLint>(viewport, viewport + 4));
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &framebuffer);
    EXPECT_EQ(framebuffer, 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // The game goes on drawing.
    const long frames = view.m_nFramesDrawn;
    for (int i = 0; i < 100 && view.m_nFramesDrawn < frames + 3; ++i)
        AfxPumpMessages(25);
    EXPECT_GE(view.m_nFramesDrawn, frames + 3);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The game window gives the Fish grid its pictures: the clownfish's cell holds
// orange, the slot of the first species not built does not.
TEST_F(SpeciesPortraitTest, TheFishGridShowsTheGamesFish)
{
    RegisterFishGridPicture();
    CBitmap grid;
    ASSERT_TRUE(grid.LoadBitmap(IDB_FISH_PAGE0));
    BITMAP bm;
    grid.GetObject(sizeof bm, &bm);
    ASSERT_EQ(bm.bmWidth, FISH_GRID_LEFT + 5 * FISH_CELL_WIDTH);
    std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    grid.GetBitmapBits(static_cast<DWORD>(pixels.size() * 4), pixels.data());
    auto orangeIn = [&](int species) {
        const int left = FISH_GRID_LEFT + species % 5 * FISH_CELL_WIDTH;
        const int top = FISH_GRID_TOP + species / 5 * FISH_CELL_HEIGHT;
        int n = 0;
        for (int y = top; y < top + FISH_CELL_HEIGHT; ++y)
            for (int x = left; x < left + FISH_CELL_WIDTH; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * bm.bmWidth + x];
                const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                n += r > 150 && r > g + 50 && g > b + 10;
            }
        return n;
    };
    EXPECT_GT(orangeIn(23), 300);
    for (int species = 0; species < FISH_SPECIES_COUNT; ++species)
        if (FindFishSpecies(species) == nullptr) {
            EXPECT_EQ(orangeIn(species), 0) << species;
            break;
        }
}

}  // namespace
