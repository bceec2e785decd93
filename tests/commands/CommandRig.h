#pragma once
// The commands wired to the simulated host unit, with helpers to look at what
// went over the line and to shape the unit's replies.

#include "commands/Commands.h"
#include "link/Frame.h"
#include "support/Rig.h"

#include <QByteArray>
#include <functional>
#include <optional>

namespace cs::test {

struct CommandRig : Rig {
    cs::Commands commands{link, portControl};

    int sent() const { return int(requests().size()); }
    // Code and payload of the last request the unit received.
    std::uint8_t lastCode() const { return std::uint8_t(requests().last()[1]); }
    QByteArray lastPayload() const
    {
        const QByteArray& body = requests().last();
        return body.mid(3, std::uint8_t(body[2]));
    }
    // Every reply becomes this reply data (the unit still stores the request).
    void replyData(const QByteArray& data)
    {
        port.line.replyOverride = [data](std::uint8_t code, const QByteArray&) {
            return std::optional<QByteArray>(cs::replyFrame(code, data));
        };
    }
    // The port is open but its far end has gone: the next write fails while
    // PortIsOpen still reads true.
    void breakLineUnderOpenPort()
    {
        portControl.EnsurePortOpen();
        port.onLost = nullptr;
        port.vanish();
    }
    int focusMoves() const
    {
        int n = 0;
        for (const QString& e : ui.events)
            n += e.startsWith("focus:") ? 1 : 0;
        return n;
    }
};

// One command run with good input, and what its failure and wait look like.
struct CommandCase {
    const char* name;
    std::uint8_t code;
    std::function<void(cs::Commands&)> run;
    int rounds;
    double seconds;
    QString prompt;          // learning prompt window, empty: none
    Message timeout;
    QString timeoutFocus;    // empty: no focus move
    QString failure;
    QString failureFocus;    // empty: no focus move
};

// All sixteen runs (the transmitter command has its set and its clear path).
const QList<CommandCase>& commandCases();
const CommandCase& commandCase(const char* name);

} // namespace cs::test
