// Every reply outcome of every command: message text, style, title and focus.
#include "CommandRig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::CommandRig;
using cs::test::Message;
using cs::test::hex;

namespace {

constexpr const char* Silent = nullptr;

struct Outcome {
    const char* command;        // a case of commandCases()
    const char* reply;          // reply data as hex; Silent: no reply
    std::optional<Message> message;
    QString focus;              // empty: no focus move
};

Message ok(const QString& text) { return {text, StyleInfo, "OK"}; }
Message stop(const QString& text, const QString& title = "错误") { return {text, StyleStop, title}; }
Message info(const QString& text, const QString& title) { return {text, StyleInfo, title}; }
const Message Length = info("返回数据长度错误", "错误");
const Message Timeout = stop("超时没有返回数据!!");

void expectOutcome(const Outcome& o)
{
    const auto& c = cs::test::commandCase(o.command);
    CommandRig rig;
    if (o.reply)
        rig.replyData(hex(o.reply));
    else
        rig.port.line.faults.silent = true;
    c.run(rig.commands);
    const QString label = QString("%1 / %2").arg(o.command, o.reply ? o.reply : "silent");
    ASSERT_EQ(rig.sent(), 1) << qPrintable(label);
    // The two commands with a question show it first.
    QList<Message> messages = rig.ui.messages;
    if (!messages.isEmpty() && messages.first().style == StyleOkCancel)
        messages.removeFirst();
    const QList<Message> expected = o.message ? QList<Message>{*o.message} : QList<Message>{};
    EXPECT_EQ(messages, expected) << qPrintable(label);
    EXPECT_EQ(rig.ui.focus, o.focus) << qPrintable(label);
    EXPECT_EQ(rig.focusMoves(), o.focus.isEmpty() ? 0 : 1) << qPrintable(label);
    if (!o.focus.isEmpty()) {
        EXPECT_EQ(rig.ui.events.last(), "focus:" + o.focus) << qPrintable(label);   // after the message
    }
    EXPECT_FALSE(rig.state.ReplyOk) << qPrintable(label);
}

} // namespace

TEST(Outcomes, Pagers)
{
    const Outcome cases[] = {
        {"setPager", Silent, Timeout, "Text1_0"},
        {"setPager", "", ok("设置传呼号成功！"), "Text1_0"},
        {"setPager", "00", Length, {}},
        {"setPager", "00 00 00", Length, {}},
        {"deletePager", Silent, stop("删除传呼号失败，请检查与通讯端口的连接情况！"), "Text4"},
        {"deletePager", "", ok("删除传呼号成功！"), "Text4"},
        {"deletePager", "01", info("无此传呼号！", "注意"), "Text4"},
        {"deletePager", "02", info("返回数据错误", "错误"), "Text4"},
        {"deletePager", "00", info("返回数据错误", "错误"), "Text4"},
        {"deletePager", "01 01", Length, "Text4"},
    };
    for (const auto& o : cases)
        expectOutcome(o);
}

TEST(Outcomes, Tables)
{
    const Outcome cases[] = {
        {"setTable", Silent, Timeout, "Text3_0"},
        {"setTable", "0A 1B 01", ok("设置餐桌号成功！"), "Text3_0"},
        {"setTable", "", stop("接收器记忆区已经存满，无法写入！"), "Text3_0"},
        {"setTable", "01", Length, {}},
        {"setTable", "01 02", Length, {}},
        {"setTable", "01 02 03 04", Length, {}},
        {"deleteTable", Silent, Timeout, "Text6"},
        {"deleteTable", "", ok("删除餐桌号码成功！"), "Text6"},
        {"deleteTable", "01", stop("没有与餐桌号对应的呼叫器或接收器与主机连接不正常！！"), "Text6"},
        {"deleteTable", "02", stop("不存在此餐桌号码！！", "注意"), "Text6"},
        {"deleteTable", "03", std::nullopt, "Text6"},
        {"deleteTable", "00", std::nullopt, "Text6"},
        {"deleteTable", "01 02", Length, "Text6"},
    };
    for (const auto& o : cases)
        expectOutcome(o);
}

TEST(Outcomes, HurryButtons)
{
    const Outcome cases[] = {
        {"setHurryButton", Silent, Timeout, "Text11"},
        {"setHurryButton", "05 06", ok("设置催菜器号码成功！"), "Text11"},
        {"setHurryButton", "", Length, {}},
        {"setHurryButton", "01", Length, {}},
        {"deleteHurryButton", Silent, Timeout, "Text5"},
        {"deleteHurryButton", "", ok("删除催菜器号码成功！"), "Text5"},
        {"deleteHurryButton", "01 02", Length, {}},
    };
    for (const auto& o : cases)
        expectOutcome(o);
}

