#include "BackupRig.h"
#include "memory/BackupFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace cs;
using namespace cs::test;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + seed) ^ (i >> 8));
    return b;
}

// A rig whose host image came from a read of the unit.
struct LoadedRig : BackupRig {
    LoadedRig()
    {
        fillUnit(21);
        backup.readHost();
        ui.messages.clear();
        ui.events.clear();
    }
};

} // namespace

TEST(BackupExtension, OnlyExactLowerOrUpperCase)
{
    const struct {
        const char* name;
        bool passes;
    } cases[] = {
        {"/tmp/a.cat", true}, {"/tmp/a.CAT", true}, {".cat", true}, {"x.CAT", true},
        {"/tmp/a.Cat", false}, {"/tmp/a.cAT", false}, {"/tmp/a.cat.txt", false}, {"cat", false},
        {"/tmp/acat", false}, {"/tmp/a.cat ", false}, {"", false}, {"/tmp/a.ca", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasBackupExtension(QString::fromUtf8(c.name)), c.passes) << c.name;
}

TEST(SaveFile, AfterAHostReadWritesTheImageExactly)
{
    LoadedRig rig;
    QTemporaryDir dir;
    const QString path = dir.filePath("unit.cat");
    rig.ui.saveFileName = path;
    rig.backup.saveFile();
    EXPECT_EQ(rig.ui.messages, QList<Message>{ok("记录已保存到" + path)});
    EXPECT_EQ(readAll(path), rig.unitMemory());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"unit.cat"});   // no temporary left
}

TEST(SaveFile, ReplacesALongerFileWhole)
{
    LoadedRig rig;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.CAT");
    writeFile(path, pattern(10000, 3));
    rig.ui.saveFileName = path;
    rig.backup.saveFile();
    EXPECT_EQ(readAll(path), rig.unitMemory());
}

TEST(SaveFile, RefusedWithoutAHostImage)
{
    struct Case {
        const char* name;
        bool receiverRead;
        bool imageDataOnly;
    };
    for (const Case& c : {Case{"nothing read", false, false}, Case{"only a receiver read", true, false},
                          Case{"flag without host image", false, true}}) {
        BackupRig rig;
        if (c.receiverRead) {
            rig.serveReceivers();
            rig.backup.readBuiltInReceiver();
            ASSERT_TRUE(rig.state.ImageDataPresent) << c.name;
        }
        if (c.imageDataOnly)
            rig.state.ImageDataPresent = true;
        rig.ui.messages.clear();
        rig.ui.saveFileName = "/tmp/never-written.cat";
        rig.backup.saveFile();
        EXPECT_EQ(rig.ui.messages, QList<Message>{stop("主机数据未读取，无法保存文件！")}) << c.name;
        EXPECT_FALSE(rig.ui.events.contains("saveDialog")) << c.name;
        EXPECT_FALSE(QFile::exists("/tmp/never-written.cat")) << c.name;
    }
}

TEST(SaveFile, WrongExtensionWritesNothing)
{
    LoadedRig rig;
    QTemporaryDir dir;
    for (const char* name : {"a.Cat", "a.cat.txt", "cat", "a.bin"}) {
        rig.ui.messages.clear();
        rig.ui.saveFileName = dir.filePath(name);
        rig.backup.saveFile();
        EXPECT_EQ(rig.ui.messages, QList<Message>{stop("保存文件的扩展名必须为.cat！")}) << name;
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(SaveFile, CancelledDialogDoesNothing)
{
    LoadedRig rig;
    rig.ui.saveFileName.clear();
    rig.backup.saveFile();
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(rig.ui.events, QStringList{"saveDialog"});
}

TEST(SaveFile, PathThatCannotBeCreatedReportsTheFailure)
{
    LoadedRig rig;
    QTemporaryDir dir;
    const QString notADir = dir.filePath("plain");
    writeFile(notADir, "x");
    const QString path = notADir + "/unit.cat";
    rig.ui.saveFileName = path;
    rig.backup.saveFile();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("文件" + path + "保存失败！")});
    EXPECT_EQ(readAll(notADir), "x");
}

TEST(SaveFile, FailureMidWriteKeepsTheOldFile)
{
    LoadedRig rig;
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.cat");
    const QByteArray old = pattern(100, 9);
    writeFile(path, old);

    // Files may grow to 4096 bytes only: the write of the image fails half way,
    // as on a full disk (permission bits would not stop a root user).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    rig.ui.saveFileName = path;
    rig.backup.saveFile();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("文件" + path + "保存失败！")});
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.cat"});
}

