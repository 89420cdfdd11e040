#include "ui/controls/hyperlink.h"

#include "platform/msgbox.h"
#include "platform/shell.h"
#include "platform/winapp.h"
#include "ui/dialog_art.h"
#include "ui/ui_resource.h"

#include <cstdio>
#include <map>

CHyperLink::CHyperLink() : m_crHoverColour(GetSysColor(COLOR_HIGHLIGHT)) {}

CHyperLink::~CHyperLink()
{
    m_Font.DeleteObject();
    m_ToolTip.DestroyWindow();
}

void CHyperLink::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    char text[260];
    GetWindowText(text, sizeof text);
    if (m_strURL.empty())
        m_strURL = text;
    if (!text[0])
        SetWindowText(m_strURL.c_str());

    // The control's font, underlined.
    LOGFONT lf;
    if (CFont* font = GetFont(); font && font->GetObject(sizeof lf, &lf)) {
        lf.lfUnderline = static_cast<BYTE>(m_bUnderline);
        if (m_Font.CreateFontIndirect(&lf))
            SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_Font.GetSafeHandle()), TRUE);
    }

    PositionWindow();
    SetDefaultCursor();

    m_ToolTip.Create(this);
    CRect client;
    GetClientRect(&client);
    m_ToolTip.AddTool(this, m_strURL.c_str(), &client, 1);
    CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* msg)
{
    m_ToolTip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR)
        return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<uintptr_t>(lParam)),
                           HIWORD(static_cast<uintptr_t>(lParam)));
    return CStatic::WindowProc(message, wParam, lParam);
}

BOOL CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OnClicked();
        return TRUE;
    }
    if (message == WM_CTLCOLORSTATIC) {
        const HBRUSH brush = CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), CTLCOLOR_STATIC);
        if (result)
            *result = reinterpret_cast<LRESULT>(brush);
        return TRUE;
    }
    return CStatic::OnChildNotify(message, wParam, lParam, result);
}

void CHyperLink::OnClicked()
{
    const intptr_t result = static_cast<intptr_t>(GotoURL(m_strURL.c_str(), SW_SHOW));
    m_bVisited = result > 32;
    if (m_bVisited) {
        SetVisited(TRUE);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ReportError(static_cast<int>(result));
    }
}

HBRUSH CHyperLink::CtlColor(CDC* dc, UINT)
{
    dc->SetTextColor(m_bOverControl ? m_crHoverColour : m_bVisited ? m_crVisitedColour : m_crLinkColour);
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CHyperLink::OnMouseMove(UINT flags, CPoint point)
{
    CStatic::OnMouseMove(flags, point);
    if (m_bOverControl) {
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(point)) {
            m_bOverControl = FALSE;
            ReleaseCapture();
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    } else {
        m_bOverControl = TRUE;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        SetCapture(m_hWnd);
    }
}

BOOL CHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!m_hLinkCursor)
        return FALSE;
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CHyperLink::SetVisited(BOOL visited)
{
    m_bVisited = visited;
    if (m_hWnd)
        Invalidate(TRUE);
}

void CHyperLink::PositionWindow()
{
    if (!m_hWnd || !m_bAdjustToFit)
        return;
    CRect window;
    GetWindowRect(&window);
    CWnd* parent = GetParent();
    if (parent) {
        POINT topLeft{window.left, window.top};
        POINT bottomRight{window.right, window.bottom};
        ScreenToClient(parent->m_hWnd, &topLeft);
        ScreenToClient(parent->m_hWnd, &bottomRight);
        window = CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    char text[260];
    GetWindowText(text, sizeof text);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* old = dc.SelectObject(m_Font.GetSafeHandle() ? &m_Font : GetFont());
    const CSize extent = dc.GetTextExtent(text);
    dc.SelectObject(old);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int dy = (window.Height() - extent.cy) / 2;
        window.top += dy;
        window.bottom -= dy;
    } else {
        window.bottom = window.top + extent.cy;
    }
    const DWORD align = style & SS_TYPEMASK;
    if (align == SS_CENTER) {
        const int dx = (window.Width() - extent.cx) / 2;
        window.left += dx;
        window.right -= dx;
    } else if (align == SS_RIGHT) {
        window.left = window.right - extent.cx;
    } else {
        window.right = window.left + extent.cx;
    }
    MoveWindow(window.left, window.top, window.Width(), window.Height());
}

void CHyperLink::SetDefaultCursor()
{
    // The program's own hand in place of the one a system file would lend.
    if (m_hLinkCursor)
        return;
    RegisterDialogPictures();
    m_hLinkCursor = LoadCursorResource(IDC_HAND);
}

uintptr_t CHyperLink::GotoURL(const char* url, int showCommand)
{
    // The desktop's own opener of pages and files; there is no second way to try.
    return ShellExecuteA(nullptr, "open", url, nullptr, nullptr, showCommand);
}

std::string CHyperLink::ErrorText(int error)
{
    static const std::map<int, const char*> texts = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    const auto it = texts.find(error);
    if (it != texts.end())
        return it->second;
    char text[64];
    std::snprintf(text, sizeof text, "Unknown Error (%d) occurred.", error);
    return text;
}

void CHyperLink::ReportError(int error)
{
    const std::string message = "Unable to open hyperlink:\n\n" + ErrorText(error);
    MessageBoxA(nullptr, message.c_str(), AfxGetApp() ? AfxGetApp()->m_strAppName.c_str() : "",
                MB_OK | MB_ICONEXCLAMATION);
}
