// The unit's memory: read into a backup file, and a backup downloaded into it.

#include "cli/CliSession.h"
#include "memory/BackupFile.h"
#include "memory/Backups.h"
#include "memory/DataBackup.h"

#include <QCoreApplication>

namespace cs::cli {

TransferControl CliSession::transferProgress(const QString& caption, int maximum)
{
    TransferControl control;
    control.started = [this, caption, maximum] { progress_.showProgress(caption, 0, 0, maximum); };
    control.progress = [this, caption, maximum](int value) {
        progress_.showProgress(caption, value, 0, maximum);
    };
    control.stop = &CliSession::stopRequested;
    return control;
}

int CliSession::read()
{
    // The save would refuse the name or its folder only after the whole read:
    // refuse them first.
    if (Outcome target = checkSaveName(options_.file); !target.done())
        return finish(target);
    catchStops();
    const TransferControl control = transferProgress(readingCaption(MemoryUnit::Host),
                                                     HostBlocks - 1);
    const Outcome read = options_.verify
        ? readHostTwice(link_, portControl_, control)
        : readMemory(link_, portControl_, MemoryUnit::Host, control);
    if (read.ending == Ending::Stopped) {
        finish(read);
        say(QCoreApplication::translate("cli", "stopped after block %1 of %2: nothing was saved")
                .arg(read.blocksDone)
                .arg(read.blocks));
        return exitStatus(read.ending);
    }
    if (!read.done())
        return finish(read);
    finish(read);
    return finish(saveBackup(state_, options_.file));
}

void CliSession::downloadSummary(const Outcome& outcome)
{
    if (!outcome.partlyWritten)
        return;
    // Blocks 0 .. blocksDone-1 were acknowledged; the block after them was sent
    // and may or may not have been stored.
    say(QCoreApplication::translate(
            "cli",
            "the download ended after %1 of %2 blocks: the host unit now holds part of "
            "the backup and part of its old memory; download the backup again")
            .arg(outcome.blocksDone)
            .arg(outcome.blocks));
}

int CliSession::write()
{
    const Outcome opened = openBackup(state_, options_.file);
    if (!opened.done())
        return finish(opened);
    finish(opened);
    catchStops();
    const TransferControl control = transferProgress(downloadingCaption(), HostBlocks - 1);
    const Outcome download = options_.verify ? downloadAndVerify(link_, portControl_, control)
                                             : downloadImage(link_, portControl_, control);
    const int status = finish(download);
    downloadSummary(download);
    return status;
}

} // namespace cs::cli
