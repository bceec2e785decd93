// callsetup-cli against callsetup-sim on a pseudo-terminal: read and write, a
// silent unit, the progress line on a terminal and the line monitor.

#include "CliRun.h"
#include "SimProcess.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

using namespace cs::test;

namespace {

QByteArray pattern(int seed)
{
    QByteArray image;
    for (int i = 0; i < cs::HostMemorySize; ++i)
        image.append(char(i * seed + i / 256 + seed));
    return image;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The monitor's text back to bytes; none when a line does not end in " \r\n" or a
// value is not upper-case hex without a leading zero.
std::optional<QByteArray> monitorBytes(const QByteArray& text)
{
    QByteArray bytes;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() && text.endsWith('\n'))
            continue;
        if (!line.endsWith(" \r"))
            return std::nullopt;
        for (const QByteArray& value : line.chopped(2).split(' ')) {
            const int v = value.toInt(nullptr, 16);
            if (v > 255 || value != QByteArray::number(v, 16).toUpper())
                return std::nullopt;
            bytes.append(char(v));
        }
    }
    return bytes;
}

class CliLine : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    QTemporaryDir dir_;
};

TEST_F(CliLine, ReadSavesTheMemoryOfTheUnitAndWriteRestoresItWithProgressOnATerminal)
{
    const QByteArray image = pattern(29), other = pattern(113);
    SimProcess sim({"--image", write("unit.bin", image)});
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    // Read, standard error not a terminal: only the messages, no progress line.
    const QString saved = path("saved.cat");
    CliResult r = runCli({"--port", sim.ptyPath(), "--fast", "read", saved}, 30000);
    EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err),
              std::tuple(0, QByteArray(), messageLine("OK", "读取主机内容成功！") + messageLine("OK", "记录已保存到" + saved)));
    EXPECT_EQ(readFile(saved), image);
    QByteArray requests;   // one per block, in order
    for (int b = 0; b < 64; ++b)
        requests += cs::requestFrame(0x0D, QByteArray(1, char(b)));
    EXPECT_EQ(sim.command("received"), "ok " + requests.toHex(' ').toUpper());

    // Write, standard error a terminal: the progress line, wiped at the end, between the messages.
    const QString file = write("restore.CAT", other);
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    QProcess process;
    prepareCli(process, {"--fast", "--port", sim.ptyPath(), "write", file});
    process.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
    process.start();
    ASSERT_TRUE(process.waitForStarted(5000));
    ::close(slave);
    QByteArray terminal;
    char buffer[4096];
    for (QDeadlineTimer deadline(30000); !deadline.hasExpired();) {
        const bool finished = process.waitForFinished(20);
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
            terminal.append(buffer, qsizetype(n));
        if (finished)
            break;
    }
    ::close(master);
    r = finishCli(process, 1000);
    EXPECT_EQ(std::tuple(r.exitCode, r.err), std::tuple(0, QByteArray()));   // everything went to the terminal
    terminal.replace("\r\n", "\n");   // the terminal's own line ends
    for (const char* bar : {"[------------------------------]   0%", "[##############################] 100%"})
        EXPECT_TRUE(terminal.contains(QByteArray("\r正在下发数据到主机…… ") + bar + "\x1b[K")) << bar;
    EXPECT_TRUE(terminal.endsWith("\r\x1b[K") || terminal.endsWith("\n")) << terminal.right(80).constData();
    for (qsizetype at; (at = terminal.indexOf('\r')) >= 0;)   // without the progress lines: the messages
        terminal.remove(at, terminal.indexOf("\x1b[K", at) + 3 - at);
    EXPECT_EQ(terminal, messageLine("OK", "已成功打开备份文件" + file) + messageLine("OK", "下发备份数据到主机成功！"));
    ASSERT_EQ(sim.command("dump " + path("after.bin").toLocal8Bit()), QByteArray("ok"));
    EXPECT_EQ(readFile(path("after.bin")), other);
    EXPECT_EQ(sim.quit(), 0);
}

TEST_F(CliLine, ASilentUnitFailsWithTheWindowsMessage)
{
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    const QString file = write("backup.cat", pattern(3));
    const QByteArray noLink = messageLine("错误", "通讯失败！请检查连线！");
    const std::pair<QStringList, QByteArray> cases[] = {{{"read", path("never.cat")}, noLink},
                                                        {{"--fast", "read", path("never.cat")}, noLink},
                                                        {{"write", file}, messageLine("OK", "已成功打开备份文件" + file) + noLink}};
    for (const auto& [arguments, err] : cases) {
        const CliResult r = runCli(QStringList{"--port", sim.ptyPath()} + arguments);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(1, QByteArray(), err)) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("never.cat")));
    EXPECT_EQ(sim.quit(), 0);
}

TEST_F(CliLine, MonitorShowsTheBytesOnTheLineAndEndsCleanlyOnASignal)
{
    const QByteArray image = pattern(77);
    const QByteArray reply = cs::replyFrame(0x0D, image.mid(128 * 5, 128));
    const std::tuple<const char*, int, QByteArray> cases[] = {
        {"", SIGTERM, reply}, {"noise", SIGINT, hex("13 55 55 00 55") + reply + hex("55 AA 7E")}};
    for (const auto& c : cases) {
        const char* fault = std::get<0>(c);
        const int signal = std::get<1>(c);
        const QByteArray& expected = std::get<2>(c);
        SimProcess sim(QStringList{"--image", write("unit.bin", image)} + (*fault ? QStringList{"--fault", fault} : QStringList{}));
        ASSERT_TRUE(sim.start()) << fault << sim.errorOutput().constData();
        QProcess process;
        prepareCli(process, {"--port", sim.ptyPath(), "monitor"});
        process.start();
        ASSERT_TRUE(process.waitForStarted(5000));
        // The monitor shows bytes that arrive once its port is open: ask the unit
        // (through its side of the line) again if the first answer came too early.
        QByteArray text;
        const auto complete = [&] { return monitorBytes(text).value_or("").size() >= expected.size(); };
        for (int attempt = 0; attempt < 5 && !complete(); ++attempt) {
            process.waitForReadyRead(300);
            text += process.readAllStandardOutput();
            const int fd = ::open(sim.ptyPath().toLocal8Bit().constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            ASSERT_GE(fd, 0);
            const QByteArray request = cs::requestFrame(0x0D, hex("05"));
            EXPECT_EQ(::write(fd, request.constData(), size_t(request.size())), request.size());
            ::close(fd);
            for (QDeadlineTimer deadline(1500); !deadline.hasExpired() && !complete();)
                process.waitForReadyRead(50), text += process.readAllStandardOutput();
        }
        ::kill(pid_t(process.processId()), signal);
        const CliResult r = finishCli(process, 5000);
        EXPECT_EQ(std::tuple(r.exitCode, r.err), std::tuple(0, QByteArray())) << fault;
        // The answer to every request the monitor saw, whole and in order.
        const QByteArray bytes = monitorBytes(text + r.out).value_or("");
        ASSERT_FALSE(bytes.isEmpty()) << fault << (text + r.out).constData();
        EXPECT_EQ(bytes.size() % expected.size(), 0) << fault;
        for (qsizetype at = 0; at + expected.size() <= bytes.size(); at += expected.size())
            EXPECT_EQ(bytes.mid(at, expected.size()).toHex(' '), expected.toHex(' ')) << fault;
        EXPECT_EQ(sim.quit(), 0) << fault;
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
    EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(1, QByteArray(), QByteArray("串口已关闭\n")));
    EXPECT_EQ(sim.waitForExit(), 0);
}

} // namespace
