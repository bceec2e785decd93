// Batch work on the core: pager files, pager loads, learning runs and backup diffs.

#include "commands/PagerBatch.h"
#include "commands/TableLearning.h"
#include "link/Frame.h"
#include "reports/BackupDiff.h"
#include "reports/ReportFormats.h"
#include "support/Rig.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace cs;

namespace {

const QByteArray Head = "number,address,model,polarity,rate,tone\n";

QString problems(const PagerFile& f)
{
    QStringList out;
    for (const RowProblem& p : f.problems)
        out << QString::number(p.line) + ":" + p.message;
    return out.join('|');
}

QString rows(const PagerFile& f)
{
    QStringList out;
    for (const PagerRow& r : f.rows)
        out << QStringLiteral("%1:%2/%3/%4%5%6%7")
                   .arg(r.line)
                   .arg(r.number, r.address)
                   .arg(r.model)
                   .arg(r.polarity)
                   .arg(r.rate)
                   .arg(r.tone);
    return out.join(' ');
}

QByteArray gb18030(const QString& text)
{
    QStringEncoder encode("GB18030");
    return encode(text);
}

} // namespace

TEST(PagerFile, EveryBadRowIsListedWithItsLineAndTheWindowsMessage)
{
    const std::tuple<QByteArray, QString, QString> cases[] = {
        {"\xEF\xBB\xBF" + Head + "1,1234567,,,,\r\n\r\n254,0,英文,正,512,4\r\n",
         "2:1/1234567/0010 4:254/0/3103", ""},
        {Head + "7,12,new,normal,2,tone3\n", "2:7/12/1122", ""},
        {Head + "7,12,1,1,2400,3,,\n,,,,,\n8,1,Standard,REVERSE,512,tone1\n",
         "2:7/12/1122 4:8/1/0000", ""},
        {Head + "1,1\n255,1\n", "2:1/1/0010", "3:传呼号必须为1-254的数字！"},
        {Head + "x,1\n2,12345678\n3,\n", "",
         "2:传呼号必须为1-254的数字！|3:地址码应为7位数字！|4:地址码应为7位数字！"},
        {Head + "6,00000001\n", "", "2:设置传呼号失败!"},
        {Head + "1,1,foo\n2,1,,,,0\n3,1,,,,,x\n4,1,?,正,?,?\n", "",
         "2:unknown model \"foo\"|3:unknown tone \"0\"|4:more than 6 cells|5:unknown model \"?\""},
        {Head + "5,1\n005,2\n", "2:5/1/0010", "3:pager 5 is already on line 2"},
        {"number,address\n1,1\n", "", "1:the first line must be \"" + Head.trimmed() + "\""},
        {"\n,,\n", "", "0:the file is empty"},
    };
    for (const auto& [text, expectedRows, expected] : cases) {
        const PagerFile f = readPagerCsv(text);
        EXPECT_EQ(std::tuple(rows(f), problems(f)), std::tuple(expectedRows, expected))
            << text.data();
    }
}

TEST(PagerFile, SpreadsheetEncodings)
{
    // What a spreadsheet on a Chinese Windows PC saves: GB18030, Chinese words.
    const QString text = QString::fromUtf8(Head) + "9,7654321,中文字符,正,2400,音调4\r\n";
    const std::pair<QByteArray, QString> cases[] = {
        {text.toUtf8(), "2:9/7654321/2123"},
        {"\xEF\xBB\xBF" + text.toUtf8(), "2:9/7654321/2123"},
        {gb18030(text), "2:9/7654321/2123"},
    };
    for (const auto& [bytes, expected] : cases) {
        const PagerFile f = readPagerCsv(bytes);
        EXPECT_EQ(std::tuple(rows(f), problems(f)), std::tuple(expected, QString()));
    }
    EXPECT_EQ(problems(readPagerCsv(Head + "1,1,\x81\x30\x81\xFF\n")),
              "0:the file is neither UTF-8 nor GB18030 text");
}

TEST(PagerFile, TheExportOfABackupLoadsAsTheSamePagers)
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
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF" + Head + "1,1234567,new,normal,512,tone2\n"));
    const PagerFile f = readPagerCsv(csv);
    EXPECT_EQ(
        std::tuple(rows(f), problems(f)),
        std::tuple(QString("2:1/1234567/1101 3:100/0000007/3023 4:254/9876543/0112"), QString()));
}

