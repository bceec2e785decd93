#include "BackupRig.h"
#include "memory/MemoryDump.h"

using namespace cs;
using namespace cs::test;

TEST(HostRead, CleanReadFillsImageInAddressOrder)
{
    BackupRig rig;
    rig.fillUnit(1);
    QList<int> progress, wantProgress{0};   // at each wait; block b's value b is set after its reply
    QStringList captions;
    rig.clock.onWait = [&](double) { progress << rig.view.progressValue, captions << rig.view.label1; };
    rig.backup.readHost();
    EXPECT_EQ(rig.hostImage(), rig.unitMemory());
    EXPECT_EQ(rig.ui.messages, ok("读取主机内容成功！"));
    EXPECT_EQ(rig.flags(), (std::array{true, true, false, false}));
    EXPECT_EQ(rig.shown(), "读取进度条 0/63 compact 主机内容已读取 分机未读取*");
    EXPECT_EQ(captions.value(0), "正在读取主机内容……");
    for (int b = 0; b < 63; ++b)
        wantProgress << b;
    EXPECT_EQ(progress, wantProgress);
    EXPECT_EQ(rig.clock.waits, 64);   // 64 waits of 0.2 s, nothing more
    EXPECT_NEAR(rig.clock.now(), 12.8, 1e-9);
    EXPECT_EQ(rig.state.ReadAreaIndex, 8192);
    EXPECT_EQ(rig.ui.repaints, 66);
    ASSERT_EQ(rig.requests().size(), 64);
    for (int b = 0; b < 64; ++b)
        EXPECT_EQ(rig.requests()[b], requestFrame(0x0D, QByteArray(1, char(b))).mid(3)) << b;
    EXPECT_EQ(rig.requests()[0], hex("01 0D 01 00 F0"));
    EXPECT_TRUE(rig.port.written.endsWith(hex("55 55 AA 01 0D 01 3F B1")));
}

TEST(HostRead, NoiseAndStaleInputLeaveTheImageExact)
{
    const struct { const char *before, *after; bool stale; } cases[] = {
        {"13 55 AA 02", "", false}, {"", "55 AA 02 0D", false}, {"FF 55", "00 11 22", false},
        {"55 55 55", "55", false}, {"", "", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + '|' + c.after + (c.stale ? "stale" : ""));
        BackupRig rig;
        rig.fillUnit(3);
        rig.port.line.faults.noiseBefore = hex(c.before);
        rig.port.line.faults.noiseAfter = hex(c.after);
        if (c.stale) {   // a complete reply for block 0 with other data waits on the line
            rig.portControl.EnsurePortOpen();
            rig.port.inject(replyFrame(0x0D, QByteArray(128, '\x77')));
            rig.clock.advance(1.0);
        }
        rig.backup.readHost();
        EXPECT_EQ(rig.hostImage(), rig.unitMemory());
        EXPECT_EQ(rig.ui.messages, ok("读取主机内容成功！"));
    }
}

