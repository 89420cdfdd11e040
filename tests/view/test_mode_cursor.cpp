// The cursor of each tool, and when the game window changes it.
#include "platform/cursor.h"
#include "support/vertex_recorder.h"
#include "ui/tool_cursors.h"
#include "view/tank_view.h"

#include <gtest/gtest.h>

namespace {

struct ModeCase {
    int mode;
    UINT up;
    UINT down;
};

// The tools with cursors of their own, and some without (0).
constexpr ModeCase kModes[] = {
    {ID_TOOL_TOUCH, 158, 159},
    {ID_TOOL_FEED, 163, 164},
    {ID_TOOL_GROW, 167, 177},
    {ID_TOOL_SHRINK, 169, 178},
    {1039, 170, 176},
    {ID_TOOL_RIPPLE, 234, 234},
    {ID_TOOL_MOVE_CANNON, 379, 380},
    {ID_TOOL_ZOOM_IN, 252, 249},
    {ID_TOOL_ZOOM_OUT, 250, 251},
    {1044, 0, 0},
    {ID_TOOL_SHOOT, 0, 0},
    {ID_TOOL_FISH_SETTINGS, 0, 0},
    {ID_TOOL_AQUARIUM_SETTINGS, 0, 0},
    {ID_TOOL_MUSIC_SETTINGS, 0, 0},
    {ID_TOOL_BACKGROUND_SETTINGS, 0, 0},
    {ID_TOOL_PLANTS_SETTINGS, 0, 0},
    {ID_TOOL_EXIT, 0, 0},
    {1041, 0, 0},
};

TEST(ModeCursor, EachToolAndButtonStateHasItsId)
{
    for (const ModeCase& c : kModes) {
        EXPECT_EQ(ModeCursorId(c.mode, FALSE), c.up) << c.mode;
        EXPECT_EQ(ModeCursorId(c.mode, TRUE), c.down) << c.mode;
    }
}

TEST(ModeCursor, EveryToolCursorIsPaintedButThoseOfTheUnnamedTool)
{
    RegisterToolCursors();
    for (const ModeCase& c : kModes) {
        for (const UINT id : {c.up, c.down}) {
            if (id == 0)
                continue;
            const bool painted = id != IDC_UNUSED_TOOL && id != IDC_UNUSED_TOOL_DOWN;
            EXPECT_EQ(LoadCursorResource(id) != nullptr, painted) << id;
        }
    }
}

class ModeCursorView : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterToolCursors(); }
    void TearDown() override { SetCursor(nullptr); }
    VertexRecorder recorder;
    CTankView view;
};

TEST_F(ModeCursorView, ToolsWithoutACursorShowTheArrowAndAMissingPictureHidesIt)
{
    view.m_nMode = ID_TOOL_SHOOT;
    view.SetModeCursor(1);
    EXPECT_EQ(GetCursor(), LoadArrowCursor());
    view.m_nMode = 1039;
    view.SetModeCursor(1);
    EXPECT_EQ(GetCursor(), nullptr);
    view.m_nMode = ID_TOOL_RIPPLE;
    view.SetModeCursor(1);
    EXPECT_EQ(GetCursor(), LoadCursorResource(IDC_RIPPLE));
}

TEST_F(ModeCursorView, TheButtonHandlersFollowThePress)
{
    // Grow releases the press on button up; touch keeps it until picking.
    view.m_nMode = ID_TOOL_GROW;
    view.OnMouseMove(0, CPoint(10, 10));
    EXPECT_EQ(GetCursor(), LoadCursorResource(IDC_GROW));
    view.OnLButtonDown(MK_LBUTTON, CPoint(10, 10));
    EXPECT_EQ(GetCursor(), LoadCursorResource(IDC_GROW_DOWN));
    view.OnLButtonUp(0, CPoint(10, 10));
    EXPECT_EQ(GetCursor(), LoadCursorResource(IDC_GROW));

    view.m_nMode = ID_TOOL_TOUCH;
    view.OnLButtonDown(MK_LBUTTON, CPoint(10, 10));
    view.OnLButtonUp(0, CPoint(10, 10));
    EXPECT_EQ(GetCursor(), LoadCursorResource(IDC_TOUCH_DOWN));
    view.m_bLButtonDown = 0;  // as picking does
    view.OnLButtonDblClk(0, CPoint(10, 10));
    EXPECT_EQ(GetCursor(), LoadCursorResource(IDC_TOUCH));
}

}  // namespace
