#pragma once
// The port names COM1 .. COM8 of the port list and the devices they reach.
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
#include <QStringList>

namespace cs {

// The ports offered: COM1 .. COM8.
constexpr int PortCount = 8;
// "COM1" .. "COM8", in order.
QStringList portNames();

// The port number of a port list text: its last character as a digit, or 0.
int portNumberOf(const QString& portText);

// Where the per-user links live.
QString portLinkDirectory();

// A serial port the machine has: its name ("ttyUSB0") and device path.
struct PresentPort {
    QString name;
    QString device;
};

// The serial ports present now that can be counted: built-in ports with a UART
// behind them (sysfs type above 0, whether or not they are held open
// elsewhere), USB and ACM adapters. Read from sysfs where there is one (a
// fraction of a millisecond), else Qt's list.
QList<PresentPort> presentPorts();

// The device for port number n given the ports present and the target of the
// per-user link comN (empty: no link). Ports other than ttyS, ttyUSB and ttyACM
// are not counted.
QString mapPortDevice(int n, const QList<PresentPort>& present, const QString& linkTarget);

// The device for port number n (n >= 1), as the machine stands now.
QString portDevice(int n);

// What stands at <links>/comN.
enum class LinkKind {
    None,     // nothing: the port is counted from the ports present
    Link,     // a symbolic link to something that is there
    Dangling, // a symbolic link to something that is not there (adapter unplugged)
    Loop,     // a symbolic link that leads back to itself through links
    Folder,   // a folder, not a link: COMn reaches nothing
    File,     // a file that is not a link (nor a folder): COMn opens it
};

// What stands at `path`, without following it further than needed.
LinkKind linkKindOf(const QString& path);

// Where one port number leads, and how.
struct PortRoute {
    int number = 0;
    QString device; // what COMn opens
    QString link;   // the per-user comN, when anything stands there
    LinkKind kind = LinkKind::None;
    bool present = false; // a device is there: a port counted, or a link's target
};

// Port numbers 1..count as the machine stands now, from one look at the links
// and one enumeration of the ports present: what the ports command lists and
// the port list's tips show.
QList<PortRoute> portRoutes(int count = PortCount);

} // namespace cs
