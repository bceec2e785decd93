#pragma once
// The Port over QSerialPort. On Unix the device is also locked for the time it
// is open (flock on the device the name leads to), so that no second program,
// and no other name of the same device, reaches it meanwhile.

#include "link/Port.h"

#include <QObject>
#include <QSerialPort>

namespace cs {

class SerialLine : public QObject, public Port {
    Q_OBJECT
public:
    // The most received bytes kept between two reads. While a message box
    // waits the event loop goes on reading the line: a unit that floods it
    // must not grow the program without bound. The longest wait (9 s) brings
    // at most 8640 bytes at 9600 baud; what is over the limit stays with the
    // system's driver, which keeps or drops it as its own buffer allows.
    static constexpr qint64 InputLimit = 64 * 1024;

    explicit SerialLine(QObject* parent = nullptr);
    ~SerialLine() override;
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void setRts(bool on) override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    PortOpenError lastOpenError() const override { return openError_; }

private:
    void handleError(QSerialPort::SerialPortError error);
    bool hungUp() const;
    bool lockDevice(const QString& device);
    void release(); // closes the port and drops the device lock
    void lost();
    QSerialPort port_;
    bool rts_ = false;
    int lockFd_ = -1;
    PortOpenError openError_;
};

} // namespace cs
