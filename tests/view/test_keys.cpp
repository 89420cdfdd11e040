// The game's keys, as the game window's message hook sees them.
#include "platform/native.h"
#include "support/vertex_recorder.h"
#include "ui/dialog_commands.h"
#include "ui/help_page.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

namespace {

class KeysTest : public ::testing::Test {
protected:
    void TearDown() override { ReleaseKeys(); }
    // Every key up and Caps Lock off.
    void ReleaseKeys()
    {
        for (UINT vk : {VK_SPACE, VK_LEFT, VK_RIGHT, VK_SHIFT, VK_CAPITAL})
            Key(WM_KEYUP, vk);
        if (GetKeyState(VK_CAPITAL) & 1) {
            Key(WM_KEYDOWN, VK_CAPITAL);
            Key(WM_KEYUP, VK_CAPITAL);
        }
    }
    // A key message as the message loop hands it on: the key state first.
    void Key(UINT message, UINT vk)
    {
        MSG msg{nullptr, message, vk, 0};
        UpdateKeyState(msg);
        view.PreTranslateMessage(&msg);
    }
    int ShotsInFlight() const
    {
        int n = 0;
        for (const CANNONSHOT& s : view.m_Cannon.m_Shots)
            n += s.active && !s.spent;
        return n;
    }
    VertexRecorder recorder;
    CTankView view;
};

TEST_F(KeysTest, ArrowsFireThenTurnFiveDegreesUpToNinety)
{
    Key(WM_KEYDOWN, VK_LEFT);
    EXPECT_FLOAT_EQ(view.m_Cannon.m_fAngle, 5.0f);
    EXPECT_EQ(ShotsInFlight(), 1);
    EXPECT_FLOAT_EQ(view.m_Cannon.m_Shots[1].angle, 0.0f);  // fired before the turn
    view.m_Cannon.m_fAngle = 90.0f;
    Key(WM_KEYDOWN, VK_LEFT);
    EXPECT_FLOAT_EQ(view.m_Cannon.m_fAngle, 90.0f);  // still fires at the limit
    EXPECT_EQ(ShotsInFlight(), 2);
    view.m_Cannon.m_fAngle = -88.0f;
    Key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_FLOAT_EQ(view.m_Cannon.m_fAngle, -90.0f);
}

TEST_F(KeysTest, SpaceWithAnArrowTurnsAndFiresOnEveryMessage)
{
    Key(WM_KEYDOWN, VK_SPACE);
    Key(WM_KEYDOWN, VK_LEFT);  // the key-down fires, and so does the held pair
    EXPECT_FLOAT_EQ(view.m_Cannon.m_fAngle, 10.0f);
    EXPECT_EQ(ShotsInFlight(), 2);
    MSG tick{nullptr, WM_TIMER, 1, 0};
    view.PreTranslateMessage(&tick);  // a timer tick while both are held
    EXPECT_FLOAT_EQ(view.m_Cannon.m_fAngle, 15.0f);
    EXPECT_EQ(ShotsInFlight(), 3);
    Key(WM_KEYUP, VK_SPACE);
    view.PreTranslateMessage(&tick);
    EXPECT_FLOAT_EQ(view.m_Cannon.m_fAngle, 15.0f);
}

TEST_F(KeysTest, F1TogglesTheHelpTextAndF2Restarts)
{
    view.m_bShowHud = 1;
    Key(WM_KEYDOWN, VK_F1);
    EXPECT_EQ(view.m_bShowHud, 0);
    view.m_bAllFishHit = 1;
    Key(WM_KEYDOWN, VK_F2);
    EXPECT_EQ(view.m_bAllFishHit, 0);
    EXPECT_NE(HelpPageAddress().find("/help/index.html"), std::string::npos);
}

TEST_F(KeysTest, LettersTuneByATenthWithShiftForUpperCase)
{
    const float units = g_fPolygonOffsetUnits;
    Key(WM_KEYDOWN, VK_SHIFT);
    Key(WM_KEYDOWN, 'F');
    EXPECT_NEAR(g_fPolygonOffsetUnits, units + 0.1f, 1e-6f);
    Key(WM_KEYUP, VK_SHIFT);
    Key(WM_KEYDOWN, 'F');
    EXPECT_NEAR(g_fPolygonOffsetUnits, units, 1e-6f);
    const float offset = g_fTuneOffset[2];
    Key(WM_KEYDOWN, 'R');  // plain r
    EXPECT_NEAR(g_fTuneOffset[2], offset + 0.1f, 1e-6f);
    Key(WM_KEYDOWN, VK_F1);  // no character: no tuning
    EXPECT_NEAR(g_fTuneOffset[2], offset + 0.1f, 1e-6f);
}

// Caps Lock gives the upper-case letter, Caps Lock with Shift the lower case:
// "F" raises the offset units and "f" lowers them; only "w" moves the strand
// plant's x offset ("W" does nothing).
TEST_F(KeysTest, CapsLockGivesUpperCaseAndWithShiftLowerCase)
{
    struct Case {
        const char* name;
        int capsPresses;  // each a press and a release
        bool capsRepeats;  // one more key-down while held: no second turn
        bool shift;
        UINT key;
        float units;    // change of g_fPolygonOffsetUnits
        float offsetX;  // change of g_fTuneOffset[0]
    };
    const Case cases[] = {
        {"caps on: F", 1, false, false, 'F', +0.1f, 0.0f},
        {"caps on, shift: f", 1, false, true, 'F', -0.1f, 0.0f},
        {"caps on: W does nothing", 1, false, false, 'W', 0.0f, 0.0f},
        {"caps on, shift: w", 1, false, true, 'W', 0.0f, +0.1f},
        {"caps on with a repeat of its key-down", 1, true, false, 'F', +0.1f, 0.0f},
        {"caps pressed twice is off: f", 2, false, false, 'F', -0.1f, 0.0f},
        {"caps pressed twice is off: w", 2, false, false, 'W', 0.0f, +0.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < c.capsPresses; ++i) {
            Key(WM_KEYDOWN, VK_CAPITAL);
            if (c.capsRepeats)
                Key(WM_KEYDOWN, VK_CAPITAL);
            Key(WM_KEYUP, VK_CAPITAL);
        }
        EXPECT_EQ(GetKeyState(VK_CAPITAL), c.capsPresses % 2) << "toggled, not held";
        const float units = g_fPolygonOffsetUnits;
        const float offsetX = g_fTuneOffset[0];
        if (c.shift)
            Key(WM_KEYDOWN, VK_SHIFT);
        Key(WM_KEYDOWN, c.key);
        Key(WM_KEYUP, c.key);
        Key(WM_KEYUP, VK_SHIFT);
        EXPECT_NEAR(g_fPolygonOffsetUnits - units, c.units, 1e-6f);
        EXPECT_NEAR(g_fTuneOffset[0] - offsetX, c.offsetX, 1e-6f);
        ReleaseKeys();
    }
}

}  // namespace

