#include "BackupRig.h"
#include "memory/BackupFile.h"

#include <QDir>
#include <csignal>
#include <sys/resource.h>

using namespace cs;
using namespace cs::test;

TEST(BackupFile, ExtensionIsExactlyLowerOrUpperCase)
{
    const std::pair<const char*, bool> cases[] = {
        {"/tmp/a.cat", true}, {"/tmp/a.CAT", true}, {".cat", true}, {"/tmp/a.Cat", false}, {"/tmp/a.cAT", false},
        {"/tmp/a.cat.txt", false}, {"cat", false}, {"/tmp/acat", false}, {"/tmp/a.cat ", false}, {"", false}};
    for (const auto& [name, passes] : cases)
        EXPECT_EQ(hasBackupExtension(QString::fromUtf8(name)), passes) << name;
}

TEST(BackupFile, SaveThenOpenGivesBackTheSameCellsAndAnIdenticalFile)
{
    BackupRig rig, other;
    rig.readUnit(21);
    QTemporaryDir dir;
    const QString first = dir.filePath("first.cat"), second = dir.filePath("second.CAT");
    writeFile(first, pattern(10000, 3));   // a longer file is replaced whole
    rig.ui.saveFileName = first;
    rig.backup.saveFile();
    EXPECT_EQ(rig.ui.messages, ok("记录已保存到" + first));
    EXPECT_EQ(readAll(first), rig.unitMemory());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.cat"});   // no temporary left
    other.ui.openFileName = first;
    other.backup.openFile();
    EXPECT_EQ(other.ui.messages, ok("已成功打开备份文件" + first));
    EXPECT_EQ(other.hostImage(), rig.hostImage());
    EXPECT_EQ(other.flags(), (std::array{true, true, false, false}));
    EXPECT_EQ(other.shown(), "读取进度条 0/63 compact 主机内容已读取 分机未读取*");
    EXPECT_TRUE(other.requests().isEmpty());
    other.ui.saveFileName = second;
    other.backup.saveFile();
    EXPECT_EQ(readAll(second), readAll(first));
}

TEST(BackupFile, OpenTakesTheFirst8192BytesOrRefusesTheFile)
{
    const std::pair<const char*, int> cases[] = {   // size -1: missing, -2: a folder
        {"short.cat", 8191}, {"empty.cat", 0}, {"missing.cat", -1}, {"folder.CAT", -2}, {"long.cat", 9000}};
    for (const auto& [name, size] : cases) {
        SCOPED_TRACE(name);
        BackupRig rig;
        rig.state.HostImage.fill(0x42);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QByteArray data = pattern(std::max(size, 0), 5);
        if (size >= 0)
            writeFile(path, data);
        else if (size == -2)
            QDir().mkpath(path);
        rig.ui.openFileName = path;
        rig.backup.openFile();
        const bool opens = size >= 8192;
        EXPECT_EQ(rig.ui.messages, opens ? ok("已成功打开备份文件" + path) : stop("文件" + path + "打开失败！"));
        EXPECT_EQ(bytes(rig.state.HostImage.data(), BufferCells),
                  (opens ? data.left(8192) : QByteArray(8192, '\x42')) + QByteArray(BufferCells - 8192, '\x42'));
        EXPECT_EQ(rig.flags(), (std::array{opens, opens, false, false}));
        EXPECT_EQ(rig.view.label6, opens ? "主机内容已读取" : "主机未读取");
    }
}

