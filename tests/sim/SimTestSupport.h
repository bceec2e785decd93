#pragma once
// Small helpers shared by the simulated unit's tests.

#include "link/Frame.h"
#include "sim/HostUnit.h"
#include "sim/SimLine.h"
#include "support/Rig.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <map>
#include <optional>

namespace cs::sim::test {

using cs::test::hex;

// Everything the line sends back for one request, chunks joined.
inline std::optional<QByteArray> exchange(SimLine& line, std::uint8_t code, const QByteArray& payload)
{
    const QList<Chunk> chunks = line.receive(cs::requestFrame(code, payload));
    if (chunks.isEmpty())
        return std::nullopt;
    QByteArray wire;
    for (const Chunk& c : chunks)
        wire += c.bytes;
    return wire;
}

// The reply data of a clean reply to `code`, or nothing.
inline std::optional<QByteArray> replyData(const std::optional<QByteArray>& wire, std::uint8_t code)
{
    if (!wire || wire->size() < 6 || !wire->startsWith(QByteArray("\x55\xAA\x02", 3))
        || std::uint8_t((*wire)[3]) != code)
        return std::nullopt;
    const int n = std::uint8_t((*wire)[4]);
    if (wire->size() != n + 6 || cs::replyFrame(code, wire->mid(5, n)) != *wire)
        return std::nullopt;
    return wire->mid(5, n);
}

// Cells that differ between two memories: cell -> new value.
template <std::size_t N>
std::map<int, int> changedCells(const std::array<std::uint8_t, N>& before, const std::array<std::uint8_t, N>& after)
{
    std::map<int, int> out;
    for (std::size_t i = 0; i < N; ++i)
        if (before[i] != after[i])
            out[int(i)] = after[i];
    return out;
}

// The changed cells plus the cells `expected` names, with their values after:
// equal to `expected` exactly when those cells hold the expected values and no
// other cell changed.
template <std::size_t N>
std::map<int, int> cellsAfter(const std::array<std::uint8_t, N>& before, const std::array<std::uint8_t, N>& after,
                              const std::map<int, int>& expected)
{
    auto out = changedCells(before, after);
    for (const auto& entry : expected)
        out[entry.first] = after[std::size_t(entry.first)];
    return out;
}

// Cells from `first` holding the given hex bytes.
inline std::map<int, int> cellsAt(int first, const char* bytes)
{
    std::map<int, int> out;
    const QByteArray b = hex(bytes);
    for (qsizetype i = 0; i < b.size(); ++i)
        out[first + int(i)] = std::uint8_t(b[i]);
    return out;
}

inline std::map<int, int> operator+(std::map<int, int> a, const std::map<int, int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// The 7-byte table set payload for a table number with pagers and key value.
inline QByteArray tablePayload(int table, int p1 = 0xFF, int p2 = 0xFF, int p3 = 0xFF, int key = 0xFF)
{
    QByteArray p;
    for (int v : {0, table >> 8, table & 0xFF, p1, p2, p3, key})
        p.append(char(v));
    return p;
}

} // namespace cs::sim::test
