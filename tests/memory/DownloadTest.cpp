#include "BackupRig.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

// Opens a backup file holding `bytes` into the rig's host image.
void openImage(BackupRig& rig, const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("image.cat");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    rig.ui.openFileName = path;
    rig.backup.openFile();
    ASSERT_TRUE(rig.state.HostImageLoaded);
    rig.ui.messages.clear();
}

QByteArray filePattern()
{
    QByteArray b(8192, '\0');
    for (int i = 0; i < 8192; ++i)
        b[i] = char(255 - (i * 3 + i / 128) % 256);
    return b;
}

} // namespace

TEST(Download, SendsTheOpenedFileInSixtyFourBlocks)
{
    BackupRig rig;
    const QByteArray file = filePattern();
    openImage(rig, file);
    QList<double> waits;
    rig.clock.onWait = [&](double s) { waits << s; };
    rig.backup.download();

    EXPECT_EQ(rig.ui.messages, QList<Message>{ok("下发备份数据到主机成功！")});
    const auto& reqs = rig.requests();
    ASSERT_EQ(reqs.size(), 64);
    for (int b = 0; b < 64; ++b) {
        const QByteArray& r = reqs[b];
        ASSERT_EQ(r.size(), 133) << b;
        EXPECT_EQ(r.left(4), QByteArray("\x01\x18\x81", 3) + char(b)) << b;
        EXPECT_EQ(r.mid(4, 128), file.mid(128 * b, 128)) << b;
        EXPECT_EQ(std::uint8_t(r[132]),
                  frameChecksum(reinterpret_cast<const std::uint8_t*>(r.constData()), 132)) << b;
    }
    EXPECT_EQ(rig.unitMemory(), file);
    EXPECT_EQ(waits, QList<double>(64, 0.3));
    EXPECT_NEAR(rig.clock.now(), 19.2, 1e-9);
    EXPECT_EQ(rig.view.label1, "下发进度条");
    EXPECT_EQ(rig.view.progressValue, 0);
    EXPECT_EQ(rig.port.written.size(), 64 * 136);
}

TEST(Download, ZeroBlockEndsInChecksum65)
{
    BackupRig rig;
    openImage(rig, QByteArray(8192, '\0'));
    rig.backup.download();
    ASSERT_FALSE(rig.requests().isEmpty());
    EXPECT_EQ(rig.requests()[0], hex("01 18 81 00") + QByteArray(128, '\0') + hex("65"));
    EXPECT_TRUE(rig.port.written.startsWith(hex("55 55 AA 01 18 81 00")));
}

TEST(Download, StopsAfterAShortAcknowledgement)
{
    BackupRig rig;
    openImage(rig, filePattern());
    rig.port.line.replyOverride = [](std::uint8_t code, const QByteArray& p) -> std::optional<QByteArray> {
        if (code == 0x18 && std::uint8_t(p[0]) == 12)
            return replyFrame(0x18, hex("00 00"));
        return std::nullopt;
    };
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("返回数据长度错误！")});
    EXPECT_EQ(rig.requests().size(), 13);     // blocks 13..63 not sent
    EXPECT_EQ(rig.view.progressValue, 12);
    EXPECT_EQ(rig.view.label1, "下发进度条");
    EXPECT_FALSE(rig.view.fullSize);
}

TEST(Download, AnyAcknowledgementByteIsAccepted)
{
    BackupRig rig;
    openImage(rig, filePattern());
    rig.port.line.replyOverride = [](std::uint8_t code, const QByteArray& p) -> std::optional<QByteArray> {
        if (code == 0x18)
            return replyFrame(0x18, QByteArray(1, char(0xA0 + std::uint8_t(p[0]) % 16)));
        return std::nullopt;
    };
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{ok("下发备份数据到主机成功！")});
    EXPECT_EQ(rig.requests().size(), 64);
}

TEST(Download, MissingAcknowledgementEndsTheDownload)
{
    BackupRig rig;
    openImage(rig, filePattern());
    rig.port.line.faults.silentFromBlock = 30;
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("通讯失败！请检查连线！")});
    EXPECT_EQ(rig.requests().size(), 31);
    EXPECT_EQ(rig.view.progressValue, 29);
    EXPECT_EQ(rig.view.label1, "下发进度条");
}

TEST(Download, RefusedWithoutAHostImage)
{
    BackupRig rig;
    rig.serveReceivers();
    rig.backup.readBuiltInReceiver();   // an image, but not the host's
    rig.ui.messages.clear();
    const int written = rig.port.written.size();
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("主机数据未读取，无法下发！")});
    EXPECT_EQ(rig.port.written.size(), written);
    EXPECT_TRUE(rig.requestsWithCode(0x18).isEmpty());
    EXPECT_EQ(rig.unit.memory[0], 0xFF);   // the unit keeps its memory
}

TEST(Download, PortThatCannotOpenSendsNothing)
{
    BackupRig rig;
    rig.state.HostImageLoaded = true;
    rig.port.failOpen = true;
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("没发现此端口或端口已被其它程序占用!")});
    EXPECT_TRUE(rig.port.written.isEmpty());
}

TEST(Download, UnitVanishingMidDownloadLeavesImageAndFlags)
{
    BackupRig rig;
    const QByteArray file = filePattern();
    openImage(rig, file);
    rig.clock.onWait = [&](double) {
        if (rig.clock.waits == 6)
            rig.port.vanish();
    };
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("通讯失败！请检查连线！")});
    EXPECT_EQ(rig.hostImage(), file);
    EXPECT_TRUE(rig.state.HostImageLoaded);
    EXPECT_TRUE(rig.state.ImageDataPresent);
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.requests().size(), 6);
}

TEST(Download, FailedWriteEndsWithTheDownloadFailure)
{
    BackupRig rig;
    openImage(rig, filePattern());
    bool closed = false;
    QObject::connect(&rig.view, &BackupView::changed, [&] {
        if (!closed && rig.view.progressValue == 3) {
            closed = true;
            rig.port.close();
        }
    });
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{stop("下发主机内容失败！")});
    EXPECT_EQ(rig.view.progressValue, 0);
    EXPECT_EQ(rig.view.label1, "正在下发数据到主机……");
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.requests().size(), 4);

    // The port is opened again by the next download, which completes.
    rig.ui.messages.clear();
    rig.backup.download();
    EXPECT_EQ(rig.ui.messages, QList<Message>{ok("下发备份数据到主机成功！")});
    EXPECT_EQ(rig.unitMemory(), filePattern());
}
