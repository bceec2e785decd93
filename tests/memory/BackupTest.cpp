// Reads, backup files, download and the dump as invariants on the simulated unit.
#include "link/Frame.h"
#include "memory/BackupFile.h"
#include "memory/DataBackup.h"
#include "memory/MemoryDump.h"
#include "memory/Transfers.h"
#include "support/Files.h"
#include "support/Rig.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace cs;
using namespace cs::test;

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + seed) ^ (i >> 8));
    return b;
}
QList<Message> stop(const QString& text)
{
    return {{text, Style::Stop, Title::Error}};
}
QList<Message> ok(const QString& text)
{
    return {{text, Style::Info, Title::Ok}};
}
const QString NoLink = "通讯失败！请检查连线！";

struct BackupRig : Rig {
    BackupView view;
    DataBackup backup{link, portControl, view, ui};
    QTemporaryDir dir;

    QByteArray image() const
    {
        return QByteArray(reinterpret_cast<const char*>(state.HostImage.data()), HostMemorySize);
    }
    QByteArray unitMemory() const
    {
        return QByteArray(reinterpret_cast<const char*>(unit.memory.data()), HostMemorySize);
    }
    void fillUnit(int seed)
    {
        std::copy_n(pattern(8192, seed).constData(), 8192, unit.memory.begin());
    }
    // A host image read from the unit, messages and requests cleared.
    void readUnit(int seed)
    {
        fillUnit(seed);
        backup.readHost();
        ASSERT_EQ(ui.messages, ok("读取主机内容成功！"));
        ui.messages.clear();
        port.line.requests.clear();
    }
    // Answers `code` requests for `block` (every block when -1) with `data`.
    void replyWith(std::uint8_t code, int block, const QByteArray& data)
    {
        port.line.replyOverride = [=](std::uint8_t c, const QByteArray& p) {
            if (c == code && (block < 0 || std::uint8_t(p[0]) == block))
                return std::optional<QByteArray>(replyFrame(code, data));
            return std::optional<QByteArray>();
        };
    }
    // HostImageLoaded, ImageDataPresent, ReceiverImageLoaded.
    std::array<bool, 3> flags() const
    {
        return {state.HostImageLoaded, state.ImageDataPresent, state.ReceiverImageLoaded};
    }
};

} // namespace

TEST(Read, ImageComesFromTheAcceptedRepliesEvenUnderNoise)
{
    const std::pair<const char*, const char*> noise[] = {
        {"", ""},
        {"13 55 AA 02", "55 AA 02 0D"},
    };
    for (const auto& [before, after] : noise) {
        BackupRig rig;
        rig.fillUnit(3);
        rig.port.line.faults.noiseBefore = hex(before);
        rig.port.line.faults.noiseAfter = hex(after);
        rig.backup.readHost();
        EXPECT_EQ(rig.image(), rig.unitMemory()) << before << "|" << after;
        EXPECT_EQ(rig.ui.messages, ok("读取主机内容成功！"));
        EXPECT_EQ(rig.flags(), (std::array{true, true, false}));
        EXPECT_EQ(rig.clock.waits, 64);
        ASSERT_EQ(rig.port.line.requests.size(), 64);
        EXPECT_EQ(rig.port.line.requests.last(), hex("01 0D 01 3F B1"));
    }
}

TEST(Read, ABrokenReadChangesNoImageOrFlag)
{
    struct Case {
        const char* name;
        std::function<void(BackupRig&)> fault;
        QList<Message> messages;
    };
    const Case cases[] = {
        {"silent from block 40", [](BackupRig& r) { r.port.line.faults.silentFromBlock = 40; },
         stop(NoLink)},
        {"127 bytes at block 7", [](BackupRig& r) { r.replyWith(0x0D, 7, QByteArray(127, 'Z')); },
         stop("接收数据长度错误！")},
        {"bad checksum", [](BackupRig& r) { r.port.line.faults.badChecksum = true; },
         stop("CRC校验错误") + stop(NoLink)},
        {"port lost", [](BackupRig& r) { r.clock.onWait = [&r](double) { r.port.vanish(); }; },
         stop(NoLink)},
    };
    for (bool earlier : {false, true}) {
        for (const auto& c : cases) {
            BackupRig rig;
            if (earlier)
                rig.readUnit(4);
            const QByteArray before = rig.image();
            rig.fillUnit(5);
            c.fault(rig);
            rig.backup.readHost();
            EXPECT_EQ(rig.ui.messages, c.messages) << c.name;
            EXPECT_EQ(rig.image(), before) << c.name;
            EXPECT_EQ(rig.flags(), (std::array{earlier, earlier, false})) << c.name;
        }
    }
}

