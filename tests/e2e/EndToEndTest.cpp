// The real serial code (SerialLine, EventLoopWaiter, Link, PortControl) against
// callsetup-sim on a pseudo-terminal.

#include "SimProcess.h"
#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/PortNames.h"
#include "link/SerialLine.h"
#include "shared/AppState.h"
#include "support/Rig.h"
#include "support/ScriptedUi.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using cs::test::hex;
using cs::test::Message;
using cs::test::SimProcess;

namespace {

// The program's exchange parts over a real serial port. Without a device the
// port list maps COMn through the per-user links, as the program does.
struct SerialRig {
    explicit SerialRig(const QString& device = {})
        : portControl(state, port, ui,
                      device.isEmpty() ? std::function<QString(int)>() : [device](int) { return device; })
    {
    }
    cs::AppState state;
    cs::SerialLine port;
    cs::EventLoopWaiter waiter;
    cs::test::ScriptedUi ui;
    cs::PortControl portControl;
    cs::Link link{state, port, waiter, ui};

    // One exchange as the commands make it.
    bool exchange(std::uint8_t code, const QByteArray& payload, int rounds, double seconds)
    {
        portControl.EnsurePortOpen();
        if (!state.PortIsOpen)
            return false;
        link.setRequest(code, payload);
        if (!link.SendFrame())
            return false;
        state.ReplyRounds = std::uint8_t(rounds);
        state.ReplyWaitSeconds = seconds;
        link.WaitReply();
        const bool ok = state.ReplyOk;
        state.ReplyOk = false;
        return ok;
    }

    QByteArray reply() const
    {
        const int n = state.RxBuffer[2];
        return QByteArray(reinterpret_cast<const char*>(state.RxBuffer.data()), n + 4);
    }
};

QByteArray imagePattern()
{
    QByteArray image;
    for (int i = 0; i < 8192; ++i)
        image.append(char((i * 29 + i / 256) & 0xFF));
    return image;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(EndToEnd, Command8GoesOnTheWireAndItsReplyIsAccepted)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    SerialRig rig(sim.ptyPath());
    rig.portControl.EnsurePortOpen();
    ASSERT_TRUE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.portControl.statusText(), QString("已打开COM1"));

    ASSERT_TRUE(rig.exchange(0x08, {}, 2, 0.3));
    EXPECT_EQ(rig.reply(), hex("02 08 00 F5"));
    EXPECT_EQ(rig.state.ReplyRounds, 1);   // accepted in the first cycle
    EXPECT_EQ(rig.state.ReplyRawBytes, hex("55 AA 02 08 00 F5"));
    EXPECT_EQ(sim.command("received"), QByteArray("ok 55 55 AA 01 08 00 F6"));
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(sim.quit(), 0);
}

TEST(EndToEnd, FarEndVanishingDuringAWaitEndsItWithoutReply)
{
    SimProcess sim({"--no-press"});
    ASSERT_TRUE(sim.start());
    SerialRig rig(sim.ptyPath());
    // A learning request nobody answers; the far end goes away during the wait.
    QTimer::singleShot(150, [&] { sim.send("vanish"); });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(rig.exchange(0x11, hex("01"), 3, 0.4));
    EXPECT_LT(elapsed.elapsed(), 5000);   // no hang
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.portControl.statusText(), QString("串口已关闭"));
    EXPECT_EQ(rig.portControl.buttonCaption(), QString("打开"));
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(sim.waitForExit(), 0);

    // The device is gone: the next command cannot open it.
    EXPECT_FALSE(rig.exchange(0x08, {}, 1, 0.2));
    EXPECT_EQ(rig.ui.messages,
              (QList<Message>{{"没发现此端口或端口已被其它程序占用!", cs::StyleStop, "错误"}}));
}

TEST(EndToEnd, PortClosedAndReopenedKeepsWorking)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    SerialRig rig(sim.ptyPath());
    ASSERT_TRUE(rig.exchange(0x08, {}, 1, 0.2));
    for (int round = 0; round < 2; ++round) {
        rig.portControl.toggle();   // close
        ASSERT_FALSE(rig.state.PortIsOpen);
        rig.portControl.toggle();   // open again
        ASSERT_TRUE(rig.state.PortIsOpen) << round;
        ASSERT_TRUE(rig.exchange(0x17, hex("01"), 1, 0.2)) << round;
        EXPECT_EQ(rig.reply(), hex("02 17 00 E6"));
    }
    EXPECT_TRUE(rig.ui.messages.isEmpty());
    EXPECT_EQ(sim.quit(), 0);
}

TEST(EndToEnd, LinkImagePressDumpAndTermination)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    const auto restore = std::shared_ptr<void>(nullptr, [&](void*) {
        if (oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
    });

    const QByteArray image = imagePattern();
    {
        QFile file(dir.filePath("start.cat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(image);
    }
    const QString exitDump = dir.filePath("exit.cat");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    SimProcess sim({"--link", "com7", "--no-press", "--image", dir.filePath("start.cat"), "--dump", exitDump}, env);
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();

    // The program finds the unit as COM7 through the per-user link.
    const QString link = cs::portLinkDirectory() + "/com7";
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(cs::portDevice(7), QFileInfo(sim.ptyPath()).canonicalFilePath());
    SerialRig rig;
    rig.portControl.changePort("COM7");
    ASSERT_TRUE(rig.exchange(0x0D, hex("03"), 1, 0.3));
    EXPECT_EQ(rig.reply().mid(3, 128), image.mid(384, 128));

    // Settings change the memory; a key press answers a learning request.
    ASSERT_TRUE(rig.exchange(0x17, hex("02"), 1, 0.2));
    QTimer::singleShot(100, [&] { sim.send("press"); });
    ASSERT_TRUE(rig.exchange(0x11, hex("04"), 3, 0.4));
    EXPECT_EQ(rig.reply(), hex("02 11 02 04 01 E5"));
    EXPECT_EQ(sim.answer(), QByteArray("ok"));   // the press's own answer
    EXPECT_EQ(sim.command("dump " + dir.filePath("now.cat").toLocal8Bit()), QByteArray("ok"));
    QByteArray expected = image;
    expected[8166] = 0x02;
    EXPECT_EQ(readFile(dir.filePath("now.cat")), expected);

    // SIGTERM: the link goes, the exit dump is written, exit code 0.
    EXPECT_EQ(sim.terminate(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(exitDump), expected);
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

TEST(EndToEnd, FaultsAndGarbageOnTheLine)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    SerialRig rig(sim.ptyPath());
    EXPECT_EQ(sim.command("fault badcrc"), QByteArray("ok"));
    EXPECT_FALSE(rig.exchange(0x08, {}, 1, 0.2));
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"CRC校验错误", cs::StyleStop, "错误"}}));
    EXPECT_EQ(sim.command("fault nonsense"), QByteArray("error unknown fault"));
    EXPECT_EQ(sim.command("nofault"), QByteArray("ok"));
    EXPECT_EQ(sim.command("nonsense"), QByteArray("error unknown command"));

    // Garbage with a false request start ahead of a real request: the unit
    // drops the false start once the line is idle and answers the request.
    ASSERT_TRUE(rig.port.write(hex("00 FF 13 55 55 AA 01 08 FF 42")));
    ASSERT_TRUE(rig.exchange(0x08, {}, 3, 0.4));
    EXPECT_EQ(rig.reply(), hex("02 08 00 F5"));
    EXPECT_EQ(sim.quit(), 0);
}
