// The command line's arguments parsed against the table of commands
// (CommandTable.cpp) with Qt's QCommandLineParser, one parser per command, and
// the port a --port value names.

#include "cli/CliOptions.h"
#include "commands/CommandInputs.h"
#include "commands/FieldInput.h"
#include "link/PortNames.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace cs::cli {

namespace {

bool isDevicePath(const QString& port)
{
    return port.startsWith(QLatin1Char('/'));
}

bool isPortName(const QString& port)
{
    const QStringList names = portNames();
    return std::any_of(names.begin(), names.end(), [&](const QString& name) {
        return port.compare(name, Qt::CaseInsensitive) == 0;
    });
}

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
            if (!option.fixedWords.contains(value))
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
    if (entry.command == Command::Help) {
        // help [COMMAND]: a command of one or two words, or a group's word.
        options.topic = words.join(QLatin1Char(' '));
        if (!options.topic.isEmpty() && !commandNamed(options.topic)
            && groupCommands(options.topic).isEmpty())
            return cliText(QT_TRANSLATE_NOOP("cli", "unknown command \"%1\"")).arg(options.topic);
        return {};
    }
    if (entry.command == Command::Report && !words.isEmpty()) {
        const QString& kind = words.first();
        if (!reportKindNamed(kind))
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
        const ReportKindInfo* kind = reportKindNamed(options.reportKind);
        if (options.format.isEmpty())
            options.format = kind->text ? QStringLiteral("text") : QStringLiteral("json");
        if (options.format == QLatin1String("csv") && !kind->csv)
            return cliText(QT_TRANSLATE_NOOP("cli", "csv is for the pagers and tables reports"));
        if (!kind->text && options.format != QLatin1String("json"))
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

// A group's word without one of its commands ("pager", "pager frob"): its
// help, or what it takes.
ParseResult parseGroup(const QStringList& arguments, const QStringList& given,
                       QCommandLineParser& parser)
{
    const QString group = given[0];
    const Usage usage{QStringLiteral("callsetup-cli %1 --help").arg(group)};
    if (!parser.parse(QStringList{QStringLiteral("callsetup-cli")} + arguments))
        return usage.wrong(parseError(parser, arguments, nullptr));
    Options options;
    if (parser.isSet(QStringLiteral("help"))) {
        options.command = Command::Help;
        options.topic = group;
        return {options, {}, {}};
    }
    if (const QString error = commonValues(parser, options); !error.isEmpty())
        return usage.wrong(error);
    if (given.size() == 1)
        return usage.wrong(cliText(QT_TRANSLATE_NOOP("cli", "%1 needs a command: %2"))
                               .arg(group, groupWords(group)));
    return usage.wrong(cliText(QT_TRANSLATE_NOOP("cli", "unknown command \"%1\"; %2 takes %3"))
                           .arg(given[0] + QLatin1Char(' ') + given[1], group, groupWords(group)));
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
        if (given.isEmpty())
            return parseTopLevel(arguments, parser);
        if (!groupCommands(given[0]).isEmpty())
            return parseGroup(arguments, given, parser);
        return Usage{helpCall(nullptr)}.wrong(
            cliText(QT_TRANSLATE_NOOP("cli", "unknown command \"%1\"")).arg(given[0]));
    }

    // help's wrong words are read about in the help of every command.
    const Usage usage{helpCall(entry->command == Command::Help ? nullptr : entry)};
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

QString portNameFor(const QString& port)
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
