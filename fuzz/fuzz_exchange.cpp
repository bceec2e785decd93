// The reply search and the exchange over arbitrary byte streams split at
// arbitrary cycle boundaries. Whatever is accepted must be a well-formed reply
// to the request's code that really stood in the stream.

#include "FuzzSupport.h"
#include "link/Frame.h"
#include "link/Link.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cs::fuzz::Input in(data, size);
    const std::uint8_t code = in.byte();
    const int rounds = 1 + in.byte() % 8;
    const bool fast = in.byte() & 1;

    cs::fuzz::ScriptPort port;
    port.open({});
    QByteArray stream;
    while (!in.empty()) {
        const QByteArray piece = in.take(in.byte() % 64);
        port.cycles << piece;
        stream += piece;
    }

    cs::AppState state;
    cs::fuzz::NoWait waiter;
    cs::SilentFeedback ui;
    cs::Link link(state, port, waiter, ui);
    link.setFastReplies(fast);
    link.setRequest(code, {});
    link.SendFrame();
    state.ReplyRounds = std::uint8_t(rounds);
    state.ReplyWaitSeconds = 1.0;
    link.WaitReply();

    if (state.ReplyOk) {
        const auto& rx = state.RxBuffer;
        const int n = rx[2];
        if (rx[0] != cs::ReplyMarker || rx[1] != code
            || cs::frameChecksum(rx.data(), n + 3) != rx[size_t(n + 3)])
            std::abort();
        QByteArray reply("\x55\xAA", 2);
        reply.append(reinterpret_cast<const char*>(rx.data()), n + 4);
        if (!stream.contains(reply))
            std::abort();
    }
    if (state.ExchangeRunning)
        std::abort();
    return 0;
}
