#include "sim/LineSchedule.h"

#include <algorithm>

namespace cs::sim {

void LineSchedule::add(const QList<Chunk>& chunks, double from)
{
    if (chunks.isEmpty())
        return;
    double t = std::max(from, lineFreeAt_);
    for (const Chunk& chunk : chunks) {
        t += chunk.delay;
        for (char b : chunk.bytes) {
            t += ByteSeconds;
            bytes_.push_back({t, b});
        }
    }
    lineFreeAt_ = t;
}

QByteArray LineSchedule::takeDue(double now)
{
    QByteArray due;
    while (!bytes_.empty() && bytes_.front().at <= now) {
        due.append(bytes_.front().byte);
        bytes_.pop_front();
    }
    return due;
}

} // namespace cs::sim
