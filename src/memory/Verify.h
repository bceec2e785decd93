#pragma once
// A download that is checked: after the backup has been written into the host
// unit, the unit's memory is read back and compared cell by cell with the
// image that was sent.

#include "memory/DataBackup.h"
#include "shared/AppState.h"

#include <optional>

namespace cs {

struct CellDifference {
    int count = 0;    // cells that differ
    int first = -1;   // address of the first, -1 when none
};

// Compares cells 0 .. size-1.
CellDifference differingCells(const Buffer& a, const Buffer& b, int size = HostMemorySize);

// Downloads HostImage, reads the unit back and compares. Nothing when the
// download or the read failed (their own messages have been shown). Afterwards
// HostImage holds the image that was sent, whatever the unit gave back.
std::optional<CellDifference> downloadAndVerify(DataBackup& backup, AppState& state);

} // namespace cs
