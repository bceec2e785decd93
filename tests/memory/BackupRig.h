#pragma once
// The data backup operations on the simulated host unit.

#include "link/Frame.h"
#include "memory/BackupView.h"
#include "memory/DataBackup.h"
#include "support/Rig.h"

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace cs::test {

inline QByteArray bytes(const void* data, int n) { return QByteArray(static_cast<const char*>(data), n); }
inline QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + seed) ^ (i >> 8));
    return b;
}
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size());
}
inline QList<Message> stop(const QString& text) { return {{text, cs::StyleStop, QStringLiteral("错误")}}; }
inline QList<Message> ok(const QString& text) { return {{text, cs::StyleInfo, QStringLiteral("OK")}}; }
inline const QString NoLink = QStringLiteral("通讯失败！请检查连线！");
inline const QString PortBusy = QStringLiteral("没发现此端口或端口已被其它程序占用!");

struct BackupRig : Rig {
    cs::BackupView view;
    cs::DataBackup backup{link, portControl, view};

    BackupRig() { view.restoreDesign(); }

    void fillUnit(int seed) { std::copy_n(pattern(HostMemorySize, seed).constData(), HostMemorySize, unit.memory.begin()); }
    // A host image read from the unit; messages, events and requests cleared.
    void readUnit(int seed)
    {
        fillUnit(seed);
        backup.readHost();
        ui.messages.clear(), ui.events.clear(), port.line.requests.clear();
    }
    // Opens a backup file holding `data` into the host image, messages cleared.
    void openImage(const QByteArray& data)
    {
        QTemporaryDir dir;
        writeFile(ui.openFileName = dir.filePath("image.cat"), data);
        backup.openFile();
        ASSERT_EQ(ui.messages, ok("已成功打开备份文件" + ui.openFileName));
        ui.messages.clear();
    }
    // Answers `code` requests for `block` (every block when -1) with `data` instead.
    void replyWith(std::uint8_t code, int block, const QByteArray& data)
    {
        port.line.replyOverride = [=](std::uint8_t c, const QByteArray& p) -> std::optional<QByteArray> {
            if (c == code && (block < 0 || std::uint8_t(p[0]) == block))
                return cs::replyFrame(code, data);
            return std::nullopt;
        };
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
            return cs::replyFrame(0x0E, bytes(mem.data() + 128 * p[0], 128));
        };
    }
    QByteArray hostImage() const { return bytes(state.HostImage.data(), HostMemorySize); }
    QByteArray unitMemory() const { return bytes(unit.memory.data(), HostMemorySize); }
    // HostImageLoaded, ImageDataPresent, ReceiverImageLoaded, LastReadFromReceiver.
    std::array<bool, 4> flags() const
    {
        return {state.HostImageLoaded, state.ImageDataPresent, state.ReceiverImageLoaded, state.LastReadFromReceiver};
    }
    // Label1, progress value/maximum, size, Label6 and Label7; "*" marks a hidden label.
    QString shown() const
    {
        const auto label = [](const QString& text, bool visible) { return visible ? text : text + '*'; };
        return QStringLiteral("%1 %2/%3 %4 %5 %6").arg(label(view.label1, view.label1Visible)).arg(view.progressValue)
            .arg(view.progressMaximum).arg(view.fullSize ? "full" : "compact", label(view.label6, view.label6Visible),
                                           label(view.label7, view.label7Visible));
    }
};

} // namespace cs::test
