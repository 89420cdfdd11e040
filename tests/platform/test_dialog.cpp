// Dialogs from templates: layout, modal results, timers in the modal loop,
// control binding, message routing and transparent statics (offscreen).
#include "platform/dialog.h"
#include "support/run_modal.h"
#include "platform/widget_port.h"
#include "platform/winapp.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr UINT IDD_TEST = 9101;
constexpr UINT IDD_MISSING = 9199;
constexpr int IDC_TEXT = 1001;
constexpr int IDC_PLAIN_TEXT = 1002;
constexpr int IDC_OTHER = 1003;

const DialogTemplate kTestTemplate = {
    IDD_TEST, "Test", 151, 55, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, "System", 6,
    {
        {IDOK, "Button", "&Restart", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 7, 34, 43, 14},
        {IDCANCEL, "Button", "&Exit", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 101, 34, 43, 14},
        {IDC_OTHER, "Button", "&Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 54, 34, 43, 14},
        {IDC_TEXT, "Static", "Transparent", WS_CHILD | WS_VISIBLE, 43, 3, 87, 11},
        {IDC_PLAIN_TEXT, "Static", "Opaque", WS_CHILD | WS_VISIBLE, 43, 17, 87, 11},
    }};
const DialogTemplateRegistration kRegisterTest(kTestTemplate);

std::vector<std::string> g_log;

std::string Name(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return "down";
    case WM_LBUTTONUP: return "up";
    case WM_KEYDOWN: return "keydown";
    case WM_COMMAND: return "command";
    default: return std::to_string(message);
    }
}

// A bound button that records what reaches it.
class RecordingButton : public CButton {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            g_log.push_back("button:pre");
        return CButton::PreTranslateMessage(msg);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN)
            g_log.push_back("button:" + Name(message));
        return CButton::WindowProc(message, wParam, lParam);
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        ++m_draws;
        m_lastState = dis->itemState;
        CDC* dc = CDC::FromHandle(dis->hDC);
        dc->FillSolidRect(&dis->rcItem, m_color);
    }
    int m_draws = 0;
    UINT m_lastState = 0;
    COLORREF m_color = RGB(0, 0, 255);
};

class TestDlg : public CDialog {
public:
    TestDlg() : CDialog(IDD_TEST) {}
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDOK, m_btnOK);
        DDX_Control(dx, IDCANCEL, m_btnCancel);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            g_log.push_back("dialog:pre");
        return msg->message == WM_KEYDOWN && msg->wParam == m_swallowKey;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        g_log.push_back("dialog:command" + std::to_string(LOWORD(wParam)));
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnEraseBkgnd(CDC* dc) override
    {
        RECT r;
        GetClientRect(&r);
        dc->FillSolidRect(&r, RGB(200, 0, 0));
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override
    {
        HBRUSH brush = CDialog::OnCtlColor(dc, wnd, ctlColor);
        if (ctlColor == CTLCOLOR_STATIC && wnd && wnd->GetDlgCtrlID() == IDC_TEXT) {
            dc->SetBkMode(TRANSPARENT);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        }
        return brush;
    }
    RecordingButton m_btnOK;
    RecordingButton m_btnCancel;
    UINT m_swallowKey = 0;
    std::function<void(TestDlg*)> m_onInit;
};

class TickingWnd : public CWnd {
public:
    void OnTimer(UINT_PTR id) override
    {
        ++m_ticks;
        if (m_onTick)
            m_onTick(id);
    }
    int m_ticks = 0;
    std::function<void(UINT_PTR)> m_onTick;
};

QWidget* WidgetOf(CWnd* wnd) { return wnd && wnd->m_hWnd ? wnd->m_hWnd->widget : nullptr; }

void SendKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void Click(QWidget* target)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

// The control with the keyboard focus, else the dialog's window.
QWidget* KeyTarget(CDialog& dlg)
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : dlg.m_hWnd->widget->focusWidget() ? dlg.m_hWnd->widget->focusWidget()
                                                                : dlg.m_hWnd->widget;
}

class DialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
    void SetUp() override { g_log.clear(); }
    void TearDown() override { AfxPumpMessages(0); }
};

