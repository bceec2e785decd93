#include "BackupRig.h"

#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

const QString NoLink = QStringLiteral("通讯失败！请检查连线！");

} // namespace

TEST(HostRead, CleanReadFillsImageInAddressOrder)
{
    BackupRig rig;
    rig.fillUnit(1);
    rig.backup.readHost();

    EXPECT_EQ(rig.hostImage(), rig.unitMemory());
    EXPECT_TRUE(rig.state.HostImageLoaded);
    EXPECT_TRUE(rig.state.ImageDataPresent);
    EXPECT_FALSE(rig.state.ReceiverImageLoaded);
    EXPECT_FALSE(rig.state.LastReadFromReceiver);
    EXPECT_EQ(rig.view.label6, "主机内容已读取");
    EXPECT_TRUE(rig.view.label6Visible);
    EXPECT_EQ(rig.view.label1, "读取进度条");
    EXPECT_EQ(rig.view.progressValue, 0);
    EXPECT_EQ(rig.view.progressMaximum, 63);
    EXPECT_FALSE(rig.view.fullSize);
    ASSERT_EQ(rig.ui.messages.size(), 1);
    EXPECT_EQ(rig.ui.messages[0], ok("读取主机内容成功！"));
    // 64 waits of 0.2 s, nothing more.
    EXPECT_EQ(rig.clock.waits, 64);
    EXPECT_NEAR(rig.clock.now(), 12.8, 1e-9);
    EXPECT_EQ(rig.state.ReadAreaIndex, 8192);
    // Steps 7 and 9 repaint, and every request written.
    EXPECT_EQ(rig.ui.repaints, 66);
}

TEST(HostRead, RequestsCarryEveryBlockInOrder)
{
    BackupRig rig;
    rig.backup.readHost();
    const auto reads = rig.requestsWithCode(0x0D);
    ASSERT_EQ(reads.size(), 64);
    for (int b = 0; b < 64; ++b)
        EXPECT_EQ(reads[b], requestFrame(0x0D, QByteArray(1, char(b))).mid(3)) << b;
    EXPECT_EQ(reads[0], hex("01 0D 01 00 F0"));
    EXPECT_EQ(reads[63], hex("01 0D 01 3F B1"));
    EXPECT_TRUE(rig.port.written.endsWith(hex("55 55 AA 01 0D 01 3F B1")));
}

TEST(HostRead, WaitingInputIsDiscardedFirst)
{
    BackupRig rig;
    rig.fillUnit(2);
    rig.portControl.EnsurePortOpen();
    // A complete stale reply for block 0 with other data is on the line before the read.
    rig.port.inject(replyFrame(0x0D, QByteArray(128, '\x77')));
    rig.clock.advance(1.0);
    rig.backup.readHost();
    EXPECT_EQ(rig.hostImage(), rig.unitMemory());
}

TEST(HostRead, ProgressAndCaptionWhileReading)
{
    BackupRig rig;
    QList<int> progressAtWait;
    QStringList captions;
    rig.clock.onWait = [&](double) {
        progressAtWait << rig.view.progressValue;
        captions << rig.view.label1;
    };
    rig.backup.readHost();
    ASSERT_EQ(progressAtWait.size(), 64);
    EXPECT_EQ(progressAtWait[0], 0);
    EXPECT_EQ(progressAtWait[1], 0);    // value b is set after block b's reply
    EXPECT_EQ(progressAtWait[2], 1);
    EXPECT_EQ(progressAtWait[63], 62);
    EXPECT_EQ(captions.first(), "正在读取主机内容……");
    EXPECT_TRUE(rig.view.label1Visible);
    EXPECT_TRUE(rig.view.progressVisible);
}

