#pragma once
// The reports of a host memory image in forms for other programs, the same in
// every language: CSV for the pager and table lists (the pager CSV is exactly
// what a pager file takes, so the pagers of a backup can be entered into
// another unit) and JSON for every kind, with the lists' export words. Text is
// the window's own report (Reports.h).

#include "reports/ReportKinds.h"

#include <QByteArray>
#include <QJsonObject>

namespace cs {

// A UTF-8 byte-order mark, the pager file header and one row per present
// pager with the lists' export words, LF line ends. Model, rate or tone the
// image does not name are written as "?", address nibbles above 9 as their hex
// letter: such a row is refused when loaded, not silently changed.
QByteArray pagerCsv(const HostMemory& host);
// A byte-order mark, "table,feature,pager1,pager2,pager3,key" and one row per
// table; empty cells for slots that are not set.
QByteArray tableCsv(const HostMemory& host);

// Everything a backup holds: one member per kind, by its name, and "version",
// the format version of the document that applyDocument reads back
// (BackupDocument.h).
QJsonObject backupJson(const HostMemory& host);

} // namespace cs
