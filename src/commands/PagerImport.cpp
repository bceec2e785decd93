#include "commands/PagerImport.h"
#include "memory/BackupFile.h"

#include <QCoreApplication>
#include <algorithm>

namespace cs {

namespace {

// The window's texts, translated under the context "ImportWindow".
struct ImportText {
    Q_DECLARE_TR_FUNCTIONS(ImportWindow)
};

QStringList shownCells(const PagerRow& row)
{
    return {row.number.trimmed(),          row.address.trimmed(),
            pagerModels().text(row.model), pagerPolarities().text(row.polarity),
            pagerRates().text(row.rate),   pagerTones().text(row.tone)};
}

// "已写入第2行至第31行（30个传呼机）", or that none was.
QString rowsSet(const QList<PagerRow>& rows, int written)
{
    if (written == 0)
        return ImportText::tr("没有写入任何传呼机");
    if (written == 1)
        return ImportText::tr("已写入第%1行（1个传呼机）").arg(rows.first().line);
    return ImportText::tr("已写入第%1行至第%2行（%3个传呼机）")
        .arg(rows.first().line)
        .arg(rows[written - 1].line)
        .arg(written);
}

} // namespace

void PagerImport::chooseFile()
{
    const QString path = ui_.choosePagerFile(false);
    if (!path.isEmpty())
        open(path);
}

Outcome PagerImport::open(const QString& path)
{
    // Only a regular file of bounded size is read: a FIFO or device is refused at once.
    FileProblem problem;
    const std::optional<QByteArray> contents = readInputFile(path, PagerFileLimit, &problem);
    if (!contents) {
        Outcome refused = Outcome::refused(
            stopMessage(QCoreApplication::translate("BackupWindow", "文件%1打开失败！").arg(path)));
        refused.cause = Cause::File;
        refused.detail = problem.reason;
        present(ui_, refused);
        return refused;
    }
    fileName = path;
    check(*contents);
    return Outcome::success();
}

void PagerImport::check(const QByteArray& contents)
{
    const PagerFile file = readPagerCsv(contents);
    rows_ = file.rows;
    preview.clear();
    for (const PagerRow& row : file.rows)
        preview.append({row.line, shownCells(row), QString()});
    for (const RowProblem& p : file.problems)
        preview.append({p.line, p.cells, p.message});
    std::stable_sort(preview.begin(), preview.end(),
                     [](const PreviewRow& a, const PreviewRow& b) { return a.line < b.line; });
    badRows = int(file.problems.size());
    done = 0;
    if (badRows > 0)
        rows_.clear(); // nothing is sent from a file with a bad row
    status = badRows > 0
        ? ImportText::tr("%1行有错：改正文件后重新打开，有错时一行也不写入。").arg(badRows)
        : ImportText::tr("共%n个传呼机，每一行都可以写入。", nullptr, int(rows_.size()));
    emit changed();
}

void PagerImport::requestStop()
{
    if (running)
        stopRequested = true;
}

Outcome PagerImport::write()
{
    if (!canWrite()) {
        const Outcome refused = Outcome::refused(
            stopMessage(ImportText::tr("请先打开一个没有错误的传呼机文件！")));
        present(ui_, refused);
        return refused;
    }
    running = true;
    stopRequested = false;
    done = 0;
    BatchControl control;
    status = ImportText::tr("正在写入%n个传呼机……", nullptr, int(rows_.size()));
    control.progress = [this](int rowsDone, int) {
        done = rowsDone;
        emit changed();
    };
    control.stop = [this] { return stopRequested; };
    PagerLoadEnd end;
    {
        // Each wait ends on a complete reply while the rows go out.
        const FastRepliesScope fast(link_);
        end = loadPagers(commands_, rows_, control);
    }
    running = false;
    stopRequested = false;
    done = end.written;
    status = endText(end.outcome, end.written);
    emit changed();
    // The box of the row that failed; its focus belongs to the main window's fields.
    if (end.outcome.done())
        ui_.message({ImportText::tr("%n个传呼机写入成功！", nullptr, end.written)});
    else if (!end.outcome.message.isEmpty())
        ui_.message(end.outcome.message);
    return end.outcome;
}

QString PagerImport::endText(const Outcome& outcome, int written) const
{
    if (outcome.done())
        return ImportText::tr("%n个传呼机已全部写入。", nullptr, written);
    const PagerRow& next = rows_[written];
    const QString set = rowsSet(rows_, written);
    if (outcome.ending == Ending::Stopped)
        return ImportText::tr("已在第%1行（传呼号%2）之前停止；%3。")
            .arg(next.line)
            .arg(next.number, set);
    return ImportText::tr("第%1行（传呼号%2）写入失败；%3。").arg(next.line).arg(next.number, set);
}

} // namespace cs
