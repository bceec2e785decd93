#pragma once
// The real wait: a nested event loop ended by a precise timer on the monotonic
// clock. Windows repaint and the serial port collects bytes; clicks, keys and
// close requests made meanwhile are dropped, not replayed afterwards.

#include "link/Waiter.h"

#include <QObject>
#include <chrono>
#include <functional>

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

// Input that still gets through while waits run, for as long as the passage
// lives: the stop button of a batch stays clickable. `reaches` is asked for
// each input event's receiver (the window system's window first, then the
// widget under the mouse or with the focus). Close requests never pass.
class WaitPassage {
public:
    explicit WaitPassage(std::function<bool(QObject* receiver)> reaches);
    ~WaitPassage();
    WaitPassage(const WaitPassage&) = delete;
    WaitPassage& operator=(const WaitPassage&) = delete;

    // Whether any open passage lets input through to `receiver`.
    static bool lets(QObject* receiver);

private:
    std::function<bool(QObject*)> reaches_;
};

} // namespace cs
