#include "cli/CliOptions.h"
#include "commands/FieldInput.h"
#include "commands/TableLearning.h"
#include "link/PortNames.h"
#include "reports/ReportKinds.h"
#include "shared/Vocabulary.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace cs::cli {

namespace {

// The command line's own texts, translated under the context "cli".
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(cli)
};

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

// One command: its name, words after the name, the options it takes and its help.
struct CommandInfo {
    QString name;
    Command command;
    QString synopsis;     // the words after the name, as the help shows them
    int words;            // how many words it takes
    QString missing;      // "%1 needs ..." when words are missing
    QStringList options;  // options beyond --port, --fast and --help
    QString summary;      // one line
    QString details;      // more lines for COMMAND --help, each ending in \n
};

// "standard (default), new, chinese, english; also 数字标准, ...": the words a
// list option takes, from the list's vocabulary.
QString wordsHelp(const Vocabulary& words, int fallback = -1)
{
    QStringList main = words.exportWords();
    if (fallback >= 0)
        main[fallback] += CliText::tr(" (default)");
    QStringList also = words.inputWords();
    for (const QString& w : words.exportWords())
        also.removeAll(w);
    return main.join(QStringLiteral(", "))
        + (also.isEmpty() ? QString() : CliText::tr("; also %1").arg(also.join(QStringLiteral(", "))));
}

const QList<CommandInfo>& commandTable()
{
    static const QList<CommandInfo> list = {
        {QStringLiteral("pager set"), Command::PagerSet, QStringLiteral("NUMBER ADDRESS"), 2,
         CliText::tr("a pager number and an address code"),
         {QStringLiteral("--model"), QStringLiteral("--polarity"), QStringLiteral("--rate"),
          QStringLiteral("--tone")},
         CliText::tr("set pager NUMBER (1-254) with its 7-digit ADDRESS code"),
         QStringLiteral("  --model M     %1\n  --polarity P  %2\n  --rate R      %3\n"
                        "  --tone T      %4\n")
             .arg(wordsHelp(pagerModels(), DefaultModel),
                  wordsHelp(pagerPolarities(), DefaultPolarity),
                  wordsHelp(pagerRates(), DefaultRate), wordsHelp(pagerTones(), DefaultTone))},
        {QStringLiteral("pager delete"), Command::PagerDelete, QStringLiteral("NUMBER"), 1,
         CliText::tr("a pager number"), {}, CliText::tr("delete pager NUMBER"), {}},
        {QStringLiteral("table set"), Command::TableSet, QStringLiteral("TABLE"), 1,
         CliText::tr("a table number"), {QStringLiteral("--key"), QStringLiteral("--pagers")},
         CliText::tr("bind TABLE (1-65535) to the caller whose service key is pressed next"),
         CliText::tr("  --key K              own key value 00-99\n"
            "  --pagers P1[,P2[,P3]]  up to three pager numbers 1-255\n"
            "While the unit listens (3 seconds) the prompt \"请按呼叫器的服务键！\" is shown.\n")},
        {QStringLiteral("table delete"), Command::TableDelete, QStringLiteral("TABLE"), 1,
         CliText::tr("a table number"), {}, CliText::tr("delete TABLE"), {}},
        {QStringLiteral("mode"), Command::Mode, QStringLiteral("MODE"), 1, CliText::tr("a work mode"), {},
         CliText::tr("set the work mode"),
         QStringLiteral("  MODE  %1\n").arg(wordsHelp(workModes()))},
        {QStringLiteral("init"), Command::Init, QString(), 0, QString(),
         {QStringLiteral("--yes")}, CliText::tr("initialise the host unit, erasing everything it stores"),
         CliText::tr("On a terminal the question of the window is asked. Without a terminal --yes\n"
            "is needed; without both nothing is sent and the exit status is 2.\n")},
        {QStringLiteral("pagers load"), Command::PagersLoad, QStringLiteral("FILE.csv"), 1,
         CliText::tr("a file name"), {QStringLiteral("--dry-run")},
         CliText::tr("set every pager of a CSV file, in file order"),
         CliText::tr("The header is number,address,model,polarity,rate,tone; one pager a row; empty\n"
            "cells take the defaults of pager set. Every row is checked first: with any bad\n"
            "row, every bad row is listed and nothing is sent. The first failed reply ends\n"
            "the run; Ctrl+C ends after the row in progress. --dry-run only checks.\n"
            "UTF-8 (with or without BOM) or GB18030, CR LF or LF.\n")},
        {QStringLiteral("tables learn"), Command::TablesLearn, QStringLiteral("FIRST-LAST"), 1,
         CliText::tr("a range of table numbers"),
         {QStringLiteral("--key"), QStringLiteral("--pagers"), QStringLiteral("--tries")},
         CliText::tr("learn the callers of tables FIRST to LAST, one key press each"),
         CliText::tr("Each table waits until a caller's service key is pressed; a wait without a\n"
            "key press asks again, up to --tries N requests for one table (default 20, 0 for\n"
            "no limit). Each success prints the table and the caller's code. Ctrl+C ends\n"
            "after the exchange in progress. A full memory ends the run.\n"
            "--key and --pagers as for table set, sent with every table.\n")},
        {QStringLiteral("read"), Command::Read, QStringLiteral("FILE.cat"), 1, CliText::tr("a file name"),
         {QStringLiteral("--verify")}, CliText::tr("read the host unit's memory and save it to FILE.cat"),
         CliText::tr("  --verify   read the memory twice and save it only when both reads agree\n"
            "             (before replacing a unit); a difference gives the first differing\n"
            "             address and exit status 1\n")},
        {QStringLiteral("write"), Command::Write, QStringLiteral("FILE.cat"), 1, CliText::tr("a file name"),
         {QStringLiteral("--verify")}, CliText::tr("download the backup FILE.cat into the host unit"),
         CliText::tr("  --verify   read the memory back afterwards and compare it with the file;\n"
            "             a difference gives the first differing address, the number of\n"
            "             differing cells and exit status 1\n")},
        {QStringLiteral("report"), Command::Report, QStringLiteral("KIND FILE.cat"), 2,
         CliText::tr("a kind and a file"), {QStringLiteral("--format")},
         CliText::tr("print a report of the backup FILE.cat"),
         CliText::tr("  --format F  text (default: the window's report), csv (pagers and tables;\n"
            "              the pager CSV is what pagers load takes), json (every kind;\n"
            "              KIND all gives everything the backup holds, always as json)\n")},
        {QStringLiteral("dump"), Command::Dump, QStringLiteral("FILE.cat"), 1, CliText::tr("a file name"),
         {}, CliText::tr("print the memory dump of the backup FILE.cat"), {}},
        {QStringLiteral("diff"), Command::Diff, QStringLiteral("A.cat B.cat"), 2,
         CliText::tr("two file names"), {},
         CliText::tr("what differs from backup A to backup B; exit status 0 equal, 1 not"),
         CliText::tr("Pagers and tables added, removed or changed and each setting, in the words\n"
            "of the reports; every other differing cell by its address. An unreadable\n"
            "file gives exit status 2.\n")},
        {QStringLiteral("ports"), Command::Ports, QString(), 0, QString(), {},
         CliText::tr("COM1 to COM8 and their devices, and the serial ports present"), {}},
        {QStringLiteral("monitor"), Command::Monitor, QString(), 0, QString(), {},
         CliText::tr("print the bytes arriving on the line until interrupted"), {}},
    };
    return list;
}

