#include "link/EventLoopWaiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>
#include <vector>

namespace cs {

namespace {

// One thread runs the windows and their waits: a plain list will do.
std::vector<const std::function<bool(QObject*)>*>& passages()
{
    static std::vector<const std::function<bool(QObject*)>*> open;
    return open;
}

} // namespace

WaitPassage::WaitPassage(std::function<bool(QObject*)> reaches)
    : reaches_(std::move(reaches))
{
    passages().push_back(&reaches_);
}

WaitPassage::~WaitPassage()
{
    std::erase(passages(), &reaches_);
}

bool WaitPassage::lets(QObject* receiver)
{
    for (const auto* reaches : passages())
        if ((*reaches)(receiver))
            return true;
    return false;
}

void EventLoopWaiter::wait(double seconds)
{
    using Clock = std::chrono::steady_clock; // monotonic
    const auto deadline = Clock::now() + std::chrono::nanoseconds(qint64(seconds * 1e9));
    auto* app = QCoreApplication::instance();
    if (app) {
        app->installEventFilter(this);
        // The event loop's timers work in whole milliseconds and may fire late:
        // run it until shortly before the deadline, then sleep the rest exactly.
        // A wait too short for that (the slices of fast replies) still handles
        // what is pending once, so the windows stay painted and a stop button live.
        for (bool looked = false;; looked = true) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - Clock::now() - FinalSleep);
            if (left.count() <= 0) {
                if (!looked)
                    QCoreApplication::processEvents();
                break;
            }
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
        if (WaitPassage::lets(watched))
            return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    case QEvent::Close: event->ignore(); return true;
    default: return QObject::eventFilter(watched, event);
    }
}

} // namespace cs
