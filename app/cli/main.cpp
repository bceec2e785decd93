// callsetup-cli: the setup tool from a shell.
//
//   callsetup-cli [--port NAME] [--fast] COMMAND [ARGUMENTS] [OPTIONS]
//
// The program only turns arguments into the operations of the main window,
// the data backup window and the batch work of the core, and prints what they
// show; see usageText() for the commands.

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/Console.h"
#include "memory/BackupFile.h"
#include "shared/Language.h"
#include "callsetup/Version.h"
#include "shared/QtMessages.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    cs::routeQtMessages();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("callsetup-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(cs::version));

    const cs::cli::ParseResult parsed = cs::cli::parseArguments(QCoreApplication::arguments().mid(1));
    if (!parsed.options) {
        cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: ") + parsed.error + QStringLiteral("\n\n")
                                       + cs::cli::usageText());
        return cs::cli::ExitUsage;
    }
    // The translator comes before any message: the core's texts are looked up as they are shown.
    const auto language = cs::chosenLanguage(parsed.options->lang);
    if (!language) {
        cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: --lang takes zh or en, not \"%1\"\n")
                                       .arg(*parsed.options->lang));
        return cs::cli::ExitUsage;
    }
    if (!cs::installLanguage(app, *language))
        cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: the English texts cannot be loaded\n"));
    // Every word is used exactly as given: one that Qt's file classes could not
    // reach exactly (not UTF-8) would name another file, and is refused.
    for (int i = 1; i < argc; ++i) {
        cs::FileProblem problem;
        if (!cs::fileNameFromArgument(QByteArray(argv[i]), &problem)) {
            cs::cli::writeUtf8(stderr, QStringLiteral("callsetup-cli: ")
                                           + QString::fromLocal8Bit(argv[i])
                                           + QStringLiteral(": ") + problem.reason
                                           + QLatin1Char('\n'));
            return cs::cli::ExitUsage;
        }
    }
    cs::cli::CliSession session(*parsed.options, stdout, stderr, ::isatty(STDERR_FILENO) == 1,
                                ::isatty(STDIN_FILENO) == 1);
    return session.run();
}
