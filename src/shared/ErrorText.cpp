#include "shared/ErrorText.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace cs {

namespace {

// Translated under the command line's context: its sources are English.
struct ErrorWords {
    Q_DECLARE_TR_FUNCTIONS(cli)
};

} // namespace

QString errorText(int error)
{
    switch (error) {
    case ENOENT: return ErrorWords::tr("no such file or folder");
    case EACCES:
    case EPERM: return ErrorWords::tr("no permission");
    case EROFS: return ErrorWords::tr("the file system is read-only");
    case ENOSPC: return ErrorWords::tr("no space left on the disk");
#ifdef EDQUOT
    case EDQUOT: return ErrorWords::tr("the disk quota is used up");
#endif
    case EFBIG: return ErrorWords::tr("the file is too large for the file system");
    case EISDIR: return ErrorWords::tr("a folder, not a file");
    case ENOTDIR: return ErrorWords::tr("a part of the path is not a folder");
    case ENAMETOOLONG: return ErrorWords::tr("the name is too long for the file system");
    case ELOOP: return ErrorWords::tr("too many symbolic links (a loop)");
    case EBUSY: return ErrorWords::tr("in use by another program");
    case ENODEV:
    case ENXIO: return ErrorWords::tr("no such device");
    case EIO: return ErrorWords::tr("input/output error: the disk or device failed");
    case EMFILE:
    case ENFILE: return ErrorWords::tr("too many files are open");
    case EEXIST: return ErrorWords::tr("the name is already taken");
    default: break;
    }
    const QString system = QString::fromLocal8Bit(std::strerror(error));
    // The C library names codes it does not know "Unknown error N": the number says more.
    if (system.isEmpty() || system.startsWith(QLatin1String("Unknown error")))
        return ErrorWords::tr("system error %1").arg(error);
    return ErrorWords::tr("%1 (system error %2)").arg(system).arg(error);
}

} // namespace cs