TEST_F(DialogTest, TemplateLaysOutTwoPixelsPerDialogUnit)
{
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(client.right, 302);
    EXPECT_EQ(client.bottom, 110);
    for (const DialogItem& item : kTestTemplate.items) {
        CWnd* control = dlg.GetDlgItem(static_cast<UINT>(item.id));
        ASSERT_NE(control, nullptr) << item.text;
        EXPECT_EQ(WidgetOf(control)->geometry(), QRect(item.x * 2, item.y * 2, item.cx * 2, item.cy * 2)) << item.text;
        char text[64];
        control->GetWindowText(text, sizeof text);
        EXPECT_STREQ(text, item.text);
    }
    dlg.DestroyWindow();
}

TEST_F(DialogTest, DoModalAnswersTheButtonOrKeyThatEndedIt)
{
    struct Case {
        const char* name;
        std::function<void(TestDlg&)> action;
        int expected;
    };
    const Case cases[] = {
        {"Restart button", [](TestDlg& d) { Click(WidgetOf(&d.m_btnOK)); }, IDOK},
        {"Exit button", [](TestDlg& d) { Click(WidgetOf(&d.m_btnCancel)); }, IDCANCEL},
        {"Esc key", [](TestDlg& d) { SendKey(KeyTarget(d), Qt::Key_Escape); }, IDCANCEL},
        {"close box", [](TestDlg& d) { d.m_hWnd->widget->close(); }, IDCANCEL},
        {"mnemonic letter", [](TestDlg& d) { SendKey(KeyTarget(d), Qt::Key_E); }, IDCANCEL},
        {"Enter on the focused button", [](TestDlg& d) { SendKey(KeyTarget(d), Qt::Key_Return); }, IDOK},
        {"EndDialog", [](TestDlg& d) { d.EndDialog(42); }, 42},
    };
    for (const Case& c : cases) {
        TestDlg dlg;
        EXPECT_EQ(RunModal(dlg, c.action), c.expected) << c.name;
        EXPECT_EQ(dlg.m_hWnd, nullptr) << c.name;
        EXPECT_EQ(dlg.m_btnOK.m_hWnd, nullptr) << c.name;
    }
}

