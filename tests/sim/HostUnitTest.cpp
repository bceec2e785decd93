// The unit's answer to every command code: reply data (or silence) and exactly
// the memory cells that change.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace cs::sim;
using namespace cs::sim::test;

namespace {

QByteArray repeated(int count, int value)
{
    return QByteArray(count, char(value));
}

QByteArray pattern(int count, int start)
{
    QByteArray b;
    for (int i = 0; i < count; ++i)
        b.append(char((start + i * 7) & 0xFF));
    return b;
}

void putTables(HostUnit& u, std::initializer_list<int> tables)
{
    SimLine line(u);
    for (int t : tables)
        ASSERT_TRUE(exchange(line, 0x03, tablePayload(t, t & 0xFF)));
}

struct Case {
    const char* name;
    std::function<void(HostUnit&)> setup;
    std::uint8_t code;
    QByteArray payload;
    std::optional<QByteArray> reply;        // reply data; none: the unit stays silent
    std::map<int, int> hostChanges = {};    // host memory cell -> value after; no other cell changes
    std::map<int, int> receiverChanges = {};  // the same for the built-in receiver memory
    std::function<void(const HostUnit&)> check = {};
};

const QByteArray NoData;

std::vector<Case> cases()
{
    const auto pager7 = [](HostUnit& u) {
        SimLine line(u);
        exchange(line, 0x01, hex("00 07 00 05 00 01 02 03 04 05 06 07 00"));
    };
    const auto voiceUnit = [](HostUnit& u) { u.memory[cells::InfoUnitType] = 0x00; };
    const auto threeTables = [](HostUnit& u) { putTables(u, {5, 9, 11}); };
    return {
        // 01 set pager
        {"pager 254, 数字新型 2400 正 音调2", {}, 0x01, hex("02 36 00 09 01 01 02 03 04 05 06 07 01"), NoData,
         cellsAt(1265, "64 12 34 56 71")},
        {"pager 1, 数字标准 512 反, address 0", {}, 0x01, hex("00 01 00 05 00 00 00 00 00 00 00 00 00"), NoData,
         cellsAt(0, "4D 00 00 00 00")},
        {"pager 100, 英文 2400 正 音调4", {}, 0x01, hex("01 00 01 01 01 09 08 07 06 05 04 03 03"), NoData,
         cellsAt(495, "6A 98 76 54 33")},
        {"pager overwritten", pager7, 0x01, hex("00 07 00 00 00 09 09 09 09 09 09 09 02"), NoData,
         cellsAt(30, "4B 99 99 99 92")},
        {"pager number 0 refused", {}, 0x01, hex("00 00 00 05 00 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        {"pager number 255 refused", {}, 0x01, hex("02 37 00 05 00 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        {"pager number rest 100 refused", {}, 0x01, hex("01 64 00 05 00 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        {"pager type 12 refused", {}, 0x01, hex("00 01 01 02 00 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        {"pager type units 10 refused", {}, 0x01, hex("00 01 00 0A 00 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        {"pager polarity 2 refused", {}, 0x01, hex("00 01 00 05 02 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        {"pager digit 10 refused", {}, 0x01, hex("00 01 00 05 00 00 00 00 0A 00 00 00 00"), std::nullopt, {}},
        {"pager tone 4 refused", {}, 0x01, hex("00 01 00 05 00 00 00 00 00 00 00 00 04"), std::nullopt, {}},
        {"pager short payload refused", {}, 0x01, hex("00 01 00 05 00 00 00 00 00 00 00 00"), std::nullopt, {}},
        // 04 delete pager
        {"delete present pager", pager7, 0x04, hex("07"), NoData, cellsAt(30, "FF FF FF FF FF")},
        {"delete absent pager", {}, 0x04, hex("07"), hex("01"), {}},
        {"pager with type byte 00 is absent",
         [](HostUnit& u) { u.memory[30] = 0x00; u.memory[31] = 0x12; }, 0x04, hex("07"), hex("01"), {}},
        {"delete pager 0", {}, 0x04, hex("00"), hex("01"), {}},
        {"delete pager 255", [](HostUnit& u) { u.memory[1270] = 0x42; }, 0x04, hex("FF"), NoData,
         cellsAt(1270, "FF")},
        // 03 n=7 set table
        {"first table", {}, 0x03, hex("00 00 05 0C FF FF 07"), hex("0A 1B 01"),
         cellsAt(1280, "0A 1B 01 00 05 0C FF FF 07") + cellsAt(8190, "00 01"),
         {}, [](const HostUnit& u) { EXPECT_EQ(u.lastLearned, 0x0A1B01u); EXPECT_EQ(u.nextFeatureCode, 0x0A1B02u); }},
        {"table 65535 appended", threeTables, 0x03, hex("00 FF FF 01 02 03 63"), hex("0A 1B 04"),
         cellsAt(1280 + 27, "0A 1B 04 FF FF 01 02 03 63") + cellsAt(8191, "04")},
        {"existing table replaced in place", threeTables, 0x03, hex("00 00 09 FF 0D FF 00"), hex("0A 1B 04"),
         cellsAt(1289, "0A 1B 04 00 09 FF 0D FF 00")},
        {"pressed caller is the one learned", [](HostUnit& u) { u.pressedCaller = 0x123456; }, 0x03,
         hex("00 00 01 FF FF FF FF"), hex("12 34 56"), cellsAt(1280, "12 34 56 00 01 FF FF FF FF") + cellsAt(8190, "00 01"),
         {}, [](const HostUnit& u) { EXPECT_EQ(u.nextFeatureCode, 0x0A1B01u); }},
        {"memory full", [](HostUnit& u) { u.memoryFull = true; }, 0x03, hex("00 00 05 FF FF FF FF"), NoData, {}},
        {"table 0 refused", {}, 0x03, hex("00 00 00 FF FF FF FF"), std::nullopt, {}},
        {"key value 100 refused", {}, 0x03, hex("00 00 05 FF FF FF 64"), std::nullopt, {}},
        {"leading byte not 0 refused", {}, 0x03, hex("01 00 05 FF FF FF FF"), std::nullopt, {}},
        // 07 n=2 delete table
        {"delete middle table closes the gap", threeTables, 0x07, hex("00 09"), NoData,
         cellsAt(1289, "0A 1B 03 00 0B 0B FF FF FF") + cellsAt(1298, "FF FF FF FF FF FF FF FF FF") + cellsAt(8191, "02")},
        {"delete last table", threeTables, 0x07, hex("00 0B"), NoData,
         cellsAt(1298, "FF FF FF FF FF FF FF FF FF") + cellsAt(8191, "02")},
        {"delete only table leaves count 0", [](HostUnit& u) { putTables(u, {300}); }, 0x07, hex("01 2C"), NoData,
         cellsAt(1280, "FF FF FF FF FF FF FF FF FF") + cellsAt(8191, "00")},
        {"delete unknown table", threeTables, 0x07, hex("00 0A"), hex("02"), {}},
        {"delete from an erased unit", {}, 0x07, hex("FF FF"), hex("02"), {}},
        // 03 n=0 / 07 n=0 repeater
        {"repeater write, most recent caller", threeTables, 0x03, {}, hex("0A 1B 03"), {},
         {}, [](const HostUnit& u) { EXPECT_EQ(u.repeater, hex("0A 1B 03")); }},
        {"repeater write, caller already in", [](HostUnit& u) { u.repeater = hex("0A 1B 01"); }, 0x03, {},
         hex("0A 1B 01"), {}, {}, [](const HostUnit& u) { EXPECT_EQ(u.repeater, hex("0A 1B 01")); }},
        {"repeater full", [](HostUnit& u) { u.repeaterCapacity = 1; u.repeater = hex("00 00 01"); }, 0x03, {}, NoData, {},
         {}, [](const HostUnit& u) { EXPECT_EQ(u.repeater, hex("00 00 01")); }},
        {"repeater write with memory full", [](HostUnit& u) { u.memoryFull = true; }, 0x03, {}, NoData, {},
         {}, [](const HostUnit& u) { EXPECT_TRUE(u.repeater.isEmpty()); }},
        {"repeater delete, empty", {}, 0x07, {}, hex("00"), {}},
        {"repeater delete, caller not in it", [](HostUnit& u) { u.repeater = hex("00 00 01"); u.pressedCaller = 0x000002; },
         0x07, {}, hex("01"), {}, {}, [](const HostUnit& u) { EXPECT_EQ(u.repeater, hex("00 00 01")); }},
        {"repeater delete, caller removed",
         [](HostUnit& u) { u.repeater = hex("00 00 01 00 00 02 00 00 03"); u.pressedCaller = 0x000002; }, 0x07, {},
         NoData, {}, {}, [](const HostUnit& u) { EXPECT_EQ(u.repeater, hex("00 00 01 00 00 03")); }},
        // 08 / 09 initialise
        {"initialise receiver", [](HostUnit& u) { u.receiverMemory[250] = 3; u.receiverMemory[10] = 0x42; u.memory[5] = 1; },
         0x08, {}, NoData, {}, {{10, 0xFF}, {250, 0xFF}}},
        {"initialise host", [](HostUnit& u) { u.memory[0] = 0x42; u.memory[8191] = 1; u.receiverMemory[3] = 3; u.hurryButtons = {2}; },
         0x09, {}, NoData, {{0, 0xFF}, {8191, 0xFF}}, {},
         [](const HostUnit& u) { EXPECT_TRUE(u.hurryButtons.empty()); EXPECT_EQ(u.receiverMemory[3], 3); }},
        {"initialise with payload refused", {}, 0x09, hex("00"), std::nullopt, {}},
        // 02 receiver number
        {"receiver number 80", {}, 0x02, hex("50"), NoData, {}, {{251, 0x50}}},
        {"receiver number 1", {}, 0x02, hex("01"), NoData, {}, {{251, 0x01}}},
        {"receiver number 0 refused", {}, 0x02, hex("00"), std::nullopt, {}},
        {"receiver number 81 refused", {}, 0x02, hex("51"), std::nullopt, {}},
        // 0A receiver frequency
        {"frequency 315.6 for receiver 80", {}, 0x0A, hex("07 50"), NoData, {}, {{250, 7}}},
        {"frequency 314.2 without number", {}, 0x0A, hex("00"), NoData, {}, {{250, 0}}},
        {"frequency position 8 refused", {}, 0x0A, hex("08"), std::nullopt, {}},
        {"frequency for receiver 0 refused", {}, 0x0A, hex("03 00"), std::nullopt, {}},
        {"frequency with 3 bytes refused", {}, 0x0A, hex("03 01 01"), std::nullopt, {}},
        // 0B transmitter frequency
        {"transmitter 430.225", {}, 0x0B, hex("41 A5 AA"), NoData, cellsAt(8185, "41 A5 AA 01")},
        {"transmitter cleared", [](HostUnit& u) { u.memory[8185] = 0x41; u.memory[8188] = 1; }, 0x0B, {}, NoData,
         cellsAt(8188, "FF")},
        {"transmitter 2 bytes refused", {}, 0x0B, hex("41 A5"), std::nullopt, {}},
        // 0D host block read
        {"host block 0", [](HostUnit& u) { u.loadImage(pattern(8192, 3)); }, 0x0D, hex("00"), pattern(128, 3), {}},
        {"host block 63", [](HostUnit& u) { u.loadImage(pattern(8192, 3)); }, 0x0D, hex("3F"), pattern(8192, 3).mid(8064), {}},
        {"host block 64 refused", {}, 0x0D, hex("40"), std::nullopt, {}},
        {"host block read with 2 bytes refused", {}, 0x0D, hex("00 01"), std::nullopt, {}},
        {"host block read without payload refused", {}, 0x0D, {}, std::nullopt, {}},
        // 0E receiver block read
        {"built-in receiver block 1",
         [](HostUnit& u) { for (int i = 0; i < 256; ++i) u.receiverMemory[size_t(i)] = std::uint8_t(i); }, 0x0E, hex("01"),
         [] { QByteArray b; for (int i = 128; i < 256; ++i) b.append(char(i)); return b; }(), {}},
        {"external receiver block 0",
         [](HostUnit& u) { u.externalReceiverMemory.fill(0x5A); u.receiverMemory.fill(0x11); }, 0x0E, hex("00 01"),
         repeated(128, 0x5A), {}},
        {"receiver block 2 refused", {}, 0x0E, hex("02"), std::nullopt, {}},
        {"receiver read with second byte 02 refused", {}, 0x0E, hex("00 02"), std::nullopt, {}},
        // 11 / 12 hurry buttons
        {"hurry button 5 learned", {}, 0x11, hex("05"), hex("05 01"), {},
         {}, [](const HostUnit& u) { EXPECT_EQ(u.hurryButtons, std::set<int>({5})); }},
        {"hurry button 9 learned beside 2", [](HostUnit& u) { u.hurryButtons = {2}; }, 0x11, hex("09"), hex("09 02"), {},
         {}, [](const HostUnit& u) { EXPECT_EQ(u.hurryButtons, std::set<int>({2, 9})); }},
        {"hurry button 0 refused", {}, 0x11, hex("00"), std::nullopt, {}},
        {"hurry button 10 refused", {}, 0x11, hex("0A"), std::nullopt, {}},
        {"hurry button deleted", [](HostUnit& u) { u.hurryButtons = {2, 3}; }, 0x12, hex("03"), NoData, {},
         {}, [](const HostUnit& u) { EXPECT_EQ(u.hurryButtons, std::set<int>({2})); }},
        {"unknown hurry button deleted", {}, 0x12, hex("04"), NoData, {}},
        {"hurry delete 10 refused", {}, 0x12, hex("0A"), std::nullopt, {}},
        // 13 info unit type, 17 work mode
        {"info unit voice", {}, 0x13, hex("00"), NoData, {{2046, 0x00}}},
        {"info unit digital", [](HostUnit& u) { u.memory[2046] = 0; }, 0x13, hex("FF"), NoData, {{2046, 0xFF}}},
        {"work mode 单键模式0", {}, 0x17, hex("02"), NoData, {{8166, 0x02}}},
        {"work mode with 2 bytes refused", {}, 0x17, hex("02 00"), std::nullopt, {}},
        // 14 / 15 / 16 voice prompts
        {"caller prompts on a voice unit", voiceUnit, 0x14, hex("00 01 03 04 07"), NoData, cellsAt(2024, "00 01 03 04 07")},
        {"caller prompts with keys unset", voiceUnit, 0x14, hex("01 08 0F FF FF"), NoData, cellsAt(2024, "01 08 0F FF FF")},
        {"caller prompts refused by an erased (digital) unit", {}, 0x14, hex("00 01 03 04 07"), hex("01"), {}},
        {"caller prompts refused by a digital unit", [](HostUnit& u) { u.memory[2046] = 1; }, 0x14,
         hex("00 01 03 04 07"), hex("01"), {}},
        {"caller prompts with 4 bytes refused", voiceUnit, 0x14, hex("00 01 03 04"), std::nullopt, {}},
        {"handheld by table", voiceUnit, 0x15, hex("02"), NoData, {{2029, 0x02}}},
        {"handheld by pager", voiceUnit, 0x16, hex("00"), NoData, {{2030, 0x00}}},
        {"handheld refused by a digital unit", {}, 0x16, hex("01"), hex("01"), {}},
        // 18 block write
        {"block 3 written", {}, 0x18, hex("03") + pattern(128, 9), hex("03"),
         [] { std::map<int, int> m; const QByteArray p = pattern(128, 9); for (int i = 0; i < 128; ++i) m[384 + i] = std::uint8_t(p[i]); return m; }()},
        {"block 63 written", {}, 0x18, hex("3F") + repeated(128, 0), hex("3F"),
         [] { std::map<int, int> m; for (int i = 8064; i < 8192; ++i) m[i] = 0; return m; }()},
        {"block 64 refused", {}, 0x18, hex("40") + repeated(128, 0), std::nullopt, {}},
        {"block write of 127 bytes refused", {}, 0x18, hex("00") + repeated(127, 0), std::nullopt, {}},
        // codes the unit does not know
        {"code 05", {}, 0x05, {}, std::nullopt, {}},
        {"code 19", {}, 0x19, hex("00"), std::nullopt, {}},
    };
}

} // namespace

TEST(HostUnit, AnswersEveryCommandCode)
{
    for (const Case& c : cases()) {
        HostUnit unit;
        if (c.setup)
            c.setup(unit);
        const auto host = unit.memory;
        const auto receiver = unit.receiverMemory;
        const auto external = unit.externalReceiverMemory;
        SimLine line(unit);
        const auto wire = exchange(line, c.code, c.payload);
        if (c.reply) {
            ASSERT_TRUE(wire.has_value()) << c.name;
            EXPECT_EQ(*wire, cs::replyFrame(c.code, *c.reply)) << c.name;
        } else {
            EXPECT_FALSE(wire.has_value()) << c.name;
        }
        EXPECT_EQ(cellsAfter(host, unit.memory, c.hostChanges), c.hostChanges) << c.name;
        EXPECT_EQ(cellsAfter(receiver, unit.receiverMemory, c.receiverChanges), c.receiverChanges) << c.name;
        EXPECT_EQ(changedCells(external, unit.externalReceiverMemory), (std::map<int, int>{})) << c.name;
        if (c.check)
            c.check(unit);
    }
}

TEST(HostUnit, NewUnitIsErased)
{
    HostUnit unit;
    for (auto b : unit.memory)
        ASSERT_EQ(b, 0xFF);
    for (auto b : unit.receiverMemory)
        ASSERT_EQ(b, 0xFF);
    for (auto b : unit.externalReceiverMemory)
        ASSERT_EQ(b, 0xFF);
    EXPECT_EQ(unit.tableCount(), 0);   // 0xFFFF means none
    EXPECT_TRUE(unit.repeater.isEmpty());
    EXPECT_FALSE(unit.lastLearned.has_value());
}

TEST(HostUnit, LearningRequestsStaySilentWithoutAKeyPress)
{
    struct Case { std::uint8_t code; QByteArray payload; };
    const Case cases[] = {{0x03, tablePayload(5)}, {0x03, {}}, {0x07, {}}, {0x11, hex("03")}};
    for (const auto& c : cases) {
        HostUnit unit;
        unit.repeater = hex("0A 1B 01");
        const auto before = unit.memory;
        SimLine line(unit);
        line.keyPressAfter.reset();
        EXPECT_FALSE(exchange(line, c.code, c.payload).has_value()) << int(c.code);
        EXPECT_TRUE(line.listening()) << int(c.code);
        EXPECT_EQ(changedCells(before, unit.memory), (std::map<int, int>{})) << int(c.code);
        EXPECT_EQ(unit.repeater, hex("0A 1B 01"));
        EXPECT_TRUE(unit.hurryButtons.empty());
        EXPECT_EQ(unit.nextFeatureCode, 0x0A1B01u);
    }
}

TEST(HostUnit, KeyPressAnswersTheListeningRequest)
{
    HostUnit unit;
    SimLine line(unit);
    line.keyPressAfter.reset();
    EXPECT_TRUE(line.pressKey().isEmpty());   // nobody listens yet
    EXPECT_TRUE(line.receive(cs::requestFrame(0x03, tablePayload(7))).isEmpty());
    const QList<Chunk> chunks = line.pressKey();
    ASSERT_EQ(chunks.size(), 1);
    EXPECT_DOUBLE_EQ(chunks[0].delay, Faults::DefaultReplyDelay);
    EXPECT_EQ(chunks[0].bytes, cs::replyFrame(0x03, hex("0A 1B 01")));
    EXPECT_EQ(unit.findTable(7), 0);
    EXPECT_FALSE(line.listening());
    EXPECT_TRUE(line.pressKey().isEmpty());   // a second press finds nobody listening

    // Another request ends the listening: the press then answers nothing.
    line.receive(cs::requestFrame(0x11, hex("02")));
    EXPECT_TRUE(line.listening());
    EXPECT_FALSE(line.receive(cs::requestFrame(0x08, {})).isEmpty());
    EXPECT_FALSE(line.listening());
    EXPECT_TRUE(line.pressKey().isEmpty());
    EXPECT_TRUE(unit.hurryButtons.empty());

    // The unit gives up listening.
    line.receive(cs::requestFrame(0x11, hex("02")));
    line.stopListening();
    EXPECT_TRUE(line.pressKey().isEmpty());
}

TEST(HostUnit, RepeaterHearsTheMostRecentlyLearnedCaller)
{
    HostUnit unit;
    SimLine line(unit);
    // Nothing learned yet: the pressed caller is new to the unit.
    EXPECT_EQ(replyData(exchange(line, 0x03, {}), 0x03), hex("0A 1B 01"));
    ASSERT_TRUE(exchange(line, 0x03, tablePayload(1)));   // learns 0A1B01
    ASSERT_TRUE(exchange(line, 0x03, tablePayload(2)));   // learns 0A1B02
    EXPECT_EQ(replyData(exchange(line, 0x03, {}), 0x03), hex("0A 1B 02"));
    EXPECT_EQ(unit.repeater, hex("0A 1B 01 0A 1B 02"));
    EXPECT_TRUE(unit.repeaterHolds(0x0A1B02));
    EXPECT_EQ(replyData(exchange(line, 0x07, {}), 0x07), QByteArray());
    EXPECT_EQ(unit.repeater, hex("0A 1B 01"));
    EXPECT_EQ(replyData(exchange(line, 0x07, {}), 0x07), hex("01"));
    unit.pressedCaller = 0x0A1B01;
    EXPECT_EQ(replyData(exchange(line, 0x07, {}), 0x07), QByteArray());
    EXPECT_EQ(replyData(exchange(line, 0x07, {}), 0x07), hex("00"));
}

TEST(HostUnit, StoredSettingsShowInABlockRead)
{
    HostUnit unit;
    SimLine line(unit);
    ASSERT_TRUE(exchange(line, 0x13, hex("00")));
    ASSERT_TRUE(exchange(line, 0x14, hex("01 02 03 04 05")));
    ASSERT_TRUE(exchange(line, 0x15, hex("01")));
    ASSERT_TRUE(exchange(line, 0x16, hex("02")));
    const auto block15 = replyData(exchange(line, 0x0D, hex("0F")), 0x0D);   // cells 1920..2047
    ASSERT_TRUE(block15);
    EXPECT_EQ(block15->mid(2024 - 1920, 7), hex("01 02 03 04 05 01 02"));
    EXPECT_EQ(std::uint8_t(block15->at(2046 - 1920)), 0x00);

    ASSERT_TRUE(exchange(line, 0x17, hex("01")));
    ASSERT_TRUE(exchange(line, 0x0B, hex("4C 4B 40")));
    ASSERT_TRUE(exchange(line, 0x03, tablePayload(3)));
    const auto block63 = replyData(exchange(line, 0x0D, hex("3F")), 0x0D);   // cells 8064..8191
    ASSERT_TRUE(block63);
    EXPECT_EQ(std::uint8_t(block63->at(8166 - 8064)), 0x01);
    EXPECT_EQ(block63->mid(8185 - 8064, 4), hex("4C 4B 40 01"));
    EXPECT_EQ(block63->mid(8190 - 8064, 2), hex("00 01"));

    ASSERT_TRUE(exchange(line, 0x0A, hex("05")));
    const auto receiver1 = replyData(exchange(line, 0x0E, hex("01")), 0x0E);
    ASSERT_TRUE(receiver1);
    EXPECT_EQ(std::uint8_t(receiver1->at(250 - 128)), 5);
}

TEST(HostUnit, ImageHelpers)
{
    HostUnit unit;
    EXPECT_FALSE(unit.loadImage(QByteArray(8191, '\0')));
    EXPECT_FALSE(unit.loadImage(QByteArray(8193, '\0')));
    EXPECT_EQ(unit.memory[0], 0xFF);   // a refused image changes nothing
    QByteArray image(8192, '\0');
    for (int i = 0; i < 8192; ++i)
        image[i] = char(i * 13 + 1);
    ASSERT_TRUE(unit.loadImage(image));
    EXPECT_EQ(unit.image(), image);
    EXPECT_EQ(unit.pagerRecord(255), image.mid(1270, 5));
    EXPECT_EQ(unit.pagerRecord(1), image.mid(0, 5));
    EXPECT_TRUE(unit.pagerRecord(0).isEmpty());
    EXPECT_TRUE(unit.pagerRecord(256).isEmpty());
    EXPECT_EQ(unit.tableRecord(1), image.mid(1289, 9));
}

TEST(HostUnit, BlockWriteThenReadGivesTheImageBack)
{
    HostUnit unit;
    SimLine line(unit);
    QByteArray image;
    for (int i = 0; i < 8192; ++i)
        image.append(char((i * 31 + 7) & 0xFF));
    for (int b = 0; b < 64; ++b)
        ASSERT_EQ(replyData(exchange(line, 0x18, QByteArray(1, char(b)) + image.mid(128 * b, 128)), 0x18),
                  QByteArray(1, char(b)));
    QByteArray read;
    for (int b = 0; b < 64; ++b)
        read += replyData(exchange(line, 0x0D, QByteArray(1, char(b))), 0x0D).value_or(QByteArray());
    EXPECT_EQ(read, image);
}
