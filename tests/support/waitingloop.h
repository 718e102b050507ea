#pragma once
// Running the event loop as the program does, waiting for events whenever
// it has none: for tests of what must keep it from waiting.
#include <functional>

#include <QCoreApplication>
#include <QTimer>

// Runs the loop, letting it wait, until Done holds. A guard timer, the only
// event the test adds, wakes it after GuardMs at the latest. Whether Done
// came to hold before the guard fired.
inline bool RunWaitingLoopUntil(const std::function<bool()>& Done, int GuardMs = 5000)
{
    bool guardFired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] { guardFired = true; });
    guard.start(GuardMs);
    while (!Done() && !guardFired)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !guardFired;
}
