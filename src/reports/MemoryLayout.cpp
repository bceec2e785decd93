#include "reports/MemoryLayout.h"

#include <QCoreApplication>

namespace cs {

using namespace layout;

const std::array<PagerTypeLetter, 12> PagerTypeLetters{{
    {'B', {PagerModel::DigitalNew, PagerRate::R512}},
    {'C', {PagerModel::Chinese, PagerRate::R2400}},
    {'D', {PagerModel::DigitalNew, PagerRate::R2400}},
    {'E', {PagerModel::English, PagerRate::R1200}},
    {'F', {PagerModel::English, PagerRate::R512}},
    {'H', {PagerModel::Chinese, PagerRate::R512}},
    {'I', {PagerModel::DigitalStandard, PagerRate::R2400}},
    {'J', {PagerModel::English, PagerRate::R2400}},
    {'K', {PagerModel::Chinese, PagerRate::R1200}},
    {'M', {PagerModel::DigitalStandard, PagerRate::R512}},
    {'Q', {PagerModel::DigitalNew, PagerRate::R1200}},
    {'U', {PagerModel::DigitalStandard, PagerRate::R1200}},
}};

std::optional<PagerType> pagerTypeOfCapital(std::uint8_t capital)
{
    for (const auto& letter : PagerTypeLetters)
        if (std::uint8_t(letter.capital) == capital)
            return letter.type;
    return std::nullopt;
}

QString getvoicevalue(int code)
{
    if (code < 0 || code >= keyPrompts().size())
        return {};
    return QStringLiteral("“") + keyPrompts().text(code) + QStringLiteral("”");
}

namespace {

// Codes below `count` carry a word; code `count` is set without one; above is not set.
CodeSetting decodeSetting(std::uint8_t code, int count)
{
    CodeSetting s;
    s.code = code;
    s.count = count;
    s.set = code <= count;
    return s;
}

std::optional<std::uint8_t> slot(std::uint8_t v)
{
    if (v == NotSet)
        return std::nullopt;
    return v;
}

} // namespace

std::optional<PagerRecord> HostMemory::pager(int n) const
{
    if (n < 1 || n > PagerCount)
        return std::nullopt;
    const int base = PagerTableStart + PagerRecordSize * (n - 1);
    const std::uint8_t letter = at(base);
    if (letter == 0x00 || letter == 0xFF)
        return std::nullopt;
    PagerRecord r;
    r.typeLetter = letter;
    r.polarity = letter > 0x60 ? Polarity::Positive : Polarity::Negative;
    r.type = pagerTypeOfCapital(letter > 0x60 ? std::uint8_t(letter - 0x20) : letter);
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = at(base + 1 + i);
        r.addressDigits[size_t(2 * i)] = b >> 4;
        if (i < 3)
            r.addressDigits[size_t(2 * i + 1)] = b & 0x0F;
    }
    const int tone = at(base + 4) & 0x0F;
    if (tone <= 3)
        r.tone = tone;
    return r;
}

TableCount HostMemory::tableCount() const
{
    return TableCount{at(TableCountCell) * 256 + at(TableCountCell + 1)};
}

TableRecord HostMemory::table(int k) const
{
    const int base = TableTableStart + TableRecordSize * k;
    TableRecord r;
    for (int i = 0; i < 3; ++i)
        r.featureCode[size_t(i)] = at(base + i);
    r.tableNumber = at(base + 3) * 256 + at(base + 4);
    for (int i = 0; i < 3; ++i)
        r.pagers[size_t(i)] = slot(at(base + 5 + i));
    r.keyValue = slot(at(base + 8));
    return r;
}

std::optional<NumberPronunciation> HostMemory::numberPronunciation() const
{
    switch (at(NumberPronunciationCell)) {
    case 0: return NumberPronunciation::Chinese;
    case 1: return NumberPronunciation::English;
    default: return std::nullopt;
    }
}

CodeSetting HostMemory::callOriginator() const
{
    return decodeSetting(at(CallOriginatorCell), callOriginators().size());
}

CodeSetting HostMemory::keyPrompt(int key) const
{
    // Every code that is set has its prompt.
    CodeSetting s = decodeSetting(at(KeyPromptCell + key - 1), keyPrompts().size());
    s.set = s.code < keyPrompts().size();
    return s;
}

CodeSetting HostMemory::handheldByTable() const
{
    return decodeSetting(at(HandheldByTableCell), handheldPlaces().size());
}

CodeSetting HostMemory::handheldByPager() const
{
    return decodeSetting(at(HandheldByPagerCell), handheldPlaces().size());
}

InfoUnitType HostMemory::infoUnitType() const
{
    return at(InfoUnitTypeCell) == 0 ? InfoUnitType::Voice : InfoUnitType::Digital;
}

WorkMode HostMemory::workMode() const
{
    switch (at(WorkModeCell)) {
    case 0: return WorkMode::SingleKey1;
    case 1: return WorkMode::MultiKey;
    default: return WorkMode::SingleKey0;
    }
}

bool HostMemory::transmitterFrequencySet() const
{
    return at(TransmitterFlagCell) == 1;
}

int HostMemory::transmitterFrequencyUnits() const
{
    return at(TransmitterFrequencyCell) * 65536 + at(TransmitterFrequencyCell + 1) * 256
        + at(TransmitterFrequencyCell + 2);
}

double HostMemory::transmitterFrequencyMHz() const
{
    return transmitterFrequencySet() ? transmitterFrequencyUnits() / 10000.0
                                     : DefaultTransmitterFrequencyMHz;
}

} // namespace cs
