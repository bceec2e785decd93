#include "memory/Verify.h"

namespace cs {

CellDifference differingCells(const Buffer& a, const Buffer& b, int size)
{
    CellDifference d;
    for (int i = 0; i < size; ++i)
        if (a[size_t(i)] != b[size_t(i)]) {
            if (d.first < 0)
                d.first = i;
            ++d.count;
        }
    return d;
}

std::optional<CellDifference> downloadAndVerify(DataBackup& backup, AppState& state)
{
    const Buffer sent = state.HostImage;
    backup.download();
    if (!backup.completed())
        return std::nullopt;
    backup.readHost();
    const bool read = backup.completed();
    const Buffer unit = state.HostImage;
    state.HostImage = sent;
    if (!read)
        return std::nullopt;
    return differingCells(sent, unit);
}

} // namespace cs
