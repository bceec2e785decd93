#include "link/TestView.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;
using cs::test::Message;
using cs::test::Rig;

namespace {

struct ViewRig : Rig {
    TestView view{state, port, portControl};

    // Bytes arrive on the line; the clock moves past them; one timer tick runs.
    void tick(const QByteArray& bytes)
    {
        port.inject(bytes);
        clock.advance(0.01 + bytes.size() * 10.0 / 9600.0);
        view.recvdata();
    }
};

} // namespace

TEST(TestView, SwitchesOnAndOff)
{
    ViewRig r;
    EXPECT_EQ(r.view.caption(), QString("测试(&t)"));
    EXPECT_EQ(r.view.windowHeightTwips(), 6100);
    EXPECT_FALSE(r.view.timerOn());

    int changes = 0;
    QObject::connect(&r.view, &TestView::changed, [&] { ++changes; });
    r.view.toggle();
    EXPECT_TRUE(r.state.PortIsOpen);   // opened on demand
    EXPECT_EQ(r.view.caption(), QString("停(&t)"));
    EXPECT_EQ(r.view.windowHeightTwips(), 8950);
    EXPECT_TRUE(r.view.timerOn());
    EXPECT_EQ(changes, 1);

    r.tick(hex("55 AA 02 08 00 F5"));
    EXPECT_EQ(r.view.text(), QString("55 AA 2 8 0 F5 \r\n"));

    r.view.toggle();
    EXPECT_EQ(r.view.caption(), QString("测试(&t)"));
    EXPECT_EQ(r.view.windowHeightTwips(), 6000);
    EXPECT_FALSE(r.view.timerOn());
    EXPECT_EQ(r.view.text(), QString("55 AA 2 8 0 F5 \r\n"));   // kept until switched on again

    r.view.toggle();
    EXPECT_EQ(r.view.text(), QString());
    r.tick(hex("0A"));
    EXPECT_EQ(r.view.text(), QString("A \r\n"));
    EXPECT_TRUE(r.ui.messages.isEmpty());
}

TEST(TestView, PortThatCannotOpenLeavesItOff)
{
    ViewRig r;
    r.port.failOpen = true;
    r.view.toggle();
    EXPECT_EQ(r.ui.messages, (QList<Message>{{"没发现此端口或端口已被其它程序占用!", 16, "错误"}}));
    EXPECT_EQ(r.view.caption(), QString("测试(&t)"));
    EXPECT_EQ(r.view.windowHeightTwips(), 6100);
    EXPECT_FALSE(r.view.timerOn());
}

TEST(TestView, EachTickWithDataAddsOneLine)
{
    ViewRig r;
    r.view.toggle();
    r.tick(hex("55 AA 02"));
    EXPECT_EQ(r.view.text(), QString("55 AA 2 \r\n"));
    r.tick(QByteArray());
    EXPECT_EQ(r.view.text(), QString("55 AA 2 \r\n"));
    r.tick(hex("05"));   // a lone byte is shown too
    r.tick(hex("00 FF 10"));
    EXPECT_EQ(r.view.text(), QString("55 AA 2 \r\n5 \r\n0 FF 10 \r\n"));
}

TEST(TestView, NothingIsReadWhileAnExchangeRunsOrThePortIsClosed)
{
    ViewRig r;
    r.view.toggle();
    r.state.ExchangeRunning = true;
    r.tick(hex("55 AA"));
    EXPECT_EQ(r.view.text(), QString());
    r.state.ExchangeRunning = false;
    r.view.recvdata();   // the bytes were left for their owner, now they are traffic
    EXPECT_EQ(r.view.text(), QString("55 AA \r\n"));

    r.portControl.toggle();   // close
    EXPECT_FALSE(r.state.PortIsOpen);
    r.tick(hex("01 02"));
    EXPECT_EQ(r.view.text(), QString("55 AA \r\n"));
}

TEST(TestView, LargeBurstIsSplitIntoLines)
{
    QByteArray burst;
    for (int i = 0; i < 600; ++i)
        burst.append(char(i & 0xFF));
    const QString text = TestView::hexLines(burst);
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 4);   // 256 + 256 + 88 bytes and the empty rest
    EXPECT_EQ(lines[0].count(' '), 256);
    EXPECT_EQ(lines[1].count(' '), 256);
    EXPECT_EQ(lines[2].count(' '), 88);
    EXPECT_TRUE(lines[0].startsWith("0 1 2 3 "));
    EXPECT_TRUE(lines[1].startsWith("0 1 2 3 "));
    EXPECT_TRUE(lines[2].endsWith("55 56 57 "));
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_EQ(TestView::hexLines(QByteArray(256, 'A')).count("\r\n"), 1);
    EXPECT_EQ(TestView::hexLines(QByteArray()), QString());
}

TEST(TestView, TextKeepsItsLast64KiBInWholeLines)
{
    ViewRig r;
    r.view.toggle();
    // Lines of 10 bytes, "1 <n> 3 4 5 6 7 8 9 A " and CR LF, at most 23 characters.
    int trims = 0;
    qsizetype before = 0;
    for (int i = 0; i < 6000; ++i) {
        QByteArray bytes = hex("01 00 03 04 05 06 07 08 09 0A");
        bytes[1] = char(i & 0xFF);
        r.tick(bytes);
        const QString text = r.view.text();
        ASSERT_LE(text.size(), TestView::TextLimit) << i;
        ASSERT_TRUE(text.startsWith("1 ")) << i;
        ASSERT_TRUE(text.endsWith(QString("1 %1 3 4 5 6 7 8 9 A \r\n").arg(i & 0xFF, 0, 16).toUpper())) << i;
        if (text.size() < before) {
            // Dropped down to the target, and no whole line more than needed.
            ++trims;
            ASSERT_LE(text.size(), TestView::TrimTarget) << i;
            ASSERT_GT(text.size(), TestView::TrimTarget - 23) << i;
            ASSERT_GT(before + 23, TestView::TextLimit) << i;
        }
        before = text.size();
    }
    EXPECT_GE(trims, 2);
}
