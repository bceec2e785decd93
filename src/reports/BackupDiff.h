#pragma once
// What differs between two host memory images, every byte accounted for: the
// pagers and tables added, removed or changed, the tables moved to other cells
// (the records after a deleted table move up), and each setting whose report
// differs, as their report lines before and after; every other differing cell
// by its address with both values.

#include "shared/AppState.h"

#include <QString>

namespace cs {

struct BackupDifference {
    int cells = 0; // differing cells among 0..8191
    QString text;  // LF line ends; empty when the images are equal
};

// The differences of image `b` against image `a`.
BackupDifference backupDiff(const Buffer& a, const Buffer& b);

} // namespace cs
