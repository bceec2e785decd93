#include "CommandRig.h"
#include "commands/CommandPattern.h"

#include <stdexcept>

using namespace cs;
using namespace cs::test;

namespace {

const CommandPlan Plan = [] {
    CommandPlan p;
    p.code = 0x08, p.rounds = 2, p.waitSeconds = 0.5, p.focus = "TextA", p.timeout = timeoutNotice(true);
    p.outcomes = {{0, AnyStatus, successNotice("好", true)}, {AnyLength, AnyStatus, lengthErrorNotice(false)}};
    p.failureText = "坏了!", p.failureFocus = "TextB";
    return p;
}();
RunEnd runPlan(CommandRig& rig, const CommandPlan& plan, const std::function<Built()>& build = [] { return Built(QByteArray()); })
{
    return CommandRunner(rig.link, rig.portControl).run(plan, build);
}

} // namespace

TEST(CommandPattern, StepsInOrderWithThePromptAroundTheWait)
{
    CommandRig rig;
    CommandPlan plan = Plan;
    plan.prompt = "Form2";
    plan.confirmation = Confirmation{"继续？", "注意"};
    QStringList duringWait;
    rig.clock.onWait = [&](double) {
        duringWait = rig.ui.events;
        EXPECT_EQ(rig.sent(), 1);   // the request has left before the wait
    };
    EXPECT_EQ(runPlan(rig, plan, [&]() -> Built {
        EXPECT_TRUE(rig.state.PortIsOpen);      // opened before the inputs are read,
        EXPECT_EQ(rig.ui.messages.size(), 1);   // and after the question
        return QByteArray();
    }), RunEnd::Answered);
    EXPECT_EQ(duringWait, QStringList({"box:继续？", "show:Form2"}));
    EXPECT_EQ(rig.ui.events, QStringList({"box:继续？", "show:Form2", "hide:Form2", "box:好", "focus:TextA"}));
    EXPECT_EQ(rig.ui.messages, QList<Message>({{"继续？", StyleOkCancel, "注意"}, {"好", StyleInfo, "OK"}}));
    EXPECT_FALSE(rig.state.ReplyOk);   // cleared once the reply was taken
}

TEST(CommandPattern, ThrownErrorAndOverlongPayloadEndInTheFailureBox)
{
    for (const auto& build : {std::function<Built()>([]() -> Built { throw std::runtime_error("x"); }),
                              std::function<Built()>([] { return Built(QByteArray(256, '\1')); })}) {
        CommandRig rig;
        EXPECT_EQ(runPlan(rig, Plan, build), RunEnd::Failed);
        EXPECT_EQ(rig.ui.events, QStringList({"box:坏了!", "focus:TextB"}));
        EXPECT_EQ(rig.ui.messages, QList<Message>({stopBox("坏了!")}));
        EXPECT_EQ(rig.port.writeCount + rig.clock.waits, 0);
    }
}

TEST(CommandPattern, StaleReplyFlagIsNotTakenForAReply)
{
    CommandRig rig;
    rig.port.line.faults.silent = true;
    rig.state.ReplyOk = true;   // left over by an earlier exchange
    EXPECT_EQ(runPlan(rig, Plan), RunEnd::TimedOut);
    EXPECT_EQ(rig.ui.events, QStringList({"box:超时没有返回数据!!", "focus:TextA"}));
    EXPECT_DOUBLE_EQ(rig.clock.now(), 1.0);
}

TEST(CommandPattern, StatusRowNeedsAStatusByteAndAnUnmatchedReplyIsStillReported)
{
    CommandRig rig, other;
    CommandPlan plan = Plan;
    plan.outcomes = {{AnyLength, 7, successNotice("七", false)}, {AnyLength, AnyStatus, successNotice("其他", false)}};
    rig.state.RxBuffer[3] = 7;   // left from an earlier reply; m = 0 carries no status byte
    rig.replyData({});
    runPlan(rig, plan);
    EXPECT_EQ(rig.ui.messages, QList<Message>({{"其他", StyleInfo, "OK"}}));
    plan.outcomes = {{0, AnyStatus, successNotice("好", true)}};   // no catch-all row
    other.replyData(hex("01 02"));
    runPlan(other, plan);
    EXPECT_EQ(other.ui.messages, QList<Message>({{"返回数据长度错误", StyleInfo, "错误"}}));
}

