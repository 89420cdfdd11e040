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

namespace {

using ScreensTest = UiTest;

template <class Dialog>
QImage Shot(Dialog& dlg)
{
    dlg.ShowWindow(SW_SHOW);
    AfxPumpMessages(50);
    return WidgetOf(&dlg)->grab().toImage();
}

TEST_F(ScreensTest, RenderEveryDialogForReview)
{
    {
        CGameOverDlg dlg;
        ASSERT_TRUE(dlg.Create(CGameOverDlg::IDD));
        SaveScreenshot(Shot(dlg), "game_over");
        QTest::mouseMove(WidgetOf(&dlg.m_btnExit), QPoint(20, 10));
        AfxPumpMessages(50);
        SaveScreenshot(WidgetOf(&dlg)->grab().toImage(), "game_over_hover_exit");
        dlg.DestroyWindow();
    }
    {
        CAboutDlg dlg;
        ASSERT_TRUE(dlg.Create(CAboutDlg::IDD));
        SaveScreenshot(Shot(dlg), "about_app");
        dlg.DestroyWindow();
    }
    {
        CSkinAboutDlg dlg;
        ASSERT_TRUE(dlg.Create(CSkinAboutDlg::IDD));
        SaveScreenshot(Shot(dlg), "about_skin");
        dlg.DestroyWindow();
    }
    {
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
        CFishSettingsDlg dlg;
        ASSERT_TRUE(dlg.Create(CFishSettingsDlg::IDD));
        dlg.m_nSel = 8;
        SaveScreenshot(Shot(dlg), "fish_settings");
        dlg.DestroyWindow();
        SetSpeciesPortraitSource(nullptr);
    }
    {
        CAquariumSettingsDlg dlg;
        ASSERT_TRUE(dlg.Create(CAquariumSettingsDlg::IDD));
        SaveScreenshot(Shot(dlg), "aquarium_settings");
        dlg.DestroyWindow();
    }
    {
        CCommandBarDlg dlg;
        ASSERT_TRUE(dlg.Create(CCommandBarDlg::IDD));
        SaveScreenshot(Shot(dlg), "command_bar");
        dlg.DestroyWindow();
    }
}

}  // namespace
