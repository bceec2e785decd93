#pragma once
// How the commands read their fields. Every field accepts any characters; these
// readers are the only validation.
//
// Whole numbers (pager, table, key value, receiver and hurry button numbers):
// after trimming blanks, a plain string of ASCII decimal digits, leading zeros
// allowed. Signs, decimal points, exponents, hex and separators are not numbers.
// Arbitrarily long digit strings do not overflow: the value saturates, so a huge
// number is simply out of range.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace cs {

// Largest value wholeNumber reports; anything above reads as this.
constexpr std::uint64_t SaturatedValue = 0xFFFFFFFFull + 1;

// The value of a whole-number field, or nothing when the text is not numeric
// (an empty or blank text is not numeric). An optional field is empty only
// when it has no characters at all: blanks are a value, and not a number.
std::optional<std::uint64_t> wholeNumber(const QString& text);

// The address code digits, one value 0..9 per byte, right-aligned in seven
// bytes with zeros in front. The text must already have passed the numeric
// check; nothing when its trimmed text has more than seven characters (only
// possible with leading zeros).
std::optional<QByteArray> addressDigits(const QString& text);

// Pager type table: position = type code, value = model * 16 + rate.
constexpr std::array<std::uint8_t, 12> PagerTypeTable = {
    0x21, 0x11, 0x01, 0x20, 0x10, 0x00, 0x31, 0x30, 0x22, 0x12, 0x02, 0x32,
};
// Type code 0..11 of a model (0..3) and rate (0..2) list position; -1 when the
// pair is not in the table (no item selected, or a position beyond the list).
int pagerTypeCode(int model, int rate);

// The transmitter frequency as typed in MHz: after trimming, digits with an
// optional fraction ("430", "430.2125"). Checked in this order.
enum class FrequencyCheck { NotNumeric, OutOfRange, OffRaster, Ok };
struct TransmitterFrequency {
    FrequencyCheck check = FrequencyCheck::NotNumeric;
    std::uint32_t units = 0; // N: the frequency in 100 Hz units, when Ok
};
// Range 100..500 MHz inclusive on the exact decimal value; raster: the value in
// 10 Hz units, rounded to the nearest whole number, divisible by 1250 (12.5 kHz).
// Decimal arithmetic throughout, so 430.2125 passes and 433.92 does not.
TransmitterFrequency transmitterFrequency(const QString& text);

} // namespace cs
