// The push button of the dialogs: a rounded black outline around a grey
// gradient face, an orange frame while the mouse rests on it, a blue one
// while it has the focus, the caption in the middle (a little right of it
// when there is an icon), an optional icon on the left and a tooltip.
// Owner-drawn, painted off screen.
#pragma once
#include "platform/dialog_controls.h"

class CHoverButton : public CButton {
public:
    CHoverButton();
    ~CHoverButton() override;

    // Icons by resource id (`iconOut` 0: the same picture in every state)
    // and the size used to place them; repaints at once.
    void SetIcon(UINT iconIn, UINT iconOut, BYTE cxIcon, BYTE cyIcon);
    // A null text does nothing; a second call only changes the text.
    void SetTooltipText(LPCTSTR text, BOOL activate = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;
    // A button bound anew (its dialog opened again) starts away from the mouse.
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

    // Face colour of gradient step 0..63 for the hover and highlight states.
    static COLORREF FaceColor(int step, BOOL over, BOOL highlight);

protected:
    void InitToolTip();
    void DrawGradient(CDC* dc, LPRECT face);
    void DrawBorder(CDC* dc, LPRECT face);
    void DrawIconImage(CDC* dc, const char* caption, LPRECT face, BOOL focus);

    CPen m_penOutline;
    CPen m_penHoverLeft;
    CPen m_penHoverRight;
    CPen m_penHoverTop;
    CPen m_penHoverBottom;
    CPen m_penFocusLeft;
    CPen m_penFocusRight;
    CPen m_penFocusTop;
    CPen m_penFocusBottom;
    BOOL m_bOver = FALSE;
    BOOL m_bTracking = FALSE;
    BOOL m_bFocus = FALSE;
    BOOL m_bHighlight = FALSE;
    HICON m_hIconIn = nullptr;
    HICON m_hIconOut = nullptr;
    BYTE m_cyIcon = 0;
    BYTE m_cxIcon = 0;
    CToolTipCtrl m_ToolTip;
    DWORD m_dwToolTipStyle = 0;

private:
    void ReleaseIcons();
};
