// The batch windows' state without widgets: the pager import's preview and
// run, and table learning in a row, on the in-process unit.

#include "commands/LearningRun.h"
#include "commands/PagerImport.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;

namespace {

const QByteArray Head = "number,address,model,polarity,rate,tone\n";

QString shown(const PagerImport& import)
{
    QStringList out;
    for (const PreviewRow& r : import.preview)
        out << QString::number(r.line) + ":" + r.cells.join('/') + ":" + r.problem;
    return out.join('|');
}

} // namespace

TEST(PagerImport, ThePreviewShowsEveryRowInFileOrder)
{
    test::Rig rig;
    Commands commands(rig.link, rig.portControl);
    const std::tuple<QByteArray, QString, bool> cases[] = {
        {Head + "3,7654321,new,normal,2400,tone2\n1,1234567,,,,\n",
         "2:3/7654321/数字新型/正/2400/音调2:|3:1/1234567/数字标准/反/1200/音调1:", true},
        // Bad rows keep their cells as the file has them, between the good ones.
        {Head + "1,1\n255, 2 ,x\n3,3\n4,4,a,b,c,d,e\n",
         "2:1/1/数字标准/反/1200/音调1:|3:255/2/x:传呼号必须为1-254的数字！|"
         "4:3/3/数字标准/反/1200/音调1:|5:4/4/a/b/c/d/e:more than 6 cells",
         false},
        {"number\n1\n", "1:number:the first line must be \"" + Head.trimmed() + "\"", false},
        {"", "0::the file is empty", false},
        {Head, "", false},
    };
    for (const auto& [contents, expected, writable] : cases) {
        PagerImport import(rig.link, commands, rig.ui);
        import.check(contents);
        EXPECT_EQ(shown(import).toStdString(), expected.toStdString()) << contents.data();
        EXPECT_EQ(import.canWrite(), writable) << contents.data();
    }
    EXPECT_TRUE(rig.requests().isEmpty());

    PagerImport import(rig.link, commands, rig.ui);
    EXPECT_EQ(import.open("/no/such/pagers.csv").ending, Ending::Refused);
    EXPECT_EQ(rig.ui.messages.value(0).text, QString("文件/no/such/pagers.csv打开失败！"));
    EXPECT_EQ(import.write().ending, Ending::Refused);   // no file yet
}

TEST(PagerImport, AFailedOrStoppedRunSaysWhichRowsWereSet)
{
    struct Case {
        int silentAfter;   // replies before the unit falls silent; -1: all
        int stopAt;        // rows done when the stop button is pressed; -1: never
        Ending ending;
        int done;
        const char* status;
        int boxes;
    };
    const Case cases[] = {
        {-1, -1, Ending::Done, 4, "4个传呼机已全部写入。", 1},
        {2, -1, Ending::Failed, 2, "第5行（传呼号3）写入失败；已写入第3行至第4行（2个传呼机）。", 1},
        {0, -1, Ending::Failed, 0, "第3行（传呼号1）写入失败；没有写入任何传呼机。", 1},
        {-1, 3, Ending::Stopped, 3, "已在第7行（传呼号4）之前停止；已写入第3行至第5行（3个传呼机）。", 0},
    };
    for (const Case& c : cases) {
        test::Rig rig;
        Commands commands(rig.link, rig.portControl);
        int answered = 0;
        rig.port.line.replyOverride = [&](std::uint8_t code, const QByteArray&) {
            const bool silent = c.silentAfter >= 0 && answered++ >= c.silentAfter;
            return std::optional<QByteArray>(silent ? QByteArray() : replyFrame(code, {}));
        };
        PagerImport import(rig.link, commands, rig.ui);
        import.check("\n" + Head + "1,1\n2,2\n3,3\n\n4,4\n");
        QList<bool> fast;
        QObject::connect(&import, &PagerImport::changed, [&] {
            fast << rig.link.fastReplies();
            if (import.running && import.done == c.stopAt)
                import.requestStop();
        });
        const Outcome end = import.write();
        EXPECT_EQ(std::tuple(end.ending, import.done, import.status, rig.ui.messages.size()),
                  std::tuple(c.ending, c.done, QString(c.status), qsizetype(c.boxes)));
        if (c.ending == Ending::Done) {
            EXPECT_EQ(rig.ui.messages.value(0).text, QString("4个传呼机写入成功！"));
        }
        // Fast replies for the run only.
        EXPECT_TRUE(fast.contains(true));
        EXPECT_FALSE(fast.last() || rig.link.fastReplies() || import.running);
    }
}

