#include "reports/ReportKinds.h"
#include "reports/ReportFormats.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace cs {

namespace {

using namespace layout;

QList<int> range(int first, int count)
{
    QList<int> cells;
    for (int i = 0; i < count; ++i)
        cells << first + i;
    return cells;
}

// ---- JSON pieces: numbers as numbers, every coded value with its code and
// its export word (null where the code has none).

QJsonValue word(const Vocabulary& words, int code)
{
    const QString w = words.exportWord(code);
    return w.isEmpty() ? QJsonValue() : QJsonValue(w);
}

QJsonObject coded(const Vocabulary& words, int cellValue, int code)
{
    return {{QStringLiteral("code"), cellValue}, {QStringLiteral("word"), word(words, code)}};
}

QJsonObject setting(const Vocabulary& words, const CodeSetting& s)
{
    return coded(words, s.code, s.hasWord() ? s.code : -1);
}

QJsonValue slot(const std::optional<std::uint8_t>& v)
{
    return v ? QJsonValue(int(*v)) : QJsonValue();
}

// ---- the kinds

QList<int> pagerCells(const HostMemory& host)
{
    QList<int> cells;
    for (int n = 1; n <= PagerCount; ++n)
        if (host.pager(n))
            cells << range(PagerTableStart + PagerRecordSize * (n - 1), PagerRecordSize);
    return cells;
}

QJsonValue pagerJson(const HostMemory& host)
{
    QJsonArray pagers;
    for (int n = 1; n <= PagerCount; ++n) {
        const auto p = host.pager(n);
        if (!p)
            continue;
        const QJsonValue none;
        pagers.append(QJsonObject{
            {QStringLiteral("number"), n},
            {QStringLiteral("address"), addressText(*p)},
            {QStringLiteral("typeLetter"), int(p->typeLetter)},
            {QStringLiteral("model"),
             p->type ? coded(pagerModels(), int(p->type->model), int(p->type->model)) : none},
            {QStringLiteral("polarity"),
             coded(pagerPolarities(), int(p->polarity), int(p->polarity))},
            {QStringLiteral("rate"),
             p->type ? coded(pagerRates(), int(p->type->rate), int(p->type->rate)) : none},
            {QStringLiteral("tone"), p->tone ? coded(pagerTones(), *p->tone, *p->tone) : none},
        });
    }
    return pagers;
}

QList<int> tableCells(const HostMemory& host)
{
    QList<int> cells = range(TableCountCell, 2);
    const int count = host.tableCount().count();
    cells << range(TableTableStart, TableRecordSize * count);
    return cells;
}

QJsonValue tableJson(const HostMemory& host)
{
    QJsonArray tables;
    const int count = host.tableCount().count();
    for (int k = 0; k < count; ++k) {
        const TableRecord t = host.table(k);
        tables.append(
            QJsonObject{{QStringLiteral("table"), t.tableNumber},
                        {QStringLiteral("feature"), featureText(t)},
                        {QStringLiteral("pagers"),
                         QJsonArray{slot(t.pagers[0]), slot(t.pagers[1]), slot(t.pagers[2])}},
                        {QStringLiteral("key"), slot(t.keyValue)}});
    }
    return QJsonObject{{QStringLiteral("count"), count},
                       {QStringLiteral("storedCount"), host.tableCount().raw},
                       {QStringLiteral("tables"), tables}};
}

QJsonValue modeJson(const HostMemory& host)
{
    return coded(workModes(), host.cell(WorkModeCell), int(host.workMode()));
}

QJsonValue transmitterJson(const HostMemory& host)
{
    return QJsonObject{{QStringLiteral("megahertz"), host.transmitterFrequencyMHz()},
                       {QStringLiteral("factoryDefault"), !host.transmitterFrequencySet()},
                       {QStringLiteral("flag"), host.cell(TransmitterFlagCell)},
                       {QStringLiteral("units"), host.transmitterFrequencyUnits()}};
}

QJsonValue infoUnitJson(const HostMemory& host)
{
    return coded(infoUnitTypes(), host.cell(InfoUnitTypeCell), int(host.infoUnitType()));
}

QJsonValue languageJson(const HostMemory& host)
{
    const auto p = host.numberPronunciation();
    return coded(numberLanguages(), host.cell(NumberPronunciationCell), p ? int(*p) : -1);
}

QJsonValue originatorJson(const HostMemory& host)
{
    return setting(callOriginators(), host.callOriginator());
}

QJsonValue keysJson(const HostMemory& host)
{
    QJsonArray keys;
    for (int key = 1; key <= KeyCount; ++key) {
        QJsonObject o = setting(keyPrompts(), host.keyPrompt(key));
        o.insert(QStringLiteral("key"), key);
        keys.append(o);
    }
    return keys;
}

QJsonValue handheldJson(const HostMemory& host)
{
    return QJsonObject{
        {QStringLiteral("byTable"), setting(handheldPlaces(), host.handheldByTable())},
        {QStringLiteral("byPager"), setting(handheldPlaces(), host.handheldByPager())}};
}

template <QString (*Text)(const HostMemory&)> std::optional<QString> always(const HostMemory& host)
{
    return Text(host);
}

template <int First, int Count> QList<int> fixed(const HostMemory&)
{
    return range(First, Count);
}

} // namespace

