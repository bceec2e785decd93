#include "sim/PtyServer.h"
#include "link/PortNames.h"
#include "shared/Platform.h"
#include "sim/SimPort.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace cs::sim {

namespace {

double monotonicNow()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

void setNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

void reply(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size()
        && file.flush();
}

} // namespace

PtyServer::PtyServer(ServerOptions options)
    : options_(std::move(options))
{
    // The server presses keys itself (pressAt_), so learning requests leave
    // the line listening.
    line_.keyPressAfter.reset();
}

PtyServer::~PtyServer()
{
    closeMaster();
    if (slave_ >= 0)
        ::close(slave_);
}

bool PtyServer::setFault(const QString& name)
{
    Faults f;
    if (name == QLatin1String("silent"))
        f.silent = true;
    else if (name == QLatin1String("badcrc"))
        f.badChecksum = true;
    else if (name == QLatin1String("noise")) {
        f.noiseBefore = QByteArray("\x13\x55\x55\x00\x55", 5);
        f.noiseAfter = QByteArray("\x55\xAA\x7E", 3);
    } else if (name == QLatin1String("slow"))
        f.replyDelay = 1.5;
    else if (name == QLatin1String("corrupt"))
        f.corruptBlock = 7; // acknowledged, stored wrongly
    else if (name == QLatin1String("badcopy"))
        f.badCopyFirst = true; // a reply with a wrong checksum, then the good one
    else
        return false;
    line_.faults = f;
    return true;
}

