#include "link/TestView.h"

#include <QCoreApplication>

namespace cs {

TestView::TestView(AppState& state, Port& port, PortControl& portControl)
    : state_(state)
    , port_(port)
    , portControl_(portControl)
{
}

QString TestView::caption() const
{
    return on_ ? QCoreApplication::translate("MainWindow", "停(&t)")
               : QCoreApplication::translate("MainWindow", "测试(&t)");
}
QString TestView::text() const
{
    return text_;
}
bool TestView::timerOn() const
{
    return on_;
}
int TestView::windowHeightTwips() const
{
    return heightTwips_;
}

Outcome TestView::toggle()
{
    if (Outcome port = portControl_.EnsurePortOpen(); !port.done())
        return port;
    on_ = !on_;
    if (on_) {
        heightTwips_ = 8950;
        text_.clear();
    } else {
        heightTwips_ = 6000;
    }
    emit changed();
    return Outcome::success();
}

QString TestView::hexLines(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size() * 3 + (bytes.size() / LineBytes + 1) * 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out += QString::number(std::uint8_t(bytes[i]), 16).toUpper();
        out += QLatin1Char(' ');
        if ((i + 1) % LineBytes == 0 || i + 1 == bytes.size())
            out += QLatin1String("\r\n");
    }
    return out;
}

void TestView::recvdata()
{
    // The bytes of a running exchange belong to it.
    if (!state_.PortIsOpen || !port_.isOpen() || state_.ExchangeRunning)
        return;
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty())
        return;
    text_ += hexLines(bytes);
    trim();
    emit changed();
}

void TestView::trim()
{
    if (text_.size() <= TextLimit)
        return;
    const qsizetype excess = text_.size() - TrimTarget;
    // Cut after the first line end that leaves at most TrimTarget characters.
    const qsizetype lf = text_.indexOf(QLatin1Char('\n'), excess - 1);
    if (lf < 0)
        text_.clear();
    else
        text_.remove(0, lf + 1);
}

} // namespace cs
