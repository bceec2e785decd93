#include "CommandRig.h"

#include <gtest/gtest.h>

namespace cs::test {

namespace {
const QString Timeout = QStringLiteral("超时没有返回数据!!");
const QString TimeoutFull = QStringLiteral("超时没有返回数据！");
const QString Error = QStringLiteral("错误");
Message stop(const QString& text) { return {text, cs::StyleStop, Error}; }
} // namespace

const QList<CommandCase>& commandCases()
{
    static const QList<CommandCase> cases = {
        {"setPager", 0x01, [](Commands& c) { c.setPager("254", "1234567", 1, 1, 2, 1); }, 3, 1.0, {},
         stop(Timeout), "Text1_0", "设置传呼号失败!", "Text1_0"},
        {"deletePager", 0x04, [](Commands& c) { c.deletePager("254"); }, 2, 1.0, {},
         stop("删除传呼号失败，请检查与通讯端口的连接情况！"), "Text4", "删除传呼号失败!", "Text4"},
        {"setTable", 0x03, [](Commands& c) { c.setTable("12", "", "1", "", ""); }, 1, 3.0, "Form2",
         stop(Timeout), "Text3_0", "设置餐桌号失败!", "Text3_0"},
        {"deleteTable", 0x07, [](Commands& c) { c.deleteTable("12"); }, 1, 2.0, {},
         stop(Timeout), "Text6", "删除餐桌号码失败!", "Text6"},
        {"setHurryButton", 0x11, [](Commands& c) { c.setHurryButton("9"); }, 1, 3.0, "Form4",
         stop(Timeout), "Text11", "设置催菜器器号码失败!", "Text11"},
        {"deleteHurryButton", 0x12, [](Commands& c) { c.deleteHurryButton("9"); }, 2, 1.0, {},
         stop(Timeout), "Text5", "删除催菜器器号码失败!", "Text5"},
        {"setReceiverNumber", 0x02, [](Commands& c) { c.setReceiverNumber("80"); }, 2, 1.0, {},
         stop(Timeout), "Text2", "设置接收器号码失败!", "Text2"},
        {"setReceiverFrequency", 0x0A, [](Commands& c) { c.setReceiverFrequency("315.6", 7, "80"); }, 3, 1.0, {},
         stop(Timeout), {}, "接收器频率写入失败!", {}},
        {"initialiseReceiver", 0x08, [](Commands& c) { c.initialiseReceiver(); }, 4, 1.0, {},
         stop(Timeout), {}, "初始化接收器失败!", {}},
        {"setTransmitterFrequency", 0x0B, [](Commands& c) { c.setTransmitterFrequency("430.225"); }, 2, 1.0, {},
         stop(Timeout), "Text7", "发射机频率写入失败!", "Text7"},
        {"clearTransmitterFrequency", 0x0B, [](Commands& c) { c.setTransmitterFrequency(""); }, 3, 1.5, {},
         stop(Timeout), "Text7", "发射机频率写入失败!", "Text7"},
        {"setWorkMode", 0x17, [](Commands& c) { c.setWorkMode(1); }, 3, 1.0, {},
         stop(Timeout), {}, "工作模式设置失败！", {}},
        {"setInfoUnitType", 0x13, [](Commands& c) { c.setInfoUnitType(0); }, 2, 1.0, {},
         stop(Timeout), {}, "设置信息机类型失败!", {}},
        {"initialiseHost", 0x09, [](Commands& c) { c.initialiseHost(); }, 3, 1.0, {},
         stop(TimeoutFull), {}, "初始化主机失败!", {}},
        {"writeRepeater", 0x03, [](Commands& c) { c.writeRepeater(); }, 1, 3.0, "Form2",
         stop(TimeoutFull), "Command16", "设置转发器内容失败！", {}},
        {"deleteRepeater", 0x07, [](Commands& c) { c.deleteRepeater(); }, 1, 3.0, "Form2",
         stop(Timeout), "Command17", "删除转发器内容失败!", {}},
    };
    return cases;
}

const CommandCase& commandCase(const char* name)
{
    for (const CommandCase& c : commandCases())
        if (qstrcmp(c.name, name) == 0)
            return c;
    ADD_FAILURE() << "no command case " << name;
    return commandCases().first();
}

} // namespace cs::test
