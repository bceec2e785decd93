#pragma once
// Frame format shared by requests and replies:
//   sync (request 55 55 AA, reply 55 AA), then the body
//   +0 marker (01 request, 02 reply) | +1 code | +2 n | +3..n+2 payload | n+3 checksum
// The checksum is 0xFF minus the byte sum (mod 256) of body bytes 0..n+2.

#include <QByteArray>
#include <cstdint>

namespace cs {

constexpr std::uint8_t SyncByte = 0x55;
constexpr std::uint8_t SyncByte2 = 0xAA;
constexpr std::uint8_t RequestMarker = 0x01;
constexpr std::uint8_t ReplyMarker = 0x02;

// Checksum over `count` body bytes starting at `body`.
std::uint8_t frameChecksum(const std::uint8_t* body, int count);

// A complete request on the wire for the given code and payload.
QByteArray requestFrame(std::uint8_t code, const QByteArray& payload);
// A complete reply on the wire for the given code and data.
QByteArray replyFrame(std::uint8_t code, const QByteArray& data);

} // namespace cs
