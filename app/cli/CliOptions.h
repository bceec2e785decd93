#pragma once
// The command line of callsetup-cli: which operation to run on which port,
// with which values and files. One table of commands and options
// (CommandTable.cpp) is the source of the parsing (CliParser.cpp,
// QCommandLineParser, one parser per command), the help, the manual page and
// the shell completion (CliHelp.h).

#include "commands/TableLearning.h"
#include "shared/Vocabulary.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace cs::cli {

enum class Command {
    Help,
    Version,
    Manual,
    Completion,
    Read,
    Write,
    Report,
    Dump,
    Monitor,
    PagerSet,
    PagerDelete,
    TableSet,
    TableDelete,
    Mode,
    Init,
    PagersLoad,
    TablesLearn,
    Diff,
    Ports,
    TableEdit,
    TableMove,
    Set,
    Apply,
    Schema,
};

struct Options {
    Command command = Command::Help;
    QString topic;                         // Help: a command's or a group's name, empty for all;
                                           // Completion: "bash" or "ports"
    QString port = QStringLiteral("COM1"); // "COM1".."COM8" or a device path
    bool fast = false;
    std::optional<QString> lang; // --lang: zh or en (default: the locale)
    QString reportKind;          // report: a kind's name, or "all"
    QString format;              // report: text, csv, json (default text; all: json)
    QString file;                // the (first) file
    QStringList values;          // the command's other words, in order
    // pager set: list positions (the window's start-up selections by default).
    int model = DefaultModel, polarity = DefaultPolarity, rate = DefaultRate, tone = DefaultTone;
    int mode = -1;                     // mode: Combo4 position
    QString key;                       // table set / tables learn: own key value
    bool keySet = false;               // --key given (table edit: also when empty)
    QStringList pagers;                // pager numbers 1..3 (at most three)
    int firstTable = 0, lastTable = 0; // tables learn
    bool dryRun = false;               // pagers load
    bool yes = false;                  // init
    bool verify = false;               // read, write
    int tries = DefaultLearningTries;  // tables learn: unanswered requests per table
    QString backup;                    // --backup: the backup the edits run on
    QString output;                    // --output: where the edited backup is saved
};

// The bad rows of a pager file listed before "and N more".
constexpr int PagerProblemsListed = 20;

// Either the options or, for wrong usage, what is wrong (one line) and the
// help to read ("callsetup-cli pager set --help").
struct ParseResult {
    std::optional<Options> options;
    QString error;
    QString helpCall;
};

// `arguments` without the program name. The texts of errors are looked up in
// the translation installed when this runs.
ParseResult parseArguments(const QStringList& arguments);

// The value of --lang among `arguments`, read before the rest is parsed, so
// that the errors of the parse are in the chosen language.
std::optional<QString> languageArgument(const QStringList& arguments);

// What a shell completes for a word.
enum class Completion { None, Words, CatFile, CsvFile, JsonFile };

// One option: its name without dashes, the word for its value (none for a
// flag), its help (English, translated under the context "cli") and, for a
// list option, the list whose words it takes and the member of Options that
// takes its code. `fixedWords` are the values of an option with a fixed set of
// values that no list holds (--format, --lang). The values of --port are
// completed from the ports present.
struct OptionInfo {
    const char* name;
    const char* valueName;
    const char* help;
    const Vocabulary* words = nullptr;
    int defaultCode = -1;
    QStringList fixedWords = {};
    int Options::*listField = nullptr;
    Completion completion = Completion::None; // CatFile for a backup file's name
    int helpNumber = -1;                      // the number the help's %1 stands for, if any
};

// One word a command takes after its name.
struct ArgumentInfo {
    const char* name; // "NUMBER"
    Completion completion = Completion::None;
    const Vocabulary* words = nullptr; // for Completion::Words: a list's words
    bool reportKinds = false;          // for Completion::Words: the report kinds
    bool settings = false;             // for Completion::Words: the settings set takes
};

// One command: its name (one or two words), the words after it, the options
// it takes beyond the common ones, a one-line summary and more paragraphs
// (separated by blank lines) for its help and the manual page.
struct CommandInfo {
    const char* name;
    Command command;
    QList<ArgumentInfo> arguments;
    QList<OptionInfo> options;
    const char* summary;
    const char* details = nullptr;
    const char* missing = nullptr; // "%1 needs ..." when words are missing
};

const QList<CommandInfo>& commandTable();
// The commands that have an offline edit and run on the file --backup names,
// and those that run only there.
bool runsOnBackup(Command command);
bool onlyOnBackup(Command command);
const CommandInfo* commandNamed(const QString& name);
// The commands of a group by its word ("pager": pager set, pager delete);
// none for a word that starts no two-word command.
QList<const CommandInfo*> groupCommands(const QString& word);
// "set, delete": the second words of a group's commands.
QString groupWords(const QString& word);
// --port, --fast, --lang, --backup and --help: taken by every command.
const QList<OptionInfo>& commonOptions();
// "--model M" as the help shows an option.
QString optionCall(const OptionInfo& option);
// The text of an option's help, with the words of its list.
QString optionHelp(const OptionInfo& option);
// "standard (default), new, chinese, english; also 数字标准, ...": a list's words.
QString wordsHelp(const Vocabulary& words, int fallback = -1);
// The words a shell offers for an option's value or an argument.
QStringList completionWords(const OptionInfo& option);
QStringList completionWords(const ArgumentInfo& argument);

// The command line's own texts, translated under the context "cli".
QString cliText(const char* source);

// The port name that stands for `port` ("COM3"; a device path stands as
// "COM1") and the device it opens: the main window's mapping for COMn, the path
// itself for a path.
QString portNameFor(const QString& port);
std::function<QString(int)> deviceMapFor(const QString& port);

} // namespace cs::cli
