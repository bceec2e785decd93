// The byte-stream face of the unit: request parsing and resynchronisation, every
// line fault, the reply override, and the reply timing on the virtual clock.

#include "SimTestSupport.h"
#include "sim/SimPort.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace cs::sim;
using namespace cs::sim::test;

namespace {

const QByteArray Reply8 = hex("55 AA 02 08 00 F5");

QByteArray block(const HostUnit& unit, int b)
{
    return unit.image().mid(128 * b, 128);
}

} // namespace

TEST(SimLine, FaultsShapeTheReply)
{
    struct Case {
        const char* name;
        std::function<void(SimLine&)> fault;
        std::uint8_t code;
        QByteArray payload;
        QList<Chunk> expected;   // filled with the unit's clean reply where needed
    };
    HostUnit reference;
    for (int i = 0; i < 8192; ++i)
        reference.memory[size_t(i)] = std::uint8_t(i / 128);
    const QByteArray block4 = cs::replyFrame(0x0D, block(reference, 4));
    QByteArray badChecksum = Reply8;
    badChecksum.back() = char(0x0A);   // ~F5
    const Case cases[] = {
        {"clean", [](SimLine&) {}, 0x08, {}, {{0.002, Reply8}}},
        {"silent", [](SimLine& l) { l.faults.silent = true; }, 0x08, {}, {}},
        {"wrong checksum", [](SimLine& l) { l.faults.badChecksum = true; }, 0x08, {}, {{0.002, badChecksum}}},
        {"forced length 3 pads", [](SimLine& l) { l.faults.forceLength = 3; }, 0x08, {},
         {{0.002, cs::replyFrame(0x08, hex("00 00 00"))}}},
        {"forced length 2 cuts", [](SimLine& l) { l.faults.forceLength = 2; }, 0x0D, hex("01"),
         {{0.002, cs::replyFrame(0x0D, hex("01 01"))}}},
        {"forced length 0x7F", [](SimLine& l) { l.faults.forceLength = 0x7F; }, 0x0D, hex("00"),
         {{0.002, cs::replyFrame(0x0D, QByteArray(0x7F, '\0'))}}},
        {"forced length above 255 stays 255", [](SimLine& l) { l.faults.forceLength = 300; }, 0x08, {},
         {{0.002, cs::replyFrame(0x08, QByteArray(255, '\0'))}}},
        {"status byte", [](SimLine& l) { l.faults.statusByte = 2; }, 0x04, hex("07"),
         {{0.002, cs::replyFrame(0x04, hex("02"))}}},
        {"noise before and after", [](SimLine& l) { l.faults.noiseBefore = hex("13 55"); l.faults.noiseAfter = hex("55 AA"); },
         0x08, {}, {{0.002, hex("13 55") + Reply8 + hex("55 AA")}}},
        {"split reply", [](SimLine& l) { l.faults.splitAt = 2; l.faults.splitPause = 0.6; }, 0x08, {},
         {{0.002, hex("55 AA")}, {0.6, hex("02 08 00 F5")}}},
        {"split beyond the reply does nothing", [](SimLine& l) { l.faults.splitAt = 6; l.faults.splitPause = 0.6; }, 0x08, {},
         {{0.002, Reply8}}},
        {"slow reply", [](SimLine& l) { l.faults.replyDelay = 1.3; }, 0x08, {}, {{1.3, Reply8}}},
        {"slow reply after a key press", [](SimLine& l) { l.faults.replyDelay = 0.5; l.keyPressAfter = 1.25; }, 0x11,
         hex("01"), {{1.75, cs::replyFrame(0x11, hex("01 01"))}}},
        {"silent from block 5: block 4 answered", [](SimLine& l) { l.faults.silentFromBlock = 5; }, 0x0D, hex("04"),
         {{0.002, block4}}},
        {"silent from block 5: block 5", [](SimLine& l) { l.faults.silentFromBlock = 5; }, 0x0D, hex("05"), {}},
        {"silent from block 5: block 63", [](SimLine& l) { l.faults.silentFromBlock = 5; }, 0x0D, hex("3F"), {}},
        {"silent from block 1: receiver block 1", [](SimLine& l) { l.faults.silentFromBlock = 1; }, 0x0E, hex("01"), {}},
        {"silent from block 5: other codes answered", [](SimLine& l) { l.faults.silentFromBlock = 5; }, 0x17, hex("05"),
         {{0.002, cs::replyFrame(0x17, {})}}},
        {"only code: other code clean", [](SimLine& l) { l.faults.silent = true; l.faults.onlyCode = 0x0D; }, 0x08, {},
         {{0.002, Reply8}}},
        {"only code: that code faulty", [](SimLine& l) { l.faults.silent = true; l.faults.onlyCode = 0x08; }, 0x08, {}, {}},
        {"only code limits the slow reply too",
         [](SimLine& l) { l.faults.replyDelay = 2.0; l.faults.badChecksum = true; l.faults.onlyCode = 0x0D; }, 0x08, {},
         {{0.002, Reply8}}},
        {"only code limits noise and split",
         [](SimLine& l) { l.faults.noiseBefore = hex("00"); l.faults.splitAt = 1; l.faults.onlyCode = 0x0D; }, 0x08, {},
         {{0.002, Reply8}}},
        {"no key press: silent", [](SimLine& l) { l.keyPressAfter.reset(); }, 0x11, hex("01"), {}},
        {"key press delays the reply", [](SimLine& l) { l.keyPressAfter = 2.5; }, 0x03, {},
         {{2.502, cs::replyFrame(0x03, hex("0A 1B 01"))}}},
    };
    for (const auto& c : cases) {
        HostUnit unit;
        unit.memory = reference.memory;
        SimLine line(unit);
        c.fault(line);
        const QList<Chunk> got = line.receive(cs::requestFrame(c.code, c.payload));
        ASSERT_EQ(got.size(), c.expected.size()) << c.name;
        for (qsizetype i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].delay, c.expected[i].delay, 1e-12) << c.name << " chunk " << i;
            EXPECT_EQ(got[i].bytes.toHex(' '), c.expected[i].bytes.toHex(' ')) << c.name << " chunk " << i;
        }
        ASSERT_EQ(line.requests.size(), 1) << c.name;
        EXPECT_EQ(line.requests[0], cs::requestFrame(c.code, c.payload).mid(3)) << c.name;
    }
}

