#pragma once
// The data backup operations on the simulated host unit.

#include "link/Frame.h"
#include "memory/BackupView.h"
#include "memory/DataBackup.h"
#include "support/Rig.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <ostream>

namespace cs::test {

struct BackupRig : Rig {
    cs::BackupView view;
    cs::DataBackup backup{link, portControl, view};

    BackupRig() { view.restoreDesign(); }

    // Host memory with a byte pattern of its own, different per seed.
    void fillUnit(int seed)
    {
        for (int a = 0; a < cs::HostMemorySize; ++a)
            unit.memory[size_t(a)] = std::uint8_t((a * 7 + seed * 31 + (a >> 7)) & 0xFF);
    }
    // The receivers answer their block reads (the unit model only knows the host).
    void serveReceivers()
    {
        for (int a = 0; a < cs::ReceiverMemorySize; ++a) {
            unit.receiverMemory[size_t(a)] = std::uint8_t(0xC0 ^ a);
            unit.externalReceiverMemory[size_t(a)] = std::uint8_t(0x3C ^ a);
        }
        port.line.replyOverride = [this](std::uint8_t code, const QByteArray& p) -> std::optional<QByteArray> {
            if (code != 0x0E || p.isEmpty() || std::uint8_t(p[0]) > 1)
                return std::nullopt;
            const auto& mem = p.size() == 2 ? unit.externalReceiverMemory : unit.receiverMemory;
            const int b = std::uint8_t(p[0]);
            return cs::replyFrame(0x0E, QByteArray(reinterpret_cast<const char*>(mem.data()) + 128 * b, 128));
        };
    }
    // The host image as bytes, cells 0..8191.
    QByteArray hostImage() const
    {
        return QByteArray(reinterpret_cast<const char*>(state.HostImage.data()), cs::HostMemorySize);
    }
    QByteArray unitMemory() const
    {
        return QByteArray(reinterpret_cast<const char*>(unit.memory.data()), cs::HostMemorySize);
    }
    QList<QByteArray> requestsWithCode(std::uint8_t code) const
    {
        QList<QByteArray> out;
        for (const QByteArray& r : requests())
            if (std::uint8_t(r[1]) == code)
                out.append(r);
        return out;
    }
};

inline void PrintTo(const Message& m, std::ostream* os)
{
    *os << '{' << m.text.toStdString() << ", " << m.style << ", " << m.title.toStdString() << '}';
}

inline Message stop(const QString& text) { return {text, cs::StyleStop, QStringLiteral("错误")}; }
inline Message ok(const QString& text) { return {text, cs::StyleInfo, QStringLiteral("OK")}; }

} // namespace cs::test
