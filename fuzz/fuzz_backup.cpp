// Opening arbitrary backup files: any content and length. A file that is
// refused leaves the image and the flags exactly as they were; a file that is
// taken gives its first 8192 bytes.

#include "FuzzSupport.h"
#include "memory/BackupFile.h"
#include "memory/Backups.h"
#include "sim/SimPort.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/fuzz.cat");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    cs::AppState state;
    state.HostImage.fill(0x5A);
    const cs::Buffer before = state.HostImage;

    const cs::Outcome opened = cs::openBackup(state, path);

    const bool taken = size >= std::size_t(cs::HostMemorySize);
    if (opened.done() != taken || (!taken && opened.ending != cs::Ending::Refused))
        std::abort();
    if (state.HostImageLoaded != taken || state.ImageDataPresent != taken)
        std::abort();
    for (int a = 0; a < cs::BufferCells; ++a) {
        const std::uint8_t expected = taken && a < cs::HostMemorySize ? data[a] : before[size_t(a)];
        if (state.HostImage[size_t(a)] != expected)
            std::abort();
    }
    const auto direct = cs::readBackupFile(path);
    if (direct.has_value() != taken || (taken && direct->size() != cs::HostMemorySize))
        std::abort();
    return 0;
}
