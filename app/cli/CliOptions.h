#pragma once
// The command line of callsetup-cli: which operation to run on which port,
// with which values and files. Parsing only; the operations are the core's.


#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace cs::cli {

enum class Command {
    Help, Read, Write, Report, Dump, Monitor,
    PagerSet, PagerDelete, TableSet, TableDelete, Mode, Init,
    PagersLoad, TablesLearn, Diff, Ports,
};

struct Options {
    Command command = Command::Help;
    QString helpTopic;                        // "COMMAND --help": the command's name
    QString port = QStringLiteral("COM1");   // "COM1".."COM8" or a device path
    bool fast = false;
    std::optional<QString> lang;              // --lang: zh or en (default: the locale)
    QString reportKind;                       // report: a kind's name, or "all"
    QString format;                           // report: text, csv, json (default text; all: json)
    QString file;                             // the (first) file
    QStringList values;                       // the command's other words, in order
    // pager set: list positions (the window's start-up selections by default).
    int model = 0, polarity = 0, rate = 1, tone = 0;
    int mode = -1;                            // mode: Combo4 position
    QString key;                              // table set / tables learn: own key value
    QStringList pagers;                       // pager numbers 1..3 (at most three)
    int firstTable = 0, lastTable = 0;        // tables learn
    bool dryRun = false;                      // pagers load
    bool yes = false;                         // init
    bool verify = false;                      // read, write
    int tries = 20;                           // tables learn: unanswered requests per table
};

// Either the options or, for wrong usage, the reason (one line).
struct ParseResult {
    std::optional<Options> options;
    QString error;
};

// `arguments` without the program name.
ParseResult parseArguments(const QStringList& arguments);

// The usage text, ending with a line feed: every command, report kind, format,
// option and the exit status.
QString usageText();
// The help of one command by its name ("pager set", "report", ...).
QString commandHelpText(const QString& command);
// The command names, for completion and help.
QStringList commandNames();

// The port list text that stands for `port` ("COM3"; a device path stands as
// "COM1") and the device it opens: the main window's mapping for COMn, the path
// itself for a path.
QString portTextFor(const QString& port);
std::function<QString(int)> deviceMapFor(const QString& port);

} // namespace cs::cli
