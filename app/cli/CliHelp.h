#pragma once
// What callsetup-cli says about itself, written from the table of commands
// (CliOptions.h), the lists' words and the report kinds: the help, the help of
// one command (CliHelp.cpp), the manual page in roff (ManPage.cpp) and the bash
// completion script (Completion.cpp). The manual page holds every item of the
// help; packaging/check-manpage.sh checks it.

#include "cli/TextWrap.h"

#include <QString>

namespace cs::cli {

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
