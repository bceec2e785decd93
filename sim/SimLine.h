#pragma once
// The byte-stream face of the simulated host unit: takes the bytes the program
// writes, finds request frames in them (resynchronising on 55 55 AA), asks the
// HostUnit for an answer and turns it into reply bytes with their timing, with
// the faults a test asks for.

#include "sim/HostUnit.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>
#include <optional>

namespace cs::sim {

// Bytes to put on the line, `delay` seconds after the request's last byte
// arrived. Consecutive chunks follow one another; each byte takes 1/960 s at
// 9600 baud once its chunk starts.
struct Chunk {
    double delay = 0;
    QByteArray bytes;
};

struct Faults {
    bool silent = false;      // answer nothing at all
    bool badChecksum = false; // replies carry a wrong checksum
    int forceLength = -1;     // >= 0: replies carry this many data bytes (padded with 0 / cut)
    int statusByte = -1;      // >= 0: replies are m = 1 with this status byte
    QByteArray noiseBefore;   // sent right before each reply
    QByteArray noiseAfter;    // sent right after each reply
    int splitAt = -1;         // >= 0: the reply pauses after this many bytes ...
    double splitPause = 0;    // ... for this long
    double replyDelay = DefaultReplyDelay; // seconds from request (or key press) to the reply
    int silentFromBlock = -1;  // >= 0: memory reads/writes of this block on get no answer
    int onlyCode = -1;         // >= 0: the faults above apply to this command code only
    int corruptBlock = -1;     // >= 0: a write of this block is acknowledged but stored
                               // with its first data byte inverted
    bool badCopyFirst = false; // each reply comes after an empty reply to the same code
                               // with a wrong checksum

    static constexpr double DefaultReplyDelay = 0.002;
};

class SimLine {
public:
    explicit SimLine(HostUnit& unit)
        : unit_(unit)
    {
    }

    // Feeds bytes written by the program; returns what the unit sends back for
    // every request completed by them, in order.
    QList<Chunk> receive(const QByteArray& bytes);

    // Seconds after a learning request at which the simulated user presses the
    // key; none: nobody presses, the unit stays silent.
    std::optional<double> keyPressAfter = 1.0;
    Faults faults;
    // Full control for tests: when set and returning a value, those exact wire
    // bytes are sent instead of the unit's reply (the unit still stores the request).
    std::function<std::optional<QByteArray>(std::uint8_t code, const QByteArray& payload)>
        replyOverride;

    // Key presses after unanswered learning requests: for each entry in turn,
    // that many learning requests go unanswered (nobody pressed), then the next
    // one is answered as keyPressAfter says. Empty: every request is answered.
    QList<int> unansweredLearns;

    // Every request body received (01 code n payload checksum), for tests.
    QList<QByteArray> requests;

    // With keyPressAfter unset, a learning request leaves the unit listening
    // until the key is pressed, the unit gives up, or the next request arrives.
    bool listening() const { return !listening_.isEmpty(); }
    // The key is pressed now: the answer to the learning request, if one listens.
    QList<Chunk> pressKey();
    void stopListening() { listening_.clear(); }

    // True while the received bytes end in an incomplete request.
    bool partialPending() const;
    // The line was idle in the middle of a request: what looked like its start
    // was noise. Drops it and looks for requests in the bytes after it.
    QList<Chunk> resync();

private:
    QList<Chunk> parse();
    QList<Chunk> handle(const QByteArray& body);
    QList<Chunk> respond(const QByteArray& body, double pressDelay, bool pressed);
    HostUnit& unit_;
    QByteArray pending_;
    QByteArray listening_; // body of the learning request the unit listens for
};

} // namespace cs::sim
