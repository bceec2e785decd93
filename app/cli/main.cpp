// callsetup-cli: the setup tool from a shell.
//
//   callsetup-cli [--port NAME] [--fast] COMMAND [ARGUMENTS] [OPTIONS]
//
// The program only turns arguments into the operations of the main window,
// the data backup window and the batch work of the core, and prints what they
// show; see usageText() for the commands.

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/ConsoleUi.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("callsetup-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.01"));

    const cs::cli::ParseResult parsed = cs::cli::parseArguments(QCoreApplication::arguments().mid(1));
    if (!parsed.options) {
        cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: ") + parsed.error + QStringLiteral("\n\n")
                                       + cs::cli::usageText());
        return cs::cli::ExitUsage;
    }
    cs::cli::CliSession session(*parsed.options, stdout, stderr, ::isatty(STDERR_FILENO) == 1,
                                ::isatty(STDIN_FILENO) == 1);
    return session.run();
}
