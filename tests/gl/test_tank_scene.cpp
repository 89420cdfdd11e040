// The scene of the tank on a real X display: floor sheet, plants and backdrop
// show where the set-up puts them.
#include "app/main_frame.h"
#include "app/resource.h"
#include "gl/tank_camera.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "scenery/decoration_mesh_a_meshes.h"
#include "settings/settings.h"
#include "support/scratch.h"
#include "support/settings_file.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class TankSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string root = MakeScratchFolder("scene");
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
        ASSERT_TRUE(WriteCountsFile(root + "/config", {{23, 2}}, {{0, 1}, {14, 1}, {15, 1}}));
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        SetMessageBoxHook([](const char*, const char*, UINT) { return IDOK; });
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        frame->ShowWindow(SW_SHOWMAXIMIZED);
        View().m_bShowHud = 0;
    }
    void TearDown() override
    {
        frame->DestroyWindow();
        delete frame;
        SetMessageBoxHook(nullptr);
    }
    CTankView& View() { return frame->m_wndView; }
    QImage Frame(int frames = 3)
    {
        const long target = View().m_nFramesDrawn + frames;
        for (int i = 0; i < 400 && View().m_nFramesDrawn < target; ++i)
            AfxPumpMessages(20);
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    }
    QPoint Project(float x, float y, float z)
    {
        const WindowPoint w = ProjectToWindow(View(), x, y, z);
        return QPoint(w.x, w.y);
    }
    static long Differing(const QImage& a, const QImage& b, QRect area)
    {
        area = area.intersected(a.rect());
        long n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                n += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 30;
            }
        return n;
    }

    CMainFrame* frame = nullptr;
};

TEST_F(TankSceneTest, FloorSheetShowsTheGroundPictureAtTheBottom)
{
    const QImage withFloor = Frame();
    g_Settings.g_bShowTerra = 0;
    const QImage without = Frame();
    const int h = withFloor.height();
    // The sheet lies at the tank bottom: the lower part of the view.
    const long changed = Differing(withFloor, without, QRect(0, h * 3 / 4, withFloor.width(), h / 4));
    EXPECT_GT(changed, withFloor.width() * h / 40);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TankSceneTest, PlantsStandWhereTheSetUpPutsThem)
{
    const float bottom = View().m_fTankBounds[3];
    const float back = View().m_fTankBounds[4];
    const float* a0 = View().m_fSpotsA[0];
    const float* a2 = View().m_fSpotsA[2];
    const float* c5 = View().m_fSpotsC[5];
    const float* dA = View().m_fSpotDecorA;
    const float* dB = View().m_fSpotDecorB;
    struct Case {
        int kind;
        QPoint at;  // where a plant of the kind stands on the screen
        long changed;
    };
    const Case cases[] = {
        // The first sway plant A, drawn live at its spot.
        {0, Project(a0[0] + 10, bottom + a0[1] + 2, back + a0[2] + 17), 200},
        // The A plants' list moved 49.5 to the right: plant 2 rises 1 above its spot.
        {14, Project(a2[0] + 49.5f, bottom + 1 + a2[1] + 2, back + a2[2]), 100},
        // The C plants' list, 10 to the right: plant 5.
        {15, Project(c5[0] + 10, bottom + 1 + c5[1] + 1, back + c5[2]), 100},
        // The driftwood's third copy, 10 right of and 4 above its placement.
        {9, Project(dB[0] + 5 + 10, bottom + dB[1] - 2 + 4, back + dB[2] + 1), 100},
        // The boulders round their first copy.
        {12, Project(dA[0] - 10.8f, bottom + dA[1] - 2, back + dA[2] - 3), 100},
        // The terraces across the back.
        {16, Project(0, -14, -97), 100},
    };
    for (int& count : g_Settings.g_nPlantCount)
        count = 0;
    const QImage without = Frame();
    for (const Case& c : cases) {
        g_Settings.g_nPlantCount[c.kind] = 1;
        const QImage with = Frame();
        g_Settings.g_nPlantCount[c.kind] = 0;
        const QRect box(c.at - QPoint(50, 50), QSize(100, 100));
        EXPECT_GT(Differing(with, without, box), c.changed) << "kind " << c.kind << " at " << c.at.x() << "," << c.at.y();
    }
}

// The boulders wear fish picture 9, which no species of the table owns yet:
// the window loads every fish picture there is, not only the species'.
TEST_F(TankSceneTest, TheBouldersStoneIsInFishPicture9)
{
    ASSERT_NE(View().m_texFish[9], 0u);
    glBindTexture(GL_TEXTURE_2D, View().m_texFish[9]);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    ASSERT_GT(w * h, 0);
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // The middle of the stone's rectangle (its t repeats past 1).
    const float s = (kDecorationATexS0 + kDecorationATexS1) / 2;
    const float t = std::fmod((kDecorationATexT0 + kDecorationATexT1) / 2, 1.0f);
    const unsigned char* p = &rgb[(static_cast<size_t>(t * h) * w + static_cast<size_t>(s * w)) * 3];
    // Stone: neither white nor black, no colour far from grey.
    EXPECT_LT(p[0] + p[1] + p[2], 3 * 235);
    EXPECT_GT(p[0] + p[1] + p[2], 3 * 40);
    EXPECT_LT(std::abs(p[0] - p[2]), 60);
}

TEST_F(TankSceneTest, BackdropPanelTakesTheColourOfTheSettings)
{
    g_Settings.g_bBackFixed = 1;
    g_Settings.g_crBackColor = RGB(0, 0, 200);
    const QImage blue = Frame();
    // The top middle of the view sees only the backdrop.
    const QRgb p = blue.pixel(blue.width() / 2, 5);
    EXPECT_GT(qBlue(p), 100);
    EXPECT_LT(qRed(p), 60);
}

}  // namespace
