// Form1 over the simulated host unit: start-up state and layout, the port row,
// Enter and focus in the fields, the tips, the other windows, the test view, exit.

#include "support/Rig.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"
#include "ui/WidgetUi.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace cs::test;
using cs::ui::MainWindow;
using cs::ui::px;

namespace {

std::string str(const QString& s) { return s.toStdString(); }
QStringList names(const char* spaced) { return QString::fromUtf8(spaced).split(' '); }

// ScriptedUi as the Ui, a chosen random source for the tips and a counted exit.
class Form1 : public ::testing::Test {
protected:
    Rig rig;
    cs::Commands commands{rig.link, rig.portControl};
    cs::TestView testView{rig.state, rig.port, rig.portControl};
    double nextRandom = 0.0;
    int quits = 0;
    std::unique_ptr<MainWindow> window_;

    ~Form1() override { window_.reset(); QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    MainWindow& window()   // built on first use, so a test can prepare the state it loads from
    {
        if (!window_) {
            window_ = std::make_unique<MainWindow>(rig.state, rig.link, rig.portControl, commands, testView, rig.ui);
            window_->setRandomSource([this] { return nextRandom; });
            window_->setQuitAction([this] { ++quits; });
        }
        return *window_;
    }
    MainWindow& shown()   // shown and active, so focus works
    {
        window().show();
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        return window();
    }
    template <class T = QWidget>
    T* find(const QString& name)
    {
        T* w = window().findChild<T*>(name);
        EXPECT_NE(w, nullptr) << str(name);
        return w;
    }
    QLineEdit* edit(const QString& name) { return find<QLineEdit>(name); }
    QComboBox* combo(const QString& name) { return find<QComboBox>(name); }
    QPushButton* push(const QString& name) { return find<QPushButton>(name); }
    void click(const char* button) { push(button)->click(); }
    // The port status text and the open/close button caption.
    std::string status() { return str(find<QLabel>("Label11")->text() + "/" + push("Command15")->text()); }
    void clickAt(QPoint p, int times = 1) { while (times-- > 0) QTest::mouseClick(&window(), Qt::LeftButton, {}, p); }
    void clickBackground(int times = 1) { clickAt({4, 4}, times); }   // no control lies under (4, 4)
};

TEST_F(Form1, TitleAndCaptions)
{
    EXPECT_EQ(str(window().windowTitle() + "|" + window().objectName()), "餐厅无线呼叫系统设置程序 V4.01|Form1");
    const QStringList captions = QString(
        "Label9=通讯端口|Label10=端口状态：|Label14=工作模式|Label15=数据备份|Label1_0=传呼号|Label1_1=地址码|Label1_2=机型|"
        "Label1_3=极性|Label1_4=速率|Label1_5=音调|Label3_0=餐桌号|Label3_1=自设键值|Label3_2=传呼号1|Label3_3=传呼号2|"
        "Label3_4=传呼号3|Label4=传呼号|Label6=餐桌号|Label12=发射机频率  （MHZ）|Label8=接收器频率   （MHZ）|"
        "Label5=催菜器号码|Label13=催菜器号码|Label2=接收器号码|Label7=测试窗口|Command15=打开|Command11=写入|Command12=打开|"
        "Command1=写入|Command3=写入|Command4=删除|Command5=删除|Command7=初始化主机|Command9=退出(&x)|Command14=写入|"
        "Command13=写入|Command10=删除|Command19=写入|Command2=写入|Command6=初始化接收器|Command20=写入|Command16=写入|"
        "Command17=删除|Command8=测试(&t)|Command21=Mirelo呼叫器|Command22=手持呼叫器|Frame1=设置传呼机|Frame3=设置餐桌呼叫器|"
        "Frame4=删除传呼机|Frame6=删除餐桌呼叫器|Frame5=删除催菜器|Frame7=设置催菜器|Frame2=设置接收器号码|Frame9=信息机类型|"
        "Frame10=增强器内容|Frame8=语音提示类型设置").split('|');
    for (const QString& c : captions) {
        QWidget* w = find(c.section('=', 0, 0));
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QPushButton*>(w);
        const auto* frame = qobject_cast<QGroupBox*>(w);
        EXPECT_EQ(label ? label->text() : button ? button->text() : frame ? frame->title() : "?", c.section('=', 1))
            << str(c);
    }
}

TEST_F(Form1, StartUpStateAndHiddenGroups)
{
    rig.state.PortIsOpen = rig.state.ReplyOk = rig.port.rts = true;
    rig.state.ReplyWaitSeconds = 3.0;
    rig.state.ReplyRounds = 4;
    // Items, then the selected item and its text; typed text where the list takes it.
    const std::pair<const char*, const char*> lists[] = {
        {"Combo1_0", "数字标准 数字新型 中文字符 英文|0 数字标准"}, {"Combo1_1", "反 正|0 反"}, {"Combo1_2", "512 1200 2400|1 1200"},
        {"Combo1_3", "音调1 音调2 音调3 音调4|0 音调1"}, {"Combo4", "单键模式1 多键模式 单键模式0|1 多键模式"}, {"Combo3", "数字 语音|0 数字"},
        {"Combo5", "COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8|0 COM1 typed"},
        {"Combo2", "314.2 314.4 314.6 314.8 315.0 315.2 315.4 315.6|7 315.6 typed"},
    };
    for (const auto& [name, expected] : lists) {
        QComboBox* c = combo(name);
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        EXPECT_EQ(str(items.join(' ') + QString("|%1 %2").arg(c->currentIndex()).arg(c->currentText()) +
                      (c->isEditable() ? " typed" : "")), expected);
    }
    for (const QString& name : names("Text1_0 Text1_1 Text3_0 Text3_1 Text3_2 Text3_3 Text3_4 Text4 Text6 Text7 Text10 "
                                     "Text5 Text11 Text2"))
        EXPECT_TRUE(edit(name)->text().isEmpty()) << str(name);
    EXPECT_TRUE(find<QPlainTextEdit>("Text8")->toPlainText().isEmpty());
    EXPECT_TRUE(!rig.state.PortIsOpen && !rig.state.ReplyOk && !rig.port.rts && rig.state.ReplyWaitSeconds == 1.0 &&
                rig.state.ReplyRounds == 0);
    // Selecting COM1 was a port change: closed status, nothing opened, no message.
    EXPECT_EQ(status(), "串口已关闭/打开");
    EXPECT_TRUE(rig.port.openedDevices.isEmpty() && rig.ui.messages.isEmpty());
    EXPECT_EQ(str(rig.portControl.portText()), "COM1");

    // Work the window a little: the hidden groups stay in their band and hidden.
    MainWindow& w = shown();
    const QSize size = w.frameGeometry().size();
    click("Command15");
    QTest::keyClick(combo("Combo5"), Qt::Key_Down);
    click("Command15");
    clickBackground(3);
    for (const QString& name : names("Label12 Text7 Command14 Label8 Combo2 Text10 Command13 Command6 Frame5 Frame7 "
                                     "Frame2 Frame9 Frame10 Frame8 Command8 Text5 Command10 Text11 Command19 Text2 "
                                     "Command2 Combo3 Command20 Command16 Command17 Command21 Command22")) {
        const QRect g = find(name)->geometry();
        EXPECT_FALSE(find(name)->isVisible()) << str(name);
        if (find(name)->parentWidget() == &w) {   // the groups lie in their band below the visible ones
            EXPECT_TRUE(g.top() >= px(5280) && g.bottom() < px(7335)) << str(name);
        }
    }
    for (const QString& name : names("Label9 Combo5 Command15 Label10 Label11 Label14 Combo4 Command11 Label15 Command12 "
                                     "Frame1 Text1_0 Combo1_3 Command1 Frame3 Text3_4 Command3 Frame4 Text4 Command4 "
                                     "Frame6 Text6 Command5 Command7 Command9 Label7 Text8"))
        EXPECT_TRUE(find(name)->isVisible()) << str(name);
    EXPECT_EQ(w.frameGeometry().size(), size);
}

TEST_F(Form1, WindowSizePlaceAndControlGeometryInTwips)
{
    MainWindow& w = shown();
    // 8450 x 6100 twips outside; with no window manager's frame the frame the
    // design assumed is taken off all the same.
    EXPECT_EQ(w.size(), cs::ui::clientSizeFor(w, QSize(px(8450), px(6100))));
    EXPECT_EQ(w.size(), QSize(563 - 8, 407 - 31));
    const QRect screen = w.screen()->geometry();
    EXPECT_EQ(w.frameGeometry().topLeft(), QPoint(screen.left() + (screen.width() - 563) / 2, screen.top()));
    // Left, top, width, height in twips, relative to the window or the frame; labels by their place only.
    const struct { const char* name; int l, t, w, h; } controls[] = {
        {"Combo5", 1680, 90, 855, 300},      {"Command15", 2880, 90, 615, 300},  {"Combo4", 1560, 870, 1215, 300},
        {"Command11", 3000, 810, 735, 420},  {"Command12", 6120, 810, 735, 420}, {"Frame1", 360, 1560, 7575, 975},
        {"Frame3", 360, 2880, 6975, 975},    {"Frame4", 360, 4080, 2295, 975},   {"Frame6", 3120, 4080, 2295, 975},
        {"Command7", 6240, 3960, 1335, 495}, {"Command9", 6240, 4680, 1335, 495}, {"Command8", 1320, 5640, 975, 255},
        {"Text8", 360, 6000, 7575, 2600},    {"Label9", 480, 120, 0, 0},         {"Label11", 5760, 120, 0, 0},
        {"Label14", 480, 915, 0, 0},         {"Label15", 5040, 915, 0, 0},       {"Label7", 360, 5760, 0, 0},
    };
    for (const auto& c : controls) {
        const QRect g = find(c.name)->geometry();
        EXPECT_EQ(c.w ? g : QRect(g.topLeft(), QSize(0, 0)), cs::ui::twipRect(c.l, c.t, c.w, c.h)) << c.name;
    }
}

TEST_F(Form1, PortStatusFollowsOpenCloseAndPortChange)
{
    window();
    rig.portControl.EnsurePortOpen();   // as every command does first
    EXPECT_EQ(status(), "已打开COM1/关闭");
    click("Command15");
    EXPECT_EQ(status(), "串口已关闭/打开");
    QTest::mouseDClick(find("Label9"), Qt::LeftButton);   // toggles too
    EXPECT_EQ(status(), "已打开COM1/关闭");
    QTest::keyClick(combo("Combo5"), Qt::Key_Down);   // picks COM2: closes the port, leaves the button
    EXPECT_EQ(status(), "串口已关闭/关闭");
    EXPECT_FALSE(rig.state.PortIsOpen || rig.port.isOpen());
    click("Command15");   // goes by the flag: opens the new port
    EXPECT_EQ(status(), "已打开COM2/关闭");
    QTest::mouseDClick(find("Label9"), Qt::LeftButton);
    EXPECT_EQ(status(), "串口已关闭/打开");
    EXPECT_EQ(rig.port.openedDevices, (QStringList{"COM1", "COM1", "COM2"}));
    EXPECT_EQ(window().tipsClicks(), 0);   // a click on a control is no background click
}

TEST_F(Form1, TypedPortTextIsNoPortChangeButIsUsedAtTheNextOpen)
{
    shown();
    click("Command15");
    QComboBox* ports = combo("Combo5");
    ports->setFocus();
    ports->lineEdit()->selectAll();
    QTest::keyClicks(ports, "COM3");
    QTest::keyClick(ports, Qt::Key_Return);
    push("Command7")->setFocus();   // leaving the list
    EXPECT_EQ(status(), "已打开COM1/关闭");
    click("Command15");   // closes COM1
    click("Command15");   // opens the typed port
    EXPECT_EQ(status(), "已打开COM3/关闭");
    EXPECT_EQ(rig.port.openedDevices, (QStringList{"COM1", "COM3"}));
}

TEST_F(Form1, EnterAndKeypadEnterRunTheGroupButtonOnly)
{
    rig.port.failOpen = true;   // commands end at once: no exchange, no waiting
    QStringList pressed;
    for (QPushButton* b : window().findChildren<QPushButton*>())
        QObject::connect(b, &QPushButton::clicked, [&pressed, b] { pressed << b->objectName(); });
    const QStringList table = names("Text1_0=Command1 Text1_1=Command1 Combo1_0=Command1 Combo1_1=Command1 "
        "Combo1_2=Command1 Combo1_3=Command1 Text3_0=Command3 Text3_1=Command3 Text3_2=Command3 Text3_3=Command3 "
        "Text3_4=Command3 Text4=Command4 Text6=Command5 Text7=Command14 Combo2=Command13 Text10=Command13 "
        "Text5=Command10 Text11=Command19 Text2=Command2 Combo3=Command20");
    for (const QString& row : table) {
        QWidget* f = find(row.section('=', 0, 0));
        auto* list = qobject_cast<QComboBox*>(f);
        QTest::keyClick(f, Qt::Key_Return);
        QTest::keyClick(list && list->lineEdit() ? list->lineEdit() : f, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(std::exchange(pressed, {}), QStringList(2, row.section('=', 1))) << str(row);
    }
    EXPECT_EQ(combo("Combo2")->count(), 8);   // Enter in the typed frequency adds no item
    // Other keys, and Enter in the lists without a command, run nothing.
    QTest::keyClicks(edit("Text1_0"), "a1-");
    QTest::keyClick(edit("Text1_0"), Qt::Key_Escape);
    QTest::keyClick(combo("Combo4"), Qt::Key_Return);
    QTest::keyClick(combo("Combo5"), Qt::Key_Return);
    EXPECT_EQ(pressed, QStringList());
    EXPECT_EQ(str(edit("Text1_0")->text()), "a1-");   // every character is taken
}

// The request the unit receives shows what the command got from the fields.
TEST_F(Form1, EnterRunsEachCommandWithItsFields)
{
    const auto fill = [&](const QString& name, const QString& text) {
        if (auto* e = window().findChild<QLineEdit*>(name))
            e->setText(text);
        else
            combo(name)->setCurrentText(text);
    };
    for (const QString& f : names("Text1_0=254 Text1_1=1234567 Combo1_0=数字新型 Combo1_1=正 Combo1_2=2400 Combo1_3=音调2 "
                                  "Text3_0=300 Text3_1=5 Text3_2=12"))
        fill(f.section('=', 0, 0), f.section('=', 1));
    const struct { const char* field; const char* text; const char* request; } cases[] = {
        {"Combo1_3", nullptr, "01 01 0D 02 36 00 09 01 01 02 03 04 05 06 07 01"}, {"Text4", "254", "01 04 01 FE"},
        {"Text6", "12", "01 07 02 00 0C"}, {"Text3_4", nullptr, "01 03 07 00 01 2C 0C FF FF 05"},
        {"Text7", "430.225", "01 0B 03 41 A5 AA"}, {"Combo2", "315.0", "01 0A 01 04"},
        {"Text10", "80", "01 0A 02 04 50"}, {"Text5", "9", "01 12 01 09"}, {"Text11", "9", "01 11 01 09"},
        {"Text2", "80", "01 02 01 50"}, {"Combo3", nullptr, "01 13 01 FF"},
    };
    for (const auto& c : cases) {
        if (c.text)
            fill(c.field, c.text);
        const qsizetype before = rig.requests().size();
        QTest::keyClick(find(c.field), Qt::Key_Return);
        ASSERT_EQ(rig.requests().size(), before + 1) << c.field;
        EXPECT_EQ(rig.requests().last().left(hex(c.request).size()), hex(c.request)) << c.field;
    }
    EXPECT_EQ(rig.ui.shownPrompts, (QStringList{"Form2", "Form4"}));   // the learning commands' prompts
    const std::pair<const char*, int> typed[] = {{"315.0", 4}, {"314.2", 0}, {"315.6", 7}, {"316", -1}, {"315", -1}, {"", -1}};
    for (const auto& [text, position] : typed) {   // a typed frequency counts by its text
        combo("Combo2")->setEditText(text);
        EXPECT_EQ(MainWindow::listPosition(combo("Combo2")), position) << text;
    }
}

TEST_F(Form1, FocusSelectsTheWholeTextButInText10AndText11)
{
    shown();
    for (const QString& name : names("Text1_0 Text1_1 Text3_0 Text3_1 Text3_2 Text3_3 Text3_4 Text4 Text6 Text2 Text5 "
                                     "Text7 Text10 Text11")) {
        QLineEdit* e = edit(name);
        e->setText("45");
        e->setCursorPosition(2);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);   // hidden fields take no real focus
        QApplication::sendEvent(e, &focusIn);
        EXPECT_EQ(str(e->selectedText()), name == "Text10" || name == "Text11" ? "" : "45") << str(name);
    }
    edit("Text1_0")->setText("42");
    push("Command12")->setFocus();
    QTest::keyClick(push("Command12"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), edit("Text1_0"));
    QTest::keyClicks(edit("Text1_0"), "7");   // typing replaces the whole old number
    EXPECT_EQ(str(edit("Text1_0")->text()), "7");
    edit("Text4")->setText("88");
    QTest::mouseClick(edit("Text4"), Qt::LeftButton, {}, QPoint(3, 5));
    QCoreApplication::processEvents();
    ASSERT_TRUE(edit("Text4")->hasFocus());
    EXPECT_EQ(str(edit("Text4")->selectedText()), "88");
    // WidgetUi finds a control by name, in the active window first.
    cs::ui::WidgetUi ui;
    ui.setFocus("Command7");
    ui.setFocus("NoSuchControl");
    EXPECT_EQ(QApplication::focusWidget(), push("Command7"));
    QWidget other;
    auto* text4 = new QLineEdit(&other);
    text4->setObjectName("Text4");
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ui.setFocus("Text4");
    EXPECT_EQ(QApplication::focusWidget(), text4);
}

TEST_F(Form1, TipsBoxAtEveryFifteenthBackgroundClickOnly)
{
    MainWindow& w = shown();
    ASSERT_EQ(w.childAt(4, 4), nullptr);
    clickBackground(13);
    clickAt(find("Frame9")->geometry().topLeft() + QPoint(4, 4));   // over a hidden group is background too
    // Labels and frames pass their clicks on to the window; they still are controls.
    for (int i = 0; i < 15; ++i) {
        QTest::mouseClick(find("Label10"), Qt::LeftButton);
        QTest::mouseClick(find("Frame1"), Qt::LeftButton, {}, QPoint(4, 30));
        clickAt(find("Label14")->geometry().center());
        QTest::mouseClick(push("Command7"), Qt::RightButton);
    }
    EXPECT_EQ(w.tipsClicks(), 14);
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    clickBackground();
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"注意，如果通讯不成功，请换个串口试试！", 15, "提示"}}));
    EXPECT_EQ(w.tipsClicks(), 0);
    clickBackground(14);
    EXPECT_EQ(rig.ui.messages.size(), 1);
    clickBackground();
    EXPECT_EQ(rig.ui.messages.size(), 2);
}