TEST(HostRead, NoiseAroundRepliesLeavesImageExact)
{
    struct Case {
        const char* name;
        QByteArray before, after;
    };
    const Case cases[] = {
        {"noise before", hex("13 55 AA 02"), {}},
        {"noise after", {}, hex("55 AA 02 0D")},
        {"both", hex("FF 55"), hex("00 11 22")},
        {"stray 55 bytes", hex("55 55 55"), hex("55")},
    };
    for (const auto& c : cases) {
        BackupRig rig;
        rig.fillUnit(3);
        rig.port.line.faults.noiseBefore = c.before;
        rig.port.line.faults.noiseAfter = c.after;
        rig.backup.readHost();
        EXPECT_EQ(rig.hostImage(), rig.unitMemory()) << c.name;
        EXPECT_EQ(rig.state.ReadAreaIndex, 8192) << c.name;
        EXPECT_EQ(rig.ui.messages, QList<Message>{ok("读取主机内容成功！")}) << c.name;
    }
}

TEST(HostRead, UnitStoppingAtBlock40KeepsThePreviousImage)
{
    BackupRig rig;
    rig.fillUnit(4);
    rig.backup.readHost();
    const QByteArray first = rig.hostImage();
    rig.ui.messages.clear();

    rig.fillUnit(5);
    rig.port.line.faults.silentFromBlock = 40;
    rig.backup.readHost();

    EXPECT_EQ(rig.ui.messages, QList<Message>{stop(NoLink)});
    EXPECT_EQ(rig.hostImage(), first);
    const QByteArray area(reinterpret_cast<const char*>(rig.state.ReadArea.data()), 8192);
    EXPECT_EQ(area.left(5120), rig.unitMemory().left(5120));
    EXPECT_EQ(area.mid(5120), first.mid(5120));   // cells not reached keep the earlier read
    EXPECT_EQ(rig.state.ReadAreaIndex, 5120);
    EXPECT_EQ(rig.view.progressValue, 39);        // the bar keeps its value
    EXPECT_EQ(rig.view.label1, "读取进度条");
    EXPECT_FALSE(rig.view.fullSize);
    EXPECT_TRUE(rig.state.HostImageLoaded);
}

TEST(HostRead, SilentUnitChangesNothing)
{
    BackupRig rig;
    rig.port.line.faults.silent = true;
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop(NoLink)});
    EXPECT_NEAR(rig.clock.now(), 0.2, 1e-9);
    EXPECT_FALSE(rig.state.HostImageLoaded);
    EXPECT_FALSE(rig.state.ImageDataPresent);
    EXPECT_EQ(rig.view.label6, "主机未读取");
    EXPECT_EQ(rig.hostImage(), QByteArray(8192, '\0'));
}

TEST(HostRead, WrongLengthAtBlock7EndsTheRead)
{
    BackupRig rig;
    rig.fillUnit(6);
    rig.port.line.replyOverride = [](std::uint8_t code, const QByteArray& p) -> std::optional<QByteArray> {
        if (code == 0x0D && std::uint8_t(p[0]) == 7)
            return replyFrame(0x0D, QByteArray(0x7F, '\x5A'));
        return std::nullopt;
    };
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("接收数据长度错误！")});
    EXPECT_EQ(rig.state.ReadAreaIndex, 7 * 128);     // block 7 not appended
    EXPECT_EQ(rig.view.progressValue, 7);
    EXPECT_EQ(rig.view.label1, "读取进度条");
    EXPECT_EQ(rig.requestsWithCode(0x0D).size(), 8);
    EXPECT_FALSE(rig.state.HostImageLoaded);
}

TEST(HostRead, BadChecksumReportsBothBoxes)
{
    BackupRig rig;
    rig.port.line.faults.badChecksum = true;
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, (QList<Message>{stop("CRC校验错误"), stop(NoLink)}));
    EXPECT_FALSE(rig.state.ImageDataPresent);
}

TEST(HostRead, ClosedPortThatCannotOpenDoesNothing)
{
    BackupRig rig;
    rig.port.failOpen = true;
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("没发现此端口或端口已被其它程序占用!")});
    EXPECT_TRUE(rig.requests().isEmpty());
    EXPECT_EQ(rig.clock.waits, 0);
    EXPECT_EQ(rig.view.label1, "读取进度条");
}

