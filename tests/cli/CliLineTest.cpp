// callsetup-cli against callsetup-sim on a pseudo-terminal: read and write, the
// line going away in the middle of a read, a download that does not complete,
// and the monitor's two ends.
#include "CliRun.h"
#include "support/Files.h"
#include "support/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

using namespace cs::test;

namespace {

QByteArray pattern(int seed)
{
    QByteArray image;
    for (int i = 0; i < 8192; ++i)
        image.append(char(i * seed + i / 256 + seed));
    return image;
}

// Waits until the unit has received `count` requests with `code` (hex, "18").
void awaitRequests(SimProcess& sim, const QByteArray& code, int count)
{
    int seen = 0;
    for (QDeadlineTimer wait(15000); seen < count && !wait.hasExpired();) {
        seen += sim.command("received").count("55 55 AA 01 " + code);
        QThread::msleep(20);
    }
}

// Waits until the process holds `device` open twice: its lock and the port
// itself (the lock alone comes before the port is opened).
bool awaitOpen(const QProcess& process, const QString& device)
{
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(process.processId()));
    for (QDeadlineTimer wait(15000); !wait.hasExpired(); QThread::msleep(20)) {
        const QFileInfoList open = fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot);
        if (std::count_if(open.begin(), open.end(),
                          [&](const QFileInfo& fd) { return fd.symLinkTarget() == device; })
            >= 2)
            return true;
    }
    return false;
}

} // namespace

TEST(CliLine, AReadThatMetABadCopyStillSavesAndWriteRestores)
{
    QTemporaryDir dir;
    const QByteArray image = pattern(29), other = pattern(113);
    // Every reply comes after a reply with a wrong checksum: each block shows the
    // checksum message (once, then counted), and the read and the download still complete.
    SimProcess sim({"--image", writeFile(dir.filePath("unit.bin"), image), "--fault", "badcopy"});
    ASSERT_TRUE(sim.start());
    const QString saved = dir.filePath("saved.cat");
    CliResult r = runCli({"--port", sim.ptyPath(), "--fast", "read", saved});
    // The 64 checksum messages are one line and a count.
    const QByteArray crc = "错误: CRC校验错误\n上一行又重复了 63 次\n";
    const QByteArray readDone = crc + "OK: 读取主机内容成功！\nOK: 记录已保存到" + saved.toUtf8()
        + "\n";
    EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(0, QByteArray(), readDone));
    EXPECT_EQ(readFile(saved), image);

    const QString file = writeFile(dir.filePath("restore.CAT"), other);
    r = runCli({"--fast", "--port", sim.ptyPath(), "write", file});
    const QByteArray writeDone = "OK: 已成功打开备份文件" + file.toUtf8() + "\n" + crc
        + "OK: 下发备份数据到主机成功！\n";
    EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(0, QByteArray(), writeDone));
    ASSERT_EQ(sim.command("dump " + dir.filePath("after.bin").toLocal8Bit()), QByteArray("ok"));
    EXPECT_EQ(readFile(dir.filePath("after.bin")), other);
    EXPECT_EQ(sim.quit(), 0);
}

TEST(CliLine, TheLineGoingAwayMidReadFailsAndSavesNothing)
{
    QTemporaryDir dir;
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    QProcess cli;
    const QString saved = dir.filePath("never.cat");
    cli.start(QStringLiteral(CALLSETUP_CLI_PROGRAM), {"--port", sim.ptyPath(), "read", saved});
    // Gone once the first request has arrived; the 64 blocks take 12.8 s.
    awaitRequests(sim, "0D", 1);
    sim.send("vanish");
    EXPECT_TRUE(cli.waitForFinished(10000)); // no hang
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(cli.readAllStandardError(), QByteArray("错误: 通讯失败！请检查连线！\n"));
    EXPECT_FALSE(QFile::exists(saved));
    EXPECT_EQ(sim.quit(), 0);
}

