// Each setting lands in the simulated unit's memory where the layout puts it.
#include "CommandRig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::CommandRig;
using cs::test::hex;

namespace {

QByteArray cells(const CommandRig& rig, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(rig.unit.memory.data()) + from, count);
}

} // namespace

TEST(Memory, PagerRecordAtItsCells)
{
    CommandRig rig;
    rig.commands.setPager("254", "1234567", 1, 1, 2, 1);   // 数字新型, 正, 2400, 音调2
    ASSERT_EQ(rig.ui.messages.size(), 1);
    EXPECT_EQ(rig.ui.messages[0].text, QString("设置传呼号成功！"));
    EXPECT_EQ(cells(rig, 5 * 253, 5).toHex(' '), hex("64 12 34 56 71").toHex(' '));   // 'd'
    // Its neighbours stay untouched.
    EXPECT_EQ(cells(rig, 5 * 252, 5), QByteArray(5, '\xFF'));
    EXPECT_EQ(cells(rig, 5 * 254, 5), QByteArray(5, '\xFF'));

    rig.commands.setPager("1", "12", 0, 0, 1, 3);          // 数字标准, 反, 1200, 音调4
    EXPECT_EQ(cells(rig, 0, 5).toHex(' '), hex("55 00 00 01 23").toHex(' '));   // 'U'
}

TEST(Memory, PagerTypeLetterForEveryModelRateAndPolarity)
{
    // Capital letters by model (row) and rate (column 512, 1200, 2400).
    const char letters[4][3] = {{'M', 'U', 'I'}, {'B', 'Q', 'D'}, {'H', 'K', 'C'}, {'F', 'E', 'J'}};
    for (int model = 0; model < 4; ++model) {
        for (int rate = 0; rate < 3; ++rate) {
            for (int polarity = 0; polarity < 2; ++polarity) {
                CommandRig rig;
                rig.commands.setPager("7", "7654321", model, polarity, rate, 2);
                const int expected = letters[model][rate] + (polarity ? 0x20 : 0);
                EXPECT_EQ(int(rig.unit.memory[30]), expected) << model << rate << polarity;
                EXPECT_EQ(cells(rig, 31, 4).toHex(' '), hex("76 54 32 12").toHex(' '));
            }
        }
    }
}

TEST(Memory, DeletePagerRemovesItsRecord)
{
    CommandRig rig;
    rig.commands.setPager("9", "1", 0, 0, 1, 0);
    rig.commands.setPager("10", "1", 0, 0, 1, 0);
    rig.commands.deletePager("9");
    EXPECT_EQ(rig.ui.messages.last().text, QString("删除传呼号成功！"));
    const std::uint8_t letter = rig.unit.memory[40];
    EXPECT_TRUE(letter == 0x00 || letter == 0xFF) << int(letter);
    EXPECT_EQ(rig.unit.memory[45], 'U');   // pager 10 stays
    // Deleting it again: the unit has no such pager.
    rig.commands.deletePager("9");
    EXPECT_EQ(rig.ui.messages.last().text, QString("无此传呼号！"));
}

TEST(Memory, TableRecordsAndTableCount)
{
    CommandRig rig;
    rig.commands.setTable("65535", "42", "1", "2", "255");
    EXPECT_EQ(rig.ui.messages.last().text, QString("设置餐桌号成功！"));
    EXPECT_EQ(cells(rig, 8190, 2).toHex(' '), hex("00 01").toHex(' '));
    EXPECT_EQ(cells(rig, 1280 + 3, 6).toHex(' '), hex("FF FF 01 02 FF 2A").toHex(' '));

    rig.commands.setTable("1", "", "12", "", "");
    EXPECT_EQ(cells(rig, 8190, 2).toHex(' '), hex("00 02").toHex(' '));
    EXPECT_EQ(cells(rig, 1289 + 3, 6).toHex(' '), hex("00 01 0C FF FF FF").toHex(' '));
    // The two learned callers differ.
    EXPECT_NE(cells(rig, 1280, 3), cells(rig, 1289, 3));

    rig.commands.deleteTable("65535");
    EXPECT_EQ(rig.ui.messages.last().text, QString("删除餐桌号码成功！"));
    EXPECT_EQ(cells(rig, 8190, 2).toHex(' '), hex("00 01").toHex(' '));
    EXPECT_EQ(rig.unit.findTable(65535), -1);
    EXPECT_GE(rig.unit.findTable(1), 0);

    rig.commands.deleteTable("65535");
    EXPECT_EQ(rig.ui.messages.last().text, QString("不存在此餐桌号码！！"));
}

TEST(Memory, HostSettingsCells)
{
    CommandRig rig;
    for (int position : {0, 2, 1}) {
        rig.commands.setWorkMode(position);
        EXPECT_EQ(int(rig.unit.memory[8166]), position);
    }
    rig.commands.setInfoUnitType(1);
    EXPECT_EQ(int(rig.unit.memory[2046]), 0x00);
    rig.commands.setInfoUnitType(0);
    EXPECT_EQ(int(rig.unit.memory[2046]), 0xFF);

    rig.commands.setTransmitterFrequency("430.2125");
    EXPECT_EQ(cells(rig, 8185, 4).toHex(' '), hex("41 A5 2D 01").toHex(' '));
    rig.commands.setTransmitterFrequency("");
    EXPECT_EQ(rig.ui.messages.last().text, QString("发射机设置清除成功！"));
    EXPECT_NE(int(rig.unit.memory[8188]), 1);   // the factory default applies again
}

TEST(Memory, ReceiverCells)
{
    CommandRig rig;
    rig.commands.setReceiverFrequency("314.6", 2, "");
    EXPECT_EQ(int(rig.unit.receiverMemory[250]), 2);
    rig.commands.setReceiverNumber("80");
    EXPECT_EQ(rig.ui.messages.last().text, QString("设置接收器号码成功！"));
    EXPECT_EQ(int(rig.unit.receiverMemory[251]), 80);
}

TEST(Memory, InitialiseHostErasesEverything)
{
    CommandRig rig;
    rig.commands.setPager("3", "1", 0, 0, 1, 0);
    rig.commands.setTable("3", "", "3", "", "");
    rig.commands.setWorkMode(0);
    rig.commands.initialiseHost();
    EXPECT_EQ(rig.ui.messages.last().text, QString("初始化主机成功！"));
    EXPECT_EQ(cells(rig, 0, 8192), QByteArray(8192, '\xFF'));
    EXPECT_EQ(rig.unit.tableCount(), 0);
}

TEST(Memory, CancelledInitialiseKeepsEverything)
{
    CommandRig rig;
    rig.commands.setWorkMode(0);
    rig.ui.answers = {AnswerCancel};
    rig.commands.initialiseHost();
    EXPECT_EQ(int(rig.unit.memory[8166]), 0);
}

TEST(Memory, RefusedInputChangesNothing)
{
    CommandRig rig;
    const auto before = rig.unit.memory;
    rig.commands.setPager("255", "1", 0, 0, 1, 0);
    rig.commands.setPager("1", "00001234", 0, 0, 1, 0);
    rig.commands.setTable("0", "", "", "", "");
    rig.commands.setTransmitterFrequency("433.92");
    EXPECT_EQ(rig.unit.memory, before);
    EXPECT_EQ(rig.sent(), 0);
}
