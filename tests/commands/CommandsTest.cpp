// What the commands put on the line, what they refuse, and the command pattern.
#include "commands/Commands.h"
#include "commands/CommandPattern.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

using Call = std::function<Outcome(Commands&)>;
#define CMD(call) [=](cs::Commands& c) { return c.call; }

Call pager(QString n, QString a, int model = 0, int pol = 0, int rate = 1, int tone = 0)
{
    return CMD(setPager(n, a, model, pol, rate, tone));
}
Call table(QString t, QString k = "", QString p1 = "", QString p2 = "", QString p3 = "")
{
    return CMD(setTable(t, k, p1, p2, p3));
}
Call tx(QString mhz)
{
    return CMD(setTransmitterFrequency(mhz));
}
Call rx(QString f, int at, QString n)
{
    return CMD(setReceiverFrequency(f, at, n));
}

struct CommandRig : Rig {
    Commands commands{link, portControl};
    // Every reply carries this data.
    void replyData(const QByteArray& data)
    {
        port.line.replyOverride = [data](std::uint8_t code, const QByteArray&) {
            return std::optional<QByteArray>(replyFrame(code, data));
        };
    }
    // Runs a command and shows its outcome as the windows do.
    Outcome click(const Call& call) { return shown(call(commands)); }
    Ending run(const CommandPlan& plan, const std::function<Built()>& build)
    {
        return shown(CommandRunner(link, portControl).run(plan, build)).ending;
    }
};

Message stop(const QString& text)
{
    return {text, Style::Stop, Title::Error};
}

} // namespace

TEST(Commands, BytesOnTheLine)
{
    const std::tuple<Call, const char*> cases[] = {
        {pager("254", "1234567", 1, 1, 2, 1), "01 0D 02 36 00 09 01 01 02 03 04 05 06 07 01"},
        {pager("100", "12", 0, 0, 1, 3), "01 0D 01 00 00 02 00 00 00 00 00 00 01 02 03"},
        {CMD(deletePager("254")), "04 01 FE"},
        {table("65535"), "03 07 00 FF FF FF FF FF FF"},
        {table("258", "42", "1", "2", "3"), "03 07 00 01 02 01 02 03 2A"},
        {table("1", "00", "", "", "200"), "03 07 00 00 01 FF FF C8 00"},
        {table(" 5 ", " 7", "12 "), "03 07 00 00 05 0C FF FF 07"},
        {CMD(deleteTable("258")), "07 02 01 02"},
        {CMD(setHurryButton("9")), "11 01 09"},
        {CMD(deleteHurryButton("1")), "12 01 01"},
        {CMD(setReceiverNumber("80")), "02 01 50"},
        {rx("315.6", 7, "80"), "0A 02 07 50"},
        {rx("314.2", 0, ""), "0A 01 00"},
        {tx("430.225"), "0B 03 41 A5 AA"},
        {tx("430.2125"), "0B 03 41 A5 2D"},
        {tx(""), "0B 00"},
        {CMD(setWorkMode(2)), "17 01 02"},
        {CMD(setInfoUnitType(0)), "13 01 FF"},
        {CMD(setInfoUnitType(1)), "13 01 00"},
        {CMD(initialiseHost()), "09 00"},
        {CMD(writeRepeater()), "03 00"},
        {CMD(deleteRepeater()), "07 00"},
    };
    for (const auto& [run, body] : cases) {
        CommandRig rig;
        rig.click(run);
        const QByteArray b = hex(body);
        EXPECT_EQ(rig.port.written.toHex(' '), requestFrame(b[0], b.mid(2)).toHex(' ')) << body;
    }
}

