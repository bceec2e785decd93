// What each command puts on the line for good input, and what it refuses.
#include "CommandRig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::CommandRig;
using cs::test::Message;
using cs::test::hex;

namespace {

struct Sent {
    const char* name;
    std::function<void(Commands&)> run;
    std::uint8_t code;
    const char* payload;
};

void expectSent(const Sent& s)
{
    CommandRig rig;
    s.run(rig.commands);
    ASSERT_EQ(rig.sent(), 1) << s.name;
    EXPECT_EQ(rig.lastCode(), s.code) << s.name;
    EXPECT_EQ(rig.lastPayload().toHex(' '), hex(s.payload).toHex(' ')) << s.name;
    // The request on the wire: 55 55 AA, body, checksum.
    EXPECT_EQ(rig.port.written, cs::requestFrame(s.code, hex(s.payload))) << s.name;
}

struct Refused {
    const char* name;
    std::function<void(Commands&)> run;
    QString text;
    QString focus;   // empty: no focus move
};

void expectRefused(const Refused& r)
{
    CommandRig rig;
    r.run(rig.commands);
    EXPECT_EQ(rig.sent(), 0) << r.name;
    EXPECT_EQ(rig.port.writeCount, 0) << r.name;
    EXPECT_EQ(rig.ui.messages, QList<Message>({{r.text, StyleStop, "错误"}})) << r.name;
    EXPECT_EQ(rig.ui.focus, r.focus) << r.name;
    EXPECT_EQ(rig.focusMoves(), r.focus.isEmpty() ? 0 : 1) << r.name;
}

void expectFailureBox(const char* name, const std::function<void(Commands&)>& run, const QString& text,
                      const QString& focus)
{
    CommandRig rig;
    run(rig.commands);
    EXPECT_EQ(rig.sent(), 0) << name;
    EXPECT_EQ(rig.ui.messages, QList<Message>({{text, StyleStop, "错误"}})) << name;
    EXPECT_EQ(rig.ui.focus, focus) << name;
}

} // namespace

TEST(SetPager, PayloadBytes)
{
    const Sent cases[] = {
        {"worked example", [](Commands& c) { c.setPager("254", "1234567", 1, 1, 2, 1); }, 0x01,
         "02 36 00 09 01 01 02 03 04 05 06 07 01"},
        {"pager 100", [](Commands& c) { c.setPager("100", "1234567", 0, 0, 1, 0); }, 0x01,
         "01 00 00 02 00 01 02 03 04 05 06 07 00"},
        {"pager 1", [](Commands& c) { c.setPager("1", "1234567", 0, 0, 1, 3); }, 0x01,
         "00 01 00 02 00 01 02 03 04 05 06 07 03"},
        {"address 12", [](Commands& c) { c.setPager("5", "12", 0, 0, 1, 0); }, 0x01,
         "00 05 00 02 00 00 00 00 00 00 01 02 00"},
        {"address 0", [](Commands& c) { c.setPager("5", "0", 0, 0, 1, 0); }, 0x01,
         "00 05 00 02 00 00 00 00 00 00 00 00 00"},
        {"leading zeros within seven", [](Commands& c) { c.setPager("005", "0000012", 0, 0, 1, 0); }, 0x01,
         "00 05 00 02 00 00 00 00 00 00 01 02 00"},
        {"blanks around", [](Commands& c) { c.setPager(" 254 ", " 9999999 ", 0, 0, 1, 0); }, 0x01,
         "02 36 00 02 00 09 09 09 09 09 09 09 00"},
    };
    for (const auto& s : cases)
        expectSent(s);
}

TEST(SetPager, TypeCodeForEveryModelAndRate)
{
    // Type code split into tens and units: 英文/1200 = 6 -> 00 06, 10 -> 01 00, 11 -> 01 01.
    const int codes[4][3] = {{5, 2, 10}, {4, 1, 9}, {3, 0, 8}, {7, 6, 11}};
    for (int model = 0; model < 4; ++model) {
        for (int rate = 0; rate < 3; ++rate) {
            CommandRig rig;
            rig.commands.setPager("1", "1", model, 0, rate, 0);
            ASSERT_EQ(rig.sent(), 1);
            const QByteArray p = rig.lastPayload();
            EXPECT_EQ(int(p[2]), codes[model][rate] / 10) << model << rate;
            EXPECT_EQ(int(p[3]), codes[model][rate] % 10) << model << rate;
        }
    }
}

