#pragma once
// The port row of the main window: the port choice (Combo5), the status text
// (Label11), the open/close button caption (Command15), the open/close toggle,
// the port change and EnsurePortOpen, which every operation calls first. A
// failed open is an outcome with the port message; whoever asked shows it.

#include "link/Port.h"
#include "shared/AppState.h"
#include "shared/Outcome.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>

namespace cs {

class PortControl : public QObject {
    Q_OBJECT
public:
    // `deviceFor` maps a port number to a device name (portDevice by default).
    PortControl(AppState& state, Port& port, std::function<QString(int)> deviceFor = {});

    QString portText() const { return portText_; }
    QString statusText() const { return statusText_; }
    QString buttonCaption() const { return buttonCaption_; }

    // Sets the text of the port list without changing the port (typing).
    void setPortText(const QString& text) { portText_ = text; }
    // Opens the chosen port if PortIsOpen is false. Done when the port is
    // open; else Failed with the port message.
    Outcome EnsurePortOpen();
    // Command15 click or Label9 double-click.
    Outcome toggle();
    // A click on an item of the port list.
    void changePort(const QString& text);

    // The port message: "没发现此端口或端口已被其它程序占用!", style 16, "错误".
    static Message portMessage();

signals:
    void changed();

private:
    Outcome openPort();
    void closePort();

    AppState& state_;
    Port& port_;
    std::function<QString(int)> deviceFor_;
    QString portText_ = QStringLiteral("COM1");
    // The port row's texts belong to the main window.
    QString statusText_ = QCoreApplication::translate("MainWindow", "串口关闭");
    QString buttonCaption_ = QCoreApplication::translate("MainWindow", "打开");
};

} // namespace cs