const CommandInfo* commandNamed(const QString& name)
{
    for (const CommandInfo& entry : commandTable())
        if (entry.name == name)
            return &entry;
    return nullptr;
}

// Options that take a value.
const QStringList valueOptions = {QStringLiteral("--port"),  QStringLiteral("--model"),
                                  QStringLiteral("--polarity"), QStringLiteral("--rate"),
                                  QStringLiteral("--tone"),  QStringLiteral("--key"),
                                  QStringLiteral("--pagers"), QStringLiteral("--format"),
                                  QStringLiteral("--lang"), QStringLiteral("--tries")};
const QStringList flagOptions = {QStringLiteral("--fast"), QStringLiteral("--help"),
                                 QStringLiteral("--version"),
                                 QStringLiteral("--dry-run"), QStringLiteral("--yes"),
                                 QStringLiteral("--verify")};

// A list option's value as its code; -1 after setting `error`.
int listValue(const Vocabulary& words, const QString& option, const QString& value,
              QString& error)
{
    if (const auto code = words.codeOf(value))
        return *code;
    error = CliText::tr("unknown value \"%1\" for %2").arg(value, option);
    return -1;
}

std::optional<int> tableNumber(const QString& text)
{
    const auto v = wholeNumber(text);
    if (!v || *v < 1 || *v > 65535)
        return std::nullopt;
    return int(*v);
}

} // namespace

QStringList commandNames()
{
    QStringList names;
    for (const CommandInfo& entry : commandTable())
        names << entry.name;
    return names;
}