TEST(LearningRun, RefusesBadTableNumbersBeforeAnythingIsSent)
{
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"", "5", "", "餐桌号只能为数字！", "Text3_0"},
        {"0", "5", "", "餐桌号必须为1-65535的数字！", "Text3_0"},
        {"1", "65536", "", "餐桌号必须为1-65535的数字！", "LastTable"},
        {"5", "x", "", "餐桌号只能为数字！", "LastTable"},
        {"5", "4", "", "最后一个餐桌号不能小于第一个餐桌号！", "LastTable"},
        {"4", "5", "100", "键值只能是00-99的数字！", "Text3_1"},
    };
    for (const auto& [first, last, key, message, focus] : cases) {
        test::Rig rig;
        Commands commands(rig.link, rig.portControl);
        LearningRun run(rig.link, commands, rig.ui);
        EXPECT_EQ(run.start(first, last, {key, "", "", ""}).ending, Ending::Refused);
        EXPECT_EQ(std::tuple(rig.ui.messages.value(0).text, rig.ui.focus, rig.requests().size()),
                  std::tuple(QString(message), QString(focus), qsizetype(0)));
    }
}

TEST(LearningRun, ShowsTheTableAwaitedAndTheCallersLearned)
{
    test::Rig rig;
    rig.port.line.unansweredLearns = {0, 2, 0};
    Commands commands(rig.link, rig.portControl);
    LearningRun run(rig.link, commands, rig.ui);
    QStringList seen;
    QObject::connect(&run, &LearningRun::changed, [&] {
        const QString now = run.waitingText() + " " + run.attemptText();
        if (run.running && !run.waitingText().isEmpty() && seen.value(seen.size() - 1) != now)
            seen << now;
    });
    int bells = 0;
    QObject::connect(&run, &LearningRun::tableLearned, [&] { ++bells; });
    EXPECT_TRUE(run.start("8", "10", {"", "3", "", ""}).done());
    EXPECT_EQ(seen.join('|'), "餐桌 8 |餐桌 9 |餐桌 9 第2次请求|餐桌 9 第3次请求|餐桌 10 ");
    QStringList learned;
    for (const LearnedTable& t : run.learned)
        learned << QString("%1=%2").arg(t.table).arg(t.caller);
    EXPECT_EQ(learned.join(' '), "8=0A1B01 9=0A1B02 10=0A1B03");
    EXPECT_EQ(bells, 3);
    EXPECT_EQ(std::tuple(run.status, rig.ui.messages.value(0).text, run.waitingText()),
              std::tuple(QString("餐桌8至10全部学习完成。"), QString("3张餐桌学习完成！"), QString()));
    // The prompt window is the window's to show: the core asks for it at each request.
    EXPECT_EQ(rig.ui.shownPrompts.size(), 5);
}

TEST(LearningRun, EndsOnAStopOrAfterTheUnansweredRequestsOfOneTable)
{
    test::Rig rig;
    Commands commands(rig.link, rig.portControl);
    LearningRun run(rig.link, commands, rig.ui);
    QList<bool> fast;
    QObject::connect(&run, &LearningRun::changed, [&] { fast << rig.link.fastReplies(); });
    QObject::connect(&run, &LearningRun::tableLearned, [&](int table) {
        if (table == 9)
            run.requestStop();
    });
    EXPECT_EQ(run.start("8", "12", {}).ending, Ending::Stopped);
    EXPECT_EQ(std::tuple(run.status, rig.ui.messages.size(), rig.requests().size()),
              std::tuple(QString("已停止：已学习餐桌8至9（2/5）；餐桌10未学习。"), qsizetype(0),
                         qsizetype(2)));
    EXPECT_TRUE(fast.contains(true));
    EXPECT_FALSE(fast.last() || rig.link.fastReplies());

    test::Rig silent;
    silent.port.line.keyPressAfter.reset();
    Commands c(silent.link, silent.portControl);
    LearningRun nobody(silent.link, c, silent.ui);
    EXPECT_EQ(nobody.start("20", "30", {}).ending, Ending::Failed);
    const QString status = "餐桌20：20次请求都没有回应：没有人按呼叫器的键，或者主机没有应答；"
                           "没有学习任何餐桌（0/11）。";
    EXPECT_EQ(std::tuple(nobody.status, silent.ui.messages.value(0).text, silent.requests().size()),
              std::tuple(status, status, qsizetype(DefaultLearningTries)));

    // The unit's refusal (a full memory) ends the run with its own box.
    test::Rig full;
    full.unit.memoryFull = true;
    Commands f(full.link, full.portControl);
    LearningRun refused(full.link, f, full.ui);
    EXPECT_EQ(refused.start("1", "3", {}).ending, Ending::Failed);
    EXPECT_EQ(std::tuple(refused.status, full.ui.messages.value(0).text),
              std::tuple(QString("在餐桌1结束：没有学习任何餐桌（0/3）。"),
                         QString("接收器记忆区已经存满，无法写入！")));
}
