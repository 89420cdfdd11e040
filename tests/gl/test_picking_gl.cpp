// Picking on a real X display: the fish under a click, the point under the
// mouse, and what the fish pass does with them.
#include "app/main_frame.h"
#include "app/resource.h"
#include "gl/tank_camera.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "settings/settings.h"
#include "support/scratch.h"
#include "support/settings_file.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

using ScreenPoint = WindowPoint;  // y downward, as the mouse reports it

class PickingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string root = MakeScratchFolder("pick");
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
        ASSERT_TRUE(WriteCountsFile(root + "/config", {{23, 2}}, {}));
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        g_bGameOverArmed = 1;
        SetMessageBoxHook([](const char*, const char*, UINT) { return IDOK; });
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        frame->ShowWindow(SW_SHOWMAXIMIZED);
        RunFrames(1);
    }
    void TearDown() override
    {
        frame->DestroyWindow();
        delete frame;
        SetMessageBoxHook(nullptr);
    }
    CTankView& View() { return frame->m_wndView; }
    CFishModel& Fish(int j) { return View().FishArray(23)->GetAt(j); }
    void RunFrames(long count)
    {
        const long target = View().m_nFramesDrawn + count;
        for (int i = 0; i < 400 && View().m_nFramesDrawn < target; ++i)
            AfxPumpMessages(20);
    }
    // The camera's view as the fish pass has it, for calling the pick
    // functions outside a frame.
    void CameraView()
    {
        glViewport(0, 0, View().m_nScreenWidth, View().m_nScreenHeight);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(g_fEyeX, g_fEyeY, g_fEyeZ + View().m_fCameraZ, 0, 0, -500, 0, 1, 0);
    }
    ScreenPoint Project(float x, float y, float z) { return ProjectToWindow(View(), x, y, z); }
    void Click(ScreenPoint p)
    {
        View().m_nMouseX = p.x;
        View().m_nMouseY = p.y;
        View().m_bLButtonDown = 1;
    }
    static void Place(CFishModel& f, float x, float y, float z)
    {
        f.m_fPos[0] = x;
        f.m_fPos[1] = y;
        f.m_fPos[2] = z;
    }

    CMainFrame* frame = nullptr;
};

