// The frame, the reply search and the exchange on the virtual clock.
#include "link/Frame.h"
#include "link/ReplySearch.h"
#include "support/Rig.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;
using cs::test::Rig;

namespace {

struct Found {
    bool accepted = false;
    int crcBoxes = 0;
    QByteArray body;
};

// Feeds the cycles one after another, as WaitReply does.
Found search(std::uint8_t code, const QList<QByteArray>& cycles)
{
    ReplySearch s(code);
    Buffer rx{};
    Found f;
    for (const auto& c : cycles) {
        if (s.feed(c, rx, [&] { ++f.crcBoxes; })) {
            f.accepted = true;
            f.body = QByteArray(reinterpret_cast<const char*>(rx.data()), rx[2] + 4);
            break;
        }
    }
    return f;
}

// Sends command 8 and waits `rounds` cycles of `seconds`.
void exchange(Rig& rig, int rounds, double seconds)
{
    rig.portControl.EnsurePortOpen();
    rig.link.setRequest(0x08, {});
    ASSERT_TRUE(rig.link.SendFrame());
    rig.state.ReplyRounds = std::uint8_t(rounds);
    rig.state.ReplyWaitSeconds = seconds;
    rig.link.WaitReply();
}

} // namespace

TEST(Frame, RequestsOnTheWire)
{
    const std::tuple<std::uint8_t, const char*, const char*> cases[] = {
        {0x08, "", "55 55 AA 01 08 00 F6"},
        {0x0D, "3F", "55 55 AA 01 0D 01 3F B1"},
        {0x14, "00 01 03 04 07", "55 55 AA 01 14 05 00 01 03 04 07 D6"},
        {0x18, "00", "55 55 AA 01 18 01 00 E5"},
    };
    for (const auto& [code, payload, wire] : cases)
        EXPECT_EQ(requestFrame(code, hex(payload)).toHex(' '), hex(wire).toHex(' '));
    Rig closed;
    closed.link.setRequest(0x08, {});
    EXPECT_FALSE(closed.link.SendFrame());
    EXPECT_TRUE(closed.port.written.isEmpty());
}

TEST(ReplySearch, AwkwardStreams)
{
    const QByteArray r = hex("55 AA 02 08 00 F5"), long7 = replyFrame(0x08, hex("07"));
    const QByteArray bad = hex("55 AA 02 08 00 F4");
    struct Case {
        const char* name;
        QList<QByteArray> cycles;
        int crc;
        QByteArray body;
    };
    const Case cases[] = {
        {"clean", {r}, 0, r.mid(2)},
        {"garbage before", {hex("00 13 FF 55 12") + r}, 0, r.mid(2)},
        {"request echo before", {hex("55 55 AA 01 08 00 F6") + r}, 0, r.mid(2)},
        {"noise after", {r + hex("55 AA 02")}, 0, r.mid(2)},
        {"other code", {hex("55 AA 02 09 00 F4")}, 0, {}},
        {"bad checksum", {bad}, 1, {}},
        {"bad then good", {bad + r}, 1, r.mid(2)},
        {"split after lone 55", {hex("55"), hex("AA 02 08 00 F5")}, 0, r.mid(2)},
        {"split in the data", {long7.left(5), long7.mid(5)}, 0, long7.mid(2)},
        {"empty cycle between", {r.left(3), {}, r.mid(3)}, 0, r.mid(2)},
        {"bad kept over a cycle", {bad + hex("55 AA 02"), hex("08 00 F5")}, 1, r.mid(2)},
        {"bad inside a kept start", {hex("55 AA 02 08 20") + bad, {}, {}}, 1, {}},
    };
    for (const auto& c : cases) {
        const Found f = search(0x08, c.cycles);
        EXPECT_EQ(f.accepted, !c.body.isEmpty()) << c.name;
        EXPECT_EQ(f.crcBoxes, c.crc) << c.name;
        EXPECT_EQ(f.body.toHex(' '), c.body.toHex(' ')) << c.name;
    }
}

