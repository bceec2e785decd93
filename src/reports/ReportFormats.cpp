#include "reports/ReportFormats.h"
#include "commands/PagerBatch.h"
#include "reports/Reports.h"

#include <QJsonArray>

namespace cs {

namespace {

QString addressText(const PagerRecord& pager)
{
    QString text;
    for (const std::uint8_t digit : pager.addressDigits)
        text += QLatin1Char("0123456789ABCDEF"[digit & 0x0F]);
    return text;
}

QString featureText(const TableRecord& table)
{
    QString text;
    for (const std::uint8_t b : table.featureCode)
        text += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

QJsonValue slot(const std::optional<std::uint8_t>& v)
{
    return v ? QJsonValue(int(*v)) : QJsonValue();
}

QJsonObject codeJson(const CodeSetting& s)
{
    QJsonObject o{{QStringLiteral("set"), s.set}};
    if (s.set) {
        o.insert(QStringLiteral("code"), int(s.code));
        o.insert(QStringLiteral("text"), s.text.isEmpty() ? QJsonValue() : QJsonValue(s.text));
    }
    return o;
}

QString toneText(const PagerRecord& pager)
{
    return pager.tone ? QString::number(*pager.tone + 1) : QStringLiteral("?");
}

} // namespace

QStringList reportKindNames()
{
    return {QStringLiteral("pagers"),      QStringLiteral("tables"),     QStringLiteral("mode"),
            QStringLiteral("transmitter"), QStringLiteral("receiver"),   QStringLiteral("infounit"),
            QStringLiteral("language"),    QStringLiteral("originator"), QStringLiteral("keys"),
            QStringLiteral("handheld")};
}

int reportKindOf(const QString& name)
{
    return int(reportKindNames().indexOf(name));
}

QString pagerCsv(const HostMemory& host)
{
    QString text = pagerCsvHeader() + QLatin1Char('\n');
    for (int n = 1; n <= layout::PagerCount; ++n) {
        const auto pager = host.pager(n);
        if (!pager)
            continue;
        const QString unknown = QStringLiteral("?");
        text += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                    .arg(n)
                    .arg(addressText(*pager),
                         pager->type ? modelText(pager->type->model) : unknown,
                         pager->polarity == Polarity::Positive ? QStringLiteral("正")
                                                                : QStringLiteral("反"),
                         pager->type ? rateText(pager->type->rate) : unknown, toneText(*pager));
    }
    return text;
}

QString tableCsv(const HostMemory& host)
{
    const auto cell = [](const std::optional<std::uint8_t>& v) {
        return v ? QString::number(*v) : QString();
    };
    QString text = QStringLiteral("table,feature,pager1,pager2,pager3,key\n");
    const int count = host.tableCount().count();
    for (int k = 0; k < count; ++k) {
        const TableRecord t = host.table(k);
        text += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                    .arg(t.tableNumber)
                    .arg(featureText(t), cell(t.pagers[0]), cell(t.pagers[1]), cell(t.pagers[2]),
                         cell(t.keyValue));
    }
    return text;
}

QJsonObject receiverJson(const ReceiverMemory& receiver)
{
    return {{QStringLiteral("megahertz"), receiver.frequencyMHz()},
            {QStringLiteral("factoryDefault"), !receiver.listedFrequencyMHz().has_value()}};
}

QJsonObject reportJson(int kind, const HostMemory& host)
{
    switch (kind) {
    case ReportPagers: {
        QJsonArray pagers;
        for (int n = 1; n <= layout::PagerCount; ++n) {
            const auto p = host.pager(n);
            if (!p)
                continue;
            pagers.append(QJsonObject{
                {QStringLiteral("number"), n},
                {QStringLiteral("address"), addressText(*p)},
                {QStringLiteral("polarity"), p->polarity == Polarity::Positive ? "正" : "反"},
                {QStringLiteral("model"),
                 p->type ? QJsonValue(modelText(p->type->model)) : QJsonValue()},
                {QStringLiteral("rate"),
                 p->type ? QJsonValue(rateText(p->type->rate)) : QJsonValue()},
                {QStringLiteral("tone"), p->tone ? QJsonValue(*p->tone + 1) : QJsonValue()}});
        }
        return {{QStringLiteral("pagers"), pagers}};
    }
    case ReportTables: {
        QJsonArray tables;
        const int count = host.tableCount().count();
        for (int k = 0; k < count; ++k) {
            const TableRecord t = host.table(k);
            tables.append(QJsonObject{
                {QStringLiteral("table"), t.tableNumber},
                {QStringLiteral("feature"), featureText(t)},
                {QStringLiteral("pagers"), QJsonArray{slot(t.pagers[0]), slot(t.pagers[1]),
                                                      slot(t.pagers[2])}},
                {QStringLiteral("key"), slot(t.keyValue)}});
        }
        return {{QStringLiteral("count"), count}, {QStringLiteral("tables"), tables}};
    }
    case ReportWorkMode:
        return {{QStringLiteral("mode"), workModeText(host.workMode())}};
    case ReportTransmitterFrequency:
        return {{QStringLiteral("megahertz"), host.transmitterFrequencyMHz()},
                {QStringLiteral("factoryDefault"), !host.transmitterFrequencySet()}};
    case ReportInfoUnitType:
        return {{QStringLiteral("type"), host.infoUnitType() == InfoUnitType::Voice
                                             ? QStringLiteral("语音机") : QStringLiteral("数字机")}};
    case ReportNumberPronunciation: {
        const auto p = host.numberPronunciation();
        return {{QStringLiteral("language"),
                 !p ? QJsonValue()
                    : QJsonValue(*p == NumberPronunciation::Chinese ? "汉语" : "英语")}};
    }
    case ReportCallOriginator:
        return codeJson(host.callOriginator());
    case ReportKeyPrompts: {
        QJsonArray keys;
        for (int key = 1; key <= layout::KeyCount; ++key)
            keys.append(codeJson(host.keyPrompt(key)));
        return {{QStringLiteral("keys"), keys}};
    }
    case ReportHandheldPrompts:
        return {{QStringLiteral("byTable"), codeJson(host.handheldByTable())},
                {QStringLiteral("byPager"), codeJson(host.handheldByPager())}};
    default:
        return {};
    }
}

QJsonObject backupJson(const HostMemory& host)
{
    QJsonObject all;
    const QStringList names = reportKindNames();
    for (int kind = 0; kind < ReportKindCount; ++kind)
        if (kind != ReportReceiverFrequency)   // a backup holds no receiver memory
            all.insert(names[kind], reportJson(kind, host));
    return all;
}

} // namespace cs
