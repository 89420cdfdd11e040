// "The game is over!": Restart (IDOK) brings every fish back, Exit
// (IDCANCEL, also Esc) ends the game.
#pragma once
#include "platform/dialog.h"
#include "ui/controls/hover_button.h"

class CGameOverDlg : public CDialog {
public:
    enum { IDD = 376 };
    explicit CGameOverDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    // The buttons' captions get a font of their own (see m_fontCaption).
    BOOL OnInitDialog() override;
    void OnPaint() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;

    CHoverButton m_btnExit;
    CHoverButton m_btnRestart;
    // Bold 12 pixels: the hover button draws its caption 15 pixels right of
    // the middle, and in the dialog's own font "Restart" ran into the frame.
    CFont m_fontCaption;
};
