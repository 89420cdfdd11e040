#include "ui/command_bar_dlg.h"

#include "ui/dialog_art.h"
#include "ui/dialog_commands.h"
#include "ui/ui_resource.h"

#include <algorithm>

namespace {

constexpr int IDC_TOUCH = 1000;
constexpr int IDC_FEED = 1001;
constexpr int IDC_FISH_SETTINGS = 1002;
constexpr int IDC_AQUARIUM_SETTINGS = 1003;
constexpr int IDC_CAMERA = 1004;
constexpr int IDC_RIPPLE = 1005;
constexpr int IDC_SHOOT = 1006;
constexpr int IDC_MOVE_CANNON = 1007;

constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr int kBarHeight = 40;
constexpr BYTE kIconPlace = 40;

const DialogTemplate kCommandBar = {
    CCommandBarDlg::IDD, "", 310, 17, WS_POPUP | DS_MODALFRAME | DS_SETFONT, "System", 10,
    {
        {IDC_FEED, "Button", "", kButton, 0, 0, 34, 18},
        {IDC_TOUCH, "Button", "", kButton, 34, 0, 34, 18},
        {IDC_FISH_SETTINGS, "Button", "", kButton, 66, 0, 34, 18},
        {IDC_CAMERA, "Button", "", kButton, 100, 0, 34, 18},
        {IDC_RIPPLE, "Button", "", kButton, 134, 0, 34, 18},
        {IDC_AQUARIUM_SETTINGS, "Button", "", kButton, 168, 0, 34, 18},
        {IDC_MOVE_CANNON, "Button", "", kButton, 232, 0, 34, 18},
        {IDC_SHOOT, "Button", "", kButton, 269, 0, 34, 18},
    }};
const DialogTemplateRegistration kRegister(kCommandBar);

struct BarButton {
    int id;
    const char* tooltip;
    UINT icon;
};

// Move Cannon and Shoot get an icon and a tooltip as the others do, so that
// a player can tell them apart.
const BarButton kButtons[] = {
    {IDC_TOUCH, "Touch Fish", IDI_TOUCH},
    {IDC_FEED, "Feed Fish", IDI_FEED},
    {IDC_FISH_SETTINGS, "Add/Delete Fish", IDI_FISH_SETTINGS},
    {IDC_AQUARIUM_SETTINGS, "Aquarium Settings", IDI_AQUARIUM_SETTINGS},
    {IDC_CAMERA, "Camera ", IDI_CAMERA},
    {IDC_RIPPLE, "Ripple", IDI_RIPPLE},
    {IDC_MOVE_CANNON, "Move Cannon", IDI_MOVE_CANNON},
    {IDC_SHOOT, "Shoot", IDI_SHOOT},
};

}  // namespace

CCommandBarDlg::CCommandBarDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CSize CCommandBarDlg::BarSize()
{
    int right = 0;
    for (const DialogItem& item : kCommandBar.items)
        right = std::max(right, (item.x + item.cx) * DIALOG_UNIT_PIXELS);
    return CSize(right, kBarHeight);
}

void CCommandBarDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MOVE_CANNON, m_btnMoveCannon);
    DDX_Control(pDX, IDC_SHOOT, m_btnShoot);
    DDX_Control(pDX, IDC_RIPPLE, m_btnRipple);
    DDX_Control(pDX, IDC_CAMERA, m_btnCamera);
    DDX_Control(pDX, IDC_FISH_SETTINGS, m_btnFishSettings);
    DDX_Control(pDX, IDC_FEED, m_btnFeed);
    DDX_Control(pDX, IDC_AQUARIUM_SETTINGS, m_btnAquarium);
    DDX_Control(pDX, IDC_TOUCH, m_btnTouch);
}

BOOL CCommandBarDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RegisterDialogPictures();
    for (const BarButton& b : kButtons) {
        auto* button = static_cast<CHoverButton*>(GetDlgItem(static_cast<UINT>(b.id)));
        button->SetTooltipText(b.tooltip, TRUE);
        button->SetIcon(b.icon, b.icon, kIconPlace, kIconPlace);
    }
    // At the mouse, its top-left corner there; kept on the screen.
    POINT mouse;
    GetCursorPos(&mouse);
    const CSize size = BarSize();
    const int x = std::clamp<int>(mouse.x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - size.cx));
    const int y = std::clamp<int>(mouse.y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - size.cy));
    MoveWindow(x, y, size.cx, size.cy, TRUE);
    return TRUE;
}

BOOL CCommandBarDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CDialog::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_TOUCH: OnTouchFish(); return TRUE;
    case IDC_FEED: OnFeedFish(); return TRUE;
    case IDC_FISH_SETTINGS: OnFishSettings(); return TRUE;
    case IDC_AQUARIUM_SETTINGS: OnAquariumSettings(); return TRUE;
    case IDC_CAMERA: OnCamera(); return TRUE;
    case IDC_RIPPLE: OnRipple(); return TRUE;
    case IDC_SHOOT: OnShoot(); return TRUE;
    case IDC_MOVE_CANNON: OnMoveCannon(); return TRUE;
    default: return FALSE;
    }
}

void CCommandBarDlg::ChooseTool(int tool)
{
    m_nCommand = tool;
    CDialog::OnOK();
}

void CCommandBarDlg::OnTouchFish() { ChooseTool(ID_TOOL_TOUCH); }
void CCommandBarDlg::OnFeedFish() { ChooseTool(ID_TOOL_FEED); }
void CCommandBarDlg::OnCamera() { ChooseTool(ID_TOOL_CAMERA); }
void CCommandBarDlg::OnRipple() { ChooseTool(ID_TOOL_RIPPLE); }
void CCommandBarDlg::OnShoot() { ChooseTool(ID_TOOL_SHOOT); }
void CCommandBarDlg::OnMoveCannon() { ChooseTool(ID_TOOL_MOVE_CANNON); }

// The two dialogs leave the bar's tool as it is.
void CCommandBarDlg::OnFishSettings()
{
    RunDialogCommand(ID_TOOL_FISH_SETTINGS);
    CDialog::OnOK();
}

void CCommandBarDlg::OnAquariumSettings()
{
    RunDialogCommand(ID_TOOL_AQUARIUM_SETTINGS);
    CDialog::OnOK();
}

void CCommandBarDlg::OnClose() { Default(); }

void CCommandBarDlg::OnLButtonDown(UINT, CPoint) { Default(); }
