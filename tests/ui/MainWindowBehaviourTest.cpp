// Form1 at work: the port row, the tips sequence, the other windows, the test
// view and exit.

#include "WindowFixture.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QTimer>

using namespace cs::test;
using cs::ui::MainWindow;

namespace {

class PortRowTest : public WindowFixture {};

TEST_F(PortRowTest, OpenAndCloseWithTheButton)
{
    window();
    push("Command15")->click();
    EXPECT_EQ(str(labelText("Label11")), "已打开COM1");
    EXPECT_EQ(str(push("Command15")->text()), "关闭");
    EXPECT_TRUE(rig.state.PortIsOpen);
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_EQ(rig.port.openedDevices, QStringList{"COM1"});

    push("Command15")->click();
    EXPECT_EQ(str(labelText("Label11")), "串口已关闭");
    EXPECT_EQ(str(push("Command15")->text()), "打开");
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.port.rts);
}

TEST_F(PortRowTest, ChoosingAnotherPortWhileOpenClosesItButLeavesTheButton)
{
    window();
    push("Command15")->click();
    QTest::keyClick(combo("Combo5"), Qt::Key_Down);   // picks COM2 from the list
    EXPECT_EQ(str(combo("Combo5")->currentText()), "COM2");
    EXPECT_EQ(str(labelText("Label11")), "串口已关闭");
    EXPECT_EQ(str(push("Command15")->text()), "关闭");
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(rig.port.isOpen());

    // The toggle goes by the flag: the next click opens the new port.
    push("Command15")->click();
    EXPECT_EQ(str(labelText("Label11")), "已打开COM2");
    EXPECT_EQ(rig.port.openedDevices.last(), QStringLiteral("COM2"));
}

TEST_F(PortRowTest, ListActivationChangesThePort)
{
    window();
    QComboBox* ports = combo("Combo5");
    ports->setCurrentIndex(7);
    emit ports->activated(7);
    EXPECT_EQ(str(rig.portControl.portText()), "COM8");
    push("Command15")->click();
    EXPECT_EQ(str(labelText("Label11")), "已打开COM8");
    EXPECT_EQ(rig.port.openedDevices, QStringList{"COM8"});
}

TEST_F(PortRowTest, TypedPortTextIsUsedAtTheNextOpen)
{
    shown();
    QComboBox* ports = combo("Combo5");
    ports->lineEdit()->selectAll();
    QTest::keyClicks(ports->lineEdit(), "COM5");
    EXPECT_EQ(str(rig.portControl.portText()), "COM5");
    push("Command15")->click();
    EXPECT_EQ(str(labelText("Label11")), "已打开COM5");
    EXPECT_EQ(rig.port.openedDevices, QStringList{"COM5"});
}

TEST_F(PortRowTest, TypingAPortNameIsNoPortChange)
{
    shown();
    push("Command15")->click();
    QComboBox* ports = combo("Combo5");
    ports->setFocus();
    ports->lineEdit()->selectAll();
    QTest::keyClicks(ports, "COM3");
    QTest::keyClick(ports, Qt::Key_Return);
    push("Command7")->setFocus();   // leaving the list
    EXPECT_EQ(str(labelText("Label11")), "已打开COM1");
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_EQ(str(ports->currentText()), "COM3");

    push("Command15")->click();   // closes COM1
    push("Command15")->click();   // opens the typed port
    EXPECT_EQ(str(labelText("Label11")), "已打开COM3");
    EXPECT_EQ(rig.port.openedDevices, (QStringList{"COM1", "COM3"}));
}

TEST_F(PortRowTest, TypedPortWithoutDigitFailsWithThePortMessage)
{
    window();
    combo("Combo5")->setEditText("COM10");   // port 0
    push("Command15")->click();
    combo("Combo5")->setEditText("COMX");
    push("Command15")->click();
    const Message expected{"没发现此端口或端口已被其它程序占用!", 16, "错误"};
    EXPECT_EQ(rig.ui.messages, (QList<Message>{expected, expected}));
    EXPECT_EQ(str(labelText("Label11")), "串口已关闭");
    EXPECT_EQ(str(push("Command15")->text()), "打开");
    EXPECT_FALSE(rig.state.PortIsOpen);
}

