#include "reports/BackupDiff.h"
#include "reports/ReportKinds.h"

#include <QCoreApplication>
#include <QMap>
#include <set>

namespace cs {

namespace {

// The comparison's own texts, translated under the context "Diff".
struct DiffText {
    Q_DECLARE_TR_FUNCTIONS(Diff)
};

// Report lines without their CR LF.
QStringList bare(const QString& text)
{
    QString t = text;
    while (t.endsWith(QLatin1Char('\n')) || t.endsWith(QLatin1Char('\r')))
        t.chop(1);
    return t.split(QStringLiteral("\r\n"));
}

QString lines(const QStringList& lines, const char* mark)
{
    QString out;
    for (const QString& l : lines)
        out += QLatin1String(mark) + l + QLatin1Char('\n');
    return out;
}

// Records keyed by pager or table number: their lines and their cells.
struct Side {
    QMap<int, QStringList> lines;
    QMap<int, QList<int>> cells;
};

// The keys only in b ("added"), only in a ("removed"), in both with other
// lines ("changed"), and in both with the same lines in other cells ("moved":
// a table delete moves the later records up); the cells of every key listed
// go into `explained`.
QString compare(const Side& a, const Side& b, const QString& what, std::set<int>& explained)
{
    QString added, removed, changed, moved;
    std::set<int> keys;
    for (auto it = a.lines.begin(); it != a.lines.end(); ++it)
        keys.insert(it.key());
    for (auto it = b.lines.begin(); it != b.lines.end(); ++it)
        keys.insert(it.key());
    for (int key : keys) {
        const QStringList la = a.lines.value(key), lb = b.lines.value(key);
        if (la == lb && a.cells.value(key) == b.cells.value(key))
            continue;
        for (const Side* side : {&a, &b})
            for (int cell : side->cells.value(key))
                explained.insert(cell);
        if (la == lb)
            moved += lines(la, "  ");
        else if (la.isEmpty())
            added += lines(lb, "+ ");
        else if (lb.isEmpty())
            removed += lines(la, "- ");
        else
            changed += lines(la, "- ") + lines(lb, "+ ");
    }
    QString out;
    if (!added.isEmpty())
        out += DiffText::tr("%1 added:").arg(what) + QLatin1Char('\n') + added;
    if (!removed.isEmpty())
        out += DiffText::tr("%1 removed:").arg(what) + QLatin1Char('\n') + removed;
    if (!changed.isEmpty())
        out += DiffText::tr("%1 changed:").arg(what) + QLatin1Char('\n') + changed;
    if (!moved.isEmpty())
        out += DiffText::tr("%1 moved to other cells, unchanged:").arg(what) + QLatin1Char('\n')
            + moved;
    return out;
}

QList<int> cellRange(int first, int count)
{
    QList<int> cells;
    for (int i = 0; i < count; ++i)
        cells << first + i;
    return cells;
}

Side pagers(const HostMemory& host)
{
    using namespace layout;
    Side side;
    for (int n = 1; n <= PagerCount; ++n)
        if (const auto p = host.pager(n)) {
            side.lines[n] = bare(pagerLine(n, *p));
            side.cells[n] = cellRange(PagerTableStart + PagerRecordSize * (n - 1), PagerRecordSize);
        }
    return side;
}

Side tables(const HostMemory& host)
{
    using namespace layout;
    Side side;
    const int count = host.tableCount().count();
    for (int k = 0; k < count; ++k) {
        const TableRecord t = host.table(k);
        side.lines[t.tableNumber] << bare(tableLine(t));
        side.cells[t.tableNumber] << cellRange(TableTableStart + TableRecordSize * k,
                                               TableRecordSize);
    }
    return side;
}

QString hexByte(int v)
{
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

BackupDifference backupDiff(const Buffer& a, const Buffer& b)
{
    BackupDifference result;
    for (int i = 0; i < HostMemorySize; ++i)
        result.cells += a[size_t(i)] != b[size_t(i)];
    if (result.cells == 0)
        return result;

    const HostMemory ha(a), hb(b);
    std::set<int> explained;
    QString& out = result.text;
    for (const ReportKindInfo& kind : reportKinds()) {
        if (kind.kind == ReportPagers) {
            out += compare(pagers(ha), pagers(hb), kind.captionText(), explained);
            continue;
        }
        if (kind.kind == ReportTables) {
            // The count line first, then the tables by their numbers.
            const std::optional<QString> ta = kind.text(ha), tb = kind.text(hb);
            const QString ca = ta ? bare(*ta).first() : QString();
            const QString cb = tb ? bare(*tb).first() : QString();
            if (ca != cb) {
                out += kind.captionText() + QStringLiteral(":\n");
                out += ca.isEmpty() ? QString() : lines({ca}, "- ");
                out += cb.isEmpty() ? QString() : lines({cb}, "+ ");
                for (int cell : cellRange(layout::TableCountCell, 2))
                    explained.insert(cell);
            }
            out += compare(tables(ha), tables(hb), kind.captionText(), explained);
            continue;
        }
        const QString ta = kind.text(ha).value_or(QString());
        const QString tb = kind.text(hb).value_or(QString());
        if (ta == tb)
            continue;
        out += kind.captionText() + QStringLiteral(":\n") + lines(bare(ta), "- ")
            + lines(bare(tb), "+ ");
        for (int cell : kind.cells(ha))
            explained.insert(cell);
    }
    QString other;
    for (int i = 0; i < HostMemorySize; ++i)
        if (a[size_t(i)] != b[size_t(i)] && !explained.count(i))
            other += QStringLiteral("  %1H: %2 -> %3\n")
                         .arg(QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper(),
                              hexByte(a[size_t(i)]), hexByte(b[size_t(i)]));
    if (!other.isEmpty())
        out += DiffText::tr("other cells that differ (address: before -> after):")
            + QLatin1Char('\n') + other;
    return result;
}

} // namespace cs