TEST(Commands, RefusedInputsSendNothing)
{
    const QString pn = "传呼号必须为1-254的数字！", tp = "传呼号必须为1-255的数字！";
    const QString tr = "餐桌号必须为1-65535的数字！", fk = "频率值必须为12.5K的倍数！";
    const QString fr = "频率值应在100到500之间！", fi = "频率值里不能输入非法数值!";
    // The first failed check wins: its box, then the focus into its field (none: no move).
    const std::tuple<Call, QString, QString> cases[] = {
        {pager("255", "x"), pn, "Text1_0"},
        {pager("1", "12a"), "地址码应为7位数字！", "Text1_1"},
        {pager("1", "10000000"), "地址码应为7位数字！", "Text1_1"},
        {pager("1", "1", 4), "设置传呼号失败!", "Text1_0"},
        {pager("1", "1", 0, 0, 1, 4), "设置传呼号失败!", "Text1_0"},
        {CMD(deletePager("0")), pn, "Text4"},
        {table("", "x"), "餐桌号只能为数字！", "Text3_0"},
        {table("65536", "x", "x"), tr, "Text3_0"},
        {table("1", "x", "256", "x"), tp, "Text3_2"},
        {table("1", "100"), "键值只能是00-99的数字！", "Text3_1"},
        {table("1", "", "", "", "\t"), tp, "Text3_4"},
        // Blank fields: a required one is no number, an optional one is not empty.
        {pager(" ", "1"), pn, "Text1_0"},
        {pager("1", "  "), "地址码应为7位数字！", "Text1_1"},
        {CMD(deletePager("\t")), pn, "Text4"},
        {table(" "), "餐桌号只能为数字！", "Text3_0"},
        {table("1", "", " "), tp, "Text3_2"},
        {CMD(deleteTable(" ")), "餐桌号码只能为数字！", "Text6"},
        {CMD(setHurryButton(" ")), "催菜器号码必须为1-9的数字！", "Text11"},
        {CMD(deleteHurryButton("")), "催菜器号码必须为1-9的数字！", "Text5"},
        {CMD(deleteTable("0")), "餐桌号码必须为1-65535的数字！", "Text6"},
        {CMD(setHurryButton("10")), "催菜器号码必须为1-9的数字！", "Text11"},
        {CMD(setReceiverNumber("81")), "接收器号码必须为01-80的数字！", "Text2"},
        {rx("", 7, "0"), "请选择接收器的频率！", ""},
        {rx("315.6", 7, "0"), "接收器号码必须为1-80的数字！", ""},
        {rx("316.0", -1, "80"), "接收器频率写入失败!", ""},
        {tx("433.92"), fk, "Text7"},
        {tx("99.9"), fr, "Text7"},
        {tx("500.0125"), fr, "Text7"},
        {tx("99.9x"), fi, "Text7"},
        {CMD(setWorkMode(3)), "工作模式设置失败！", ""},
        {CMD(setInfoUnitType(2)), "设置信息机类型失败!", ""},
    };
    for (const auto& [run, text, focus] : cases) {
        CommandRig rig;
        EXPECT_EQ(rig.click(run).ending, Ending::Refused) << text.toStdString();
        EXPECT_EQ(rig.port.writeCount, 0) << text.toStdString();
        EXPECT_EQ(rig.ui.messages, QList<Message>{stop(text)}) << focus.toStdString();
        EXPECT_EQ(rig.ui.focus, focus) << text.toStdString();
    }
}

TEST(Commands, WaitCyclesAndLearningPrompts)
{
    // Against a silent unit: the cycles on the virtual clock and the prompt standing during them.
    const std::tuple<Call, int, double, QString> cases[] = {
        {pager("1", "1"), 3, 1, ""},
        {CMD(deletePager("1")), 2, 1, ""},
        {table("1"), 1, 3, "Form2"},
        {CMD(deleteTable("1")), 1, 2, ""},
        {CMD(setHurryButton("1")), 1, 3, "Form4"},
        {CMD(setReceiverNumber("1")), 2, 1, ""},
        {rx("315.6", 7, ""), 3, 1, ""},
        {CMD(initialiseReceiver()), 4, 1, ""},
        {tx("430.225"), 2, 1, ""},
        {tx(""), 3, 1.5, ""},
        {CMD(setWorkMode(0)), 3, 1, ""},
        {CMD(setInfoUnitType(0)), 2, 1, ""},
        {CMD(initialiseHost()), 3, 1, ""},
        {CMD(writeRepeater()), 1, 3, "Form2"},
    };
    int row = 0;
    for (const auto& [run, rounds, seconds, prompt] : cases) {
        SCOPED_TRACE(row++);
        CommandRig rig;
        rig.port.line.faults.silent = true;
        QStringList atWait;
        rig.clock.onWait = [&](double) { atWait << rig.ui.shownPrompts.join(""); };
        const Outcome outcome = rig.click(run);
        EXPECT_EQ(std::tuple(outcome.ending, outcome.cause),
                  std::tuple(Ending::Failed, Cause::NoReply));
        EXPECT_EQ(rig.clock.waits, rounds);
        EXPECT_DOUBLE_EQ(rig.clock.now(), rounds * seconds);
        EXPECT_EQ(atWait, QStringList(rounds, prompt));
        EXPECT_EQ(rig.ui.events.contains("hide:" + prompt), !prompt.isEmpty());
    }
}

TEST(Commands, StatusBytesChooseTheAnswer)
{
    const std::tuple<Call, const char*, QString> cases[] = {
        {CMD(deletePager("1")), "01", "无此传呼号！"},
        {CMD(deleteTable("1")), "01", "没有与餐桌号对应的呼叫器或接收器与主机连接不正常！！"},
        {CMD(deleteTable("1")), "02", "不存在此餐桌号码！！"},
        {CMD(deleteTable("1")), "03", ""},
        {CMD(deleteRepeater()), "01", "转发器中无此呼叫器！"},
        {CMD(deleteRepeater()), "00", "转发器内容为空！"},
        {table("1"), "", "接收器记忆区已经存满，无法写入！"},
    };
    for (const auto& [run, reply, text] : cases) {
        CommandRig rig;
        rig.replyData(hex(reply));
        EXPECT_EQ(rig.click(run).ending, Ending::Failed) << reply;
        EXPECT_EQ(rig.ui.messages.value(0).text, text) << reply;
    }
}

