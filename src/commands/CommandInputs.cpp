#include "commands/CommandInputs.h"
#include "commands/FieldInput.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The commands' messages, translated under the context "Commands".
struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

InputProblem refusal(const QString& text, Field field)
{
    return {stopMessage(text), field};
}

// A whole-number field that must hold a value in lo..hi.
std::optional<int> inRange(const QString& text, std::uint64_t lo, std::uint64_t hi)
{
    const auto v = wholeNumber(text);
    if (!v || *v < lo || *v > hi)
        return std::nullopt;
    return int(*v);
}

} // namespace

Checked<PagerInputs> checkPager(const QString& number, const QString& address, int model,
                                int polarity, int rate, int tone)
{
    const auto pager = inRange(number, 1, 254);
    if (!pager)
        return refusal(CommandText::tr("传呼号必须为1-254的数字！"), Field::PagerNumber);
    if (!inRange(address, 0, 9999999))
        return refusal(CommandText::tr("地址码应为7位数字！"), Field::AddressCode);

    // A value the request cannot carry (no list item, an address of too many
    // characters) ends in the command's failure box.
    const int type = pagerTypeCode(model, rate);
    const auto digits = addressDigits(address);
    if (type < 0 || polarity < 0 || polarity > 1 || tone < 0 || tone > 3 || !digits)
        return refusal(CommandText::tr("设置传呼号失败!"), Field::PagerNumber);
    return PagerInputs{*pager, *digits, type, model, polarity, rate, tone};
}

Checked<int> checkDeletedPager(const QString& number)
{
    if (const auto pager = inRange(number, 1, 254))
        return *pager;
    return refusal(CommandText::tr("传呼号必须为1-254的数字！"), Field::DeletedPager);
}

// A table number 1..65535, with the two messages of the command it belongs to.
static Checked<int> tableNumberIn(const QString& table, Field field, const QString& notNumeric,
                                  const QString& outOfRange)
{
    const auto number = wholeNumber(table);
    if (!number)
        return refusal(notNumeric, field);
    if (*number < 1 || *number > 65535)
        return refusal(outOfRange, field);
    return int(*number);
}

Checked<int> checkTableNumber(const QString& table, Field field)
{
    return tableNumberIn(table, field, CommandText::tr("餐桌号只能为数字！"),
                         CommandText::tr("餐桌号必须为1-65535的数字！"));
}

Checked<TableInputs> checkTable(const QString& table, const QString& key, const QString& pager1,
                                const QString& pager2, const QString& pager3)
{
    const Checked<int> number = checkTableNumber(table);
    if (!number)
        return number.problem();
    TableInputs inputs;
    inputs.table = *number;
    // Optional fields: empty is sent as 0xFF (not set).
    const QString* pagerTexts[3] = {&pager1, &pager2, &pager3};
    for (int i = 0; i < 3; ++i) {
        if (pagerTexts[i]->isEmpty())
            continue;
        const auto v = inRange(*pagerTexts[i], 1, 255);
        if (!v)
            return refusal(CommandText::tr("传呼号必须为1-255的数字！"),
                           Field(int(Field::TablePager1) + i));
        inputs.pagers[i] = *v;
    }
    if (!key.isEmpty()) {
        const auto v = inRange(key, 0, 99);
        if (!v)
            return refusal(CommandText::tr("键值只能是00-99的数字！"), Field::OwnKey);
        inputs.key = *v;
    }
    return inputs;
}

Checked<std::pair<int, int>> checkTableRange(const QString& first, const QString& last)
{
    const Checked<int> from = checkTableNumber(first, Field::TableNumber);
    if (!from)
        return from.problem();
    const Checked<int> to = checkTableNumber(last, Field::LastTable);
    if (!to)
        return to.problem();
    if (*to < *from)
        return refusal(
            QCoreApplication::translate("LearningWindow", "最后一个餐桌号不能小于第一个餐桌号！"),
            Field::LastTable);
    return std::pair(*from, *to);
}

Checked<int> checkDeletedTable(const QString& table)
{
    return tableNumberIn(table, Field::DeletedTable, CommandText::tr("餐桌号码只能为数字！"),
                         CommandText::tr("餐桌号码必须为1-65535的数字！"));
}

Checked<int> checkHurryButton(const QString& number, Field field)
{
    if (const auto v = inRange(number, 1, 9))
        return *v;
    return refusal(CommandText::tr("催菜器号码必须为1-9的数字！"), field);
}

Checked<int> checkReceiverNumber(const QString& number)
{
    if (const auto v = inRange(number, 1, 80))
        return *v;
    return refusal(CommandText::tr("接收器号码必须为01-80的数字！"), Field::ReceiverNumber);
}

Checked<ReceiverFrequencyInputs> checkReceiverFrequency(const QString& text, int position,
                                                        const QString& receiver)
{
    // This command moves no focus.
    if (text.isEmpty())
        return refusal(CommandText::tr("请选择接收器的频率！"), Field::None);
    ReceiverFrequencyInputs inputs;
    if (!receiver.isEmpty()) {
        inputs.receiver = inRange(receiver, 1, 80);
        if (!inputs.receiver)
            return refusal(CommandText::tr("接收器号码必须为1-80的数字！"), Field::None);
    }
    // A text that is not one of the eight items selects no position.
    if (position < 0 || position > 7)
        return refusal(CommandText::tr("接收器频率写入失败!"), Field::None);
    inputs.position = position;
    return inputs;
}

Checked<std::uint32_t> checkTransmitterFrequency(const QString& megahertz)
{
    const Field field = Field::TransmitterFrequency;
    const TransmitterFrequency f = transmitterFrequency(megahertz);
    switch (f.check) {
    case FrequencyCheck::NotNumeric:
        return refusal(CommandText::tr("频率值里不能输入非法数值!"), field);
    case FrequencyCheck::OutOfRange:
        return refusal(CommandText::tr("频率值应在100到500之间！"), field);
    case FrequencyCheck::OffRaster:
        return refusal(CommandText::tr("频率值必须为12.5K的倍数！"), field);
    case FrequencyCheck::Ok: break;
    }
    return f.units;
}

Checked<int> checkWorkMode(int position)
{
    if (position < 0 || position > 2)
        return refusal(CommandText::tr("工作模式设置失败！"), Field::None);
    return position;
}

Checked<int> checkInfoUnitType(int position)
{
    if (position < 0 || position > 1)
        return refusal(CommandText::tr("设置信息机类型失败!"), Field::None);
    return position;
}

} // namespace cs
