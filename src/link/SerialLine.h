#pragma once
// The Port over QSerialPort.

#include "link/Port.h"

#include <QObject>
#include <QSerialPort>

namespace cs {

class SerialLine : public QObject, public Port {
    Q_OBJECT
public:
    explicit SerialLine(QObject* parent = nullptr);
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void setRts(bool on) override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void handleError(QSerialPort::SerialPortError error);
    bool hungUp() const;
    QSerialPort port_;
    bool rts_ = false;
};

} // namespace cs
