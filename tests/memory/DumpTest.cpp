#include "BackupRig.h"
#include "memory/MemoryDump.h"

using namespace cs;
using namespace cs::test;

TEST(DumpText, AddressesValuesAndTheClosingLine)
{
    const std::pair<int, const char*> addresses[] = {{0, "000H -- "}, {0x10, "010H -- "}, {0xF0, "0F0H -- "},
        {0x100, "100H -- "}, {0xFF0, "FF0H -- "}, {0x1000, "1000H -- "}, {0x1FF0, "1FF0H -- "}, {0x2000, "2000H -- "}};
    for (const auto& [cell, text] : addresses)
        EXPECT_EQ(dumpAddress(cell), text) << cell;
    Buffer image{};
    for (int a = 0; a < 8192; ++a)
        image[size_t(a)] = std::uint8_t(a * 5 + 1);
    const QString text = dumpText(image, 8192);
    EXPECT_TRUE(text.startsWith("000H -- 01 06 0B 10 15 1A 1F 24 29 2E 33 38 3D 42 47 4C \r\n010H -- 51 "));
    EXPECT_TRUE(text.endsWith("\r\n1FF0H -- B1 B6 BB C0 C5 CA CF D4 D9 DE E3 E8 ED F2 F7 FC \r\n2000H -- "));
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 513);
    for (int l = 0; l < 512; ++l) {
        QString want = dumpAddress(16 * l);
        for (int k = 0; k < 16; ++k)
            want += QString::asprintf("%02X ", image[size_t(16 * l + k)]);
        ASSERT_EQ(lines[l], want) << l;
    }
}

TEST(MemoryDump, ShowsTheImageLastRead)
{
    BackupRig rig;
    rig.backup.memoryDump();
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"读取数据区为空，请先读取主机或分机内容后再点击此按钮！", StyleInfo, "错误"}}));
    EXPECT_TRUE(rig.view.text1.isEmpty() && !rig.view.fullSize && !rig.view.label2Visible);
    rig.readUnit(30);
    rig.view.label3Visible = rig.view.label4Visible = true;   // a report was shown before
    int updates = 0;
    QObject::connect(&rig.view, &BackupView::changed, [&] { ++updates; });
    rig.backup.memoryDump();
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(rig.view.text1, dumpText(rig.state.HostImage, 8192));
    const auto& v = rig.view;
    EXPECT_EQ((std::array{v.fullSize, v.label2Visible, v.label3Visible, v.label4Visible}), (std::array{true, true, false, false}));
    EXPECT_EQ(updates, 1);   // set once, whole
    rig.serveReceivers();
    rig.backup.readExternalReceiver();
    rig.backup.memoryDump();
    const QStringList lines = rig.view.text1.split("\r\n");
    EXPECT_EQ(lines.size(), 17);   // 16 lines and the closing address
    EXPECT_EQ(lines.last(), "100H -- ");
    EXPECT_TRUE(lines[0].startsWith("000H -- 3C 3D 3E 3F "));   // the external receiver's cells, not the host's
}

TEST(WindowLoad, StatusFromTheFlagsCommand4HiddenAndAFreshForm)
{
    const struct { bool host, receiver; const char* shown; } cases[] = {
        {false, false, "读取进度条 0/63 compact 主机未读取 分机未读取*"},
        {true, false, "读取进度条 0/63 compact 主机内容已读取 分机未读取*"},
        {false, true, "读取进度条 0/2 compact 主机未读取 分机内容已读取"}};   // Label7 keeps its visibility
    for (const auto& c : cases) {
        BackupRig rig;
        if (c.host)
            rig.backup.readHost();
        if (c.receiver)
            rig.serveReceivers(), rig.backup.readBuiltInReceiver();
        for (int i = 0; i < 5; ++i)
            rig.backup.label5Click();
        rig.view.text1 = "old", rig.view.combo1Index = 2, rig.view.fullSize = true;
        rig.backup.load();
        EXPECT_EQ(rig.shown(), c.shown);
        EXPECT_FALSE(rig.view.command4Visible) << c.shown;
        EXPECT_EQ(rig.view.label5Clicks, 0) << c.shown;
        EXPECT_EQ(rig.view.combo1Index, 0) << c.shown;
        EXPECT_TRUE(rig.view.text1.isEmpty()) << c.shown;
    }
}

TEST(WindowLoad, FiveLabel5ClicksRevealTheDumpUntilTheNextLoad)
{
    BackupRig rig;
    rig.backup.load();
    for (int i = 1; i <= 70005; ++i) {
        rig.backup.label5Click();
        ASSERT_EQ(rig.view.command4Visible, i >= 5) << i;
    }
    EXPECT_EQ(rig.view.label5Clicks, 5);
    rig.backup.load();
    for (int i = 1; i < 5; ++i)
        rig.backup.label5Click();
    EXPECT_FALSE(rig.view.command4Visible);
}
