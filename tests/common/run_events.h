// Runs the event loop for a while, so that posted events and commands,
// timers, idle passes and window activation happen as they would in the
// program.
#pragma once

#include <QEventLoop>
#include <QTimer>

inline void RunEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
