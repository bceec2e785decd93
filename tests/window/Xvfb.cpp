#include "Xvfb.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <algorithm>
#include <cstring>

namespace cs::test {

namespace {
// High numbers keep clear of displays a desktop or xvfb-run would take.
constexpr int FirstDisplay = 90;
constexpr int LastDisplay = 189;
constexpr int MaxTries = 8;
constexpr int ReadyTimeoutMs = 15000;
constexpr int StopTimeoutMs = 5000;
} // namespace

QString Xvfb::socketPath(int n)
{
    return QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
}

bool Xvfb::looksFree(int n)
{
    return !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) && !QFileInfo::exists(socketPath(n));
}

bool Xvfb::acceptsConnections(int n)
{
    const QByteArray path = socketPath(n).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= int(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

bool Xvfb::start(QString& error)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        error = QStringLiteral("no Xvfb program on the PATH (Debian package xvfb)");
        return false;
    }
    process_.setProgram(program);
    int tries = 0;
    for (int n = FirstDisplay; n <= LastDisplay && tries < MaxTries; ++n) {
        if (!looksFree(n))
            continue;
        ++tries;
        if (tryDisplay(n, error)) {
            number_ = n;
            return true;
        }
    }
    if (error.isEmpty())
        error = QStringLiteral("no free display number between %1 and %2").arg(FirstDisplay).arg(LastDisplay);
    return false;
}

bool Xvfb::tryDisplay(int n, QString& error)
{
    process_.setArguments({QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    // Its chatter goes to a file: a pipe nobody reads would stall the server.
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(logPath());
    process_.start();
    if (!process_.waitForStarted(StopTimeoutMs)) {
        error = QStringLiteral("Xvfb did not start: %1").arg(process_.errorString());
        return false;
    }
    const QDeadlineTimer deadline(ReadyTimeoutMs);
    while (!deadline.hasExpired()) {
        // Another server that took the number first makes this one end at once.
        if (process_.state() == QProcess::NotRunning || process_.waitForFinished(50)) {
            error = QStringLiteral("Xvfb :%1 ended: %2").arg(n).arg(lastLines());
            return false;
        }
        if (QFileInfo::exists(socketPath(n)) && acceptsConnections(n))
            return true;
    }
    error = QStringLiteral("Xvfb :%1 did not accept connections within %2 s").arg(n).arg(ReadyTimeoutMs / 1000);
    stop();
    return false;
}

void Xvfb::stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(StopTimeoutMs)) {
            process_.kill();
            process_.waitForFinished(StopTimeoutMs);
        }
    }
    number_ = -1;
    QFile::remove(logPath());
}

QString Xvfb::logPath() const
{
    return QDir::temp().filePath(QStringLiteral("callsetup-xvfb-%1.log").arg(QCoreApplication::applicationPid()));
}

QString Xvfb::lastLines() const
{
    QFile log(logPath());
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(no output)");
    const QStringList lines = QString::fromLocal8Bit(log.readAll()).trimmed().split(QLatin1Char('\n'));
    return lines.mid(std::max<qsizetype>(0, lines.size() - 3)).join(QStringLiteral(" / "));
}

} // namespace cs::test
