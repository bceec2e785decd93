#include "commands/FieldInput.h"

#include <algorithm>

namespace cs {

namespace {

bool allDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Value of a digit string, saturating at SaturatedValue.
std::uint64_t digitValue(const QString& digits)
{
    std::uint64_t v = 0;
    for (QChar c : digits) {
        v = v * 10 + std::uint64_t(c.unicode() - u'0');
        if (v >= SaturatedValue)
            return SaturatedValue;
    }
    return v;
}

} // namespace

std::optional<std::uint64_t> wholeNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (!allDigits(t))
        return std::nullopt;
    return digitValue(t);
}

std::optional<QByteArray> addressDigits(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() > 7 || !allDigits(t))
        return std::nullopt;
    QByteArray out(7, '\0');
    for (qsizetype i = 0; i < t.size(); ++i)
        out[7 - t.size() + i] = char(t[i].unicode() - u'0');
    return out;
}

int pagerTypeCode(int model, int rate)
{
    if (model < 0 || model > 3 || rate < 0 || rate > 2)
        return -1;
    const int value = model * 16 + rate;
    for (int code = 0; code < int(PagerTypeTable.size()); ++code)
        if (PagerTypeTable[size_t(code)] == value)
            return code;
    return -1;
}

TransmitterFrequency transmitterFrequency(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype dot = t.indexOf(u'.');
    const QString whole = dot < 0 ? t : t.left(dot);
    const QString fraction = dot < 0 ? QString() : t.mid(dot + 1);
    if (!allDigits(whole) || (dot >= 0 && !allDigits(fraction)))
        return {FrequencyCheck::NotNumeric, 0};

    // Range on the exact value: 100 <= whole.fraction <= 500.
    const std::uint64_t megahertz = digitValue(whole);
    const bool fractionZero = std::all_of(fraction.begin(), fraction.end(),
                                          [](QChar c) { return c == u'0'; });
    if (megahertz < 100 || megahertz > 500 || (megahertz == 500 && !fractionZero))
        return {FrequencyCheck::OutOfRange, 0};

    // The value in units of 10^-k MHz, rounded half up at `places` fraction digits.
    const auto scaled = [&](int places) {
        std::uint64_t v = megahertz;
        for (int i = 0; i < places; ++i)
            v = v * 10 + (i < fraction.size() ? std::uint64_t(fraction[i].unicode() - u'0') : 0);
        if (places < fraction.size() && fraction[places] >= u'5')
            ++v;
        return v;
    };
    if (scaled(5) % 1250 != 0) // 10 Hz units, 12.5 kHz raster
        return {FrequencyCheck::OffRaster, 0};
    return {FrequencyCheck::Ok, std::uint32_t(scaled(4))}; // 100 Hz units
}

} // namespace cs