TEST(PagerLoad, SetsRowsInOrderUntilOneFailsOrAStopIsAsked)
{
    const PagerFile f = readPagerCsv(Head + "1,1\n2,2\n3,3\n4,4\n");
    ASSERT_EQ(f.rows.size(), 4);
    struct Case {
        int silentAfter; // requests answered before the unit falls silent; -1: all
        int stopAfter;   // rows before a stop request; -1: none
        Ending ending;
        int written;
    };
    const Case cases[] = {
        {-1, -1, Ending::Done, 4},   {2, -1, Ending::Failed, 2},  {0, -1, Ending::Failed, 0},
        {-1, 3, Ending::Stopped, 3}, {-1, 0, Ending::Stopped, 0},
    };
    for (const Case& c : cases) {
        test::Rig rig;
        Commands commands(rig.link, rig.portControl);
        int answered = 0;
        rig.port.line.replyOverride = [&](std::uint8_t code, const QByteArray&) {
            const bool silent = c.silentAfter >= 0 && answered++ >= c.silentAfter;
            return silent ? std::optional<QByteArray>(QByteArray())
                          : std::optional<QByteArray>(replyFrame(code, {}));
        };
        QList<int> seen;
        BatchControl control;
        control.progress = [&](int done, int) { seen << done; };
        control.stop = [&] { return c.stopAfter >= 0 && seen.size() > c.stopAfter; };
        const PagerLoadEnd end = loadPagers(commands, f.rows, control);
        EXPECT_EQ(std::tuple(end.outcome.ending, end.written), std::tuple(c.ending, c.written))
            << c.silentAfter << " " << c.stopAfter;
        EXPECT_EQ(rig.requests().size(), std::min(c.written + 1, c.stopAfter < 0 ? 4 : c.written));
        EXPECT_EQ(seen.last(), c.written);
    }
}

TEST(TableLearning, AsksAgainUntilAKeyIsPressedOrTheTriesRunOut)
{
    test::Rig rig;
    rig.port.line.unansweredLearns = {0, 2, 5};
    Commands commands(rig.link, rig.portControl);
    QStringList seen;
    LearningEvents events;
    events.waiting = [&](int t, int attempt) { seen << QString("%1/%2").arg(t).arg(attempt); };
    events.learned = [&](int t, const QByteArray& c) { seen << QString("%1=").arg(t) + c.toHex(); };
    const LearningEnd end = learnTables(commands, 8, 10, {"", "3", "", ""}, 0, {}, events);
    EXPECT_EQ(std::tuple(end.learned, end.nextTable, end.outcome.ending),
              std::tuple(3, 11, Ending::Done));
    EXPECT_EQ(seen.join(' '),
              "8/1 8=0a1b01 9/1 9/2 9/3 9=0a1b02 10/1 10/2 10/3 10/4 10/5 10/6 "
              "10=0a1b03");
    EXPECT_EQ(rig.requests().size(), 10);
    EXPECT_EQ(rig.requests()[9].toHex(), "01030700000a03ffffffea");

    // Nobody presses: the run gives up after `tries` requests for one table.
    for (const int tries : {1, 4}) {
        test::Rig silent;
        silent.port.line.keyPressAfter.reset();
        Commands c(silent.link, silent.portControl);
        const LearningEnd gaveUp = learnTables(c, 20, 30, {}, tries);
        EXPECT_EQ(std::tuple(gaveUp.learned, gaveUp.nextTable, gaveUp.attempts,
                             gaveUp.outcome.ending, gaveUp.outcome.cause),
                  std::tuple(0, 20, tries, Ending::Failed, Cause::Unanswered));
        EXPECT_EQ(silent.requests().size(), tries);
    }
    int asked = 0;
    const BatchControl stopping{{}, [&] { return ++asked > 2; }};
    const LearningEnd stop = learnTables(commands, 20, 30, {}, 0, stopping);
    EXPECT_EQ(std::tuple(stop.learned, stop.nextTable, stop.outcome.ending),
              std::tuple(2, 22, Ending::Stopped));
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
