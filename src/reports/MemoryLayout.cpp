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

const std::array<const char*, VoicePromptCount> VoicePromptItems{
    "取消", "服务", "需要服务", "点菜", "加水", "酒水", "茶水", "买单",
    "饮料", "呼叫", "紧急", "找您", "Service", "Drink", "Bill", "Callsfor",
};

const std::array<const char*, CallOriginatorCount> CallOriginatorItems{
    "号", "桌", "餐桌", "厅", "餐厅", "房", "包房", "床", "Table",
};

const std::array<const char*, HandheldPromptCount> HandheldPromptItems{"厨房", "总台", "服务台"};

namespace {

// Model and work mode names, as the reports show them.
struct LayoutText {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

} // namespace

QString modelText(PagerModel m)
{
    switch (m) {
    case PagerModel::DigitalStandard: return LayoutText::tr("数字标准");
    case PagerModel::DigitalNew: return LayoutText::tr("数字新型");
    case PagerModel::Chinese: return LayoutText::tr("中文字符");
    case PagerModel::English: return LayoutText::tr("英文");
    }
    return {};
}

QString rateText(PagerRate r)
{
    switch (r) {
    case PagerRate::R512: return QStringLiteral("512");
    case PagerRate::R1200: return QStringLiteral("1200");
    case PagerRate::R2400: return QStringLiteral("2400");
    }
    return {};
}

QString workModeText(WorkMode m)
{
    switch (m) {
    case WorkMode::SingleKey1: return LayoutText::tr("单键模式1");
    case WorkMode::MultiKey: return LayoutText::tr("多键模式");
    case WorkMode::SingleKey0: return LayoutText::tr("单键模式0");
    }
    return {};
}

std::optional<PagerType> pagerTypeOfCapital(std::uint8_t capital)
{
    for (const auto& letter : PagerTypeLetters)
        if (std::uint8_t(letter.capital) == capital)
            return letter.type;
    return std::nullopt;
}

QString getvoicevalue(int code)
{
    if (code < 0 || code >= VoicePromptCount)
        return {};
    return QStringLiteral("“") + QString::fromUtf8(VoicePromptItems[size_t(code)]) + QStringLiteral("”");
}

double receiverFrequencyMHz(int index)
{
    return 314.2 + 0.2 * index;
}

namespace {

// Codes below `count` carry a text; code `count` is set without a text; above is not set.
CodeSetting decodeSetting(std::uint8_t code, const char* const* texts, int count)
{
    CodeSetting s;
    s.code = code;
    s.set = code <= count;
    if (code < count)
        s.text = QString::fromUtf8(texts[code]);
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
    return decodeSetting(at(CallOriginatorCell), CallOriginatorItems.data(), CallOriginatorCount);
}

CodeSetting HostMemory::keyPrompt(int key) const
{
    const std::uint8_t code = at(KeyPromptCell + key - 1);
    CodeSetting s;
    s.code = code;
    s.set = code < VoicePromptCount;
    s.text = getvoicevalue(code);
    return s;
}

CodeSetting HostMemory::handheldByTable() const
{
    return decodeSetting(at(HandheldByTableCell), HandheldPromptItems.data(), HandheldPromptCount);
}

CodeSetting HostMemory::handheldByPager() const
{
    return decodeSetting(at(HandheldByPagerCell), HandheldPromptItems.data(), HandheldPromptCount);
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
    return transmitterFrequencySet() ? transmitterFrequencyUnits() / 10000.0 : DefaultTransmitterFrequencyMHz;
}

int ReceiverMemory::frequencyIndex() const
{
    return c_[ReceiverFrequencyIndexCell];
}

std::optional<double> ReceiverMemory::listedFrequencyMHz() const
{
    const int v = frequencyIndex();
    if (v < ReceiverFrequencyCount)
        return receiverFrequencyMHz(v);
    return std::nullopt;
}

double ReceiverMemory::frequencyMHz() const
{
    return listedFrequencyMHz().value_or(DefaultReceiverFrequencyMHz);
}

} // namespace cs
