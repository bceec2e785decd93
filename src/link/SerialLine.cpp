#include "link/SerialLine.h"
#include "shared/ErrorText.h"

#include <QFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace cs {

namespace {

#ifdef Q_OS_UNIX
PortFault faultOfErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR: return PortFault::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return PortFault::PermissionDenied;
    case EBUSY: return PortFault::InUse;
    default: return PortFault::Other;
    }
}

// The path QSerialPort opens for a port name: names that are not paths live in /dev.
QString systemLocation(const QString& device)
{
    if (device.startsWith(QLatin1Char('/')) || device.startsWith(QLatin1String("./"))
        || device.startsWith(QLatin1String("../")))
        return device;
    return QLatin1String("/dev/") + device;
}
#endif

} // namespace

SerialLine::SerialLine(QObject* parent)
    : QObject(parent)
{
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLine::handleError);
}

SerialLine::~SerialLine()
{
    release();
}

bool SerialLine::open(const QString& device)
{
    release();
    openError_ = {};
    if (!lockDevice(device))
        return false;
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(InputLimit);
    errno = 0;
    if (!port_.open(QIODevice::ReadWrite)) {
        // The system's cause, when a call of the system failed, in the user's
        // language; else the port's own words (Qt's are English, at times "Unknown error").
        const int error = errno;
        PortFault fault = PortFault::Other;
        if (port_.error() == QSerialPort::DeviceNotFoundError)
            fault = PortFault::NotFound;
        else if (port_.error() == QSerialPort::PermissionError)
            // The device itself could be opened (Unix) or Windows refuses a
            // port in use this way: another program holds it, through Qt's
            // lock file for the same name or an exclusive open.
            fault = PortFault::InUse;
        openError_ = {fault, error ? errorText(error) : QString()};
        release();
        return false;
    }
    // Linux raises RTS on open; apply the program's own state. On a pseudo-terminal
    // this fails with UnsupportedOperationError while the line stays usable.
    port_.setRequestToSend(rts_);
    port_.clearError();
    return true;
}

// Opens the device once more, before QSerialPort touches its line settings,
// and takes an exclusive lock on it. The lock belongs to the device (its inode),
// so a symbolic link, /dev/serial/by-id/... or a COMn link meets the same lock.
// TIOCEXCL, which QSerialPort sets, does not stop a second open by root.
bool SerialLine::lockDevice(const QString& device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(systemLocation(device));
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        openError_ = {faultOfErrno(error), errorText(error)};
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            openError_ = {PortFault::InUse, errorText(EBUSY)};
        else
            openError_ = {faultOfErrno(error), errorText(error)};
        return false;
    }
    lockFd_ = fd;
#else
    Q_UNUSED(device);
#endif
    return true;
}

void SerialLine::release()
{
    if (port_.isOpen())
        port_.close();
#ifdef Q_OS_UNIX
    if (lockFd_ >= 0)
        ::close(lockFd_); // closing drops the lock
#endif
    lockFd_ = -1;
}

void SerialLine::close()
{
    release();
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
    port_.flush(); // hand the bytes to the driver now, not at the next event loop turn
    return port_.isOpen();
}

QByteArray SerialLine::readAll()
{
    if (!port_.isOpen())
        return {};
    // Pick up what reached the driver since the event loop last looked.
    port_.waitForReadyRead(0);
    port_.clearError();
    // The look may have found the line gone and closed the port: a read of a
    // closed QSerialPort would only print Qt's "device not open".
    if (!port_.isOpen())
        return {};
    return port_.readAll();
}

// The device is gone but QSerialPort still calls itself open: close it, once,
// and tell the owner.
void SerialLine::lost()
{
    if (!port_.isOpen())
        return;
    release();
    if (onLost)
        onLost();
}

void SerialLine::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::PermissionError:
    case QSerialPort::DeviceNotFoundError: lost(); break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::UnknownError:
        // A hung-up line (the far end of a pseudo-terminal closed) reads as end
        // of file, which QSerialPort reports with a stale error code; its read
        // notifier would then fire without end. Treat it as the device gone.
        if (port_.isOpen() && hungUp())
            lost();
        break;
    default: break; // time-outs of waitForReadyRead(0), unsupported RTS on a pty
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
