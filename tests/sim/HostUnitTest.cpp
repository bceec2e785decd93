// The unit's answer to every command code: reply data (or silence) and exactly
// the memory cells that change.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace cs::sim;
using namespace cs::sim::test;

namespace {

using Setup = std::function<void(HostUnit&)>;
using Check = std::function<void(const HostUnit&)>;

// Reply data (nullptr: silence) and the host and built-in receiver cells -> value after; no other cell changes.
struct Case { std::uint8_t code; const char* payload; const char* reply; Cells host = {}, receiver = {};
              Setup setup = {}; Check check = {}; bool keyPressed = true; };

Setup tables(std::vector<int> numbers)
{
    return [=](HostUnit& u) { SimLine l(u); for (int t : numbers) exchange(l, 0x03, tablePayload(t, t & 0xFF)); };
}
const Setup pager7 = [](HostUnit& u) { SimLine l(u); exchange(l, 0x01, hex("00 07 00 05 00 01 02 03 04 05 06 07 00")); };
const Setup voice = [](HostUnit& u) { u.memory[cells::InfoUnitType] = 0x00; };
const Setup threeTables = tables({5, 9, 11});
const Setup repeater1 = [](HostUnit& u) { u.repeater = hex("0A 1B 01"); };
Check repeaterIs(const char* bytes) { return [=](const HostUnit& u) { EXPECT_EQ(u.repeater, hex(bytes)); }; }
Check hurryIs(std::set<int> buttons) { return [=](const HostUnit& u) { EXPECT_EQ(u.hurryButtons, buttons); }; }
const Check unlearned = [](const HostUnit& u) {
    EXPECT_EQ(u.repeater, hex("0A 1B 01")); EXPECT_TRUE(u.hurryButtons.empty()); EXPECT_EQ(u.nextFeatureCode, 0x0A1B01u); };

const Case Cases[] = {
    // 01 set pager: 254 数字新型 2400 正 音调2, 1 数字标准 512 反, an overwrite; refused: number 0, 255, rest 100,
    // type 12, type units 10, polarity 2, digit 10, tone 4, short payload
    {0x01, "02 36 00 09 01 01 02 03 04 05 06 07 01", "", cellsAt(1265, "64 12 34 56 71")},
    {0x01, "00 01 00 05 00 00 00 00 00 00 00 00 00", "", cellsAt(0, "4D 00 00 00 00")},
    {0x01, "00 07 00 00 00 09 09 09 09 09 09 09 02", "", cellsAt(30, "4B 99 99 99 92"), {}, pager7},
    {0x01, "00 00 00 05 00 00 00 00 00 00 00 00 00", nullptr}, {0x01, "02 37 00 05 00 00 00 00 00 00 00 00 00", nullptr},
    {0x01, "01 64 00 05 00 00 00 00 00 00 00 00 00", nullptr}, {0x01, "00 01 01 02 00 00 00 00 00 00 00 00 00", nullptr},
    {0x01, "00 01 00 0A 00 00 00 00 00 00 00 00 00", nullptr}, {0x01, "00 01 00 05 02 00 00 00 00 00 00 00 00", nullptr},
    {0x01, "00 01 00 05 00 00 00 00 0A 00 00 00 00", nullptr}, {0x01, "00 01 00 05 00 00 00 00 00 00 00 00 04", nullptr},
    {0x01, "00 01 00 05 00 00 00 00 00 00 00 00", nullptr},
    // 04 delete pager: present, absent, type byte 00 means absent, pager 0, pager 255
    {0x04, "07", "", cellsAt(30, "FF FF FF FF FF"), {}, pager7}, {0x04, "07", "01"},
    {0x04, "07", "01", {}, {}, [](HostUnit& u) { u.memory[30] = 0x00; u.memory[31] = 0x12; }}, {0x04, "00", "01"},
    {0x04, "FF", "", cellsAt(1270, "FF"), {}, [](HostUnit& u) { u.memory[1270] = 0x42; }},
    // 03 n=7 set table: first, 65535 appended, replaced in place, the pressed caller learned, memory full
    {0x03, "00 00 05 0C FF FF 07", "0A 1B 01", cellsAt(1280, "0A 1B 01 00 05 0C FF FF 07", cellsAt(8190, "00 01")), {}, {},
     [](const HostUnit& u) { EXPECT_EQ(u.lastLearned, 0x0A1B01u); EXPECT_EQ(u.nextFeatureCode, 0x0A1B02u); }},
    {0x03, "00 FF FF 01 02 03 63", "0A 1B 04", cellsAt(1307, "0A 1B 04 FF FF 01 02 03 63", cellsAt(8191, "04")), {}, threeTables},
    {0x03, "00 00 09 FF 0D FF 00", "0A 1B 04", cellsAt(1289, "0A 1B 04 00 09 FF 0D FF 00"), {}, threeTables},
    {0x03, "00 00 01 FF FF FF FF", "12 34 56", cellsAt(1280, "12 34 56 00 01 FF FF FF FF", cellsAt(8190, "00 01")), {},
     [](HostUnit& u) { u.pressedCaller = 0x123456; }, [](const HostUnit& u) { EXPECT_EQ(u.nextFeatureCode, 0x0A1B01u); }},
    {0x03, "00 00 05 FF FF FF FF", "", {}, {}, [](HostUnit& u) { u.memoryFull = true; }},
    {0x03, "00 00 00 FF FF FF FF", nullptr}, {0x03, "00 00 05 FF FF FF 64", nullptr}, {0x03, "01 00 05 FF FF FF FF", nullptr},
    // 07 n=2 delete table: the gap closes; last; the only one; unknown; on an erased unit
    {0x07, "00 09", "", cellsAt(1289, "0A 1B 03 00 0B 0B FF FF FF FF FF FF FF FF FF FF FF FF", cellsAt(8191, "02")), {},
     threeTables},
    {0x07, "00 0B", "", cellsAt(1298, "FF FF FF FF FF FF FF FF FF", cellsAt(8191, "02")), {}, threeTables},
    {0x07, "01 2C", "", cellsAt(1280, "FF FF FF FF FF FF FF FF FF", cellsAt(8191, "00")), {},
     tables({300})},
    {0x07, "00 0A", "02", {}, {}, threeTables}, {0x07, "FF FF", "02"},
    // 03 / 07 n=0 repeater: the most recent caller, a new one, one already in, full, memory full;
    // delete: empty, caller not in it, caller removed
    {0x03, "", "0A 1B 03", {}, {}, threeTables, repeaterIs("0A 1B 03")},
    {0x03, "", "0A 1B 01", {}, {}, {}, repeaterIs("0A 1B 01")},
    {0x03, "", "0A 1B 01", {}, {}, repeater1, repeaterIs("0A 1B 01")},
    {0x03, "", "", {}, {}, [](HostUnit& u) { u.repeaterCapacity = 1; u.repeater = hex("00 00 01"); }, repeaterIs("00 00 01")},
    {0x03, "", "", {}, {}, [](HostUnit& u) { u.memoryFull = true; }, repeaterIs("")},
    {0x07, "", "00"},
    {0x07, "", "01", {}, {}, [](HostUnit& u) { u.repeater = hex("00 00 01"); u.pressedCaller = 2; }, repeaterIs("00 00 01")},
    {0x07, "", "", {}, {}, [](HostUnit& u) { u.repeater = hex("00 00 01 00 00 02 00 00 03"); u.pressedCaller = 2; },
     repeaterIs("00 00 01 00 00 03")},
    // 08 / 09 initialise receiver / host
    {0x08, "", "", {}, {{10, 0xFF}, {250, 0xFF}},
     [](HostUnit& u) { u.receiverMemory[250] = 3; u.receiverMemory[10] = 0x42; u.memory[5] = 1; }},
    {0x09, "", "", {{0, 0xFF}, {8191, 0xFF}}, {},
     [](HostUnit& u) { u.memory[0] = 0x42; u.memory[8191] = 1; u.receiverMemory[3] = 3; u.hurryButtons = {2}; },
     hurryIs({})},
    {0x09, "00", nullptr},
    // 02 receiver number, 0A receiver frequency, 0B transmitter frequency
    {0x02, "50", "", {}, {{251, 0x50}}}, {0x02, "01", "", {}, {{251, 0x01}}}, {0x02, "00", nullptr}, {0x02, "51", nullptr},
    {0x0A, "07 50", "", {}, {{250, 7}}}, {0x0A, "00", "", {}, {{250, 0}}},
    {0x0A, "08", nullptr}, {0x0A, "03 00", nullptr}, {0x0A, "03 01 01", nullptr},
    {0x0B, "41 A5 AA", "", cellsAt(8185, "41 A5 AA 01")}, {0x0B, "41 A5", nullptr},
    {0x0B, "", "", cellsAt(8188, "FF"), {}, [](HostUnit& u) { u.memory[8185] = 0x41; u.memory[8188] = 1; }},
    // 0D / 0E block reads and 18 block writes refused (the good ones: BlockReadsAndWrites)
    {0x0D, "40", nullptr}, {0x0D, "00 01", nullptr}, {0x0D, "", nullptr}, {0x0E, "02", nullptr}, {0x0E, "00 02", nullptr},
    // 11 / 12 hurry buttons
    {0x11, "05", "05 01", {}, {}, {}, hurryIs({5})},
    {0x11, "09", "09 02", {}, {}, [](HostUnit& u) { u.hurryButtons = {2}; }, hurryIs({2, 9})},
    {0x11, "00", nullptr}, {0x11, "0A", nullptr}, {0x12, "04", ""}, {0x12, "0A", nullptr},
    {0x12, "03", "", {}, {}, [](HostUnit& u) { u.hurryButtons = {2, 3}; }, hurryIs({2})},
    // 13 info unit type, 17 work mode
    {0x13, "00", "", {{2046, 0x00}}}, {0x13, "FF", "", {{2046, 0xFF}}, {}, voice},
    {0x17, "02", "", {{8166, 0x02}}}, {0x17, "02 00", nullptr},
    // 14 / 15 / 16 voice prompts: stored by a voice unit, refused (01) by an erased or digital one
    {0x14, "00 01 03 04 07", "", cellsAt(2024, "00 01 03 04 07"), {}, voice},
    {0x14, "01 08 0F FF FF", "", cellsAt(2024, "01 08 0F FF FF"), {}, voice},
    {0x14, "00 01 03 04 07", "01"}, {0x14, "00 01 03 04 07", "01", {}, {}, [](HostUnit& u) { u.memory[2046] = 1; }},
    {0x14, "00 01 03 04", nullptr, {}, {}, voice},
    {0x15, "02", "", {{2029, 0x02}}, {}, voice}, {0x16, "00", "", {{2030, 0x00}}, {}, voice}, {0x16, "01", "01"},
    // learning requests without a key press: silent, nothing learned
    {0x03, "00 00 05 FF FF FF FF", nullptr, {}, {}, repeater1, unlearned, false},
    {0x03, "", nullptr, {}, {}, repeater1, unlearned, false}, {0x07, "", nullptr, {}, {}, repeater1, unlearned, false},
    {0x11, "03", nullptr, {}, {}, repeater1, unlearned, false},
    // codes the unit does not know
    {0x05, "", nullptr}, {0x19, "00", nullptr},
};

} // namespace

