// The pager type letters the unit stores for every type code and polarity, and
// the limits of its table area.

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace cs::sim;
using namespace cs::sim::test;

namespace {

enum Model { Standard, NewDigital, Chinese, English };   // 数字标准, 数字新型, 中文字符, 英文
enum Rate { R512, R1200, R2400 };

// The type code the program sends for a model and rate, and the capital letter
// the memory layout gives to that model and rate.
struct TypeCase { Model model; Rate rate; int typeCode; char capital; };
const TypeCase TypeCases[] = {
    {Standard, R512, 5, 'M'},    {Standard, R1200, 2, 'U'},    {Standard, R2400, 10, 'I'},
    {NewDigital, R512, 4, 'B'},  {NewDigital, R1200, 1, 'Q'},  {NewDigital, R2400, 9, 'D'},
    {Chinese, R512, 3, 'H'},     {Chinese, R1200, 0, 'K'},     {Chinese, R2400, 8, 'C'},
    {English, R512, 7, 'F'},     {English, R1200, 6, 'E'},     {English, R2400, 11, 'J'},
};

QByteArray pagerPayload(int number, int typeCode, int polarity)
{
    QByteArray p;
    for (int v : {number / 100, number % 100, typeCode / 10, typeCode % 10, polarity, 7, 6, 5, 4, 3, 2, 1, 2})
        p.append(char(v));
    return p;
}

} // namespace

TEST(PagerType, LetterForEveryTypeCodeAndPolarity)
{
    std::set<int> codes;
    for (const auto& c : TypeCases) {
        codes.insert(c.typeCode);
        for (int polarity : {0, 1}) {
            HostUnit unit;
            SimLine line(unit);
            const int number = 10 + c.typeCode;
            ASSERT_EQ(replyData(exchange(line, 0x01, pagerPayload(number, c.typeCode, polarity)), 0x01), QByteArray())
                << c.typeCode << " " << polarity;
            const int expected = polarity == 1 ? c.capital + 0x20 : c.capital;   // 正: lower case
            const QByteArray record = unit.pagerRecord(number);
            EXPECT_EQ(std::uint8_t(record[0]), expected) << "type code " << c.typeCode << " polarity " << polarity;
            EXPECT_EQ(record.mid(1), hex("76 54 32 12")) << c.typeCode;
            EXPECT_EQ(HostUnit::pagerTypeLetter(c.typeCode, polarity == 1), std::uint8_t(expected));
        }
    }
    EXPECT_EQ(codes.size(), 12u);
    EXPECT_FALSE(HostUnit::pagerTypeLetter(12, false).has_value());
    EXPECT_FALSE(HostUnit::pagerTypeLetter(-1, true).has_value());
}

TEST(Tables, AreaStopsBelowTheSettings)
{
    HostUnit unit;
    SimLine line(unit);
    // Settings right after the table area, and the work mode, set first.
    ASSERT_TRUE(exchange(line, 0x13, hex("00")));
    ASSERT_TRUE(exchange(line, 0x14, hex("01 02 03 04 05")));
    ASSERT_TRUE(exchange(line, 0x15, hex("01")));
    ASSERT_TRUE(exchange(line, 0x16, hex("02")));
    const auto settings = unit.memory;

    for (int t = 1; t <= MaxTables; ++t)
        ASSERT_EQ(replyData(exchange(line, 0x03, tablePayload(t * 100, 1, 2, 3, t % 100)), 0x03)->size(), 3) << t;
    EXPECT_EQ(unit.tableCount(), 82);
    EXPECT_EQ(unit.memory[8190], 0x00);
    EXPECT_EQ(unit.memory[8191], 82);
    EXPECT_EQ(unit.tableRecord(81).mid(3), hex("20 08 01 02 03 52"));   // table 8200 in cells 2009..2017
    for (int cell = 2018; cell < 8190; ++cell)
        ASSERT_EQ(unit.memory[size_t(cell)], settings[size_t(cell)]) << cell;

    // The 83rd table: memory full, nothing changes.
    const auto full = unit.memory;
    const std::uint32_t nextCode = unit.nextFeatureCode;
    EXPECT_EQ(replyData(exchange(line, 0x03, tablePayload(9000)), 0x03), QByteArray());
    EXPECT_EQ(changedCells(full, unit.memory), (std::map<int, int>{}));
    EXPECT_EQ(unit.nextFeatureCode, nextCode);

    // A table already there is still replaced in place.
    EXPECT_EQ(replyData(exchange(line, 0x03, tablePayload(4000, 9)), 0x03)->size(), 3);
    EXPECT_EQ(unit.findTable(4000), 39);
    EXPECT_EQ(unit.tableRecord(39).mid(3), hex("0F A0 09 FF FF FF"));
    EXPECT_EQ(unit.tableCount(), 82);

    // After a delete there is room for one more, appended at the end.
    EXPECT_EQ(replyData(exchange(line, 0x07, hex("00 64")), 0x07), QByteArray());   // table 100, record 0
    EXPECT_EQ(unit.tableCount(), 81);
    EXPECT_EQ(unit.tableRecord(0).mid(3, 2), hex("00 C8"));                      // table 200 moved up
    EXPECT_EQ(unit.tableRecord(81), hex("FF FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(replyData(exchange(line, 0x03, tablePayload(9000)), 0x03)->size(), 3);
    EXPECT_EQ(unit.findTable(9000), 81);
    for (int cell = 2018; cell < 8190; ++cell)
        ASSERT_EQ(unit.memory[size_t(cell)], settings[size_t(cell)]) << cell;
}

TEST(Tables, CountsThatMeanNoTables)
{
    struct Case { const char* count; int tables; int recordForNew; const char* countAfter; };
    const Case cases[] = {
        {"FF FF", 0, 0, "00 01"},    // erased
        {"00 00", 0, 0, "00 01"},
        {"02 01", 0, 0, "00 01"},    // 513: more than the unit can hold means none
        {"02 00", 512, -1, "02 00"}, // 512 is a valid count, but beyond what this unit keeps
        {"00 52", 82, -1, "00 52"},
        {"00 51", 81, 81, "00 52"},
    };
    for (const auto& c : cases) {
        HostUnit unit;
        unit.memory[8190] = std::uint8_t(hex(c.count)[0]);
        unit.memory[8191] = std::uint8_t(hex(c.count)[1]);
        EXPECT_EQ(unit.tableCount(), c.tables) << c.count;
        SimLine line(unit);
        const auto data = replyData(exchange(line, 0x03, tablePayload(77)), 0x03);
        ASSERT_TRUE(data) << c.count;
        EXPECT_EQ(data->size(), c.recordForNew < 0 ? 0 : 3) << c.count;
        EXPECT_EQ(unit.findTable(77), c.recordForNew) << c.count;
        EXPECT_EQ(unit.image().mid(8190, 2), hex(c.countAfter)) << c.count;
    }
}

TEST(Tables, RecordsBeyondTheUnitsAreaAreNeitherFoundNorDeleted)
{
    HostUnit unit;
    unit.memory[8190] = 0x00;
    unit.memory[8191] = 100;
    // Record 90 (cells 2090..2098) names table 5.
    unit.memory[1280 + 9 * 90 + 3] = 0x00;
    unit.memory[1280 + 9 * 90 + 4] = 0x05;
    const auto before = unit.memory;
    SimLine line(unit);
    EXPECT_EQ(unit.findTable(5), -1);
    EXPECT_EQ(replyData(exchange(line, 0x07, hex("00 05")), 0x07), hex("02"));
    EXPECT_EQ(changedCells(before, unit.memory), (std::map<int, int>{}));
}