TEST_F(DialogTest, DoModalWithoutTemplateAnswersMinusOne)
{
    CDialog dlg(IDD_MISSING);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, EndDialogInsideOnInitDialogNeverShowsTheDialog)
{
    TestDlg dlg;
    bool shown = false;
    dlg.m_onInit = [&](TestDlg* d) { d->EndDialog(IDOK); };
    QTimer::singleShot(0, [&] { shown = dlg.m_hWnd && dlg.m_hWnd->widget->isVisible(); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    AfxPumpMessages(10);
    EXPECT_FALSE(shown);
}

TEST_F(DialogTest, DoModalRunsBeforeTheMainWindowIsShownOwnedByIt)
{
    // The game over dialog may open while the game window is being set up.
    CWinApp app;
    CFrameWnd frame;
    ASSERT_TRUE(frame.Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 1));
    app.m_pMainWnd = &frame;
    TestDlg dlg;
    CWnd* owner = nullptr;
    QTimer::singleShot(30, [&] {
        owner = dlg.GetParent();
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(owner, &frame);
    app.m_pMainWnd = nullptr;
    frame.DestroyWindow();
}

TEST_F(DialogTest, DialogOpenedFromAModalDialogIsOwnedByIt)
{
    TestDlg outer;
    TestDlg inner;
    CWnd* innerOwner = nullptr;
    int innerResult = 0;
    QTimer::singleShot(30, [&] {
        QTimer::singleShot(30, [&] {
            innerOwner = inner.GetParent();
            inner.EndDialog(IDCANCEL);
        });
        innerResult = inner.DoModal();
        outer.EndDialog(IDOK);
    });
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(innerOwner, &outer);
}

TEST_F(DialogTest, GameTimerKeepsTickingInsideDoModal)
{
    // Also from inside the timer's own handler, as the game over dialog runs.
    for (const bool fromTick : {false, true}) {
        TickingWnd game;
        ASSERT_TRUE(game.Create(nullptr, "game", WS_OVERLAPPED, CRect(0, 0, 100, 100), nullptr, 1));
        game.SetTimer(1, 40, nullptr);
        int ticksInside = -1;
        auto run = [&] {
            TestDlg dlg;
            const int before = game.m_ticks;
            QTimer::singleShot(600, [&] { dlg.EndDialog(IDOK); });
            EXPECT_EQ(dlg.DoModal(), IDOK);
            ticksInside = game.m_ticks - before;
        };
        if (fromTick) {
            game.m_onTick = [&](UINT_PTR) {
                if (game.m_ticks == 1)
                    run();
            };
            AfxPumpMessages(900);
        } else {
            run();
        }
        game.KillTimer(1);
        // About 15 ticks fall due in 600 ms.
        EXPECT_GE(ticksInside, 8) << (fromTick ? "from the tick" : "from outside");
        game.DestroyWindow();
    }
}

TEST_F(DialogTest, DdxControlBindsTheTemplateControl)
{
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    EXPECT_EQ(dlg.GetDlgItem(IDOK), &dlg.m_btnOK);
    EXPECT_EQ(dlg.GetDlgItem(IDCANCEL), &dlg.m_btnCancel);
    // An unbound control keeps the layer's own object of its class.
    EXPECT_NE(dynamic_cast<CButton*>(dlg.GetDlgItem(IDC_OTHER)), nullptr);
    EXPECT_NE(dynamic_cast<CStatic*>(dlg.GetDlgItem(IDC_TEXT)), nullptr);

    // The owner-drawn button paints through the bound object's DrawItem.
    const QImage image = WidgetOf(&dlg.m_btnOK)->grab().toImage();
    EXPECT_GE(dlg.m_btnOK.m_draws, 1);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 255));
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_btnOK.m_hWnd, nullptr);
}

TEST_F(DialogTest, KeysPassTheControlThenTheDialogBeforeTheControlHandlesThem)
{
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    QWidget* button = WidgetOf(&dlg.m_btnOK);
    SendKey(button, Qt::Key_Left);
    EXPECT_EQ(g_log, (std::vector<std::string>{"button:pre", "dialog:pre", "button:keydown"}));

    // The dialog takes Esc: nothing else sees it, the dialog stays.
    g_log.clear();
    dlg.m_swallowKey = VK_ESCAPE;
    SendKey(button, Qt::Key_Escape);
    EXPECT_EQ(g_log, (std::vector<std::string>{"button:pre", "dialog:pre"}));
    EXPECT_NE(dlg.m_hWnd, nullptr);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, ClickReachesTheButtonBeforeItsCommandReachesTheDialog)
{
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.ShowWindow(SW_SHOW);
    Click(WidgetOf(&dlg.m_btnCancel));
    EXPECT_EQ(g_log, (std::vector<std::string>{"button:down", "button:up", "dialog:command2"}));
    // A modeless dialog's Cancel hides it.
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
}

TEST_F(DialogTest, TransparentStaticShowsTheDialogBehindIt)
{
    TestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    const QImage image = dlg.m_hWnd->client->grab().toImage();
    const QColor red(200, 0, 0);
    const QColor face(212, 208, 200);
    auto colours = [&](int id) {
        const QRect r = WidgetOf(dlg.GetDlgItem(id))->geometry();
        int redCount = 0, faceCount = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                redCount += image.pixelColor(x, y) == red;
                faceCount += image.pixelColor(x, y) == face;
            }
        return std::pair(redCount * 100 / (r.width() * r.height()), faceCount * 100 / (r.width() * r.height()));
    };
    // Most of the transparent static is the dialog's red; the other paints its face box.
    EXPECT_GE(colours(IDC_TEXT).first, 70);
    EXPECT_EQ(colours(IDC_TEXT).second, 0);
    EXPECT_GE(colours(IDC_PLAIN_TEXT).second, 70);
    EXPECT_EQ(colours(IDC_PLAIN_TEXT).first, 0);
    dlg.DestroyWindow();
}

}  // namespace
