#pragma once
// The serial port as the program holds it: the chosen port text, the
// open/close toggle, the port change and EnsurePortOpen, which every operation
// calls first. Each of them reports the port's state; the main window words it
// in its port row. A failed open is an outcome with the port message; whoever
// asked shows it.

#include "link/Port.h"
#include "shared/AppState.h"
#include "shared/Outcome.h"

#include <QObject>
#include <QString>
#include <functional>

namespace cs {

// What last happened to the port.
enum class PortState {
    Closed,        // closed by the toggle, or the line went away
    Open,          // opened
    ChoiceChanged, // closed because another port was chosen
    Failed,        // an open failed; the port stays closed
};

struct PortStatus {
    PortState state = PortState::Closed;
    QString port; // the port's name ("COM3")
};

class PortControl : public QObject {
    Q_OBJECT
public:
    // `deviceFor` maps a port number to a device name (portDevice by default).
    PortControl(AppState& state, Port& port, std::function<QString(int)> deviceFor = {});

    // The port the next open opens ("COM3"; the port number is its last character).
    QString portName() const { return portName_; }
    PortStatus status() const { return status_; }

    // Names the port the next open opens, leaving an open port as it is
    // (text typed into the port list).
    void setPortName(const QString& name) { portName_ = name; }
    // Opens the chosen port if PortIsOpen is false. Done when the port is
    // open; else Failed with the port message.
    Outcome EnsurePortOpen();
    // Command15 click or Label9 double-click.
    Outcome toggle();
    // Another port chosen (a click on an item of the port list): closes the port.
    void changePort(const QString& name);

    // The port message: "没发现此端口或端口已被其它程序占用!", style 16, "错误".
    static Message portMessage();

signals:
    void changed(const cs::PortStatus& status);

private:
    Outcome openPort();
    void closePort();
    void report(PortState state);

    AppState& state_;
    Port& port_;
    std::function<QString(int)> deviceFor_;
    QString portName_ = QStringLiteral("COM1");
    PortStatus status_;
};

} // namespace cs
