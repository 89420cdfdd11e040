#include "ui/plants_settings_dlg.h"

#include "ui/dialog_commands.h"
#include "ui/plants_grid_picture.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

namespace {

static_assert(PLANT_KIND_COUNT <= COUNT_GRID_SLOTS, "every plant kind has a slot in the grid");

const DialogTemplateRegistration kRegister(
    CountGridTemplate(CPlantsSettingsDlg::IDD, "3D Parvolune - Plants Settings", 240, true));

// After it the command bar's tool comes back with the next tick.
const DialogCommandRegistration kCommand(
    ID_TOOL_PLANTS_SETTINGS,
    [] {
        CPlantsSettingsDlg dialog(nullptr);
        dialog.DoModal();
    },
    ToolAfterDialog::BarsTool);

const CountGridSlots kPlantSlots = {&g_PlantCountSection, {IDB_PLANTS_PAGE0, IDB_FISH_PAGE1},
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
