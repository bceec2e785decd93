#pragma once
// Runs the built callsetup-cli and collects what it left behind.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace cs::test {

struct CliResult {
    int exitCode = -1;   // -1: crashed or did not end in time
    QByteArray out, err;
};

inline void prepareCli(QProcess& process, const QStringList& arguments)
{
    process.setProgram(QStringLiteral(CALLSETUP_CLI_PROGRAM));
    process.setArguments(arguments);
}

inline CliResult finishCli(QProcess& process, int timeoutMs)
{
    CliResult result;
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(timeoutMs))
        process.kill(), process.waitForFinished(5000);
    else if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline CliResult runCli(const QStringList& arguments, int timeoutMs = 10000)
{
    QProcess process;
    prepareCli(process, arguments);
    process.start();
    return process.waitForStarted(5000) ? finishCli(process, timeoutMs) : CliResult{};
}

// The message line the program writes for a message box.
inline QByteArray messageLine(const char* title, const QString& text) { return QByteArray(title) + ": " + text.toUtf8() + '\n'; }

} // namespace cs::test
