// Memory dump benchmark: builds the dump of a full 8192-byte host image and
// sets it into the data backup window's text box, painted. Goal: <= 100 ms.
//
//   bench_dump [runs]    (default 15; QT_QPA_PLATFORM=offscreen without a display)

#include "BenchSupport.h"
#include "memory/MemoryDump.h"
#include "shared/AppState.h"
#include "shared/Ui.h"
#include "ui/BackupWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    cs::bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    cs::bench::VirtualUnit rig;
    cs::AppState& state = rig.state;
    cs::bench::PrintUi& ui = rig.ui;
    cs::ui::BackupWindow window(rig.link, rig.portControl, ui);
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
    const double m = cs::bench::median(total);
    std::printf("dump of 8192 bytes, %d runs (median): build %.2f ms, build + set + paint %.2f ms "
                "(goal <= 100 ms) %s\n",
                runs, cs::bench::median(build), m, m <= 100.0 ? "OK" : "SLOW");
    return m <= 100.0 ? 0 : 2;
}
