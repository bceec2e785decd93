#pragma once
// Runs the built callsetup-cli and collects what it left behind.

#include <QProcess>
#include <QStringList>

namespace cs::test {

struct CliResult {
    int exitCode = -1; // -1: crashed or did not end in time
    QByteArray out, err;
};

// `environment`: variables set for the run ("LANG=en_GB.UTF-8"); `output`: a
// file standard output goes to instead of the pipe.
inline CliResult runCli(const QStringList& arguments, const QStringList& environment = {},
                        const QString& output = {}, int timeoutMs = 30000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(v));
    for (const QString& e : environment)
        env.insert(e.section('=', 0, 0), e.section('=', 1));
    process.setProcessEnvironment(env);
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
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