TEST(ReplySearch, FalseStartsAndFullLength)
{
    // A header with a length that never completes must not hide the reply inside its span.
    const QByteArray real = replyFrame(0x0D, hex("07"));
    EXPECT_EQ(search(0x0D, {hex("55 AA 02 0D FF 01 02"), real}).body, real.mid(2));
    const QByteArray full = replyFrame(0x0D, QByteArray(255, char(0x55)));
    EXPECT_EQ(search(0x0D, {full.left(100), full.mid(100)}).body, full.mid(2));
}

TEST(ReplySearch, RandomStreamsGiveOnlyRealReplies)
{
    // Noise, floods of 55 and frames cut short, split at any cycle boundary.
    auto* rng = QRandomGenerator::global();
    const auto randomBytes = [rng](int n) {
        QByteArray b(n, '\0');
        for (auto& c : b)
            c = char(rng->bounded(256));
        return b;
    };
    for (int round = 0; round < 3000; ++round) {
        QByteArray stream;
        for (int p = rng->bounded(1, 6); p > 0; --p) {
            const int kind = rng->bounded(4);
            const QByteArray data = randomBytes(rng->bounded(0, 20));
            if (kind == 0)
                stream += randomBytes(rng->bounded(0, 40));
            else if (kind == 1)
                stream += QByteArray(rng->bounded(1, 30), char(0x55));
            else if (kind == 2)
                stream += replyFrame(0x0D, data).left(rng->bounded(1, data.size() + 6));
            else
                stream += replyFrame(0x0D, data);
        }
        QList<QByteArray> cycles;
        for (qsizetype at = 0; at < stream.size(); at += cycles.last().size())
            cycles << stream.mid(at, rng->bounded(0, 12));
        const Found f = search(0x0D, cycles);
        if (!f.accepted)
            continue;
        const auto* b = reinterpret_cast<const std::uint8_t*>(f.body.constData());
        ASSERT_EQ(f.body.size(), b[2] + 4);
        ASSERT_EQ(frameChecksum(b, b[2] + 3), b[b[2] + 3]);
        ASSERT_TRUE(stream.contains(hex("55 AA 02 0D") + f.body.mid(2)));
    }
}

TEST(Exchange, OnTheVirtualClock)
{
    using Fault = std::function<void(cs::sim::Faults&)>;
    struct Case {
        const char* name;
        Fault fault;
        int rounds;
        double seconds;
        bool ok;
        int boxes;
        double end;
    };
    const Case cases[] = {
        {"silent unit", [](auto& f) { f.silent = true; }, 2, 1.0, false, 0, 2.0},
        {"accepted", [](auto&) {}, 3, 1.0, true, 0, 1.0},
        {"bad checksum: one box", [](auto& f) { f.badChecksum = true; }, 2, 1.0, false, 1, 2.0},
        {"noise around",
         [](auto& f) {
             f.noiseBefore = hex("55 13");
             f.noiseAfter = hex("55 AA");
         },
         1, 0.2, true, 0, 0.2},
        {"split joins",
         [](auto& f) {
             f.splitAt = 5;
             f.splitPause = 0.6;
         },
         2, 0.5, true, 0, 1.0},
        {"split, no cycle left",
         [](auto& f) {
             f.splitAt = 4;
             f.splitPause = 2;
         },
         1, 0.5, false, 0, 0.5},
        {"reply in the last cycle", [](auto& f) { f.replyDelay = 2.3; }, 3, 1.0, true, 0, 3.0},
        {"reply after the last cycle", [](auto& f) { f.replyDelay = 2.5; }, 2, 1.0, false, 0, 2.0},
    };
    for (const auto& c : cases) {
        Rig rig;
        c.fault(rig.port.line.faults);
        exchange(rig, c.rounds, c.seconds);
        EXPECT_EQ(rig.state.ReplyOk, c.ok) << c.name;
        EXPECT_EQ(rig.ui.messages.size(), c.boxes) << c.name;
        EXPECT_NEAR(rig.clock.now(), c.end, 1e-9) << c.name;
        EXPECT_EQ(rig.clock.waits, int(c.end / c.seconds + 0.5)) << c.name;
        EXPECT_EQ(rig.state.ReplyRounds, c.rounds - rig.clock.waits) << c.name;
    }
}

