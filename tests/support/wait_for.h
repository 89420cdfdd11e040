// Waiting in a test for a state the program reaches on its own clock (a
// timer, a worker thread), with a limit that only a hang reaches.
#pragma once
#include "platform/winapp.h"

#include <QElapsedTimer>
#include <functional>

// Pumps messages until `done` or `ms` milliseconds have passed; whether done.
inline bool WaitFor(const std::function<bool()>& done, int ms = 120000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        AfxPumpMessages(10);
    return done();
}
