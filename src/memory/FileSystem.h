#pragma once
// The platform's file calls, all in this one file pair: what a name leads to,
// reading a regular file without ever blocking, and replacing a file whole.
// Failures come back as errno codes (<cerrno>), which every platform's C
// library defines; the callers word them.

#include <QByteArray>
#include <QString>

namespace cs::files {

enum class Kind { None, Regular, Folder, Fifo, Socket, Device };

// What a name leads to, following symbolic links.
struct Look {
    Kind kind = Kind::None; // None: nothing there, or the look failed (error)
    qint64 size = 0;
    int error = 0; // ENOENT for nothing there
};
Look look(const QString& path);

// 0 when the user may write `path` (a folder: create and rename entries in
// it), else why not.
int writable(const QString& path, bool folder);

// Up to `count` bytes from the start of the regular file `path`. What is not a
// regular file is not read: its kind comes back with no error. The open cannot
// block, should the name be replaced by a FIFO between the look and the open.
struct Contents {
    Kind kind = Kind::None;
    qint64 size = 0; // the size the system gave before reading
    QByteArray bytes;
    int error = 0;
};
Contents readRegular(const QString& path, qint64 count);

// Writes `bytes` to a new file in the folder of `target`, then renames it over
// `target`: a failure leaves an existing file as it was and no new file
// behind. An existing target's permissions are kept; when they cannot be,
// the file is still replaced and `modeError` says why.
int replaceWhole(const QString& target, const QByteArray& bytes, int* modeError);

} // namespace cs::files
