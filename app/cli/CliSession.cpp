#include "cli/CliSession.h"
#include "cli/CliHelp.h"
#include "link/TestView.h"
#include "memory/Backups.h"
#include "shared/ErrorText.h"
#include "shared/Platform.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace cs::cli {

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
    portControl_.setPortName(portNameFor(options.port));
    link_.setFastReplies(options.fast);
}

int CliSession::run()
{
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

void CliSession::printLines(const QString& text)
{
    if (text.isEmpty())
        return;
    print(text.endsWith(QLatin1Char('\n')) ? text : text + QStringLiteral("\r\n"));
}

int CliSession::printed(int status)
{
    if (!outputFailed_)
        return status;
    say(QCoreApplication::translate("cli",
                                    "callsetup-cli: standard output could not be written: %1")
            .arg(errorText(errno)));
    return ExitFailed;
}

void CliSession::setLastWords(const QString& line)
{
    const QByteArray bytes = line.isEmpty() ? QByteArray() : progress_.lastLine(line);
    platform::setLastWords(::fileno(err_), bytes.constData(), size_t(bytes.size()));
}

void CliSession::catchStops(bool atOnce)
{
    platform::catchStopRequests(atOnce);
}

bool CliSession::stopRequested()
{
    return platform::stopRequested();
}

int CliSession::monitor()
{
    // Termination signals reach the event loop through a descriptor, from
    // before the port is open.
    const int stopSignals = platform::stopSignalDescriptor();
    if (stopSignals < 0)
        return ExitFailed;
    if (Outcome opened = portControl_.EnsurePortOpen(); !opened.done())
        return finish(opened);

    int result = ExitDone;
    QSocketNotifier stop(stopSignals, QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, [] { QCoreApplication::exit(ExitDone); });

    // Timer1 of the test view: every 10 ms, whatever arrived becomes hex lines.
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (!state_.PortIsOpen || !line_.isOpen()) {
            // The line went away (adapter unplugged, far end gone).
            say(QCoreApplication::translate("cli", "the line went away: %1 was closed")
                    .arg(options_.port));
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
