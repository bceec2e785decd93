#include "link/TestView.h"
#include "support/Rig.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace cs;
using cs::test::hex;
using cs::test::Message;

namespace {

struct ViewRig : cs::test::Rig {
    TestView view{state, port, portControl};

    // Bytes arrive on the line, the clock moves past them, one timer tick runs.
    void tick(const QByteArray& b) { port.inject(b); clock.advance(0.01 + b.size() * 10.0 / 9600.0); view.recvdata(); }
    // Command8's caption, the window height and whether Timer1 runs.
    QString looks() const { return QString("%1 %2 %3").arg(view.caption()).arg(view.windowHeightTwips()).arg(view.timerOn()); }
};

} // namespace

TEST(TestView, SwitchingShowingAndLeavingExchangeBytesAlone)
{
    ViewRig r;
    EXPECT_EQ(r.looks(), QString("测试(&t) 6100 0"));
    r.view.toggle();
    EXPECT_TRUE(r.state.PortIsOpen);   // opened on demand
    EXPECT_EQ(r.looks(), QString("停(&t) 8950 1"));
    for (const char* bytes : {"55 AA 02", "", "05", "00 FF 10"})   // a lone byte is shown too
        r.tick(hex(bytes));
    const QString shown("55 AA 2 \r\n5 \r\n0 FF 10 \r\n");
    EXPECT_EQ(r.view.text(), shown);
    r.view.toggle();
    EXPECT_EQ(r.looks(), QString("测试(&t) 6000 0"));
    EXPECT_EQ(r.view.text(), shown);   // kept until switched on again
    r.view.toggle();
    EXPECT_EQ(r.view.text(), QString());
    EXPECT_TRUE(r.ui.messages.isEmpty());

    r.state.ExchangeRunning = true;   // nothing is read while an exchange runs
    r.tick(hex("55 AA"));
    EXPECT_EQ(r.view.text(), QString());
    r.state.ExchangeRunning = false;
    r.view.recvdata();   // the bytes were left for their owner, now they are traffic
    EXPECT_EQ(r.view.text(), QString("55 AA \r\n"));
    r.portControl.toggle();   // nor while the port is closed
    r.tick(hex("01 02"));
    EXPECT_EQ(r.view.text(), QString("55 AA \r\n"));

    ViewRig closed;   // a port that cannot open leaves the view off
    closed.port.failOpen = true;
    closed.view.toggle();
    EXPECT_EQ(closed.ui.messages, (QList<Message>{{"没发现此端口或端口已被其它程序占用!", 16, "错误"}}));
    EXPECT_EQ(closed.looks(), QString("测试(&t) 6100 0"));
}

TEST(TestView, BurstsSplitIntoLinesAndTheTextKeepsItsLast64KiB)
{
    QByteArray burst(600, 0);
    std::iota(burst.begin(), burst.end(), char(0));
    const QStringList lines = TestView::hexLines(burst).split("\r\n");   // 256 + 256 + 88 bytes and the empty rest
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(QString("%1 %2 %3").arg(lines[0].count(' ')).arg(lines[1].count(' ')).arg(lines[2].count(' ')), "256 256 88");
    EXPECT_TRUE(lines[0].startsWith("0 1 2 3 ") && lines[1].startsWith("0 1 2 3 ") && lines[2].endsWith("55 56 57 "));
    EXPECT_EQ(TestView::hexLines(QByteArray(256, 'A')).count("\r\n"), 1);

    ViewRig r;
    r.view.toggle();
    int trims = 0;
    qsizetype before = 0;
    for (int i = 0; i < 6000; ++i) {   // lines "1 <i> 3 4 5 6 7 8 9 A " and CR LF, at most 23 characters
        QByteArray bytes = hex("01 00 03 04 05 06 07 08 09 0A");
        bytes[1] = char(i & 0xFF);
        r.tick(bytes);
        const QString text = r.view.text();
        ASSERT_TRUE(text.size() <= TestView::TextLimit && text.startsWith("1 ")
                    && text.endsWith(QString("1 %1 3 4 5 6 7 8 9 A \r\n").arg(i & 0xFF, 0, 16).toUpper())) << i;
        // Trimmed only past the limit, down to the target and no whole line more than needed.
        if (text.size() < before) {
            ++trims;
            ASSERT_TRUE(before + 23 > TestView::TextLimit && text.size() <= TestView::TrimTarget
                        && text.size() > TestView::TrimTarget - 23) << i << " " << text.size();
        }
        before = text.size();
    }
    EXPECT_GE(trims, 2);
}
