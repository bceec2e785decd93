#include "reports/ReportView.h"
// Placeholder body; filled in with the reports.
namespace cs {
void showReport(BackupView&, const AppState&, Ui&, int) {}
}
