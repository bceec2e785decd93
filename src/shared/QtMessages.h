#pragma once
// Qt's own debug notes and warnings ("QIODevice::read (QSerialPort): device not
// open", plugin notes) are for developers: they reach standard error only when
// the environment variable CALLSETUP_DEBUG is set. Fatal messages always do.
// Called first thing in main(); the program itself prints through its own channels.

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace cs {

inline void routeQtMessages()
{
    if (qEnvironmentVariableIsSet("CALLSETUP_DEBUG")) {
        qInstallMessageHandler(nullptr); // Qt's own handler: everything to standard error
        return;
    }
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) // Qt ends the program after this
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
}

} // namespace cs