TEST_F(Form1, EachTipsChoice)
{
    const char* const version = "餐厅无线呼叫系统设置程序 4.01";
    const struct { double random; Message box; } cases[] = {
        {0.0, {"注意，如果通讯不成功，请换个串口试试！", 15, "提示"}}, {0.1999, {"注意，如果通讯不成功，请换个串口试试！", 15, "提示"}},
        {0.2, {"欢迎使用餐厅无线呼叫系统，祝您生意兴隆！", 15, "欢迎使用"}}, {0.5, {"如需帮助，请联系您的安装服务商。", 15, "联系方式"}},
        {0.6, {"", 15, version}}, {0.79, {"", 15, version}}, {0.8, {"恭喜发财！", 15, "888"}}, {0.99999, {"恭喜发财！", 15, "888"}},
    };
    for (const auto& c : cases) {
        rig.ui.messages.clear();
        nextRandom = c.random;
        clickBackground(15);
        EXPECT_EQ(rig.ui.messages, QList<Message>{c.box}) << c.random;
    }
}

TEST_F(Form1, OtherWindowsOpenOnceAndAnewAfterClosing)
{
    MainWindow& w = shown();
    for (const QString& row : names("Command12=form3 Command21=form5 Command22=Form6")) {
        const QString button = row.section('=', 0, 0), name = row.section('=', 1);
        push(button)->click();
        push(button)->click();
        QPointer<QWidget> first = find(name);
        ASSERT_TRUE(first && first->isVisible() && first->isWindow() && w.isVisible()) << str(name);
        EXPECT_EQ(w.findChildren<QWidget*>(name).size(), 1) << str(name);
        first->close();
        push(button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(first) << str(name);   // the closed one is gone, a fresh one is open
        EXPECT_TRUE(find(name)->isVisible()) << str(name);
    }
}

TEST_F(Form1, ExitClosesEverythingAndReleasesThePort)
{
    MainWindow& w = shown();
    click("Command15");
    click("Command12");
    click("Command9");
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(rig.port.isOpen() || rig.state.PortIsOpen || w.isVisible() || find("form3")->isVisible());
    EXPECT_TRUE(rig.ui.messages.isEmpty());   // no question on the way out
}

TEST_F(Form1, ClosingTheMainWindowEndsTheProgramToo)
{
    shown();
    click("Command22");
    window().close();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(find("Form6") && find("Form6")->isVisible());
}

TEST_F(Form1, TestViewMirror)
{
    MainWindow& w = shown();
    auto* timer = w.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->interval() == 10 && timer->timerType() == Qt::PreciseTimer && !timer->isActive());
    auto* text8 = find<QPlainTextEdit>("Text8");
    const auto sizeFor = [&](int twips) { return cs::ui::clientSizeFor(w, QSize(px(8450), px(twips))); };
    click("Command8");
    EXPECT_EQ(str(push("Command8")->text()), "停(&t)");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(w.size(), sizeFor(8950));
    rig.port.inject(hex("55 AA 0F"));   // bytes between exchanges show at the next tick
    rig.clock.advance(1.0);
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    EXPECT_EQ(str(text8->toPlainText()), "55 AA F \n");
    click("Command8");
    EXPECT_EQ(str(push("Command8")->text()), "测试(&t)");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(w.size(), sizeFor(6000));
    click("Command8");
    EXPECT_TRUE(text8->toPlainText().isEmpty());
}

} // namespace
