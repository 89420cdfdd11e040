#include "ui/controls/icon_toggle_button.h"

CIconButton::CIconButton() = default;

CIconButton::~CIconButton() { FreeIcons(); }

void CIconButton::SetCheck(int check, BOOL repaint)
{
    m_bChecked = check;
    if (repaint)
        Invalidate(TRUE);
}

int CIconButton::GetCheck() const { return m_bChecked; }

BOOL CIconButton::SetColors(COLORREF on, COLORREF off)
{
    m_crOn = on;
    m_crOff = off;
    Invalidate(TRUE);
    return TRUE;
}

BOOL CIconButton::SetIcons(UINT iconOn, UINT iconOff)
{
    HMODULE module = AfxGetResourceHandle();
    const BOOL result = SetIconHandles(LoadIconA(module, MAKEINTRESOURCE(iconOn)),
                                       LoadIconA(module, MAKEINTRESOURCE(iconOff)));
    m_bOwnIcons = TRUE;
    return result;
}

BOOL CIconButton::SetIconHandles(HICON iconOn, HICON iconOff)
{
    FreeIcons();
    struct Slot {
        HICON icon;
        HICON* handle;
        int* cx;
        int* cy;
    } slots[] = {{iconOn, &m_hIconOn, &m_cxIconOn, &m_cyIconOn}, {iconOff, &m_hIconOff, &m_cxIconOff, &m_cyIconOff}};
    for (const Slot& s : slots) {
        if (!s.icon)
            continue;
        *s.handle = s.icon;
        SIZE size;
        if (!GetIconSize(s.icon, &size)) {
            FreeIcons();
            return TRUE;
        }
        *s.cx = size.cx;
        *s.cy = size.cy;
    }
    Invalidate(TRUE);
    return TRUE;
}

void CIconButton::FreeIcons()
{
    if (m_bOwnIcons) {
        DestroyIcon(m_hIconOn);
        DestroyIcon(m_hIconOff);
    }
    m_bOwnIcons = FALSE;
    m_hIconOn = m_hIconOff = nullptr;
}

void CIconButton::PreSubclassWindow()
{
    ModifyStyle(0x1F, BS_OWNERDRAW);
    m_dwStyle = GetStyle();
    CButton::PreSubclassWindow();
}

LRESULT CIconButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSELEAVE: return OnMouseLeave(wParam, lParam);
    case BM_SETCHECK: return OnSetCheckMsg(wParam, lParam);
    case BM_GETCHECK: return OnGetCheckMsg(wParam, lParam);
    default: return CButton::WindowProc(message, wParam, lParam);
    }
}

BOOL CIconButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        OnClicked();
        return TRUE;
    }
    return CButton::OnChildNotify(message, wParam, lParam, result);
}

void CIconButton::OnMouseMove(UINT flags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    const bool overThis = client.PtInRect(point);
    if ((flags & MK_LBUTTON) && !m_bOver)
        return;  // dragged in with the button held: stays unlit
    if (overThis && !m_bOver) {
        m_bOver = TRUE;
        Invalidate(TRUE);
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        _TrackMouseEvent(&track);
    } else if (!overThis) {
        Redraw();
    }
    CButton::OnMouseMove(flags, point);
}

void CIconButton::Redraw()
{
    m_bOver = FALSE;
    Invalidate(TRUE);
}

LRESULT CIconButton::OnMouseLeave(WPARAM, LPARAM)
{
    Redraw();
    return 0;
}

LRESULT CIconButton::OnSetCheckMsg(WPARAM wParam, LPARAM)
{
    SetCheck(wParam == BST_CHECKED || wParam == 2 ? 1 : 0, TRUE);
    return 0;
}

LRESULT CIconButton::OnGetCheckMsg(WPARAM, LPARAM) { return GetCheck(); }

