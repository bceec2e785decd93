#pragma once
// Program-wide state: the exchange hand-over, the port flag, the memory images
// and their flags. One instance, created by the entry point and handed to every
// window and operation.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace cs {

constexpr int BufferCells = 9001; // indices 0..9000
constexpr int HostMemorySize = 8192;
constexpr int ReceiverMemorySize = 256;

using Buffer = std::array<std::uint8_t, BufferCells>;

struct AppState {
    // Exchange (request/reply hand-over).
    Buffer TxBuffer{};
    Buffer RxBuffer{};
    bool ReplyOk = false;
    std::uint8_t ReplyRounds = 0;
    double ReplyWaitSeconds = 1.0;
    std::uint8_t ReplyChecksumValue = 0;
    QByteArray ReplyRawBytes;

    // Serial port.
    bool PortIsOpen = false;

    // Memory images and their flags.
    Buffer ReadArea{};
    int ReadAreaIndex = 0;
    Buffer HostImage{};
    Buffer ReceiverImage{};
    bool HostImageLoaded = false;
    bool ReceiverImageLoaded = false;
    bool ImageDataPresent = false;
    bool LastReadFromReceiver = false;
    // The last completed load (read or opened file) was a receiver read: the
    // memory dump shows the receiver image only then.
    bool LastLoadFromReceiver = false;
    // Where HostImage came from: the backup file it was opened from, or empty
    // when it was read from the unit.
    QString HostImageFile;
    // The last host read broke off: HostImage still holds what it held before.
    bool HostReadFailed = false;

    // True while a request/reply exchange owns the port: nothing else may read it.
    bool ExchangeRunning = false;
};

} // namespace cs
