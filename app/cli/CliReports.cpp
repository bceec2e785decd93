// Reports as CSV and JSON, and the differences between two backups.

#include "cli/CliSession.h"
#include "memory/BackupFile.h"
#include "reports/BackupDiff.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <algorithm>

namespace cs::cli {

int CliSession::formattedReport()
{
    if (!loadFile())
        return ExitFailed;
    const HostMemory host(state_.HostImage);
    const int kind = options_.reportKind;
    if (kind == ReportReceiverFrequency) {
        // A backup holds no receiver memory: the window's own refusal.
        showReport(view_, state_, ui_, kind);
        return ExitFailed;
    }
    if (options_.format == QLatin1String("csv")) {
        writeUtf8(out_, kind == ReportPagers ? pagerCsv(host) : tableCsv(host));
        return ExitDone;
    }
    const QJsonObject json = kind == AllReportKinds ? backupJson(host) : reportJson(kind, host);
    writeUtf8(out_, QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)));
    return ExitDone;
}

int CliSession::diff()
{
    const QString names[2] = {options_.file, options_.values.value(0)};
    Buffer images[2] = {};
    for (int i = 0; i < 2; ++i) {
        const std::optional<QByteArray> bytes = readBackupFile(names[i]);
        if (!bytes) {
            ui_.messageBox(QCoreApplication::translate("BackupWindow", "文件%1打开失败！").arg(names[i]),
                           StyleStop, QCoreApplication::translate("BackupWindow", "错误"));
            return ExitUsage;
        }
        std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes->constData()), HostMemorySize,
                    images[i].begin());
    }
    const QString text = backupDiff(images[0], images[1]);
    if (text.isEmpty())
        return ExitDone;
    writeUtf8(out_, QStringLiteral("--- %1\n+++ %2\n").arg(names[0], names[1]) + text);
    return ExitFailed;
}

} // namespace cs::cli
