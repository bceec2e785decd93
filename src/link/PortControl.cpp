#include "link/PortControl.h"
#include "link/PortNames.h"

#include <QCoreApplication>

namespace cs {

PortControl::PortControl(AppState& state, Port& port, std::function<QString(int)> deviceFor)
    : state_(state)
    , port_(port)
    , deviceFor_(std::move(deviceFor))
{
    if (!deviceFor_)
        deviceFor_ = portDevice;
    // The line went away under us (unplugged adapter, far end closed): release
    // the port and show it closed, so that the next command opens it again.
    port_.onLost = [this] { closePort(); };
}

Message PortControl::portMessage()
{
    return stopMessage(
        QCoreApplication::translate("Commands", "没发现此端口或端口已被其它程序占用!"));
}

Outcome PortControl::openPort()
{
    port_.setRts(true);
    const int number = portNumberOf(portName_);
    if (number == 0 || !port_.open(deviceFor_(number))) {
        Outcome failed = Outcome::failed(portMessage(), Cause::Port);
        // Why, in the system's words, for the faces that say more than the message.
        if (number != 0)
            failed.detail = portOpenErrorLine(port_.lastOpenError());
        report(PortState::Failed);
        return failed;
    }
    state_.PortIsOpen = true;
    report(PortState::Open);
    return Outcome::success();
}

void PortControl::report(PortState state)
{
    status_ = {state, portName_};
    emit changed(status_);
}

void PortControl::closePort()
{
    port_.close();
    state_.PortIsOpen = false;
    port_.setRts(false);
    report(PortState::Closed);
}

Outcome PortControl::EnsurePortOpen()
{
    return state_.PortIsOpen ? Outcome::success() : openPort();
}

Outcome PortControl::toggle()
{
    if (!state_.PortIsOpen)
        return openPort();
    closePort();
    return Outcome::success();
}

void PortControl::changePort(const QString& name)
{
    portName_ = name;
    if (port_.isOpen())
        port_.close();
    state_.PortIsOpen = false;
    report(PortState::ChoiceChanged);
}

} // namespace cs
