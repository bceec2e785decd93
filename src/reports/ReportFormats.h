#pragma once
// The reports of a host memory image in forms for other programs: CSV for the
// pager and table lists (the pager CSV is exactly what a pager file takes, so
// the pagers of a backup can be entered into another unit) and JSON for every
// kind. Text is the window's own report (Reports.h).

#include "reports/MemoryLayout.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace cs {

// Short names of the report kinds in list order: "pagers", "tables", "mode", ...
QStringList reportKindNames();
// The list position of a short name, or -1.
int reportKindOf(const QString& name);

// The pager file header and one row per present pager, LF line ends. Model,
// rate or tone the image does not name are written as "?", address nibbles
// above 9 as their hex letter: such a row is refused when loaded, not
// silently changed.
QString pagerCsv(const HostMemory& host);
// "table,feature,pager1,pager2,pager3,key" and one row per table; empty cells
// for slots that are not set.
QString tableCsv(const HostMemory& host);

// One report kind as JSON (ReportReceiverFrequency needs the receiver image).
QJsonObject reportJson(int kind, const HostMemory& host);
QJsonObject receiverJson(const ReceiverMemory& receiver);
// Everything a backup holds: one member per kind, by short name.
QJsonObject backupJson(const HostMemory& host);

} // namespace cs