QString usageText()
{
    QString text = CliText::tr("Usage: callsetup-cli [--port NAME] [--fast] COMMAND [ARGUMENTS] [OPTIONS]\n"
                      "Sets up the host unit of a restaurant wireless calling system over a\n"
                      "serial line: the commands of the main window and of the data backup\n"
                      "window, and batch work. Messages are the windows' own texts on standard\n"
                      "error.\n\nCommands:\n");
    for (const CommandInfo& entry : commandTable()) {
        const QString call = (entry.name + QLatin1Char(' ') + entry.synopsis).trimmed();
        text += QStringLiteral("  %1\n      %2\n").arg(call, entry.summary);
    }
    text += CliText::tr("\nReport kinds:\n");
    for (const ReportKindInfo& kind : reportKinds())
        text += QStringLiteral("  %1%2 (%3)\n")
                    .arg(QString::fromLatin1(kind.name), -13)
                    .arg(kind.summaryText(), kind.captionText());
    text += QStringLiteral("  %1%2\n").arg(QStringLiteral("all"), -13).arg(CliText::tr("everything (json)"));
    text += CliText::tr("\nFormats:\n"
               "  text         the report as the window shows it (default)\n"
               "  csv          pagers and tables\n"
               "  json         every kind, and all\n"
               "\nOptions:\n"
               "  --port NAME  COM1 .. COM8 (default COM1) or a device path such as /dev/ttyUSB0\n"
               "  --fast       end each wait as soon as a complete, checked reply has arrived\n"
               "  --lang L     language of the messages: zh or en (default: the locale)\n"
               "  --model M, --polarity P, --rate R, --tone T\n"
               "               pager set: the pager's lists (see pager set --help)\n"
               "  --key K      table set, tables learn: own key value 00-99\n"
               "  --pagers P1[,P2[,P3]]\n"
               "               table set, tables learn: up to three pager numbers\n"
               "  --format F   report: text, csv or json\n"
               "  --tries N    tables learn: unanswered requests for one table (default 20)\n"
               "  --dry-run    pagers load: only check the file\n"
               "  --verify     read: read twice and compare; write: read back and compare\n"
               "  --yes        init: no question (needed without a terminal)\n"
               "  --help       show this text; COMMAND --help shows the command's help\n"
               "  --version    show the program's version\n"
               "\nProgress is shown on a terminal only.\n"
               "\nExit status:\n"
               "  0  done (an empty list too)\n"
               "  1  the operation was attempted and failed: port, line, unit, a file or\n"
               "     standard output that could not be written, or stopped by Ctrl+C\n"
               "     (diff: the backups differ)\n"
               "  2  refused before anything was sent: wrong usage, a refused value, bad file\n"
               "     rows, an input file that is missing, unreadable or misnamed\n");
    return text;
}

QString commandHelpText(const QString& command)
{
    const CommandInfo* entry = commandNamed(command);
    if (!entry)
        return usageText();
    QString text = CliText::tr("Usage: callsetup-cli [--port NAME] [--fast] %1\n")
                       .arg((entry->name + QLatin1Char(' ') + entry->synopsis).trimmed());
    text += entry->summary + QLatin1Char('\n');
    if (!entry->details.isEmpty())
        text += QLatin1Char('\n') + entry->details;
    return text;
}

