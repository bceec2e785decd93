// Data backup benchmark over a pseudo-terminal against the simulated host unit
// program: the host read (64 waits of 0.2 s) and the download (64 waits of
// 0.3 s), through the same operations as the data backup window.
//
//   bench_backup [runs]    (default 1)

#include "BenchSupport.h"
#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "memory/DataBackup.h"

#include <QCoreApplication>
#include <QElapsedTimer>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 1;
    QProcess sim;
    const QString device = cs::bench::startSimulator(sim);
    if (device.isEmpty())
        return 1;

    cs::AppState state;
    cs::SerialLine line;
    cs::EventLoopWaiter waiter;
    cs::bench::PrintUi ui;
    ui.verbose = true;
    cs::PortControl portControl(state, line, [&](int) { return device; });
    cs::Link link(state, line, waiter, ui);
    cs::BackupView view;
    cs::DataBackup backup(link, portControl, view, ui);

    bool ok = true;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        ok = backup.readHost().done() && ok;
        const double read = double(t.nsecsElapsed()) / 1e9;
        t.restart();
        ok = backup.download().done() && ok;
        const double download = double(t.nsecsElapsed()) / 1e9;
        std::printf("host read: %.3f s (%.4f x 12.8 s; goal <= 1.01)   download: %.3f s (%.4f x "
                    "19.2 s; goal <= 1.01)\n",
                    read, read / 12.8, download, download / 19.2);
    }
    std::printf("peak memory: %.1f MB\n", cs::bench::peakMegabytes());
    sim.terminate();
    sim.waitForFinished(2000);
    return ok ? 0 : 1;
}
