// The one table of callsetup-cli's commands and options, and what it says of
// them: the source of the parser (CliParser.cpp), the help and manual page
// (CliHelp.cpp, ManPage.cpp) and the completion (Completion.cpp).

#include "cli/CliOptions.h"
#include "commands/FieldInput.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"

#include <QCoreApplication>
#include <algorithm>

namespace cs::cli {

QString cliText(const char* source)
{
    return QCoreApplication::translate("cli", source);
}

namespace {

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

ArgumentInfo catFile(const char* name)
{
    return {name, Completion::CatFile};
}

} // namespace

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
                           "row, the bad rows are listed (the first %1 of them) and "
                           "nothing is sent. The first failed reply ends the run; "
                           "Ctrl+C ends it after the row in progress."),
         QT_TRANSLATE_NOOP("cli", "a file name")},
        {"tables learn",
         Command::TablesLearn,
         {{"FIRST-LAST"}},
         {keyOption,
          pagersOption,
          {.name = "tries",
           .valueName = "N",
           .help = QT_TRANSLATE_NOOP("cli",
                                     "unanswered requests for one table (default %1, 0 for "
                                     "no limit)"),
           .helpNumber = DefaultLearningTries}},
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
        {"help",
         Command::Help,
         {{"[COMMAND]"}},
         {},
         QT_TRANSLATE_NOOP("cli",
                           "show the help of every command, or of COMMAND (a command or "
                           "a group of commands such as pager)")},
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

QList<const CommandInfo*> groupCommands(const QString& word)
{
    QList<const CommandInfo*> out;
    for (const CommandInfo& entry : commandTable())
        if (QLatin1String(entry.name).startsWith(word + QLatin1Char(' ')))
            out << &entry;
    return out;
}

QString groupWords(const QString& word)
{
    QStringList words;
    for (const CommandInfo* entry : groupCommands(word))
        words << QString::fromLatin1(entry->name).section(QLatin1Char(' '), 1);
    return words.join(cliText(QT_TRANSLATE_NOOP("cli", ", ")));
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
    QString help = cliText(option.help);
    if (option.helpNumber >= 0)
        help = help.arg(option.helpNumber);
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
        return reportKindNames();
    if (argument.settings) {
        QStringList names;
        for (const SettingInfo& setting : editableSettings())
            names << QString::fromLatin1(setting.name);
        return names;
    }
    return {};
}

} // namespace cs::cli
