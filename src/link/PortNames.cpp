#include "link/PortNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace cs {

int portNumberOf(const QString& portText)
{
    if (portText.isEmpty())
        return 0;
    const QChar last = portText.back();
    return (last >= QLatin1Char('0') && last <= QLatin1Char('9')) ? last.digitValue() : 0;
}

QString portLinkDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/callsetup/dosdevices");
}

QString portDevice(int n)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    const QFileInfo link(portLinkDirectory() + QStringLiteral("/com%1").arg(n));
    if (link.exists())
        return link.canonicalFilePath();
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

} // namespace cs
