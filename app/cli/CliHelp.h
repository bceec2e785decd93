#pragma once
// What callsetup-cli says about itself, written from the table of commands
// (CliOptions.h), the lists' words and the report kinds: the help, the help of
// one command, the manual page (roff) and the bash completion script. The
// manual page holds every item of the help; packaging/check-manpage.sh checks it.

#include <QString>

namespace cs::cli {

// Width of the help's lines.
constexpr int HelpColumns = 79;

// The columns a text takes on a terminal: two for each wide (CJK) character.
int displayWidth(const QString& text);

// `text` broken into lines of at most `width` columns (at blanks, or between
// wide characters), each line starting with `indent` blanks.
QString wrapText(const QString& text, int width, int indent = 0);

// The help of every command, ending with a line feed.
QString usageText();
// The help of one command by its name ("pager set", "report", ...).
QString commandHelpText(const QString& command);

// The manual page callsetup-cli(1) in roff. Its date is SOURCE_DATE_EPOCH's
// when that is set (reproducible builds), else today's.
QString manualPage();

// The bash completion script: commands, options, option values, report kinds
// and files; --port asks the program for the ports (`--completion ports`).
QString bashCompletion();

} // namespace cs::cli
