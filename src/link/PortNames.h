#pragma once
// Port numbers 1..9 of the port list and the devices they reach.
//   Windows: COMn.
//   Elsewhere: the per-user link <config>/callsetup/dosdevices/comN when it exists
//   (the convention Wine uses for its DOS devices; <config> is $XDG_CONFIG_HOME,
//   by default ~/.config), else /dev/ttyS(n-1).

#include <QString>

namespace cs {

// The port number of a port list text: its last character as a digit, or 0.
int portNumberOf(const QString& portText);

// Where the per-user links live.
QString portLinkDirectory();

// The device for port number n (n >= 1).
QString portDevice(int n);

} // namespace cs
