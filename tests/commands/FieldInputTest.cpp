#include "commands/FieldInput.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace cs;

TEST(FieldInput, WholeNumbersAndBlanks)
{
    const std::pair<const char*, std::uint64_t> numbers[] = {
        {"0", 0}, {"007", 7}, {" 12 ", 12}, {"\t254", 254}, {"65535", 65535}, {"4294967295", 4294967295u},
        {"4294967296", SaturatedValue}, {"99999999999999999999999999", SaturatedValue},
        {"18446744073709551617", SaturatedValue},   // 2^64 + 1 must not wrap to 1
    };
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(wholeNumber(text), value) << text;
    for (const char* text : {"", "   ", "+1", "-1", "1.0", "1.", "1e2", "&H10", "0x10", "1,000", "1 000", "１２", "12a"})
        EXPECT_EQ(wholeNumber(QString::fromUtf8(text)), std::nullopt) << text;   // full-width digits are not digits
}

TEST(FieldInput, TransmitterFrequency)
{
    using C = FrequencyCheck;
    const auto read = [](const QString& text) { const auto f = transmitterFrequency(text); return std::pair(f.check, f.units); };
    const std::pair<const char*, std::uint32_t> ok[] = {
        {"430.225", 4302250}, {"100", 1000000}, {"100.0", 1000000}, {"500", 5000000}, {"500.000", 5000000},
        {"430.2125", 4302125}, {" 430.2125 ", 4302125}, {"0430.2125", 4302125}, {"433.9250", 4339250},
        {"100.0125", 1000125}, {"430.21250004", 4302125}, {"499.999999", 5000000},   // rounds onto the raster
    };
    for (const auto& [text, units] : ok)
        EXPECT_EQ(read(text), std::pair(C::Ok, units)) << text;
    const std::pair<C, QStringList> refused[] = {
        {C::OffRaster, {"433.92", "430.2126", "430.21255", "430.01"}},
        {C::OutOfRange, {"99.9", "99.9999999", "500.0125", "500.0000001", "0", "100000000000000000000000"}},
        {C::NotNumeric, {"", "430,225", "430.", ".5", "-430", "+430", "4.3e2", "430.2.1", "abc"}},
    };
    for (const auto& [check, texts] : refused)
        for (const QString& text : texts)
            EXPECT_EQ(read(text).first, check) << text.toStdString();
}
