#pragma once
#include <functional>
// One run of callsetup-cli: the same objects the main window wires (state,
// serial line, waiter, port control, link, the data backup operations), driven
// by one command instead of clicks.

#include "cli/CliOptions.h"
#include "cli/ConsoleUi.h"
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
    // the progress line is drawn only when `showProgress` is set.
    CliSession(const Options& options, std::FILE* out, std::FILE* err, bool showProgress);

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
    bool showProgress_;
};

} // namespace cs::cli
