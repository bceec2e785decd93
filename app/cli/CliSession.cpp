#include "cli/CliSession.h"
#include "link/TestView.h"
#include "memory/BackupFile.h"
#include "memory/Verify.h"
#include "reports/ReportView.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace cs::cli {

namespace {

// The data backup window's own messages, in its translation context.
QString windowText(const char* source)
{
    return QCoreApplication::translate("BackupWindow", source);
}

// Termination signals reach the event loop through a pipe.
int signalPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// While a progress line is on the terminal, an interrupt first ends that line
// so the shell prompt starts on a fresh one, then takes its usual course.
void onInterruptDuringProgress(int signal)
{
    [[maybe_unused]] const auto n = ::write(STDERR_FILENO, "\n", 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

CliSession::CliSession(const Options& options, std::FILE* out, std::FILE* err, bool showProgress,
                       bool askable)
    : options_(options)
    , out_(out)
    , err_(err)
    , progress_(view_, err)
    , ui_(err, showProgress ? &progress_ : nullptr)
    , portControl_(state_, line_, ui_, deviceMapFor(options.port))
    , link_(state_, line_, waiter_, ui_)
    , backup_(link_, portControl_, view_)
    , commands_(link_, portControl_)
    , showProgress_(showProgress)
    , askable_(askable)
{
    portControl_.setPortText(portTextFor(options.port));
    link_.setFastReplies(options.fast);
    backup_.load();
}

int CliSession::run()
{
    switch (options_.command) {
    case Command::Read:
        return read();
    case Command::Write:
        return write();
    case Command::Report:
        return report();
    case Command::Dump:
        return dump();
    case Command::Monitor:
        return monitor();
    case Command::PagerSet:
        return pagerSet();
    case Command::PagerDelete:
        return pagerDelete();
    case Command::TableSet:
        return tableSet();
    case Command::TableDelete:
        return tableDelete();
    case Command::Mode:
        return mode();
    case Command::Init:
        return init();
    case Command::PagersLoad:
        return pagersLoad();
    case Command::TablesLearn:
        return tablesLearn();
    case Command::Diff:
        return diff();
    case Command::Ports:
        return ports();
    case Command::Help:
        break;
    }
    if (options_.helpTopic == QLatin1String("--version"))
        writeUtf8(out_, QStringLiteral("callsetup-cli %1\n").arg(QCoreApplication::applicationVersion()));
    else
        writeUtf8(out_, options_.helpTopic.isEmpty() ? usageText() : commandHelpText(options_.helpTopic));
    return ExitDone;
}

int CliSession::read()
{
    // The save would refuse the name only after the whole read: refuse it first.
    if (!hasBackupExtension(options_.file)) {
        ui_.messageBox(windowText("保存文件的扩展名必须为.cat！"), StyleStop, windowText("错误"));
        return ExitFailed;
    }
    ui_.setFileName(options_.file);
    withProgress([this] { backup_.readHost(); });
    if (ui_.failed || !state_.HostImageLoaded)
        return ExitFailed;
    backup_.saveFile();
    return status();
}

// Runs a long operation with the progress line on a terminal.
void CliSession::withProgress(const std::function<void()>& operation)
{
    if (showProgress_) {
        std::signal(SIGINT, onInterruptDuringProgress);
        std::signal(SIGTERM, onInterruptDuringProgress);
        progress_.begin();
    }
    operation();
    if (showProgress_)
        progress_.end();
}

int CliSession::write()
{
    ui_.setFileName(options_.file);
    backup_.openFile();
    if (ui_.failed || !state_.HostImageLoaded)
        return ExitFailed;
    if (!options_.verify) {
        withProgress([this] { backup_.download(); });
        return status();
    }
    std::optional<CellDifference> difference;
    withProgress([&] { difference = downloadAndVerify(backup_, state_); });
    if (!difference)
        return ExitFailed;
    if (difference->count > 0) {
        say(QCoreApplication::translate("cli", "verify: %1 cells differ from %2, the first at "
                                               "address 0x%3")
                .arg(difference->count)
                .arg(options_.file)
                .arg(difference->first, 4, 16, QLatin1Char('0')));
        return ExitFailed;
    }
    say(QCoreApplication::translate("cli", "verify: the unit holds what %1 holds")
            .arg(options_.file));
    return ExitDone;
}

void CliSession::say(const QString& line)
{
    progress_.clearLine();
    writeUtf8(err_, line + QLatin1Char('\n'));
}

int CliSession::command(const std::function<RunEnd()>& run)
{
    if (showProgress_)
        progress_.show(QCoreApplication::translate("cli", "waiting for the host unit…"));
    const RunEnd end = run();
    progress_.clearLine();
    switch (end) {
    case RunEnd::Succeeded:
        return ExitDone;
    case RunEnd::Refused:
        return ExitUsage;
    default:
        return ExitFailed;
    }
}

bool CliSession::loadFile()
{
    const QString& name = options_.file;
    if (!hasBackupExtension(name)) {
        ui_.messageBox(windowText("请选择.cat文件"), StyleStop, windowText("错误"));
        return false;
    }
    const std::optional<QByteArray> bytes = readBackupFile(name);
    if (!bytes) {
        ui_.messageBox(windowText("文件%1打开失败！").arg(name), StyleStop, windowText("错误"));
        return false;
    }
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes->constData()), HostMemorySize,
                state_.HostImage.begin());
    state_.HostImageLoaded = true;
    state_.ImageDataPresent = true;
    return true;
}

int CliSession::report()
{
    if (options_.format != QLatin1String("text"))
        return formattedReport();
    if (!loadFile())
        return ExitFailed;
    showReport(view_, state_, ui_, options_.reportKind);
    if (ui_.failed)
        return ExitFailed;
    writeUtf8(out_, view_.text1);
    return ExitDone;
}

int CliSession::dump()
{
    if (!loadFile())
        return ExitFailed;
    backup_.memoryDump();
    if (ui_.failed)
        return ExitFailed;
    writeUtf8(out_, view_.text1);
    return ExitDone;
}

int CliSession::monitor()
{
    portControl_.EnsurePortOpen();
    if (!state_.PortIsOpen)
        return ExitFailed;

    if (::pipe(signalPipe) != 0)
        return ExitFailed;
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
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
            writeUtf8(err_, portControl_.statusText() + QLatin1Char('\n'));
            result = ExitFailed;
            QCoreApplication::exit(ExitFailed);
            return;
        }
        const QByteArray bytes = line_.readAll();
        if (!bytes.isEmpty())
            writeUtf8(out_, TestView::hexLines(bytes));
    });
    tick.start();
    const int code = QCoreApplication::exec();
    tick.stop();
    // Bytes that arrived up to the signal are still shown.
    if (result == ExitDone && line_.isOpen()) {
        const QByteArray bytes = line_.readAll();
        if (!bytes.isEmpty())
            writeUtf8(out_, TestView::hexLines(bytes));
    }
    line_.close();
    return code == ExitDone ? result : code;
}

} // namespace cs::cli
