#include "ui/controls/hover_button.h"

#include "ui/controls/mem_dc.h"

CHoverButton::CHoverButton()
    : m_penOutline(PS_INSIDEFRAME, 1, RGB(0, 0, 0)),
      m_penHoverLeft(PS_INSIDEFRAME, 3, RGB(250, 196, 88)),
      m_penHoverRight(PS_INSIDEFRAME, 3, RGB(251, 202, 106)),
      m_penHoverTop(PS_INSIDEFRAME, 2, RGB(252, 210, 121)),
      m_penHoverBottom(PS_INSIDEFRAME, 2, RGB(229, 151, 0)),
      m_penFocusLeft(PS_INSIDEFRAME, 3, RGB(153, 198, 252)),
      m_penFocusRight(PS_INSIDEFRAME, 3, RGB(162, 189, 252)),
      m_penFocusTop(PS_INSIDEFRAME, 2, RGB(162, 201, 255)),
      m_penFocusBottom(PS_INSIDEFRAME, 2, RGB(162, 201, 255))
{
}

CHoverButton::~CHoverButton()
{
    ReleaseIcons();
    m_ToolTip.DestroyWindow();
}

void CHoverButton::ReleaseIcons()
{
    if (m_hIconOut && m_hIconOut != m_hIconIn)
        DestroyIcon(m_hIconOut);
    if (m_hIconIn)
        DestroyIcon(m_hIconIn);
    m_hIconIn = m_hIconOut = nullptr;
}

void CHoverButton::SetIcon(UINT iconIn, UINT iconOut, BYTE cxIcon, BYTE cyIcon)
{
    // A second call replaces the icons of the first.
    ReleaseIcons();
    auto load = [](UINT id) {
        return static_cast<HICON>(
            LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCE(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    };
    m_hIconIn = load(iconIn);
    m_hIconOut = iconOut ? load(iconOut) : m_hIconIn;
    m_cxIcon = cxIcon;
    m_cyIcon = cyIcon;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CHoverButton::SetTooltipText(LPCTSTR text, BOOL activate)
{
    if (!text)
        return;
    InitToolTip();
    if (m_ToolTip.GetToolCount() == 0) {
        CRect r;
        GetClientRect(&r);
        m_ToolTip.AddTool(this, text, &r, 1);
    }
    m_ToolTip.UpdateTipText(text, this, 1);
    m_ToolTip.Activate(activate);
}

void CHoverButton::InitToolTip()
{
    if (m_ToolTip.m_hWnd)
        return;
    m_ToolTip.Create(this, m_dwToolTipStyle);
    m_ToolTip.Activate(FALSE);
    m_ToolTip.SetMaxTipWidth(400);
}

BOOL CHoverButton::PreTranslateMessage(MSG* msg)
{
    InitToolTip();
    m_ToolTip.RelayEvent(msg);
    // A quick second click is a second click.
    if (msg->message == WM_LBUTTONDBLCLK)
        msg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(msg);
}

void CHoverButton::PreSubclassWindow()
{
    m_bOver = FALSE;
    m_bTracking = FALSE;
    CButton::PreSubclassWindow();
}

LRESULT CHoverButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEHOVER: return OnMouseHover(wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(wParam, lParam);
    default: return CButton::WindowProc(message, wParam, lParam);
    }
}

int CHoverButton::OnCreate(LPCREATESTRUCT cs)
{
    if (CButton::OnCreate(cs) == -1)
        return -1;
    ModifyStyle(0, BS_OWNERDRAW, 0);
    return 0;
}

void CHoverButton::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_bTracking) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = 1;
        m_bTracking = _TrackMouseEvent(&track);
    }
    CButton::OnMouseMove(flags, point);
}

LRESULT CHoverButton::OnMouseHover(WPARAM, LPARAM)
{
    m_bOver = TRUE;
    Invalidate(TRUE);
    return 0;
}

LRESULT CHoverButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bOver = FALSE;
    m_bTracking = FALSE;
    Invalidate(FALSE);
    return 0;
}

