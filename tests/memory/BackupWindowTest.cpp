// The window form3 offscreen: its controls, sizes, clicks and load.

#include "memory/MemoryDump.h"
#include "support/Rig.h"
#include "ui/BackupWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace cs;
using cs::ui::BackupWindow;

namespace {

struct WindowRig : cs::test::Rig {
    std::unique_ptr<BackupWindow> window = std::make_unique<BackupWindow>(link, portControl);
    template <class T = QWidget> T* find(const char* name) { return window->findChild<T*>(QString::fromLatin1(name)); }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
};

} // namespace

TEST(BackupWindowGui, ControlsCarryTheirNamesCaptionsAndPlaces)
{
    WindowRig rig;
    EXPECT_EQ(rig.window->objectName(), "form3");
    EXPECT_EQ(rig.window->windowTitle(), "读取");
    const struct { const char *name, *caption; QRect twips; } buttons[] = {
        {"Command1", "读取主机", {360, 240, 975, 495}},   {"Command6", "保存文件", {1800, 240, 975, 495}},
        {"Command7", "打开文件", {3240, 240, 975, 495}},  {"Command8", "下发主机", {4680, 240, 975, 495}},
        {"Command5", "按类型显示", {4200, 1200, 1095, 495}}, {"Command4", "内存排列", {5400, 1080, 495, 615}},
        {"Command2", "读取内置接收机", {4320, 3480, 1455, 495}}, {"Command3", "读取外置接收机", {4440, 3120, 1455, 495}}};
    for (const auto& b : buttons) {
        ASSERT_NE(rig.find<QPushButton>(b.name), nullptr) << b.name;
        EXPECT_EQ(rig.find<QPushButton>(b.name)->text(), QString::fromUtf8(b.caption));
        const QRect& t = b.twips;
        EXPECT_EQ(rig.find(b.name)->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15)) << b.name;
    }
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "读取进度条"}, {"Label5", "请选择显示的项目"}, {"Label6", "主机未读取"}, {"Label7", "分机未读取"},
        {"Label2", "  00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"},
        {"Label3", "传呼号     地址码       极性      机型      速率     音调"},
        {"Label4", "餐桌号    特征码   传呼号1  传呼号2  传呼号3  自设键值"}};
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(rig.text(name), QString::fromUtf8(caption)) << name;
    QStringList items;
    for (int i = 0; i < rig.find<QComboBox>("Combo1")->count(); ++i)
        items << rig.find<QComboBox>("Combo1")->itemText(i);
    EXPECT_EQ(items, (QStringList{"传呼号", "餐桌号", "工作模式", "发射机频率", "接收机频率", "信息机类型",
                                  "语音提示语种", "呼叫发起人", "按键提示语", "手持呼叫器提示"}));
    EXPECT_EQ(rig.find("Text1")->geometry(), QRect(8, 176, 377, 233));
    EXPECT_EQ(rig.find<QPlainTextEdit>("Text1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rig.find<QPlainTextEdit>("Text1")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rig.find("ProgressBar1")->geometry(), QRect(40, 130, 313, 17));
    EXPECT_EQ(BackupWindow::outerSize(false), QSize(399, 183));   // 5985 x 2750 twips
    EXPECT_EQ(BackupWindow::outerSize(true), QSize(399, 453));    // 5985 x 6800 twips
}

TEST(BackupWindowGui, CompactUntilTheDumpFillsTheFullWindowAndLoadedOnEveryShow)
{
    WindowRig rig;
    rig.window->show();
    const auto visible = [&] {
        QString v;
        for (const char* name : {"Command4", "Command2", "Command3", "Label6", "Label7", "Label2"})
            v += rig.find(name)->isVisible() ? '1' : '0';
        return v;
    };
    EXPECT_EQ(rig.window->size(), QSize(391, 152));
    EXPECT_EQ(visible(), "000100");
    EXPECT_GE(rig.find("Text1")->y(), rig.window->height());   // outside the compact window
    for (int i = 0; i < 4; ++i)
        rig.click("Label5");
    EXPECT_EQ(visible(), "000100");
    rig.click("Label5");
    EXPECT_EQ(visible(), "100100");

    QList<int> bar;
    rig.clock.onWait = [&](double) { bar << rig.find<QProgressBar>("ProgressBar1")->value(); };
    rig.click("Command1");
    EXPECT_EQ(bar.value(10), 9);
    EXPECT_EQ(rig.text("Label6"), "主机内容已读取");
    rig.click("Command4");
    EXPECT_EQ(rig.window->size(), QSize(391, 422));
    EXPECT_EQ(visible(), "100101");
    EXPECT_TRUE(rig.window->rect().contains(rig.find("Text1")->geometry()));
    EXPECT_EQ(rig.find<QPlainTextEdit>("Text1")->toPlainText(), dumpText(rig.state.HostImage, 8192).replace("\r\n", "\n"));
    rig.find<QComboBox>("Combo1")->setCurrentIndex(2);
    EXPECT_EQ(rig.window->view().combo1Index, 2);

    rig.window->hide();
    rig.window->show();
    EXPECT_EQ(rig.window->size(), QSize(391, 152));
    EXPECT_EQ(visible(), "000100");
    EXPECT_EQ(rig.text("Label6"), "主机内容已读取");
    EXPECT_TRUE(rig.find<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
    EXPECT_EQ(rig.find<QComboBox>("Combo1")->currentIndex(), 0);
    rig.window = std::make_unique<BackupWindow>(rig.link, rig.portControl);   // opened anew over the same state
    rig.window->show();
    EXPECT_EQ(rig.text("Label6"), "主机内容已读取");
    EXPECT_EQ(visible(), "000100");
}