TEST(SetPager, RefusedInputInCheckOrder)
{
    const QString number = "传呼号必须为1-254的数字！";
    const QString address = "地址码应为7位数字！";
    const Refused cases[] = {
        {"pager 0", [](Commands& c) { c.setPager("0", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager 255", [](Commands& c) { c.setPager("255", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager empty", [](Commands& c) { c.setPager("", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager text", [](Commands& c) { c.setPager("abc", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager decimal", [](Commands& c) { c.setPager("12.5", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager sign", [](Commands& c) { c.setPager("+12", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager huge", [](Commands& c) { c.setPager("18446744073709551617", "1", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager wins over address", [](Commands& c) { c.setPager("0", "x", 0, 0, 1, 0); }, number, "Text1_0"},
        {"pager wins over lists", [](Commands& c) { c.setPager("0", "1", -1, -1, -1, -1); }, number, "Text1_0"},
        {"address text", [](Commands& c) { c.setPager("1", "12a", 0, 0, 1, 0); }, address, "Text1_1"},
        {"address empty", [](Commands& c) { c.setPager("1", "", 0, 0, 1, 0); }, address, "Text1_1"},
        {"address exponent", [](Commands& c) { c.setPager("1", "1e5", 0, 0, 1, 0); }, address, "Text1_1"},
        {"address negative", [](Commands& c) { c.setPager("1", "-1", 0, 0, 1, 0); }, address, "Text1_1"},
        {"address above 9999999", [](Commands& c) { c.setPager("1", "10000000", 0, 0, 1, 0); }, address, "Text1_1"},
        {"address wins over lists", [](Commands& c) { c.setPager("1", "x", -1, -1, -1, -1); }, address, "Text1_1"},
    };
    for (const auto& r : cases)
        expectRefused(r);
}

TEST(SetPager, UnbuildableRequestEndsInFailureBox)
{
    const QString text = "设置传呼号失败!";
    const std::pair<const char*, std::function<void(Commands&)>> cases[] = {
        {"eight-character address", [](Commands& c) { c.setPager("1", "00001234", 0, 0, 1, 0); }},
        {"no model", [](Commands& c) { c.setPager("1", "1", -1, 0, 1, 0); }},
        {"no polarity", [](Commands& c) { c.setPager("1", "1", 0, -1, 1, 0); }},
        {"no rate", [](Commands& c) { c.setPager("1", "1", 0, 0, -1, 0); }},
        {"no tone", [](Commands& c) { c.setPager("1", "1", 0, 0, 1, -1); }},
        {"model beyond the list", [](Commands& c) { c.setPager("1", "1", 4, 0, 1, 0); }},
        {"tone beyond the list", [](Commands& c) { c.setPager("1", "1", 0, 0, 1, 4); }},
    };
    for (const auto& [name, run] : cases)
        expectFailureBox(name, run, text, "Text1_0");
}

TEST(DeletePager, PayloadAndRefusals)
{
    expectSent({"254", [](Commands& c) { c.deletePager("254"); }, 0x04, "FE"});
    expectSent({"1", [](Commands& c) { c.deletePager("001"); }, 0x04, "01"});
    const QString text = "传呼号必须为1-254的数字！";
    for (const char* bad : {"0", "255", "", "x", "1.5", "-3", "99999999999999999999"})
        expectRefused({bad, [bad](Commands& c) { c.deletePager(bad); }, text, "Text4"});
}

TEST(SetTable, PayloadBytes)
{
    const Sent cases[] = {
        {"table 65535", [](Commands& c) { c.setTable("65535", "", "", "", ""); }, 0x03, "00 FF FF FF FF FF FF"},
        {"table 1", [](Commands& c) { c.setTable("1", "", "", "", ""); }, 0x03, "00 00 01 FF FF FF FF"},
        {"pager1 only", [](Commands& c) { c.setTable("300", "", "12", "", ""); }, 0x03, "00 01 2C 0C FF FF FF"},
        {"all fields", [](Commands& c) { c.setTable("258", "42", "1", "2", "3"); }, 0x03, "00 01 02 01 02 03 2A"},
        {"key 00", [](Commands& c) { c.setTable("1", "00", "", "", ""); }, 0x03, "00 00 01 FF FF FF 00"},
        {"key 7", [](Commands& c) { c.setTable("1", "7", "", "", ""); }, 0x03, "00 00 01 FF FF FF 07"},
        {"key 99", [](Commands& c) { c.setTable("1", "99", "", "", ""); }, 0x03, "00 00 01 FF FF FF 63"},
        {"pager slot 255", [](Commands& c) { c.setTable("1", "", "255", "255", "255"); }, 0x03, "00 00 01 FF FF FF FF"},
        {"blank optional fields", [](Commands& c) { c.setTable("1", "  ", " ", "", "\t"); }, 0x03, "00 00 01 FF FF FF FF"},
        {"pager3 only", [](Commands& c) { c.setTable("1", "", "", "", "200"); }, 0x03, "00 00 01 FF FF C8 FF"},
    };
    for (const auto& s : cases)
        expectSent(s);
}

TEST(SetTable, RefusedInputInCheckOrder)
{
    const QString notNumber = "餐桌号只能为数字！";
    const QString range = "餐桌号必须为1-65535的数字！";
    const QString pager = "传呼号必须为1-255的数字！";
    const QString key = "键值只能是00-99的数字！";
    const Refused cases[] = {
        {"table empty", [](Commands& c) { c.setTable("", "", "", "", ""); }, notNumber, "Text3_0"},
        {"table text", [](Commands& c) { c.setTable("abc", "x", "x", "x", "x"); }, notNumber, "Text3_0"},
        {"table decimal", [](Commands& c) { c.setTable("1.5", "", "", "", ""); }, notNumber, "Text3_0"},
        {"table 0", [](Commands& c) { c.setTable("0", "x", "x", "x", "x"); }, range, "Text3_0"},
        {"table 65536", [](Commands& c) { c.setTable("65536", "", "", "", ""); }, range, "Text3_0"},
        {"table huge", [](Commands& c) { c.setTable("99999999999999999999", "", "", "", ""); }, range, "Text3_0"},
        {"pager1 0", [](Commands& c) { c.setTable("1", "x", "0", "x", "x"); }, pager, "Text3_2"},
        {"pager1 256", [](Commands& c) { c.setTable("1", "", "256", "", ""); }, pager, "Text3_2"},
        {"pager1 text", [](Commands& c) { c.setTable("1", "", "a", "", ""); }, pager, "Text3_2"},
        {"pager2 before pager3 and key", [](Commands& c) { c.setTable("1", "x", "1", "x", "x"); }, pager, "Text3_3"},
        {"pager3 before key", [](Commands& c) { c.setTable("1", "x", "", "", "-1"); }, pager, "Text3_4"},
        {"key text", [](Commands& c) { c.setTable("1", "a", "", "", ""); }, key, "Text3_1"},
        {"key 100", [](Commands& c) { c.setTable("1", "100", "", "", ""); }, key, "Text3_1"},
        {"key decimal", [](Commands& c) { c.setTable("1", "7.0", "", "", ""); }, key, "Text3_1"},
    };
    for (const auto& r : cases)
        expectRefused(r);
}

TEST(DeleteTable, PayloadAndRefusals)
{
    expectSent({"65535", [](Commands& c) { c.deleteTable("65535"); }, 0x07, "FF FF"});
    expectSent({"1", [](Commands& c) { c.deleteTable("1"); }, 0x07, "00 01"});
    expectSent({"258", [](Commands& c) { c.deleteTable(" 258"); }, 0x07, "01 02"});
    const QString notNumber = "餐桌号码只能为数字！";
    const QString range = "餐桌号码必须为1-65535的数字！";
    for (const char* bad : {"", "x", "1.0", "+1"})
        expectRefused({bad, [bad](Commands& c) { c.deleteTable(bad); }, notNumber, "Text6"});
    for (const char* bad : {"0", "65536", "000000000000000000000000070000"})
        expectRefused({bad, [bad](Commands& c) { c.deleteTable(bad); }, range, "Text6"});
}

TEST(HurryButtons, PayloadAndRefusals)
{
    expectSent({"set 9", [](Commands& c) { c.setHurryButton("9"); }, 0x11, "09"});
    expectSent({"set 1", [](Commands& c) { c.setHurryButton("1"); }, 0x11, "01"});
    expectSent({"delete 9", [](Commands& c) { c.deleteHurryButton("9"); }, 0x12, "09"});
    expectSent({"delete 01", [](Commands& c) { c.deleteHurryButton("01"); }, 0x12, "01"});
    const QString text = "催菜器号码必须为1-9的数字！";
    for (const char* bad : {"0", "10", "", "x", "9.0"}) {
        expectRefused({bad, [bad](Commands& c) { c.setHurryButton(bad); }, text, "Text11"});
        expectRefused({bad, [bad](Commands& c) { c.deleteHurryButton(bad); }, text, "Text5"});
    }
}

TEST(ReceiverNumber, PayloadAndRefusals)
{
    expectSent({"80", [](Commands& c) { c.setReceiverNumber("80"); }, 0x02, "50"});
    expectSent({"01", [](Commands& c) { c.setReceiverNumber("01"); }, 0x02, "01"});
    const QString text = "接收器号码必须为01-80的数字！";
    for (const char* bad : {"0", "81", "", "x", "-1"})
        expectRefused({bad, [bad](Commands& c) { c.setReceiverNumber(bad); }, text, "Text2"});
}

TEST(ReceiverFrequency, PayloadAndRefusals)
{
    expectSent({"315.6 for 80", [](Commands& c) { c.setReceiverFrequency("315.6", 7, "80"); }, 0x0A, "07 50"});
    expectSent({"314.2 for all", [](Commands& c) { c.setReceiverFrequency("314.2", 0, ""); }, 0x0A, "00"});
    expectSent({"315.0 for 1", [](Commands& c) { c.setReceiverFrequency("315.0", 4, "1"); }, 0x0A, "04 01"});
    expectSent({"blank receiver", [](Commands& c) { c.setReceiverFrequency("314.4", 1, "  "); }, 0x0A, "01"});
    // This command moves no focus, not even after a refused input.
    expectRefused({"empty list text", [](Commands& c) { c.setReceiverFrequency("", -1, "80"); },
                   "请选择接收器的频率！", {}});
    expectRefused({"empty list text before receiver", [](Commands& c) { c.setReceiverFrequency("", 7, "0"); },
                   "请选择接收器的频率！", {}});
    const QString number = "接收器号码必须为1-80的数字！";
    for (const char* bad : {"0", "81", "x", "1.5"})
        expectRefused({bad, [bad](Commands& c) { c.setReceiverFrequency("315.6", 7, bad); }, number, {}});
    expectRefused({"receiver before position", [](Commands& c) { c.setReceiverFrequency("316.0", -1, "81"); },
                   number, {}});
    expectFailureBox("text not an item", [](Commands& c) { c.setReceiverFrequency("316.0", -1, "80"); },
                     "接收器频率写入失败!", {});
    expectFailureBox("position beyond the list", [](Commands& c) { c.setReceiverFrequency("315.6", 8, ""); },
                     "接收器频率写入失败!", {});
}

TEST(TransmitterFrequency, PayloadBytes)
{
    const Sent cases[] = {
        {"430.225", [](Commands& c) { c.setTransmitterFrequency("430.225"); }, 0x0B, "41 A5 AA"},
        {"100", [](Commands& c) { c.setTransmitterFrequency("100"); }, 0x0B, "0F 42 40"},
        {"500", [](Commands& c) { c.setTransmitterFrequency("500"); }, 0x0B, "4C 4B 40"},
        {"430.2125", [](Commands& c) { c.setTransmitterFrequency("430.2125"); }, 0x0B, "41 A5 2D"},
        {"clear", [](Commands& c) { c.setTransmitterFrequency(""); }, 0x0B, ""},
    };
    for (const auto& s : cases)
        expectSent(s);
}

TEST(TransmitterFrequency, RefusedInput)
{
    const QString illegal = "频率值里不能输入非法数值!";
    const QString range = "频率值应在100到500之间！";
    const QString raster = "频率值必须为12.5K的倍数！";
    const std::pair<const char*, QString> cases[] = {
        {"433.92", raster}, {"430.2126", raster}, {"99.9", range}, {"500.0125", range}, {"0", range},
        {"1000", range},    {"abc", illegal},     {"430,225", illegal}, {"-430", illegal}, {"4.3e2", illegal},
        {"99.9x", illegal}, // not numeric wins over out of range
        {"1e9", illegal},
    };
    for (const auto& c : cases) {
        const char* text = c.first;
        expectRefused({text, [text](Commands& cmd) { cmd.setTransmitterFrequency(text); }, c.second, "Text7"});
    }
}

TEST(TransmitterFrequency, ClearAsksFirstAndCancelSendsNothing)
{
    const Message question{"不输入发射机频率值，将清除系统中对发射机的设置！\r\n是否继续？", StyleOkCancel, "注意"};
    for (const char* text : {"", "   "}) {
        CommandRig rig;
        rig.ui.answers = {AnswerCancel};
        rig.commands.setTransmitterFrequency(text);
        EXPECT_EQ(rig.sent(), 0);
        EXPECT_TRUE(rig.state.PortIsOpen);   // the port was opened before the question
        EXPECT_EQ(rig.ui.messages, QList<Message>({question}));
        EXPECT_EQ(rig.focusMoves(), 0);
    }
    CommandRig rig;
    rig.commands.setTransmitterFrequency("");
    ASSERT_EQ(rig.ui.messages.size(), 2);
    EXPECT_EQ(rig.ui.messages[0], question);
    EXPECT_EQ(rig.sent(), 1);
    // Setting a frequency asks nothing.
    CommandRig set;
    set.replyData({});
    set.commands.setTransmitterFrequency("430.225");
    EXPECT_EQ(set.ui.messages.size(), 1);
    EXPECT_EQ(set.ui.messages[0].style, StyleInfo);
}

TEST(HostSettings, WorkModeInfoUnitAndInitialise)
{
    for (int position : {0, 1, 2})
        expectSent({"work mode", [position](Commands& c) { c.setWorkMode(position); }, 0x17,
                    QByteArray::number(position, 16).rightJustified(2, '0').constData()});
    expectSent({"数字", [](Commands& c) { c.setInfoUnitType(0); }, 0x13, "FF"});
    expectSent({"语音", [](Commands& c) { c.setInfoUnitType(1); }, 0x13, "00"});
    expectSent({"initialise host", [](Commands& c) { c.initialiseHost(); }, 0x09, ""});
    expectSent({"initialise receiver", [](Commands& c) { c.initialiseReceiver(); }, 0x08, ""});
    for (int bad : {-1, 3})
        expectFailureBox("work mode", [bad](Commands& c) { c.setWorkMode(bad); }, "工作模式设置失败！", {});
    for (int bad : {-1, 2})
        expectFailureBox("info unit", [bad](Commands& c) { c.setInfoUnitType(bad); }, "设置信息机类型失败!", {});
}

TEST(HostSettings, InitialiseHostAsksFirstAndCancelSendsNothing)
{
    const Message question{"执行此操作将清除主机内存储的所有信息！！\r\n   您确认执行请按确定，否则请取消！",
                           StyleOkCancel, "注意！！"};
    CommandRig cancelled;
    cancelled.ui.answers = {AnswerCancel};
    cancelled.commands.initialiseHost();
    EXPECT_EQ(cancelled.sent(), 0);
    EXPECT_EQ(cancelled.ui.messages, QList<Message>({question}));

    CommandRig rig;
    rig.replyData({});
    rig.commands.initialiseHost();
    EXPECT_EQ(rig.sent(), 1);
    EXPECT_EQ(rig.ui.messages, QList<Message>({question, {"初始化主机成功！", StyleInfo, "OK"}}));
}

TEST(Repeater, RequestsAreHeaderOnly)
{
    for (auto [name, run, body] : {std::tuple{"write", &Commands::writeRepeater, "01 03 00"},
                                   std::tuple{"delete", &Commands::deleteRepeater, "01 07 00"}}) {
        CommandRig rig;
        (rig.commands.*run)();
        ASSERT_EQ(rig.sent(), 1) << name;
        EXPECT_EQ(rig.requests().last().left(3), hex(body)) << name;
        EXPECT_EQ(rig.requests().last().size(), 4) << name;   // and the checksum
        EXPECT_EQ(rig.port.written, QByteArray("\x55\x55\xAA", 3) + rig.requests().last()) << name;
    }
}

TEST(Repeater, DeletePromptStandsBeforeTheRequestLeaves)
{
    // With a line that takes no bytes, the order shows: the delete command has
    // already put up its prompt, the write command shows it only after a send.
    CommandRig del;
    del.breakLineUnderOpenPort();
    del.commands.deleteRepeater();
    EXPECT_EQ(del.ui.events, QStringList({"show:Form2", "hide:Form2", "box:删除转发器内容失败!"}));

    CommandRig write;
    write.breakLineUnderOpenPort();
    write.commands.writeRepeater();
    EXPECT_EQ(write.ui.events, QStringList({"box:设置转发器内容失败！"}));

    CommandRig table;
    table.breakLineUnderOpenPort();
    table.commands.setTable("1", "", "", "", "");
    EXPECT_EQ(table.ui.events, QStringList({"box:设置餐桌号失败!", "focus:Text3_0"}));
}
