#pragma once
// Shared by the benchmark programs: a Ui that prints messages instead of
// showing boxes, the simulated host unit program on a pseudo-terminal, and
// process CPU and memory figures.

#include "link/Link.h"
#include "link/Port.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "shared/Platform.h"
#include "shared/Ui.h"
#include "sim/HostUnit.h"
#include "sim/SimPort.h"
#include "sim/VirtualClock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace cs::bench {

class PrintUi : public cs::Ui {
public:
    void message(const Message& m) override
    {
        ++boxes;
        if (verbose)
            std::fprintf(stderr, "%s: %s\n", qPrintable(titleText(m.title)), qPrintable(m.text));
    }
    bool confirm(const Message& m) override { return message(m), false; }
    void tip(const QString&, const QString&) override { }
    void setFocus(Field) override { }
    void showPrompt(Prompt) override { }
    void hidePrompt(Prompt) override { }
    QString chooseSaveFile() override { return fileName; }
    QString chooseOpenFile() override { return fileName; }
    QString choosePagerFile(bool) override { return fileName; }

    bool verbose = false;
    int boxes = 0;
    QString fileName; // what the file dialogs answer
};

// The serial line with the moment of every write and of every read that
// brought bytes.
class TimedLine : public cs::Port {
public:
    bool open(const QString& device) override { return line.open(device); }
    void close() override { line.close(); }
    bool isOpen() const override { return line.isOpen(); }
    void setRts(bool on) override { line.setRts(on); }
    bool write(const QByteArray& bytes) override
    {
        gapsMs.push_back(lastRead < 0 ? -1 : double(clock.nsecsElapsed()) / 1e6 - lastRead);
        return line.write(bytes);
    }
    QByteArray readAll() override
    {
        const QByteArray bytes = line.readAll();
        if (!bytes.isEmpty())
            lastRead = double(clock.nsecsElapsed()) / 1e6;
        return bytes;
    }

    cs::SerialLine line;
    QElapsedTimer clock;
    double lastRead = -1;
    std::vector<double> gapsMs; // per write: ms since the last bytes were read
};

constexpr double ByteSeconds = 10.0 / 9600; // 8N1
constexpr double UnitTurnaround = 0.002;    // the simulated unit's reply delay

// The time `pagers` set pager exchanges take on the line: request 20 bytes,
// reply 6 bytes and the unit's turnaround each.
inline double pagerLoadLineSeconds(int pagers)
{
    return pagers * ((20 + 6) * ByteSeconds + UnitTurnaround);
}

// A pager file of `pagers` rows that uses every list's codes.
inline QByteArray pagerFile(int pagers)
{
    QByteArray csv = "number,address,model,polarity,rate,tone\n";
    for (int n = 1; n <= pagers; ++n)
        csv += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(n)
                   .arg(1000000 + n * 37)
                   .arg(n % 4)
                   .arg(n % 2)
                   .arg(n % 3)
                   .arg(n % 4 + 1)
                   .toUtf8();
    return csv;
}

// Prints a pager load's time against its line time (goal 1.1 x); true when met.
inline bool reportPagerLoad(const char* what, int pagers, double seconds, bool done)
{
    const double line = pagerLoadLineSeconds(pagers);
    const bool met = done && seconds <= 1.1 * line;
    std::printf("%s, %d pagers: %.3f s, line time %.3f s = %.3f x   goal <= 1.1 x   %s\n", what,
                pagers, seconds, line, seconds / line,
                !done     ? "FAILED"
                    : met ? "ok"
                          : "OVER");
    return met;
}

// Prints the delays from a reply read to the next request (the first write has
// none) for `tables` learned tables (goal 50 ms); true when met.
inline bool reportLearningGaps(const char* what, int tables, const std::vector<double>& gapsMs,
                               bool learnedAll)
{
    std::vector<double> gaps(gapsMs.begin() + std::min<size_t>(1, gapsMs.size()), gapsMs.end());
    std::sort(gaps.begin(), gaps.end());
    const bool done = learnedAll && gaps.size() == size_t(tables - 1);
    const double worst = gaps.empty() ? 0 : gaps.back();
    const bool met = done && worst <= 50;
    std::printf("%s, %d tables: reply to next request median %.2f ms, worst %.2f ms"
                "   goal <= 50 ms   %s\n",
                what, tables, gaps.empty() ? 0 : gaps[gaps.size() / 2], worst,
                !done     ? "FAILED"
                    : met ? "ok"
                          : "OVER");
    return met;
}

// Starts callsetup-sim and returns its pseudo-terminal, or an empty string.
inline QString startSimulator(QProcess& sim, const QStringList& arguments = {})
{
    sim.start(QStringLiteral(CALLSETUP_SIM_PATH), arguments);
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000))
        return {};
    return QString::fromUtf8(sim.readLine()).trimmed();
}

// The callsetup-cli program: the first argument, else the one built beside the simulator.
inline QString cliProgram(int argc, char** argv)
{
    return argc > 1 ? QString::fromLocal8Bit(argv[1])
                    : QDir::cleanPath(QFileInfo(QStringLiteral(CALLSETUP_SIM_PATH)).absolutePath()
                                      + QStringLiteral("/../app/cli/callsetup-cli"));
}

inline double cpuSeconds()
{
    return platform::cpuSeconds();
}

inline double peakMegabytes()
{
    return double(platform::peakMemoryKiB()) / 1024.0;
}

// Median of a set of times.
inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Windows without a display are drawn offscreen.
inline void offscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The in-process simulated unit on a virtual clock, with the core's state,
// port control and link over it, for benchmarks of the windows.
struct VirtualUnit {
    cs::AppState state;
    cs::sim::VirtualClock clock;
    cs::sim::HostUnit unit;
    cs::sim::SimPort port{clock, unit};
    PrintUi ui;
    cs::PortControl portControl{state, port, [](int n) { return QStringLiteral("COM%1").arg(n); }};
    cs::Link link{state, port, clock, ui};

    VirtualUnit() { ui.verbose = true; }
};

} // namespace cs::bench
