#include "CommandRig.h"
#include "commands/CommandPattern.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace cs;
using cs::test::CommandRig;
using cs::test::Message;
using cs::test::hex;

namespace {

const Message PortFailure{"没发现此端口或端口已被其它程序占用!", StyleStop, "错误"};

CommandPlan samplePlan()
{
    CommandPlan plan;
    plan.code = 0x08;
    plan.rounds = 2;
    plan.waitSeconds = 0.5;
    plan.focus = "TextA";
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {
        {0, AnyStatus, successNotice("好", true)},
        {1, 7, stopNotice("七", true, "注意")},
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = "坏了!";
    plan.failureFocus = "TextB";
    return plan;
}

} // namespace

TEST(CommandPattern, StepsInOrderWithThePromptAroundTheWait)
{
    CommandRig rig;
    CommandPlan plan = samplePlan();
    plan.prompt = "Form2";
    plan.confirmation = Confirmation{"继续？", "注意"};
    bool built = false;
    QStringList duringWait;
    rig.clock.onWait = [&](double) {
        duringWait = rig.ui.events;
        EXPECT_EQ(rig.sent(), 1);            // the request has left before the wait
    };
    const RunEnd end = CommandRunner(rig.link, rig.portControl).run(plan, [&]() -> Built {
        EXPECT_TRUE(rig.state.PortIsOpen);  // opened before the inputs are read
        EXPECT_EQ(rig.ui.messages.size(), 1);   // after the question
        built = true;
        return QByteArray();
    });
    EXPECT_EQ(end, RunEnd::Answered);
    EXPECT_TRUE(built);
    EXPECT_EQ(duringWait, QStringList({"box:继续？", "show:Form2"}));
    EXPECT_EQ(rig.ui.events, QStringList({"box:继续？", "show:Form2", "hide:Form2", "box:好", "focus:TextA"}));
    EXPECT_EQ(rig.ui.messages.first(), (Message{"继续？", StyleOkCancel, "注意"}));
    EXPECT_EQ(rig.ui.messages.last(), (Message{"好", StyleInfo, "OK"}));
    EXPECT_FALSE(rig.state.ReplyOk);        // cleared once the reply was taken
    EXPECT_EQ(rig.state.ReplyRounds, 1);     // one of two cycles used
    EXPECT_DOUBLE_EQ(rig.state.ReplyWaitSeconds, 0.5);
}

TEST(CommandPattern, CancelSendsAndShowsNothingMore)
{
    CommandRig rig;
    CommandPlan plan = samplePlan();
    plan.confirmation = Confirmation{"继续？", "注意"};
    rig.ui.answers = {AnswerCancel};
    bool built = false;
    const RunEnd end = CommandRunner(rig.link, rig.portControl).run(plan, [&]() -> Built {
        built = true;
        return QByteArray();
    });
    EXPECT_EQ(end, RunEnd::Cancelled);
    EXPECT_FALSE(built);
    EXPECT_EQ(rig.sent(), 0);
    EXPECT_EQ(rig.ui.events, QStringList({"box:继续？"}));
}

TEST(CommandPattern, ClosedPortEndsSilentlyWithoutAQuestion)
{
    CommandRig rig;
    rig.port.failOpen = true;
    CommandPlan plan = samplePlan();
    plan.confirmation = Confirmation{"继续？", "注意"};
    bool built = false;
    const RunEnd end = CommandRunner(rig.link, rig.portControl).run(plan, [&]() -> Built {
        built = true;
        return QByteArray();
    });
    EXPECT_EQ(end, RunEnd::PortClosed);
    EXPECT_FALSE(built);
    EXPECT_EQ(rig.ui.messages, QList<Message>({PortFailure}));   // the port's own report only
    EXPECT_EQ(rig.port.writeCount, 0);
}

TEST(CommandPattern, RefusalFailureAndThrownErrorSendNothing)
{
    struct Case {
        const char* name;
        std::function<Built()> build;
        RunEnd end;
        QStringList events;
        Message message;
    };
    const Case cases[] = {
        {"refusal", [] { return Built(Refusal{"输入错误！", "TextC"}); }, RunEnd::Refused,
         {"box:输入错误！", "focus:TextC"}, {"输入错误！", StyleStop, "错误"}},
        {"refusal without focus", [] { return Built(Refusal{"输入错误！", {}}); }, RunEnd::Refused,
         {"box:输入错误！"}, {"输入错误！", StyleStop, "错误"}},
        {"build failure", [] { return Built(BuildFailure{}); }, RunEnd::Failed,
         {"box:坏了!", "focus:TextB"}, {"坏了!", StyleStop, "错误"}},
        {"thrown error", []() -> Built { throw std::runtime_error("x"); }, RunEnd::Failed,
         {"box:坏了!", "focus:TextB"}, {"坏了!", StyleStop, "错误"}},
        {"payload longer than a frame holds", [] { return Built(QByteArray(256, '\1')); }, RunEnd::Failed,
         {"box:坏了!", "focus:TextB"}, {"坏了!", StyleStop, "错误"}},
    };
    for (const Case& c : cases) {
        CommandRig rig;
        const RunEnd end = CommandRunner(rig.link, rig.portControl).run(samplePlan(), c.build);
        EXPECT_EQ(end, c.end) << c.name;
        EXPECT_EQ(rig.ui.events, c.events) << c.name;
        EXPECT_EQ(rig.ui.messages, QList<Message>({c.message})) << c.name;
        EXPECT_EQ(rig.port.writeCount, 0) << c.name;
        EXPECT_EQ(rig.clock.waits, 0) << c.name;
    }
}

TEST(CommandPattern, StaleReplyFlagIsNotTakenForAReply)
{
    CommandRig rig;
    rig.port.line.faults.silent = true;
    rig.state.ReplyOk = true;   // left over by an earlier exchange
    const RunEnd end = CommandRunner(rig.link, rig.portControl).run(samplePlan(), [] { return Built(QByteArray()); });
    EXPECT_EQ(end, RunEnd::TimedOut);
    EXPECT_EQ(rig.ui.messages, QList<Message>({{"超时没有返回数据!!", StyleStop, "错误"}}));
    EXPECT_EQ(rig.ui.focus, "TextA");
    EXPECT_DOUBLE_EQ(rig.clock.now(), 1.0);
}

TEST(CommandPattern, OutcomeRowsByLengthAndStatus)
{
    const struct {
        const char* reply;
        QString text;
        int focusMoves;
    } cases[] = {
        {"", "好", 1},
        {"07", "七", 1},
        {"08", "返回数据长度错误", 0},
        {"07 00", "返回数据长度错误", 0},
        {"00 00 00", "返回数据长度错误", 0},
    };
    for (const auto& c : cases) {
        CommandRig rig;
        rig.replyData(hex(c.reply));
        CommandRunner(rig.link, rig.portControl).run(samplePlan(), [] { return Built(QByteArray()); });
        ASSERT_EQ(rig.ui.messages.size(), 1) << c.reply;
        EXPECT_EQ(rig.ui.messages[0].text, c.text) << c.reply;
        EXPECT_EQ(rig.focusMoves(), c.focusMoves) << c.reply;
    }
}

TEST(CommandPattern, StatusRowNeedsAStatusByte)
{
    CommandRig rig;
    CommandPlan plan = samplePlan();
    plan.outcomes = {{AnyLength, 7, successNotice("七", false)}, {AnyLength, AnyStatus, successNotice("其他", false)}};
    rig.state.RxBuffer[3] = 7;   // left from an earlier reply
    rig.replyData({});           // m = 0: no status byte of its own
    CommandRunner(rig.link, rig.portControl).run(plan, [] { return Built(QByteArray()); });
    EXPECT_EQ(rig.ui.messages, QList<Message>({{"其他", StyleInfo, "OK"}}));
}

TEST(CommandPattern, PlanWithoutCatchAllStillReportsAnUnexpectedReply)
{
    CommandRig rig;
    CommandPlan plan = samplePlan();
    plan.outcomes = {{0, AnyStatus, successNotice("好", true)}};
    rig.replyData(hex("01 02"));
    CommandRunner(rig.link, rig.portControl).run(plan, [] { return Built(QByteArray()); });
    EXPECT_EQ(rig.ui.messages, QList<Message>({{"返回数据长度错误", StyleInfo, "错误"}}));
}

TEST(CommandPattern, FailedWriteHidesAPromptShownBeforeTheSend)
{
    for (bool before : {false, true}) {
        CommandRig rig;
        CommandPlan plan = samplePlan();
        plan.prompt = "Form2";
        plan.promptBeforeSend = before;
        rig.breakLineUnderOpenPort();
        const RunEnd end = CommandRunner(rig.link, rig.portControl).run(plan, [] { return Built(QByteArray()); });
        EXPECT_EQ(end, RunEnd::Failed);
        const QStringList expected = before
            ? QStringList({"show:Form2", "hide:Form2", "box:坏了!", "focus:TextB"})
            : QStringList({"box:坏了!", "focus:TextB"});
        EXPECT_EQ(rig.ui.events, expected) << before;
        EXPECT_EQ(rig.clock.waits, 0);
    }
}

// ---- Every command --------------------------------------------------------

TEST(EveryCommand, SilentUnitTimesOutAfterItsWaitPair)
{
    for (const auto& c : cs::test::commandCases()) {
        CommandRig rig;
        rig.port.line.faults.silent = true;
        c.run(rig.commands);
        ASSERT_EQ(rig.sent(), 1) << c.name;
        EXPECT_EQ(rig.lastCode(), c.code) << c.name;
        EXPECT_EQ(rig.clock.waits, c.rounds) << c.name;
        EXPECT_DOUBLE_EQ(rig.clock.now(), c.rounds * c.seconds) << c.name;
        ASSERT_FALSE(rig.ui.messages.isEmpty()) << c.name;
        EXPECT_EQ(rig.ui.messages.last(), c.timeout) << c.name;
        EXPECT_EQ(rig.ui.focus, c.timeoutFocus) << c.name;
        EXPECT_EQ(rig.focusMoves(), c.timeoutFocus.isEmpty() ? 0 : 1) << c.name;
        EXPECT_TRUE(rig.ui.events.last().startsWith(c.timeoutFocus.isEmpty() ? "box:" : "focus:")) << c.name;
        EXPECT_FALSE(rig.state.ReplyOk) << c.name;
    }
}

TEST(EveryCommand, LearningPromptStandsDuringTheWaitOnly)
{
    for (const auto& c : cs::test::commandCases()) {
        CommandRig rig;
        QStringList shownDuringWaits;
        rig.clock.onWait = [&](double) {
            const int shows = int(rig.ui.events.count("show:" + c.prompt));
            const int hides = int(rig.ui.events.count("hide:" + c.prompt));
            shownDuringWaits << (shows - hides == 1 ? "shown" : "not shown");
        };
        c.run(rig.commands);
        const QString expectedState = c.prompt.isEmpty() ? "not shown" : "shown";
        ASSERT_FALSE(shownDuringWaits.isEmpty()) << c.name;
        for (const QString& s : shownDuringWaits)
            EXPECT_EQ(s, expectedState) << c.name;
        EXPECT_EQ(rig.ui.shownPrompts, c.prompt.isEmpty() ? QStringList() : QStringList({c.prompt})) << c.name;
        if (!c.prompt.isEmpty()) {
            // Hidden before the outcome is shown.
            const qsizetype hide = rig.ui.events.indexOf("hide:" + c.prompt);
            ASSERT_GE(hide, 0) << c.name;
            EXPECT_EQ(rig.ui.events.lastIndexOf("show:" + c.prompt), hide - 1) << c.name;
            EXPECT_TRUE(rig.ui.events[hide + 1].startsWith("box:")) << c.name;
        }
    }
}

TEST(EveryCommand, FailedWriteEndsInTheFailureBox)
{
    for (const auto& c : cs::test::commandCases()) {
        CommandRig rig;
        rig.breakLineUnderOpenPort();
        c.run(rig.commands);
        EXPECT_EQ(rig.sent(), 0) << c.name;
        EXPECT_EQ(rig.clock.waits, 0) << c.name;
        ASSERT_FALSE(rig.ui.messages.isEmpty()) << c.name;
        EXPECT_EQ(rig.ui.messages.last(), (Message{c.failure, StyleStop, "错误"})) << c.name;
        EXPECT_EQ(rig.ui.focus, c.failureFocus) << c.name;
        EXPECT_EQ(rig.focusMoves(), c.failureFocus.isEmpty() ? 0 : 1) << c.name;
        EXPECT_EQ(rig.ui.events.count("show:Form2") + rig.ui.events.count("show:Form4"),
                  rig.ui.events.count("hide:Form2") + rig.ui.events.count("hide:Form4")) << c.name;
    }
}

TEST(EveryCommand, VanishedPortEndsWithThePortReportOnly)
{
    for (bool wasOpen : {true, false}) {
        for (const auto& c : cs::test::commandCases()) {
            CommandRig rig;
            if (wasOpen)
                rig.portControl.EnsurePortOpen();
            rig.port.vanish();
            c.run(rig.commands);
            EXPECT_EQ(rig.sent(), 0) << c.name;
            EXPECT_EQ(rig.port.writeCount, 0) << c.name;
            EXPECT_FALSE(rig.state.PortIsOpen) << c.name;
            EXPECT_EQ(rig.ui.messages, QList<Message>({PortFailure})) << c.name << wasOpen;   // no question either
            EXPECT_EQ(rig.focusMoves(), 0) << c.name;
        }
    }
}

TEST(EveryCommand, PortLostDuringTheQuestionEndsInTheFailureBox)
{
    for (const char* name : {"initialiseHost", "clearTransmitterFrequency"}) {
        const auto& c = cs::test::commandCase(name);
        CommandRig rig;
        rig.ui.onMessage = [&](const Message& m) {
            if (m.style == StyleOkCancel)
                rig.port.vanish();
        };
        c.run(rig.commands);
        EXPECT_EQ(rig.sent(), 0) << name;
        ASSERT_EQ(rig.ui.messages.size(), 2) << name;
        EXPECT_EQ(rig.ui.messages[1], (Message{c.failure, StyleStop, "错误"})) << name;
    }
}

TEST(EveryCommand, OpensTheChosenPortFirst)
{
    for (const auto& c : cs::test::commandCases()) {
        CommandRig rig;
        rig.portControl.setPortText("COM3");
        c.run(rig.commands);
        EXPECT_EQ(rig.port.openedDevices, QStringList({"COM3"})) << c.name;
        EXPECT_TRUE(rig.state.PortIsOpen) << c.name;
        EXPECT_EQ(rig.portControl.statusText(), QString("已打开COM3")) << c.name;
        EXPECT_EQ(rig.sent(), 1) << c.name;
    }
}
