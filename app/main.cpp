// 餐厅无线呼叫系统设置程序: the setup tool an installer runs beside the host
// unit. Builds the program-wide state, the serial line and the operations, and
// opens the main window; the program ends with its exit button.

#include "commands/Commands.h"
#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "link/TestView.h"
#include "shared/AppState.h"
#include "ui/MainWindow.h"
#include "ui/WidgetUi.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

// A Simplified Chinese face when one is installed, at the size the layout is made for.
void chooseFont(QApplication& app)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")}) {
        if (installed.contains(family)) {
            app.setFont(QFont(family, 9));
            return;
        }
    }
    QFont font = app.font();
    font.setPointSize(9);
    app.setFont(font);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("callsetup"));
    QApplication::setApplicationVersion(QStringLiteral("4.01"));
    chooseFont(app);

    cs::AppState state;
    cs::SerialLine line;
    cs::EventLoopWaiter waiter;
    cs::ui::WidgetUi ui;
    cs::PortControl portControl(state, line, ui);
    cs::Link link(state, line, waiter, ui);
    cs::Commands commands(link, portControl);
    cs::TestView testView(state, line, portControl);
    cs::ui::MainWindow window(state, link, portControl, commands, testView, ui);
    window.show();
    return app.exec();
}
