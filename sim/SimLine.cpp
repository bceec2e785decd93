#include "sim/SimLine.h"
#include "link/Frame.h"
#include "link/RequestCodes.h"

#include <algorithm>

namespace cs::sim {

namespace {
const QByteArray RequestSync("\x55\x55\xAA", 3);
}

QList<Chunk> SimLine::receive(const QByteArray& bytes)
{
    pending_.append(bytes);
    return parse();
}

QList<Chunk> SimLine::parse()
{
    QList<Chunk> out;
    for (;;) {
        // A request starts with 55 55 AA; anything before it is line noise.
        const qsizetype p = pending_.indexOf(RequestSync);
        if (p < 0) {
            // Keep a possible start of the sync for the next bytes.
            pending_ = pending_.right(2);
            break;
        }
        const qsizetype body = p + 3;
        if (pending_.size() < body + 3)
            break;
        const int n = std::uint8_t(pending_[body + 2]);
        if (pending_.size() < body + n + 4)
            break;
        const QByteArray frame = pending_.mid(body, n + 4);
        const auto* b = reinterpret_cast<const std::uint8_t*>(frame.constData());
        if (b[0] != RequestMarker || frameChecksum(b, n + 3) != b[n + 3]) {
            pending_.remove(0, p + 1); // not a valid request: look again after its first 55
            continue;
        }
        pending_.remove(0, body + n + 4);
        out.append(handle(frame));
    }
    return out;
}

bool SimLine::partialPending() const
{
    return pending_.contains(RequestSync);
}

QList<Chunk> SimLine::resync()
{
    QList<Chunk> out;
    for (;;) {
        const qsizetype p = pending_.indexOf(RequestSync);
        if (p < 0) {
            pending_.clear();
            return out;
        }
        pending_.remove(0, p + 1);
        out.append(parse());
    }
}

QList<Chunk> SimLine::handle(const QByteArray& body)
{
    requests.append(body);
    listening_.clear(); // a new request ends any listening
    const std::uint8_t code = std::uint8_t(body[1]);
    const int n = std::uint8_t(body[2]);
    const bool listens = HostUnit::listensForKey(code, n);
    if (listens && !unansweredLearns.isEmpty()) {
        if (unansweredLearns.front() > 0) {
            --unansweredLearns.front();
            return {}; // nobody pressed the key while the unit listened
        }
        unansweredLearns.removeFirst();
    }

    if (replyOverride) {
        const QByteArray payload = body.mid(3, n);
        if (auto wire = replyOverride(code, payload)) {
            const bool faulty = faults.onlyCode < 0 || faults.onlyCode == code;
            const double delay = (faulty ? faults.replyDelay : Faults::DefaultReplyDelay)
                + (listens && keyPressAfter ? *keyPressAfter : 0.0);
            unit_.answer(code, payload, !listens || keyPressAfter.has_value());
            return {Chunk{delay, *wire}};
        }
    }
    if (listens && !keyPressAfter) {
        listening_ = body;
        return {};
    }
    return respond(body, listens ? *keyPressAfter : 0.0, true);
}

QList<Chunk> SimLine::pressKey()
{
    if (listening_.isEmpty())
        return {};
    const QByteArray body = listening_;
    listening_.clear();
    return respond(body, 0.0, true);
}

QList<Chunk> SimLine::respond(const QByteArray& body, double pressDelay, bool pressed)
{
    const std::uint8_t code = std::uint8_t(body[1]);
    const int n = std::uint8_t(body[2]);
    const QByteArray payload = body.mid(3, n);

    // Every fault, the slow reply included, is limited to onlyCode when it is set.
    const bool faulty = faults.onlyCode < 0 || faults.onlyCode == code;
    const double delay = (faulty ? faults.replyDelay : Faults::DefaultReplyDelay) + pressDelay;

    if (faulty && faults.silent)
        return {};
    const bool blockTransfer = code == ReadHostCode || code == ReadReceiverCode
        || code == WriteBlockCode;
    if (faulty && blockTransfer && faults.silentFromBlock >= 0 && !payload.isEmpty()
        && std::uint8_t(payload[0]) >= faults.silentFromBlock)
        return {};

    QByteArray stored = payload;
    if (faulty && code == WriteBlockCode && faults.corruptBlock >= 0 && stored.size() > 1
        && std::uint8_t(stored[0]) == faults.corruptBlock)
        stored[1] = char(~std::uint8_t(stored[1]));
    std::optional<QByteArray> data = unit_.answer(code, stored, pressed);
    if (!data)
        return {};
    if (faulty && faults.statusByte >= 0)
        data = QByteArray(1, char(faults.statusByte));
    if (faulty && faults.forceLength >= 0)
        data->resize(std::min(faults.forceLength, 255), '\0'); // the length byte holds 0..255
    QByteArray wire = replyFrame(code, *data);
    if (faulty && faults.badChecksum)
        wire.back() = char(~std::uint8_t(wire.back()));
    if (faulty && faults.badCopyFirst) {
        QByteArray spoilt = replyFrame(code, {});
        spoilt.back() = char(~std::uint8_t(spoilt.back()));
        wire.prepend(spoilt);
    }
    if (faulty)
        wire = faults.noiseBefore + wire + faults.noiseAfter;
    if (faulty && faults.splitAt >= 0 && faults.splitAt < wire.size())
        return {Chunk{delay, wire.left(faults.splitAt)},
                Chunk{faults.splitPause, wire.mid(faults.splitAt)}};
    return {Chunk{delay, wire}};
}

} // namespace cs::sim
