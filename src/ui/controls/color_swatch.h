// A button that shows one colour: a solid rectangle of it inside a
// one-pixel white frame, whatever its state. A click is the dialog's command.
#pragma once
#include "platform/dialog_controls.h"

class CColorSwatch : public CButton {
public:
    CColorSwatch() = default;

    // Binds the control `id` of `parent`; FALSE (the colour kept) when there is none.
    BOOL Attach(UINT id, CWnd* parent, COLORREF color);
    // Stores the colour and repaints the whole control.
    BOOL SetColor(COLORREF color);
    COLORREF GetColor() const { return m_crColor; }

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

private:
    COLORREF m_crColor = RGB(255, 0, 0);
};