TEST(HostUnit, AnswersEveryCommandCode)
{
    for (const Case& c : Cases) {
        SCOPED_TRACE(::testing::Message() << "code " << int(c.code) << " payload " << c.payload);
        HostUnit unit;
        if (c.setup)
            c.setup(unit);
        const auto host = unit.memory;
        const auto receiver = unit.receiverMemory;
        const auto external = unit.externalReceiverMemory;
        SimLine line(unit);
        if (!c.keyPressed)
            line.keyPressAfter.reset();
        EXPECT_EQ(show(exchange(line, c.code, hex(c.payload))), c.reply ? reply(c.code, c.reply) : "silence");
        EXPECT_EQ(line.listening(), !c.keyPressed);
        EXPECT_EQ(cellsAfter(host, unit.memory, c.host), c.host);
        EXPECT_EQ(cellsAfter(receiver, unit.receiverMemory, c.receiver), c.receiver);
        EXPECT_EQ(cellsAfter(external, unit.externalReceiverMemory), Cells{});
        if (c.check)
            c.check(unit);
    }
}

TEST(HostUnit, BlockReadsAndWrites)
{
    HostUnit unit;
    SimLine line(unit);
    QByteArray image, receiver;
    for (int i = 0; i < 8192; ++i)
        image.append(char(i * 7 + 3)), receiver.append(char(i));
    receiver.truncate(256);
    ASSERT_FALSE(unit.loadImage(image.left(8191)));
    ASSERT_TRUE(unit.loadImage(image));
    std::copy(receiver.begin(), receiver.end(), unit.receiverMemory.begin());
    unit.externalReceiverMemory.fill(0x5A);
    EXPECT_EQ(show(exchange(line, 0x0D, hex("00"))), show(cs::replyFrame(0x0D, image.left(128))));
    EXPECT_EQ(show(exchange(line, 0x0D, hex("3F"))), show(cs::replyFrame(0x0D, image.right(128))));
    EXPECT_EQ(show(exchange(line, 0x0E, hex("01"))), show(cs::replyFrame(0x0E, receiver.right(128))));
    EXPECT_EQ(show(exchange(line, 0x0E, hex("00 01"))), show(cs::replyFrame(0x0E, QByteArray(128, 0x5A))));
    for (int b : {3, 63}) {   // a block write changes exactly its 128 cells
        const auto before = unit.memory;
        QByteArray data(1, char(b));
        Cells expected;
        for (int i = 0; i < 128; ++i)
            data.append(char(expected[128 * b + i] = (b + i * 5) & 0xFF));
        EXPECT_EQ(show(exchange(line, 0x18, data)), show(cs::replyFrame(0x18, data.left(1))));
        EXPECT_EQ(cellsAfter(before, unit.memory, expected), expected);
    }
    const auto before = unit.memory;
    EXPECT_EQ(show(exchange(line, 0x18, hex("40") + QByteArray(128, 0))), "silence");
    EXPECT_EQ(show(exchange(line, 0x18, hex("00") + QByteArray(127, 0))), "silence");
    EXPECT_EQ(cellsAfter(before, unit.memory), Cells{});
}

