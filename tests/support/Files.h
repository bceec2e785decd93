#pragma once
// Whole files for tests: read one (empty when it cannot be read), write one.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace cs::test {

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` to `path` (a failed write fails the test) and returns `path`.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        << path.toStdString();
    return path;
}

} // namespace cs::test
