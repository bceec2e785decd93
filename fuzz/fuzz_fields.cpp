// The field checks of every configuration command over arbitrary texts, run
// against the simulated host unit. Whatever passes the checks and is sent must
// be a request the unit can take: numbers in their ranges, digits 0..9.

#include "FuzzSupport.h"
#include "commands/Commands.h"
#include "sim/SimPort.h"

#include <QStringList>
#include <cstdlib>

namespace {

void require(bool ok)
{
    if (!ok)
        std::abort();
}

// Checks the payload of a request the unit received.
void checkRequest(const QByteArray& body)
{
    const auto* b = reinterpret_cast<const std::uint8_t*>(body.constData());
    const std::uint8_t code = b[1];
    const int n = b[2];
    const std::uint8_t* p = b + 3;
    switch (code) {
    case 0x01: {
        require(n == 13);
        const int pager = p[0] * 100 + p[1];
        require(pager >= 1 && pager <= 254);
        require(p[2] * 10 + p[3] <= 11 && p[4] <= 1 && p[12] <= 3);
        for (int i = 5; i < 12; ++i)
            require(p[i] <= 9);
        break;
    }
    case 0x04: require(n == 1 && p[0] >= 1 && p[0] <= 254); break;
    case 0x03:
        if (n == 7) {
            require(p[0] == 0 && (p[1] || p[2]));
            for (int i = 3; i < 6; ++i)
                require(p[i] >= 1);
            require(p[6] <= 99 || p[6] == 0xFF);
        } else {
            require(n == 0);
        }
        break;
    case 0x07: require(n == 0 || (n == 2 && (p[0] || p[1]))); break;
    case 0x11:
    case 0x12: require(n == 1 && p[0] >= 1 && p[0] <= 9); break;
    case 0x02: require(n == 1 && p[0] >= 1 && p[0] <= 80); break;
    case 0x0A:
        require((n == 1 || n == 2) && p[0] <= 7 && (n == 1 || (p[1] >= 1 && p[1] <= 80)));
        break;
    case 0x0B:
        if (n == 3) {
            const std::uint32_t units = (p[0] << 16) | (p[1] << 8) | p[2];
            require(units >= 1000000 && units <= 5000000 && units % 125 == 0);
        } else {
            require(n == 0);
        }
        break;
    case 0x17: require(n == 1 && p[0] <= 2); break;
    case 0x13: require(n == 1 && (p[0] == 0 || p[0] == 0xFF)); break;
    case 0x08:
    case 0x09: require(n == 0); break;
    default: std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cs::fuzz::Input in(data, size);
    const int which = in.byte() % 15;
    QList<int> positions;
    for (int i = 0; i < 4; ++i)
        positions << int(std::int8_t(in.byte())); // -128..127: none selected and beyond the lists
    const bool cancel = in.byte() & 1;
    // The rest: up to five texts separated by 0x00.
    const QList<QByteArray> parts = in.rest().split('\0');
    QStringList t;
    for (int i = 0; i < 5; ++i)
        t << (i < parts.size() ? QString::fromUtf8(parts[i]) : QString());

    cs::AppState state;
    cs::sim::VirtualClock clock;
    cs::sim::HostUnit unit;
    cs::sim::SimPort port(clock, unit);
    struct Answer : cs::SilentFeedback {
        bool yes = true;
        bool confirm(const cs::Message&) override { return yes; }
    } answer;
    answer.yes = !cancel;
    cs::PortControl portControl(state, port, [](int) { return QStringLiteral("COM1"); });
    cs::Link link(state, port, clock, answer);
    cs::Commands commands(link, portControl);

    cs::Outcome o;
    switch (which) {
    case 0:
        o = commands.setPager(t[0], t[1], positions[0], positions[1], positions[2], positions[3]);
        break;
    case 1: o = commands.deletePager(t[0]); break;
    case 2: o = commands.setTable(t[0], t[1], t[2], t[3], t[4]); break;
    case 3: o = commands.deleteTable(t[0]); break;
    case 4: o = commands.setHurryButton(t[0]); break;
    case 5: o = commands.deleteHurryButton(t[0]); break;
    case 6: o = commands.setReceiverNumber(t[0]); break;
    case 7: o = commands.setReceiverFrequency(t[0], positions[0], t[1]); break;
    case 8: o = commands.initialiseReceiver(); break;
    case 9: o = commands.setTransmitterFrequency(t[0]); break;
    case 10: o = commands.setWorkMode(positions[0]); break;
    case 11: o = commands.setInfoUnitType(positions[0]); break;
    case 12: o = commands.initialiseHost(); break;
    case 13: o = commands.writeRepeater(); break;
    default: o = commands.deleteRepeater(); break;
    }
    // A refusal sends nothing; anything that was sent is a well-formed request.
    require(o.ending != cs::Ending::Refused || port.line.requests.isEmpty());
    for (const QByteArray& body : port.line.requests)
        checkRequest(body);
    require(!state.ExchangeRunning);
    return 0;
}
