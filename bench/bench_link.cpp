// Exchange benchmark over a pseudo-terminal against the simulated host unit
// program: how long one exchange takes beyond its wait, how much CPU the waits
// burn, and the peak memory of the process.
//
//   bench_link [exchanges]    (default 50)

#include "BenchSupport.h"
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
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    QProcess sim;
    const QString device = cs::bench::startSimulator(sim);
    if (device.isEmpty()) {
        std::fprintf(stderr, "cannot start the simulated host unit\n");
        return 1;
    }

    cs::AppState state;
    cs::SerialLine port;
    cs::EventLoopWaiter waiter;
    cs::bench::PrintUi ui;
    cs::PortControl portControl(state, port, [&](int) { return device; });
    cs::Link link(state, port, waiter, ui);
    portControl.EnsurePortOpen();
    if (!state.PortIsOpen)
        return 1;

    const double wait = 0.2;
    std::vector<double> overheadMs;
    int replies = 0;
    const double cpu0 = cs::bench::cpuSeconds();
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
    const double cpu = cs::bench::cpuSeconds() - cpu0;
    std::sort(overheadMs.begin(), overheadMs.end());

    std::printf("exchanges:            %d (%d replies accepted)\n", count, replies);
    std::printf("overhead above wait:  median %.3f ms, max %.3f ms (goal <= 2 ms)\n",
                overheadMs[overheadMs.size() / 2], overheadMs.back());
    std::printf("CPU during exchanges: %.3f s of %.3f s wall = %.2f %% (goal <= 1 %%)\n", cpu, wall,
                100.0 * cpu / wall);
    std::printf("peak memory:          %.1f MB\n", cs::bench::peakMegabytes());
    sim.terminate();
    sim.waitForFinished(2000);
    return replies == count ? 0 : 1;
}
