#pragma once
// Shared by the benchmark programs: a Ui that prints messages instead of
// showing boxes, the simulated host unit program on a pseudo-terminal, and
// process CPU and memory figures.

#include "shared/Ui.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <cstdio>
#include <sys/resource.h>

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
    void tip(const QString&, const QString&) override {}
    void setFocus(Field) override {}
    void showPrompt(Prompt) override {}
    void hidePrompt(Prompt) override {}
    QString chooseSaveFile() override { return fileName; }
    QString chooseOpenFile() override { return fileName; }
    QString choosePagerFile(bool) override { return fileName; }

    bool verbose = false;
    int boxes = 0;
    QString fileName;   // what the file dialogs answer
};

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
