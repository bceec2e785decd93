#pragma once
// The serial line as the program uses it: 9600 baud, 8N1, no flow control, raw bytes.

#include <QByteArray>
#include <QString>
#include <functional>

namespace cs {

// Why a port did not open.
enum class PortFault { None, NotFound, InUse, PermissionDenied, Other };

struct PortOpenError {
    PortFault fault = PortFault::None;
    QString reason; // the system's own words
};

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
    // Why the last open() failed (fault None after a successful one).
    virtual PortOpenError lastOpenError() const { return {}; }
    // Called once when the line is lost while open (device unplugged, far end gone).
    std::function<void()> onLost;
};

// The command line's second line under the port message: what to do about the
// failure, in the system's words where there is nothing more to say.
QString portOpenErrorLine(const PortOpenError& error);

} // namespace cs