COLORREF CHoverButton::FaceColor(int step, BOOL over, BOOL highlight)
{
    const int r = over ? 205 - step / 4 : 205 - step / 3;
    const int b = !highlight ? 205 - step / 5 : over ? 205 - step / 3 : 205 - step / 4;
    return RGB(r, r, b);
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CMemDC dc(CDC::FromHandle(drawItem->hDC));
    char caption[260];
    GetWindowText(caption, sizeof caption);

    CRect item(drawItem->rcItem);
    CPen* oldPen = dc.SelectObject(&m_penOutline);
    dc.RoundRect(&item, CPoint(5, 5));
    dc.SelectObject(oldPen);

    const UINT state = drawItem->itemState;
    m_bFocus = m_bHighlight = (state & ODS_FOCUS) ? TRUE : FALSE;
    if (state & (ODS_SELECTED | ODS_DEFAULT))
        m_bHighlight = TRUE;

    CRect face = item;
    face.InflateRect(-GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    DrawGradient(&dc, &face);
    if (m_bOver || m_bFocus)
        DrawBorder(&dc, &face);

    CFont* oldFont = dc.SelectObject(GetFont());
    const CSize extent = dc.GetTextExtent(caption);
    // Right of the middle by the room an icon takes; centred without one (so
    // that the captions of the dialogs' buttons fit their faces).
    int x = (face.left + face.right) / 2 - extent.cx / 2 + (m_hIconIn ? 15 : 0);
    int y = (face.top + face.bottom) / 2 - extent.cy / 2;
    if (state & ODS_SELECTED) {
        ++x;
        ++y;
    }
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawState(CPoint(x, y), extent, caption, (state & ODS_DISABLED) ? DSS_DISABLED : DSS_NORMAL, TRUE, 0,
                 static_cast<CBrush*>(nullptr));
    dc.SelectObject(oldFont);
    dc.SetBkMode(oldMode);

    if (m_hIconIn)
        DrawIconImage(&dc, caption, &face, m_bFocus);
}

void CHoverButton::DrawGradient(CDC* dc, LPRECT face)
{
    CBrush brushes[64];
    for (int i = 0; i < 64; ++i)
        brushes[i].CreateSolidBrush(FaceColor(i, m_bOver, m_bHighlight));
    const int h = face->bottom - face->top;
    for (int y = face->top; y <= face->bottom; ++y) {
        const CRect row(face->left, y, face->right, y + 1);
        // A face without height paints its one row in the first colour.
        dc->FillRect(&row, &brushes[h > 0 ? 63 * (y - face->top) / h : 0]);
    }
}

void CHoverButton::DrawBorder(CDC* dc, LPRECT face)
{
    const bool focusLook = m_bFocus && !m_bOver;
    CPen* left = focusLook ? &m_penFocusLeft : &m_penHoverLeft;
    CPen* right = focusLook ? &m_penFocusRight : &m_penHoverRight;
    CPen* top = focusLook ? &m_penFocusTop : &m_penHoverTop;
    CPen* bottom = focusLook ? &m_penFocusBottom : &m_penHoverBottom;
    const CPoint position = dc->GetCurrentPosition();
    CPen* oldPen = dc->SelectObject(left);
    dc->MoveTo(face->left, face->bottom - 1);
    dc->LineTo(face->left, face->top + 1);
    dc->SelectObject(right);
    dc->MoveTo(face->right - 1, face->bottom - 1);
    dc->LineTo(face->right - 1, face->top);
    dc->SelectObject(top);
    dc->MoveTo(face->left - 1, face->top);
    dc->LineTo(face->right - 1, face->top);
    dc->SelectObject(bottom);
    dc->MoveTo(face->left, face->bottom);
    dc->LineTo(face->right - 1, face->bottom);
    dc->SelectObject(oldPen);
    dc->MoveTo(position);
}

void CHoverButton::DrawIconImage(CDC* dc, const char* caption, LPRECT face, BOOL focus)
{
    CRect r(*face);
    if (!caption || !caption[0])
        r.left += ((r.right - m_cxIcon) - r.left) / 2;
    r.top += ((r.bottom - m_cyIcon) - r.top) / 2 + 2;
    if (focus)
        r.OffsetRect(1, 1);
    HICON icon = (m_bOver || focus) ? m_hIconIn : m_hIconOut;
    dc->DrawState(r.TopLeft(), r.Size(), icon, DST_ICON | DSS_NORMAL, static_cast<CBrush*>(nullptr));
}
