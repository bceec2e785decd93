// The ports: where COM1 to COM8 lead on this machine, from the one list they
// are counted from.

#include "cli/CliHelp.h"
#include "cli/CliSession.h"
#include "link/PortNames.h"

#include <QCoreApplication>

namespace cs::cli {

namespace {

// What stands at comN in the link folder, before its path.
QString linkWords(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Link: return cliText(QT_TRANSLATE_NOOP("cli", "link %1"));
    case LinkKind::Dangling: return cliText(QT_TRANSLATE_NOOP("cli", "dangling link %1"));
    case LinkKind::Loop: return cliText(QT_TRANSLATE_NOOP("cli", "link loop %1"));
    case LinkKind::Folder: return cliText(QT_TRANSLATE_NOOP("cli", "folder %1, not a link"));
    case LinkKind::File: return cliText(QT_TRANSLATE_NOOP("cli", "file %1, not a link"));
    case LinkKind::None: break;
    }
    return {};
}

} // namespace

int CliSession::ports()
{
    const QList<PortRoute> routes = portRoutes();
    int width = 0;
    for (const PortRoute& route : routes)
        width = std::max(width, displayWidth(route.device));
    const QString present = cliText(QT_TRANSLATE_NOOP("cli", "present"));
    const QString absent = cliText(QT_TRANSLATE_NOOP("cli", "absent"));
    const int stateWidth = std::max(displayWidth(present), displayWidth(absent));
    QString out;
    QStringList reached;
    for (const PortRoute& route : routes) {
        const QString state = route.present ? present : absent;
        QString line = QStringLiteral("COM%1  %2  %3")
                           .arg(route.number)
                           .arg(route.device + QString(width - displayWidth(route.device), u' '),
                                state + QString(stateWidth - displayWidth(state), u' '));
        if (route.kind != LinkKind::None)
            line += QStringLiteral("  ") + linkWords(route.kind).arg(route.link);
        out += line.trimmed() + QLatin1Char('\n');
        reached << route.device;
    }
    // Ports present that no COM name reaches (links lead elsewhere): --port takes their path.
    QStringList others;
    for (const PresentPort& port : presentPorts())
        if (!reached.contains(port.device))
            others << port.device;
    if (!others.isEmpty()) {
        out += cliText(QT_TRANSLATE_NOOP("cli", "present, reached by no COM name:"))
            + QLatin1Char('\n');
        for (const QString& device : others)
            out += QStringLiteral("  ") + device + QLatin1Char('\n');
    }
    print(out);
    return printed(ExitDone);
}

QString CliSession::portWords()
{
    QString out;
    for (const QString& name : portNames())
        out += name + QLatin1Char('\n');
    for (const PresentPort& port : presentPorts())
        out += port.device + QLatin1Char('\n');
    return out;
}

} // namespace cs::cli
