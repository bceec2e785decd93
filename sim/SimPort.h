#pragma once
// A Port connected in-process to the simulated host unit, on a virtual clock:
// reply bytes become readable when the clock has passed the moment they would
// have arrived at 9600 baud.

#include "link/Port.h"
#include "sim/HostUnit.h"
#include "sim/LineSchedule.h"
#include "sim/SimLine.h"
#include "sim/VirtualClock.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace cs::sim {

class SimPort : public cs::Port {
public:
    SimPort(VirtualClock& clock, HostUnit& unit)
        : line(unit)
        , clock_(clock)
    {
    }

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void setRts(bool on) override { rts = on; }
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    PortOpenError lastOpenError() const override { return lastError_; }

    // Puts bytes on the line now (spontaneous traffic, noise between exchanges).
    void inject(const QByteArray& bytes, double delay = 0);
    // The far end goes away: writes fail and onLost is called.
    void vanish();
    // The simulated user presses the key now (the unit listens when keyPressAfter is unset).
    void pressKey();

    SimLine line;
    bool rts = false;
    bool failOpen = false; // the next opens fail with `openError`
    PortOpenError openError{PortFault::InUse, QStringLiteral("Device or resource busy")};
    QStringList openedDevices; // every device name passed to open
    QByteArray written;        // everything the program wrote
    int writeCount = 0;

private:
    VirtualClock& clock_;
    bool open_ = false;
    bool gone_ = false;
    PortOpenError lastError_;
    LineSchedule schedule_;
};

} // namespace cs::sim
