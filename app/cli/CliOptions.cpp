#include "cli/CliOptions.h"
#include "commands/CommandInputs.h"
#include "commands/FieldInput.h"
#include "link/PortNames.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace cs::cli {

QString cliText(const char* source)
{
    return QCoreApplication::translate("cli", source);
}

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

const QStringList formats = {QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json")};

// Options more than one command takes.
const OptionInfo keyOption{"key", "K", QT_TRANSLATE_NOOP("cli", "own key value 00-99")};
const OptionInfo pagersOption{"pagers", "P1[,P2[,P3]]",
                              QT_TRANSLATE_NOOP("cli", "up to three pager numbers 1-255")};

// The options of the commands that run on a backup.
const OptionInfo outputOption{
    "output",
    "NEW.cat",
    QT_TRANSLATE_NOOP("cli",
                      "with --backup: save the edited backup as NEW.cat and leave "
                      "FILE.cat as it is"),
    nullptr,
    -1,
    {},
    nullptr,
    Completion::CatFile};
const OptionInfo dryRunOption{"dry-run", nullptr,
                              QT_TRANSLATE_NOOP("cli",
                                                "with --backup: show what would change, as "
                                                "diff shows it, and write nothing")};

// The commands that have an offline edit and run on the file --backup names.
bool runsOnBackup(Command command)
{
    switch (command) {
    case Command::PagerSet:
    case Command::PagerDelete:
    case Command::TableDelete:
    case Command::Mode:
    case Command::PagersLoad:
    case Command::TableEdit:
    case Command::TableMove:
    case Command::Set:
    case Command::Apply: return true;
    default: return false;
    }
}

// The commands that run only on a backup.
bool onlyOnBackup(Command command)
{
    return command == Command::TableEdit || command == Command::TableMove || command == Command::Set
        || command == Command::Apply;
}

ArgumentInfo catFile(const char* name)
{
    return {name, Completion::CatFile};
}

} // namespace

const QList<OptionInfo>& commonOptions()
{
    static const QList<OptionInfo> list = {
        {"port", "NAME",
         QT_TRANSLATE_NOOP("cli",
                           "COM1 .. COM8 (default COM1) or a device path such as "
                           "/dev/ttyUSB0")},
        {"fast", nullptr,
         QT_TRANSLATE_NOOP("cli",
                           "end each wait as soon as a complete, checked reply has "
                           "arrived")},
        {"lang",
         "L",
         QT_TRANSLATE_NOOP("cli", "language of the texts: zh or en (default: the locale)"),
         nullptr,
         -1,
         {QStringLiteral("zh"), QStringLiteral("en")}},
        {"help", nullptr,
         QT_TRANSLATE_NOOP("cli", "show the help (of the command, when one is given)")},
        {"backup",
         "FILE.cat",
         QT_TRANSLATE_NOOP("cli",
                           "run the command on the backup FILE.cat instead of the host "
                           "unit and save it in place (pager set, pager delete, table "
                           "delete, mode, pagers load, table edit, table move, set, apply)"),
         nullptr,
         -1,
         {},
         nullptr,
         Completion::CatFile},
    };
    return list;
}