TEST(Read, ReceiversWaitNineSecondsForTheFirstBlock)
{
    for (bool external : {false, true}) {
        BackupRig rig;
        rig.readUnit(10);
        const QByteArray host = rig.image();
        const QByteArray memory = pattern(256, external ? 7 : 8);
        rig.port.line.replyOverride = [&](std::uint8_t code, const QByteArray& p) {
            return std::optional<QByteArray>(replyFrame(code, memory.mid(128 * p[0], 128)));
        };
        QList<double> waits;
        rig.clock.onWait = [&](double t) { waits << t; };
        external ? rig.backup.readExternalReceiver() : rig.backup.readBuiltInReceiver();
        EXPECT_EQ(waits, (QList<double>{9.0, 1.0}));
        const QByteArray tail = external ? hex("02 00 01") : hex("01 00");
        EXPECT_EQ(rig.port.line.requests.value(0).mid(1, tail.size() + 1), hex("0E") + tail);
        EXPECT_EQ(rig.image(), host);
        EXPECT_EQ(rig.flags(), (std::array{true, true, true}));
    }
}

TEST(BackupFile, SaveThenOpenGivesBackTheSameFile)
{
    BackupRig rig, other;
    rig.readUnit(21);
    const QString first = rig.dir.filePath("first.cat"), second = rig.dir.filePath("second.CAT");
    writeFile(first, pattern(10000, 3)); // a longer file is replaced whole
    rig.ui.saveFileName = first;
    rig.backup.saveFile();
    EXPECT_EQ(rig.ui.messages, ok("记录已保存到" + first));
    EXPECT_EQ(readFile(first), rig.unitMemory());
    other.ui.openFileName = first;
    other.backup.openFile();
    EXPECT_EQ(other.image(), rig.image());
    EXPECT_EQ(other.flags(), (std::array{true, true, false}));
    other.ui.saveFileName = second;
    other.backup.saveFile();
    EXPECT_EQ(readFile(second), readFile(first));
}

TEST(BackupFile, AShortUnreadableOrMisnamedFileChangesNothing)
{
    // size -1: missing (what else cannot be read is the file boundary's)
    const std::tuple<const char*, int, const char*> cases[] = {
        {"short.cat", 8191, "文件%1打开失败！\n8191 bytes, fewer than the 8192 of a backup"},
        {"missing.cat", -1, "文件%1打开失败！\nno such file or folder"},
        {"unit.Cat", 8192, "请选择.cat文件"},
        {"long.cat", 9000, ""},
    };
    for (const auto& [name, size, message] : cases) {
        BackupRig rig;
        rig.state.HostImage.fill(0x42);
        const QString path = rig.dir.filePath(name);
        const QByteArray data = pattern(std::max(size, 0), 5);
        if (size >= 0)
            writeFile(path, data);
        rig.ui.openFileName = path;
        rig.backup.openFile();
        const bool opens = !*message;
        const QString text = opens ? "已成功打开备份文件" + path
                                   : QString(message).replace("%1", path);
        EXPECT_EQ(rig.ui.messages, opens ? ok(text) : stop(text)) << name;
        EXPECT_EQ(rig.image(), opens ? data.left(8192) : QByteArray(8192, 0x42)) << name;
        EXPECT_EQ(rig.flags(), (std::array{opens, opens, false})) << name;
    }
}

TEST(BackupFile, SaveIsRefusedWithoutAHostImageOrAProperName)
{
    BackupRig rig; // a receiver image only
    rig.replyWith(0x0E, -1, QByteArray(128, 'R'));
    rig.backup.readBuiltInReceiver();
    rig.ui.messages.clear();
    rig.ui.saveFileName = rig.dir.filePath("a.cat");
    rig.backup.saveFile();
    EXPECT_EQ(rig.ui.messages, stop("主机数据未读取，无法保存文件！"));
    BackupRig named;
    named.readUnit(1);
    named.ui.saveFileName = named.dir.filePath("a.Cat");
    named.backup.saveFile();
    EXPECT_EQ(named.ui.messages, stop("保存文件的扩展名必须为.cat！"));
    EXPECT_TRUE(QDir(rig.dir.path()).isEmpty() && QDir(named.dir.path()).isEmpty());
}

TEST(BackupFile, AFailedSaveKeepsTheOldFile)
{
    BackupRig rig;
    rig.readUnit(23);
    const QString path = rig.dir.filePath("keep.cat");
    writeFile(path, pattern(100, 9));
    // Files may grow to 4096 bytes only: the write fails half way, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    rig.ui.saveFileName = path;
    rig.backup.saveFile();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(rig.ui.messages,
              stop("文件" + path + "保存失败！\nthe file is too large for the file system"));
    EXPECT_EQ(readFile(path), pattern(100, 9));
    EXPECT_EQ(QDir(rig.dir.path()).entryList(QDir::Files), QStringList{"keep.cat"});
}

