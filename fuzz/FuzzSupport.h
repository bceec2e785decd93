#pragma once
// Pieces shared by the fuzz targets: a port that serves scripted cycles, a
// waiter that does not wait, and a Ui that answers OK.

#include "link/Port.h"
#include "link/Waiter.h"
#include "shared/Ui.h"

#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>

namespace cs::fuzz {

class ScriptPort : public cs::Port {
public:
    bool open(const QString&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void setRts(bool) override { }
    bool write(const QByteArray&) override { return open_; }
    QByteArray readAll() override { return cycles.isEmpty() ? QByteArray() : cycles.takeFirst(); }
    QList<QByteArray> cycles;

private:
    bool open_ = false;
};

class NoWait : public cs::Waiter {
public:
    void wait(double) override { }
};

// Reads fuzz input front to back.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : d_(data)
        , n_(size)
    {
    }
    std::uint8_t byte() { return at_ < n_ ? d_[at_++] : 0; }
    QByteArray take(std::size_t count)
    {
        count = std::min(count, n_ - at_);
        QByteArray out(reinterpret_cast<const char*>(d_ + at_), qsizetype(count));
        at_ += count;
        return out;
    }
    QByteArray rest() { return take(n_ - at_); }
    bool empty() const { return at_ >= n_; }

private:
    const std::uint8_t* d_;
    std::size_t n_;
    std::size_t at_ = 0;
};

} // namespace cs::fuzz
