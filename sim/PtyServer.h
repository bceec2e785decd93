#pragma once
// Serves the simulated host unit on a pseudo-terminal: the program under test
// opens the slave side as its serial port; requests are parsed and answered by
// the same SimLine and HostUnit the in-process tests use, and the reply bytes
// are paced at 9600 baud.
//
// Control lines on stdin (each answered with one line on stdout, "ok ..." or
// "error ..."): dump FILE, press, fault NAME, nofault, received, vanish, quit.
// End of stdin keeps the unit serving until SIGTERM, SIGINT or SIGHUP.

#include "sim/HostUnit.h"
#include "sim/LineSchedule.h"
#include "sim/SimLine.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace cs::sim {

struct ServerOptions {
    std::optional<double> pressAfter = 1.0; // none: nobody presses unless told to
    QString imagePath;                      // initial memory, 8192 bytes
    QString dumpPath;                       // memory written here on exit
    QString linkName;                       // "com1".."com9": per-user port link
    QString fault;                          // initial fault
};

class PtyServer {
public:
    explicit PtyServer(ServerOptions options);
    ~PtyServer();

    // Opens the pseudo-terminal, loads the image and makes the link. On failure
    // `error` says why and nothing is left behind.
    bool start(QString& error);
    QString slavePath() const { return slavePath_; }
    // Serves until quit, vanish or a termination signal; returns the exit code.
    int run();

    // Sets a named fault (silent, badcrc, noise, slow); false for an unknown name.
    bool setFault(const QString& name);

    // How long the unit listens for a key press after a learning request.
    static constexpr double ListenSeconds = 4.0;
    // Idle time after which an incomplete request is taken for noise.
    static constexpr double IdleResyncSeconds = 0.5;

private:
    enum class Stop { None, Quit, Vanish };

    void readMaster(double now);
    void readControl(double now);
    QByteArray control(const QByteArray& line, double now);
    void answered(const QList<Chunk>& chunks, double now);
    void flushOutput(double now);
    void timers(double now);
    double nextDeadline(double now) const;
    void closeMaster();
    void finish();

    ServerOptions options_;
    HostUnit unit_;
    SimLine line_{unit_};
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QString linkPath_;
    Stop stop_ = Stop::None;

    LineSchedule out_;
    double lastInput_ = 0;
    double inputDoneAt_ = 0; // when the bytes read so far have fully arrived
    double pressAt_ = -1;
    double listenUntil_ = -1;
    double masterPausedUntil_ = 0;
    QByteArray received_; // raw bytes from the program since the last "received"
    QByteArray controlBuffer_;
    bool controlOpen_ = true;
};

} // namespace cs::sim
