// callsetup-cli: the setup tool from a shell.
//
//   callsetup-cli [--port NAME] [--fast] COMMAND [ARGUMENTS] [OPTIONS]
//
// The program only turns arguments into the operations of the main window,
// the data backup window and the batch work of the core, and prints what they
// show; see CliOptions.h for the commands.

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "shared/Language.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("callsetup-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.01"));

    // The translator comes before any text: the errors of the arguments are in
    // the chosen language too (a wrong --lang is one of them, told in the
    // locale's language).
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const auto language = cs::chosenLanguage(cs::cli::languageArgument(arguments));
    if (!cs::installLanguage(app, language.value_or(cs::languageFromEnvironment())))
        cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: the translation cannot be loaded\n"));
    const cs::cli::ParseResult parsed = cs::cli::parseArguments(arguments);
    if (!parsed.options) {
        cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: %1\n%2\n")
                                       .arg(parsed.error, QCoreApplication::translate("cli", "Try \"%1\" for more information.")
                                                              .arg(parsed.helpCall)));
        return cs::cli::ExitUsage;
    }
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    cs::cli::CliSession session(*parsed.options, stdout, stderr, terminal,
                                terminal && ::isatty(STDIN_FILENO) == 1);
    return session.run();
}
