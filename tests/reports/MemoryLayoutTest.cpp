#include "Images.h"
#include "reports/MemoryLayout.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::erasedImage;
using cs::test::put;
using cs::test::putPager;
using cs::test::putTable;
using cs::test::putTableCount;

TEST(PagerRecord, AbsentForZeroAndFFWhateverTheOtherBytes)
{
    for (int marker : {0x00, 0xFF}) {
        Buffer image = erasedImage();
        putPager(image, 7, {marker, 0x12, 0x34, 0x56, 0x71});
        EXPECT_FALSE(HostMemory(image).pager(7).has_value()) << marker;
    }
}

TEST(PagerRecord, TypeLettersGiveModelRateAndPolarity)
{
    struct Case { char capital; PagerModel model; PagerRate rate; };
    const Case cases[] = {
        {'B', PagerModel::DigitalNew, PagerRate::R512},    {'C', PagerModel::Chinese, PagerRate::R2400},
        {'D', PagerModel::DigitalNew, PagerRate::R2400},   {'E', PagerModel::English, PagerRate::R1200},
        {'F', PagerModel::English, PagerRate::R512},       {'H', PagerModel::Chinese, PagerRate::R512},
        {'I', PagerModel::DigitalStandard, PagerRate::R2400}, {'J', PagerModel::English, PagerRate::R2400},
        {'K', PagerModel::Chinese, PagerRate::R1200},      {'M', PagerModel::DigitalStandard, PagerRate::R512},
        {'Q', PagerModel::DigitalNew, PagerRate::R1200},   {'U', PagerModel::DigitalStandard, PagerRate::R1200},
    };
    for (const Case& c : cases) {
        for (bool lower : {false, true}) {
            Buffer image = erasedImage();
            putPager(image, 1, {lower ? c.capital + 0x20 : c.capital, 0, 0, 0, 0});
            const auto p = HostMemory(image).pager(1);
            ASSERT_TRUE(p.has_value()) << c.capital;
            EXPECT_EQ(p->polarity, lower ? Polarity::Positive : Polarity::Negative) << c.capital;
            ASSERT_TRUE(p->type.has_value()) << c.capital;
            EXPECT_EQ(p->type->model, c.model) << c.capital;
            EXPECT_EQ(p->type->rate, c.rate) << c.capital;
        }
    }
}

TEST(PagerRecord, UnknownLetterIsPresentWithPolarityOnly)
{
    struct Case { int letter; Polarity polarity; };
    const Case cases[] = {{'G', Polarity::Negative}, {'g', Polarity::Positive}, {0x60, Polarity::Negative},
                          {0x61, Polarity::Positive}, {0x01, Polarity::Negative}};
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        putPager(image, 3, {c.letter, 0x12, 0x34, 0x56, 0x71});
        const auto p = HostMemory(image).pager(3);
        ASSERT_TRUE(p.has_value()) << c.letter;
        EXPECT_EQ(p->polarity, c.polarity) << c.letter;
        EXPECT_FALSE(p->type.has_value()) << c.letter;
        EXPECT_EQ(p->typeLetter, c.letter);
    }
}

TEST(PagerRecord, AddressDigitsAndTone)
{
    struct Case { std::initializer_list<int> bytes; std::array<std::uint8_t, 7> digits; std::optional<int> tone; };
    const Case cases[] = {
        {{0x12, 0x34, 0x56, 0x71}, {1, 2, 3, 4, 5, 6, 7}, 1},
        {{0x12, 0x34, 0x56, 0x73}, {1, 2, 3, 4, 5, 6, 7}, 3},
        {{0x12, 0x34, 0x56, 0x70}, {1, 2, 3, 4, 5, 6, 7}, 0},
        {{0x12, 0x34, 0x56, 0x74}, {1, 2, 3, 4, 5, 6, 7}, std::nullopt},
        {{0x12, 0x34, 0x56, 0x75}, {1, 2, 3, 4, 5, 6, 7}, std::nullopt},
        {{0xAB, 0xCD, 0xEF, 0x9F}, {10, 11, 12, 13, 14, 15, 9}, std::nullopt},
        {{0x00, 0x00, 0x00, 0xF2}, {0, 0, 0, 0, 0, 0, 15}, 2},
    };
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        put(image, 0, {'b'});
        put(image, 1, c.bytes);
        const auto p = HostMemory(image).pager(1);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->addressDigits, c.digits);
        EXPECT_EQ(p->tone, c.tone);
    }
}

