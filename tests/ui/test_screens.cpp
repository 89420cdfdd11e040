// Every dialog rendered offscreen, for a person to look at.
#include "ui/about_dlg.h"
#include "ui/aquarium_settings_dlg.h"
#include "ui/command_bar_dlg.h"
#include "ui/fish_grid_picture.h"
#include "ui/fish_settings_dlg.h"
#include "ui/game_over_dlg.h"
#include "ui/skin_about_dlg.h"
#include "ui_fixture.h"

#include <QTest>
#include <functional>
#include <string>

namespace {

using ScreensTest = UiTest;

template <class Dialog>
QImage Shot(Dialog& dlg)
{
    dlg.ShowWindow(SW_SHOW);
    AfxPumpMessages(50);
    return WidgetOf(&dlg)->grab().toImage();
}

// Shows a dialog of class Dialog (after `prepare`) and keeps its picture as `name`.
template <class Dialog>
void Keep(const std::string& name, const std::function<void(Dialog&)>& prepare = nullptr)
{
    Dialog dlg;
    ASSERT_TRUE(dlg.Create(Dialog::IDD));
    if (prepare)
        prepare(dlg);
    SaveScreenshot(Shot(dlg), name);
    dlg.DestroyWindow();
}

TEST_F(ScreensTest, RenderEveryDialogForReview)
{
    Keep<CGameOverDlg>("game_over");
    Keep<CGameOverDlg>("game_over_hover_exit", [](CGameOverDlg& dlg) {
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(50);
        QTest::mouseMove(WidgetOf(&dlg.m_btnExit), QPoint(20, 10));
    });
    Keep<CAboutDlg>("about_app");
    Keep<CSkinAboutDlg>("about_skin");
    // Species 3 and 23 in the game, drawn as plain orange discs here.
    SetSpeciesPortraitSource([](int species, int w, int h, std::vector<uint32_t>& argb) {
        if (species != 3 && species != 23)
            return false;
        argb.assign(static_cast<size_t>(w) * h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) < 20 * 20)
                    argb[static_cast<size_t>(y) * w + x] = 0xFFFF8020u;
        return true;
    });
    Keep<CFishSettingsDlg>("fish_settings", [](CFishSettingsDlg& dlg) { dlg.m_nSel = 8; });
    SetSpeciesPortraitSource(nullptr);
    Keep<CAquariumSettingsDlg>("aquarium_settings");
    Keep<CCommandBarDlg>("command_bar");
}

}  // namespace
