#pragma once
// The port row of the main window: the port choice (Combo5), the status text
// (Label11), the open/close button caption (Command15), the open/close toggle,
// the port change and EnsurePortOpen, which every command calls first.

#include "link/Port.h"
#include "shared/AppState.h"
#include "shared/Ui.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>

namespace cs {

class PortControl : public QObject {
    Q_OBJECT
public:
    // `deviceFor` maps a port number to a device name (portDevice by default).
    PortControl(AppState& state, Port& port, Ui& ui,
                std::function<QString(int)> deviceFor = {});

    QString portText() const { return portText_; }
    QString statusText() const { return statusText_; }
    QString buttonCaption() const { return buttonCaption_; }

    // Sets the text of the port list without changing the port (typing).
    void setPortText(const QString& text) { portText_ = text; }
    // Opens the chosen port if PortIsOpen is false; reports a failure itself.
    void EnsurePortOpen();
    // Command15 click or Label9 double-click.
    void toggle();
    // A click on an item of the port list.
    void changePort(const QString& text);

signals:
    void changed();

private:
    void openPort();
    void closePort();
    void portLost();
    void reportPortFailure();

    AppState& state_;
    Port& port_;
    Ui& ui_;
    std::function<QString(int)> deviceFor_;
    QString portText_ = QStringLiteral("COM1");
    // The port row's texts belong to the main window.
    QString statusText_ = QCoreApplication::translate("MainWindow", "串口关闭");
    QString buttonCaption_ = QCoreApplication::translate("MainWindow", "打开");
};

} // namespace cs