void CIconButton::OnClicked()
{
    m_bChecked = m_bChecked ? FALSE : TRUE;
    Invalidate(TRUE);
    if (CWnd* parent = GetParent())
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(GetDlgCtrlID()), BN_CLICKED), 0);
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC* dc = CDC::FromHandle(drawItem->hDC);
    CRect r(drawItem->rcItem);
    dc->SetBkMode(TRANSPARENT);
    const UINT state = drawItem->itemState;
    m_bPressed = (state & ODS_SELECTED) ? TRUE : FALSE;
    m_bFocus = (state & ODS_FOCUS) ? TRUE : FALSE;
    m_bDisabled = (state & ODS_DISABLED) ? TRUE : FALSE;

    // Face: lit with a rounded black outline under the mouse, else plain.
    CBrush faceBrush(GetSysColor(m_bOver ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    CPen facePen(PS_SOLID, 1, m_bOver ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNFACE));
    CPen* oldPen = dc->SelectObject(&facePen);
    CBrush* oldBrush = dc->SelectObject(&faceBrush);
    if (m_bOver)
        dc->RoundRect(&r, CPoint(4, 4));
    else
        dc->Rectangle(&r);

    r.DeflateRect(2, 2);
    if (m_bFocus)
        dc->DrawFocusRect(&r);
    r.DeflateRect(1, 1);

    // The mark at the left (or, with BS_LEFTTEXT, the right) of what is left.
    const bool icons = m_hIconOn && m_hIconOff;
    const int w = icons ? (m_nMarkSize = m_cxIconOn) : m_nMarkSize;
    CRect mark;
    if (m_dwStyle & BS_LEFTTEXT) {
        mark.left = r.right - w;
        mark.right = r.right;
        r.right = r.right - w - 3;
    } else {
        mark.left = r.left;
        mark.right = r.left + w;
        r.left = r.left + w + 3;
    }
    mark.top = 2 + (r.bottom - w - r.top) / 2;
    mark.bottom = mark.top + w;

    if (icons) {
        mark.top = 0;
        mark.bottom = m_cxIconOn;
        if (m_bPressed)
            mark.OffsetRect(1, 1);
        dc->DrawState(mark.TopLeft(), mark.Size(), m_bChecked ? m_hIconOn : m_hIconOff,
                      DST_ICON | (m_bDisabled ? DSS_DISABLED : DSS_NORMAL));
    } else {
        if (m_bPressed)
            mark.OffsetRect(1, 1);
        const COLORREF fill = m_bDisabled ? GetSysColor(COLOR_BTNSHADOW) : m_bChecked ? m_crOn : m_crOff;
        CBrush lampBrush(fill);
        CPen outline(PS_SOLID, 1, RGB(0, 0, 0));
        CPen ring(PS_SOLID, 1, m_crOff);
        dc->SelectObject(&lampBrush);
        dc->SelectObject(&outline);
        dc->Ellipse(&mark);
        mark.DeflateRect(1, 1);
        dc->SelectObject(&ring);
        dc->Ellipse(&mark);
        dc->SelectObject(&faceBrush);
        dc->SelectObject(&facePen);
    }

    DrawCaption(dc, r);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

void CIconButton::DrawCaption(CDC* dc, const CRect& area)
{
    char caption[260];
    GetWindowText(caption, sizeof caption);
    if (!caption[0])
        return;
    UINT format = DT_VCENTER | DT_WORDBREAK;
    const DWORD align = m_dwStyle & 0xF00;
    if (align == BS_CENTER)
        format |= DT_CENTER;
    else if (align == BS_RIGHT)
        format |= DT_RIGHT;
    CFont* oldFont = dc->SelectObject(GetFont());
    CRect text = area;
    dc->DrawText(caption, -1, &text, format | DT_CALCRECT);
    const int spareX = area.Width() - text.Width();
    const int dx = align == BS_CENTER ? spareX / 2 : align == BS_RIGHT ? spareX : 0;
    text.OffsetRect(area.left + dx - text.left, area.top + (area.Height() - text.Height()) / 2 - text.top);
    if (m_bPressed)
        text.OffsetRect(1, 1);
    if (m_bDisabled) {
        CRect raised = text;
        raised.OffsetRect(1, 1);
        dc->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc->DrawText(caption, -1, &raised, format);
        dc->SetTextColor(GetSysColor(COLOR_BTNSHADOW));
        dc->DrawText(caption, -1, &text, format);
    } else {
        dc->SetTextColor(GetSysColor(COLOR_BTNTEXT));
        dc->SetBkColor(GetSysColor(COLOR_BTNFACE));
        dc->DrawText(caption, -1, &text, format);
    }
    dc->SelectObject(oldFont);
}

void CheckOnly(std::initializer_list<CIconButton*> group, int chosen)
{
    int i = 0;
    for (CIconButton* button : group) {
        if (i == chosen)
            button->SetCheck(1, TRUE);
        else if (button->GetCheck())
            button->SetCheck(0, TRUE);
        ++i;
    }
}
