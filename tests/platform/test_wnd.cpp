// Windows, message routing, timers and modal loops of the layer (offscreen).
#include "platform/modal.h"
#include "platform/msgbox.h"
#include "platform/native.h"
#include "platform/winapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

class LoggingWnd : public CWnd {
public:
    explicit LoggingWnd(std::string name) : m_name(std::move(name)) {}
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            g_log.push_back(m_name + ":pre");
        return msg->message == WM_KEYDOWN && msg->wParam == m_swallowKey;
    }
    void OnKeyDown(UINT key, UINT, UINT) override
    {
        g_log.push_back(m_name + ":key" + std::to_string(key) + (GetKeyState(VK_SPACE) < 0 ? "+space" : ""));
    }
    void OnTimer(UINT_PTR id) override
    {
        ++m_ticks;
        if (m_onTick)
            m_onTick(id);
    }
    std::string m_name;
    UINT m_swallowKey = 0;
    int m_ticks = 0;
    std::function<void(UINT_PTR)> m_onTick;
};

class WndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
    void SetUp() override { g_log.clear(); }
    void TearDown() override { SetMessageBoxHook(nullptr); }

    // A top-level window with one child filling it.
    void MakeParentAndChild()
    {
        ASSERT_TRUE(parent.Create(nullptr, "parent", WS_OVERLAPPED, CRect(0, 0, 200, 100), nullptr, 1));
        ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &parent,
                                 AFX_IDW_PANE_FIRST));
    }

    void SendKey(QEvent::Type type, int key, bool autoRepeat = false)
    {
        QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(parent.m_hWnd->window, &e);
    }

    LoggingWnd parent{"parent"};
    LoggingWnd child{"child"};
};

TEST_F(WndTest, KeysPassPreTranslateOfChildThenParentBeforeDispatch)
{
    MakeParentAndChild();
    child.SetFocus();
    SendKey(QEvent::KeyPress, Qt::Key_Left);
    EXPECT_EQ(g_log, (std::vector<std::string>{"child:pre", "parent:pre", "child:key37"}));

    // A parent that takes the message keeps it from the child.
    g_log.clear();
    parent.m_swallowKey = VK_ESCAPE;
    SendKey(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_EQ(g_log, (std::vector<std::string>{"child:pre", "parent:pre"}));
}

TEST_F(WndTest, KeyStateFollowsMessagesAndIgnoresAutoRepeatReleases)
{
    MakeParentAndChild();
    child.SetFocus();
    SendKey(QEvent::KeyPress, Qt::Key_Space);
    EXPECT_LT(GetKeyState(VK_SPACE), 0);
    // X11 auto-repeat: a release and a press for every repeat while held.
    SendKey(QEvent::KeyRelease, Qt::Key_Space, true);
    SendKey(QEvent::KeyPress, Qt::Key_Space, true);
    SendKey(QEvent::KeyPress, Qt::Key_Right);
    EXPECT_EQ(g_log.back(), "child:key39+space");
    SendKey(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(GetKeyState(VK_SPACE), 0);
    SendKey(QEvent::KeyRelease, Qt::Key_Right);
}

TEST_F(WndTest, ChildFillsParentAndFollowsItsSize)
{
    MakeParentAndChild();
    RECT r;
    child.GetClientRect(&r);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 100);
}

TEST_F(WndTest, TimerTicksAndKillTimerStopsThem)
{
    MakeParentAndChild();
    child.SetTimer(1, 10, nullptr);
    AfxPumpMessages(200);
    EXPECT_GE(child.m_ticks, 5);
    child.KillTimer(1);
    const int ticks = child.m_ticks;
    AfxPumpMessages(100);
    EXPECT_EQ(child.m_ticks, ticks);
}

TEST_F(WndTest, TimerKeepsTickingInsideAMessageBoxOpenedFromItsOwnTick)
{
    MakeParentAndChild();
    int ticksInsideBox = -1;
    child.m_onTick = [&](UINT_PTR) {
        if (ticksInsideBox != -1 || child.m_ticks != 1)
            return;
        const int before = child.m_ticks;
        QTimer::singleShot(600, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        MessageBoxA(child.m_hWnd, "Game Over", "test", MB_OK);
        ticksInsideBox = child.m_ticks - before;
    };
    child.SetTimer(1, 40, nullptr);
    AfxPumpMessages(1200);
    child.KillTimer(1);
    // About 15 ticks fall due in 600 ms; the tick's own handler is on the stack.
    EXPECT_GE(ticksInsideBox, 8);
}

// A tick that falls due while a handler runs longer than the period comes at
// once after it, and only one: the one after it keeps the period. The game's
// frames thus follow a slow frame at once. The handler removes the pending
// timer messages as the game's tick does; the due tick is not among them.
TEST_F(WndTest, ATickDueDuringASlowHandlerComesAtOnceAndOnlyOnce)
{
    MakeParentAndChild();
    constexpr int kPeriodMs = 1000;
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> starts;
    qint64 firstEnd = 0;
    bool queued = true;
    child.m_onTick = [&](UINT_PTR) {
        starts.push_back(clock.elapsed());
        if (starts.size() != 1)
            return;
        while (clock.elapsed() - starts[0] < kPeriodMs + kPeriodMs / 5) {
        }
        MSG msg;
        queued = PeekMessage(&msg, child.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE);
        firstEnd = clock.elapsed();
    };
    child.SetTimer(1, kPeriodMs, nullptr);
    for (int i = 0; i < 1000 && starts.size() < 3; ++i)
        AfxPumpMessages(10);
    child.KillTimer(1);
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_FALSE(queued);
    EXPECT_LT(starts[1] - firstEnd, kPeriodMs / 2) << "the due tick waited for the next period";
    EXPECT_GT(starts[2] - starts[1], kPeriodMs / 2) << "late ticks came in a burst";
}

TEST_F(WndTest, PeekMessageRemovesPostedMessages)
{
    MakeParentAndChild();
    MSG msg;
    child.PostMessage(WM_TIMER, 7, 0);
    EXPECT_TRUE(PeekMessage(&msg, child.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessage(&msg, child.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    const int ticks = child.m_ticks;
    AfxPumpMessages(30);
    EXPECT_EQ(child.m_ticks, ticks);  // the removed message is not delivered
}

TEST_F(WndTest, DestroyingAParentDestroysItsChildrenAndTheirTimers)
{
    MakeParentAndChild();
    child.SetTimer(1, 5, nullptr);
    parent.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);
    const int ticks = child.m_ticks;
    AfxPumpMessages(50);
    EXPECT_EQ(child.m_ticks, ticks);
}

TEST_F(WndTest, MessageBoxHookAnswersInPlaceOfTheDialog)
{
    std::string seen;
    SetMessageBoxHook([&](const char* text, const char* caption, UINT) {
        seen = std::string(caption) + "|" + text;
        return IDCANCEL;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Error Find TempPath.", "ERROR", MB_OK), IDCANCEL);
    EXPECT_EQ(seen, "ERROR|Error Find TempPath.");
}

}  // namespace

TEST(Toolkit, KeepsEveryArgumentOfTheProgram)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "the toolkit of this process is already up";
    static char a0[] = "parvolune", a1[] = "--frames", a2[] = "10";
    static char* argv[] = {a0, a1, a2, nullptr};
    ASSERT_TRUE(AfxInitToolkit(3, argv));
    const QStringList arguments = QCoreApplication::arguments();
    ASSERT_EQ(arguments.size(), 3);
    EXPECT_EQ(arguments.at(2).toStdString(), "10");
}
