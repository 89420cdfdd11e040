// Runs a dialog modally in a test and, once its loop runs, an action on it.
#pragma once
#include <QObject>
#include <QTimer>
#include <functional>
#include <type_traits>

// Runs `dlg` modally and, once its loop runs, `action` on it; a dialog still
// open after 3 s ends with -2.
template <class Dialog>
int RunModal(Dialog& dlg, const std::function<void(std::type_identity_t<Dialog>&)>& action)
{
    // The timers die with this call: none fires on a dialog gone.
    QTimer act, giveUp;
    act.setSingleShot(true);
    giveUp.setSingleShot(true);
    QObject::connect(&act, &QTimer::timeout, [&] {
        if (dlg.m_hWnd)
            action(dlg);
    });
    QObject::connect(&giveUp, &QTimer::timeout, [&] {
        if (dlg.m_hWnd)
            dlg.EndDialog(-2);
    });
    act.start(30);
    giveUp.start(3000);
    return dlg.DoModal();
}
