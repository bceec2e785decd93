#pragma once
// Runs callsetup-sim for a test: starts it, reads the pseudo-terminal path it
// prints first, talks to it through its control lines and stops it.
// Needs CALLSETUP_SIM_PROGRAM, the program's path.

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

namespace cs::test {

class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments = {},
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        process_.setProgram(QStringLiteral(CALLSETUP_SIM_PROGRAM));
        process_.setArguments(arguments);
        process_.setProcessEnvironment(env);
    }
    ~SimProcess() { quit(); }

    // Starts the program and waits for its first line, the path of its terminal.
    bool start()
    {
        process_.start();
        ptyPath_ = QString::fromLocal8Bit(readLine());
        return ptyPath_.startsWith(QLatin1Char('/'));
    }
    QString ptyPath() const { return ptyPath_; }

    // Sends a control line without waiting for the answer.
    void send(const QByteArray& line)
    {
        process_.write(line + '\n');
        process_.waitForBytesWritten(5000);
    }
    // Sends a control line and returns the one-line answer ("ok ...").
    QByteArray command(const QByteArray& line)
    {
        send(line);
        return readLine();
    }
    // Sends "quit" unless it has ended; returns the exit code (-1: killed or crashed).
    int quit()
    {
        if (process_.state() != QProcess::NotRunning) {
            send("quit");
            if (!process_.waitForFinished(5000)) {
                process_.kill();
                process_.waitForFinished(5000);
                return -1;
            }
        }
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

private:
    QByteArray readLine()
    {
        for (QDeadlineTimer deadline(5000); !process_.canReadLine();) {
            if (deadline.hasExpired() || !process_.waitForReadyRead(int(deadline.remainingTime())))
                return {};
        }
        return process_.readLine().trimmed();
    }
    QProcess process_;
    QString ptyPath_;
};

} // namespace cs::test