TEST_F(PortRowTest, DoubleClickOnThePortCaptionToggles)
{
    window();
    QTest::mouseDClick(find<QLabel>("Label9"), Qt::LeftButton);
    EXPECT_TRUE(rig.state.PortIsOpen);
    EXPECT_EQ(str(labelText("Label11")), "已打开COM1");
    EXPECT_EQ(str(push("Command15")->text()), "关闭");
    QTest::mouseDClick(find<QLabel>("Label9"), Qt::LeftButton);
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(str(labelText("Label11")), "串口已关闭");
    EXPECT_EQ(window().tipsClicks(), 0);   // a click on a control is no background click
}

TEST_F(PortRowTest, StatusFollowsOpensMadeByCommands)
{
    window();
    rig.portControl.EnsurePortOpen();   // as every command does first
    EXPECT_EQ(str(labelText("Label11")), "已打开COM1");
    EXPECT_EQ(str(push("Command15")->text()), "关闭");
}

class TipsTest : public WindowFixture {};

TEST_F(TipsTest, FifteenthBackgroundClickShowsOneBox)
{
    window();
    ASSERT_EQ(window().childAt(background()), nullptr);
    clickBackground(14);
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(window().tipsClicks(), 14);
    clickBackground();
    EXPECT_EQ(rig.ui.messages,
              (QList<Message>{{"注意，如果通讯不成功，请换个串口试试！", 15, "提示"}}));
    EXPECT_EQ(window().tipsClicks(), 0);
}

TEST_F(TipsTest, CountStartsAgainAfterABox)
{
    window();
    clickBackground(29);
    EXPECT_EQ(rig.ui.messages.size(), 1);
    clickBackground();
    EXPECT_EQ(rig.ui.messages.size(), 2);
}

TEST_F(TipsTest, ClicksOnControlsDoNotCount)
{
    MainWindow& w = window();
    // Labels and frames pass their clicks on to the window; they still are controls.
    for (int i = 0; i < 15; ++i) {
        QTest::mouseClick(find("Label10"), Qt::LeftButton);
        QTest::mouseClick(find("Frame1"), Qt::LeftButton, {}, QPoint(4, 30));
        QTest::mouseClick(&w, Qt::LeftButton, {}, find("Label14")->geometry().center());
        QTest::mouseClick(push("Command7"), Qt::RightButton);
    }
    EXPECT_EQ(w.tipsClicks(), 0);
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

TEST_F(TipsTest, ClickOverAHiddenGroupIsABackgroundClick)
{
    MainWindow& w = shown();
    const QPoint overHidden = find("Frame9")->geometry().topLeft() + QPoint(4, 4);
    ASSERT_LT(overHidden.y(), w.height());
    QTest::mouseClick(&w, Qt::LeftButton, {}, overHidden);
    EXPECT_EQ(w.tipsClicks(), 1);
}

TEST_F(TipsTest, EachChoice)
{
    const struct { double random; Message box; } cases[] = {
        {0.0, {"注意，如果通讯不成功，请换个串口试试！", 15, "提示"}},
        {0.1999, {"注意，如果通讯不成功，请换个串口试试！", 15, "提示"}},
        {0.2, {"欢迎使用餐厅无线呼叫系统，祝您生意兴隆！", 15, "欢迎使用"}},
        {0.5, {"如需帮助，请联系您的安装服务商。", 15, "联系方式"}},
        {0.6, {"", 15, "餐厅无线呼叫系统设置程序 4.01"}},
        {0.79, {"", 15, "餐厅无线呼叫系统设置程序 4.01"}},
        {0.8, {"恭喜发财！", 15, "888"}},
        {0.99999, {"恭喜发财！", 15, "888"}},
    };
    window();
    for (const auto& c : cases) {
        rig.ui.messages.clear();
        nextRandom = c.random;
        clickBackground(15);
        EXPECT_EQ(rig.ui.messages, QList<Message>{c.box}) << c.random;
    }
}

class WindowsTest : public WindowFixture {};

TEST_F(WindowsTest, BackupWindowOpensOnceAndAnewAfterClosing)
{
    MainWindow& w = shown();
    push("Command12")->click();
    QPointer<cs::ui::BackupWindow> first = w.backupWindow();
    ASSERT_TRUE(first);
    EXPECT_EQ(str(first->objectName()), "form3");
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(w.isVisible());   // the main window stays

    push("Command12")->click();
    EXPECT_EQ(w.backupWindow(), first.data());
    EXPECT_EQ(w.findChildren<cs::ui::BackupWindow*>().size(), 1);

    first->close();
    push("Command12")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);   // the closed one is gone
    ASSERT_TRUE(w.backupWindow());
    EXPECT_TRUE(w.backupWindow()->isVisible());
    EXPECT_EQ(w.findChildren<cs::ui::BackupWindow*>().size(), 1);
}

