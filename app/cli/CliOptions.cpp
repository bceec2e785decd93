#include "cli/CliOptions.h"
#include "link/PortNames.h"
#include "reports/Reports.h"

#include <QRegularExpression>

namespace cs::cli {

namespace {

bool isDevicePath(const QString& port)
{
    return port.startsWith(QLatin1Char('/'));
}

bool isPortName(const QString& port)
{
    static const QRegularExpression name(QStringLiteral("^COM[1-8]$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return name.match(port).hasMatch();
}

ParseResult wrong(const QString& why)
{
    return {std::nullopt, why};
}

} // namespace

QStringList reportKindNames()
{
    return {QStringLiteral("pagers"),      QStringLiteral("tables"),     QStringLiteral("mode"),
            QStringLiteral("transmitter"), QStringLiteral("receiver"),   QStringLiteral("infounit"),
            QStringLiteral("language"),    QStringLiteral("originator"), QStringLiteral("keys"),
            QStringLiteral("handheld")};
}

int reportKindOf(const QString& name)
{
    return int(reportKindNames().indexOf(name));
}

QString usageText()
{
    QString text = QStringLiteral(
        "usage: callsetup-cli [--port NAME] [--fast] COMMAND [ARGUMENTS]\n"
        "\n"
        "commands:\n"
        "  read FILE.cat          read the host unit's memory and save it to FILE.cat\n"
        "  write FILE.cat         download the backup FILE.cat into the host unit\n"
        "  report KIND FILE.cat   print a report of the backup FILE.cat\n"
        "  dump FILE.cat          print the memory dump of the backup FILE.cat\n"
        "  monitor                print the bytes arriving on the line until interrupted\n"
        "\n"
        "report kinds:\n");
    const QStringList names = reportKindNames();
    const QStringList captions = reportKindCaptions();
    for (qsizetype i = 0; i < names.size(); ++i)
        text += QStringLiteral("  %1%2\n").arg(names[i], -13).arg(captions.value(i));
    text += QStringLiteral(
        "\n"
        "options:\n"
        "  --port NAME   COM1 .. COM8 (default COM1) or a device path such as /dev/ttyUSB0\n"
        "  --fast        end each wait as soon as a complete, checked reply has arrived\n"
        "  --help        show this text\n"
        "\n"
        "exit status: 0 done, 1 the operation failed, 2 wrong usage\n");
    return text;
}

ParseResult parseArguments(const QStringList& arguments)
{
    Options options;
    QStringList words;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            words << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help")) {
            return {Options{}, {}};
        } else if (arg == QLatin1String("--fast")) {
            options.fast = true;
        } else if (arg == QLatin1String("--port") || arg.startsWith(QLatin1String("--port="))) {
            QString port;
            if (arg == QLatin1String("--port")) {
                if (i + 1 >= arguments.size())
                    return wrong(QStringLiteral("--port needs a port name"));
                port = arguments[++i];
            } else {
                port = arg.mid(7);
            }
            if (isPortName(port))
                options.port = port.toUpper();
            else if (isDevicePath(port))
                options.port = port;
            else
                return wrong(QStringLiteral("unknown port name \"%1\" (COM1 .. COM8 or a device path)").arg(port));
        } else {
            return wrong(QStringLiteral("unknown option \"%1\"").arg(arg));
        }
    }

    if (words.isEmpty())
        return wrong(QStringLiteral("no command given"));
    const QString command = words.takeFirst();
    qsizetype expected = 1;
    if (command == QLatin1String("read")) {
        options.command = Command::Read;
    } else if (command == QLatin1String("write")) {
        options.command = Command::Write;
    } else if (command == QLatin1String("dump")) {
        options.command = Command::Dump;
    } else if (command == QLatin1String("monitor")) {
        options.command = Command::Monitor;
        expected = 0;
    } else if (command == QLatin1String("report")) {
        options.command = Command::Report;
        if (words.isEmpty())
            return wrong(QStringLiteral("report needs a kind and a file"));
        const QString kind = words.takeFirst();
        options.reportKind = reportKindOf(kind);
        if (options.reportKind < 0)
            return wrong(QStringLiteral("unknown report kind \"%1\"").arg(kind));
    } else {
        return wrong(QStringLiteral("unknown command \"%1\"").arg(command));
    }
    if (words.size() < expected)
        return wrong(QStringLiteral("%1 needs a file name").arg(command));
    if (words.size() > expected)
        return wrong(QStringLiteral("too many arguments for %1").arg(command));
    if (expected == 1) {
        options.file = words.first();
        if (options.file.isEmpty())
            return wrong(QStringLiteral("%1 needs a file name").arg(command));
    }
    return {options, {}};
}

QString portTextFor(const QString& port)
{
    return isDevicePath(port) ? QStringLiteral("COM1") : port;
}

std::function<QString(int)> deviceMapFor(const QString& port)
{
    if (isDevicePath(port))
        return [port](int) { return port; };
    return portDevice;
}

} // namespace cs::cli
