#include "cli/CliSession.h"
#include "cli/CliHelp.h"
#include "link/TestView.h"
#include "memory/Backups.h"
#include "reports/BackupDocument.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace cs::cli {

namespace {

volatile std::sig_atomic_t stopSignals = 0;

// The first Ctrl+C asks the operation to stop after the block or row in
// progress; a second one ends the program at once.
void onStop(int signal)
{
    if (stopSignals) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    stopSignals = 1;
}

// monitor: termination signals reach the event loop through a pipe.
int signalPipe[2] = {-1, -1};

void onMonitorStop(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

int exitStatus(Ending ending)
{
    switch (ending) {
    case Ending::Done: return ExitDone;
    case Ending::Refused: return ExitUsage;
    case Ending::Failed:
    case Ending::Stopped: break;
    }
    return ExitFailed;
}

CliSession::CliSession(const Options& options, std::FILE* out, std::FILE* err, bool terminal,
                       bool askable)
    : options_(options)
    , out_(out)
    , err_(err)
    , progress_(err, terminal)
    , feedback_(err, progress_)
    , portControl_(state_, line_, deviceMapFor(options.port))
    , link_(state_, line_, waiter_, feedback_)
    , commands_(link_, portControl_)
    , askable_(askable)
{
    portControl_.setPortText(portTextFor(options.port));
    link_.setFastReplies(options.fast);
}

int CliSession::run()
{
    if (!options_.backup.isEmpty())
        return edit();
    switch (options_.command) {
    case Command::Read: return read();
    case Command::Write: return write();
    case Command::Report: return report();
    case Command::Dump: return dump();
    case Command::Diff: return diff();
    case Command::Monitor: return monitor();
    case Command::PagerSet: return pagerSet();
    case Command::PagerDelete: return pagerDelete();
    case Command::TableSet: return tableSet();
    case Command::TableDelete: return tableDelete();
    case Command::Mode: return mode();
    case Command::Init: return init();
    case Command::PagersLoad: return pagersLoad();
    case Command::TablesLearn: return tablesLearn();
    case Command::Ports: return ports();
    case Command::TableEdit:
    case Command::TableMove:
    case Command::Set:
    case Command::Apply: return edit(); // refused when parsed without --backup
    case Command::Schema: print(documentSchema()); break;
    case Command::Help:
        print(options_.topic.isEmpty() ? usageText() : commandHelpText(options_.topic));
        break;
    case Command::Version:
        print(QStringLiteral("callsetup-cli %1\n").arg(QCoreApplication::applicationVersion()));
        break;
    case Command::Manual: print(manualPage()); break;
    case Command::Completion:
        print(options_.topic == QLatin1String("ports") ? portWords() : bashCompletion());
        break;
    }
    return printed(ExitDone);
}

int CliSession::finish(const Outcome& outcome)
{
    progress_.clearLine();
    if (!outcome.message.isEmpty())
        say(ConsoleFeedback::messageLine(outcome.message));
    if (!outcome.detail.isEmpty())
        say(outcome.detail);
    if (outcome.ending == Ending::Failed && outcome.message.isEmpty()) {
        // The unit answered in a way no message covers.
        say(outcome.cause == Cause::NoReply
                ? QCoreApplication::translate("cli", "no reply from the host unit")
                : QCoreApplication::translate("cli", "the host unit gave an unexpected reply"));
    }
    return exitStatus(outcome.ending);
}

int CliSession::command(const std::function<Outcome()>& run)
{
    progress_.show(QCoreApplication::translate("cli", "waiting for the host unit…"));
    return finish(run());
}

void CliSession::print(const QByteArray& bytes)
{
    if (!outputFailed_ && !writeBytes(out_, bytes))
        outputFailed_ = true;
}

int CliSession::printed(int status)
{
    if (!outputFailed_)
        return status;
    say(QCoreApplication::translate("cli",
                                    "callsetup-cli: standard output could not be written: %1")
            .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return ExitFailed;
}

void CliSession::catchStops()
{
    stopSignals = 0;
    struct sigaction action { };
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

bool CliSession::stopRequested()
{
    return stopSignals != 0;
}

int CliSession::monitor()
{
    if (Outcome opened = portControl_.EnsurePortOpen(); !opened.done())
        return finish(opened);

    if (::pipe(signalPipe) != 0)
        return ExitFailed;
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction action { };
    action.sa_handler = onMonitorStop;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    int result = ExitDone;
    QSocketNotifier stop(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, [] { QCoreApplication::exit(ExitDone); });

    // Timer1 of the test view: every 10 ms, whatever arrived becomes hex lines.
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (!state_.PortIsOpen || !line_.isOpen()) {
            // The line went away (adapter unplugged, far end gone).
            say(portControl_.statusText());
            result = ExitFailed;
            QCoreApplication::exit(ExitFailed);
            return;
        }
        const QByteArray bytes = line_.readAll();
        if (!bytes.isEmpty())
            print(TestView::hexLines(bytes));
    });
    tick.start();
    const int code = QCoreApplication::exec();
    tick.stop();
    // Bytes that arrived up to the signal are still shown.
    if (result == ExitDone && line_.isOpen()) {
        const QByteArray bytes = line_.readAll();
        if (!bytes.isEmpty())
            print(TestView::hexLines(bytes));
    }
    line_.close();
    return printed(code == ExitDone ? result : code);
}

} // namespace cs::cli