TEST(Exchange, AcceptedReplyFillsTheReceiveState)
{
    Rig rig;
    rig.port.line.faults.noiseBefore = hex("13 14");
    exchange(rig, 1, 0.2);
    ASSERT_TRUE(rig.state.ReplyOk);
    const auto* rx = reinterpret_cast<const char*>(rig.state.RxBuffer.data());
    EXPECT_EQ(QByteArray(rx, 4), hex("02 08 00 F5"));
    EXPECT_EQ(rig.state.ReplyChecksumValue, 0xF5);
    EXPECT_EQ(rig.state.ReplyRawBytes, hex("13 14 55 AA 02 08 00 F5"));
    Rig split; // the kept start of the reply is part of what the last cycle searched
    split.port.line.faults.splitAt = 2;
    split.port.line.faults.splitPause = 0.6;
    exchange(split, 2, 0.5);
    EXPECT_EQ(split.state.ReplyRawBytes, hex("55 AA 02 08 00 F5"));
}

TEST(Exchange, FastRepliesEndTheCycleEarly)
{
    // 7 request bytes, then 6 reply bytes at 9600 baud after the delay.
    const std::tuple<double, bool, double, double> cases[] = {
        {0.002, true, 0.014, 0.020},
        {1.5, true, 1.51, 1.52},
        {5.0, false, 2.0, 2.0},
    };
    for (const auto& [delay, ok, minEnd, maxEnd] : cases) {
        Rig rig;
        rig.link.setFastReplies(true);
        rig.port.line.faults.replyDelay = delay;
        exchange(rig, 2, 1.0);
        EXPECT_EQ(rig.state.ReplyOk, ok) << delay;
        EXPECT_GE(rig.clock.now(), minEnd - 1e-9) << delay;
        EXPECT_LE(rig.clock.now(), maxEnd + 1e-9) << delay;
    }
}

TEST(Exchange, PortLostDuringTheWait)
{
    Rig rig;
    rig.clock.onWait = [&](double) { rig.port.vanish(); };
    exchange(rig, 2, 1.0);
    EXPECT_FALSE(rig.state.ReplyOk);
    EXPECT_FALSE(rig.state.PortIsOpen);
    EXPECT_EQ(rig.portControl.status().state, PortState::Closed);
    EXPECT_TRUE(rig.ui.messages.isEmpty());
}

TEST(PortControl, OpenCloseChangeAndRefusedPorts)
{
    Rig rig;
    const auto status = [&] {
        const PortStatus s = rig.portControl.status();
        return std::tuple(s.state, s.port);
    };
    rig.portControl.changePort("COM3");
    rig.portControl.toggle();
    EXPECT_TRUE(rig.state.PortIsOpen && rig.port.rts);
    EXPECT_EQ(rig.port.openedDevices, QStringList{"COM3"});
    EXPECT_EQ(status(), std::tuple(PortState::Open, QString("COM3")));
    rig.portControl.changePort("COM4");
    EXPECT_FALSE(rig.state.PortIsOpen || rig.port.isOpen());
    EXPECT_EQ(status(), std::tuple(PortState::ChoiceChanged, QString("COM4")));
    rig.portControl.toggle();
    EXPECT_EQ(status(), std::tuple(PortState::Open, QString("COM4")));
    rig.portControl.toggle();
    EXPECT_FALSE(rig.state.PortIsOpen || rig.port.rts || rig.port.isOpen());
    EXPECT_EQ(status(), std::tuple(PortState::Closed, QString("COM4")));
    for (const char* text : {"COM0", "COMX"}) {
        Rig bad;
        bad.portControl.changePort(text);
        const Outcome open = bad.portControl.EnsurePortOpen();
        EXPECT_FALSE(bad.state.PortIsOpen) << text;
        EXPECT_TRUE(bad.port.openedDevices.isEmpty()) << text;
        EXPECT_EQ(std::tuple(open.ending, open.cause, open.message),
                  std::tuple(Ending::Failed, Cause::Port, PortControl::portMessage()));
        EXPECT_EQ(bad.portControl.status().state, PortState::Failed) << text;
    }
}
