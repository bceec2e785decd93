// Batch work: pagers from a CSV file, and learning the callers of many tables.

#include "cli/CliSession.h"
#include "commands/CommandInputs.h"
#include "commands/PagerBatch.h"
#include "commands/TableLearning.h"
#include "memory/BackupFile.h"

#include <QCoreApplication>

namespace cs::cli {

namespace {

// Bad rows of a pager file listed before "and N more".
constexpr qsizetype ProblemsListed = 20;

// "rows set: lines 2 to 31 (30 pagers)", or "no row was set".
QString rowsSet(const QList<PagerRow>& rows, int written)
{
    if (written == 0)
        return QCoreApplication::translate("cli", "no row was set");
    return QCoreApplication::translate("cli", "rows set: lines %1 to %2 (%3 pagers)")
        .arg(rows.first().line)
        .arg(rows[written - 1].line)
        .arg(written);
}

} // namespace

int CliSession::pagersLoad()
{
    const QString& name = options_.file;
    FileProblem problem;
    const std::optional<QByteArray> contents = readInputFile(name, PagerFileLimit, &problem);
    if (!contents) {
        say(QCoreApplication::translate("cli", "callsetup-cli: cannot read %1: %2")
                .arg(name, problem.reason));
        return ExitUsage;
    }
    const PagerFile pagers = readPagerCsv(*contents);
    if (!pagers.problems.isEmpty()) {
        // A file of bad rows lists the first of them, not every one.
        const qsizetype shown = std::min<qsizetype>(pagers.problems.size(), ProblemsListed);
        for (const RowProblem& p : pagers.problems.first(shown))
            say(p.line > 0 ? QCoreApplication::translate("cli", "line %1: %2")
                                 .arg(QString::number(p.line), p.message)
                           : p.message);
        if (pagers.problems.size() > shown)
            say(QCoreApplication::translate("cli", "and %1 more")
                    .arg(pagers.problems.size() - shown));
        say(QCoreApplication::translate("cli", "%1: nothing was sent").arg(name));
        return ExitUsage;
    }
    const int total = int(pagers.rows.size());
    if (!options_.backup.isEmpty())
        return onBackup([&](ImageEdits& edits) {
            for (const PagerRow& row : pagers.rows)
                if (Outcome o = edits.setPager(row.number, row.address, row.model, row.polarity,
                                               row.rate, row.tone);
                    !o.done())
                    return o;
            return Outcome::success();
        });
    if (options_.dryRun) {
        say(QCoreApplication::translate("cli", "%1: %2 pagers, every row can be sent")
                .arg(name, QString::number(total)));
        return ExitDone;
    }

    catchStops();
    BatchControl control;
    control.progress = [&](int done, int all) {
        progress_.showProgress(
            QCoreApplication::translate("cli", "pagers %1/%2").arg(done).arg(all), done, 0, all);
    };
    control.stop = &CliSession::stopRequested;
    const PagerLoadEnd end = loadPagers(commands_, pagers.rows, control);
    if (end.outcome.done()) {
        progress_.clearLine();
        say(QCoreApplication::translate("cli", "%1 pagers set").arg(total));
        return ExitDone;
    }
    const int status = finish(end.outcome);
    const PagerRow& next = pagers.rows[end.written];
    say(end.outcome.ending == Ending::Stopped
            ? QCoreApplication::translate("cli", "stopped before line %1 (pager %2); %3")
                  .arg(QString::number(next.line), next.number, rowsSet(pagers.rows, end.written))
            : QCoreApplication::translate("cli", "line %1 (pager %2) failed; %3")
                  .arg(QString::number(next.line), next.number, rowsSet(pagers.rows, end.written)));
    return status;
}

int CliSession::tablesLearn()
{
    const QStringList& p = options_.pagers;
    const TableFields fields{options_.key, p.value(0), p.value(1), p.value(2)};
    // The values sent with every table are checked before the port is opened.
    const auto checked = checkTable(QString::number(options_.firstTable), fields.key, fields.pager1,
                                    fields.pager2, fields.pager3);
    if (!checked)
        return finish(checked.problem().outcome());
    catchStops();
    LearningEvents events;
    events.waiting = [&](int table, int attempt) {
        // The prompt window's words follow on the same line.
        progress_.clearLine();
        writeUtf8(err_,
                  attempt == 1
                      ? QCoreApplication::translate("cli", "table %1: ").arg(table)
                      : QCoreApplication::translate("cli", "table %1 (again): ").arg(table));
    };
    events.learned = [&](int table, const QByteArray& code) {
        print(QCoreApplication::translate("cli", "table %1: caller %2\n")
                  .arg(QString::number(table), QString::fromLatin1(code.toHex().toUpper())));
        if (progress_.terminal())
            writeUtf8(err_, QStringLiteral("\a"));
    };
    BatchControl control;
    control.stop = &CliSession::stopRequested;
    const int first = options_.firstTable, last = options_.lastTable;
    const LearningEnd end = learnTables(commands_, first, last, fields, options_.tries, control,
                                        events);

    const int all = last - first + 1;
    const QString learned = end.learned == 0
        ? QCoreApplication::translate("cli", "no table learned")
        : QCoreApplication::translate("cli", "tables %1 to %2 learned")
              .arg(first)
              .arg(first + end.learned - 1);
    const QString count = QCoreApplication::translate("cli", "%1 of %2").arg(end.learned).arg(all);
    if (end.outcome.done()) {
        say(QCoreApplication::translate("cli", "%1 tables learned").arg(all));
        return printed(ExitDone);
    }
    // A run that gave up on unanswered requests says why in its own line.
    const bool unanswered = end.outcome.cause == Cause::Unanswered;
    const int status = unanswered ? exitStatus(end.outcome.ending) : finish(end.outcome);
    if (end.outcome.ending == Ending::Stopped)
        say(QCoreApplication::translate("cli", "stopped: %1 (%2); table %3 was not learned")
                .arg(learned, count, QString::number(end.nextTable)));
    else if (unanswered)
        say(QCoreApplication::translate(
                "cli",
                "table %1: %2 requests went unanswered: no caller key was pressed, or no "
                "host unit answers; %3 (%4)")
                .arg(QString::number(end.nextTable), QString::number(end.attempts), learned,
                     count));
    else
        say(QCoreApplication::translate("cli", "ended at table %1: %2 (%3)")
                .arg(QString::number(end.nextTable), learned, count));
    return printed(status);
}

} // namespace cs::cli
