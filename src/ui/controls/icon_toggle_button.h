// The on/off switch of the Background and Music dialogs: an owner-drawn
// button that keeps its own state, flips it on every click and then posts
// the click to its parent, so the parent reads the new state. The state shows
// as a round lamp (on and off colours) or, given two icons, as one of them;
// the face lights up while the mouse is over it.
#pragma once
#include "platform/dialog_controls.h"

#include <initializer_list>

class CIconButton : public CButton {
public:
    CIconButton();
    ~CIconButton() override;

    // With `repaint`, the whole button is drawn again.
    void SetCheck(int check, BOOL repaint = TRUE);
    int GetCheck() const;
    BOOL SetColors(COLORREF on, COLORREF off);
    // Icons of the program by id (the button frees what it loads here).
    BOOL SetIcons(UINT iconOn, UINT iconOff);
    // Icons the caller keeps; with only one of them the lamp is drawn.
    BOOL SetIconHandles(HICON iconOn, HICON iconOff);
    void FreeIcons();

    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheckMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheckMsg(WPARAM wParam, LPARAM lParam);
    void OnClicked();
    void Redraw();

protected:
    DWORD m_dwStyle = 0;
    BOOL m_bOver = FALSE;
    BOOL m_bChecked = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bFocus = FALSE;
    BOOL m_bPressed = FALSE;
    int m_nMarkSize = 15;
    COLORREF m_crOn = RGB(0, 255, 0);
    COLORREF m_crOff = RGB(0, 127, 0);
    HICON m_hIconOn = nullptr;
    int m_cxIconOn = 0;
    int m_cyIconOn = 0;
    HICON m_hIconOff = nullptr;
    int m_cxIconOff = 0;
    int m_cyIconOff = 0;

private:
    void DrawCaption(CDC* dc, const CRect& area);
    // The icons came from SetIcons: each load is the button's own copy.
    BOOL m_bOwnIcons = FALSE;
};

// Switches that act as one choice: switch `chosen` of `group` on, each other
// one that is on turned off.
void CheckOnly(std::initializer_list<CIconButton*> group, int chosen);
