#include "link/Link.h"
#include "link/Frame.h"
#include "link/ReplySearch.h"

#include <QCoreApplication>

#include <algorithm>

namespace cs {

void Link::setRequest(std::uint8_t code, const QByteArray& payload)
{
    auto& tx = state_.TxBuffer;
    tx[0] = RequestMarker;
    tx[1] = code;
    tx[2] = std::uint8_t(payload.size());
    for (qsizetype i = 0; i < payload.size(); ++i)
        tx[size_t(3 + i)] = std::uint8_t(payload[i]);
}

bool Link::SendFrame()
{
    auto& tx = state_.TxBuffer;
    const int n = tx[2];
    tx[size_t(n + 3)] = frameChecksum(tx.data(), n + 3);
    QByteArray wire("\x55\x55\xAA", 3);
    wire.append(reinterpret_cast<const char*>(tx.data()), n + 4);
    // Whatever arrived before this request (a late reply to an earlier one,
    // noise) must not be taken for its answer.
    discardInput();
    const bool written = port_.isOpen() && port_.write(wire);
    // With fast replies the windows are painted in the wait's slices: a batch
    // of rows does not wait on a whole repaint per request.
    if (!fast_)
        feedback_.repaint();
    return written;
}

void Link::WaitReply()
{
    ExchangeScope exchange(state_);
    ReplySearch search(state_.TxBuffer[1]);
    const auto crcError = [this] {
        feedback_.notice(stopMessage(QCoreApplication::translate("Commands", "CRC校验错误")));
    };
    // One look at the port: read what arrived and search it.
    const auto look = [&] {
        const QByteArray bytes = port_.isOpen() ? port_.readAll() : QByteArray();
        const bool accepted = search.feed(bytes, state_.RxBuffer, crcError);
        state_.ReplyRawBytes = search.searched();
        return accepted;
    };
    while (state_.ReplyRounds > 0) {
        bool accepted = false;
        if (fast_) {
            double left = state_.ReplyWaitSeconds;
            while (!accepted && left > 1e-9) {
                const double slice = std::min(left, FastSliceSeconds);
                waiter_.wait(slice);
                left -= slice;
                accepted = look();
            }
        } else {
            waiter_.wait(state_.ReplyWaitSeconds);
            accepted = look();
        }
        --state_.ReplyRounds;
        if (accepted) {
            ReplyChecksum();
            state_.ReplyOk = true;
            return;
        }
    }
    search.clearPending();
}

void Link::ReplyChecksum()
{
    const auto& rx = state_.RxBuffer;
    state_.ReplyChecksumValue = frameChecksum(rx.data(), rx[2] + 3);
}

void Link::discardInput()
{
    if (port_.isOpen())
        port_.readAll();
}

} // namespace cs
