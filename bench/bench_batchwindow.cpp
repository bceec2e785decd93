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
    Parts<cs::SerialLine> parts(device);
    cs::ui::ImportWindow window(parts.link, parts.commands, parts.ui);
    window.show();
    window.import().check(cs::bench::pagerFile(Pagers));
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("Write"))->click();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    return cs::bench::reportPagerLoad("import window", Pagers, seconds,
                                      window.import().done == Pagers);
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
    return cs::bench::reportLearningGaps("learning window", Tables, parts.port.gapsMs,
                                         window.run().learned.size() == Tables);
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
