#pragma once
// One request/reply exchange over the serial line, on the program-wide state:
// the caller fills TxBuffer[0..n+2], calls SendFrame, sets ReplyRounds and
// ReplyWaitSeconds and calls WaitReply; ReplyOk and RxBuffer carry the reply.

#include "link/Port.h"
#include "link/Waiter.h"
#include "shared/AppState.h"
#include "shared/Ui.h"

#include <QByteArray>
#include <cstdint>

namespace cs {

class Link {
public:
    // `feedback` hears of replies with a bad checksum and repaints the windows.
    Link(AppState& state, Port& port, Waiter& waiter, Feedback& feedback)
        : state_(state)
        , port_(port)
        , waiter_(waiter)
        , feedback_(feedback)
    {
    }

    // Fills TxBuffer[0..n+2] with 01, code, n and the payload.
    void setRequest(std::uint8_t code, const QByteArray& payload);
    // Adds the checksum as TxBuffer[n+3], drops what the port has received so
    // far and writes 55 55 AA and the body.
    // False when the port refused the bytes (the caller reports its failure).
    bool SendFrame();
    // Waits up to ReplyRounds cycles of ReplyWaitSeconds for the reply to TxBuffer[1].
    void WaitReply();
    // Checksum of the reply body in RxBuffer, into ReplyChecksumValue.
    void ReplyChecksum();
    // Reads and drops whatever the port has received so far.
    void discardInput();

    // Fast replies (opt-in, for scripted use): a cycle ends as soon as a complete,
    // checked reply is there instead of sitting out the rest of its wait. The
    // port is then looked at every `FastSliceSeconds`.
    void setFastReplies(bool on) { fast_ = on; }
    bool fastReplies() const { return fast_; }
    static constexpr double FastSliceSeconds = 0.001;

    AppState& state() { return state_; }
    Port& port() { return port_; }
    Feedback& feedback() { return feedback_; }

private:
    AppState& state_;
    Port& port_;
    Waiter& waiter_;
    Feedback& feedback_;
    bool fast_ = false;
};

// Fast replies for the scope's lifetime, then as they were before: the batch
// windows run their rows with them, the windows' own operations keep their
// full waits.
class FastRepliesScope {
public:
    explicit FastRepliesScope(Link& link)
        : link_(link)
        , was_(link.fastReplies())
    {
        link_.setFastReplies(true);
    }
    ~FastRepliesScope() { link_.setFastReplies(was_); }
    FastRepliesScope(const FastRepliesScope&) = delete;
    FastRepliesScope& operator=(const FastRepliesScope&) = delete;

private:
    Link& link_;
    bool was_;
};

// Marks the port as owned by an exchange for the guard's lifetime.
class ExchangeScope {
public:
    explicit ExchangeScope(AppState& s)
        : s_(s)
        , was_(s.ExchangeRunning)
    {
        s_.ExchangeRunning = true;
    }
    ~ExchangeScope() { s_.ExchangeRunning = was_; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    AppState& s_;
    bool was_;
};

} // namespace cs
