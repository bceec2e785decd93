// What each command puts on the line for good input, and what it refuses.
#include "CommandRig.h"

using namespace cs;
using namespace cs::test;

namespace {
Call tx(QString mhz) { return CMD(setTransmitterFrequency(mhz)); }
Call receiver(QString text, int position, QString number) { return CMD(setReceiverFrequency(text, position, number)); }
} // namespace

TEST(Requests, PayloadBytes)
{
    const std::tuple<Call, std::uint8_t, const char*> cases[] = {
        {pager("254", "1234567", 1, 1, 2, 1), 0x01, "02 36 00 09 01 01 02 03 04 05 06 07 01"},
        {pager("100", "1234567"), 0x01, "01 00 00 02 00 01 02 03 04 05 06 07 00"},
        {pager("1", "12", 0, 0, 1, 3), 0x01, "00 01 00 02 00 00 00 00 00 00 01 02 03"},
        {pager("005", "0000012"), 0x01, "00 05 00 02 00 00 00 00 00 00 01 02 00"},
        {pager(" 254 ", " 9999999 "), 0x01, "02 36 00 02 00 09 09 09 09 09 09 09 00"}, {CMD(deletePager("254")), 0x04, "FE"},
        {CMD(deletePager("001")), 0x04, "01"}, {table("65535"), 0x03, "00 FF FF FF FF FF FF"},
        {table("258", "42", "1", "2", "3"), 0x03, "00 01 02 01 02 03 2A"}, {table("1", "00"), 0x03, "00 00 01 FF FF FF 00"},
        {table("1", "99"), 0x03, "00 00 01 FF FF FF 63"},
        {table("1", "", "255", "255", "255"), 0x03, "00 00 01 FF FF FF FF"},
        {table("1", "", "", "", ""), 0x03, "00 00 01 FF FF FF FF"},
        {table("1", "", "", "", "200"), 0x03, "00 00 01 FF FF C8 FF"}, {CMD(deleteTable("65535")), 0x07, "FF FF"},
        {CMD(deleteTable(" 258")), 0x07, "01 02"}, {CMD(setHurryButton("9")), 0x11, "09"},
        {CMD(deleteHurryButton("01")), 0x12, "01"}, {CMD(setReceiverNumber("80")), 0x02, "50"},
        {receiver("315.6", 7, "80"), 0x0A, "07 50"}, {receiver("314.2", 0, ""), 0x0A, "00"},
        {receiver("314.4", 1, ""), 0x0A, "01"}, {tx("430.225"), 0x0B, "41 A5 AA"}, {tx("430.2125"), 0x0B, "41 A5 2D"},
        {tx(""), 0x0B, ""}, {CMD(setWorkMode(0)), 0x17, "00"}, {CMD(setWorkMode(2)), 0x17, "02"},
        {CMD(setInfoUnitType(0)), 0x13, "FF"}, {CMD(setInfoUnitType(1)), 0x13, "00"}, {CMD(initialiseHost()), 0x09, ""},
        {CMD(initialiseReceiver()), 0x08, ""}, {CMD(writeRepeater()), 0x03, ""},
        {CMD(deleteRepeater()), 0x07, ""},   // header only: 01 03 00, 01 07 00
    };
    for (const auto& [run, code, payload] : cases) {
        SCOPED_TRACE(payload);
        CommandRig rig;
        run(rig.commands);
        ASSERT_EQ(rig.sent(), 1);
        const QByteArray data = hex(payload);
        // Body 01 code n payload, then its checksum; on the wire after 55 55 AA.
        EXPECT_EQ(rig.requests().last().chopped(1).toHex(' '), (QByteArray("\1") + char(code) + char(data.size()) + data).toHex(' '));
        EXPECT_EQ(rig.port.written, cs::requestFrame(code, data));
    }
}

TEST(Requests, PagerTypeCodeForEveryModelAndRate)
{
    // Rows 数字标准, 数字新型, 中文字符, 英文; columns 512, 1200, 2400. Sent as tens and units.
    const int codes[4][3] = {{5, 2, 10}, {4, 1, 9}, {3, 0, 8}, {7, 6, 11}};
    for (int i = 0; i < 12; ++i) {
        CommandRig rig;
        rig.commands.setPager("1", "1", i / 3, 0, i % 3, 0);
        const QByteArray body = rig.requests().value(0, QByteArray(7, 0x7F));
        EXPECT_EQ(std::pair(int(body[5]), int(body[6])), std::pair(codes[i / 3][i % 3] / 10, codes[i / 3][i % 3] % 10)) << i;
    }
}

