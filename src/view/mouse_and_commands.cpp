// The mouse tools and the commands that choose them.
#include "view/tank_view.h"

#include "platform/winapp.h"
#include "ui/dialog_commands.h"

namespace {

constexpr float ZOOM_STEP = 0.1f;
constexpr float ZOOM_NEAREST = -20.0f;

}  // namespace

void CTankView::OnMouseMove(UINT flags, CPoint point)
{
    m_nMouseX = point.x;
    m_nMouseY = point.y;
    m_bMouseMoved = 1;
    SetModeCursor(1);
    CWnd::OnMouseMove(flags, point);
}

void CTankView::OnLButtonDown(UINT flags, CPoint point)
{
    m_nMouseX = point.x;
    m_nMouseY = point.y;
    m_bLButtonDown = 1;
    if (m_nMode == ID_TOOL_FEED)
        m_bFeedClick = 1;
    if (m_nMode == ID_TOOL_SHOOT)
        m_bShootClick = 1;
    if (m_nMode == ID_TOOL_MOVE_CANNON)
        m_bMoveCannonClick = 1;
    if (m_nMode == ID_TOOL_RIPPLE && m_pRipple)
        m_pRipple->AddRipple(point.x, m_nScreenHeight - point.y);  // the ripple takes y upward
    SetModeCursor(1);
    CWnd::OnLButtonDown(flags, point);
}

void CTankView::OnLButtonUp(UINT flags, CPoint point)
{
    switch (m_nMode) {
    case ID_TOOL_FEED:
    case ID_TOOL_GROW:
    case ID_TOOL_SHRINK:
    case ID_TOOL_ZOOM_IN:
    case ID_TOOL_ZOOM_OUT: m_bLButtonDown = 0; break;
    default: break;  // picking consumes the press in the other tools
    }
    SetModeCursor(1);
    CWnd::OnLButtonUp(flags, point);
}

void CTankView::OnLButtonDblClk(UINT flags, CPoint point)
{
    SetModeCursor(1);
    CWnd::OnLButtonDblClk(flags, point);
}

void CTankView::OnMButtonUp(UINT flags, CPoint point)
{
    m_bLButtonDown = 0;
    CWnd::OnMButtonUp(flags, point);
}

void CTankView::OnRButtonDown(UINT, CPoint) {}

void CTankView::OnRButtonUp(UINT flags, CPoint point)
{
    // The bar places itself at the mouse; a tool chosen on it is the tool from the next tick.
    m_wndCommandBar.DoModal();
    CWnd::OnRButtonUp(flags, point);
}

void CTankView::ZoomCamera()
{
    if (m_nMode == ID_TOOL_ZOOM_IN && m_fCameraZ > ZOOM_NEAREST)
        m_fCameraZ -= ZOOM_STEP;
    if (m_nMode == ID_TOOL_ZOOM_OUT && m_fCameraZ < 0.0f)
        m_fCameraZ += ZOOM_STEP;
}

BOOL CTankView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    // The dialogs' commands are those the dialogs register.
    if (IsDialogCommand(id)) {
        m_nMode = id;
        RunDialogCommand(id);
        if (ToolAfterDialogCommand(id) == ToolAfterDialog::MoveCannon) {
            m_nMode = m_wndCommandBar.m_nCommand = ID_TOOL_MOVE_CANNON;
            SetModeCursor(1);
        }
        return CWnd::OnCommand(wParam, lParam);
    }
    m_nMode = id;
    m_wndCommandBar.m_nCommand = id;
    if (id == ID_TOOL_EXIT) {
        // The game ends in order: the loop stops and the window is destroyed
        // with its GL context, instead of ending the process here.
        PostQuitMessage(0);
    }
    return CWnd::OnCommand(wParam, lParam);
}