TEST(Download, SendsTheImageInSixtyFourBlocks)
{
    BackupRig rig;
    rig.readUnit(11);
    const QByteArray image = rig.image();
    rig.fillUnit(12);
    QList<double> waits;
    rig.clock.onWait = [&](double s) { waits << s; };
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, ok("下发备份数据到主机成功！"));
    EXPECT_EQ(rig.unitMemory(), image);
    EXPECT_EQ(waits, QList<double>(64, 0.3));
}

TEST(Download, RefusedWithoutAnImage)
{
    BackupRig rig;
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, stop("主机数据未读取，无法下发！"));
    EXPECT_EQ(rig.port.writeCount, 0);
}

TEST(Dump, AddressesValuesAndTheClosingLine)
{
    Buffer image{};
    for (int a = 0; a < 8192; ++a)
        image[size_t(a)] = std::uint8_t(a * 5 + 1);
    const QString text = dumpText(image, 8192);
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 513);
    EXPECT_EQ(lines[0], "000H -- 01 06 0B 10 15 1A 1F 24 29 2E 33 38 3D 42 47 4C ");
    EXPECT_TRUE(lines[16].startsWith("100H -- "));
    EXPECT_EQ(lines[511], "1FF0H -- B1 B6 BB C0 C5 CA CF D4 D9 DE E3 E8 ED F2 F7 FC ");
    EXPECT_EQ(lines[512], "2000H -- ");
}

// H host read, R receiver read, O open file; lower case: the read breaks off.
TEST(Dump, ShowsTheLastCompletedLoad)
{
    const std::pair<const char*, int> cases[] = {
        {"R", 16}, {"RO", 512}, {"HR", 16}, {"RH", 512}, {"Hr", 512}, {"Rh", 16},
    };
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath("a.cat"), QByteArray(8192, 1));
    for (const auto& [loads, lines] : cases) {
        Rig rig;
        BackupView view;
        DataBackup backup(rig.link, rig.portControl, view, rig.ui);
        rig.ui.openFileName = file;
        for (const char load : QByteArray(loads)) {
            rig.port.line.faults.silent = QChar(load).isLower();
            if (load == 'O')
                backup.openFile();
            else
                QChar(load).toUpper() == 'H' ? backup.readHost() : backup.readBuiltInReceiver();
        }
        backup.memoryDump();
        EXPECT_EQ(view.text1.count('\n'), lines) << loads;
    }
}

// What a transfer that did not run to its end says of itself.
TEST(Transfers, ADownloadSaysHowFarItGotAndWhatTheUnitHolds)
{
    struct Case {
        const char* name;
        std::function<void(BackupRig&)> fault;
        int stopAfter; // answered blocks before a stop request; -1: none
        Ending ending;
        Cause cause;
        int blocksDone;
        bool partlyWritten;
        QString text;
    };
    const auto none = [](BackupRig&) {};
    const auto ack = [](const char* bytes) {
        return [=](BackupRig& r) { r.replyWith(0x18, 12, hex(bytes)); };
    };
    // A good acknowledgement carries exactly one data byte.
    const QString ok = "下发备份数据到主机成功！", length = "返回数据长度错误！";
    const Case cases[] = {
        {"complete", none, -1, Ending::Done, Cause::None, 64, false, ok},
        {"silent from 31", [](BackupRig& r) { r.port.line.faults.silentFromBlock = 31; }, -1,
         Ending::Failed, Cause::NoReply, 31, true, NoLink},
        {"silent from 0", [](BackupRig& r) { r.port.line.faults.silentFromBlock = 0; }, -1,
         Ending::Failed, Cause::NoReply, 0, true, NoLink},
        {"long ack at 12", ack("00 00"), -1, Ending::Failed, Cause::BadReply, 12, true, length},
        {"line gone", [](BackupRig& r) { r.port.vanish(); }, -1, Ending::Failed, Cause::Write, 0,
         false, "下发主机内容失败！"},
        {"stopped", none, 5, Ending::Stopped, Cause::None, 5, true, ""},
        {"stop before the last", none, 63, Ending::Stopped, Cause::None, 63, true, ""},
        {"stop at the end", none, 64, Ending::Done, Cause::None, 64, false, ok},
    };
    for (const Case& c : cases) {
        BackupRig rig;
        rig.readUnit(12);
        rig.portControl.EnsurePortOpen();
        rig.port.onLost = nullptr;
        c.fault(rig);
        int answered = 0;
        TransferControl control;
        control.progress = [&](int) { ++answered; };
        control.stop = [&] { return c.stopAfter >= 0 && answered >= c.stopAfter; };
        const Outcome o = downloadImage(rig.link, rig.portControl, control);
        EXPECT_EQ(std::tuple(o.ending, o.cause, o.blocksDone, o.blocks, o.partlyWritten),
                  std::tuple(c.ending, c.cause, c.blocksDone, 64, c.partlyWritten))
            << c.name;
        EXPECT_EQ(o.message.text, c.text) << c.name;
        EXPECT_LE(rig.requests().size(), c.blocksDone + 1) << c.name;
    }
}

