#pragma once
// The command line of callsetup-cli: which operation to run on which port and
// file. Parsing only; the operations themselves are the data backup window's.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace cs::cli {

enum class Command { Help, Read, Write, Report, Dump, Monitor };

struct Options {
    Command command = Command::Help;
    QString port = QStringLiteral("COM1");   // "COM1".."COM8" or a device path
    bool fast = false;
    int reportKind = -1;                      // Combo1 position for Command::Report
    QString file;
};

// Either the options or, for wrong usage, the reason (one line).
struct ParseResult {
    std::optional<Options> options;
    QString error;
};

// `arguments` without the program name.
ParseResult parseArguments(const QStringList& arguments);

// The usage text, ending with a line feed.
QString usageText();

// Short names of the report kinds in list order: "pagers", "tables", "mode", ...
QStringList reportKindNames();
// The list position of a short name, or -1.
int reportKindOf(const QString& name);

// The port list text that stands for `port` ("COM3"; a device path stands as
// "COM1") and the device it opens: the main window's mapping for COMn, the path
// itself for a path.
QString portTextFor(const QString& port);
std::function<QString(int)> deviceMapFor(const QString& port);

} // namespace cs::cli
