#pragma once
// The reply bytes on their way to the program, each with the moment it has
// fully arrived at 9600 baud. Chunks follow one another on the line: a chunk
// starts after its delay, and never before the previous one has been sent.

#include "sim/SimLine.h"

#include <QByteArray>
#include <QList>
#include <deque>

namespace cs::sim {

constexpr double ByteSeconds = 10.0 / 9600.0; // start bit, 8 data bits, stop bit

class LineSchedule {
public:
    // Lays the chunks out from `from` on.
    void add(const QList<Chunk>& chunks, double from);
    // The bytes that have arrived by `now`, removed from the schedule.
    QByteArray takeDue(double now);
    bool empty() const { return bytes_.empty(); }
    // When the next byte will have arrived (only when not empty).
    double nextAt() const { return bytes_.front().at; }
    void clear() { bytes_.clear(); }

private:
    struct Timed {
        double at;
        char byte;
    };
    std::deque<Timed> bytes_;
    double lineFreeAt_ = 0;
};

} // namespace cs::sim