TEST(HostRead, BrokenReadKeepsTheImageAndFlags)
{
    const struct { const char* name; int firstSeed; std::function<void(BackupRig&)> fault; QList<Message> messages;
                   int blocksRead; const char* shown; } cases[] = {
        {"silent from block 40", 4, [](BackupRig& r) { r.port.line.faults.silentFromBlock = 40; }, stop(NoLink), 40,
         "读取进度条 39/63 compact 主机内容已读取 分机未读取*"},
        {"length 0x7F at block 7", 0, [](BackupRig& r) { r.replyWith(0x0D, 7, QByteArray(0x7F, '\x5A')); },
         stop("接收数据长度错误！"), 7, "读取进度条 7/63 compact 主机未读取 分机未读取*"},
        {"bad checksum", 4, [](BackupRig& r) { r.port.line.faults.badChecksum = true; },
         stop("CRC校验错误") + stop(NoLink), 0, "读取进度条 0/63 compact 主机内容已读取 分机未读取*"},
        {"vanished port", 4, [](BackupRig& r) { r.clock.onWait = [&r](double) { if (r.clock.waits == 64 + 10) r.port.vanish(); }; },
         stop(NoLink), 9, "读取进度条 8/63 compact 主机内容已读取 分机未读取*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackupRig rig;
        if (c.firstSeed)
            rig.readUnit(c.firstSeed);
        const QByteArray first = rig.hostImage();
        rig.fillUnit(5);
        c.fault(rig);
        rig.backup.readHost();
        const int cells = 128 * c.blocksRead;
        EXPECT_EQ(rig.ui.messages, c.messages);
        EXPECT_EQ(rig.hostImage(), first);
        EXPECT_EQ(rig.flags(), (std::array{c.firstSeed != 0, c.firstSeed != 0, false, false}));
        const QByteArray area = bytes(rig.state.ReadArea.data(), 8192);
        EXPECT_EQ(area.left(cells), rig.unitMemory().left(cells));
        EXPECT_EQ(area.mid(cells), first.mid(cells));   // cells not reached keep the earlier read
        EXPECT_EQ(rig.state.ReadAreaIndex, cells);
        EXPECT_EQ(rig.requests().size(), c.blocksRead + 1);
        EXPECT_EQ(rig.shown(), c.shown);
        EXPECT_EQ(rig.state.PortIsOpen, c.name != std::string("vanished port"));
    }
}

TEST(Placement, AppendsTheAcceptedReplyAndNeverPastTheReadArea)
{
    BackupRig rig;
    auto& s = rig.state;
    s.RxBuffer[2] = 0x80;
    for (int k = 0; k < 128; ++k)
        s.RxBuffer[size_t(3 + k)] = std::uint8_t(0x80 + k);
    s.ReplyRawBytes = hex("13 13") + replyFrame(0x0D, QByteArray(128, '\x01'));   // only RxBuffer counts
    s.ReadArea.fill(0xEE);
    s.ReadAreaIndex = 256;
    ASSERT_TRUE(rig.backup.frgsubram());
    EXPECT_EQ(s.ReadAreaIndex, 384);
    EXPECT_EQ(bytes(&s.ReadArea[255], 130), '\xEE' + bytes(&s.RxBuffer[3], 128) + '\xEE');
    s.ReadAreaIndex = BufferCells - 128;   // the last block that fits
    ASSERT_TRUE(rig.backup.frgmainram());
    EXPECT_EQ(s.ReadAreaIndex, BufferCells);
    EXPECT_EQ(s.ReadArea[BufferCells - 1], 0xFF);
    const QByteArray before = bytes(s.ReadArea.data(), BufferCells);
    for (int at : {BufferCells - 127, BufferCells, -1}) {
        s.ReadAreaIndex = at;
        EXPECT_FALSE(rig.backup.frgmainram() || rig.backup.frgsubram()) << at;
        EXPECT_EQ(s.ReadAreaIndex, at);
        EXPECT_EQ(bytes(s.ReadArea.data(), BufferCells), before) << at;
    }
}

TEST(ReceiverRead, WaitsNineSecondsThenOneAndLeavesHostImage)
{
    const struct { bool external, silent; const char *requests, *what, *shown; } cases[] = {
        {false, false, "01 0E 01 00 EF|01 0E 01 01 EE", "内置", "读取进度条 0/2 compact 主机内容已读取 分机内容已读取"},
        {true, false, "01 0E 02 00 01 ED|01 0E 02 01 01 EC", "外置", "读取进度条 0/2 compact 主机内容已读取 分机内容已读取"},
        {true, true, "01 0E 02 00 01 ED", "外置", "读取进度条 0/2 compact 主机内容已读取 分机未读取*"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requests);
        BackupRig rig;
        rig.readUnit(10);
        const QByteArray host = rig.hostImage();
        if (!(rig.port.line.faults.silent = c.silent))
            rig.serveReceivers();
        QList<double> waits;
        QList<int> progress;
        QStringList captions;
        rig.clock.onWait = [&](double t) { waits << t, progress << rig.view.progressValue, captions << rig.view.label1; };
        c.external ? rig.backup.readExternalReceiver() : rig.backup.readBuiltInReceiver();
        const QString what = QString::fromUtf8(c.what);
        EXPECT_EQ(waits, (c.silent ? QList<double>{9.0} : QList<double>{9.0, 1.0}));
        EXPECT_EQ(progress, (c.silent ? QList<int>{0} : QList<int>{0, 1}));   // b + 1 after block b
        EXPECT_EQ(captions.value(0), "正在读取" + what + "接收机内容……");
        EXPECT_EQ(rig.ui.messages, c.silent ? stop(NoLink) : ok("读取" + what + "接收机内容成功！"));
        QList<QByteArray> requests;
        for (const QByteArray& r : QByteArray(c.requests).split('|'))
            requests << hex(r);
        EXPECT_EQ(rig.requests(), requests);
        const auto& mem = c.external ? rig.unit.externalReceiverMemory : rig.unit.receiverMemory;
        EXPECT_EQ(bytes(rig.state.ReceiverImage.data(), 256), c.silent ? QByteArray(256, '\0') : bytes(mem.data(), 256));
        EXPECT_EQ(rig.hostImage(), host);
        EXPECT_EQ(rig.flags(), (std::array{true, true, !c.silent, true}));
        EXPECT_EQ(rig.shown(), c.shown);
        rig.backup.memoryDump();   // a broken read leaves the host image shown
        EXPECT_EQ(rig.view.text1, c.silent ? dumpText(rig.state.HostImage, 8192)
                                           : dumpText(rig.state.ReceiverImage, 256));
    }
}
