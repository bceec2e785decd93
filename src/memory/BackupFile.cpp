#include "memory/BackupFile.h"
#include "memory/FileSystem.h"
#include "shared/ErrorText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

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
    else if (error == ENAMETOOLONG)
        fault = FileFault::NameTooLong;
    return fail(problem, fault, errorText(error));
}

// Refuses what is not a regular file, naming what it is.
bool regularFile(files::Kind kind, FileProblem* problem)
{
    switch (kind) {
    case files::Kind::Regular: return true;
    case files::Kind::Folder:
        return fail(problem, FileFault::IsFolder, CliText::tr("a folder, not a file"));
    case files::Kind::Fifo:
        return fail(problem, FileFault::NotRegular, CliText::tr("a FIFO, not a regular file"));
    case files::Kind::Socket:
        return fail(problem, FileFault::NotRegular, CliText::tr("a socket, not a regular file"));
    case files::Kind::None:
    case files::Kind::Device: break;
    }
    return fail(problem, FileFault::NotRegular, CliText::tr("a device, not a regular file"));
}

// Up to `count` bytes from the start of a regular file.
std::optional<QByteArray> readUpTo(const QString& path, qint64 count, qint64* size,
                                   FileProblem* problem)
{
    files::Contents c = files::readRegular(path, count);
    if (c.error) {
        failErrno(problem, c.error);
        return std::nullopt;
    }
    if (!regularFile(c.kind, problem))
        return std::nullopt;
    if (size)
        *size = c.size;
    return std::move(c.bytes);
}

// Where a save under `path` writes: the end of its chain of symbolic links.
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
    qint64 size = 0;
    std::optional<QByteArray> bytes = readUpTo(path, limit + 1, &size, problem);
    if (!bytes)
        return bytes;
    // Over the limit, or grown since the look, or a size the system does not know (/proc).
    if (size > limit || bytes->size() > limit) {
        fail(problem, FileFault::TooLarge,
             CliText::tr("%1 bytes, over the limit of %2 bytes")
                 .arg(std::max(size, qint64(bytes->size())))
                 .arg(limit));
        return std::nullopt;
    }
    if (problem)
        *problem = {};
    return bytes;
}

std::optional<QByteArray> readBackupFile(const QString& path, FileProblem* problem)
{
    // Only the image is read, however long the file is.
    std::optional<QByteArray> bytes = readUpTo(path, HostMemorySize, nullptr, problem);
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
    const files::Look there = files::look(target);
    if (there.error == 0) {
        if (!regularFile(there.kind, problem))
            return false;
        // A file the user may not write is not replaced behind its back.
        if (const int error = files::writable(target, false))
            return failErrno(problem, error);
    } else if (there.error != ENOENT) {
        return failErrno(problem, there.error);
    }
    const QString folder = QFileInfo(target).absolutePath();
    const files::Look parent = files::look(folder);
    if (parent.error == ENOENT)
        return fail(problem, FileFault::NoFolder, CliText::tr("no folder %1").arg(folder));
    if (parent.error)
        return failErrno(problem, parent.error);
    if (parent.kind != files::Kind::Folder)
        return fail(problem, FileFault::NoFolder, CliText::tr("%1 is not a folder").arg(folder));
    // The new file is written beside the old one and renamed over it.
    if (const int error = files::writable(folder, true))
        return failErrno(problem, error);
    if (problem)
        *problem = {};
    return true;
}

bool saveWholeFile(const QString& path, const QByteArray& bytes, FileProblem* problem)
{
    if (!checkSaveTarget(path, problem))
        return false;
    int modeError = 0;
    if (const int error = files::replaceWhole(saveTarget(path), bytes, &modeError))
        return failErrno(problem, error);
    if (modeError)
        fail(problem, FileFault::NoPermission,
             CliText::tr("saved, but without the old file's permissions: %1")
                 .arg(errorText(modeError)));
    else if (problem)
        *problem = {};
    return true;
}

bool writeBackupFile(const QString& path, const Buffer& image, FileProblem* problem)
{
    return saveWholeFile(
        path, QByteArray(reinterpret_cast<const char*>(image.data()), HostMemorySize), problem);
}

} // namespace cs
