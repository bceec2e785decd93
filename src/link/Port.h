#pragma once
// The serial line as the program uses it: 9600 baud, 8N1, no flow control, raw bytes.

#include <QByteArray>
#include <QString>
#include <functional>

namespace cs {

class Port {
public:
    virtual ~Port() = default;
    // Opens the device with the fixed line settings; false when it cannot be opened.
    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void setRts(bool on) = 0;
    // Hands the bytes to the line; false when they could not be written.
    virtual bool write(const QByteArray& bytes) = 0;
    // Everything received so far; empties the input buffer.
    virtual QByteArray readAll() = 0;
    // Called once when the line is lost while open (device unplugged, far end gone).
    std::function<void()> onLost;
};

} // namespace cs
