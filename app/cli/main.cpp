// callsetup-cli: the setup tool from a shell.
//
//   callsetup-cli [--port NAME] [--fast] COMMAND [ARGUMENTS] [OPTIONS]
//
// The program only turns arguments into the operations of the main window,
// the data backup window and the batch work of the core, and prints what they
// show; see CliOptions.h for the commands.

#include "callsetup/Version.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "memory/BackupFile.h"
#include "shared/Language.h"
#include "shared/Platform.h"
#include "shared/QtMessages.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    cs::routeQtMessages();
    // Qt reads the locale once, as the application object is made: the chosen
    // language's numbers and dates are set before.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto language = cs::chosenLanguage(cs::cli::languageArgument(arguments));
    cs::followLanguageLocale(language.value_or(cs::languageFromEnvironment()));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("callsetup-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(cs::version));

    // The translator comes before any text: the errors of the arguments are in
    // the chosen language too (a wrong --lang is one of them, told in the
    // locale's language).
    if (!cs::installLanguage(app, language.value_or(cs::languageFromEnvironment())))
        cs::cli::writeUtf8(stderr,
                           QStringLiteral("callsetup-cli: the translation cannot be loaded\n"));
    const cs::cli::ParseResult parsed = cs::cli::parseArguments(arguments);
    if (!parsed.options) {
        cs::cli::writeUtf8(
            stderr,
            QStringLiteral("callsetup-cli: %1\n%2\n")
                .arg(parsed.error,
                     QCoreApplication::translate("cli", "Try \"%1\" for more information.")
                         .arg(parsed.helpCall)));
        return cs::cli::ExitUsage;
    }
    // Every word is used exactly as given: one that Qt's file classes could not
    // reach exactly (not UTF-8) would name another file, and is refused.
    for (int i = 1; i < argc; ++i) {
        cs::FileProblem problem;
        if (!cs::fileNameFromArgument(QByteArray(argv[i]), &problem)) {
            cs::cli::writeUtf8(stderr,
                               QStringLiteral("callsetup-cli: ") + QString::fromLocal8Bit(argv[i])
                                   + QStringLiteral(": ") + problem.reason + QLatin1Char('\n'));
            return cs::cli::ExitUsage;
        }
    }
    const bool terminal = cs::platform::isTerminal(stderr);
    cs::cli::CliSession session(*parsed.options, stdout, stderr, terminal,
                                terminal && cs::platform::isTerminal(stdin));
    return session.run();
}
