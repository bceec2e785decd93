#include "reports/BatchFiles.h"
#include "memory/BackupFile.h"
#include "memory/Backups.h"
#include "reports/ReportFormats.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The texts of the export, translated under the import window's context, and
// of the comparison, under the compare window's.
struct ImportText {
    Q_DECLARE_TR_FUNCTIONS(ImportWindow)
};
struct CompareText {
    Q_DECLARE_TR_FUNCTIONS(CompareWindow)
};

} // namespace

Outcome writePagerList(const AppState& state, const QString& path)
{
    if (Outcome saveable = checkSaveable(state); !saveable.done())
        return saveable;
    // Through the checks and the whole-file replacement of backup saves.
    FileProblem problem;
    if (!saveWholeFile(path, pagerCsv(HostMemory(state.HostImage)), &problem)) {
        Outcome failed = Outcome::failed(
            stopMessage(QCoreApplication::translate("BackupWindow", "文件%1保存失败！").arg(path)),
            Cause::File);
        failed.detail = problem.reason;
        return failed;
    }
    return Outcome::success(ImportText::tr("传呼机列表已导出到%1").arg(path));
}

Outcome exportPagerList(const AppState& state, Ui& ui)
{
    if (Outcome saveable = checkSaveable(state); !saveable.done()) {
        present(ui, saveable);
        return saveable;
    }
    const QString path = ui.choosePagerFile(true);
    if (path.isEmpty())
        return Outcome::stopped(); // dialog cancelled
    const Outcome written = writePagerList(state, path);
    present(ui, written);
    return written;
}

BackupComparison compareBackups(const QString& first, const QString& second)
{
    BackupComparison c;
    Buffer images[2] = {};
    const QString names[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        c.outcome = loadBackup(names[i], images[i]);
        if (!c.outcome.done())
            return c;
    }
    c.difference = backupDiff(images[0], images[1]);
    c.summary = c.difference.cells == 0
        ? CompareText::tr("两个备份相同。")
        : CompareText::tr("共有%n个字节不同，每一个都列在下面。", nullptr, c.difference.cells);
    return c;
}

} // namespace cs
