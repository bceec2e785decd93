// Command-line benchmark against the simulated host unit program: the wall
// time of whole callsetup-cli processes for a read and a download, with and
// without --fast, checked against their goals.
//
//   bench_cli [PATH-TO-callsetup-cli]
//   (default: the one built beside the simulator, build/app/cli/callsetup-cli)

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray pattern(int seed)
{
    QByteArray image;
    for (int i = 0; i < 8192; ++i)
        image.append(char((i * seed + i / 256 + seed) & 0xFF));
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the program to its end; the wall time from start to exit in seconds,
// or a negative value when it failed.
double timeRun(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        // Its messages say why.
        std::fputs(process.readAllStandardError().constData(), stderr);
        return -1;
    }
    return seconds;
}

// The memory of the simulated unit, through its "dump" control line.
QByteArray unitMemory(QProcess& sim, const QString& path)
{
    sim.write(("dump " + path + "\n").toLocal8Bit());
    sim.waitForBytesWritten(5000);
    while (!sim.canReadLine() && sim.waitForReadyRead(5000)) { }
    if (sim.readLine().trimmed() != "ok")
        return {};
    return readFile(path);
}

struct Goal {
    const char* what;
    bool fast;
    bool read;
    double limit;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString program = cs::bench::cliProgram(argc, argv);
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "no callsetup-cli at %s (build the target, or give its path)\n",
                     qPrintable(program));
        return 1;
    }
    QTemporaryDir dir;
    QByteArray memory = pattern(29);
    if (!dir.isValid() || !writeFile(dir.filePath("start.bin"), memory))
        return 1;
    QProcess sim;
    const QString device = cs::bench::startSimulator(sim, {"--image", dir.filePath("start.bin")});
    if (device.isEmpty()) {
        std::fprintf(stderr, "cannot start the simulated host unit\n");
        return 1;
    }

    const Goal goals[] = {
        {"read  --fast", true, true, 10.0},
        {"write --fast", true, false, 10.5},
        {"read", false, true, 1.01 * 12.8},
        {"write", false, false, 1.01 * 19.2},
    };
    bool allMet = true;
    int seed = 31;
    std::printf("callsetup-cli against callsetup-sim (%s), wall time of the whole process:\n",
                qPrintable(device));
    for (const Goal& goal : goals) {
        QStringList arguments = {"--port", device};
        if (goal.fast)
            arguments << "--fast";
        const QString file = dir.filePath(QStringLiteral("run%1.cat").arg(seed));
        QByteArray expected = memory;
        if (goal.read) {
            arguments << "read" << file;
        } else {
            expected = pattern(seed);
            if (!writeFile(file, expected))
                return 1;
            arguments << "write" << file;
        }
        ++seed;
        const double seconds = timeRun(program, arguments);
        const QByteArray result = goal.read ? readFile(file)
                                            : unitMemory(sim, dir.filePath("unit.bin"));
        const bool correct = seconds >= 0 && result == expected;
        const bool met = correct && seconds <= goal.limit;
        allMet = allMet && met;
        if (!goal.read && correct)
            memory = expected;
        std::printf("  %-13s %7.3f s   goal <= %6.3f s   %s\n", goal.what, seconds, goal.limit,
                    !correct  ? "FAILED (wrong data or exit status)"
                        : met ? "ok"
                              : "OVER");
    }
    sim.write("quit\n");
    sim.waitForFinished(5000);
    return allMet ? 0 : 1;
}
