#include "ui/controls/color_swatch.h"

BOOL CColorSwatch::Attach(UINT id, CWnd* parent, COLORREF color)
{
    CWnd* control = parent ? parent->GetDlgItem(id) : nullptr;
    if (!control || !SubclassWindow(control->m_hWnd))
        return FALSE;
    m_crColor = color;
    return TRUE;
}

BOOL CColorSwatch::SetColor(COLORREF color)
{
    m_crColor = color;
    Invalidate(TRUE);
    return TRUE;
}

void CColorSwatch::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC* dc = CDC::FromHandle(drawItem->hDC);
    CBrush fill(m_crColor);
    CBrush frame(RGB(255, 255, 255));
    dc->FillRect(&drawItem->rcItem, &fill);
    dc->FrameRect(&drawItem->rcItem, &frame);
}
