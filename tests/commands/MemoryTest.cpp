// Each setting lands in the simulated unit's memory where the layout puts it.
#include "CommandRig.h"

using namespace cs::test;

namespace {
QByteArray cells(const CommandRig& rig, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(rig.unit.memory.data()) + from, count).toHex(' ');
}
QString lastText(const CommandRig& rig) { return rig.ui.messages.last().text; }
} // namespace

TEST(Memory, EverySettingAtItsCells)
{
    CommandRig rig;
    rig.commands.setPager("254", "1234567", 1, 1, 2, 1);   // 数字新型, 正, 2400, 音调2
    EXPECT_EQ(cells(rig, 5 * 252, 15), "ff ff ff ff ff 64 12 34 56 71 ff ff ff ff ff");   // 'd', neighbours untouched
    rig.commands.setPager("1", "12", 0, 0, 1, 3);          // 数字标准, 反, 1200, 音调4
    EXPECT_EQ(cells(rig, 0, 5), "55 00 00 01 23");         // 'U'
    rig.commands.setPager("9", "1", 0, 0, 1, 0);
    rig.commands.setPager("10", "1", 0, 0, 1, 0);
    rig.commands.deletePager("9");
    EXPECT_TRUE(cells(rig, 40, 1) == "00" || cells(rig, 40, 1) == "ff");
    EXPECT_EQ(cells(rig, 45, 1), "55");                    // pager 10 stays
    rig.commands.deletePager("9");
    EXPECT_EQ(lastText(rig), "无此传呼号！");

    rig.commands.setTable("65535", "42", "1", "2", "255");
    EXPECT_EQ(cells(rig, 8190, 2) + " / " + cells(rig, 1280 + 3, 6), "00 01 / ff ff 01 02 ff 2a");
    rig.commands.setTable("1", "", "12", "", "");
    EXPECT_EQ(cells(rig, 8190, 2) + " / " + cells(rig, 1289 + 3, 6), "00 02 / 00 01 0c ff ff ff");
    rig.commands.deleteTable("65535");
    EXPECT_EQ(cells(rig, 8190, 2), "00 01");
    rig.commands.deleteTable("65535");
    EXPECT_EQ(lastText(rig), "不存在此餐桌号码！！");

    rig.commands.initialiseHost();
    EXPECT_EQ(lastText(rig), "初始化主机成功！");
    EXPECT_EQ(cells(rig, 0, 8192), QByteArray(8192, '\xFF').toHex(' '));
    EXPECT_EQ(rig.unit.tableCount(), 0);

    rig.commands.setWorkMode(2);
    rig.commands.setInfoUnitType(1);
    EXPECT_EQ(cells(rig, 8166, 1) + cells(rig, 2046, 1), "0200");
    rig.commands.setWorkMode(1);
    rig.commands.setInfoUnitType(0);
    EXPECT_EQ(cells(rig, 8166, 1) + cells(rig, 2046, 1), "01ff");
    rig.commands.setTransmitterFrequency("430.2125");
    EXPECT_EQ(cells(rig, 8185, 4), "41 a5 2d 01");
    rig.commands.setTransmitterFrequency("");
    EXPECT_NE(int(rig.unit.memory[8188]), 1);   // the factory default applies again
    rig.commands.setReceiverFrequency("314.6", 2, "");
    rig.commands.setReceiverNumber("80");
    EXPECT_EQ(std::pair(int(rig.unit.receiverMemory[250]), int(rig.unit.receiverMemory[251])), std::pair(2, 80));
}
