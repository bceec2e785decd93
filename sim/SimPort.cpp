#include "sim/SimPort.h"

#include <algorithm>

namespace cs::sim {

bool SimPort::open(const QString& device)
{
    openedDevices.append(device);
    if (failOpen || gone_)
        return false;
    open_ = true;
    return true;
}

void SimPort::close()
{
    open_ = false;
    incoming_.clear();
}

bool SimPort::write(const QByteArray& bytes)
{
    if (!open_ || gone_)
        return false;
    ++writeCount;
    written.append(bytes);
    // The request's last byte reaches the unit after its transmission time.
    const double requestEnd = clock_.now() + bytes.size() * ByteSeconds;
    schedule(line.receive(bytes), requestEnd);
    return true;
}

void SimPort::schedule(const QList<Chunk>& chunks, double from)
{
    if (chunks.isEmpty())
        return;
    double t = std::max(from, lineFreeAt_);
    for (const Chunk& chunk : chunks) {
        t += chunk.delay;
        for (char b : chunk.bytes) {
            t += ByteSeconds;
            incoming_.append({t, b});
        }
    }
    lineFreeAt_ = t;
}

void SimPort::pressKey()
{
    if (open_ && !gone_)
        schedule(line.pressKey(), clock_.now());
}

QByteArray SimPort::readAll()
{
    QByteArray out;
    if (!open_)
        return out;
    const double now = clock_.now() + 1e-9;
    qsizetype i = 0;
    while (i < incoming_.size() && incoming_[i].at <= now)
        out.append(incoming_[i++].byte);
    incoming_.remove(0, i);
    return out;
}

void SimPort::inject(const QByteArray& bytes, double delay)
{
    double t = std::max(clock_.now() + delay, lineFreeAt_);
    for (char b : bytes) {
        t += ByteSeconds;
        incoming_.append({t, b});
    }
    lineFreeAt_ = t;
}

void SimPort::vanish()
{
    gone_ = true;
    if (open_) {
        open_ = false;
        incoming_.clear();
        if (onLost)
            onLost();
    }
}

} // namespace cs::sim
