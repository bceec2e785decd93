#include "SimProcess.h"

#include <QDeadlineTimer>

namespace cs::test {

namespace {
constexpr int LineTimeoutMs = 5000;
constexpr int ExitTimeoutMs = 5000;
} // namespace

SimProcess::SimProcess(QStringList arguments, QProcessEnvironment environment)
{
    process_.setProgram(QStringLiteral(CALLSETUP_SIM_PROGRAM));
    process_.setArguments(arguments);
    process_.setProcessEnvironment(environment);
}

SimProcess::~SimProcess()
{
    if (process_.state() != QProcess::NotRunning)
        quit();
}

bool SimProcess::start()
{
    process_.start();
    if (!process_.waitForStarted(LineTimeoutMs))
        return false;
    ptyPath_ = QString::fromLocal8Bit(readLine());
    return ptyPath_.startsWith(QLatin1Char('/'));
}

QByteArray SimProcess::readLine()
{
    QDeadlineTimer deadline(LineTimeoutMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
            return {};
        process_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return process_.readLine().trimmed();
}

void SimProcess::send(const QByteArray& line)
{
    process_.write(line + '\n');
    process_.waitForBytesWritten(LineTimeoutMs);
}

QByteArray SimProcess::command(const QByteArray& line)
{
    send(line);
    return readLine();
}

int SimProcess::finish()
{
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(ExitTimeoutMs)) {
        process_.kill();
        process_.waitForFinished(ExitTimeoutMs);
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

int SimProcess::quit()
{
    if (process_.state() == QProcess::NotRunning)
        return finish();
    send("quit");
    return finish();
}

int SimProcess::terminate()
{
    process_.terminate();   // SIGTERM
    return finish();
}

int SimProcess::waitForExit()
{
    return finish();
}

} // namespace cs::test
