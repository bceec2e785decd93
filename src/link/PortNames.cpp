#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
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
    QList<PresentPort> ports;
#ifdef Q_OS_LINUX
    // Only the kinds that are counted. A built-in port the kernel lists whether
    // or not a UART answers at its address has the type 0 (it opens and stays
    // silent) and is not counted; one with a UART counts even while it is held
    // open elsewhere, or the numbers of the ports after it would shift. Qt's
    // list (libudev, every tty of the machine) takes 15-20 ms; sysfs alone is
    // enough for these three kinds.
    const QDir tty(QStringLiteral("/sys/class/tty"));
    if (tty.exists()) {
        const QStringList kinds = {QStringLiteral("ttyS*"), QStringLiteral("ttyUSB*"),
                                   QStringLiteral("ttyACM*")};
        const auto filters = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
        for (const QString& name : tty.entryList(kinds, filters)) {
            if (name.startsWith(QLatin1String("ttyS"))
                    ? uartType(name) > 0
                    : tty.exists(name + QStringLiteral("/device")))
                ports.append({name, QStringLiteral("/dev/") + name});
        }
        return ports;
    }
#endif
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation()});
    return ports;
}

namespace {

// The per-user link of port number n and where it leads; an empty target
// when there is no link.
std::pair<QString, QString> linkOf(int n)
{
    const QString path = portLinkDirectory() + QStringLiteral("/com%1").arg(n);
    const QFileInfo link(path);
    if (link.exists())
        return {path, link.canonicalFilePath()};
    if (link.isSymLink())
        return {path, link.symLinkTarget()};
    return {};
}

} // namespace

LinkKind linkKindOf(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat own { };
    if (::lstat(name.constData(), &own) != 0)
        return LinkKind::None;
    if (S_ISDIR(own.st_mode))
        return LinkKind::Folder;
    if (!S_ISLNK(own.st_mode))
        return LinkKind::File;
    struct stat target { };
    if (::stat(name.constData(), &target) == 0)
        return LinkKind::Link;
    return errno == ELOOP ? LinkKind::Loop : LinkKind::Dangling;
}

QString portDevice(int n)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    // A link wins even while its device is missing (adapter unplugged): the
    // open then fails with the port message instead of reaching another port.
    const QString target = linkOf(n).second;
    if (!target.isEmpty())
        return target;
    return mapPortDevice(n, presentPorts(), QString());
#endif
}

QStringList portNames()
{
    QStringList names;
    for (int n = 1; n <= PortCount; ++n)
        names << QStringLiteral("COM%1").arg(n);
    return names;
}

QList<PortRoute> portRoutes(int count)
{
    const QList<PresentPort> present = presentPorts();
    QList<PortRoute> routes;
    for (int n = 1; n <= count; ++n) {
        PortRoute route;
        route.number = n;
#ifdef Q_OS_WIN
        route.device = QStringLiteral("COM%1").arg(n);
        route.present = std::any_of(present.begin(), present.end(),
                                    [&](const PresentPort& p) { return p.name == route.device; });
#else
        const auto [link, target] = linkOf(n);
        route.link = link;
        route.kind = link.isEmpty() ? LinkKind::None : linkKindOf(link);
        route.device = mapPortDevice(n, present, target);
        // A folder or a plain file in place of a link is no device.
        route.present = target.isEmpty()
            ? std::any_of(present.begin(), present.end(),
                          [&](const PresentPort& p) { return p.device == route.device; })
            : route.kind == LinkKind::Link && !QFileInfo(target).isDir();
#endif
        routes.append(route);
    }
    return routes;
}

} // namespace cs
