// Memory dump benchmark: builds the dump of a full 8192-byte host image and
// sets it into the data backup window's text box, painted. Goal: <= 100 ms.
//
//   bench_dump [runs]    (default 15; QT_QPA_PLATFORM=offscreen without a display)

#include "BenchSupport.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "memory/MemoryDump.h"
#include "shared/AppState.h"
#include "shared/Ui.h"
#include "sim/HostUnit.h"
#include "sim/SimPort.h"
#include "sim/VirtualClock.h"
#include "ui/BackupWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    cs::AppState state;
    cs::sim::VirtualClock clock;
    cs::sim::HostUnit unit;
    cs::sim::SimPort port(clock, unit);
    cs::bench::PrintUi ui;
    ui.verbose = true;
    cs::PortControl portControl(state, port, [](int n) { return QStringLiteral("COM%1").arg(n); });
    cs::Link link(state, port, clock, ui);
    cs::ui::BackupWindow window(link, portControl, ui);
    window.show();
    QApplication::processEvents();

    state.ImageDataPresent = true;
    state.HostImageLoaded = true;
    auto* text1 = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));

    std::vector<double> build, total;
    for (int r = 0; r < runs; ++r) {
        for (int a = 0; a < cs::HostMemorySize; ++a)
            state.HostImage[size_t(a)] = std::uint8_t(a * 7 + r * 13);
        window.view().text1.clear();
        window.view().update();
        QApplication::processEvents();

        QElapsedTimer t;
        t.start();
        const QString text = cs::dumpText(state.HostImage, cs::HostMemorySize);
        build.push_back(t.nsecsElapsed() / 1e6);
        if (text.isEmpty())
            return 1;

        t.restart();
        window.backup().memoryDump(); // builds again and sets it into Text1
        text1->repaint();
        QApplication::processEvents();
        total.push_back(t.nsecsElapsed() / 1e6);
        if (text1->document()->blockCount() != 513) {
            std::fprintf(stderr, "unexpected dump: %d lines\n", text1->document()->blockCount());
            return 1;
        }
    }
    const double m = median(total);
    std::printf("dump of 8192 bytes, %d runs (median): build %.2f ms, build + set + paint %.2f ms "
                "(goal <= 100 ms) %s\n",
                runs, median(build), m, m <= 100.0 ? "OK" : "SLOW");
    return m <= 100.0 ? 0 : 2;
}