// Refused input (the first failed check in order: its box, then the focus into that field) and values
// that cannot be built into the request (the failure box): either way nothing is sent.
TEST(Requests, InputsThatSendNothing)
{
    const QString pn = "传呼号必须为1-254的数字！", addr = "地址码应为7位数字！", pf = "设置传呼号失败!", t0 = "Text1_0";
    const QString tn = "餐桌号只能为数字！", tr = "餐桌号必须为1-65535的数字！", tp = "传呼号必须为1-255的数字！";
    const QString key = "键值只能是00-99的数字！", dn = "餐桌号码只能为数字！", dr = "餐桌号码必须为1-65535的数字！";
    const QString rn = "接收器号码必须为1-80的数字！", rf = "请选择接收器的频率！", rff = "接收器频率写入失败!";
    const QString fi = "频率值里不能输入非法数值!", fr = "频率值应在100到500之间！", fk = "频率值必须为12.5K的倍数！";
    const QString hb = "催菜器号码必须为1-9的数字！", rno = "接收器号码必须为01-80的数字！";
    const std::tuple<Call, QString, QString> cases[] = {
        {pager("0", "1"), pn, t0}, {pager("255", "1"), pn, t0}, {pager("", "1"), pn, t0}, {pager("0", "x"), pn, t0},
        {pager("0", "1", -1, -1, -1, -1), pn, t0}, {pager("1", "12a"), addr, "Text1_1"}, {pager("1", ""), addr, "Text1_1"},
        {pager("1", "10000000"), addr, "Text1_1"}, {pager("1", "x", -1, -1, -1, -1), addr, "Text1_1"},
        {pager("1", "00001234"), pf, t0}, {pager("1", "1", -1), pf, t0}, {pager("1", "1", 0, -1), pf, t0},
        {pager("1", "1", 0, 0, -1), pf, t0}, {pager("1", "1", 0, 0, 1, -1), pf, t0}, {pager("1", "1", 4), pf, t0},
        {pager("1", "1", 0, 0, 3), pf, t0}, {pager("1", "1", 0, 0, 1, 4), pf, t0}, {CMD(deletePager("0")), pn, "Text4"},
        {CMD(deletePager("255")), pn, "Text4"}, {table(""), tn, "Text3_0"}, {table("0", "x", "x", "x", "x"), tr, "Text3_0"},
        {table("65536"), tr, "Text3_0"}, {table("99999999999999999999"), tr, "Text3_0"},
        {table("1", "x", "0", "x", "x"), tp, "Text3_2"}, {table("1", "", "256"), tp, "Text3_2"},
        {table("1", "x", "1", "x", "x"), tp, "Text3_3"}, {table("1", "x", "", "", "-1"), tp, "Text3_4"},
        {table("1", "a"), key, "Text3_1"}, {table("1", "100"), key, "Text3_1"}, {CMD(deleteTable("")), dn, "Text6"},
        {CMD(deleteTable("0")), dr, "Text6"}, {CMD(deleteTable("65536")), dr, "Text6"},
        {CMD(deleteTable("000000000000000000000000070000")), dr, "Text6"}, {CMD(setHurryButton("0")), hb, "Text11"},
        {CMD(setHurryButton("10")), hb, "Text11"}, {CMD(deleteHurryButton("0")), hb, "Text5"},
        {CMD(deleteHurryButton("10")), hb, "Text5"}, {CMD(setReceiverNumber("0")), rno, "Text2"},
        {CMD(setReceiverNumber("81")), rno, "Text2"}, {receiver("", -1, "80"), rf, {}}, {receiver("", 7, "0"), rf, {}},
        {receiver("315.6", 7, "0"), rn, {}}, {receiver("315.6", 7, "81"), rn, {}}, {receiver("316.0", -1, "81"), rn, {}},
        {receiver("316.0", -1, "80"), rff, {}}, {receiver("315.6", 8, ""), rff, {}}, {tx("433.92"), fk, "Text7"},
        {tx("99.9"), fr, "Text7"}, {tx("500.0125"), fr, "Text7"}, {tx("abc"), fi, "Text7"},
        {tx("99.9x"), fi, "Text7"},   // not numeric wins over out of range
        {CMD(setWorkMode(-1)), "工作模式设置失败！", {}}, {CMD(setWorkMode(3)), "工作模式设置失败！", {}},
        {CMD(setInfoUnitType(-1)), "设置信息机类型失败!", {}}, {CMD(setInfoUnitType(2)), "设置信息机类型失败!", {}},
    };
    int row = 0;
    for (const auto& [run, text, focus] : cases) {
        SCOPED_TRACE(row++);
        CommandRig rig;
        run(rig.commands);
        EXPECT_EQ(rig.port.writeCount, 0);
        EXPECT_EQ(rig.ui.messages, QList<Message>({stopBox(text)}));
        EXPECT_EQ(rig.ui.events.join('|'), "box:" + text + (focus.isEmpty() ? "" : "|focus:" + focus));
    }
}
