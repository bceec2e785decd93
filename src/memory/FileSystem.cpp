#include "memory/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cs::files {

namespace {

Kind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::Regular;
    if (S_ISDIR(mode))
        return Kind::Folder;
    if (S_ISFIFO(mode))
        return Kind::Fifo;
    if (S_ISSOCK(mode))
        return Kind::Socket;
    return Kind::Device;
}

// Writes all of `bytes`, going on after interruptions and short writes.
int writeAll(int fd, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

} // namespace

Look look(const QString& path)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {Kind::None, 0, errno};
    return {kindOf(st.st_mode), qint64(st.st_size), 0};
}

int writable(const QString& path, bool folder)
{
    const int mode = folder ? W_OK | X_OK : W_OK;
    return ::access(QFile::encodeName(path).constData(), mode) == 0 ? 0 : errno;
}

Contents readRegular(const QString& path, qint64 count)
{
    Contents c;
    const QByteArray name = QFile::encodeName(path);
    struct stat st { };
    if (::stat(name.constData(), &st) != 0) {
        c.error = errno;
        return c;
    }
    // What is not a regular file is not opened: opening a serial port raises its lines.
    c.kind = kindOf(st.st_mode);
    if (c.kind != Kind::Regular)
        return c;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        c.error = errno;
        return c;
    }
    if (::fstat(fd, &st) != 0 || (c.kind = kindOf(st.st_mode)) != Kind::Regular) {
        c.error = c.kind == Kind::Regular ? errno : 0;
        ::close(fd);
        return c;
    }
    c.size = st.st_size;
    c.bytes.resize(qsizetype(count));
    qint64 have = 0;
    while (have < count) {
        const ssize_t n = ::read(fd, c.bytes.data() + have, size_t(count - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            c.error = errno;
            break;
        }
        if (n == 0)
            break;
        have += n;
    }
    ::close(fd);
    c.bytes.truncate(c.error ? 0 : qsizetype(have));
    return c;
}

int replaceWhole(const QString& target, const QByteArray& bytes, int* modeError)
{
    if (modeError)
        *modeError = 0;
    const QByteArray name = QFile::encodeName(target);
    struct stat old { };
    const bool replacing = ::stat(name.constData(), &old) == 0;
    // A short name of its own, so that a target name near the file system's
    // limit does not make the new file's name too long.
    const QString folder = QFileInfo(target).absolutePath();
    QByteArray temporary;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 100; ++tries) {
        temporary = QFile::encodeName(folder) + "/.callsetup-"
            + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (!error && replacing && ::fchmod(fd, old.st_mode & 07777) != 0 && modeError)
        *modeError = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.constData(), name.constData()) != 0)
        error = errno;
    if (error)
        ::unlink(temporary.constData());
    return error;
}

} // namespace cs::files
