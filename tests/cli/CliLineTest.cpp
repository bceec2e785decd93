// callsetup-cli against callsetup-sim on a pseudo-terminal: reads, downloads,
// a silent unit, the progress line on a terminal and the line monitor.

#include "CliRun.h"
#include "SimProcess.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using cs::test::CliResult;
using cs::test::finishCli;
using cs::test::hex;
using cs::test::messageLine;
using cs::test::prepareCli;
using cs::test::runCli;
using cs::test::SimProcess;

namespace {

QByteArray pattern(int seed)
{
    QByteArray image;
    for (int i = 0; i < cs::HostMemorySize; ++i)
        image.append(char((i * seed + i / 256 + seed) & 0xFF));
    return image;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes bytes into the line as if the unit's side had been asked: the
// simulator answers a request written to its terminal.
bool inject(const QString& pty, const QByteArray& bytes)
{
    const int fd = ::open(pty.toLocal8Bit().constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(fd);
    return ok;
}

// The monitor's text back to bytes, checking its format on the way: every
// line ends in CR LF, every value is upper-case hex without a leading zero,
// followed by one space.
bool monitorBytes(const QByteArray& text, QByteArray& bytes)
{
    bytes.clear();
    if (!text.isEmpty() && !text.endsWith("\r\n"))
        return false;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        if (!line.endsWith(" \r"))
            return false;
        for (const QByteArray& value : line.chopped(2).split(' ')) {
            bool ok = false;
            const int v = value.toInt(&ok, 16);
            if (!ok || v > 255 || value != QByteArray::number(v, 16).toUpper())
                return false;
            bytes.append(char(v));
        }
    }
    return true;
}

class CliLine : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(CliLine, ReadSavesTheMemoryOfTheUnit)
{
    const QByteArray image = pattern(29);
    ASSERT_TRUE(writeFile(path("unit.bin"), image));
    SimProcess sim({"--image", path("unit.bin")});
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();

    const QString file = path("saved.cat");
    const CliResult r = runCli({"--port", sim.ptyPath(), "--fast", "read", file}, 30000);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, messageLine("OK", "读取主机内容成功！") + messageLine("OK", "记录已保存到" + file));
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_EQ(readFile(file), image);
    // One request per block, in order.
    QByteArray expected;
    for (int b = 0; b < 64; ++b)
        expected += cs::requestFrame(0x0D, QByteArray(1, char(b)));
    EXPECT_EQ(sim.command("received"), "ok " + expected.toHex(' ').toUpper());
    EXPECT_EQ(sim.quit(), 0);
}

TEST_F(CliLine, WriteMakesTheMemoryOfTheUnitTheFile)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    const QByteArray image = pattern(113);
    const QString file = path("restore.CAT");
    ASSERT_TRUE(writeFile(file, image));

    const CliResult r = runCli({"--fast", "--port", sim.ptyPath(), "write", file}, 30000);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, messageLine("OK", "已成功打开备份文件" + file) + messageLine("OK", "下发备份数据到主机成功！"));
    EXPECT_EQ(r.out, QByteArray());
    ASSERT_EQ(sim.command("dump " + path("after.bin").toLocal8Bit()), QByteArray("ok"));
    EXPECT_EQ(readFile(path("after.bin")), image);
    EXPECT_EQ(sim.quit(), 0);
}

TEST_F(CliLine, ASilentUnitFailsWithTheWindowsMessage)
{
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    const QString file = path("backup.cat");
    ASSERT_TRUE(writeFile(file, pattern(3)));
    const QByteArray noLink = messageLine("错误", "通讯失败！请检查连线！");
    struct Case {
        QStringList arguments;
        QByteArray err;
    };
    const Case cases[] = {
        {{"read", path("never.cat")}, noLink},
        {{"--fast", "read", path("never.cat")}, noLink},
        {{"write", file}, messageLine("OK", "已成功打开备份文件" + file) + noLink},
    };
    for (const Case& c : cases) {
        const CliResult r = runCli(QStringList{"--port", sim.ptyPath()} + c.arguments);
        EXPECT_EQ(r.exitCode, 1) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.err, c.err) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.out, QByteArray());
    }
    EXPECT_FALSE(QFile::exists(path("never.cat")));
    EXPECT_EQ(sim.quit(), 0);
}

TEST_F(CliLine, ProgressLineOnATerminalEndsWiped)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    const QString file = path("restore.cat");
    ASSERT_TRUE(writeFile(file, pattern(5)));

    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, O_NONBLOCK);

    QProcess process;
    prepareCli(process, {"--fast", "--port", sim.ptyPath(), "write", file});
    process.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
    process.start();
    ASSERT_TRUE(process.waitForStarted(5000));
    ::close(slave);
    QByteArray terminal;
    const auto drain = [&] {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(master, buffer, sizeof buffer)) > 0)
            terminal.append(buffer, qsizetype(n));
    };
    QDeadlineTimer deadline(30000);
    while (!process.waitForFinished(20) && !deadline.hasExpired())
        drain();
    drain();
    ::close(master);
    const CliResult r = finishCli(process, 1000);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QByteArray());   // everything went to the terminal

    EXPECT_TRUE(terminal.contains("\r正在下发数据到主机…… [------------------------------]   0%\x1b[K"));
    EXPECT_TRUE(terminal.contains("\r正在下发数据到主机…… [##############################] 100%\x1b[K"));
    EXPECT_TRUE(terminal.endsWith("\r\x1b[K") || terminal.endsWith("\n")) << terminal.right(80).constData();
    // Without the progress lines only the messages are left, each on its own line.
    QByteArray messages = terminal;
    for (qsizetype at; (at = messages.indexOf('\r')) >= 0;) {
        const qsizetype end = messages.indexOf("\x1b[K", at);
        ASSERT_GE(end, 0);
        messages.remove(at, end + 3 - at);
    }
    EXPECT_EQ(messages, messageLine("OK", "已成功打开备份文件" + file) + messageLine("OK", "下发备份数据到主机成功！"));
    EXPECT_EQ(sim.quit(), 0);
}

