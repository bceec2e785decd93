#pragma once
// Runs the built callsetup-cli and collects what it left behind.

#include <QProcess>
#include <QStringList>

namespace cs::test {

struct CliResult {
    int exitCode = -1;   // -1: crashed or did not end in time
    QByteArray out, err;
};

inline CliResult runCli(const QStringList& arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.start(QStringLiteral(CALLSETUP_CLI_PROGRAM), arguments);
    CliResult r;
    if (!process.waitForFinished(timeoutMs))
        process.kill(), process.waitForFinished(5000);
    else if (process.exitStatus() == QProcess::NormalExit)
        r.exitCode = process.exitCode();
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

} // namespace cs::test
