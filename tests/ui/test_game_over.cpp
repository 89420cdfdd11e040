// The Game Over dialog: its answers, its layout and its transparent text.
#include "ui/game_over_dlg.h"
#include "ui_fixture.h"

#include <QTest>
#include <algorithm>

namespace {

using GameOverTest = UiTest;

TEST_F(GameOverTest, AnswersRestartOrExit)
{
    struct Case {
        const char* name;
        std::function<void(CGameOverDlg&)> action;
        int expected;
    };
    const Case cases[] = {
        {"Restart", [](CGameOverDlg& d) { QTest::mouseClick(WidgetOf(&d.m_btnRestart), Qt::LeftButton); }, IDOK},
        {"Exit", [](CGameOverDlg& d) { QTest::mouseClick(WidgetOf(&d.m_btnExit), Qt::LeftButton); }, IDCANCEL},
        {"Esc", [](CGameOverDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Escape); }, IDCANCEL},
        {"closed", [](CGameOverDlg& d) { WidgetOf(&d)->close(); }, IDCANCEL},
        {"Enter on Restart (the focus)", [](CGameOverDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Return); }, IDOK},
        {"R", [](CGameOverDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_R); }, IDOK},
        {"E", [](CGameOverDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_E); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        CGameOverDlg dlg;
        EXPECT_EQ(RunModal<CGameOverDlg>(dlg, c.action), c.expected) << c.name;
    }
}

TEST_F(GameOverTest, TemplateBuildsItsControlsWithTheButtonsBound)
{
    CGameOverDlg dlg;
    ASSERT_TRUE(dlg.Create(CGameOverDlg::IDD));
    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(QSize(client.right, client.bottom), QSize(302, 110));
    char caption[32];
    dlg.GetWindowText(caption, sizeof caption);
    EXPECT_STREQ(caption, "Game Over");
    // No system menu, so no close box.
    EXPECT_FALSE(WidgetOf(&dlg)->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg.GetDlgItem(IDOK), &dlg.m_btnRestart);
    EXPECT_EQ(dlg.GetDlgItem(IDCANCEL), &dlg.m_btnExit);
    EXPECT_EQ(WidgetOf(&dlg.m_btnRestart)->geometry(), QRect(14, 68, 86, 28));
    EXPECT_EQ(WidgetOf(&dlg.m_btnExit)->geometry(), QRect(202, 68, 86, 28));
    CWnd* text = dlg.GetDlgItem(0xFFFF);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(WidgetOf(text)->geometry(), QRect(86, 30, 174, 22));
    // The first tab stop, Restart, takes the focus.
    EXPECT_EQ(WidgetOf(&dlg)->focusWidget(), WidgetOf(&dlg.m_btnRestart));
    dlg.DestroyWindow();
}

TEST_F(GameOverTest, StaticTextsAreTransparentOtherControlsKeepTheirBrush)
{
    CGameOverDlg dlg;
    ASSERT_TRUE(dlg.Create(CGameOverDlg::IDD));
    struct Case {
        UINT kind;
        bool transparent;
    };
    for (const Case c : {Case{CTLCOLOR_STATIC, true}, Case{CTLCOLOR_BTN, false}, Case{CTLCOLOR_DLG, false},
                         Case{CTLCOLOR_EDIT, false}}) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        const auto brush = reinterpret_cast<HBRUSH>(dlg.SendMessage(
            WM_CTLCOLORMSGBOX + c.kind, reinterpret_cast<WPARAM>(dc.m_hDC),
            reinterpret_cast<LPARAM>(dlg.GetDlgItem(0xFFFF)->m_hWnd)));
        EXPECT_EQ(brush == static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), c.transparent) << c.kind;
        EXPECT_EQ(dc.GetBkMode(), c.transparent ? TRANSPARENT : OPAQUE) << c.kind;
        EXPECT_NE(brush, nullptr);
    }
    dlg.DestroyWindow();
}

TEST_F(GameOverTest, TextIsDrawnOnTheDialogFace)
{
    CGameOverDlg dlg;
    ASSERT_TRUE(dlg.Create(CGameOverDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    AfxPumpMessages(30);
    const QImage image = dlg.m_hWnd->client->grab().toImage();
    const QColor face(212, 208, 200);
    int textPixels = 0, otherPixels = 0;
    for (int y = 30; y < 52; ++y)
        for (int x = 86; x < 260; ++x) {
            const QColor c = image.pixelColor(x, y);
            textPixels += qGray(c.rgb()) < 60;
            // Anything else is the face or the anti-aliased edge of a letter.
            otherPixels += c != face && qGray(c.rgb()) >= qGray(face.rgb());
        }
    EXPECT_GT(textPixels, 100);
    EXPECT_EQ(otherPixels, 0);
    dlg.DestroyWindow();
}

// The captions, as painted, leave free face between their last letter and
// the right frame (the focus frame is drawn on Restart, which has the focus).
TEST_F(GameOverTest, CaptionsKeepClearOfTheButtonFrame)
{
    CGameOverDlg dlg;
    ASSERT_TRUE(dlg.Create(CGameOverDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    AfxPumpMessages(30);
    constexpr int kFreeColumns = 3;
    for (CHoverButton* button : {&dlg.m_btnRestart, &dlg.m_btnExit}) {
        const QImage image = WidgetOf(button)->grab().toImage();
        const int w = image.width(), h = image.height();
        int ink = 0, lastInk = -1;
        for (int y = 4; y < h - 4; ++y)
            for (int x = 4; x < w - 4; ++x)
                if (qGray(image.pixel(x, y)) < 100) {
                    ++ink;
                    lastInk = std::max(lastInk, x);
                }
        EXPECT_GT(ink, 30) << "the caption is painted";
        // The frame's inner column is w - 4 (face right w - 2, pen 3 wide).
        EXPECT_LT(lastInk, w - 4 - kFreeColumns) << w;
    }
    dlg.DestroyWindow();
}

}  // namespace
