#include "link/PortNames.h"
#include "support/Rig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs;

TEST(PortControl, PortNumberFromTheLastCharacter)
{
    const std::pair<const char*, int> cases[] = {
        {"COM1", 1}, {"COM8", 8}, {"COM10", 0}, {"COMX", 0}, {"", 0}, {"com3", 3}, {"COM0", 0},
    };
    for (const auto& [text, n] : cases)
        EXPECT_EQ(portNumberOf(QString::fromUtf8(text)), n) << text;
}

TEST(PortControl, OpenCloseAndChange)
{
    cs::test::Rig rig;
    rig.portControl.changePort("COM1");   // start-up selection
    EXPECT_EQ(rig.portControl.statusText(), QString("串口已关闭"));
    EXPECT_EQ(rig.portControl.buttonCaption(), QString("打开"));
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(rig.port.isOpen());

    rig.portControl.toggle();
    EXPECT_TRUE(rig.state.PortIsOpen);
    EXPECT_TRUE(rig.port.rts);
    EXPECT_EQ(rig.portControl.statusText(), QString("已打开COM1"));
    EXPECT_EQ(rig.portControl.buttonCaption(), QString("关闭"));

    rig.portControl.changePort("COM3");
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.portControl.statusText(), QString("串口已关闭"));
    EXPECT_EQ(rig.portControl.buttonCaption(), QString("关闭"));   // left as it was

    rig.portControl.toggle();   // goes by PortIsOpen: opens the new port
    EXPECT_TRUE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.port.openedDevices.last(), QString("COM3"));
    EXPECT_EQ(rig.portControl.statusText(), QString("已打开COM3"));

    rig.portControl.toggle();
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(rig.port.rts);
    EXPECT_EQ(rig.portControl.statusText(), QString("串口已关闭"));
    EXPECT_EQ(rig.portControl.buttonCaption(), QString("打开"));
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

TEST(PortControl, FailedOpensShowThePortMessageAndChangeNothing)
{
    const cs::test::Message portMessage{"没发现此端口或端口已被其它程序占用!", StyleStop, "错误"};
    for (const char* text : {"COM10", "COMX", "COM0"}) {
        cs::test::Rig rig;
        rig.portControl.changePort(text);
        rig.portControl.EnsurePortOpen();
        EXPECT_FALSE(rig.state.PortIsOpen) << text;
        ASSERT_EQ(rig.ui.messages.size(), 1) << text;
        EXPECT_EQ(rig.ui.messages[0], portMessage);
        EXPECT_EQ(rig.portControl.buttonCaption(), QString("打开"));
        EXPECT_TRUE(rig.port.openedDevices.isEmpty()) << text;
    }
    cs::test::Rig busy;
    busy.port.failOpen = true;
    busy.portControl.toggle();
    EXPECT_FALSE(busy.state.PortIsOpen);
    EXPECT_EQ(busy.ui.messages.value(0), portMessage);
}

TEST(PortControl, EnsurePortOpenOpensOnceWithTheDefaultChoice)
{
    cs::test::Rig rig;
    rig.portControl.changePort("COM1");
    rig.portControl.EnsurePortOpen();
    rig.portControl.EnsurePortOpen();
    EXPECT_EQ(rig.port.openedDevices, QStringList{"COM1"});
    EXPECT_EQ(rig.portControl.statusText(), QString("已打开COM1"));
    EXPECT_EQ(rig.portControl.buttonCaption(), QString("关闭"));
}

TEST(PortNames, LinkOrSerialDevice)
{
#ifndef Q_OS_WIN
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_EQ(portDevice(1), QString("/dev/ttyS0"));
    EXPECT_EQ(portDevice(8), QString("/dev/ttyS7"));
    QDir().mkpath(portLinkDirectory());
    QFile target(config.path() + "/fake-tty");
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.close();
    ASSERT_TRUE(QFile::link(target.fileName(), portLinkDirectory() + "/com2"));
    EXPECT_EQ(portDevice(2), QFileInfo(target.fileName()).canonicalFilePath());
    EXPECT_EQ(portDevice(3), QString("/dev/ttyS2"));
    qunsetenv("XDG_CONFIG_HOME");
#endif
}
