#pragma once
// Random host memory images as units hold them: pagers with the unit's type
// letters and packed digits, tables with distinct numbers and caller codes,
// settings set or not, and random bytes in the cells no record or setting
// uses (which every edit must carry through). Cell numbers are literal so that
// a wrong offset in the layout shows.

#include "shared/AppState.h"

#include <QSet>
#include <cstdint>
#include <random>
#include <set>

namespace cs::test {

inline int pick(std::mt19937& rng, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// The cells 0..8191 in which two images differ.
inline QSet<int> changedCells(const Buffer& a, const Buffer& b)
{
    QSet<int> cells;
    for (int c = 0; c < 8192; ++c)
        if (a[size_t(c)] != b[size_t(c)])
            cells.insert(c);
    return cells;
}

inline QSet<int> cellRange(int first, int count)
{
    QSet<int> cells;
    for (int i = 0; i < count; ++i)
        cells.insert(first + i);
    return cells;
}

// `maxTables` above 82 lets the table records reach the settings cells.
inline Buffer realisticImage(std::mt19937& rng, int maxTables = 82)
{
    Buffer image{};
    image.fill(0xFF);
    for (int c = 0; c < 8192; ++c)
        image[size_t(c)] = std::uint8_t(pick(rng, 0, 255));
    static const char letters[] = "BCDEFHIJKMQU";
    for (int n = 1; n <= 255; ++n) {
        std::uint8_t* r = &image[size_t(5 * (n - 1))];
        if (pick(rng, 0, 2) == 0) {
            r[0] = pick(rng, 0, 1) ? 0xFF : 0x00;
            continue;
        }
        r[0] = std::uint8_t(letters[pick(rng, 0, 11)] + (pick(rng, 0, 1) ? 0x20 : 0));
        for (int i = 1; i <= 3; ++i)
            r[i] = std::uint8_t(pick(rng, 0, 9) << 4 | pick(rng, 0, 9));
        r[4] = std::uint8_t(pick(rng, 0, 9) << 4 | pick(rng, 0, 3));
    }
    const int count = pick(rng, 0, maxTables);
    std::set<int> numbers;
    for (int k = 0; k < count; ++k) {
        std::uint8_t* r = &image[size_t(1280 + 9 * k)];
        int number = 0;
        do
            number = pick(rng, 1, 65535);
        while (!numbers.insert(number).second);
        const int feature = 0x0A0000 + k;
        r[0] = std::uint8_t(feature >> 16);
        r[1] = std::uint8_t(feature >> 8);
        r[2] = std::uint8_t(feature);
        r[3] = std::uint8_t(number >> 8);
        r[4] = std::uint8_t(number);
        for (int i = 5; i <= 7; ++i)
            r[i] = pick(rng, 0, 3) ? std::uint8_t(pick(rng, 1, 255)) : 0xFF;
        r[8] = pick(rng, 0, 1) ? std::uint8_t(pick(rng, 0, 99)) : 0xFF;
    }
    image[8190] = std::uint8_t(count >> 8);
    image[8191] = std::uint8_t(count);
    // Settings, over whatever table record lies there.
    const auto setting = [&](int cell, int codes) {
        if (cell >= 1280 + 9 * count)
            image[size_t(cell)] = pick(rng, 0, 3) ? std::uint8_t(pick(rng, 0, codes - 1)) : 0xFF;
    };
    setting(2024, 2);
    setting(2025, 9);
    setting(2026, 16);
    setting(2027, 16);
    setting(2028, 16);
    setting(2029, 3);
    setting(2030, 3);
    if (2046 >= 1280 + 9 * count)
        image[2046] = pick(rng, 0, 1) ? 0x00 : 0xFF;
    image[8166] = std::uint8_t(pick(rng, 0, 2));
    const int units = 1000000 + 125 * pick(rng, 0, 32000);
    image[8185] = std::uint8_t(units >> 16);
    image[8186] = std::uint8_t(units >> 8);
    image[8187] = std::uint8_t(units);
    image[8188] = pick(rng, 0, 1) ? 0x01 : 0xFF;
    return image;
}

} // namespace cs::test
