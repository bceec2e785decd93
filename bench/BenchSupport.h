#pragma once
// Shared by the benchmark programs: a Ui that prints messages instead of
// showing boxes, the simulated host unit program on a pseudo-terminal, and
// process CPU and memory figures.

#include "link/Port.h"
#include "link/SerialLine.h"
#include "shared/Ui.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <cstdio>
#include <sys/resource.h>
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
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
        + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

inline double peakMegabytes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

} // namespace cs::bench