TEST(PagerRecord, Pager255UsesCells1270To1274AndNothingFollows)
{
    Buffer image = erasedImage();
    put(image, 1270, {'u', 0x98, 0x76, 0x54, 0x32});
    put(image, 1275, {'b', 0x11, 0x11, 0x11, 0x11});   // belongs to no record
    const HostMemory host(image);
    const auto p = host.pager(255);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->addressDigits, (std::array<std::uint8_t, 7>{9, 8, 7, 6, 5, 4, 3}));
    EXPECT_EQ(p->tone, 2);
    EXPECT_FALSE(host.pager(254).has_value());
    EXPECT_FALSE(host.pager(256).has_value());
    EXPECT_FALSE(host.pager(0).has_value());
    put(image, 0, {'M'});
    EXPECT_TRUE(HostMemory(image).pager(1).has_value());
}

TEST(TableCountCells, OnlyOneTo512IsValid)
{
    struct Case { int hi, lo; int raw; bool valid; int count; };
    const Case cases[] = {
        {0x00, 0x00, 0, false, 0},        {0x00, 0x01, 1, true, 1},        {0x01, 0x00, 256, true, 256},
        {0x02, 0x00, 512, true, 512},     {0x02, 0x01, 513, false, 0},     {0xFF, 0xFF, 65535, false, 0},
    };
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        put(image, 8190, {c.hi, c.lo});
        const TableCount t = HostMemory(image).tableCount();
        EXPECT_EQ(t.raw, c.raw);
        EXPECT_EQ(t.valid(), c.valid) << c.raw;
        EXPECT_EQ(t.count(), c.count) << c.raw;
    }
}

TEST(TableRecordCells, RecordsArePackedFrom1280)
{
    Buffer image = erasedImage();
    put(image, 1280, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255});
    put(image, 1289, {0x01, 0x02, 0x03, 0xFF, 0xFF, 255, 255, 255, 255});
    put(image, 1298, {0x00, 0x00, 0x00, 0x01, 0x00, 0, 254, 0, 0});
    const HostMemory host(image);

    const TableRecord a = host.table(0);
    EXPECT_EQ(a.featureCode, (std::array<std::uint8_t, 3>{0x0A, 0x1B, 0xFF}));
    EXPECT_EQ(a.tableNumber, 5);
    EXPECT_EQ(a.pagers[0], std::optional<std::uint8_t>(1));
    EXPECT_FALSE(a.pagers[1].has_value());
    EXPECT_EQ(a.pagers[2], std::optional<std::uint8_t>(12));
    EXPECT_FALSE(a.keyValue.has_value());

    const TableRecord b = host.table(1);
    EXPECT_EQ(b.featureCode, (std::array<std::uint8_t, 3>{1, 2, 3}));
    EXPECT_EQ(b.tableNumber, 65535);
    for (const auto& slot : b.pagers)
        EXPECT_FALSE(slot.has_value());
    EXPECT_FALSE(b.keyValue.has_value());

    const TableRecord c = host.table(2);
    EXPECT_EQ(c.tableNumber, 256);
    EXPECT_EQ(c.pagers[0], std::optional<std::uint8_t>(0));   // 0 is a number, not none
    EXPECT_EQ(c.pagers[1], std::optional<std::uint8_t>(254));
    EXPECT_EQ(c.pagers[2], std::optional<std::uint8_t>(0));
    EXPECT_EQ(c.keyValue, std::optional<std::uint8_t>(0));
}

