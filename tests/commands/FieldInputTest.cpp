#include "commands/FieldInput.h"

#include <gtest/gtest.h>

using namespace cs;

TEST(FieldInput, WholeNumbers)
{
    const std::pair<const char*, std::optional<std::uint64_t>> cases[] = {
        {"0", 0},
        {"7", 7},
        {"00", 0},
        {"007", 7},
        {" 12 ", 12},
        {"\t254", 254},
        {"65535", 65535},
        {"99999999999999999999999999", SaturatedValue},     // saturates instead of wrapping
        {"4294967296", SaturatedValue},
        {"4294967295", 4294967295u},
        {"18446744073709551617", SaturatedValue},           // 2^64 + 1 would wrap to 1
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+1", std::nullopt},
        {"-1", std::nullopt},
        {"1.0", std::nullopt},
        {"1.", std::nullopt},
        {"1e2", std::nullopt},
        {"&H10", std::nullopt},
        {"0x10", std::nullopt},
        {"1,000", std::nullopt},
        {"1 000", std::nullopt},
        {"１２", std::nullopt},    // full-width digits are not plain digits
        {"12a", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(wholeNumber(QString::fromUtf8(text)), value) << '"' << text << '"';
}

TEST(FieldInput, BlankMeansEmpty)
{
    EXPECT_TRUE(isBlank(""));
    EXPECT_TRUE(isBlank("  \t"));
    EXPECT_FALSE(isBlank(" 0 "));
    EXPECT_FALSE(isBlank("x"));
}

TEST(FieldInput, AddressDigitsRightAligned)
{
    const std::pair<const char*, std::optional<QByteArray>> cases[] = {
        {"1234567", QByteArray::fromHex("01020304050607")},
        {"12", QByteArray::fromHex("00000000000102")},
        {"0", QByteArray::fromHex("00000000000000")},
        {" 9 ", QByteArray::fromHex("00000000000009")},
        {"0000012", QByteArray::fromHex("00000000000102")},
        {"9999999", QByteArray::fromHex("09090909090909")},
        {"00001234", std::nullopt},   // eight characters
        {"12345678", std::nullopt},
        {"", std::nullopt},
        {"12a", std::nullopt},
    };
    for (const auto& [text, digits] : cases)
        EXPECT_EQ(addressDigits(QString::fromUtf8(text)), digits) << text;
}

TEST(FieldInput, PagerTypeCodeForEveryModelAndRate)
{
    // Rows: 数字标准, 数字新型, 中文字符, 英文; columns: 512, 1200, 2400.
    const int expected[4][3] = {{5, 2, 10}, {4, 1, 9}, {3, 0, 8}, {7, 6, 11}};
    for (int model = 0; model < 4; ++model)
        for (int rate = 0; rate < 3; ++rate)
            EXPECT_EQ(pagerTypeCode(model, rate), expected[model][rate]) << model << ' ' << rate;
    EXPECT_EQ(pagerTypeCode(-1, 1), -1);
    EXPECT_EQ(pagerTypeCode(1, -1), -1);
    EXPECT_EQ(pagerTypeCode(4, 0), -1);
    EXPECT_EQ(pagerTypeCode(0, 3), -1);
}

TEST(FieldInput, TransmitterFrequency)
{
    using C = FrequencyCheck;
    const struct {
        const char* text;
        C check;
        std::uint32_t units;
    } cases[] = {
        {"430.225", C::Ok, 4302250},
        {"100", C::Ok, 1000000},
        {"100.0", C::Ok, 1000000},
        {"500", C::Ok, 5000000},
        {"500.000", C::Ok, 5000000},
        {"430.2125", C::Ok, 4302125},
        {" 430.2125 ", C::Ok, 4302125},
        {"0430.2125", C::Ok, 4302125},
        {"433.9250", C::Ok, 4339250},
        {"100.0125", C::Ok, 1000125},
        {"430.21250004", C::Ok, 4302125},       // rounds onto the raster
        {"499.999999", C::Ok, 5000000},         // in range as typed, rounds to 500
        {"433.92", C::OffRaster, 0},
        {"430.2126", C::OffRaster, 0},
        {"430.21255", C::OffRaster, 0},
        {"430.01", C::OffRaster, 0},
        {"99.9", C::OutOfRange, 0},
        {"99.9999999", C::OutOfRange, 0},
        {"500.0125", C::OutOfRange, 0},
        {"500.0000001", C::OutOfRange, 0},
        {"0", C::OutOfRange, 0},
        {"100000000000000000000000", C::OutOfRange, 0},
        {"", C::NotNumeric, 0},
        {"430,225", C::NotNumeric, 0},
        {"430.", C::NotNumeric, 0},
        {".5", C::NotNumeric, 0},
        {"-430", C::NotNumeric, 0},
        {"+430", C::NotNumeric, 0},
        {"4.3e2", C::NotNumeric, 0},
        {"430.2.1", C::NotNumeric, 0},
        {"abc", C::NotNumeric, 0},
    };
    for (const auto& c : cases) {
        const TransmitterFrequency f = transmitterFrequency(QString::fromUtf8(c.text));
        EXPECT_EQ(int(f.check), int(c.check)) << c.text;
        if (c.check == C::Ok) {
            EXPECT_EQ(f.units, c.units) << c.text;
        }
    }
}
