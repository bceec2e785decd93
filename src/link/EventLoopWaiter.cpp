#include "link/EventLoopWaiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace cs {

void EventLoopWaiter::wait(double seconds)
{
    QElapsedTimer clock;   // monotonic
    clock.start();
    const qint64 totalNs = qint64(seconds * 1e9);
    auto* app = QCoreApplication::instance();
    if (app)
        app->installEventFilter(this);
    for (;;) {
        const qint64 leftNs = totalNs - clock.nsecsElapsed();
        if (leftNs <= 0)
            break;
        if (!app) {
            // No event loop to run (plain tools): sleep the remainder.
            QThread::usleep(static_cast<unsigned long>(leftNs / 1000));
            continue;
        }
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int((leftNs + 999'999) / 1'000'000));
        loop.exec();
    }
    if (app)
        app->removeEventFilter(this);
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
