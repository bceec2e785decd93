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
    template <class T> T* find(const char* name) { return window->findChild<T*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }
    QLabel* label(const char* name) { return find<QLabel>(name); }
};

} // namespace

TEST(BackupWindowGui, ControlsCarryTheirNamesCaptionsAndPlaces)
{
    WindowRig rig;
    EXPECT_EQ(rig.window->objectName(), "form3");
    EXPECT_EQ(rig.window->windowTitle(), "读取");
    const struct {
        const char* name;
        const char* caption;
        QRect twips;
    } buttons[] = {
        {"Command1", "读取主机", {360, 240, 975, 495}},   {"Command6", "保存文件", {1800, 240, 975, 495}},
        {"Command7", "打开文件", {3240, 240, 975, 495}},  {"Command8", "下发主机", {4680, 240, 975, 495}},
        {"Command5", "按类型显示", {4200, 1200, 1095, 495}}, {"Command4", "内存排列", {5400, 1080, 495, 615}},
        {"Command2", "读取内置接收机", {4320, 3480, 1455, 495}},
        {"Command3", "读取外置接收机", {4440, 3120, 1455, 495}},
    };
    for (const auto& b : buttons) {
        QPushButton* w = rig.button(b.name);
        ASSERT_NE(w, nullptr) << b.name;
        EXPECT_EQ(w->text(), QString::fromUtf8(b.caption)) << b.name;
        EXPECT_EQ(w->geometry(), QRect(b.twips.x() / 15, b.twips.y() / 15, b.twips.width() / 15,
                                       b.twips.height() / 15)) << b.name;
    }
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {
        {"Label1", "读取进度条"}, {"Label5", "请选择显示的项目"}, {"Label6", "主机未读取"}, {"Label7", "分机未读取"},
        {"Label2", "  00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"},
        {"Label3", "传呼号     地址码       极性      机型      速率     音调"},
        {"Label4", "餐桌号    特征码   传呼号1  传呼号2  传呼号3  自设键值"},
    };
    for (const auto& l : labels) {
        ASSERT_NE(rig.label(l.name), nullptr) << l.name;
        EXPECT_EQ(rig.label(l.name)->text(), QString::fromUtf8(l.caption)) << l.name;
    }
    auto* combo = rig.find<QComboBox>("Combo1");
    ASSERT_NE(combo, nullptr);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    EXPECT_EQ(items, (QStringList{"传呼号", "餐桌号", "工作模式", "发射机频率", "接收机频率", "信息机类型",
                                  "语音提示语种", "呼叫发起人", "按键提示语", "手持呼叫器提示"}));
    auto* text1 = rig.find<QPlainTextEdit>("Text1");
    ASSERT_NE(text1, nullptr);
    EXPECT_EQ(text1->geometry(), QRect(8, 176, 377, 233));
    EXPECT_EQ(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* bar = rig.find<QProgressBar>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(40, 130, 313, 17));
}

TEST(BackupWindowGui, FirstShowIsCompactWithHiddenButtons)
{
    WindowRig rig;
    rig.window->show();
    EXPECT_EQ(BackupWindow::outerSize(false), QSize(399, 183));   // 5985 x 2750 twips
    EXPECT_EQ(BackupWindow::outerSize(true), QSize(399, 453));    // 5985 x 6800 twips
    EXPECT_EQ(rig.window->size(), QSize(391, 152));
    EXPECT_FALSE(rig.button("Command4")->isVisible());
    EXPECT_FALSE(rig.button("Command2")->isVisible());
    EXPECT_FALSE(rig.button("Command3")->isVisible());
    EXPECT_FALSE(rig.label("Label7")->isVisible());
    EXPECT_TRUE(rig.label("Label6")->isVisible());
    EXPECT_EQ(rig.find<QComboBox>("Combo1")->currentText(), "传呼号");
    // Everything from the headings down lies outside the compact window.
    EXPECT_GE(rig.label("Label2")->y(), rig.window->height());
    EXPECT_GE(rig.find<QPlainTextEdit>("Text1")->y(), rig.window->height());
}

TEST(BackupWindowGui, FiveClicksOnLabel5RevealTheDumpThatFillsTheFullWindow)
{
    WindowRig rig;
    rig.window->show();
    QLabel* label5 = rig.label("Label5");
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(label5, Qt::LeftButton);
    EXPECT_FALSE(rig.button("Command4")->isVisible());
    QTest::mouseClick(label5, Qt::LeftButton);
    ASSERT_TRUE(rig.button("Command4")->isVisible());

    // Read through the window, then dump.
    QTest::mouseClick(rig.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(rig.label("Label6")->text(), "主机内容已读取");
    QTest::mouseClick(rig.button("Command4"), Qt::LeftButton);
    EXPECT_EQ(rig.window->size(), QSize(391, 422));
    EXPECT_TRUE(rig.label("Label2")->isVisible());
    const QRect text1 = rig.find<QPlainTextEdit>("Text1")->geometry();
    EXPECT_TRUE(rig.window->rect().contains(text1));   // the full size shows the whole text box
    const QString shown = rig.find<QPlainTextEdit>("Text1")->toPlainText();
    QString expected = dumpText(rig.state.HostImage, 8192);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(shown.split('\n').size(), 513);
}

TEST(BackupWindowGui, ShowingAgainLoadsTheWindow)
{
    WindowRig rig;
    rig.window->show();
    rig.state.ImageDataPresent = true;
    rig.state.HostImageLoaded = true;
    for (int i = 0; i < 5; ++i)
        rig.window->backup().label5Click();
    rig.window->backup().memoryDump();
    rig.find<QComboBox>("Combo1")->setCurrentIndex(2);
    ASSERT_FALSE(rig.find<QPlainTextEdit>("Text1")->toPlainText().isEmpty());

    rig.window->hide();
    rig.window->show();
    EXPECT_EQ(rig.label("Label6")->text(), "主机内容已读取");
    EXPECT_FALSE(rig.button("Command4")->isVisible());
    EXPECT_TRUE(rig.find<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
    EXPECT_EQ(rig.find<QComboBox>("Combo1")->currentIndex(), 0);
    EXPECT_EQ(rig.window->size(), QSize(391, 152));

    // A window opened anew over the same program state shows the same.
    rig.window = std::make_unique<BackupWindow>(rig.link, rig.portControl);
    rig.window->show();
    EXPECT_EQ(rig.label("Label6")->text(), "主机内容已读取");
    EXPECT_FALSE(rig.button("Command4")->isVisible());
}

TEST(BackupWindowGui, ProgressBarMirrorsTheReadAndComboFeedsTheView)
{
    WindowRig rig;
    rig.window->show();
    QList<int> shown;
    rig.clock.onWait = [&](double) { shown << rig.find<QProgressBar>("ProgressBar1")->value(); };
    QTest::mouseClick(rig.button("Command1"), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 64);
    EXPECT_EQ(shown[10], 9);
    EXPECT_EQ(rig.find<QProgressBar>("ProgressBar1")->maximum(), 63);
    EXPECT_EQ(rig.label("Label1")->text(), "读取进度条");

    rig.find<QComboBox>("Combo1")->setCurrentIndex(1);
    EXPECT_EQ(rig.window->view().combo1Index, 1);
}