TEST(HostUnit, LearningRequestsWaitForAKeyPress)
{
    HostUnit unit;
    SimLine line(unit);
    line.keyPressAfter.reset();
    EXPECT_TRUE(line.pressKey().isEmpty());   // nobody listens yet
    EXPECT_TRUE(line.receive(cs::requestFrame(0x03, tablePayload(7))).isEmpty());
    const QList<Chunk> chunks = line.pressKey();
    ASSERT_EQ(chunks.size(), 1);
    EXPECT_DOUBLE_EQ(chunks[0].delay, Faults::DefaultReplyDelay);
    EXPECT_EQ(show(chunks[0].bytes), reply(0x03, "0A 1B 01"));
    EXPECT_EQ(unit.findTable(7), 0);
    EXPECT_FALSE(line.listening());
    EXPECT_TRUE(line.pressKey().isEmpty());   // a second press finds nobody listening
    // Another request, or the unit giving up, ends the listening: a press then answers nothing.
    line.receive(cs::requestFrame(0x11, hex("02")));
    EXPECT_FALSE(line.receive(cs::requestFrame(0x08, {})).isEmpty());
    EXPECT_FALSE(line.listening());
    EXPECT_TRUE(line.pressKey().isEmpty());
    line.receive(cs::requestFrame(0x11, hex("02")));
    line.stopListening();
    EXPECT_TRUE(line.pressKey().isEmpty());
    EXPECT_TRUE(unit.hurryButtons.empty());
}
