#pragma once
// What differs between two host memory images, in the words of the reports:
// pagers and tables added, removed or changed (as their report lines), each
// setting whose report differs, and the count of other cells that differ.

#include "memory/Verify.h"
#include "shared/AppState.h"

#include <QString>

namespace cs {

// The differences of image `b` against image `a` as text, LF line ends; empty
// when the images are equal.
QString backupDiff(const Buffer& a, const Buffer& b);

} // namespace cs
