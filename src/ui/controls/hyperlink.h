// A static text made a web link: underlined in the link colour, the hand
// over it, the highlight colour while the pointer is on it, a tooltip with
// the address; a click opens the address (the visited colour after a
// successful opening, a beep and a message after a failed one).
#pragma once
#include "platform/cursor.h"
#include "platform/dialog_controls.h"

#include <string>

class CHyperLink : public CStatic {
public:
    CHyperLink();
    ~CHyperLink() override;

    // The address; set before binding, it is also the text of a control whose
    // template text is empty.
    void SetURL(const char* url) { m_strURL = url ? url : ""; }
    const std::string& GetURL() const { return m_strURL; }
    void SetVisited(BOOL visited);
    BOOL GetVisited() const { return m_bVisited; }

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The reflected click (STN_CLICKED) and colours (WM_CTLCOLORSTATIC).
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnClicked();
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnMouseMove(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);

    // Opens the address as the shell does; above 32 is success.
    static uintptr_t GotoURL(const char* url, int showCommand);
    // "Unable to open hyperlink:" with the reason for the code, in a box.
    static void ReportError(int error);
    // The reason's text for a failure code.
    static std::string ErrorText(int error);

protected:
    void PositionWindow();
    void SetDefaultCursor();

    COLORREF m_crLinkColour = RGB(0, 0, 238);
    COLORREF m_crVisitedColour = RGB(85, 26, 139);
    COLORREF m_crHoverColour;
    BOOL m_bOverControl = FALSE;
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderline = TRUE;
    BOOL m_bAdjustToFit = TRUE;
    std::string m_strURL;
    CFont m_Font;
    HCURSOR m_hLinkCursor = nullptr;
    CToolTipCtrl m_ToolTip;
};
