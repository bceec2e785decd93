// The byte-stream face of the unit: request parsing and resynchronisation, every
// line fault, the reply override, and the reply timing on the virtual clock.

#include "SimTestSupport.h"
#include "sim/SimPort.h"

#include <gtest/gtest.h>

#include <functional>

using namespace cs::sim;
using namespace cs::sim::test;

static const QByteArray Reply8 = hex("55 AA 02 08 00 F5");

TEST(SimLine, FaultsShapeTheReply)
{
    using Fault = std::function<void(Faults&)>;
    struct Case { const char* name; Fault fault; std::uint8_t code; QByteArray payload; QList<Chunk> expected; double press = 1; };
    const Fault silentFrom5 = [](Faults& f) { f.silentFromBlock = 5; };
    const Case cases[] = {
        {"clean", [](Faults&) {}, 0x08, {}, {{0.002, Reply8}}},
        {"silent, stores nothing", [](Faults& f) { f.silent = true; }, 0x17, hex("01"), {}},
        {"wrong checksum", [](Faults& f) { f.badChecksum = true; }, 0x08, {}, {{0.002, hex("55 AA 02 08 00 0A")}}},
        {"forced length 3 pads", [](Faults& f) { f.forceLength = 3; }, 0x08, {}, {{0.002, cs::replyFrame(0x08, hex("00 00 00"))}}},
        {"forced length 2 cuts", [](Faults& f) { f.forceLength = 2; }, 0x0D, hex("01"), {{0.002, cs::replyFrame(0x0D, hex("01 01"))}}},
        {"forced length above 255 stays 255", [](Faults& f) { f.forceLength = 300; }, 0x08, {},
         {{0.002, cs::replyFrame(0x08, QByteArray(255, '\0'))}}},
        {"status byte", [](Faults& f) { f.statusByte = 2; }, 0x04, hex("07"), {{0.002, cs::replyFrame(0x04, hex("02"))}}},
        {"noise before and after", [](Faults& f) { f.noiseBefore = hex("13 55"); f.noiseAfter = hex("55 AA"); }, 0x08, {},
         {{0.002, hex("13 55") + Reply8 + hex("55 AA")}}},
        {"split reply", [](Faults& f) { f.splitAt = 2; f.splitPause = 0.6; }, 0x08, {},
         {{0.002, hex("55 AA")}, {0.6, hex("02 08 00 F5")}}},
        {"split beyond the reply", [](Faults& f) { f.splitAt = 6; f.splitPause = 0.6; }, 0x08, {}, {{0.002, Reply8}}},
        {"slow reply", [](Faults& f) { f.replyDelay = 1.3; }, 0x08, {}, {{1.3, Reply8}}},
        {"slow reply after a key press", [](Faults& f) { f.replyDelay = 0.5; }, 0x11, hex("01"),
         {{1.75, cs::replyFrame(0x11, hex("01 01"))}}, 1.25},
        {"silent from block 5: block 4", silentFrom5, 0x0D, hex("04"), {{0.002, cs::replyFrame(0x0D, QByteArray(128, 4))}}},
        {"silent from block 5: block 5", silentFrom5, 0x0D, hex("05"), {}},
        {"silent from block 5: block 5 not written", silentFrom5, 0x18, hex("05") + QByteArray(128, 1), {}},
        {"silent from block 5: other codes", silentFrom5, 0x17, hex("05"), {{0.002, cs::replyFrame(0x17, {})}}},
        {"silent from block 1: receiver block 1", [](Faults& f) { f.silentFromBlock = 1; }, 0x0E, hex("01"), {}},
        {"only code: that code faulty", [](Faults& f) { f.silent = true; f.onlyCode = 0x08; }, 0x08, {}, {}},
        {"only code: every fault, for code 0D only",
         [](Faults& f) { f = {true, true, 3, 2, hex("00"), hex("00"), 1, 0.5, 2.0, 0, 0x0D}; }, 0x08, {}, {{0.002, Reply8}}},
    };
    for (const auto& c : cases) {
        HostUnit unit;
        for (int i = 0; i < 8192; ++i)
            unit.memory[size_t(i)] = std::uint8_t(i / 128);
        const auto before = unit.memory;
        SimLine line(unit);
        c.fault(line.faults);
        line.keyPressAfter = c.press;
        const QList<Chunk> got = line.receive(cs::requestFrame(c.code, c.payload));
        EXPECT_EQ(show(got), show(c.expected)) << c.name;
        EXPECT_EQ(line.requests, QList<QByteArray>{cs::requestFrame(c.code, c.payload).mid(3)}) << c.name;
        if (got.isEmpty()) {
            EXPECT_EQ(cellsAfter(before, unit.memory), Cells{}) << c.name;
        }
    }
}

