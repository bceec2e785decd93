#pragma once
// Small helpers shared by the simulated unit's tests.

#include "link/Frame.h"
#include "sim/HostUnit.h"
#include "sim/SimLine.h"
#include "support/Rig.h"

#include <map>
#include <optional>
#include <string>

namespace cs::sim::test {

using cs::test::hex;
using Cells = std::map<int, int>;   // cell -> value

// Everything the line sends back for one request, chunks joined; none: silence.
inline std::optional<QByteArray> exchange(SimLine& line, std::uint8_t code, const QByteArray& payload = {})
{
    QByteArray wire;
    for (const Chunk& c : line.receive(cs::requestFrame(code, payload)))
        wire += c.bytes;
    return wire.isEmpty() ? std::nullopt : std::optional(wire);
}

inline std::string show(const std::optional<QByteArray>& wire) { return wire ? wire->toHex(' ').toStdString() : "silence"; }
inline std::string show(const QList<Chunk>& chunks)   // "delay: bytes; " per chunk
{
    std::string out;
    for (const Chunk& c : chunks)
        out += QString::number(c.delay, 'g', 9).toStdString() + ": " + show(c.bytes) + "; ";
    return out;
}
// The wire text of a clean reply to `code` with the given data.
inline std::string reply(std::uint8_t code, const char* data) { return show(cs::replyFrame(code, hex(data))); }

// The changed cells plus the cells `expected` names, with their values after: equal to
// `expected` exactly when those cells hold the expected values and no other cell changed.
template <std::size_t N>
Cells cellsAfter(const std::array<std::uint8_t, N>& before, const std::array<std::uint8_t, N>& after, const Cells& expected = {})
{
    Cells out;
    for (std::size_t i = 0; i < N; ++i)
        if (before[i] != after[i] || expected.count(int(i)))
            out[int(i)] = after[i];
    return out;
}

// Cells from `first` holding the given hex bytes, added to `more`.
inline Cells cellsAt(int first, const char* bytes, Cells more = {})
{
    const QByteArray b = hex(bytes);
    for (qsizetype i = 0; i < b.size(); ++i)
        more[first + int(i)] = std::uint8_t(b[i]);
    return more;
}

// The 7-byte table set payload for a table number with pagers and key value.
inline QByteArray tablePayload(int table, int p1 = 0xFF, int p2 = 0xFF, int p3 = 0xFF, int key = 0xFF)
{
    return QByteArray{} + char(0) + char(table >> 8) + char(table) + char(p1) + char(p2) + char(p3) + char(key);
}

} // namespace cs::sim::test