bool PtyServer::start(QString& error)
{
    if (!options_.imagePath.isEmpty()) {
        QFile file(options_.imagePath);
        if (!file.open(QIODevice::ReadOnly) || !unit_.loadImage(file.readAll())) {
            error = QStringLiteral("cannot load %1: it must be a file of exactly 8192 bytes")
                        .arg(options_.imagePath);
            return false;
        }
    }
    if (!options_.fault.isEmpty() && !setFault(options_.fault)) {
        error = QStringLiteral("unknown fault %1 (silent, badcrc, noise, slow, corrupt, badcopy)")
                    .arg(options_.fault);
        return false;
    }

    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = QStringLiteral("cannot open a pseudo-terminal: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
    // Hold the slave open for the whole run: when the program closes and reopens
    // its port, the master then sees no hangup.
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = QStringLiteral("cannot open %1: %2")
                    .arg(slavePath_, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(slave_, TCSANOW, &tio);
    setNonBlocking(master_);

    if (!options_.linkName.isEmpty()) {
        const QString dir = cs::portLinkDirectory();
        QDir().mkpath(dir);
        const QString path = dir + QLatin1Char('/') + options_.linkName;
        // Whatever stands there (the user's own link to an adapter, another
        // run's link) is not ours to replace.
        const QFileInfo existing(path);
        if (existing.isSymLink() || existing.exists()) {
            const QString what = existing.isSymLink()
                ? QStringLiteral("a link to ") + existing.symLinkTarget()
                : QStringLiteral("not a link");
            error = QStringLiteral(
                        "%1 already exists (%2): not replacing what this run did not make")
                        .arg(path, what);
            return false;
        }
        if (::symlink(slavePath_.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0) {
            error = QStringLiteral("cannot make the link %1: %2")
                        .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        linkPath_ = path;
    }
    return true;
}

int PtyServer::run()
{
    const int stopSignals = platform::stopSignalDescriptor(true);
    if (stopSignals < 0)
        return 1;
    platform::ignoreBrokenPipes();

    bool signalled = false;
    while (stop_ == Stop::None && !signalled) {
        double now = monotonicNow();
        timers(now);
        flushOutput(now);

        pollfd fds[3];
        nfds_t count = 0;
        fds[count++] = {stopSignals, POLLIN, 0};
        const bool watchMaster = now >= masterPausedUntil_;
        const int masterIndex = watchMaster ? int(count) : -1;
        if (watchMaster)
            fds[count++] = {master_, POLLIN, 0};
        const int controlIndex = controlOpen_ ? int(count) : -1;
        if (controlOpen_)
            fds[count++] = {STDIN_FILENO, POLLIN, 0};

        // Wake exactly for the next due event: each reply byte goes out at the
        // moment it would leave a unit at 9600 baud.
        const double deadline = nextDeadline(now);
        timespec wait{};
        if (deadline >= 0) {
            const double left = std::max(0.0, deadline - now);
            wait.tv_sec = time_t(left);
            wait.tv_nsec = long((left - double(wait.tv_sec)) * 1e9);
        }
        const int ready = ::ppoll(fds, count, deadline < 0 ? nullptr : &wait, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        now = monotonicNow();
        if (fds[0].revents) {
            platform::drainStopSignals();
            signalled = true;
        }
        if (masterIndex >= 0 && fds[masterIndex].revents)
            readMaster(now);
        if (controlIndex >= 0 && fds[controlIndex].revents)
            readControl(now);
    }
    finish();
    return 0;
}

void PtyServer::readMaster(double now)
{
    char buffer[4096];
    const ssize_t got = ::read(master_, buffer, sizeof buffer);
    if (got <= 0) {
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        // No one on the far side (hangup): look again a little later instead of
        // spinning on a readable-but-empty master.
        masterPausedUntil_ = now + 0.05;
        return;
    }
    const QByteArray bytes(buffer, qsizetype(got));
    received_.append(bytes);
    if (received_.size() > 65536)
        received_ = received_.right(65536);
    lastInput_ = now;
    // The bytes reach the unit at the line's pace: a request is complete when its
    // last byte would have arrived at 9600 baud.
    inputDoneAt_ = std::max(now, inputDoneAt_) + double(got) * ByteSeconds;
    answered(line_.receive(bytes), inputDoneAt_);
}

void PtyServer::answered(const QList<Chunk>& chunks, double now)
{
    out_.add(chunks, now);
    // A new request ends the previous listening; a learning one starts it anew.
    if (!line_.requests.isEmpty()) {
        line_.requests.clear();
        if (line_.listening()) {
            listenUntil_ = now + ListenSeconds;
            pressAt_ = options_.pressAfter ? now + *options_.pressAfter : -1;
        } else {
            listenUntil_ = pressAt_ = -1;
        }
    }
}

void PtyServer::timers(double now)
{
    if (pressAt_ >= 0 && now >= pressAt_) {
        pressAt_ = -1;
        if (line_.listening())
            out_.add(line_.pressKey(), now);
    }
    if (listenUntil_ >= 0 && now >= listenUntil_) {
        listenUntil_ = pressAt_ = -1;
        line_.stopListening();
    }
    if (line_.partialPending() && now - lastInput_ >= IdleResyncSeconds)
        answered(line_.resync(), now);
}

double PtyServer::nextDeadline(double now) const
{
    double next = -1;
    const auto consider = [&next](double t) {
        if (t >= 0 && (next < 0 || t < next))
            next = t;
    };
    if (!out_.empty())
        consider(out_.nextAt());
    consider(pressAt_);
    consider(listenUntil_);
    if (line_.partialPending())
        consider(lastInput_ + IdleResyncSeconds);
    if (now < masterPausedUntil_)
        consider(masterPausedUntil_);
    return next;
}

void PtyServer::flushOutput(double now)
{
    QByteArray due = out_.takeDue(now);
    if (due.isEmpty())
        return;
    qsizetype done = 0;
    while (done < due.size()) {
        const ssize_t n = ::write(master_, due.constData() + done, size_t(due.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // nobody reads the port and its buffer is full: the bytes are lost
        done += n;
    }
}

void PtyServer::readControl(double now)
{
    char buffer[1024];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got <= 0) {
        controlOpen_ = false; // end of the control lines: keep serving
        return;
    }
    controlBuffer_.append(buffer, qsizetype(got));
    for (;;) {
        const qsizetype eol = controlBuffer_.indexOf('\n');
        if (eol < 0)
            break;
        const QByteArray line = controlBuffer_.left(eol).trimmed();
        controlBuffer_.remove(0, eol + 1);
        if (!line.isEmpty())
            reply(control(line, now));
        if (stop_ != Stop::None)
            return;
    }
    if (controlBuffer_.size() > 4096)
        controlBuffer_.clear(); // not a control line: drop it
}

QByteArray PtyServer::control(const QByteArray& line, double now)
{
    const qsizetype space = line.indexOf(' ');
    const QByteArray word = space < 0 ? line : line.left(space);
    const QByteArray argument = space < 0 ? QByteArray() : line.mid(space + 1).trimmed();
    if (word == "dump") {
        if (argument.isEmpty())
            return "error dump needs a file name";
        return writeFile(QString::fromLocal8Bit(argument), unit_.image())
            ? "ok"
            : "error cannot write the file";
    }
    if (word == "press") {
        out_.add(line_.pressKey(), now);
        pressAt_ = listenUntil_ = -1;
        return "ok";
    }
    if (word == "fault")
        return setFault(QString::fromLocal8Bit(argument)) ? "ok" : "error unknown fault";
    if (word == "nofault") {
        line_.faults = Faults{};
        return "ok";
    }
    if (word == "received") {
        const QByteArray hex = received_.toHex(' ').toUpper();
        received_.clear();
        return hex.isEmpty() ? QByteArray("ok") : "ok " + hex;
    }
    if (word == "vanish") {
        // The far end disappears at once, before anything else is done.
        closeMaster();
        stop_ = Stop::Vanish;
        return "ok";
    }
    if (word == "quit") {
        stop_ = Stop::Quit;
        return "ok";
    }
    return "error unknown command";
}

void PtyServer::closeMaster()
{
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

void PtyServer::finish()
{
    if (stop_ != Stop::Vanish)
        flushOutput(monotonicNow());
    closeMaster();
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
    // Remove the link only while it still leads to this run's terminal.
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == slavePath_)
        QFile::remove(linkPath_);
    if (!options_.dumpPath.isEmpty() && !writeFile(options_.dumpPath, unit_.image()))
        std::fprintf(stderr, "callsetup-sim: cannot write %s\n", qPrintable(options_.dumpPath));
}

} // namespace cs::sim