TEST(Commands, RepeaterDeletePromptStandsBeforeTheRequest)
{
    CommandRig rig; // the write fails: the prompt was up already
    rig.portControl.EnsurePortOpen();
    rig.port.onLost = nullptr;
    rig.port.vanish();
    rig.click(CMD(deleteRepeater()));
    EXPECT_EQ(rig.ui.events.join('|'), "show:Form2|hide:Form2|box:删除转发器内容失败!");
}

TEST(CommandPattern, OutcomeByLengthAndStatusByte)
{
    CommandPlan plan;
    plan.code = 0x08;
    plan.focus = Field::PagerNumber;
    plan.outcomes = {successRow(0, "零", true),
                     {1, 2, stopNotice("二", false)},
                     {1, AnyStatus, lengthErrorNotice(false, "一")},
                     {AnyLength, 7, successNotice("七", false), Ending::Done}};
    const std::tuple<const char*, QString, QString, Ending> cases[] = {
        {"", "零", "Text1_0", Ending::Done},
        {"02", "二", "", Ending::Failed},
        {"03", "一", "", Ending::Failed},
        {"07 07", "七", "", Ending::Done},
        {"01 07 00", "返回数据长度错误", "", Ending::Failed}, // no catch-all row: still reported
    };
    for (const auto& [reply, text, focus, ending] : cases) {
        CommandRig rig;
        rig.replyData(hex(reply));
        EXPECT_EQ(rig.run(plan, [] { return Built(QByteArray()); }), ending);
        EXPECT_EQ(rig.ui.messages.value(0).text, text) << reply;
        EXPECT_EQ(rig.ui.focus, focus) << reply;
    }
    CommandRig stale; // a reply without data has no status byte (its checksum is not one)
    plan.outcomes = {{AnyLength, 0xF5, successNotice("F5", false)}};
    stale.replyData({});
    stale.run(plan, [] { return Built(QByteArray()); });
    EXPECT_EQ(stale.ui.messages.value(0).text, QString("返回数据长度错误"));
}

TEST(CommandPattern, EndsThatSendNothingOrFail)
{
    CommandPlan plan;
    plan.code = 0x08;
    plan.rounds = 2;
    plan.waitSeconds = 0.5;
    plan.focus = Field::PagerNumber;
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {successRow(AnyLength, "好", false)};
    plan.failureText = "坏了!";
    plan.failureFocus = Field::AddressCode;
    const auto payload = [] { return Built(QByteArray()); };
    { // Cancel in the question: nothing is built or sent.
        CommandRig rig;
        CommandPlan asking = plan;
        asking.confirmation = Message{"继续？", Style::OkCancel, Title::Attention};
        rig.ui.answers = {false};
        EXPECT_EQ(rig.run(asking, [] { return Built(InputProblem{stopMessage("不该问")}); }),
                  Ending::Refused);
        EXPECT_EQ(rig.port.writeCount, 0);
        EXPECT_EQ(rig.ui.messages, QList<Message>({*asking.confirmation}));
    }
    { // A silent unit: the timeout box after all cycles, even with a reply flag left over.
        CommandRig rig;
        rig.port.line.faults.silent = true;
        rig.state.ReplyOk = true;
        EXPECT_EQ(rig.run(plan, payload), Ending::Failed);
        EXPECT_EQ(rig.ui.events.join('|'), "box:超时没有返回数据!!|focus:Text1_0");
        EXPECT_DOUBLE_EQ(rig.clock.now(), 1.0);
    }
    { // The line is lost under the open port: the failure box and its focus, no wait.
        CommandRig rig;
        rig.portControl.EnsurePortOpen();
        rig.port.onLost = nullptr;
        rig.port.vanish();
        EXPECT_EQ(rig.run(plan, payload), Ending::Failed);
        EXPECT_EQ(rig.ui.events.join('|'), "box:坏了!|focus:Text1_1");
        EXPECT_EQ(rig.clock.waits, 0);
    }
    { // The port has gone: only its own box with its cause, not even the question.
        CommandRig rig;
        rig.port.failOpen = true;
        CommandPlan asking = plan;
        asking.confirmation = Message{"继续？", Style::OkCancel, Title::Attention};
        EXPECT_EQ(rig.run(asking, payload), Ending::Failed);
        EXPECT_EQ(rig.ui.messages,
                  QList<Message>{stop("没发现此端口或端口已被其它程序占用!\n"
                                      "in use by another program")});
    }
    { // A reply accepted: the flag is cleared once taken.
        CommandRig rig;
        EXPECT_EQ(rig.run(plan, payload), Ending::Done);
        EXPECT_FALSE(rig.state.ReplyOk);
    }
}

TEST(Commands, ALateReplyIsNotTheAnswer)
{
    Rig rig;
    rig.port.line.faults.silent = true;
    rig.portControl.EnsurePortOpen();
    rig.port.inject(hex("55 AA 02 08 00 F5")); // an earlier request's late reply
    rig.clock.advance(1);
    rig.shown(Commands(rig.link, rig.portControl).initialiseReceiver());
    EXPECT_EQ(rig.ui.messages.value(0).text, "超时没有返回数据!!");
}
