// The pager type letters the unit stores for every type code and polarity, and
// the limits of its table area.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

using namespace cs::sim;
using namespace cs::sim::test;

TEST(PagerType, LetterForEveryTypeCodeAndPolarity)
{
    // Type code -> capital letter; by model 数字标准, 数字新型, 中文字符, 英文, each at 512, 1200, 2400.
    const std::pair<int, char> letters[] = {{5, 'M'}, {2, 'U'}, {10, 'I'}, {4, 'B'}, {1, 'Q'}, {9, 'D'},
                                            {3, 'H'}, {0, 'K'}, {8, 'C'},  {7, 'F'}, {6, 'E'}, {11, 'J'}};
    for (const auto& [typeCode, capital] : letters) {
        for (int polarity : {0, 1}) {
            HostUnit unit;
            SimLine line(unit);
            QByteArray payload;
            for (int v : {0, 10 + typeCode, typeCode / 10, typeCode % 10, polarity, 7, 6, 5, 4, 3, 2, 1, 2})
                payload.append(char(v));
            const char letter = char(polarity == 1 ? capital + 0x20 : capital);   // 正: lower case
            EXPECT_EQ(show(exchange(line, 0x01, payload)), reply(0x01, "")) << typeCode;
            EXPECT_EQ(show(unit.pagerRecord(10 + typeCode)), show(letter + hex("76 54 32 12")))
                << "type code " << typeCode << " polarity " << polarity;
        }
    }
}

TEST(Tables, AreaStopsBelowTheSettings)
{
    HostUnit unit;
    SimLine line(unit);
    for (const auto& [code, payload] : {std::pair(0x13, "00"), {0x14, "01 02 03 04 05"}, {0x15, "01"}, {0x16, "02"}})
        ASSERT_TRUE(exchange(line, std::uint8_t(code), hex(payload)));
    const auto settings = unit.memory;
    const auto settingsKept = [&] {
        for (int cell = 2018; cell < 8190; ++cell)
            ASSERT_EQ(unit.memory[size_t(cell)], settings[size_t(cell)]) << cell;
    };
    for (int t = 1; t <= MaxTables; ++t)   // each learns a caller: 3 data bytes
        ASSERT_EQ(exchange(line, 0x03, tablePayload(t * 100, 1, 2, 3, t % 100)).value_or("").size(), 9) << t;
    EXPECT_EQ(unit.tableCount(), 82);
    EXPECT_EQ(unit.image().mid(8190, 2), hex("00 52"));
    EXPECT_EQ(unit.tableRecord(81).mid(3), hex("20 08 01 02 03 52"));   // table 8200 in cells 2009..2017
    settingsKept();

    // The 83rd table: memory full, nothing changes.
    const auto full = unit.memory;
    const std::uint32_t nextCode = unit.nextFeatureCode;
    EXPECT_EQ(show(exchange(line, 0x03, tablePayload(9000))), reply(0x03, ""));
    EXPECT_EQ(cellsAfter(full, unit.memory), Cells{});
    EXPECT_EQ(unit.nextFeatureCode, nextCode);

    // A table already there is still replaced in place.
    EXPECT_EQ(exchange(line, 0x03, tablePayload(4000, 9)).value_or("").size(), 9);
    EXPECT_EQ(unit.findTable(4000), 39);
    EXPECT_EQ(unit.tableRecord(39).mid(3), hex("0F A0 09 FF FF FF"));
    EXPECT_EQ(unit.tableCount(), 82);

    // After a delete there is room for one more, appended at the end.
    EXPECT_EQ(show(exchange(line, 0x07, hex("00 64"))), reply(0x07, ""));   // table 100, record 0
    EXPECT_EQ(unit.tableCount(), 81);
    EXPECT_EQ(unit.tableRecord(0).mid(3, 2), hex("00 C8"));                  // table 200 moved up
    EXPECT_EQ(unit.tableRecord(81), hex("FF FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(exchange(line, 0x03, tablePayload(9000)).value_or("").size(), 9);
    EXPECT_EQ(unit.findTable(9000), 81);
    settingsKept();
}

TEST(Tables, CountsThatMeanNoTablesAndRecordsBeyondTheArea)
{
    struct Case { const char* count; int tables; int recordForNew; const char* countAfter; };
    const Case cases[] = {
        {"FF FF", 0, 0, "00 01"}, {"00 00", 0, 0, "00 01"}, {"02 01", 0, 0, "00 01"},   // erased, 0, above 512: none
        {"02 00", 512, -1, "02 00"}, {"00 64", 100, -1, "00 64"},   // valid counts beyond what this unit keeps
        {"00 52", 82, -1, "00 52"}, {"00 51", 81, 81, "00 52"},
    };
    for (const auto& c : cases) {
        HostUnit unit;
        unit.memory[8190] = std::uint8_t(hex(c.count)[0]);
        unit.memory[8191] = std::uint8_t(hex(c.count)[1]);
        unit.memory[1280 + 9 * 90 + 3] = 0;   // record 90, beyond the area, names table 77
        unit.memory[1280 + 9 * 90 + 4] = 77;
        EXPECT_EQ(unit.tableCount(), c.tables) << c.count;
        SimLine line(unit);
        EXPECT_EQ(show(exchange(line, 0x03, tablePayload(77))), reply(0x03, c.recordForNew < 0 ? "" : "0A 1B 01")) << c.count;
        EXPECT_EQ(unit.findTable(77), c.recordForNew) << c.count;
        EXPECT_EQ(unit.image().mid(8190, 2), hex(c.countAfter)) << c.count;
        if (c.recordForNew < 0) {   // neither found nor deleted
            const auto before = unit.memory;
            EXPECT_EQ(show(exchange(line, 0x07, hex("00 4D"))), reply(0x07, "02")) << c.count;
            EXPECT_EQ(cellsAfter(before, unit.memory), Cells{}) << c.count;
        }
    }
}
