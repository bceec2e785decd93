// Exchange benchmark over a pseudo-terminal against the simulated host unit
// program: how long one exchange takes beyond its wait, how much CPU the waits
// burn, and the peak memory of the process.
//
//   bench_link [exchanges]    (default 50)

#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "shared/AppState.h"
#include "shared/Ui.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

class SilentUi : public cs::Ui {
public:
    int messageBox(const QString& text, int, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return cs::AnswerOk;
    }
    void setFocus(const QString&) override {}
    void showPrompt(const QString&) override {}
    void hidePrompt(const QString&) override {}
    void repaint() override {}
    QString chooseSaveFile() override { return {}; }
    QString chooseOpenFile() override { return {}; }
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    QProcess sim;
    sim.start(QStringLiteral(CALLSETUP_SIM_PATH), {});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "cannot start the simulated host unit\n");
        return 1;
    }
    const QString device = QString::fromUtf8(sim.readLine()).trimmed();

    cs::AppState state;
    cs::SerialLine port;
    cs::EventLoopWaiter waiter;
    SilentUi ui;
    cs::PortControl portControl(state, port, ui, [&](int) { return device; });
    cs::Link link(state, port, waiter, ui);
    portControl.EnsurePortOpen();
    if (!state.PortIsOpen)
        return 1;

    const double wait = 0.2;
    std::vector<double> overheadMs;
    int replies = 0;
    const double cpu0 = cpuSeconds();
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        link.setRequest(0x08, {});
        link.SendFrame();
        state.ReplyRounds = 1;
        state.ReplyWaitSeconds = wait;
        link.WaitReply();
        overheadMs.push_back(double(t.nsecsElapsed()) / 1e6 - wait * 1000);
        replies += state.ReplyOk ? 1 : 0;
        state.ReplyOk = false;
    }
    const double wall = double(total.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    std::sort(overheadMs.begin(), overheadMs.end());

    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("exchanges:            %d (%d replies accepted)\n", count, replies);
    std::printf("overhead above wait:  median %.3f ms, max %.3f ms (goal <= 2 ms)\n",
                overheadMs[overheadMs.size() / 2], overheadMs.back());
    std::printf("CPU during exchanges: %.3f s of %.3f s wall = %.2f %% (goal <= 1 %%)\n", cpu, wall,
                100.0 * cpu / wall);
    std::printf("peak memory:          %.1f MB\n", double(u.ru_maxrss) / 1024.0);
    sim.terminate();
    sim.waitForFinished(2000);
    return replies == count ? 0 : 1;
}
