#include "reports/BackupDiff.h"
#include "reports/Reports.h"

#include <QCoreApplication>
#include <QMap>
#include <set>

namespace cs {

namespace {

// The command line's own texts, translated under the context "cli".
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(cli)
};

// A report line without its CR LF, as a diff line.
QString bare(QString line)
{
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

struct Side {
    QMap<int, QStringList> lines;   // by pager or table number
};

// Lists the keys only in b ("added"), only in a ("removed") and in both with
// other lines ("changed").
QString compare(const Side& a, const Side& b, const QString& what)
{
    QString added, removed, changed;
    std::set<int> keys;
    for (auto it = a.lines.begin(); it != a.lines.end(); ++it)
        keys.insert(it.key());
    for (auto it = b.lines.begin(); it != b.lines.end(); ++it)
        keys.insert(it.key());
    for (int key : keys) {
        const QStringList la = a.lines.value(key), lb = b.lines.value(key);
        if (la == lb)
            continue;
        if (la.isEmpty()) {
            for (const QString& l : lb)
                added += QStringLiteral("+ ") + l + QLatin1Char('\n');
        } else if (lb.isEmpty()) {
            for (const QString& l : la)
                removed += QStringLiteral("- ") + l + QLatin1Char('\n');
        } else {
            for (const QString& l : la)
                changed += QStringLiteral("- ") + l + QLatin1Char('\n');
            for (const QString& l : lb)
                changed += QStringLiteral("+ ") + l + QLatin1Char('\n');
        }
    }
    QString out;
    if (!added.isEmpty())
        out += CliText::tr("%1 added:").arg(what) + QLatin1Char('\n') + added;
    if (!removed.isEmpty())
        out += CliText::tr("%1 removed:").arg(what) + QLatin1Char('\n') + removed;
    if (!changed.isEmpty())
        out += CliText::tr("%1 changed:").arg(what) + QLatin1Char('\n') + changed;
    return out;
}

Side pagers(const HostMemory& host, std::set<int>& cells)
{
    Side side;
    for (int n = 1; n <= layout::PagerCount; ++n)
        if (const auto p = host.pager(n)) {
            side.lines[n] << bare(pagerLine(n, *p));
            for (int c = 0; c < layout::PagerRecordSize; ++c)
                cells.insert(layout::PagerTableStart + layout::PagerRecordSize * (n - 1) + c);
        }
    return side;
}

Side tables(const HostMemory& host, std::set<int>& cells)
{
    Side side;
    const int count = host.tableCount().count();
    for (int k = 0; k < count; ++k) {
        const TableRecord t = host.table(k);
        side.lines[t.tableNumber] << bare(tableLine(t));
        for (int c = 0; c < layout::TableRecordSize; ++c)
            cells.insert(layout::TableTableStart + layout::TableRecordSize * k + c);
    }
    return side;
}

// The settings report kinds and the cells each reads.
struct Setting {
    int kind;
    QList<int> cells;
};

QString settingText(int kind, const HostMemory& host)
{
    switch (kind) {
    case ReportWorkMode: return workModeReport(host);
    case ReportTransmitterFrequency: return transmitterFrequencyReport(host);
    case ReportInfoUnitType: return infoUnitTypeReport(host);
    case ReportNumberPronunciation: return numberPronunciationReport(host);
    case ReportCallOriginator: return callOriginatorReport(host);
    case ReportKeyPrompts: return keyPromptsReport(host);
    default: return handheldPromptsReport(host);
    }
}

} // namespace

QString backupDiff(const Buffer& a, const Buffer& b)
{
    if (differingCells(a, b).count == 0)
        return QString();
    const HostMemory ha(a), hb(b);
    std::set<int> explained = {layout::TableCountCell, layout::TableCountCell + 1};
    QString out = compare(pagers(ha, explained), pagers(hb, explained), CliText::tr("pagers"));
    out += compare(tables(ha, explained), tables(hb, explained), CliText::tr("tables"));

    using namespace layout;
    const Setting settings[] = {
        {ReportWorkMode, {WorkModeCell}},
        {ReportTransmitterFrequency, {TransmitterFrequencyCell, TransmitterFrequencyCell + 1,
                                      TransmitterFrequencyCell + 2, TransmitterFlagCell}},
        {ReportInfoUnitType, {InfoUnitTypeCell}},
        {ReportNumberPronunciation, {NumberPronunciationCell}},
        {ReportCallOriginator, {CallOriginatorCell}},
        {ReportKeyPrompts, {KeyPromptCell, KeyPromptCell + 1, KeyPromptCell + 2}},
        {ReportHandheldPrompts, {HandheldByTableCell, HandheldByPagerCell}},
    };
    const QStringList captions = reportKindCaptions();
    for (const Setting& s : settings) {
        explained.insert(s.cells.begin(), s.cells.end());
        const QString ta = settingText(s.kind, ha), tb = settingText(s.kind, hb);
        if (ta == tb)
            continue;
        out += captions[s.kind] + QStringLiteral(":\n");
        for (const QString& l : bare(ta).split(QStringLiteral("\r\n")))
            out += QStringLiteral("- ") + l + QLatin1Char('\n');
        for (const QString& l : bare(tb).split(QStringLiteral("\r\n")))
            out += QStringLiteral("+ ") + l + QLatin1Char('\n');
    }
    int other = 0;
    for (int i = 0; i < HostMemorySize; ++i)
        if (a[size_t(i)] != b[size_t(i)] && !explained.count(i))
            ++other;
    if (other > 0)
        out += CliText::tr("other cells that differ: %1").arg(other) + QLatin1Char('\n');
    return out;
}

} // namespace cs
