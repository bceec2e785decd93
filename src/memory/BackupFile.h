#pragma once
// The ".cat" backup file: exactly the 8192 bytes of the host memory in address
// order, no header.

#include "shared/AppState.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace cs {

// True when the name ends in exactly ".cat" or exactly ".CAT".
bool hasBackupExtension(const QString& name);

// The first 8192 bytes of the file; nothing when it cannot be read or is shorter.
std::optional<QByteArray> readBackupFile(const QString& path);

// Writes cells 0..8191 of `image` as bytes. The file is replaced only once all
// of it has been written; on failure an existing file stays as it was.
bool writeBackupFile(const QString& path, const Buffer& image);

} // namespace cs
