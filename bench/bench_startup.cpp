// Start-up benchmark: from starting the program to its main window painted for
// the first time (the program prints "shown" then and quits), the median of
// several runs. Set QT_QPA_PLATFORM=offscreen when there is no display.
//
//   bench_startup [runs]    (default 10)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::vector<double> ms;
    long peakKb = 0;
    for (int i = 0; i < runs; ++i) {
        QProcess program;
        QElapsedTimer t;
        t.start();
        program.start(QStringLiteral(CALLSETUP_PROGRAM_PATH),
                      {QStringLiteral("--quit-when-shown")});
        if (!program.waitForReadyRead(10000)) {
            std::fprintf(stderr, "the program did not show its window\n");
            return 1;
        }
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        const QList<QByteArray> words = program.readAllStandardOutput().simplified().split(' ');
        if (words.value(0) != "shown") {
            std::fprintf(stderr, "the program did not show its window\n");
            return 1;
        }
        peakKb = std::max(peakKb, words.value(1).toLong());
        program.waitForFinished(5000);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to main window shown: median %.1f ms, max %.1f ms over %d runs (goal <= "
                "300 ms)\n",
                ms[ms.size() / 2], ms.back(), runs);
    std::printf("peak memory of the program when shown: %.1f MB (goal <= 80 MB)\n",
                double(peakKb) / 1024.0);
    return ms[ms.size() / 2] <= 300 ? 0 : 1;
}
