// Dialogs built from their templates (dialog_template.h). A dialog class
// names its template id and overrides the handlers it needs:
//
//   class CMyDlg : public CDialog {
//   public:
//       enum { IDD = 500 };
//       CMyDlg() : CDialog(IDD) {}
//       void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDOK, m_btnOK); }
//       CHoverButton m_btnOK;
//   };
//
// DoModal runs it in a nested loop that keeps the game's timers ticking and
// returns the id given to EndDialog; Create makes it modeless.
#pragma once
#include "platform/dialog_controls.h"
#include "platform/dialog_template.h"
#include "platform/wnd.h"

#include <memory>
#include <vector>

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);
    // The window of control `id` of the dialog; marks the exchange failed when there is none.
    HWND PrepareCtrl(int id);
    void Fail() { m_bFailed = TRUE; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;
};

// Binds template control `id` to `control` (once): the control's messages,
// painting included, go to that object from then on.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the dialog and runs it modally (owned by the parent, else by the
    // application's main window). Returns the EndDialog result; IDCANCEL for
    // Esc and the close box (unless the handlers say otherwise); -1 when the
    // dialog cannot be created or is destroyed without EndDialog.
    virtual int DoModal();
    // Builds the dialog modeless; shown when its template is WS_VISIBLE,
    // else by ShowWindow.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Ends a modal dialog with `result` (hides a modeless one).
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);
    // The push button Enter presses when the focus is on no push button.
    void SetDefID(UINT id);
    UINT GetDefID() const;

    BOOL DestroyWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A control's command goes to the control first (reflection: its
    // OnChildNotify may take it); else IDOK and IDCANCEL end the dialog.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The same for a control's notification (WM_NOTIFY); FALSE when nobody took it.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control's colours: the control's own (reflected) when it sets them,
    // else the default ones.
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override;
    // The messages of dialogs that windows in general do not handle here.
    virtual void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
    virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
    // `wnd` is the window under the pointer; TRUE when a cursor was set.
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual BOOL OnMouseWheel(UINT flags, short zDelta, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_nModalResult = -1;
    // Set by dialogs that paint their own caption and edges (in WM_NCPAINT
    // and the other messages that reach DefWindowProc): the window is then
    // frameless with a standard-size non-client area of its own.
    BOOL m_bOwnFrame = FALSE;

private:
    BOOL CreateFromTemplate(CWnd* owner, bool modal);

    BOOL m_bEnded = FALSE;
    // The control objects the layer made for the template's controls.
    std::vector<std::unique_ptr<CWnd>> m_defaultControls;
};
