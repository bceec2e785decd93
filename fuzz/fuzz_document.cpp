// The backup document reader over arbitrary text, applied onto a fixed image
// with pagers, tables and voice settings. A refused document leaves the image
// as it was; an applied one gives an image whose own document gives it back.

#include "reports/BackupDocument.h"
#include "reports/ReportFormats.h"

#include <QJsonDocument>
#include <cstdlib>

namespace {

cs::Buffer baseImage()
{
    cs::Buffer image{};
    image.fill(0xFF);
    const std::uint8_t pager[5] = {'d', 0x12, 0x34, 0x56, 0x71};
    std::copy(pager, pager + 5, image.begin() + 5);
    for (int k = 0; k < 90; ++k) {
        const std::uint8_t record[9] = {
            0x0A, 0x1B, std::uint8_t(k), std::uint8_t(k >> 4), std::uint8_t(k + 1), 1, 2, 255, 7};
        std::copy(record, record + 9, image.begin() + 1280 + 9 * k);
    }
    image[8190] = 0, image[8191] = 90;
    image[2046] = 0x00;
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const cs::Buffer base = baseImage();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const cs::AppliedDocument applied = cs::applyDocument(text, base);
    if (!applied.outcome.done()) {
        if (applied.image != base || applied.outcome.message.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray own = QJsonDocument(cs::backupJson(cs::HostMemory(applied.image))).toJson();
    const cs::AppliedDocument again = cs::applyDocument(own, applied.image);
    if (!again.outcome.done() || again.image != applied.image)
        std::abort();
    return 0;
}
