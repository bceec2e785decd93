#include "link/EventLoopWaiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace cs {

void EventLoopWaiter::wait(double seconds)
{
    using Clock = std::chrono::steady_clock;   // monotonic
    const auto deadline = Clock::now() + std::chrono::nanoseconds(qint64(seconds * 1e9));
    auto* app = QCoreApplication::instance();
    if (app) {
        app->installEventFilter(this);
        // The event loop's timers work in whole milliseconds and may fire late:
        // run it until shortly before the deadline, then sleep the rest exactly.
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - Clock::now() - FinalSleep);
            if (left.count() <= 0)
                break;
            QEventLoop loop;
            QTimer timer;
            timer.setTimerType(Qt::PreciseTimer);
            timer.setSingleShot(true);
            QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
            timer.start(int(left.count()));
            loop.exec();
        }
        app->removeEventFilter(this);
    }
    std::this_thread::sleep_until(deadline);
}

bool EventLoopWaiter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::Close:
        event->ignore();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace cs
