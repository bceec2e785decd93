#pragma once
// The real wait: a nested event loop ended by a precise timer on the monotonic
// clock. Windows repaint and the serial port collects bytes; clicks, keys and
// close requests made meanwhile are dropped, not replayed afterwards.

#include "link/Waiter.h"

#include <QObject>
#include <chrono>

namespace cs {

class EventLoopWaiter : public QObject, public Waiter {
    Q_OBJECT
public:
    using QObject::QObject;
    void wait(double seconds) override;
    // The last part of a wait, slept without the event loop so that the wait
    // ends on time (the loop's timers work in whole milliseconds).
    static constexpr std::chrono::milliseconds FinalSleep{2};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace cs
