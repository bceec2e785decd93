#pragma once
// The commands wired to the simulated host unit, and each command's run with good input as table data.

#include "commands/Commands.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

// A command call as a table cell: CMD(deletePager("254")).
#define CMD(call) [=](cs::Commands& c) { c.call; }

namespace cs::test {

using Call = std::function<void(cs::Commands&)>;
inline Call pager(QString n, QString a, int model = 0, int pol = 0, int rate = 1, int tone = 0) { return CMD(setPager(n, a, model, pol, rate, tone)); }
inline Call table(QString t, QString k = "", QString p1 = "", QString p2 = "", QString p3 = "") { return CMD(setTable(t, k, p1, p2, p3)); }

struct CommandRig : Rig {
    cs::Commands commands{link, portControl};

    int sent() const { return int(requests().size()); }
    // Every reply carries this reply data (the unit still stores the request).
    void replyData(const QByteArray& data)
    {
        port.line.replyOverride = [data](std::uint8_t code, const QByteArray&) {
            return std::optional<QByteArray>(cs::replyFrame(code, data));
        };
    }
    // The port is open but its far end has gone: the next write fails while PortIsOpen still reads true.
    void breakLineUnderOpenPort()
    {
        portControl.EnsurePortOpen();
        port.onLost = nullptr;
        port.vanish();
    }
};

inline Message stopBox(const QString& text, const QString& title = "错误") { return {text, cs::StyleStop, title}; }

// Wait pair (rounds x seconds), learning prompt, timeout stop box and failure box; empty focus: none.
struct CommandCase {
    const char* name; std::uint8_t code; Call run; int rounds; double seconds;
    QString prompt, timeout, timeoutFocus, failure, failureFocus;
};

inline const QList<CommandCase>& commandCases()
{
    const char *T = "超时没有返回数据!!", *F = "超时没有返回数据！";
    static const QList<CommandCase> cases = {
        {"setPager", 0x01, pager("254", "1234567", 1, 1, 2, 1), 3, 1, {}, T, "Text1_0", "设置传呼号失败!", "Text1_0"},
        {"deletePager", 0x04, CMD(deletePager("254")), 2, 1, {}, "删除传呼号失败，请检查与通讯端口的连接情况！", "Text4",
         "删除传呼号失败!", "Text4"},
        {"setTable", 0x03, table("12", "", "1"), 1, 3, "Form2", T, "Text3_0", "设置餐桌号失败!", "Text3_0"},
        {"deleteTable", 0x07, CMD(deleteTable("12")), 1, 2, {}, T, "Text6", "删除餐桌号码失败!", "Text6"},
        {"setHurryButton", 0x11, CMD(setHurryButton("9")), 1, 3, "Form4", T, "Text11", "设置催菜器器号码失败!", "Text11"},
        {"deleteHurryButton", 0x12, CMD(deleteHurryButton("9")), 2, 1, {}, T, "Text5", "删除催菜器器号码失败!", "Text5"},
        {"setReceiverNumber", 0x02, CMD(setReceiverNumber("80")), 2, 1, {}, T, "Text2", "设置接收器号码失败!", "Text2"},
        {"setReceiverFrequency", 0x0A, CMD(setReceiverFrequency("315.6", 7, "80")), 3, 1, {}, T, {}, "接收器频率写入失败!", {}},
        {"initialiseReceiver", 0x08, CMD(initialiseReceiver()), 4, 1, {}, T, {}, "初始化接收器失败!", {}},
        {"setTransmitterFrequency", 0x0B, CMD(setTransmitterFrequency("430.225")), 2, 1, {}, T, "Text7", "发射机频率写入失败!", "Text7"},
        {"clearTransmitterFrequency", 0x0B, CMD(setTransmitterFrequency("")), 3, 1.5, {}, T, "Text7", "发射机频率写入失败!", "Text7"},
        {"setWorkMode", 0x17, CMD(setWorkMode(1)), 3, 1, {}, T, {}, "工作模式设置失败！", {}},
        {"setInfoUnitType", 0x13, CMD(setInfoUnitType(0)), 2, 1, {}, T, {}, "设置信息机类型失败!", {}},
        {"setInfoUnitVoice", 0x13, CMD(setInfoUnitType(1)), 2, 1, {}, T, {}, "设置信息机类型失败!", {}},
        {"initialiseHost", 0x09, CMD(initialiseHost()), 3, 1, {}, F, {}, "初始化主机失败!", {}},
        {"writeRepeater", 0x03, CMD(writeRepeater()), 1, 3, "Form2", F, "Command16", "设置转发器内容失败！", {}},
        {"deleteRepeater", 0x07, CMD(deleteRepeater()), 1, 3, "Form2", T, "Command17", "删除转发器内容失败!", {}},
    };
    return cases;
}

inline const CommandCase& commandCase(const QString& name)
{
    const auto& all = commandCases();
    return *std::find_if(all.begin(), all.end(), [&](const CommandCase& c) { return name == c.name; });
}

// Messages or events without the question of the two commands that ask first (checked in CommandPatternTest).
template <class List> List afterQuestion(const CommandCase& c, List list)
{
    if ((QString(c.name) == "initialiseHost" || QString(c.name) == "clearTransmitterFrequency") && !list.isEmpty())
        list.removeFirst();
    return list;
}

} // namespace cs::test