const QList<CommandInfo>& commandTable()
{
    static const QList<CommandInfo> list = {
        {"pager set",
         Command::PagerSet,
         {{"NUMBER"}, {"ADDRESS"}},
         {{"model",
           "M",
           QT_TRANSLATE_NOOP("cli", "the pager's model"),
           &pagerModels(),
           DefaultModel,
           {},
           &Options::model},
          {"polarity",
           "P",
           QT_TRANSLATE_NOOP("cli", "the pager's polarity"),
           &pagerPolarities(),
           DefaultPolarity,
           {},
           &Options::polarity},
          {"rate",
           "R",
           QT_TRANSLATE_NOOP("cli", "the pager's rate in baud"),
           &pagerRates(),
           DefaultRate,
           {},
           &Options::rate},
          {"tone",
           "T",
           QT_TRANSLATE_NOOP("cli", "the pager's tone"),
           &pagerTones(),
           DefaultTone,
           {},
           &Options::tone},
          outputOption,
          dryRunOption},
         QT_TRANSLATE_NOOP("cli", "set pager NUMBER (1-254) with its 7-digit ADDRESS code"),
         QT_TRANSLATE_NOOP("cli",
                           "Without an option a list takes the main window's selection "
                           "at start-up."),
         QT_TRANSLATE_NOOP("cli", "a pager number and an address code")},
        {"pager delete",
         Command::PagerDelete,
         {{"NUMBER"}},
         {outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli", "delete pager NUMBER"),
         nullptr,
         QT_TRANSLATE_NOOP("cli", "a pager number")},
        {"table set",
         Command::TableSet,
         {{"TABLE"}},
         {keyOption, pagersOption},
         QT_TRANSLATE_NOOP("cli",
                           "bind TABLE (1-65535) to the caller whose service key is "
                           "pressed next"),
         QT_TRANSLATE_NOOP("cli",
                           "While the host unit listens (3 seconds) the words of the "
                           "prompt window are shown: \"%1\"."),
         QT_TRANSLATE_NOOP("cli", "a table number")},
        {"table delete",
         Command::TableDelete,
         {{"TABLE"}},
         {outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli", "delete TABLE"),
         nullptr,
         QT_TRANSLATE_NOOP("cli", "a table number")},
        {"mode",
         Command::Mode,
         {{"MODE", Completion::Words, &workModes()}},
         {outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli", "set the work mode"),
         nullptr,
         QT_TRANSLATE_NOOP("cli", "a work mode")},
        {"init",
         Command::Init,
         {},
         {{"yes", nullptr, QT_TRANSLATE_NOOP("cli", "ask nothing: initialise at once")}},
         QT_TRANSLATE_NOOP("cli", "initialise the host unit, erasing everything it stores"),
         QT_TRANSLATE_NOOP("cli",
                           "When standard input and standard error are terminals, the "
                           "window's warning is shown and a question asked: y, yes or "
                           "是 goes on, any other answer cancels. Otherwise --yes is "
                           "needed; without it nothing is sent and the exit status "
                           "is 2.")},
        {"pagers load",
         Command::PagersLoad,
         {{"FILE.csv", Completion::CsvFile}},
         {{"dry-run", nullptr, QT_TRANSLATE_NOOP("cli", "only check the file")}, outputOption},
         QT_TRANSLATE_NOOP("cli", "set every pager of a CSV file, in file order"),
         QT_TRANSLATE_NOOP("cli",
                           "Every row is checked before anything is sent: with a bad "
                           "row, the bad rows are listed (the first 20 of them) and "
                           "nothing is sent. The first failed reply ends the run; "
                           "Ctrl+C ends it after the row in progress."),
         QT_TRANSLATE_NOOP("cli", "a file name")},
        {"tables learn",
         Command::TablesLearn,
         {{"FIRST-LAST"}},
         {keyOption,
          pagersOption,
          {"tries", "N",
           QT_TRANSLATE_NOOP("cli",
                             "unanswered requests for one table (default 20, 0 for no "
                             "limit)")}},
         QT_TRANSLATE_NOOP("cli",
                           "learn the callers of tables FIRST to LAST, one key press "
                           "each"),
         QT_TRANSLATE_NOOP("cli",
                           "Each table waits until a caller's service key is pressed; a "
                           "wait without a key press asks again, up to --tries "
                           "requests for one table. Each success prints the table and "
                           "the caller's code. Ctrl+C ends the run after the exchange "
                           "in progress; a full memory ends it too. --key and --pagers "
                           "are sent with every table."),
         QT_TRANSLATE_NOOP("cli", "a range of table numbers")},
        {"read",
         Command::Read,
         {catFile("FILE.cat")},
         {{"verify", nullptr,
           QT_TRANSLATE_NOOP("cli",
                             "read the memory twice and save it only when both reads "
                             "agree (before replacing a unit); a difference gives the "
                             "first differing address and exit status 1")}},
         QT_TRANSLATE_NOOP("cli", "read the host unit's memory and save it to FILE.cat"),
         nullptr,
         QT_TRANSLATE_NOOP("cli", "a file name")},
        {"write",
         Command::Write,
         {catFile("FILE.cat")},
         {{"verify", nullptr,
           QT_TRANSLATE_NOOP("cli",
                             "read the memory back afterwards and compare it with the "
                             "file; a difference gives the first differing address, "
                             "the number of differing cells and exit status 1")}},
         QT_TRANSLATE_NOOP("cli", "download the backup FILE.cat into the host unit"),
         QT_TRANSLATE_NOOP("cli",
                           "A download that does not complete leaves the host unit "
                           "holding part of the backup and part of its old memory; "
                           "the program says how far it got."),
         QT_TRANSLATE_NOOP("cli", "a file name")},
        {"report",
         Command::Report,
         {{"KIND", Completion::Words, nullptr, true}, catFile("FILE.cat")},
         {{"format", "F",
           QT_TRANSLATE_NOOP("cli",
                             "text (the window's report, the default), csv (pagers and "
                             "tables; the pager CSV is what pagers load takes) or json "
                             "(every kind; all is json only, and its default)"),
           nullptr, -1, formats}},
         QT_TRANSLATE_NOOP("cli", "print a report of the backup FILE.cat"),
         QT_TRANSLATE_NOOP("cli", "CSV and JSON are the same in every language."),
         QT_TRANSLATE_NOOP("cli", "a kind and a file")},
        {"dump",
         Command::Dump,
         {catFile("FILE.cat")},
         {},
         QT_TRANSLATE_NOOP("cli", "print the memory dump of the backup FILE.cat"),
         nullptr,
         QT_TRANSLATE_NOOP("cli", "a file name")},
        {"diff",
         Command::Diff,
         {catFile("A.cat"), catFile("B.cat")},
         {},
         QT_TRANSLATE_NOOP("cli",
                           "what differs from backup A to backup B; exit status 0 "
                           "equal, 1 not"),
         QT_TRANSLATE_NOOP("cli",
                           "Pagers and tables added, removed or changed and each "
                           "setting, in the words of the reports; every other "
                           "differing cell by its address. An unreadable file gives "
                           "exit status 2."),
         QT_TRANSLATE_NOOP("cli", "two file names")},
        {"ports",
         Command::Ports,
         {},
         {},
         QT_TRANSLATE_NOOP("cli",
                           "COM1 to COM8: the device each reaches, present or absent, "
                           "and the links that lead there"),
         QT_TRANSLATE_NOOP("cli",
                           "A serial port present that no COM name reaches (a link "
                           "leads elsewhere) is listed after them; --port takes its "
                           "path.")},
        {"table edit",
         Command::TableEdit,
         {{"TABLE"}},
         {keyOption, pagersOption, outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli",
                           "with --backup: change the pagers or the own key value of TABLE "
                           "in the backup"),
         QT_TRANSLATE_NOOP("cli",
                           "An option that is not given leaves its value; an empty value "
                           "(--key '') clears it. A table cannot be added to a backup: its "
                           "caller's code comes only from a key press (table set)."),
         QT_TRANSLATE_NOOP("cli", "a table number")},
        {"table move",
         Command::TableMove,
         {{"TABLE"}, {"NEW"}},
         {outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli",
                           "with --backup: give TABLE the number NEW in the backup; its "
                           "caller stays"),
         nullptr,
         QT_TRANSLATE_NOOP("cli", "a table number and the new one")},
        {"set",
         Command::Set,
         {{"SETTING", Completion::Words, nullptr, false, true}, {"VALUE"}},
         {outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli", "with --backup: set SETTING to VALUE in the backup"),
         QT_TRANSLATE_NOOP("cli",
                           "VALUE is a word of the setting's list; none leaves a setting "
                           "that the windows can leave empty not set."),
         QT_TRANSLATE_NOOP("cli", "a setting and its value")},
        {"apply",
         Command::Apply,
         {{"DOC.json", Completion::JsonFile}},
         {outputOption, dryRunOption},
         QT_TRANSLATE_NOOP("cli",
                           "with --backup: apply the JSON document DOC.json (as report all "
                           "writes it) to the backup"),
         QT_TRANSLATE_NOOP("cli",
                           "A value the document leaves out, or gives as the backup holds "
                           "it, stays as it is; pagers and tables are found by their "
                           "numbers and their callers' codes, and \"delete\": true deletes "
                           "one. A bad value is refused with its place in the document and "
                           "nothing is written. callsetup-cli --schema prints the JSON "
                           "Schema of the document."),
         QT_TRANSLATE_NOOP("cli", "a file name")},
        {"monitor",
         Command::Monitor,
         {},
         {},
         QT_TRANSLATE_NOOP("cli", "print the bytes arriving on the line until interrupted")},
    };
    return list;
}

const CommandInfo* commandNamed(const QString& name)
{
    for (const CommandInfo& entry : commandTable())
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

QString optionCall(const OptionInfo& option)
{
    const QString name = QLatin1String(option.name);
    QString call = name == QLatin1String("help") ? QStringLiteral("-h, --help")
                                                 : QStringLiteral("--") + name;
    if (option.valueName)
        call += QLatin1Char(' ') + QLatin1String(option.valueName);
    return call;
}

QString wordsHelp(const Vocabulary& words, int fallback)
{
    const QString comma = cliText(QT_TRANSLATE_NOOP("cli", ", "));
    QStringList main = words.exportWords();
    if (fallback >= 0)
        main[fallback] = cliText(QT_TRANSLATE_NOOP("cli", "%1 (default)")).arg(main[fallback]);
    QStringList also = words.inputWords();
    for (const QString& w : words.exportWords())
        also.removeAll(w);
    // Words first, list positions after them.
    std::stable_partition(also.begin(), also.end(),
                          [](const QString& w) { return !wholeNumber(w); });
    QString text = main.join(comma);
    if (!also.isEmpty())
        text += cliText(QT_TRANSLATE_NOOP("cli", "; also %1")).arg(also.join(comma));
    return text;
}

QString optionHelp(const OptionInfo& option)
{
    const QString help = cliText(option.help);
    if (!option.words)
        return help;
    return cliText(QT_TRANSLATE_NOOP("cli", "%1: %2"))
        .arg(help, wordsHelp(*option.words, option.defaultCode));
}

QStringList completionWords(const OptionInfo& option)
{
    if (option.words)
        return option.words->inputWords();
    return option.fixedWords;
}

QStringList completionWords(const ArgumentInfo& argument)
{
    if (argument.words)
        return argument.words->inputWords();
    if (argument.reportKinds)
        return reportKindNames() << QStringLiteral("all");
    if (argument.settings) {
        QStringList names;
        for (const SettingInfo& setting : editableSettings())
            names << QString::fromLatin1(setting.name);
        return names;
    }
    return {};
}

namespace {

// An option's name as typed: "--name", or "-h" for help's short form.
QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

const OptionInfo* optionNamed(const QList<OptionInfo>& options, const QString& name)
{
    for (const OptionInfo& option : options)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// The options without a command: --version, and for the build --man (the
// manual page) and --completion bash|ports.
const QList<OptionInfo>& topLevelOptions()
{
    static const QList<OptionInfo> list = {{"version", nullptr, nullptr},
                                           {"man", nullptr, nullptr},
                                           {"completion", "WHAT", nullptr},
                                           {"schema", nullptr, nullptr}};
    return list;
}

// Every option any command takes, the common ones first.
const QList<OptionInfo>& everyOption()
{
    static const QList<OptionInfo> all = [] {
        QList<OptionInfo> list = commonOptions() + topLevelOptions();
        for (const CommandInfo& entry : commandTable())
            for (const OptionInfo& option : entry.options)
                if (!optionNamed(list, QLatin1String(option.name)))
                    list.append(option);
        return list;
    }();
    return all;
}

bool takesValue(const QString& argument)
{
    if (!argument.startsWith(QLatin1String("--")) || argument.contains(QLatin1Char('=')))
        return false;
    const OptionInfo* option = optionNamed(everyOption(), argument.mid(2));
    return option && option->valueName;
}

// The words of the command line that are not options or option values, in
// order, as QCommandLineParser sees them.
QStringList wordsOf(const QStringList& arguments)
{
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--"))
            return out + arguments.mid(i + 1);
        if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            if (takesValue(arg))
                ++i;
            continue;
        }
        out << arg;
    }
    return out;
}

// The command the words name: one word, or two for pager, table, pagers and tables.
const CommandInfo* commandOf(const QStringList& words, int& wordCount)
{
    if (words.isEmpty())
        return nullptr;
    wordCount = 1;
    if (const CommandInfo* entry = commandNamed(words[0]))
        return entry;
    wordCount = 2;
    return words.size() > 1 ? commandNamed(words[0] + QLatin1Char(' ') + words[1]) : nullptr;
}

QCommandLineOption parserOption(const OptionInfo& option)
{
    const QString name = QLatin1String(option.name);
    QStringList names{name};
    if (name == QLatin1String("help"))
        names.prepend(QStringLiteral("h"));
    return option.valueName ? QCommandLineOption(names, QString(), QLatin1String(option.valueName))
                            : QCommandLineOption(names);
}

struct Usage {
    QString callForHelp; // "callsetup-cli pager set --help"

    ParseResult wrong(const QString& why) const { return {std::nullopt, why, callForHelp}; }
};

QString helpCall(const CommandInfo* entry)
{
    return entry ? QStringLiteral("callsetup-cli %1 --help").arg(QLatin1String(entry->name))
                 : QStringLiteral("callsetup-cli --help");
}

// Why QCommandLineParser refused the arguments, in the program's words: an
// option it does not know (or that belongs to another command), or a value
// missing after the last option.
QString parseError(const QCommandLineParser& parser, const QStringList& arguments,
                   const CommandInfo* entry)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString name = unknown.first();
        if (entry && name.size() > 1 && optionNamed(everyOption(), name))
            return cliText(QT_TRANSLATE_NOOP("cli", "--%1 does not apply to %2"))
                .arg(name, QLatin1String(entry->name));
        return cliText(QT_TRANSLATE_NOOP("cli", "unknown option \"%1\"")).arg(dashed(name));
    }
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--"))
            break;
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        const OptionInfo* option = optionNamed(everyOption(), name.mid(2));
        if (arg.contains(QLatin1Char('=')) && option && !option->valueName)
            return cliText(QT_TRANSLATE_NOOP("cli", "%1 takes no value")).arg(name);
    }
    if (!arguments.isEmpty() && takesValue(arguments.last()))
        return cliText(QT_TRANSLATE_NOOP("cli", "%1 needs a value")).arg(arguments.last());
    return parser.errorText();
}

// A list option's value as its code; none after setting `error`.
std::optional<int> listValue(const Vocabulary& words, const QString& name, const QString& value,
                             QString& error)
{
    if (const auto code = words.codeOf(value))
        return *code;
    error = cliText(QT_TRANSLATE_NOOP("cli", "unknown value \"%1\" for %2")).arg(value, name);
    return std::nullopt;
}

// The options of the common group, checked the same for every command.
QString commonValues(const QCommandLineParser& parser, Options& options)
{
    if (parser.isSet(QStringLiteral("port"))) {
        const QString value = parser.value(QStringLiteral("port"));
        if (isPortName(value))
            options.port = value.toUpper();
        else if (isDevicePath(value))
            options.port = value;
        else
            return cliText(QT_TRANSLATE_NOOP("cli",
                                             "unknown port name \"%1\" (COM1 .. COM8 or "
                                             "a device path)"))
                .arg(value);
    }
    options.fast = parser.isSet(QStringLiteral("fast"));
    options.backup = parser.value(QStringLiteral("backup"));
    if (parser.isSet(QStringLiteral("backup")) && options.backup.isEmpty())
        return cliText(QT_TRANSLATE_NOOP("cli", "%1 needs a value"))
            .arg(QStringLiteral("--backup"));
    if (parser.isSet(QStringLiteral("lang"))) {
        options.lang = parser.value(QStringLiteral("lang"));
        if (*options.lang != QLatin1String("zh") && *options.lang != QLatin1String("en"))
            return cliText(QT_TRANSLATE_NOOP("cli", "--lang takes zh or en, not \"%1\""))
                .arg(*options.lang);
    }
    return {};
}

// The command's own options.
QString commandValues(const QCommandLineParser& parser, const CommandInfo& entry, Options& options)
{
    QString error;
    for (const OptionInfo& option : entry.options) {
        const QString name = QLatin1String(option.name);
        if (!parser.isSet(name))
            continue;
        const QString value = parser.value(name);
        const QString typed = dashed(name);
        if (option.words) {
            const auto code = listValue(*option.words, typed, value, error);
            if (!code)
                return error;
            if (option.listField)
                options.*option.listField = *code;
        } else if (name == QLatin1String("key")) {
            options.key = value;
            options.keySet = true;
        } else if (name == QLatin1String("pagers")) {
            options.pagers = value.split(QLatin1Char(','));
            if (options.pagers.size() > 3)
                return cliText(QT_TRANSLATE_NOOP("cli",
                                                 "--pagers takes at most three pager "
                                                 "numbers"));
        } else if (name == QLatin1String("format")) {
            options.format = value;
            if (!formats.contains(value))
                return cliText(QT_TRANSLATE_NOOP("cli",
                                                 "unknown format \"%1\" (text, csv or "
                                                 "json)"))
                    .arg(value);
        } else if (name == QLatin1String("tries")) {
            const auto tries = wholeNumber(value);
            if (!tries || *tries > 1000000)
                return cliText(QT_TRANSLATE_NOOP("cli",
                                                 "--tries takes a number of requests (0 "
                                                 "for no limit)"));
            options.tries = int(*tries);
        } else if (name == QLatin1String("dry-run")) {
            options.dryRun = true;
        } else if (name == QLatin1String("yes")) {
            options.yes = true;
        } else if (name == QLatin1String("verify")) {
            options.verify = true;
        } else if (name == QLatin1String("output")) {
            options.output = value;
        }
    }
    return {};
}

// The words after the command's name.
QString takeWords(const CommandInfo& entry, QStringList words, Options& options)
{
    const QString name = QLatin1String(entry.name);
    if (entry.command == Command::Report && !words.isEmpty()) {
        const QString& kind = words.first();
        if (kind != QLatin1String("all") && !reportKindNamed(kind))
            return cliText(QT_TRANSLATE_NOOP("cli", "unknown report kind \"%1\"")).arg(kind);
    }
    const qsizetype wanted = entry.arguments.size();
    if (words.size() > wanted)
        return cliText(QT_TRANSLATE_NOOP("cli", "%1 takes no more words: \"%2\""))
            .arg(name, words[wanted]);
    if (words.size() < wanted || words.contains(QString()))
        return cliText(QT_TRANSLATE_NOOP("cli", "%1 needs %2")).arg(name, cliText(entry.missing));

    QString error;
    switch (entry.command) {
    case Command::Report: {
        options.reportKind = words[0];
        options.file = words[1];
        const bool all = options.reportKind == QLatin1String("all");
        if (options.format.isEmpty())
            options.format = all ? QStringLiteral("json") : QStringLiteral("text");
        const QStringList csvKinds = {QStringLiteral("pagers"), QStringLiteral("tables")};
        if (options.format == QLatin1String("csv") && !csvKinds.contains(options.reportKind))
            return cliText(QT_TRANSLATE_NOOP("cli", "csv is for the pagers and tables reports"));
        if (all && options.format != QLatin1String("json"))
            return cliText(QT_TRANSLATE_NOOP("cli", "report all is json only"));
        break;
    }
    case Command::Read:
    case Command::Write:
    case Command::Dump:
    case Command::Apply:
    case Command::PagersLoad: options.file = words[0]; break;
    case Command::Set: {
        options.values = words;
        const SettingInfo* setting = editableSetting(words[0]);
        if (!setting)
            return cliText(QT_TRANSLATE_NOOP("cli", "unknown setting \"%1\"")).arg(words[0]);
        const bool notSet = setting->unsettable && words[1] == notSetWord();
        if (setting->words && !notSet && !listValue(*setting->words, words[0], words[1], error))
            return error;
        break;
    }
    case Command::TableEdit: {
        options.values = words;
        if (!options.keySet && options.pagers.isEmpty())
            return cliText(QT_TRANSLATE_NOOP("cli", "table edit needs --pagers or --key"));
        break;
    }
    case Command::Diff:
        options.file = words[0];
        options.values = {words[1]};
        break;
    case Command::Mode:
        if (const auto mode = listValue(workModes(), QStringLiteral("mode"), words[0], error))
            options.mode = *mode;
        else
            return error;
        break;
    case Command::TablesLearn: {
        const QStringList ends = words[0].split(QLatin1Char('-'));
        const auto range = checkTableRange(ends.value(0), ends.value(ends.size() - 1));
        if (ends.size() > 2 || !range)
            return cliText(QT_TRANSLATE_NOOP("cli",
                                             "tables learn takes FIRST-LAST, table "
                                             "numbers 1-65535, FIRST <= LAST"));
        options.firstTable = range->first;
        options.lastTable = range->second;
        break;
    }
    default: options.values = words; break;
    }
    return {};
}

// --backup, --output and --dry-run as the command takes them.
QString backupUse(const CommandInfo& entry, const Options& options)
{
    const QString name = QLatin1String(entry.name);
    const bool backup = !options.backup.isEmpty();
    if (backup && !runsOnBackup(entry.command)) {
        if (entry.command == Command::TableSet || entry.command == Command::TablesLearn)
            return cliText(QT_TRANSLATE_NOOP("cli",
                                             "%1 does not run on a backup: a table's caller "
                                             "is learned only from its key press at the host "
                                             "unit (table edit changes a table in a backup)"))
                .arg(name);
        return cliText(QT_TRANSLATE_NOOP("cli",
                                         "%1 does not run on a backup (--backup): it needs "
                                         "the host unit or takes its files as words"))
            .arg(name);
    }
    if (!backup && onlyOnBackup(entry.command))
        return cliText(QT_TRANSLATE_NOOP("cli", "%1 changes a backup: give --backup FILE.cat"))
            .arg(name);
    if (!backup && !options.output.isEmpty())
        return cliText(QT_TRANSLATE_NOOP("cli", "--output goes with --backup"));
    if (!backup && options.dryRun && entry.command != Command::PagersLoad)
        return cliText(QT_TRANSLATE_NOOP("cli", "--dry-run goes with --backup"));
    return {};
}

// Without a command: the help, the version, the manual page or a completion.
ParseResult parseTopLevel(const QStringList& arguments, QCommandLineParser& parser)
{
    const Usage usage{helpCall(nullptr)};
    for (const OptionInfo& option : topLevelOptions())
        parser.addOption(parserOption(option));
    if (!parser.parse(QStringList{QStringLiteral("callsetup-cli")} + arguments))
        return usage.wrong(parseError(parser, arguments, nullptr));
    Options options;
    if (const QString error = commonValues(parser, options); !error.isEmpty())
        return usage.wrong(error);
    if (!options.backup.isEmpty())
        return usage.wrong(cliText(QT_TRANSLATE_NOOP("cli",
                                                     "--backup goes with a command that "
                                                     "changes a backup")));
    if (!parser.positionalArguments().isEmpty())
        return usage.wrong(cliText(QT_TRANSLATE_NOOP("cli", "unknown command \"%1\""))
                               .arg(parser.positionalArguments().first()));
    if (parser.isSet(QStringLiteral("help"))) {
        options.command = Command::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        options.command = Command::Version;
    } else if (parser.isSet(QStringLiteral("man"))) {
        options.command = Command::Manual;
    } else if (parser.isSet(QStringLiteral("schema"))) {
        options.command = Command::Schema;
    } else if (parser.isSet(QStringLiteral("completion"))) {
        options.command = Command::Completion;
        options.topic = parser.value(QStringLiteral("completion"));
        if (options.topic != QLatin1String("bash") && options.topic != QLatin1String("ports"))
            return usage.wrong(cliText(QT_TRANSLATE_NOOP("cli",
                                                         "--completion takes bash or "
                                                         "ports")));
    } else {
        return usage.wrong(cliText(QT_TRANSLATE_NOOP("cli", "no command given")));
    }
    return {options, {}, {}};
}

} // namespace

std::optional<QString> languageArgument(const QStringList& arguments)
{
    std::optional<QString> lang;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--lang") && i + 1 < arguments.size())
            lang = arguments[i + 1];
        else if (arg.startsWith(QLatin1String("--lang=")))
            lang = arg.mid(7);
        if (takesValue(arg))
            ++i;
    }
    return lang;
}

