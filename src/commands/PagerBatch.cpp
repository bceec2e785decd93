#include "commands/PagerBatch.h"
#include "commands/CommandInputs.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

namespace cs {

namespace {

// The batch work's own texts, translated under the context "Batch".
struct BatchText {
    Q_DECLARE_TR_FUNCTIONS(Batch)
};

constexpr int PagerCells = 6;

// The captions of the columns, the main window's labels of the same fields.
const char* const ColumnCaptions[PagerCells] = {
    QT_TRANSLATE_NOOP("ImportWindow", "传呼号"), QT_TRANSLATE_NOOP("ImportWindow", "地址码"),
    QT_TRANSLATE_NOOP("ImportWindow", "机型"),   QT_TRANSLATE_NOOP("ImportWindow", "极性"),
    QT_TRANSLATE_NOOP("ImportWindow", "速率"),   QT_TRANSLATE_NOOP("ImportWindow", "音调"),
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

// A list cell of column `column`: empty takes the default; a word of the
// list its code; else the message for it, naming the column by its caption.
int listCell(const QString& cell, int column, int fallback, const Vocabulary& words,
             QString& problem)
{
    if (cell.isEmpty())
        return fallback;
    if (const auto code = words.codeOf(cell))
        return *code;
    if (problem.isEmpty())
        problem = BatchText::tr("unknown value \"%2\" in the column %1")
                      .arg(pagerColumnCaption(column), cell);
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

QString pagerColumnCaption(int column)
{
    if (column < 0 || column >= PagerCells)
        return {};
    return QCoreApplication::translate("ImportWindow", ColumnCaptions[column]);
}

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
    // CR LF (Windows), LF, or CR alone (older Mac spreadsheets).
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text->split(lineEnd);
    QHash<int, int> lineOfPager;
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList c = cells(lines[i]);
        if (allEmpty(c))
            continue;
        const int lineNumber = i + 1;
        if (!headerSeen) {
            headerSeen = true;
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
        row.model = listCell(at(2), 2, DefaultModel, pagerModels(), problem);
        row.polarity = listCell(at(3), 3, DefaultPolarity, pagerPolarities(), problem);
        row.rate = listCell(at(4), 4, DefaultRate, pagerRates(), problem);
        row.tone = listCell(at(5), 5, DefaultTone, pagerTones(), problem);
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
    if (!headerSeen)
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
