#include "link/Frame.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;

namespace {

// Sends command 8 and waits `rounds` cycles of `seconds`.
void exchange(cs::test::Rig& rig, int rounds, double seconds)
{
    rig.portControl.EnsurePortOpen();
    rig.link.setRequest(0x08, {});
    ASSERT_TRUE(rig.link.SendFrame());
    rig.state.ReplyRounds = std::uint8_t(rounds);
    rig.state.ReplyWaitSeconds = seconds;
    rig.link.WaitReply();
}

} // namespace

TEST(Exchange, SilentUnitReturnsAfterAllCyclesExactly)
{
    cs::test::Rig rig;
    rig.port.line.faults.silent = true;
    exchange(rig, 2, 1.0);
    EXPECT_FALSE(rig.state.ReplyOk);
    EXPECT_DOUBLE_EQ(rig.clock.now(), 2.0);
    EXPECT_EQ(rig.clock.waits, 2);
    EXPECT_EQ(rig.state.ReplyRounds, 0);
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

TEST(Exchange, AcceptedReplyEndsAfterOneFullWait)
{
    cs::test::Rig rig;
    exchange(rig, 3, 1.0);
    ASSERT_TRUE(rig.state.ReplyOk);
    EXPECT_DOUBLE_EQ(rig.clock.now(), 1.0);     // the whole first wait is spent
    EXPECT_EQ(rig.state.ReplyRounds, 2);        // cycles left over
    EXPECT_EQ(rig.state.RxBuffer[0], 0x02);
    EXPECT_EQ(rig.state.RxBuffer[1], 0x08);
    EXPECT_EQ(rig.state.RxBuffer[2], 0x00);
    EXPECT_EQ(rig.state.ReplyChecksumValue, 0xF5);
    EXPECT_EQ(rig.state.ReplyRawBytes, hex("55 AA 02 08 00 F5"));
    EXPECT_FALSE(rig.state.ExchangeRunning);
}

TEST(Exchange, Outcomes)
{
    struct Case {
        const char* name;
        std::function<void(cs::sim::SimLine&)> fault;
        int rounds;
        double seconds;
        bool ok;
        int crcBoxes;
        double endsAt;
    };
    const Case cases[] = {
        {"wrong checksum raises one box", [](auto& l) { l.faults.badChecksum = true; }, 2, 1.0, false, 1, 2.0},
        {"noise before and after", [](auto& l) { l.faults.noiseBefore = hex("55 55 13 55"); l.faults.noiseAfter = hex("55 AA"); }, 1, 0.2, true, 0, 0.2},
        {"reply split after 55 AA joins", [](auto& l) { l.faults.splitAt = 2; l.faults.splitPause = 0.6; }, 2, 0.5, true, 0, 1.0},
        {"reply split inside the data joins", [](auto& l) { l.faults.splitAt = 5; l.faults.splitPause = 0.6; }, 2, 0.5, true, 0, 1.0},
        {"split with no cycle left is no reply", [](auto& l) { l.faults.splitAt = 4; l.faults.splitPause = 2.0; }, 1, 0.5, false, 0, 0.5},
        {"slow reply caught by the second cycle", [](auto& l) { l.faults.replyDelay = 1.3; }, 3, 1.0, true, 0, 2.0},
        {"slow reply after the last cycle", [](auto& l) { l.faults.replyDelay = 2.5; }, 2, 1.0, false, 0, 2.0},
    };
    for (const auto& c : cases) {
        cs::test::Rig rig;
        c.fault(rig.port.line);
        exchange(rig, c.rounds, c.seconds);
        EXPECT_EQ(rig.state.ReplyOk, c.ok) << c.name;
        EXPECT_EQ(rig.ui.messages.size(), c.crcBoxes) << c.name;
        for (const auto& m : rig.ui.messages)
            EXPECT_EQ(m, (cs::test::Message{"CRC校验错误", StyleStop, "错误"})) << c.name;
        EXPECT_NEAR(rig.clock.now(), c.endsAt, 1e-9) << c.name;
    }
}

TEST(Exchange, RawBytesHoldWhatTheLastCycleSearched)
{
    cs::test::Rig rig;
    rig.port.line.faults.noiseBefore = hex("13 14");
    exchange(rig, 1, 0.2);
    ASSERT_TRUE(rig.state.ReplyOk);
    EXPECT_EQ(rig.state.ReplyRawBytes, hex("13 14 55 AA 02 08 00 F5"));
}

TEST(Exchange, PortGoneDuringTheWaitEndsWithoutReply)
{
    cs::test::Rig rig;
    rig.clock.onWait = [&](double) { rig.port.vanish(); };
    exchange(rig, 2, 1.0);
    EXPECT_FALSE(rig.state.ReplyOk);
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.portControl.statusText(), QString("串口已关闭"));
    // The next command cannot write.
    rig.link.setRequest(0x08, {});
    EXPECT_FALSE(rig.link.SendFrame());
}

TEST(Exchange, MarksThePortBusyOnlyDuringTheWait)
{
    cs::test::Rig rig;
    bool busyDuringWait = false;
    rig.clock.onWait = [&](double) { busyDuringWait = rig.state.ExchangeRunning; };
    exchange(rig, 1, 0.2);
    EXPECT_TRUE(busyDuringWait);
    EXPECT_FALSE(rig.state.ExchangeRunning);
}

TEST(Exchange, FastRepliesEndTheCycleOnceTheReplyIsComplete)
{
    struct Case { bool fast; double replyDelay; bool ok; double minEnd; double maxEnd; };
    const Case cases[] = {
        // command 8: 7 request bytes, then 6 reply bytes at 9600 baud, after the delay
        {true, 0.002, true, 0.014, 0.020},
        {false, 0.002, true, 1.0, 1.0},
        {true, 1.5, true, 1.51, 1.52},     // second cycle, still early
        {true, 5.0, false, 2.0, 2.0},      // silent within both cycles: the full time
    };
    for (const auto& c : cases) {
        cs::test::Rig rig;
        rig.link.setFastReplies(c.fast);
        rig.port.line.faults.replyDelay = c.replyDelay;
        exchange(rig, 2, 1.0);
        EXPECT_EQ(rig.state.ReplyOk, c.ok) << c.fast << " " << c.replyDelay;
        EXPECT_GE(rig.clock.now(), c.minEnd - 1e-9) << c.fast << " " << c.replyDelay;
        EXPECT_LE(rig.clock.now(), c.maxEnd + 1e-9) << c.fast << " " << c.replyDelay;
    }
}
