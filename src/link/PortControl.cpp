#include "link/PortControl.h"
#include "link/PortNames.h"

namespace cs {

PortControl::PortControl(AppState& state, Port& port, Ui& ui, std::function<QString(int)> deviceFor)
    : state_(state), port_(port), ui_(ui), deviceFor_(std::move(deviceFor))
{
    if (!deviceFor_)
        deviceFor_ = portDevice;
    port_.onLost = [this] { portLost(); };
}

void PortControl::reportPortFailure()
{
    ui_.messageBox(QCoreApplication::translate("Commands", "没发现此端口或端口已被其它程序占用!"),
                   StyleStop, QCoreApplication::translate("Commands", "错误"));
}

void PortControl::openPort()
{
    port_.setRts(true);
    const int number = portNumberOf(portText_);
    if (number == 0 || !port_.open(deviceFor_(number))) {
        reportPortFailure();
        return;
    }
    state_.PortIsOpen = true;
    statusText_ = QCoreApplication::translate("MainWindow", "已打开%1").arg(portText_);
    buttonCaption_ = QCoreApplication::translate("MainWindow", "关闭");
    emit changed();
}

void PortControl::closePort()
{
    port_.close();
    state_.PortIsOpen = false;
    port_.setRts(false);
    statusText_ = QCoreApplication::translate("MainWindow", "串口已关闭");
    buttonCaption_ = QCoreApplication::translate("MainWindow", "打开");
    emit changed();
}

void PortControl::EnsurePortOpen()
{
    if (!state_.PortIsOpen)
        openPort();
}

void PortControl::toggle()
{
    if (state_.PortIsOpen)
        closePort();
    else
        openPort();
}

void PortControl::changePort(const QString& text)
{
    portText_ = text;
    if (port_.isOpen())
        port_.close();
    state_.PortIsOpen = false;
    statusText_ = QCoreApplication::translate("MainWindow", "串口已关闭");
    emit changed();
}

// The line went away under us (unplugged adapter, far end closed): release the
// port and show it closed, so the next command opens it again.
void PortControl::portLost()
{
    closePort();
}

} // namespace cs