TEST(HostRead, UnitVanishingMidReadEndsCleanly)
{
    BackupRig rig;
    rig.fillUnit(7);
    rig.backup.readHost();
    const QByteArray first = rig.hostImage();
    rig.ui.messages.clear();
    rig.fillUnit(8);
    rig.clock.onWait = [&](double) {
        if (rig.clock.waits == 64 + 10)
            rig.port.vanish();
    };
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop(NoLink)});
    EXPECT_EQ(rig.hostImage(), first);
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.portControl.statusText(), "串口已关闭");

    // The next read tries the port again (the unit is gone, so it reports that).
    const int opens = rig.port.openedDevices.size();
    rig.ui.messages.clear();
    rig.backup.readHost();
    EXPECT_EQ(rig.port.openedDevices.size(), opens + 1);
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("没发现此端口或端口已被其它程序占用!")});
    EXPECT_EQ(rig.hostImage(), first);
}

TEST(HostRead, FailedWriteEndsWithTheReadFailureAndReleasesThePort)
{
    BackupRig rig;
    rig.fillUnit(9);
    bool closed = false;
    QObject::connect(&rig.view, &BackupView::changed, [&] {
        if (!closed && rig.view.progressValue == 5) {
            closed = true;
            rig.port.close();   // the driver drops the device behind our back
        }
    });
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("读取主机内容失败！")});
    EXPECT_EQ(rig.view.progressValue, 0);
    EXPECT_FALSE(rig.view.fullSize);
    EXPECT_EQ(rig.view.label1, "正在读取主机内容……");   // keeps its progress text
    EXPECT_FALSE(rig.state.HostImageLoaded);
    EXPECT_FALSE(rig.state.PortIsOpen);

    // The next read opens the port again and completes.
    rig.ui.messages.clear();
    rig.backup.readHost();
    EXPECT_EQ(rig.ui.messages, QList<Message>{ok("读取主机内容成功！")});
    EXPECT_EQ(rig.hostImage(), rig.unitMemory());
    EXPECT_EQ(rig.port.openedDevices.size(), 2);
}

TEST(Placement, NeverWritesPastTheReadArea)
{
    BackupRig rig;
    auto& s = rig.state;
    s.RxBuffer[0] = 0x02;
    s.RxBuffer[1] = 0x0D;
    s.RxBuffer[2] = 0x80;
    for (int k = 0; k < 128; ++k)
        s.RxBuffer[size_t(3 + k)] = std::uint8_t(k + 1);
    s.ReadArea.fill(0xEE);

    s.ReadAreaIndex = BufferCells - 128;   // the last block that fits
    EXPECT_TRUE(rig.backup.frgmainram());
    EXPECT_EQ(s.ReadAreaIndex, BufferCells);
    EXPECT_EQ(s.ReadArea[BufferCells - 128], 1);
    EXPECT_EQ(s.ReadArea[BufferCells - 1], 128);

    s.ReadArea.fill(0xEE);
    s.ReadAreaIndex = BufferCells - 127;   // one cell short
    EXPECT_FALSE(rig.backup.frgmainram());
    EXPECT_FALSE(rig.backup.frgsubram());
    EXPECT_EQ(s.ReadAreaIndex, BufferCells - 127);
    for (int i = 0; i < BufferCells; ++i)
        ASSERT_EQ(s.ReadArea[size_t(i)], 0xEE) << i;
}

TEST(Placement, TakesTheAcceptedReplyNotTheRawBytes)
{
    BackupRig rig;
    auto& s = rig.state;
    s.RxBuffer[2] = 0x80;
    for (int k = 0; k < 128; ++k)
        s.RxBuffer[size_t(3 + k)] = std::uint8_t(0x80 + k);
    s.ReplyRawBytes = hex("13 13 13") + replyFrame(0x0D, QByteArray(128, '\x01')) + hex("55");
    s.ReadAreaIndex = 256;
    ASSERT_TRUE(rig.backup.frgsubram());
    EXPECT_EQ(s.ReadAreaIndex, 384);
    EXPECT_EQ(s.ReadArea[256], 0x80);
    EXPECT_EQ(s.ReadArea[383], 0xFF);
}

