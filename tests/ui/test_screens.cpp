// Every dialog rendered offscreen, for a person to look at.
#include "ui/about_dlg.h"
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
}

}  // namespace