ParseResult parseArguments(const QStringList& arguments)
{
    const QStringList given = wordsOf(arguments);
    int nameWords = 0;
    const CommandInfo* entry = commandOf(given, nameWords);

    QCommandLineParser parser;
    for (const OptionInfo& option : commonOptions())
        parser.addOption(parserOption(option));
    if (!entry) {
        // A word that starts a two-word command names the group in the error.
        const bool group = given.size() > 1
            && std::any_of(commandTable().begin(), commandTable().end(), [&](const auto& c) {
                               return QLatin1String(c.name).startsWith(given[0] + QLatin1Char(' '));
                           });
        if (!given.isEmpty())
            return Usage{helpCall(nullptr)}.wrong(
                cliText(QT_TRANSLATE_NOOP("cli", "unknown command \"%1\""))
                    .arg(group ? given[0] + QLatin1Char(' ') + given[1] : given[0]));
        return parseTopLevel(arguments, parser);
    }

    const Usage usage{helpCall(entry)};
    for (const OptionInfo& option : entry->options)
        parser.addOption(parserOption(option));
    if (!parser.parse(QStringList{QStringLiteral("callsetup-cli")} + arguments))
        return usage.wrong(parseError(parser, arguments, entry));

    Options options;
    if (parser.isSet(QStringLiteral("help"))) {
        options.command = Command::Help;
        options.topic = QLatin1String(entry->name);
        return {options, {}, {}};
    }
    if (QString error = commonValues(parser, options); !error.isEmpty())
        return usage.wrong(error);
    if (QString error = commandValues(parser, *entry, options); !error.isEmpty())
        return usage.wrong(error);
    options.command = entry->command;
    const QStringList rest = parser.positionalArguments().mid(nameWords);
    if (QString error = takeWords(*entry, rest, options); !error.isEmpty())
        return usage.wrong(error);
    if (QString error = backupUse(*entry, options); !error.isEmpty())
        return usage.wrong(error);
    return {options, {}, {}};
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
