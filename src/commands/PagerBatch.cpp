#include "commands/PagerBatch.h"
#include "commands/Choices.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

namespace cs {

namespace {

// The command line's own texts, translated under the context "cli".
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(cli)
};

// One line split at commas; a cell in double quotes may hold commas and "".
QStringList cells(const QString& line)
{
    QStringList out;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"')
                cell += c, ++i;
            else if (c == u'"')
                quoted = false;
            else
                cell += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            out << cell.trimmed();
            cell.clear();
        } else {
            cell += c;
        }
    }
    out << cell.trimmed();
    return out;
}

// A list cell: empty takes the default; -1 and a message when it names no item.
int listCell(const QString& cell, int fallback, int (*choice)(const QString&), const char* what,
             QString& problem)
{
    if (cell.isEmpty())
        return fallback;
    const int position = choice(cell);
    if (position < 0 && problem.isEmpty())
        problem = CliText::tr("unknown %1 \"%2\"").arg(QLatin1String(what), cell);
    return position;
}

} // namespace

QString pagerCsvHeader()
{
    return QStringLiteral("number,address,model,polarity,rate,tone");
}

PagerFile readPagerCsv(const QByteArray& contents)
{
    PagerFile file;
    QStringDecoder decode(QStringConverter::Utf8);   // drops a byte-order mark
    const QString text = decode(contents);
    if (decode.hasError()) {
        file.problems << RowProblem{0, CliText::tr("the file is not UTF-8 text")};
        return file;
    }
    const QStringList lines = text.split(u'\n');
    QHash<QString, int> lineOfPager;
    bool header = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int lineNumber = i + 1;
        const QStringList c = cells(line);
        if (!header) {
            header = true;
            if (c.join(u',').compare(pagerCsvHeader(), Qt::CaseInsensitive) != 0) {
                file.problems << RowProblem{lineNumber, CliText::tr("the first line must be \"%1\"")
                                                            .arg(pagerCsvHeader())};
                return file;
            }
            continue;
        }
        if (c.size() > 6) {
            file.problems << RowProblem{lineNumber, CliText::tr("more than 6 cells")};
            continue;
        }
        const auto at = [&](int k) { return k < c.size() ? c[k] : QString(); };
        PagerRow row;
        row.line = lineNumber;
        row.number = at(0);
        row.address = at(1);
        QString problem;
        row.model = listCell(at(2), DefaultModel, modelChoice, "model", problem);
        row.polarity = listCell(at(3), DefaultPolarity, polarityChoice, "polarity", problem);
        row.rate = listCell(at(4), DefaultRate, rateChoice, "rate", problem);
        row.tone = listCell(at(5), DefaultTone, toneChoice, "tone", problem);
        // The set pager command's own checks come first, with its messages; a
        // list cell that names no item is reported when they pass.
        const QString refused = problem.isEmpty()
            ? Commands::pagerProblem(row.number, row.address, row.model, row.polarity, row.rate,
                                     row.tone)
            : Commands::pagerProblem(row.number, row.address, DefaultModel, DefaultPolarity,
                                     DefaultRate, DefaultTone);
        if (!refused.isEmpty())
            problem = refused;
        if (problem.isEmpty()) {
            // Two rows for one pager: the second would silently replace the first.
            const QString key = QString::number(row.number.trimmed().toInt());
            if (lineOfPager.contains(key))
                problem = CliText::tr("pager %1 is already on line %2").arg(key).arg(lineOfPager[key]);
            else
                lineOfPager.insert(key, lineNumber);
        }
        if (!problem.isEmpty())
            file.problems << RowProblem{lineNumber, problem};
        else
            file.rows << row;
    }
    if (!header)
        file.problems << RowProblem{0, CliText::tr("the file is empty")};
    return file;
}

PagerLoadEnd loadPagers(Commands& commands, const QList<PagerRow>& rows,
                        const std::function<void(int, int)>& progress)
{
    PagerLoadEnd result;
    const int total = int(rows.size());
    for (const PagerRow& row : rows) {
        if (progress)
            progress(result.written, total);
        result.end = commands.setPager(row.number, row.address, row.model, row.polarity, row.rate,
                                       row.tone);
        if (result.end != RunEnd::Succeeded)
            return result;
        ++result.written;
    }
    if (progress)
        progress(result.written, total);
    return result;
}

} // namespace cs
