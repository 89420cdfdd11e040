#include "app/main_frame.h"

#include "platform/files.h"

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.hMenu = nullptr;  // the frame never has a menu
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    char folder[260];
    if (GetTempPathA(sizeof folder, folder) == 0) {
        MessageBox("Error Find TempPath.", "ERROR", MB_OK);
        return 0;
    }
    if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                          AFX_IDW_PANE_FIRST, nullptr))
        return -1;
    MakeBorderless();
    return 0;
}

void CMainFrame::MakeBorderless()
{
    ModifyStyle(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0);
    ModifyStyle(WS_BORDER, 0);
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    SetMenu(nullptr);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        OnClose();
        return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(msg);
}

void CMainFrame::OnSetFocus(CWnd*)
{
    if (m_wndView.m_hWnd)
        m_wndView.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo)
{
    if (m_wndView.m_hWnd && m_wndView.OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

void CMainFrame::OnClose() { CFrameWnd::OnClose(); }
