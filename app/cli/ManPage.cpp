#include "cli/CliHelp.h"
#include "cli/CliOptions.h"
#include "cli/HelpParts.h"
#include "cli/HelpTexts.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"
#include "shared/Outcome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>

namespace cs::cli {

namespace {

// Text for roff: backslashes and hyphens escaped, no control character at the
// start of a line.
QString roff(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"))
        .replace(QLatin1Char('-'), QStringLiteral("\\-"));
    // Paths are not hyphenated.
    static const QRegularExpression path(QStringLiteral("(^|\\s)(\\S*/\\S*)"));
    out.replace(path, QStringLiteral("\\1\\%\\2"));
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString bold(const QString& text)
{
    return QStringLiteral("\\fB") + roff(text) + QStringLiteral("\\fR");
}

QString italic(const QString& text)
{
    return QStringLiteral("\\fI") + roff(text) + QStringLiteral("\\fR");
}

QString section(const char* heading)
{
    return QStringLiteral(".SH ") + roff(cliText(heading)) + QLatin1Char('\n');
}

// "--model M" as "\fB\-\-model\fR \fIM\fR".
QString optionTag(const QString& call)
{
    const qsizetype blank = call.lastIndexOf(QLatin1Char(' '));
    if (blank < 0 || call.startsWith(QLatin1String("-h,")))
        return bold(call);
    return bold(call.left(blank)) + QLatin1Char(' ') + italic(call.mid(blank + 1));
}

QString tagged(const QString& tag, const QString& text)
{
    return QStringLiteral(".TP\n") + tag + QLatin1Char('\n') + roff(text) + QLatin1Char('\n');
}

QString manItems(const QList<Item>& list, bool options)
{
    QString out;
    for (const Item& item : list)
        out += tagged(options ? optionTag(item.name) : bold(item.name), item.text);
    return out;
}

// Chinese has no blanks to break lines at: a Chinese page gets the break
// point \: between wide characters (and beside them) in its text after the
// NAME section, and is set flush left, or groff can neither break nor adjust
// its lines.
QString breakableWideText(const QString& page)
{
    QStringList lines = page.split(QLatin1Char('\n'));
    int sections = 0;
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String(".SH ")))
            ++sections;
        // The name line stays as it is: whatis and apropos read it as text.
        if (sections < 2 || line.startsWith(QLatin1String(".SH ")))
            continue;
        QString out;
        for (qsizetype i = 0; i < line.size(); ++i) {
            out += line[i];
            if (i + 1 == line.size() || line[i] == u' ' || line[i + 1] == u' ' || line[i] == u'\\')
                continue;
            // Not before closing punctuation nor after opening punctuation.
            const char32_t c = line[i].unicode(), next = line[i + 1].unicode();
            if ((isWide(c) || isWide(next)) && !closing(next) && !opening(c))
                out += QStringLiteral("\\:");
        }
        line = out;
    }
    lines.insert(1, QStringLiteral(".ad l"));
    return lines.join(QLatin1Char('\n'));
}

QString manDate()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    const QDate date = ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date()
                          : QDate::currentDate();
    // ISO 8601: what manual page tools read in every language.
    return date.toString(Qt::ISODate);
}

QString manCommand(const CommandInfo& entry)
{
    QString tag = bold(QLatin1String(entry.name));
    QStringList arguments;
    for (const ArgumentInfo& argument : entry.arguments)
        arguments << QLatin1String(argument.name);
    if (!arguments.isEmpty())
        tag += QLatin1Char(' ') + italic(arguments.join(QLatin1Char(' ')));
    QString out = tagged(tag, cliText(entry.summary));
    if (const QString more = details(entry); !more.isEmpty())
        out += QStringLiteral(".IP\n") + roff(more) + QLatin1Char('\n');
    const QList<Item> words = argumentItems(entry);
    const QList<Item> options = optionItems(entry.options);
    if (!words.isEmpty() || !options.isEmpty())
        out += QStringLiteral(".RS\n") + manItems(words, false) + manItems(options, true)
            + QStringLiteral(".RE\n");
    return out;
}

} // namespace

QString manualPage()
{
    QString page = QStringLiteral(".TH CALLSETUP\\-CLI 1 \"%1\" \"callsetup %2\" \"%3\"\n")
                       .arg(manDate(), QCoreApplication::applicationVersion(), cliText(ManSection));
    page += section(ManName) + QStringLiteral("callsetup\\-cli \\- ") + roff(cliText(Purpose))
        + QLatin1Char('\n');
    page += section(ManSynopsis) + QStringLiteral(".B callsetup\\-cli\n")
        + roff(cliText(UsageLine).section(QStringLiteral("callsetup-cli "), 1)) + QLatin1Char('\n');
    page += section(ManDescription) + roff(cliText(Description)) + QStringLiteral("\n.PP\n")
        + roff(cliText(LineDescription)) + QStringLiteral("\n.PP\n")
        + roff(cliText(FastDescription)) + QStringLiteral("\n.PP\n")
        + roff(cliText(StopDescription)) + QLatin1Char('\n');
    page += section(ManCommands);
    for (const CommandInfo& entry : commandTable())
        page += manCommand(entry);
    page += section(ManOptions) + manItems(commonItems(true), true);
    page += section(ManPagerFile) + roff(pagerFileFormat()) + QLatin1Char('\n');
    page += section(ManSerialPorts) + roff(cliText(SerialPorts[0])) + QStringLiteral("\n.PP\n")
        + roff(cliText(SerialPorts[1])) + QStringLiteral("\n.PP\n.RS\n.nf\n")
        + roff(QString::fromUtf8(LinkExample)) + QStringLiteral("\n.fi\n.RE\n.PP\n")
        + roff(cliText(SerialPorts[2])) + QStringLiteral("\n.PP\n") + roff(cliText(SerialPorts[3]))
        + QLatin1Char('\n');
    page += section(ManEnvironment);
    for (const auto& [name, text] : Environment)
        page += tagged(bold(QLatin1String(name)), cliText(text));
    page += section(ManExit) + manItems(exitItems(), false);
    page += section(ManFiles);
    for (const auto& [name, text] : Files)
        page += tagged(italic(QLatin1String(name)), cliText(text));
    page += section(ManExamples);
    for (const auto& [call, text] : Examples)
        page += tagged(bold(QString::fromUtf8(call)), cliText(text));
    page += section(ManSeeAlso) + QStringLiteral(".BR callsetup (1)\n");
    // The Chinese page: its section's name is translated.
    return cliText(ManSection) == QLatin1String(ManSection) ? page : breakableWideText(page);
}

} // namespace cs::cli
