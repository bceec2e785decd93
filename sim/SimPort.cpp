#include "sim/SimPort.h"

#include <algorithm>

namespace cs::sim {

bool SimPort::open(const QString& device)
{
    openedDevices.append(device);
    lastError_ = {};
    if (failOpen || gone_) {
        lastError_ = gone_ ? PortOpenError{PortFault::NotFound, QStringLiteral("No such device")}
                           : openError;
        return false;
    }
    open_ = true;
    return true;
}

void SimPort::close()
{
    open_ = false;
    schedule_.clear();
}

bool SimPort::write(const QByteArray& bytes)
{
    if (!open_ || gone_)
        return false;
    ++writeCount;
    written.append(bytes);
    // The request's last byte reaches the unit after its transmission time.
    const double requestEnd = clock_.now() + bytes.size() * ByteSeconds;
    schedule_.add(line.receive(bytes), requestEnd);
    return true;
}

void SimPort::pressKey()
{
    if (open_ && !gone_)
        schedule_.add(line.pressKey(), clock_.now());
}

QByteArray SimPort::readAll()
{
    if (!open_)
        return {};
    return schedule_.takeDue(clock_.now() + 1e-9);
}

void SimPort::inject(const QByteArray& bytes, double delay)
{
    schedule_.add({Chunk{delay, bytes}}, clock_.now());
}

void SimPort::vanish()
{
    gone_ = true;
    if (open_) {
        open_ = false;
        schedule_.clear();
        if (onLost)
            onLost();
    }
}

} // namespace cs::sim
