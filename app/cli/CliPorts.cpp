// The ports: where COM1 to COM8 lead on this machine, and the serial ports present.

#include "cli/CliSession.h"
#include "link/PortNames.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

namespace cs::cli {

int CliSession::ports()
{
    QString text;
    for (int n = 1; n <= 8; ++n)
        text += QStringLiteral("COM%1  %2\n").arg(n).arg(portDevice(n));
    text += QCoreApplication::translate("cli", "\nserial ports present:\n");
    const QList<QSerialPortInfo> present = QSerialPortInfo::availablePorts();
    if (present.isEmpty())
        text += QCoreApplication::translate("cli", "  none\n");
    for (const QSerialPortInfo& port : present) {
        text += QStringLiteral("  ") + port.systemLocation();
        if (!port.description().isEmpty())
            text += QStringLiteral("  ") + port.description();
        if (port.hasVendorIdentifier())
            text += QStringLiteral("  USB %1:%2")
                        .arg(port.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                        .arg(port.hasProductIdentifier() ? port.productIdentifier() : 0, 4, 16,
                             QLatin1Char('0'));
        text += QLatin1Char('\n');
    }
    print(text);
    return printed(ExitDone);
}

} // namespace cs::cli