TEST(OpenFile, SaveThenOpenGivesBackTheSameImage)
{
    LoadedRig rig;
    QTemporaryDir dir;
    const QString first = dir.filePath("first.cat");
    const QString second = dir.filePath("second.cat");
    rig.ui.saveFileName = first;
    rig.backup.saveFile();
    const QByteArray image = rig.hostImage();

    BackupRig other;
    other.ui.openFileName = first;
    other.backup.openFile();
    EXPECT_EQ(other.ui.messages, QList<Message>{ok("已成功打开备份文件" + first)});
    EXPECT_EQ(other.hostImage(), image);
    EXPECT_TRUE(other.state.HostImageLoaded);
    EXPECT_TRUE(other.state.ImageDataPresent);
    EXPECT_TRUE(other.view.label6Visible);
    EXPECT_EQ(other.view.label6, "主机内容已读取");
    EXPECT_FALSE(other.state.LastReadFromReceiver);
    EXPECT_FALSE(other.state.ReceiverImageLoaded);
    EXPECT_TRUE(other.requests().isEmpty());

    other.ui.saveFileName = second;
    other.backup.saveFile();
    EXPECT_EQ(readAll(second), readAll(first));
}

TEST(OpenFile, LongFileGivesItsFirst8192Bytes)
{
    BackupRig rig;
    rig.state.HostImage.fill(0x42);
    QTemporaryDir dir;
    const QString path = dir.filePath("long.cat");
    const QByteArray bytes = pattern(9000, 5);
    writeFile(path, bytes);
    rig.ui.openFileName = path;
    rig.backup.openFile();
    EXPECT_EQ(rig.hostImage(), bytes.left(8192));
    for (int i = 8192; i < BufferCells; ++i)
        ASSERT_EQ(rig.state.HostImage[size_t(i)], 0x42) << i;   // cells past the image untouched
    EXPECT_TRUE(rig.state.HostImageLoaded);
}

TEST(OpenFile, ShortOrUnreadableFileLeavesEverything)
{
    struct Case {
        const char* name;
        std::function<QString(const QTemporaryDir&)> make;
    };
    const Case cases[] = {
        {"short", [](const QTemporaryDir& d) { const QString p = d.filePath("short.cat"); writeFile(p, pattern(8191, 1)); return p; }},
        {"empty", [](const QTemporaryDir& d) { const QString p = d.filePath("empty.cat"); writeFile(p, {}); return p; }},
        {"missing", [](const QTemporaryDir& d) { return d.filePath("missing.cat"); }},
        {"a folder", [](const QTemporaryDir& d) { const QString p = d.filePath("folder.CAT"); QDir().mkpath(p); return p; }},
    };
    for (const auto& c : cases) {
        LoadedRig rig;
        const QByteArray before = rig.hostImage();
        rig.view.label6 = "主机未读取";   // as a freshly loaded window would show it
        rig.state.HostImageLoaded = false;
        QTemporaryDir dir;
        const QString path = c.make(dir);
        rig.ui.openFileName = path;
        rig.backup.openFile();
        EXPECT_EQ(rig.ui.messages, QList<Message>{stop("文件" + path + "打开失败！")}) << c.name;
        EXPECT_EQ(rig.hostImage(), before) << c.name;
        EXPECT_FALSE(rig.state.HostImageLoaded) << c.name;
        EXPECT_EQ(rig.view.label6, "主机未读取") << c.name;
    }
}

TEST(OpenFile, WrongExtensionAndCancelledDialog)
{
    BackupRig rig;
    rig.ui.openFileName = "/tmp/backup.Cat";
    rig.backup.openFile();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("请选择.cat文件")});

    rig.ui.messages.clear();
    rig.ui.events.clear();
    rig.ui.openFileName.clear();
    rig.backup.openFile();
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(rig.ui.events, QStringList{"openDialog"});
    EXPECT_FALSE(rig.state.HostImageLoaded);
    EXPECT_FALSE(rig.state.ImageDataPresent);
}

TEST(OpenFile, NeedsAPortThatOpens)
{
    BackupRig rig;
    rig.port.failOpen = true;
    rig.ui.openFileName = "/tmp/whatever.cat";
    rig.backup.openFile();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("没发现此端口或端口已被其它程序占用!")});
    EXPECT_FALSE(rig.ui.events.contains("openDialog"));
}