// Starts the monitor, makes the unit answer a block read, and stops the
// monitor with the signal; returns what the monitor showed as bytes.
struct MonitorRun {
    int exitCode = -1;
    QByteArray text;
    QByteArray err;
};

MonitorRun monitorOnce(SimProcess& sim, const QStringList& arguments, const QProcessEnvironment& env,
                       const QByteArray& request, qsizetype expectedBytes, int signal)
{
    QProcess process;
    prepareCli(process, arguments, env);
    process.start();
    if (!process.waitForStarted(5000))
        return {};
    QByteArray text;
    const auto complete = [&] {
        QByteArray bytes;
        return monitorBytes(text, bytes) && bytes.size() >= expectedBytes;
    };
    // The monitor shows bytes that arrive once its port is open; ask again if
    // the first answer came too early for it.
    for (int attempt = 0; attempt < 5 && !complete(); ++attempt) {
        process.waitForReadyRead(300);
        text += process.readAllStandardOutput();
        inject(sim.ptyPath(), request);
        QDeadlineTimer deadline(1500);
        while (!deadline.hasExpired() && !complete()) {
            process.waitForReadyRead(50);
            text += process.readAllStandardOutput();
        }
    }
    ::kill(pid_t(process.processId()), signal);
    const CliResult r = finishCli(process, 5000);
    return {r.exitCode, text + r.out, r.err};
}

TEST_F(CliLine, MonitorShowsTheBytesOnTheLineAndEndsCleanlyOnASignal)
{
    const QByteArray image = pattern(77);
    ASSERT_TRUE(writeFile(path("unit.bin"), image));
    const QByteArray reply = cs::replyFrame(0x0D, image.mid(128 * 5, 128));
    const QByteArray request = cs::requestFrame(0x0D, hex("05"));
    const QByteArray noisyReply = hex("13 55 55 00 55") + reply + hex("55 AA 7E");

    // The unit reached as COM3 through the per-user link, as the main window would.
    QProcessEnvironment linked = QProcessEnvironment::systemEnvironment();
    linked.insert("XDG_CONFIG_HOME", path("config"));

    struct Case {
        const char* name;
        QStringList simArguments;
        QProcessEnvironment env;
        bool byLink;
        int signal;
        QByteArray expected;
    };
    const Case cases[] = {
        {"reply, SIGTERM", {}, QProcessEnvironment::systemEnvironment(), false, SIGTERM, reply},
        {"noise, SIGINT", {"--fault", "noise"}, QProcessEnvironment::systemEnvironment(), false, SIGINT, noisyReply},
        {"COM3, SIGTERM", {"--link", "com3"}, linked, true, SIGTERM, reply},
    };
    for (const Case& c : cases) {
        SimProcess sim(QStringList{"--image", path("unit.bin")} + c.simArguments, c.env);
        ASSERT_TRUE(sim.start()) << c.name << sim.errorOutput().constData();
        const QStringList arguments = {"--port", c.byLink ? QString("COM3") : sim.ptyPath(), "monitor"};
        const MonitorRun run = monitorOnce(sim, arguments, c.env, request, c.expected.size(), c.signal);
        EXPECT_EQ(run.exitCode, 0) << c.name;
        EXPECT_EQ(run.err, QByteArray()) << c.name;
        QByteArray bytes;
        ASSERT_TRUE(monitorBytes(run.text, bytes)) << c.name << run.text.constData();
        // The answer to every request the monitor saw, whole and in order.
        ASSERT_FALSE(bytes.isEmpty()) << c.name;
        EXPECT_EQ(bytes.size() % c.expected.size(), 0) << c.name;
        for (qsizetype at = 0; at + c.expected.size() <= bytes.size(); at += c.expected.size())
            EXPECT_EQ(bytes.mid(at, c.expected.size()).toHex(' '), c.expected.toHex(' ')) << c.name;
        EXPECT_EQ(sim.quit(), 0) << c.name;
    }
}

TEST_F(CliLine, MonitorEndsWithFailureWhenTheLineGoesAway)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    QProcess process;
    prepareCli(process, {"--port", sim.ptyPath(), "monitor"});
    process.start();
    ASSERT_TRUE(process.waitForStarted(5000));
    QThread::msleep(300);
    sim.send("vanish");
    const CliResult r = finishCli(process, 5000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QByteArray("串口已关闭\n"));
    EXPECT_EQ(sim.waitForExit(), 0);
}

} // namespace
