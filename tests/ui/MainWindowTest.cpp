// Form1 as the user first sees it, and one click through to the line.
#include "ui/MainWindow.h"
#include "link/Frame.h"
#include "support/Form1Rig.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace cs::test;
using cs::ui::MainWindow;

TEST(Form1, StartUpStateAndAClickThroughToTheLine)
{
    Form1Rig rig;
    MainWindow& window = rig.window;
    const std::pair<const char*, const char*> lists[] = {
        {"Combo1_2", "1200"},
        {"Combo4", "多键模式"},
    };
    for (const auto& [name, text] : lists)
        EXPECT_EQ(window.findChild<QComboBox*>(name)->currentText(), QString(text)) << name;
    for (const char* name : {"Text1_0", "Text1_1", "Text3_0", "Text4", "Text7"})
        EXPECT_TRUE(window.findChild<QLineEdit*>(name)->text().isEmpty()) << name;
    EXPECT_EQ(window.findChild<QLabel*>("Label11")->text(), QString("串口已关闭"));

    window.findChild<QLineEdit*>("Text1_0")->setText("254");
    window.findChild<QLineEdit*>("Text1_1")->setText("1234567");
    window.findChild<QComboBox*>("Combo1_1")->setCurrentIndex(1);
    window.findChild<QPushButton*>("Command1")->click();
    const QByteArray payload = hex("02 36 00 02 01 01 02 03 04 05 06 07 00");
    EXPECT_EQ(rig.port.written, cs::requestFrame(0x01, payload));
    EXPECT_EQ(window.findChild<QLabel*>("Label11")->text(), QString("已打开COM1"));
    EXPECT_EQ(rig.ui.messages.value(0).text, QString("设置传呼号成功！"));
}

TEST(Form1, PortTipsAreLookedUpAsTheListOpens)
{
    QTemporaryDir links;
    qputenv("CALLSETUP_PORT_LINKS", links.path().toUtf8());
    Form1Rig rig;
    auto* ports = rig.window.findChild<QComboBox*>("Combo5");
    const auto tip = [&](int i) { return ports->itemData(i, Qt::ToolTipRole).toString(); };
    EXPECT_EQ(tip(2), QString()); // nothing looked up at start-up
    // An adapter linked as COM3 after start-up shows as the list opens, by mouse or key.
    ASSERT_TRUE(QFile::link("/dev/null", links.filePath("com3")));
    QTest::keyClick(ports, Qt::Key_Down); // moves the choice, opens nothing
    EXPECT_EQ(tip(2), QString());
    QTest::keyClick(ports, Qt::Key_F4);
    ports->hidePopup();
    EXPECT_EQ(tip(2), QString("/dev/null"));
    ASSERT_TRUE(QFile::remove(links.filePath("com3")));
    ASSERT_TRUE(QFile::link("/dev/zero", links.filePath("com3")));
    QTest::mouseClick(ports, Qt::LeftButton);
    ports->hidePopup();
    EXPECT_EQ(tip(2), QString("/dev/zero"));
    qunsetenv("CALLSETUP_PORT_LINKS");
}
