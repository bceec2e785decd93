// Backup files without the line: reports in the window's words or as CSV and
// JSON, the memory dump, and the differences between two backups.

#include "cli/CliSession.h"
#include "memory/Backups.h"
#include "memory/MemoryDump.h"
#include "reports/BackupDiff.h"
#include "reports/ReportFormats.h"
#include "reports/ReportView.h"

#include <QJsonDocument>

namespace cs::cli {

int CliSession::report()
{
    Buffer image{};
    if (Outcome loaded = loadBackup(options_.file, image); !loaded.done())
        return finish(loaded);
    const HostMemory host(image);
    const ReportKindInfo* kind = reportKindNamed(options_.reportKind);
    if (options_.format == QLatin1String("csv")) {
        print(kind->csv(host));
        return printed(ExitDone);
    }
    if (options_.format == QLatin1String("json")) {
        print(QJsonDocument(kind->jsonDocument(host)).toJson(QJsonDocument::Indented));
        return printed(ExitDone);
    }
    const Report report = buildReport(*kind, host);
    // A report with nothing to list (no tables) says so where the list would
    // stand, as the pager report does.
    if (report.nothingToList) {
        printLines(report.outcome.message.text);
        return printed(ExitDone);
    }
    printLines(report.text);
    return printed(finish(report.outcome));
}

int CliSession::dump()
{
    Buffer image{};
    if (Outcome loaded = loadBackup(options_.file, image); !loaded.done())
        return finish(loaded);
    printLines(dumpText(image, HostMemorySize));
    return printed(ExitDone);
}

int CliSession::diff()
{
    const QString names[2] = {options_.file, options_.values.value(0)};
    Buffer images[2] = {};
    for (int i = 0; i < 2; ++i)
        if (Outcome loaded = loadBackup(names[i], images[i]); !loaded.done())
            return finish(loaded);
    const BackupDifference difference = backupDiff(images[0], images[1]);
    if (difference.cells == 0)
        return ExitDone;
    print(QStringLiteral("--- ") + names[0] + QStringLiteral("\n+++ ") + names[1]
          + QLatin1Char('\n') + difference.text);
    return printed(ExitFailed);
}

} // namespace cs::cli
