#include "memory/BackupFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cs {

namespace {

// The command line's own texts, translated under the context "cli".
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(cli)
};

bool fail(FileProblem* problem, FileFault fault, const QString& reason)
{
    if (problem)
        *problem = {fault, reason};
    return false;
}

bool failErrno(FileProblem* problem, int error)
{
    FileFault fault = FileFault::Other;
    if (error == ENOENT)
        fault = FileFault::NotFound;
    else if (error == ENOTDIR)
        fault = FileFault::NoFolder;
    else if (error == EACCES || error == EPERM || error == EROFS)
        fault = FileFault::NoPermission;
    else if (error == EISDIR)
        fault = FileFault::IsFolder;
    return fail(problem, fault, qt_error_string(error));
}

// Refuses what is not a regular file, naming what it is.
bool regularFile(const struct stat& st, FileProblem* problem)
{
    if (S_ISREG(st.st_mode))
        return true;
    if (S_ISDIR(st.st_mode))
        return fail(problem, FileFault::IsFolder, CliText::tr("a folder, not a file"));
    if (S_ISFIFO(st.st_mode))
        return fail(problem, FileFault::NotRegular, CliText::tr("a FIFO, not a regular file"));
    if (S_ISSOCK(st.st_mode))
        return fail(problem, FileFault::NotRegular, CliText::tr("a socket, not a regular file"));
    return fail(problem, FileFault::NotRegular, CliText::tr("a device, not a regular file"));
}

// Opens an existing regular file for reading. What else the name leads to is
// refused before it is opened (opening a serial port raises its lines), and
// the open cannot block (a FIFO without a writer) should the name be replaced
// between the two looks.
int openRegular(const QString& path, struct stat& st, FileProblem* problem)
{
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &st) != 0) {
        failErrno(problem, errno);
        return -1;
    }
    if (!regularFile(st, problem))
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        failErrno(problem, errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !regularFile(st, problem)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Up to `count` bytes from the start; fewer only at the end of the file.
std::optional<QByteArray> readUpTo(int fd, qint64 count, FileProblem* problem)
{
    QByteArray bytes(qsizetype(count), '\0');
    qint64 have = 0;
    while (have < count) {
        const ssize_t n = ::read(fd, bytes.data() + have, size_t(count - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failErrno(problem, errno);
            return std::nullopt;
        }
        if (n == 0)
            break;
        have += n;
    }
    bytes.truncate(qsizetype(have));
    return bytes;
}

// Where a save under `path` writes: the end of its chain of symbolic links, as
// QSaveFile follows it.
QString saveTarget(const QString& path)
{
    QFileInfo info(path);
    int depth = 128;
    while (--depth && info.isSymLink())
        info.setFile(info.symLinkTarget());
    return depth > 0 ? info.filePath() : path;
}

} // namespace

bool hasBackupExtension(const QString& name)
{
    return name.endsWith(QStringLiteral(".cat"), Qt::CaseSensitive)
        || name.endsWith(QStringLiteral(".CAT"), Qt::CaseSensitive);
}

std::optional<QString> fileNameFromArgument(const QByteArray& raw, FileProblem* problem)
{
    const QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) != raw) {
        fail(problem, FileFault::NotUtf8Name,
             CliText::tr("the name is not valid UTF-8 and cannot be used exactly"));
        return std::nullopt;
    }
    if (problem)
        *problem = {};
    return name;
}

std::optional<QByteArray> readInputFile(const QString& path, qint64 limit, FileProblem* problem)
{
    struct stat st { };
    const int fd = openRegular(path, st, problem);
    if (fd < 0)
        return std::nullopt;
    const auto tooLarge = [&](qint64 size) {
        fail(problem, FileFault::TooLarge,
             CliText::tr("%1 bytes, over the limit of %2 bytes").arg(size).arg(limit));
    };
    std::optional<QByteArray> bytes;
    if (st.st_size > limit) {
        tooLarge(st.st_size);
    } else {
        bytes = readUpTo(fd, limit + 1, problem);
        // Grown since the look, or a size the system does not know (/proc).
        if (bytes && bytes->size() > limit) {
            tooLarge(bytes->size());
            bytes.reset();
        }
    }
    ::close(fd);
    if (bytes && problem)
        *problem = {};
    return bytes;
}

std::optional<QByteArray> readBackupFile(const QString& path, FileProblem* problem)
{
    struct stat st { };
    const int fd = openRegular(path, st, problem);
    if (fd < 0)
        return std::nullopt;
    // Only the image is read, however long the file is.
    std::optional<QByteArray> bytes = readUpTo(fd, HostMemorySize, problem);
    ::close(fd);
    if (bytes && bytes->size() != HostMemorySize) {
        fail(problem, FileFault::TooShort,
             CliText::tr("%n bytes, fewer than the %1 of a backup", nullptr, int(bytes->size()))
                 .arg(HostMemorySize));
        return std::nullopt;
    }
    if (bytes && problem)
        *problem = {};
    return bytes;
}

bool checkSaveTarget(const QString& path, FileProblem* problem)
{
    const QString target = saveTarget(path);
    struct stat st { };
    if (::stat(QFile::encodeName(target).constData(), &st) == 0) {
        if (!regularFile(st, problem))
            return false;
    } else if (errno != ENOENT) {
        return failErrno(problem, errno);
    }
    const QString folder = QFileInfo(target).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    if (::stat(folderName.constData(), &st) != 0) {
        return errno == ENOENT
            ? fail(problem, FileFault::NoFolder, CliText::tr("no folder %1").arg(folder))
            : failErrno(problem, errno);
    }
    if (!S_ISDIR(st.st_mode))
        return fail(problem, FileFault::NoFolder, CliText::tr("%1 is not a folder").arg(folder));
    // The new file is written beside the old one and renamed over it.
    if (::access(folderName.constData(), W_OK | X_OK) != 0)
        return failErrno(problem, errno);
    if (problem)
        *problem = {};
    return true;
}

bool writeBackupFile(const QString& path, const Buffer& image, FileProblem* problem)
{
    if (!checkSaveTarget(path, problem))
        return false;
    struct stat old { };
    const bool replacing = ::stat(QFile::encodeName(saveTarget(path)).constData(), &old) == 0;
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk, size limit) shows at once
    // instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(problem, FileFault::Other, file.errorString());
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), HostMemorySize);
    // Without a commit the temporary file is discarded and the old one stays.
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size())
        return fail(problem, FileFault::Other, file.errorString());
    // The new file takes the old one's permissions before it takes its place.
    QString notKept;
    if (replacing && ::fchmod(file.handle(), old.st_mode & 07777) != 0)
        notKept = qt_error_string(errno);
    if (!file.commit())
        return fail(problem, FileFault::Other, file.errorString());
    if (!notKept.isEmpty())
        fail(problem, FileFault::NoPermission,
             CliText::tr("saved, but without the old file's permissions: %1").arg(notKept));
    else if (problem)
        *problem = {};
    return true;
}

} // namespace cs
