// Every reply outcome of every command: message text, style, title and focus (empty: no move); timeouts: CommandPatternTest.
#include "CommandRig.h"

using namespace cs;
using namespace cs::test;

namespace {

Message ok(const QString& text) { return {text, StyleInfo, "OK"}; }
Message info(const QString& text, const QString& title = "错误") { return {text, StyleInfo, title}; }
const Message L = info("返回数据长度错误"), L2 = info("返回数据长度错误！");
const std::optional<Message> None;

} // namespace

TEST(Outcomes, EveryReplyRow)
{
    const std::tuple<const char*, const char*, std::optional<Message>, QString> cases[] = {
        {"setPager", "", ok("设置传呼号成功！"), "Text1_0"}, {"setPager", "00", L, {}},
        {"deletePager", "", ok("删除传呼号成功！"), "Text4"}, {"deletePager", "01", info("无此传呼号！", "注意"), "Text4"},
        {"deletePager", "02", info("返回数据错误"), "Text4"}, {"deletePager", "01 01", L, "Text4"},
        {"setTable", "0A 1B 01", ok("设置餐桌号成功！"), "Text3_0"}, {"setTable", "", stopBox("接收器记忆区已经存满，无法写入！"), "Text3_0"},
        {"setTable", "01 02", L, {}}, {"setTable", "01 02 03 04", L, {}}, {"deleteTable", "", ok("删除餐桌号码成功！"), "Text6"},
        {"deleteTable", "01", stopBox("没有与餐桌号对应的呼叫器或接收器与主机连接不正常！！"), "Text6"},
        {"deleteTable", "02", stopBox("不存在此餐桌号码！！", "注意"), "Text6"}, {"deleteTable", "03", None, "Text6"},
        {"deleteTable", "01 02", L, "Text6"}, {"setHurryButton", "05 06", ok("设置催菜器号码成功！"), "Text11"},
        {"setHurryButton", "", L, {}}, {"setHurryButton", "01", L, {}},
        {"deleteHurryButton", "", ok("删除催菜器号码成功！"), "Text5"}, {"deleteHurryButton", "01 02", L, {}},
        {"setReceiverNumber", "", ok("设置接收器号码成功！"), "Text2"}, {"setReceiverNumber", "01", L, {}},
        {"setReceiverFrequency", "", ok("接收器频率写入成功！"), {}}, {"setReceiverFrequency", "07", L, {}},
        {"initialiseReceiver", "", ok("初始化接收器成功！"), {}}, {"initialiseReceiver", "00", L, {}},
        {"setTransmitterFrequency", "", ok("发射机频率写入成功！"), "Text7"}, {"setTransmitterFrequency", "00", L, {}},
        {"clearTransmitterFrequency", "", ok("发射机设置清除成功！"), "Text7"}, {"clearTransmitterFrequency", "00 00", L, {}},
        {"setWorkMode", "", ok("设置工作模式成功！"), {}}, {"setWorkMode", "01", stopBox("返回数据长度错误"), {}},
        {"setInfoUnitType", "", ok("信息机类型设为数字机！"), {}}, {"setInfoUnitType", "00", L, {}},
        {"setInfoUnitVoice", "", ok("信息机类型设为语音机！"), {}}, {"initialiseHost", "", ok("初始化主机成功！"), {}},
        {"initialiseHost", "01", L2, {}}, {"writeRepeater", "0A 1B 01", ok("设置转发器成功！"), "Command16"},
        {"writeRepeater", "", stopBox("转发器记忆区已经存满，无法写入！"), "Command16"}, {"writeRepeater", "01", L2, {}},
        {"writeRepeater", "01 02 03 04", L2, {}}, {"deleteRepeater", "", ok("删除转发器内容成功！"), "Command17"},
        {"deleteRepeater", "01", stopBox("转发器中无此呼叫器！"), "Command17"},
        {"deleteRepeater", "00", stopBox("转发器内容为空！"), "Command17"}, {"deleteRepeater", "02", L, "Command17"},
        {"deleteRepeater", "01 00", L, "Command17"},
    };
    for (const auto& [command, reply, message, focus] : cases) {
        SCOPED_TRACE(std::string(command) + " / " + reply);
        const auto& c = commandCase(command);
        CommandRig rig;
        rig.replyData(hex(reply));
        c.run(rig.commands);
        EXPECT_EQ(afterQuestion(c, rig.ui.messages), message ? QList<Message>{*message} : QList<Message>{});
        // The focus moves once, after the message, or not at all.
        EXPECT_EQ(rig.ui.events.filter("focus:"), focus.isEmpty() ? QStringList() : QStringList{"focus:" + focus});
        EXPECT_TRUE(focus.isEmpty() || rig.ui.events.last() == "focus:" + focus);
    }
}