TEST(TableRecordCells, RecordsFrom82OnOverlapTheSettings)
{
    Buffer image = erasedImage();
    // Record 82 spans cells 2018..2026; its last four bytes are settings cells.
    put(image, 2018, {0x11, 0x22, 0x33, 0x00, 0x63, 0x07});
    put(image, 2024, {1, 8, 3});
    const HostMemory host(image);
    const TableRecord r = host.table(82);
    EXPECT_EQ(r.featureCode, (std::array<std::uint8_t, 3>{0x11, 0x22, 0x33}));
    EXPECT_EQ(r.tableNumber, 99);
    EXPECT_EQ(r.pagers[0], std::optional<std::uint8_t>(7));
    EXPECT_EQ(r.pagers[1], std::optional<std::uint8_t>(1));   // cell 2024: pronunciation
    EXPECT_EQ(r.pagers[2], std::optional<std::uint8_t>(8));   // cell 2025: originator
    EXPECT_EQ(r.keyValue, std::optional<std::uint8_t>(3));    // cell 2026: key 1 prompt
    EXPECT_EQ(host.numberPronunciation(), NumberPronunciation::English);
    EXPECT_EQ(host.callOriginator().text, QString("Table"));
    EXPECT_EQ(host.keyPrompt(1).text, QString("“点菜”"));
    // Record 511, the last one a valid count allows, ends at cell 5887.
    put(image, 5879, {0, 0, 0, 0x01, 0xF4, 1, 2, 3, 4});
    EXPECT_EQ(HostMemory(image).table(511).tableNumber, 500);
    EXPECT_EQ(HostMemory(image).table(511).keyValue, std::optional<std::uint8_t>(4));
}

TEST(Settings, NumberPronunciationAndInfoUnitAndWorkMode)
{
    struct Case { int value; std::optional<NumberPronunciation> pronunciation; InfoUnitType info; WorkMode mode; };
    const Case cases[] = {
        {0, NumberPronunciation::Chinese, InfoUnitType::Voice, WorkMode::SingleKey1},
        {1, NumberPronunciation::English, InfoUnitType::Digital, WorkMode::MultiKey},
        {2, std::nullopt, InfoUnitType::Digital, WorkMode::SingleKey0},
        {0xFF, std::nullopt, InfoUnitType::Digital, WorkMode::SingleKey0},
    };
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        put(image, 2024, {c.value});
        put(image, 2046, {c.value});
        put(image, 8166, {c.value});
        const HostMemory host(image);
        EXPECT_EQ(host.numberPronunciation(), c.pronunciation) << c.value;
        EXPECT_EQ(host.infoUnitType(), c.info) << c.value;
        EXPECT_EQ(host.workMode(), c.mode) << c.value;
    }
}

TEST(Settings, CodeCellsAgainstTheirTables)
{
    struct Case { int cell; int code; bool set; const char* text; };
    const Case cases[] = {
        {2025, 0, true, "号"},   {2025, 7, true, "床"},  {2025, 8, true, "Table"}, {2025, 9, true, ""},
        {2025, 10, false, ""},   {2025, 0xFF, false, ""},
        {2026, 0, true, "“取消”"}, {2027, 12, true, "“Service”"}, {2028, 15, true, "“Callsfor”"},
        {2028, 16, false, ""},   {2026, 0xFF, false, ""},
        {2029, 0, true, "厨房"}, {2029, 2, true, "服务台"}, {2029, 3, true, ""}, {2029, 4, false, ""},
        {2030, 1, true, "总台"}, {2030, 0xFF, false, ""},
    };
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        put(image, c.cell, {c.code});
        const HostMemory host(image);
        CodeSetting s;
        switch (c.cell) {
        case 2025: s = host.callOriginator(); break;
        case 2026: s = host.keyPrompt(1); break;
        case 2027: s = host.keyPrompt(2); break;
        case 2028: s = host.keyPrompt(3); break;
        case 2029: s = host.handheldByTable(); break;
        default: s = host.handheldByPager(); break;
        }
        EXPECT_EQ(s.code, c.code) << c.cell;
        EXPECT_EQ(s.set, c.set) << c.cell << " " << c.code;
        EXPECT_EQ(s.text, QString::fromUtf8(c.text)) << c.cell << " " << c.code;
    }
}

