#include "ui/fish_settings_dlg.h"

#include "ui/dialog_commands.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

namespace {

constexpr DWORD kOwnerDrawn = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kHidden = WS_CHILD | WS_TABSTOP;

// The template names the "System" font; its captions fit their buttons in
// the dialog face "MS Sans Serif" at the same 2 pixels per dialog unit.
const DialogTemplate kFishSettings = {
    CFishSettingsDlg::IDD, "3D Parvolune - Fish Settings", 256, 270,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, "MS Sans Serif", 8,
    {
        {1007, "Button", "Add(&A)", kOwnerDrawn, 50, 258, 39, 11},
        {1008, "Button", "Delete(&D)", kOwnerDrawn, 89, 258, 39, 11},
        {1009, "Button", "Random(&R)", kOwnerDrawn, 129, 258, 44, 11},
        {IDOK, "Button", "OK", kHidden | BS_DEFPUSHBUTTON, 28, 169, 47, 21},
        {IDCANCEL, "Button", "Cancel", kHidden | BS_PUSHBUTTON, 127, 174, 47, 21},
        {1037, "Static", "Parvolune help page", WS_CHILD | WS_VISIBLE | SS_LEFT, 9, 245, 113, 12},
        {1010, "Button", "Clear(&C)", kOwnerDrawn, 174, 258, 38, 11},
        {1011, "SysTabControl32", "Tab1", kHidden, 11, 137, 124, 17},
        {1035, "Button", "Prev(&P)", kHidden | WS_DISABLED | BS_OWNERDRAW, 105, 224, 39, 10},
        {1036, "Button", "Next(&N)", kHidden | WS_DISABLED | BS_OWNERDRAW, 145, 224, 40, 9},
    }};
const DialogTemplateRegistration kRegister(kFishSettings);

const DialogCommandRegistration kCommand(ID_TOOL_FISH_SETTINGS, [] {
    CFishSettingsDlg dialog(nullptr);
    dialog.DoModal();
});

const CountGridSlots kFishSlots = {&g_FishCountSection, ApplyFishCounts, {IDB_FISH_PAGE0, IDB_FISH_PAGE1},
                                   RegisterFishGridPicture};

}  // namespace

CFishSettingsDlg::CFishSettingsDlg(CWnd* pParent) : CCountGridDlg(IDD, kFishSlots, pParent) {}

void CFishSettingsDlg::OnAddFish()
{
    if (!IsSlot(m_nSel) || m_nTotal >= MAX_FISH_COUNT)
        return;
    if (++m_nCount[m_nSel] > MAX_FISH_COUNT)
        m_nCount[m_nSel] = MAX_FISH_COUNT;
    InvalidateSlot(m_nSel);
}

void CFishSettingsDlg::UpdateTotal()
{
    m_nTotal = 0;
    for (int i = 0; i < SlotCount(); ++i)
        m_nTotal += m_nCount[i];
    InvalidateArea(RECT{470, 490, 500, 510});
}
