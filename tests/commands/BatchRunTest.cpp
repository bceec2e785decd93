// The batch windows' state without widgets: what an import that ended early
// says, and why a learning run was refused or gave up.

#include "commands/LearningRun.h"
#include "commands/PagerImport.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;

namespace {

const QByteArray Head = "number,address,model,polarity,rate,tone\n";

} // namespace

TEST(PagerImport, ARunThatEndedEarlySaysWhichRowsWereSet)
{
    // Unit silent after `silentAfter` replies (-1: never), stop asked after `stopAt` rows.
    const std::tuple<int, int, Ending, const char*> runs[] = {
        {-1, -1, Ending::Done, "4个传呼机已全部写入。"},
        {-1, 0, Ending::Stopped, "已在第3行（传呼号1）之前停止；没有写入任何传呼机。"},
        {2, -1, Ending::Failed, "第5行（传呼号3）写入失败；已写入第3行至第4行（2个传呼机）。"},
        {0, -1, Ending::Failed, "第3行（传呼号1）写入失败；没有写入任何传呼机。"},
        {-1, 1, Ending::Stopped, "已在第4行（传呼号2）之前停止；已写入第3行（1个传呼机）。"},
    };
    for (const auto& [silentAfter, stopAt, ending, status] : runs) {
        test::Rig rig;
        Commands commands(rig.link, rig.portControl);
        int answered = 0;
        rig.port.line.replyOverride = [&answered, after = silentAfter](std::uint8_t code,
                                                                       const QByteArray&) {
            const bool silent = after >= 0 && answered++ >= after;
            return std::optional<QByteArray>(silent ? QByteArray() : replyFrame(code, {}));
        };
        PagerImport import(rig.link, commands, rig.ui);
        import.check("\n" + Head + "1,1\n2,2\n3,3\n\n4,4\n");
        QObject::connect(&import, &PagerImport::changed, [&, stop = stopAt] {
            if (import.running && import.done == stop)
                import.requestStop();
        });
        const Ending end = import.write().ending;
        EXPECT_EQ(std::tuple(end, import.status.toStdString()),
                  std::tuple(ending, std::string(status)));
        // The end's box, none for a stop; no request after the failed row or the stop.
        EXPECT_EQ(rig.ui.messages.size(), ending == Ending::Stopped ? 0 : 1);
        EXPECT_EQ(rig.requests().size(), import.done + (ending == Ending::Failed));
    }
}

TEST(LearningRun, RefusedBeforeAnythingIsSentOrGivesUpOnUnansweredRequests)
{
    const std::tuple<const char*, const char*, const char*, const char*, const char*> refused[] = {
        {"", "5", "", "餐桌号只能为数字！", "Text3_0"},
        {"1", "65536", "", "餐桌号必须为1-65535的数字！", "LastTable"},
        {"5", "4", "", "最后一个餐桌号不能小于第一个餐桌号！", "LastTable"},
        {"4", "5", "100", "键值只能是00-99的数字！", "Text3_1"},
    };
    for (const auto& [first, last, key, message, focus] : refused) {
        test::Rig rig;
        Commands commands(rig.link, rig.portControl);
        LearningRun run(rig.link, commands, rig.ui);
        EXPECT_EQ(run.start(first, last, {key, "", "", ""}).ending, Ending::Refused);
        EXPECT_EQ(std::tuple(rig.ui.messages.value(0).text.toStdString(),
                             rig.ui.focus.toStdString(), rig.requests().size()),
                  std::tuple(std::string(message), std::string(focus), qsizetype(0)));
    }

    // Nobody presses a key: the run gives up after the command line's number of requests.
    test::Rig rig;
    rig.port.line.keyPressAfter.reset();
    Commands commands(rig.link, rig.portControl);
    LearningRun run(rig.link, commands, rig.ui);
    EXPECT_EQ(run.start("20", "30", {}).ending, Ending::Failed);
    const QString status = "餐桌20：20次请求都没有回应：没有人按呼叫器的键，或者主机没有应答；"
                           "没有学习任何餐桌（0/11）。";
    EXPECT_EQ(std::tuple(run.status, rig.ui.messages.value(0).text, rig.requests().size()),
              std::tuple(status, status, qsizetype(DefaultLearningTries)));
    EXPECT_FALSE(rig.link.fastReplies());
}
