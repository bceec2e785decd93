// The batch work from the windows against the simulated host unit program at
// its paced 9600 baud, on the real serial code and the real waits:
//
//   1. the pager import window's "写入" with 254 pagers, against the time
//      their bytes take on the line (goal: 1.1 x);
//   2. the table learning window with 20 tables: the delay from a reply
//      having been read to the next table's request leaving (goal: 50 ms).
//
// Offscreen unless QT_QPA_PLATFORM names a platform.
//
//   bench_batchwindow

#include "BenchSupport.h"
#include "link/EventLoopWaiter.h"
#include "ui/BatchWindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

namespace {

// The program's parts on one port, as Program builds them.
template <class PortType> struct Parts {
    explicit Parts(const QString& device)
        : portControl(state, port, [device](int) { return device; })
    {
    }
    cs::AppState state;
    PortType port;
    cs::EventLoopWaiter waiter;
    cs::bench::PrintUi ui;
    cs::PortControl portControl;
    cs::Link link{state, port, waiter, ui};
    cs::Commands commands{link, portControl};
};

bool pagerImport(const QString& device)
{
    constexpr int Pagers = 254;
    QByteArray csv = "number,address,model,polarity,rate,tone\n";
    for (int n = 1; n <= Pagers; ++n)
        csv += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(n)
                   .arg(1000000 + n * 37)
                   .arg(n % 4)
                   .arg(n % 2)
                   .arg(n % 3)
                   .arg(n % 4 + 1)
                   .toUtf8();
    Parts<cs::SerialLine> parts(device);
    cs::ui::ImportWindow window(parts.link, parts.commands, parts.ui);
    window.show();
    window.import().check(csv);
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("Write"))->click();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const double line = cs::bench::pagerLoadLineSeconds(Pagers);
    const bool done = window.import().done == Pagers;
    const bool met = done && seconds <= 1.1 * line;
    std::printf("import window, %d pagers: %.3f s, line time %.3f s = %.3f x"
                "   goal <= 1.1 x   %s\n",
                Pagers, seconds, line, seconds / line,
                !done     ? "FAILED"
                    : met ? "ok"
                          : "OVER");
    return met;
}

bool tableLearning(const QString& device)
{
    constexpr int Tables = 20;
    Parts<cs::bench::TimedLine> parts(device);
    cs::ui::LearningWindow window(parts.link, parts.commands, parts.ui);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("Text3_0"))->setText(QStringLiteral("1"));
    window.findChild<QLineEdit*>(QStringLiteral("LastTable"))->setText(QString::number(Tables));
    parts.port.clock.start();
    window.findChild<QPushButton*>(QStringLiteral("Start"))->click();
    std::vector<double> gaps(parts.port.gapsMs.begin() + 1, parts.port.gapsMs.end());
    std::sort(gaps.begin(), gaps.end());
    const bool done = window.run().learned.size() == Tables && gaps.size() == size_t(Tables - 1);
    const double worst = gaps.empty() ? 0 : gaps.back();
    const bool met = done && worst <= 50;
    std::printf("learning window, %d tables: reply to next request median %.2f ms, worst %.2f ms"
                "   goal <= 50 ms   %s\n",
                Tables, gaps.empty() ? 0 : gaps[gaps.size() / 2], worst,
                !done     ? "FAILED"
                    : met ? "ok"
                          : "OVER");
    return met;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QProcess sim;
    const QString device = cs::bench::startSimulator(sim, {"--press-after", "0.1"});
    if (device.isEmpty()) {
        std::fprintf(stderr, "cannot start the simulated host unit\n");
        return 1;
    }
    const bool pagers = pagerImport(device);
    const bool tables = tableLearning(device);
    sim.write("quit\n");
    sim.waitForFinished(5000);
    return pagers && tables ? 0 : 1;
}
