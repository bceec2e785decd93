#pragma once
// The test view of the main window: Command8 switches it on and off, Timer1
// ticks every 10 ms and runs recvdata, which shows the arriving bytes in Text8.

#include "link/Port.h"
#include "link/PortControl.h"
#include "shared/AppState.h"

#include <QObject>
#include <QString>

namespace cs {

class TestView : public QObject {
    Q_OBJECT
public:
    TestView(AppState& state, Port& port, PortControl& portControl);

    QString caption() const;          // Command8: "测试(&t)" or "停(&t)"
    QString text() const;             // Text8
    bool timerOn() const;             // Timer1
    int windowHeightTwips() const;    // 6100 at start, 8950 while on, 6000 after

    void toggle();                    // Command8 click
    void recvdata();                  // Timer1 tick

signals:
    void changed();

private:
    AppState& state_;
    Port& port_;
    PortControl& portControl_;
    bool on_ = false;
    int heightTwips_ = 6100;
    QString text_;
};

} // namespace cs
