#pragma once
// Files of the batch work as the windows run it: the pager list of the host
// image exported as a pager file (exactly what the command line's
// `report pagers --format csv` writes), and two backups compared.

#include "reports/BackupDiff.h"
#include "shared/AppState.h"
#include "shared/Outcome.h"
#include "shared/Ui.h"

#include <QString>

namespace cs {

// Writes the pager list of HostImage to `path`: Refused when no host image
// was read or opened, Failed when the file cannot be written (an existing file
// stays as it was), Done with the name.
Outcome writePagerList(const AppState& state, const QString& path);

// writePagerList to a file chosen in the pager file dialog, with its box;
// nothing happens when the dialog is cancelled.
Outcome exportPagerList(const AppState& state, Ui& ui);

struct BackupComparison {
    Outcome outcome;             // Refused (with the open failure box) when a file cannot be read
    BackupDifference difference; // of the second backup against the first
    QString summary;             // "两个备份相同。" or the count of differing bytes
};

BackupComparison compareBackups(const QString& first, const QString& second);

} // namespace cs
