#include "ui/fish_settings_dlg.h"

#include "ui/dialog_commands.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

namespace {

static_assert(FISH_SPECIES_COUNT <= COUNT_GRID_SLOTS, "every species has a slot in the grid");

const DialogTemplateRegistration kRegister(
    CountGridTemplate(CFishSettingsDlg::IDD, "3D Parvolune - Fish Settings", 245, false));

const DialogCommandRegistration kCommand(ID_TOOL_FISH_SETTINGS, [] {
    CFishSettingsDlg dialog(nullptr);
    dialog.DoModal();
});

const CountGridSlots kFishSlots = {&g_FishCountSection, {IDB_FISH_PAGE0, IDB_FISH_PAGE1},
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
