#include "commands/Commands.h"
#include "support/Rig.h"
#include "ui/BackupWindow.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using Press = std::function<void(cs::Commands&)>;

TEST(Fields, BlanksAreNoNumbers)
{
    const std::pair<Press, const char*> cases[] = {
        {[](auto& c) { c.setTable("1", " ", "", "", ""); }, "键值只能是00-99的数字！"},
        {[](auto& c) { c.setTable("1", "", "", "", "\t"); }, "传呼号必须为1-255的数字！"},
        {[](auto& c) { c.setTransmitterFrequency("  "); }, "频率值里不能输入非法数值!"},
        {[](auto& c) { c.setReceiverFrequency("315.6", 7, " "); }, "接收器号码必须为1-80的数字！"},
        {[](auto& c) { c.setTable(" 5 ", " 7", "12 ", "", ""); }, "设置餐桌号成功！"},
    };
    for (const auto& [run, text] : cases) {
        cs::test::Rig rig;
        cs::Commands commands(rig.link, rig.portControl);
        run(commands);
        EXPECT_EQ(rig.ui.messages.value(0).text, text);
    }
}

// H host read, R receiver read, O open file; lower case: the read breaks off.
TEST(Dump, ShowsTheLastCompletedLoad)
{
    const std::pair<const char*, int> cases[] = {
        {"R", 16}, {"RO", 512}, {"HR", 16}, {"RH", 512}, {"Hr", 512}, {"Rh", 16},
    };
    QTemporaryDir dir;
    QFile file(dir.filePath("a.cat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 1));
    file.close();
    for (const auto& [loads, lines] : cases) {
        cs::test::Rig rig;
        cs::BackupView view;
        cs::DataBackup backup(rig.link, rig.portControl, view);
        rig.ui.openFileName = file.fileName();
        for (const char load : QByteArray(loads)) {
            rig.port.line.faults.silent = QChar(load).isLower();
            if (load == 'O')
                backup.openFile();
            else
                QChar(load).toUpper() == 'H' ? backup.readHost() : backup.readBuiltInReceiver();
        }
        backup.memoryDump();
        EXPECT_EQ(view.text1.count('\n'), lines) << loads;
    }
}

TEST(BackupWindow, KeepsTheUsersSize)
{
    cs::test::Rig rig;
    cs::ui::BackupWindow window(rig.link, rig.portControl);
    window.show();
    const QSize size = window.size() + QSize(40, 300);
    window.resize(size);
    window.view().update();   // a progress step
    window.backup().memoryDump();   // refused: no image
    EXPECT_EQ(window.size(), size);
    rig.port.line.faults.silent = true;
    window.backup().readHost();   // a read takes the compact size
    EXPECT_EQ(window.size(), window.clientSize(false));
}
