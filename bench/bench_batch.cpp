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
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool pagersLoad(const QString& program, const QString& device, const QTemporaryDir& dir)
{
    constexpr int Pagers = 254;
    QString csv = QStringLiteral("number,address,model,polarity,rate,tone\n");
    for (int n = 1; n <= Pagers; ++n)
        csv += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(n)
                   .arg(1000000 + n * 37)
                   .arg(n % 4)
                   .arg(n % 2)
                   .arg(n % 3)
                   .arg(n % 4 + 1);
    QFile file(dir.filePath(QStringLiteral("pagers.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.toUtf8()) < 0)
        return false;
    file.close();

    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(program, {"--port", device, "--fast", "pagers", "load", file.fileName()});
    const bool done = cli.waitForFinished(120000) && cli.exitCode() == 0;
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const double line = cs::bench::pagerLoadLineSeconds(Pagers);
    const bool met = done && seconds <= 1.1 * line;
    std::printf("pagers load, %d pagers --fast: %.3f s, line time %.3f s = %.3f x"
                "   goal <= 1.1 x   %s\n",
                Pagers, seconds, line, seconds / line,
                !done     ? "FAILED"
                    : met ? "ok"
                          : "OVER");
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
    std::vector<double> gaps(port.gapsMs.begin() + 1, port.gapsMs.end());
    std::sort(gaps.begin(), gaps.end());
    const bool done = end.learned == Tables && gaps.size() == size_t(Tables - 1);
    const double worst = gaps.empty() ? 0 : gaps.back();
    const bool met = done && worst <= 50;
    std::printf("tables learn, %d tables --fast: reply to next request median %.2f ms, "
                "worst %.2f ms   goal <= 50 ms   %s\n",
                Tables, gaps.empty() ? 0 : gaps[gaps.size() / 2], worst,
                !done     ? "FAILED"
                    : met ? "ok"
                          : "OVER");
    return met;
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
