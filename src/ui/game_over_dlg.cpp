#include "ui/game_over_dlg.h"

#include "platform/messages.h"
#include "ui/dialog_frame.h"

namespace {

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

const DialogTemplate kGameOver = {
    CGameOverDlg::IDD, "Game Over", 151, 55, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, "System", 6,
    {
        {IDOK, "Button", "&Restart", kButton, 7, 34, 43, 14},
        {IDCANCEL, "Button", "&Exit", kButton, 101, 34, 43, 14},
        {-1, "Static", "The game is over!", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 43, 15, 87, 11},
    }};
const DialogTemplateRegistration kRegister(kGameOver);

}  // namespace

CGameOverDlg::CGameOverDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CGameOverDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDCANCEL, m_btnExit);
    DDX_Control(pDX, IDOK, m_btnRestart);
}

BOOL CGameOverDlg::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    if (!m_fontCaption.GetSafeHandle())
        m_fontCaption.CreateFont(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
    for (CHoverButton* button : {&m_btnRestart, &m_btnExit})
        button->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontCaption.GetSafeHandle()), TRUE);
    return result;
}

void CGameOverDlg::OnPaint()
{
    // The face is the erased background; the controls paint themselves.
    CPaintDC dc(this);
}

HBRUSH CGameOverDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return TransparentStaticBrush(CDialog::OnCtlColor(pDC, pWnd, nCtlColor), pDC, nCtlColor);
}
