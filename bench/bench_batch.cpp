// Batch work against the simulated host unit program at its paced 9600 baud:
//
//   1. `callsetup-cli --fast pagers load` of 254 pagers, the wall time of the
//      whole process against the time its bytes take on the line (goal: 1.1 x);
//   2. learning 20 tables with --fast, in-process on the real serial code: the
//      delay from a reply having been read to the next table's request leaving
//      (goal: 50 ms).
//
//   bench_batch [PATH-TO-callsetup-cli]

#include "BenchSupport.h"
#include "commands/TableLearning.h"
#include "link/EventLoopWaiter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool pagersLoad(const QString& program, const QString& device, const QTemporaryDir& dir)
{
    constexpr int Pagers = 254;
    QFile file(dir.filePath(QStringLiteral("pagers.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(cs::bench::pagerFile(Pagers)) < 0)
        return false;
    file.close();

    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(program, {"--port", device, "--fast", "pagers", "load", file.fileName()});
    const bool done = cli.waitForFinished(120000) && cli.exitCode() == 0;
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const bool met = cs::bench::reportPagerLoad("pagers load --fast", Pagers, seconds, done);
    if (!done)
        std::fputs(cli.readAllStandardError().constData(), stderr);
    return met;
}

bool tablesLearn(const QString& device)
{
    constexpr int Tables = 20;
    cs::AppState state;
    cs::bench::TimedLine port;
    cs::EventLoopWaiter waiter;
    cs::bench::PrintUi ui;
    cs::PortControl portControl(state, port, [&](int) { return device; });
    cs::Link link(state, port, waiter, ui);
    link.setFastReplies(true);
    cs::Commands commands(link, portControl);
    port.clock.start();
    const cs::LearningEnd end = cs::learnTables(commands, 1, Tables, {});
    return cs::bench::reportLearningGaps("tables learn --fast", Tables, port.gapsMs,
                                         end.learned == Tables);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString program = cs::bench::cliProgram(argc, argv);
    QTemporaryDir dir;
    QProcess sim;
    const QString device = cs::bench::startSimulator(sim, {"--press-after", "0.1"});
    if (device.isEmpty() || !dir.isValid() || !QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "cannot start the simulated host unit or find %s\n",
                     qPrintable(program));
        return 1;
    }
    const bool pagers = pagersLoad(program, device, dir);
    const bool tables = tablesLearn(device);
    sim.write("quit\n");
    sim.waitForFinished(5000);
    return pagers && tables ? 0 : 1;
}
