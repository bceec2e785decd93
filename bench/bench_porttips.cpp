// Port tips benchmark: renewing the tooltips of the port list (COM1 to COM8),
// which the main window does as the list opens: one look at the per-user links
// and one enumeration of the ports present. The median of 50 renewals, beside
// one enumeration of Qt's list of serial ports, which each of the eight items
// once took. Set QT_QPA_PLATFORM=offscreen when there is no display.
//
//   bench_porttips [renewals]    (default 50)

#include "ui/PortTips.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <class Work> double medianMs(int runs, Work work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10 * 5;
    QComboBox ports;
    for (int n = 1; n <= 8; ++n)
        ports.addItem(QStringLiteral("COM%1").arg(n));
    const double renewal = medianMs(runs, [&] { cs::ui::renewPortTips(&ports); });
    const double qtList = medianMs(std::min(runs, 10), [] { QSerialPortInfo::availablePorts(); });
    std::printf("port tips renewed (8 items, one enumeration): median %.2f ms over %d runs "
                "(goal <= 10 ms)\n",
                renewal, runs);
    std::printf("for comparison, Qt's list of serial ports: median %.2f ms, once per item\n",
                qtList);
    return renewal <= 10 ? 0 : 1;
}