QString ReportKindInfo::captionText() const
{
    return caption ? QCoreApplication::translate("Reports", caption) : QString();
}

QString ReportKindInfo::summaryText() const
{
    return QCoreApplication::translate("cli", summary);
}

const QList<ReportKindInfo>& reportKinds()
{
    static const QList<ReportKindInfo> kinds = {
        {ReportPagers, "pagers", QT_TRANSLATE_NOOP("Reports", "传呼号"),
         QT_TRANSLATE_NOOP("cli", "the pagers"), Heading::Pagers, pagerCells, always<pagerReport>,
         pagerJson, pagerCsv},
        {ReportTables, "tables", QT_TRANSLATE_NOOP("Reports", "餐桌号"),
         QT_TRANSLATE_NOOP("cli", "the tables and their callers"), Heading::Tables, tableCells,
         tableReport, tableJson, tableCsv},
        {ReportWorkMode, "mode", QT_TRANSLATE_NOOP("Reports", "工作模式"),
         QT_TRANSLATE_NOOP("cli", "the work mode"), Heading::None, fixed<WorkModeCell, 1>,
         always<workModeReport>, modeJson},
        {ReportTransmitterFrequency, "transmitter", QT_TRANSLATE_NOOP("Reports", "发射机频率"),
         QT_TRANSLATE_NOOP("cli", "the transmitter frequency"), Heading::None,
         fixed<TransmitterFrequencyCell, 4>, always<transmitterFrequencyReport>, transmitterJson},
        {ReportInfoUnitType, "infounit", QT_TRANSLATE_NOOP("Reports", "信息机类型"),
         QT_TRANSLATE_NOOP("cli", "the info unit type"), Heading::None, fixed<InfoUnitTypeCell, 1>,
         always<infoUnitTypeReport>, infoUnitJson},
        {ReportNumberPronunciation, "language", QT_TRANSLATE_NOOP("Reports", "语音提示语种"),
         QT_TRANSLATE_NOOP("cli", "the language a voice info unit speaks numbers in"),
         Heading::None, fixed<NumberPronunciationCell, 1>, always<numberPronunciationReport>,
         languageJson},
        {ReportCallOriginator, "originator", QT_TRANSLATE_NOOP("Reports", "呼叫发起人"),
         QT_TRANSLATE_NOOP("cli", "the word a voice info unit says for the calling place"),
         Heading::None, fixed<CallOriginatorCell, 1>, always<callOriginatorReport>, originatorJson},
        {ReportKeyPrompts, "keys", QT_TRANSLATE_NOOP("Reports", "按键提示语"),
         QT_TRANSLATE_NOOP("cli", "the voice prompts of the caller keys"), Heading::None,
         fixed<KeyPromptCell, KeyCount>, always<keyPromptsReport>, keysJson},
        {ReportHandheldPrompts, "handheld", QT_TRANSLATE_NOOP("Reports", "手持呼叫器提示"),
         QT_TRANSLATE_NOOP("cli", "the places a voice info unit names for handheld callers"),
         Heading::None, fixed<HandheldByTableCell, 2>, always<handheldPromptsReport>, handheldJson},
    };
    return kinds;
}

QJsonObject ReportKindInfo::jsonDocument(const HostMemory& host) const
{
    if (kind == ReportAll)
        return backupJson(host);
    return {{QString::fromLatin1(name), json(host)}};
}

const ReportKindInfo& allReportKinds()
{
    static const ReportKindInfo all = {
        .kind = ReportAll,
        .name = "all",
        .caption = nullptr,
        .summary = QT_TRANSLATE_NOOP("cli", "everything the backup holds (json)"),
        .heading = Heading::None,
        .cells = [](const HostMemory&) { return range(0, HostMemorySize); },
        .text = nullptr,
        .json = [](const HostMemory& host) { return QJsonValue(backupJson(host)); },
    };
    return all;
}

const ReportKindInfo* reportKindNamed(const QString& name)
{
    for (const ReportKindInfo& kind : reportKinds())
        if (name == QLatin1String(kind.name))
            return &kind;
    if (name == QLatin1String(allReportKinds().name))
        return &allReportKinds();
    return nullptr;
}

const ReportKindInfo* reportKindOf(ReportKind kind)
{
    for (const ReportKindInfo& info : reportKinds())
        if (info.kind == kind)
            return &info;
    return nullptr;
}

const ReportKindInfo* reportKindAt(int position)
{
    const QList<ReportKindInfo>& kinds = reportKinds();
    return position >= 0 && position < kinds.size() ? &kinds[position] : nullptr;
}

QStringList reportKindNames()
{
    QStringList names;
    for (const ReportKindInfo& kind : reportKinds())
        names << QString::fromLatin1(kind.name);
    return names << QString::fromLatin1(allReportKinds().name);
}

QStringList reportKindCaptions()
{
    QStringList captions;
    for (const ReportKindInfo& kind : reportKinds())
        captions << kind.captionText();
    return captions;
}

} // namespace cs
