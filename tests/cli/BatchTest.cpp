// Batch work on the core: pager files, learning runs, verified downloads, backup
// diffs, and init refused by the program when nobody can be asked.

#include "commands/PagerBatch.h"
#include "commands/TableLearning.h"
#include "memory/Verify.h"
#include "reports/BackupDiff.h"
#include "support/Files.h"
#include "support/Rig.h"

#include <QProcess>
#include <QTemporaryDir>
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

// Runs the program against a port it cannot open (sending would report that
// first); its exit status and standard error.
std::pair<int, QString> runCli(const QStringList& arguments)
{
    QProcess cli;   // standard input is a pipe, not a terminal
    cli.start(CALLSETUP_CLI_PROGRAM, QStringList{"--port", "/nonexistent"} + arguments);
    cli.waitForFinished(10000);
    return {cli.exitCode(), cli.readAllStandardError()};
}

} // namespace

TEST(PagerFile, EveryBadRowIsListedWithItsLineAndTheWindowsMessage)
{
    const std::tuple<QByteArray, int, QString> cases[] = {
        {"\xEF\xBB\xBF" + Head + "1,1234567,,,,\r\n\r\n254,0,英文,正,512,4\r\n", 2, ""},
        {Head + "7,12,new,normal,2,tone3\n", 1, ""},
        {Head + "1,1\n255,1\n", 1, "3:传呼号必须为1-254的数字！"},
        {Head + "x,1\n2,12345678\n3,\n", 0,
         "2:传呼号必须为1-254的数字！|3:地址码应为7位数字！|4:地址码应为7位数字！"},
        {Head + "6,00000001\n", 0, "2:设置传呼号失败!"},
        {Head + "1,1,foo\n2,1,,,,0\n3,1,,,,,\n", 0,
         "2:unknown model \"foo\"|3:unknown tone \"0\"|4:more than 6 cells"},
        {Head + "5,1\n005,2\n", 1, "3:pager 5 is already on line 2"},
        {"number,address\n1,1\n", 0, "1:the first line must be \"" + Head.trimmed() + "\""},
    };
    for (const auto& [text, rows, expected] : cases) {
        const PagerFile f = readPagerCsv(text);
        EXPECT_EQ(std::tuple(f.rows.size(), problems(f)), std::tuple(rows, expected));
    }
    const PagerRow row = readPagerCsv(Head + "7,12,new,normal,2,tone3\n").rows.value(0);
    EXPECT_EQ(std::tuple(row.line, row.model, row.polarity, row.rate, row.tone),
              std::tuple(2, 1, 1, 2, 2));
}

TEST(CliRefusals, ABadRowOrAnUnconfirmedInitSendsNothing)
{
    QTemporaryDir dir;
    const QString file = test::writeFile(dir.filePath("p.csv"), Head + "1,1\n0,1\n");
    EXPECT_EQ(runCli({"pagers", "load", file}),
              std::pair(1, "line 3: 传呼号必须为1-254的数字！\n" + file
                               + ": nothing was sent\n"));
    const auto [status, err] = runCli({"init"});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(err.contains("--yes")) << err.toStdString();
}

TEST(TableLearning, AsksAgainUntilAKeyIsPressed)
{
    test::Rig rig;
    rig.port.line.unansweredLearns = {0, 2, 5};
    Commands commands(rig.link, rig.portControl);
    QStringList seen;
    LearningEvents events;
    events.waiting = [&](int t, int attempt) { seen << QString("%1/%2").arg(t).arg(attempt); };
    events.learned = [&](int t, const QByteArray& c) { seen << QString("%1=").arg(t) + c.toHex(); };
    const LearningEnd end = learnTables(commands, 8, 10, {"", "3", "", ""}, {}, events);
    EXPECT_EQ(std::tuple(end.learned, end.nextTable, end.stopped, end.end),
              std::tuple(3, 11, false, RunEnd::Succeeded));
    EXPECT_EQ(seen.join(' '), "8/1 8=0a1b01 9/1 9/2 9/3 9=0a1b02 10/1 10/2 10/3 10/4 10/5 10/6 "
                              "10=0a1b03");
    EXPECT_EQ(rig.requests().size(), 10);
    EXPECT_EQ(rig.requests()[9].toHex(), "01030700000a03ffffffea");
    EXPECT_EQ(rig.ui.messages.size(), 3);   // the successes only, no time-outs
    int asked = 0;
    const auto stop = learnTables(commands, 20, 30, {}, [&] { return ++asked > 2; });
    EXPECT_EQ(std::tuple(stop.learned, stop.nextTable, stop.stopped), std::tuple(2, 22, true));
}

TEST(VerifiedDownload, FindsTheBlockTheUnitStoredWrongly)
{
    for (const int corrupt : {-1, 7, 63}) {
        test::Rig rig;
        BackupView view;
        DataBackup backup(rig.link, rig.portControl, view);
        for (int i = 0; i < HostMemorySize; ++i)
            rig.state.HostImage[size_t(i)] = std::uint8_t(i * 7);
        rig.state.HostImageLoaded = true;
        const Buffer sent = rig.state.HostImage;
        rig.port.line.faults.corruptBlock = corrupt;
        const auto d = downloadAndVerify(backup, rig.state);
        ASSERT_TRUE(d.has_value());
        const auto expected = corrupt < 0 ? std::tuple(0, -1) : std::tuple(1, 128 * corrupt);
        EXPECT_EQ(std::tuple(d->count, d->first), expected);
        EXPECT_EQ(rig.state.HostImage, sent);
    }
}

TEST(BackupDiff, SaysWhatChangedInTheWordsOfTheReports)
{
    Buffer a;
    a.fill(0xFF);
    const std::uint8_t pager[] = {0x62, 0x12, 0x34, 0x56, 0x71};
    std::copy(pager, pager + 5, a.begin() + 5);   // pager 2
    const auto set = [](Buffer b, int cell, int value) { return b[cell] = value, b; };
    const std::pair<Buffer, QString> cases[] = {
        {a, ""},
        {set(a, 9, 0x72), "pagers changed:\n- " "   2    1 2 3 4 5 6 7     正     数字新型    512"
                          "    音调2\n+    2    1 2 3 4 5 6 7     正     数字新型    512    音调3\n"},
        {set(a, 5, 0xFF), "pagers removed:\n-    2    1 2 3 4 5 6 7     正     数字新型    512"
                          "    音调2\n"},
        {set(a, 8166, 1), "工作模式:\n- 当前工作类型为：\n- 单键模式0\n+ 当前工作类型为：\n"
                          "+ 多键模式\n"},
        {set(set(a, 12, 0), 4000, 1), "other cells that differ: 2\n"},
    };
    for (const auto& [b, expected] : cases)
        EXPECT_EQ(backupDiff(a, b), expected);
}
