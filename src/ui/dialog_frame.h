// What several dialogs share: the skinned caption (title bar and edges
// painted from the skin pictures over the dialog's frame) and transparent
// static texts.
#pragma once
#include "platform/cursor.h"
#include "platform/dialog.h"

#include <span>

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

// The Background and Music dialogs: made hidden at the start and kept for the
// whole run, shown by a command of the game window; Esc and the close box
// hide them and save their section, Enter does nothing. Their face is the
// Aquarium dialog's colour.
class CModelessSettingsDlg : public CSkinDialog {
public:
    using CSkinDialog::CSkinDialog;

    void OnOK() override {}
    void OnCancel() override;
    void OnClose() override;
    void OnPaint() override;
    virtual void SaveSettings() = 0;
    // What the game window's command does: centred and shown.
    void ShowCentred();
};

// Copies bitmap resource `id` at its own size to (x, y) of `dc` through the
// memory context `memory` (one made for the call when null); returns its
// size, (0, 0) when there is no such bitmap.
CSize BlitBitmap(CDC* dc, UINT id, int x, int y, CDC* memory = nullptr);

// The OnCtlColor of dialogs with transparent static texts: a static's text
// is drawn straight onto the dialog (no background box); other kinds keep
// the base brush.
HBRUSH TransparentStaticBrush(HBRUSH baseBrush, CDC* dc, UINT ctlColor);

// The cursor of the dialogs with a hand: the hand `hand` over push buttons
// (class "Button", when the hand is loaded) and over the controls `handIds`,
// the arrow elsewhere. Returns TRUE (a cursor is set).
BOOL SetHandOrArrowCursor(CWnd* pWnd, HCURSOR hand, std::span<const int> handIds);