TEST(CliLine, ADownloadThatBreaksOrIsStoppedSaysWhatTheUnitHolds)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath("unit.cat"), pattern(7));
    const QRegularExpression summary(
        "下发在第 (\\d+) 块（共 64 块）之后结束：主机中现在一部分是备份的内容，一部分是原来的"
        "内存；请重新下发备份\n$");
    for (const bool interrupt : {false, true}) {
        SimProcess sim;
        ASSERT_TRUE(sim.start());
        QProcess cli;
        cli.start(QStringLiteral(CALLSETUP_CLI_PROGRAM),
                  {"--port", sim.ptyPath(), "--fast", "write", file});
        awaitRequests(sim, "18", 5);
        if (interrupt)
            ::kill(pid_t(cli.processId()), SIGINT); // ends after the block in progress
        else
            ASSERT_EQ(sim.command("fault silent"), QByteArray("ok"));
        ASSERT_TRUE(cli.waitForFinished(10000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_EQ(std::tuple(cli.exitStatus(), cli.exitCode()),
                  std::tuple(QProcess::NormalExit, 1));
        const QRegularExpressionMatch m = summary.match(err);
        ASSERT_TRUE(m.hasMatch()) << err.toStdString();
        EXPECT_GE(m.captured(1).toInt(), 4) << err.toStdString();
        EXPECT_LT(m.captured(1).toInt(), 64) << err.toStdString();
        EXPECT_EQ(err.contains("通讯失败！请检查连线！"), !interrupt) << err.toStdString();
        EXPECT_EQ(sim.quit(), 0);
    }
}

// A stop during the read-back of write --verify, a second Ctrl+C during a
// download, a Ctrl+C while table set listens: each says what happened.
TEST(CliLine, EveryStopSaysWhatHappened)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath("unit.cat"), pattern(11));
    const char* checkStopped =
        "注意: 下发备份数据到主机成功，读回校验在第\\d+块（共64块）后停止，没有做完！\n$";
    const char* unitHolds = "\n下发在第 \\d+ 块（共 64 块）之后结束：主机中现在一部分是备份的内容，"
                            "一部分是原来的内存；请重新下发备份\n$";
    const char* tableStopped =
        "\ntable set 已停止：主机可能仍在等待呼叫器的服务键，也可能已经设置了这个餐桌号\n$";
    const QStringList noPress{"--no-press"};
    const struct {
        QStringList simArguments, arguments;
        QByteArray code; // the requests awaited before the signals, and their count
        int requests;
        int interrupts;
        bool killed; // ended by the signal, not by an exit status
        const char* lastLine;
    } cases[] = {
        {{}, {"--fast", "write", "--verify", file}, "0D", 3, 1, false, checkStopped},
        {{}, {"--fast", "write", file}, "18", 5, 2, true, unitHolds},
        {noPress, {"table", "set", "5"}, "03", 1, 1, true, tableStopped},
    };
    for (const auto& c : cases) {
        SimProcess sim(c.simArguments);
        ASSERT_TRUE(sim.start());
        QProcess cli;
        cli.start(QStringLiteral(CALLSETUP_CLI_PROGRAM),
                  QStringList{"--port", sim.ptyPath()} + c.arguments);
        awaitRequests(sim, c.code, c.requests);
        for (int i = 0; i < c.interrupts; ++i) {
            ::kill(pid_t(cli.processId()), SIGINT);
            QThread::msleep(20);
        }
        ASSERT_TRUE(cli.waitForFinished(10000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_EQ(std::tuple(cli.exitStatus(), c.killed ? 1 : cli.exitCode()),
                  std::tuple(c.killed ? QProcess::CrashExit : QProcess::NormalExit, 1))
            << c.code.constData();
        EXPECT_TRUE(QRegularExpression(c.lastLine).match(err).hasMatch()) << err.toStdString();
        EXPECT_EQ(sim.quit(), 0);
    }
}

TEST(CliLine, TheMonitorEndsOnATerminationSignalOrWhenTheLineGoesAway)
{
    for (const bool vanish : {false, true}) {
        SimProcess sim;
        ASSERT_TRUE(sim.start());
        QProcess cli;
        cli.start(QStringLiteral(CALLSETUP_CLI_PROGRAM), {"--port", sim.ptyPath(), "monitor"});
        ASSERT_TRUE(awaitOpen(cli, sim.ptyPath()));
        if (vanish)
            sim.send("vanish");
        else
            ::kill(pid_t(cli.processId()), SIGTERM);
        ASSERT_TRUE(cli.waitForFinished(10000));
        const QByteArray said = vanish ? "线路已断开：" + sim.ptyPath().toUtf8() + " 已关闭\n" : "";
        EXPECT_EQ(std::tuple(cli.exitStatus(), cli.exitCode(), cli.readAllStandardError()),
                  std::tuple(QProcess::NormalExit, vanish ? 1 : 0, said));
        EXPECT_EQ(sim.quit(), 0);
    }
}

TEST(CliLine, ReadEditOfflineAndWriteBackWithVerify)
{
    // The README's workflow: read the unit once, edit its backup, write it back once.
    QTemporaryDir dir;
    QByteArray image(8192, '\xFF');
    image.replace(1280, 9, QByteArray::fromHex("0A1B01000501FFFF07"));
    image[8190] = 0, image[8191] = 1, image[2046] = 0;
    SimProcess sim({"--image", writeFile(dir.filePath("unit.bin"), image)});
    ASSERT_TRUE(sim.start());
    const QString backup = dir.filePath("unit.cat");
    const QStringList port = {"--port", sim.ptyPath(), "--fast", "--lang", "en"};
    ASSERT_EQ(runCli(port + QStringList{"read", backup}).exitCode, 0);
    const QList<QStringList> edits = {{"pager", "set", "12", "1234567", "--model", "new"},
                                      {"table", "edit", "5", "--pagers", "12,13"},
                                      {"table", "move", "5", "21"},
                                      {"set", "key1", "maidan"}};
    for (const QStringList& edit : edits)
        ASSERT_EQ(runCli(QStringList{"--backup", backup} + edit).exitCode, 0)
            << edit.join(' ').toStdString();
    const CliResult r = runCli(port + QStringList{"write", "--verify", backup});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.err.endsWith("Backup downloaded; the memory read back matches it.\n"))
        << r.err.constData();
    ASSERT_EQ(sim.command("dump " + dir.filePath("after.bin").toLocal8Bit()), QByteArray("ok"));
    const QByteArray after = readFile(dir.filePath("after.bin"));
    EXPECT_EQ(after, readFile(backup));
    EXPECT_EQ(after.mid(55, 5).toHex(), "5112345670");           // pager 12: Q, 1234567, tone 1
    EXPECT_EQ(after.mid(1280, 9).toHex(), "0a1b0100150c0dff07"); // table 21, its caller kept
    EXPECT_EQ(int(after[2026]), 7);                              // key 1: 买单
}
