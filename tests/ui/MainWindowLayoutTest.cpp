// Form1 as it opens: captions, lists, start-up selections, geometry, hidden groups.

#include "WindowFixture.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QScreen>

using namespace cs::test;
using cs::ui::MainWindow;

namespace {

class LayoutTest : public WindowFixture {};

TEST_F(LayoutTest, TitleNamesTheProgramAndVersion)
{
    EXPECT_EQ(str(window().windowTitle()), "餐厅无线呼叫系统设置程序 V4.01");
    EXPECT_EQ(str(window().objectName()), "Form1");
}

TEST_F(LayoutTest, Captions)
{
    const struct { const char* name; const char* caption; } labels[] = {
        {"Label9", "通讯端口"}, {"Label10", "端口状态："}, {"Label14", "工作模式"}, {"Label15", "数据备份"},
        {"Label1_0", "传呼号"}, {"Label1_1", "地址码"}, {"Label1_2", "机型"}, {"Label1_3", "极性"},
        {"Label1_4", "速率"}, {"Label1_5", "音调"},
        {"Label3_0", "餐桌号"}, {"Label3_1", "自设键值"}, {"Label3_2", "传呼号1"}, {"Label3_3", "传呼号2"},
        {"Label3_4", "传呼号3"}, {"Label4", "传呼号"}, {"Label6", "餐桌号"},
        {"Label12", "发射机频率  （MHZ）"}, {"Label8", "接收器频率   （MHZ）"}, {"Label5", "催菜器号码"},
        {"Label13", "催菜器号码"}, {"Label2", "接收器号码"}, {"Label7", "测试窗口"},
    };
    for (const auto& l : labels)
        EXPECT_EQ(str(labelText(l.name)), l.caption) << l.name;

    const struct { const char* name; const char* caption; } buttons[] = {
        {"Command15", "打开"}, {"Command11", "写入"}, {"Command12", "打开"}, {"Command1", "写入"},
        {"Command3", "写入"}, {"Command4", "删除"}, {"Command5", "删除"}, {"Command7", "初始化主机"},
        {"Command9", "退出(&x)"}, {"Command14", "写入"}, {"Command13", "写入"}, {"Command10", "删除"},
        {"Command19", "写入"}, {"Command2", "写入"}, {"Command6", "初始化接收器"}, {"Command20", "写入"},
        {"Command16", "写入"}, {"Command17", "删除"}, {"Command8", "测试(&t)"}, {"Command21", "Mirelo呼叫器"},
        {"Command22", "手持呼叫器"},
    };
    for (const auto& b : buttons)
        EXPECT_EQ(str(push(b.name)->text()), b.caption) << b.name;

    const struct { const char* name; const char* caption; } frames[] = {
        {"Frame1", "设置传呼机"}, {"Frame3", "设置餐桌呼叫器"}, {"Frame4", "删除传呼机"},
        {"Frame6", "删除餐桌呼叫器"}, {"Frame5", "删除催菜器"}, {"Frame7", "设置催菜器"},
        {"Frame2", "设置接收器号码"}, {"Frame9", "信息机类型"}, {"Frame10", "增强器内容"},
        {"Frame8", "语音提示类型设置"},
    };
    for (const auto& f : frames)
        EXPECT_EQ(str(find<QGroupBox>(f.name)->title()), f.caption) << f.name;
}

TEST_F(LayoutTest, ListItems)
{
    const struct { const char* name; QStringList items; } lists[] = {
        {"Combo1_0", {"数字标准", "数字新型", "中文字符", "英文"}},
        {"Combo1_1", {"反", "正"}},
        {"Combo1_2", {"512", "1200", "2400"}},
        {"Combo1_3", {"音调1", "音调2", "音调3", "音调4"}},
        {"Combo4", {"单键模式1", "多键模式", "单键模式0"}},
        {"Combo5", {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}},
        {"Combo2", {"314.2", "314.4", "314.6", "314.8", "315.0", "315.2", "315.4", "315.6"}},
        {"Combo3", {"数字", "语音"}},
    };
    for (const auto& l : lists) {
        QComboBox* c = combo(l.name);
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        EXPECT_EQ(items, l.items) << l.name;
    }
    // The port list takes typed text; the pager lists do not.
    EXPECT_TRUE(combo("Combo5")->isEditable());
    EXPECT_FALSE(combo("Combo1_0")->isEditable());
}

TEST_F(LayoutTest, StartUpSelections)
{
    const struct { const char* name; int index; const char* text; } lists[] = {
        {"Combo1_0", 0, "数字标准"}, {"Combo1_1", 0, "反"}, {"Combo1_2", 1, "1200"}, {"Combo1_3", 0, "音调1"},
        {"Combo4", 1, "多键模式"}, {"Combo5", 0, "COM1"}, {"Combo2", 7, "315.6"}, {"Combo3", 0, "数字"},
    };
    for (const auto& l : lists) {
        EXPECT_EQ(combo(l.name)->currentIndex(), l.index) << l.name;
        EXPECT_EQ(str(combo(l.name)->currentText()), l.text) << l.name;
    }
}

TEST_F(LayoutTest, StartUpFieldsEmpty)
{
    const char* fields[] = {"Text1_0", "Text1_1", "Text3_0", "Text3_1", "Text3_2", "Text3_3", "Text3_4",
                            "Text4", "Text6", "Text7", "Text10", "Text5", "Text11", "Text2"};
    for (const char* name : fields)
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    EXPECT_TRUE(find<QPlainTextEdit>("Text8")->toPlainText().isEmpty());
}

TEST_F(LayoutTest, StartUpResetsTheExchangeStateAndThePort)
{
    rig.state.PortIsOpen = true;
    rig.state.ReplyWaitSeconds = 3.0;
    rig.state.ReplyRounds = 4;
    rig.state.ReplyOk = true;
    rig.port.rts = true;
    window();
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.state.ReplyWaitSeconds, 1.0);
    EXPECT_EQ(rig.state.ReplyRounds, 0);
    EXPECT_FALSE(rig.state.ReplyOk);
    EXPECT_FALSE(rig.port.rts);
    // Selecting COM1 was a port change: closed status, nothing opened.
    EXPECT_EQ(str(labelText("Label11")), "串口已关闭");
    EXPECT_EQ(str(push("Command15")->text()), "打开");
    EXPECT_TRUE(rig.port.openedDevices.isEmpty());
    EXPECT_EQ(str(rig.portControl.portText()), "COM1");
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

TEST_F(LayoutTest, OuterSizeAndPlace)
{
    MainWindow& w = shown();
    // The outer size is 8450 x 6100 twips; without a window manager's frame the
    // frame the design assumed is taken off all the same.
    EXPECT_EQ(w.size(), cs::ui::clientSizeFor(w, QSize(563, 407)));
    EXPECT_EQ(cs::ui::clientSizeFor(w, QSize(563, 407)), QSize(563 - 8, 407 - 31));
    const QRect screen = w.screen()->geometry();
    EXPECT_EQ(w.frameGeometry().left(), screen.left() + (screen.width() - 563) / 2);
    EXPECT_EQ(w.frameGeometry().top(), screen.top());
}

TEST_F(LayoutTest, ControlGeometryInTwips)
{
    // Left, top, width, height in twips, relative to the window or the frame.
    const struct { const char* name; int l, t, w, h; } controls[] = {
        {"Combo5", 1680, 90, 855, 300},     {"Command15", 2880, 90, 615, 300},
        {"Combo4", 1560, 870, 1215, 300},   {"Command11", 3000, 810, 735, 420},
        {"Command12", 6120, 810, 735, 420}, {"Frame1", 360, 1560, 7575, 975},
        {"Frame3", 360, 2880, 6975, 975},   {"Frame4", 360, 4080, 2295, 975},
        {"Frame6", 3120, 4080, 2295, 975},  {"Command7", 6240, 3960, 1335, 495},
        {"Command9", 6240, 4680, 1335, 495}, {"Command8", 1320, 5640, 975, 255},
        {"Text8", 360, 6000, 7575, 2600},
    };
    for (const auto& c : controls) {
        const QRect expected(cs::ui::px(c.l), cs::ui::px(c.t), cs::ui::px(c.w), cs::ui::px(c.h));
        EXPECT_EQ(find(c.name)->geometry(), expected) << c.name;
    }
    const struct { const char* name; int l, t; } labels[] = {
        {"Label9", 480, 120}, {"Label11", 5760, 120}, {"Label14", 480, 915}, {"Label15", 5040, 915},
        {"Label7", 360, 5760},
    };
    for (const auto& l : labels)
        EXPECT_EQ(find(l.name)->pos(), QPoint(cs::ui::px(l.l), cs::ui::px(l.t))) << l.name;
}

TEST_F(LayoutTest, PagerLabelsStandAboveTheirFieldsLeftToRight)
{
    const char* fields[] = {"Text1_0", "Text1_1", "Combo1_0", "Combo1_1", "Combo1_2", "Combo1_3"};
    int previousRight = -1;
    for (int i = 0; i < 6; ++i) {
        const QRect f = find(fields[i])->geometry();
        const QRect l = find(QStringLiteral("Label1_%1").arg(i))->geometry();
        EXPECT_EQ(find(fields[i])->parentWidget()->objectName(), QStringLiteral("Frame1")) << fields[i];
        EXPECT_EQ(l.left(), f.left()) << fields[i];
        EXPECT_LE(l.bottom(), f.top()) << fields[i];
        EXPECT_GT(f.left(), previousRight) << fields[i];
        previousRight = f.right();
    }
    EXPECT_GT(find("Command1")->geometry().left(), previousRight);
    for (int i = 0; i < 5; ++i) {
        const QRect f = find(QStringLiteral("Text3_%1").arg(i))->geometry();
        const QRect l = find(QStringLiteral("Label3_%1").arg(i))->geometry();
        EXPECT_EQ(l.left(), f.left()) << i;
        EXPECT_LE(l.bottom(), f.top()) << i;
    }
}

const char* const HiddenGroups[] = {"Label12", "Text7", "Command14", "Label8", "Combo2", "Text10", "Command13",
                                    "Command6", "Frame5", "Frame7", "Frame2", "Frame9", "Frame10", "Frame8"};
const char* const HiddenControls[] = {"Text5", "Command10", "Text11", "Command19", "Text2", "Command2", "Combo3",
                                      "Command20", "Command16", "Command17", "Command21", "Command22", "Command8"};
const char* const VisibleControls[] = {"Label9", "Combo5", "Command15", "Label10", "Label11", "Label14", "Combo4",
                                       "Command11", "Label15", "Command12", "Frame1", "Text1_0", "Combo1_3",
                                       "Command1", "Frame3", "Text3_4", "Command3", "Frame4", "Text4", "Command4",
                                       "Frame6", "Text6", "Command5", "Command7", "Command9", "Label7", "Text8"};

TEST_F(LayoutTest, HiddenGroupsLieInTheirBandAndStayHidden)
{
    MainWindow& w = shown();
    const QSize size = w.frameGeometry().size();
    for (const char* name : HiddenGroups) {
        const QRect g = find(name)->geometry();
        EXPECT_EQ(find(name)->parentWidget(), &w) << name;
        EXPECT_GE(g.top(), cs::ui::px(5280)) << name;
        EXPECT_LE(g.top() + g.height(), cs::ui::px(7335)) << name;
    }
    // Work the window a little: the port, the lists, background clicks.
    push("Command15")->click();
    QTest::keyClick(combo("Combo5"), Qt::Key_Down);
    push("Command15")->click();
    clickBackground(3);
    for (const char* name : HiddenGroups)
        EXPECT_FALSE(find(name)->isVisible()) << name;
    for (const char* name : HiddenControls)
        EXPECT_FALSE(find(name)->isVisible()) << name;
    for (const char* name : VisibleControls)
        EXPECT_TRUE(find(name)->isVisible()) << name;
    EXPECT_EQ(w.frameGeometry().size(), size);
}

} // namespace
