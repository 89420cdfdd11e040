#include "ui/plants_settings_dlg.h"

#include "ui/dialog_commands.h"
#include "ui/plants_grid_picture.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

namespace {

constexpr DWORD kOwnerDrawn = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kHidden = WS_CHILD | WS_TABSTOP;

// The Fish dialog's template with its own caption and link place, and the
// tabs last.
const DialogTemplate kPlantsSettings = {
    CPlantsSettingsDlg::IDD, "3D Parvolune - Plants Settings", 256, 270,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, "MS Sans Serif", 8,
    {
        {1007, "Button", "Add(&A)", kOwnerDrawn, 50, 258, 39, 11},
        {1008, "Button", "Delete(&D)", kOwnerDrawn, 89, 258, 39, 11},
        {1009, "Button", "Random(&R)", kOwnerDrawn, 129, 258, 44, 11},
        {IDOK, "Button", "OK", kHidden | BS_DEFPUSHBUTTON, 28, 169, 47, 21},
        {IDCANCEL, "Button", "Cancel", kHidden | BS_PUSHBUTTON, 127, 174, 47, 21},
        {1037, "Static", "Parvolune help page", WS_CHILD | WS_VISIBLE | SS_LEFT, 9, 240, 113, 12},
        {1010, "Button", "Clear(&C)", kOwnerDrawn, 174, 258, 38, 11},
        {1035, "Button", "Prev(&P)", kHidden | WS_DISABLED | BS_OWNERDRAW, 105, 224, 39, 10},
        {1036, "Button", "Next(&N)", kHidden | WS_DISABLED | BS_OWNERDRAW, 145, 224, 40, 9},
        {1011, "SysTabControl32", "Tab1", kHidden, 11, 137, 124, 17},
    }};
const DialogTemplateRegistration kRegister(kPlantsSettings);

const DialogCommandRegistration kCommand(ID_TOOL_PLANTS_SETTINGS, [] {
    CPlantsSettingsDlg dialog(nullptr);
    dialog.DoModal();
});

const CountGridSlots kPlantSlots = {&g_PlantCountSection, ApplyPlantCounts, {IDB_PLANTS_PAGE0, IDB_FISH_PAGE1},
                                    RegisterPlantsGridPicture};

}  // namespace

CPlantsSettingsDlg::CPlantsSettingsDlg(CWnd* pParent) : CCountGridDlg(IDD, kPlantSlots, pParent) {}

void CPlantsSettingsDlg::OnAddPlant()
{
    if (!IsSlot(m_nSel) || m_nCount[m_nSel] != 0)
        return;
    m_nCount[m_nSel] = 1;
    InvalidateSlot(m_nSel);
}
