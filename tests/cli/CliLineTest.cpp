// callsetup-cli against callsetup-sim on a pseudo-terminal: read, write, and the
// line going away in the middle of a read.
#include "CliRun.h"
#include "link/Frame.h"
#include "support/Files.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
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

} // namespace

TEST(CliLine, ReadSavesTheUnitAndWriteRestoresIt)
{
    QTemporaryDir dir;
    const QByteArray image = pattern(29), other = pattern(113);
    SimProcess sim({"--image", writeFile(dir.filePath("unit.bin"), image)});
    ASSERT_TRUE(sim.start());
    const QString saved = dir.filePath("saved.cat");
    CliResult r = runCli({"--port", sim.ptyPath(), "--fast", "read", saved});
    const QByteArray readDone = "OK: 读取主机内容成功！\nOK: 记录已保存到" + saved.toUtf8() + "\n";
    EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(0, QByteArray(), readDone));
    EXPECT_EQ(readFile(saved), image);

    const QString file = writeFile(dir.filePath("restore.CAT"), other);
    r = runCli({"--fast", "--port", sim.ptyPath(), "write", file});
    const QByteArray writeDone = "OK: 已成功打开备份文件" + file.toUtf8() + "\nOK: 下发备份数据到主机成功！\n";
    EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(0, QByteArray(), writeDone));
    ASSERT_EQ(sim.command("dump " + dir.filePath("after.bin").toLocal8Bit()), QByteArray("ok"));
    EXPECT_EQ(readFile(dir.filePath("after.bin")), other);
    EXPECT_EQ(sim.command("nonsense"), QByteArray("error unknown command"));
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
    for (QDeadlineTimer wait(10000); sim.command("received") == "ok" && !wait.hasExpired();)
        QThread::msleep(50);
    sim.send("vanish");
    EXPECT_TRUE(cli.waitForFinished(10000));   // no hang
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(cli.readAllStandardError(), QByteArray("错误: 通讯失败！请检查连线！\n"));
    EXPECT_FALSE(QFile::exists(saved));
    EXPECT_EQ(sim.quit(), 0);
}