TEST(Settings, TransmitterFrequencyFlagAndCells)
{
    struct Case { int flag; std::initializer_list<int> cells; bool set; double mhz; };
    const Case cases[] = {
        {0, {0x12, 0x34, 0x56}, false, 430.225},
        {0xFF, {0xFF, 0xFF, 0xFF}, false, 430.225},
        {2, {0x41, 0xA5, 0xB4}, false, 430.225},
        {1, {0x41, 0xA5, 0xAA}, true, 430.225},
        {1, {0x41, 0xA5, 0xB4}, true, 430.226},
        {1, {0x41, 0x9C, 0xE0}, true, 430.0},
        {1, {0xFF, 0xFF, 0xFF}, true, 1677.7215},
    };
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        put(image, 8185, c.cells);
        put(image, 8188, {c.flag});
        const HostMemory host(image);
        EXPECT_EQ(host.transmitterFrequencySet(), c.set);
        EXPECT_DOUBLE_EQ(host.transmitterFrequencyMHz(), c.mhz);
    }
    Buffer image = erasedImage();
    put(image, 8185, {0x41, 0xA5, 0xAA});
    EXPECT_EQ(HostMemory(image).transmitterFrequencyUnits(), 4302250);
}

TEST(Settings, ReceiverFrequencyIndex)
{
    struct Case { int index; std::optional<double> listed; double mhz; };
    const Case cases[] = {
        {0, 314.2, 314.2}, {3, 314.8, 314.8}, {7, 315.6, 315.6}, {8, std::nullopt, 315.6}, {0xFF, std::nullopt, 315.6},
    };
    for (const Case& c : cases) {
        Buffer image = erasedImage();
        put(image, 250, {c.index});
        const ReceiverMemory receiver(image);
        EXPECT_EQ(receiver.frequencyIndex(), c.index);
        ASSERT_EQ(receiver.listedFrequencyMHz().has_value(), c.listed.has_value()) << c.index;
        if (c.listed) {
            EXPECT_NEAR(*receiver.listedFrequencyMHz(), *c.listed, 1e-9);
        }
        EXPECT_NEAR(receiver.frequencyMHz(), c.mhz, 1e-9);
    }
}

TEST(CodeTables, GetVoiceValue)
{
    const char* expected[] = {"“取消”", "“服务”", "“需要服务”", "“点菜”", "“加水”", "“酒水”", "“茶水”", "“买单”",
                              "“饮料”", "“呼叫”", "“紧急”", "“找您”", "“Service”", "“Drink”", "“Bill”", "“Callsfor”"};
    for (int code = 0; code < 16; ++code)
        EXPECT_EQ(getvoicevalue(code), QString::fromUtf8(expected[code])) << code;
    for (int code : {-1, 16, 255})
        EXPECT_TRUE(getvoicevalue(code).isEmpty()) << code;
}

TEST(CodeTables, ListTexts)
{
    EXPECT_EQ(modelText(PagerModel::DigitalStandard), QString("数字标准"));
    EXPECT_EQ(modelText(PagerModel::DigitalNew), QString("数字新型"));
    EXPECT_EQ(modelText(PagerModel::Chinese), QString("中文字符"));
    EXPECT_EQ(modelText(PagerModel::English), QString("英文"));
    EXPECT_EQ(rateText(PagerRate::R512), QString("512"));
    EXPECT_EQ(rateText(PagerRate::R1200), QString("1200"));
    EXPECT_EQ(rateText(PagerRate::R2400), QString("2400"));
    EXPECT_FALSE(pagerTypeOfCapital('A').has_value());
    EXPECT_FALSE(pagerTypeOfCapital('b').has_value());   // capitals only
}
