// The command bar: at the mouse, each tool button sets its tool and ends the
// bar, the two dialog buttons run their dialog and leave the tool alone.
#include "platform/dialog_window.h"
#include "settings/settings.h"
#include "ui/command_bar_dlg.h"
#include "ui/tool_ids.h"
#include "ui_fixture.h"

#include <QCursor>
#include <QTest>

namespace {

class CommandBarTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        m_pointer = QCursor::pos();
    }
    void TearDown() override
    {
        QCursor::setPos(m_pointer);
        UiTest::TearDown();
    }
    QPoint m_pointer;

    // A click on the bar's button `id` once its loop runs; the bar's result.
    int ClickButton(CCommandBarDlg& bar, int id)
    {
        return RunModal<CCommandBarDlg>(bar, [id](CCommandBarDlg& b) {
            QTest::mouseClick(WidgetOf(b.GetDlgItem(static_cast<UINT>(id))), Qt::LeftButton);
        });
    }
};

TEST_F(CommandBarTest, ItOpensAtTheMouseWithEveryButtonInSight)
{
    QCursor::setPos(150, 200);
    CCommandBarDlg bar;
    QRect where;
    int shown = 0;
    RunModal<CCommandBarDlg>(bar, [&](CCommandBarDlg& b) {
        where = WidgetOf(&b)->geometry();
        for (HWND child : b.m_hWnd->children)
            shown += child->widget->isVisible() && b.m_hWnd->client->rect().contains(child->widget->geometry());
        b.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(where.topLeft(), QPoint(150, 200));
    EXPECT_EQ(where.size(), QSize(606, 40));
    EXPECT_EQ(shown, 8);

    // Near the screen's corner it stays on the screen.
    const QSize screen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    QCursor::setPos(screen.width() - 10, screen.height() - 5);
    RunModal<CCommandBarDlg>(bar, [&](CCommandBarDlg& b) {
        where = WidgetOf(&b)->geometry();
        b.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(where.bottomRight(), QPoint(screen.width() - 1, screen.height() - 1));
}

TEST_F(CommandBarTest, EachToolButtonSetsItsToolAndEndsTheBar)
{
    struct Case {
        int button;
        int tool;
    };
    const Case cases[] = {{1000, ID_TOOL_TOUCH},  {1001, ID_TOOL_FEED},   {1004, ID_TOOL_CAMERA},
                          {1005, ID_TOOL_RIPPLE}, {1006, ID_TOOL_SHOOT},  {1007, ID_TOOL_MOVE_CANNON}};
    CCommandBarDlg bar;
    EXPECT_EQ(bar.m_nCommand, ID_TOOL_SHOOT);  // the tool before any choice
    for (const Case& c : cases) {
        bar.m_nCommand = 0;
        EXPECT_EQ(ClickButton(bar, c.button), IDOK) << c.button;
        EXPECT_EQ(bar.m_nCommand, c.tool) << c.button;
    }
}

TEST_F(CommandBarTest, TheDialogButtonsLeaveTheToolAndCloseAfterTheirDialog)
{
    // The bar at the top of the screen: the dialogs centred over it stay on the screen.
    QCursor::setPos(0, 0);
    const QRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    for (const int button : {1002, 1003}) {
        CCommandBarDlg bar;
        bar.m_nCommand = ID_TOOL_RIPPLE;
        // The settings dialog the button opens is closed as soon as it shows.
        std::string opened;
        QRect where;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            HWND top = ActiveModalDialog();
            if (top && top != bar.m_hWnd) {
                opened = top->text;
                where = top->widget->frameGeometry();
                top->wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            }
        });
        closer.start(50);
        EXPECT_EQ(ClickButton(bar, button), IDOK);
        EXPECT_EQ(bar.m_nCommand, ID_TOOL_RIPPLE);
        EXPECT_EQ(opened, button == 1002 ? "3D Parvolune - Fish Settings" : "3D Parvolune - Aquarium Settings");
        EXPECT_TRUE(screen.contains(where)) << where.x() << "," << where.y();
    }
}

TEST_F(CommandBarTest, EveryButtonShowsAnIconAndATooltip)
{
    CCommandBarDlg bar;
    ASSERT_TRUE(bar.Create(CCommandBarDlg::IDD));
    bar.ShowWindow(SW_SHOW);
    AfxPumpMessages(30);
    const QColor face = QColor(205, 205, 205);
    for (HWND child : bar.m_hWnd->children) {
        if (child->className != "Button")
            continue;
        EXPECT_FALSE(child->widget->toolTip().isEmpty()) << child->id;
        // The icon covers the middle of the face.
        const QImage image = child->widget->grab().toImage();
        int icon = 0;
        for (int y = 4; y < 32; ++y)
            for (int x = 20; x < 48; ++x)
                icon += std::abs(image.pixelColor(x, y).red() - face.red()) > 40;
        EXPECT_GT(icon, 40) << child->id;
    }
    EXPECT_EQ(WidgetOf(&bar.m_btnFeed)->toolTip(), "Feed Fish");
    EXPECT_EQ(WidgetOf(&bar.m_btnCamera)->toolTip(), "Camera ");
    bar.DestroyWindow();
}

}  // namespace