TEST(Outcomes, Receivers)
{
    const Outcome cases[] = {
        {"setReceiverNumber", Silent, Timeout, "Text2"},
        {"setReceiverNumber", "", ok("设置接收器号码成功！"), "Text2"},
        {"setReceiverNumber", "01", Length, {}},
        {"setReceiverFrequency", Silent, Timeout, {}},
        {"setReceiverFrequency", "", ok("接收器频率写入成功！"), {}},
        {"setReceiverFrequency", "07", Length, {}},
        {"initialiseReceiver", Silent, Timeout, {}},
        {"initialiseReceiver", "", ok("初始化接收器成功！"), {}},
        {"initialiseReceiver", "00", Length, {}},
    };
    for (const auto& o : cases)
        expectOutcome(o);
}

TEST(Outcomes, HostSettings)
{
    const Outcome cases[] = {
        {"setTransmitterFrequency", Silent, Timeout, "Text7"},
        {"setTransmitterFrequency", "", ok("发射机频率写入成功！"), "Text7"},
        {"setTransmitterFrequency", "00", Length, {}},
        {"clearTransmitterFrequency", Silent, Timeout, "Text7"},
        {"clearTransmitterFrequency", "", ok("发射机设置清除成功！"), "Text7"},
        {"clearTransmitterFrequency", "00 00", Length, {}},
        {"setWorkMode", Silent, Timeout, {}},
        {"setWorkMode", "", ok("设置工作模式成功！"), {}},
        {"setWorkMode", "01", stop("返回数据长度错误"), {}},       // a stop box here
        {"setInfoUnitType", Silent, Timeout, {}},
        {"setInfoUnitType", "", ok("信息机类型设为数字机！"), {}},
        {"setInfoUnitType", "00", Length, {}},
        {"initialiseHost", Silent, stop("超时没有返回数据！"), {}},
        {"initialiseHost", "", ok("初始化主机成功！"), {}},
        {"initialiseHost", "01", info("返回数据长度错误！", "错误"), {}},
    };
    for (const auto& o : cases)
        expectOutcome(o);
}

TEST(Outcomes, InfoUnitSuccessTextFollowsThePosition)
{
    for (auto [position, text] : {std::pair{0, "信息机类型设为数字机！"}, std::pair{1, "信息机类型设为语音机！"}}) {
        CommandRig rig;
        rig.replyData({});
        rig.commands.setInfoUnitType(position);
        EXPECT_EQ(rig.ui.messages, QList<Message>({ok(text)})) << position;
    }
}

TEST(Outcomes, Repeater)
{
    const Outcome cases[] = {
        {"writeRepeater", Silent, stop("超时没有返回数据！"), "Command16"},
        {"writeRepeater", "0A 1B 01", ok("设置转发器成功！"), "Command16"},
        {"writeRepeater", "", stop("转发器记忆区已经存满，无法写入！"), "Command16"},
        {"writeRepeater", "01", info("返回数据长度错误！", "错误"), {}},
        {"writeRepeater", "01 02 03 04", info("返回数据长度错误！", "错误"), {}},
        {"deleteRepeater", Silent, Timeout, "Command17"},
        {"deleteRepeater", "", ok("删除转发器内容成功！"), "Command17"},
        {"deleteRepeater", "01", stop("转发器中无此呼叫器！"), "Command17"},
        {"deleteRepeater", "00", stop("转发器内容为空！"), "Command17"},
        {"deleteRepeater", "02", Length, "Command17"},
        {"deleteRepeater", "01 00", Length, "Command17"},
    };
    for (const auto& o : cases)
        expectOutcome(o);
}

// The simulator's own fault switches produce the same outcomes.
TEST(Outcomes, FromTheUnitsFaultSwitches)
{
    {
        CommandRig rig;
        rig.port.line.faults.statusByte = 1;
        rig.commands.deletePager("254");
        EXPECT_EQ(rig.ui.messages, QList<Message>({info("无此传呼号！", "注意")}));
    }
    {
        CommandRig rig;
        rig.port.line.faults.forceLength = 2;
        rig.commands.setPager("1", "1", 0, 0, 1, 0);
        EXPECT_EQ(rig.ui.messages, QList<Message>({Length}));
    }
    {
        CommandRig rig;
        rig.unit.memoryFull = true;
        rig.commands.setTable("5", "", "", "", "");
        EXPECT_EQ(rig.ui.messages, QList<Message>({stop("接收器记忆区已经存满，无法写入！")}));
    }
    {
        // Nobody presses the caller's key: the learning wait runs out.
        CommandRig rig;
        rig.port.line.keyPressAfter.reset();
        rig.commands.setTable("5", "", "", "", "");
        EXPECT_EQ(rig.ui.messages, QList<Message>({Timeout}));
        EXPECT_DOUBLE_EQ(rig.clock.now(), 3.0);
    }
    {
        // A key pressed after the three seconds is not waited for.
        CommandRig rig;
        rig.port.line.keyPressAfter = 3.5;
        rig.commands.writeRepeater();
        EXPECT_EQ(rig.ui.messages, QList<Message>({stop("超时没有返回数据！")}));
    }
}