TEST_F(WindowsTest, VoicePromptWindows)
{
    MainWindow& w = shown();
    push("Command21")->click();
    push("Command22")->click();
    ASSERT_TRUE(w.voicePromptWindow());
    ASSERT_TRUE(w.handheldWindow());
    EXPECT_EQ(str(w.voicePromptWindow()->objectName()), "form5");
    EXPECT_EQ(str(w.handheldWindow()->objectName()), "Form6");
    EXPECT_TRUE(w.voicePromptWindow()->isVisible());
    EXPECT_TRUE(w.handheldWindow()->isVisible());

    QPointer<cs::ui::VoicePromptWindow> first = w.voicePromptWindow();
    first->close();
    push("Command21")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    ASSERT_TRUE(w.voicePromptWindow());
    EXPECT_TRUE(w.voicePromptWindow()->isVisible());
}

TEST_F(WindowsTest, ExitClosesEverythingAndReleasesThePort)
{
    MainWindow& w = shown();
    push("Command15")->click();
    push("Command12")->click();
    ASSERT_TRUE(rig.port.isOpen());
    push("Command9")->click();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(!w.backupWindow() || !w.backupWindow()->isVisible());
    EXPECT_TRUE(rig.ui.messages.isEmpty());   // no question on the way out
}

TEST_F(WindowsTest, AltXExits)
{
    MainWindow& w = shown();
    QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier);
    // An access key presses the button visibly, then clicks it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return quits > 0; }));
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowsTest, ClosingTheMainWindowEndsTheProgramToo)
{
    MainWindow& w = shown();
    push("Command22")->click();
    w.close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(!w.handheldWindow() || !w.handheldWindow()->isVisible());
}

class TestViewMirrorTest : public WindowFixture {};

TEST_F(TestViewMirrorTest, ButtonTextTimerAndHeightFollowTheTestView)
{
    MainWindow& w = shown();
    auto* timer = w.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(timer->isActive());

    push("Command8")->click();
    EXPECT_EQ(str(push("Command8")->text()), "停(&t)");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(w.size(), cs::ui::clientSizeFor(w, QSize(cs::ui::px(8450), cs::ui::px(8950))));

    // Bytes between exchanges show up in Text8 at the next tick.
    rig.port.inject(hex("55 AA 02"));
    rig.clock.advance(1.0);
    auto* text8 = find<QPlainTextEdit>("Text8");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !text8->toPlainText().isEmpty(); }));
    EXPECT_EQ(str(text8->toPlainText()), "55 AA 2 \n");

    push("Command8")->click();
    EXPECT_EQ(str(push("Command8")->text()), "测试(&t)");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(w.size(), cs::ui::clientSizeFor(w, QSize(cs::ui::px(8450), cs::ui::px(6000))));
}

TEST_F(TestViewMirrorTest, Text8GrowsLineByLineAndEmptiesWhenSwitchedOnAgain)
{
    MainWindow& w = shown();
    auto* timer = w.findChild<QTimer*>("Timer1");
    auto* text8 = find<QPlainTextEdit>("Text8");
    const auto tick = [&](const char* bytes) {
        rig.port.inject(hex(bytes));
        rig.clock.advance(1.0);
        ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    };
    push("Command8")->click();
    tick("55 AA");
    tick("0F 10 FF");
    EXPECT_EQ(str(text8->toPlainText()), "55 AA \nF 10 FF \n");
    push("Command8")->click();
    push("Command8")->click();
    EXPECT_TRUE(text8->toPlainText().isEmpty());
    tick("02 08");
    EXPECT_EQ(str(text8->toPlainText()), "2 8 \n");
}

TEST_F(TestViewMirrorTest, NoTickTakesTheBytesOfARunningExchange)
{
    MainWindow& w = shown();
    push("Command8")->click();
    rig.state.ExchangeRunning = true;
    rig.port.inject(hex("55 AA 02 08 00 F5"));
    rig.clock.advance(1.0);
    auto* timer = w.findChild<QTimer*>("Timer1");
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    EXPECT_TRUE(find<QPlainTextEdit>("Text8")->toPlainText().isEmpty());
    rig.state.ExchangeRunning = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    EXPECT_EQ(str(find<QPlainTextEdit>("Text8")->toPlainText()), "55 AA 2 8 0 F5 \n");
}

} // namespace