TEST_F(PickingTest, ClickActsOnTheFishUnderTheMouseByTool)
{
    struct Case {
        const char* name;
        int tool;
        bool onFish;
        float speed;
        int size;
    };
    const Case cases[] = {
        {"touch", ID_TOOL_TOUCH, true, 0.05f, 5},
        {"grow", ID_TOOL_GROW, true, 0.025f, 6},
        {"shrink", ID_TOOL_SHRINK, true, 0.025f, 4},
        {"move cannon", ID_TOOL_MOVE_CANNON, true, 0.025f, 5},
        {"touch beside every fish", ID_TOOL_TOUCH, false, 0.025f, 5},
    };
    for (const Case& c : cases) {
        CFishModel& f = Fish(0);
        Place(f, 10.0f, 5.0f, -77.0f);
        Place(Fish(1), -30.0f, -10.0f, -77.0f);
        f.m_fSpeed = 0.025f;
        f.m_nSize = 5;
        View().m_nMode = c.tool;
        Click(c.onFish ? Project(10.0f, 5.0f, -77.0f) : Project(30.0f, 20.0f, -77.0f));
        CameraView();
        View().PickFish();
        EXPECT_EQ(View().m_bLButtonDown, 0) << c.name;
        EXPECT_FLOAT_EQ(f.m_fSpeed, c.speed) << c.name;
        EXPECT_EQ(f.m_nSize, c.size) << c.name;
        EXPECT_EQ(Fish(1).m_nSize, 5) << c.name;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(PickingTest, OfTwoFishUnderTheMouseTheLowerIndexWinsEvenIfFarther)
{
    Place(Fish(0), 10.0f, 5.0f, -79.0f);
    Place(Fish(1), 10.0f, 5.0f, -76.0f);
    Fish(0).m_nSize = 5;
    Fish(1).m_nSize = 5;
    View().m_nMode = ID_TOOL_GROW;
    Click(Project(10.0f, 5.0f, -77.5f));
    CameraView();
    View().PickFish();
    EXPECT_EQ(Fish(0).m_nSize, 6);
    EXPECT_EQ(Fish(1).m_nSize, 5);
}

TEST_F(PickingTest, TouchInTheFrameMakesTheFishSwimAtFullSpeed)
{
    CFishModel& f = Fish(0);
    Place(f, 10.0f, 5.0f, -77.0f);
    Place(Fish(1), -30.0f, -10.0f, -77.0f);
    f.m_fSpeed = 0.025f;
    View().m_nMode = ID_TOOL_TOUCH;
    Click(Project(10.0f, 5.0f, -77.0f));
    RunFrames(1);
    EXPECT_EQ(View().m_bLButtonDown, 0);
    EXPECT_FLOAT_EQ(f.m_fSpeed, 0.05f);
}

TEST_F(PickingTest, PickPointIsTheBarUnderTheMouseOrElseTheLastOneFound)
{
    const struct {
        float x, y;
    } points[] = {{20.0f, 8.0f}, {-35.0f, -15.0f}, {0.0f, 0.0f}};
    for (const auto& p : points) {
        const ScreenPoint s = Project(p.x, p.y, -77.5f);
        View().m_nMouseX = s.x;
        View().m_nMouseY = s.y;
        CameraView();
        // The lowest bar inside the 15-pixel box wins: the bars are about a
        // unit (x) and 1.56 units (y) apart and swept up to a unit aside.
        EXPECT_NEAR(View().GetPickPointX(), p.x, 1.6f) << p.x;
        EXPECT_NEAR(View().GetPickPointY(), p.y, 2.2f) << p.y;
    }
    // Outside the window no bar is hit: the previous point stays.
    const float x = View().GetPickPointX();
    const float y = View().GetPickPointY();
    View().m_nMouseX = -1000;
    View().m_nMouseY = -1000;
    EXPECT_EQ(View().GetPickPointX(), x);
    EXPECT_EQ(View().GetPickPointY(), y);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(PickingTest, FeedClickDropsFoodFromTheClickedPoint)
{
    View().m_nMode = ID_TOOL_FEED;
    const ScreenPoint s = Project(15.0f, 5.0f, -77.5f);
    View().m_nMouseX = s.x;
    View().m_nMouseY = s.y;
    View().m_bFeedClick = 1;
    RunFrames(1);
    EXPECT_EQ(View().m_bFeedClick, 0);
    int active = 0;
    for (const CFoodEmitter& food : View().m_FoodEmitters) {
        if (!food.IsActive())
            continue;
        ++active;
        EXPECT_NEAR(food.m_fOrigin[0], 15.0f, 1.6f);
        EXPECT_NEAR(food.m_fOrigin[1], 3.0f, 2.2f);
        EXPECT_FLOAT_EQ(food.m_fOrigin[2], -70.0f);
    }
    EXPECT_EQ(active, 1);
}

TEST_F(PickingTest, MoveCannonToolAimsAtTheMouse)
{
    View().m_nMode = ID_TOOL_MOVE_CANNON;
    const ScreenPoint s = Project(-20.0f, 10.0f, -77.5f);
    View().m_nMouseX = s.x;
    View().m_nMouseY = s.y;
    RunFrames(1);
    EXPECT_NEAR(View().m_Cannon.m_fTarget[0], -20.0f, 1.6f);
    EXPECT_NEAR(View().m_Cannon.m_fTarget[1], 8.0f, 2.2f);
    EXPECT_FLOAT_EQ(View().m_Cannon.m_fTarget[2], -77.5f);
}

}  // namespace
