// Window timers, the posted-message queue and modal loops.
#include "platform/modal.h"
#include "platform/native.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <memory>

namespace {

struct TimerRecord {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    int interval = 0;
    std::unique_ptr<QTimer> primary;
    std::vector<std::unique_ptr<QTimer>> standIns;
    int running = 0;  // handlers of this timer on the stack
    bool killed = false;
};

std::vector<std::shared_ptr<TimerRecord>> g_timers;
std::deque<MSG> g_posted;
bool g_drainScheduled = false;

void Fire(const std::shared_ptr<TimerRecord>& rec)
{
    if (rec->killed || !IsLiveWindow(rec->hwnd))
        return;
    MSG msg;
    msg.hwnd = rec->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = rec->id;
    ++rec->running;
    DispatchQueuedMessage(&msg);
    --rec->running;
}

std::unique_ptr<QTimer> MakeQTimer(const std::shared_ptr<TimerRecord>& rec)
{
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(rec->interval);
    std::weak_ptr<TimerRecord> weak = rec;
    QObject::connect(timer.get(), &QTimer::timeout, [weak] {
        if (auto r = weak.lock())
            Fire(r);
    });
    timer->start();
    return timer;
}

void Retire(const std::shared_ptr<TimerRecord>& rec)
{
    rec->killed = true;
    // A timer may be killed from inside its own tick: let the toolkit delete it later.
    if (rec->primary) {
        rec->primary->stop();
        rec->primary.release()->deleteLater();
    }
    for (auto& t : rec->standIns) {
        t->stop();
        t.release()->deleteLater();
    }
    rec->standIns.clear();
}

void DrainPosted()
{
    g_drainScheduled = false;
    while (!g_posted.empty()) {
        MSG msg = g_posted.front();
        g_posted.pop_front();
        if (msg.message == WM_QUIT) {
            QCoreApplication::exit(static_cast<int>(msg.wParam));
            continue;
        }
        if (IsLiveWindow(msg.hwnd))
            DispatchQueuedMessage(&msg);
    }
}

void ScheduleDrain()
{
    if (g_drainScheduled || !QCoreApplication::instance())
        return;
    g_drainScheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), DrainPosted);
}

}  // namespace

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void* /*callback*/)
{
    if (!m_hWnd || !QCoreApplication::instance())
        return 0;
    KillTimer(id);
    auto rec = std::make_shared<TimerRecord>();
    rec->hwnd = m_hWnd;
    rec->id = id;
    rec->interval = static_cast<int>(std::max<UINT>(elapse, 1));
    rec->primary = MakeQTimer(rec);
    g_timers.push_back(rec);
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    for (auto it = g_timers.begin(); it != g_timers.end(); ++it) {
        if ((*it)->hwnd == m_hWnd && (*it)->id == id) {
            Retire(*it);
            g_timers.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

void KillWindowTimers(HWND hwnd)
{
    for (auto it = g_timers.begin(); it != g_timers.end();) {
        if ((*it)->hwnd == hwnd) {
            Retire(*it);
            it = g_timers.erase(it);
        } else {
            ++it;
        }
    }
    g_posted.erase(std::remove_if(g_posted.begin(), g_posted.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
                   g_posted.end());
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return FALSE;
    g_posted.push_back(MSG{m_hWnd, message, wParam, lParam});
    ScheduleDrain();
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    g_posted.push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
    ScheduleDrain();
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove)
{
    const bool anyMessage = (first == 0 && last == 0);
    auto matches = [&](HWND h, UINT m) {
        return (!hwnd || h == hwnd) && (anyMessage || (m >= first && m <= last));
    };
    for (auto it = g_posted.begin(); it != g_posted.end(); ++it) {
        if (matches(it->hwnd, it->message)) {
            if (msg)
                *msg = *it;
            if (remove & PM_REMOVE)
                g_posted.erase(it);
            return TRUE;
        }
    }
    // A timer's tick is not in the queue: the toolkit delivers it, one that
    // fell due while a handler ran at once after it, and never more than one
    // (the next keeps the period from the tick that was due). A slow frame
    // is so followed at once by the next, without a burst of late ones.
    return FALSE;
}

int RunModalLoop(const std::function<int()>& exec)
{
    // Timers whose handler is running are blocked by the toolkit until it
    // returns; give each a stand-in for the time of this loop.
    std::vector<std::pair<std::shared_ptr<TimerRecord>, QTimer*>> standIns;
    for (auto& rec : g_timers) {
        if (rec->running > 0 && !rec->killed) {
            rec->standIns.push_back(MakeQTimer(rec));
            standIns.emplace_back(rec, rec->standIns.back().get());
        }
    }
    const int result = exec();
    for (auto& [rec, timer] : standIns) {
        auto& list = rec->standIns;
        auto it = std::find_if(list.begin(), list.end(), [t = timer](const auto& p) { return p.get() == t; });
        if (it != list.end()) {
            (*it)->stop();
            it->release()->deleteLater();
            list.erase(it);
        }
    }
    return result;
}
