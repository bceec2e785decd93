#pragma once
// Port numbers 1..9 of the port list and the devices they reach.
//   Windows: COMn.
//   Elsewhere, looked up each time a port is opened:
//   1. the per-user link <links>/comN when it exists (the convention Wine uses
//      for its DOS devices; <links> is $CALLSETUP_PORT_LINKS when set, else
//      <config>/callsetup/dosdevices with <config> $XDG_CONFIG_HOME, by default
//      ~/.config);
//   2. else the n-th serial port the machine has: built-in ports (ttyS) by
//      number, then USB and ACM adapters (ttyUSB, ttyACM) by name;
//   3. else /dev/ttyS(n-1), which then fails to open with the port message.

#include <QList>
#include <QString>

namespace cs {

// The port number of a port list text: its last character as a digit, or 0.
int portNumberOf(const QString& portText);

// Where the per-user links live.
QString portLinkDirectory();

// A serial port the machine has: its name ("ttyUSB0") and device path.
struct PresentPort {
    QString name;
    QString device;
};

// The serial ports present now: Qt's list, without the built-in ports that have
// no UART behind them (sysfs type 0), and with the built-in ports that have one
// but Qt could not open just now (held open elsewhere).
QList<PresentPort> presentPorts();

// The device for port number n given the ports present and the target of the
// per-user link comN (empty: no link). Ports other than ttyS, ttyUSB and ttyACM
// are not counted.
QString mapPortDevice(int n, const QList<PresentPort>& present, const QString& linkTarget);

// The device for port number n (n >= 1), as the machine stands now.
QString portDevice(int n);

} // namespace cs
