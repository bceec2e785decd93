#pragma once
// Crafted memory images for the decoding and report tests. Cell numbers are
// written out literally here so that a wrong offset in the layout shows.

#include "shared/AppState.h"

#include <cstdint>
#include <initializer_list>

namespace cs::test {

// A host image as an erased unit holds it: every cell 0xFF.
inline cs::Buffer erasedImage()
{
    cs::Buffer b;
    b.fill(0xFF);
    return b;
}

inline void put(cs::Buffer& image, int cell, std::initializer_list<int> bytes)
{
    for (int v : bytes)
        image[size_t(cell++)] = std::uint8_t(v);
}

// Pager n's five bytes at 5*(n-1).
inline void putPager(cs::Buffer& image, int n, std::initializer_list<int> bytes)
{
    put(image, 5 * (n - 1), bytes);
}

// Table record k's nine bytes at 1280 + 9*k.
inline void putTable(cs::Buffer& image, int k, std::initializer_list<int> bytes)
{
    put(image, 1280 + 9 * k, bytes);
}

inline void putTableCount(cs::Buffer& image, int count)
{
    put(image, 8190, {count >> 8, count & 0xFF});
}

} // namespace cs::test
