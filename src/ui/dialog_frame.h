// What several dialogs share: the skinned caption (title bar and edges
// painted from the skin pictures over the dialog's frame) and transparent
// static texts.
#pragma once
#include "platform/dialog.h"

// A dialog with the skinned caption: after every message that may have
// repainted its frame (WM_MOVE, WM_PAINT, WM_NCPAINT, WM_NCACTIVATE,
// WM_NOTIFY) reaches the default processing, the caption is painted again.
class CSkinDialog : public CDialog {
public:
    // `captionText` is drawn at `textOrigin` (window coordinates).
    CSkinDialog(UINT templateId, CWnd* parent, const char* captionText, CPoint textOrigin);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints the title bar and the edges into a context of the whole window.
    void DrawCaption(CDC* dc);

private:
    const char* m_pszCaptionText;
    CPoint m_ptCaptionText;
};

// Copies bitmap resource `id` at its own size to (x, y) of `dc` through the
// memory context `memory` (one made for the call when null); returns its
// size, (0, 0) when there is no such bitmap.
CSize BlitBitmap(CDC* dc, UINT id, int x, int y, CDC* memory = nullptr);

// The OnCtlColor of dialogs with transparent static texts: a static's text
// is drawn straight onto the dialog (no background box); other kinds keep
// the base brush.
HBRUSH TransparentStaticBrush(HBRUSH baseBrush, CDC* dc, UINT ctlColor);
