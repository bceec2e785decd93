#pragma once
// A private X server for the window tests: Xvfb on the first free display
// number, started before the application object and stopped after it.

#include <QProcess>
#include <QString>

namespace cs::test {

class Xvfb {
public:
    Xvfb() = default;
    ~Xvfb() { stop(); }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    // Starts the server and waits until it accepts connections; on failure
    // `error` says why and nothing is left running.
    bool start(QString& error);
    // ":N" while running.
    QString display() const { return QStringLiteral(":%1").arg(number_); }
    void stop();

    // The socket a local client connects to for display n.
    static QString socketPath(int n);
    // Neither a lock file nor a socket of display n is there.
    static bool looksFree(int n);
    // Something listens on the socket of display n.
    static bool acceptsConnections(int n);

private:
    // One try on display n: false when the server ended or never listened.
    bool tryDisplay(int n, QString& error);
    QString logPath() const;
    QString lastLines() const;   // the end of the server's output, for messages

    QProcess process_;
    int number_ = -1;
};

} // namespace cs::test