TEST(SimLine, SilentUnitsStoreNothing)
{
    const std::function<void(SimLine&)> faults[] = {
        [](SimLine& l) { l.faults.silent = true; },
        [](SimLine& l) { l.faults.silentFromBlock = 2; },
    };
    for (const auto& fault : faults) {
        HostUnit unit;
        SimLine line(unit);
        fault(line);
        const auto before = unit.memory;
        line.receive(cs::requestFrame(0x18, hex("02") + QByteArray(128, '\0')));
        EXPECT_EQ(changedCells(before, unit.memory), (std::map<int, int>{}));
    }
}

TEST(SimLine, MemoryFullRefusesTablesAndRepeater)
{
    HostUnit unit;
    unit.memoryFull = true;
    SimLine line(unit);
    EXPECT_EQ(replyData(exchange(line, 0x03, tablePayload(5)), 0x03), QByteArray());
    EXPECT_EQ(replyData(exchange(line, 0x03, {}), 0x03), QByteArray());
    EXPECT_EQ(unit.tableCount(), 0);
    EXPECT_TRUE(unit.repeater.isEmpty());
    // Other commands still work.
    EXPECT_EQ(replyData(exchange(line, 0x01, hex("00 01 00 05 00 00 00 00 00 00 00 00 00")), 0x01), QByteArray());
    unit.memoryFull = false;
    EXPECT_EQ(replyData(exchange(line, 0x03, tablePayload(5)), 0x03)->size(), 3);
}

TEST(SimLine, ReplyOverrideSendsExactBytesAndTheUnitStillStores)
{
    HostUnit unit;
    SimLine line(unit);
    int calls = 0;
    line.replyOverride = [&](std::uint8_t code, const QByteArray& payload) -> std::optional<QByteArray> {
        ++calls;
        if (code != 0x17)
            return std::nullopt;
        EXPECT_EQ(payload, hex("01"));
        return hex("55 AA 02 17 02 00 00 E4");
    };
    const QList<Chunk> got = line.receive(cs::requestFrame(0x17, hex("01")));
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].bytes, hex("55 AA 02 17 02 00 00 E4"));
    EXPECT_EQ(unit.memory[8166], 0x01);
    // Returning nothing leaves the unit's own reply.
    EXPECT_EQ(exchange(line, 0x08, {}), Reply8);
    EXPECT_EQ(calls, 2);
}

TEST(SimLine, FindsRequestsAmongNoise)
{
    HostUnit unit;
    SimLine line(unit);
    const QByteArray request = cs::requestFrame(0x08, {});
    struct Case { const char* name; QByteArray before; };
    const Case cases[] = {
        {"garbage", hex("00 13 AA 55 02")},
        {"extra sync byte", hex("55")},
        {"echoed reply", Reply8},
        {"request with a wrong checksum", hex("55 55 AA 01 08 00 F5")},
        {"reply marker after the sync", hex("55 55 AA 02 08 00 F5")},
    };
    for (const auto& c : cases) {
        const QList<Chunk> got = line.receive(c.before + request);
        ASSERT_EQ(got.size(), 1) << c.name;
        EXPECT_EQ(got[0].bytes, Reply8) << c.name;
    }
    // A request split byte by byte is answered once it is complete.
    for (qsizetype i = 0; i + 1 < request.size(); ++i)
        EXPECT_TRUE(line.receive(request.mid(i, 1)).isEmpty()) << i;
    EXPECT_EQ(line.receive(request.right(1)).size(), 1);
    // Two requests in one write give two replies, in order.
    const QList<Chunk> two = line.receive(cs::requestFrame(0x17, hex("00")) + request);
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[0].bytes, cs::replyFrame(0x17, {}));
    EXPECT_EQ(two[1].bytes, Reply8);
    EXPECT_FALSE(line.partialPending());
}

