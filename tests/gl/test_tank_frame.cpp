// The game window on a real X display: set-up, frames and their passes.
#include "app/main_frame.h"
#include "app/resource.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "settings/settings.h"
#include "support/scratch.h"
#include "support/settings_file.h"

#include <GL/glew.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string MakeTempDir() { return MakeScratchFolder("frame"); }

class TankFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string root = MakeTempDir();
        ASSERT_FALSE(root.empty());
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
        // One clownfish (the Game Over test marks it hit) and no plants.
        ASSERT_TRUE(WriteCountsFile(root + "/config", {{23, 1}}, {}));
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        g_bGameOverArmed = 1;
        SetMessageBoxHook([this](const char* text, const char*, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        frame->ShowWindow(SW_SHOWMAXIMIZED);
    }
    void TearDown() override
    {
        if (frame) {
            frame->DestroyWindow();
            delete frame;
        }
        SetMessageBoxHook(nullptr);
    }
    CTankView& View() { return frame->m_wndView; }
    void RunFrames(long count)
    {
        const long target = View().m_nFramesDrawn + count;
        for (int i = 0; i < 400 && View().m_nFramesDrawn < target; ++i)
            AfxPumpMessages(25);
    }
    // Pixels on screen that are not black.
    static long LitPixels()
    {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        long lit = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb p = shot.pixel(x, y);
                lit += (qRed(p) + qGreen(p) + qBlue(p)) > 60;
            }
        return lit;
    }

    CMainFrame* frame = nullptr;
    std::vector<std::string> boxes;
};

TEST_F(TankFrameTest, SetUpCompletesAndTheTimerDrawsFramesWithoutGLErrors)
{
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    ASSERT_NE(View().m_hRC, nullptr);
    RunFrames(5);
    EXPECT_GE(View().m_nFramesDrawn, 5);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    RECT r;
    View().GetClientRect(&r);
    EXPECT_EQ(View().m_nScreenWidth, r.right);
    EXPECT_EQ(View().m_nScreenHeight, r.bottom);
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    EXPECT_GE(depthBits, 24);
}

TEST_F(TankFrameTest, HelpTextShowsForAHundredFramesThenHides)
{
    // A black tank: no floor, no bubbles, and the one fish hit (with Game Over held back).
    g_Settings.g_bShowTerra = 0;
    g_Settings.g_nBubbleCount = 200;
    g_bGameOverArmed = 0;
    View().FishArray(23)->GetAt(0).m_bHit = 1;
    RunFrames(3);
    EXPECT_GT(LitPixels(), 500);  // the bold 3D glyphs
    g_nHudFrames = 100;
    RunFrames(2);
    EXPECT_EQ(View().m_bShowHud, 0);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(TankFrameTest, FramesLeaveTheOtherTexturesIntact)
{
    auto texels = [](GLuint texture) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint w = 0;
        GLint h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        std::vector<unsigned char> data(static_cast<size_t>(w) * h * 4);
        if (!data.empty())
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, data.data());
        return data;
    };
    std::vector<std::vector<unsigned char>> before;
    for (GLuint t : View().m_texBackground)
        before.push_back(texels(t));
    ASSERT_FALSE(before[0].empty()) << "the back-wall pictures are loaded";
    RunFrames(4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(texels(View().m_texBackground[i]), before[static_cast<size_t>(i)]) << "picture " << i;
}

TEST_F(TankFrameTest, SettingsAreReadAtStart)
{
    EXPECT_EQ(g_Settings.g_bShowShadow, 1);
    EXPECT_EQ(g_Settings.g_nBubbleCount, 100);
    EXPECT_EQ(g_Settings.g_nVolume, 32767);
}

}  // namespace

namespace {

// Presses a key on the modal dialog once it is open.
void PressOnModalDialogSoon(int key)
{
    QTimer::singleShot(300, [key] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    });
}

TEST_F(TankFrameTest, WhenEveryFishIsHitGameOverOpensAndRestartBringsThemBack)
{
    RunFrames(2);
    ASSERT_EQ(View().FishArray(23)->GetSize(), 1);
    View().FishArray(23)->GetAt(0).m_bHit = 1;
    bool sawDialog = false;
    QTimer::singleShot(150, [&] { sawDialog = QApplication::activeModalWidget() != nullptr; });
    PressOnModalDialogSoon(Qt::Key_R);  // "&Restart"
    RunFrames(20);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(View().FishArray(23)->GetAt(0).m_bHit, 0);
    EXPECT_EQ(g_bGameOverArmed, 1);
    EXPECT_EQ(View().m_bAllFishHit, 0);
}

}  // namespace

namespace {

TEST_F(TankFrameTest, RippleToolDrawsTheFrameThroughItsGridAndClicksStartRipples)
{
    View().OnCommand(ID_TOOL_RIPPLE, 0);
    RunFrames(2);
    RECT r;
    View().GetClientRect(&r);
    View().OnLButtonDown(0, CPoint(r.right / 2, r.bottom / 2));
    RunFrames(5);
    EXPECT_EQ(View().m_nMode, ID_TOOL_RIPPLE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_GT(LitPixels(), 500);  // the copied frame shows through the grid
}

}  // namespace