TEST(EveryCommand, WaitPairPromptFailureBoxAndPort)
{
    for (const auto& c : commandCases()) {
        SCOPED_TRACE(c.name);
        // The one stop box and the focus move after it, with the prompt shown and taken down before it.
        const auto expectEnd = [&](const CommandRig& rig, const QString& prompt, const QString& box, const QString& focus) {
            EXPECT_EQ(afterQuestion(c, rig.ui.messages), QList<Message>({stopBox(box)}));
            const QString shown = prompt.isEmpty() ? "" : "show:" + prompt + "|hide:" + prompt + "|";
            EXPECT_EQ(afterQuestion(c, rig.ui.events).join('|'), shown + "box:" + box + (focus.isEmpty() ? "" : "|focus:" + focus));
        };
        {   // A silent unit: the wait pair on the virtual clock, the prompt standing during the wait only.
            CommandRig rig;
            rig.port.line.faults.silent = true;
            QList<qsizetype> shown;
            rig.clock.onWait = [&](double) { shown << rig.ui.events.count("show:" + c.prompt) - rig.ui.events.count("hide:" + c.prompt); };
            c.run(rig.commands);
            ASSERT_EQ(rig.sent(), 1);
            EXPECT_EQ(std::uint8_t(rig.requests().last()[1]), c.code);
            EXPECT_EQ(rig.clock.waits, c.rounds);
            EXPECT_DOUBLE_EQ(rig.clock.now(), c.rounds * c.seconds);
            EXPECT_EQ(shown, QList<qsizetype>(c.rounds, c.prompt.isEmpty() ? 0 : 1));
            expectEnd(rig, c.prompt, c.timeout, c.timeoutFocus);
            EXPECT_FALSE(rig.state.ReplyOk);
        }
        {   // The write fails: the failure box and no wait (the repeater delete had put up its prompt already).
            CommandRig rig;
            rig.breakLineUnderOpenPort();
            c.run(rig.commands);
            EXPECT_EQ(rig.sent() + rig.clock.waits, 0);
            expectEnd(rig, QString(c.name) == "deleteRepeater" ? "Form2" : "", c.failure, c.failureFocus);
        }
        for (bool wasOpen : {true, false}) {   // The port has gone: only its own report, not even the question.
            CommandRig rig;
            if (wasOpen)
                rig.portControl.EnsurePortOpen();
            rig.port.vanish();
            c.run(rig.commands);
            EXPECT_FALSE(rig.state.PortIsOpen);
            EXPECT_EQ(rig.ui.events, QStringList({"box:没发现此端口或端口已被其它程序占用!"}));
            EXPECT_EQ(rig.ui.messages.first(), stopBox("没发现此端口或端口已被其它程序占用!"));
        }
    }
}

TEST(EveryCommand, BothQuestionsCancelSendsNothing)
{
    const Message clear{"不输入发射机频率值，将清除系统中对发射机的设置！\r\n是否继续？", StyleOkCancel, "注意"};
    const Message init{"执行此操作将清除主机内存储的所有信息！！\r\n   您确认执行请按确定，否则请取消！", StyleOkCancel, "注意！！"};
    const std::tuple<Call, Message, QString, QString> cases[] = {
        {CMD(setTransmitterFrequency("")), clear, "发射机设置清除成功！", "发射机频率写入失败!"},
        {CMD(initialiseHost()), init, "初始化主机成功！", "初始化主机失败!"},
    };
    for (const auto& [run, question, success, failure] : cases) {
        for (int answer : {int(AnswerCancel), int(AnswerOk), 0 /* the port goes during the question */}) {
            CommandRig rig;
            rig.replyData({});
            rig.ui.answers = {answer ? answer : int(AnswerOk)};
            rig.ui.onMessage = [&](const Message& m) { if (!answer && m.style == StyleOkCancel) rig.port.vanish(); };
            run(rig.commands);
            EXPECT_EQ(rig.sent(), answer == AnswerOk ? 1 : 0);
            const Message end = answer == AnswerOk ? Message{success, StyleInfo, "OK"} : stopBox(failure);
            EXPECT_EQ(rig.ui.messages, (answer == AnswerCancel ? QList<Message>{question} : QList<Message>{question, end}));
            EXPECT_TRUE(answer != AnswerCancel || rig.state.PortIsOpen);   // opened before the question
            EXPECT_TRUE(answer != AnswerCancel || rig.ui.events == QStringList{"box:" + question.text});   // no focus move
        }
    }
}