TEST(ReceiverRead, WaitsNineSecondsThenOneAndLeavesHostImage)
{
    struct Case {
        const char* name;
        bool external;
        QByteArray block0, block1;
        QString caption, done;
    };
    const Case cases[] = {
        {"built-in", false, hex("01 0E 01 00 EF"), hex("01 0E 01 01 EE"), "正在读取内置接收机内容……",
         "读取内置接收机内容成功！"},
        {"external", true, hex("01 0E 02 00 01 ED"), hex("01 0E 02 01 01 EC"), "正在读取外置接收机内容……",
         "读取外置接收机内容成功！"},
    };
    for (const auto& c : cases) {
        BackupRig rig;
        rig.fillUnit(10);
        rig.backup.readHost();
        const QByteArray host = rig.hostImage();
        rig.ui.messages.clear();
        rig.serveReceivers();
        QList<double> waits;
        QList<int> progress;
        QStringList captions;
        rig.clock.onWait = [&](double seconds) {
            waits << seconds;
            progress << rig.view.progressValue;
            captions << rig.view.label1;
        };
        if (c.external)
            rig.backup.readExternalReceiver();
        else
            rig.backup.readBuiltInReceiver();

        EXPECT_EQ(waits, (QList<double>{9.0, 1.0})) << c.name;
        EXPECT_EQ(progress, (QList<int>{0, 1})) << c.name;   // b + 1 after block b
        EXPECT_EQ(captions.first(), c.caption) << c.name;
        EXPECT_EQ(rig.view.progressMaximum, 2) << c.name;
        EXPECT_EQ(rig.ui.messages, QList<Message>{ok(c.done)}) << c.name;
        const auto reads = rig.requestsWithCode(0x0E);
        ASSERT_EQ(reads.size(), 2) << c.name;
        EXPECT_EQ(reads[0], c.block0) << c.name;
        EXPECT_EQ(reads[1], c.block1) << c.name;
        const auto& mem = c.external ? rig.unit.externalReceiverMemory : rig.unit.receiverMemory;
        for (int a = 0; a < 256; ++a)
            ASSERT_EQ(rig.state.ReceiverImage[size_t(a)], mem[size_t(a)]) << c.name << a;
        EXPECT_EQ(rig.hostImage(), host) << c.name;
        EXPECT_TRUE(rig.state.HostImageLoaded) << c.name;
        EXPECT_TRUE(rig.state.ReceiverImageLoaded) << c.name;
        EXPECT_TRUE(rig.state.LastReadFromReceiver) << c.name;
        EXPECT_TRUE(rig.view.label7Visible) << c.name;
        EXPECT_EQ(rig.view.label7, "分机内容已读取") << c.name;
        EXPECT_EQ(rig.view.label6, "主机内容已读取") << c.name;
        EXPECT_EQ(rig.view.progressValue, 0) << c.name;
    }
}

TEST(ReceiverRead, NoiseBeforeTheReplyIsSkipped)
{
    BackupRig rig;
    rig.serveReceivers();
    auto serve = rig.port.line.replyOverride;
    rig.port.line.replyOverride = [serve](std::uint8_t code, const QByteArray& p) -> std::optional<QByteArray> {
        auto wire = serve(code, p);
        if (wire)
            wire->prepend(hex("13 55 AA 02 55 AA 13"));
        return wire;
    };
    rig.backup.readBuiltInReceiver();
    for (int a = 0; a < 256; ++a)
        ASSERT_EQ(rig.state.ReceiverImage[size_t(a)], rig.unit.receiverMemory[size_t(a)]) << a;
}

TEST(ReceiverRead, BrokenReadStillMarksTheReceiver)
{
    BackupRig rig;
    rig.backup.readHost();
    rig.ui.messages.clear();
    rig.port.line.faults.silent = true;
    rig.backup.readExternalReceiver();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop(NoLink)});
    EXPECT_TRUE(rig.state.LastReadFromReceiver);
    EXPECT_FALSE(rig.state.ReceiverImageLoaded);
    EXPECT_FALSE(rig.view.label7Visible);
    EXPECT_EQ(rig.view.label7, "分机未读取");
    EXPECT_NEAR(rig.clock.now(), 12.8 + 9.0, 1e-9);
}
