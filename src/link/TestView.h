#pragma once
// The test view of the main window: Command8 switches it on and off, Timer1
// ticks every 10 ms and runs recvdata, which shows the arriving bytes in Text8.
//
// Every byte read is shown, a lone byte in a tick too. Each tick that found
// data adds one line; a burst of more than LineBytes bytes is split into lines
// of LineBytes. Text8 keeps at most its last TextLimit characters: when it
// grows past that, whole lines are dropped from the front down to TrimTarget,
// so the shown text is re-set now and then rather than on every tick.

#include "link/Port.h"
#include "link/PortControl.h"
#include "shared/AppState.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace cs {

class TestView : public QObject {
    Q_OBJECT
public:
    static constexpr int LineBytes = 256;
    static constexpr int TextLimit = 64 * 1024;
    static constexpr int TrimTarget = 48 * 1024;

    TestView(AppState& state, Port& port, PortControl& portControl);

    QString caption() const;       // Command8: "测试(&t)" or "停(&t)"
    QString text() const;          // Text8
    bool timerOn() const;          // Timer1
    int windowHeightTwips() const; // 6100 at start, 8950 while on, 6000 after

    Outcome toggle(); // Command8 click; Failed when the port stays closed
    void recvdata();  // Timer1 tick

    // The text of one tick's bytes: "55 AA 2 " and CR LF per line.
    static QString hexLines(const QByteArray& bytes);

signals:
    void changed();

private:
    void trim();

    AppState& state_;
    Port& port_;
    PortControl& portControl_;
    bool on_ = false;
    int heightTwips_ = 6100;
    QString text_;
};

} // namespace cs
