#include "BackupRig.h"
#include "memory/MemoryDump.h"

#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

TEST(DumpText, Addresses)
{
    const struct {
        int cell;
        const char* text;
    } cases[] = {
        {0, "000H -- "}, {0x10, "010H -- "}, {0xF0, "0F0H -- "}, {0x100, "100H -- "},
        {0xFF0, "FF0H -- "}, {0x1000, "1000H -- "}, {0x1FF0, "1FF0H -- "}, {0x2000, "2000H -- "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dumpAddress(c.cell), QString::fromLatin1(c.text)) << c.cell;
}

TEST(DumpText, FirstLinesAndValueForms)
{
    Buffer image{};
    for (int i = 0; i < 17; ++i)
        image[size_t(i)] = std::uint8_t(i);
    image[17] = 255;
    image[18] = 5;
    image[19] = 0xA0;
    const QString text = dumpText(image, 8192);
    EXPECT_TRUE(text.startsWith("000H -- 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n"
                                "010H -- 10 FF 05 A0 00 "));
}

TEST(DumpText, HostDumpShapeAndEnd)
{
    Buffer image{};
    for (int a = 0; a < 8192; ++a)
        image[size_t(a)] = std::uint8_t(a * 5 + 1);
    const QString text = dumpText(image, 8192);
    EXPECT_TRUE(text.startsWith("000H -- "));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n2000H -- ")));
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 513);
    EXPECT_EQ(lines.last(), "2000H -- ");
    // Every line: address, separator and 16 values each followed by a space.
    for (int l = 0; l < 512; ++l) {
        QString expected = dumpAddress(16 * l);
        for (int k = 0; k < 16; ++k)
            expected += QStringLiteral("%1 ").arg(image[size_t(16 * l + k)], 2, 16, QLatin1Char('0')).toUpper();
        ASSERT_EQ(lines[l], expected) << l;
    }
    EXPECT_TRUE(lines[511].startsWith("1FF0H -- "));
    EXPECT_EQ(text.count(u'\n'), 512);
    EXPECT_EQ(text.count(u'\r'), 512);
}

TEST(MemoryDump, RefusedWithoutImageLeavesTheSize)
{
    BackupRig rig;
    rig.backup.memoryDump();
    const Message refusal{"读取数据区为空，请先读取主机或分机内容后再点击此按钮！", StyleInfo, "错误"};
    EXPECT_EQ(rig.ui.messages, QList<Message>{refusal});
    EXPECT_FALSE(rig.view.fullSize);
    EXPECT_TRUE(rig.view.text1.isEmpty());
    EXPECT_FALSE(rig.view.label2Visible);
}

TEST(MemoryDump, AfterAHostReadShowsTheHostImage)
{
    BackupRig rig;
    rig.fillUnit(30);
    rig.backup.readHost();
    rig.view.label3Visible = true;   // a report was shown before
    rig.view.label4Visible = true;
    rig.ui.messages.clear();
    int updates = 0;
    QObject::connect(&rig.view, &BackupView::changed, [&] { ++updates; });
    rig.backup.memoryDump();
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(rig.view.text1, dumpText(rig.state.HostImage, 8192));
    EXPECT_TRUE(rig.view.fullSize);
    EXPECT_TRUE(rig.view.label2Visible);
    EXPECT_FALSE(rig.view.label3Visible);
    EXPECT_FALSE(rig.view.label4Visible);
    EXPECT_EQ(updates, 1);   // set once, whole
}

TEST(MemoryDump, AfterAReceiverReadShowsTheReceiverImage)
{
    BackupRig rig;
    rig.fillUnit(31);
    rig.backup.readHost();
    rig.serveReceivers();
    rig.backup.readExternalReceiver();
    rig.backup.memoryDump();
    const QStringList lines = rig.view.text1.split("\r\n");
    ASSERT_EQ(lines.size(), 17);   // 16 lines and the closing address
    EXPECT_EQ(lines.last(), "100H -- ");
    EXPECT_EQ(rig.view.text1, dumpText(rig.state.ReceiverImage, 256));
    // First value: the external receiver's byte 0 (0x3C), not the host's.
    EXPECT_TRUE(lines[0].startsWith("000H -- 3C 3D 3E 3F "));
}

TEST(MemoryDump, AfterABrokenReceiverReadStillShowsTheReceiverCells)
{
    BackupRig rig;
    rig.fillUnit(32);
    rig.backup.readHost();
    rig.port.line.faults.silentFromBlock = 1;   // the receiver's second block never comes
    rig.backup.readBuiltInReceiver();
    ASSERT_TRUE(rig.state.LastReadFromReceiver);
    ASSERT_FALSE(rig.state.ReceiverImageLoaded);
    rig.backup.memoryDump();
    EXPECT_EQ(rig.view.text1, dumpText(rig.state.ReceiverImage, 256));
}