TEST(BackupFile, WrongExtensionOrCancelledDialogTouchesNothing)
{
    BackupRig rig;
    rig.readUnit(22);
    QTemporaryDir dir;
    const struct { bool save; const char* name; QList<Message> messages; } cases[] = {
        {true, "a.Cat", stop("保存文件的扩展名必须为.cat！")}, {true, "a.cat.txt", stop("保存文件的扩展名必须为.cat！")},
        {true, "", {}}, {false, "b.Cat", stop("请选择.cat文件")}, {false, "", {}}};
    for (const auto& c : cases) {
        rig.ui.messages.clear(), rig.ui.events.clear();
        rig.ui.saveFileName = rig.ui.openFileName = *c.name ? dir.filePath(c.name) : QString();
        c.save ? rig.backup.saveFile() : rig.backup.openFile();
        EXPECT_EQ(rig.ui.messages, c.messages) << c.name;
        EXPECT_TRUE(rig.ui.events.contains(c.save ? "saveDialog" : "openDialog")) << c.name;
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(rig.hostImage(), rig.unitMemory());
}

TEST(BackupFile, SaveFailureKeepsTheOldFile)
{
    BackupRig rig;
    rig.readUnit(23);
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.cat");
    writeFile(path, pattern(100, 9));
    // Files may grow to 4096 bytes only: the write fails half way, as on a full
    // disk (permission bits would not stop a root user).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    rig.ui.saveFileName = path;
    rig.backup.saveFile();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(rig.ui.messages, stop("文件" + path + "保存失败！"));
    EXPECT_EQ(readAll(path), pattern(100, 9));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.cat"});
}

TEST(BackupFile, SaveAndDownloadRefusedWithoutAHostImage)
{
    for (bool receiverRead : {false, true}) {
        BackupRig rig;
        if (receiverRead)   // an image, but not the host's
            rig.serveReceivers(), rig.backup.readBuiltInReceiver(), rig.ui.messages.clear();
        ASSERT_EQ(rig.state.ImageDataPresent, receiverRead);
        rig.ui.saveFileName = "/tmp/never-written.cat";
        rig.backup.saveFile();
        rig.backup.download();
        EXPECT_EQ(rig.ui.messages, stop("主机数据未读取，无法保存文件！") + stop("主机数据未读取，无法下发！"));
        EXPECT_FALSE(rig.ui.events.contains("saveDialog") || QFile::exists("/tmp/never-written.cat"));
        EXPECT_EQ(rig.requests().size(), receiverRead ? 2 : 0);   // no block written
        EXPECT_EQ(rig.unitMemory(), QByteArray(8192, '\xFF'));
    }
}

TEST(Download, SendsTheOpenedFileInSixtyFourBlocks)
{
    BackupRig rig;
    QByteArray file = pattern(8192, 11);
    file.replace(0, 128, QByteArray(128, '\0'));
    rig.openImage(file);
    rig.replyWith(0x18, -1, hex("A7"));   // any acknowledgement byte will do
    QList<double> waits;
    rig.clock.onWait = [&](double s) { waits << s; };
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, ok("下发备份数据到主机成功！"));
    ASSERT_EQ(rig.requests().size(), 64);
    for (int b = 0; b < 64; ++b) {
        const QByteArray body = hex("01 18 81") + char(b) + file.mid(128 * b, 128);
        EXPECT_EQ(rig.requests()[b], body + char(frameChecksum(reinterpret_cast<const std::uint8_t*>(body.data()), 132)));
    }
    EXPECT_EQ(rig.requests()[0], hex("01 18 81 00") + QByteArray(128, '\0') + hex("65"));
    EXPECT_TRUE(rig.port.written.startsWith(hex("55 55 AA 01 18 81 00")));
    EXPECT_EQ(rig.port.written.size(), 64 * 136);
    EXPECT_EQ(rig.unitMemory(), file);
    EXPECT_EQ(waits, QList<double>(64, 0.3));
    EXPECT_NEAR(rig.clock.now(), 19.2, 1e-9);
    EXPECT_EQ(rig.shown(), "下发进度条 0/63 compact 主机内容已读取 分机未读取*");
}

TEST(Download, StopsAtAWrongOrMissingAcknowledgement)
{
    const struct { int block; bool silent; const char* message; } cases[] = {
        {12, false, "返回数据长度错误！"}, {30, true, "通讯失败！请检查连线！"}};
    for (const auto& c : cases) {
        BackupRig rig;
        rig.openImage(pattern(8192, 12));
        if (c.silent)
            rig.port.line.faults.silentFromBlock = c.block;
        else
            rig.replyWith(0x18, c.block, hex("00 00"));
        rig.backup.download();
        EXPECT_EQ(rig.ui.messages, stop(c.message)) << c.block;
        EXPECT_EQ(rig.requests().size(), c.block + 1) << c.block;   // later blocks not sent
        EXPECT_EQ(rig.shown(), QString("下发进度条 %1/63 compact 主机内容已读取 分机未读取*").arg(c.block - c.silent));
    }
}

TEST(Operations, FailedWriteReleasesThePortAndTheNextRunCompletes)
{
    const struct { void (DataBackup::*op)(); const char *busy, *failed, *done; int at; } cases[] = {
        {&DataBackup::readHost, "正在读取主机内容……", "读取主机内容失败！", "读取主机内容成功！", 5},
        {&DataBackup::download, "正在下发数据到主机……", "下发主机内容失败！", "下发备份数据到主机成功！", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failed);
        BackupRig rig;
        rig.readUnit(9);
        rig.fillUnit(10);
        QObject::connect(&rig.view, &BackupView::changed, [&rig, at = c.at, done = false]() mutable {
            if (!done && rig.view.progressValue == at)
                done = true, rig.port.close();   // the driver drops the device behind our back
        });
        (rig.backup.*c.op)();
        EXPECT_EQ(rig.ui.messages, stop(c.failed));
        EXPECT_EQ(rig.requests().size(), c.at + 1);
        EXPECT_EQ(rig.shown(), QString(c.busy) + " 0/63 compact 主机内容已读取 分机未读取*");   // keeps its progress text
        EXPECT_FALSE(rig.state.PortIsOpen);
        rig.ui.messages.clear();   // the next run opens the port again and completes
        (rig.backup.*c.op)();
        EXPECT_EQ(rig.ui.messages, ok(c.done));
        EXPECT_EQ(rig.hostImage(), rig.unitMemory());
        EXPECT_EQ(rig.port.openedDevices.size(), 2);
    }
}

TEST(Operations, PortThatCannotOpenStopsBeforeAnything)
{
    for (auto op : {&DataBackup::readHost, &DataBackup::openFile, &DataBackup::download}) {
        BackupRig rig;
        rig.state.HostImageLoaded = true;   // download has something to send
        rig.port.failOpen = true;
        rig.ui.openFileName = "/tmp/whatever.cat";
        (rig.backup.*op)();
        EXPECT_EQ(rig.ui.messages, stop(PortBusy));
        EXPECT_FALSE(rig.ui.events.contains("openDialog"));
        EXPECT_TRUE(rig.port.written.isEmpty());
        EXPECT_EQ(rig.clock.waits, 0);
        EXPECT_EQ(rig.shown(), "读取进度条 0/63 compact 主机未读取 分机未读取*");
    }
}
