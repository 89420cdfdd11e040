// The colour chooser of the desktop's toolkit, run modally (the game's timers
// keep running while it is open).
#pragma once
#include "platform/wnd.h"

#include <functional>

class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    // IDOK when a colour was chosen, else IDCANCEL.
    int DoModal();
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color;
    CWnd* m_pParent;
};

// Tests answer colour choosers themselves: while a hook is set it runs in
// place of the chooser, may set the colour and gives the result.
using ColorDialogHook = std::function<int(COLORREF& color)>;
void SetColorDialogHook(ColorDialogHook hook);
