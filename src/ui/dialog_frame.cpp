#include "ui/dialog_frame.h"

#include "ui/skin_art.h"
#include "ui/ui_resource.h"

CSkinDialog::CSkinDialog(UINT templateId, CWnd* parent, const char* captionText, CPoint textOrigin)
    : CDialog(templateId, parent), m_pszCaptionText(captionText), m_ptCaptionText(textOrigin)
{
    RegisterUiPictures();
    m_bOwnFrame = TRUE;
}

LRESULT CSkinDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CDialog::DefWindowProc(message, wParam, lParam);
    if (IsWindow(m_hWnd) && (message == WM_MOVE || message == WM_PAINT || message == WM_NCPAINT ||
                             message == WM_NCACTIVATE || message == WM_NOTIFY)) {
        if (CDC* dc = GetWindowDC()) {
            DrawCaption(dc);
            ReleaseDC(dc);
        }
    }
    return result;
}

CSize BlitBitmap(CDC* dc, UINT id, int x, int y, CDC* memory)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id))
        return CSize(0, 0);
    CDC own;
    if (!memory) {
        own.CreateCompatibleDC(dc);
        memory = &own;
    }
    BITMAP bm;
    bitmap.GetObject(sizeof bm, &bm);
    CBitmap* old = memory->SelectObject(&bitmap);
    dc->BitBlt(x, y, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCCOPY);
    memory->SelectObject(old);
    return CSize(bm.bmWidth, bm.bmHeight);
}

void CSkinDialog::DrawCaption(CDC* dc)
{
    if (!m_hWnd || !dc)
        return;
    CRect window;
    GetWindowRect(&window);
    const int fx = GetSystemMetrics(SM_CXFRAME);
    const int fy = GetSystemMetrics(SM_CYFRAME);
    const int bx = window.Width() - fx - 60;
    const int by = fy + 2;
    CDC memory;
    memory.CreateCompatibleDC(dc);

    // Title bar: left end, middle pieces, right end, caption buttons.
    int x = fx - 4 + BlitBitmap(dc, IDB_SKIN_LEFT, fx - 4, fy - 4, &memory).cx;
    while (x <= bx - 66) {
        const int step = BlitBitmap(dc, IDB_SKIN_MIDDLE, x, fy - 4, &memory).cx;
        if (step <= 0)
            break;
        x += step;
    }
    BlitBitmap(dc, IDB_SKIN_RIGHT, x, fy - 4, &memory);
    BlitBitmap(dc, IDB_SKIN_BUTTONS, bx - 6, by - 2, &memory);

    // Caption text.
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc->GetTextColor();
    CFont font;
    font.CreateFont(15, 12, 0, 0, 956, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial");
    CFont* oldFont = dc->SelectObject(&font);
    dc->SetTextColor(RGB(0, 0, 210));
    dc->TextOut(m_ptCaptionText.x, m_ptCaptionText.y, m_pszCaptionText);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColor);
    dc->SelectObject(oldFont);
    font.DeleteObject();

    // Edges: the 4-pixel-high piece steps by its height less 3 down the
    // sides and by 2 along the bottom.
    CRect client;
    GetClientRect(&client);
    for (int t = 20; t <= window.Height();) {
        const int step = BlitBitmap(dc, IDB_SKIN_EDGE, 0, by + t, &memory).cy - 3;
        t += step > 0 ? step : 1;
    }
    for (int y = 25; y <= client.Height() + 27;) {
        const int step = BlitBitmap(dc, IDB_SKIN_EDGE, client.Width(), y, &memory).cy - 3;
        y += step > 0 ? step : 1;
    }
    for (int bottom = 9; bottom <= client.Width(); bottom += 2)
        BlitBitmap(dc, IDB_SKIN_EDGE, bottom, client.Height() + 26, &memory);
}

HBRUSH TransparentStaticBrush(HBRUSH baseBrush, CDC* dc, UINT ctlColor)
{
    if (ctlColor != CTLCOLOR_STATIC)
        return baseBrush;
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
