// Batch work of the commands: pager files, pager loads and learning runs.

#include "commands/PagerBatch.h"
#include "commands/TableLearning.h"
#include "link/Frame.h"
#include "support/PagerRows.h"
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
        // CR alone ends a line too (older Mac spreadsheets), also mixed with the others.
        {Head.chopped(1) + "\r1,1\r\r3,3\r\n4,4\n5,5",
         "2:1/1/0010 4:3/3/0010 5:4/4/0010 6:5/5/0010", ""},
        {Head.chopped(1) + "\r1,1\r0,1\r", "2:1/1/0010", "3:传呼号必须为1-254的数字！"},
        {Head + "7,12,1,1,2400,3,,\n,,,,,\n8,1,Standard,REVERSE,512,tone1\n",
         "2:7/12/1122 4:8/1/0000", ""},
        {Head + "1,1\n255,1\n", "2:1/1/0010", "3:传呼号必须为1-254的数字！"},
        {Head + "x,1\n2,12345678\n3,\n", "",
         "2:传呼号必须为1-254的数字！|3:地址码应为7位数字！|4:地址码应为7位数字！"},
        {Head + "6,00000001\n", "", "2:设置传呼号失败!"},
        {Head + "1,1,foo\n2,1,,,,0\n3,1,,,,,x\n4,1,?,正,?,?\n", "",
         "2:unknown value \"foo\" in the column 机型|3:unknown value \"0\" in the column 音调|"
         "4:more than 6 cells|5:unknown value \"?\" in the column 机型"},
        {Head + "5,1\n005,2\n", "2:5/1/0010", "3:pager 5 is already on line 2"},
        {"number,address\n1,1\n", "", "1:the first line must be \"" + Head.trimmed() + "\""},
        {"\n,,\n", "", "0:the file is empty"},
    };
    for (const auto& [text, expectedRows, expected] : cases) {
        const PagerFile f = readPagerCsv(text);
        EXPECT_EQ(std::tuple(cs::test::pagerRows(f), problems(f)),
                  std::tuple(expectedRows, expected))
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
        EXPECT_EQ(std::tuple(cs::test::pagerRows(f), problems(f)), std::tuple(expected, QString()));
    }
    EXPECT_EQ(problems(readPagerCsv(Head + "1,1,\x81\x30\x81\xFF\n")),
              "0:the file is neither UTF-8 nor GB18030 text");
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

    int asked = 0;
    const BatchControl stopping{{}, [&] { return ++asked > 2; }};
    const LearningEnd stop = learnTables(commands, 20, 30, {}, 0, stopping);
    EXPECT_EQ(std::tuple(stop.learned, stop.nextTable, stop.outcome.ending),
              std::tuple(2, 22, Ending::Stopped));
}