namespace {

// Two dialogs of the tests' own, beside the game's.
constexpr int ID_TEST_DIALOG = 9801;
constexpr int ID_TEST_DIALOG_KEEPING_THE_TOOL = 9802;
int g_dialogsRun = 0;
const DialogCommandRegistration kTestDialog(ID_TEST_DIALOG, [] { ++g_dialogsRun; });
const DialogCommandRegistration kTestDialogKeepingTheTool(ID_TEST_DIALOG_KEEPING_THE_TOOL, [] { ++g_dialogsRun; },
                                                          ToolAfterDialog::BarsTool);

TEST(MouseAndCommands, ToolsClickFlagsAndZoom)
{
    VertexRecorder recorder;
    CTankView view;
    view.OnCommand(ID_TOOL_FEED, 0);
    EXPECT_EQ(view.m_nMode, ID_TOOL_FEED);
    EXPECT_EQ(view.m_wndCommandBar.m_nCommand, ID_TOOL_FEED);  // survives the next tick
    view.OnLButtonDown(0, CPoint(10, 20));
    EXPECT_EQ(view.m_bFeedClick, 1);
    EXPECT_EQ(view.m_nMouseX, 10);
    view.OnLButtonUp(0, CPoint(10, 20));
    EXPECT_EQ(view.m_bLButtonDown, 0);

    // A dialog's command runs its dialog; then the tool is the cannon mover,
    // also on the bar, or the bar's tool comes back with the next tick.
    const int run = g_dialogsRun;
    view.OnCommand(ID_TEST_DIALOG, 0);
    EXPECT_EQ(g_dialogsRun, run + 1);
    EXPECT_EQ(view.m_nMode, ID_TOOL_MOVE_CANNON);
    EXPECT_EQ(view.m_wndCommandBar.m_nCommand, ID_TOOL_MOVE_CANNON);
    view.OnCommand(ID_TOOL_RIPPLE, 0);
    view.OnCommand(ID_TEST_DIALOG_KEEPING_THE_TOOL, 0);
    EXPECT_EQ(g_dialogsRun, run + 2);
    EXPECT_EQ(view.m_nMode, ID_TEST_DIALOG_KEEPING_THE_TOOL);
    EXPECT_EQ(view.m_wndCommandBar.m_nCommand, ID_TOOL_RIPPLE);

    view.OnCommand(ID_TOOL_ZOOM_IN, 0);
    view.m_fCameraZ = -19.95f;
    view.ZoomCamera();
    EXPECT_NEAR(view.m_fCameraZ, -20.05f, 1e-4f);  // the test comes before the step
    view.ZoomCamera();
    EXPECT_NEAR(view.m_fCameraZ, -20.05f, 1e-4f);
    view.OnCommand(ID_TOOL_ZOOM_OUT, 0);
    view.m_fCameraZ = -0.05f;
    view.ZoomCamera();
    view.ZoomCamera();
    EXPECT_NEAR(view.m_fCameraZ, 0.05f, 1e-4f);

    const BYTE before = view.m_bLButtonDown;
    view.OnRButtonDown(0, CPoint(1, 1));  // a right click does nothing
    EXPECT_EQ(view.m_bLButtonDown, before);
}

}  // namespace
