// The serial line over a pseudo-terminal: one device one user, why an open
// failed, a line that goes away, and Qt's own messages.
#include "link/SerialLine.h"
#include "shared/QtMessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cs;

namespace {

// A pseudo-terminal whose far end (the master) the test holds.
struct Pty {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QString device;
    Pty()
    {
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            device = QString::fromLocal8Bit(::ptsname(master));
    }
    ~Pty() { hangUp(); }
    void hangUp()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
};

// Everything Qt's messages would print, while it lives.
struct QtMessageLog {
    static inline QStringList lines;
    QtMessageLog()
    {
        lines.clear();
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { lines << text; });
    }
    ~QtMessageLog() { qInstallMessageHandler(nullptr); }
};

} // namespace

TEST(SerialLine, OneDeviceOneUserWhateverTheName)
{
    Pty pty;
    ASSERT_FALSE(pty.device.isEmpty());
    QTemporaryDir dir;
    const QString link = dir.filePath("com1"), chain = dir.filePath("by-id");
    ASSERT_TRUE(QFile::link(pty.device, link) && QFile::link(link, chain));
    SerialLine first, second;
    ASSERT_TRUE(first.open(pty.device));
    for (const QString& name : {pty.device, link, chain}) {
        EXPECT_FALSE(second.open(name)) << name.toStdString();
        EXPECT_FALSE(second.isOpen());
        EXPECT_EQ(second.lastOpenError().fault, PortFault::InUse) << name.toStdString();
        EXPECT_EQ(portOpenErrorLine(second.lastOpenError()), "in use by another program");
    }
    first.close();
    EXPECT_TRUE(second.open(chain));
    EXPECT_EQ(second.lastOpenError().fault, PortFault::None);
    EXPECT_FALSE(first.open(link));
}

TEST(SerialLine, AFailedOpenSaysWhy)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("ttyS99");
    QFile(file).open(QIODevice::WriteOnly);
    const QString dialout = "permission denied: add the user to the dialout group and log in again";
    SerialLine line;
    EXPECT_FALSE(line.open(dir.filePath("ttyUSB9")));
    EXPECT_EQ(line.lastOpenError().fault, PortFault::NotFound);
    EXPECT_EQ(portOpenErrorLine(line.lastOpenError()), "no such device");

    // A device the user may not open, tried by an ordinary user (root may open anything).
    ASSERT_EQ(::chmod(QFile::encodeName(file), 0), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(100);
        SerialLine user;
        const bool told = !user.open(file) && portOpenErrorLine(user.lastOpenError()) == dialout;
        ::_exit(told ? int(user.lastOpenError().fault) : 101);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), int(PortFault::PermissionDenied));
}

TEST(SerialLine, ALostLineClosesOnceWithoutQtWarnings)
{
    Pty pty;
    SerialLine line;
    int lost = 0;
    line.onLost = [&] { ++lost; };
    ASSERT_TRUE(line.open(pty.device));
    ASSERT_EQ(::write(pty.master, "\x55", 1), 1);
    const QtMessageLog log;
    pty.hangUp();
    EXPECT_TRUE(line.readAll().isEmpty());
    EXPECT_TRUE(line.readAll().isEmpty());
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(line.write("\x01"));
    EXPECT_EQ(QtMessageLog::lines.join("\n").toStdString(), "");
}

// A flood while the event loop runs (a message box waits): what is kept until
// the next read stays within its limit; the line still reads afterwards.
TEST(SerialLine, AFloodWhileABoxWaitsKeepsTheInputBounded)
{
    Pty pty;
    SerialLine line;
    ASSERT_TRUE(line.open(pty.device));
    ASSERT_EQ(::fcntl(pty.master, F_SETFL, ::fcntl(pty.master, F_GETFL) | O_NONBLOCK), 0);
    const QByteArray junk(4096, char(0xA5));
    qint64 sent = 0;
    for (int round = 0; round < 400; ++round) {
        const ssize_t n = ::write(pty.master, junk.constData(), size_t(junk.size()));
        sent += std::max<ssize_t>(n, 0);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_GT(sent, SerialLine::InputLimit); // more than is kept
    const QByteArray kept = line.readAll();
    EXPECT_GT(kept.size(), 0);
    EXPECT_LE(kept.size(), SerialLine::InputLimit);
    // The driver's share, then a reply: the line goes on.
    while (!line.readAll().isEmpty())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_EQ(::write(pty.master, "\x55\xAA", 2), 2);
    QByteArray reply;
    for (int i = 0; i < 100 && reply.size() < 2; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        reply += line.readAll();
    }
    EXPECT_EQ(reply, QByteArray("\x55\xAA"));
}

// Qt's warnings reach standard error only when CALLSETUP_DEBUG asks for them.
TEST(QtMessages, KeptOffStandardErrorUnlessAskedFor)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("stderr"));
    const int saved = ::dup(STDERR_FILENO), file = ::open(path, O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(file, 0);
    ::dup2(file, STDERR_FILENO);
    qunsetenv("CALLSETUP_DEBUG");
    routeQtMessages();
    qWarning("quiet warning");
    qCritical("quiet critical");
    qputenv("CALLSETUP_DEBUG", "1");
    routeQtMessages();
    qWarning("loud warning");
    qunsetenv("CALLSETUP_DEBUG");
    qInstallMessageHandler(nullptr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    ::close(file);
    QFile written(QString::fromLocal8Bit(path));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "loud warning\n");
}
