// The cursor of the current tool.
#include "platform/cursor.h"
#include "ui/tool_cursors.h"
#include "view/tank_view.h"

namespace {

// A tool no command chooses; its cursors are not among the pictures.
constexpr int ID_TOOL_UNNAMED = 1039;

struct ToolCursors {
    int mode;
    UINT up;
    UINT down;
};

constexpr ToolCursors kToolCursors[] = {
    {ID_TOOL_TOUCH, IDC_TOUCH, IDC_TOUCH_DOWN},
    {ID_TOOL_FEED, IDC_FEED, IDC_FEED_DOWN},
    {ID_TOOL_GROW, IDC_GROW, IDC_GROW_DOWN},
    {ID_TOOL_SHRINK, IDC_SHRINK, IDC_SHRINK_DOWN},
    {ID_TOOL_UNNAMED, IDC_UNUSED_TOOL, IDC_UNUSED_TOOL_DOWN},
    {ID_TOOL_RIPPLE, IDC_RIPPLE, IDC_RIPPLE},
    {ID_TOOL_MOVE_CANNON, IDC_MOVE_CANNON, IDC_MOVE_CANNON_DOWN},
    {ID_TOOL_ZOOM_IN, IDC_ZOOM_IN, IDC_ZOOM_IN_DOWN},
    {ID_TOOL_ZOOM_OUT, IDC_ZOOM_OUT, IDC_ZOOM_OUT_DOWN},
};

}  // namespace

UINT ModeCursorId(int mode, BOOL buttonDown)
{
    for (const ToolCursors& t : kToolCursors)
        if (t.mode == mode)
            return buttonDown ? t.down : t.up;
    return 0;
}

void CTankView::SetModeCursor(int)
{
    const UINT id = ModeCursorId(m_nMode, m_bLButtonDown);
    // A tool without a cursor of its own shows the arrow; a tool whose
    // picture is missing gets a null cursor, which hides the pointer.
    SetCursor(id ? LoadCursorResource(id) : LoadArrowCursor());
}
