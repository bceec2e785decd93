#include "memory/MemoryDump.h"

#include <algorithm>

namespace cs {

namespace {
constexpr char16_t HexDigits[] = u"0123456789ABCDEF";
}

QString dumpAddress(int c)
{
    // Below 0x100 a leading 0 is added, so every address has three digits or more.
    return QStringLiteral("%1H -- ").arg(c, 3, 16, QLatin1Char('0')).toUpper();
}

QString dumpText(const Buffer& image, int cells)
{
    cells = std::clamp(cells, 0, BufferCells) / 16 * 16;
    QString text;
    // Per line: up to 9 address characters, 48 value characters, CR LF.
    text.reserve(cells / 16 * 60 + 16);
    text += dumpAddress(0);
    for (int c = 0; c < cells;) {
        for (int k = 0; k < 16; ++k, ++c) {
            const std::uint8_t v = image[size_t(c)];
            text += QChar(HexDigits[v >> 4]);
            text += QChar(HexDigits[v & 0x0F]);
            text += u' ';
        }
        text += QStringLiteral("\r\n");
        text += dumpAddress(c);
    }
    return text;
}

} // namespace cs
