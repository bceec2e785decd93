#include "link/Frame.h"

namespace cs {

std::uint8_t frameChecksum(const std::uint8_t* body, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += body[i];
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

static QByteArray frame(const QByteArray& sync, std::uint8_t marker, std::uint8_t code,
                        const QByteArray& payload)
{
    QByteArray body;
    body.append(char(marker))
        .append(char(code))
        .append(char(payload.size() & 0xFF))
        .append(payload);
    body.append(char(
        frameChecksum(reinterpret_cast<const std::uint8_t*>(body.constData()), int(body.size()))));
    return sync + body;
}

QByteArray requestFrame(std::uint8_t code, const QByteArray& payload)
{
    return frame(QByteArray("\x55\x55\xAA", 3), RequestMarker, code, payload);
}

QByteArray replyFrame(std::uint8_t code, const QByteArray& data)
{
    return frame(QByteArray("\x55\xAA", 2), ReplyMarker, code, data);
}

} // namespace cs
