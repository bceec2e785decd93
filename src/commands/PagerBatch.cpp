#include "commands/PagerBatch.h"
#include "commands/CommandInputs.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

namespace cs {

namespace {

// The batch work's own texts, translated under the context "Batch".
struct BatchText {
    Q_DECLARE_TR_FUNCTIONS(Batch)
};

constexpr int PagerCells = 6;

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
    // Spreadsheets pad rows with empty cells.
    while (out.size() > PagerCells && out.last().isEmpty())
        out.removeLast();
    return out;
}

// UTF-8 (a byte-order mark is dropped), else GB18030; nothing when neither fits.
std::optional<QString> decode(const QByteArray& contents)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(contents);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb("GB18030");
    if (!gb.isValid())
        return std::nullopt;
    text = gb(contents);
    if (gb.hasError())
        return std::nullopt;
    return text;
}

// A list cell: empty takes the default; a word of the list its code; else
// the message for it.
int listCell(const QString& cell, int fallback, const Vocabulary& words, QString& problem)
{
    if (cell.isEmpty())
        return fallback;
    if (const auto code = words.codeOf(cell))
        return *code;
    if (problem.isEmpty())
        problem = BatchText::tr("unknown %1 \"%2\"").arg(words.name(), cell);
    return fallback;
}

bool allEmpty(const QStringList& c)
{
    for (const QString& cell : c)
        if (!cell.isEmpty())
            return false;
    return true;
}

} // namespace

QString pagerCsvHeader()
{
    return QStringLiteral("number,address,model,polarity,rate,tone");
}

PagerFile readPagerCsv(const QByteArray& contents)
{
    PagerFile file;
    const std::optional<QString> text = decode(contents);
    if (!text) {
        file.problems << RowProblem{
            0, BatchText::tr("the file is neither UTF-8 nor GB18030 text"), {}};
        return file;
    }
    const QStringList lines = text->split(u'\n');
    QHash<int, int> lineOfPager;
    bool header = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList c = cells(line);
        if (allEmpty(c))
            continue;
        const int lineNumber = i + 1;
        if (!header) {
            header = true;
            if (c.join(u',').compare(pagerCsvHeader(), Qt::CaseInsensitive) != 0) {
                const QString header = pagerCsvHeader();
                file.problems << RowProblem{
                    lineNumber, BatchText::tr("the first line must be \"%1\"").arg(header), c};
                return file;
            }
            continue;
        }
        if (c.size() > PagerCells) {
            file.problems << RowProblem{lineNumber, BatchText::tr("more than 6 cells"), c};
            continue;
        }
        const auto at = [&](int k) { return k < c.size() ? c[k] : QString(); };
        PagerRow row;
        row.line = lineNumber;
        row.number = at(0);
        row.address = at(1);
        QString problem;
        row.model = listCell(at(2), DefaultModel, pagerModels(), problem);
        row.polarity = listCell(at(3), DefaultPolarity, pagerPolarities(), problem);
        row.rate = listCell(at(4), DefaultRate, pagerRates(), problem);
        row.tone = listCell(at(5), DefaultTone, pagerTones(), problem);
        // The set pager command's own checks come first, with its messages; a
        // list cell that names no item is reported when they pass.
        const auto checked = checkPager(row.number, row.address, row.model, row.polarity, row.rate,
                                        row.tone);
        if (!checked)
            problem = checked.problem().message.text;
        if (problem.isEmpty()) {
            // Two rows for one pager: the second would silently replace the first.
            const int pager = checked->number;
            if (lineOfPager.contains(pager))
                problem = BatchText::tr("pager %1 is already on line %2")
                              .arg(pager)
                              .arg(lineOfPager[pager]);
            else
                lineOfPager.insert(pager, lineNumber);
        }
        if (!problem.isEmpty())
            file.problems << RowProblem{lineNumber, problem, c};
        else
            file.rows << row;
    }
    if (!header)
        file.problems << RowProblem{0, BatchText::tr("the file is empty"), {}};
    return file;
}

PagerLoadEnd loadPagers(Commands& commands, const QList<PagerRow>& rows,
                        const BatchControl& control)
{
    PagerLoadEnd result;
    const int total = int(rows.size());
    for (const PagerRow& row : rows) {
        if (control.progress)
            control.progress(result.written, total);
        if (control.stop && control.stop()) {
            result.outcome = Outcome::stopped();
            return result;
        }
        const Outcome outcome = commands.setPager(row.number, row.address, row.model, row.polarity,
                                                  row.rate, row.tone);
        if (!outcome.done()) {
            result.outcome = outcome;
            return result;
        }
        ++result.written;
    }
    if (control.progress)
        control.progress(result.written, total);
    result.outcome = Outcome::success();
    return result;
}

} // namespace cs