TEST(Transfers, ReadBackAndReadTwiceNameTheFirstDifference)
{
    for (const int corrupt : {-1, 7, 63}) {
        BackupRig rig;
        rig.readUnit(12);
        const QByteArray sent = rig.image();
        rig.port.line.faults.corruptBlock = corrupt;
        const Outcome o = downloadAndVerify(rig.link, rig.portControl);
        const auto expected = corrupt < 0 ? std::tuple(Ending::Done, -1, 0)
                                          : std::tuple(Ending::Failed, 128 * corrupt, 1);
        EXPECT_EQ(std::tuple(o.ending, o.firstDifference, o.differences), expected) << corrupt;
        EXPECT_EQ(rig.image(), sent) << corrupt;
    }
    for (const int late : {-1, 9}) {
        // A unit whose reply to one block differs between the two reads.
        BackupRig rig;
        rig.fillUnit(30);
        bool first = true;
        rig.port.line.replyOverride = [&](std::uint8_t code, const QByteArray& p) {
            const int block = std::uint8_t(p[0]);
            QByteArray data = rig.unitMemory().mid(128 * block, 128);
            if (block == late && first)
                data[3] = char(data[3] ^ 0x40), first = false;
            return std::optional<QByteArray>(replyFrame(code, data));
        };
        const Outcome o = readHostTwice(rig.link, rig.portControl);
        EXPECT_EQ(std::tuple(o.ending, o.firstDifference),
                  late < 0 ? std::tuple(Ending::Done, -1)
                           : std::tuple(Ending::Failed, 128 * late + 3));
        EXPECT_EQ(rig.clock.waits, 128) << late; // two reads, no more
        EXPECT_EQ(rig.state.HostImageLoaded, late < 0) << late;
        EXPECT_EQ(rig.image(), late < 0 ? rig.unitMemory() : QByteArray(8192, 0)) << late;
    }
}

// The read-back compares every cell, the last one (1FFFH) too; one that does
// not complete says that the download did and the check did not.
TEST(Transfers, TheCheckCoversTheLastByteAndSaysWhenItWasNotDone)
{
    const struct {
        int lastBlockByte; // -1: the unit keeps what it got
        int stopAfter;     // read-back blocks answered before a stop; -1: none
        bool silent;       // the read-back is not answered
        Ending ending;
        const char* text;
    } cases[] = {
        {-1, -1, false, Ending::Done, "下发备份数据到主机成功，读回的内容与备份相同！"},
        {127, -1, false, Ending::Failed,
         "下发后读回的主机内容与备份不同：共1个字节不同，第一处在地址1FFFH！"},
        {-1, 10, false, Ending::Stopped,
         "下发备份数据到主机成功，读回校验在第10块（共64块）后停止，没有做完！"},
        {-1, -1, true, Ending::Failed,
         "下发备份数据到主机成功，但读回校验没有做完：通讯失败！请检查连线！"},
    };
    for (const auto& c : cases) {
        BackupRig rig;
        rig.readUnit(44);
        bool checking = false;
        int answered = 0;
        rig.port.line.replyOverride = [&](std::uint8_t code, const QByteArray& p) {
            if (code != 0x0D)
                return std::optional<QByteArray>();
            if (c.silent)
                return std::optional<QByteArray>(QByteArray());
            const int block = std::uint8_t(p[0]);
            QByteArray data = rig.unitMemory().mid(128 * block, 128);
            if (block == 63 && c.lastBlockByte >= 0)
                data[c.lastBlockByte] = char(data[c.lastBlockByte] ^ 0x01);
            return std::optional<QByteArray>(replyFrame(code, data));
        };
        TransferControl control;
        control.checking = [&] { checking = true; };
        control.progress = [&](int) { answered += checking; };
        control.stop = [&] { return c.stopAfter >= 0 && answered >= c.stopAfter; };
        const Outcome o = downloadAndVerify(rig.link, rig.portControl, control);
        EXPECT_TRUE(checking) << c.text;
        EXPECT_EQ(o.ending, c.ending) << c.text;
        EXPECT_EQ(o.message.text, c.text);
        EXPECT_FALSE(o.partlyWritten) << c.text;
    }
}
