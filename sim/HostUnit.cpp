#include "sim/HostUnit.h"

namespace cs::sim {

HostUnit::HostUnit()
{
    erase();
}

void HostUnit::erase()
{
    memory.fill(0xFF);
    receiverMemory.fill(0xFF);
    externalReceiverMemory.fill(0xFF);
    repeater.clear();
}

bool HostUnit::listensForKey(std::uint8_t code, int payloadLength)
{
    return (code == 0x03) || (code == 0x07 && payloadLength == 0) || code == 0x11;
}

std::optional<QByteArray> HostUnit::answer(std::uint8_t code, const QByteArray& payload, bool keyPressed)
{
    Q_UNUSED(keyPressed);
    switch (code) {
    case 0x08:
        return QByteArray();
    case 0x0D: {
        if (payload.size() != 1 || std::uint8_t(payload[0]) > 63)
            return std::nullopt;
        const int b = std::uint8_t(payload[0]);
        return QByteArray(reinterpret_cast<const char*>(memory.data()) + 128 * b, 128);
    }
    case 0x18: {
        if (payload.size() != 129 || std::uint8_t(payload[0]) > 63)
            return std::nullopt;
        const int b = std::uint8_t(payload[0]);
        std::copy(payload.begin() + 1, payload.end(), memory.begin() + 128 * b);
        return QByteArray(1, '\0');
    }
    default:
        return std::nullopt;
    }
}

} // namespace cs::sim
