#include "ui/controls/round_slider.h"

CRoundSlider::CRoundSlider() { SetColors(RGB(210, 210, 210)); }

void CRoundSlider::SetColors(COLORREF thumb)
{
    m_crThumbOutline = m_crPatternText = m_crChannelLight = m_crEndMark = RGB(0, 128, 0);
    m_crThumb = thumb;
    m_brThumb.DeleteObject();
    m_brThumb.CreateSolidBrush(thumb);
    // A checkerboard, one bit a pixel, a 16-bit word a row.
    static const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    BYTE bits[16];
    for (int i = 0; i < 8; ++i) {
        bits[2 * i] = static_cast<BYTE>(rows[i]);
        bits[2 * i + 1] = 0;
    }
    CBitmap checker;
    checker.CreateBitmap(8, 8, 1, 1, bits);
    LOGBRUSH pattern;
    pattern.lbStyle = BS_PATTERN;
    pattern.lbHatch = reinterpret_cast<uintptr_t>(checker.GetSafeHandle());
    m_brPattern.DeleteObject();
    m_brPattern.CreateBrushIndirect(&pattern);
}

BOOL CRoundSlider::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (message != WM_NOTIFY || !header || header->code != NM_CUSTOMDRAW)
        return CSliderCtrl::OnChildNotify(message, wParam, lParam, result);
    LRESULT answer = 0;
    OnCustomDraw(const_cast<NMHDR*>(header), &answer);
    if (result)
        *result = answer;
    return TRUE;
}

void CRoundSlider::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    const NMCUSTOMDRAW draw = *reinterpret_cast<NMCUSTOMDRAW*>(header);
    CDC* dc = CDC::FromHandle(draw.hdc);
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT: *result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT; break;
    case CDDS_ITEMPREPAINT:
        if (draw.dwItemSpec == TBCD_TICS) {
            *result = CDRF_DODEFAULT;
        } else if (draw.dwItemSpec == TBCD_THUMB) {
            DrawThumb(dc, draw.rc, draw.uItemState);
            *result = CDRF_SKIPDEFAULT;
        } else if (draw.dwItemSpec == TBCD_CHANNEL) {
            *result = CDRF_NOTIFYPOSTPAINT;  // the system draws it; framed afterwards
        }
        break;
    case CDDS_ITEMPOSTPAINT:
        if (draw.dwItemSpec == TBCD_CHANNEL) {
            CRect frame(draw.rc);
            frame.DeflateRect(1, 1);
            dc->Draw3dRect(&frame, m_crChannelLight, m_crPatternText);
            *result = CDRF_SKIPDEFAULT;
        } else if (draw.dwItemSpec == TBCD_TICS || draw.dwItemSpec == TBCD_THUMB) {
            *result = 0;
        }
        break;
    case CDDS_POSTPAINT:
        DrawEndMarks(dc);
        *result = CDRF_SKIPDEFAULT;
        break;
    case CDDS_PREERASE:
    case CDDS_POSTERASE:
    case CDDS_ITEMPREERASE:
    case CDDS_ITEMPOSTERASE: *result = 0; break;
    default: break;
    }
}

void CRoundSlider::DrawThumb(CDC* dc, const RECT& rc, UINT state) const
{
    const int saved = dc->SaveDC();
    CPen outline(PS_SOLID, 1, m_crThumbOutline);
    CBrush* brush = const_cast<CBrush*>(&m_brThumb);
    if (state != 0) {
        brush = const_cast<CBrush*>(&m_brPattern);
        dc->SetBrushOrg(rc.right % 8, rc.top % 8);
        dc->SetBkColor(m_crThumb);
        dc->SetTextColor(m_crPatternText);
    }
    dc->SelectObject(brush);
    dc->SelectObject(&outline);
    dc->Ellipse(&rc);
    dc->RestoreDC(saved);
}

void CRoundSlider::DrawEndMarks(CDC* dc) const
{
    const int saved = dc->SaveDC();
    CRect client;
    GetClientRect(&client);
    const int r = client.right, b = client.bottom;
    const DWORD style = GetStyle();
    CRect first, second;
    if (style & TBS_VERT) {
        const bool left = (style & TBS_LEFT) != 0;
        first = left ? CRect(r - 8, 1, r - 1, 8) : CRect(1, 1, 8, 8);
        second = left ? CRect(r - 8, b - 8, r - 1, b - 1) : CRect(1, b - 8, 8, b - 1);
    } else {
        const bool top = (style & TBS_TOP) != 0;
        first = top ? CRect(1, b - 8, 8, b - 1) : CRect(1, 1, 8, 8);
        second = top ? CRect(r - 8, b - 8, r - 1, b - 1) : CRect(r - 8, 1, r - 1, 8);
    }
    CPen pen(PS_SOLID, 1, m_crThumb);
    CBrush white(RGB(255, 255, 255));
    CBrush mark(m_crEndMark);
    dc->SelectObject(&pen);
    dc->SelectObject(&white);
    dc->Ellipse(&first);
    dc->SelectObject(&mark);
    dc->Ellipse(&second);
    dc->RestoreDC(saved);
}
