// Decoding, every report kind and the dump over arbitrary images. Each must
// finish without reading outside the image, and the report text must be set
// whole into the view.

#include "FuzzSupport.h"
#include "commands/PagerBatch.h"
#include "memory/MemoryDump.h"
#include "reports/ReportFormats.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cs::fuzz::Input in(data, size);
    const std::uint8_t flags = in.byte();
    cs::AppState state;
    state.ImageDataPresent = flags & 1;
    state.HostImageLoaded = flags & 2;
    state.ReceiverImageLoaded = flags & 4;
    // The image: the input repeated over all cells, so short inputs still reach
    // the settings and the table count at the top of memory.
    const QByteArray pattern = in.rest();
    if (!pattern.isEmpty()) {
        for (int a = 0; a < cs::BufferCells; ++a) {
            state.HostImage[size_t(a)] = std::uint8_t(pattern[a % pattern.size()]);
            state.ReceiverImage[size_t(a)] = std::uint8_t(pattern[(a * 7) % pattern.size()]);
        }
    }

    for (int position = -1; position <= int(cs::reportKinds().size()); ++position) {
        const cs::Report report = cs::buildReport(cs::reportKindAt(position), state);
        const bool refused = report.outcome.ending == cs::Ending::Refused;
        const bool needsHost = cs::reportKindAt(position) != nullptr;
        if (refused != (!state.ImageDataPresent || (needsHost && !state.HostImageLoaded)))
            std::abort();
        if (refused && !report.text.isEmpty())
            std::abort();
    }
    // The pager export of any image loads back as the same pagers, or is refused
    // row by row where the image names no model, rate or tone; never changed.
    const cs::HostMemory host(state.HostImage);
    const cs::PagerFile back = cs::readPagerCsv(cs::pagerCsv(host));
    for (const cs::PagerRow& row : back.rows) {
        const auto pager = host.pager(row.number.toInt());
        if (!pager || !pager->type || !pager->tone || int(pager->type->model) != row.model
            || int(pager->type->rate) != row.rate || *pager->tone != row.tone
            || int(pager->polarity) != row.polarity)
            std::abort();
    }
    (void)cs::backupJson(host);
    const QString dump = cs::dumpText(state.HostImage, cs::HostMemorySize);
    if (!dump.startsWith(QStringLiteral("000H -- ")) || !dump.endsWith(QStringLiteral("2000H -- ")))
        std::abort();
    return 0;
}
