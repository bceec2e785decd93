#pragma once
// The real wait: a nested event loop ended by a precise timer on the monotonic
// clock. Windows repaint and the serial port collects bytes; clicks, keys and
// close requests made meanwhile are dropped, not replayed afterwards.

#include "link/Waiter.h"

#include <QObject>

namespace cs {

class EventLoopWaiter : public QObject, public Waiter {
    Q_OBJECT
public:
    using QObject::QObject;
    void wait(double seconds) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace cs
