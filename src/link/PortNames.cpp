#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>
#include <algorithm>
#include <tuple>

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
    const QString own = qEnvironmentVariable("CALLSETUP_PORT_LINKS");
    if (!own.isEmpty())
        return own;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/callsetup/dosdevices");
}

namespace {

// Order of a port in the list: group (0 built-in, 1 adapter), prefix, number.
// Group -1 for ports that are not counted.
struct PortKey {
    int group = -1;
    QString prefix;
    int number = 0;
    bool operator<(const PortKey& o) const
    {
        return std::tie(group, prefix, number) < std::tie(o.group, o.prefix, o.number);
    }
};

PortKey keyOf(const QString& name)
{
    static const struct {
        const char* prefix;
        int group;
    } kinds[] = {{"ttyS", 0}, {"ttyACM", 1}, {"ttyUSB", 1}};
    for (const auto& kind : kinds) {
        const QString prefix = QLatin1String(kind.prefix);
        if (!name.startsWith(prefix))
            continue;
        bool ok = false;
        const int number = name.mid(prefix.size()).toInt(&ok);
        // Digits only: toInt would take "+1" or " 1".
        if (ok && number >= 0 && name.mid(prefix.size()) == QString::number(number))
            return {kind.group, prefix, number};
    }
    return {};
}

} // namespace

QString mapPortDevice(int n, const QList<PresentPort>& present, const QString& linkTarget)
{
    if (!linkTarget.isEmpty())
        return linkTarget;
    QList<std::pair<PortKey, QString>> counted;
    for (const PresentPort& port : present) {
        const PortKey key = keyOf(port.name);
        if (key.group >= 0)
            counted.append({key, port.device});
    }
    std::sort(counted.begin(), counted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    if (n >= 1 && n <= counted.size())
        return counted[n - 1].second;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

// The UART type sysfs gives a built-in port: 0 for none (unknown), -1 when
// there is no such file.
static int uartType(const QString& name)
{
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(name));
    if (!type.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const int value = type.readAll().trimmed().toInt(&ok);
    return ok ? value : -1;
}

QList<PresentPort> presentPorts()
{
    // The kernel lists ttyS0..ttyS3 (or more) whether or not a UART answers at
    // their addresses; such a phantom port has the type 0, opens and stays
    // silent, so it is not counted.
    QList<PresentPort> ports;
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (name.startsWith(QLatin1String("ttyS")) && uartType(name) == 0)
            continue;
        ports.append({name, info.systemLocation()});
        names.append(name);
    }
    // Qt leaves out a built-in port that it cannot open at the moment (held
    // open with exclusive access, by this program too): it still counts, or
    // the numbers of the ports after it would shift.
    const QDir tty(QStringLiteral("/sys/class/tty"));
    const auto filters = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : tty.entryList({QStringLiteral("ttyS*")}, filters)) {
        if (!names.contains(name) && uartType(name) > 0)
            ports.append({name, QStringLiteral("/dev/") + name});
    }
    return ports;
}

QString portDevice(int n)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    // A link wins even while its device is missing (adapter unplugged): the
    // open then fails with the port message instead of reaching another port.
    const QFileInfo link(portLinkDirectory() + QStringLiteral("/com%1").arg(n));
    QString target;
    if (link.exists())
        target = link.canonicalFilePath();
    else if (link.isSymLink())
        target = link.symLinkTarget();
    if (!target.isEmpty())
        return target;
    return mapPortDevice(n, presentPorts(), QString());
#endif
}

} // namespace cs
