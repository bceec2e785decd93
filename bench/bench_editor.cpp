// Editor benchmark: the editor of the held host image opened over an image
// with 254 pagers and 512 tables and painted, then its tables tab shown and
// painted, and one edit mirrored into every grid. Goal: opening and showing
// both grids <= 100 ms.
//
//   bench_editor [runs]    (default 15; QT_QPA_PLATFORM=offscreen without a display)

#include "BenchSupport.h"
#include "reports/EditSession.h"
#include "shared/AppState.h"
#include "ui/EditorWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every pager number 1..254 set, 512 tables with distinct numbers and codes.
void fullImage(cs::Buffer& image)
{
    image.fill(0xFF);
    for (int n = 1; n <= 254; ++n) {
        std::uint8_t* r = &image[size_t(5 * (n - 1))];
        r[0] = std::uint8_t("BCDEFHIJKMQU"[n % 12] + (n % 2 ? 0x20 : 0));
        r[1] = 0x12;
        r[2] = 0x34;
        r[3] = std::uint8_t((n / 10 % 10) << 4 | n % 10);
        r[4] = std::uint8_t((n % 10) << 4 | n % 4);
    }
    for (int k = 0; k < 512; ++k) {
        std::uint8_t* r = &image[size_t(1280 + 9 * k)];
        const int number = k + 1;
        r[0] = 0x0A;
        r[1] = std::uint8_t(k >> 8);
        r[2] = std::uint8_t(k);
        r[3] = std::uint8_t(number >> 8);
        r[4] = std::uint8_t(number);
        r[5] = std::uint8_t(1 + k % 254);
        r[6] = std::uint8_t(1 + (k + 1) % 254);
        r[7] = 0xFF;
        r[8] = std::uint8_t(k % 100);
    }
    image[8190] = 0x02; // TableCount 512
    image[8191] = 0x00;
}

} // namespace

int main(int argc, char** argv)
{
    cs::bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    cs::bench::VirtualUnit rig;
    cs::AppState& state = rig.state;
    cs::bench::PrintUi& ui = rig.ui;
    cs::EditSession session(state, rig.link, rig.portControl, ui);
    fullImage(state.HostImage);
    state.HostImageLoaded = state.ImageDataPresent = true;
    session.replaced(QString());

    std::vector<double> open, tables, edit;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        auto window = std::make_unique<cs::ui::EditorWindow>(session, ui);
        window->show();
        window->repaint();
        QApplication::processEvents();
        open.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        window->findChild<QTabWidget*>()->setCurrentIndex(cs::ui::EditorWindow::Tables);
        window->repaint();
        QApplication::processEvents();
        tables.push_back(t.nsecsElapsed() / 1e6);

        const int rows = window->grid(cs::ui::EditorWindow::Tables)->model()->rowCount();
        const int pagers = window->grid(cs::ui::EditorWindow::Pagers)->model()->rowCount();
        if (rows != 512 || pagers != 254) {
            std::fprintf(stderr, "unexpected grids: %d pagers, %d tables\n", pagers, rows);
            return 1;
        }

        t.restart();
        if (!session.setTableKey(r % 512, QString::number((r % 512 % 100 + 1) % 100)).done())
            return 1;
        window->repaint();
        QApplication::processEvents();
        edit.push_back(t.nsecsElapsed() / 1e6);
        session.undo();
    }
    const double shown = cs::bench::median(open) + cs::bench::median(tables);
    std::printf("editor, 254 pagers and 512 tables, %d runs (median): open and paint the pagers "
                "%.2f ms, show the tables %.2f ms, together %.2f ms (goal <= 100 ms) %s; one edit "
                "mirrored %.2f ms\n",
                runs, cs::bench::median(open), cs::bench::median(tables), shown,
                shown <= 100.0 ? "OK" : "SLOW", cs::bench::median(edit));
    return shown <= 100.0 ? 0 : 2;
}