TEST(SimLine, ResyncDropsAFalseRequestStart)
{
    HostUnit unit;
    SimLine line(unit);
    // Noise that looks like the start of a request announcing 255 payload bytes
    // swallows the real request that follows ...
    EXPECT_TRUE(line.receive(hex("55 55 AA 01 08 FF") + cs::requestFrame(0x08, {})).isEmpty());
    EXPECT_TRUE(line.partialPending());
    // ... until the line has been idle: then the real request is found.
    const QList<Chunk> got = line.resync();
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].bytes, Reply8);
    EXPECT_FALSE(line.partialPending());
    // A stale incomplete request is simply dropped.
    EXPECT_TRUE(line.receive(hex("55 55 AA 01 0D 01")).isEmpty());
    EXPECT_TRUE(line.resync().isEmpty());
    EXPECT_FALSE(line.partialPending());
    EXPECT_EQ(line.receive(cs::requestFrame(0x08, {})).size(), 1);
}

TEST(SimLine, GarbageNeverBreaksTheUnit)
{
    HostUnit unit;
    SimLine line(unit);
    line.keyPressAfter.reset();
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 140);
    int answered = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray junk;
        for (int i = length(random); i > 0; --i)
            junk.append(char(byte(random)));
        if (round % 3 == 0) {
            // A well-formed request of any code and length inside the junk.
            QByteArray payload;
            for (int i = length(random) % 20; i > 0; --i)
                payload.append(char(byte(random) % 4));
            junk += cs::requestFrame(std::uint8_t(byte(random) % 0x1A), payload);
        }
        answered += int(line.receive(junk).size());
        if (round % 50 == 0)
            answered += int(line.resync().size());
    }
    EXPECT_GT(answered, 0);
    line.resync();
    EXPECT_EQ(line.receive(cs::requestFrame(0x08, {})).size(), 1);
}

TEST(SimPort, ReplyBytesArriveAt9600Baud)
{
    VirtualClock clock;
    HostUnit unit;
    SimPort port(clock, unit);
    ASSERT_TRUE(port.open("sim"));
    ASSERT_TRUE(port.write(cs::requestFrame(0x08, {})));
    // 7 request bytes, 2 ms, then the 6 reply bytes: byte k complete at (7 + k) / 960 + 0.002.
    const double last = 13 * ByteSeconds + 0.002;
    clock.advance(8 * ByteSeconds + 0.002 - 1e-6);
    EXPECT_TRUE(port.readAll().isEmpty());
    clock.advance(2e-6);
    EXPECT_EQ(port.readAll(), hex("55"));
    clock.advance(last - clock.now() - 1e-6);
    EXPECT_EQ(port.readAll(), hex("AA 02 08 00"));
    clock.advance(2e-6);
    EXPECT_EQ(port.readAll(), hex("F5"));
}

TEST(SimPort, SplitAndSlowRepliesOnTheVirtualClock)
{
    VirtualClock clock;
    HostUnit unit;
    SimPort port(clock, unit);
    port.line.faults.splitAt = 2;
    port.line.faults.splitPause = 0.5;
    port.line.faults.replyDelay = 0.3;
    ASSERT_TRUE(port.open("sim"));
    ASSERT_TRUE(port.write(cs::requestFrame(0x08, {})));
    clock.advance(0.4);
    EXPECT_EQ(port.readAll(), hex("55 AA"));
    clock.advance(0.4);   // 0.3 + 9 bytes + 0.5 not yet reached
    EXPECT_TRUE(port.readAll().isEmpty());
    clock.advance(0.1);
    EXPECT_EQ(port.readAll(), hex("02 08 00 F5"));
}

TEST(SimPort, KeyPressedLaterAnswersTheLearningRequest)
{
    VirtualClock clock;
    HostUnit unit;
    SimPort port(clock, unit);
    port.line.keyPressAfter.reset();
    ASSERT_TRUE(port.open("sim"));
    ASSERT_TRUE(port.write(cs::requestFrame(0x11, hex("04"))));
    clock.advance(2.0);
    EXPECT_TRUE(port.readAll().isEmpty());
    port.pressKey();
    clock.advance(0.002 + 8 * ByteSeconds + 1e-6);
    EXPECT_EQ(port.readAll(), cs::replyFrame(0x11, hex("04 01")));
    EXPECT_EQ(unit.hurryButtons, std::set<int>({4}));
}
