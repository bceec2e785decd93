#include "reports/ReportFormats.h"
#include "commands/PagerBatch.h"
#include "reports/BackupDocument.h"

namespace cs {

namespace {

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

QByteArray pagerCsv(const HostMemory& host)
{
    QString text = pagerCsvHeader() + QLatin1Char('\n');
    const QString unknown = QStringLiteral("?");
    for (int n = 1; n <= layout::PagerCount; ++n) {
        const auto pager = host.pager(n);
        if (!pager)
            continue;
        const QStringList row = {
            QString::number(n),
            addressText(*pager),
            pager->type ? pagerModels().exportWord(int(pager->type->model)) : unknown,
            pagerPolarities().exportWord(int(pager->polarity)),
            pager->type ? pagerRates().exportWord(int(pager->type->rate)) : unknown,
            pager->tone ? pagerTones().exportWord(*pager->tone) : unknown,
        };
        text += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return ByteOrderMark + text.toUtf8();
}

QByteArray tableCsv(const HostMemory& host)
{
    const auto cell = [](const std::optional<std::uint8_t>& v) {
        return v ? QString::number(*v) : QString();
    };
    QString text = QStringLiteral("table,feature,pager1,pager2,pager3,key\n");
    const int count = host.tableCount().count();
    for (int k = 0; k < count; ++k) {
        const TableRecord t = host.table(k);
        const QStringList row = {QString::number(t.tableNumber),
                                 featureText(t),
                                 cell(t.pagers[0]),
                                 cell(t.pagers[1]),
                                 cell(t.pagers[2]),
                                 cell(t.keyValue)};
        text += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return ByteOrderMark + text.toUtf8();
}

QJsonObject backupJson(const HostMemory& host)
{
    QJsonObject all{{QStringLiteral("version"), DocumentVersion}};
    for (const ReportKindInfo& kind : reportKinds())
        all.insert(QString::fromLatin1(kind.name), kind.json(host));
    return all;
}

} // namespace cs
