#pragma once
// The core wired to the in-process simulated host unit on a virtual clock.

#include "link/Link.h"
#include "link/PortControl.h"
#include "shared/AppState.h"
#include "sim/HostUnit.h"
#include "sim/SimPort.h"
#include "sim/VirtualClock.h"
#include "support/ScriptedUi.h"

#include <QByteArray>

namespace cs::test {

struct Rig {
    cs::AppState state;
    cs::sim::VirtualClock clock;
    cs::sim::HostUnit unit;
    cs::sim::SimPort port{clock, unit};
    ScriptedUi ui;
    cs::PortControl portControl{state, port, [](int n) { return QStringLiteral("COM%1").arg(n); }};
    cs::Link link{state, port, clock, ui};

    // Shows an outcome as the windows do (its box, then the focus) and hands it on.
    cs::Outcome shown(const cs::Outcome& outcome)
    {
        cs::present(ui, outcome);
        return outcome;
    }

    // The request bodies (01 code n payload checksum) the unit received.
    const QList<QByteArray>& requests() const { return port.line.requests; }
};

// Bytes from a hex text such as "55 AA 02".
inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

} // namespace cs::test
