#include "reports/ImageEdits.h"
#include "commands/CommandInputs.h"
#include "reports/MemoryLayout.h"
#include "reports/ReportKinds.h"

#include <QCoreApplication>

namespace cs {

namespace {

using namespace layout;

// The edits' own messages, translated under the context "Edits".
struct EditText {
    Q_DECLARE_TR_FUNCTIONS(Edits)
};

int pagerBase(int number)
{
    return PagerTableStart + PagerRecordSize * (number - 1);
}

int tableBase(int k)
{
    return TableTableStart + TableRecordSize * k;
}

// The setting kind (not pagers or tables) that shows `cell`; none for other cells.
const ReportKindInfo* settingAt(const HostMemory& host, int cell)
{
    for (const ReportKindInfo& kind : reportKinds())
        if (kind.kind != ReportPagers && kind.kind != ReportTables
            && kind.cells(host).contains(cell))
            return &kind;
    return nullptr;
}

// The cell of each voice setting, in the order of VoiceSetting.
constexpr int VoiceCells[] = {NumberPronunciationCell, CallOriginatorCell, KeyPromptCell,
                              KeyPromptCell + 1,       KeyPromptCell + 2,  HandheldByTableCell,
                              HandheldByPagerCell};

} // namespace

Outcome ImageEdits::noSuchTable()
{
    return Outcome::refused(stopMessage(EditText::tr(
        "备份中没有此餐桌号！餐桌不能离线添加：呼叫器的特征码只能在主机上按呼叫器的服务键得到。")));
}

int ImageEdits::tableIndex(int number) const
{
    const HostMemory host(image_);
    const int count = host.tableCount().count();
    for (int k = 0; k < count; ++k)
        if (host.table(k).tableNumber == number)
            return k;
    return -1;
}

Outcome ImageEdits::commit(const QList<Write>& writes)
{
    const HostMemory host(image_);
    const int tableEnd = tableBase(host.tableCount().count());
    for (const Write& w : writes) {
        if (image_[size_t(w.cell)] == w.value || w.cell < TableTableStart || w.cell >= tableEnd)
            continue;
        if (const ReportKindInfo* setting = settingAt(host, w.cell)) {
            const int k = (w.cell - TableTableStart) / TableRecordSize;
            return Outcome::refused(stopMessage(
                EditText::tr(
                    "餐桌记录%1（餐桌号%2）与“%3”占用同一内存单元%4，修改一方会覆盖另一方，"
                    "不能修改！")
                    .arg(k + 1)
                    .arg(host.table(k).tableNumber)
                    .arg(setting->captionText())
                    .arg(w.cell)));
        }
    }
    for (const Write& w : writes)
        image_[size_t(w.cell)] = w.value;
    return Outcome::success();
}

Outcome ImageEdits::setPager(const QString& number, const QString& address, int model, int polarity,
                             int rate, int tone)
{
    const Checked<PagerInputs> in = checkPager(number, address, model, polarity, rate, tone);
    if (!in)
        return in.problem().outcome();
    const auto& d = in->addressDigits;
    const auto nibbles = [&](int hi, int lo) { return std::uint8_t(d[hi] << 4 | d[lo]); };
    const int base = pagerBase(in->number);
    const PagerType type{PagerModel(in->model), PagerRate(in->rate)};
    return commit({{base, pagerTypeLetter(type, Polarity(in->polarity))},
                   {base + 1, nibbles(0, 1)},
                   {base + 2, nibbles(2, 3)},
                   {base + 3, nibbles(4, 5)},
                   {base + 4, std::uint8_t(d[6] << 4 | in->tone)}});
}

Outcome ImageEdits::deletePager(const QString& number)
{
    const Checked<int> pager = checkDeletedPager(number);
    if (!pager)
        return pager.problem().outcome();
    if (!HostMemory(image_).pager(*pager))
        return Outcome::refused({QCoreApplication::translate("Commands", "无此传呼号！"),
                                 Style::Info, Title::Attention},
                                Field::DeletedPager);
    QList<Write> writes;
    for (int i = 0; i < PagerRecordSize; ++i)
        writes.append({pagerBase(*pager) + i, layout::NotSet});
    return commit(writes);
}

Outcome ImageEdits::editTable(const QString& table, const TableChange& fields)
{
    const Checked<int> number = checkTableNumber(table);
    if (!number)
        return number.problem().outcome();
    const int k = tableIndex(*number);
    return k < 0 ? noSuchTable() : editTableAt(k, fields);
}

Outcome ImageEdits::editTableAt(int k, const TableChange& fields)
{
    if (k < 0 || k >= HostMemory(image_).tableCount().count())
        return noSuchTable();
    // The fields' checks of set table; the record's own number is not typed.
    const std::array<QString, 3> none;
    const auto& pagers = fields.pagers ? *fields.pagers : none;
    const Checked<TableInputs> in = checkTable(QStringLiteral("1"), fields.key.value_or(QString()),
                                               pagers[0], pagers[1], pagers[2]);
    if (!in)
        return in.problem().outcome();
    QList<Write> writes;
    const int base = tableBase(k);
    if (fields.pagers)
        for (int i = 0; i < 3; ++i)
            writes.append({base + 5 + i, std::uint8_t(in->pagers[size_t(i)])});
    if (fields.key)
        writes.append({base + 8, std::uint8_t(in->key)});
    return commit(writes);
}

Outcome ImageEdits::renumberTable(const QString& table, const QString& number)
{
    const Checked<int> from = checkTableNumber(table);
    if (!from)
        return from.problem().outcome();
    const Checked<int> to = checkTableNumber(number);
    if (!to)
        return to.problem().outcome();
    const int k = tableIndex(*from);
    return k < 0 ? noSuchTable() : renumberTableAt(k, number);
}

Outcome ImageEdits::renumberTableAt(int k, const QString& number)
{
    const HostMemory host(image_);
    if (k < 0 || k >= host.tableCount().count())
        return noSuchTable();
    const Checked<int> to = checkTableNumber(number);
    if (!to)
        return to.problem().outcome();
    if (*to == host.table(k).tableNumber)
        return Outcome::success();
    if (tableIndex(*to) >= 0)
        return Outcome::refused(
            stopMessage(EditText::tr("餐桌号%1已经有呼叫器，不能重复！").arg(*to)),
            Field::TableNumber);
    const int base = tableBase(k);
    return commit({{base + 3, std::uint8_t(*to >> 8)}, {base + 4, std::uint8_t(*to)}});
}

Outcome ImageEdits::deleteTable(const QString& table)
{
    const Checked<int> number = checkDeletedTable(table);
    if (!number)
        return number.problem().outcome();
    const int k = tableIndex(*number);
    if (k < 0)
        return Outcome::refused(
            stopMessage(QCoreApplication::translate("Commands", "不存在此餐桌号码！！"),
                        Title::Attention),
            Field::DeletedTable);
    return deleteTableAt(k);
}

Outcome ImageEdits::deleteTableAt(int k)
{
    const int count = HostMemory(image_).tableCount().count();
    if (k < 0 || k >= count)
        return noSuchTable();
    QList<Write> writes;
    for (int c = tableBase(k); c < tableBase(count - 1); ++c)
        writes.append({c, image_[size_t(c + TableRecordSize)]});
    for (int c = tableBase(count - 1); c < tableBase(count); ++c)
        writes.append({c, layout::NotSet});
    writes.append({TableCountCell, std::uint8_t((count - 1) >> 8)});
    writes.append({TableCountCell + 1, std::uint8_t(count - 1)});
    return commit(writes);
}

Outcome ImageEdits::setWorkMode(int position)
{
    const Checked<int> mode = checkWorkMode(position);
    if (!mode)
        return mode.problem().outcome();
    return commit({{WorkModeCell, std::uint8_t(*mode)}});
}

Outcome ImageEdits::setInfoUnitType(int position)
{
    const Checked<int> type = checkInfoUnitType(position);
    if (!type)
        return type.problem().outcome();
    // The command sends 0xFF for 数字 and 0x00 for 语音; the unit keeps it.
    return commit({{InfoUnitTypeCell, std::uint8_t(*type == 0 ? 0xFF : 0x00)}});
}

Outcome ImageEdits::setTransmitterFrequency(const QString& megahertz)
{
    if (megahertz.isEmpty())
        return commit({{TransmitterFlagCell, layout::NotSet}});
    const Checked<std::uint32_t> units = checkTransmitterFrequency(megahertz);
    if (!units)
        return units.problem().outcome();
    const std::uint32_t n = *units;
    return commit({{TransmitterFrequencyCell, std::uint8_t(n >> 16)},
                   {TransmitterFrequencyCell + 1, std::uint8_t(n >> 8)},
                   {TransmitterFrequencyCell + 2, std::uint8_t(n)},
                   {TransmitterFlagCell, 1}});
}

Outcome ImageEdits::voiceCells(int cell, const QList<std::uint8_t>& values)
{
    if (HostMemory(image_).infoUnitType() != InfoUnitType::Voice)
        return Outcome::refused(
            {QCoreApplication::translate("Commands", "当前信息机类型为数字机，设置失败！"),
             Style::Info, Title::Err});
    QList<Write> writes;
    for (std::uint8_t v : values)
        writes.append({cell++, v});
    return commit(writes);
}

Outcome ImageEdits::setCallerPrompts(const CallerPromptChoices& choices)
{
    const auto payload = VoicePrompts::callerPromptPayload(choices);
    if (!payload)
        return checkNumberPronunciation(-1).problem().outcome();
    QList<std::uint8_t> values;
    for (char b : *payload)
        values.append(std::uint8_t(b));
    return voiceCells(NumberPronunciationCell, values);
}

Outcome ImageEdits::setVoiceSetting(VoiceSetting setting, std::optional<int> position)
{
    const bool notSet = !position;
    const int p = position.value_or(-1);
    const auto check = [&]() -> Checked<int> {
        switch (setting) {
        case VoiceSetting::NumberPronunciation: return checkNumberPronunciation(p);
        case VoiceSetting::CallOriginator: return checkCallOriginator(p, notSet);
        case VoiceSetting::KeyPrompt1:
        case VoiceSetting::KeyPrompt2:
        case VoiceSetting::KeyPrompt3: return checkKeyPrompt(p, notSet);
        case VoiceSetting::HandheldByTable:
        case VoiceSetting::HandheldByPager: break;
        }
        return checkHandheldPrompt(p);
    };
    const Checked<int> value = check();
    if (!value)
        return value.problem().outcome();
    return voiceCells(VoiceCells[int(setting)], {std::uint8_t(*value)});
}

const QList<SettingInfo>& editableSettings()
{
    using V = VoiceSetting;
    static const QList<SettingInfo> list = {
        {"language", QT_TRANSLATE_NOOP("cli", "the language a voice info unit speaks numbers in"),
         &numberLanguages(), V::NumberPronunciation},
        {"originator",
         QT_TRANSLATE_NOOP("cli", "the word a voice info unit says for the calling place"),
         &callOriginators(), V::CallOriginator, true},
        {"key1", QT_TRANSLATE_NOOP("cli", "the voice prompt of caller key 1"), &keyPrompts(),
         V::KeyPrompt1, true},
        {"key2", QT_TRANSLATE_NOOP("cli", "the voice prompt of caller key 2"), &keyPrompts(),
         V::KeyPrompt2, true},
        {"key3", QT_TRANSLATE_NOOP("cli", "the voice prompt of caller key 3"), &keyPrompts(),
         V::KeyPrompt3, true},
        {"handheld-table",
         QT_TRANSLATE_NOOP("cli", "the place named for handheld calls by table number"),
         &handheldPlaces(), V::HandheldByTable},
        {"handheld-pager",
         QT_TRANSLATE_NOOP("cli", "the place named for handheld calls by pager number"),
         &handheldPlaces(), V::HandheldByPager},
        {"infounit", QT_TRANSLATE_NOOP("cli", "the info unit type"), &infoUnitTypes(),
         std::nullopt},
        {"transmitter",
         QT_TRANSLATE_NOOP("cli",
                           "the transmitter frequency in MHz, or default for the factory "
                           "default 430.225 MHz"),
         nullptr, std::nullopt},
    };
    return list;
}

const SettingInfo* editableSetting(const QString& name)
{
    for (const SettingInfo& s : editableSettings())
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

Outcome ImageEdits::setSetting(const SettingInfo& setting, const QString& value)
{
    if (!setting.words)
        return setTransmitterFrequency(value == factoryDefaultWord() ? QString() : value);
    std::optional<int> position = setting.words->codeOf(value);
    const bool notSet = setting.unsettable && value.trimmed() == notSetWord();
    Outcome out;
    if (setting.voice)
        out = setVoiceSetting(*setting.voice,
                              notSet ? std::nullopt : std::optional(position.value_or(-1)));
    else
        out = setInfoUnitType(position.value_or(-1));
    if (!position && !notSet)
        out.detail = EditText::tr("“%1”不是列表中的词：%2")
                         .arg(value, setting.words->exportWords().join(QStringLiteral(", ")));
    return out;
}

} // namespace cs
