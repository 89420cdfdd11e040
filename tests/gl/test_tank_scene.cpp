// The scene of the tank on a real X display: floor sheet, plants and backdrop
// show where the set-up puts them.
#include "app/main_frame.h"
#include "app/resource.h"
#include "gfx/settings.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "gl/tank_camera.h"
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
    for (int k : {0, 14, 15})
        g_Settings.g_nPlantCount[k] = 1;
    const QImage with = Frame();
    for (int k : {0, 14, 15})
        g_Settings.g_nPlantCount[k] = 0;
    const QImage without = Frame();
    const float bottom = View().m_fTankBounds[3];
    const float back = View().m_fTankBounds[4];
    // Plant kind 0: the first sway plant A, drawn live at its spot.
    const float* a = View().m_fSpotsA[0];
    const QPoint p0 = Project(a[0] + 10, bottom + a[1] + 2, back + a[2] + 17);
    EXPECT_GT(Differing(with, without, QRect(p0 - QPoint(60, 60), QSize(120, 120))), 200) << p0.x() << "," << p0.y();
    // Kind 15: the C plants' list, one of them at its spot.
    const float* c = View().m_fSpotsC[5];
    const QPoint p15 = Project(c[0] + 10, bottom + 1 + c[1] + 1, back + c[2]);
    EXPECT_GT(Differing(with, without, QRect(p15 - QPoint(60, 60), QSize(120, 120))), 100) << p15.x() << "," << p15.y();
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
