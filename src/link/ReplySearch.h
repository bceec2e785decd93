#pragma once
// Looks for the reply 55 AA 02 <code> <n> <n data bytes> <checksum> in the bytes
// that successive wait cycles read. A reply start at the end of one cycle
// (anything from a lone 55 to a complete header whose data is still on its way)
// is kept and completed with the next cycle's bytes.

#include "shared/AppState.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>

namespace cs {

class ReplySearch {
public:
    explicit ReplySearch(std::uint8_t code)
        : code_(code)
    {
    }

    // Searches the bytes of one cycle, joined after the kept reply start if any.
    // On an accepted reply its body (02, code, n, data, checksum) is in rx[0..n+3]
    // and true is returned. A complete reply whose checksum is wrong calls
    // `onChecksumError` and the search goes on after its 55.
    bool feed(const QByteArray& bytes, Buffer& rx, const std::function<void()>& onChecksumError);

    // The sequence the last feed searched (kept bytes followed by the new ones).
    const QByteArray& searched() const { return searched_; }
    // True while the last feed ended inside a reply start.
    bool pending() const { return !kept_.isEmpty(); }
    void clearPending()
    {
        kept_.clear();
        rejected_.clear();
    }

private:
    std::uint8_t code_;
    QByteArray kept_;
    QByteArray searched_;
    // Offsets within kept_ of complete replies already refused for their checksum,
    // so that searching the kept bytes again does not report them twice.
    QList<qsizetype> rejected_;
};

} // namespace cs
