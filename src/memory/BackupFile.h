#pragma once
// The ".cat" backup file: exactly the 8192 bytes of the host memory in address
// order, no header. And the file boundary of the program: names from the
// command line, input files that are read whole, and save targets.

#include "shared/AppState.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace cs {

// Why a file was refused.
enum class FileFault {
    None,
    NotFound,
    NotRegular, // a FIFO, device or socket
    NoPermission,
    TooShort,    // a backup file of fewer than 8192 bytes
    TooLarge,    // an input file over its limit
    NotUtf8Name, // a command-line name that Qt's file classes cannot reach exactly
    NoFolder,    // the folder of a save target is missing or is no folder
    IsFolder,
    NameTooLong,
    Other,
};

struct FileProblem {
    FileFault fault = FileFault::None;
    QString reason; // why, in the user's language
};

// The largest pager file that is read (a full unit has 254 rows of about 40 bytes).
constexpr qint64 PagerFileLimit = 1 << 20;

// True when the name ends in exactly ".cat" or exactly ".CAT".
bool hasBackupExtension(const QString& name);

// The file name for a command-line argument's raw bytes. Qt's file classes
// reach a file through the UTF-8 form of its name: bytes that are not valid
// UTF-8 would reach a different file (every bad byte becomes U+FFFD, so that
// "caf\xe9" and "caf\xe8" meet), and are refused instead.
std::optional<QString> fileNameFromArgument(const QByteArray& raw, FileProblem* problem = nullptr);

// The whole contents of a regular file of at most `limit` bytes. Anything else
// (a FIFO, device, folder or socket) is refused at once, without blocking and
// without being read; so is a larger file, its size named in the reason.
std::optional<QByteArray> readInputFile(const QString& path, qint64 limit,
                                        FileProblem* problem = nullptr);

// The first 8192 bytes of a regular file; nothing when it cannot be read, is
// shorter, or is not a regular file (refused at once, without blocking).
std::optional<QByteArray> readBackupFile(const QString& path, FileProblem* problem = nullptr);

// Whether a backup can be saved under `path`, checked before a long read: its
// folder exists and may be written, and the name is a regular file the user may
// write or nothing yet (not a folder, FIFO, device or socket, also through
// symbolic links), and the name fits the file system.
bool checkSaveTarget(const QString& path, FileProblem* problem = nullptr);

// Writes `bytes` as the whole file `path`, as writeBackupFile does.
bool saveWholeFile(const QString& path, const QByteArray& bytes, FileProblem* problem = nullptr);

// Writes cells 0..8191 of `image` as bytes. The file is replaced only once all
// of it has been written; on failure an existing file stays as it was. Refuses
// what checkSaveTarget refuses. A file saved over keeps its permissions; when
// they cannot be kept the file is saved and `problem` says so (NoPermission).
bool writeBackupFile(const QString& path, const Buffer& image, FileProblem* problem = nullptr);

} // namespace cs