ParseResult parseArguments(const QStringList& arguments)
{
    Options options;
    QStringList words;
    QList<std::pair<QString, QString>> given;   // options in order, with their values
    bool optionsEnded = false;
    bool help = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            words << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (flagOptions.contains(name) && eq < 0) {
            if (name == QLatin1String("--help"))
                help = true;
            if (name == QLatin1String("--version") && !help)
                options.helpTopic = name;
            given.append({name, QString()});
        } else if (valueOptions.contains(name)) {
            QString value;
            if (eq >= 0) {
                value = arg.mid(eq + 1);
            } else {
                if (i + 1 >= arguments.size())
                    return wrong(name == QLatin1String("--port")
                                     ? QStringLiteral("--port needs a port name")
                                     : CliText::tr("%1 needs a value").arg(name));
                value = arguments[++i];
            }
            given.append({name, value});
        } else {
            return wrong(QStringLiteral("unknown option \"%1\"").arg(arg));
        }
    }

    // The command: one word, or two for pager, table, pagers and tables.
    const CommandInfo* entry = nullptr;
    if (!words.isEmpty()) {
        QString name = words.first();
        if (!commandNamed(name) && words.size() > 1)
            name += QLatin1Char(' ') + words[1];
        entry = commandNamed(name);
    }
    if (help || options.helpTopic == QLatin1String("--version")) {
        options.command = Command::Help;
        if (help)
            options.helpTopic = entry ? entry->name : QString();
        return {options, {}};
    }

    for (const auto& [name, value] : given) {
        if (name == QLatin1String("--port")) {
            if (isPortName(value))
                options.port = value.toUpper();
            else if (isDevicePath(value))
                options.port = value;
            else
                return wrong(QStringLiteral("unknown port name \"%1\" "
                                            "(COM1 .. COM8 or a device path)").arg(value));
        } else if (name == QLatin1String("--fast")) {
            options.fast = true;
        } else if (name == QLatin1String("--lang")) {
            options.lang = value;
        }
    }

    if (words.isEmpty())
        return wrong(QStringLiteral("no command given"));
    if (!entry) {
        const QString first = words.first();
        const bool group = first == QLatin1String("pager") || first == QLatin1String("table")
            || first == QLatin1String("pagers") || first == QLatin1String("tables");
        return wrong(group && words.size() > 1
                         ? QStringLiteral("unknown command \"%1 %2\"").arg(first, words[1])
                         : QStringLiteral("unknown command \"%1\"").arg(first));
    }
    options.command = entry->command;
    words = words.mid(entry->name.count(QLatin1Char(' ')) + 1);

    QString error;
    for (const auto& [name, value] : given) {
        if (name == QLatin1String("--port") || name == QLatin1String("--fast")
            || name == QLatin1String("--lang"))
            continue;
        if (!entry->options.contains(name))
            return wrong(CliText::tr("%1 does not apply to %2").arg(name, entry->name));
        if (name == QLatin1String("--model"))
            options.model = listValue(pagerModels(), name, value, error);
        else if (name == QLatin1String("--polarity"))
            options.polarity = listValue(pagerPolarities(), name, value, error);
        else if (name == QLatin1String("--rate"))
            options.rate = listValue(pagerRates(), name, value, error);
        else if (name == QLatin1String("--tone"))
            options.tone = listValue(pagerTones(), name, value, error);
        else if (name == QLatin1String("--key"))
            options.key = value;
        else if (name == QLatin1String("--pagers")) {
            options.pagers = value.split(QLatin1Char(','));
            if (options.pagers.size() > 3)
                error = CliText::tr("--pagers takes at most three pager numbers");
        } else if (name == QLatin1String("--format")) {
            options.format = value;
            if (value != QLatin1String("text") && value != QLatin1String("csv")
                && value != QLatin1String("json"))
                error = CliText::tr("unknown format \"%1\" (text, csv or json)").arg(value);
        } else if (name == QLatin1String("--tries")) {
            const auto tries = wholeNumber(value);
            if (!tries || *tries > 1000000)
                error = CliText::tr("--tries takes a number of requests (0 for no limit)");
            else
                options.tries = int(*tries);
        } else if (name == QLatin1String("--dry-run")) {
            options.dryRun = true;
        } else if (name == QLatin1String("--yes")) {
            options.yes = true;
        } else if (name == QLatin1String("--verify")) {
            options.verify = true;
        }
        if (!error.isEmpty())
            return wrong(error);
    }

    if (entry->command == Command::Report && !words.isEmpty()) {
        const QString kind = words.takeFirst();
        if (kind != QLatin1String("all") && !reportKindNamed(kind))
            return wrong(QStringLiteral("unknown report kind \"%1\"").arg(kind));
        options.reportKind = kind;
        if (words.isEmpty())
            return wrong(QStringLiteral("report needs a file name"));
        words.prepend(kind);
    }
    if (words.size() < entry->words)
        return wrong(QStringLiteral("%1 needs %2").arg(entry->name, entry->missing));
    if (words.size() > entry->words)
        return wrong(QStringLiteral("too many arguments for %1").arg(entry->name));
    for (const QString& word : words)
        if (word.isEmpty())
            return wrong(QStringLiteral("%1 needs %2").arg(entry->name, entry->missing));

    switch (entry->command) {
    case Command::Report: {
        options.file = words[1];
        const bool all = options.reportKind == QLatin1String("all");
        if (options.format.isEmpty())
            options.format = all ? QStringLiteral("json") : QStringLiteral("text");
        const QStringList csvKinds = {QStringLiteral("pagers"), QStringLiteral("tables")};
        if (options.format == QLatin1String("csv") && !csvKinds.contains(options.reportKind))
            return wrong(CliText::tr("csv is for the pagers and tables reports"));
        if (all && options.format != QLatin1String("json"))
            return wrong(CliText::tr("report all is json only"));
        break;
    }
    case Command::Read: case Command::Write: case Command::Dump: case Command::PagersLoad:
        options.file = words[0];
        break;
    case Command::Diff:
        options.file = words[0];
        options.values = {words[1]};
        break;
    case Command::Mode:
        options.mode = listValue(workModes(), QStringLiteral("mode"), words[0], error);
        if (!error.isEmpty())
            return wrong(error);
        break;
    case Command::TablesLearn: {
        const QStringList ends = words[0].split(QLatin1Char('-'));
        const auto first = tableNumber(ends.value(0));
        const auto last = ends.size() == 1 ? first : tableNumber(ends.value(1));
        if (ends.size() > 2 || !first || !last || *first > *last)
            return wrong(CliText::tr("tables learn takes FIRST-LAST, table numbers 1-65535, FIRST <= LAST"));
        options.firstTable = *first;
        options.lastTable = *last;
        break;
    }
    default:
        options.values = words;
        break;
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
