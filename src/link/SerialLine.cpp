#include "link/SerialLine.h"

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace cs {

SerialLine::SerialLine(QObject* parent) : QObject(parent)
{
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLine::handleError);
}

bool SerialLine::open(const QString& device)
{
    if (port_.isOpen())
        port_.close();
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    // Linux raises RTS on open; apply the program's own state. On a pseudo-terminal
    // this fails with UnsupportedOperationError while the line stays usable.
    port_.setRequestToSend(rts_);
    port_.clearError();
    return true;
}

void SerialLine::close()
{
    if (port_.isOpen())
        port_.close();
}

void SerialLine::setRts(bool on)
{
    rts_ = on;
    if (port_.isOpen()) {
        port_.setRequestToSend(on);
        port_.clearError();
    }
}

bool SerialLine::write(const QByteArray& bytes)
{
    if (!port_.isOpen() || port_.write(bytes) != bytes.size())
        return false;
    port_.flush();   // hand the bytes to the driver now, not at the next event loop turn
    return port_.isOpen();
}

QByteArray SerialLine::readAll()
{
    if (!port_.isOpen())
        return {};
    // Pick up what reached the driver since the event loop last looked.
    port_.waitForReadyRead(0);
    port_.clearError();
    return port_.readAll();
}

void SerialLine::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::PermissionError:
    case QSerialPort::DeviceNotFoundError:
        // The device is gone but QSerialPort still calls itself open: close it,
        // once, and tell the owner.
        if (port_.isOpen()) {
            port_.close();
            if (onLost)
                onLost();
        }
        break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::UnknownError:
        // A hung-up line (the far end of a pseudo-terminal closed) reads as end
        // of file, which QSerialPort reports with a stale error code; its read
        // notifier would then fire without end. Treat it as the device gone.
        if (port_.isOpen() && hungUp()) {
            port_.close();
            if (onLost)
                onLost();
        }
        break;
    default:
        break;   // time-outs of waitForReadyRead(0), unsupported RTS on a pty
    }
}

bool SerialLine::hungUp() const
{
#ifdef Q_OS_UNIX
    pollfd fd{int(port_.handle()), 0, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL));
#else
    return false;
#endif
}

} // namespace cs
