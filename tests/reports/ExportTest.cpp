// The forms of a backup for other programs and people: the pager CSV, which a
// pager file takes back, and the differences between two backups.

#include "commands/PagerBatch.h"
#include "reports/BackupDiff.h"
#include "reports/ReportFormats.h"
#include "support/PagerRows.h"

#include <gtest/gtest.h>

using namespace cs;

TEST(PagerCsv, TheExportOfABackupLoadsAsTheSamePagers)
{
    Buffer image;
    image.fill(0xFF);
    const std::pair<int, QByteArray> pagers[] = {
        {1, QByteArray::fromHex("6212345671")},   // 数字新型 512 正 音调2
        {100, QByteArray::fromHex("4A00000073")}, // 英文 2400 反 音调4
        {254, QByteArray::fromHex("7598765432")}, // 数字标准 1200 正 音调3
    };
    for (const auto& [n, bytes] : pagers)
        std::copy(bytes.begin(), bytes.end(), image.begin() + 5 * (n - 1));
    const QByteArray csv = pagerCsv(HostMemory(image));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFnumber,address,model,polarity,rate,tone\n"
                               "1,1234567,new,normal,512,tone2\n"));
    const PagerFile f = readPagerCsv(csv);
    EXPECT_EQ(std::tuple(cs::test::pagerRows(f), f.problems.size()),
              std::tuple(QString("2:1/1234567/1101 3:100/0000007/3023 4:254/9876543/0112"), 0));
}

TEST(BackupDiff, EveryDifferingByteIsAccountedFor)
{
    Buffer a;
    a.fill(0xFF);
    const std::uint8_t pager[] = {0x62, 0x12, 0x34, 0x56, 0x71};
    std::copy(pager, pager + 5, a.begin() + 5); // pager 2
    const auto set = [](Buffer b, int cell, int value) { return b[cell] = value, b; };
    const QString line = "   2    1 2 3 4 5 6 7     正     数字新型    512    音调";
    const QString other = "other cells that differ (address: before -> after):\n";
    const Buffer toneless = set(a, 9, 0x74); // pager 2 with tone nibble 4: no tone
    const std::tuple<Buffer, Buffer, int, QString> cases[] = {
        {a, a, 0, ""},
        {a, set(a, 9, 0x72), 1, "传呼号 changed:\n- " + line + "2\n+ " + line + "3\n"},
        {a, set(a, 5, 0xFF), 1, "传呼号 removed:\n- " + line + "2\n"},
        {a, set(a, 8166, 1), 1,
         "工作模式:\n- 当前工作类型为：\n- 单键模式0\n+ 当前工作类型为：\n"
         "+ 多键模式\n"},
        // Cells no report line shows differently: by address.
        {a, set(a, 8166, 2), 1, other + "  1FE6H: FF -> 02\n"},
        {toneless, set(toneless, 9, 0x75), 1, other + "  0009H: 74 -> 75\n"},
        {a, set(a, 8188, 2), 1, other + "  1FFCH: FF -> 02\n"},
        {a, set(set(a, 12, 0), 4000, 1), 2, other + "  000CH: FF -> 00\n  0FA0H: FF -> 01\n"},
    };
    for (const auto& [before, after, cells, expected] : cases) {
        const BackupDifference d = backupDiff(before, after);
        EXPECT_EQ(std::tuple(d.cells, d.text), std::tuple(cells, expected));
    }
}
