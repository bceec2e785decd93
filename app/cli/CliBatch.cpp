// Batch work: pagers from a CSV file, and learning the callers of many tables.

#include "cli/CliSession.h"
#include "commands/PagerBatch.h"
#include "commands/TableLearning.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>

namespace cs::cli {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

// The first Ctrl+C asks the run to end after the exchange in progress; a
// second one ends the program at once.
void onStop(int signal)
{
    if (stopRequested) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    stopRequested = 1;
}

} // namespace

int CliSession::pagersLoad()
{
    QFile file(options_.file);
    if (!file.open(QIODevice::ReadOnly)) {
        say(QCoreApplication::translate("cli", "callsetup-cli: cannot read %1").arg(options_.file));
        return ExitFailed;
    }
    const PagerFile pagers = readPagerCsv(file.readAll());
    if (!pagers.problems.isEmpty()) {
        for (const RowProblem& p : pagers.problems)
            say(p.line > 0 ? QCoreApplication::translate("cli", "line %1: %2").arg(p.line).arg(p.message) : p.message);
        say(QCoreApplication::translate("cli", "%1: nothing was sent").arg(options_.file));
        return ExitFailed;
    }
    const int total = int(pagers.rows.size());
    if (options_.dryRun) {
        say(QCoreApplication::translate("cli", "%1: %2 pagers, every row can be sent").arg(options_.file).arg(total));
        return ExitDone;
    }

    ui_.quietSuccess = true;
    const PagerLoadEnd end = loadPagers(commands_, pagers.rows, [&](int done, int all) {
        if (showProgress_)
            progress_.show(progressLine(QCoreApplication::translate("cli", "pagers %1/%2").arg(done).arg(all), done, 0, all));
    });
    ui_.quietSuccess = false;
    progress_.clearLine();
    if (end.written == total) {
        say(QCoreApplication::translate("cli", "%1 pagers set").arg(total));
        return ExitDone;
    }
    const PagerRow& failed = pagers.rows[end.written];
    const QString written = end.written == 0
        ? QCoreApplication::translate("cli", "no row was written")
        : QCoreApplication::translate("cli", "rows written: lines %1 to %2 (%3 pagers)")
              .arg(pagers.rows.first().line)
              .arg(pagers.rows[end.written - 1].line)
              .arg(end.written);
    say(QCoreApplication::translate("cli", "line %1 (pager %2) failed; %3").arg(failed.line).arg(failed.number, written));
    return end.end == RunEnd::Refused ? ExitUsage : ExitFailed;
}

int CliSession::tablesLearn()
{
    stopRequested = 0;
    struct sigaction action {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    const QStringList& p = options_.pagers;
    const TableFields fields{options_.key, p.value(0), p.value(1), p.value(2)};
    LearningEvents events;
    events.waiting = [&](int table, int attempt) {
        // The prompt window's words follow on the same line.
        writeUtf8(err_, attempt == 1 ? QCoreApplication::translate("cli", "table %1: ").arg(table)
                                     : QCoreApplication::translate("cli", "table %1 (again): ").arg(table));
    };
    events.learned = [&](int table, const QByteArray& code) {
        writeUtf8(out_, QCoreApplication::translate("cli", "table %1: caller %2\n").arg(table).arg(QString::fromLatin1(
                                                              code.toHex().toUpper())));
        if (showProgress_)
            writeUtf8(err_, QStringLiteral("\a"));
    };
    ui_.quietSuccess = true;
    const int first = options_.firstTable, last = options_.lastTable;
    const LearningEnd end = learnTables(
        commands_, first, last, fields, [] { return stopRequested != 0; }, events);
    ui_.quietSuccess = false;

    const int all = last - first + 1;
    const QString learned = end.learned == 0
        ? QCoreApplication::translate("cli", "no table learned")
        : QCoreApplication::translate("cli", "tables %1 to %2 learned").arg(first).arg(first + end.learned - 1);
    const QString count = QCoreApplication::translate("cli", "%1 of %2").arg(end.learned).arg(all);
    if (end.stopped) {
        say(QCoreApplication::translate("cli", "stopped: %1 (%2); table %3 was not learned")
                .arg(learned, count)
                .arg(end.nextTable));
        return ExitFailed;
    }
    if (end.learned < all) {
        say(QCoreApplication::translate("cli", "ended at table %1: %2 (%3)").arg(end.nextTable).arg(learned, count));
        return end.end == RunEnd::Refused ? ExitUsage : ExitFailed;
    }
    say(QCoreApplication::translate("cli", "%1 tables learned").arg(all));
    return ExitDone;
}

} // namespace cs::cli
