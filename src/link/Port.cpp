#include "link/Port.h"

#include <QCoreApplication>

namespace cs {

QString portOpenErrorLine(const PortOpenError& error)
{
    switch (error.fault) {
    case PortFault::None: return {};
    case PortFault::NotFound: return QCoreApplication::translate("cli", "no such device");
    case PortFault::InUse: return QCoreApplication::translate("cli", "in use by another program");
    case PortFault::PermissionDenied:
#ifdef Q_OS_LINUX
        return QCoreApplication::translate(
            "cli", "permission denied: add the user to the dialout group and log in again");
#else
        return QCoreApplication::translate("cli", "permission denied");
#endif
    case PortFault::Other: break;
    }
    return error.reason.isEmpty() ? QCoreApplication::translate("cli", "the port cannot be opened")
                                  : error.reason;
}

} // namespace cs