TEST(SimLine, ReplyOverrideSendsExactBytesAndTheUnitStillStores)
{
    HostUnit unit;
    SimLine line(unit);
    line.replyOverride = [](std::uint8_t code, const QByteArray& p) {
        return code == 0x17 && p == hex("01") ? std::optional(hex("55 AA 02 17 02 00 00 E4")) : std::nullopt; };
    EXPECT_EQ(show(exchange(line, 0x17, hex("01"))), "55 aa 02 17 02 00 00 e4");
    EXPECT_EQ(unit.memory[8166], 0x01);
    EXPECT_EQ(show(exchange(line, 0x08)), show(Reply8));   // nothing returned: the unit's own reply
}

TEST(SimLine, FindsRequestsAmongNoise)
{
    HostUnit unit;
    SimLine line(unit);
    const QByteArray request = cs::requestFrame(0x08, {});
    // garbage, an extra sync byte, an echoed reply, a request with a wrong checksum, a reply marker after the sync
    for (const char* noise : {"00 13 AA 55 02", "55", "55 AA 02 08 00 F5", "55 55 AA 01 08 00 F5", "55 55 AA 02 08 00 F5"})
        EXPECT_EQ(show(line.receive(hex(noise) + request)), show(QList<Chunk>{{0.002, Reply8}})) << noise;
    for (qsizetype i = 0; i + 1 < request.size(); ++i)   // split byte by byte: answered once complete
        EXPECT_TRUE(line.receive(request.mid(i, 1)).isEmpty()) << i;
    EXPECT_EQ(line.receive(request.right(1)).size(), 1);
    EXPECT_EQ(show(line.receive(cs::requestFrame(0x17, hex("00")) + request)),   // two replies, in order
              show(QList<Chunk>{{0.002, cs::replyFrame(0x17, {})}, {0.002, Reply8}}));
    // A false request start announcing 255 bytes swallows the real request until the line is idle ...
    EXPECT_TRUE(line.receive(hex("55 55 AA 01 08 FF") + request).isEmpty());
    EXPECT_TRUE(line.partialPending());
    EXPECT_EQ(show(line.resync()), show(QList<Chunk>{{0.002, Reply8}}));
    EXPECT_FALSE(line.partialPending());
    // ... and a stale incomplete request is dropped.
    EXPECT_TRUE(line.receive(hex("55 55 AA 01 0D 01")).isEmpty());
    EXPECT_TRUE(line.resync().isEmpty());
    EXPECT_FALSE(line.partialPending());
    EXPECT_EQ(line.receive(request).size(), 1);
}

TEST(SimPort, RepliesArriveAt9600BaudOnTheVirtualClock)
{
    VirtualClock clock;
    HostUnit unit;
    SimPort port(clock, unit);
    ASSERT_TRUE(port.open("sim"));
    double start = 0;
    const auto readAt = [&](double t, const char* bytes) {   // what arrived t seconds after the request was written
        clock.advance(start + t - clock.now());
        EXPECT_EQ(show(port.readAll()), show(hex(bytes))) << t;
    };
    // 7 request bytes, 2 ms, then the 6 reply bytes: byte k complete at (7 + k) / 960 + 0.002.
    ASSERT_TRUE(port.write(cs::requestFrame(0x08, {})));
    readAt(8 * ByteSeconds + 0.002 - 1e-6, ""), readAt(8 * ByteSeconds + 0.002 + 1e-6, "55");
    readAt(13 * ByteSeconds + 0.002 - 1e-6, "AA 02 08 00"), readAt(13 * ByteSeconds + 0.002 + 1e-6, "F5");
    // Split and slow: 0.3 s, 2 bytes, a 0.5 s pause, 4 bytes.
    port.line.faults = {};
    port.line.faults.splitAt = 2;
    port.line.faults.splitPause = 0.5;
    port.line.faults.replyDelay = 0.3;
    start = clock.now();
    ASSERT_TRUE(port.write(cs::requestFrame(0x08, {})));
    readAt(0.4, "55 AA"), readAt(0.8, ""), readAt(0.9, "02 08 00 F5");
    // A learning request is answered once the key is pressed.
    port.line.faults = {};
    port.line.keyPressAfter.reset();
    start = clock.now();
    ASSERT_TRUE(port.write(cs::requestFrame(0x11, hex("04"))));
    readAt(2.0, "");
    port.pressKey();
    readAt(2.002 + 8 * ByteSeconds + 1e-6, "55 AA 02 11 02 04 01 E5");
    EXPECT_EQ(unit.hurryButtons, std::set<int>({4}));
}
