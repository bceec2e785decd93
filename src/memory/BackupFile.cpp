#include "memory/BackupFile.h"

#include <QFile>
#include <QSaveFile>

namespace cs {

bool hasBackupExtension(const QString& name)
{
    return name.endsWith(QStringLiteral(".cat"), Qt::CaseSensitive)
        || name.endsWith(QStringLiteral(".CAT"), Qt::CaseSensitive);
}

std::optional<QByteArray> readBackupFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Only the image is read, however long the file is.
    QByteArray bytes = file.read(HostMemorySize);
    if (bytes.size() != HostMemorySize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool writeBackupFile(const QString& path, const Buffer& image)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk, size limit) shows at once
    // instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), HostMemorySize);
    // Without a commit the temporary file is discarded and the old one stays.
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size())
        return false;
    return file.commit();
}

} // namespace cs
