#pragma once
#include <functional>
// One run of callsetup-cli: the same objects the main window wires (state,
// serial line, waiter, port control, link, the data backup operations), driven
// by one command instead of clicks.

#include "cli/CliOptions.h"
#include "cli/ConsoleUi.h"
#include "commands/Commands.h"
#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "memory/BackupView.h"
#include "memory/DataBackup.h"
#include "shared/AppState.h"

#include <cstdio>

namespace cs::cli {

enum ExitCode : int { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };

class CliSession {
public:
    // Reports and dumps go to `out`, messages and the progress line to `err`;
    // the progress line is drawn only when `showProgress` is set (standard
    // error is a terminal). `askable`: standard input is a terminal, so a
    // question can be asked.
    CliSession(const Options& options, std::FILE* out, std::FILE* err, bool showProgress,
               bool askable = false);

    // Runs the command; returns the exit status. monitor needs a running
    // QCoreApplication event loop and returns when a termination signal arrives.
    int run();

private:
    void withProgress(const std::function<void()>& operation);
    int read();
    int write();
    int report();
    int dump();
    int monitor();
    // The main window's commands (CliMainCommands.cpp).
    int pagerSet();
    int pagerDelete();
    int tableSet();
    int tableDelete();
    int mode();
    int init();
    // Batch work (CliBatch.cpp, CliReports.cpp, CliPorts.cpp).
    int pagersLoad();
    int tablesLearn();
    int formattedReport();
    int diff();
    int ports();
    // Runs one command with a "waiting" line on a terminal; its exit status.
    int command(const std::function<RunEnd()>& run);
    // A line of the tool's own on standard error (not a message box).
    void say(const QString& line);
    // Loads the named backup into HostImage as the open operation does, without
    // the serial port; false (after its message) for a wrong name or a bad file.
    bool loadFile();
    int status() const { return ui_.failed ? ExitFailed : ExitDone; }

    Options options_;
    std::FILE* out_;
    std::FILE* err_;
    AppState state_;
    SerialLine line_;
    EventLoopWaiter waiter_;
    BackupView view_;
    ProgressDisplay progress_;
    ConsoleUi ui_;
    PortControl portControl_;
    Link link_;
    DataBackup backup_;
    Commands commands_;
    bool showProgress_;
    bool askable_;
};

} // namespace cs::cli
