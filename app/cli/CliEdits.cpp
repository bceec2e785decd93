// The commands on a backup file (--backup FILE.cat): each runs the offline
// edit of the core on the file's image, then shows what changed (--dry-run)
// or saves the image in place, or as --output names.

#include "cli/CliSession.h"
#include "memory/BackupFile.h"
#include "memory/Backups.h"
#include "reports/BackupDiff.h"
#include "reports/BackupDocument.h"

#include <QCoreApplication>

namespace cs::cli {

namespace {

// The largest document that is read (a full one is about 100 KiB).
constexpr qint64 DocumentLimit = 16 << 20;

} // namespace

int CliSession::onBackup(const std::function<Outcome(ImageEdits&)>& change)
{
    Buffer image{};
    if (Outcome loaded = loadBackup(options_.backup, image); !loaded.done())
        return finish(loaded);
    const QString target = options_.output.isEmpty() ? options_.backup : options_.output;
    if (!options_.dryRun)
        if (Outcome named = checkSaveName(target); !named.done())
            return finish(named);
    const Buffer before = image;
    ImageEdits edits(image);
    if (Outcome changed = change(edits); !changed.done())
        return finish(changed);

    if (options_.dryRun) {
        const BackupDifference difference = backupDiff(before, image);
        if (difference.cells == 0) {
            say(QCoreApplication::translate("cli", "%1: nothing would change")
                    .arg(options_.backup));
            return ExitDone;
        }
        print(QStringLiteral("--- ") + options_.backup + QStringLiteral("\n+++ ") + target
              + QLatin1Char('\n') + difference.text);
        return printed(ExitDone);
    }
    AppState state;
    state.HostImage = image;
    state.HostImageLoaded = state.ImageDataPresent = true;
    return finish(saveBackup(state, target));
}

int CliSession::edit()
{
    const QStringList& v = options_.values;
    switch (options_.command) {
    case Command::PagerSet:
        return onBackup([&](ImageEdits& e) {
            return e.setPager(v[0], v[1], options_.model, options_.polarity, options_.rate,
                              options_.tone);
        });
    case Command::PagerDelete: return onBackup([&](ImageEdits& e) { return e.deletePager(v[0]); });
    case Command::TableDelete: return onBackup([&](ImageEdits& e) { return e.deleteTable(v[0]); });
    case Command::Mode:
        return onBackup([&](ImageEdits& e) { return e.setWorkMode(options_.mode); });
    case Command::PagersLoad: return pagersLoad();
    case Command::TableEdit: {
        TableChange fields;
        if (!options_.pagers.isEmpty()) {
            const QStringList& p = options_.pagers;
            fields.pagers = {p.value(0), p.value(1), p.value(2)};
        }
        if (options_.keySet)
            fields.key = options_.key;
        return onBackup([&](ImageEdits& e) { return e.editTable(v[0], fields); });
    }
    case Command::TableMove:
        return onBackup([&](ImageEdits& e) { return e.renumberTable(v[0], v[1]); });
    case Command::Set:
        return onBackup([&](ImageEdits& e) { return e.setSetting(*editableSetting(v[0]), v[1]); });
    case Command::Apply: {
        FileProblem problem;
        const auto document = readInputFile(options_.file, DocumentLimit, &problem);
        if (!document) {
            say(QCoreApplication::translate("cli", "callsetup-cli: cannot read %1: %2")
                    .arg(options_.file, problem.reason));
            return ExitUsage;
        }
        return onBackup([&](ImageEdits& e) {
            const AppliedDocument applied = applyDocument(*document, e.image());
            if (applied.outcome.done())
                e.replace(applied.image);
            return applied.outcome;
        });
    }
    default: return ExitUsage; // refused when the arguments were parsed
    }
}

} // namespace cs::cli
