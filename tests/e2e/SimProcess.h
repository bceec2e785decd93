#pragma once
// Runs callsetup-sim for a test: starts it, reads the pseudo-terminal path it
// prints first, talks to it through its control lines and stops it.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace cs::test {

class SimProcess {
public:
    explicit SimProcess(QStringList arguments = {},
                        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the program and waits for its first line; false when it did not come.
    bool start();
    QString ptyPath() const { return ptyPath_; }

    // Sends a control line and returns the program's one-line answer ("ok ...").
    QByteArray command(const QByteArray& line);
    // Sends a control line without waiting for the answer (from inside a wait).
    void send(const QByteArray& line);
    // The next answer line (of a line sent with send).
    QByteArray answer() { return readLine(); }

    // Sends "quit" and waits for the end; returns the exit code (-1: had to be killed).
    int quit();
    // Sends SIGTERM and waits for the end; returns the exit code.
    int terminate();
    // Waits for the program to end by itself; returns the exit code.
    int waitForExit();

    QByteArray errorOutput() { return process_.readAllStandardError(); }

private:
    QByteArray readLine();
    int finish();
    QProcess process_;
    QString ptyPath_;
};

} // namespace cs::test
