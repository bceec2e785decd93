// 餐厅无线呼叫系统设置程序: the setup tool an installer runs beside the host
// unit. The program (state, serial line, operations, main window) is built by
// Program; it ends with its exit button.
//
// --quit-when-shown (for the start-up benchmark): print "shown" and the peak
// memory in KiB once the main window has been painted for the first time, and quit.

#include "ui/Program.h"

#include <QApplication>
#include <QEvent>
#include <cstdio>
#include <sys/resource.h>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("shown %ld\n", usage.ru_maxrss);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    cs::ui::Program program(app);
    FirstPaint firstPaint;
    if (app.arguments().contains(QStringLiteral("--quit-when-shown")))
        program.mainWindow().installEventFilter(&firstPaint);
    program.show();
    return app.exec();
}
