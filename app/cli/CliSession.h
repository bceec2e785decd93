#pragma once
// One run of callsetup-cli: the core the windows use (state, serial line,
// waiter, port control, link, commands), one operation of it, and what that
// operation did turned into lines and an exit status.

#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "commands/Commands.h"
#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "memory/Transfers.h"
#include "reports/ImageEdits.h"
#include "shared/AppState.h"

#include <cstdio>
#include <functional>

namespace cs::cli {

// The exit status, by one rule: 0 done (an empty list too); 1 attempted and
// failed (port, line, unit, a file or standard output that could not be
// written, stopped on request); 2 refused before anything was sent (wrong
// usage, a refused value, bad file rows, an input file that is missing,
// unreadable or misnamed, a declined question).
enum ExitCode : int { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };
int exitStatus(Ending ending);

class CliSession {
public:
    // Reports and dumps go to `out`, messages and the progress line to `err`;
    // the progress line is drawn only when `terminal` is set (standard error
    // is a terminal). `askable`: standard input and standard error are
    // terminals, so a question can be asked and seen.
    CliSession(const Options& options, std::FILE* out, std::FILE* err, bool terminal,
               bool askable = false);

    // Runs the command; returns the exit status. monitor needs a running
    // QCoreApplication event loop and returns when a termination signal arrives.
    int run();

private:
    // Backup files and the unit's memory (CliFiles.cpp, CliTransfers.cpp).
    int read();
    int write();
    int report();
    int dump();
    int diff();
    // The main window's commands (CliMainCommands.cpp).
    int pagerSet();
    int pagerDelete();
    int tableSet();
    int tableDelete();
    int mode();
    int init();
    // Batch work (CliBatch.cpp), the ports (CliPorts.cpp), the line (here).
    int pagersLoad();
    int tablesLearn();
    int ports();
    int monitor();
    // The commands on a backup (CliEdits.cpp): --backup, --output, --dry-run.
    int edit();
    int onBackup(const std::function<Outcome(ImageEdits&)>& change);
    // COM1 to COM8 and the devices present, one a line, for the completion of --port.
    QString portWords();

    // Says what an outcome holds (its message, the system's reason) and gives
    // its exit status.
    int finish(const Outcome& outcome);
    // Runs one command with a "waiting" line on a terminal.
    int command(const std::function<Outcome()>& run);
    // Writes to standard output; a failed write is remembered.
    void print(const QByteArray& bytes);
    void print(const QString& text) { print(text.toUtf8()); }
    // The exit status after writing to standard output: ExitFailed with its
    // message when a write failed, else `status`.
    int printed(int status);
    void say(const QString& line) { feedback_.say(line); }
    // The progress of a transfer on the terminal, under the window's caption.
    TransferControl transferProgress(const QString& caption, int maximum);
    // Says how far a download that did not complete got.
    void downloadSummary(const Outcome& outcome);
    // A long operation: the first Ctrl+C asks it to stop after the block or
    // row in progress, a second one ends the program at once.
    void catchStops();
    static bool stopRequested();

    Options options_;
    std::FILE* out_;
    std::FILE* err_;
    AppState state_;
    SerialLine line_;
    EventLoopWaiter waiter_;
    ProgressDisplay progress_;
    ConsoleFeedback feedback_;
    PortControl portControl_;
    Link link_;
    Commands commands_;
    bool askable_;
    bool outputFailed_ = false;
};

} // namespace cs::cli
