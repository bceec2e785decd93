#pragma once
// The memory dump of the data backup window: one line per 16 cells,
//   "000H -- 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F " CR LF
//   "010H -- 10 ... "                                            CR LF
//   ...
//   "2000H -- "            (the address after the last line, no values)
// Addresses are upper-case hex with at least three digits.

#include "shared/AppState.h"

#include <QString>

namespace cs {

// Dump of cells 0 .. cells-1 of `image` (cells a multiple of 16, at most BufferCells).
QString dumpText(const Buffer& image, int cells);

// The address column of the line starting at cell c: "0F0H -- ", "1000H -- ".
QString dumpAddress(int c);

} // namespace cs
